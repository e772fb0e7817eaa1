#include "RowEditing.h"

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
