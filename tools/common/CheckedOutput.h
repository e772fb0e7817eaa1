#pragma once

// The standard output of a tool, every write checked: output lost to a full
// disk, a file size limit or an input/output error is told with the
// system's reason, never taken for success.

#include <string>
#include <string_view>

namespace tarvik::tools {

class CheckedOutput {
public:
    // Writes to the file descriptor (standard output unless given).
    explicit CheckedOutput(int fd = 1);
    CheckedOutput(const CheckedOutput&) = delete;
    CheckedOutput& operator=(const CheckedOutput&) = delete;

    // Adds the bytes; they are written once the buffer holds enough. False
    // from the first write that failed on: later bytes are dropped.
    bool Write(std::string_view bytes);
    // The text and a line end.
    bool Line(std::string_view text);
    // Writes what is held, then closes the descriptor (where a file system
    // may report a write it could not keep). False when any write failed.
    bool Close();

    bool Failed() const { return error_ != 0; }
    // The system's reason for the failed write; empty while none failed.
    std::string Problem() const;

private:
    bool flush();

    int fd_;
    std::string buffer_;
    int error_ = 0;
    bool closed_ = false;
};

// Writes the text to standard output and closes it. False when it could
// not, after telling why on standard error ("<tool>: cannot write the
// output: <reason>").
bool WriteStandardOutput(std::string_view text, std::string_view tool);

// Answers --help with the usage, or --version with "<tool> (Tarvik) <the
// project's version>", on standard output; returns the exit code, 0 or 1
// when it could not be written.
int AnswerHelpOrVersion(bool help, std::string_view usage, std::string_view tool);

} // namespace tarvik::tools
