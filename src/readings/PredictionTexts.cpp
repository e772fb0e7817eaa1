#include "PredictionTexts.h"

#include "refdata/Databases.h"

namespace tarvik {

namespace {

// The first row's text in the run's language; a query that found nothing is
// reported with the table and the values asked for.
std::string firstText(Database& db, const Recordset& rs, const std::string& asked,
                      const char* english, const char* hindi, bool inHindi)
{
    if (rs.Eof())
        throw DbError(db.Path(), "No prediction text for " + asked);
    return rs.Field(inHindi ? hindi : english).Text();
}

// "planet=2", as a message names a condition.
std::string condition(const char* column, int value)
{
    return std::string(column) + "=" + std::to_string(value);
}

} // namespace

// The values are bound to the queries, never written into their text.

std::string GetPlanetInSignText(int rashi, int planet, bool hindi)
{
    Database& db = DataConnection();
    const Recordset rs(db, "Select * from P_Planet where planet=? and rashi=?", {planet, rashi});
    return firstText(db, rs, "P_Planet " + condition("planet", planet) + " " + condition("rashi", rashi),
                     "English", "Hindi", hindi);
}

std::string GetSignInHouseText(int house, int rashi, bool hindi)
{
    Database& db = DataConnection();
    const Recordset rs(db, "Select * from P_Rashi where rashi=? and house=?", {rashi, house});
    return firstText(db, rs, "P_Rashi " + condition("rashi", rashi) + " " + condition("house", house),
                     "English", "Hindi", hindi);
}

std::string GetPhalText(int plnt, int rasi, int div, bool hindi)
{
    Database& db = DataConnection();
    const std::string asked = "P_Phal " + condition("rasi", rasi) + " " + condition("plnt", plnt);
    // A topic of one text is asked for without a part.
    if (div == 0) {
        const Recordset rs(db, "Select * from P_Phal where rasi=? and plnt=?", {rasi, plnt});
        return firstText(db, rs, asked, "Eng", "Hin", hindi);
    }
    const Recordset rs(db, "Select * from P_Phal where rasi=? and plnt=? and div=?",
                       {rasi, plnt, div});
    return firstText(db, rs, asked + " " + condition("div", div), "Eng", "Hin", hindi);
}

} // namespace tarvik
