#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace tarvik {

namespace {

bool IsMissing(int error) { return error == ENOENT || error == ENOTDIR; }

FileProblem Unreachable(int error)
{
    return {FileFault::CannotOpen, "cannot be opened: " + std::string(std::strerror(error))};
}

// The words for a kind of file other than a regular one.
FileProblem OtherKind(mode_t mode, std::string_view wanted)
{
    const std::string not_ = ", not " + std::string(wanted);
    if (S_ISDIR(mode))
        return {FileFault::NotRegular, "is a folder" + not_};
    if (S_ISFIFO(mode))
        return {FileFault::NotRegular, "is a named pipe (FIFO)" + not_};
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return {FileFault::NotRegular, "is a device" + not_};
    if (S_ISSOCK(mode))
        return {FileFault::NotRegular, "is a socket" + not_};
    return {FileFault::NotRegular, "is no regular file" + not_};
}

FileProblem NotFound() { return {FileFault::Missing, "was not found"}; }

// What stands at path, through its links: nothing (missing), something that
// cannot be looked at, another kind of file, or a regular file (no fault).
FileProblem Standing(const std::string& path, std::string_view wanted)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return IsMissing(errno) ? NotFound() : Unreachable(errno);
    return S_ISREG(st.st_mode) ? FileProblem{} : OtherKind(st.st_mode, wanted);
}

int OpenRegular(const std::string& path, FileProblem& problem, std::string_view wanted)
{
    // Opening a device may itself do something (a tape rewinds): look first.
    problem = Standing(path, wanted);
    if (problem.fault != FileFault::None)
        return -1;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        problem = IsMissing(errno) ? NotFound() : Unreachable(errno);
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        problem = Unreachable(errno);
    else if (!S_ISREG(st.st_mode))
        problem = OtherKind(st.st_mode, wanted);
    if (problem.fault != FileFault::None) {
        ::close(fd);
        return -1;
    }
    // Reads of a regular file never wait; the flag goes for tidiness.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

} // namespace

std::string NotARegularFile(const std::string& path, std::string_view wanted)
{
    return Standing(path, wanted).words;
}

int OpenRegularFile(const std::string& path, std::string& why, std::string_view wanted)
{
    FileProblem problem;
    const int fd = OpenRegular(path, problem, wanted);
    why = std::move(problem.words);
    return fd;
}

DescriptorText ReadDescriptor(int fd, std::size_t limit)
{
    DescriptorText text;
    // A file's size is known: its bytes take one buffer, with no copy as it grows.
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && static_cast<std::size_t>(info.st_size) <= limit)
        text.bytes.reserve(static_cast<std::size_t>(info.st_size));
    char chunk[64 * 1024];
    for (;;) {
        const std::size_t wanted = std::min(sizeof chunk, limit + 1 - text.bytes.size());
        const ssize_t n = ::read(fd, chunk, wanted);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            text.error = errno;
            text.bytes = {};
            return text;
        }
        if (n == 0)
            return text;
        text.bytes.append(chunk, static_cast<std::size_t>(n));
        if (text.bytes.size() > limit) {
            text.bytes = {};
            text.tooLarge = true;
            return text;
        }
    }
}

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t limit, FileProblem& problem,
                                           std::string_view wanted)
{
    const int fd = OpenRegular(path, problem, wanted);
    if (fd < 0)
        return std::nullopt;
    DescriptorText text = ReadDescriptor(fd, limit);
    ::close(fd);
    if (text.error != 0) {
        problem = {FileFault::CannotRead, "cannot be read: " + std::string(std::strerror(text.error))};
        return std::nullopt;
    }
    if (text.tooLarge) {
        problem = {FileFault::TooLarge, "is larger than " + std::to_string(limit) + " bytes"};
        return std::nullopt;
    }
    return std::move(text.bytes);
}

std::string NotReplaceable(const std::string& path, std::string_view wanted)
{
    // Nothing there is no hindrance: the save makes the file.
    FileProblem problem = Standing(path, wanted);
    return problem.fault == FileFault::Missing ? std::string() : std::move(problem.words);
}

} // namespace tarvik
