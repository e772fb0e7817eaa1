#include "TextFit.h"

#include "TableRows.h"
#include "calc/TextFormat.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tarvik {

namespace {

// No typed text is set smaller than this, points.
constexpr double SmallestSize = 7;
constexpr double FloorShare = 0.7;
constexpr std::string_view Ellipsis = "\xE2\x80\xA6";   // U+2026

std::vector<std::string_view> wordsOf(std::string_view text)
{
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ')
            ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ')
            ++i;
        if (i > start)
            words.push_back(text.substr(start, i - start));
    }
    return words;
}

std::string joined(const std::vector<std::string_view>& words, std::size_t from, std::size_t to)
{
    std::string s;
    for (std::size_t i = from; i < to; ++i)
        s.append(i > from ? " " : "").append(words[i]);
    return s;
}

// The first text attempt sets at the sizes from size down to floor.
template <class Try>
std::optional<FittedText> bySize(Surface& surface, double size, double floor, Try&& attempt)
{
    std::optional<FittedText> fitted;
    FirstFittingSize(size, floor, [&](double s) {
        surface.Font.Size = s;
        fitted = attempt(s);
        return fitted.has_value();
    });
    return fitted;
}

// The text on one line, or on two broken between words where both lines are
// no wider than width, the longer of them as short as the breaks allow.
std::optional<FittedText> fitWords(Surface& surface, const std::string& text, double width, double size,
                                   double floor, double height)
{
    if (auto one = bySize(surface, size, floor, [&](double s) -> std::optional<FittedText> {
            if (surface.TextWidth(text) > width)
                return std::nullopt;
            return FittedText{{text}, s, surface.LineHeight(), true};
        }))
        return one;
    const std::vector<std::string_view> words = wordsOf(text);
    if (words.size() < 2)
        return std::nullopt;
    return bySize(surface, size, floor, [&](double s) -> std::optional<FittedText> {
        const double lineHeight = surface.LineHeight();
        if (2 * lineHeight > height)
            return std::nullopt;
        std::optional<FittedText> best;
        double bestWidth = 0;
        for (std::size_t cut = 1; cut < words.size(); ++cut) {
            std::string first = joined(words, 0, cut), second = joined(words, cut, words.size());
            const double wider = std::max(surface.TextWidth(first), surface.TextWidth(second));
            if (wider <= width && (!best || wider < bestWidth)) {
                best = FittedText{{std::move(first), std::move(second)}, s, lineHeight, true};
                bestWidth = wider;
            }
        }
        return best;
    });
}

// The length of the code point that starts at text[i].
std::size_t codePointLength(std::string_view text, std::size_t i)
{
    return std::min(Utf8Length(static_cast<unsigned char>(text[i])), text.size() - i);
}

} // namespace

double ShrunkSize(double size, double room, double wide)
{
    return std::max(std::floor(size * room / wide / SizeStep) * SizeStep, FloorShare * size);
}

double TypedTextFloor(double size)
{
    return std::min(size, std::max(SmallestSize, std::ceil(FloorShare * size / SizeStep) * SizeStep));
}

FittedText FitTypedText(Surface& surface, std::string_view text, double width, double size, double floor,
                        double height)
{
    const double kept = surface.Font.Size;
    FittedText fitted;
    const std::vector<std::string_view> words = wordsOf(text);
    const std::string whole = joined(words, 0, words.size());
    if (whole.empty()) {
        surface.Font.Size = kept;
        return {{}, size, 0, true};
    }
    if (auto f = fitWords(surface, whole, width, size, floor, height)) {
        fitted = *f;
    } else if (auto initials = fitWords(surface, InitialsOfLeadingWords(whole), width, size, floor, height)) {
        fitted = *initials;
        fitted.whole = false;
    } else {
        // Cut at the floor: as many code points as fit before the ellipsis.
        surface.Font.Size = floor;
        std::vector<std::size_t> starts;
        for (std::size_t i = 0; i < whole.size(); i += codePointLength(whole, i))
            starts.push_back(i);
        std::string line(Ellipsis);
        for (std::size_t n = starts.size(); n > 0; --n) {
            const std::string candidate = whole.substr(0, starts[n - 1]) + std::string(Ellipsis);
            if (surface.TextWidth(candidate) <= width) {
                line = candidate;
                break;
            }
        }
        fitted = {{line}, floor, surface.LineHeight(), false};
    }
    surface.Font.Size = kept;
    return fitted;
}

void PrintFittedText(Surface& surface, const FittedText& text, double x, double y, TextAlign align)
{
    const double kept = surface.Font.Size;
    surface.Font.Size = text.size;
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        const double width = surface.TextWidth(text.lines[i]);
        // A centred line starts on a whole twip.
        surface.CurrentX = align == TextAlign::Centre ? std::round(x - width / 2) : x;
        surface.CurrentY = y + static_cast<double>(i) * text.lineHeight;
        surface.Print(text.lines[i]);
    }
    surface.Font.Size = kept;
}

} // namespace tarvik
