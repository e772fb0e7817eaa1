#pragma once

#include "calc/Chart.h"
