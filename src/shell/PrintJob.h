#pragma once

// Print jobs of the shell: the pages of one job go to the printer the user
// chose last (the platform's printer, or a PDF file), on the paper and in
// the orientation chosen in Print Setup, one sheet per page.

#include "registry/PageDispatcher.h"

#include <functional>
#include <string>

class QPrinter;
class QString;

namespace tarvik {

class Surface;

// Draws one page by its key on a surface, with what the caller gives it
// beyond the key (the page dispatcher's PrintPage in the program); false
// when the page could not be drawn.
using PageDrawer =
    std::function<bool(Surface&, const std::string& key, bool toPrinter, const PageOptions& options)>;

// The printer of the program's print jobs; its choices stay for the next job.
QPrinter& ShellPrinter();

// How a print job ended.
enum class PrintEnd {
    Printed,       // every page went out
    PageMissing,   // the job went out, but a page could not be drawn (the page reported it)
    NotStarted,    // the printer or the file refused the job (reported)
    Failed,        // the job did not finish (reported, with the system's reason where it gave one)
    Cancelled,     // the user stopped it: nothing went out, no file is left
};

// The title of a print job, which the printer's queue shows and a PDF file
// carries: whom the pages are of and what is printed ("Ravi Kumar - Basic").
QString JobTitle(const QString& what);

// Draws one job on the printer and ends it. The job is titled by the
// printer's document name (QPrinter::docName). draw gets the printer's surface
// and returns false when a page could not be drawn (which the page has
// reported). When cancelled, asked after draw, says the user stopped the
// run, the job is abandoned. A job to a PDF file is written by the PDF
// surface (PainterSurface.h).
PrintEnd RunPrintJob(QPrinter& printer, const std::function<bool(Surface&)>& draw,
                     const std::function<bool()>& cancelled = {});

} // namespace tarvik
