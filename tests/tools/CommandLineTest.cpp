#include "CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarvik::tools;

namespace {

// A tool of one flag and one option with a value.
OptionKind kindOf(std::string_view name)
{
    if (name == "--all")
        return OptionKind::Flag;
    return name == "--out" ? OptionKind::Valued : OptionKind::Unknown;
}

// The options read as "name=value" or a bare name for a flag, then where the
// reading stopped.
std::string shown(const CommandLine& line)
{
    std::string text;
    for (const GivenOption& option : line.options)
        text += option.name + (option.value ? "=" + *option.value : "") + " ";
    if (line.help)
        text += "help";
    if (line.version)
        text += "version";
    return text + line.error;
}

} // namespace

// Every tool reads its arguments this way: help and the version wherever
// they stand, a value joined by '=' or in the next argument whatever it
// looks like, and the first fault named with the argument as given. What
// came before a stop is handed back, so that a tool's own check of it still
// comes first.
TEST(CommandLineTest, ReadsOptionsInOrderUpToHelpVersionOrTheFirstFault)
{
    struct Case { std::vector<std::string> args; const char* read; };
    const Case cases[] = {
        {{}, ""},
        {{"--out", "a.csv", "--all"}, "--out=a.csv --all "},
        {{"--out=a=b.csv"}, "--out=a=b.csv "},
        {{"--out="}, "--out= "},
        {{"--out", "--all"}, "--out=--all "},
        {{"--out", "-h"}, "--out=-h "},
        {{"--out", "a.csv", "-h", "--colour"}, "--out=a.csv help"},
        {{"--all", "--version", "--out"}, "--all version"},
        {{"--colour", "--help"}, "unknown option '--colour'"},
        {{"--colour=red"}, "unknown option '--colour=red'"},
        {{"--help=1"}, "unknown option '--help=1'"},
        {{"-V"}, "unknown option '-V'"},
        {{"a.csv"}, "unexpected argument 'a.csv'"},
        {{"-"}, "unexpected argument '-'"},
        {{"--all", "--all=yes"}, "--all --all takes no value"},
        {{"--all", "--out"}, "--all missing value after --out"},
    };
    for (const Case& c : cases) {
        std::string args;
        for (const std::string& a : c.args)
            args += "[" + a + "]";
        EXPECT_EQ(shown(ReadCommandLine(c.args, kindOf)), c.read) << args;
    }
}
