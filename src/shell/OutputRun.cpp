#include "OutputRun.h"

#include "EntryRules.h"

#include <QLocale>

namespace tarvik {

std::string AgeQuestion(int age)
{
    return "Age of the native looks like to be around " + std::to_string(age) + " years.\n"
           "Since predictions are general depending upon the planetary position, they might not suit this native.\n"
           "Continue?";
}

double YoginiDecimalYear(const QString& yoginiText, QDate birth)
{
    const std::optional<QDate> entered = ReadDateEntry(yoginiText);
    const QDate date = entered ? *entered : birth;
    return date.year() + date.month() / 12.0 + date.day() / 360.0;
}

QString HoroscopeCaption(const QString& name, QDate birth, const QString& time, const QString& place,
                         const QString& zone)
{
    const QString date = QString::number(birth.day()) + u'-' + QLocale().monthName(birth.month()) + u'-' +
                         QString::number(birth.year());
    return name + u' ' + date + u' ' + time + u' ' + place + u' ' + zone;
}

QString MatchCaption(const QString& boy, const QString& girl) { return boy + QStringLiteral(" vs ") + girl; }

} // namespace tarvik
