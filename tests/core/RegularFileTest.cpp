// What stands where a file is read or saved, told as a kind of failure the
// caller acts on and in the words that follow the file's name.

#include "core/RegularFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

using namespace tarvik;
namespace fs = std::filesystem;

namespace {

class RegularFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[] = "/tmp/regular-file-test-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        folder = name;
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string File(const std::string& name) const { return (folder / name).string(); }

    fs::path folder;
};

TEST_F(RegularFileTest, EachKindOfFailureIsToldWithItsWords)
{
    std::ofstream(File("ten")) << "0123456789";
    ASSERT_EQ(::mkfifo(File("pipe").c_str(), 0600), 0);
    fs::create_directory(File("folder"));
    fs::create_symlink(File("loop"), File("loop"));
    const struct {
        std::string path;
        std::size_t limit;
        FileFault fault;
        std::string words;
    } cases[] = {
        {File("ten"), 10, FileFault::None, ""},
        {File("ten"), 9, FileFault::TooLarge, "is larger than 9 bytes"},
        {File("none"), 10, FileFault::Missing, "was not found"},
        {File("ten/inside"), 10, FileFault::Missing, "was not found"},
        {File("folder"), 10, FileFault::NotRegular, "is a folder, not a test file"},
        {File("pipe"), 10, FileFault::NotRegular, "is a named pipe (FIFO), not a test file"},
        {"/dev/null", 10, FileFault::NotRegular, "is a device, not a test file"},
        {File("loop"), 10, FileFault::CannotOpen, "cannot be opened: Too many levels of symbolic links"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + " of at most " + std::to_string(c.limit) + " bytes");
        FileProblem problem;
        const std::optional<std::string> bytes = ReadRegularFile(c.path, c.limit, problem, "a test file");
        EXPECT_EQ(problem.fault, c.fault);
        EXPECT_EQ(problem.words, c.words);
        EXPECT_EQ(bytes, c.fault == FileFault::None ? std::optional<std::string>("0123456789") : std::nullopt);
        // A look at what stands there sees no size; nothing there is no
        // hindrance to a save.
        const bool sized = c.fault == FileFault::TooLarge;
        EXPECT_EQ(NotARegularFile(c.path, "a test file"), sized ? "" : c.words);
        EXPECT_EQ(NotReplaceable(c.path, "a test file"), sized || c.fault == FileFault::Missing ? "" : c.words);
    }
}

} // namespace
