#pragma once

// A thin layer over SQLite in the shape the program's readers expect of a
// database: a connection opened on an existing file only (never creating
// one); statements with bound parameters; and a forward-only recordset over
// a query. Queries are SQLite's own SQL; text columns that are looked up by
// name are declared COLLATE NOCASE in the schemas, so their comparisons
// ignore letter case. Every failure is a DbError whose message names the file.
//
// The files come from elsewhere (a places file copied from another machine
// or sent by someone), so every connection reads them as SQLite advises for
// files that may be hostile: the schema cannot be written through SQL
// (defensive mode), views and triggers may call no function with side
// effects (an untrusted schema), and every cell's size is checked.
//
// A file that another program holds locked is waited for (LockWait); a lock
// that outlasts the wait is reported as the file being in use, not as damage.
// A save that another program began and did not end (it was killed, or the
// machine stopped) leaves a journal beside the file, from which the next
// connection that may write restores the file as it was; a read-only
// connection has it restored through a writing one first, where the folder
// may be written, and otherwise says how to have it done.

#include <sqlite3.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarvik {

// What kind of failure a DbError is, where the engine said so.
enum class DbFault {
    Other,
    InUse,      // another connection held the file locked for longer than the wait
    ReadOnly,   // a write to a file opened read-only
    Damaged,    // the engine found the file damaged or not a database
    // Another program's save was interrupted, and this connection may not
    // write the file to undo it.
    Interrupted,
    // A record that another connection changed or deleted after this one
    // read it: a write of it was refused, so that neither overwrites the other.
    RowChanged,
    RowDeleted,
};

class DbError : public std::runtime_error {
public:
    DbError(std::string file, const std::string& message, DbFault fault = DbFault::Other)
        : std::runtime_error(message), file_(std::move(file)), fault_(fault) {}
    const std::string& File() const { return file_; }
    DbFault Fault() const { return fault_; }

private:
    std::string file_;
    DbFault fault_;
};

// How long every connection waits for a lock held by another connection
// before it gives up (milliseconds; 5000 unless set). Connections opened
// afterwards use the new value.
int LockWait();
void SetLockWait(int milliseconds);

// One field value: Null, a whole number, a real number or a text.
class Value {
public:
    Value() = default;
    Value(long long v) : v_(v) {}
    Value(int v) : v_(static_cast<long long>(v)) {}
    Value(double v) : v_(v) {}
    Value(std::string v) : v_(std::move(v)) {}
    Value(std::string_view v) : v_(std::string(v)) {}
    Value(const char* v) : v_(std::string(v)) {}

    bool IsNull() const { return std::holds_alternative<std::monostate>(v_); }
    bool IsText() const { return std::holds_alternative<std::string>(v_); }
    // Null reads as "" and 0; numbers as their shortest text; text as its leading number.
    std::string Text() const;
    long long Int() const;
    double Real() const;

    bool operator==(const Value&) const = default;

    const std::variant<std::monostate, long long, double, std::string>& Raw() const { return v_; }

private:
    std::variant<std::monostate, long long, double, std::string> v_;
};

enum class OpenMode { ReadOnly, ReadWrite };

class Statement;

class Database {
public:
    Database() = default;
    // Opens an existing file. The file is checked by reading its schema, so
    // a file that is damaged or no database fails here.
    Database(std::string path, OpenMode mode);
    ~Database();
    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    bool IsOpen() const { return db_ != nullptr; }
    const std::string& Path() const { return path_; }
    sqlite3* Handle() const { return db_; }

    // SQLite SQL, run as it stands (several statements allowed).
    void Execute(std::string_view sql);
    Statement Prepare(std::string_view sql);
    bool HasTable(std::string_view name);
    long long LastInsertId() const;
    // Rows written by the last INSERT, UPDATE or DELETE.
    long long Changes() const;

    // Throws a DbError with what, the engine's message and the file name; a
    // lock, a write refused to a read-only file, another program's save left
    // unfinished and a damaged file are told in words of their own, without
    // what.
    [[noreturn]] void Fail(std::string_view what) const;

private:
    void Close();
    // Reads the schema (the first read of every connection); SQLite's code.
    int ReadSchema();
    // Has the save that another program left unfinished undone by a
    // connection that may write the file; SQLite's code of that.
    int UndoInterruptedSave();
    sqlite3* db_ = nullptr;
    std::string path_;
};

// A prepared SQLite statement; parameters are numbered from 1.
class Statement {
public:
    Statement(Database& db, std::string_view sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(int index, const Value& value);
    Statement& BindAll(std::initializer_list<Value> values);
    Statement& BindAll(const std::vector<Value>& values);
    // Runs to the next row; false when there is none.
    bool Step();
    void Reset();

    int ColumnCount() const;
    std::string ColumnName(int column) const;
    // Case-insensitive, as field names are; -1 when absent.
    int ColumnIndex(std::string_view name) const;
    Value Column(int column) const;
    Value Column(std::string_view name) const;

private:
    Database* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// A forward-only recordset opened from an SQLite query (parameters as "?"),
// positioned on its first row.
class Recordset {
public:
    Recordset(Database& db, std::string_view sql, std::initializer_list<Value> params = {});

    bool Eof() const { return eof_; }
    void MoveNext();
    int FieldCount() const { return stmt_.ColumnCount(); }
    std::string FieldName(int position) const { return stmt_.ColumnName(position); }
    // Fields by name (any letter case) or by position from 0.
    Value Field(std::string_view name) const;
    Value Field(int position) const;

private:
    Database* db_;
    Statement stmt_;
    bool eof_ = true;
};

// One write transaction: committed by Commit, rolled back when left without
// it. It takes the write lock of every database of the connection at once
// (BEGIN IMMEDIATE), so that a lock held elsewhere is waited for before
// anything is read; with a database attached for reading only (which refuses
// that lock) it begins deferred, and its first statement must write.
class Transaction {
public:
    enum class Lock { AtOnce, AtFirstWrite };
    explicit Transaction(Database& db, Lock lock = Lock::AtOnce);
    ~Transaction();
    void Commit();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    Database& db_;
    bool done_ = false;
};

bool EqualsNoCase(std::string_view a, std::string_view b);

// A table or column name as an SQL identifier, in double quotes.
std::string QuoteIdentifier(const std::string& name);

} // namespace tarvik
