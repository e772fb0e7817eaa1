#pragma once

// The measuring surface (MeasuredSurface.h) that also keeps, for every
// text, the box its glyphs cover on the page (the ink, from the highest
// accent to the lowest descender, and the box of the shaped text with its
// vowel signs), and every rule a page draws: its own lines and the strokes
// of the drawings it paints (chart frames, the Sudarshan wheel, the default
// border), each with its pen's width. The layout tests check these boxes
// against each other and against the rules.
// Needs the Qt application of QtTestEnvironment.h.

#include "MeasuredSurface.h"

#include "pages/PainterSurface.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QString>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tarvik::testing {

struct InkBox {
    double left = 0, top = 0, right = 0, bottom = 0;

    bool Empty() const { return right <= left || bottom <= top; }
};

struct LaidText {
    std::string text;
    double x = 0, y = 0;          // top-left corner of the line
    double width = 0, height = 0; // advance and line height
    InkBox ink;                   // the glyphs' tight box
    // The box of the shaped text, Devanagari's vowel signs above and below
    // the letters included, which the tight box leaves out.
    InkBox shaped;
    TextFont font;
    double blank = 0;             // the width of a blank in its font
    std::size_t picturesBefore = 0;   // pictures painted before it on the page
};

struct Rule {
    double x1, y1, x2, y2;
    double halfPen;           // half the pen's width, twips
    std::string source;       // "line" or the drawing's name
};

struct PaintedDrawing {
    std::string name;
    double x, y, width, height;
    std::size_t firstText;    // index of the first text drawn after it
};

// The distance between a rule's centre line and a box (0 when they meet).
inline double RuleDistance(const Rule& r, const InkBox& b)
{
    const auto clamp = [](double v, double lo, double hi) { return std::max(lo, std::min(v, hi)); };
    // Sample the segment finely enough for the small boxes of a page.
    const double length = std::hypot(r.x2 - r.x1, r.y2 - r.y1);
    const int steps = std::max(1, static_cast<int>(length / 4));
    double best = 1e18;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double x = r.x1 + t * (r.x2 - r.x1), y = r.y1 + t * (r.y2 - r.y1);
        const double dx = x - clamp(x, b.left, b.right), dy = y - clamp(y, b.top, b.bottom);
        best = std::min(best, std::hypot(dx, dy));
        if (best == 0)
            break;
    }
    return best;
}

class LayoutSurface : public MeasuredSurface {
public:
    std::vector<LaidText> laid;
    std::vector<Rule> rules;
    std::vector<PaintedDrawing> drawings;

protected:
    void DrawText(double x, double y, std::string_view text) override
    {
        MeasuredSurface::DrawText(x, y, text);
        const Metrics& m = metrics();
        const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        const QRectF r = m.metrics.tightBoundingRect(s);
        // The outline of the shaped text (the underline is the font's rule,
        // not its glyphs' ink).
        QFont glyphs = PainterSurface::QtFont(Font);
        glyphs.setUnderline(false);
        QPainterPath path;
        path.addText(0, 0, glyphs, s);
        const QRectF shaped = path.boundingRect();
        LaidText t;
        t.text = std::string(text);
        t.x = x;
        t.y = y;
        t.width = TextWidth(text);
        t.height = LineHeight();
        if (!r.isEmpty())
            t.ink = {x + r.left(), y + m.ascent + r.top(), x + r.right(), y + m.ascent + r.bottom()};
        if (!shaped.isEmpty())
            t.shaped = {x + shaped.left(), y + m.ascent + shaped.top(), x + shaped.right(),
                        y + m.ascent + shaped.bottom()};
        t.font = Font;
        t.blank = TextWidth(" ");
        t.picturesBefore = drawings.size();
        laid.push_back(std::move(t));
    }
    void DrawLine(double x1, double y1, double x2, double y2) override
    {
        MeasuredSurface::DrawLine(x1, y1, x2, y2);
        rules.push_back({x1, y1, x2, y2, 6, "line"});
    }
    void DrawPicture(const Picture& picture, double x, double y, double width, double height) override
    {
        MeasuredSurface::DrawPicture(picture, x, y, width, height);
        drawings.push_back({picture.Name(), x, y, width, height, laid.size()});
        const VectorDrawing* d = picture.Vector();
        if (!d)
            return;
        const double fx = width / d->width, fy = height / d->height;
        for (const VectorDrawing::Stroke& s : d->strokes)
            rules.push_back({x + s.x1 * fx, y + s.y1 * fy, x + s.x2 * fx, y + s.y2 * fy,
                             d->penWidth * std::max(fx, fy) / 2, picture.Name()});
    }

private:
    struct Metrics {
        QFontMetricsF metrics;
        double ascent;
    };
    const Metrics& metrics()
    {
        const std::string key = Font.Name + "|" + std::to_string(Font.Size) + "|" +
                                std::to_string(Font.Bold) + std::to_string(Font.Italic);
        auto it = cache_.find(key);
        if (it == cache_.end()) {
            const QFontMetricsF m(PainterSurface::QtFont(Font));
            it = cache_.emplace(key, std::make_unique<Metrics>(Metrics{m, m.ascent()})).first;
        }
        return *it->second;
    }

    std::map<std::string, std::unique_ptr<Metrics>> cache_;
};

} // namespace tarvik::testing
