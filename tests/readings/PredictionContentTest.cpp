#include "calc/NameTables.h"
#include "core/Reporter.h"
#include "readings/Aspects.h"
#include "readings/PredictionPages.h"
#include "ReadingPagesFixture.h"
#include "refdata/TextLookup.h"

#include <gtest/gtest.h>

#include <set>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

// A paragraph the printers can set as it stands: words between single
// blanks (two blanks would print an empty word, a line break a blank line).
void expectClean(const std::string& text, const std::string& what)
{
    EXPECT_FALSE(text.empty()) << what;
    EXPECT_EQ(text.find("  "), std::string::npos) << what;
    EXPECT_EQ(text.find_first_of("\r\n\t"), std::string::npos) << what;
    if (!text.empty()) {
        EXPECT_NE(text.front(), ' ') << what;
        EXPECT_NE(text.back(), ' ') << what;
    }
}

class PredictionContent : public DeliveredReadingPages {
protected:
    // Rows of a table matching the condition, and their text in each language.
    struct Rows {
        long long count = 0;
        std::string english, hindi;
    };
    Rows rows(const std::string& table, const std::string& where, std::initializer_list<Value> values)
    {
        const bool phal = table == "P_Phal";
        Rows r;
        Recordset rs(DataConnection(), "select * from " + table + " where " + where, values);
        for (; !rs.Eof(); rs.MoveNext()) {
            if (r.count++ == 0) {
                r.english = rs.Field(phal ? "Eng" : "English").Text();
                r.hindi = rs.Field(phal ? "Hin" : "Hindi").Text();
            }
        }
        return r;
    }
    void expectOne(const Rows& r, const std::string& what)
    {
        EXPECT_EQ(r.count, 1) << what;
        expectClean(r.english, what + " English");
        expectClean(r.hindi, what + " Hindi");
    }
    // The text of a key in both languages.
    void expectKeyed(std::string_view key, bool dictionary)
    {
        for (bool hindi : {false, true}) {
            const std::string text = dictionary ? Texts(hindi).Dict(key) : Texts(hindi).Prediction(key);
            expectClean(text, std::string(key) + (hindi ? " Hindi" : " English"));
        }
    }
};

// One row, in English and Hindi, for every body in every sign, every sign in
// every house and every topic part in every sign that the pages ask for.
TEST_F(PredictionContent, EveryParagraphThePagesCanAskFor)
{
    std::set<int> bodies;
    for (int part = 1; part <= 3; ++part)
        for (bool hindi : {false, true})
            for (int body : PlanetPageBodies(part, hindi))
                bodies.insert(body);
    EXPECT_EQ(bodies, (std::set<int>{Sun, Mercury, Venus, Mars, Jupiter, Saturn, Moon, Rahu}));
    for (int sign = 1; sign <= 12; ++sign) {
        const std::string s = " in sign " + std::to_string(sign);
        for (int body : bodies)
            expectOne(rows("P_Planet", "planet = ? and rashi = ?", {body, sign}),
                      "body " + std::to_string(body) + s);
        for (int house = 1; house <= 12; ++house)
            expectOne(rows("P_Rashi", "rashi = ? and house = ?", {sign, house}),
                      "house " + std::to_string(house) + s);
        for (int part = 1; part <= 3; ++part) {
            for (const PredictionTopic& t : TopicsOfPart(part)) {
                const std::string what = std::string(t.headingKey) + s;
                if (t.parts == 1) {
                    expectOne(rows("P_Phal", "rasi = ? and plnt = ?", {sign, t.body}), what);
                    continue;
                }
                EXPECT_EQ(rows("P_Phal", "rasi = ? and plnt = ?", {sign, t.body}).count, t.parts) << what;
                for (int div = 1; div <= t.parts; ++div)
                    expectOne(rows("P_Phal", "rasi = ? and plnt = ? and div = ?", {sign, t.body, div}),
                              what + " part " + std::to_string(div));
            }
        }
    }
}

// Every aspect the pairs can form has its interpretation, and every word of
// the pages' headings its display text.
TEST_F(PredictionContent, EveryKeyThePagesCanBuild)
{
    int keys = 0;
    for (const AspectPair& pair : AspectPairs()) {
        for (AspectNature n : {Conjunction, Harmonious, Tense}) {
            if (pair.conjunctionOnly && n != Conjunction)
                continue;
            expectKeyed(AspectTextKey(pair, n), false);
            ++keys;
        }
        for (const AspectBody& b : {pair.first, pair.second})
            expectKeyed(BodyKeys[BodyDisplayOrder[b.position]], true);
    }
    EXPECT_EQ(keys, 43 * 3 + 2);
    for (int i = 1; i < static_cast<int>(AspectKinds.size()); ++i)
        expectKeyed(AspectKinds[i].nameKey, true);
    for (int part = 1; part <= 3; ++part) {
        for (const PredictionTopic& t : TopicsOfPart(part))
            expectKeyed(t.headingKey, true);
        for (int body : PlanetPageBodies(part, false))
            expectKeyed(BodyKeys[body], true);
    }
    for (int sign = 1; sign <= 12; ++sign)
        expectKeyed(SignKeys[sign], true);
    expectKeyed("General Predictions", true);
    expectKeyed("Aspect Predictions", true);
    EXPECT_TRUE(collector.messages.empty()) << collector.messages.front();
}

} // namespace
