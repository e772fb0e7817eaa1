#pragma once

// One transaction on a database: begun at once, for writing; rolled back
// when it ends without Commit, so that a failure on the way leaves nothing
// of it behind.

#include "Database.h"

namespace tarvik {

class Transaction {
public:
    explicit Transaction(Database& db) : db_(db) { db_.Execute("BEGIN IMMEDIATE"); }
    ~Transaction()
    {
        if (!done_)
            sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
    void Commit()
    {
        db_.Execute("COMMIT");
        done_ = true;
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    Database& db_;
    bool done_ = false;
};

} // namespace tarvik
