#pragma once

// What the places editor and the zones editor share: a table edited in place
// through its shared cursor, one row shown in the editor's boxes, and the
// question before the user leaves a row whose boxes were changed. Every
// message and question goes through the reporter.

#include "TableCursor.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

// The move buttons, by their index.
enum class MoveTo { Top = 1, Next = 2, Previous = 3, Bottom = 4 };

class RowEditor {
public:
    explicit RowEditor(TableCursor& cursor) : cursor_(cursor) {}
    virtual ~RowEditor() = default;

    // True while the boxes hold an entry that is not stored yet.
    bool AddingNew() const { return addingNew_; }
    // True when no row is in edit: the row shown was deleted by another
    // program (or left this editor's rows), and the boxes are empty until
    // the user moves (Next and Previous go to the first row), finds or adds.
    bool ShowsNoRow() const { return showsNoRow_; }

    // Whether the boxes differ from the stored row; a new entry always does.
    virtual bool IsChanged() = 0;
    // Writes the boxes to the table and stands on the row written. False,
    // with the reason told and nothing written, when the boxes cannot be stored.
    virtual bool SaveRecord() = 0;

    // Empty boxes for a new entry, after the question; false when refused or
    // abandoned.
    bool Add();
    // Before the window closes: a changed row or a new entry holding anything
    // typed gets "Save Changes?" as a move does. False when the window is to
    // stay open (Cancel, or a save that was refused).
    bool ConfirmClosing();
    // After the editor's question: deletes the row shown and shows the first
    // row (or starts adding when none is left). A new entry not stored yet is
    // dropped instead, and the stored row it replaced is shown again.
    void Delete();
    // After the question: the first row whose name sorts at or after the
    // search text (letter case aside); "Search failed!" stays put.
    void Find(std::string_view search);
    // After the question; each editor says where its moves stop.
    virtual void Move(MoveTo where) = 0;

protected:
    // Before Add, Find and every move: when the boxes differ, "Save Changes?"
    // Yes saves, No goes on without saving, Cancel abandons the action. A save
    // that is refused abandons it too, so that the typed entry stays to be
    // corrected. False when the action is not to go on.
    bool ConfirmLeaving();
    // The first row, or adding with empty boxes when there is none.
    void ShowFirstRow();
    // The boxes from the row the cursor stands on, which is now in edit.
    void Show();
    // No row in edit, the cursor on the first row; adding, as at opening,
    // when no row is left.
    void ShowNoRow();
    // Where a move goes from where the editor stands: from no row, Next and
    // Previous go to the first.
    MoveTo From(MoveTo where) const;
    // Writes the pending record of the cursor and shows it. A row that
    // another program changed or deleted since it was shown is not written
    // (see Overtaken): false. called is the row's Called() from before the
    // edit began.
    bool FinishSave(const std::string& called);
    // Tells that another program changed or deleted the row shown, so that
    // notDone (when not empty) was not done: a changed row is shown as it
    // now stands; a deleted one, or one that no longer belongs to this
    // editor, ends its editing and the first row is shown.
    void Overtaken(const std::string& called, DbFault fault, std::string_view notDone);
    // Returns to the row shown before a move or search that found nothing;
    // false, after telling so, when another program deleted it meanwhile.
    bool ReturnToShown(std::optional<Bookmark> bookmark, const std::string& called);

    // Whether the cursor stands on a row that this editor shows.
    virtual bool ShowsStoredRow() const = 0;
    // The boxes from the row the cursor stands on.
    virtual void ShowCurrent() = 0;
    virtual void ClearBoxes() = 0;
    // Whether the boxes are as ClearBoxes leaves them.
    virtual bool BoxesClear() const = 0;
    virtual void SeekFirstRow() = 0;
    // The index key that finds a name starting with text.
    virtual std::vector<Value> SearchKey(const std::string& text) const = 0;
    virtual std::string DeleteQuestion() const = 0;
    // The stored row the cursor stands on, for messages: The place "Delhi".
    virtual std::string Called() const = 0;
    // Whether Add may start a new entry (after telling why not).
    virtual bool MayAdd() { return true; }
    // Deletes the stored row the cursor stands on (what else goes with it
    // is the editor's); a row changed or deleted elsewhere throws as the
    // cursor's Delete does, and nothing is deleted.
    virtual void DeleteShownRow() { cursor_.Delete(); }

    TableCursor& cursor_;
    bool addingNew_ = false;
    bool showsNoRow_ = false;

private:
    // Tells that another program deleted the row shown, or changed it so
    // that it no longer belongs to this editor; because ends the sentence.
    void TellGone(const std::string& called, DbFault fault, std::string_view because);
};

// Writes the record being added or edited and stands on it. A write that
// fails drops the pending record, so that the cursor shows only what is stored.
void UpdateAndStandOn(TableCursor& cursor);

// The record the cursor stands on, to come back to after a failed move or
// search; false when it was deleted meanwhile (by another connection).
std::optional<Bookmark> CurrentBookmark(const TableCursor& cursor);
bool ReturnTo(TableCursor& cursor, std::optional<Bookmark> bookmark);

// Whether a write failed because another connection changed or deleted the record.
bool IsOvertaken(const DbError& e);

} // namespace tarvik
