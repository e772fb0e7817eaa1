#include "pages/Page.h"

// The dispatcher builds the page's context from the program's state.
PageContext context() { return PageContextOf(Program(), OutputRun().Choices()); }
