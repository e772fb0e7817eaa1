#pragma once

// The checks and re-formatting of the entry form's boxes, free of widgets.
// Dates and times are read and written in the C locale: English month
// abbreviations and AM/PM whatever the system's language.

#include "PrintRun.h"

#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>
#include <string>

namespace tarvik {

// The number at the start of a text, leading blanks skipped; 0 when the text
// starts with no number ("12abc" is 12, "abc" and "" are 0).
double Val(QStringView text);

// The nearest whole number, a half going to the even neighbour (2.5 is 2).
// A value beyond the range of long long gives the nearer end of the range,
// NaN gives 0.
long long RoundHalfEven(double value);
// The nearest int, the same way: beyond the range of int the nearer end.
int RoundedInt(double value);

// A clock time as typed: "H:MM", "H:MM:SS", each optionally followed by AM or
// PM, or "H AM". Hours run 0-23 on the 24-hour clock and 0-12 with AM/PM.
std::optional<QTime> ReadTimeEntry(QStringView text);
// "HH:MM:SS AM/PM", as the time boxes show a time: 14:30 is "02:30:00 PM".
QString TimeEntryText(QTime time);

// A date as typed: "15-Aug-1980", "15-8-1980", "15/08/1980", "15 August 1980",
// "1980-08-15" and the like; month names in English, any letter case.
std::optional<QDate> ReadDateEntry(QStringView text);
// "DD-MMM-YYYY": 05-Sep-1986.
QString DateEntryText(QDate date);

// The first date of the Yogini pratyantar table for a birth date: the birth
// date itself when it lies more than 1095 days after today, else the day
// 1095 days before today (also when that day precedes the birth).
QDate YoginiStart(QDate birth, QDate today);

// What a refused birth date or time is told: the word, then the forms the
// boxes take and their range.
inline constexpr const char* InvalidDateMessage =
    "Invalid Date\n\nType a date from 1800 to 2199 as 15-Aug-1980, 15-08-1980 or 15/8/1980 "
    "(day, month and year parted by -, /, . or a blank).";
inline constexpr const char* InvalidTimeMessage =
    "Invalid Time\n\nType the time as 10:30, 22:30:15 or 10:30:15 PM: the hour from 0 to 23 "
    "(1 to 12 with AM or PM), the minute and the second from 0 to 59.";

// The annual-chart boxes when they are left: a first year that is empty or
// starts with no number becomes the current year (any number stays, to be
// checked against the range below), a year count below 1 becomes 1; any
// other text stays as typed.
QString CheckedVarshphalFrom(const QString& text, int currentYear);
QString CheckedVarshphalYears(const QString& text);

// The annual charts the program draws: first years 1800 to 2199, 1 to 254
// years, as many as a print run draws (each read as the run reads the box,
// the nearest whole number).
inline constexpr int FirstVarshphalYear = 1800;
inline constexpr int LastVarshphalYear = 2199;
bool VarshphalFromInRange(const QString& text);
bool VarshphalYearsInRange(const QString& text);
// The most years a count may take after that first year: the last year
// stays within 2199 (254 when the first year is out of range itself).
int MostVarshphalYearsFrom(const QString& firstYear);
bool VarshphalYearsInRange(const QString& text, const QString& firstYear);
// The messages for a first year and a year count out of range.
inline constexpr const char* VarshphalFromRule = "The varshphal year should be a year from 1800 to 2199.";
inline constexpr const char* VarshphalYearsRule = "The number of varshphal years should be from 1 to 254.";
// The count's message after that first year, with the largest count it takes.
std::string VarshphalYearsRuleFrom(const QString& firstYear);

} // namespace tarvik
