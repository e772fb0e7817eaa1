#include "DbBuilder.h"

#include "refdata/Database.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace tarvik::dbbuild {

namespace {

// The builder is the one place that creates database files.
class NewDatabase {
public:
    explicit NewDatabase(const std::string& path) : path_(path)
    {
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                            nullptr) != SQLITE_OK)
            Fail("cannot be created");
    }
    ~NewDatabase()
    {
        if (db_)
            sqlite3_close_v2(db_);
    }
    NewDatabase(const NewDatabase&) = delete;
    NewDatabase& operator=(const NewDatabase&) = delete;

    sqlite3* db() { return db_; }

    void Exec(const std::string& sql, const std::string& where)
    {
        char* err = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
            std::string message = err ? err : "failed";
            sqlite3_free(err);
            throw BuildError(where + ": " + message);
        }
    }

    void Close()
    {
        if (sqlite3_close(db_) != SQLITE_OK)
            Fail("cannot be closed");
        db_ = nullptr;
    }

    [[noreturn]] void Fail(const std::string& what)
    {
        throw BuildError(path_ + ": " + what + (db_ ? std::string(": ") + sqlite3_errmsg(db_) : ""));
    }

private:
    std::string path_;
    sqlite3* db_ = nullptr;
};

enum class Kind { Integer, Real, Text };

struct Column {
    std::string name;
    Kind kind;
};

std::string Upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::vector<Column> ColumnsOf(NewDatabase& db, const std::string& table)
{
    std::vector<Column> cols;
    sqlite3_stmt* st = nullptr;
    const std::string sql = "PRAGMA table_info(" + QuoteIdentifier(table) + ")";
    if (sqlite3_prepare_v2(db.db(), sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        db.Fail("cannot read the columns of " + table);
    while (sqlite3_step(st) == SQLITE_ROW) {
        const std::string name = reinterpret_cast<const char*>(sqlite3_column_text(st, 1));
        const std::string type = Upper(reinterpret_cast<const char*>(sqlite3_column_text(st, 2)));
        // SQLite's affinity rules, in their order.
        Kind kind = Kind::Text;
        if (type.find("INT") != std::string::npos)
            kind = Kind::Integer;
        else if (type.find("CHAR") != std::string::npos || type.find("CLOB") != std::string::npos ||
                 type.find("TEXT") != std::string::npos)
            kind = Kind::Text;
        else if (type.find("REAL") != std::string::npos || type.find("FLOA") != std::string::npos ||
                 type.find("DOUB") != std::string::npos || type.find("NUM") != std::string::npos)
            kind = Kind::Real;
        cols.push_back({name, kind});
    }
    sqlite3_finalize(st);
    if (cols.empty())
        throw BuildError("the schema has no table " + table);
    return cols;
}

class Insert {
public:
    Insert(NewDatabase& db, const std::string& table, const std::vector<std::string>& columns)
        : db_(db)
    {
        std::string names, marks;
        for (const auto& c : columns) {
            names += (names.empty() ? "" : ", ") + QuoteIdentifier(c);
            marks += marks.empty() ? "?" : ", ?";
        }
        const std::string sql =
            "INSERT INTO " + QuoteIdentifier(table) + " (" + names + ") VALUES (" + marks + ")";
        if (sqlite3_prepare_v2(db.db(), sql.c_str(), -1, &st_, nullptr) != SQLITE_OK)
            db.Fail("cannot prepare " + sql);
    }
    ~Insert() { sqlite3_finalize(st_); }

    void Run(const std::vector<Value>& values, const std::string& where)
    {
        sqlite3_reset(st_);
        for (std::size_t i = 0; i < values.size(); ++i) {
            const int p = static_cast<int>(i) + 1;
            const auto& raw = values[i].Raw();
            if (auto* n = std::get_if<long long>(&raw))
                sqlite3_bind_int64(st_, p, *n);
            else if (auto* d = std::get_if<double>(&raw))
                sqlite3_bind_double(st_, p, *d);
            else if (auto* s = std::get_if<std::string>(&raw))
                sqlite3_bind_text(st_, p, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
            else
                sqlite3_bind_null(st_, p);
        }
        if (sqlite3_step(st_) != SQLITE_DONE)
            throw BuildError(where + ": " + sqlite3_errmsg(db_.db()));
    }

private:
    NewDatabase& db_;
    sqlite3_stmt* st_ = nullptr;
};

Value Convert(const std::string& text, Kind kind, const std::string& where)
{
    if (kind == Kind::Text)
        return Value(text);
    if (text.empty())
        return Value();
    char* end = nullptr;
    if (kind == Kind::Integer) {
        const long long n = std::strtoll(text.c_str(), &end, 10);
        if (*end == '\0')
            return Value(n);
    } else {
        const double d = std::strtod(text.c_str(), &end);
        if (*end == '\0')
            return Value(d);
    }
    throw BuildError(where + ": \"" + text + "\" is not a number");
}

void LoadTable(NewDatabase& db, const TableSource& source)
{
    const CsvFile csv = ReadCsv(source.csv);
    const std::vector<Column> cols = ColumnsOf(db, source.table);
    std::vector<Kind> kinds;
    for (const std::string& h : csv.header) {
        auto it = std::find_if(cols.begin(), cols.end(),
                               [&](const Column& c) { return EqualsNoCase(c.name, h); });
        if (it == cols.end())
            throw BuildError(source.csv + ":1: the table " + source.table + " has no column \"" +
                             h + "\"");
        kinds.push_back(it->kind);
    }
    Insert insert(db, source.table, csv.header);
    for (const CsvRow& row : csv.rows) {
        const std::string where = source.csv + ":" + std::to_string(row.line);
        std::vector<Value> values;
        for (std::size_t i = 0; i < row.fields.size(); ++i)
            values.push_back(Convert(row.fields[i], kinds[i], where));
        insert.Run(values, where);
    }
}

void LoadKeyed(NewDatabase& db, const KeyedSource& source)
{
    const std::vector<Column> cols = ColumnsOf(db, source.table);
    if (cols.size() < 3)
        throw BuildError("the table " + source.table + " needs a key and two text columns");
    Insert insert(db, source.table, {cols[0].name, cols[1].name, cols[2].name});
    std::map<std::string, std::string> definedAt;
    for (const std::string& path : CsvFilesOf(source.folder)) {
        const CsvFile csv = ReadCsv(path);
        if (csv.header != std::vector<std::string>{"key", "eng", "hin"})
            throw BuildError(path + ":1: the header must be key,eng,hin");
        for (const CsvRow& row : csv.rows) {
            const std::string where = path + ":" + std::to_string(row.line);
            std::string key = Upper(row.fields[0]);
            if (key.empty())
                throw BuildError(where + ": the key is empty");
            if (key.size() < source.width)
                key.append(source.width - key.size(), ' ');
            auto [it, fresh] = definedAt.emplace(key, where);
            if (!fresh)
                throw BuildError(where + ": the key \"" + row.fields[0] + "\" is already defined at " +
                                 it->second);
            insert.Run({Value(key), Value(row.fields[1]), Value(row.fields[2])}, where);
        }
    }
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw BuildError(path + ": cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

std::vector<std::string> CsvFilesOf(const std::string& folder)
{
    std::vector<std::string> files;
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".csv")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

void BuildDatabase(const BuildPlan& plan)
{
    const std::string temporary = plan.output + ".tmp";
    std::error_code ec;
    fs::remove(temporary, ec);
    try {
        {
            NewDatabase db(temporary);
            db.Exec(ReadText(plan.schema), plan.schema);
            db.Exec("BEGIN", temporary);
            for (const TableSource& t : plan.tables)
                LoadTable(db, t);
            for (const KeyedSource& k : plan.keyed)
                LoadKeyed(db, k);
            db.Exec("COMMIT", temporary);
            // Rows come in the sources' order, not the keys': rewritten in
            // key order the pages are full and the file about a third smaller.
            db.Exec("VACUUM", temporary);
            db.Close();
        }
        // The finished file must open the way the program opens it.
        { Database check(temporary, OpenMode::ReadOnly); }
        fs::rename(temporary, plan.output);
    } catch (...) {
        fs::remove(temporary, ec);
        throw;
    }
}

} // namespace tarvik::dbbuild
