#include "ShellFixture.h"

#include "shell/DataTransfer.h"
#include "shell/MessageBoxReporter.h"
#include "shell/ModalDialogs.h"
#include "shell/TimeZones.h"
#include "shell/frmPlaces.h"
#include "refdata/Places.h"

#include <QAction>
#include <QMessageBox>
#include <QTimer>
#include <QLineEdit>
#include <QPushButton>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

class EditorWindowsTest : public ShellTest {
protected:
    // Replaces a box's text as a user does: select it, type over it.
    static void TypeInto(QLineEdit* box, const QString& text)
    {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    // One text per row, its fields joined by "|".
    static std::vector<std::string> Rows(std::string_view sql, std::initializer_list<Value> params = {})
    {
        std::vector<std::string> rows;
        for (Recordset rs(DatDatabase(), sql, params); !rs.Eof(); rs.MoveNext()) {
            std::string row;
            for (int f = 0; f < rs.FieldCount(); ++f)
                row += (f ? "|" : "") + rs.Field(f).Text();
            rows.push_back(row);
        }
        return rows;
    }

    static std::vector<std::string> PlacesOf(long long countryId)
    {
        return Rows("SELECT PlaceName, Latitude, Longitude FROM Places WHERE [Country ID] = ? ORDER BY PlaceName",
                    {Value(countryId)});
    }

    static std::vector<std::string> AllZones() { return Rows("SELECT Country, Zone FROM Countries ORDER BY Country"); }

    // An editor as the main window shows it.
    static void ExpectShownBy(const QDialog& editor, const frmMain& owner, const QString& caption)
    {
        EXPECT_EQ(editor.parentWidget(), &owner);
        EXPECT_TRUE(editor.isModal());
        EXPECT_EQ(editor.windowTitle(), caption);
    }
};

constexpr long long Antarctica = 6697173;
constexpr long long India = 221122;

TEST_F(EditorWindowsTest, TheNewPlaceButtonEditsThePlacesOfThePersonsZone)
{
    frmMain& w = StartShown();
    ASSERT_TRUE(w.cmbZones[0]->SelectText(QStringLiteral("Antarctica [0E00]")));
    messages.messages.clear();

    int shown = 0;
    const ScopedDialogScript script({[&](QDialog& d) {
        ++shown;
        auto& editor = dynamic_cast<frmPlaces&>(d);
        ExpectShownBy(editor, w, QStringLiteral("Antarctica"));
        // No place yet: empty boxes waiting for the first one.
        EXPECT_TRUE(editor.Editor().AddingNew());
        EXPECT_EQ(editor.txtCity->text(), QString());
        EXPECT_EQ(editor.txtLatitude[2]->text(), QStringLiteral("N"));
        EXPECT_EQ(editor.txtLongitude[2]->text(), QStringLiteral("E"));

        TypeInto(editor.txtCity, QStringLiteral("McMurdo"));
        TypeInto(editor.txtLatitude[0], QStringLiteral("77"));
        TypeInto(editor.txtLatitude[1], QStringLiteral("51"));
        TypeInto(editor.txtLatitude[2], QStringLiteral("s"));
        TypeInto(editor.txtLongitude[0], QStringLiteral("166"));
        TypeInto(editor.txtLongitude[1], QStringLiteral("4"));
        messages.answers = {Answer::Yes};
        editor.cmdMove[1]->click();
        EXPECT_EQ(messages.questions, std::vector<std::string>{"Save Changes?"});
        EXPECT_FALSE(editor.Editor().AddingNew());
        EXPECT_EQ(editor.txtLongitude[1]->text(), QStringLiteral("04"));
    }});
    w.cmdNewLatLong[0]->click();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(PlacesOf(Antarctica), std::vector<std::string>{"McMurdo|77S51|166E04"});
    // The person's place list is read again when the editor closes.
    EXPECT_EQ(w.cmbPlaces[0]->currentText(), QStringLiteral("McMurdo"));
    EXPECT_EQ(w.txtLatLong[0]->text(), QStringLiteral("77S51 166E04"));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(EditorWindowsTest, AZoneNoLongerStoredOpensNoEditor)
{
    frmMain& w = StartShown();
    ASSERT_TRUE(w.cmbZones[0]->SelectText(QStringLiteral("Nepal [86E15]")));
    DatDatabase().Execute("DELETE FROM Countries WHERE Country = 'Nepal'");
    int shown = 0;
    const ScopedDialogScript script({[&](QDialog&) { ++shown; }});
    messages.messages.clear();
    w.cmdNewLatLong[0]->click();
    EXPECT_EQ(shown, 0);
    ASSERT_FALSE(messages.messages.empty());
    EXPECT_NE(messages.messages[0].find("no longer in the database"), std::string::npos);
}

TEST_F(EditorWindowsTest, EnterWalksTheBoxesAndFindsFromTheSearchBox)
{
    StartShown();
    ASSERT_TRUE(FindCountry(India));
    frmPlaces editor(window.get());
    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    Settle();
    EXPECT_EQ(FocusedControl(), QStringLiteral("txtCity"));
    EXPECT_EQ(editor.txtCity->text(), QStringLiteral("Agra"));
    EXPECT_EQ(editor.txtCity->selectedText(), QStringLiteral("Agra"));   // typing replaces it

    for (const char* next : {"txtLatitude0", "txtLatitude1", "txtLatitude2", "txtLongitude0", "txtLongitude1",
                             "txtLongitude2", "txtSearch"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        Settle();
        EXPECT_EQ(FocusedControl(), QString::fromLatin1(next));
        auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->selectedText(), box->text()) << next;
    }
    QTest::keyClicks(editor.txtSearch, QStringLiteral("mum"));
    QTest::keyClick(editor.txtSearch, Qt::Key_Return);
    Settle();
    EXPECT_EQ(editor.txtCity->text(), QStringLiteral("Mumbai"));
    EXPECT_EQ(FocusedControl(), QStringLiteral("txtCity"));
    EXPECT_TRUE(messages.questions.empty());
    editor.close();
}

// Each editor as the user meets it: shown and active, the focus in its name box.
template <class Editor>
std::unique_ptr<Editor> ShownEditor(QWidget* owner)
{
    auto editor = std::make_unique<Editor>(owner);
    editor->show();
    editor->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    Settle();
    return editor;
}

TEST_F(EditorWindowsTest, ClosingAnEditorWithATypedEntryAsksToSaveIt)
{
    StartShown();
    const struct {
        const char* what;
        std::function<std::unique_ptr<RowEditorWindow>(QWidget*)> open;
        std::vector<const char*> typed;   // box after box, Enter between them
        std::function<std::vector<std::string>()> rows;
        std::vector<std::string> saved;   // the rows after Yes
    } cases[] = {
        {"places", [](QWidget* o) { return ShownEditor<frmPlaces>(o); }, {"Bikaner", "28", "1", "", "77", "0"},
         [] { return PlacesOf(India); },
         {"Agra|27N11|78E01", "Bikaner|28N01|77E00", "Delhi|28N39|77E13", "Mumbai|18N58|72E50"}},
        {"zones", [](QWidget* o) { return ShownEditor<TimeZones>(o); }, {"Bhutan", "90", "0"},
         [] { return AllZones(); },
         {"Antarctica|0E00", "Bhutan|90E00", "India|82E30", "Lower Case Land|82e30", "Nepal|86E15",
          "Tens Land|82E3", "United States (New York)|75W0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<std::string> before = c.rows();
        for (const Answer answer : {Answer::Cancel, Answer::No, Answer::Yes}) {
            std::unique_ptr<RowEditorWindow> editor = c.open(window.get());
            // Nothing typed: Add and the close ask nothing.
            messages.questions.clear();
            QTest::mouseClick(editor->cmdAdd, Qt::LeftButton);
            Settle();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            EXPECT_TRUE(messages.questions.empty());
            EXPECT_FALSE(editor->isVisible());

            editor = c.open(window.get());
            QTest::mouseClick(editor->cmdAdd, Qt::LeftButton);
            Settle();
            for (std::size_t k = 0; k < c.typed.size(); ++k) {
                if (k > 0)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(c.typed[k]));
            }
            messages.answers = {answer};
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            Settle();
            EXPECT_EQ(messages.questions, std::vector<std::string>{"Save Changes?"});
            EXPECT_EQ(editor->isVisible(), answer == Answer::Cancel);
            EXPECT_EQ(c.rows(), answer == Answer::Yes ? c.saved : before);
            if (answer == Answer::Cancel) {
                EXPECT_EQ(editor->findChild<QLineEdit*>(QStringLiteral("txtCity"))->text(),
                          QString::fromLatin1(c.typed[0]));
            }
        }
    }
}

TEST_F(EditorWindowsTest, DeletePromptsNameTheRowAndEnterKeepsIt)
{
    StartShown();
    const std::vector<std::string> places = PlacesOf(India), zones = AllZones();
    const struct {
        const char* what;
        std::function<std::unique_ptr<RowEditorWindow>(QWidget*)> open;
        const char* find;
        const char* question;
    } cases[] = {
        {"place", [](QWidget* o) { return ShownEditor<frmPlaces>(o); }, "Delhi",
         "Are you sure to delete information about Delhi?"},
        {"zone", [](QWidget* o) { return ShownEditor<TimeZones>(o); }, "India",
         "Are you sure to delete India [82E30] and its 3 places?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<RowEditorWindow> editor = c.open(window.get());
        TypeInto(editor->txtSearch, QString::fromLatin1(c.find));
        editor->cmdFind->click();

        // The question as the user sees it: Enter answers with its default button.
        MessageBoxReporter boxes;
        const ScopedReporter shown(boxes);
        QString text;
        bool noByDefault = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            text = box->text();
            noByDefault = box->defaultButton() == box->button(QMessageBox::No);
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::mouseClick(editor->cmdDelete, Qt::LeftButton);
        EXPECT_EQ(text, QString::fromLatin1(c.question));
        EXPECT_TRUE(noByDefault);
        EXPECT_EQ(PlacesOf(India), places);
        EXPECT_EQ(AllZones(), zones);
    }
}

TEST_F(EditorWindowsTest, DirectionBoxesKeepOnlyTheirLetters)
{
    Start();
    ASSERT_TRUE(FindCountry(India));
    frmPlaces places(window.get());
    TimeZones zones(window.get());
    struct Case {
        QLineEdit* box;
        const char* typed;
        const char* shown;
    } cases[] = {
        {places.txtLatitude[2], "s", "S"},  {places.txtLatitude[2], "x", "N"},  {places.txtLatitude[2], "", "N"},
        {places.txtLongitude[2], "w", "W"}, {places.txtLongitude[2], "n", "E"}, {places.txtLongitude[2], "", "E"},
        {zones.txtLongitude[2], "w", "W"},  {zones.txtLongitude[2], "S", "E"},
    };
    for (const Case& c : cases) {
        TypeInto(c.box, QString::fromLatin1(c.typed));
        EXPECT_EQ(c.box->text(), QString::fromLatin1(c.shown)) << c.box->objectName().toStdString() << " " << c.typed;
    }
    // The letter put in is selected, so that the next one typed replaces it.
    TypeInto(places.txtLatitude[2], QStringLiteral("q"));
    QTest::keyClicks(places.txtLatitude[2], QStringLiteral("s"));
    EXPECT_EQ(places.txtLatitude[2]->text(), QStringLiteral("S"));
}

TEST_F(EditorWindowsTest, TheTimeZonesMenuEditsTheZonesInNameOrder)
{
    frmMain& w = StartShown();
    ASSERT_TRUE(w.mnuLatLong->isEnabled());
    const std::vector<std::string> zonesBefore = AllZones();
    int shown = 0;
    const ScopedDialogScript script({[&](QDialog& d) {
        ++shown;
        auto& editor = dynamic_cast<TimeZones&>(d);
        ExpectShownBy(editor, w, QStringLiteral("Time Zones"));
        EXPECT_EQ(CountriesTable().Index(), "Country");
        EXPECT_EQ(editor.txtCity->text(), QStringLiteral("Antarctica"));

        TypeInto(editor.txtSearch, QStringLiteral("ne"));
        editor.cmdFind->click();
        EXPECT_EQ(editor.txtCity->text(), QStringLiteral("Nepal"));
        EXPECT_EQ(editor.txtLongitude[0]->text(), QStringLiteral("86"));
        EXPECT_EQ(editor.txtLongitude[1]->text(), QStringLiteral("15"));

        // A zone's meridian with one stored minute digit shows it as tens;
        // saving would write the two-digit form, so leaving it asks.
        TypeInto(editor.txtSearch, QStringLiteral("tens"));
        editor.cmdFind->click();
        EXPECT_EQ(editor.txtLongitude[1]->text(), QStringLiteral("30"));
        EXPECT_TRUE(messages.questions.empty());

        // A new zone under a stored name is not written.
        messages.answers = {Answer::No};
        editor.cmdAdd->click();
        EXPECT_EQ(messages.questions, std::vector<std::string>{"Save Changes?"});
        EXPECT_EQ(editor.txtCity->text(), QString());
        TypeInto(editor.txtCity, QStringLiteral("INDIA"));
        TypeInto(editor.txtLongitude[0], QStringLiteral("77"));
        editor.cmdMove[4]->click();
        EXPECT_EQ(messages.messages.back(), "Time Zone already exists, so changes can't be saved!");
        EXPECT_EQ(editor.txtCity->text(), QStringLiteral("United States (New York)"));

        // A change left when the window closes is asked about: Cancel keeps
        // the window and the change, No drops the change.
        int closed = 0;
        QObject::connect(&editor, &QDialog::rejected, [&closed] { ++closed; });
        TypeInto(editor.txtLongitude[0], QStringLiteral("80"));
        messages.answers = {Answer::Cancel};
        editor.reject();
        EXPECT_EQ(closed, 0);
        EXPECT_EQ(editor.txtLongitude[0]->text(), QStringLiteral("80"));
        messages.answers = {Answer::No};
        editor.reject();
        EXPECT_EQ(closed, 1);
    }});
    w.mnuLatLong->trigger();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(messages.questions,
              (std::vector<std::string>{"Save Changes?", "Save Changes?", "Save Changes?"}));
    EXPECT_EQ(AllZones(), zonesBefore);
}

TEST_F(EditorWindowsTest, AFailedWriteIsToldAndTheTypedEntryStays)
{
    StartShown();
    ASSERT_TRUE(FindCountry(India));
    frmPlaces editor(window.get());
    DatDatabase().Execute("CREATE TRIGGER refuse BEFORE INSERT ON Places BEGIN SELECT RAISE(ABORT, 'disk full'); END;");
    editor.cmdAdd->click();
    TypeInto(editor.txtCity, QStringLiteral("Shimla"));
    TypeInto(editor.txtLatitude[0], QStringLiteral("31"));
    TypeInto(editor.txtLongitude[0], QStringLiteral("77"));
    messages.answers = {Answer::Yes};
    editor.cmdMove[1]->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].find("disk full"), std::string::npos) << messages.messages[0];
    EXPECT_EQ(editor.txtCity->text(), QStringLiteral("Shimla"));
    EXPECT_TRUE(editor.Editor().AddingNew());
    EXPECT_EQ(PlacesOf(India).size(), 3u);
}

// A second copy of the program on the same file deletes the place this
// window shows, then changes the one it shows next: each is told once, and
// nothing typed here is written over the other's work.
TEST_F(EditorWindowsTest, APlaceDeletedOrChangedByAnotherCopyIsToldOnce)
{
    StartShown();
    ASSERT_TRUE(FindCountry(India));
    frmPlaces editor(window.get());
    Database other(DatDatabase().Path(), OpenMode::ReadWrite);
    const auto elsewhere = [&other](const char* sql, const QString& place) {
        Statement st(other, sql);
        st.BindAll({Value(India), Value(place.toStdString())});
        st.Step();
    };
    const QString deleted = editor.txtCity->text();
    elsewhere("DELETE FROM Places WHERE [Country ID] = ? AND PlaceName = ?", deleted);
    editor.show();
    editor.txtLatitude[1]->setFocus();
    TypeInto(editor.txtLatitude[1], QStringLiteral("45"));
    messages.answers = {Answer::Yes};
    editor.cmdMove[2]->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], "The place \"" + deleted.toStdString() +
                                        "\" was deleted by another program since it was shown here, so your "
                                        "correction was not saved.");
    // No other place is put in its boxes: they wait, empty, and the typing
    // goes to the search box.
    EXPECT_TRUE(editor.Editor().ShowsNoRow());
    for (QLineEdit* box : {editor.txtCity, editor.txtLatitude[0], editor.txtLatitude[1], editor.txtLongitude[1]}) {
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
        EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
    }
    EXPECT_FALSE(editor.cmdDelete->isEnabled());
    EXPECT_EQ(editor.focusWidget(), editor.txtSearch);
    // The next move starts from the zone's first place, in edit again.
    editor.cmdMove[2]->click();
    EXPECT_FALSE(editor.Editor().ShowsNoRow());
    const std::string first = PlacesOf(India).front();
    EXPECT_EQ(editor.txtCity->text().toStdString(), first.substr(0, first.find('|')));
    EXPECT_TRUE(editor.txtLatitude[1]->isEnabled());
    EXPECT_TRUE(editor.cmdDelete->isEnabled());
    for (int i = 0; i < 2; ++i)
        editor.cmdMove[2]->click();
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(PlacesOf(India).size(), 2u);
    editor.hide();

    editor.cmdMove[1]->click();
    const QString changed = editor.txtCity->text();
    const std::string latitudeQuery = "SELECT Latitude, Longitude FROM Places WHERE PlaceName = ?";
    std::vector<std::string> stored = Rows(latitudeQuery, {Value(changed.toStdString())});
    ASSERT_EQ(stored.size(), 1u);
    stored[0] = stored[0].substr(0, stored[0].find('|')) + "|99E59";
    elsewhere("UPDATE Places SET Longitude = '99E59' WHERE [Country ID] = ? AND PlaceName = ?", changed);
    TypeInto(editor.txtLatitude[1], QStringLiteral("45"));
    messages.answers = {Answer::Yes};
    editor.cmdMove[2]->click();
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_NE(messages.messages[1].find("was changed by another program"), std::string::npos) << messages.messages[1];
    EXPECT_EQ(editor.txtCity->text(), changed);
    EXPECT_EQ(editor.txtLongitude[0]->text(), QStringLiteral("99"));
    EXPECT_EQ(editor.txtLongitude[1]->text(), QStringLiteral("59"));
    EXPECT_EQ(Rows(latitudeQuery, {Value(changed.toStdString())}), stored) << "only the other's change";
    EXPECT_EQ(PlacesOf(India).size(), 2u);
}

TEST_F(EditorWindowsTest, TheImportWindowCorrectsFromTheProgramFoldersGazetteer)
{
    StartShown();
    DataTransfer tool(window.get());
    EXPECT_EQ(tool.windowTitle(), QStringLiteral("Form1"));
    EXPECT_EQ(tool.Command1->text(), QStringLiteral("Command1"));

    // No source file yet.
    tool.Command1->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].find("latlong.mdb"), std::string::npos) << messages.messages[0];
    EXPECT_NE(messages.messages[0].find("No place was changed."), std::string::npos);

    folder.Write("latlong.sql", "CREATE TABLE city (Country TEXT, State TEXT, place TEXT, longtude REAL, "
                                "longsign TEXT, Latitude REAL, latsign TEXT, id INTEGER);\n");
    folder.Write("city.csv", "Country,State,place,longtude,longsign,Latitude,latsign,id\n"
                             "India,Delhi,Delhi,77.12,E,28.38,N,1\n"
                             "Nepal,,Pokhara,83.59,E,28.14,N,2\n");
    dbbuild::BuildDatabase({folder.File("latlong.mdb"), folder.File("latlong.sql"),
                            {{"city", folder.File("city.csv")}}, {}});
    messages.messages.clear();
    tool.Command1->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].rfind("1 of 2 places read from latlong.mdb were corrected; 1 held", 0), 0u)
        << messages.messages[0];
    EXPECT_EQ(PlacesOf(India), (std::vector<std::string>{"Agra|27N11|78E01", "Delhi|28N38|77E12",
                                                          "Mumbai|18N58|72E50"}));
}

} // namespace
