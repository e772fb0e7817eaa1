#pragma once

// Another program that holds a database file locked, as an SQLite browser or
// a second copy of the program saving does: a connection of its own inside
// an exclusive transaction, which no other connection may read or write
// through until it ends.

#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace tarvik::locktest {

class FileLock {
public:
    explicit FileLock(const std::string& path)
    {
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK)
            held_ = sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~FileLock()
    {
        if (releaser_.joinable())
            releaser_.join();
        Release();
        sqlite3_close(db_);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return held_; }

    void Release()
    {
        if (held_.exchange(false))
            sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    }

    // Ends the transaction from another thread after the given time, while
    // the test waits on the file.
    void ReleaseAfter(std::chrono::milliseconds delay)
    {
        releaser_ = std::thread([this, delay] {
            std::this_thread::sleep_for(delay);
            Release();
        });
    }

private:
    sqlite3* db_ = nullptr;
    std::atomic<bool> held_ = false;
    std::thread releaser_;
};

} // namespace tarvik::locktest
