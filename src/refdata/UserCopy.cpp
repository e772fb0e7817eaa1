#include "UserCopy.h"

#include <sys/stat.h>

#include <string_view>
#include <vector>

namespace tarvik {

namespace {

// The tables of the atlas that the user edits, by their key column, in the
// order they are brought up to date: the places first, so that a zone the
// atlas dropped goes only when none of the user's places is left in it.
struct EditedTable {
    const char* name;
    const char* key;
    long long firstUserId;
};
constexpr EditedTable EditedTables[] = {
    {"Places", "Place ID", FirstUserPlaceId},
    {"Countries", "Country ID", FirstUserZoneId},
};

// The other names of places and countries: the atlas's alone, taken whole.
constexpr const char* NameTables[] = {"PlaceNames", "CountryNames"};

constexpr const char* CreateRecords =
    "CREATE TABLE IF NOT EXISTS UserRows (\"Table\" TEXT NOT NULL, \"Row ID\" INTEGER NOT NULL, "
    "PRIMARY KEY (\"Table\", \"Row ID\"));"
    "CREATE TABLE IF NOT EXISTS DeliveredAtlas (\"Stamp\" TEXT NOT NULL);";

std::string Quoted(std::string_view text)
{
    std::string quoted = "'";
    for (char c : text) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    return quoted + "'";
}

std::string Id(std::string_view name) { return QuoteIdentifier(std::string(name)); }

// The rows the user adds, changes or deletes, recorded by whatever program writes them.
std::string TriggerName(const EditedTable& t, std::string_view what)
{
    return Id("UserRows." + std::string(t.name) + " " + std::string(what));
}

std::string Triggers(const EditedTable& t)
{
    const std::string record = "INSERT OR IGNORE INTO UserRows (\"Table\", \"Row ID\") VALUES (" +
                               Quoted(t.name) + ", ";
    const std::string key = Id(t.key);
    const std::string on = " ON " + Id(t.name) + " BEGIN ";
    return "CREATE TRIGGER " + TriggerName(t, "added") + " AFTER INSERT" + on + record + "NEW." + key +
           "); END;"
           "CREATE TRIGGER " + TriggerName(t, "changed") + " AFTER UPDATE" + on + record + "OLD." + key + "); " +
           record + "NEW." + key + "); END;"
           "CREATE TRIGGER " + TriggerName(t, "deleted") + " AFTER DELETE" + on + record + "OLD." + key +
           "); END;";
}

std::string DropTriggers(const EditedTable& t)
{
    std::string sql;
    for (const char* what : {"added", "changed", "deleted"})
        sql += "DROP TRIGGER IF EXISTS " + TriggerName(t, what) + ";";
    return sql;
}

std::vector<std::string> Columns(Database& db, std::string_view schema, std::string_view table)
{
    std::vector<std::string> columns;
    Statement info(db, "PRAGMA " + std::string(schema) + ".table_info(" + Id(table) + ")");
    while (info.Step())
        columns.push_back(info.Column("name").Text());
    return columns;
}

bool HasTableIn(Database& db, std::string_view schema, std::string_view table)
{
    Statement st(db, "SELECT 1 FROM " + std::string(schema) +
                         ".sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE");
    st.Bind(1, Value(table));
    return st.Step();
}

// The atlas's columns that the copy has too, as a list and as the condition
// that a row m of the copy holds the same values as a row a of the atlas
// (letter case counts: a corrected spelling is a change).
struct SharedColumns {
    std::string list;
    std::string listOfA;
    std::string same;
};

SharedColumns Shared(Database& db, std::string_view table)
{
    const std::vector<std::string> mine = Columns(db, "main", table);
    SharedColumns shared;
    for (const std::string& column : Columns(db, "delivered", table)) {
        bool inCopy = false;
        for (const std::string& m : mine)
            inCopy = inCopy || EqualsNoCase(m, column);
        if (!inCopy)
            continue;
        const std::string c = Id(column);
        const std::string sep = shared.list.empty() ? "" : ", ";
        shared.list += sep + c;
        shared.listOfA += sep + "a." + c;
        shared.same += " AND m." + c + " IS a." + c + " COLLATE BINARY";
    }
    return shared;
}

void BringTableUpToDate(Database& db, const EditedTable& t, bool countDifferencesAsTheUsers)
{
    const SharedColumns c = Shared(db, t.name);
    const std::string table = Id(t.name), key = Id(t.key);
    const std::string theUsers = "(SELECT \"Row ID\" FROM UserRows WHERE \"Table\" = " + Quoted(t.name) + ")";
    if (countDifferencesAsTheUsers)
        db.Execute("INSERT OR IGNORE INTO UserRows (\"Table\", \"Row ID\") SELECT " + Quoted(t.name) + ", m." +
                   key + " FROM main." + table + " m WHERE NOT EXISTS (SELECT 1 FROM delivered." + table +
                   " a WHERE a." + key + " = m." + key + c.same + ")");
    db.Execute("INSERT OR REPLACE INTO main." + table + " (" + c.list + ") SELECT " + c.listOfA + " FROM delivered." +
               table + " a WHERE a." + key + " NOT IN " + theUsers + " AND NOT EXISTS (SELECT 1 FROM main." +
               table + " m WHERE m." + key + " = a." + key + c.same + ")");
    std::string stillUsed;
    if (std::string_view(t.name) == "Countries")
        stillUsed = " AND " + key + " NOT IN (SELECT " + key + " FROM main.Places)";
    db.Execute("DELETE FROM main." + table + " WHERE " + key + " NOT IN (SELECT " + key + " FROM delivered." + table +
               ") AND " + key + " NOT IN " + theUsers + stillUsed);
}

// The user's new rows are numbered apart from every id the atlas gives.
void NumberUsersRowsApart(Database& db, const EditedTable& t)
{
    const std::string first = std::to_string(t.firstUserId);
    db.Execute("UPDATE sqlite_sequence SET seq = max(seq, " + first + ") WHERE name = " + Quoted(t.name) +
               "; INSERT INTO sqlite_sequence (name, seq) SELECT " + Quoted(t.name) + ", " + first +
               " WHERE NOT EXISTS (SELECT 1 FROM sqlite_sequence WHERE name = " + Quoted(t.name) + ")");
}

void TakeNameTable(Database& db, const char* name)
{
    if (!HasTableIn(db, "delivered", name))
        return;
    if (!HasTableIn(db, "main", name)) {
        // A copy made before the table existed: made as the atlas has it.
        std::vector<std::string> statements;
        Statement schema(db, "SELECT sql FROM delivered.sqlite_master WHERE tbl_name = ? COLLATE NOCASE "
                             "AND sql IS NOT NULL ORDER BY type = 'table' DESC");
        schema.Bind(1, Value(name));
        while (schema.Step())
            statements.push_back(schema.Column(0).Text());
        for (const std::string& sql : statements)
            db.Execute(sql);
    }
    const SharedColumns c = Shared(db, name);
    db.Execute("DELETE FROM main." + Id(name) + "; INSERT INTO main." + Id(name) + " (" + c.list + ") SELECT " +
               c.listOfA + " FROM delivered." + Id(name) + " a");
}

// The delivered file attached to the copy as "delivered" while it is read.
class Attached {
public:
    Attached(Database& db, const std::string& file) : db_(db)
    {
        Statement attach(db, "ATTACH DATABASE ? AS delivered");
        attach.Bind(1, Value(file));
        attach.Step();
    }
    ~Attached() { sqlite3_exec(db_.Handle(), "DETACH DATABASE delivered", nullptr, nullptr, nullptr); }
    Attached(const Attached&) = delete;
    Attached& operator=(const Attached&) = delete;

private:
    Database& db_;
};

// The copy's tables that record its user's rows, made where missing, and
// no trigger filling them while the copy's rows are written here.
void OpenRecords(Database& copy)
{
    copy.Execute(CreateRecords);
    for (const EditedTable& t : EditedTables)
        copy.Execute(DropTriggers(t));
}

// From here on the copy records the user's rows and numbers the user's new
// rows apart; it stands at the delivered file of that stamp.
void KeepRecords(Database& copy, const std::string& stamp)
{
    for (const EditedTable& t : EditedTables) {
        NumberUsersRowsApart(copy, t);
        copy.Execute(Triggers(t));
    }
    copy.Execute("DELETE FROM DeliveredAtlas");
    Statement insert(copy, "INSERT INTO DeliveredAtlas (\"Stamp\") VALUES (?)");
    insert.Bind(1, Value(stamp));
    insert.Step();
}

} // namespace

std::string AtlasStamp(const std::string& deliveredFile)
{
    struct stat s {};
    if (::stat(deliveredFile.c_str(), &s) != 0)
        return {};
    return std::to_string(s.st_size) + " bytes, modified " + std::to_string(s.st_mtim.tv_sec) + "." +
           std::to_string(s.st_mtim.tv_nsec);
}

bool UpToDateWith(Database& copy, const std::string& deliveredFile)
{
    if (!copy.HasTable("DeliveredAtlas") || !copy.HasTable("UserRows"))
        return false;
    const std::string stamp = AtlasStamp(deliveredFile);
    Statement st(copy, "SELECT 1 FROM DeliveredAtlas WHERE \"Stamp\" = ?");
    st.Bind(1, Value(stamp));
    return !stamp.empty() && st.Step();
}

void BringUpToDate(Database& copy, const std::string& deliveredFile)
{
    // The delivered file is read as it was delivered, and never created:
    // a missing or damaged one fails here, naming it.
    { Database check(deliveredFile, OpenMode::ReadOnly); }
    const std::string stamp = AtlasStamp(deliveredFile);
    Attached attached(copy, deliveredFile);
    Transaction transaction(copy, Transaction::Lock::AtFirstWrite);
    // A write that changes nothing takes the copy's write lock before the
    // first read (a lock held elsewhere is waited for), and only the copy's.
    copy.Execute("UPDATE main.sqlite_sequence SET seq = seq WHERE 0");
    const bool recordedBefore = copy.HasTable("UserRows");
    OpenRecords(copy);
    for (const EditedTable& t : EditedTables)
        BringTableUpToDate(copy, t, !recordedBefore);
    for (const char* name : NameTables)
        TakeNameTable(copy, name);
    KeepRecords(copy, stamp);
    transaction.Commit();
}

void StartRecords(Database& copy, const std::string& deliveredFile)
{
    Transaction transaction(copy);
    OpenRecords(copy);
    KeepRecords(copy, AtlasStamp(deliveredFile));
    transaction.Commit();
}

} // namespace tarvik
