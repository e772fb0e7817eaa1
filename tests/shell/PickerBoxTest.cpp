#include "ShellFixture.h"

#include "shell/PickerBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

// A shown picker over a few places, as a zone change leaves it.
class PickerBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application();
        window = std::make_unique<QWidget>();
        picker = new PickerBox;
        auto* layout = new QVBoxLayout(window.get());
        layout->addWidget(picker);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        picker->SetRows({{QStringLiteral("Delhi"), 3, {}},
                         {QStringLiteral("New Delhi"), 4, {}},
                         {QStringLiteral("Spring Hill"), 5, {}},
                         {QStringLiteral("Springfield (Illinois)"), 1, {}},
                         {QStringLiteral("Springfield (Ohio)"), 2, {}}});
        picker->setCurrentIndex(0);
        picker->setFocus();
        QApplication::processEvents();
    }

    // The rows the popup lists now (none while it is hidden).
    QStringList Listed() const
    {
        QStringList rows;
        QAbstractItemView* popup = picker->completer()->popup();
        if (!popup->isVisible())
            return rows;
        for (int r = 0; r < popup->model()->rowCount(); ++r)
            rows << popup->model()->index(r, 0).data().toString();
        return rows;
    }

    void Type(const QString& text)
    {
        QLineEdit* edit = picker->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QApplication::processEvents();
    }

    std::unique_ptr<QWidget> window;
    PickerBox* picker = nullptr;
};

// Each letter typed narrows the list to the rows that hold the text, in
// any letter case; a letter taken back widens it again.
TEST_F(PickerBoxTest, EachLetterNarrowsTheListAndBackspaceWidensIt)
{
    const QStringList springs = {"Spring Hill", "Springfield (Illinois)", "Springfield (Ohio)"};
    const struct {
        const char* typed;
        QStringList listed;
    } steps[] = {
        {"s", springs},
        {"sp", springs},
        {"springf", {"Springfield (Illinois)", "Springfield (Ohio)"}},
        {"springfield (o", {"Springfield (Ohio)"}},
        {"springfield (ox", {}},
        {"DELHI", {"Delhi", "New Delhi"}},
        {"hi", {"Delhi", "New Delhi", "Spring Hill", "Springfield (Ohio)"}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.typed);
        Type(QString::fromLatin1(step.typed));
        EXPECT_EQ(Listed(), step.listed);
    }

    Type(QStringLiteral("springf"));
    QTest::keyClick(picker->lineEdit(), Qt::Key_Backspace);
    QApplication::processEvents();
    EXPECT_EQ(Listed(), springs);
}

TEST_F(PickerBoxTest, AWholeNamePicksItsRowAndTheListPicksOnlyWhatWasChosen)
{
    Type(QStringLiteral("new delhi"));
    EXPECT_EQ(picker->Key(), 4);
    EXPECT_EQ(picker->currentText(), QStringLiteral("New Delhi"));

    // Enter in the list before moving in it takes the row it shows.
    Type(QStringLiteral("ohio"));
    ASSERT_EQ(Listed(), QStringList{"Springfield (Ohio)"});
    EXPECT_EQ(picker->Key(), 0);
    QTest::keyClick(picker->completer()->popup(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(picker->currentText(), QStringLiteral("Springfield (Ohio)"));
    EXPECT_EQ(picker->Key(), 2);
    EXPECT_FALSE(picker->completer()->popup()->isVisible());

    // Of several, the first; a row of exactly the text typed before it.
    Type(QStringLiteral("spring"));
    ASSERT_EQ(Listed().size(), 3);
    QTest::keyClick(picker->completer()->popup(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(picker->currentText(), QStringLiteral("Spring Hill"));
    Type(QStringLiteral("delhi"));
    ASSERT_EQ(Listed(), (QStringList{"Delhi", "New Delhi"}));
    picker->setCurrentIndex(4);
    Type(QStringLiteral("new delhi"));
    QTest::keyClick(picker->completer()->popup(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(picker->Key(), 4);

    // A text that finds no row stays as typed, with no key.
    Type(QStringLiteral("ohiox"));
    EXPECT_TRUE(Listed().isEmpty());
    EXPECT_TRUE(picker->FindsNoRow());
    EXPECT_FALSE(picker->Commit());
    EXPECT_EQ(picker->currentText(), QStringLiteral("ohiox"));
    EXPECT_EQ(picker->Key(), 0);
    // Nothing typed: the row stays.
    Type(QString());
    EXPECT_TRUE(picker->Commit());
    EXPECT_EQ(picker->Key(), 4);

    // Moving down to a row and pressing Enter chooses it.
    Type(QStringLiteral("field"));
    ASSERT_EQ(Listed().size(), 2);
    QTest::keyClick(picker->completer()->popup(), Qt::Key_Down);
    QTest::keyClick(picker->completer()->popup(), Qt::Key_Down);
    QTest::keyClick(picker->completer()->popup(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(picker->currentText(), QStringLiteral("Springfield (Ohio)"));
    EXPECT_EQ(picker->Key(), 2);
}

TEST_F(PickerBoxTest, NewRowsReplaceTheOldOnesAndTheSearchFollowsThem)
{
    Type(QStringLiteral("spring"));
    picker->SetRows({{QStringLiteral("Kathmandu"), 7, {}}, {QStringLiteral("Pokhara"), 8, {}}});
    EXPECT_EQ(picker->count(), 2);
    EXPECT_EQ(picker->currentIndex(), -1);
    EXPECT_EQ(picker->Key(), 0);
    EXPECT_FALSE(picker->SelectText(QStringLiteral("Delhi")));

    Type(QStringLiteral("a"));
    EXPECT_EQ(Listed(), (QStringList{"Kathmandu", "Pokhara"}));
    Type(QStringLiteral("KATH"));
    EXPECT_EQ(Listed(), QStringList{"Kathmandu"});

    // A row added alone is found like the others.
    picker->addItem(QStringLiteral("Dhulikhel"), QVariant::fromValue(9LL));
    ASSERT_TRUE(picker->SelectText(QStringLiteral("DHULIKHEL")));
    EXPECT_EQ(picker->Key(), 9);
    Type(QStringLiteral("h"));
    EXPECT_EQ(Listed(), (QStringList{"Kathmandu", "Pokhara", "Dhulikhel"}));
    picker->clear();
    EXPECT_EQ(picker->count(), 0);
}

// A row is found by its other names too, and listed and chosen by its text.
TEST_F(PickerBoxTest, OtherNamesFindTheirRowWhichTheListShowsByItsText)
{
    picker->SetRows({{QStringLiteral("Bombay Hill"), 1, {}},
                     {QStringLiteral("Mumbai"), 2, {QStringLiteral("Bombay")}},
                     {QStringLiteral("Springfield (Ohio)"), 3, {QStringLiteral("Home"), QStringLiteral("Old Town")}}});
    Type(QStringLiteral("bomb"));
    EXPECT_EQ(Listed(), (QStringList{"Bombay Hill", "Mumbai"}));
    // The whole other name picks its row before the first listed.
    Type(QStringLiteral("Bombay"));
    QTest::keyClick(picker->completer()->popup(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(picker->currentText(), QStringLiteral("Mumbai"));
    EXPECT_EQ(picker->Key(), 2);
    // A highlighted row puts its text into the box, not its other names.
    Type(QStringLiteral("old t"));
    ASSERT_EQ(Listed(), QStringList{"Springfield (Ohio)"});
    QTest::keyClick(picker->completer()->popup(), Qt::Key_Down);
    EXPECT_EQ(picker->lineEdit()->text(), QStringLiteral("Springfield (Ohio)"));
    QTest::keyClick(picker->completer()->popup(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(picker->Key(), 3);
    // No text runs from one name into the next.
    Type(QStringLiteral("home old"));
    EXPECT_TRUE(Listed().isEmpty());
    EXPECT_TRUE(picker->FindsNoRow());
    // Leaving without the list takes the row of the other name too.
    picker->completer()->popup()->hide();
    Type(QStringLiteral("BOMBAY"));
    picker->completer()->popup()->hide();
    EXPECT_TRUE(picker->Commit());
    EXPECT_EQ(picker->currentText(), QStringLiteral("Mumbai"));
}

// A name typed whole is the row of that name, before every row that merely
// holds it; of several rows of one name none is taken until the user
// chooses, and the list tells them apart.
TEST_F(PickerBoxTest, ANameTypedWholeIsItsRowAndSeveralOfOneNameAreChosenFrom)
{
    picker->SetRows({{QStringLiteral("American Samoa [165W00]"), 1, {}, {QStringLiteral("American Samoa")}},
                     {QStringLiteral("British Indian Ocean Terr. [72E00]"), 2, {QStringLiteral("Chagos Islands")},
                      {QStringLiteral("British Indian Ocean Terr.")}},
                     {QStringLiteral("Canada (Halifax) [60W00]"), 3, {}, {QStringLiteral("Canada (Halifax)"), QStringLiteral("Canada")}},
                     {QStringLiteral("Canada (Toronto) [75W00]"), 4, {}, {QStringLiteral("Canada (Toronto)"), QStringLiteral("Canada")}},
                     {QStringLiteral("India [82E30]"), 5, {}, {QStringLiteral("India")}},
                     {QStringLiteral("Samoa [165E00]"), 6, {}, {QStringLiteral("Samoa")}}});
    const struct {
        const char* typed;
        QStringList listed;   // as the list shows them, those of the name first
        long long taken;      // by Enter before moving in the list; 0: none, the list stays
    } cases[] = {
        {"India", {"India [82E30]", "British Indian Ocean Terr. [72E00]"}, 5},
        {"samoa", {"Samoa [165E00]", "American Samoa [165W00]"}, 6},
        {"India [82E30]", {"India [82E30]"}, 5},
        {"Canada (Toronto)", {"Canada (Toronto) [75W00]"}, 4},
        {"chagos islands", {"British Indian Ocean Terr. [72E00]"}, 2},
        {"Canada", {"Canada (Halifax) [60W00]", "Canada (Toronto) [75W00]"}, 0},
        // Merely held: the first listed, as before.
        {"ind", {"British Indian Ocean Terr. [72E00]", "India [82E30]"}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        picker->setCurrentIndex(0);
        Type(QString::fromLatin1(c.typed));
        EXPECT_EQ(Listed(), c.listed);
        QTest::keyClick(picker->completer()->popup(), Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_EQ(picker->Key(), c.taken);
        EXPECT_EQ(picker->completer()->popup()->isVisible(), c.taken == 0);
        EXPECT_EQ(picker->NamesSeveralRows(), c.taken == 0);
        // Leaving the box takes the same, or nothing.
        picker->completer()->popup()->hide();
        Type(QString::fromLatin1(c.typed));
        picker->completer()->popup()->hide();
        EXPECT_EQ(picker->Commit(), c.taken != 0);
        EXPECT_EQ(picker->Key(), c.taken);
        EXPECT_EQ(picker->currentText(), c.taken ? picker->itemText(picker->findData(QVariant::fromValue(c.taken)))
                                                 : QString::fromLatin1(c.typed));
    }
}

// The rows named by the text typed are those the search holds, save a row
// handed over with an own name its text lacks, and one whose text changed
// in place: both are still reckoned with while typing.
TEST_F(PickerBoxTest, RowsOutsideTheSearchSoFarStillCountWhileTyping)
{
    picker->SetRows({{QStringLiteral("Canada"), 1, {}},
                     {QStringLiteral("Toronto [75W00]"), 2, {}, {QStringLiteral("Canada")}}});
    Type(QStringLiteral("canada"));
    EXPECT_EQ(picker->Key(), 0);
    EXPECT_TRUE(picker->NamesSeveralRows());

    picker->SetRows({{QStringLiteral("Delhi"), 3, {}}, {QStringLiteral("Agra"), 4, {}}});
    Type(QStringLiteral("del"));
    ASSERT_EQ(Listed(), QStringList{"Delhi"});
    picker->setItemText(1, QStringLiteral("Delhi Gate"));
    QTest::keyClicks(picker->lineEdit(), QStringLiteral("hi gate"));
    QApplication::processEvents();
    EXPECT_EQ(Listed(), QStringList{"Delhi Gate"});
    EXPECT_EQ(picker->Key(), 4);
}

TEST_F(PickerBoxTest, APlacesOwnNameThatIsAnothersOtherNameListsBothWithWhereTheyLie)
{
    picker->SetRows({{QStringLiteral("Bijapur"), 1, {QStringLiteral("Vijayapura")}},
                     {QStringLiteral("Rampur"), 2, {}},
                     {QStringLiteral("Rampur"), 3, {}},
                     {QStringLiteral("Vijayapura"), 4, {}},
                     {QStringLiteral("Vijayapura Road"), 5, {}}});
    picker->SetDetail([](long long key) {
        const char* where[] = {"", "16N49 75E42", "28N48 79E02", "26N34 83E57", "13N17 77E48", "13N20 77E40"};
        return QString::fromLatin1(where[key]);
    });
    const struct {
        const char* typed;
        QStringList listed;
        int down;             // Down presses before Enter
        long long taken;
        const char* shown;
    } cases[] = {
        {"Vijayapura",
         {"Bijapur (also Vijayapura)  \u2014  16N49 75E42", "Vijayapura  \u2014  13N17 77E48", "Vijayapura Road"},
         2, 4, "Vijayapura"},
        {"VIJAYAPURA",
         {"Bijapur (also Vijayapura)  \u2014  16N49 75E42", "Vijayapura  \u2014  13N17 77E48", "Vijayapura Road"},
         1, 1, "Bijapur"},
        {"rampur", {"Rampur  \u2014  28N48 79E02", "Rampur  \u2014  26N34 83E57"}, 2, 3, "Rampur"},
        // One of the name: taken at once, and listed plainly.
        {"Bijapur", {"Bijapur"}, 0, 1, "Bijapur"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        picker->setCurrentIndex(-1);
        Type(QString::fromUtf8(c.typed));
        EXPECT_EQ(Listed(), c.listed);
        QAbstractItemView* list = picker->completer()->popup();
        if (c.down > 0) {
            // Enter takes neither until one is chosen.
            QTest::keyClick(list, Qt::Key_Return);
            QApplication::processEvents();
            EXPECT_TRUE(list->isVisible());
            EXPECT_EQ(picker->Key(), 0);
            EXPECT_FALSE(picker->Commit());
        }
        for (int k = 0; k < c.down; ++k)
            QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_FALSE(list->isVisible());
        EXPECT_EQ(picker->Key(), c.taken);
        EXPECT_EQ(picker->currentText(), QString::fromLatin1(c.shown));
        // The row chosen stays when the box is left, though its name is another's too.
        EXPECT_TRUE(picker->Commit());
        EXPECT_EQ(picker->Key(), c.taken);
    }
    // A click in the list chooses as Enter does.
    Type(QStringLiteral("vijayapura"));
    QAbstractItemView* list = picker->completer()->popup();
    ASSERT_TRUE(list->isVisible());
    const QModelIndex town = list->model()->index(1, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(town).center());
    QApplication::processEvents();
    EXPECT_EQ(picker->Key(), 4);
    EXPECT_TRUE(picker->Commit());
    EXPECT_EQ(picker->Key(), 4);
}

} // namespace
