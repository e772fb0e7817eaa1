#include "RenderOptions.h"

#include "registry/PageCatalogue.h"

#include <algorithm>
#include <map>

namespace tarvik::renderpages {

const char* const RenderUsage =
    "usage: renderpages --date DD-MM-YYYY --time HH:MM:SS --lat 28N39 --lon 77E13 --zone 82E30\n"
    "                   [--ayanamsa 0|1|2] [--node true|mean] [--war-time +HH:MM]\n"
    "                   [--name TEXT] [--place TEXT] [--country TEXT]\n"
    "                   [--father TEXT] [--mother TEXT] [--grandfather TEXT] [--gotra TEXT]\n"
    "                   [--girl-date ... --girl-time ... --girl-lat ... --girl-lon ...\n"
    "                    --girl-zone ... [--girl-war-time ...]\n"
    "                    [--girl-name TEXT] [--girl-place TEXT] [--girl-country TEXT]]\n"
    "                   [--lang en|hi] [--style north|south]\n"
    "                   (--pages KEY,KEY,... | --all) --out DIR\n"
    "Draws the pages of the birth (with the girl's options, of the match) as one PNG per page\n"
    "and one PDF of all of them in DIR, and lists every dictionary key that was not found.\n"
    "The texts a user types (names, places, the country with its zone, the family) are\n"
    "printed as given; without them the pages name the person by role and the place by\n"
    "its coordinates.\n";

namespace {

constexpr std::string_view GirlPrefix = "--girl-";

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
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        if (name == "--help" || name == "-h") {
            result.help = true;
            return result;
        }
        std::optional<std::string> value;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        const bool flag = name == "--all";
        if (!flag && !value) {
            if (i + 1 >= args.size()) {
                result.error = "missing value after " + name;
                return result;
            }
            value = args[++i];
        }
        const bool girlName = name.rfind(GirlPrefix, 0) == 0;
        const std::string plain = girlName ? "--" + name.substr(GirlPrefix.size()) : name;
        if (oneOf(plain, PersonTexts) || (!girlName && oneOf(plain, FamilyTexts))) {
            if (own.count(name)) {
                result.error = name + " given twice";
                return result;
            }
            own[name] = *value;
        } else if (girlName) {
            girlArgs.push_back(plain);
            girlArgs.push_back(*value);
        } else if (name == "--lang" || name == "--style" || name == "--pages" || name == "--out" ||
                   flag) {
            if (own.count(name)) {
                result.error = name + " given twice";
                return result;
            }
            own[name] = value.value_or("");
        } else {
            nativeArgs.push_back(name);
            nativeArgs.push_back(*value);
        }
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
        for (const char* shared : {"--ayanamsa", "--node", "--batch"}) {
            if (std::find(girlArgs.begin(), girlArgs.end(), shared) != girlArgs.end()) {
                result.error = std::string("--girl-") + (shared + 2) + ": not an option of the girl";
                return result;
            }
        }
        const chartdump::ParsedOptions girl = chartdump::ParseOptions(girlArgs);
        if (!girl.error.empty()) {
            result.error = "girl: " + girl.error;
            return result;
        }
        // --girl-help asks for no birth.
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
