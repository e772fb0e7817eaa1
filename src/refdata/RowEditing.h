#pragma once

// What the places editor and the zones editor share: a table edited in place
// through its shared cursor, one row shown in the editor's boxes, and the
// question before the user leaves a row whose boxes were changed. Every
// message and question goes through the reporter.

#include "TableCursor.h"

#include <optional>
#include <string_view>

namespace tarvik {

// The move buttons, by their index.
enum class MoveTo { Top = 1, Next = 2, Previous = 3, Bottom = 4 };

class RowEditor {
public:
    virtual ~RowEditor() = default;

    // True while the boxes hold an entry that is not stored yet.
    bool AddingNew() const { return addingNew_; }

    // Whether the boxes differ from the stored row; a new entry always does.
    virtual bool IsChanged() = 0;
    // Writes the boxes to the table and stands on the row written. False,
    // with the reason told and nothing written, when the boxes cannot be stored.
    virtual bool SaveRecord() = 0;

    // The buttons. Add leaves empty boxes for a new entry and says whether it
    // did; the others show the row they end on in the boxes.
    virtual bool Add() = 0;
    virtual void Delete() = 0;
    virtual void Find(std::string_view search) = 0;
    virtual void Move(MoveTo where) = 0;

protected:
    // Before Add, Find and every move: when the boxes differ, "Save Changes?"
    // Yes saves, No goes on without saving, Cancel abandons the action. A save
    // that is refused abandons it too, so that the typed entry stays to be
    // corrected. False when the action is not to go on.
    bool ConfirmLeaving();

    bool addingNew_ = false;
};

// Writes the record being added or edited and stands on it. A write that
// fails drops the pending record, so that the cursor shows only what is stored.
void UpdateAndStandOn(TableCursor& cursor);

// The record the cursor stands on, to come back to after a failed move or search.
std::optional<Bookmark> CurrentBookmark(const TableCursor& cursor);
void ReturnTo(TableCursor& cursor, std::optional<Bookmark> bookmark);

// The searches' messages.
inline constexpr const char* NothingToSearchFor = "Error:Nothing to search for!";
inline constexpr const char* SearchFailed = "Search failed!";

} // namespace tarvik
