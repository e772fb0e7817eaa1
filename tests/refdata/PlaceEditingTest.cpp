#include "EditingFixture.h"

#include "refdata/PlaceEditing.h"
#include "shell/FailingWrites.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

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

// Two copies of the program on one file: a place the other copy deleted
// cannot be corrected here, and the move that finds it gone says so once
// and leaves no place in edit (no other place takes its boxes, where the
// user was typing); the next move starts from the zone's first place.
TEST_F(PlaceEditing, APlaceDeletedElsewhereEndsItsEditingWithOneMessage)
{
    struct Case {
        const char* deleted;   // shown here, then deleted by the other copy
        MoveTo shownBy;
        bool corrected;        // the boxes here hold a correction of it
        MoveTo then;
        const char* message;
        const char* shownNext;   // by Next after the message
    } cases[] = {
        {"Delhi", MoveTo::Next, true, MoveTo::Next,
         "The place \"Delhi\" was deleted by another program since it was shown here, so your correction "
         "was not saved.", "agra"},
        // The moves that step out of the zone come back to a place that is gone.
        {"Mumbai", MoveTo::Bottom, false, MoveTo::Next,
         "The place \"Mumbai\" was deleted by another program since it was shown here.", "agra"},
        {"agra", MoveTo::Top, false, MoveTo::Previous,
         "The place \"agra\" was deleted by another program since it was shown here.", "Delhi"},
        {"Delhi", MoveTo::Next, true, MoveTo::Top,
         "The place \"Delhi\" was deleted by another program since it was shown here, so your correction "
         "was not saved.", "agra"},
    };
    for (const Case& c : cases) {
        SetUp();
        auto other = Elsewhere();
        PlaceEditor here(Places(), India);
        here.Move(c.shownBy);
        ASSERT_EQ(here.boxes.city, c.deleted);
        PlaceEditor there(other->places, India);
        there.Find(c.deleted);
        messages.answers = {Answer::Yes};
        there.Delete();
        ASSERT_EQ(PlacesOf(India).size(), 2u);

        if (c.corrected)
            here.boxes.latitude.minutes = "45";
        messages.messages.clear();
        messages.answers = {Answer::Yes};
        here.Move(c.then);
        EXPECT_EQ(messages.messages, std::vector<std::string>{c.message}) << c.deleted;
        EXPECT_TRUE(here.ShowsNoRow()) << c.deleted;
        EXPECT_EQ(here.boxes, PlaceBoxes{}) << c.deleted;
        EXPECT_FALSE(here.AddingNew());
        EXPECT_EQ(PlacesOf(India).size(), 2u) << "the correction added nothing";
        // Nothing in edit: nothing to save or delete, and no question.
        const std::size_t asked = messages.questions.size();
        here.boxes.city = "typed over nothing";
        here.Delete();
        here.Move(MoveTo::Next);
        EXPECT_EQ(messages.questions.size(), asked);
        EXPECT_FALSE(here.ShowsNoRow());
        EXPECT_EQ(here.boxes.city, c.shownNext) << c.deleted;
        EXPECT_EQ(PlacesOf(India).size(), 2u);

        // The editing goes on without another word.
        for (MoveTo m : {MoveTo::Next, MoveTo::Previous, MoveTo::Bottom, MoveTo::Top})
            here.Move(m);
        EXPECT_EQ(messages.messages.size(), 1u) << messages.messages.back();
        EXPECT_EQ(here.boxes.city, PlacesOf(India).front().substr(0, PlacesOf(India).front().find('|')));
    }
}

// A correction is saved only over the place as it was shown here; a change
// made by the other copy in the meantime stays, and is shown.
TEST_F(PlaceEditing, ACorrectionIsNotSavedOverAChangeMadeElsewhere)
{
    struct Case {
        const char* what;
        PlaceBoxes changedThere;   // agra as the other copy saves it
        const char* stored;
        const char* message;
    } cases[] = {
        {"longitude", Typed("agra", {"27", "11", "N"}, {"78", "02", "E"}), "agra|27N11|78E02",
         "The place \"agra\" was changed by another program since it was shown here, so your correction "
         "was not saved. It is shown as it now stands."},
        // The names compare without letter case, the change does not.
        {"name's case", Typed("Agra", {"27", "11", "N"}, {"78", "01", "E"}), "Agra|27N11|78E01",
         "The place \"agra\" was changed by another program since it was shown here, so your correction "
         "was not saved. It is shown as it now stands."},
    };
    for (const Case& c : cases) {
        SetUp();
        auto other = Elsewhere();
        PlaceEditor here(Places(), India);
        PlaceEditor there(other->places, India);
        there.boxes = c.changedThere;
        messages.answers = {Answer::Yes};
        there.Move(MoveTo::Next);
        ASSERT_EQ(PlacesOf(India).front(), c.stored) << c.what;

        here.boxes.latitude.minutes = "12";
        messages.messages.clear();
        messages.answers = {Answer::Yes};
        here.Move(MoveTo::Next);
        EXPECT_EQ(messages.messages, std::vector<std::string>{c.message}) << c.what;
        EXPECT_EQ(PlacesOf(India).front(), c.stored) << c.what;
        EXPECT_EQ(here.boxes, c.changedThere) << c.what;   // as it now stands; the move was abandoned
        EXPECT_FALSE(here.IsChanged());

        // Corrected again over what is now stored, it is saved with both changes.
        here.boxes.latitude.minutes = "12";
        messages.answers = {Answer::Yes};
        here.Move(MoveTo::Next);
        EXPECT_EQ(here.boxes.city, "Delhi");
        std::string both = c.stored;
        both.replace(both.find("27N11"), 5, "27N12");
        EXPECT_EQ(PlacesOf(India).front(), both) << c.what;
        EXPECT_EQ(messages.messages.size(), 1u);
    }

    // Moved into another zone there: no longer a place of this zone here.
    SetUp();
    auto other = Elsewhere();
    PlaceEditor here(Places(), India);
    other->db.Execute("UPDATE Places SET [Country ID] = 300 WHERE PlaceName = 'agra'");
    here.boxes.latitude.minutes = "12";
    messages.messages.clear();
    messages.answers = {Answer::Yes};
    here.Move(MoveTo::Next);
    EXPECT_EQ(messages.messages,
              std::vector<std::string>{"The place \"agra\" was changed by another program so that it no longer "
                                       "belongs here, so your correction was not saved."});
    EXPECT_TRUE(here.ShowsNoRow());
    here.Move(MoveTo::Previous);
    EXPECT_EQ(here.boxes.city, "Delhi");
    EXPECT_EQ(PlacesOf(Nepal), (std::vector<std::string>{"agra|27N11|78E01", "Kathmandu|27N42|85E19"}));
}

TEST_F(PlaceEditing, APlaceChangedElsewhereIsNotDeletedUnseen)
{
    auto other = Elsewhere();
    PlaceEditor here(Places(), India);
    other->db.Execute("UPDATE Places SET Longitude = '78E02' WHERE PlaceName = 'agra'");
    messages.answers = {Answer::Yes};
    here.Delete();
    EXPECT_EQ(messages.messages,
              std::vector<std::string>{"The place \"agra\" was changed by another program since it was shown "
                                       "here, so it was not deleted. It is shown as it now stands."});
    EXPECT_EQ(PlacesOf(India).front(), "agra|27N11|78E02");
    EXPECT_EQ(here.boxes.longitude.minutes, "02");

    // Seen, it goes at the next Delete; one deleted there meanwhile is gone as asked.
    messages.answers = {Answer::Yes};
    here.Delete();
    EXPECT_EQ(PlacesOf(India).size(), 2u);
    EXPECT_EQ(here.boxes.city, "Delhi");
    other->db.Execute("DELETE FROM Places WHERE PlaceName = 'Delhi'");
    messages.answers = {Answer::Yes};
    here.Delete();
    EXPECT_EQ(messages.messages.back(), "The place \"Delhi\" was deleted by another program since it was shown here.");
    EXPECT_EQ(here.boxes.city, "Mumbai");
    EXPECT_EQ(PlacesOf(India), std::vector<std::string>{"Mumbai|18N58|72E50"});
}


// A place that cannot be written for want of room is told in words, with
// nothing written and the typed place kept.
TEST_F(PlaceEditing, APlaceThatFindsNoRoomOnTheDiskIsToldInWords)
{
    std::string bytes;
    {
        std::ifstream in(folder.File("data.db"), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    const struct {
        FailingWrites::Way way;
        const char* reason;
    } ways[] = {
        {FailingWrites::Way::FullDisk, "the disk is full. Nothing was changed; make room on the disk and try again."},
        {FailingWrites::Way::SizeLimit, "File too large. Nothing was changed."},
    };
    for (const auto& w : ways) {
        FailingWrites place(w.way);
        place.Start({{"data.db", bytes}});
        if (!place.Ready())
            continue;   // no file system of our own to fill here
        std::string told;
        {
            Database full(place.File("data.db"), OpenMode::ReadWrite);
            TableCursor cursor(full, "Places");
            PlaceEditor editor(cursor, India);
            ASSERT_TRUE(editor.Add());
            editor.boxes = Typed("Shimla", {"31", "06", "N"}, {"77", "10", "E"});
            messages.answers = {Answer::Yes};
            try {
                editor.Move(MoveTo::Top);
            } catch (const DbError& e) {
                told = e.what();
            }
            EXPECT_TRUE(editor.AddingNew());
            EXPECT_EQ(editor.boxes.city, "Shimla");
        }
        SCOPED_TRACE(told);
        const std::string start = "The database file \"" + place.File("data.db") + "\" cannot be written: ";
        EXPECT_EQ(told.rfind(start, 0), 0u);
        EXPECT_EQ(told.substr(std::min(told.size(), start.size())), w.reason);
        for (const char* sql : {"INSERT", "Places", "Cannot run"})
            EXPECT_EQ(told.find(sql), std::string::npos) << sql;
        Database again(place.File("data.db"), OpenMode::ReadOnly);
        EXPECT_EQ(Recordset(again, "SELECT COUNT(*) FROM Places WHERE PlaceName = 'Shimla'").Field(0).Int(), 0);
    }
}

} // namespace
