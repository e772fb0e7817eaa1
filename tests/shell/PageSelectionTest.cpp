// Print...: the page-selection dialog's list, the print run of its OK (one
// job, group entries expanded, the annual charts once per year, a numbered
// sheet per page), its page sets, and the choices a user makes in it.

#include "FailingWrites.h"
#include "OutputFixture.h"

#include "registry/PageCatalogue.h"
#include "registry/PageDispatcher.h"
#include "shell/TextFile.h"
#include "shell/frmOptions.h"

#include <QPrinter>
#include <QProcess>

#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

struct Printed {
    std::string key;
    int year;
    bool sheetStartedBefore;   // a page of the job had been framed already
    std::string pageNumber;    // the sheet the page was drawn on, as the frame prints it
    bool operator==(const Printed&) const = default;
};

void PrintTo(const Printed& p, std::ostream* os)
{
    *os << p.key << " " << p.year << (p.sheetStartedBefore ? " after a page " : " first ") << p.pageNumber;
}

class PageSelectionTest : public OutputRunTest {
protected:
    // Presses Print; the test works in the dialog while it is up.
    void PressPrint(frmMain& w, const std::function<void(frmOptions&)>& act)
    {
        opened = 0;
        whileOther = [&](QDialog& d) {
            auto* options = dynamic_cast<frmOptions*>(&d);
            ASSERT_NE(options, nullptr);
            ++opened;
            options->SetPageDrawer([this](Surface& s, const std::string& key, bool toPrinter,
                                          const PageOptions& pageOptions) {
                const bool before = OutputRun().PageStarted;
                const bool drawn = PrintPage(s, key, toPrinter, pageOptions);
                printed.push_back({key, pageOptions.varshphalYear.value_or(OutputRun().VarshphalYear), before,
                                   "(Page:" + std::to_string(s.Page()) + ")"});
                return drawn;
            });
            act(*options);
        };
        w.Command2->click();
        whileOther = nullptr;
    }

    static int RowOf(const frmOptions& d, const std::string& key)
    {
        for (int k = 0; k < d.ListBox1->count(); ++k)
            if (OutputRun().PageKeys[k] == key)
                return k;
        return -1;
    }
    static void Choose(frmOptions& d, std::initializer_list<const char*> keys)
    {
        d.cmdReset->click();
        for (const char* key : keys) {
            const int row = RowOf(d, key);
            ASSERT_GE(row, 0) << key;
            d.SetSelected(row, true);
        }
    }
    static std::vector<bool> Choices(const frmOptions& d)
    {
        std::vector<bool> chosen;
        for (int k = 0; k < d.ListBox1->count(); ++k)
            chosen.push_back(d.Selected(k));
        return chosen;
    }

    void PrintToPdf()
    {
        choosePrinter = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        };
    }

    int opened = 0;
    std::vector<Printed> printed;
    QString pdf = QString::fromStdString(folder.File("pages.pdf"));
};

TEST_F(PageSelectionTest, PrintListsTheModesPagesAllChosen)
{
    for (bool match : {false, true}) {
        SCOPED_TRACE(match ? "match" : "horoscope");
        frmMain& w = StartIn(match);
        PressPrint(w, [&](frmOptions& d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Options"));
            EXPECT_EQ(d.parentWidget(), &w);
            const std::vector<CatalogueRow> rows = PageCatalogue(match, OutputKind::Print);
            ASSERT_EQ(d.ListBox1->count(), static_cast<int>(rows.size()));
            EXPECT_EQ(d.ListBox1->count(), match ? 5 : 58);
            for (int k = 0; k < d.ListBox1->count(); ++k) {
                EXPECT_EQ(d.ListBox1->item(k)->text().toStdString(), rows[static_cast<std::size_t>(k)].title);
                EXPECT_EQ(OutputRun().PageKeys[k], rows[static_cast<std::size_t>(k)].key);
                EXPECT_TRUE(d.Selected(k)) << k;
            }
            EXPECT_EQ(OutputRun().BatchPrint, 1);
            EXPECT_EQ(OutputRun().MatchMode, match);
            d.cmdCancel->click();
        });
        EXPECT_EQ(opened, 1);
        // Nothing is printed without OK, and the preview is not made.
        EXPECT_TRUE(choosePrinterTitles.empty());
        EXPECT_EQ(w.Preview(), nullptr);
        Stop();
    }
}

TEST_F(PageSelectionTest, OkPrintsTheChosenPagesAsOneJobInListOrder)
{
    frmMain& w = StartShown();
    w.txtVFrom->setText(QStringLiteral("2024"));
    w.txtVYears->setText(QStringLiteral("3"));
    PrintToPdf();
    PressPrint(w, [&](frmOptions& d) {
        Choose(d, {"VP", "Basic", "Chara 1", "Sade1"});
        d.cmdOK->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(choosePrinterParents, std::vector<QWidget*>{&d});
    });
    EXPECT_EQ(choosePrinterTitles, std::vector<QString>{QStringLiteral("Page Setup")});

    std::vector<Printed> expected = {{"Basic", 2024, false, "(Page:1)"},
                                     {"Sade1", 2024, true, "(Page:2)"},
                                     {"Chara 1", 2024, true, "(Page:3)"}};
    for (int year : {2024, 2025, 2026})
        for (const char* page : {"VP1", "VP2", "VP3"})
            expected.push_back({page, year, true, "(Page:" + std::to_string(expected.size() + 1) + ")"});
    EXPECT_EQ(printed, expected);
    EXPECT_EQ(PdfPages(pdf), 12);
    EXPECT_EQ(PdfTitle(pdf), QStringLiteral("Ravi Kumar - Horoscope"));
    // Each year's pages were handed their year: the run's stays the first.
    EXPECT_EQ(OutputRun().VarshphalYear, 2024);
    EXPECT_EQ(OutputRun().PagesPrinted, 12);
    EXPECT_EQ(messages.messages, std::vector<std::string>{});
}

// A Hindi print run to a file: the PDF's text reads as the pages print it
// (poppler's pdftotext), conjuncts and vowel signs included.
TEST_F(PageSelectionTest, APrintRunToAFileReadsAsPrinted)
{
    frmMain& w = StartShown();
    w.cmbLanguage->setCurrentIndex(1);
    PrintToPdf();
    PressPrint(w, [&](frmOptions& d) {
        Choose(d, {"Basic", "Nirayana"});
        d.cmdOK->click();
    });
    ASSERT_EQ(PdfPages(pdf), 2);
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(tool.waitForFinished(60000) && tool.exitCode() == 0) << "pdftotext failed";
    const std::string text = QString::fromUtf8(tool.readAllStandardOutput()).simplified().toStdString();
    for (const char* word : {"निरयण ग्रह स्पष्ट", "जन्म", "इष्टकाल", "सूर्य", "लग्न", "राशि", "(Page:2)"})
        EXPECT_NE(text.find(word), std::string::npos) << word;
    EXPECT_EQ(messages.messages, std::vector<std::string>{});
}

TEST_F(PageSelectionTest, ARunThatPrintsNothingSendsNoJob)
{
    const struct {
        const char* what;
        std::function<void(frmOptions&)> act;
        int printerDialogs;
        bool closes;
        std::size_t messages;
    } cases[] = {
        {"the printer dialog cancelled",
         [](frmOptions& d) {
             d.cmdOK->click();
         },
         1, false, 0},
        {"nothing chosen",
         [](frmOptions& d) {
             d.cmdReset->click();
             d.cmdOK->click();
         },
         1, true, 0},
        {"no annual-chart year",
         [](frmOptions& d) {
             Choose(d, {"VP"});
             OutputRun().VarshphalYears = 0;
             d.cmdOK->click();
         },
         1, true, 0},
        {"more annual-chart years than a run prints",
         [](frmOptions& d) {
             OutputRun().VarshphalYears = 255;
             d.cmdOK->click();
         },
         0, false, 1},
        {"Cancel", [](frmOptions& d) { d.cmdCancel->click(); }, 0, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        frmMain& w = StartShown();
        printed.clear();
        choosePrinterTitles.clear();
        messages.messages.clear();
        const bool cancelPrinter = std::string(c.what) == "the printer dialog cancelled";
        choosePrinter = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return !cancelPrinter;
        };
        PressPrint(w, [&](frmOptions& d) {
            d.show();
            c.act(d);
            EXPECT_EQ(d.isVisible(), !c.closes);
        });
        EXPECT_EQ(choosePrinterTitles.size(), static_cast<std::size_t>(c.printerDialogs));
        EXPECT_TRUE(printed.empty());
        EXPECT_FALSE(QFile::exists(pdf));
        EXPECT_EQ(messages.messages.size(), c.messages);
        Stop();
    }
}

TEST_F(PageSelectionTest, APrintThatCannotBeWrittenKeepsTheChoicesAndSaysWhy)
{
    frmMain& w = StartShown();
    for (FailingWrites::Way way : {FailingWrites::Way::SizeLimit, FailingWrites::Way::FullDisk}) {
        FailingWrites place(way);
        place.Start({});
        if (!place.Ready()) {
            std::cout << "[  SKIPPED ] no small file system can be mounted here\n";
            continue;
        }
        SCOPED_TRACE(place.Reason());
        pdf = QString::fromStdString(place.File("pages.pdf"));
        PrintToPdf();
        messages.messages.clear();
        PressPrint(w, [&](frmOptions& d) {
            d.show();
            Choose(d, {"Basic", "Nirayana", "Sade1"});
            const std::vector<bool> chosen = Choices(d);
            d.cmdOK->setFocus(Qt::TabFocusReason);
            QTest::keyClick(d.cmdOK, Qt::Key_Space);
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(Choices(d), chosen);
            d.cmdCancel->click();
        });
        EXPECT_EQ(messages.messages, std::vector<std::string>{"Printing failed: the print job on the file " +
                                                              pdf.toStdString() + " did not finish: " +
                                                              place.Reason() + "."});
        EXPECT_FALSE(QFile::exists(pdf));
        EXPECT_FALSE(QFile::exists(pdf + QStringLiteral(".part")));
    }
}

TEST_F(PageSelectionTest, ARunShowsItsProgressAndCancelLeavesNoFile)
{
    frmMain& w = StartShown();
    PrintToPdf();
    std::vector<int> shownValues;
    PressPrint(w, [&](frmOptions& d) {
        d.show();
        Choose(d, {"Basic", "Nirayana", "Sade1", "Chara 1"});
        int pages = 0;
        d.SetPageDrawer([&](Surface& s, const std::string& key, bool toPrinter, const PageOptions&) -> bool {
            auto* progress = d.findChild<QProgressDialog*>(QStringLiteral("printProgress"));
            EXPECT_NE(progress, nullptr);
            if (progress) {
                shownValues.push_back(progress->value());
                EXPECT_EQ(progress->maximum(), 4);
                EXPECT_EQ(progress->labelText(), QStringLiteral("Printing page %1 of 4").arg(pages + 1));
                // The user stops the run while its second page is drawn.
                if (++pages == 2) {
                    auto* cancel = progress->findChild<QPushButton*>();
                    EXPECT_NE(cancel, nullptr);
                    if (cancel) {
                        EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));
                        QTest::keyClick(cancel, Qt::Key_Space);
                    }
                }
            }
            return PrintPage(s, key, toPrinter);
        });
        d.cmdOK->click();
        EXPECT_TRUE(d.isVisible());   // back to the choices
        d.cmdCancel->click();
    });
    EXPECT_EQ(shownValues, (std::vector<int>{0, 1}));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_FALSE(QFile::exists(pdf + QStringLiteral(".part")));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PageSelectionTest, APageSetKeepsTheChoicesOfTheList)
{
    frmMain& w = StartIn(false);
    const QString set = QString::fromStdString(folder.File("daily.THM"));
    PressPrint(w, [&](frmOptions& d) {
        Choose(d, {"Basic", "Sayana", "VP", "AadityaPratya9"});
        chooseFile = [&](const FileRequest&) { return set; };
        d.cmdSaveSettings->click();
        const FileRequest& saved = fileRequests.back();
        EXPECT_EQ(saved.kind, FileRequest::Kind::Save);
        EXPECT_EQ(saved.title, QStringLiteral("Save Horoscope Module"));
        EXPECT_EQ(saved.filter, QStringLiteral("Tarvik Horoscope Module Files (*.THM)"));

        std::string error;
        const std::optional<QStringList> lines = ReadTextLines(set, error);
        ASSERT_TRUE(lines);
        ASSERT_EQ(lines->size(), 2 * 58);
        EXPECT_EQ(lines->mid(0, 6), (QStringList{"Basic", " 1 ", "Nirayana", " 0 ", "Sayana", " 1 "}));

        const std::vector<bool> chosen = Choices(d);
        d.cmdSelect->click();
        d.cmdLoadSettings->click();
        EXPECT_EQ(fileRequests.back().title, QStringLiteral("Load Horoscope Module"));
        EXPECT_EQ(Choices(d), chosen);
        d.cmdCancel->click();
    });
    Stop();

    // In a match only the keys both lists have are taken.
    frmMain& m = StartIn(true);
    PressPrint(m, [&](frmOptions& d) {
        d.cmdReset->click();
        d.SetSelected(2, true);
        chooseFile = [&](const FileRequest&) { return set; };
        d.cmdLoadSettings->click();
        EXPECT_EQ(fileRequests.back().title, QStringLiteral("Load Match-Making Module"));
        EXPECT_EQ(fileRequests.back().filter, QStringLiteral("Tarvik Match-Making Module Files (*.TMM)"));
        // Basic chosen, Nirayana not, Navamsa as it was.
        EXPECT_EQ(Choices(d), (std::vector<bool>{true, false, true, false, false}));
        d.cmdCancel->click();
    });
}

TEST_F(PageSelectionTest, ASetThatCannotBeReadOrWrittenChangesNothing)
{
    folder.Write("damaged.THM", "Basic\r\n 0 \r\nSayana\r\nyes\r\n");
    folder.Write("short.THM", "Basic\r\n 0 \r\nSayana\r\n");
    const struct {
        const char* what;
        bool save;
        QString file;
        const char* message;   // its beginning
    } cases[] = {
        {"save cancelled", true, {}, nullptr},
        {"load cancelled", false, {}, nullptr},
        {"a flag that is no number", false, QString::fromStdString(folder.File("damaged.THM")),
         "The print model "},
        {"a key without a flag", false, QString::fromStdString(folder.File("short.THM")), "The print model "},
        {"a missing file", false, QString::fromStdString(folder.File("none.THM")), "The print model "},
        {"a folder that is not there", true, QString::fromStdString(folder.File("none/x.THM")),
         "The print model could not be saved as "},
    };
    frmMain& w = StartIn(false);
    PressPrint(w, [&](frmOptions& d) {
        Choose(d, {"Nirayana"});
        const std::vector<bool> chosen = Choices(d);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            messages.messages.clear();
            chooseFile = [&](const FileRequest&) { return c.file; };
            (c.save ? d.cmdSaveSettings : d.cmdLoadSettings)->click();
            EXPECT_EQ(Choices(d), chosen);
            if (c.message) {
                ASSERT_EQ(messages.messages.size(), 1u);
                EXPECT_EQ(messages.messages[0].rfind(c.message, 0), 0u) << messages.messages[0];
            } else {
                EXPECT_TRUE(messages.messages.empty());
            }
        }
        d.cmdCancel->click();
    });
    EXPECT_FALSE(fs::exists(folder.Path() / "none"));
}

TEST_F(PageSelectionTest, AClickOrSpaceTurnsAnEntrysChoiceOver)
{
    frmMain& w = StartShown();
    PressPrint(w, [&](frmOptions& d) {
        d.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
        QListWidget* list = d.ListBox1;
        const QRect second = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
        EXPECT_FALSE(d.Selected(1));
        EXPECT_TRUE(d.Selected(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(second.left() + 8, second.center().y()));
        EXPECT_TRUE(d.Selected(1));
        list->setFocus();
        list->setCurrentRow(3);
        QTest::keyClick(list, Qt::Key_Space);
        EXPECT_FALSE(d.Selected(3));
        QTest::keyClick(list, Qt::Key_Space);
        EXPECT_TRUE(d.Selected(3));
        d.cmdReset->click();
        EXPECT_EQ(Choices(d), std::vector<bool>(58, false));
        d.cmdSelect->click();
        EXPECT_EQ(Choices(d), std::vector<bool>(58, true));
        d.cmdCancel->click();
    });
}

} // namespace
