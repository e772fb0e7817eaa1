#pragma once

// A recording surface that measures texts with the preview's fonts, so that
// a test can check where a page's texts end with the faces the program uses.
// Needs the Qt application of QtTestEnvironment.h.

#include "pages/PainterSurface.h"
#include "pages/RecordingSurface.h"

namespace tarvik::testing {

class MeasuredSurface : public RecordingSurface {
public:
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

private:
    ImageSurface measure_{20};
};

} // namespace tarvik::testing
