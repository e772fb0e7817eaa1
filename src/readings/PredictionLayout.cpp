#include "PredictionLayout.h"

#include "pages/Frame.h"
#include "pages/Paragraphs.h"

#include <algorithm>

namespace tarvik {

PredictionStep PredictionStep::Entry(std::string heading, std::string text)
{
    return {Kind::Entry, std::move(heading), std::move(text), 0};
}

PredictionStep PredictionStep::Paragraph(std::string text)
{
    return {Kind::Paragraph, {}, std::move(text), 0};
}

PredictionStep PredictionStep::Gap(int lines) { return {Kind::Gap, {}, {}, lines}; }

PredictionStep PredictionStep::Space(int lines) { return {Kind::Space, {}, {}, lines}; }

void PrintPredictionSteps(Surface& surface, const PageLayout& layout, const PredictionSteps& steps, bool compact)
{
    // The space a heading and its paragraph leave after them, in line steps.
    const int entryGap = compact ? 1 : 2;
    const double lineStep = layout.lineStep;
    for (const PredictionStep& step : steps) {
        switch (step.kind) {
        case PredictionStep::Kind::Entry:
            PrintPredictionHeading(surface, layout, step.text, step.heading, compact);
            break;
        case PredictionStep::Kind::Paragraph:
            PrintPredictionParagraph(surface, layout, step.text, compact);
            break;
        case PredictionStep::Kind::Gap:
            surface.CurrentY += (step.lines - entryGap) * lineStep;
            break;
        case PredictionStep::Kind::Space:
            surface.CurrentY += step.lines * lineStep;
            break;
        }
    }
}

namespace {

// Stands for the page's surface with its metrics: every text that keeps its
// foot above the bottom is drawn on the page (when drawing at all), every
// other is left out and noted.
class BoundedSurface : public Surface {
public:
    BoundedSurface(Surface& page, double bottom, bool draw) : page_(page), bottom_(bottom), draw_(draw)
    {
        CurrentX = page.CurrentX;
        CurrentY = page.CurrentY;
        Font = page.Font;
    }

    bool Crossed() const { return crossed_; }

    // Hands the position and font back to the page.
    void Leave()
    {
        page_.CurrentX = CurrentX;
        page_.CurrentY = CurrentY;
        page_.Font = Font;
    }

    double TextWidth(std::string_view text) override
    {
        page_.Font = Font;
        return page_.TextWidth(text);
    }
    double LineHeight() override
    {
        page_.Font = Font;
        return page_.LineHeight();
    }
    double Ascent() override
    {
        page_.Font = Font;
        return page_.Ascent();
    }
    std::optional<PictureSize> LoadPicture(const Picture& picture) override
    {
        return page_.LoadPicture(picture);
    }

protected:
    void DrawText(double x, double y, std::string_view text) override
    {
        if (y + LineHeight() > bottom_) {
            crossed_ = true;
            return;
        }
        if (!draw_)
            return;
        page_.CurrentX = x;
        page_.CurrentY = y;
        page_.Print(text, KeepLine);
    }
    void DrawLine(double x1, double y1, double x2, double y2) override
    {
        if (std::max(y1, y2) > bottom_) {
            crossed_ = true;
            return;
        }
        if (draw_)
            page_.Line(x1, y1, x2, y2);
    }
    void DrawPicture(const Picture& picture, double x, double y, double width,
                     double height) override
    {
        if (y + height > bottom_) {
            crossed_ = true;
            return;
        }
        if (draw_)
            page_.PaintPicture(picture, x, y, width, height);
    }
    void BeginSheet() override {}

private:
    Surface& page_;
    double bottom_;
    bool draw_;
    bool crossed_ = false;
};

// Whether the steps end above the bottom in a layout; the page keeps its
// position and font.
bool fits(Surface& surface, const PageLayout& layout, const PredictionSteps& steps, bool compact, double bottom)
{
    const TextFont font = surface.Font;
    BoundedSurface probe(surface, bottom, false);
    PrintPredictionSteps(probe, layout, steps, compact);
    surface.Font = font;
    return !probe.Crossed();
}

} // namespace

StepLayout PrintStepsWithinPage(Surface& surface, const PageLayout& layout, const PredictionSteps& steps,
                                bool compactOnly)
{
    const double bottom = PageBodyBottom(layout);
    if (!compactOnly && fits(surface, layout, steps, false, bottom)) {
        PrintPredictionSteps(surface, layout, steps, false);
        return StepLayout::Normal;
    }
    if (fits(surface, layout, steps, true, bottom)) {
        PrintPredictionSteps(surface, layout, steps, true);
        return StepLayout::Compact;
    }
    BoundedSurface clipped(surface, bottom, true);
    PrintPredictionSteps(clipped, layout, steps, true);
    clipped.Leave();
    return StepLayout::Clipped;
}

} // namespace tarvik
