#pragma once

#include <qstring.h>
#include <quadmath.h>
#include <queue>
