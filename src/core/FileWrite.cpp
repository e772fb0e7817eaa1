#include "FileWrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tarvik {

int WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        // A write that takes nothing would never end; the system gives no
        // reason for it, so it is told as an input/output error.
        if (n == 0)
            return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

std::string WriteFileWhole(const std::string& path, std::string_view bytes)
{
    const std::string part = path + ".part";
    const int fd = ::open(part.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return std::strerror(errno);
    int error = WriteAll(fd, bytes);
    // Some file systems (a network one, a full quota) report a lost write
    // only when the file is closed.
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && std::rename(part.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(part.c_str());
        return std::strerror(error);
    }
    return {};
}

} // namespace tarvik
