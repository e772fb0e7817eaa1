// The main window's commands that belong to no output run: the close
// question, the about box and the combustion note, Help, Print Setup and the
// page settings dialog.

#include "OutputFixture.h"

#include "shell/DataTransfer.h"
#include "core/Version.h"
#include "shell/Application.h"
#include "shell/SmallWindows.h"
#include "shell/TimeZones.h"
#include "shell/frmConversion.h"
#include "shell/frmConversion2.h"
#include "shell/PageList.h"
#include "shell/frmOptions.h"
#include "shell/frmPlaces.h"
#include "shell/frmSplash.h"
#include "refdata/Places.h"
#include "shell/frmSettings.h"
#include "pages/PainterSurface.h"
#include "shell/PrintJob.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QListWidget>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QCheckBox>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QWindow>
#include <QRegularExpression>

#include <optional>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

// Keeps each question's title too, and answers from a script.
class TitledQuestions : public CollectingReporter {
public:
    std::vector<std::string> titles;
    Answer Ask(const std::string& text, Buttons buttons, const std::string& title) override
    {
        titles.push_back(title);
        return CollectingReporter::Ask(text, buttons, title);
    }
};

class CommandsTest : public OutputRunTest {
protected:
    std::optional<QString> Stored(const char* key) const
    {
        QSettings store(settingsFile, QSettings::IniFormat);
        const QString name = QStringLiteral("Settings/") + QString::fromLatin1(key);
        if (!store.contains(name))
            return std::nullopt;
        return store.value(name).toString();
    }

    // Runs a menu command whose modal window the test then works in.
    template <class Window>
    void WhileOpen(QAction* command, const std::function<void(Window&)>& act)
    {
        int opened = 0;
        whileOther = [&](QDialog& d) {
            auto* window = dynamic_cast<Window*>(&d);
            ASSERT_NE(window, nullptr);
            ++opened;
            window->show();
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
            QTRY_VERIFY(QApplication::activeWindow() == window);
            act(*window);
        };
        command->trigger();
        EXPECT_EQ(opened, 1);
        whileOther = nullptr;
    }
};

TEST_F(CommandsTest, ClosingAsksWhetherToKeepTheFourChoices)
{
    const struct {
        const char* what;
        Answer answer;
        bool closes;
        bool stores;
    } cases[] = {
        {"Yes", Answer::Yes, true, true},
        {"No", Answer::No, true, false},
        {"Cancel", Answer::Cancel, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(settingsFile);
        TitledQuestions asked;
        ScopedReporter useIt(asked);
        frmMain& w = StartShown();
        w.cmbAyanamsa->setCurrentIndex(2);
        w.cmbCharting->setCurrentIndex(1);
        w.cmbLanguage->setCurrentIndex(0);
        w.cmbRahuKetu->setCurrentIndex(1);
        // The choices are entries of a horoscope file too: first the entries'
        // question (not to save them here), then the settings'.
        asked.answers = {Answer::No, c.answer};

        w.mnuFileExit->trigger();
        EXPECT_EQ(asked.questions,
                  (std::vector<std::string>{SaveEntriesQuestion, "Do you want to save settings ?"}));
        EXPECT_EQ(asked.titles, (std::vector<std::string>{"", "Exit Tarvik for Windows"}));
        EXPECT_EQ(w.isVisible(), !c.closes);
        const std::pair<const char*, const char*> written[] = {
            {"Ayanamsa", "2"}, {"Charting", "1"}, {"Language", "0"}, {"True Rahu", "0"}};
        for (const auto& [key, value] : written)
            EXPECT_EQ(Stored(key), c.stores ? std::optional<QString>(QString::fromLatin1(value)) : std::nullopt) << key;
        // Nothing but the four choices.
        EXPECT_EQ(Stored("Left Margin"), std::nullopt);
        EXPECT_TRUE(asked.messages.empty());

        if (!c.closes) {
            // The entries stay, and the next close asks again.
            EXPECT_EQ(w.cmbAyanamsa->currentIndex(), 2);
            asked.answers = {Answer::No, Answer::No};
            EXPECT_TRUE(w.close());
            EXPECT_EQ(asked.questions.size(), 4u);
        }
        Stop();
    }

    // The next start shows what Yes kept, and True when "True" was chosen.
    QFile::remove(settingsFile);
    frmMain& w = Start();
    w.cmbAyanamsa->setCurrentIndex(1);
    messages.answers = {Answer::No, Answer::Yes};
    w.close();
    Stop();
    EXPECT_EQ(Stored("True Rahu"), QStringLiteral("1"));
    EXPECT_EQ(Start().Choices(), (MainChoices{1, 0, 1, true}));
}

TEST_F(CommandsTest, SettingsThatCannotBeKeptAtTheCloseAreReported)
{
    settingsFile = QString::fromStdString(folder.File("settings.ini/inside.ini"));
    folder.Write("settings.ini", "a file where the folder would be");
    frmMain& w = StartShown();
    messages.answers = {Answer::Yes};
    EXPECT_TRUE(w.close());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].rfind("The settings could not be saved: the settings file ", 0), 0u)
        << messages.messages[0];
}

TEST_F(CommandsTest, TheAboutBoxClosesOnAnyCharacterOrClickAndTheNoteOnEnterOrEscape)
{
    frmMain& w = StartShown();
    const struct {
        const char* what;
        std::function<void(QDialog&)> act;
        bool aboutCloses, noteCloses;
    } cases[] = {
        {"OK", [](QDialog& d) { d.findChild<QPushButton*>(QStringLiteral("Command1"))->click(); }, true, true},
        {"Enter", [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Return); }, true, true},
        {"Escape", [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }, true, true},
        {"a letter", [](QDialog& d) { QTest::keyClick(&d, Qt::Key_A); }, true, false},
        {"a digit", [](QDialog& d) { QTest::keyClick(&d, Qt::Key_7); }, true, false},
        {"F1", [](QDialog& d) { QTest::keyClick(&d, Qt::Key_F1); }, false, false},
        {"Shift alone", [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Shift); }, false, false},
        {"a click on the window", [](QDialog& d) { QTest::mouseClick(&d, Qt::LeftButton, {}, QPoint(20, 20)); }, true,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WhileOpen<frmAbout>(w.mnuAbout, [&](frmAbout& about) {
            EXPECT_EQ(about.windowTitle(), QStringLiteral("About Tarvik for Windows"));
            EXPECT_EQ(about.lblVersion->text(), QStringLiteral("Tarvik for Windows (Version %1)")
                                                    .arg(QString::fromLatin1(ProjectVersion)));
            EXPECT_EQ(about.parentWidget(), &w);
            c.act(about);
            EXPECT_EQ(about.isVisible(), !c.aboutCloses);
        });
        WhileOpen<frmCOM>(w.mnuComb, [&](frmCOM& note) {
            EXPECT_EQ(note.windowTitle(), QStringLiteral("Combustion of Planets"));
            EXPECT_EQ(note.Label1->text().toStdString(), CombustionNote);
            c.act(note);
            EXPECT_EQ(note.isVisible(), !c.noteCloses);
        });
    }
    EXPECT_NE(std::string(CombustionNote).find("12\u00b0, 17\u00b0, 14\u00b0, 11\u00b0, 10\u00b0 and 15\u00b0"),
              std::string::npos);
}

// The title page and the about box give the project's one version and the
// licence; the about box the credits that the licences of the data ask for,
// and where the installed documents are.
TEST_F(CommandsTest, TheTitlePageAndTheAboutBoxTellTheVersionTheLicenceAndTheCredits)
{
    const QString version = QStringLiteral("Tarvik for Windows (Version %1)").arg(QString::fromLatin1(ProjectVersion));
    const auto allText = [](const QWidget& window) {
        QString text;
        for (const QLabel* label : window.findChildren<QLabel*>())
            text += label->text() + QLatin1Char('\n');
        return text;
    };
    const QStringList licence{QStringLiteral("GNU Affero General Public License")};
    const QStringList credits{QStringLiteral("GeoNames"), QStringLiteral("CC BY 4.0"),
                              QStringLiteral("Swiss Ephemeris"), QStringLiteral("Astrodienst")};
    const QStringList refused{QStringLiteral("without permission"), QStringLiteral("protected by copyright law")};

    frmSplash splash(0);
    EXPECT_EQ(splash.lblVersion->text(), version);
    frmMain& w = StartShown();
    ScratchFolder prefix;
    for (const bool installed : {false, true}) {
        SCOPED_TRACE(installed ? "installed" : "a build");
        if (installed) {
            prefix.Write("share/doc/tarvik/LICENSE", "the licence");
            Program().ProgramFolder = prefix.File("share/tarvik");
        }
        WhileOpen<frmAbout>(w.mnuAbout, [&](frmAbout& about) {
            EXPECT_EQ(about.lblVersion->text(), version);
            EXPECT_TRUE(about.lblCredits->openExternalLinks());
            const QString text = allText(about);
            for (const QString& s : licence + credits)
                EXPECT_TRUE(text.contains(s)) << s.toStdString();
            for (const QString& s : refused)
                EXPECT_FALSE(text.contains(s)) << s.toStdString();
            EXPECT_EQ(about.lblCredits->text().contains(QString::fromStdString(prefix.File("share/doc/tarvik"))),
                      installed);
            about.accept();
        });
    }
    const QString title = allText(splash);
    for (const QString& s : licence)
        EXPECT_TRUE(title.contains(s)) << s.toStdString();
    for (const QString& s : refused)
        EXPECT_FALSE(title.contains(s)) << s.toStdString();
}

// The desktop knows the program by its desktop entry, and every window shows
// its icon.
TEST_F(CommandsTest, TheWindowsCarryTheProgramsIconAndDesktopEntry)
{
    PrepareApplication();
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("tarvik"));
    EXPECT_EQ(QCoreApplication::applicationVersion(), QString::fromLatin1(ProjectVersion));
    const QIcon builtIn(QStringLiteral(":/icons/tarvik.svg"));
    ASSERT_FALSE(builtIn.pixmap(32).isNull()) << "the icon is not built into the program";
    frmMain& w = StartShown();
    EXPECT_EQ(w.windowIcon().pixmap(32).toImage(), ProgramIcon().pixmap(32).toImage());
    EXPECT_FALSE(w.windowIcon().pixmap(32).isNull());
}

TEST_F(CommandsTest, HelpAndPrintSetupChangeNothing)
{
    frmMain& w = StartShown();
    const HoroscopeEntries before = w.Entries();
    w.mnuContents->trigger();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].rfind("Tarvik has no help file", 0), 0u);
    EXPECT_EQ(shown, 0);

    // A page-setup dialog for the program's printer, with no Print button.
    int setups = 0;
    whileOther = [&](QDialog& d) {
        auto* setup = dynamic_cast<QPageSetupDialog*>(&d);
        ASSERT_NE(setup, nullptr);
        ++setups;
        EXPECT_EQ(setup->windowTitle(), QStringLiteral("Page Setup"));
        EXPECT_EQ(setup->parentWidget(), &w);
        EXPECT_EQ(setup->printer(), &ShellPrinter());
        for (const QPushButton* button : setup->findChildren<QPushButton*>())
            EXPECT_FALSE(button->text().remove(u'&').contains(QLatin1String("Print"))) << button->text().toStdString();
    };
    w.mnuFilePageSetup->trigger();
    EXPECT_EQ(setups, 1);
    EXPECT_TRUE(choosePrinterTitles.empty());
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(w.Entries(), before);
}

// The paper and orientation chosen in Print Setup are those of the next
// print jobs, whichever command prints.
TEST_F(CommandsTest, ThePaperChosenInPrintSetupIsThePaperOfTheNextJobs)
{
    QPrinter& printer = ShellPrinter();
    const QPageLayout before = printer.pageLayout();
    const struct {
        const char* what;
        QPageSize::PageSizeId paper;
        QPageLayout::Orientation orientation;
        QSizeF points;
    } cases[] = {
        {"Letter", QPageSize::Letter, QPageLayout::Portrait, {612, 792}},
        {"A4 landscape", QPageSize::A4, QPageLayout::Landscape, {841.9, 595.3}},
        {"Legal", QPageSize::Legal, QPageLayout::Portrait, {612, 1008}},
        {"A4", QPageSize::A4, QPageLayout::Portrait, {595.3, 841.9}},
    };
    frmMain& w = StartShown();
    const QString pdf = QString::fromStdString(folder.File("job.pdf"));
    choosePrinter = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        whileOther = [&](QDialog& d) {
            auto* setup = dynamic_cast<QPageSetupDialog*>(&d);
            ASSERT_NE(setup, nullptr);
            // As the dialog leaves the printer when the user accepts it.
            setup->printer()->setPageSize(QPageSize(c.paper));
            setup->printer()->setPageOrientation(c.orientation);
        };
        w.mnuFilePageSetup->trigger();
        whileOther = nullptr;
        for (const bool wholeRun : {false, true}) {
            QFile::remove(pdf);
            if (wholeRun) {
                whileOther = [](QDialog& d) {
                    auto& pages = dynamic_cast<frmOptions&>(d);
                    pages.cmdReset->click();
                    pages.SetSelected(0, true);
                    pages.cmdOK->click();
                };
                w.mnuOutput[1]->trigger();
                whileOther = nullptr;
            } else {
                whileShown = [](prPreview& p) { p.cmdPrint->click(); };
                ASSERT_TRUE(PressPreview(w));
                whileShown = nullptr;
            }
            const QSizeF sheet = PdfSheetSize(pdf);
            EXPECT_NEAR(sheet.width(), c.points.width(), 0.5) << (wholeRun ? "Print" : "Print this page");
            EXPECT_NEAR(sheet.height(), c.points.height(), 0.5) << (wholeRun ? "Print" : "Print this page");
        }
    }
    EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
    printer.setPageLayout(before);
}

TEST_F(CommandsTest, TheSettingsDialogShowsTheSettingsInEffectAndOkStoresThem)
{
    StoreSetting(QStringLiteral("Owner Address"), QStringLiteral("12 Mall Road"));
    StoreSetting(QStringLiteral("Left Margin"), QStringLiteral("0.75"));
    frmMain& w = StartShown();
    WhileOpen<frmSettings>(w.mnuSettings, [&](frmSettings& s) {
        EXPECT_EQ(s.windowTitle(), QStringLiteral("Settings"));
        EXPECT_EQ(s.txtLMargin->text(), QStringLiteral("0.75"));
        EXPECT_EQ(s.txtTMargin->text(), QStringLiteral("0.7"));
        EXPECT_EQ(s.txtFooterTop->text(), QStringLiteral("10.5"));
        EXPECT_TRUE(s.chkPrint->isChecked());
        EXPECT_TRUE(s.txtPicture->text().endsWith(QStringLiteral("/swastik.wmf")));
        EXPECT_EQ(s.txtName->text(), QStringLiteral("Velmora"));
        EXPECT_EQ(s.txtAddr->text(), QStringLiteral("12 Mall Road"));
        EXPECT_EQ(s.txtPhones->text(), QString());
        EXPECT_EQ(s.cmbRahuKetu->currentText(), QStringLiteral("True"));
        EXPECT_FALSE(s.Picture1->pixmap().isNull());

        s.txtLMargin->setText(QStringLiteral("2"));
        s.txtTMargin->setText(QStringLiteral("0.50"));
        s.txtFooterTop->setText(QStringLiteral("11"));
        s.chkPrint->setChecked(false);
        s.txtName->setText(QStringLiteral("Sharma Jyotish, Agra"));
        s.txtPhones->setText(QStringLiteral("0562 123456"));
        s.cmbRahuKetu->setCurrentIndex(1);
        s.cmdOK->click();
        EXPECT_FALSE(s.isVisible());
    });
    const std::pair<const char*, const char*> stored[] = {
        {"Left Margin", "2"}, {"Top Margin", "0.50"}, {"Footer Top Margin", "11"}, {"Border", "0"},
        {"Owner Name", "Sharma Jyotish, Agra"}, {"Owner Address", "12 Mall Road"}, {"Owner Phones", "0562 123456"},
        {"True Rahu", "0"}};
    for (const auto& [key, value] : stored)
        EXPECT_EQ(Stored(key), QString::fromLatin1(value)) << key;
    EXPECT_EQ(Config().LeftMarginTwips, 2880);
    EXPECT_EQ(Config().TopMarginTwips, 720);
    EXPECT_FALSE(Config().PrintBorder);
    EXPECT_EQ(Config().OwnerLines[3], "0562 123456");
    // The node choice holds for this session too.
    EXPECT_EQ(w.cmbRahuKetu->currentText(), QStringLiteral("Mean"));
    EXPECT_FALSE(w.Choices().trueNode);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(CommandsTest, TheSettingsDialogRefusesWhatItCannotStoreAndCancelKeepsEverything)
{
    frmMain& w = StartShown();
    const Settings before = Config();
    const auto unchanged = [&] {
        EXPECT_EQ(Stored("Left Margin"), std::nullopt);
        EXPECT_EQ(Config().LeftMarginTwips, before.LeftMarginTwips);
        EXPECT_EQ(Config().FooterTop, before.FooterTop);
        EXPECT_EQ(Config().OwnerLines, before.OwnerLines);
    };

    // Typed and left: the box shows the value in effect again, with the rule.
    WhileOpen<frmSettings>(w.mnuSettings, [&](frmSettings& s) {
        const struct {
            QLineEdit* box;
            const char* typed;
            const char* shown;
            bool told;
        } leaving[] = {
            {s.txtLMargin, "2.5", "1", true},  {s.txtLMargin, "2", "2", false},
            {s.txtTMargin, "x", "0.7", true},  {s.txtFooterTop, "9", "10.21", true},
            {s.txtFooterTop, "11.5", "11.5", false},
        };
        for (const auto& l : leaving) {
            SCOPED_TRACE(l.typed);
            messages.messages.clear();
            l.box->setFocus();
            l.box->setText(QString::fromLatin1(l.typed));
            QTest::keyClick(l.box, Qt::Key_Tab);
            Settle();
            EXPECT_EQ(l.box->text(), QString::fromLatin1(l.shown));
            EXPECT_EQ(messages.messages.size(), l.told ? 1u : 0u);
            // A refused box has the focus back; one taken lets it go on.
            EXPECT_EQ(QApplication::focusWidget() == l.box, l.told);
        }
        s.cmdCancel->click();
        EXPECT_FALSE(s.isVisible());
    });
    unchanged();

    // OK with the focus still in the box: refused, named, and the box keeps the focus.
    WhileOpen<frmSettings>(w.mnuSettings, [&](frmSettings& s) {
        s.txtName->setText(QStringLiteral("Someone Else"));
        s.txtLMargin->setFocus();
        s.txtLMargin->setText(QStringLiteral("2.5"));
        messages.messages.clear();
        QTest::keyClick(s.txtLMargin, Qt::Key_Return);   // the default button
        Settle();
        EXPECT_EQ(messages.messages, std::vector<std::string>{"The left margin is a number of inches from 0 to 2."});
        EXPECT_TRUE(s.isVisible());
        EXPECT_EQ(QApplication::focusWidget(), s.txtLMargin);
        EXPECT_EQ(s.txtLMargin->text(), QStringLiteral("2.5"));
        s.cmdCancel->click();
    });
    unchanged();
}

TEST_F(CommandsTest, ABorderPictureIsTakenOnlyWhenItCanBeRead)
{
    QImage picture(40, 60, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString good = QString::fromStdString(folder.File("om.png"));
    ASSERT_TRUE(picture.save(good));
    folder.Write("broken.bmp", "BM not really");
    const QString broken = QString::fromStdString(folder.File("broken.bmp"));

    frmMain& w = StartShown();
    WhileOpen<frmSettings>(w.mnuSettings, [&](frmSettings& s) {
        const QString before = s.txtPicture->text();
        const QImage shownBefore = s.Picture1->pixmap().toImage();
        for (const QString& chosen : {QString(), broken}) {
            messages.messages.clear();
            chooseFile = [&](const FileRequest&) { return chosen; };
            s.Command1->click();
            EXPECT_EQ(s.txtPicture->text(), before);
            EXPECT_EQ(s.Picture1->pixmap().toImage(), shownBefore);
            EXPECT_EQ(messages.messages.size(), chosen.isEmpty() ? 0u : 1u);
        }
        ASSERT_FALSE(fileRequests.empty());
        EXPECT_EQ(fileRequests.back().kind, FileRequest::Kind::Open);
        EXPECT_EQ(fileRequests.back().folder, QString::fromStdString(folder.Path().string()) + u'/');
        // Only what a border can be drawn from is offered, all of it first.
        const QString filter = fileRequests.back().filter;
        EXPECT_TRUE(filter.startsWith(QStringLiteral("Pictures ("))) << filter.toStdString();
        static const QRegularExpression pattern(QStringLiteral(R"(\*\.(\w+|\*))"));
        int patterns = 0;
        for (const QRegularExpressionMatch& m : pattern.globalMatch(filter)) {
            const QString ext = m.captured(1).toLower();
            ++patterns;
            EXPECT_TRUE(ext == u"svg" || QImageReader::supportedImageFormats().contains(ext.toLatin1()))
                << ext.toStdString();
        }
        EXPECT_GE(patterns, 4);
        EXPECT_TRUE(filter.contains(QStringLiteral("*.png")));
        EXPECT_FALSE(filter.contains(QStringLiteral("(*)")));

        chooseFile = [&](const FileRequest&) { return good; };
        s.Command1->click();
        EXPECT_EQ(s.txtPicture->text(), good);
        EXPECT_NE(s.Picture1->pixmap().toImage(), shownBefore);

        // A path typed by hand is read at OK.
        s.txtPicture->setText(broken);
        messages.messages.clear();
        s.cmdOK->click();
        EXPECT_TRUE(s.isVisible());
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_NE(messages.messages[0].find("cannot be read"), std::string::npos);
        s.txtPicture->setText(good);
        s.cmdOK->click();
        EXPECT_FALSE(s.isVisible());
    });
    EXPECT_EQ(Config().BorderFile, good.toStdString());
    EXPECT_EQ(Stored("Border File"), good);
}

// The sample sheet shows the chosen picture where the pages paint it: in
// the border's rectangle, the same for a picture larger than the sheet and
// for a small one.
TEST_F(CommandsTest, TheSettingsSampleFitsABorderPictureOfAnySize)
{
    struct Case { const char* name; int width, height; };
    const Case cases[] = {{"large.png", 850, 1200}, {"small.png", 40, 60}};
    // The border's rectangle on the sample, in its pixels (18 to the inch).
    constexpr double PixelsPerTwip = 18.0 / 1440;
    const double left = ((A4WidthTwips - OutputRun().PageWidth) / 2 + 500) * PixelsPerTwip;
    const QRectF expected(left, 500 * PixelsPerTwip, 10600 * PixelsPerTwip, 14500 * PixelsPerTwip);

    frmMain& w = StartShown();
    WhileOpen<frmSettings>(w.mnuSettings, [&](frmSettings& s) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            QImage picture(c.width, c.height, QImage::Format_RGB32);
            picture.fill(Qt::red);
            const QString file = QString::fromStdString(folder.File(c.name));
            ASSERT_TRUE(picture.save(file));
            chooseFile = [&](const FileRequest&) { return file; };
            s.Command1->click();
            ASSERT_EQ(s.txtPicture->text(), file);

            const QImage shown = s.Picture1->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
            QRect red;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x) {
                    const QColor p = shown.pixelColor(x, y);
                    if (p.red() > 128 && p.green() < 128 && p.blue() < 128)
                        red |= QRect(x, y, 1, 1);
                }
            ASSERT_FALSE(red.isEmpty());
            EXPECT_NEAR(red.left(), expected.left(), 1.5);
            EXPECT_NEAR(red.top(), expected.top(), 1.5);
            EXPECT_NEAR(red.right() + 1, expected.right(), 1.5);
            EXPECT_NEAR(red.bottom() + 1, expected.bottom(), 1.5);
        }
        s.cmdCancel->click();
    });
}

// A user's first session: the preview moved by the window manager (not by
// the program) opens again where it was left, in that session and the next.
TEST_F(CommandsTest, ThePreviewMovedInTheFirstSessionOpensWhereItWasLeft)
{
    const QPoint moved(50, 40);
    frmMain& w = StartShown();
    QPoint shownAt;
    whileShown = [&](prPreview& p) {
        p.show();
        Settle();
        shownAt = p.geometry().topLeft();
        if (shownAt != moved) {
            p.windowHandle()->setPosition(moved);
            Settle();
            ASSERT_EQ(p.geometry().topLeft(), moved);
        }
        p.hide();
    };
    ASSERT_TRUE(PressPreview(w));
    EXPECT_NE(shownAt, moved) << "the first opening is the window system's choice";
    ASSERT_TRUE(PressPreview(w));
    EXPECT_EQ(shownAt, moved);
    messages.answers = {Answer::No};
    EXPECT_TRUE(w.close());
    Stop();
    frmMain& again = StartShown();
    ASSERT_TRUE(PressPreview(again));
    EXPECT_EQ(shownAt, moved);
}

} // namespace

namespace {

// The letter after "&" in a caption, lower case; none when it has none.
QChar Mnemonic(const QString& caption)
{
    const qsizetype at = caption.indexOf(u'&');
    return at >= 0 && at + 1 < caption.size() ? caption[at + 1].toLower() : QChar();
}

TEST_F(CommandsTest, EachAltLetterOfTheWindowHasOneTargetAndTheKeysReachIt)
{
    frmMain& w = StartShown();
    // What Alt and a letter reach from anywhere in the window: the menus,
    // the tabs and the buttons.
    QStringList captions;
    for (QAction* a : w.menuBar()->actions())
        captions << a->text();
    for (int k = 0; k < w.SSTab1->count(); ++k)
        captions << w.SSTab1->tabText(k);
    captions << w.Command1->text() << w.Command2->text();
    QSet<QChar> letters;
    for (const QString& caption : captions) {
        const QChar letter = Mnemonic(caption);
        ASSERT_FALSE(letter.isNull()) << caption.toStdString();
        EXPECT_FALSE(letters.contains(letter)) << caption.toStdString();
        letters.insert(letter);
    }
    // Every entry of the File menu has a letter of its own too.
    QSet<QChar> fileLetters;
    QMenu* file = w.menuBar()->actions().front()->menu();
    ASSERT_NE(file, nullptr);
    for (QAction* a : file->actions()) {
        if (a->isSeparator())
            continue;
        const QChar letter = Mnemonic(a->text());
        EXPECT_FALSE(letter.isNull()) << a->text().toStdString();
        EXPECT_FALSE(fileLetters.contains(letter)) << a->text().toStdString();
        fileLetters.insert(letter);
    }
    EXPECT_EQ(fileLetters.size(), 9);
    EXPECT_EQ(w.mnuFileSaveAs->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));

    // By the keys: Alt+M and Alt+O switch the tabs, Alt+H opens Help alone.
    w.txtName[0]->setFocus();
    Settle();
    QTest::keyClick(w.txtName[0], Qt::Key_M, Qt::AltModifier);
    Settle();
    EXPECT_TRUE(w.MatchMakingMode());
    QTest::keyClick(w.txtName[0], Qt::Key_O, Qt::AltModifier);
    Settle();
    EXPECT_FALSE(w.MatchMakingMode());
    EXPECT_EQ(w.SSTab1->currentIndex(), 0);
    QMenu* help = w.menuBar()->actions()[2]->menu();
    ASSERT_NE(help, nullptr);
    w.SSTab1->setCurrentIndex(1);
    w.txtName[0]->setFocus();
    Settle();
    QTest::keyClick(w.txtName[0], Qt::Key_H, Qt::AltModifier);
    Settle();
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(w.MatchMakingMode());
    help->close();
    EXPECT_TRUE(messages.messages.empty());
}

// The captions of a window that Alt and a letter reach while it is
// active, by their access key: its buttons, check boxes and options, the
// captions of its boxes, its frames, tabs and menu bar. Each menu's entries
// are a scope of their own.
std::vector<QStringList> AccessKeyScopes(QWidget& window)
{
    QStringList captions;
    std::vector<QStringList> scopes;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->window() != &window)
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            captions << button->text();
        else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy())
            captions << label->text();
        else if (auto* frame = qobject_cast<QGroupBox*>(w))
            captions << frame->title();
        else if (auto* tabs = qobject_cast<QTabBar*>(w))
            for (int k = 0; k < tabs->count(); ++k)
                captions << tabs->tabText(k);
        else if (auto* bar = qobject_cast<QMenuBar*>(w))
            for (QAction* a : bar->actions())
                captions << a->text();
        else if (auto* menu = qobject_cast<QMenu*>(w)) {
            QStringList entries;
            for (QAction* a : menu->actions())
                entries << a->text();
            scopes.push_back(entries);
        }
    }
    scopes.push_back(captions);
    return scopes;
}

TEST_F(CommandsTest, EveryWindowAndDialogGivesEachAltLetterOneTarget)
{
    frmMain& w = StartShown();
    ASSERT_TRUE(PressPreview(w));
    ASSERT_TRUE(FindCountry(w.EntryOf(0).zoneId));
    frmSettings settings(&w, settingsFile);
    frmOptions pages(&w);
    prPreview preview(&w);
    frmConversion ghati(w);
    frmConversion2 olderGhati(w, Native());
    frmPlaces places(&w);
    TimeZones zones(&w);
    frmAbout about(&w);
    frmCOM note(&w);
    DataTransfer import(&w);
    frmSplash splash(0);
    for (QWidget* window : std::initializer_list<QWidget*>{&w, &settings, &pages, &preview, &ghati, &olderGhati,
                                                           &places, &zones, &about, &note, &import, &splash}) {
        SCOPED_TRACE(window->metaObject()->className());
        for (const QStringList& scope : AccessKeyScopes(*window)) {
            std::map<QKeySequence, QString> targets;
            for (const QString& caption : scope) {
                const QKeySequence key = QKeySequence::mnemonic(caption);
                if (key.isEmpty())
                    continue;
                const auto [at, first] = targets.emplace(key, caption);
                EXPECT_TRUE(first) << key.toString().toStdString() << ": \"" << at->second.toStdString()
                                   << "\" and \"" << caption.toStdString() << "\"";
            }
        }
    }

    // A letter once shared now presses its button.
    const auto press = [](QDialog& dialog, Qt::Key letter, const std::function<bool()>& pressed) {
        dialog.show();
        dialog.activateWindow();
        // Active itself, not by its owner's activity.
        for (int waited = 0; waited < 2000 && QApplication::activeWindow() != &dialog; waited += 20)
            QTest::qWait(20);
        ASSERT_EQ(QApplication::activeWindow(), &dialog);
        QTest::keyClick(&dialog, letter, Qt::AltModifier);
        for (int waited = 0; waited < 2000 && !pressed(); waited += 20)
            QTest::qWait(20);
        EXPECT_TRUE(pressed()) << dialog.metaObject()->className();
        dialog.hide();
    };
    FillPageList(*pages.ListBox1, {{"Basic", "Basic"}, {"Nirayana", "Nirayana"}});
    pages.cmdReset_Click();
    press(pages, Qt::Key_A, [&] { return pages.Selected(0) && pages.Selected(1); });
    press(settings, Qt::Key_H, [&] { return fileRequests.size() == 1; });
}

TEST_F(CommandsTest, TheWindowAndThePreviewOpenWhereTheyWereLeft)
{
    const QRect mainPlace(140, 90, 1010, 730), previewPlace(260, 60, 700, 880);
    {
        frmMain& w = StartShown();
        w.setGeometry(mainPlace);
        Settle();
        whileShown = [&](prPreview& p) {
            p.show();
            p.setGeometry(previewPlace);
            Settle();
            p.hide();
        };
        ASSERT_TRUE(PressPreview(w));
        whileShown = nullptr;
        // Kept whatever the answer about the settings.
        messages.answers = {Answer::No};
        EXPECT_TRUE(w.close());
        Stop();
    }
    frmMain& w = StartShown();
    EXPECT_EQ(w.geometry(), mainPlace);
    QRect previewShown;
    whileShown = [&](prPreview& p) {
        p.show();
        Settle();
        previewShown = p.geometry();
        p.hide();
    };
    ASSERT_TRUE(PressPreview(w));
    EXPECT_EQ(previewShown, previewPlace);
    // The settings themselves are not written by it.
    QSettings store(settingsFile, QSettings::IniFormat);
    EXPECT_FALSE(store.contains(QStringLiteral("Settings/Ayanamsa")));
}

} // namespace
