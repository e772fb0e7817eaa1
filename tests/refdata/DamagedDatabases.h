#pragma once

// Database files as users receive or leave them: damaged in the ways a
// careless copy or a hostile sender damages them, edited with today's
// sqlite3, or left behind by a program killed in the middle of a save.
// Each is made on a copy, through SQLite's own interface where the file is
// still a database, byte by byte where it is not.

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace tarvik::testing {

// Runs SQL on a file the way the sqlite3 shell would, with the schema
// writable; fails the test when SQLite refuses it.
inline void RunSql(const std::string& path, const std::string& sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK) << path;
    char* error = nullptr;
    const int rc = sqlite3_exec(db, ("PRAGMA writable_schema = ON; " + sql).c_str(), nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "") << "\n" << sql;
    sqlite3_free(error);
    sqlite3_close(db);
}

// One page of the file (numbered from 1, as SQLite numbers them), or the
// page a table's b-tree starts on.
inline long PageSize(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    unsigned char header[18] = {};
    in.read(reinterpret_cast<char*>(header), sizeof header);
    const long size = header[16] * 256 + header[17];
    return size == 1 ? 65536 : size;
}

inline long RootPage(const std::string& path, const std::string& table)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    long page = 0;
    if (sqlite3_prepare_v2(db, "SELECT rootpage FROM sqlite_master WHERE name = ?", -1, &st, nullptr) == SQLITE_OK) {
        sqlite3_bind_text(st, 1, table.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(st) == SQLITE_ROW)
            page = static_cast<long>(sqlite3_column_int64(st, 0));
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return page;
}

// Overwrites bytes of the file from offset with the given ones.
inline void Overwrite(const std::string& path, long offset, const std::string& bytes)
{
    std::fstream f(path, std::ios::binary | std::ios::in | std::ios::out);
    f.seekp(offset);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Bytes that look like nothing (a fixed sequence, so that a failure repeats).
inline std::string Noise(std::size_t length)
{
    std::string bytes(length, '\0');
    unsigned state = 12345;
    for (char& b : bytes) {
        state = state * 1103515245u + 12345u;
        b = static_cast<char>(state >> 16);
    }
    return bytes;
}

struct Damage {
    const char* what;
    std::function<void(const std::string& path)> apply;
};

// The kinds of damage a file of the program may come with; a table that
// the program reads at start (Places) or keeps (CountryNames) is hit.
inline std::vector<Damage> DatabaseDamages(const std::string& table = "Places",
                                           const std::string& otherTable = "CountryNames")
{
    return {
        // A table's row of the schema made a CREATE TABLE ... AS SELECT
        // (SQLite before 3.23 crashed on it: CVE-2018-8740).
        {"a schema row made a table from a query",
         [=](const std::string& p) {
             RunSql(p, "UPDATE sqlite_master SET sql = 'CREATE TABLE " + otherTable + " AS SELECT 1' WHERE name = '" +
                           otherTable + "';");
         }},
        {"a schema row that is no SQL",
         [=](const std::string& p) {
             RunSql(p, "UPDATE sqlite_master SET sql = 'CREATE TABLE " + table + " garbage (' WHERE name = '" + table +
                           "';");
         }},
        {"a table that starts beyond the end of the file",
         [=](const std::string& p) {
             RunSql(p, "UPDATE sqlite_master SET rootpage = 999999 WHERE name = '" + table + "';");
         }},
        {"a table that starts on the schema's own page",
         [=](const std::string& p) { RunSql(p, "UPDATE sqlite_master SET rootpage = 1 WHERE name = '" + table + "';"); }},
        {"the first page of a table overwritten with noise",
         [=](const std::string& p) {
             const long page = RootPage(p, table);
             ASSERT_GT(page, 1);
             Overwrite(p, (page - 1) * PageSize(p), Noise(static_cast<std::size_t>(PageSize(p))));
         }},
        {"the file cut to its first pages",
         [](const std::string& p) { std::filesystem::resize_file(p, static_cast<std::uintmax_t>(PageSize(p) * 3)); }},
        {"an impossible page size in the header",
         [](const std::string& p) { Overwrite(p, 16, std::string("\x00\x07", 2)); }},
        {"noise after the header", [](const std::string& p) { Overwrite(p, 100, Noise(4096)); }},
        {"noise instead of a database", [](const std::string& p) {
             std::ofstream(p, std::ios::binary | std::ios::trunc) << Noise(8192);
         }},
    };
}

// The edits a user makes with today's sqlite3 shell: a STRICT table, a
// generated column, a view with a window function and a trigger with an
// UPSERT, none of which SQLite of 2016 could read.
inline void EditWithTodaysSqlite(const std::string& path)
{
    RunSql(path, R"(
        CREATE TABLE Notes (id INTEGER PRIMARY KEY, text TEXT NOT NULL) STRICT;
        ALTER TABLE Places ADD COLUMN Label TEXT GENERATED ALWAYS AS (PlaceName || ' ' || Latitude) VIRTUAL;
        CREATE VIEW PlaceRanks AS
            SELECT PlaceName, row_number() OVER (PARTITION BY "Country ID" ORDER BY PlaceName) AS Rank FROM Places;
        CREATE TRIGGER KeepNotes AFTER INSERT ON Places BEGIN
            INSERT INTO Notes (id, text) VALUES (NEW.rowid, NEW.PlaceName)
                ON CONFLICT (id) DO UPDATE SET text = excluded.text;
        END;)");
}

// Leaves the file as a program killed in the middle of saving places
// leaves it: pages of the file already changed, and beside it the journal
// that holds them as they were (a "hot" journal, which the next connection
// that may write must roll back before anything is read).
inline void InterruptSave(const std::string& path)
{
    namespace fs = std::filesystem;
    const std::string work = path + ".saving";
    fs::copy_file(path, work, fs::copy_options::overwrite_existing);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(work.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    // A cache of a few pages: the save writes into the file before it ends.
    ASSERT_EQ(sqlite3_exec(db,
                           "PRAGMA cache_size = 2; BEGIN; "
                           "UPDATE Places SET PlaceName = 'Interrupted' WHERE \"Place ID\" IN "
                           "(SELECT \"Place ID\" FROM Places LIMIT 3000);",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    // What the kill leaves: both files as they stand now, and no lock.
    fs::copy_file(work, path, fs::copy_options::overwrite_existing);
    fs::copy_file(work + "-journal", path + "-journal", fs::copy_options::overwrite_existing);
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    fs::remove(work);
}

} // namespace tarvik::testing
