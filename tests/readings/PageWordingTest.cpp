// What every page a client is handed says and how: each page of a
// horoscope and of a match, drawn with the delivered texts in both
// languages, writes its dates in one form, calls the chart by the field's
// word, spells the Sade Sati one way and sets its headings in one case.

#include "calc/CalcFixture.h"
#include "calc/Chart.h"
#include "calc/RunCopies.h"
#include "core/Reporter.h"
#include "core/State.h"
#include "pages/RecordingSurface.h"
#include "readings/Aspects.h"
#include "registry/PageCatalogue.h"
#include "registry/PageDispatcher.h"
#include "refdata/RefdataFixture.h"

#include <gtest/gtest.h>

#include <cctype>
#include <regex>
#include <set>
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
    // What an output run leaves standing: one chart, or the girl's kept
    // aside and then the boy's.
    void stand(bool match)
    {
        RunValues& run = OutputRun();
        run.MatchMode = match;
        if (match) {
            Native() = DelhiBirth(7, 3, 2000, 16, 30);
            Native().Name = "Girl";
            CalcChart(run.Choices());
            TakeBirthLongitudes();
            KeepGirlResults();
        }
        Native() = MovedTo(DelhiBirth(12, 9, 1987, 6, 45), 18, 31, "N", 73, 51, "E", 82.5);
        Native().Name = match ? "Boy" : "Native";
        CalcChart(run.Choices());
        TakeBirthLongitudes();
        if (match)
            KeepBoyResults();
        run.VarshphalFrom = run.VarshphalYear = 2026;
        run.VarshphalYears = 1;
        run.YoginiFrom = 1987.75;
    }

    // The texts of every page the preview lists, page by page.
    std::vector<PageText> everyPage(bool match, bool hindi)
    {
        stand(match);
        ApplyDisplayConventions(hindi);
        Config().PrintBorder = false;
        std::vector<PageText> texts;
        for (const CatalogueRow& row :
             PageCatalogue(match, OutputKind::Preview, match ? UsualAspectPages : AspectPageCount())) {
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

} // namespace
