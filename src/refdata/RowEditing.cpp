#include "RowEditing.h"

#include "CoordinateEntry.h"
#include "core/Reporter.h"

namespace tarvik {

bool RowEditor::ConfirmLeaving()
{
    // With no row in edit the empty boxes are nothing to keep.
    if (showsNoRow_ || !IsChanged())
        return true;
    switch (reporter().Ask("Save Changes?", Buttons::YesNoCancel)) {
    case Answer::Yes: return SaveRecord();
    case Answer::No: return true;
    default: return false;
    }
}

void RowEditor::ShowFirstRow()
{
    SeekFirstRow();
    addingNew_ = !ShowsStoredRow();
    showsNoRow_ = false;
    if (addingNew_)
        ClearBoxes();
    else
        ShowCurrent();
}

void RowEditor::Show()
{
    showsNoRow_ = false;
    ShowCurrent();
}

void RowEditor::ShowNoRow()
{
    SeekFirstRow();
    if (!ShowsStoredRow()) {
        ShowFirstRow();
        return;
    }
    ClearBoxes();
    addingNew_ = false;
    showsNoRow_ = true;
}

MoveTo RowEditor::From(MoveTo where) const
{
    return showsNoRow_ && (where == MoveTo::Next || where == MoveTo::Previous) ? MoveTo::Top : where;
}

bool RowEditor::FinishSave(const std::string& called)
{
    try {
        UpdateAndStandOn(cursor_);
    } catch (const DbError& e) {
        if (addingNew_ || !IsOvertaken(e))
            throw;
        Overtaken(called, e.Fault(), "your correction was not saved");
        return false;
    }
    addingNew_ = false;
    Show();
    return true;
}

void RowEditor::Overtaken(const std::string& called, DbFault fault, std::string_view notDone)
{
    const std::string because = notDone.empty() ? std::string(".") : ", so " + std::string(notDone) + ".";
    if (fault == DbFault::RowChanged && ShowsStoredRow()) {
        addingNew_ = false;
        Show();
        reporter().Message(called + " was changed by another program since it was shown here" + because +
                           " It is shown as it now stands.");
        return;
    }
    TellGone(called, fault, because);
    // Nothing else takes its place in the boxes, where the user was typing.
    ShowNoRow();
}

void RowEditor::TellGone(const std::string& called, DbFault fault, std::string_view because)
{
    reporter().Message(called +
                       (fault == DbFault::RowChanged
                            ? " was changed by another program so that it no longer belongs here"
                            : " was deleted by another program since it was shown here") +
                       std::string(because));
}

bool RowEditor::ReturnToShown(std::optional<Bookmark> bookmark, const std::string& called)
{
    const bool back = ReturnTo(cursor_, bookmark);
    // A new entry in the boxes is not the row left behind: it stays.
    if (!bookmark || addingNew_ || called.empty() || (back && ShowsStoredRow()))
        return back;
    Overtaken(called, back ? DbFault::RowChanged : DbFault::RowDeleted, {});
    return false;
}

bool RowEditor::Add()
{
    if (!MayAdd() || !ConfirmLeaving())
        return false;
    ClearBoxes();
    addingNew_ = true;
    showsNoRow_ = false;
    return true;
}

bool RowEditor::ConfirmClosing()
{
    if (addingNew_ && BoxesClear())
        return true;
    return ConfirmLeaving();
}

void RowEditor::Delete()
{
    if (showsNoRow_)
        return;   // nothing shown to delete
    if (reporter().Ask(DeleteQuestion(), Buttons::YesNoDefaultNo) != Answer::Yes)
        return;
    if (addingNew_ && ShowsStoredRow()) {
        // Only the unsaved entry goes; the row shown before Add comes back.
        addingNew_ = false;
        Show();
        return;
    }
    if (!addingNew_ && ShowsStoredRow()) {
        const std::string called = Called();
        try {
            DeleteShownRow();
        } catch (const DbError& e) {
            if (!IsOvertaken(e))
                throw;
            // A row changed elsewhere is shown as it now stands, to be
            // deleted again if it is still to go; one deleted is gone as
            // asked, and the first row follows as after any delete.
            if (e.Fault() == DbFault::RowChanged) {
                Overtaken(called, e.Fault(), "it was not deleted");
                return;
            }
            TellGone(called, e.Fault(), ".");
        }
    }
    ShowFirstRow();
}

void RowEditor::Find(std::string_view search)
{
    if (!ConfirmLeaving())
        return;
    const std::string text = TrimmedEntry(search);
    if (text.empty()) {
        reporter().Message("Error:Nothing to search for!");
        return;
    }
    const std::optional<Bookmark> back = CurrentBookmark(cursor_);
    const std::string called = ShowsStoredRow() && !showsNoRow_ ? Called() : std::string();
    cursor_.Seek(">=", SearchKey(text));
    if (!ShowsStoredRow()) {
        reporter().Message("Search failed!");
        ReturnToShown(back, called);
        return;
    }
    addingNew_ = false;
    Show();
}

void UpdateAndStandOn(TableCursor& cursor)
{
    try {
        cursor.Update();
    } catch (const DbError&) {
        cursor.CancelUpdate();
        throw;
    }
    cursor.SetBookmark(cursor.LastModified());
}

std::optional<Bookmark> CurrentBookmark(const TableCursor& cursor)
{
    if (!cursor.HasCurrent())
        return std::nullopt;
    return cursor.GetBookmark();
}

bool ReturnTo(TableCursor& cursor, std::optional<Bookmark> bookmark)
{
    if (!bookmark)
        return true;
    try {
        cursor.SetBookmark(*bookmark);
    } catch (const DbError& e) {
        if (e.Fault() != DbFault::RowDeleted)
            throw;
        return false;
    }
    return true;
}

bool IsOvertaken(const DbError& e)
{
    return e.Fault() == DbFault::RowChanged || e.Fault() == DbFault::RowDeleted;
}

} // namespace tarvik
