#include "EditingFixture.h"

#include "refdata/PlaceEditing.h"

#include <gtest/gtest.h>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

constexpr long long India = 200;
constexpr long long Afghanistan = 100;
constexpr long long Nepal = 300;
constexpr long long Antarctica = 400;

using PlaceEditing = EditingTest;

PlaceBoxes Typed(const char* city, CoordinateBoxes latitude, CoordinateBoxes longitude)
{
    return {city, std::move(latitude), std::move(longitude)};
}

TEST_F(PlaceEditing, OpensOnTheZonesFirstPlaceOrAddingWhenItHasNone)
{
    PlaceEditor india(Places(), India);
    EXPECT_EQ(Places().Index(), "Place");
    EXPECT_FALSE(india.AddingNew());
    EXPECT_EQ(india.boxes, Typed("agra", {"27", "11", "N"}, {"78", "01", "E"}));   // name order ignores case

    PlaceEditor antarctica(Places(), Antarctica);
    EXPECT_TRUE(antarctica.AddingNew());
    EXPECT_EQ(antarctica.boxes, PlaceBoxes{});
    EXPECT_EQ(antarctica.boxes.latitude.direction, "N");
    EXPECT_EQ(antarctica.boxes.longitude.direction, "E");
    EXPECT_TRUE(messages.messages.empty());
}

// Every zone has places of other zones next to it in the index, or an end of
// the table: no walk leaves the zone.
TEST_F(PlaceEditing, MovesStayInsideTheZone)
{
    struct Step {
        MoveTo move;
        const char* shown;
    };
    struct Case {
        long long zone;
        std::vector<Step> steps;
    } cases[] = {
        {India, {{MoveTo::Previous, "agra"}, {MoveTo::Next, "Delhi"}, {MoveTo::Next, "Mumbai"},
                 {MoveTo::Next, "Mumbai"}, {MoveTo::Top, "agra"}, {MoveTo::Bottom, "Mumbai"},
                 {MoveTo::Previous, "Delhi"}, {MoveTo::Bottom, "Mumbai"}}},
        // First zone of the table: Previous steps past the beginning.
        {Afghanistan, {{MoveTo::Previous, "Herat"}, {MoveTo::Bottom, "Kabul"}, {MoveTo::Next, "Kabul"},
                       {MoveTo::Previous, "Herat"}}},
        // Last zone with places: Next steps past the end, Bottom finds no later zone.
        {Nepal, {{MoveTo::Next, "Kathmandu"}, {MoveTo::Bottom, "Kathmandu"}, {MoveTo::Previous, "Kathmandu"},
                 {MoveTo::Top, "Kathmandu"}}},
    };
    for (const Case& c : cases) {
        PlaceEditor editor(Places(), c.zone);
        for (const Step& s : c.steps) {
            editor.Move(s.move);
            EXPECT_EQ(editor.boxes.city, s.shown) << "zone " << c.zone << " move " << int(s.move);
            EXPECT_EQ(Places().Field("PlaceName").Text(), s.shown);
            EXPECT_FALSE(editor.AddingNew());
        }
    }
    EXPECT_TRUE(messages.questions.empty());   // stored places unchanged: nothing to ask
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PlaceEditing, AZoneWithoutPlacesGetsItsFirstOneAfterTheQuestion)
{
    PlaceEditor editor(Places(), Antarctica);
    for (MoveTo m : {MoveTo::Top, MoveTo::Bottom, MoveTo::Next, MoveTo::Previous}) {
        messages.answers = {Answer::No};
        editor.Move(m);
        EXPECT_TRUE(editor.AddingNew());
    }
    EXPECT_EQ(messages.questions.size(), 4u);   // a new entry always counts as changed

    editor.boxes = Typed("McMurdo", {"77", "51", "s"}, {"166", "40", "E"});
    messages.answers = {Answer::Yes};
    editor.Move(MoveTo::Next);
    EXPECT_FALSE(editor.AddingNew());
    EXPECT_EQ(PlacesOf(Antarctica), std::vector<std::string>{"McMurdo|77S51|166E40"});
    editor.Move(MoveTo::Top);
    EXPECT_EQ(editor.boxes, Typed("McMurdo", {"77", "51", "S"}, {"166", "40", "E"}));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PlaceEditing, TheQuestionBeforeAMoveSavesGoesOnOrStays)
{
    struct Case {
        Answer answer;
        const char* storedDelhi;
        const char* shown;
    } cases[] = {
        {Answer::Yes, "Delhi|28N40|77E13", "Mumbai"},
        {Answer::No, "Delhi|28N39|77E13", "Mumbai"},
        {Answer::Cancel, "Delhi|28N39|77E13", "Delhi"},
    };
    for (const Case& c : cases) {
        SetUp();
        PlaceEditor editor(Places(), India);
        editor.Move(MoveTo::Next);
        editor.boxes.latitude.minutes = "40";
        const PlaceBoxes typed = editor.boxes;
        messages.questions.clear();
        messages.answers = {c.answer};
        editor.Move(MoveTo::Next);
        EXPECT_EQ(messages.questions, std::vector<std::string>{"Save Changes?"});
        EXPECT_EQ(PlacesOf(India)[1], c.storedDelhi) << int(c.answer);
        EXPECT_EQ(editor.boxes.city, c.shown);
        EXPECT_EQ(Places().Field("PlaceName").Text(), c.shown);
        if (c.answer == Answer::Cancel) {
            EXPECT_EQ(editor.boxes, typed);   // the typed entry stays
        }
    }
}

TEST_F(PlaceEditing, AddAndFindAskFirstToo)
{
    PlaceEditor editor(Places(), India);
    editor.boxes.city = "Agra Cantt";
    messages.answers = {Answer::Cancel};
    EXPECT_FALSE(editor.Add());
    EXPECT_EQ(editor.boxes.city, "Agra Cantt");
    messages.answers = {Answer::Cancel};
    editor.Find("Mum");
    EXPECT_EQ(editor.boxes.city, "Agra Cantt");
    EXPECT_EQ(messages.questions.size(), 2u);

    messages.answers = {Answer::Yes};
    EXPECT_TRUE(editor.Add());
    EXPECT_TRUE(editor.AddingNew());
    EXPECT_EQ(editor.boxes, PlaceBoxes{});
    EXPECT_EQ(PlacesOf(India).front(), "Agra Cantt|27N11|78E01");
}

// Stored texts that saving would rewrite count as changed; the delivered
// form does not.
TEST_F(PlaceEditing, StoredTextsInAnotherFormCountAsChanged)
{
    struct Case {
        const char* latitude;
        bool changed;
    } cases[] = {{"28N39", false}, {"28N5", true}, {"08N39", true}, {"28n39", true}};
    for (const Case& c : cases) {
        db.Execute(std::string("UPDATE Places SET Latitude = '") + c.latitude + "' WHERE PlaceName = 'Delhi'");
        PlaceEditor editor(Places(), India);
        editor.Move(MoveTo::Next);
        EXPECT_EQ(editor.IsChanged(), c.changed) << c.latitude;
    }
}

TEST_F(PlaceEditing, ANewPlaceIsStoredInTheZonesFormWithANewId)
{
    const long long lastId = std::stoll(Rows("SELECT max([Place ID]) FROM Places").front());
    PlaceEditor editor(Places(), India);
    ASSERT_TRUE(editor.Add());
    editor.boxes = Typed("  Shimla ", {"31", "6", "n"}, {"077", "10", "e"});
    messages.answers = {Answer::Yes};
    editor.Find("Del");
    EXPECT_EQ(editor.boxes.city, "Delhi");   // the search went on after the save
    EXPECT_EQ(PlacesOf(India)[3], "Shimla|31N06|77E10");

    // A deleted place's id is not given again.
    editor.Find("Shim");
    messages.answers = {Answer::Yes};
    editor.Delete();
    ASSERT_TRUE(editor.Add());
    editor.boxes = Typed("Pune", {"18", "31", "N"}, {"73", "51", "E"});
    messages.answers = {Answer::Yes};
    editor.Move(MoveTo::Top);
    const std::vector<std::string> ids = Rows("SELECT [Place ID] FROM Places WHERE [Country ID] = 200 "
                                              "AND [Place ID] > " + std::to_string(lastId));
    EXPECT_EQ(ids, std::vector<std::string>{std::to_string(lastId + 2)});
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PlaceEditing, EntriesThatCannotBeStoredAreRefusedAndKept)
{
    struct Case {
        PlaceBoxes typed;
        const char* message;
    } cases[] = {
        {Typed("", {"31", "06", "N"}, {"77", "10", "E"}), "City not entered"},
        {Typed("   ", {"31", "06", "N"}, {"77", "10", "E"}), "City not entered"},
        {Typed("Shimla", {"91", "06", "N"}, {"77", "10", "E"}), "Invalid latitude"},
        {Typed("Shimla", {"31", "60", "N"}, {"77", "10", "E"}), "Invalid latitude"},
        {Typed("Shimla", {"", "06", "N"}, {"77", "10", "E"}), "Invalid latitude"},
        {Typed("Shimla", {"31", "06", "N"}, {"181", "10", "E"}), "Invalid longitude"},
        {Typed("Shimla", {"31", "06", "N"}, {"7x", "10", "E"}), "Invalid longitude"},
    };
    const std::vector<std::string> before = PlacesOf(India);
    for (const Case& c : cases) {
        PlaceEditor editor(Places(), India);
        ASSERT_TRUE(editor.Add());
        editor.boxes = c.typed;
        messages.messages.clear();
        messages.answers = {Answer::Yes};
        editor.Move(MoveTo::Top);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].rfind(c.message, 0), 0u) << messages.messages[0];
        EXPECT_TRUE(editor.AddingNew());
        EXPECT_EQ(editor.boxes, c.typed);   // not lost: the move was abandoned
    }
    // A stored place edited out of range is not written either.
    PlaceEditor editor(Places(), India);
    editor.boxes.longitude.degrees = "200";
    messages.answers = {Answer::Yes};
    editor.Move(MoveTo::Next);
    EXPECT_EQ(editor.boxes.city, "agra");
    EXPECT_EQ(PlacesOf(India), before);
}

TEST_F(PlaceEditing, DeleteRemovesOnlyAfterYesAndShowsTheFirstPlace)
{
    PlaceEditor editor(Places(), India);
    messages.answers = {Answer::No};
    editor.Delete();
    EXPECT_EQ(PlacesOf(India).size(), 3u);
    EXPECT_EQ(messages.questions.back(), "Are you sure to delete information about agra?");

    messages.answers = {Answer::Yes};
    editor.Delete();
    EXPECT_EQ(editor.boxes.city, "Delhi");   // the place after it in name order
    editor.Move(MoveTo::Bottom);
    messages.answers = {Answer::Yes};
    editor.Delete();
    EXPECT_EQ(editor.boxes.city, "Delhi");
    messages.answers = {Answer::Yes};
    editor.Delete();
    EXPECT_TRUE(editor.AddingNew());
    EXPECT_EQ(editor.boxes, PlaceBoxes{});
    EXPECT_TRUE(PlacesOf(India).empty());
    EXPECT_EQ(PlacesOf(Afghanistan).size(), 2u);
    EXPECT_EQ(PlacesOf(Nepal).size(), 1u);
}

TEST_F(PlaceEditing, DeleteWhileAddingDropsOnlyTheNewEntry)
{
    PlaceEditor editor(Places(), India);
    editor.Move(MoveTo::Next);
    ASSERT_TRUE(editor.Add());
    editor.boxes.city = "Shimla";
    messages.answers = {Answer::Yes};
    editor.Delete();
    EXPECT_EQ(messages.questions.back(), "Are you sure to delete information about Shimla?");
    EXPECT_FALSE(editor.AddingNew());
    EXPECT_EQ(editor.boxes.city, "Delhi");   // shown before Add, and still stored
    EXPECT_EQ(PlacesOf(India).size(), 3u);

    PlaceEditor empty(Places(), Antarctica);
    empty.boxes.city = "McMurdo";
    messages.answers = {Answer::Yes};
    empty.Delete();
    EXPECT_TRUE(empty.AddingNew());
    EXPECT_EQ(empty.boxes, PlaceBoxes{});
    EXPECT_EQ(Rows("SELECT count(*) FROM Places"), std::vector<std::string>{"6"});
}

TEST_F(PlaceEditing, FindLooksForTheStartOfANameInThisZone)
{
    struct Case {
        const char* search;
        const char* shown;
        const char* message;
    } cases[] = {
        {"de", "Delhi", nullptr},
        {"MUM", "Mumbai", nullptr},
        {"b", "Delhi", nullptr},            // the first name at or after it
        {"Zz", "agra", "Search failed!"},   // after every name of the zone
        {"Kath", "Mumbai", nullptr},        // another zone's name: this zone's next name
        {"", "agra", "Error:Nothing to search for!"},
        {"  ", "agra", "Error:Nothing to search for!"},
    };
    for (const Case& c : cases) {
        PlaceEditor editor(Places(), India);
        messages.messages.clear();
        editor.Find(c.search);
        EXPECT_EQ(editor.boxes.city, c.shown) << c.search;
        EXPECT_EQ(Places().Field("PlaceName").Text(), c.shown);
        EXPECT_EQ(messages.messages, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    }
    PlaceEditor nepal(Places(), Nepal);
    nepal.Find("Kau");   // only Kathmandu, which sorts before it: the next zone's places do not count
    EXPECT_EQ(messages.messages.back(), "Search failed!");
    EXPECT_EQ(nepal.boxes.city, "Kathmandu");
}

} // namespace
