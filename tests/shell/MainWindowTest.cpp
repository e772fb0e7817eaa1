#include "ShellFixture.h"
#include "refdata/DamagedDatabases.h"

#include "shell/EntryRules.h"
#include "shell/ModalDialogs.h"
#include "shell/MessageBoxReporter.h"
#include "shell/StoredSettings.h"
#include "shell/frmSplash.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTimer>

#include <sys/stat.h>

#include <functional>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

QStringList Items(const QComboBox* list)
{
    QStringList items;
    for (int k = 0; k < list->count(); ++k)
        items << list->itemText(k);
    return items;
}

// What start-up has done by the time each status text shows.
struct Snapshot {
    QString message;
    bool databasesOpen;
    int zones;
    QString name;
    int ayanamsaItems, ayanamsaIndex, languageIndex;
    int varshphalFrom;
};

class MainWindowTest : public ShellTest {};

TEST_F(MainWindowTest, StartUpRunsInOrderAndOpensOnTheSamplePerson)
{
    std::vector<Snapshot> seen;
    window = std::make_unique<frmMain>(StartupOptions{settingsFile, 0});
    frmMain& w = *window;
    QObject::connect(w.Splash(), &frmSplash::messageChanged, [&](const QString& m) {
        seen.push_back({m, ReferenceDatabasesOpen(), w.cmbZones[0]->count(), w.txtName[0]->text(),
                        w.cmbAyanamsa->count(), w.cmbAyanamsa->currentIndex(), w.cmbLanguage->currentIndex(),
                        OutputRun().VarshphalFrom});
    });
    ASSERT_TRUE(w.Form_Load());
    EXPECT_EQ(w.Splash(), nullptr);
    EXPECT_TRUE(messages.messages.empty());

    const int year = QDate::currentDate().year();
    ASSERT_EQ(seen.size(), 3u);
    const struct {
        const char* message;
        bool open;
        int zones;
        const char* name;
        int items, ayanamsa, language, from;
    } expected[] = {
        {"Configuring....", false, 0, "", 0, -1, -1, 0},
        // The lists are filled before the settings choose from them.
        {"Loading Settings....", true, 6, "Ravi Kumar", 3, -1, -1, 0},
        {"Finalizing....", true, 6, "Ravi Kumar", 3, 0, 1, year},
    };
    for (std::size_t k = 0; k < seen.size(); ++k) {
        SCOPED_TRACE(expected[k].message);
        EXPECT_EQ(seen[k].message, QString::fromLatin1(expected[k].message));
        EXPECT_EQ(seen[k].databasesOpen, expected[k].open);
        EXPECT_EQ(seen[k].zones, expected[k].zones);
        EXPECT_EQ(seen[k].name, QString::fromLatin1(expected[k].name));
        EXPECT_EQ(seen[k].ayanamsaItems, expected[k].items);
        EXPECT_EQ(seen[k].ayanamsaIndex, expected[k].ayanamsa);
        EXPECT_EQ(seen[k].languageIndex, expected[k].language);
        EXPECT_EQ(seen[k].varshphalFrom, expected[k].from);
    }

    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Tarvik for Windows"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tarvik for Windows"));
    EXPECT_TRUE(w.HelpFile.endsWith(QStringLiteral("/Tarvik.HLP")));
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(w.cmbZones[i]->currentText(), QStringLiteral("India [82E30]"));
        EXPECT_EQ(Items(w.cmbPlaces[i]), (QStringList{"Agra", "Delhi", "Mumbai"}));
        EXPECT_EQ(w.cmbPlaces[i]->currentText(), QStringLiteral("Delhi"));
        EXPECT_EQ(w.cmbPlaces[i]->Key(), 1273294);
        EXPECT_EQ(w.txtLatLong[i]->text(), QStringLiteral("28N39 77E13"));
        EXPECT_EQ(w.txtDOB[i]->date(), QDate(1980, 8, 15));
        EXPECT_EQ(w.txtDOB[i]->text(), QStringLiteral("15-Aug-1980"));
        EXPECT_EQ(w.txtTOB[i]->text(), QStringLiteral("10:30:00 AM"));
        EXPECT_EQ(Items(w.cmbSex[i]), (QStringList{"Male", "Female"}));
        EXPECT_EQ(w.cmbSex[i]->currentIndex(), i);
        EXPECT_EQ(w.cmbWTC[3 * i]->currentText(), QStringLiteral("+"));
        EXPECT_EQ(Items(w.cmbWTC[3 * i]), (QStringList{"+", "-"}));
        EXPECT_EQ(w.cmbWTC[3 * i + 1]->count(), 24);
        EXPECT_EQ(w.cmbWTC[3 * i + 1]->itemText(23), QStringLiteral("23"));
        EXPECT_EQ(w.cmbWTC[3 * i + 2]->count(), 60);
        EXPECT_EQ(w.cmbWTC[3 * i + 2]->currentText(), QStringLiteral("0"));
    }
    EXPECT_EQ(w.txtName[0]->text(), QStringLiteral("Ravi Kumar"));
    EXPECT_EQ(w.txtName[1]->text(), QStringLiteral("Female"));
    EXPECT_FALSE(w.txtFather->text().isEmpty());
    EXPECT_FALSE(w.txtGotra->text().isEmpty());
    EXPECT_EQ(w.txtYoginiFrom->text(), QStringLiteral("15-Aug-1980"));
    EXPECT_EQ(w.txtVFrom->text(), QString::number(year));
    EXPECT_EQ(w.txtVYears->text(), QStringLiteral("1"));

    EXPECT_EQ(Items(w.cmbAyanamsa), (QStringList{"N.C.Lahiri", "K.P.", "B.V. Raman"}));
    EXPECT_EQ(Items(w.cmbCharting), (QStringList{"North Indian", "South Indian"}));
    EXPECT_EQ(Items(w.cmbLanguage), (QStringList{"English", "Hindi"}));
    EXPECT_EQ(Items(w.cmbRahuKetu), (QStringList{"True", "Mean"}));
    EXPECT_EQ(w.Choices(), (MainChoices{0, 0, 1, true}));
    EXPECT_EQ(OutputRun().OutputScale, 1.0);
    EXPECT_EQ(OutputRun().PageWidth, 11600);
    EXPECT_EQ(OutputRun().VarshphalYears, 1);
    EXPECT_EQ(Config().TopMarginTwips, 1008);
    EXPECT_EQ(CountriesTable().Index(), "Country");
    EXPECT_EQ(DictionaryTable().Index(), "ID");

    // Horoscope mode: the girl's column waits.
    EXPECT_FALSE(w.MatchMakingMode());
    EXPECT_EQ(w.SSTab1->currentIndex(), 0);
    EXPECT_TRUE(w.frFemale->isHidden());
    for (QWidget* c : std::initializer_list<QWidget*>{w.txtName[1], w.cmbSex[1], w.txtDOB[1], w.txtTOB[1],
                                                      w.cmbZones[1], w.cmbPlaces[1], w.cmbWTC[5]})
        EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
    EXPECT_EQ(w.txtName[0]->toolTip(), QStringLiteral("Person's Name"));
    EXPECT_TRUE(w.Command1->isEnabled());
    EXPECT_TRUE(w.Command2->isEnabled());
    for (const QAction* a : {w.mnuFileNew, w.mnuFileOpen, w.mnuFileSave, w.mnuFileSaveAs, w.mnuSettings,
                             w.mnuFilePageSetup, w.mnuOutput[0], w.mnuOutput[1], w.mnuFileExit, w.mnuContents,
                             w.mnuComb, w.mnuAbout})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
}

TEST_F(MainWindowTest, TheTitlePageHoldsStartUpWhileEventsRun)
{
    window = std::make_unique<frmMain>(StartupOptions{settingsFile});
    bool visibleDuringWait = false;
    QTimer::singleShot(0, [&] { visibleDuringWait = window->Splash() && window->Splash()->isVisible(); });
    QElapsedTimer clock;
    qint64 waited = -1;
    QObject::connect(window->Splash(), &frmSplash::messageChanged, [&](const QString& m) {
        if (m == QStringLiteral("Configuring...."))
            waited = clock.elapsed();
    });
    clock.start();
    ASSERT_TRUE(window->Form_Load());
    EXPECT_TRUE(visibleDuringWait);
    EXPECT_GE(waited, 2000);
}

TEST_F(MainWindowTest, StoredChoicesSelectTheirItems)
{
    const struct {
        const char *ayanamsa, *charting, *language, *trueRahu;
        const char *shownAyanamsa, *shownCharting, *shownLanguage, *shownNodes;
    } cases[] = {
        {"2", "1", "0", "0", "B.V. Raman", "South Indian", "English", "Mean"},
        {"1", "0", "1", "1", "K.P.", "North Indian", "Hindi", "True"},
        // Positions that no list has, from an edited store: the defaults.
        {"9", "4", "-2", "7", "N.C.Lahiri", "North Indian", "Hindi", "Mean"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ayanamsa);
        StoreSetting(QStringLiteral("Ayanamsa"), QString::fromLatin1(c.ayanamsa));
        StoreSetting(QStringLiteral("Charting"), QString::fromLatin1(c.charting));
        StoreSetting(QStringLiteral("Language"), QString::fromLatin1(c.language));
        StoreSetting(QStringLiteral("True Rahu"), QString::fromLatin1(c.trueRahu));
        frmMain& w = Start();
        ASSERT_TRUE(started);
        EXPECT_EQ(w.cmbAyanamsa->currentText(), QString::fromLatin1(c.shownAyanamsa));
        EXPECT_EQ(w.cmbCharting->currentText(), QString::fromLatin1(c.shownCharting));
        EXPECT_EQ(w.cmbLanguage->currentText(), QString::fromLatin1(c.shownLanguage));
        EXPECT_EQ(w.cmbRahuKetu->currentText(), QString::fromLatin1(c.shownNodes));
        window.reset();
        CloseReferenceDatabases();
    }
}

// The settings live where a Linux program keeps them,
// $XDG_CONFIG_HOME/Tarvik/Tarvik.conf; those of an earlier version, loose in
// the same folder as "Tarvik for Windows.ini", move there at the first start.
TEST_F(MainWindowTest, TheSettingsOfAnEarlierVersionMoveToTheirPlaceOnce)
{
    struct Case {
        const char* what;
        const char* former;    // the former file's "Ayanamsa"; nullptr: no file
        const char* current;   // the settings file's
        bool folderBlocked;    // a plain file where the settings' folder goes
        const char* shown;
        bool formerStays, moveTold;
    };
    const Case cases[] = {
        {"an earlier version's settings", "1", nullptr, false, "K.P.", false, false},
        {"both: the settings file is the user's", "1", "2", false, "B.V. Raman", true, false},
        {"neither: the defaults", nullptr, nullptr, false, "N.C.Lahiri", false, false},
        {"no folder can be made: read where they are", "1", nullptr, true, "K.P.", true, true},
    };
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString config = QString::fromStdString(folder.File("config" + std::to_string(++n)));
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
        const QString former = config + QStringLiteral("/Tarvik for Windows.ini");
        const QString current = config + QStringLiteral("/Tarvik/Tarvik.conf");
        ASSERT_EQ(FormerSettingsFile(), former);
        ASSERT_EQ(UserSettingsFile(), current);
        const auto store = [](const QString& file, const char* ayanamsa) {
            QSettings s(file, QSettings::IniFormat);
            s.setValue(QStringLiteral("Settings/Ayanamsa"), QString::fromLatin1(ayanamsa));
            s.setValue(QStringLiteral("Settings/Owner Name"), QStringLiteral("Gupta Astro Centre"));
        };
        QDir().mkpath(config);
        if (c.former)
            store(former, c.former);
        if (c.current)
            store(current, c.current);
        if (c.folderBlocked)
            folder.Write("config" + std::to_string(n) + "/Tarvik", "a file, not a folder");
        messages.messages.clear();

        settingsFile.clear();   // the user's own settings
        frmMain& w = Start();
        ASSERT_TRUE(started);
        EXPECT_EQ(w.cmbAyanamsa->currentText(), QString::fromLatin1(c.shown));
        EXPECT_EQ(Config().OwnerLines[1], c.former || c.current ? "Gupta Astro Centre" : "Velmora");
        EXPECT_EQ(QFile::exists(former), c.former && c.formerStays);
        EXPECT_EQ(QFile::exists(current), (c.former || c.current) && !c.folderBlocked);
        ASSERT_EQ(messages.messages.size(), c.moveTold ? 1u : 0u);
        if (c.moveTold) {
            EXPECT_NE(messages.messages[0].find("could not be moved from " + former.toStdString()), std::string::npos)
                << messages.messages[0];
        }
        // What the program stores at the end goes where it read from.
        messages.answers = {Answer::Yes};
        bool cancel = false;
        w.Form_Unload(cancel);
        EXPECT_EQ(messages.questions.back(), "Do you want to save settings ?");
        EXPECT_TRUE(QSettings(c.moveTold ? former : current, QSettings::IniFormat)
                        .contains(QStringLiteral("Settings/Language")));
        window.reset();
        CloseReferenceDatabases();
    }
    qputenv("XDG_CONFIG_HOME", savedConfig);
}

TEST_F(MainWindowTest, AMissingOrDamagedDatabaseStopsStartUpNamingTheFile)
{
    const struct {
        std::string_view name;
        const char* table;   // one the file's schema holds; none for the ephemeris table
    } files[] = {{DataDatabaseFile, "CountryNames"},
                 {DefinitionsDatabaseFile, "Match"},
                 {ReferenceDatabaseFile, "period"},
                 {EphemerisFileName, nullptr}};
    enum class Fault { Missing, NoDatabase, DamagedSchema };
    for (const auto& f : files) {
        for (Fault fault : {Fault::Missing, Fault::NoDatabase, Fault::DamagedSchema}) {
            if (fault == Fault::DamagedSchema && !f.table)
                continue;
            SCOPED_TRACE(std::string(f.name) + " fault " + std::to_string(static_cast<int>(fault)));
            BuildFixtureDatabases(FixtureCountries, FixturePlaces);
            const std::string file = folder.File(std::string(f.name));
            if (fault == Fault::DamagedSchema) {
                // A table made from a query in the schema (SQLite of 2016 crashed on it).
                RunSql(file, "UPDATE sqlite_master SET sql = 'CREATE TABLE " + std::string(f.table) +
                                 " AS SELECT 1' WHERE name = '" + f.table + "';");
            } else {
                fs::remove(file);
                if (fault == Fault::NoDatabase)
                    folder.Write(std::string(f.name), "this is no database\n");
            }
            messages.messages.clear();
            Start();
            EXPECT_FALSE(started);
            ASSERT_EQ(messages.messages.size(), 1u);
            EXPECT_NE(messages.messages[0].find(file), std::string::npos) << messages.messages[0];
            if (fault != Fault::Missing && f.table) {
                EXPECT_NE(messages.messages[0].find("damaged"), std::string::npos) << messages.messages[0];
            }
            EXPECT_EQ(window->Splash(), nullptr);
            EXPECT_FALSE(ReferenceDatabasesOpen());
            window.reset();
        }
    }
}

// What stands in the settings file's place when it is no file is never
// read (a named pipe held the start for good, a link to a device read
// without end): the program starts with the default settings and says so,
// naming it, and keeps no settings there.
TEST_F(MainWindowTest, ASettingsFileThatIsNoFileGivesTheDefaultsAndAMessage)
{
    const std::string file = settingsFile.toStdString();
    const struct {
        const char* what;
        std::function<void()> make;
        const char* told;
    } cases[] = {
        {"a named pipe", [&] { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); }, "is a named pipe (FIFO), not a file"},
        {"a link to a device", [&] { fs::create_symlink("/dev/zero", file); }, "is a device, not a file"},
        {"a folder", [&] { fs::create_directory(file); }, "is a folder, not a file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(file);
        c.make();
        messages.messages.clear();
        frmMain& w = Start();
        ASSERT_TRUE(started);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_NE(messages.messages[0].find(file), std::string::npos) << messages.messages[0];
        EXPECT_NE(messages.messages[0].find(c.told), std::string::npos) << messages.messages[0];
        EXPECT_NE(messages.messages[0].find("default settings"), std::string::npos) << messages.messages[0];
        EXPECT_EQ(w.cmbLanguage->currentText(), QStringLiteral("Hindi"));
        EXPECT_EQ(Config().LeftMarginTwips, 1440);
        // Closing keeps the window's place nowhere, and the thing stays.
        window.reset();
        CloseReferenceDatabases();
        EXPECT_NE(fs::symlink_status(file).type(), fs::file_type::regular);
    }
    fs::remove_all(file);
}

// A message names files and places as they are: a horoscope file named
// like markup is shown as those letters, in a message and in a question,
// never in big red letters.
TEST_F(MainWindowTest, MessageBoxesShowTheirTextsAsTheyAre)
{
    const std::string name = "/home/asha/<h1>Asha</h1><font color=red>Sharma</font><img src=x>.TVK";
    const std::string text = "The horoscope file " + name + " cannot be opened: it was not found.";
    MessageBoxReporter boxes;
    for (bool question : {false, true}) {
        SCOPED_TRACE(question ? "question" : "message");
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            format = box->textFormat();
            if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
                shown = label->text();
            box->reject();
        });
        if (question)
            boxes.Ask(text, Buttons::YesNoCancel);
        else
            boxes.Message(text);
        EXPECT_EQ(format, Qt::PlainText);
        EXPECT_EQ(shown, QString::fromStdString(text));
    }
}

// A places file that its user edited with today's sqlite3 shell starts the
// program, whose editors then add a place under the user's trigger.
TEST_F(MainWindowTest, APlacesFileEditedWithTodaysSqliteStartsIt)
{
    EditWithTodaysSqlite(folder.File(std::string(DataDatabaseFile)));
    Start();
    ASSERT_TRUE(started);
    EXPECT_TRUE(messages.messages.empty());
    DatDatabase().Execute("INSERT INTO Places (\"Country ID\", PlaceName, Latitude, Longitude) "
                          "VALUES (221122, 'Mathura', '27N30', '77E40')");
    Recordset note(DatDatabase(), "SELECT text FROM Notes WHERE text = 'Mathura'");
    EXPECT_FALSE(note.Eof());
}

TEST_F(MainWindowTest, WithoutTheDefaultCountryOrPlaceItStartsOnTheFirstOnes)
{
    const struct {
        const char* what;
        const char* countries;
        const char* places;
        const char *zone, *place, *coordinates;
    } cases[] = {
        {"no India", "Country ID,Country,Zone\n6252001,United States (New York),75W00\n1282988,Nepal,86E15\n",
         FixturePlaces, "Nepal [86E15]", "Kathmandu", "27N42 85E19"},
        {"India without Delhi", FixtureCountries,
         "Place ID,Country ID,PlaceName,Latitude,Longitude\n1275339,221122,Mumbai,18N58,72E50\n"
         "1279259,221122,Agra,27N11,78E01\n",
         "India [82E30]", "Agra", "27N11 78E01"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BuildFixtureDatabases(c.countries, c.places);
        frmMain& w = Start();
        ASSERT_TRUE(started);
        EXPECT_TRUE(messages.messages.empty());
        EXPECT_EQ(w.cmbZones[0]->currentText(), QString::fromLatin1(c.zone));
        EXPECT_EQ(w.cmbPlaces[1]->currentText(), QString::fromLatin1(c.place));
        EXPECT_EQ(w.txtLatLong[0]->text(), QString::fromLatin1(c.coordinates));
        window.reset();
        CloseReferenceDatabases();
    }
}

TEST_F(MainWindowTest, EnterWalksTheTabOrderOfEachMode)
{
    // Enter moves on up to the Preview button, which Enter presses; the
    // boxes after it are walked from the first of them up to the ghati
    // buttons, which Tab passes on to the tab control.
    const struct {
        bool match;
        QStringList walk;
        QStringList after;
        QStringList tabbed;
    } cases[] = {
        {false,
         {"txtName0", "cmbSex0", "txtDOB0", "txtTOB0", "cmbZones0", "cmbPlaces0", "cmbWTC0", "cmbWTC1", "cmbWTC2",
          "txtFather", "TXTMother", "txtGrandfather", "txtGotra", "cmbAyanamsa", "cmbCharting", "cmbRahuKetu",
          "cmbLanguage", "Command1"},
         {"txtVFrom", "txtVYears", "txtYoginiFrom", "cmdGhati"},
         {"SSTab1"}},
        // In a match the sex lists are fixed, the family and year boxes out of use.
        {true,
         {"txtName0", "txtDOB0", "txtTOB0", "cmbZones0", "cmbPlaces0", "cmbWTC0", "cmbWTC1", "cmbWTC2",
          "txtName1", "txtDOB1", "txtTOB1", "cmbZones1", "cmbPlaces1", "cmbWTC3", "cmbWTC4", "cmbWTC5",
          "cmbAyanamsa", "cmbCharting", "cmbRahuKetu", "cmbLanguage", "Command1"},
         {"txtYoginiFrom", "cmdGhati"},
         {"cmdGhati2", "SSTab1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.match ? "Match-Making" : "Horoscope");
        frmMain& w = StartShown();
        if (c.match)
            w.SSTab1->setCurrentIndex(1);
        auto walkFrom = [](QWidget* first, qsizetype steps) {
            first->setFocus();
            Settle();
            QStringList walk{FocusedControl()};
            for (qsizetype k = 1; k < steps; ++k) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                Settle();
                walk << FocusedControl();
            }
            return walk;
        };
        EXPECT_EQ(walkFrom(w.txtName[0], c.walk.size()), c.walk);

        int previews = 0;
        {
            ScopedDialogScript script({.showModal = [&](QDialog&) { ++previews; }});
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            Settle();
        }
        EXPECT_EQ(previews, 1);

        QWidget* next = c.match ? static_cast<QWidget*>(w.txtYoginiFrom) : w.txtVFrom;
        EXPECT_EQ(walkFrom(next, c.after.size()), c.after);
        QStringList tabbed;
        for (qsizetype k = 0; k < c.tabbed.size(); ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            Settle();
            tabbed << FocusedControl();
        }
        EXPECT_EQ(tabbed, c.tabbed);
        // The tab control has no Enter of its own.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        Settle();
        EXPECT_EQ(FocusedControl(), QStringLiteral("SSTab1"));
        EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
        window.reset();
        CloseReferenceDatabases();
    }
}

TEST_F(MainWindowTest, TextBoxesSelectTheirTextWhenFocused)
{
    frmMain& w = StartShown();
    w.cmbSex[0]->setFocus();
    Settle();
    for (QLineEdit* box : {w.txtName[0], w.txtTOB[0], w.txtFather, w.txtVYears}) {
        box->deselect();
        box->setFocus(Qt::MouseFocusReason);
        Settle();
        EXPECT_EQ(box->selectedText(), box->text()) << box->objectName().toStdString();
        w.cmbSex[0]->setFocus();
        Settle();
    }
}

TEST_F(MainWindowTest, BoxesAreCheckedAndRewrittenWhenLeft)
{
    const QDate today = QDate::currentDate();
    const QString back = DateEntryText(today.addDays(-1095));
    const QString year = QString::number(today.year());
    frmMain& w = StartShown();
    struct Case {
        const char* what;
        QWidget* box;
        std::function<void()> type;
        QLineEdit* shows;
        QString expected;
    };
    const Case cases[] = {
        {"time 10:05", w.txtTOB[0], [&] { w.txtTOB[0]->setText("10:05"); }, w.txtTOB[0], "10:05:00 AM"},
        {"time 19:00", w.txtTOB[0], [&] { w.txtTOB[0]->setText("19:00"); }, w.txtTOB[0], "07:00:00 PM"},
        {"birth ten years ago", w.txtDOB[0], [&] { w.txtDOB[0]->setDate(today.addYears(-10)); },
         w.txtYoginiFrom, back},
        {"birth ten years ahead", w.txtDOB[0], [&] { w.txtDOB[0]->setDate(today.addYears(10)); },
         w.txtYoginiFrom, DateEntryText(today.addYears(10))},
        {"Yogini date", w.txtYoginiFrom, [&] { w.txtYoginiFrom->setText("5-sep-1986"); }, w.txtYoginiFrom,
         "05-Sep-1986"},
        {"Yogini word", w.txtYoginiFrom, [&] { w.txtYoginiFrom->setText("someday"); }, w.txtYoginiFrom,
         DateEntryText(today)},
        // A year of the range stays; only a box with no number takes the current year.
        {"first year 1850", w.txtVFrom, [&] { w.txtVFrom->setText("1850"); }, w.txtVFrom, "1850"},
        {"first year 1900", w.txtVFrom, [&] { w.txtVFrom->setText("1900"); }, w.txtVFrom, "1900"},
        {"first year 1901", w.txtVFrom, [&] { w.txtVFrom->setText("1901"); }, w.txtVFrom, "1901"},
        {"first year empty", w.txtVFrom, [&] { w.txtVFrom->setText(""); }, w.txtVFrom, year},
        {"first year a word", w.txtVFrom, [&] { w.txtVFrom->setText("next"); }, w.txtVFrom, year},
        {"year count 0", w.txtVYears, [&] { w.txtVYears->setText("0"); }, w.txtVYears, "1"},
        {"year count 12", w.txtVYears, [&] { w.txtVYears->setText("12"); }, w.txtVYears, "12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.box->setFocus();
        Settle();
        c.type();
        w.cmbAyanamsa->setFocus();
        Settle();
        EXPECT_EQ(c.shows->text(), c.expected);
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MainWindowTest, AnInvalidTimeIsReportedOnceAndKeepsTheFocus)
{
    frmMain& w = StartShown();
    w.SSTab1->setCurrentIndex(1);
    w.txtTOB[1]->setText("26:00");   // a second bad box must not start a ping-pong
    w.txtTOB[0]->setFocus();
    Settle();
    w.txtTOB[0]->setText("25:00");
    w.txtTOB[1]->setFocus();
    Settle();
    EXPECT_EQ(messages.messages, std::vector<std::string>{InvalidTimeMessage});
    EXPECT_EQ(w.txtTOB[0]->text(), QStringLiteral("25:00"));
    EXPECT_EQ(FocusedControl(), QStringLiteral("txtTOB0"));
    EXPECT_FALSE(w.txtTOB_LostFocus(0));
}

TEST_F(MainWindowTest, ClosingTheWindowWithABoxFocusedLeavesNoFocusWorkBehind)
{
    // The boxes go after the window's own members: the focus they give up
    // must not be handled by what is left of the window (under the address
    // sanitizer, a use after free).
    for (const char* box : {"txtTOB0", "txtVFrom", "txtName0"}) {
        SCOPED_TRACE(box);
        frmMain& w = StartShown();
        QWidget* focused = w.findChild<QWidget*>(QString::fromLatin1(box));
        ASSERT_NE(focused, nullptr);
        focused->setFocus();
        Settle();
        window.reset();
        Settle();
        EXPECT_TRUE(messages.messages.empty());
        CloseReferenceDatabases();
    }
}

TEST_F(MainWindowTest, VarshphalNumbersOutOfRangeAreRefusedWhenLeftAndAtPreview)
{
    int previews = 0;
    const ScopedDialogScript script({.showModal = [&](QDialog&) { ++previews; }});
    frmMain& w = StartShown();
    const struct {
        const char* typed;
        QLineEdit* box;
        std::string rule;
        const char* good;
        const char* from = "2024";   // the first year meanwhile
    } cases[] = {
        {"1e8", w.txtVFrom, VarshphalFromRule, "2024"},
        {"2e9", w.txtVFrom, VarshphalFromRule, "2024"},
        {"2200", w.txtVFrom, VarshphalFromRule, "2024"},
        {"1799", w.txtVFrom, VarshphalFromRule, "2024"},
        {"0", w.txtVFrom, VarshphalFromRule, "2024"},
        {"1e9", w.txtVYears, VarshphalYearsRule, "3", "1900"},
        {"255", w.txtVYears, VarshphalYearsRule, "3", "1900"},
        {"9e99", w.txtVYears, VarshphalYearsRule, "3", "1900"},
        // The last year stays within 2199.
        {"11", w.txtVYears, VarshphalYearsRuleFrom("2190"), "10", "2190"},
        {"177", w.txtVYears, VarshphalYearsRuleFrom("2024"), "176"},
    };
    EXPECT_EQ(VarshphalYearsRuleFrom("2190"),
              "The number of varshphal years from 2190 should be from 1 to 10: the last year is at most 2199.");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        w.txtVFrom->setText(QString::fromLatin1(c.from));
        // Left for another box: refused, kept as typed, the focus back.
        c.box->setFocus();
        Settle();
        c.box->setText(QString::fromLatin1(c.typed));
        w.cmbAyanamsa->setFocus();
        Settle();
        EXPECT_EQ(messages.messages, std::vector<std::string>{c.rule});
        EXPECT_EQ(c.box->text(), QString::fromLatin1(c.typed));
        EXPECT_EQ(FocusedControl(), c.box->objectName());
        // Preview straight from the box (F11) computes nothing.
        messages.messages.clear();
        w.mnuOutput_Click(0);
        Settle();
        EXPECT_EQ(messages.messages, std::vector<std::string>{c.rule});
        EXPECT_EQ(previews, 0);
        messages.messages.clear();
        c.box->setText(QString::fromLatin1(c.good));
        // What the message allows is taken.
        c.box->setFocus();
        Settle();
        w.cmbAyanamsa->setFocus();
        Settle();
        EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
        EXPECT_EQ(c.box->text(), QString::fromLatin1(c.good));
        w.mnuOutput_Click(0);
        Settle();
        EXPECT_EQ(previews, 1);
        EXPECT_EQ(OutputRun().VarshphalFrom, QString::fromLatin1(c.from).toInt());
        previews = 0;
        messages.messages.clear();
    }
}

// A message box takes the focus away; when the window is active again, the
// platform may hand the focus to the box the user was going to.
class FocusTakingReporter : public CollectingReporter {
public:
    std::function<void()> meanwhile;
    void Message(const std::string& text, const std::string& title = {}) override
    {
        CollectingReporter::Message(text, title);
        QWidget box;
        box.show();
        box.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
        if (meanwhile)
            meanwhile();
    }
};

TEST_F(MainWindowTest, TheRefusedBoxGetsTheFocusBackAfterItsMessage)
{
    frmMain& w = StartShown();
    FocusTakingReporter boxes;
    ScopedReporter useBoxes(boxes);
    boxes.meanwhile = [&] { w.cmbZones[0]->setFocus(); };   // the window is not active: no focus change yet
    w.txtTOB[0]->setFocus();
    Settle();
    w.txtTOB[0]->setText("25:00");
    w.cmbZones[0]->setFocus();
    Settle();
    ASSERT_EQ(boxes.messages, std::vector<std::string>{InvalidTimeMessage});
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    Settle();
    EXPECT_EQ(FocusedControl(), QStringLiteral("txtTOB0"));
    EXPECT_EQ(boxes.messages.size(), 1u);

    // Once the focus is back, the window's later returns are the user's own.
    w.txtTOB[0]->setText("10:05");
    w.cmbZones[0]->setFocus();
    Settle();
    EXPECT_EQ(w.txtTOB[0]->text(), QStringLiteral("10:05:00 AM"));
    EXPECT_EQ(FocusedControl(), QStringLiteral("cmbZones0"));
}

TEST_F(MainWindowTest, AZoneChangeReloadsOnlyThatPersonsPlaces)
{
    frmMain& w = StartShown();
    w.SSTab1->setCurrentIndex(1);
    ASSERT_TRUE(w.cmbZones[1]->SelectText(QStringLiteral("Nepal [86E15]")));
    EXPECT_EQ(Items(w.cmbPlaces[1]), (QStringList{"Kathmandu", "Pokhara"}));
    EXPECT_EQ(w.cmbPlaces[1]->currentText(), QStringLiteral("Kathmandu"));
    EXPECT_EQ(w.txtLatLong[1]->text(), QStringLiteral("27N42 85E19"));
    // The first person keeps India and Delhi.
    EXPECT_EQ(Items(w.cmbPlaces[0]), (QStringList{"Agra", "Delhi", "Mumbai"}));
    EXPECT_EQ(w.cmbPlaces[0]->currentText(), QStringLiteral("Delhi"));
    EXPECT_EQ(w.txtLatLong[0]->text(), QStringLiteral("28N39 77E13"));

    w.cmbPlaces[1]->setCurrentIndex(1);
    EXPECT_EQ(w.txtLatLong[1]->text(), QStringLiteral("28N14 83E59"));

    // A zone without places leaves no place behind, so no stale place is used.
    ASSERT_TRUE(w.cmbZones[1]->SelectText(QStringLiteral("Antarctica [0E00]")));
    EXPECT_EQ(messages.messages,
              std::vector<std::string>{"Places not available in the database for the chosen time zone at the "
                                       "moment.\n Kindly add a new place for this time zone manually."});
    EXPECT_EQ(w.cmbPlaces[1]->count(), 0);
    EXPECT_EQ(w.EntryOf(1).placeId, 0);
    EXPECT_EQ(w.txtLatLong[1]->text(), QString());
    EXPECT_EQ(w.cmbPlaces[0]->Key(), 1273294);

    // No zone at all: nothing is queried, nothing listed.
    w.cmbZones[1]->setCurrentIndex(-1);
    EXPECT_EQ(w.EntryOf(1).zoneId, 0);
    EXPECT_EQ(w.cmbPlaces[1]->count(), 0);
    EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(MainWindowTest, LeavingAPickerTakesTheRowItsListShowsOrTellsTheText)
{
    frmMain& w = StartShown();
    const std::string nowhere = "No place of India [82E30] is named \"Nowhere\".\nKindly add the place with the "
                                "\"*\" button beside the place list.";
    const struct {
        const char* typed;
        bool namesRow;
        const char* shown;
        long long key;
        const char* coordinates;
        const char* focused;
    } cases[] = {
        {"mumbai", true, "Mumbai", 1275339, "18N58 72E50", "cmbWTC0"},
        // No row: told, the text and the focus stay, no key.
        {"Nowhere", false, "Nowhere", 0, "18N58 72E50", "cmbPlaces0"},
        {"AGRA", true, "Agra", 1279259, "27N11 78E01", "cmbWTC0"},
        // A part of a name: the first row that holds it.
        {"elh", false, "Delhi", 1273294, "28N39 77E13", "cmbWTC0"},
        {"umb", false, "Mumbai", 1275339, "18N58 72E50", "cmbWTC0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        messages.messages.clear();
        w.cmbPlaces[0]->setFocus();
        Settle();
        QLineEdit* edit = w.cmbPlaces[0]->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, QString::fromLatin1(c.typed));
        Settle();
        // While the text names no row there is no key to read.
        EXPECT_EQ(w.EntryOf(0).placeId, c.namesRow ? c.key : 0);
        w.cmbPlaces[0]->completer()->popup()->hide();
        w.cmbWTC[0]->setFocus();
        Settle();
        EXPECT_EQ(w.cmbPlaces[0]->currentText(), QString::fromLatin1(c.shown));
        EXPECT_EQ(w.EntryOf(0).placeId, c.key);
        EXPECT_EQ(w.txtLatLong[0]->text(), QString::fromLatin1(c.coordinates));
        EXPECT_EQ(FocusedControl(), QString::fromLatin1(c.focused));
        EXPECT_EQ(messages.messages, c.key ? std::vector<std::string>{} : std::vector<std::string>{nowhere});
    }
}

TEST_F(MainWindowTest, TheMatchMakingTabSwitchesColumnsAndFixesTheSexes)
{
    frmMain& w = StartShown();
    w.cmbSex[0]->setCurrentIndex(1);
    w.txtGotra->setText(QStringLiteral("Bharadwaj"));
    w.cmbAyanamsa->setFocus();

    w.SSTab1->setCurrentIndex(1);
    Settle();
    EXPECT_TRUE(w.MatchMakingMode());
    EXPECT_TRUE(w.tbMode[1]->isChecked());
    EXPECT_FALSE(w.tbMode[0]->isChecked());
    EXPECT_TRUE(w.frFemale->isVisible());
    EXPECT_FALSE(w.frPhal->isVisible());
    EXPECT_FALSE(w.FrameVarshphal->isEnabled());
    EXPECT_FALSE(w.cmbSex[0]->isEnabled());
    EXPECT_EQ(w.cmbSex[0]->currentText(), QStringLiteral("Male"));
    EXPECT_FALSE(w.cmbSex[1]->isEnabled());
    EXPECT_EQ(w.cmbSex[1]->currentText(), QStringLiteral("Female"));
    EXPECT_EQ(w.txtName[0]->toolTip(), QStringLiteral("Famous Name of the boy"));
    EXPECT_EQ(FocusedControl(), QStringLiteral("txtName0"));
    for (QWidget* c : std::initializer_list<QWidget*>{w.txtName[1], w.txtDOB[1], w.txtTOB[1], w.cmbZones[1],
                                                      w.cmbPlaces[1], w.cmbWTC[3], w.cmbWTC[4], w.cmbWTC[5]})
        EXPECT_TRUE(c->isEnabled()) << c->objectName().toStdString();

    w.SSTab1->setCurrentIndex(0);
    Settle();
    EXPECT_FALSE(w.MatchMakingMode());
    EXPECT_TRUE(w.frPhal->isVisible());
    EXPECT_FALSE(w.frFemale->isVisible());
    EXPECT_TRUE(w.FrameVarshphal->isEnabled());
    EXPECT_TRUE(w.cmbSex[0]->isEnabled());
    EXPECT_EQ(w.cmbSex[0]->currentText(), QStringLiteral("Male"));
    EXPECT_EQ(w.txtName[0]->toolTip(), QStringLiteral("Famous Name"));
    EXPECT_EQ(w.txtGotra->text(), QStringLiteral("Bharadwaj"));
    EXPECT_FALSE(w.txtName[1]->isEnabled());
    EXPECT_FALSE(w.cmbZones[1]->isEnabled());
}

// Each person's entries are one box: the controls carry the person's index,
// and a horoscope file's person goes in and comes out unchanged.
TEST_F(MainWindowTest, EachPersonsBoxTakesAndGivesAFilesPerson)
{
    frmMain& w = Start();
    ASSERT_TRUE(started);
    for (int i = 0; i < 2; ++i) {
        const PersonEntryBox* box = w.PersonBoxes[i];
        ASSERT_TRUE(box);
        EXPECT_EQ(box->Person(), i);
        const QString n = QString::number(i);
        EXPECT_EQ(box->txtName, w.findChild<QLineEdit*>(QStringLiteral("txtName") + n));
        EXPECT_EQ(box->cmbPlaces, w.findChild<QComboBox*>(QStringLiteral("cmbPlaces") + n));
        EXPECT_EQ(box->cmbWTC[2], w.findChild<QComboBox*>(QStringLiteral("cmbWTC") + QString::number(3 * i + 2)));
        EXPECT_EQ(box->cmdGhati, w.findChild<QPushButton*>(i == 0 ? QStringLiteral("cmdGhati") : QStringLiteral("cmdGhati2")));
    }
    EXPECT_EQ(w.frFemale, w.PersonBoxes[1]);

    const HoroscopePerson girl{QStringLiteral("Meera"), QDate(1983, 3, 2), QStringLiteral("07:05:09 PM"), 1,
                               1282988, 1282898, 1, 2, 45};
    w.PersonBoxes[1]->Take(girl);
    EXPECT_EQ(w.PersonBoxes[1]->FileEntry(), girl);
    EXPECT_EQ(w.cmbPlaces[1]->currentText(), QStringLiteral("Pokhara"));
    EXPECT_EQ(w.txtLatLong[1]->text(), QStringLiteral("28N14 83E59"));
    const PersonEntry entry = w.EntryOf(1);
    EXPECT_EQ(std::tie(entry.warSign, entry.warHours, entry.warMinutes),
              std::make_tuple(QStringLiteral("-"), QStringLiteral("2"), QStringLiteral("45")));
    // The native's box is not touched.
    EXPECT_EQ(w.txtName[0]->text(), QStringLiteral("Ravi Kumar"));
    EXPECT_EQ(w.cmbPlaces[0]->currentText(), QStringLiteral("Delhi"));

    // A place the zone does not list leaves no coordinates of another.
    HoroscopePerson stray = girl;
    stray.placeId = 1273294;   // Delhi, not in Nepal
    w.PersonBoxes[1]->Take(stray);
    EXPECT_EQ(w.cmbPlaces[1]->currentIndex(), -1);
    EXPECT_EQ(w.txtLatLong[1]->text(), QString());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MainWindowTest, TheEntriesFillTheBirthRecordAndTheChart)
{
    frmMain& w = StartShown();
    w.cmbWTC[0]->setCurrentIndex(0);   // "+"
    w.cmbWTC[1]->setCurrentIndex(1);   // 1 hour
    const PersonEntry entry = w.EntryOf(0);
    ASSERT_TRUE(FillNativeBirth(entry, PersonWord(0)));
    const std::optional<PersonInput> person = PersonInputOf(entry, Native());
    ASSERT_TRUE(person);
    PrepareRun({.native = *person, .family = FamilyLinesOf(w.Family()), .ayanamsaChoice = w.Choices().ayanamsa});
    const BirthRecord& n = Native();
    EXPECT_EQ(n.Name, "Ravi Kumar");
    EXPECT_EQ(n.Place, "Delhi");
    EXPECT_EQ(n.Country, "India");
    EXPECT_EQ(n.Sex, "Male");
    EXPECT_DOUBLE_EQ(n.ZoneMeridian, 82.5);
    EXPECT_DOUBLE_EQ(n.ZoneHours, 5.5);
    EXPECT_EQ(std::tie(n.LatDeg, n.LatMin, n.LongDeg, n.LongMin), std::make_tuple(28, 39, 77, 13));
    EXPECT_EQ(std::tie(n.Day, n.Month, n.Year, n.Hour, n.Minute, n.Second),
              std::make_tuple(15, 8, 1980, 10, 30, 0));
    EXPECT_DOUBLE_EQ(n.TimeCorrection, -1);
    EXPECT_EQ(Births().NativeWarTime, (WarTime{1, 0, 0}));
    EXPECT_NEAR(Chart().PlaceLatitude, 28 + 39 / 60.0, 1e-9);
    EXPECT_EQ(Births().BirthMoon, Chart().PlanetLongitudes[8]);
    EXPECT_EQ(Births().Father, w.txtFather->text().toStdString());
    EXPECT_EQ(Births().Gotra, w.txtGotra->text().toStdString());
}

TEST_F(MainWindowTest, TheNewPlaceButtonWantsAZoneAndAnEditor)
{
    frmMain& w = StartShown();
    EXPECT_TRUE(w.cmdNewLatLong[0]->isEnabled());    // the places editor is connected at start
    w.SetPlacesEditor({});
    EXPECT_FALSE(w.cmdNewLatLong[0]->isEnabled());   // without an editor the button waits

    std::vector<long long> edited;
    w.SetPlacesEditor([&](long long zone) {
        edited.push_back(zone);
        DatDatabase().Execute("INSERT INTO Places (\"Country ID\", PlaceName, Latitude, Longitude) "
                              "VALUES (6697173, 'McMurdo', '77S51', '166E40')");
    });
    EXPECT_TRUE(w.cmdNewLatLong[0]->isEnabled());
    EXPECT_FALSE(w.cmdNewLatLong[1]->isEnabled());   // the girl's waits for Match-Making

    w.cmbZones[0]->setCurrentIndex(-1);
    w.cmdNewLatLong[0]->click();
    EXPECT_TRUE(edited.empty());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].find("Time Zone"), std::string::npos);

    messages.messages.clear();
    ASSERT_TRUE(w.cmbZones[0]->SelectText(QStringLiteral("Antarctica [0E00]")));
    EXPECT_EQ(messages.messages.size(), 1u);   // no places there yet
    w.cmdNewLatLong[0]->click();
    EXPECT_EQ(edited, std::vector<long long>{6697173});
    EXPECT_EQ(w.cmbPlaces[0]->currentText(), QStringLiteral("McMurdo"));
    EXPECT_EQ(w.txtLatLong[0]->text(), QStringLiteral("77S51 166E40"));
    EXPECT_EQ(messages.messages.size(), 1u);
}

} // namespace
