#include "ui/Window.h"
