#include "TableCursor.h"

namespace tarvik {

TableCursor::TableCursor(Database& db, std::string table) : db_(&db), table_(std::move(table))
{
    Statement info(db, "PRAGMA table_info(" + QuoteIdentifier(table_) + ")");
    while (info.Step())
        columns_.push_back(info.Column("name").Text());
    if (columns_.empty())
        throw DbError(db.Path(), "The table \"" + table_ + "\" is missing from the database \"" +
                                     db.Path() + "\".");
    MoveFirst();
}

Database& TableCursor::Db() const
{
    if (!db_)
        throw DbError({}, "The table cursor is not open.");
    return *db_;
}

int TableCursor::ColumnOf(std::string_view name) const
{
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (EqualsNoCase(columns_[i], name))
            return static_cast<int>(i);
    throw DbError(Db().Path(), "The table \"" + table_ + "\" has no field \"" + std::string(name) +
                                   "\" (database \"" + Db().Path() + "\").");
}

void TableCursor::SetIndex(std::string_view name)
{
    if (EqualsNoCase(name, index_) && !index_.empty())
        return;
    std::vector<int> cols;
    if (!name.empty()) {
        const std::string sqliteName = table_ + "." + std::string(name);
        // Only an index of this table counts, whatever else the file holds.
        Statement owner(Db(), "SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ? "
                              "AND tbl_name = ? COLLATE NOCASE");
        owner.BindAll({Value(sqliteName), Value(table_)});
        if (owner.Step()) {
            Statement st(Db(), "PRAGMA index_info(" + QuoteIdentifier(sqliteName) + ")");
            std::map<long long, int> bySeq;
            while (st.Step())
                bySeq[st.Column("seqno").Int()] = ColumnOf(st.Column("name").Text());
            for (const auto& [seq, col] : bySeq)
                cols.push_back(col);
        }
        if (cols.empty())
            throw DbError(Db().Path(), "The table \"" + table_ + "\" has no index \"" +
                                           std::string(name) + "\" (database \"" + Db().Path() +
                                           "\").");
    }
    index_ = std::string(name);
    indexColumns_ = std::move(cols);
    if (state_ == State::Row)
        position_ = KeyOf(current_);
    else
        havePosition_ = false;
}

std::string TableCursor::OrderTuple() const
{
    std::string t = "(";
    for (int c : indexColumns_)
        t += QuoteIdentifier(columns_[c]) + ", ";
    return t + "rowid)";
}

std::string TableCursor::OrderBy(bool descending) const
{
    const char* dir = descending ? " DESC" : "";
    std::string o = " ORDER BY ";
    for (int c : indexColumns_)
        o += QuoteIdentifier(columns_[c]) + dir + ", ";
    return o + "rowid" + dir + " LIMIT 1";
}

std::string TableCursor::Placeholders(std::size_t n) const
{
    std::string p = "(";
    for (std::size_t i = 0; i < n; ++i)
        p += i ? ", ?" : "?";
    return p + ")";
}

std::vector<Value> TableCursor::KeyOf(const Row& row) const
{
    std::vector<Value> key;
    for (int c : indexColumns_)
        key.push_back(row.values[c]);
    key.emplace_back(row.rowid);
    return key;
}

std::optional<TableCursor::Row> TableCursor::FetchOne(const std::string& where,
                                                      const std::vector<Value>& params,
                                                      bool descending) const
{
    std::string sql = "SELECT rowid, * FROM " + QuoteIdentifier(table_);
    if (!where.empty())
        sql += " WHERE " + where;
    sql += OrderBy(descending);
    Statement st(Db(), sql);
    st.BindAll(params);
    if (!st.Step())
        return std::nullopt;
    Row row;
    row.rowid = st.Column(0).Int();
    for (int c = 1; c < st.ColumnCount(); ++c)
        row.values.push_back(st.Column(c));
    return row;
}

std::optional<TableCursor::Row> TableCursor::FetchRowid(Bookmark rowid) const
{
    return FetchOne("rowid = ?", {Value(rowid)}, false);
}

void TableCursor::StandOn(const Row& row)
{
    current_ = row;
    position_ = KeyOf(row);
    havePosition_ = true;
    state_ = State::Row;
}

void TableCursor::NoCurrentRecord() const
{
    throw DbError(Db().Path(), "No current record in \"" + table_ + "\" (database \"" + Db().Path() +
                                   "\").");
}

std::string TableCursor::AsRead(std::vector<Value>& params) const
{
    // Exact comparison, letter case included: the text columns compare
    // without case in the schema, and a name corrected only in its case is a
    // change all the same.
    std::string where;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        where += " AND " + QuoteIdentifier(columns_[i]) + " IS ? COLLATE BINARY";
        params.push_back(current_.values[i]);
    }
    return where;
}

void TableCursor::Overtaken()
{
    if (auto row = FetchRowid(current_.rowid)) {
        StandOn(*row);
        throw DbError(Db().Path(), "The record of \"" + table_ + "\" was changed by another program since it "
                                   "was read (database \"" + Db().Path() + "\").", DbFault::RowChanged);
    }
    state_ = State::None;   // position_ stays, as after Delete
    throw DbError(Db().Path(), "The record of \"" + table_ + "\" was deleted by another program since it "
                               "was read (database \"" + Db().Path() + "\").", DbFault::RowDeleted);
}

void TableCursor::Seek(std::string_view comparison, const std::vector<Value>& key)
{
    edit_ = EditMode::None;
    if (indexColumns_.empty())
        throw DbError(Db().Path(), "Seek on \"" + table_ + "\" needs an index (database \"" +
                                       Db().Path() + "\").");
    if (key.empty() || key.size() > indexColumns_.size())
        throw DbError(Db().Path(), "Seek on \"" + table_ + "\" with " + std::to_string(key.size()) +
                                       " values for an index of " +
                                       std::to_string(indexColumns_.size()) + " fields.");
    std::string lhs = "(";
    for (std::size_t i = 0; i < key.size(); ++i)
        lhs += (i ? ", " : "") + QuoteIdentifier(columns_[indexColumns_[i]]);
    lhs += ")";
    std::string where;
    if (comparison == "=")
        where = lhs + " = " + Placeholders(key.size());
    else if (comparison == ">=")
        where = lhs + " >= " + Placeholders(key.size());
    else
        throw DbError(Db().Path(), "Seek with \"" + std::string(comparison) + "\" is not supported.");

    if (auto row = FetchOne(where, key, false)) {
        StandOn(*row);
        noMatch_ = false;
    } else {
        noMatch_ = true;
        state_ = State::None;
        havePosition_ = false;
    }
}

void TableCursor::MoveFirst()
{
    edit_ = EditMode::None;
    if (auto row = FetchOne({}, {}, false))
        StandOn(*row);
    else {
        state_ = State::Empty;
        havePosition_ = false;
    }
}

void TableCursor::MoveLast()
{
    edit_ = EditMode::None;
    if (auto row = FetchOne({}, {}, true))
        StandOn(*row);
    else {
        state_ = State::Empty;
        havePosition_ = false;
    }
}

void TableCursor::MoveNext()
{
    edit_ = EditMode::None;
    if (state_ == State::Bof) {
        MoveFirst();
        return;
    }
    if (state_ == State::Eof || state_ == State::Empty || !havePosition_)
        NoCurrentRecord();
    if (auto row = FetchOne(OrderTuple() + " > " + Placeholders(position_.size()), position_, false))
        StandOn(*row);
    else
        state_ = State::Eof;
}

void TableCursor::MovePrevious()
{
    edit_ = EditMode::None;
    if (state_ == State::Eof) {
        MoveLast();
        return;
    }
    if (state_ == State::Bof || state_ == State::Empty || !havePosition_)
        NoCurrentRecord();
    if (auto row = FetchOne(OrderTuple() + " < " + Placeholders(position_.size()), position_, true))
        StandOn(*row);
    else
        state_ = State::Bof;
}

Bookmark TableCursor::GetBookmark() const
{
    if (state_ != State::Row)
        NoCurrentRecord();
    return current_.rowid;
}

void TableCursor::SetBookmark(Bookmark bookmark)
{
    edit_ = EditMode::None;
    auto row = FetchRowid(bookmark);
    if (!row)
        throw DbError(Db().Path(), "Not a valid bookmark in \"" + table_ + "\" (database \"" +
                                       Db().Path() + "\").", DbFault::RowDeleted);
    StandOn(*row);
}

Bookmark TableCursor::LastModified() const
{
    if (!lastModified_)
        throw DbError(Db().Path(), "No record of \"" + table_ + "\" was added or changed.");
    return *lastModified_;
}

void TableCursor::AddNew()
{
    edit_ = EditMode::Add;
    buffer_.assign(columns_.size(), Value());
    touched_.assign(columns_.size(), false);
}

void TableCursor::Edit()
{
    if (state_ != State::Row)
        NoCurrentRecord();
    edit_ = EditMode::Change;
    buffer_ = current_.values;
    touched_.assign(columns_.size(), false);
}

void TableCursor::CancelUpdate() { edit_ = EditMode::None; }

void TableCursor::Update()
{
    if (edit_ == EditMode::None)
        throw DbError(Db().Path(), "Update without AddNew or Edit on \"" + table_ + "\".");
    std::vector<Value> params;
    std::string sql;
    if (edit_ == EditMode::Add) {
        std::string names, marks;
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            if (!touched_[i])
                continue;   // untouched fields take the table's defaults
            names += (names.empty() ? "" : ", ") + QuoteIdentifier(columns_[i]);
            marks += marks.empty() ? "?" : ", ?";
            params.push_back(buffer_[i]);
        }
        sql = names.empty() ? "INSERT INTO " + QuoteIdentifier(table_) + " DEFAULT VALUES"
                            : "INSERT INTO " + QuoteIdentifier(table_) + " (" + names + ") VALUES (" +
                                  marks + ")";
    } else {
        std::string sets;
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            if (!touched_[i])
                continue;
            sets += (sets.empty() ? "" : ", ") + QuoteIdentifier(columns_[i]) + " = ?";
            params.push_back(buffer_[i]);
        }
        if (sets.empty()) {
            edit_ = EditMode::None;
            lastModified_ = current_.rowid;
            return;
        }
        sql = "UPDATE " + QuoteIdentifier(table_) + " SET " + sets + " WHERE rowid = ?";
        params.emplace_back(current_.rowid);
        sql += AsRead(params);
    }
    Statement st(Db(), sql);
    st.BindAll(params);
    st.Step();
    const EditMode mode = edit_;
    edit_ = EditMode::None;
    if (mode == EditMode::Change && Db().Changes() == 0)
        Overtaken();
    if (mode == EditMode::Add) {
        lastModified_ = Db().LastInsertId();
    } else {
        lastModified_ = current_.rowid;
        if (auto row = FetchRowid(current_.rowid))
            StandOn(*row);
    }
}

void TableCursor::Delete()
{
    if (state_ != State::Row)
        NoCurrentRecord();
    edit_ = EditMode::None;
    std::vector<Value> params{Value(current_.rowid)};
    const std::string where = " WHERE rowid = ?" + AsRead(params);
    Statement st(Db(), "DELETE FROM " + QuoteIdentifier(table_) + where);
    st.BindAll(params);
    st.Step();
    if (Db().Changes() == 0)
        Overtaken();
    state_ = State::None;   // position_ stays, so the moves go on from here
}

Value TableCursor::Field(int position) const
{
    if (position < 0 || position >= FieldCount())
        throw DbError(Db().Path(), "No field at position " + std::to_string(position) + " of \"" +
                                       table_ + "\".");
    if (edit_ != EditMode::None)
        return buffer_[position];
    if (state_ != State::Row)
        NoCurrentRecord();
    return current_.values[position];
}

Value TableCursor::Field(std::string_view name) const { return Field(ColumnOf(name)); }

void TableCursor::SetField(std::string_view name, const Value& value)
{
    if (edit_ == EditMode::None)
        throw DbError(Db().Path(), "A field of \"" + table_ + "\" is set without AddNew or Edit.");
    const int c = ColumnOf(name);
    buffer_[c] = value;
    touched_[c] = true;
}

long long TableCursor::RecordCount() const
{
    Statement st(Db(), "SELECT count(*) FROM " + QuoteIdentifier(table_));
    st.Step();
    return st.Column(0).Int();
}

} // namespace tarvik
