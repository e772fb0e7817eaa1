// The main window when the places file is not as it should be: locked by
// another program, missing a column, holding coordinates no editor would
// store, or on a folder that cannot be written.

#include "OutputFixture.h"

#include "refdata/FileLock.h"
#include "shell/frmPlaces.h"

#include <QAction>

#include <sys/mount.h>

#include <cstdlib>

using namespace tarvik;
using namespace tarvik::testing;
using tarvik::locktest::FileLock;

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class PlacesFileTest : public OutputRunTest {
protected:
    // A lock outlasts a short wait, so that the tests stay quick.
    void SetUp() override
    {
        OutputRunTest::SetUp();
        SetLockWait(50);
    }
    void TearDown() override
    {
        SetLockWait(savedWait);
        OutputRunTest::TearDown();
    }

    std::string DataFile() const { return folder.File(std::string(DataDatabaseFile)); }

    // What a user has typed and chosen, to be found again after a failure.
    static std::vector<QString> Typed(const frmMain& w)
    {
        std::vector<QString> typed;
        for (int i = 0; i < 2; ++i) {
            const PersonEntry e = w.EntryOf(i);
            typed.insert(typed.end(), {e.name, e.birthDate.toString(Qt::ISODate), e.birthTime,
                                       QString::number(e.zoneId), QString::number(e.placeId),
                                       w.cmbPlaces[i]->currentText()});
        }
        return typed;
    }

    const int savedWait = LockWait();
};

TEST_F(PlacesFileTest, EveryCommandOfTheMainWindowSurvivesALockedPlacesFile)
{
    frmMain& w = StartShown();
    ASSERT_TRUE(w.cmbPlaces[0]->SelectText(QStringLiteral("Mumbai")));
    w.txtName[0]->setText(QStringLiteral("Typed Before The Lock"));
    w.txtTOB[0]->setText(QStringLiteral("06:45:00 PM"));
    const std::string file = folder.File("saved.TVK");
    chooseFile = [&](const FileRequest&) { return QString::fromStdString(file); };
    ASSERT_TRUE(w.mnuFileSave_Click());
    const std::vector<QString> typed = Typed(w);
    const std::string nativeBefore = Native().Name;

    FileLock lock(DataFile());
    ASSERT_TRUE(lock.Held());
    const struct {
        const char* what;
        std::function<void()> command;
        bool reads;   // the command reads the places file and must say it is in use
    } cases[] = {
        {"Preview", [&] { w.Command1->click(); }, true},
        {"Print", [&] { w.Command2->click(); }, true},
        {"Print Preview menu", [&] { w.mnuOutput[0]->trigger(); }, true},
        {"Print... menu", [&] { w.mnuOutput[1]->trigger(); }, true},
        {"ghati button", [&] { w.cmdGhati->click(); }, true},
        {"new place button", [&] { w.cmdNewLatLong[0]->click(); }, true},
        {"Time Zones menu", [&] { w.mnuLatLong->trigger(); }, true},
        {"Open", [&] { w.OpenHoroscopeFile(QString::fromStdString(file)); }, true},
        {"Save", [&] { w.mnuFileSave_Click(); }, false},
        {"the place list", [&] { w.cmbPlaces_Click(0); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        messages.messages.clear();
        const int shownBefore = shown;
        EXPECT_NO_THROW(c.command());
        EXPECT_EQ(shown, shownBefore) << "a window opened on a locked file";
        EXPECT_EQ(Typed(w), typed);
        EXPECT_EQ(Native().Name, nativeBefore);
        if (c.reads) {
            EXPECT_FALSE(messages.messages.empty());
        }
        for (const std::string& m : messages.messages) {
            EXPECT_TRUE(Contains(m, "in use by another program")) << m;
            EXPECT_FALSE(Contains(m, "damaged")) << m;
        }
    }

    // A zone chosen while the file is locked is told, and lists nothing.
    messages.messages.clear();
    EXPECT_NO_THROW(w.cmbZones[0]->SelectText(QStringLiteral("Nepal [86E15]")));
    ASSERT_FALSE(messages.messages.empty());
    EXPECT_TRUE(Contains(messages.messages[0], "in use by another program")) << messages.messages[0];

    // Once the other program is done, the same entries run.
    lock.Release();
    messages.messages.clear();
    ASSERT_TRUE(w.cmbZones[0]->SelectText(QStringLiteral("India [82E30]")));
    ASSERT_TRUE(w.cmbPlaces[0]->SelectText(QStringLiteral("Mumbai")));
    EXPECT_TRUE(PressPreview(w));
    EXPECT_EQ(Native().Place, "Mumbai");
    EXPECT_EQ(Native().Name, "Typed Before The Lock");
}

TEST_F(PlacesFileTest, APlacesTableWithoutItsLatitudeIsReportedByTheRun)
{
    {
        Database db(DataFile(), OpenMode::ReadWrite);
        db.Execute("CREATE TABLE Kept AS SELECT \"Place ID\", \"Country ID\", PlaceName, Longitude FROM Places;"
                   "DROP TABLE Places; ALTER TABLE Kept RENAME TO Places;"
                   "CREATE UNIQUE INDEX \"Places.PrimaryKey\" ON Places (\"Place ID\");"
                   "CREATE INDEX \"Places.Place\" ON Places (\"Country ID\", PlaceName);");
    }
    frmMain& w = Start();
    ASSERT_TRUE(started);
    const std::vector<QString> typed = Typed(w);
    for (QPushButton* command : {w.Command1, w.Command2, w.cmdGhati}) {
        SCOPED_TRACE(command->objectName().toStdString());
        messages.messages.clear();
        EXPECT_NO_THROW(command->click());
        EXPECT_EQ(shown, 0);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_TRUE(Contains(messages.messages[0], "Latitude")) << messages.messages[0];
        EXPECT_EQ(Typed(w), typed);
    }
}

TEST_F(PlacesFileTest, ACoordinateNoEditorWouldStoreIsToldWhenPickedAndCastsNoChart)
{
    BuildFixtureDatabases(std::string(FixtureCountries) + "900003,Broken Land,1e308E99\n",
                          std::string(FixturePlaces) +
                              "920001,221122,Abctown,abc,77E13\n"
                              "920002,221122,Farnorth,91N00,77E13\n"
                              "920003,221122,Wideminute,28N39,77E61\n"
                              "920004,900003,Brokentown,28N39,77E13\n");
    const struct {
        const char* zone;
        const char* place;
        std::vector<std::string> told;   // the row's name and the field
    } cases[] = {
        {"India [82E30]", "Abctown", {"\"Abctown\"", "Latitude", "abc"}},
        {"India [82E30]", "Farnorth", {"\"Farnorth\"", "Latitude"}},
        {"India [82E30]", "Wideminute", {"\"Wideminute\"", "Longitude"}},
        {"Broken Land [1e308E99]", "Brokentown", {"\"Broken Land\"", "Zone", "1e308E99"}},
    };
    frmMain& w = Start();
    ASSERT_TRUE(started);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.place);
        // A sound place first, so that picking the damaged one is a change.
        ASSERT_TRUE(w.cmbZones[0]->SelectText(QStringLiteral("India [82E30]")));
        ASSERT_TRUE(w.cmbPlaces[0]->SelectText(QStringLiteral("Delhi")));
        messages.messages.clear();
        ASSERT_TRUE(w.cmbZones[0]->SelectText(QString::fromLatin1(c.zone)));
        ASSERT_TRUE(w.cmbPlaces[0]->SelectText(QString::fromLatin1(c.place)));
        ASSERT_FALSE(messages.messages.empty()) << "nothing was told when it was picked";
        for (const std::string& part : c.told)
            EXPECT_TRUE(Contains(messages.messages[0], part)) << messages.messages[0];

        for (QPushButton* command : {w.Command1, w.cmdGhati}) {
            SCOPED_TRACE(command->objectName().toStdString());
            messages.messages.clear();
            Native().Place.clear();
            command->click();
            EXPECT_EQ(shown, 0) << "a window opened for a damaged row";
            EXPECT_EQ(Native().Place, "") << "a chart was cast";
            ASSERT_EQ(messages.messages.size(), 1u);
            for (const std::string& part : c.told)
                EXPECT_TRUE(Contains(messages.messages[0], part)) << messages.messages[0];
        }
    }
}

// The program folder as a read-only file system, with the user's data
// folder inside it: neither can take a writable copy of the places file.
class ReadOnlyFolderTest : public PlacesFileTest {
protected:
    void SetUp() override
    {
        PlacesFileTest::SetUp();
        const char* path = folder.Path().c_str();
        mounted = ::mount(path, path, nullptr, MS_BIND, nullptr) == 0;
        if (mounted && ::mount(nullptr, path, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
            ::umount2(path, MNT_DETACH);
            mounted = false;
        }
        if (const char* xdg = std::getenv("XDG_DATA_HOME"))
            savedXdg = xdg;
        ::setenv("XDG_DATA_HOME", folder.File("home").c_str(), 1);
    }
    void TearDown() override
    {
        PlacesFileTest::TearDown();
        if (mounted)
            ::umount2(folder.Path().c_str(), MNT_DETACH);
        if (savedXdg)
            ::setenv("XDG_DATA_HOME", savedXdg->c_str(), 1);
        else
            ::unsetenv("XDG_DATA_HOME");
    }

    bool mounted = false;
    std::optional<std::string> savedXdg;
};

TEST_F(ReadOnlyFolderTest, TheProgramStartsOnTheDeliveredFileAndTheEditorsShowButDoNotSave)
{
    if (!mounted)
        GTEST_SKIP() << "no read-only file system can be mounted here";
    frmMain& w = Start();
    ASSERT_TRUE(started) << (messages.messages.empty() ? "" : messages.messages.front());
    ASSERT_EQ(messages.messages.size(), 1u);
    const std::string note = messages.messages[0];
    EXPECT_TRUE(Contains(note, "cannot be added or changed while the program runs so")) << note;
    EXPECT_TRUE(Contains(note, "Read-only file system")) << note;
    EXPECT_EQ(DatDatabase().Path(), DataFile());

    // A chart needs no writing.
    messages.messages.clear();
    EXPECT_TRUE(PressPreview(w));
    EXPECT_EQ(Native().Place, "Delhi");
    EXPECT_TRUE(messages.messages.empty());

    // The places editor shows the zone's places; a correction is refused
    // with a reason and stays in the boxes.
    int opened = 0;
    whileOther = [&](QDialog& d) {
        auto& editor = dynamic_cast<frmPlaces&>(d);
        ++opened;
        EXPECT_EQ(editor.txtCity->text(), QStringLiteral("Agra"));
        editor.txtLatitude[1]->setText(QStringLiteral("12"));
        messages.answers = {Answer::Yes};
        editor.cmdMove[2]->click();
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_TRUE(Contains(messages.messages[0], "open for reading only")) << messages.messages[0];
        EXPECT_EQ(editor.txtCity->text(), QStringLiteral("Agra"));
        EXPECT_EQ(editor.txtLatitude[1]->text(), QStringLiteral("12"));
    };
    messages.messages.clear();
    w.cmdNewLatLong[0]->click();
    EXPECT_EQ(opened, 1);
    Recordset rs(DatDatabase(), "SELECT Latitude FROM Places WHERE PlaceName = 'Agra'");
    EXPECT_EQ(rs.Field("Latitude").Text(), "27N11");
    // Said once, at start-up.
    for (const std::string& m : messages.messages)
        EXPECT_FALSE(Contains(m, "cannot be added or changed while the program runs so")) << m;
}

} // namespace
