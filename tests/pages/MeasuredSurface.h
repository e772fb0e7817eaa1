#pragma once

// A recording surface that measures with the program's fonts: texts are
// logged as on the recording surface, but widths and line heights are those
// of the preview (an offscreen image surface), so that tests can check that
// a page's texts stand inside its frame. Needs the Qt application of
// QtTestEnvironment.h.

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
    double LineHeightIn(const TextFont& font)
    {
        measure_.Font = font;
        return measure_.LineHeight();
    }

private:
    ImageSurface measure_{20};
};

} // namespace tarvik::testing
