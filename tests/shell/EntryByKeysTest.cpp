// The entry form driven as a user drives it: keys typed into the boxes,
// Tab to leave them, clicks on the buttons.

#include "OutputFixture.h"

#include "shell/EntryRules.h"
#include "shell/frmPlaces.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <algorithm>
#include <vector>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

// A key with its modifiers, by the name a user knows it by.
struct KeyPress {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

class EntryByKeysTest : public OutputRunTest {
protected:
    // Into a box as a user does: the focus comes from another box by Tab
    // (which selects the text), the keys replace it.
    void TypeInto(QLineEdit* box, const QString& text)
    {
        window->txtName[0]->setFocus(Qt::TabFocusReason);
        Settle();
        box->setFocus(Qt::TabFocusReason);
        Settle();
        QTest::keyClicks(box, text);
    }
    static void Leave(QWidget* box)
    {
        QTest::keyClick(box, Qt::Key_Tab);
        Settle();
    }
};

TEST_F(EntryByKeysTest, TheDateBoxReadsTheWholeTextTyped)
{
    const struct {
        const char* before;
        const char* typed;
        const char* shown;   // nullptr: refused, the text stays as typed
        QDate date;
    } cases[] = {
        {"15-Feb-2001", "05-08-2001", "05-Aug-2001", QDate(2001, 8, 5)},
        {"15-Feb-2001", "20-Aug-1995", "20-Aug-1995", QDate(1995, 8, 20)},
        {"20-Aug-1995", "05-Feb-2001", "05-Feb-2001", QDate(2001, 2, 5)},
        {"20-Aug-1995", "5/8/2001", "05-Aug-2001", QDate(2001, 8, 5)},
        {"20-Aug-1995", "5.8.2001", "05-Aug-2001", QDate(2001, 8, 5)},
        {"20-Aug-1995", "5 8 2001", "05-Aug-2001", QDate(2001, 8, 5)},
        {"15-Feb-2001", "20/aug/1995", "20-Aug-1995", QDate(1995, 8, 20)},
        {"01-Jan-1990", "31-12-1989", "31-Dec-1989", QDate(1989, 12, 31)},
        {"20-Aug-1995", "31/02/2001", nullptr, {}},
        {"15-Feb-2001", "hello", nullptr, {}},
        {"15-Feb-2001", "15-02", nullptr, {}},
        {"15-Feb-2001", "01-01-1700", nullptr, {}},   // before the first year a chart is made for
    };
    frmMain& w = StartShown();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " over " + c.before);
        w.txtDOB[0]->setText(QString::fromLatin1(c.before));
        messages.messages.clear();
        TypeInto(w.txtDOB[0], QString::fromLatin1(c.typed));
        Leave(w.txtDOB[0]);
        if (!c.shown) {
            EXPECT_EQ(messages.messages, std::vector<std::string>{InvalidDateMessage});
            EXPECT_EQ(w.txtDOB[0]->text(), QString::fromLatin1(c.typed));
            EXPECT_EQ(FocusedControl(), QStringLiteral("txtDOB0"));
            // Nor does a run compute a chart for any date.
            messages.messages.clear();
            EXPECT_FALSE(PressPreview(w));
            EXPECT_EQ(messages.messages, std::vector<std::string>{InvalidDateMessage});
            continue;
        }
        EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
        EXPECT_EQ(w.txtDOB[0]->text(), QString::fromLatin1(c.shown));
        EXPECT_EQ(w.txtDOB[0]->date(), c.date);
        ASSERT_TRUE(PressPreview(w));
        EXPECT_EQ(QDate(Native().Year, Native().Month, Native().Day), c.date);
    }
}

TEST_F(EntryByKeysTest, ARunStraightFromTheDateBoxTakesWhatWasTyped)
{
    frmMain& w = StartShown();
    w.txtDOB[0]->setDate(QDate(2001, 2, 15));
    TypeInto(w.txtDOB[0], QStringLiteral("05-08-2001"));
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    Settle();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(QDate(Native().Year, Native().Month, Native().Day), QDate(2001, 8, 5));
    EXPECT_EQ(w.txtDOB[0]->text(), QStringLiteral("05-Aug-2001"));
    EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
}

TEST_F(EntryByKeysTest, TheCalendarBesideTheDatePicksADate)
{
    frmMain& w = StartShown();
    auto* open = w.txtDOB[0]->findChild<QAction*>(QStringLiteral("actCalendar"));
    ASSERT_NE(open, nullptr);
    open->trigger();
    QCalendarWidget* calendar = w.txtDOB[0]->Calendar();
    ASSERT_NE(calendar, nullptr);
    EXPECT_TRUE(calendar->isVisible());
    EXPECT_EQ(calendar->selectedDate(), QDate(1980, 8, 15));
    calendar->setSelectedDate(QDate(1991, 3, 7));
    QTest::keyClick(calendar->findChild<QTableView*>(), Qt::Key_Return);
    Settle();
    EXPECT_EQ(w.txtDOB[0]->text(), QStringLiteral("07-Mar-1991"));
    EXPECT_EQ(w.txtDOB[0]->Calendar(), nullptr);
    EXPECT_TRUE(messages.messages.empty());
}

// The calendar opens from the keys too, as the platform's date boxes open
// theirs, and closes on Escape with the date as it was.
TEST_F(EntryByKeysTest, TheCalendarOpensWithAltDownAndF4)
{
    frmMain& w = StartShown();
    const KeyPress cases[] = {
        {"Alt+Down", Qt::Key_Down, Qt::AltModifier},
        {"F4", Qt::Key_F4, Qt::NoModifier},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        w.txtDOB[0]->setFocus();
        Settle();
        QTest::keyClick(w.txtDOB[0], c.key, c.modifiers);
        Settle();
        QCalendarWidget* calendar = w.txtDOB[0]->Calendar();
        ASSERT_NE(calendar, nullptr);
        EXPECT_TRUE(calendar->isVisible());
        EXPECT_EQ(calendar->selectedDate(), QDate(1980, 8, 15));
        QTest::keyClick(calendar->findChild<QTableView*>(), Qt::Key_Escape);
        Settle();
        EXPECT_EQ(w.txtDOB[0]->Calendar(), nullptr);
        EXPECT_EQ(w.txtDOB[0]->text(), QStringLiteral("15-Aug-1980"));
    }
    // Down alone stays the box's own.
    w.txtDOB[0]->setFocus();
    Settle();
    QTest::keyClick(w.txtDOB[0], Qt::Key_Down);
    Settle();
    EXPECT_EQ(w.txtDOB[0]->Calendar(), nullptr);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(EntryByKeysTest, ABadEntryIsToldOnceWhenARunIsClicked)
{
    frmMain& w = StartShown();
    const struct {
        const char* what;
        QLineEdit* box;
        QPushButton* button;
        const char* message;
        const char* control;
    } cases[] = {
        {"time, Preview", w.txtTOB[0], w.Command1, InvalidTimeMessage, "txtTOB0"},
        {"time, Print", w.txtTOB[0], w.Command2, InvalidTimeMessage, "txtTOB0"},
        {"date, Preview", w.txtDOB[0], w.Command1, InvalidDateMessage, "txtDOB0"},
        {"date, Print", w.txtDOB[0], w.Command2, InvalidDateMessage, "txtDOB0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        w.txtTOB[0]->setText(QStringLiteral("10:30:00 AM"));
        w.txtDOB[0]->setDate(QDate(1980, 8, 15));
        TypeInto(c.box, QStringLiteral("abc"));
        messages.messages.clear();
        QTest::mouseClick(c.button, Qt::LeftButton);
        Settle();
        EXPECT_EQ(messages.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(FocusedControl(), QString::fromLatin1(c.control));
        EXPECT_EQ(c.box->text(), QStringLiteral("abc"));
        EXPECT_EQ(shown, 0);
    }
}

// Typing into a picker and pressing Enter as a user does: the keys go to the
// list under the box while it is open, else to the box.
class PickerByKeysTest : public EntryByKeysTest {
protected:
    static void TypeInto(PickerBox* picker, const QString& text)
    {
        picker->setFocus(Qt::TabFocusReason);
        Settle();
        QLineEdit* edit = picker->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        Settle();
        Reactivate(picker);
    }
    static QWidget* KeysGoTo(PickerBox* picker)
    {
        QAbstractItemView* list = picker->completer()->popup();
        return list->isVisible() ? static_cast<QWidget*>(list) : picker->lineEdit();
    }
    static QStringList Listed(PickerBox* picker)
    {
        QStringList rows;
        QAbstractItemView* list = picker->completer()->popup();
        if (list->isVisible())
            for (int r = 0; r < list->model()->rowCount(); ++r)
                rows << list->model()->index(r, 0).data().toString();
        return rows;
    }
    static QStringList Items(const QComboBox* list)
    {
        QStringList items;
        for (int k = 0; k < list->count(); ++k)
            items << list->itemText(k);
        return items;
    }
    static void Press(PickerBox* picker, Qt::Key key)
    {
        QTest::keyClick(KeysGoTo(picker), key);
        Settle();
        Reactivate(picker);
    }
    // The offscreen platform makes the list the active window while it is
    // open and leaves none active when it closes; a desktop gives the main
    // window back.
    static void Reactivate(PickerBox* picker)
    {
        if (picker->completer()->popup()->isVisible() || picker->window()->isActiveWindow())
            return;
        picker->window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(picker->window()));
        Settle();
    }
};

TEST_F(PickerByKeysTest, EnterTakesTheEntryTheListShowsAndMovesOn)
{
    frmMain& w = StartShown();
    // The only entry found.
    TypeInto(w.cmbZones[0], QStringLiteral("Nepal"));
    EXPECT_EQ(Listed(w.cmbZones[0]), QStringList{"Nepal [86E15]"});
    Press(w.cmbZones[0], Qt::Key_Return);
    EXPECT_EQ(w.cmbZones[0]->currentText(), QStringLiteral("Nepal [86E15]"));
    EXPECT_EQ(w.EntryOf(0).zoneId, 1282988);
    EXPECT_EQ(Items(w.cmbPlaces[0]), (QStringList{"Kathmandu", "Pokhara"}));
    EXPECT_EQ(FocusedControl(), QStringLiteral("cmbPlaces0"));

    TypeInto(w.cmbPlaces[0], QStringLiteral("okh"));
    Press(w.cmbPlaces[0], Qt::Key_Return);
    EXPECT_EQ(w.cmbPlaces[0]->currentText(), QStringLiteral("Pokhara"));
    EXPECT_EQ(w.txtLatLong[0]->text(), QStringLiteral("28N14 83E59"));
    EXPECT_EQ(FocusedControl(), QStringLiteral("cmbWTC0"));
    EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();

    // The chart is cast where the pickers say.
    ASSERT_TRUE(PressPreview(w));
    EXPECT_EQ(Native().Place, "Pokhara");
    EXPECT_NE(w.Preview()->windowTitle().indexOf(QStringLiteral("Pokhara Nepal [86E15]")), -1);

    // Of several found, the one highlighted.
    TypeInto(w.cmbZones[0], QStringLiteral("land"));
    const QStringList lands = Listed(w.cmbZones[0]);
    ASSERT_EQ(lands, (QStringList{"Lower Case Land [82e30]", "Tens Land [82E3]"}));
    Press(w.cmbZones[0], Qt::Key_Down);
    Press(w.cmbZones[0], Qt::Key_Down);
    Press(w.cmbZones[0], Qt::Key_Return);
    EXPECT_EQ(w.cmbZones[0]->currentText(), lands[1]);
    EXPECT_EQ(w.EntryOf(0).zoneId, 900002);
    EXPECT_EQ(w.cmbPlaces[0]->currentText(), QStringLiteral("Tenstown"));
    EXPECT_EQ(FocusedControl(), QStringLiteral("cmbPlaces0"));
    // And the first when none is.
    TypeInto(w.cmbZones[0], QStringLiteral("land"));
    Press(w.cmbZones[0], Qt::Key_Return);
    EXPECT_EQ(w.cmbZones[0]->currentText(), lands[0]);
    EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
}

TEST_F(PickerByKeysTest, ATextThatFindsNoEntryIsToldOnceAndKeepsTheTextAndTheFocus)
{
    frmMain& w = StartShown();
    const struct {
        const char* what;
        PickerBox* picker;
        const char* typed;
        const char* control;
        std::string message;
    } cases[] = {
        {"a zone", w.cmbZones[0], "Narnia", "cmbZones0",
         "No time zone is named \"Narnia\".\nType a part of the country's name and choose the zone from the list."},
        {"a place", w.cmbPlaces[0], "Lumbini", "cmbPlaces0",
         "No place of India [82E30] is named \"Lumbini\".\nKindly add the place with the \"*\" button beside the "
         "place list."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        messages.messages.clear();
        TypeInto(c.picker, QString::fromLatin1(c.typed));
        EXPECT_TRUE(Listed(c.picker).isEmpty());
        Press(c.picker, Qt::Key_Return);
        EXPECT_EQ(messages.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(c.picker->currentText(), QString::fromLatin1(c.typed));
        EXPECT_EQ(c.picker->Key(), 0);
        EXPECT_EQ(FocusedControl(), QString::fromLatin1(c.control));
        // Preview straight from there: the same message once, no chart.
        messages.messages.clear();
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        Settle();
        EXPECT_EQ(messages.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(shown, 0);
        EXPECT_EQ(FocusedControl(), QString::fromLatin1(c.control));
        EXPECT_EQ(c.picker->currentText(), QString::fromLatin1(c.typed));
        // Put right, the run goes on with what was chosen.
        messages.messages.clear();
        TypeInto(c.picker, c.picker == w.cmbZones[0] ? QStringLiteral("India") : QStringLiteral("Delhi"));
        Press(c.picker, Qt::Key_Return);
        EXPECT_TRUE(messages.messages.empty()) << messages.messages.front() << messages.messages.size();
        if (c.picker == w.cmbZones[0]) {
            ASSERT_TRUE(w.cmbPlaces[0]->SelectText(QStringLiteral("Delhi")));
        }
    }
    ASSERT_TRUE(PressPreview(w));
    EXPECT_EQ(Native().Place, "Delhi");
}

// F11, Ctrl+P and Ctrl+S straight from a picker being typed in take the
// entry the list shows, as leaving the box does, with the list open or
// closed.
TEST_F(PickerByKeysTest, ACommandFromAHalfTypedPickerTakesTheEntryTheListShows)
{
    frmMain& w = StartShown();
    const QString saved = QString::fromStdString(folder.File("typed.TVK"));
    chooseFile = [&](const FileRequest&) { return saved; };
    const KeyPress commands[] = {
        {"F11", Qt::Key_F11, Qt::NoModifier},
        {"Ctrl+P", Qt::Key_P, Qt::ControlModifier},
        {"Ctrl+S", Qt::Key_S, Qt::ControlModifier},
    };
    const struct {
        const char* what;
        PickerBox* picker;
        const char* typed;
        const char* place;
        long long placeId;
    } typings[] = {
        {"a place", w.cmbPlaces[0], "Mumb", "Mumbai", 1275339},
        {"a zone", w.cmbZones[0], "Nepa", "Kathmandu", 1283240},
    };
    for (const auto& t : typings)
        for (const auto& c : commands)
            for (const bool listOpen : {true, false}) {
                SCOPED_TRACE(std::string(t.what) + ", " + c.name + (listOpen ? ", list open" : ", list closed"));
                TypeInto(w.cmbZones[0], QStringLiteral("India"));
                Press(w.cmbZones[0], Qt::Key_Return);
                ASSERT_TRUE(w.cmbPlaces[0]->SelectText(QStringLiteral("Delhi")));
                fs::remove(saved.toStdString());
                messages.messages.clear();
                const int before = shown;
                TypeInto(t.picker, QString::fromLatin1(t.typed));
                ASSERT_EQ(t.picker->completer()->popup()->isVisible(), true);
                if (!listOpen)
                    Press(t.picker, Qt::Key_Escape);
                QTest::keyClick(KeysGoTo(t.picker), c.key, c.modifiers);
                Settle();
                EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
                EXPECT_EQ(w.EntryOf(0).placeId, t.placeId);
                EXPECT_EQ(w.cmbPlaces[0]->currentText(), QString::fromLatin1(t.place));
                if (c.key == Qt::Key_S) {
                    QFile file(saved);
                    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
                    EXPECT_TRUE(QString::fromLatin1(file.readAll()).contains(QString::number(t.placeId)));
                } else {
                    EXPECT_EQ(shown, before + 1);
                    EXPECT_EQ(Native().Place, t.place);
                }
            }
    // With nothing chosen the run says so.
    TypeInto(w.cmbZones[0], QStringLiteral("antarctica"));
    Press(w.cmbZones[0], Qt::Key_Return);
    messages.messages.clear();
    QTest::keyClick(w.txtName[0], Qt::Key_F11);
    Settle();
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Please select the Place again for Male"});
}

// The places editor driven through its boxes and buttons.
class PlacesAfterTheEditorTest : public EntryByKeysTest {
public:
    static void Replace(QLineEdit* box, const QString& text)
    {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    void AddPlace(frmPlaces& editor, const char* name)
    {
        editor.cmdAdd->click();
        Replace(editor.txtCity, QString::fromLatin1(name));
        Replace(editor.txtLatitude[0], QStringLiteral("28"));
        Replace(editor.txtLatitude[1], QStringLiteral("1"));
        Replace(editor.txtLongitude[0], QStringLiteral("73"));
        Replace(editor.txtLongitude[1], QStringLiteral("18"));
        messages.answers = {Answer::Yes};
        editor.cmdMove[1]->click();   // "Save Changes?"
    }
    void DeletePlace(frmPlaces& editor, const char* name)
    {
        Replace(editor.txtSearch, QString::fromLatin1(name));
        editor.cmdFind->click();
        ASSERT_EQ(editor.txtCity->text(), QString::fromLatin1(name));
        messages.answers = {Answer::Yes};
        editor.cmdDelete->click();
    }
};

TEST_F(PlacesAfterTheEditorTest, TheChosenPlaceStaysUnlessItWasDeleted)
{
    const struct {
        const char* what;
        std::function<void(PlacesAfterTheEditorTest&, frmPlaces&)> edit;
        const char* place;
        const char* coordinates;
    } cases[] = {
        {"nothing changed", [](auto&, frmPlaces&) {}, "Delhi", "28N39 77E13"},
        {"another place deleted", [](auto& t, frmPlaces& e) { t.DeletePlace(e, "Mumbai"); }, "Delhi",
         "28N39 77E13"},
        {"a place added", [](auto& t, frmPlaces& e) { t.AddPlace(e, "Bikaner"); }, "Bikaner", "28N01 73E18"},
        // Said so, and no other place taken in its stead.
        {"the chosen place deleted", [](auto& t, frmPlaces& e) { t.DeletePlace(e, "Delhi"); }, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(folder.File(std::string(DataDatabaseFile)));
        BuildFixtureDatabases(FixtureCountries, FixturePlaces);
        frmMain& w = StartShown();
        ASSERT_EQ(w.cmbPlaces[0]->currentText(), QStringLiteral("Delhi"));
        int opened = 0;
        whileOther = [&](QDialog& d) {
            ++opened;
            c.edit(*this, dynamic_cast<frmPlaces&>(d));
        };
        messages.messages.clear();
        w.cmdNewLatLong[0]->click();
        EXPECT_EQ(opened, 1);
        EXPECT_EQ(w.cmbPlaces[0]->currentText(), QString::fromLatin1(c.place));
        EXPECT_EQ(messages.messages,
                  *c.place ? std::vector<std::string>{}
                           : std::vector<std::string>{
                                 "The place Delhi was deleted. Please choose the place of birth again."});
        if (!*c.place) {
            EXPECT_EQ(w.cmbPlaces[0]->Key(), 0) << "no place stands in for the deleted one";
        }
        EXPECT_EQ(w.txtLatLong[0]->text(), QString::fromLatin1(c.coordinates));
        EXPECT_EQ(w.cmbZones[0]->currentText(), QStringLiteral("India [82E30]"));
        Stop();
    }
}

TEST_F(PlacesAfterTheEditorTest, ARefusedPlaceGetsTheFocusBackInTheRefusedBox)
{
    const struct {
        const char *city, *latDegrees, *latMinutes, *longDegrees, *longMinutes;
        const char* refused;   // the box that has the focus after the message
    } cases[] = {
        {"", "28", "1", "73", "18", "txtCity"},
        {"Bikaner", "95", "1", "73", "18", "txtLatitude0"},
        {"Bikaner", "28", "75", "73", "18", "txtLatitude1"},
        {"Bikaner", "28", "1", "x", "18", "txtLongitude0"},
        {"Bikaner", "28", "1", "73", "60", "txtLongitude1"},
    };
    frmMain& w = StartShown();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.refused);
        QString focused;
        std::size_t told = 0;
        whileOther = [&](QDialog& d) {
            auto& editor = dynamic_cast<frmPlaces&>(d);
            editor.show();
            editor.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
            editor.cmdAdd->click();
            Replace(editor.txtCity, QString::fromLatin1(c.city));
            Replace(editor.txtLatitude[0], QString::fromLatin1(c.latDegrees));
            Replace(editor.txtLatitude[1], QString::fromLatin1(c.latMinutes));
            Replace(editor.txtLongitude[0], QString::fromLatin1(c.longDegrees));
            Replace(editor.txtLongitude[1], QString::fromLatin1(c.longMinutes));
            messages.messages.clear();
            messages.answers = {Answer::Yes};
            QTest::mouseClick(editor.cmdMove[1], Qt::LeftButton);   // Top: "Save Changes?" Yes
            Settle();
            told = messages.messages.size();
            focused = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
            editor.hide();
        };
        w.cmdNewLatLong[0]->click();
        EXPECT_EQ(told, 1u);
        EXPECT_EQ(focused, QString::fromLatin1(c.refused));
    }
}

// Where a control stands in the window.
int Top(const QWidget* control) { return control->mapTo(control->window(), QPoint()).y(); }

TEST_F(EntryByKeysTest, AnySizeOfTheWindowKeepsTheRowsTogetherAndShowsWhatTheyHold)
{
    frmMain& w = StartShown();
    for (const bool match : {false, true}) {
        SCOPED_TRACE(match ? "Match-Making" : "Horoscope");
        w.SSTab1->setCurrentIndex(match ? 1 : 0);
        w.showNormal();
        w.resize(w.minimumSizeHint());
        Settle();
        // At the smallest size every box shows its whole text, every list its longest item.
        for (QLineEdit* box : {w.txtFather, w.TXTMother, w.txtGrandfather, w.txtGotra, w.txtName[0]}) {
            if (!box->isVisible())
                continue;
            EXPECT_GE(box->width(), box->fontMetrics().horizontalAdvance(box->text()) + 8)
                << box->objectName().toStdString();
        }
        for (QComboBox* list : {w.cmbAyanamsa, w.cmbCharting, w.cmbRahuKetu, w.cmbLanguage}) {
            int longest = 0;
            for (int k = 0; k < list->count(); ++k)
                longest = std::max(longest, list->fontMetrics().horizontalAdvance(list->itemText(k)));
            EXPECT_GE(list->width(), longest + 24) << list->objectName().toStdString();
        }
        const std::vector<std::pair<QWidget*, QWidget*>> rows = {
            {w.txtName[0], w.cmbSex[0]},   {w.txtName[0], w.txtLatLong[0]}, {w.cmbAyanamsa, w.cmbRahuKetu},
            {w.txtVFrom, w.txtVYears},     {w.txtName[0], w.cmbAyanamsa},   {w.txtName[0], w.txtYoginiFrom},
        };
        std::vector<int> gaps;
        for (const auto& [a, b] : rows)
            gaps.push_back(Top(b) - Top(a));
        const int optionsHeight = w.cmbAyanamsa->parentWidget()->height();

        // Much larger: the rows stay as they were, the room is left below them.
        w.resize(1920, 1200);
        Settle();
        for (std::size_t k = 0; k < rows.size(); ++k)
            EXPECT_EQ(Top(rows[k].second) - Top(rows[k].first), gaps[k])
                << rows[k].first->objectName().toStdString() << " to " << rows[k].second->objectName().toStdString();
        EXPECT_EQ(w.cmbAyanamsa->parentWidget()->height(), optionsHeight);
    }
}

} // namespace

namespace {

// The pickers over a data database that knows other names.
class NamesByKeysTest : public PickerByKeysTest {
protected:
    void SetUp() override
    {
        PickerByKeysTest::SetUp();
        folder.Write("countries.csv", std::string(FixtureCountries) + "900010,British Indian Ocean Terr.,72E00\n");
        folder.Write("places.csv", std::string(FixturePlaces) + "1275701,221122,Bijapur,16N49,75E42\n"
                                                                "1462711,221122,Vijayapura,13N17,77E48\n"
                                                                "900011,900010,Diego Garcia,7S18,72E24\n");
        folder.Write("place-names.csv", "Place ID,PlaceName,OtherName\n"
                                        "1275339,Mumbai,Bombay\n"
                                        "1283240,Kathmandu,Kantipur\n"
                                        "1275701,Bijapur,Vijayapura\n");
        folder.Write("country-names.csv", "Country,OtherName\n"
                                          "United States,USA\n"
                                          "United States,America\n");
        dbbuild::BuildDatabase({folder.File(std::string(DataDatabaseFile)),
                                SourceDir() + "/data/schema/data.sql",
                                {{"Countries", folder.File("countries.csv")},
                                 {"Places", folder.File("places.csv")},
                                 {"PlaceNames", folder.File("place-names.csv")},
                                 {"CountryNames", folder.File("country-names.csv")}},
                                {}});
    }
};

TEST_F(NamesByKeysTest, AFormerNameFindsItsPlaceAndAShortNameItsCountrysZones)
{
    frmMain& w = StartShown();
    // The list shows the place by its name; Enter takes it.
    TypeInto(w.cmbPlaces[0], QStringLiteral("bomb"));
    EXPECT_EQ(Listed(w.cmbPlaces[0]), QStringList{"Mumbai"});
    TypeInto(w.cmbPlaces[0], QStringLiteral("Bombay"));
    Press(w.cmbPlaces[0], Qt::Key_Return);
    EXPECT_EQ(w.cmbPlaces[0]->currentText(), QStringLiteral("Mumbai"));
    EXPECT_EQ(w.EntryOf(0).placeId, 1275339);
    EXPECT_EQ(w.txtLatLong[0]->text(), QStringLiteral("18N58 72E50"));
    EXPECT_EQ(FocusedControl(), QStringLiteral("cmbWTC0"));

    // A zone by the country's short name, a place of it by a former name.
    TypeInto(w.cmbZones[0], QStringLiteral("USA"));
    EXPECT_EQ(Listed(w.cmbZones[0]), QStringList{"United States (New York) [75W0]"});
    Press(w.cmbZones[0], Qt::Key_Return);
    EXPECT_EQ(w.EntryOf(0).zoneId, 6252001);
    EXPECT_EQ(w.cmbPlaces[0]->currentText(), QStringLiteral("New York"));
    EXPECT_EQ(FocusedControl(), QStringLiteral("cmbPlaces0"));
    TypeInto(w.cmbZones[0], QStringLiteral("nepal"));
    Press(w.cmbZones[0], Qt::Key_Return);
    TypeInto(w.cmbPlaces[0], QStringLiteral("kantipur"));
    w.cmbWTC[0]->setFocus();   // left by a click elsewhere
    Settle();
    EXPECT_EQ(w.cmbPlaces[0]->currentText(), QStringLiteral("Kathmandu"));
    EXPECT_EQ(w.EntryOf(0).placeId, 1283240);
    EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
    ASSERT_TRUE(PressPreview(w));
    EXPECT_EQ(Native().Place, "Kathmandu");
}


// A name typed whole is that zone or place, before those that merely hold
// it; a place's own name that is another's other name waits for a choice.
TEST_F(NamesByKeysTest, ANameTypedWholeIsThatEntryAndTwoOfOneNameWaitForAChoice)
{
    frmMain& w = StartShown();
    TypeInto(w.cmbZones[0], QStringLiteral("Nepal"));
    Press(w.cmbZones[0], Qt::Key_Return);
    TypeInto(w.cmbZones[0], QStringLiteral("India"));
    EXPECT_EQ(Listed(w.cmbZones[0]), (QStringList{"India [82E30]", "British Indian Ocean Terr. [72E00]"}));
    Press(w.cmbZones[0], Qt::Key_Return);
    EXPECT_EQ(w.cmbZones[0]->currentText(), QStringLiteral("India [82E30]"));
    EXPECT_EQ(w.EntryOf(0).zoneId, 221122);
    EXPECT_EQ(FocusedControl(), QStringLiteral("cmbPlaces0"));

    TypeInto(w.cmbPlaces[0], QStringLiteral("Vijayapura"));
    EXPECT_EQ(Listed(w.cmbPlaces[0]), (QStringList{"Bijapur (also Vijayapura)  \u2014  16N49 75E42",
                                                   "Vijayapura  \u2014  13N17 77E48"}));
    // Enter takes neither: the list stays for the choice.
    Press(w.cmbPlaces[0], Qt::Key_Return);
    EXPECT_EQ(w.EntryOf(0).placeId, 0);
    EXPECT_EQ(Listed(w.cmbPlaces[0]).size(), 2);
    EXPECT_EQ(FocusedControl(), QStringLiteral("cmbPlaces0"));
    EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
    Press(w.cmbPlaces[0], Qt::Key_Down);
    Press(w.cmbPlaces[0], Qt::Key_Down);
    Press(w.cmbPlaces[0], Qt::Key_Return);
    EXPECT_EQ(w.cmbPlaces[0]->currentText(), QStringLiteral("Vijayapura"));
    EXPECT_EQ(w.EntryOf(0).placeId, 1462711);
    EXPECT_EQ(w.txtLatLong[0]->text(), QStringLiteral("13N17 77E48"));
    EXPECT_EQ(FocusedControl(), QStringLiteral("cmbWTC0"));
    ASSERT_TRUE(PressPreview(w));
    EXPECT_EQ(Native().Place, "Vijayapura");

    // Typed again and left, or run at once: said so, and the list is open to choose from.
    const std::string several =
        "Several places of India [82E30] are named \"vijayapura\".\nChoose one from the list under the box.";
    TypeInto(w.cmbPlaces[0], QStringLiteral("vijayapura"));
    w.cmbWTC[0]->setFocus();
    Settle();
    Reactivate(w.cmbPlaces[0]);
    EXPECT_EQ(messages.messages, std::vector<std::string>{several});
    EXPECT_EQ(FocusedControl(), QStringLiteral("cmbPlaces0"));
    EXPECT_EQ(Listed(w.cmbPlaces[0]).size(), 2);
    messages.messages.clear();
    EXPECT_FALSE(PressPreview(w));
    EXPECT_EQ(messages.messages, std::vector<std::string>{several});
    Press(w.cmbPlaces[0], Qt::Key_Down);
    Press(w.cmbPlaces[0], Qt::Key_Return);
    EXPECT_EQ(w.cmbPlaces[0]->currentText(), QStringLiteral("Bijapur"));
    EXPECT_EQ(w.txtLatLong[0]->text(), QStringLiteral("16N49 75E42"));
    ASSERT_TRUE(PressPreview(w));
    EXPECT_EQ(Native().Place, "Bijapur");
}

} // namespace
