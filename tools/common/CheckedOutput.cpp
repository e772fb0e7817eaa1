#include "CheckedOutput.h"

#include "core/FileWrite.h"
#include "core/Version.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

namespace tarvik::tools {

namespace {
// Large enough that a chart's line (some 4 KB) seldom costs a system call
// of its own.
constexpr std::size_t BufferBytes = 64 * 1024;
} // namespace

CheckedOutput::CheckedOutput(int fd) : fd_(fd) { buffer_.reserve(BufferBytes); }

bool CheckedOutput::flush()
{
    if (error_ == 0 && !buffer_.empty())
        error_ = WriteAll(fd_, buffer_);
    buffer_.clear();
    return error_ == 0;
}

bool CheckedOutput::Write(std::string_view bytes)
{
    if (error_ != 0 || closed_)
        return false;
    if (buffer_.size() + bytes.size() > BufferBytes && !flush())
        return false;
    if (bytes.size() >= BufferBytes) {
        error_ = WriteAll(fd_, bytes);
        return error_ == 0;
    }
    buffer_.append(bytes);
    return true;
}

bool CheckedOutput::Line(std::string_view text) { return Write(text) && Write("\n"); }

bool CheckedOutput::Close()
{
    if (closed_)
        return error_ == 0;
    flush();
    closed_ = true;
    if (::close(fd_) != 0 && error_ == 0 && errno != EINTR)
        error_ = errno;
    return error_ == 0;
}

std::string CheckedOutput::Problem() const { return error_ != 0 ? std::strerror(error_) : std::string(); }

bool WriteStandardOutput(std::string_view text, std::string_view tool)
{
    CheckedOutput out;
    out.Write(text);
    if (out.Close())
        return true;
    std::cerr << tool << ": cannot write the output: " << out.Problem() << "\n";
    return false;
}

int AnswerHelpOrVersion(bool help, std::string_view usage, std::string_view tool)
{
    const std::string text =
        help ? std::string(usage) : std::string(tool) + " (Tarvik) " + ProjectVersion + "\n";
    return WriteStandardOutput(text, tool) ? 0 : 1;
}

} // namespace tarvik::tools
