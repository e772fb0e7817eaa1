#pragma once

// A program folder of its own for runs of the tools: copies of the tools
// and of the delivered databases, which a test may damage, edit or put on
// a read-only file system, and the build's ephemeris table.

#include "calc/EphemerisTable.h"
#include "refdata/Database.h"
#include "refdata/DatabaseFiles.h"

#include <sys/mount.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

namespace tarvik::toolruns {

// How a run of a tool ended: its exit code (-1 when it did not exit, as
// after a crash), and what it wrote.
struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class OwnProgramFolder {
public:
    explicit OwnProgramFolder(std::initializer_list<std::string> tools = {"chartdump"})
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarvik-own-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
        const char* bin = std::getenv("TARVIK_BIN_DIR");
        const std::filesystem::path from(bin ? bin : ".");
        for (const std::string& name : tools)
            std::filesystem::copy_file(from / name, folder_ / name);
        for (std::string_view name : {DataDatabaseFile, DefinitionsDatabaseFile, ReferenceDatabaseFile})
            std::filesystem::copy_file(from / std::string(name), folder_ / std::string(name));
        // The ephemeris table is only read: the build's own serves.
        const std::string ephemeris(EphemerisFileName);
        std::filesystem::create_symlink(from / ephemeris, folder_ / ephemeris);
    }
    ~OwnProgramFolder()
    {
        if (readOnly_)
            ::umount2(folder_.c_str(), MNT_DETACH);
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    OwnProgramFolder(const OwnProgramFolder&) = delete;
    OwnProgramFolder& operator=(const OwnProgramFolder&) = delete;

    const std::filesystem::path& Path() const { return folder_; }
    std::string File(std::string_view name) const { return (folder_ / std::string(name)).string(); }

    void ChangeReference(const std::string& sql) const
    {
        Database db(File(ReferenceDatabaseFile), OpenMode::ReadWrite);
        db.Execute(sql);
    }

    // The folder as a read-only file system (false where the process may
    // not mount one).
    bool MakeReadOnly()
    {
        const char* path = folder_.c_str();
        if (::mount(path, path, nullptr, MS_BIND, nullptr) != 0)
            return false;
        readOnly_ = true;
        return ::mount(nullptr, path, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    }

    // Runs the folder's copy of a tool with the arguments (and variables
    // set before it, "NAME=value ...").
    ToolRun Run(const std::string& tool, const std::string& arguments, const std::string& environment = {}) const
    {
        const std::string errFile = folder_.string() + "-stderr.txt";
        FILE* pipe = popen((environment + " " + (folder_ / tool).string() + " " + arguments + " 2>" + errFile).c_str(),
                           "r");
        ToolRun run;
        char buf[4096];
        for (std::size_t n; pipe && (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;)
            run.out.append(buf, n);
        const int status = pipe ? pclose(pipe) : -1;
        // The shell reports a program killed by a signal as 128 and the signal.
        run.exitCode = WIFEXITED(status) && WEXITSTATUS(status) < 128 ? WEXITSTATUS(status) : -1;
        std::ifstream in(errFile);
        run.err.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        std::filesystem::remove(errFile);
        return run;
    }

private:
    std::filesystem::path folder_;
    bool readOnly_ = false;
};

} // namespace tarvik::toolruns
