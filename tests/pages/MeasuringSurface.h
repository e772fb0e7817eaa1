#pragma once

// The preview picture keeping the extent of every text it draws (its width,
// its line's height and the distance from the line's top to the baseline)
// and every line, for the tests that check how pages lay out with the
// program's fonts.

#include "pages/PainterSurface.h"

#include <QFontMetricsF>

#include <string>
#include <string_view>
#include <vector>

namespace tarvik::testing {

struct DrawnText {
    std::string text;
    double x, y, width, height, ascent;
};

struct DrawnLine {
    double x1, y1, x2, y2;
};

class MeasuringSurface : public ImageSurface {
public:
    MeasuringSurface() : ImageSurface(72) {}
    std::vector<DrawnText> texts;
    std::vector<DrawnLine> lines;

protected:
    void DrawText(double x, double y, std::string_view text) override
    {
        const QFontMetricsF metrics(QtFont(Font));
        texts.push_back({std::string(text), x, y, TextWidth(text), LineHeight(), metrics.ascent()});
        ImageSurface::DrawText(x, y, text);
    }
    void DrawLine(double x1, double y1, double x2, double y2) override
    {
        lines.push_back({x1, y1, x2, y2});
        ImageSurface::DrawLine(x1, y1, x2, y2);
    }
};

} // namespace tarvik::testing
