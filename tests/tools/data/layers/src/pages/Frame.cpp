#include "Frame.h"
#include "calc/Chart.h"
#include <shell/frmMain.h>
#include <gtest/gtest.h>
