#include "EditingFixture.h"

#include "refdata/ZoneEditing.h"

#include <gtest/gtest.h>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

using ZoneEditing = EditingTest;

ZoneBoxes Typed(const char* name, CoordinateBoxes meridian) { return {name, std::move(meridian)}; }

TEST_F(ZoneEditing, WalksTheZonesInNameOrderAndStopsAtTheEnds)
{
    ZoneEditor editor(Countries());
    EXPECT_EQ(Countries().Index(), "Country");
    EXPECT_EQ(editor.boxes, Typed("Afghanistan", {"67", "30", "E"}));
    struct Step {
        MoveTo move;
        const char* shown;
    } steps[] = {
        {MoveTo::Previous, "Afghanistan"}, {MoveTo::Next, "Antarctica"}, {MoveTo::Bottom, "Nepal"},
        {MoveTo::Next, "Nepal"},           {MoveTo::Previous, "India"},  {MoveTo::Top, "Afghanistan"},
    };
    for (const Step& s : steps) {
        editor.Move(s.move);
        EXPECT_EQ(editor.boxes.name, s.shown) << int(s.move);
        EXPECT_EQ(Countries().Field("Country").Text(), s.shown);
    }
    EXPECT_TRUE(messages.questions.empty());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ZoneEditing, TheFirstZoneOfAnEmptyTableCanBeAdded)
{
    Build("Country ID,Country,Zone\n", "Place ID,Country ID,PlaceName,Latitude,Longitude\n");
    ZoneEditor editor(Countries());
    EXPECT_TRUE(editor.AddingNew());
    EXPECT_EQ(editor.boxes, ZoneBoxes{});
    messages.answers = {Answer::No};
    editor.Move(MoveTo::Next);   // nothing to move to: still adding
    EXPECT_TRUE(editor.AddingNew());

    editor.boxes = Typed("India", {"82", "30", "E"});
    messages.answers = {Answer::Yes};
    EXPECT_TRUE(editor.Add());
    EXPECT_EQ(AllZones(), std::vector<std::string>{"India|82E30"});
    EXPECT_TRUE(editor.AddingNew());
    EXPECT_EQ(editor.boxes, ZoneBoxes{});
}

TEST_F(ZoneEditing, AddWantsANameAndANewOne)
{
    const std::vector<std::string> before = AllZones();
    ZoneEditor editor(Countries());
    editor.boxes.name = "  ";
    EXPECT_FALSE(editor.Add());
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Cant save"});
    EXPECT_TRUE(messages.questions.empty());
    EXPECT_FALSE(editor.AddingNew());

    // A new entry under a stored name, in any letter case: the stored zone is
    // shown, nothing is asked or written, and the move goes on from it.
    editor.boxes.name = "Afghanistan";
    ASSERT_TRUE(editor.Add());
    editor.boxes = Typed("iNDIA", {"77", "00", "E"});
    messages.messages.clear();
    editor.Move(MoveTo::Next);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Time Zone already exists, so changes can't be saved!"});
    EXPECT_TRUE(messages.questions.empty());
    EXPECT_EQ(editor.boxes, Typed("Nepal", {"86", "15", "E"}));
    EXPECT_FALSE(editor.AddingNew());
    EXPECT_EQ(AllZones(), before);
}

TEST_F(ZoneEditing, EntriesThatCannotBeStoredAreRefusedAndKept)
{
    struct Case {
        bool adding;
        ZoneBoxes typed;
        const char* message;
    } cases[] = {
        {true, Typed("", {"82", "30", "E"}), "Zone/Country not entered"},
        {true, Typed("Sri Lanka", {"360", "00", "E"}), "Invalid zone meridian"},
        {true, Typed("Sri Lanka", {"82", "75", "E"}), "Invalid zone meridian"},
        {false, Typed("", {"67", "30", "E"}), "Zone/Country not entered"},
        {false, Typed("nepal", {"67", "30", "E"}), "Time Zone already exists"},   // a rename onto another zone
    };
    const std::vector<std::string> before = AllZones();
    for (const Case& c : cases) {
        ZoneEditor editor(Countries());
        if (c.adding) {
            ASSERT_TRUE(editor.Add());
        }
        editor.boxes = c.typed;
        messages.messages.clear();
        messages.answers = {Answer::Yes};
        editor.Move(MoveTo::Bottom);
        ASSERT_EQ(messages.messages.size(), 1u) << c.typed.name;
        EXPECT_EQ(messages.messages[0].rfind(c.message, 0), 0u) << messages.messages[0];
        EXPECT_EQ(editor.AddingNew(), c.adding);
        EXPECT_EQ(editor.boxes, c.typed);
    }
    EXPECT_EQ(AllZones(), before);
}

TEST_F(ZoneEditing, ChangesAreSavedAfterTheQuestion)
{
    struct Case {
        Answer answer;
        const char* storedAfghanistan;
        const char* shown;
    } cases[] = {
        {Answer::Yes, "Afghanistan|67E03", "Antarctica"},   // one typed minute digit is one minute
        {Answer::No, "Afghanistan|67E30", "Antarctica"},
        {Answer::Cancel, "Afghanistan|67E30", "Afghanistan"},
    };
    for (const Case& c : cases) {
        SetUp();
        ZoneEditor editor(Countries());
        editor.boxes.meridian.minutes = "3";
        messages.answers = {c.answer};
        editor.Move(MoveTo::Next);
        EXPECT_EQ(AllZones().front(), c.storedAfghanistan) << int(c.answer);
        EXPECT_EQ(editor.boxes.name, c.shown);
    }

    // A rename is saved, and the move starts from the zone under its new name.
    ZoneEditor editor(Countries());
    editor.boxes.name = "Kabul Time";
    messages.answers = {Answer::Yes};
    editor.Move(MoveTo::Previous);
    EXPECT_EQ(editor.boxes.name, "India");
    EXPECT_EQ(AllZones()[2], "Kabul Time|67E30");
    // A new zone 14 hours ahead of Greenwich.
    ASSERT_TRUE(editor.Add());
    editor.boxes = Typed("Kiribati (Kiritimati)", {"210", "0", "E"});
    messages.answers = {Answer::Yes};
    editor.Find("Kir");
    EXPECT_EQ(editor.boxes, Typed("Kiribati (Kiritimati)", {"210", "00", "E"}));
}

// "... and its 3 places?" answered Yes takes the zone and its places, and
// their other names, together; the first zone is shown.
TEST_F(ZoneEditing, DeleteTakesTheZoneWithItsPlacesAndShowsTheFirstZone)
{
    db.Execute("INSERT INTO PlaceNames VALUES (22, 'Delhi', 'Dilli'), (31, 'Kathmandu', 'Kantipur')");
    ZoneEditor editor(Countries());
    editor.Find("India");
    messages.answers = {Answer::No};
    editor.Delete();
    EXPECT_EQ(AllZones().size(), 4u);
    EXPECT_EQ(PlacesOf(200).size(), 3u);
    EXPECT_EQ(messages.questions.back(), "Are you sure to delete India [82E30] and its 3 places?");

    messages.answers = {Answer::Yes};
    editor.Delete();
    EXPECT_EQ(editor.boxes.name, "Afghanistan");
    EXPECT_EQ(AllZones(), (std::vector<std::string>{"Afghanistan|67E30", "Antarctica|0E00", "Nepal|86E15"}));
    EXPECT_TRUE(PlacesOf(200).empty());
    EXPECT_EQ(Rows("SELECT PlaceName FROM Places ORDER BY PlaceName"),
              (std::vector<std::string>{"Herat", "Kabul", "Kathmandu"}));
    EXPECT_EQ(Rows("SELECT OtherName FROM PlaceNames"), std::vector<std::string>{"Kantipur"});

    // While adding, only the new entry goes.
    ASSERT_TRUE(editor.Add());
    editor.boxes.name = "Bhutan";
    messages.answers = {Answer::Yes};
    editor.Delete();
    EXPECT_EQ(editor.boxes.name, "Afghanistan");
    EXPECT_FALSE(editor.AddingNew());
    EXPECT_EQ(AllZones().size(), 3u);

    // A zone of thousands of places, counted as a reader writes them.
    editor.Find("Nepal");
    const std::string nepal = std::to_string(Countries().Field("Country ID").Int());
    Countries().Db().Execute("WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM n WHERE k < 3575) "
                             "INSERT INTO Places ([Country ID], PlaceName) SELECT " + nepal + ", 'Place ' || k FROM n");
    messages.answers = {Answer::No};
    editor.Delete();
    EXPECT_EQ(messages.questions.back(), "Are you sure to delete Nepal [86E15] and its 3,576 places?");

    for (int k = 0; k < 3; ++k) {
        messages.answers = {Answer::Yes};
        editor.Delete();
    }
    EXPECT_TRUE(AllZones().empty());
    EXPECT_TRUE(Rows("SELECT PlaceName FROM Places").empty());
    EXPECT_TRUE(editor.AddingNew());
    EXPECT_EQ(editor.boxes, ZoneBoxes{});
}

// The zone and its places go in one transaction: when its places cannot
// go, the zone stays too, shown and in edit as before.
TEST_F(ZoneEditing, AZoneWhosePlacesCannotGoStaysWithThem)
{
    db.Execute("CREATE TRIGGER refuse BEFORE DELETE ON Places BEGIN SELECT RAISE(ABORT, 'refused'); END;");
    const std::vector<std::string> zones = AllZones();
    ZoneEditor editor(Countries());
    editor.Find("India");
    messages.answers = {Answer::Yes};
    EXPECT_THROW(editor.Delete(), DbError);
    EXPECT_EQ(AllZones(), zones);
    EXPECT_EQ(PlacesOf(200).size(), 3u);
    EXPECT_EQ(editor.boxes.name, "India");
    EXPECT_EQ(Countries().Field("Country").Text(), "India");

    // Once they can, the same Delete takes both.
    db.Execute("DROP TRIGGER refuse");
    messages.answers = {Answer::Yes};
    editor.Delete();
    EXPECT_EQ(AllZones().size(), 3u);
    EXPECT_TRUE(PlacesOf(200).empty());
}

TEST_F(ZoneEditing, FindLooksForTheStartOfAName)
{
    struct Case {
        const char* search;
        const char* shown;
        const char* message;
    } cases[] = {
        {"ind", "India", nullptr},
        {"ANT", "Antarctica", nullptr},
        {"j", "Nepal", nullptr},
        {"Zambia", "India", "Search failed!"},
        {"", "India", "Error:Nothing to search for!"},
    };
    ZoneEditor editor(Countries());
    for (const Case& c : cases) {
        editor.Find("India");
        messages.messages.clear();
        editor.Find(c.search);
        EXPECT_EQ(editor.boxes.name, c.shown) << c.search;
        EXPECT_EQ(Countries().Field("Country").Text(), c.shown);
        EXPECT_EQ(messages.messages, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    }
}

// Two copies of the program on one file: a zone is corrected only as it was
// shown here; one changed there is shown as it now stands, one deleted there
// ends its editing.
TEST_F(ZoneEditing, ACorrectionIsNotSavedOverTheOtherCopysChangeOrDeletion)
{
    struct Case {
        const char* sqlThere;
        const char* message;
        std::vector<std::string> stored;
        ZoneBoxes shown;
    } cases[] = {
        {"UPDATE Countries SET Zone = '82E31' WHERE Country = 'India'",
         "The time zone \"India\" was changed by another program since it was shown here, so your correction "
         "was not saved. It is shown as it now stands.",
         {"Afghanistan|67E30", "Antarctica|0E00", "India|82E31", "Nepal|86E15"}, Typed("India", {"82", "31", "E"})},
        // No other zone takes its boxes: none is in edit until the next move.
        {"DELETE FROM Countries WHERE Country = 'India'",
         "The time zone \"India\" was deleted by another program since it was shown here, so your correction "
         "was not saved.",
         {"Afghanistan|67E30", "Antarctica|0E00", "Nepal|86E15"}, ZoneBoxes{}},
    };
    for (const Case& c : cases) {
        SetUp();
        auto other = Elsewhere();
        ZoneEditor here(Countries());
        here.Find("India");
        ZoneEditor there(other->countries);
        there.Find("India");
        other->db.Execute(c.sqlThere);

        here.boxes.name = "India (IST)";
        messages.messages.clear();
        messages.answers = {Answer::Yes};
        here.Move(MoveTo::Next);
        EXPECT_EQ(messages.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(AllZones(), c.stored);
        EXPECT_EQ(here.boxes, c.shown);
        EXPECT_EQ(here.ShowsNoRow(), c.shown == ZoneBoxes{});
        here.Move(MoveTo::Next);
        EXPECT_EQ(here.boxes.name, c.shown == ZoneBoxes{} ? "Afghanistan" : "Nepal");
        for (MoveTo m : {MoveTo::Next, MoveTo::Previous, MoveTo::Bottom, MoveTo::Top})
            here.Move(m);
        EXPECT_EQ(messages.messages.size(), 1u) << messages.messages.back();
    }
}

} // namespace
