#include "PrintJob.h"

#include "core/Reporter.h"
#include "core/State.h"
#include "pages/Frame.h"
#include "pages/PainterSurface.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>

namespace tarvik {

namespace {

std::string Destination(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return "the file " + printer.outputFileName().toStdString();
    const QString name = printer.printerName();
    return name.isEmpty() ? std::string("the printer") : "the printer " + name.toStdString();
}

} // namespace

QPrinter& ShellPrinter()
{
    // Made on first use and let go with the application object, which the
    // platform's printer support must outlive.
    static QPrinter* printer = nullptr;
    if (!printer) {
        printer = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine([] {
            delete printer;
            printer = nullptr;
        });
    }
    return *printer;
}

QString JobTitle(const QString& what)
{
    return QString::fromStdString(PagesOwner(Births(), OutputRun().MatchMode)) + QStringLiteral(" - ") + what;
}

PrintEnd RunPrintJob(QPrinter& printer, const std::function<bool(Surface&)>& draw,
                     const std::function<bool()>& cancelled)
{
    const auto notStarted = [&](const std::string& why) {
        reporter().Message("Printing failed: the print job could not be started on " + Destination(printer) + why +
                           ".");
        return PrintEnd::NotStarted;
    };
    const auto failed = [&](const std::string& why) {
        reporter().Message("Printing failed: the print job on " + Destination(printer) + " did not finish" + why +
                           ".");
        return PrintEnd::Failed;
    };
    const auto because = [](const std::string& problem) { return problem.empty() ? problem : ": " + problem; };
    // A job printed to a file is written by the PDF surface, whose text
    // extracts as printed; the printer's own PDF output would not.
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        PdfSurface surface(printer.outputFileName().toStdString(), SheetOf(printer),
                           printer.docName().toStdString(), OutputRun().PageWidth);
        if (!surface.IsOpen())
            return notStarted(because(surface.Problem()));
        const bool drawn = draw(surface);
        if (cancelled && cancelled()) {
            surface.Abandon();
            return PrintEnd::Cancelled;
        }
        if (!surface.Finish())
            return failed(because(surface.Problem()));
        return drawn ? PrintEnd::Printed : PrintEnd::PageMissing;
    }
    bool drawn = true;
    {
        PrinterSurface surface(printer, OutputRun().PageWidth);
        if (!printer.paintingActive())
            return notStarted({});
        drawn = draw(surface);
        if (cancelled && cancelled()) {
            printer.abort();
            return PrintEnd::Cancelled;
        }
        surface.Finish();
    }
    const bool pdfMissing =
        printer.outputFormat() == QPrinter::PdfFormat && !QFileInfo::exists(printer.outputFileName());
    if (printer.printerState() == QPrinter::Error || pdfMissing)
        return failed({});
    return drawn ? PrintEnd::Printed : PrintEnd::PageMissing;
}

} // namespace tarvik
