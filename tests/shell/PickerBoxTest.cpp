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

} // namespace
