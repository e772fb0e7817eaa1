#pragma once

// The program reads and replaces regular files only. A named pipe, a device,
// a socket or a folder where one of its files is expected is told as what it
// is and never read: a pipe without a writer would hold the program in
// open() for good, and a device may never end. Links are followed, as a
// save through a link replaces the file the link names.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarvik {

// Why a file could not be had, for the caller to act on, and in words that
// follow the file's name (those given below).
enum class FileFault {
    None,
    Missing,      // "was not found"
    NotRegular,   // "is a folder, not <wanted>", a pipe, a device, a socket
    CannotOpen,   // "cannot be opened: " and the system's reason
    CannotRead,   // "cannot be read: " and the system's reason
    TooLarge,     // "is larger than <limit> bytes"
};

struct FileProblem {
    FileFault fault = FileFault::None;
    std::string words;
};

// What stands at path, through its links, when it is not a regular file,
// in words that follow the file's name: "was not found", "is a folder, not
// <wanted>", "is a named pipe (FIFO), not <wanted>", "is a device, not
// <wanted>", "is a socket, not <wanted>", or "cannot be opened: " and the
// system's reason (a loop of links, a folder on the way that may not be
// entered). Empty for a regular file.
std::string NotARegularFile(const std::string& path, std::string_view wanted = "a file");

// Opens a regular file for reading without ever waiting on it: nothing that
// is no regular file is opened, and the open descriptor is checked again, so
// that a pipe put in the file's place meanwhile is refused as well. The
// descriptor (close-on-exec), or -1 with why set in the words above (or the
// system's reason when a regular file cannot be opened).
int OpenRegularFile(const std::string& path, std::string& why, std::string_view wanted = "a file");

// What was read from an open descriptor.
struct DescriptorText {
    std::string bytes;
    bool tooLarge = false;  // it goes on past the limit: nothing is kept
    int error = 0;          // the system's error number of a read that failed: nothing is kept
};

// Reads a descriptor to its end (a file, a pipe, a terminal), giving up once
// limit bytes are passed: never more than limit + 1 bytes are read.
DescriptorText ReadDescriptor(int fd, std::size_t limit);

// The bytes of a regular file of at most limit bytes; nothing, with the
// problem set, when it is none, cannot be read, or is larger ("is larger
// than <limit> bytes").
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t limit, FileProblem& problem,
                                           std::string_view wanted = "a file");

// Whether a save may put a file at path: empty when nothing stands there
// (a link to nothing included: the save makes the file it names) or a
// regular file does; otherwise what stands there, in the words above.
std::string NotReplaceable(const std::string& path, std::string_view wanted = "a file");

} // namespace tarvik
