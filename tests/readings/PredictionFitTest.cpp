#include "pages/MeasuredSurface.h"
#include "pages/QtTestEnvironment.h"

#include "calc/NameTables.h"
#include "core/Reporter.h"
#include "pages/ChartFrames.h"
#include "registry/PageDispatcher.h"
#include "pages/Paragraphs.h"
#include "readings/AspectPredictions.h"
#include "readings/PredictionPages.h"
#include "readings/PredictionTexts.h"
#include "ReadingPagesFixture.h"
#include "pages/RunContext.h"
#include "refdata/TextLookup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

// With the program's fonts and texts, in both languages, each prediction
// page holding the longest texts it can be given stands inside the frame in
// its own layout: the general, planet and sign pages in the normal layout,
// the aspect pages in the compact one.
class PredictionFit : public DeliveredReadingPages {
protected:
    void SetUp() override
    {
        DeliveredReadingPages::SetUp();
        Config().PrintBorder = true;   // the border's inner rule is the lower edge
        Native().Name = "Venkataraman Iyer";
    }

    // The height a text takes as a paragraph.
    double heightOf(const std::string& text, bool compact)
    {
        MeasuredSurface s;
        s.CurrentY = 0;
        PrintPredictionParagraph(s, RunContext().layout, text, compact);
        return s.CurrentY;
    }
    // The sign 1..12 whose text runs longest.
    int tallestSign(const std::function<std::string(int sign)>& textOf)
    {
        int best = 1;
        double tallest = -1;
        for (int sign = 1; sign <= 12; ++sign) {
            const double h = heightOf(textOf(sign), false);
            if (h > tallest) {
                tallest = h;
                best = sign;
            }
        }
        return best;
    }
    static void place(int body, int sign)
    {
        const double at = (sign - 1) * 30 + 15;
        BirthState& b = Births();
        switch (body) {
        case Lagna: b.BirthLagna = at; break;
        case Sun: b.BirthSun = at; break;
        case Mercury: b.BirthMercury = at; break;
        case Venus: b.BirthVenus = at; break;
        case Mars: b.BirthMars = at; break;
        case Jupiter: b.BirthJupiter = at; break;
        case Saturn: b.BirthSaturn = at; break;
        case Moon: b.BirthMoon = at; break;
        case Rahu: b.BirthRahu = at; break;
        case Neptune: b.BirthNeptune = at; break;
        }
    }

    // Every text of the body inside the frame's inner rule, the paragraphs
    // in the layout's type from its left edge.
    void expectInsideFrame(MeasuredSurface& s, bool compact, const std::string& what)
    {
        SCOPED_TRACE(what);
        constexpr double FrameLeft = 500 + 110;
        constexpr double FrameRight = 500 + DefaultBorderWidth - 110;
        constexpr double FrameBottom = 500 + DefaultBorderHeight - 110;
        const RunValues& run = OutputRun();
        const double top = Config().TopMarginTwips;
        const double footer = Config().FooterTop * 1440;
        const double paragraphSize = run.BodyFontSize + (compact ? 0 : 1);
        const double paragraphLeft = Config().LeftMarginTwips + (compact ? 50 : 350);
        int paragraphWords = 0;
        for (const RecordedText& t : s.Texts()) {
            if (t.y < top || t.y >= footer)
                continue;   // the frame's header and owner lines
            EXPECT_GE(t.x, FrameLeft) << t.text;
            EXPECT_LE(t.x + s.WidthIn(t.font, t.text), FrameRight) << t.text;
            EXPECT_LE(t.y + s.HeightIn(t.font), FrameBottom) << t.text;
            if (!t.font.Bold) {
                ++paragraphWords;
                EXPECT_EQ(t.font.Size, paragraphSize) << t.text;
                EXPECT_GE(t.x, paragraphLeft) << t.text;
            }
        }
        EXPECT_GT(paragraphWords, 40);
        EXPECT_TRUE(collector.messages.empty()) << collector.messages.front();
        collector.messages.clear();
    }
};

TEST_F(PredictionFit, GeneralAndPlanetPagesWithTheirLongestTexts)
{
    for (bool hindi : {false, true}) {
        ApplyDisplayConventions(hindi);
        const std::string language = hindi ? " hi" : " en";
        // Each topic's body in the sign of its longest text (all four parts
        // of the character together).
        for (int part = 1; part <= 3; ++part) {
            for (const PredictionTopic& t : TopicsOfPart(part)) {
                place(t.body, tallestSign([&](int sign) {
                    std::string all;
                    for (int div = t.parts == 1 ? 0 : 1; div <= (t.parts == 1 ? 0 : t.parts); ++div)
                        all += GetPhalText(t.body, sign, div, OutputRun().LanguageHindi) + " ";
                    return all;
                }));
            }
            MeasuredSurface s;
            ASSERT_TRUE(PrintPage(s, "GenPage" + std::to_string(part), false));
            expectInsideFrame(s, false, "GenPage" + std::to_string(part) + language);
        }
        for (int part = 1; part <= 3; ++part) {
            for (int body : PlanetPageBodies(part, hindi))
                place(body, tallestSign([&](int sign) { return GetPlanetInSignText(sign, body, OutputRun().LanguageHindi); }));
            MeasuredSurface s;
            ASSERT_TRUE(PrintPage(s, "PP" + std::to_string(part), false));
            expectInsideFrame(s, false, "PP" + std::to_string(part) + language);
        }
    }
}

TEST_F(PredictionFit, SignPagesForEveryAscendant)
{
    for (bool hindi : {false, true}) {
        ApplyDisplayConventions(hindi);
        for (int lagna = 1; lagna <= 12; ++lagna) {
            place(Lagna, lagna);
            for (int part : {1, 2}) {
                MeasuredSurface s;
                const std::string key = "RashiP" + std::to_string(part);
                ASSERT_TRUE(PrintPage(s, key, false));
                expectInsideFrame(s, false, key + (hindi ? " hi" : " en") + " ascendant " +
                                                std::to_string(lagna));
            }
        }
    }
}

TEST_F(PredictionFit, AspectPagesWithTheSevenLongestTexts)
{
    for (bool hindi : {false, true}) {
        ApplyDisplayConventions(hindi);
        // The widest heading any pair and aspect can make, over the seven
        // tallest interpretations.
        std::string widest;
        MeasuredSurface measure;
        measure.Font.Size = OutputRun().BodyFontSize + 1;
        measure.Font.Bold = true;
        std::vector<std::pair<double, std::string>> texts;
        for (const AspectPair& pair : AspectPairs()) {
            for (int i = 1; i < static_cast<int>(AspectKinds.size()); ++i) {
                const AspectKind& k = AspectKinds[i];
                if (pair.conjunctionOnly && k.nature != Conjunction)
                    continue;
                const std::string heading =
                    RunText(BodyKeys[BodyDisplayOrder[pair.first.position]]) + " " +
                    RunText(k.nameKey) + " " +
                    RunText(BodyKeys[BodyDisplayOrder[pair.second.position]]);
                if (measure.TextWidth(heading) > measure.TextWidth(widest))
                    widest = heading;
            }
            for (AspectNature n : {Conjunction, Harmonious, Tense}) {
                if (pair.conjunctionOnly && n != Conjunction)
                    continue;
                const std::string text = Texts(OutputRun().Choices()).Prediction(AspectTextKey(pair, n));
                texts.emplace_back(heightOf(text, true), text);
            }
        }
        std::sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        std::vector<AspectEntry> entries;
        for (int i = 0; i < AspectEntriesPerPage; ++i)
            entries.push_back({widest, texts[i].second});
        MeasuredSurface s;
        EXPECT_EQ(PrintAspectPage(s, RunContext(), entries, 1), StepLayout::Compact);
        expectInsideFrame(s, true, hindi ? "aspects hi" : "aspects en");
    }
}

} // namespace
