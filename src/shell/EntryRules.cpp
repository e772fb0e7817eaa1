#include "EntryRules.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace tarvik {

double Val(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r'))
        ++i;
    std::string number;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        number += char(text[i++].unicode());
    auto digits = [&] {
        bool any = false;
        for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i, any = true)
            number += char(text[i].unicode());
        return any;
    };
    bool mantissa = digits();
    if (i < n && text[i] == u'.') {
        number += '.';
        ++i;
        mantissa = digits() || mantissa;
    }
    if (!mantissa)
        return 0;
    // An exponent counts only when digits follow it: "2e" is 2.
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        const bool sign = j < n && (text[j] == u'+' || text[j] == u'-');
        if (sign)
            ++j;
        if (j < n && text[j] >= u'0' && text[j] <= u'9') {
            number += 'e';
            if (sign)
                number += char(text[j - 1].unicode());
            i = j;
            digits();
        }
    }
    // from_chars, unlike strtod, ignores the process locale's decimal mark.
    double value = 0;
    const char* first = number.data() + (number[0] == '+' ? 1 : 0);
    std::from_chars(first, number.data() + number.size(), value);
    return value;
}

long long RoundHalfEven(double value)
{
    // A double beyond these converts to no long long at all.
    constexpr double Lowest = -9223372036854775808.0;   // -2^63
    if (std::isnan(value))
        return 0;
    if (value < Lowest)
        return std::numeric_limits<long long>::min();
    if (value >= -Lowest)
        return std::numeric_limits<long long>::max();
    // nearbyint rounds in the current mode, which is to nearest, ties to even.
    return static_cast<long long>(std::nearbyint(value));
}

int RoundedInt(double value)
{
    return static_cast<int>(std::clamp<long long>(RoundHalfEven(value), std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

std::optional<QTime> ReadTimeEntry(QStringView text)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(\d{1,2})(?::(\d{1,2})(?::(\d{1,2}))?)?\s*(?:([AaPp])\.?[Mm]?\.?)?\s*$)"));
    const QRegularExpressionMatch m = pattern.match(text.toString());
    if (!m.hasMatch())
        return std::nullopt;
    const bool hasMinutes = m.capturedLength(2) > 0;
    const bool hasHalf = m.capturedLength(4) > 0;
    if (!hasMinutes && !hasHalf)
        return std::nullopt;   // a bare number is no time
    int hour = m.captured(1).toInt();
    const int minute = hasMinutes ? m.captured(2).toInt() : 0;
    const int second = m.capturedLength(3) > 0 ? m.captured(3).toInt() : 0;
    if (minute > 59 || second > 59)
        return std::nullopt;
    if (hasHalf) {
        if (hour > 12)
            return std::nullopt;
        const bool pm = m.captured(4).toUpper() == u"P";
        hour = hour % 12 + (pm ? 12 : 0);
    } else if (hour > 23) {
        return std::nullopt;
    }
    return QTime(hour, minute, second);
}

QString TimeEntryText(QTime time) { return QLocale::c().toString(time, u"hh:mm:ss AP"); }

std::optional<QDate> ReadDateEntry(QStringView text)
{
    // Day, month and year may be parted by -, /, . or blanks (a comma too,
    // as in "August 15, 1980"): each run of them reads as one dash.
    static const QRegularExpression separators(QStringLiteral(R"([\s\-/.,]+)"));
    static const QStringList formats = {
        QStringLiteral("d-MMM-yyyy"), QStringLiteral("d-MMMM-yyyy"), QStringLiteral("d-M-yyyy"),
        QStringLiteral("MMM-d-yyyy"), QStringLiteral("MMMM-d-yyyy"), QStringLiteral("yyyy-M-d"),
    };
    QString parts = text.toString().trimmed();
    parts.replace(separators, QStringLiteral("-"));
    const QLocale c = QLocale::c();
    for (const QString& format : formats) {
        const QDate d = c.toDate(parts, format);
        if (d.isValid())
            return d;
    }
    return std::nullopt;
}

QString DateEntryText(QDate date) { return QLocale::c().toString(date, u"dd-MMM-yyyy"); }

QDate YoginiStart(QDate birth, QDate today)
{
    return today.daysTo(birth) > 1095 ? birth : today.addDays(-1095);
}

QString CheckedVarshphalFrom(const QString& text, int currentYear)
{
    // A number, as Val reads one: digits, or a point and digits, after blanks and a sign.
    static const QRegularExpression number(QStringLiteral(R"(^\s*[+-]?(\d|\.\d))"));
    return number.match(text).hasMatch() ? text : QString::number(currentYear);
}

QString CheckedVarshphalYears(const QString& text) { return Val(text) < 1 ? QStringLiteral("1") : text; }

bool VarshphalFromInRange(const QString& text)
{
    const long long year = RoundHalfEven(Val(text));
    return year >= FirstVarshphalYear && year <= LastVarshphalYear;
}

bool VarshphalYearsInRange(const QString& text)
{
    const long long years = RoundHalfEven(Val(text));
    return years >= 1 && years <= MostVarshphalYears;
}

int MostVarshphalYearsFrom(const QString& firstYear)
{
    if (!VarshphalFromInRange(firstYear))
        return MostVarshphalYears;
    const long long first = RoundHalfEven(Val(firstYear));
    return static_cast<int>(std::min<long long>(MostVarshphalYears, LastVarshphalYear - first + 1));
}

bool VarshphalYearsInRange(const QString& text, const QString& firstYear)
{
    const long long years = RoundHalfEven(Val(text));
    return years >= 1 && years <= MostVarshphalYearsFrom(firstYear);
}

std::string VarshphalYearsRuleFrom(const QString& firstYear)
{
    const int most = MostVarshphalYearsFrom(firstYear);
    if (most == MostVarshphalYears)
        return VarshphalYearsRule;
    return "The number of varshphal years from " + std::to_string(RoundHalfEven(Val(firstYear))) +
           " should be from 1 to " + std::to_string(most) + ": the last year is at most " +
           std::to_string(LastVarshphalYear) + ".";
}

} // namespace tarvik
