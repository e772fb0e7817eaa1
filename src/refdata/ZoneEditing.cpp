#include "ZoneEditing.h"

#include "Database.h"
#include "core/Reporter.h"

namespace tarvik {

ZoneEditor::ZoneEditor(TableCursor& countries) : RowEditor(countries)
{
    cursor_.SetIndex("Country");
    // An empty table can only be filled by adding: the editor opens so.
    ShowFirstRow();
}

namespace {

// 3576 as "3,576".
std::string WithThousands(long long n)
{
    std::string digits = std::to_string(n);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

} // namespace

std::string ZoneEditor::DeleteQuestion() const
{
    if (addingNew_ || !cursor_.HasCurrent())
        return "Are you sure to delete " + TrimmedEntry(boxes.name) + "?";
    const std::string zone =
        cursor_.Field("Country").Text() + " [" + cursor_.Field("Zone").Text() + "]";
    Recordset count(cursor_.Db(), "SELECT COUNT(*) FROM Places WHERE [Country ID] = ?",
                    {cursor_.Field("Country ID")});
    const long long places = count.Field(0).Int();
    return "Are you sure to delete " + zone + " and its " + WithThousands(places) +
           (places == 1 ? " place?" : " places?");
}

std::string ZoneEditor::Called() const { return "The time zone \"" + cursor_.Field("Country").Text() + "\""; }

void ZoneEditor::ShowCurrent()
{
    if (!cursor_.HasCurrent())
        return;
    boxes.name = cursor_.Field("Country").Text();
    boxes.meridian = ShownBoxes(cursor_.Field("Zone").Text(), CoordinateKind::ZoneMeridian);
}

bool ZoneEditor::NameTakenByAnother(const std::string& name) const
{
    Statement st(cursor_.Db(), "SELECT rowid FROM " + QuoteIdentifier(cursor_.Table()) + " WHERE \"Country\" = ?");
    st.Bind(1, Value(name));
    const std::optional<Bookmark> own = addingNew_ ? std::nullopt : CurrentBookmark(cursor_);
    while (st.Step())
        if (!own || st.Column(0).Int() != *own)
            return true;
    return false;
}

bool ZoneEditor::IsChanged()
{
    if (addingNew_) {
        const std::optional<Bookmark> back = CurrentBookmark(cursor_);
        cursor_.Seek("=", {Value(TrimmedEntry(boxes.name))});
        if (cursor_.NoMatch()) {
            ReturnTo(cursor_, back);
            return true;
        }
        // The window shows the stored zone of that name instead.
        addingNew_ = false;
        Show();
        reporter().Message(ZoneExists);
        return false;
    }
    if (!cursor_.HasCurrent())
        return false;
    const Value name = cursor_.Field("Country");
    const Value zone = cursor_.Field("Zone");
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
    const std::string called = addingNew_ ? std::string() : Called();
    if (addingNew_)
        cursor_.AddNew();
    else
        cursor_.Edit();
    cursor_.SetField("Country", Value(name));
    cursor_.SetField("Zone", Value(meridian.text));
    return FinishSave(called);
}

void ZoneEditor::DeleteShownRow()
{
    Database& data = cursor_.Db();
    const Value zone = cursor_.Field("Country ID");
    const std::optional<Bookmark> shown = CurrentBookmark(cursor_);
    try {
        Transaction transaction(data);
        cursor_.Delete();
        if (data.HasTable("PlaceNames")) {
            Statement names(data, "DELETE FROM PlaceNames WHERE \"Place ID\" IN "
                                  "(SELECT \"Place ID\" FROM Places WHERE \"Country ID\" = ?)");
            names.Bind(1, zone);
            names.Step();
        }
        Statement places(data, "DELETE FROM Places WHERE \"Country ID\" = ?");
        places.Bind(1, zone);
        places.Step();
        transaction.Commit();
    } catch (const DbError& e) {
        // Rolled back: the zone is stored as before and stays shown, unless
        // another program deleted or changed it (the cursor tells that).
        if (!IsOvertaken(e))
            ReturnTo(cursor_, shown);
        throw;
    }
}

bool ZoneEditor::MayAdd()
{
    if (!TrimmedEntry(boxes.name).empty())
        return true;
    reporter().Message("Cant save");
    return false;
}

void ZoneEditor::Move(MoveTo where)
{
    if (!ConfirmLeaving())
        return;
    const bool standing = cursor_.HasCurrent();
    switch (From(where)) {
    case MoveTo::Top: cursor_.MoveFirst(); break;
    case MoveTo::Bottom: cursor_.MoveLast(); break;
    case MoveTo::Next:
        if (!standing)
            cursor_.MoveFirst();
        else if (cursor_.MoveNext(); cursor_.Eof())
            cursor_.MoveLast();
        break;
    case MoveTo::Previous:
        if (!standing)
            cursor_.MoveFirst();
        else if (cursor_.MovePrevious(); cursor_.Bof())
            cursor_.MoveFirst();
        break;
    }
    // With no zone stored at all the editor stays adding.
    if (!cursor_.HasCurrent())
        return;
    addingNew_ = false;
    Show();
}

} // namespace tarvik
