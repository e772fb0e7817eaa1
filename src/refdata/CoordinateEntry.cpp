#include "CoordinateEntry.h"

#include "calc/TextFormat.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace tarvik {

namespace {

struct KindRules {
    const char* first;    // the default letter
    const char* second;
    int maxDegrees;
    bool lastDegreeWhole;  // the last degree has no minutes beyond it (90 deg N, 180 deg E)
    const char* name;
};

KindRules RulesOf(CoordinateKind kind)
{
    switch (kind) {
    case CoordinateKind::Latitude: return {"N", "S", 90, true, "latitude"};
    case CoordinateKind::Longitude: return {"E", "W", 180, true, "longitude"};
    case CoordinateKind::ZoneMeridian: return {"E", "W", 359, false, "zone meridian"};
    }
    return {"E", "W", 180, true, "longitude"};
}

bool AllDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return c >= '0' && c <= '9'; });
}

std::string Upper(std::string_view text)
{
    std::string up(text);
    for (char& c : up)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return up;
}

} // namespace

std::string TrimmedEntry(std::string_view text)
{
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::string ForcedDirection(std::string_view typed, CoordinateKind kind)
{
    const KindRules rules = RulesOf(kind);
    const std::string up = Upper(typed);
    return up == rules.second ? rules.second : rules.first;
}

CoordinateBoxes EmptyBoxes(CoordinateKind kind) { return {{}, {}, RulesOf(kind).first}; }

CoordinateBoxes ShownBoxes(std::string_view stored, CoordinateKind kind)
{
    double degrees = 0, minutes = 0;
    std::string direction;
    SplitDegDirMin(stored, degrees, minutes, direction);
    std::string m = NumberText(minutes);
    if (m.size() < 2)
        m.insert(0, "0");
    return {NumberText(degrees), m, ForcedDirection(direction, kind)};
}

CoordinateText StoredCoordinate(const CoordinateBoxes& boxes, CoordinateKind kind)
{
    const KindRules rules = RulesOf(kind);
    const std::string degrees = TrimmedEntry(boxes.degrees);
    const std::string minutes = TrimmedEntry(boxes.minutes);
    const std::string direction = Upper(TrimmedEntry(boxes.direction));
    const std::string invalid = "Invalid " + std::string(rules.name) + ": ";
    const std::string range = invalid + "the degrees are a whole number from 0 to " +
                              std::to_string(rules.maxDegrees) + " and the minutes from 0 to 59.";

    if (degrees.empty() || degrees.size() > 3 || !AllDigits(degrees) || minutes.size() > 2 || !AllDigits(minutes))
        return {{}, range};
    const int d = std::stoi(degrees);
    const int m = minutes.empty() ? 0 : std::stoi(minutes);
    if (d > rules.maxDegrees || m > 59)
        return {{}, range};
    if (rules.lastDegreeWhole && d == rules.maxDegrees && m > 0)
        return {{}, invalid + "there are no minutes beyond " + std::to_string(rules.maxDegrees) + " degrees."};
    if (direction != rules.first && direction != rules.second)
        return {{}, invalid + "the direction is " + rules.first + " or " + rules.second + "."};
    return {std::to_string(d) + direction + (m < 10 ? "0" : "") + std::to_string(m), {}};
}

std::string StoredCoordinateProblem(std::string_view stored, CoordinateKind kind)
{
    const KindRules rules = RulesOf(kind);
    const std::size_t letter = stored.find_first_not_of("0123456789");
    const std::string shape = "Invalid " + std::string(rules.name) + ": \"" + std::string(stored) +
                              "\" is not degrees, " + rules.first + " or " + rules.second + ", and minutes.";
    if (letter == std::string_view::npos || letter == 0 || letter > 3)
        return shape;
    const std::string_view minutes = stored.substr(letter + 1);
    if (minutes.size() > 2 || !AllDigits(minutes))
        return shape;
    const std::string direction = Upper(stored.substr(letter, 1));
    if (direction != rules.first && direction != rules.second)
        return shape;
    // One stored minute digit counts as tens: 28N3 is 28 deg 30'.
    std::string m(minutes);
    if (m.size() == 1)
        m += '0';
    return StoredCoordinate({std::string(stored.substr(0, letter)), m, direction}, kind).problem;
}

bool DiffersFromStored(const CoordinateBoxes& boxes, CoordinateKind kind, std::string_view stored)
{
    const CoordinateText text = StoredCoordinate(boxes, kind);
    return !text.Valid() || text.text != stored;
}

} // namespace tarvik
