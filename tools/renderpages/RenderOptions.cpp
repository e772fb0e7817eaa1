#include "RenderOptions.h"

#include "registry/PageCatalogue.h"

#include "CommandLine.h"

#include <algorithm>
#include <map>
#include <string_view>

namespace tarvik::renderpages {

const char* const RenderUsage =
    "usage: renderpages --date DD-MM-YYYY --time HH:MM:SS --lat 28N39 --lon 77E13 --zone 82E30\n"
    "                   [--ayanamsa 0|1|2] [--node true|mean] [--war-time +HH:MM]\n"
    "                   [--name TEXT] [--place TEXT] [--country TEXT]\n"
    "                   [--father TEXT] [--mother TEXT] [--grandfather TEXT] [--gotra TEXT]\n"
    "                   [--girl-date ... --girl-time ... --girl-lat ... --girl-lon ...\n"
    "                    --girl-zone ... [--girl-war-time ...]\n"
    "                    [--girl-name TEXT] [--girl-place TEXT] [--girl-country TEXT]]\n"
    "                   [--lang en|hi] [--style north|south] [--format pdf|png|both]\n"
    "                   (--pages KEY,KEY,... | --all) --out DIR\n"
    "       renderpages --help | --version\n"
    "Draws the pages of the birth (with the girl's options, of the match) as one PNG per page\n"
    "and one PDF of all of them (pages.pdf) in DIR, or only those --format names (both by\n"
    "default), and lists every dictionary key that was not found.\n"
    "The texts a user types (names, places, the country with its zone, the family) are\n"
    "printed as given; without them the pages name the person by role and the place by\n"
    "its coordinates.\n";

namespace {

constexpr std::string_view GirlPrefix = "--girl-";
// The options of the run itself, each with a value.
constexpr std::string_view RunOptions[] = {"--lang", "--style", "--format", "--pages", "--out"};
constexpr std::string_view RunFlag = "--all";
// The run's choices that a match takes from the boy's options.
constexpr std::string_view SharedOptions[] = {"--ayanamsa", "--node", "--batch"};

bool isRunOption(std::string_view name)
{
    return std::find(std::begin(RunOptions), std::end(RunOptions), name) != std::end(RunOptions);
}

// The options that carry typed texts, for both persons ("--girl-" before
// the first three) or for the native alone (the family).
constexpr std::string_view PersonTexts[] = {"--name", "--place", "--country"};
constexpr std::string_view FamilyTexts[] = {"--father", "--mother", "--grandfather", "--gotra"};

bool oneOf(std::string_view name, const auto& list)
{
    return std::find(std::begin(list), std::end(list), name) != std::end(list);
}

std::vector<std::string> splitKeys(const std::string& list)
{
    std::vector<std::string> keys;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = list.find(',', start);
        const std::string key =
            list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (!key.empty())
            keys.push_back(key);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return keys;
}

// A name as renderpages takes it: the girl's ("--girl-date") stands for the
// birth option after its prefix ("--date"); its own options (the run's and
// the typed texts) it keeps, the birth options it hands to the birth reader.
struct OptionName {
    bool forGirl = false;
    std::string birthName;
    bool own = false;
};

OptionName nameOf(std::string_view name)
{
    OptionName n;
    n.forGirl = name.starts_with(GirlPrefix);
    n.birthName = n.forGirl ? "--" + std::string(name.substr(GirlPrefix.size())) : std::string(name);
    const bool typedText = oneOf(n.birthName, PersonTexts) || (!n.forGirl && oneOf(n.birthName, FamilyTexts));
    n.own = typedText || isRunOption(name) || name == RunFlag;
    return n;
}

tools::OptionKind kindOf(std::string_view name)
{
    if (name == RunFlag)
        return tools::OptionKind::Flag;
    const OptionName n = nameOf(name);
    return n.own ? tools::OptionKind::Valued : chartdump::OptionKindOf(n.birthName);
}

} // namespace

std::vector<std::string> PreviewCatalogue(bool matchMode, int aspectPages)
{
    std::vector<std::string> keys;
    for (const CatalogueRow& row : PageCatalogue(matchMode, OutputKind::Preview, aspectPages))
        keys.push_back(row.key);
    return keys;
}

RenderOptions ParseRenderOptions(const std::vector<std::string>& args)
{
    RenderOptions result;
    std::vector<std::string> nativeArgs;
    std::vector<std::string> girlArgs;
    std::map<std::string, std::string> own;
    const tools::CommandLine line = tools::ReadCommandLine(args, kindOf);
    for (const tools::GivenOption& option : line.options) {
        const OptionName n = nameOf(option.name);
        if (n.own) {
            if (own.count(option.name)) {
                result.error = option.name + " given twice";
                return result;
            }
            own[option.name] = option.value.value_or("");
        } else if (n.forGirl) {
            if (!option.value || oneOf(n.birthName, SharedOptions)) {
                result.error = option.name + ": not an option of the girl";
                return result;
            }
            girlArgs.push_back(n.birthName);
            girlArgs.push_back(*option.value);
        } else {
            nativeArgs.push_back(option.name);
            if (option.value)
                nativeArgs.push_back(*option.value);
        }
    }
    if (line.Stopped()) {
        result.help = line.help;
        result.version = line.version;
        result.error = line.error;
        return result;
    }

    RenderRequest request;
    const chartdump::ParsedOptions native = chartdump::ParseOptions(nativeArgs);
    if (!native.error.empty()) {
        result.error = native.error;
        return result;
    }
    if (!native.request) {
        result.error = "the birth options of one person are needed (no --batch)";
        return result;
    }
    request.native = *native.request;
    if (!girlArgs.empty()) {
        const chartdump::ParsedOptions girl = chartdump::ParseOptions(girlArgs);
        if (!girl.error.empty()) {
            result.error = "girl: " + girl.error;
            return result;
        }
        if (!girl.request) {
            result.error = "the girl's birth options are needed (--girl-date, --girl-time, ...)";
            return result;
        }
        request.girl = girl.request->birth;
    }

    const std::string lang = own.count("--lang") ? own["--lang"] : "en";
    if (lang != "en" && lang != "hi") {
        result.error = "invalid --lang '" + lang + "': en or hi";
        return result;
    }
    request.hindi = lang == "hi";
    const std::string style = own.count("--style") ? own["--style"] : "north";
    if (style != "north" && style != "south") {
        result.error = "invalid --style '" + style + "': north or south";
        return result;
    }
    request.chartStyle = style == "south" ? 1 : 0;
    const std::string format = own.count("--format") ? own["--format"] : "both";
    if (format != "pdf" && format != "png" && format != "both") {
        result.error = "invalid --format '" + format + "': pdf, png or both";
        return result;
    }
    request.pdf = format != "png";
    request.png = format != "pdf";

    request.allPages = own.count("--all") > 0;
    if (request.allPages == (own.count("--pages") > 0)) {
        result.error = "give either --pages KEY,KEY,... or --all";
        return result;
    }
    if (!request.allPages) {
        request.pages = splitKeys(own["--pages"]);
        if (request.pages.empty()) {
            result.error = "--pages names no page";
            return result;
        }
    }
    if (!own.count("--out") || own["--out"].empty()) {
        result.error = "missing --out DIR";
        return result;
    }
    request.outDir = own["--out"];

    const auto typed = [&](const std::string& prefix) {
        TypedEntries t;
        for (auto [option, field] : {std::pair{"name", &t.name}, {"place", &t.place}, {"country", &t.country}})
            if (own.count(prefix + option))
                *field = own[prefix + option];
        return t;
    };
    request.nativeTyped = typed("--");
    request.girlTyped = typed("--girl-");
    if (!request.girl && (request.girlTyped.name || request.girlTyped.place || request.girlTyped.country)) {
        result.error = "the girl's texts are given without her birth options";
        return result;
    }
    for (auto [option, field] : {std::pair{"--father", &request.father}, {"--mother", &request.mother},
                                 {"--grandfather", &request.grandfather}, {"--gotra", &request.gotra}})
        if (own.count(option))
            *field = own[option];
    result.request = request;
    return result;
}

} // namespace tarvik::renderpages
