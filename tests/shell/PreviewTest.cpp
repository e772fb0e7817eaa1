// The preview window: drawing the page selected, the year list, "Print this
// page" through the print dialog, and a user's walk through every page.

#include "OutputFixture.h"

#include "readings/Aspects.h"

#include "registry/PageDispatcher.h"
#include "pages/Surface.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

struct Drawn {
    std::string key;
    bool toPrinter;
    int year;
    bool operator==(const Drawn&) const = default;
};

void PrintTo(const Drawn& d, std::ostream* os) { *os << d.key << (d.toPrinter ? " printer " : " screen ") << d.year; }

class PreviewTest : public OutputRunTest {
protected:
    // A first run makes the preview; from then on its pages are recorded
    // (and drawn, so that printing has something on its sheet).
    prPreview& Recorded(frmMain& w)
    {
        EXPECT_TRUE(PressPreview(w));
        prPreview& p = *w.Preview();
        p.SetPageDrawer([this](Surface& s, const std::string& key, bool toPrinter, const PageOptions& options) {
            drawn.push_back({key, toPrinter, options.varshphalYear.value_or(OutputRun().VarshphalYear)});
            return PrintPage(s, key, toPrinter, options);
        });
        return p;
    }

    std::vector<Drawn> drawn;
};

TEST_F(PreviewTest, EachSelectionDrawsItsPageOnceOnTheScreen)
{
    frmMain& w = Start();
    ASSERT_TRUE(started);
    w.txtVFrom->setText(QStringLiteral("2024"));
    w.txtVYears->setText(QStringLiteral("3"));
    prPreview& p = Recorded(w);

    // The run draws its first page once, for the first year.
    drawn.clear();
    ASSERT_TRUE(PressPreview(w));
    EXPECT_EQ(drawn, (std::vector<Drawn>{{"Basic", false, 2024}}));

    std::vector<Drawn> expected{{"Basic", false, 2024}};
    for (int k = 1; k < p.ComboBox1->count(); ++k) {
        p.ComboBox1->setCurrentIndex(k);
        expected.push_back({OutputRun().PageKeys[k], false, 2024});
    }
    EXPECT_EQ(drawn, expected);

    // Another year draws the page shown again, whatever page it is.
    int vp2 = 0;   // "Varshphal : Page 2"
    while (vp2 < p.ComboBox1->count() && OutputRun().PageKeys[vp2] != "VP2")
        ++vp2;
    ASSERT_LT(vp2, p.ComboBox1->count());
    p.ComboBox1->setCurrentIndex(vp2);
    p.ComboBox1->setCurrentIndex(1);
    drawn.clear();
    p.ComboBox2->setCurrentIndex(2);
    p.ComboBox1->setCurrentIndex(vp2);
    EXPECT_EQ(drawn, (std::vector<Drawn>{{"Nirayana", false, 2026}, {"VP2", false, 2026}}));
    EXPECT_EQ(OutputRun().VarshphalYear, 2026);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PreviewTest, ThePageFillsTheWindowsWidthAndScrolls)
{
    frmMain& w = Start();
    ASSERT_TRUE(started);
    whileShown = [&](prPreview& p) {
        p.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
        const QWidget* viewport = p.PreviewPic1->viewport();
        for (int width : {500, 900}) {
            SCOPED_TRACE(width);
            p.resize(width, 600);
            Settle();
            EXPECT_EQ(p.PreviewPic->width(), viewport->width());
            // The sheet's proportions are kept.
            const double shown = p.PreviewPic->Shown().height() / double(p.PreviewPic->Shown().width());
            EXPECT_NEAR(shown, double(p.PageImage().height()) / p.PageImage().width(), 0.01);
            EXPECT_GT(p.PreviewPic->height(), viewport->height());
        }
        // A new page is shown from its top.
        p.PreviewPic1->verticalScrollBar()->setValue(200);
        p.ComboBox1->setCurrentIndex(2);
        EXPECT_EQ(p.PreviewPic1->verticalScrollBar()->value(), 0);
        p.close();
    };
    ASSERT_TRUE(PressPreview(w));
}

TEST_F(PreviewTest, PrintThisPageToAPdfFileWritesThatPage)
{
    frmMain& w = Start();
    ASSERT_TRUE(started);
    prPreview& p = Recorded(w);
    p.ComboBox1->setCurrentIndex(1);
    drawn.clear();
    const QString pdf = QString::fromStdString(folder.File("page.pdf"));
    choosePrinter = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    p.cmdPrint->click();
    EXPECT_EQ(choosePrinterParents, std::vector<QWidget*>{&p});
    EXPECT_EQ(drawn, (std::vector<Drawn>{{"Nirayana", true, OutputRun().VarshphalYear}}));
    EXPECT_EQ(PdfPages(pdf), 1);
    EXPECT_EQ(PdfTitle(pdf), QStringLiteral("Ravi Kumar - ") + p.ComboBox1->itemText(1));
    EXPECT_TRUE(messages.messages.empty());
    // The page on the screen stays as it was.
    EXPECT_EQ(p.ComboBox1->currentIndex(), 1);
}

TEST_F(PreviewTest, PrintingNothingOrInVainChangesNothingAndIsReported)
{
    const QString nowhere = QStringLiteral("/nonexistent-folder/page.pdf");
    const struct {
        const char* what;
        bool pageSelected;
        bool accept;
        QString file;
        int dialogs;
        std::vector<std::string> messages;
    } cases[] = {
        {"no page selected", false, true, {}, 0, {}},
        {"the dialog cancelled", true, false, {}, 1, {}},
        {"a file that cannot be made", true, true, nowhere, 1,
         {"Printing failed: the print job could not be started on the file " + nowhere.toStdString() + ": No such file or directory."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        frmMain& w = Start();
        ASSERT_TRUE(started);
        prPreview& p = Recorded(w);
        if (!c.pageSelected)
            p.ComboBox1->setCurrentIndex(-1);
        EXPECT_EQ(p.cmdPrint->isEnabled(), c.pageSelected);
        drawn.clear();
        choosePrinterParents.clear();
        choosePrinter = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(c.file.isEmpty() ? QString::fromStdString(folder.File("x.pdf")) : c.file);
            return c.accept;
        };
        p.cmdPrint_Click();
        EXPECT_EQ(choosePrinterParents.size(), static_cast<std::size_t>(c.dialogs));
        EXPECT_TRUE(drawn.empty());
        EXPECT_EQ(messages.messages, c.messages);
        EXPECT_FALSE(QFile::exists(QString::fromStdString(folder.File("x.pdf"))));
        messages.messages.clear();
        Stop();
    }
}

// As a user would: a horoscope and a match in each language, every page of
// the list walked with the arrow key in the shown window. Each page is on
// the screen as soon as it is chosen. With TARVIK_SCREENSHOTS set to a
// folder, the window is saved there at every page.
TEST_F(PreviewTest, AUserWalksEveryPageOfAHoroscopeAndAMatch)
{
    const QString shots = qEnvironmentVariable("TARVIK_SCREENSHOTS");
    const struct {
        bool match;
        int language;
        const char* name;
    } cases[] = {{false, 0, "horoscope-en"}, {false, 1, "horoscope-hi"}, {true, 0, "match-en"}, {true, 1, "match-hi"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        frmMain& w = StartShown();
        if (c.match) {
            w.SSTab1->setCurrentIndex(1);
            w.txtName[1]->setText(QStringLiteral("Meera"));
            w.txtDOB[1]->setDate(QDate(1983, 3, 2));
        }
        w.cmbLanguage->setCurrentIndex(c.language);
        int pages = 0;
        whileShown = [&](prPreview& p) {
            p.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
            Settle();
            for (int k = 0; k < p.ComboBox1->count(); ++k) {
                if (k > 0)
                    QTest::keyClick(p.ComboBox1, Qt::Key_Down);
                ASSERT_EQ(p.ComboBox1->currentIndex(), k);
                // Something is drawn on the sheet: at least the frame.
                const QImage sheet = p.PageImage().convertToFormat(QImage::Format_Grayscale8);
                int ink = 0;
                for (int y = 0; y < sheet.height(); y += 4) {
                    const uchar* row = sheet.constScanLine(y);
                    for (int x = 0; x < sheet.width(); x += 4)
                        ink += row[x] < 128;
                }
                EXPECT_GT(ink, 100) << OutputRun().PageKeys[k];
                ++pages;
                if (!shots.isEmpty()) {
                    QDir().mkpath(shots);
                    p.grab().save(QDir(shots).filePath(
                        QStringLiteral("%1-%2.png").arg(QString::fromLatin1(c.name)).arg(k + 1, 2, 10, QChar(u'0'))));
                }
            }
            p.close();
        };
        ASSERT_TRUE(PressPreview(w));
        // 64 pages and the aspect pages the sample chart fills.
        EXPECT_EQ(pages, c.match ? 5 : 64 + AspectPageCount(Chart()));
        // Every caption was found and every page drawn.
        EXPECT_EQ(messages.messages, std::vector<std::string>{});
        messages.messages.clear();
        Stop();
    }
}

} // namespace
