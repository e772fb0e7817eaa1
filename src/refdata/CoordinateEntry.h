#pragma once

// Coordinates as the editors enter them: three boxes side by side, the whole
// degrees, the minutes and one direction letter, stored as the coordinate
// text of the place and zone tables (degrees, letter, minutes: 28N39).
//
// The stored minutes are a two-digit field, a single digit counting as tens
// (28N5 is 28 deg 50'). The editors therefore always write two minute digits:
// a 5 typed in the minutes box is 5 minutes and is stored as 28N05.

#include <string>
#include <string_view>

namespace tarvik {

enum class CoordinateKind {
    Latitude,       // 0 to 90 degrees, N or S
    Longitude,      // 0 to 180 degrees, E or W
    ZoneMeridian,   // a zone's standard meridian: 0 to 359 degrees, E or W (210E is 14 hours ahead)
};

struct CoordinateBoxes {
    std::string degrees;
    std::string minutes;
    std::string direction;

    bool operator==(const CoordinateBoxes&) const = default;
};

// The text of a box without blanks at either end.
std::string TrimmedEntry(std::string_view text);

// The letter a direction box holds after typing: upper case, and anything
// but the kind's two letters (an empty box too) becomes N for a latitude, E
// for a longitude or meridian.
std::string ForcedDirection(std::string_view typed, CoordinateKind kind);

// Empty boxes with the kind's default letter, as a new entry starts.
CoordinateBoxes EmptyBoxes(CoordinateKind kind);

// The boxes that show a stored text: degrees and minutes as whole numbers
// read by the stored format's own rules, the minutes with a "0" in front when
// they have one digit (28N5 shows 28, 50, N), and the letter as the direction
// box forces it.
CoordinateBoxes ShownBoxes(std::string_view stored, CoordinateKind kind);

// What the boxes give to store: whole degrees without leading zeros, the
// letter, two minute digits. Degrees must be digits within the kind's range
// (the last degree with 0 minutes only), minutes 0 to 59 (an empty box is 0),
// the letter one of the kind's two (letter case aside). problem says what is
// wrong, in a sentence for the user, and text is then empty.
struct CoordinateText {
    std::string text;
    std::string problem;
    bool Valid() const { return problem.empty(); }
};
CoordinateText StoredCoordinate(const CoordinateBoxes& boxes, CoordinateKind kind);

// Why a stored coordinate text is not one the editors could have stored, or
// empty when it is: whole degrees of up to three digits, one of the kind's
// two letters (letter case aside), up to two minute digits (one counting as
// tens), within the ranges StoredCoordinate keeps. Blanks, other characters,
// a Null field and numbers out of range are refused.
std::string StoredCoordinateProblem(std::string_view stored, CoordinateKind kind);

// Whether saving the boxes would change the stored text (exact text, so a
// stored 08N05 or 20n30 counts as changed). Boxes that cannot be stored
// differ from any stored text.
bool DiffersFromStored(const CoordinateBoxes& boxes, CoordinateKind kind, std::string_view stored);

} // namespace tarvik
