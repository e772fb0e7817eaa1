#include "TableRows.h"

#include "Frame.h"
#include "TextFit.h"
#include "calc/TextFormat.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tarvik {

namespace {

bool isDigits(std::string_view word)
{
    return !word.empty() && std::all_of(word.begin(), word.end(),
                                        [](char c) { return c >= '0' && c <= '9'; });
}

// Devanagari vowel signs and other marks that belong to the letter before them.
bool isCombiningMark(char32_t c)
{
    return (c >= 0x0900 && c <= 0x0903) || (c >= 0x093A && c <= 0x094F) ||
           (c >= 0x0951 && c <= 0x0957) || c == 0x0962 || c == 0x0963;
}

// The code point starting at text[i] and the length of its encoding.
char32_t decode(std::string_view text, std::size_t i, std::size_t& length)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    length = Utf8Length(lead);
    if (i + length > text.size()) {
        length = 1;
        return lead;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k)
        c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    return c;
}

// The first letter of a word with the vowel signs written on it.
std::string_view initialOf(std::string_view word)
{
    std::size_t length = 0;
    decode(word, 0, length);
    std::size_t end = length;
    while (end < word.size()) {
        const char32_t c = decode(word, end, length);
        if (!isCombiningMark(c))
            break;
        end += length;
    }
    return word.substr(0, end);
}

} // namespace

int TableLeft(const PageLayout& layout)
{
    return static_cast<int>(std::lround(layout.leftMargin * layout.scale));
}

void PrintCells(Surface& surface, std::span<const std::string> cells,
                std::span<const double> offsets, double y, const PageLayout& layout)
{
    const double scale = layout.scale;
    const int left = TableLeft(layout);
    for (std::size_t c = 0; c < cells.size() && c < offsets.size(); ++c)
        PrintAt(surface, static_cast<int>(left + offsets[c] * scale), static_cast<int>(y), cells[c]);
}

std::string InitialsOfLeadingWords(std::string_view text)
{
    std::vector<std::string_view> words;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t blank = std::min(text.find(' ', start), text.size());
        words.push_back(text.substr(start, blank - start));
        start = blank + 1;
    }
    std::string shortened;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0)
            shortened += ' ';
        const std::string_view word = words[i];
        if (i + 1 == words.size() || word.empty() || isDigits(word))
            shortened += word;
        else
            shortened.append(initialOf(word)).append(".");
    }
    return shortened;
}

namespace {

// The size of the current font at which text keeps clear of the next
// column, width twips (scaled) from its start.
double fittedSize(Surface& surface, std::string_view text, double width, const PageContext& page)
{
    // A column keeps more than the blank between the words of a name from
    // the next, so that "Uttara Phalguni" and "Hasta" read as two cells; the
    // more in Hindi, whose headline runs to the edges of its letters.
    const double blanks = page.choices.languageHindi ? HindiColumnGapBlanks : LatinColumnGapBlanks;
    const double gap = std::max(ColumnGap * page.layout.scale, blanks * surface.TextWidth(" "));
    const double room = width - gap;
    const double size = surface.Font.Size;
    const double wide = surface.TextWidth(text);
    if (wide <= room || room <= 0)
        return size;
    return ShrunkSize(size, room, wide);
}

} // namespace

void PrintInColumn(Surface& surface, int x, int y, std::string_view text, double width,
                   const PageContext& page)
{
    PrintInSize(surface, x, y, text, fittedSize(surface, text, width, page));
}

double ColumnSize(Surface& surface, std::span<const std::string> texts, double width,
                  const PageContext& page)
{
    double size = surface.Font.Size;
    for (const std::string& text : texts)
        size = std::min(size, fittedSize(surface, text, width, page));
    return size;
}

void PrintInSize(Surface& surface, int x, int y, std::string_view text, double size)
{
    const double kept = surface.Font.Size;
    surface.Font.Size = size;
    surface.CurrentX = x;
    surface.CurrentY = y;
    surface.Print(text);
    surface.Font.Size = kept;
    surface.CurrentY = y + surface.LineHeight();
}

void PrintCaptions(Surface& surface, std::span<const std::string> captions,
                   std::span<const double> offsets, double y, const PageLayout& layout)
{
    surface.Font.Bold = true;
    surface.Font.Underline = true;
    PrintCells(surface, captions, offsets, y, layout);
    surface.Font.Bold = false;
    surface.Font.Underline = false;
}

} // namespace tarvik
