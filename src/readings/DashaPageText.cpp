#include "DashaPageText.h"

#include "calc/TextFormat.h"

namespace tarvik {

std::string BirthDateText(double day, double month, double year, const RunChoices& choices)
{
    const std::string& dash = choices.dash;
    return ZeroPad(day, 2) + dash + ZeroPad(month, 2) + dash + ZeroPad(year, 4);
}

void PrintRightAligned(Surface& surface, double right, double y, std::string_view text)
{
    surface.CurrentX = right - surface.TextWidth(text);
    surface.CurrentY = y;
    surface.Print(text);
}

std::string LeadingCharacters(std::string_view text, int n)
{
    std::size_t end = 0;
    for (int count = 0; end < text.size(); ++end) {
        // A code point begins at every byte that is not a continuation byte.
        if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && count++ == n)
            break;
    }
    return std::string(text.substr(0, end));
}

std::string ShortName(std::string_view text, int n, const RunChoices& choices)
{
    return choices.languageHindi ? std::string(text) : LeadingCharacters(text, n);
}

} // namespace tarvik
