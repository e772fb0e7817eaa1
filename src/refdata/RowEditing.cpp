#include "RowEditing.h"

#include "CoordinateEntry.h"
#include "core/Reporter.h"

namespace tarvik {

bool RowEditor::ConfirmLeaving()
{
    if (!IsChanged())
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
    if (addingNew_)
        ClearBoxes();
    else
        ShowCurrent();
}

void RowEditor::FinishSave()
{
    UpdateAndStandOn(cursor_);
    addingNew_ = false;
    ShowCurrent();
}

bool RowEditor::Add()
{
    if (!MayAdd() || !ConfirmLeaving())
        return false;
    ClearBoxes();
    addingNew_ = true;
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
    if (reporter().Ask(DeleteQuestion(), Buttons::YesNoDefaultNo) != Answer::Yes)
        return;
    if (addingNew_ && ShowsStoredRow()) {
        // Only the unsaved entry goes; the row shown before Add comes back.
        addingNew_ = false;
        ShowCurrent();
        return;
    }
    if (!addingNew_ && ShowsStoredRow())
        cursor_.Delete();
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
    cursor_.Seek(">=", SearchKey(text));
    if (!ShowsStoredRow()) {
        ReturnTo(cursor_, back);
        reporter().Message("Search failed!");
        return;
    }
    addingNew_ = false;
    ShowCurrent();
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

void ReturnTo(TableCursor& cursor, std::optional<Bookmark> bookmark)
{
    if (bookmark)
        cursor.SetBookmark(*bookmark);
}

} // namespace tarvik
