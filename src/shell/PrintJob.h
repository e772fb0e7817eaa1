#pragma once

// Print jobs of the shell: the pages of one job go to the printer the user
// chose last (the platform's printer, or a PDF file), A4, one sheet per page.

#include <functional>
#include <string>

class QPrinter;

namespace tarvik {

class Surface;

// Draws one page by its key on a surface (the page dispatcher in the
// program); false when the page could not be drawn.
using PageDrawer = std::function<bool(Surface&, const std::string& key, bool toPrinter)>;

// The printer of the program's print jobs; its choices stay for the next job.
QPrinter& ShellPrinter();

// Draws one job on the printer and ends it. draw gets the printer's surface
// and returns false when a page could not be drawn (which the page has
// reported). A job that the printer refuses to start or that ends in an
// error is reported. True when the job went through with every page. A job
// to a PDF file is written by the PDF surface (PainterSurface.h).
bool RunPrintJob(QPrinter& printer, const std::function<bool(Surface&)>& draw);

} // namespace tarvik
