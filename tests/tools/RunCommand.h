#pragma once

// A shell command line run by the tests of the tools: its exit code and
// what it wrote to standard output.

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace tarvik::testing {

struct CommandRun {
    int exitCode = -1;   // -1 when it could not be run or ended by a signal
    std::string out;
};

inline CommandRun RunCommand(const std::string& command)
{
    CommandRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;)
        run.out.append(buf, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace tarvik::testing
