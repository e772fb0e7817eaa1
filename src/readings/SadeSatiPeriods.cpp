#include "SadeSatiPeriods.h"

#include "DashaPageText.h"

#include "calc/Angles.h"
#include "calc/NameTables.h"
#include "core/State.h"
#include "refdata/Database.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace tarvik {

namespace {

// The signs as table period names them; only the first three letters count.
constexpr std::array<std::string_view, 13> SignNamesEnglish = {
    "", "Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio",
    "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

bool sameLetters(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The sign a row of table period names, by its first three letters.
std::optional<int> signOfName(std::string_view name)
{
    for (int sign = 1; sign <= 12; ++sign)
        if (name.size() >= 3 && sameLetters(name.substr(0, 3), SignNamesEnglish[sign].substr(0, 3)))
            return sign;
    return std::nullopt;
}

// "yyyy-mm-dd", with or without a time after it.
std::optional<int> dayNumberOfDate(const std::string& text)
{
    int year = 0, month = 0, day = 0;
    char dash1 = 0, dash2 = 0;
    if (std::sscanf(text.c_str(), "%d%c%d%c%d", &year, &dash1, &month, &dash2, &day) != 5 ||
        dash1 != '-' || dash2 != '-')
        return std::nullopt;
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    const int n = DayNumber(day, month, year);
    if (!(DateOfDayNumber(n) == CalendarDate{day, month, year}))
        return std::nullopt;
    return n;
}

} // namespace

std::vector<SadeSatiPeriod> SadeSatiPeriods(const std::vector<SaturnIngress>& ingresses,
                                            int moonSign, int afterDay, std::size_t most)
{
    const int before = WrapRange(moonSign - 1, 12);
    const int next = WrapRange(moonSign + 1, 12);
    const int beyond = WrapRange(moonSign + 2, 12);

    std::vector<SadeSatiPeriod> periods;
    bool inside = false, ending = false;   // Saturn in the three signs; past them, maybe for good
    SadeSatiPeriod passage;
    auto close = [&] {
        // The passage running on that day counts: it began with the entry
        // before it and has not ended.
        if (passage.endDay > afterDay && periods.size() < most)
            periods.push_back(passage);
        inside = ending = false;
    };
    for (const SaturnIngress& ingress : ingresses) {
        if (ending) {
            // A retrograde step back into the Moon's next sign: not over yet.
            if (ingress.sign == next) {
                ending = false;
                continue;
            }
            close();
        }
        if (!inside) {
            if (ingress.sign == before) {
                inside = true;
                passage.startDay = ingress.dayNumber;
            }
        } else if (ingress.sign == beyond) {
            ending = true;
            passage.endDay = ingress.dayNumber;
        }
    }
    if (ending)
        close();
    return periods;
}

std::vector<SaturnIngress> ReadSaturnIngresses(Database& reference)
{
    std::vector<SaturnIngress> ingresses;
    for (Recordset rs(reference, "select * from period"); !rs.Eof(); rs.MoveNext()) {
        const std::string date = rs.Field("Date").Text();
        const std::string name = rs.Field("lvm").Text();
        const std::optional<int> day = dayNumberOfDate(date);
        const std::optional<int> sign = signOfName(name);
        if (!day || !sign)
            throw std::runtime_error("Saturn's sign changes: the row \"" + date + "\", \"" + name +
                                     "\" cannot be read");
        ingresses.push_back({*day, *sign});
    }
    // Without them no Sade Sati can be told, and an empty list would read as none.
    if (ingresses.empty())
        throw std::runtime_error("Saturn's sign changes: the table period of \"" + reference.Path() +
                                 "\" is empty");
    std::stable_sort(ingresses.begin(), ingresses.end(),
                     [](const SaturnIngress& a, const SaturnIngress& b) {
                         return a.dayNumber < b.dayNumber;
                     });
    return ingresses;
}

std::string IngressDateText(int dayNumber, const RunChoices& choices)
{
    const CalendarDate d = DateOfDayNumber(dayNumber);
    return BirthDateText(d.day, d.month, d.year, choices);
}

} // namespace tarvik
