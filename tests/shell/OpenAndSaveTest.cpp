// Horoscope files from the File menu: Save and Save As with their dialog,
// Open bringing every entry back in either mode, New, and files that cannot
// be written or read.

#include "OutputFixture.h"

#include "shell/EntryRules.h"
#include "shell/HoroscopeFile.h"
#include "shell/TextFile.h"

#include <QAction>
#include <QGroupBox>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

class OpenAndSaveTest : public OutputRunTest {
protected:
    QString File(const char* name) const { return QString::fromStdString(folder.File(name)); }

    QStringList LinesOf(const QString& path) const
    {
        std::string error;
        return ReadTextLines(path, error).value_or(QStringList{});
    }

    // Entries unlike the sample's in every field.
    static void EnterAHoroscope(frmMain& w)
    {
        w.txtName[0]->setText(QStringLiteral("Asha Rao"));
        if (!w.MatchMakingMode())   // in a match the first person is the boy
            w.cmbSex[0]->setCurrentIndex(1);
        w.txtDOB[0]->setDate(QDate(1975, 1, 26));
        w.txtTOB[0]->setText(QStringLiteral("11:45 PM"));
        ASSERT_TRUE(w.cmbZones[0]->SelectText(QStringLiteral("Nepal [86E15]")));
        ASSERT_TRUE(w.cmbPlaces[0]->SelectText(QStringLiteral("Pokhara")));
        w.cmbWTC[0]->setCurrentIndex(1);
        w.cmbWTC[1]->setCurrentIndex(1);
        w.cmbWTC[2]->setCurrentIndex(15);
        w.cmbAyanamsa->setCurrentIndex(1);
        w.cmbCharting->setCurrentIndex(1);
        w.cmbLanguage->setCurrentIndex(0);
        w.txtVFrom->setText(QStringLiteral("2030"));
        w.txtVYears->setText(QStringLiteral("2"));
        w.txtFather->setText(QStringLiteral("Mohan Rao"));
        w.TXTMother->setText(QStringLiteral("Sita Rao"));
        w.txtGrandfather->setText(QStringLiteral("Gopal Rao"));
        w.txtGotra->setText(QStringLiteral("Bharadwaj"));
    }
    static void EnterAGirl(frmMain& w)
    {
        w.txtName[1]->setText(QStringLiteral("Meera"));
        w.txtDOB[1]->setDate(QDate(1983, 3, 2));
        w.txtTOB[1]->setText(QStringLiteral("07:05:09 AM"));
        ASSERT_TRUE(w.cmbZones[1]->SelectText(QStringLiteral("United States (New York) [75W0]")));
        w.cmbWTC[4]->setCurrentIndex(1);
    }

    // Saves through the dialog into path; the request the dialog got.
    FileRequest SaveAs(frmMain& w, const QString& path)
    {
        fileRequests.clear();
        chooseFile = [path](const FileRequest&) { return path; };
        w.mnuFileSaveAs->trigger();
        return fileRequests.empty() ? FileRequest{} : fileRequests.front();
    }
    // Opens path; entries changed before are not saved.
    void Open(frmMain& w, const QString& path)
    {
        chooseFile = [path](const FileRequest&) { return path; };
        messages.answers = {Answer::No};
        w.mnuFileOpen->trigger();
        messages.answers.clear();
    }
};

TEST_F(OpenAndSaveTest, OpenBringsBackEverySavedEntryInEitherMode)
{
    for (bool match : {false, true}) {
        SCOPED_TRACE(match ? "match" : "horoscope");
        frmMain& w = StartIn(match);
        EnterAHoroscope(w);
        if (match)
            EnterAGirl(w);
        const QString path = File(match ? "match.TVK" : "asha.TVK");
        const FileRequest asked = SaveAs(w, path);
        EXPECT_EQ(asked.kind, FileRequest::Kind::Save);
        EXPECT_EQ(asked.title, QStringLiteral("Save"));
        EXPECT_EQ(asked.filter, QStringLiteral("Tarvik Files (*.TVK)"));
        EXPECT_EQ(asked.proposedName, match ? QStringLiteral("Asha Rao, Meera") : QStringLiteral("Asha Rao"));
        EXPECT_EQ(w.CurrentFileName, path);
        EXPECT_EQ(w.windowTitle(), path);
        const QStringList lines = LinesOf(path);
        ASSERT_EQ(lines.size(), match ? 28 : 19);
        EXPECT_EQ(lines.mid(0, 10), (QStringList{match ? "Match" : "Horo", "Asha Rao", "26-Jan-1975",
                                                 "11:45:00 PM", match ? " 0 " : " 1 ", " 1282988 ", " 1282898 ",
                                                 " 1 ", " 1 ", " 15 "}));
        const HoroscopeEntries saved = w.Entries();
        Stop();

        // A window that starts on the sample person in the other mode.
        frmMain& again = StartIn(!match);
        Open(again, path);
        EXPECT_EQ(fileRequests.back().title, QStringLiteral("Open"));
        EXPECT_EQ(fileRequests.back().kind, FileRequest::Kind::Open);
        EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
        HoroscopeEntries opened = again.Entries();
        if (!match)   // the girl's column is not in a horoscope's file
            opened.persons[1] = saved.persons[1];
        EXPECT_EQ(opened, saved);
        EXPECT_EQ(again.MatchMakingMode(), match);
        EXPECT_EQ(again.SSTab1->currentIndex(), match ? 1 : 0);
        EXPECT_EQ(again.frFemale->isHidden(), !match);
        EXPECT_EQ(again.cmbPlaces[0]->currentText(), QStringLiteral("Pokhara"));
        EXPECT_EQ(again.txtLatLong[0]->text(), QStringLiteral("28N14 83E59"));
        EXPECT_EQ(again.CurrentFileName, path);
        EXPECT_EQ(again.windowTitle(), path);
        Stop();
    }
}

TEST_F(OpenAndSaveTest, SaveWritesTheFileOnScreenAndSaveAsMovesToANewOne)
{
    frmMain& w = StartIn(false);
    const QString first = File("first.TVK"), second = File("second.TVK");
    SaveAs(w, first);
    ASSERT_EQ(w.CurrentFileName, first);

    // Save goes to the file on screen without asking.
    w.txtName[0]->setText(QStringLiteral("Ravi K."));
    fileRequests.clear();
    w.mnuFileSave->trigger();
    EXPECT_TRUE(fileRequests.empty());
    EXPECT_EQ(LinesOf(first).value(1), QStringLiteral("Ravi K."));

    // Save As cancelled keeps the file and the caption.
    SaveAs(w, QString());
    EXPECT_EQ(fileRequests.size(), 1u);
    EXPECT_EQ(w.CurrentFileName, first);
    EXPECT_EQ(w.windowTitle(), first);

    SaveAs(w, second);
    EXPECT_EQ(w.CurrentFileName, second);
    EXPECT_EQ(w.windowTitle(), second);
    EXPECT_EQ(LinesOf(second), LinesOf(first));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(OpenAndSaveTest, NewClearsThePersonsButNotTheirPlacesOrTheMode)
{
    frmMain& w = StartIn(true);
    EnterAHoroscope(w);
    EnterAGirl(w);
    SaveAs(w, File("match.TVK"));
    const HoroscopeEntries before = w.Entries();

    w.mnuFileNew->trigger();
    EXPECT_EQ(w.CurrentFileName, QString());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("...New"));
    const HoroscopeEntries now = w.Entries();
    EXPECT_TRUE(now.match);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const HoroscopePerson &p = now.persons[i], &b = before.persons[i];
        EXPECT_EQ(p.name, QString());
        EXPECT_EQ(p.birthDate, QDate::currentDate());
        EXPECT_TRUE(ReadTimeEntry(p.birthTime));
        EXPECT_EQ(p.zoneId, b.zoneId);
        EXPECT_EQ(p.placeId, b.placeId);
        EXPECT_EQ(p.sexIndex, b.sexIndex);
        EXPECT_EQ(p.warMinutes, b.warMinutes);
    }
    for (const QString& family : {now.father, now.mother, now.grandfather, now.gotra})
        EXPECT_EQ(family, QString());
    EXPECT_EQ(now.ayanamsa, before.ayanamsa);
    EXPECT_EQ(now.varshphalFrom, before.varshphalFrom);
}

TEST_F(OpenAndSaveTest, AFileThatCannotBeOpenedChangesNothing)
{
    frmMain& w = StartIn(false);
    const QString good = File("good.TVK");
    SaveAs(w, good);
    const QStringList lines = LinesOf(good);
    const auto damaged = [&](const char* name, int line, const char* text) {
        QStringList changed = lines;
        changed[line - 1] = QString::fromLatin1(text);
        EXPECT_EQ(WriteTextLines(File(name), changed), std::nullopt);
        return File(name);
    };
    const auto cut = [&](const char* name, int count) {
        EXPECT_EQ(WriteTextLines(File(name), lines.mid(0, count)), std::nullopt);
        return File(name);
    };
    const struct {
        const char* what;
        QString path;
        const char* says;
    } cases[] = {
        {"a missing file", File("none.TVK"), "cannot be opened: "},
        {"cut short", cut("short.TVK", 13), "the file ends before the first varshphal year"},
        {"an hour the list lacks", damaged("hour.TVK", 9, " 24 "), "line 9: "},
        {"a match without its girl", damaged("girl.TVK", 1, "horo"), "line 12: "},
    };
    EnterAHoroscope(w);
    w.mnuFileNew->trigger();
    const HoroscopeEntries before = w.Entries();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        messages.messages.clear();
        Open(w, c.path);
        ASSERT_EQ(messages.messages.size(), 1u);
        const std::string& said = messages.messages[0];
        EXPECT_EQ(said.rfind("The horoscope file " + c.path.toStdString(), 0), 0u) << said;
        EXPECT_NE(said.find(c.says), std::string::npos) << said;
        EXPECT_NE(said.find("Nothing was changed."), std::string::npos) << said;
        EXPECT_EQ(w.Entries(), before);
        EXPECT_FALSE(w.MatchMakingMode());
        EXPECT_EQ(w.CurrentFileName, QString());
        EXPECT_EQ(w.windowTitle(), QStringLiteral("...New"));
    }
    // Cancelled: nothing at all.
    messages.messages.clear();
    Open(w, QString());
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(w.Entries(), before);
}

TEST_F(OpenAndSaveTest, EntriesThatCouldNotBeOpenedAgainAreNotSaved)
{
    const struct {
        const char* what;
        bool match;
        std::function<void(frmMain&)> enter;
        const char* message;
        bool asks;
    } cases[] = {
        {"no zone", false, [](frmMain& w) { w.cmbZones[0]->setCurrentIndex(-1); },
         "Please select the Time Zone again for Male", false},
        {"the girl's place missing", true,
         [](frmMain& w) { ASSERT_TRUE(w.cmbZones[1]->SelectText(QStringLiteral("Antarctica [0E00]"))); },
         "Please select the Place again for Female", false},
        {"an unreadable time", false, [](frmMain& w) { w.txtTOB[0]->setText(QStringLiteral("25:00")); },
         InvalidTimeMessage, false},
        // The dialog was answered, but the folder is not there.
        {"a folder that is not there", false, [](frmMain&) {}, "The horoscope could not be saved as ", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        frmMain& w = StartIn(c.match);
        c.enter(w);
        messages.messages.clear();
        SaveAs(w, File("none/x.TVK"));
        EXPECT_EQ(fileRequests.size(), c.asks ? 1u : 0u);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].rfind(c.message, 0), 0u) << messages.messages[0];
        EXPECT_EQ(w.CurrentFileName, QString());
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Tarvik for Windows"));
        Stop();
    }
    EXPECT_FALSE(fs::exists(folder.Path() / "none"));
}

TEST_F(OpenAndSaveTest, TheAnnualChartLinesOpenAsTheirBoxesTakeThem)
{
    frmMain& w = StartIn(false);
    const QString good = File("good.TVK");
    SaveAs(w, good);
    const QStringList lines = LinesOf(good);
    const int thisYear = QDate::currentDate().year();
    const struct {
        const char *year, *count;
    } cases[] = {{"", "1"}, {"1850", "2"}, {"2250", "2"}, {"2030", "0"}, {"2030", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.year) + "/" + c.count);
        QStringList changed = lines;
        changed[13] = QString::fromLatin1(c.year);
        changed[14] = QString::fromLatin1(c.count);
        const QString path = File("years.TVK");
        ASSERT_EQ(WriteTextLines(path, changed), std::nullopt);
        messages.messages.clear();
        Open(w, path);
        EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
        EXPECT_EQ(w.CurrentFileName, path);
        EXPECT_EQ(w.txtVFrom->text(), CheckedVarshphalFrom(QString::fromLatin1(c.year), thisYear));
        EXPECT_EQ(w.txtVYears->text(), CheckedVarshphalYears(QString::fromLatin1(c.count)));
    }

    // Save writes the boxes as they stand, and they open so again.
    w.txtVFrom->setText(QStringLiteral("2250"));
    w.txtVYears->setText(QStringLiteral("3"));
    messages.messages.clear();
    SaveAs(w, File("ahead.TVK"));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(LinesOf(File("ahead.TVK")).mid(13, 2), (QStringList{QStringLiteral("2250"), QStringLiteral("3")}));
    w.txtVFrom->setText(QStringLiteral("2030"));
    Open(w, File("ahead.TVK"));
    EXPECT_EQ(w.txtVFrom->text(), QStringLiteral("2250"));
}

TEST_F(OpenAndSaveTest, AZoneOrPlaceNoLongerStoredIsLeftForTheUserToChoose)
{
    const struct {
        const char* what;
        int line;
        const char* text;
        const char* zone;   // the zone picker after Open
        const char* says;
    } cases[] = {
        {"a zone the database lacks", 6, " 999 ", "", "the person's time zone (Country ID 999) is not in the database"},
        {"a place the database lacks", 7, " 999 ", "Nepal [86E15]",
         "the person's place of birth (Place ID 999) is not in the database"},
        {"a place of another zone", 7, " 1273294 ", "Nepal [86E15]",
         "the person's place of birth, Delhi, does not lie in the time zone (Country ID 1282988)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        frmMain& w = StartShown();
        EnterAHoroscope(w);
        const QString good = File("good.TVK");
        SaveAs(w, good);
        QStringList changed = LinesOf(good);
        changed[c.line - 1] = QString::fromLatin1(c.text);
        const QString path = File("missing.TVK");
        ASSERT_EQ(WriteTextLines(path, changed), std::nullopt);
        w.mnuFileNew->trigger();
        ASSERT_TRUE(w.cmbZones[0]->SelectText(QStringLiteral("India [82E30]")));

        messages.messages.clear();
        Open(w, path);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_NE(messages.messages[0].find(std::string("was opened, but ") + c.says), std::string::npos)
            << messages.messages[0];
        // The rest is taken; the picker is left empty.
        EXPECT_EQ(w.CurrentFileName, path);
        EXPECT_EQ(w.txtName[0]->text(), QStringLiteral("Asha Rao"));
        EXPECT_EQ(w.txtGotra->text(), QStringLiteral("Bharadwaj"));
        EXPECT_EQ(w.cmbZones[0]->currentText(), QString::fromLatin1(c.zone));
        EXPECT_EQ(w.cmbPlaces[0]->Key(), 0);
        EXPECT_EQ(w.txtLatLong[0]->text(), QString());
        EXPECT_EQ(FocusedControl(), QString::fromLatin1(*c.zone ? "cmbPlaces0" : "cmbZones0"));

        // A run asks for what is missing.
        messages.messages.clear();
        EXPECT_FALSE(PressPreview(w));
        ASSERT_FALSE(messages.messages.empty());
        EXPECT_EQ(messages.messages[0], *c.zone ? "Please select the Place again for Male"
                                                : "Please select the Time Zone again for Male");
        Stop();
    }
}

TEST_F(OpenAndSaveTest, CloseNewAndOpenAskBeforeChangedEntriesGo)
{
    const auto typeName = [](frmMain& w, const char* name) {
        w.txtName[0]->setFocus(Qt::OtherFocusReason);
        w.txtName[0]->selectAll();
        QTest::keyClicks(w.txtName[0], QString::fromLatin1(name));
        QTest::keyClick(w.txtName[0], Qt::Key_Return);
        Settle();
    };
    const QString other = File("other.TVK");
    {
        frmMain& w = StartShown();
        EnterAHoroscope(w);
        SaveAs(w, other);
        Stop();
    }
    const QString saved = File("typed.TVK");
    chooseFile = [&](const FileRequest& r) { return r.kind == FileRequest::Kind::Save ? saved : other; };

    frmMain& w = StartShown();
    // Nothing typed since the start: Close asks only about the settings.
    messages.answers = {Answer::Cancel};
    EXPECT_FALSE(w.close());
    EXPECT_EQ(messages.questions, std::vector<std::string>{"Do you want to save settings ?"});

    typeName(w, "Kiran Shah");
    const HoroscopeEntries typed = w.Entries();
    // Cancel stops each command where it is; nothing is written.
    for (QAction* command : {w.mnuFileNew, w.mnuFileOpen, w.mnuFileExit}) {
        SCOPED_TRACE(command->text().toStdString());
        messages.questions.clear();
        fileRequests.clear();
        messages.answers = {Answer::Cancel};
        command->trigger();
        EXPECT_EQ(messages.questions, std::vector<std::string>{SaveEntriesQuestion});
        EXPECT_TRUE(fileRequests.empty());
        EXPECT_EQ(w.Entries(), typed);
        EXPECT_TRUE(w.isVisible());
    }
    // No: New goes on, and its fresh entries ask nothing.
    messages.answers = {Answer::No};
    w.mnuFileNew->trigger();
    EXPECT_EQ(w.txtName[0]->text(), QString());
    messages.questions.clear();
    w.mnuFileNew->trigger();
    EXPECT_TRUE(messages.questions.empty());

    // Yes: Open saves the typed entries first, then opens.
    typeName(w, "Kiran Shah");
    messages.questions.clear();
    messages.answers = {Answer::Yes};
    w.mnuFileOpen->trigger();
    EXPECT_EQ(messages.questions, std::vector<std::string>{SaveEntriesQuestion});
    ASSERT_EQ(LinesOf(saved).size(), 19);
    EXPECT_EQ(LinesOf(saved)[1], QStringLiteral("Kiran Shah"));
    EXPECT_EQ(w.txtName[0]->text(), QStringLiteral("Asha Rao"));
    EXPECT_EQ(w.CurrentFileName, other);

    // Entries as opened ask nothing; an edit asks at Close, then the settings.
    messages.questions.clear();
    messages.answers = {Answer::Cancel};
    EXPECT_FALSE(w.close());
    EXPECT_EQ(messages.questions, std::vector<std::string>{"Do you want to save settings ?"});
    typeName(w, "Asha R.");
    messages.questions.clear();
    messages.answers = {Answer::No, Answer::No};
    EXPECT_TRUE(w.close());
    EXPECT_EQ(messages.questions, (std::vector<std::string>{SaveEntriesQuestion, "Do you want to save settings ?"}));
    EXPECT_EQ(LinesOf(other)[1], QStringLiteral("Asha Rao"));
}

} // namespace
