#include "ZoneEditing.h"

#include "core/Reporter.h"

namespace tarvik {

ZoneEditor::ZoneEditor(TableCursor& countries) : countries_(countries)
{
    countries_.SetIndex("Country");
    ShowFirstZone();
}

void ZoneEditor::ShowCurrent()
{
    if (!countries_.HasCurrent())
        return;
    boxes.name = countries_.Field("Country").Text();
    boxes.meridian = ShownBoxes(countries_.Field("Zone").Text(), CoordinateKind::ZoneMeridian);
}

void ZoneEditor::ShowFirstZone()
{
    countries_.MoveFirst();
    // An empty table can only be filled by adding: the editor opens so.
    addingNew_ = !countries_.HasCurrent();
    if (addingNew_)
        boxes = {};
    else
        ShowCurrent();
}

bool ZoneEditor::NameTakenByAnother(const std::string& name) const
{
    Statement st(countries_.Db(), "SELECT rowid FROM " + QuoteIdentifier(countries_.Table()) +
                                      " WHERE \"Country\" = ?");
    st.Bind(1, Value(name));
    const std::optional<Bookmark> own = addingNew_ ? std::nullopt : CurrentBookmark(countries_);
    while (st.Step())
        if (!own || st.Column(0).Int() != *own)
            return true;
    return false;
}

bool ZoneEditor::IsChanged()
{
    if (addingNew_) {
        const std::optional<Bookmark> back = CurrentBookmark(countries_);
        countries_.Seek("=", {Value(TrimmedEntry(boxes.name))});
        if (countries_.NoMatch()) {
            ReturnTo(countries_, back);
            return true;
        }
        // The window shows the stored zone of that name instead.
        addingNew_ = false;
        ShowCurrent();
        reporter().Message(ZoneExists);
        return false;
    }
    if (!countries_.HasCurrent())
        return false;
    const Value name = countries_.Field("Country");
    const Value zone = countries_.Field("Zone");
    return (!name.IsNull() && name.Text() != TrimmedEntry(boxes.name)) ||
           (!zone.IsNull() && DiffersFromStored(boxes.meridian, CoordinateKind::ZoneMeridian, zone.Text()));
}

bool ZoneEditor::SaveRecord()
{
    const std::string name = TrimmedEntry(boxes.name);
    if (name.empty()) {
        reporter().Message("Zone/Country not entered");
        return false;
    }
    const CoordinateText meridian = StoredCoordinate(boxes.meridian, CoordinateKind::ZoneMeridian);
    if (!meridian.Valid()) {
        reporter().Message(meridian.problem);
        return false;
    }
    if (NameTakenByAnother(name)) {
        reporter().Message(ZoneExists);
        return false;
    }
    if (addingNew_)
        countries_.AddNew();
    else
        countries_.Edit();
    countries_.SetField("Country", Value(name));
    countries_.SetField("Zone", Value(meridian.text));
    UpdateAndStandOn(countries_);
    addingNew_ = false;
    ShowCurrent();
    return true;
}

bool ZoneEditor::Add()
{
    if (TrimmedEntry(boxes.name).empty()) {
        reporter().Message("Cant save");
        return false;
    }
    if (!ConfirmLeaving())
        return false;
    boxes = {};
    addingNew_ = true;
    return true;
}

void ZoneEditor::Delete()
{
    if (reporter().Ask("Are you sure to delete?", Buttons::YesNo) != Answer::Yes)
        return;
    if (addingNew_ && countries_.HasCurrent()) {
        // Only the unsaved entry goes; the zone shown before Add comes back.
        addingNew_ = false;
        ShowCurrent();
        return;
    }
    if (!addingNew_ && countries_.HasCurrent())
        countries_.Delete();
    ShowFirstZone();
}

void ZoneEditor::Find(std::string_view search)
{
    if (!ConfirmLeaving())
        return;
    const std::string text = TrimmedEntry(search);
    if (text.empty()) {
        reporter().Message(NothingToSearchFor);
        return;
    }
    const std::optional<Bookmark> back = CurrentBookmark(countries_);
    countries_.Seek(">=", {Value(text)});
    if (countries_.NoMatch()) {
        ReturnTo(countries_, back);
        reporter().Message(SearchFailed);
        return;
    }
    addingNew_ = false;
    ShowCurrent();
}

void ZoneEditor::Move(MoveTo where)
{
    if (!ConfirmLeaving())
        return;
    const bool standing = countries_.HasCurrent();
    switch (where) {
    case MoveTo::Top: countries_.MoveFirst(); break;
    case MoveTo::Bottom: countries_.MoveLast(); break;
    case MoveTo::Next:
        if (!standing)
            countries_.MoveFirst();
        else if (countries_.MoveNext(); countries_.Eof())
            countries_.MoveLast();
        break;
    case MoveTo::Previous:
        if (!standing)
            countries_.MoveFirst();
        else if (countries_.MovePrevious(); countries_.Bof())
            countries_.MoveFirst();
        break;
    }
    // With no zone stored at all the editor stays adding.
    if (!countries_.HasCurrent())
        return;
    addingNew_ = false;
    ShowCurrent();
}

} // namespace tarvik
