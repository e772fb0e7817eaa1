#pragma once

// What every page shares: the frame round its body (border, name header,
// owner footer, sheet number), section headings, a text at a point, and the
// wrap of a house or sign number into its range.

#include "PageContext.h"
#include "Surface.h"
#include "calc/Angles.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace tarvik {

// Draws the border, the header with the native's name (the boy's and the
// girl's in a match), the owner's three lines at the footer and, in a print
// run, "(Page:N)" with the sheet's number under them; then sets the body
// font and moves to the top margin where the body begins.
void PrintPageFrame(Surface& surface, const PageContext& page);

// Whom the pages are of, as their header names them: the native, in a match
// "boy / girl". A print job's title begins with it.
std::string PagesOwner(const BirthState& births, bool matchRun);

// The lowest y a text of the page's body may reach with its foot: above the
// owner's lines at the footer and, where the border is printed, inside its
// inner rule.
double PageBodyBottom(const PageLayout& layout);

// Where the last line of a page's body ends, at the lowest: above the
// owner's lines and the border's inner rule, where a border is printed and,
// that a page is laid out alike with or without one, where it is not.
double PageFootLine(const PageLayout& layout);

// The rightmost x a text of the page's body may reach: clear of the
// border's inner rule, where a border is printed and, that a page is laid out
// alike with or without one, where it is not.
double PageBodyRight(const PageLayout& layout);

// How a match page names a person over a chart or a column: the name as
// typed, or "Boy" or "Girl" where none was typed.
std::string MatchPersonLabel(const std::string& typedName, bool girl, const Texts& texts);

// Prints a centred, bold, underlined heading one point larger than the
// current font with its top at y, and advances y by 1.25 line steps.
void PrintHeading(std::string_view title, Surface& surface, int& y, const PageLayout& layout);

// Prints text with its top-left corner at (x, y), already scaled.
void PrintAt(Surface& surface, int x, int y, std::string_view text);

// Sets the body font of the page: its face, at its size times the scale.
void SetBodyFont(Surface& surface, const PageLayout& layout);

// The texts of keys joined by blanks: "Nirayana Bhav Spasht".
std::string JoinedTexts(const Texts& texts, std::initializer_list<std::string_view> keys);

// The border of the settings' border file: the program's own drawing when
// the file is the default "swastik.wmf", otherwise the file itself.
Picture BorderPicture(const std::string& borderFile);

// Paints the border picture into the border's rectangle of the sheet, 500
// twips in from its top-left corner, filling it as the default border fills
// it whatever the picture's own size. False (nothing painted) when the
// picture cannot be read.
bool PaintBorder(Surface& surface, const Picture& border, double scale);

} // namespace tarvik
