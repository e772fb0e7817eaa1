#include "Justified.h"


#include <cmath>
#include <string>
#include <vector>

namespace tarvik {

namespace {

// Prints a full line with its gaps widened (or narrowed) by extra twips each;
// every word but the last is printed together with the blank after it.
void printStretched(Surface& surface, const std::string& line, int x, int y, double extra)
{
    double cx = x;
    std::size_t start = 0;
    for (std::size_t blank = line.find(' '); blank != std::string::npos;
         blank = line.find(' ', start)) {
        const std::string_view piece = std::string_view(line).substr(start, blank + 1 - start);
        surface.CurrentY = y;
        surface.CurrentX = cx;
        surface.Print(piece);
        cx += surface.TextWidth(piece) + std::trunc(extra);
        start = blank + 1;
    }
    surface.CurrentY = y;
    surface.CurrentX = cx;
    surface.Print(std::string_view(line).substr(start));
}

} // namespace

void PrintJustified(int width, int x, int y, std::string_view text, Surface& surface,
                    const ParagraphLines& lines)
{
    const int lineStep = static_cast<int>(lines.lineStep);
    // Nothing below the frame's bottom is seen, and a text from a database
    // may be of any length: after the first line that starts there (which
    // shows a layout that measures the page that the text crosses it) the
    // rest is neither measured nor printed.
    const double bottom = lines.bottom;
    std::string line;
    int gaps = 0;
    std::size_t p = 0;
    bool more = true;
    while (more) {
        const std::size_t blank = text.find(' ', p);
        std::string_view word;
        if (blank == std::string_view::npos) {
            word = text.substr(p);
            more = false;
        } else {
            word = text.substr(p, blank - p);
            p = blank + 1;
        }
        // The blank that would join the word to the line is not measured.
        const int w = static_cast<int>(surface.TextWidth(line + std::string(word)));
        if (w <= width) {
            if (!line.empty()) {
                line += ' ';
                ++gaps;
            }
            line += word;
        } else {
            const double extra = gaps > 0 ? (width - surface.TextWidth(line)) / gaps : 0.0;
            printStretched(surface, line, x, y, extra);
            if (y >= bottom) {
                surface.CurrentY = y + lineStep;
                return;
            }
            y += lineStep;
            line = word;
            gaps = 0;
        }
    }
    surface.CurrentY = y;
    surface.CurrentX = x;
    surface.Print(line);
    surface.CurrentY = y + lineStep;
}

} // namespace tarvik
