#pragma once

// A table cursor in the manner of a table-type recordset: one current record
// and one current index, both shared by everybody who uses the cursor; Seek on
// the index, bookmarks, the four moves, and AddNew / Edit / Update / Delete
// that write through at once. Rows are ordered by the fields of the current
// index (ties and the absence of an index in stored order).
//
// An index named N of table T is the SQLite index "T.N" (index names are
// global in SQLite, and two tables both have a "PrimaryKey").

#include "Database.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

using Bookmark = long long;

class TableCursor {
public:
    TableCursor() = default;
    // Opens the table and stands on its first record (in stored order).
    TableCursor(Database& db, std::string table);

    const std::string& Table() const { return table_; }
    Database& Db() const;

    // Choosing an index keeps the current record.
    void SetIndex(std::string_view name);
    const std::string& Index() const { return index_; }

    // "=" finds the first record whose leading index fields equal key; ">="
    // the first at or after key in index order. A miss sets NoMatch and
    // leaves no current record.
    void Seek(std::string_view comparison, const std::vector<Value>& key);
    bool NoMatch() const { return noMatch_; }

    // An empty table stands at both ends.
    bool Eof() const { return state_ == State::Eof || state_ == State::Empty; }
    bool Bof() const { return state_ == State::Bof || state_ == State::Empty; }
    bool HasCurrent() const { return state_ == State::Row; }

    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();

    Bookmark GetBookmark() const;
    void SetBookmark(Bookmark bookmark);
    // The record most recently added or changed through this cursor.
    Bookmark LastModified() const;

    // AddNew starts a new record (fields Null until set); Edit starts changing
    // the current one; Update writes either; CancelUpdate drops it. After an
    // added record is written the current record is the one that was current
    // before AddNew; after an edit it is the edited record.
    //
    // Other connections may write the same file (another copy of the program,
    // an SQLite browser). An edit is written, and a record deleted, only while
    // the record is still as this cursor read it, field for field; otherwise
    // nothing is written and a DbError of fault RowChanged (the cursor then
    // stands on the record as it now is) or RowDeleted (no record is current)
    // says why.
    void AddNew();
    void Edit();
    void Update();
    void CancelUpdate();
    bool Editing() const { return edit_ != EditMode::None; }
    // Deletes the current record; no record is current afterwards, and
    // MoveNext / MovePrevious go on from where it stood. A bookmark of a
    // record that is gone fails with the fault RowDeleted.
    void Delete();

    int FieldCount() const { return static_cast<int>(columns_.size()); }
    const std::string& FieldName(int position) const { return columns_.at(position); }
    // Fields of the current record, or of the record being added or edited.
    Value Field(std::string_view name) const;
    Value Field(int position) const;
    void SetField(std::string_view name, const Value& value);

    long long RecordCount() const;

private:
    enum class State { Row, Bof, Eof, Empty, None };
    enum class EditMode { None, Add, Change };

    struct Row {
        Bookmark rowid = 0;
        std::vector<Value> values;
    };

    int ColumnOf(std::string_view name) const;
    std::string OrderBy(bool descending) const;
    std::string OrderTuple() const;
    std::vector<Value> KeyOf(const Row& row) const;
    std::optional<Row> FetchOne(const std::string& where, const std::vector<Value>& params,
                                bool descending) const;
    std::optional<Row> FetchRowid(Bookmark rowid) const;
    void StandOn(const Row& row);
    [[noreturn]] void NoCurrentRecord() const;
    // " AND" the current record's fields equal to those read, with their values.
    std::string AsRead(std::vector<Value>& params) const;
    // A write of the current record that reached no row: it was changed or
    // deleted elsewhere.
    [[noreturn]] void Overtaken();
    std::string Placeholders(std::size_t n) const;

    Database* db_ = nullptr;
    std::string table_;
    std::vector<std::string> columns_;
    std::string index_;
    std::vector<int> indexColumns_;   // positions in columns_

    State state_ = State::None;
    Row current_;
    std::vector<Value> position_;     // order key of the current (or just deleted) record
    bool havePosition_ = false;
    bool noMatch_ = false;

    EditMode edit_ = EditMode::None;
    std::vector<Value> buffer_;
    std::vector<bool> touched_;
    std::optional<Bookmark> lastModified_;
};

} // namespace tarvik
