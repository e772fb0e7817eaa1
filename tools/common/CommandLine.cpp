#include "CommandLine.h"

#include <utility>

namespace tarvik::tools {

namespace {

std::string unknownArgument(const std::string& argument)
{
    return (argument.size() > 1 && argument.front() == '-' ? "unknown option '" : "unexpected argument '") +
           argument + "'";
}

} // namespace

CommandLine ReadCommandLine(const std::vector<std::string>& args,
                            const std::function<OptionKind(std::string_view name)>& kindOf)
{
    CommandLine line;
    line.options.reserve(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& argument = args[i];
        if (argument == "--help" || argument == "-h") {
            line.help = true;
            return line;
        }
        if (argument == "--version") {
            line.version = true;
            return line;
        }
        GivenOption option{argument, std::nullopt};
        if (const auto eq = argument.find('='); argument.starts_with("--") && eq != std::string::npos) {
            option.name = argument.substr(0, eq);
            option.value = argument.substr(eq + 1);
        }
        const OptionKind kind = kindOf(option.name);
        if (kind == OptionKind::Unknown) {
            line.error = unknownArgument(argument);
            return line;
        }
        if (kind == OptionKind::Flag && option.value) {
            line.error = option.name + " takes no value";
            return line;
        }
        if (kind == OptionKind::Valued && !option.value) {
            if (i + 1 >= args.size()) {
                line.error = "missing value after " + option.name;
                return line;
            }
            option.value = args[++i];
        }
        line.options.push_back(std::move(option));
    }
    return line;
}

} // namespace tarvik::tools
