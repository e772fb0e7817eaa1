#include "HinduCalendar.h"

#include <array>
#include <string_view>

namespace tarvik {

namespace {
// The lunar months in order with the nakshatra of the full moon that names each.
struct LunarMonth {
    int nakshatra;
    std::string_view name;
};
constexpr std::array<LunarMonth, 12> LunarMonths = {{
    {14, "CHAITRA"}, {16, "VAISAKHA"}, {18, "JYAISTHA"}, {20, "ASADHA"},
    {22, "SRAVANA"}, {25, "BHADRA"},   {1, "ASVINA"},    {3, "KARTIKA"},
    {5, "MARGSHIRSH"}, {8, "PAUSA"},   {10, "MAGHA"},    {12, "PHALGUNA"},
}};

// The full-moon nakshatra of each Gregorian month, January first.
constexpr std::array<int, 12> FullMoonNakshatra = {8, 10, 12, 14, 16, 18, 20, 22, 25, 1, 3, 5};

// National months: a month runs from the day after `fromDay` of `fromMonth`
// to the day before `toDay` of `toMonth`.
struct NationalMonth {
    std::string_view name;
    int fromMonth, fromDay, toMonth, toDay;
};
constexpr std::array<NationalMonth, 12> NationalMonths = {{
    {"CHAITRA", 3, 21, 4, 21},
    {"VAISAKHA", 4, 20, 5, 22},
    {"JYAISTHA", 5, 21, 6, 22},
    {"ASADHA", 6, 21, 7, 23},
    {"SRAVANA", 7, 22, 8, 23},
    {"BHADRA", 8, 22, 9, 23},
    {"ASVINA", 9, 22, 10, 23},
    {"KARTIKA", 10, 22, 11, 22},
    {"AGRAHAYANA", 11, 21, 12, 22},
    {"PAUSA", 12, 21, 1, 21},
    {"MAGHA", 1, 20, 2, 20},
    {"PHALGUNA", 2, 19, 3, 22},
}};

constexpr std::array<int, 12> LongestMonth = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
} // namespace

int MonthFullMoonNakshatra(int month)
{
    return month >= 1 && month <= 12 ? FullMoonNakshatra[month - 1] : 0;
}

std::string MasaName(int nakshatra)
{
    for (const LunarMonth& m : LunarMonths)
        if (m.nakshatra == nakshatra)
            return std::string(m.name);
    return {};
}

std::string GetNationalMonthName(int month, int day)
{
    if (month < 1 || month > 12 || day < 1 || day > LongestMonth[month - 1])
        return {};
    for (const NationalMonth& m : NationalMonths)
        if ((month == m.fromMonth && day > m.fromDay) || (month == m.toMonth && day < m.toDay))
            return std::string(m.name);
    return {};
}

} // namespace tarvik
