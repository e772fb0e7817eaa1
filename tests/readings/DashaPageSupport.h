#pragma once

// What the dasha page tests share: the page fixture with the reading pages
// installed and a birth standing in Native, and readers of the recorded
// texts by their place.

#include "pages/PageTestSupport.h"

#include <cmath>
#include <string>
#include <vector>

namespace tarvik::testing {

class DashaPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        Config().PrintBorder = false;
        Native().Name = "Asha";
        Native().Day = 5;
        Native().Month = 1;
        Native().Year = 1990;
    }

    // The first text whose top is at y and whose left edge lies in [x1, x2).
    const RecordedText* textAt(double y, double x1, double x2) const
    {
        for (const RecordedText& t : surface.Texts())
            if (std::fabs(t.y - y) < 0.5 && t.x >= x1 && t.x < x2)
                return &t;
        return nullptr;
    }
    std::string textOf(double y, double x1, double x2) const
    {
        const RecordedText* t = textAt(y, x1, x2);
        return t ? t->text : std::string();
    }
    // The texts printed with their top at y, left to right as printed.
    std::vector<std::string> row(double y) const
    {
        std::vector<std::string> texts;
        for (const RecordedText& t : surface.Texts())
            if (std::fabs(t.y - y) < 0.5)
                texts.push_back(t.text);
        return texts;
    }
    // The right edge of a recorded text on the recording surface's metrics.
    static double rightOf(const RecordedText& t)
    {
        return t.x + static_cast<double>(CodePoints(t.text)) * t.font.Size *
                         RecordingSurface::WidthPerPoint;
    }
    const RecordedText& find(const std::string& text, int n = 0) const
    {
        const RecordedText* t = surface.FindText(text, n);
        if (!t) {
            ADD_FAILURE() << "\"" << text << "\" not printed";
            static const RecordedText none;
            return none;
        }
        return *t;
    }
};

} // namespace tarvik::testing
