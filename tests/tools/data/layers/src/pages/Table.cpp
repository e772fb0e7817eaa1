#include "../calc/Chart.h"
#include "../shell/frmMain.h"
