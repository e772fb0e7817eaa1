#pragma once

// The texts and values an output run takes from the entries, free of widgets.

#include <QDate>
#include <QString>

#include <string>

namespace tarvik {

// The question before a person younger than 18 calendar years is prepared:
// the age is the plain difference of the years.
std::string AgeQuestion(int age);

// Whether the run asks the question for a birth on that date: a birth still
// to come is no person to warn about.
inline bool AgeQuestionDue(QDate birth, QDate today)
{
    return birth <= today && today.year() - birth.year() < 18;
}

// The first date of the Yogini pratyantar table as the program's decimal
// year (twelve months of 30 days): the date in the Yogini box, or the birth
// date when the box holds no date.
double YoginiDecimalYear(const QString& yoginiText, QDate birth);

// The preview's caption of a horoscope run: name, birth date with the
// month's full name, time as typed, place and zone, blank-separated
// ("Asha 5-March-1970 10:30:00 AM Delhi India [82E30]").
QString HoroscopeCaption(const QString& name, QDate birth, const QString& time, const QString& place,
                         const QString& zone);
// The preview's caption of a match: "boy vs girl".
QString MatchCaption(const QString& boy, const QString& girl);

} // namespace tarvik
