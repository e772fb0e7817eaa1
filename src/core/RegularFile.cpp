#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tarvik {

namespace {

bool IsMissing(int error) { return error == ENOENT || error == ENOTDIR; }

std::string Unreachable(int error) { return "cannot be opened: " + std::string(std::strerror(error)); }

// The words for a kind of file other than a regular one.
std::string KindWords(mode_t mode, std::string_view wanted)
{
    const std::string not_ = ", not " + std::string(wanted);
    if (S_ISDIR(mode))
        return "is a folder" + not_;
    if (S_ISFIFO(mode))
        return "is a named pipe (FIFO)" + not_;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "is a device" + not_;
    if (S_ISSOCK(mode))
        return "is a socket" + not_;
    return "is no regular file" + not_;
}

} // namespace

std::string NotARegularFile(const std::string& path, std::string_view wanted)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return IsMissing(errno) ? "was not found" : Unreachable(errno);
    return S_ISREG(st.st_mode) ? std::string() : KindWords(st.st_mode, wanted);
}

int OpenRegularFile(const std::string& path, std::string& why, std::string_view wanted)
{
    // Opening a device may itself do something (a tape rewinds): look first.
    why = NotARegularFile(path, wanted);
    if (!why.empty())
        return -1;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        why = IsMissing(errno) ? "was not found" : Unreachable(errno);
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        why = Unreachable(errno);
    else if (!S_ISREG(st.st_mode))
        why = KindWords(st.st_mode, wanted);
    if (!why.empty()) {
        ::close(fd);
        return -1;
    }
    // Reads of a regular file never wait; the flag goes for tidiness.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t limit, std::string& why,
                                           std::string_view wanted)
{
    const int fd = OpenRegularFile(path, why, wanted);
    if (fd < 0)
        return std::nullopt;
    std::string bytes;
    char buffer[1 << 16];
    // One byte beyond the limit is read: the file may grow meanwhile.
    while (bytes.size() <= limit) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            why = "cannot be read: " + std::string(std::strerror(errno));
            ::close(fd);
            return std::nullopt;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (bytes.size() > limit) {
        why = "is larger than " + std::to_string(limit) + " bytes";
        return std::nullopt;
    }
    return bytes;
}

std::string NotReplaceable(const std::string& path, std::string_view wanted)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return IsMissing(errno) ? std::string() : Unreachable(errno);
    return S_ISREG(st.st_mode) ? std::string() : KindWords(st.st_mode, wanted);
}

} // namespace tarvik
