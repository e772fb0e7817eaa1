#include "PlaceEditing.h"

#include "core/Reporter.h"

namespace tarvik {

namespace {

// A Null stored value counts as not different.
bool TextDiffers(const Value& stored, std::string_view shown)
{
    return !stored.IsNull() && stored.Text() != shown;
}

bool CoordinateDiffers(const Value& stored, const CoordinateBoxes& boxes, CoordinateKind kind)
{
    return !stored.IsNull() && DiffersFromStored(boxes, kind, stored.Text());
}

} // namespace

PlaceEditor::PlaceEditor(TableCursor& places, long long countryId) : places_(places), countryId_(countryId)
{
    places_.SetIndex("Place");
    ShowFirstPlace();
}

bool PlaceEditor::OnZonePlace() const
{
    return places_.HasCurrent() && places_.Field("Country ID").Int() == countryId_;
}

void PlaceEditor::ShowCurrent()
{
    if (!OnZonePlace())
        return;
    boxes.city = places_.Field("PlaceName").Text();
    boxes.latitude = ShownBoxes(places_.Field("Latitude").Text(), CoordinateKind::Latitude);
    boxes.longitude = ShownBoxes(places_.Field("Longitude").Text(), CoordinateKind::Longitude);
}

void PlaceEditor::SeekFirstPlace() { places_.Seek(">=", {Value(countryId_), Value("")}); }

void PlaceEditor::SeekLastPlace()
{
    // The zone's last place stands just before the first place of the next zone id.
    places_.Seek(">=", {Value(countryId_ + 1)});
    if (places_.NoMatch())
        places_.MoveLast();
    else
        places_.MovePrevious();
}

void PlaceEditor::ShowFirstPlace()
{
    SeekFirstPlace();
    addingNew_ = !OnZonePlace();
    if (addingNew_)
        boxes = {};
    else
        ShowCurrent();
}

bool PlaceEditor::IsChanged()
{
    if (addingNew_)
        return true;   // its direction boxes always hold valid letters
    if (!OnZonePlace())
        return false;
    return TextDiffers(places_.Field("PlaceName"), TrimmedEntry(boxes.city)) ||
           CoordinateDiffers(places_.Field("Latitude"), boxes.latitude, CoordinateKind::Latitude) ||
           CoordinateDiffers(places_.Field("Longitude"), boxes.longitude, CoordinateKind::Longitude);
}

bool PlaceEditor::SaveRecord()
{
    const std::string city = TrimmedEntry(boxes.city);
    if (city.empty()) {
        reporter().Message("City not entered");
        return false;
    }
    const CoordinateText latitude = StoredCoordinate(boxes.latitude, CoordinateKind::Latitude);
    const CoordinateText longitude = StoredCoordinate(boxes.longitude, CoordinateKind::Longitude);
    for (const CoordinateText* c : {&latitude, &longitude})
        if (!c->Valid()) {
            reporter().Message(c->problem);
            return false;
        }
    if (addingNew_)
        places_.AddNew();
    else
        places_.Edit();
    places_.SetField("Country ID", Value(countryId_));
    places_.SetField("PlaceName", Value(city));
    places_.SetField("Latitude", Value(latitude.text));
    places_.SetField("Longitude", Value(longitude.text));
    UpdateAndStandOn(places_);
    addingNew_ = false;
    ShowCurrent();
    return true;
}

bool PlaceEditor::Add()
{
    if (!ConfirmLeaving())
        return false;
    boxes = {};
    addingNew_ = true;
    return true;
}

void PlaceEditor::Delete()
{
    if (reporter().Ask("Are you sure to delete information about " + boxes.city + "?", Buttons::YesNo) !=
        Answer::Yes)
        return;
    if (addingNew_ && OnZonePlace()) {
        // Only the unsaved entry goes; the place shown before Add comes back.
        addingNew_ = false;
        ShowCurrent();
        return;
    }
    if (!addingNew_ && OnZonePlace())
        places_.Delete();
    ShowFirstPlace();
}

void PlaceEditor::Find(std::string_view search)
{
    if (!ConfirmLeaving())
        return;
    const std::string text = TrimmedEntry(search);
    if (text.empty()) {
        reporter().Message(NothingToSearchFor);
        return;
    }
    const std::optional<Bookmark> back = CurrentBookmark(places_);
    places_.Seek(">=", {Value(countryId_), Value(text)});
    if (!OnZonePlace()) {
        ReturnTo(places_, back);
        reporter().Message(SearchFailed);
        return;
    }
    addingNew_ = false;
    ShowCurrent();
}

void PlaceEditor::Move(MoveTo where)
{
    if (!ConfirmLeaving())
        return;
    const std::optional<Bookmark> back = CurrentBookmark(places_);
    switch (where) {
    case MoveTo::Top: SeekFirstPlace(); break;
    case MoveTo::Next:
        if (places_.HasCurrent())
            places_.MoveNext();
        break;
    case MoveTo::Previous:
        if (places_.HasCurrent())
            places_.MovePrevious();
        break;
    case MoveTo::Bottom: SeekLastPlace(); break;
    }
    // Past either end of the table, or into the next zone: stay.
    if (!OnZonePlace())
        ReturnTo(places_, back);
    if (OnZonePlace()) {
        addingNew_ = false;
        ShowCurrent();
    }
}

} // namespace tarvik
