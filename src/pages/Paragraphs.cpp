#include "Paragraphs.h"

#include "FontMap.h"
#include "Frame.h"

#include <cmath>

namespace tarvik {

namespace {

// Whole twips, halves to the even neighbour.
int wholeTwips(double v) { return static_cast<int>(std::nearbyint(v)); }

struct ParagraphLayout {
    double fontSize;
    ParagraphLines lines;
    double left;
    double width;
};

ParagraphLayout layoutOf(const PageLayout& page, bool compact, double fontSizePoints)
{
    const double scale = page.scale;
    const double left = page.leftMargin + (compact ? 50 : 350) * scale;
    return {fontSizePoints, LinesOf(page, compact ? 0.0 : 50 * scale), left, (compact ? 8000 : 7150) * scale};
}

void printPieces(Surface& surface, std::string_view text, const ParagraphLayout& layout)
{
    std::size_t start = 0;
    while (true) {
        const std::size_t crlf = text.find("\r\n", start);
        const std::string_view piece =
            text.substr(start, crlf == std::string_view::npos ? std::string_view::npos : crlf - start);
        PrintJustified(wholeTwips(layout.width), wholeTwips(layout.left),
                       wholeTwips(surface.CurrentY), piece, surface, layout.lines);
        if (crlf == std::string_view::npos)
            break;
        start = crlf + 2;
    }
}

// Steps 1 to 5 of every paragraph: size, no underline, the pieces at the
// paragraph's line step, then the body size back.
void printParagraph(Surface& surface, const PageLayout& page, std::string_view text,
                    const ParagraphLayout& layout)
{
    surface.Font.Size = layout.fontSize;
    surface.Font.Underline = false;
    printPieces(surface, text, layout);
    surface.Font.Size = page.bodyFontSize * page.scale;
}

double paragraphSize(const PageLayout& page, bool compact)
{
    return (page.bodyFontSize + (compact ? 0 : 1)) * page.scale;
}

} // namespace

ParagraphLines LinesOf(const PageLayout& layout, double lineStepAddition)
{
    return {layout.lineStep + lineStepAddition, PageBodyBottom(layout)};
}

void PrintPredictionHeading(Surface& surface, const PageLayout& layout, std::string_view text,
                            std::string_view heading, bool compact)
{
    surface.Font.Size = (layout.bodyFontSize + (compact ? 1 : 2)) * layout.scale;
    surface.Font.Bold = true;
    surface.Font.Underline = true;
    surface.CurrentX = layout.leftMargin;
    surface.Print(heading);
    surface.Font.Bold = false;
    printParagraph(surface, layout, text, layoutOf(layout, compact, paragraphSize(layout, compact)));
    surface.CurrentY += (compact ? 1 : 2) * layout.lineStep;
}

void PrintPredictionParagraph(Surface& surface, const PageLayout& layout, std::string_view text, bool compact)
{
    printParagraph(surface, layout, text, layoutOf(layout, compact, paragraphSize(layout, compact)));
}

void PrintPredictionParagraphAlt(Surface& surface, const PageLayout& layout, std::string_view text,
                                 bool compact, int fontSize)
{
    const double size = fontSize == 0 ? paragraphSize(layout, compact)
                                      : (fontSize + (compact ? 0 : 1)) * layout.scale;
    printParagraph(surface, layout, text, layoutOf(layout, compact, size));
}

void AdvanceLine(Surface& surface, const PageLayout& layout) { surface.CurrentY += layout.lineStep; }

void PrintHindiParagraph(Surface& surface, const PageLayout& layout, std::string_view text, bool compact)
{
    ParagraphLayout paragraph = layoutOf(layout, compact, 13);
    paragraph.left += 500;
    surface.Font.Name = std::string(HindiFace);
    printParagraph(surface, layout, text, paragraph);
    surface.Font.Name = layout.bodyFontName;
}

} // namespace tarvik
