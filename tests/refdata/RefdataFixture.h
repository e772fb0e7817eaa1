#pragma once

// Scratch folders for database tests: a fresh temporary folder per test,
// optionally holding copies of the databases the build delivered.

#include "core/State.h"
#include "refdata/DatabaseFiles.h"
#include "refdata/Databases.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace tarvik::testing {

namespace fs = std::filesystem;

inline std::string BinDir()
{
    const char* dir = std::getenv("TARVIK_BIN_DIR");
    return dir ? dir : ".";
}

inline std::string SourceDir()
{
    const char* dir = std::getenv("TARVIK_SOURCE_DIR");
    return dir ? dir : "..";
}

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "tarvik-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    void Write(const std::string& name, const std::string& text) const
    {
        fs::create_directories((path_ / name).parent_path());
        std::ofstream(path_ / name, std::ios::binary) << text;
    }
    // Copies the delivered database files of the build into this folder.
    void CopyDeliveredDatabases() const
    {
        for (std::string_view name :
             {DataDatabaseFile, DefinitionsDatabaseFile, ReferenceDatabaseFile})
            fs::copy_file(fs::path(BinDir()) / std::string(name), path_ / std::string(name),
                          fs::copy_options::overwrite_existing);
    }

private:
    fs::path path_;
};

// Opens the delivered databases from a private copy for the test's duration.
class OpenDeliveredDatabases : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetProgramState();
        folder.CopyDeliveredDatabases();
        Program().ProgramFolder = folder.Path().string();
        OpenReferenceDatabases();
    }
    void TearDown() override
    {
        CloseReferenceDatabases();
        ResetProgramState();
    }

    ScratchFolder folder;
};

} // namespace tarvik::testing
