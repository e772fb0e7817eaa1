// What every page a client is handed says and how: each page of a
// horoscope and of a match, drawn with the delivered texts in both
// languages, writes its dates in one form, calls the chart by the field's
// word, spells the Sade Sati one way and sets its headings in one case; a
// page of positions or charts names the ayanamsa and the nodes they are
// reckoned with.

#include "calc/CalcFixture.h"
#include "calc/Chart.h"
#include "calc/RunCopies.h"
#include "core/Reporter.h"
#include "core/State.h"
#include "calc/Angles.h"
#include "calc/TextFormat.h"
#include "pages/PositionTables.h"
#include "pages/PositionTexts.h"
#include "pages/RecordingSurface.h"
#include "refdata/TextLookup.h"
#include "readings/Aspects.h"
#include "registry/PageCatalogue.h"
#include "pages/RunContext.h"
#include "registry/PageDispatcher.h"
#include "refdata/RefdataFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <regex>
#include <set>
#include <span>
#include <string>
#include <vector>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

struct PageText {
    std::string page;
    RecordedText text;
};

class PageWording : public OpenDeliveredDatabases {
protected:
    static BirthRecord girlBirth() { return DelhiBirth(7, 3, 2000, 16, 30); }
    static BirthRecord boyBirth()
    {
        return MovedTo(DelhiBirth(12, 9, 1987, 6, 45), 18, 31, "N", 73, 51, "E", 82.5);
    }

    // What an output run leaves standing: one chart, or the girl's kept
    // aside and then the boy's.
    static PreparedRun stand(bool match, bool hindi, int ayanamsaChoice = 0, bool trueNode = true)
    {
        RunInput input{.ayanamsaChoice = ayanamsaChoice,
                       .trueNode = trueNode,
                       .hindi = hindi,
                       .varshphalFrom = 2026,
                       .yoginiFrom = 1987.75};
        if (match) {
            input.girl = PersonInput{girlBirth()};
            input.girl->birth.Name = "Girl";
        }
        input.native.birth = boyBirth();
        input.native.birth.Name = match ? "Boy" : "Native";
        return PrepareRun(input);
    }

    // The texts of every page the preview lists, page by page.
    std::vector<PageText> everyPage(bool match, bool hindi)
    {
        const PreparedRun run = stand(match, hindi);
        Config().PrintBorder = false;
        std::vector<PageText> texts;
        for (const CatalogueRow& row :
             PageCatalogue(match, OutputKind::Preview, match ? UsualAspectPages : AspectPageCount(run.chart))) {
            RecordingSurface surface;
            EXPECT_TRUE(PrintPage(surface, row.key, false)) << row.key;
            for (const RecordedText& t : surface.Texts())
                texts.push_back({row.key, t});
        }
        EXPECT_TRUE(collector.messages.empty()) << collector.messages.front();
        return texts;
    }

    CollectingReporter collector;
    ScopedReporter scope{collector};
};

// Every date on every page is day, month and year of four digits joined by
// dashes, as the birth date is written.
TEST_F(PageWording, EveryDateIsWrittenDayMonthYear)
{
    static const std::regex otherForm(R"(\b\d{1,2}[/.]\d{1,2}[/.]\d{2,4}\b|\b\d{4}[-/.]\d{1,2}[-/.]\d{1,2}\b)");
    static const std::regex ourForm(R"(\b\d\d-\d\d-\d{4}\b)");
    for (bool match : {false, true}) {
        for (bool hindi : {false, true}) {
            std::set<std::string> dated;
            for (const PageText& p : everyPage(match, hindi)) {
                EXPECT_FALSE(std::regex_search(p.text.text, otherForm))
                    << p.page << (hindi ? " hi" : " en") << ": " << p.text.text;
                if (std::regex_search(p.text.text, ourForm))
                    dated.insert(p.page);
            }
            // The pages that list dates write them so.
            if (match)
                continue;
            for (const char* page : {"Basic", "Sade1", "VimsAntar", "Yogini Antar", "VP1"})
                EXPECT_TRUE(dated.count(page)) << page << (hindi ? " hi" : " en");
        }
    }
}

// A horoscope chart is a kundali: the program's own name never stands for
// it, neither on a page nor in the lists of pages.
TEST_F(PageWording, TheChartIsCalledAKundali)
{
    static const std::regex productName(R"(\bTarvik\b)");
    for (bool match : {false, true}) {
        for (const PageText& p : everyPage(match, false))
            EXPECT_FALSE(std::regex_search(p.text.text, productName)) << p.page << ": " << p.text.text;
        for (OutputKind kind : {OutputKind::Preview, OutputKind::Print})
            for (const CatalogueRow& row : PageCatalogue(match, kind))
                EXPECT_FALSE(std::regex_search(row.title, productName)) << row.title;
    }
    const std::vector<CatalogueRow> titles = PageCatalogue(false, OutputKind::Preview);
    EXPECT_NE(titles[1].title.find("Moon/Chandra Kundali"), std::string::npos) << titles[1].title;
}

// The Sade Sati pages spell the Sade Sati one way and read as plain
// English.
TEST_F(PageWording, SadeSatiInOneSpellingAndPlainEnglish)
{
    static const std::regex anySpelling(R"(sade\s*sati)", std::regex::icase);
    // Faults the text once had.
    const char* const faults[] = {"seven and half", "It is quick moving planet", "life sets for normal",
                                  "ask- why", "Tarvik"};
    // The pages' texts in their order, one blank between words (a
    // paragraph is printed word by word).
    std::string pages;
    for (const PageText& p : everyPage(false, false))
        if (p.page == "Sade1" || p.page == "Sade2")
            pages += " " + p.text.text;
    pages = std::regex_replace(pages, std::regex(" +"), " ");
    int named = 0;
    for (auto m = std::sregex_iterator(pages.begin(), pages.end(), anySpelling); m != std::sregex_iterator();
         ++m, ++named)
        EXPECT_EQ(m->str(), "Sade Sati");
    EXPECT_GE(named, 5);
    for (const char* fault : faults)
        EXPECT_EQ(pages.find(fault), std::string::npos) << fault;
    EXPECT_NE(pages.find("Chandra Kundali"), std::string::npos);
}

// A heading, bold and underlined above its page or table, sets every word in
// capitals but the small words that join them ("Antar Dasha", not "Antar
// dasha").
TEST_F(PageWording, HeadingsInTitleCase)
{
    const std::set<std::string> joining = {"and", "of", "in", "for", "the", "to", "at", "by", "from", "with"};
    for (bool match : {false, true}) {
        for (const PageText& p : everyPage(match, false)) {
            if (!p.text.font.Bold || !p.text.font.Underline)
                continue;
            std::string word;
            for (char c : p.text.text + " ") {
                if (std::isalpha(static_cast<unsigned char>(c))) {
                    word += c;
                    continue;
                }
                if (!word.empty() && std::islower(static_cast<unsigned char>(word[0])) && !joining.count(word))
                    ADD_FAILURE() << p.page << ": \"" << word << "\" in " << p.text.text;
                word.clear();
            }
        }
    }
}

// Degrees of a "dd:mm:ss" text.
double degreesOf(const std::string& dms)
{
    int d = 0, m = 0, sec = 0;
    EXPECT_EQ(std::sscanf(dms.c_str(), "%d:%d:%d", &d, &m, &sec), 3) << dms;
    return d + m / 60.0 + sec / 3600.0;
}

// The Sun's longitude in a position table: its sign and its degrees in it.
double sunOf(const PlanetTableCells& cells)
{
    const auto& row = cells[1];
    for (int sign = 1; sign <= 12; ++sign)
        if (SignText(sign, Texts(false)) == row[1])
            return (sign - 1) * 30 + degreesOf(row[2]);
    ADD_FAILURE() << "no sign " << row[1];
    return 0;
}

// The name and the values of a page's ayanamsa line, and whether it names
// the nodes: "Ayanamsa (N.C. Lahiri):  23:40:52 / 23:51:20".
struct Reckoning {
    std::string name;
    std::vector<double> values;
    bool nodes = false;
};

Reckoning reckoningOf(const std::vector<RecordedText>& texts, const std::string& nodes)
{
    static const std::regex line(R"(^Ayanamsa \((.*)\):  (\d\d:\d\d:\d\d)(?: / (\d\d:\d\d:\d\d))?$)");
    Reckoning r;
    for (const RecordedText& t : texts) {
        r.nodes |= t.text == nodes;
        std::smatch m;
        if (!std::regex_match(t.text, m, line))
            continue;
        EXPECT_TRUE(r.values.empty()) << "two ayanamsa lines";
        r.name = m[1];
        for (int i = 2; i <= 3; ++i)
            if (m[i].matched)
                r.values.push_back(degreesOf(m[i]));
    }
    return r;
}

// Each page that prints positions, or charts and tables placed by them,
// names the nodes and the ayanamsa they are reckoned with, in the Nirayana
// page's two lines: the ayanamsa of the run's choice, whose value added to a
// sidereal position gives the tropical one; the K.P. ayanamsa on the KP
// pages, whatever the choice, added to their K.P. positions; in a match the
// boy's and the girl's, each that of the person's own chart.
TEST_F(PageWording, EveryChartPageNamesItsAyanamsaAndNodes)
{
    const char* const horoscopePages[] = {"Basic", "Nirayana", "Sayana", "Bhav", "Sudarshan", "KP1", "KP2",
                                          "Shodash1", "Shodash2", "Shodash3", "Shodash4", "Shodashvarga",
                                          "Ashtakvarga", "VP1"};
    const char* const matchPages[] = {"Basic", "Nirayana", "Navamsa"};
    const char* const names[] = {"N.C. Lahiri", "K.P.", "B.V. Raman"};
    constexpr double Second = 1.0 / 3600;
    for (int choice : {0, 1, 2}) {
        for (bool trueNode : {true, false}) {
            SCOPED_TRACE(std::string(names[choice]) + (trueNode ? ", true nodes" : ", mean nodes"));
            ApplyDisplayConventions(false);
            const std::string nodes = RunText(trueNode ? "TRUERAHUKETU" : "MEANRAHUKETU");
            for (bool match : {false, true}) {
                stand(match, false, choice, trueNode);
                Config().PrintBorder = false;
                const PageContext context = RunContext();
                // The tropical Sun, and the Sun in the chart's and in the K.P. zodiac.
                const double tropical = sunOf(PlanetTableCellsOf(TropicalTable, Chart(), context));
                const double sidereal = sunOf(PlanetTableCellsOf(SiderealTable, Chart(), context));
                const double kp = sunOf(PlanetTableCellsOf(KPTable, Chart(), context));
                for (const char* page : match ? std::span<const char* const>(matchPages)
                                              : std::span<const char* const>(horoscopePages)) {
                    SCOPED_TRACE(page);
                    RecordingSurface surface;
                    ASSERT_TRUE(PrintPage(surface, page, false));
                    const Reckoning r = reckoningOf(surface.Texts(), nodes);
                    EXPECT_TRUE(r.nodes);
                    const bool kpPage = std::string(page).rfind("KP", 0) == 0;
                    EXPECT_EQ(r.name, kpPage ? "K.P." : names[choice]);
                    ASSERT_EQ(r.values.size(), match ? 2u : 1u);
                    if (match) {
                        for (int k = 0; k < 2; ++k) {
                            const ChartState own = ChartOf(ChartInputOf(k ? girlBirth() : boyBirth(), context.choices));
                            EXPECT_NEAR(r.values[k], own.PlanetLongitudes[AyanamsaSlot], Second) << k;
                        }
                    } else if (std::string(page) != "VP1") {
                        EXPECT_NEAR(ReduceDegrees((kpPage ? kp : sidereal) + r.values[0] - tropical + 180), 180,
                                    2 * Second);
                    }
                }
            }
        }
    }
    EXPECT_TRUE(collector.messages.empty()) << collector.messages.front();
}

} // namespace

namespace {

// Whether a text holds a Devanagari letter or sign (U+0900..U+097F).
bool hasDevanagari(std::string_view text)
{
    for (std::size_t i = 0; i + 2 < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) == 0xE0 &&
            (static_cast<unsigned char>(text[i + 1]) == 0xA4 || static_cast<unsigned char>(text[i + 1]) == 0xA5))
            return true;
    return false;
}

bool hasLatinLetter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

} // namespace

// A page is drawn in the language of its context whatever the program's
// state holds: every page of a horoscope and of a match, drawn in English
// with the program in Hindi and in Hindi with the program in English, has
// no word of the program's language in the page's own face (no Devanagari
// on an English page, no Latin word on a Hindi page; the Manglik page's
// Sanskrit verses stand in the Devanagari face in both languages, typed
// names and places in the English one), and is the page drawn with the
// program in its own language.
TEST_F(PageWording, APageIsInItsOwnLanguageWhateverTheProgramsState)
{
    for (bool match : {false, true}) {
        for (bool hindi : {false, true}) {
            SCOPED_TRACE(std::string(match ? "match" : "horoscope") + (hindi ? ", Hindi pages" : ", English pages"));
            stand(match, !hindi);
            Config().PrintBorder = false;
            ProgramState drawn = Program();
            drawn.run = WithDisplayConventions(drawn.run, hindi);
            const PageContext page = PageContextOf(drawn, {}, {2026, 12});
            const std::string bodyFace = page.layout.bodyFontName;
            for (const std::string& key : match ? MatchPageKeys() : HoroscopePageKeys()) {
                const auto draw = [&](bool programInHindi) {
                    ApplyDisplayConventions(programInHindi);
                    RecordingSurface surface;
                    EXPECT_TRUE(DrawPage(surface, key, page)) << key;
                    return surface.Texts();
                };
                const std::vector<RecordedText> texts = draw(!hindi);
                for (const RecordedText& t : texts) {
                    const bool foreign =
                        t.font.Name == bodyFace && (hindi ? hasLatinLetter(t.text) : hasDevanagari(t.text));
                    EXPECT_FALSE(foreign) << key << ": \"" << t.text << "\"";
                }
                std::vector<std::string> drawnInOther, drawnInOwn;
                for (const RecordedText& t : texts)
                    drawnInOther.push_back(t.text);
                for (const RecordedText& t : draw(hindi))
                    drawnInOwn.push_back(t.text);
                EXPECT_EQ(drawnInOther, drawnInOwn) << key;
            }
        }
    }
    EXPECT_TRUE(collector.messages.empty());
}
