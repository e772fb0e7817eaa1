#pragma once

// The command line of a tool, read the one way every tool reads it: "--help"
// or "-h" and "--version" anywhere, "--name=value" read like "--name value",
// an option of no value refused one, and the argument after an option that
// takes a value taken as its value whatever it looks like. Which names are
// options, and which of those take a value, is the tool's to say; so is what
// they mean and whether one may come twice.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik::tools {

enum class OptionKind {
    Unknown,  // no option of the tool
    Flag,     // stands alone: "--all"
    Valued,   // takes a value: "--out FILE" or "--out=FILE"
};

struct GivenOption {
    std::string name;                  // "--out", without "=value"
    std::optional<std::string> value;  // none for a flag
};

struct CommandLine {
    // The options in the order given, up to where the reading stopped (at
    // --help, --version or the first fault). A tool checks these before it
    // answers the stop: a fault of its own among them ("--out given twice")
    // comes first, as it does when the arguments are taken one by one.
    std::vector<GivenOption> options;
    bool help = false;
    bool version = false;
    // The first fault: "unknown option '--x=1'" (the argument as given) or
    // "unexpected argument 'x'" for a word that is no option at all,
    // "--all takes no value", "missing value after --out".
    std::string error;

    bool Stopped() const { return help || version || !error.empty(); }
};

CommandLine ReadCommandLine(const std::vector<std::string>& args,
                            const std::function<OptionKind(std::string_view name)>& kindOf);

} // namespace tarvik::tools
