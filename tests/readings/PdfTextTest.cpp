// The PDF files the program writes: their text extracts as printed (poppler's
// pdftotext reads it back), in English and in Hindi; every page lays out on
// the PDF surface exactly as on the preview; and the PDF looks like the
// preview when drawn.

#include "pages/QtTestEnvironment.h"

#include "calc/CalcFixture.h"
#include "calc/Chart.h"
#include "calc/RunCopies.h"
#include "core/State.h"
#include "registry/PageCatalogue.h"
#include "registry/PageDispatcher.h"
#include "pages/PainterSurface.h"
#include "ReadingPagesFixture.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

// One Print of a page: the sheet, the text, where and in which font.
struct Printed {
    int sheet;
    std::string text;
    double x, y;
    TextFont font;

    bool operator==(const Printed&) const = default;
};

class RecordingPdf : public PdfSurface {
public:
    using PdfSurface::PdfSurface;
    std::vector<Printed> printed;

protected:
    void DrawText(double x, double y, std::string_view text) override
    {
        printed.push_back({Page(), std::string(text), x, y, Font});
        PdfSurface::DrawText(x, y, text);
    }
};

class RecordingPreview : public ImageSurface {
public:
    RecordingPreview() : ImageSurface(20) {}
    std::vector<Printed> printed;

protected:
    void DrawText(double x, double y, std::string_view text) override
    {
        printed.push_back({Page(), std::string(text), x, y, Font});
        ImageSurface::DrawText(x, y, text);
    }
};

// The text of a PDF as poppler reads it, every run of blanks and line ends
// as one blank; empty when pdftotext could not read it.
std::string ExtractedText(const QString& pdf, int page = 0)
{
    QProcess tool;
    QStringList arguments{QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    arguments << pdf << QStringLiteral("-");
    tool.start(QStringLiteral("pdftotext"), arguments);
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return {};
    return QString::fromUtf8(tool.readAllStandardOutput()).simplified().toStdString();
}

// A rule of a drawn page: a thin line of ink some millimetres long with
// paper beside it, as the tables' rules, the boxes' sides and the
// underlines leave, and not a glyph's headline or stem, which have the
// rest of their letters beside them; at, from and to in pixels.
struct Rule {
    bool across;   // a horizontal line, else a vertical one
    int at, from, to;
};

std::vector<Rule> RulesOf(const QImage& gray)
{
    // Horizontal rules from 4 mm, vertical ones from 5 mm: no stem of a
    // letter reaches that, nor the feet of two letters that touch.
    constexpr int LeastAcross = 16, LeastDown = 20;
    constexpr int Beside = 3;   // pixels from the line where paper shows
    std::vector<Rule> rules;
    auto inked = [&](bool across, int along, int at) {
        const int x = across ? along : at;
        const int y = across ? at : along;
        return x >= 0 && y >= 0 && x < gray.width() && y < gray.height() && gray.constScanLine(y)[x] < 192;
    };
    auto scan = [&](bool across, int lines, int length, int least) {
        for (int at = 0; at < lines; ++at) {
            int from = -1;
            for (int i = 0; i <= length; ++i) {
                const bool ink = i < length && inked(across, i, at);
                if (ink && from < 0)
                    from = i;
                if (ink || from < 0)
                    continue;
                if (i - from >= least) {
                    int paper = 0;
                    for (int j = from; j < i; ++j)
                        paper += !inked(across, j, at + Beside);
                    if (paper * 5 >= (i - from) * 4)
                        rules.push_back({across, at, from, i});
                }
                from = -1;
            }
        }
    };
    scan(true, gray.height(), gray.width(), LeastAcross);
    scan(false, gray.width(), gray.height(), LeastDown);
    return rules;
}

// The rules of one picture that the other lacks: the other has no line of
// ink within a pixel of the rule's whose ends lie within two pixels of its
// ends.
std::vector<Rule> RulesMissing(const std::vector<Rule>& rules, const QImage& other)
{
    auto inked = [&](const Rule& r, int along, int at) {
        const int x = r.across ? along : at;
        const int y = r.across ? at : along;
        return x >= 0 && y >= 0 && x < other.width() && y < other.height() && other.constScanLine(y)[x] < 192;
    };
    std::vector<Rule> missing;
    for (const Rule& r : rules) {
        bool found = false;
        for (int at = r.at - 1; at <= r.at + 1 && !found; ++at) {
            const int middle = (r.from + r.to) / 2;
            if (!inked(r, middle, at))
                continue;
            int from = middle;
            int to = middle;
            while (inked(r, from - 1, at))
                --from;
            while (inked(r, to, at))
                ++to;
            found = std::abs(from - r.from) <= 2 && std::abs(to - r.to) <= 2;
        }
        if (!found)
            missing.push_back(r);
    }
    return missing;
}

std::string Describe(const std::vector<Rule>& rules)
{
    std::string text;
    for (const Rule& r : rules)
        text += (r.across ? " y " : " x ") + std::to_string(r.at) + ": " + std::to_string(r.from) + "-" +
                std::to_string(r.to) + ";";
    return text;
}

// A horoscope as an output run leaves it: Delhi, 15 August 1980 at 10:30.
class PdfText : public DeliveredReadingPages {
protected:
    void SetUp() override
    {
        DeliveredReadingPages::SetUp();
        ASSERT_TRUE(dir.isValid());
        BirthRecord birth = DelhiBirth(15, 8, 1980, 10, 30);
        birth.Name = "Asha Sharma";
        // Each test draws in both languages, the language set before each.
        PrepareRun({.native = {birth}, .varshphalFrom = 2025, .yoginiFrom = 1990});
        Config().PrintBorder = true;
        Config().OwnerLines = {"", "Velmora Astrology", "12 Temple Road, Delhi", "+91 11 2345 6789"};
    }

    // Prints the pages as one print run on the surface.
    template <class S>
    void printRun(S& surface, const std::vector<std::string>& keys)
    {
        RunValues& run = OutputRun();
        run.BatchPrint = 1;
        run.PageStarted = false;
        run.PagesPrinted = 0;
        for (const std::string& key : keys)
            EXPECT_TRUE(PrintPage(surface, key, true)) << key;
    }

    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
};

// The Basic page, the planet table and a prediction page in both languages:
// every word printed is in the extracted text, and so are the words of a
// table of cases (conjuncts, reph, the i-sign written before its consonant).
TEST_F(PdfText, EveryPrintedWordExtractsAsPrinted)
{
    struct Case { bool hindi; std::vector<std::string> words; };
    const Case cases[] = {
        {false, {"Nirayana Planetary Positions", "Lagna", "Sun", "Ishtkaal", "Nakshatra",
                 "Purva Phalguni", "Time of Birth", "Sign", "General Predictions", "Asha Sharma", "(Page:3)"}},
        {true, {"निरयण ग्रह स्पष्ट", "राशि", "लग्न", "सूर्य", "इष्टकाल", "नक्षत्र", "पूर्वा फाल्गुनी",
                "जन्म", "सूर्योदय", "शुक्रवार", "श्रावण", "स्थानीय समय संस्कार", "Asha Sharma", "(Page:3)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hindi ? "hi" : "en");
        ApplyDisplayConventions(c.hindi);
        const QString pdf = file(c.hindi ? "hi.pdf" : "en.pdf");
        std::vector<Printed> printed;
        {
            RecordingPdf surface(pdf.toStdString());
            printRun(surface, {"Basic", "Nirayana", "GenPage1"});
            ASSERT_TRUE(surface.Finish());
            printed = surface.printed;
        }
        const std::string text = ExtractedText(pdf);
        ASSERT_FALSE(text.empty()) << "pdftotext could not read " << pdf.toStdString();
        for (const std::string& word : c.words)
            EXPECT_NE(text.find(word), std::string::npos) << word;
        int words = 0;
        for (const Printed& p : printed) {
            for (const QString& word : QString::fromStdString(p.text).split(u' ', Qt::SkipEmptyParts)) {
                ++words;
                EXPECT_NE(text.find(word.toStdString()), std::string::npos)
                    << word.toStdString() << " of \"" << p.text << "\"";
            }
        }
        EXPECT_GT(words, 400);
        EXPECT_TRUE(collector.messages.empty()) << collector.messages.front();
    }
}

// Every page of the preview's list, and the print run's own, in both
// languages: the PDF surface prints each text at the place the preview
// prints it, so every line of a paragraph breaks where the preview breaks it.
TEST_F(PdfText, PagesLayOutAsInThePreview)
{
    std::vector<std::string> keys;
    for (const CatalogueRow& row : PageCatalogue(false, OutputKind::Print))
        for (const std::string& key : GroupPages(row.key))
            keys.push_back(key);
    for (bool hindi : {false, true}) {
        SCOPED_TRACE(hindi ? "hi" : "en");
        ApplyDisplayConventions(hindi);
        RecordingPreview preview;
        printRun(preview, keys);
        RecordingPdf pdf(file("layout.pdf").toStdString());
        printRun(pdf, keys);
        ASSERT_TRUE(pdf.Finish());
        EXPECT_GT(preview.printed.size(), 5000u);
        ASSERT_EQ(pdf.printed.size(), preview.printed.size());
        for (std::size_t i = 0; i < pdf.printed.size(); ++i)
            ASSERT_EQ(pdf.printed[i], preview.printed[i]) << i << ": " << preview.printed[i].text;
    }
}

// The PDF drawn by poppler and the preview picture at one resolution: the
// same glyphs and lines in the same places, so next to no spot of the page
// is dark in one and light in the other, and every rule and underline
// (under Hindi captions ending in the i-sign too) runs as far in both.
TEST_F(PdfText, PdfLooksLikeThePreview)
{
    constexpr int Dpi = 100;
    Config().BorderFile = "swastik.wmf";   // the program's own border, drawn
    for (bool hindi : {false, true}) {
        for (const char* key : {"Basic", "Nirayana", "GenPage1"}) {
            SCOPED_TRACE(std::string(key) + (hindi ? " hi" : " en"));
            ApplyDisplayConventions(hindi);
            ImageSurface preview(Dpi);
            printRun(preview, {key});
            const QString pdf = file("look.pdf");
            {
                PdfSurface surface(pdf.toStdString());
                printRun(surface, {key});
                ASSERT_TRUE(surface.Finish());
            }
            QProcess tool;
            tool.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(Dpi),
                                                    QStringLiteral("-gray"), QStringLiteral("-singlefile"),
                                                    pdf, file("look")});
            ASSERT_TRUE(tool.waitForFinished(60000) && tool.exitCode() == 0) << "pdftoppm failed";
            const QImage drawn(file("look.pgm"));
            ASSERT_FALSE(drawn.isNull());
            const QImage shown = preview.Image().convertToFormat(QImage::Format_Grayscale8);
            const QImage printed = drawn.convertToFormat(QImage::Format_Grayscale8);
            EXPECT_LE(std::abs(printed.width() - shown.width()), 1);
            EXPECT_LE(std::abs(printed.height() - shown.height()), 1);
            // Blocks of 4 x 4 pixels (a millimetre) compared by their mean
            // ink, so that the two rasterizers' smoothing of edges does not
            // count; the preview puts each baseline on a whole pixel, so a
            // block also matches the PDF's one pixel up or down.
            constexpr int Block = 4;
            const int w = std::min(printed.width(), shown.width());
            const int h = std::min(printed.height(), shown.height()) - 1;
            auto ink = [&](const QImage& image, int bx, int by) {
                int sum = 0;
                for (int y = by; y < by + Block; ++y)
                    for (int x = bx; x < bx + Block; ++x)
                        sum += 255 - image.constScanLine(y)[x];
                return sum / (Block * Block);
            };
            int inked = 0;
            int apart = 0;
            for (int by = 1; by + Block <= h; by += Block) {
                for (int bx = 0; bx + Block <= w; bx += Block) {
                    const int b = ink(shown, bx, by);
                    const int a = ink(printed, bx, by);
                    inked += a > 16 || b > 16;
                    bool differs = true;
                    for (int dy : {0, -1, 1})
                        differs &= std::abs(ink(printed, bx, by + dy) - b) > 48;
                    apart += differs;
                }
            }
            EXPECT_GT(inked, 3000);
            EXPECT_LT(apart, inked / 100) << apart << " of " << inked << " blocks";

            // Rules and underlines, which the blocks' mean would pass over:
            // each of either picture, 4 mm or longer, stands in the other
            // where it stands in this one and ends where it ends.
            const std::vector<Rule> shownRules = RulesOf(shown);
            const std::vector<Rule> printedRules = RulesOf(printed);
            EXPECT_GE(shownRules.size(), 10u) << "the border's rules and the headings' underlines";
            EXPECT_EQ(Describe(RulesMissing(shownRules, printed)), "") << "rules of the preview not in the PDF";
            EXPECT_EQ(Describe(RulesMissing(printedRules, shown)), "") << "rules of the PDF not in the preview";
        }
    }
}

} // namespace
