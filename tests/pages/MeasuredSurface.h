#pragma once

// A recording surface that measures texts with the preview's fonts, so that
// a test can check where a page's texts end with the faces the program uses.
// Beside the recorded log it keeps the extent of every text drawn (its width,
// its line's height and the distance from the line's top to the baseline)
// and every line. Needs the Qt application of QtTestEnvironment.h.

#include "pages/PainterSurface.h"
#include "pages/RecordingSurface.h"

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

class MeasuredSurface : public RecordingSurface {
public:
    // dpi is the resolution of the picture the fonts are measured on.
    explicit MeasuredSurface(double dpi = 20) : measure_(dpi) {}

    std::vector<DrawnText> texts;
    std::vector<DrawnLine> lines;

    double TextWidth(std::string_view text) override
    {
        measure_.Font = Font;
        return measure_.TextWidth(text);
    }
    double LineHeight() override
    {
        measure_.Font = Font;
        return measure_.LineHeight();
    }
    double Ascent() override
    {
        measure_.Font = Font;
        return measure_.Ascent();
    }
    double WidthIn(const TextFont& font, std::string_view text)
    {
        measure_.Font = font;
        return measure_.TextWidth(text);
    }
    double HeightIn(const TextFont& font)
    {
        measure_.Font = font;
        return measure_.LineHeight();
    }

protected:
    void DrawText(double x, double y, std::string_view text) override
    {
        const QFontMetricsF metrics(PainterSurface::QtFont(Font));
        texts.push_back({std::string(text), x, y, TextWidth(text), LineHeight(), metrics.ascent()});
        RecordingSurface::DrawText(x, y, text);
    }
    void DrawLine(double x1, double y1, double x2, double y2) override
    {
        lines.push_back({x1, y1, x2, y2});
        RecordingSurface::DrawLine(x1, y1, x2, y2);
    }

private:
    ImageSurface measure_;
};

} // namespace tarvik::testing
