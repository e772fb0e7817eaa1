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

PlaceEditor::PlaceEditor(TableCursor& places, long long countryId) : RowEditor(places), countryId_(countryId)
{
    cursor_.SetIndex("Place");
    ShowFirstRow();
}

bool PlaceEditor::ShowsStoredRow() const
{
    return cursor_.HasCurrent() && cursor_.Field("Country ID").Int() == countryId_;
}

void PlaceEditor::ShowCurrent()
{
    if (!ShowsStoredRow())
        return;
    boxes.city = cursor_.Field("PlaceName").Text();
    boxes.latitude = ShownBoxes(cursor_.Field("Latitude").Text(), CoordinateKind::Latitude);
    boxes.longitude = ShownBoxes(cursor_.Field("Longitude").Text(), CoordinateKind::Longitude);
}

void PlaceEditor::SeekFirstRow() { cursor_.Seek(">=", SearchKey({})); }

void PlaceEditor::SeekLastPlace()
{
    // The zone's last place stands just before the first place of the next zone id.
    cursor_.Seek(">=", {Value(countryId_ + 1)});
    if (cursor_.NoMatch())
        cursor_.MoveLast();
    else
        cursor_.MovePrevious();
}

std::vector<Value> PlaceEditor::SearchKey(const std::string& text) const
{
    return {Value(countryId_), Value(text)};
}

std::string PlaceEditor::Called() const { return "The place \"" + cursor_.Field("PlaceName").Text() + "\""; }

std::string PlaceEditor::DeleteQuestion() const
{
    return "Are you sure to delete information about " + boxes.city + "?";
}

bool PlaceEditor::IsChanged()
{
    if (addingNew_)
        return true;   // its direction boxes always hold valid letters
    if (!ShowsStoredRow())
        return false;
    return TextDiffers(cursor_.Field("PlaceName"), TrimmedEntry(boxes.city)) ||
           CoordinateDiffers(cursor_.Field("Latitude"), boxes.latitude, CoordinateKind::Latitude) ||
           CoordinateDiffers(cursor_.Field("Longitude"), boxes.longitude, CoordinateKind::Longitude);
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
    const std::string called = addingNew_ ? std::string() : Called();
    if (addingNew_)
        cursor_.AddNew();
    else
        cursor_.Edit();
    cursor_.SetField("Country ID", Value(countryId_));
    cursor_.SetField("PlaceName", Value(city));
    cursor_.SetField("Latitude", Value(latitude.text));
    cursor_.SetField("Longitude", Value(longitude.text));
    return FinishSave(called);
}

void PlaceEditor::Move(MoveTo where)
{
    if (!ConfirmLeaving())
        return;
    const std::optional<Bookmark> back = CurrentBookmark(cursor_);
    const std::string called = ShowsStoredRow() && !showsNoRow_ ? Called() : std::string();
    switch (From(where)) {
    case MoveTo::Top: SeekFirstRow(); break;
    case MoveTo::Next:
        if (cursor_.HasCurrent())
            cursor_.MoveNext();
        break;
    case MoveTo::Previous:
        if (cursor_.HasCurrent())
            cursor_.MovePrevious();
        break;
    case MoveTo::Bottom: SeekLastPlace(); break;
    }
    // Past either end of the table, or into the next zone: stay.
    if (!ShowsStoredRow() && !ReturnToShown(back, called))
        return;
    if (ShowsStoredRow()) {
        addingNew_ = false;
        Show();
    }
}

} // namespace tarvik
