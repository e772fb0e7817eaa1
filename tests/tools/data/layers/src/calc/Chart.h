#pragma once

#include "core/State.h"

#include <QString>
