#pragma once

#include "core/ChartState.h"

#include <array>
#include <string_view>

namespace tarvik {

// The nine planets of the friendship table, 1..9: Sun, Moon, Mars, Mercury,
// Jupiter, Venus, Saturn, Rahu, Ketu (planet p is traditional position p + 1).
// Layers of FriendshipTable[i][j][layer]: 1 natural, 2 temporary, 3 compound;
// layer 0 holds the natural row string of planet i in cell [i][1][0].
enum FriendshipLayer : int { NaturalRows = 0, Natural = 1, Temporary = 2, Compound = 3 };

// Relationship codes as stored in the table.
inline constexpr char Enemy = '0';
inline constexpr char Neutral = '1';
inline constexpr char Friend = '2';
inline constexpr char GreatFriend = '3';
inline constexpr char GreatEnemy = '4';

// Natural relationships: character j of row i is planet i's view of planet j
// (the blank stands on the diagonal).
inline constexpr std::array<std::string_view, 10> NaturalRelationRows = {
    "",
    " 22120000",   // Sun
    "2 1211100",   // Moon
    "22 021102",   // Mars
    "201 12111",   // Mercury
    "2220 0111",   // Jupiter
    "00121 222",   // Venus
    "000212 20",   // Saturn
    "0001122 0",   // Rahu
    "00211200 ",   // Ketu
};

// Temporary relation of a planet in signI to a planet in signJ (signs 1..12):
// friends in the 2nd, 3rd, 4th, 10th, 11th and 12th places from one another,
// enemies in the same sign and in the 5th to 9th.
char TemporaryRelation(int signI, int signJ);

// The compound (five-fold) relation from the natural code and the temporary one.
char CompoundRelation(char natural, char temporary);

// Natural, temporary and compound relationships of the nine planets
// (FriendshipTable) from the Rasi signs of ShodashVargaSigns, of a chart
// into it.
void CalcRelationships(ChartState& chart);

} // namespace tarvik
