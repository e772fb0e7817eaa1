#include "Relationships.h"

#include <stdexcept>
#include <string>

namespace tarvik {

char TemporaryRelation(int signI, int signJ)
{
    int place = signI + 1 - signJ;   // place of planet i counted from planet j's sign
    if (place < 1)
        place += 12;
    switch (place) {
    case 2: case 3: case 4: case 10: case 11: case 12:
        return Friend;
    default:
        return Enemy;
    }
}

char CompoundRelation(char natural, char temporary)
{
    const bool friendly = temporary == Friend;
    switch (natural) {
    case Friend: return friendly ? GreatFriend : Neutral;
    case Neutral: return friendly ? Friend : Enemy;
    case Enemy: return friendly ? Neutral : GreatEnemy;
    }
    throw std::invalid_argument(std::string("no natural relationship code '") + natural + "'");
}

void CalcRelationships(ChartState& chart)
{
    auto& table = chart.FriendshipTable;
    // The Rasi sign of planet p is varga 1 of traditional position p + 1.
    auto rasi = [&chart](int p) { return chart.ShodashVargaSigns[1][p + 1]; };

    for (int i = 1; i <= 9; ++i) {
        table[i][1][NaturalRows] = std::string(NaturalRelationRows[i]);
        for (int j = 1; j <= 9; ++j) {
            if (i == j)
                continue;
            const char natural = NaturalRelationRows[i][j - 1];
            const char temporary = TemporaryRelation(rasi(i), rasi(j));
            table[i][j][Natural] = std::string(1, natural);
            table[i][j][Temporary] = std::string(1, temporary);
            table[i][j][Compound] = std::string(1, CompoundRelation(natural, temporary));
        }
    }
}

} // namespace tarvik
