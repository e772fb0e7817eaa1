#include "Database.h"

#include "core/RegularFile.h"

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cmath>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <system_error>

namespace tarvik {

// ---- Value -----------------------------------------------------------------

std::string Value::Text() const
{
    if (auto* s = std::get_if<std::string>(&v_))
        return *s;
    if (auto* i = std::get_if<long long>(&v_))
        return std::to_string(*i);
    if (auto* d = std::get_if<double>(&v_)) {
        char buf[64];
        auto res = std::to_chars(buf, buf + sizeof buf, *d);
        return std::string(buf, res.ptr);
    }
    return {};
}

long long Value::Int() const
{
    if (auto* i = std::get_if<long long>(&v_))
        return *i;
    if (auto* d = std::get_if<double>(&v_)) {
        // Cut towards zero; a real beyond the whole numbers gives their nearer end.
        if (std::isnan(*d))
            return 0;
        if (*d <= -9223372036854775808.0)
            return std::numeric_limits<long long>::min();
        if (*d >= 9223372036854775808.0)
            return std::numeric_limits<long long>::max();
        return static_cast<long long>(*d);
    }
    if (auto* s = std::get_if<std::string>(&v_))
        return std::strtoll(s->c_str(), nullptr, 10);
    return 0;
}

double Value::Real() const
{
    if (auto* i = std::get_if<long long>(&v_))
        return static_cast<double>(*i);
    if (auto* d = std::get_if<double>(&v_))
        return *d;
    if (auto* s = std::get_if<std::string>(&v_))
        return std::strtod(s->c_str(), nullptr);
    return 0;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string QuoteIdentifier(const std::string& name)
{
    std::string q = "\"";
    for (char c : name) {
        if (c == '"')
            q += '"';
        q += c;
    }
    return q + "\"";
}

// ---- Database --------------------------------------------------------------

namespace {

int lockWait = 5000;

bool IsLockCode(int rc) { return (rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED; }
bool IsDamageCode(int rc) { return (rc & 0xff) == SQLITE_CORRUPT || (rc & 0xff) == SQLITE_NOTADB; }

constexpr const char* ReadSchemaSql = "SELECT count(*) FROM sqlite_master";

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

std::string InUseMessage(const std::string& path)
{
    return "The database file " + Quoted(path) + " is in use by another program, which keeps it locked. "
           "Nothing was read or changed; try again when that program has finished with it.";
}

std::string InterruptedMessage(const std::string& path)
{
    return "The database file " + Quoted(path) + " cannot be read as it stands: another program began to save "
           "changes to it and was stopped before it finished, and the journal " + Quoted(path + "-journal") +
           " beside it holds the file as it was. This program may not write to that folder to undo the save. "
           "Opening the file once with a program that may write there (Tarvik, or sqlite3) undoes it, and the "
           "file is then as it was before that save.";
}

// A file from elsewhere is read as SQLite advises for files that may be
// hostile: no writing of the schema through SQL, no function with side
// effects called from a view or trigger of the file, every cell's size
// checked against its page.
void Harden(sqlite3* db)
{
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_exec(db, "PRAGMA cell_size_check = ON", nullptr, nullptr, nullptr);
}

sqlite3* OpenConnection(const std::string& path, int flags, int& rc)
{
    sqlite3* db = nullptr;
    rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_extended_result_codes(db, 1);
        sqlite3_busy_timeout(db, lockWait);
        Harden(db);
    }
    return db;
}

// Whether this process may write the file and the folder its journal goes in.
bool MayWrite(const std::string& path)
{
    namespace fs = std::filesystem;
    const std::string folder = fs::path(path).parent_path().empty() ? "." : fs::path(path).parent_path().string();
    return ::access(path.c_str(), W_OK) == 0 && ::access(folder.c_str(), W_OK) == 0;
}

} // namespace

int LockWait() { return lockWait; }
void SetLockWait(int milliseconds) { lockWait = milliseconds < 0 ? 0 : milliseconds; }

Database::Database(std::string path, OpenMode mode) : path_(std::move(path))
{
    if (const std::string notAFile = NotARegularFile(path_, "a database file"); !notAFile.empty())
        throw DbError(path_, "The database file " + Quoted(path_) + " " + notAFile + ".");

    // Never SQLITE_OPEN_CREATE: the program works only on the files it was delivered with.
    const int flags = (mode == OpenMode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
    int rc = SQLITE_OK;
    db_ = OpenConnection(path_, flags, rc);
    if (rc != SQLITE_OK) {
        std::string why = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        Close();
        throw DbError(path_, "The database file " + Quoted(path_) + " cannot be opened: " + why + ".");
    }
    // A damaged file shows on the first read of the schema. A lock held
    // elsewhere is no damage: it is waited for, then told as such.
    rc = ReadSchema();
    if (rc == SQLITE_READONLY_ROLLBACK && MayWrite(path_)) {
        if (const int undone = UndoInterruptedSave(); undone != SQLITE_OK)
            rc = undone;
        else
            rc = ReadSchema();
    }
    if (rc != SQLITE_OK) {
        const std::string why = sqlite3_errmsg(db_);
        Close();
        if (IsLockCode(rc))
            throw DbError(path_, InUseMessage(path_), DbFault::InUse);
        if (IsDamageCode(rc))
            throw DbError(path_, "The database file " + Quoted(path_) + " cannot be read: it is damaged or not a "
                                 "database (" + why + ").",
                          DbFault::Damaged);
        if (rc == SQLITE_READONLY_ROLLBACK)
            throw DbError(path_, InterruptedMessage(path_), DbFault::Interrupted);
        throw DbError(path_, "The database file " + Quoted(path_) + " cannot be read: " + why + ".");
    }
}

int Database::ReadSchema() { return sqlite3_exec(db_, ReadSchemaSql, nullptr, nullptr, nullptr); }

int Database::UndoInterruptedSave()
{
    // A connection that may write rolls the journal back at its first read.
    int rc = SQLITE_OK;
    sqlite3* writer = OpenConnection(path_, SQLITE_OPEN_READWRITE, rc);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(writer, ReadSchemaSql, nullptr, nullptr, nullptr);
    sqlite3_close_v2(writer);
    return rc;
}

Database::~Database() { Close(); }

Database::Database(Database&& other) noexcept : db_(other.db_), path_(std::move(other.path_))
{
    other.db_ = nullptr;
}

Database& Database::operator=(Database&& other) noexcept
{
    if (this != &other) {
        Close();
        db_ = other.db_;
        path_ = std::move(other.path_);
        other.db_ = nullptr;
    }
    return *this;
}

void Database::Close()
{
    if (db_)
        sqlite3_close_v2(db_);
    db_ = nullptr;
}

void Database::Fail(std::string_view what) const
{
    const int rc = db_ ? sqlite3_errcode(db_) : SQLITE_OK;
    if (IsLockCode(rc))
        throw DbError(path_, InUseMessage(path_), DbFault::InUse);
    if (rc == SQLITE_READONLY_ROLLBACK)
        throw DbError(path_, InterruptedMessage(path_), DbFault::Interrupted);
    if ((rc & 0xff) == SQLITE_READONLY)
        throw DbError(path_, "The database file \"" + path_ + "\" is open for reading only: nothing in it "
                             "can be added, changed or deleted while the program runs so.",
                      DbFault::ReadOnly);
    if (IsDamageCode(rc))
        throw DbError(path_, "The database file \"" + path_ + "\" is damaged: " + sqlite3_errmsg(db_) + ".",
                      DbFault::Damaged);
    // A write the system refused is told in words, not as the statement that
    // failed; the statement changed nothing.
    const int systemError = db_ ? sqlite3_system_errno(db_) : 0;
    if ((rc & 0xff) == SQLITE_FULL || systemError == ENOSPC || systemError == EDQUOT)
        throw DbError(path_, "The database file \"" + path_ + "\" cannot be written: the disk is full. Nothing was "
                             "changed; make room on the disk and try again.");
    if ((rc & 0xff) == SQLITE_IOERR && rc != SQLITE_IOERR_READ && rc != SQLITE_IOERR_SHORT_READ)
        throw DbError(path_, "The database file \"" + path_ + "\" cannot be written: " +
                             (systemError != 0 ? std::generic_category().message(systemError)
                                               : std::string(sqlite3_errmsg(db_))) +
                             ". Nothing was changed.");
    std::string message(what);
    if (db_)
        message += ": " + std::string(sqlite3_errmsg(db_));
    throw DbError(path_, message + " (database \"" + path_ + "\")");
}

void Database::Execute(std::string_view sql)
{
    if (!db_)
        throw DbError(path_, "The database is not open.");
    std::string text(sql);
    if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        Fail("Cannot run \"" + text + "\"");
}

Statement Database::Prepare(std::string_view sql) { return Statement(*this, sql); }

bool Database::HasTable(std::string_view name)
{
    Statement st(*this, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE");
    st.Bind(1, Value(name));
    return st.Step();
}

long long Database::LastInsertId() const { return sqlite3_last_insert_rowid(db_); }

long long Database::Changes() const { return sqlite3_changes(db_); }

Transaction::Transaction(Database& db, Lock lock) : db_(db)
{
    db_.Execute(lock == Lock::AtOnce ? "BEGIN IMMEDIATE" : "BEGIN");
}

Transaction::~Transaction()
{
    if (!done_)
        sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::Commit()
{
    db_.Execute("COMMIT");
    done_ = true;
}

// ---- Statement -------------------------------------------------------------

Statement::Statement(Database& db, std::string_view sql) : db_(&db)
{
    if (!db.IsOpen())
        throw DbError(db.Path(), "The database is not open.");
    if (sqlite3_prepare_v2(db.Handle(), sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr) !=
        SQLITE_OK)
        db.Fail("Cannot prepare \"" + std::string(sql) + "\"");
}

Statement::~Statement()
{
    if (stmt_)
        sqlite3_finalize(stmt_);
}

Statement::Statement(Statement&& other) noexcept : db_(other.db_), stmt_(other.stmt_)
{
    other.stmt_ = nullptr;
}

Statement& Statement::Bind(int index, const Value& value)
{
    int rc = SQLITE_OK;
    const auto& raw = value.Raw();
    if (auto* i = std::get_if<long long>(&raw))
        rc = sqlite3_bind_int64(stmt_, index, *i);
    else if (auto* d = std::get_if<double>(&raw))
        rc = sqlite3_bind_double(stmt_, index, *d);
    else if (auto* s = std::get_if<std::string>(&raw))
        rc = sqlite3_bind_text(stmt_, index, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
    else
        rc = sqlite3_bind_null(stmt_, index);
    if (rc != SQLITE_OK)
        db_->Fail("Cannot bind parameter " + std::to_string(index));
    return *this;
}

Statement& Statement::BindAll(std::initializer_list<Value> values)
{
    int i = 1;
    for (const Value& v : values)
        Bind(i++, v);
    return *this;
}

Statement& Statement::BindAll(const std::vector<Value>& values)
{
    int i = 1;
    for (const Value& v : values)
        Bind(i++, v);
    return *this;
}

bool Statement::Step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    db_->Fail("Cannot run \"" + std::string(sqlite3_sql(stmt_)) + "\"");
}

void Statement::Reset()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::ColumnCount() const { return sqlite3_column_count(stmt_); }

std::string Statement::ColumnName(int column) const
{
    const char* name = sqlite3_column_name(stmt_, column);
    return name ? name : "";
}

int Statement::ColumnIndex(std::string_view name) const
{
    for (int c = 0; c < ColumnCount(); ++c)
        if (EqualsNoCase(ColumnName(c), name))
            return c;
    return -1;
}

Value Statement::Column(int column) const
{
    if (column < 0 || column >= ColumnCount())
        throw DbError(db_->Path(), "No field at position " + std::to_string(column) +
                                       " (database \"" + db_->Path() + "\")");
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_INTEGER:
        return Value(static_cast<long long>(sqlite3_column_int64(stmt_, column)));
    case SQLITE_FLOAT:
        return Value(sqlite3_column_double(stmt_, column));
    case SQLITE_NULL:
        return Value();
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        return Value(std::string(text ? text : "", sqlite3_column_bytes(stmt_, column)));
    }
    }
}

Value Statement::Column(std::string_view name) const
{
    const int c = ColumnIndex(name);
    if (c < 0)
        throw DbError(db_->Path(), "No field named \"" + std::string(name) + "\" (database \"" +
                                       db_->Path() + "\")");
    return Column(c);
}

// ---- Recordset -------------------------------------------------------------

Recordset::Recordset(Database& db, std::string_view sql, std::initializer_list<Value> params)
    : db_(&db), stmt_(db, sql)
{
    stmt_.BindAll(params);
    eof_ = !stmt_.Step();
}

void Recordset::MoveNext()
{
    if (eof_)
        throw DbError(db_->Path(), "No current record (database \"" + db_->Path() + "\")");
    eof_ = !stmt_.Step();
}

Value Recordset::Field(std::string_view name) const
{
    if (eof_)
        throw DbError(db_->Path(), "No current record (database \"" + db_->Path() + "\")");
    return stmt_.Column(name);
}

Value Recordset::Field(int position) const
{
    if (eof_)
        throw DbError(db_->Path(), "No current record (database \"" + db_->Path() + "\")");
    return stmt_.Column(position);
}

} // namespace tarvik
