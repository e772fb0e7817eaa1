#include "Paragraphs.h"

#include "FontMap.h"
#include "Justified.h"
#include "core/State.h"

#include <cmath>

namespace tarvik {

namespace {

// Whole twips, halves to the even neighbour.
int wholeTwips(double v) { return static_cast<int>(std::nearbyint(v)); }

struct ParagraphLayout {
    double fontSize;
    double lineStepAddition;
    double left;
    double width;
};

ParagraphLayout layoutOf(bool compact, double fontSizePoints)
{
    const RunValues& run = OutputRun();
    const double scale = run.OutputScale;
    const double left = Config().LeftMarginTwips + (compact ? 50 : 350) * scale;
    return {fontSizePoints, compact ? 0.0 : 50 * scale, left, (compact ? 8000 : 7150) * scale};
}

void printPieces(Surface& surface, std::string_view text, const ParagraphLayout& layout)
{
    std::size_t start = 0;
    while (true) {
        const std::size_t crlf = text.find("\r\n", start);
        const std::string_view piece =
            text.substr(start, crlf == std::string_view::npos ? std::string_view::npos : crlf - start);
        PrintJustified(wholeTwips(layout.width), wholeTwips(layout.left),
                       wholeTwips(surface.CurrentY), piece, surface);
        if (crlf == std::string_view::npos)
            break;
        start = crlf + 2;
    }
}

// Steps 1 to 5 of every paragraph: size, widened line step, no underline,
// the pieces, then the body size and the line step back.
void printParagraph(Surface& surface, std::string_view text, const ParagraphLayout& layout)
{
    RunValues& run = OutputRun();
    surface.Font.Size = layout.fontSize;
    run.LineStep += layout.lineStepAddition;
    surface.Font.Underline = false;
    printPieces(surface, text, layout);
    surface.Font.Size = run.BodyFontSize * run.OutputScale;
    run.LineStep -= layout.lineStepAddition;
}

double paragraphSize(bool compact)
{
    const RunValues& run = OutputRun();
    return (run.BodyFontSize + (compact ? 0 : 1)) * run.OutputScale;
}

} // namespace

void PrintPredictionHeading(Surface& surface, std::string_view text, std::string_view heading,
                            bool compact)
{
    const RunValues& run = OutputRun();
    surface.Font.Size = (run.BodyFontSize + (compact ? 1 : 2)) * run.OutputScale;
    surface.Font.Bold = true;
    surface.Font.Underline = true;
    surface.CurrentX = Config().LeftMarginTwips;
    surface.Print(heading);
    surface.Font.Bold = false;
    printParagraph(surface, text, layoutOf(compact, paragraphSize(compact)));
    surface.CurrentY += (compact ? 1 : 2) * OutputRun().LineStep;
}

void PrintPredictionParagraph(Surface& surface, std::string_view text, bool compact)
{
    printParagraph(surface, text, layoutOf(compact, paragraphSize(compact)));
}

void PrintPredictionParagraphAlt(Surface& surface, std::string_view text, bool compact,
                                 int fontSize)
{
    const double size = fontSize == 0 ? paragraphSize(compact)
                                      : (fontSize + (compact ? 0 : 1)) * OutputRun().OutputScale;
    printParagraph(surface, text, layoutOf(compact, size));
}

void AdvanceLine(Surface& surface) { surface.CurrentY += OutputRun().LineStep; }

void PrintHindiParagraph(Surface& surface, std::string_view text, bool compact)
{
    ParagraphLayout layout = layoutOf(compact, 13);
    layout.left += 500;
    surface.Font.Name = std::string(HindiFace);
    printParagraph(surface, text, layout);
    surface.Font.Name = OutputRun().BodyFontName;
}

} // namespace tarvik
