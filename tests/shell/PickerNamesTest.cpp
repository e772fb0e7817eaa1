// The zone and place pickers over the delivered places file, driven by keys:
// every country's name and every other name typed whole, and every other
// name of a place that is also another place's own name.

#include "ShellFixture.h"

#include "refdata/Places.h"
#include "shell/PersonEntryBox.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QVBoxLayout>

#include <map>
#include <set>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

class PickerNamesTest : public OpenDeliveredDatabases {
protected:
    void SetUp() override
    {
        Application();
        OpenDeliveredDatabases::SetUp();
        window = std::make_unique<QWidget>();
        picker = new PickerBox;
        (new QVBoxLayout(window.get()))->addWidget(picker);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        picker->setFocus();
    }

    // Types the name as a user does and presses Enter in the list.
    void TypeAndEnter(const QString& name)
    {
        QLineEdit* edit = picker->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        // Letters beyond ASCII ("Curaçao") come as the text of a key.
        for (const QChar c : name) {
            if (c.unicode() < 0x80)
                QTest::keyClick(edit, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QApplication::processEvents();
        QAbstractItemView* list = picker->completer()->popup();
        ASSERT_TRUE(list->isVisible()) << name.toStdString();
        QTest::keyClick(list, Qt::Key_Return);
        QApplication::processEvents();
    }

    // The keys of the first n rows the list shows.
    std::set<long long> FirstListed(std::size_t n) const
    {
        std::set<long long> keys;
        QAbstractItemView* list = picker->completer()->popup();
        for (int r = 0; r < static_cast<int>(n) && r < list->model()->rowCount(); ++r)
            keys.insert(list->model()->index(r, 0).data(Qt::UserRole).toLongLong());
        return keys;
    }

    QString Label(int row) const { return picker->completer()->popup()->model()->index(row, 0).data().toString(); }

    std::unique_ptr<QWidget> window;
    PickerBox* picker = nullptr;
};

TEST_F(PickerNamesTest, EveryCountrysNameAndOtherNameTypedWholeTakesItsZoneOrListsItsZones)
{
    const std::vector<ZoneEntry> zones = ZoneList(DatDatabase());
    picker->SetRows(ZonePickerRows(zones));
    // Each name, letter case aside, with the zones that bear it as their own or another name.
    std::map<QString, std::pair<QString, std::set<long long>>> names;
    for (const ZoneEntry& z : zones) {
        std::vector<std::string> all = z.names;
        all.insert(all.end(), z.otherNames.begin(), z.otherNames.end());
        for (const std::string& n : all) {
            auto& [typed, bearers] = names[QString::fromStdString(n).toCaseFolded()];
            typed = QString::fromStdString(n);
            bearers.insert(z.countryId);
        }
    }
    ASSERT_GT(names.size(), 300u);
    int several = 0;
    for (const auto& [folded, entry] : names) {
        const auto& [typed, bearers] = entry;
        SCOPED_TRACE(typed.toStdString());
        TypeAndEnter(typed);
        EXPECT_EQ(FirstListed(bearers.size()), bearers);
        if (bearers.size() == 1) {
            EXPECT_EQ(picker->Key(), *bearers.begin());
            EXPECT_FALSE(picker->completer()->popup()->isVisible());
        } else {
            ++several;
            EXPECT_EQ(picker->Key(), 0);
            EXPECT_TRUE(picker->completer()->popup()->isVisible());
            EXPECT_TRUE(picker->NamesSeveralRows());
            QTest::keyClick(picker->completer()->popup(), Qt::Key_Escape);
        }
    }
    // The countries of several zones, each typed alone.
    EXPECT_GE(several, 19);

    // The names a user met taken for another country's.
    const std::pair<const char*, const char*> met[] = {
        {"India", "India [82E30]"},
        {"Sudan", "Sudan [30E00]"},
        {"Guinea", "Guinea [0E00]"},
        {"Samoa", "Samoa [195E00]"},
        {"Netherlands", "Netherlands [15E00]"},
    };
    for (const auto& [typed, zone] : met) {
        TypeAndEnter(QString::fromLatin1(typed));
        EXPECT_EQ(picker->currentText(), QString::fromLatin1(zone)) << typed;
    }
}

TEST_F(PickerNamesTest, EveryOtherNameThatIsAnotherPlacesOwnNameListsBothWithWhereTheyLie)
{
    // The other names of places that another place of their zone bears as its own.
    struct Shared {
        long long zone;
        QString name;
        long long aliased;   // the place that has it as another name
    };
    std::vector<Shared> shared;
    Recordset rs(DatDatabase(), "SELECT p.\"Country ID\", n.\"OtherName\", n.\"Place ID\" FROM PlaceNames n "
                                "JOIN Places p ON p.\"Place ID\" = n.\"Place ID\" "
                                "WHERE EXISTS (SELECT 1 FROM Places q WHERE q.\"Country ID\" = p.\"Country ID\" "
                                "AND q.\"PlaceName\" = n.\"OtherName\")");
    for (; !rs.Eof(); rs.MoveNext())
        shared.push_back({rs.Field(0).Int(), QString::fromStdString(rs.Field(1).Text()), rs.Field(2).Int()});
    ASSERT_FALSE(shared.empty());
    picker->SetDetail(PlaceCoordinates);
    for (const Shared& s : shared) {
        SCOPED_TRACE(s.name.toStdString());
        const std::vector<PlaceEntry> places = PlaceList(DatDatabase(), s.zone);
        picker->SetRows(PlacePickerRows(places));
        std::set<long long> bearers{s.aliased};
        for (const PlaceEntry& p : places)
            if (QString::fromStdString(p.name).compare(s.name, Qt::CaseInsensitive) == 0)
                bearers.insert(p.placeId);
        ASSERT_GE(bearers.size(), 2u);

        TypeAndEnter(s.name);
        EXPECT_EQ(FirstListed(bearers.size()), bearers);
        EXPECT_TRUE(picker->completer()->popup()->isVisible());
        EXPECT_EQ(picker->Key(), 0);
        for (int r = 0; r < static_cast<int>(bearers.size()); ++r) {
            const long long key = picker->completer()->popup()->model()->index(r, 0).data(Qt::UserRole).toLongLong();
            EXPECT_TRUE(Label(r).endsWith(PlaceCoordinates(key))) << Label(r).toStdString();
            EXPECT_EQ(Label(r).contains(QStringLiteral("(also ") + s.name + QLatin1Char(')')), key == s.aliased)
                << Label(r).toStdString();
        }
        // The one chosen is taken, and kept when the box is left.
        for (int down = 1; down <= static_cast<int>(bearers.size()); ++down) {
            TypeAndEnter(s.name);
            QAbstractItemView* list = picker->completer()->popup();
            const long long key = list->model()->index(down - 1, 0).data(Qt::UserRole).toLongLong();
            for (int k = 0; k < down; ++k)
                QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
            QApplication::processEvents();
            EXPECT_EQ(picker->Key(), key);
            EXPECT_TRUE(picker->Commit());
            EXPECT_EQ(picker->Key(), key);
        }
    }
}

} // namespace
