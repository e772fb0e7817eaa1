#include "Lookups.h"

#include "Databases.h"
#include "TextLookup.h"

#include <cmath>
#include <stdexcept>

namespace tarvik {

SubLordTable::SubLordTable(std::vector<SubLordSpan> subs, std::array<std::string, 27> starLords)
    : subs_(std::move(subs))
{
    if (subs_.size() != 9)
        throw std::invalid_argument("sublord has " + std::to_string(subs_.size()) +
                                    " rows instead of the nine lords");
    double total = 0;
    for (std::size_t i = 0; i < subs_.size(); ++i) {
        if (!(subs_[i].span > 0))
            throw std::invalid_argument("the sub of " + subs_[i].lord + " has no span");
        for (std::size_t j = 0; j < i; ++j)
            if (EqualsNoCase(subs_[i].lord, subs_[j].lord))
                throw std::invalid_argument("sublord names " + subs_[i].lord + " twice");
        total += subs_[i].span;
    }
    if (std::fabs(total - NakshatraArcSeconds) > 1e-6)
        throw std::invalid_argument("the sub spans add to " + std::to_string(total) +
                                    " arc-seconds instead of 48000");
    for (int n = 0; n < 27; ++n) {
        int row = -1;
        for (std::size_t i = 0; i < subs_.size(); ++i)
            if (EqualsNoCase(subs_[i].lord, starLords[n]))
                row = static_cast<int>(i);
        if (row < 0)
            throw std::invalid_argument("the lord \"" + starLords[n] + "\" of nakshatra " +
                                        std::to_string(n) + " has no sub");
        starRow_[n] = row;
    }
}

SubLordTable SubLordTable::Load(Database& reference)
{
    std::vector<SubLordSpan> subs;
    std::array<std::string, 27> stars;
    std::array<bool, 27> seen{};
    try {
        Recordset sub(reference, "select nakshlord,nlgvm from sublord");
        for (; !sub.Eof(); sub.MoveNext())
            subs.push_back({sub.Field("nakshlord").Text(), sub.Field("nlgvm").Real()});
        Recordset nak(reference, "select non,nameh from Nakshatr");
        for (; !nak.Eof(); nak.MoveNext()) {
            const long long n = nak.Field("non").Int();
            if (n < 0 || n > 26 || seen[n])
                throw std::invalid_argument("Nakshatr has a wrong or repeated row " +
                                            std::to_string(n));
            seen[n] = true;
            stars[n] = nak.Field("nameh").Text();
        }
        for (int n = 0; n < 27; ++n)
            if (!seen[n])
                throw std::invalid_argument("Nakshatr has no row for nakshatra " + std::to_string(n));
        return SubLordTable(std::move(subs), std::move(stars));
    } catch (const std::invalid_argument& e) {
        throw DbError(reference.Path(), "The sub-lord tables of \"" + reference.Path() +
                                            "\" cannot be used: " + e.what() + ".");
    }
}

const std::string& SubLordTable::SubLordOf(double arcSeconds) const
{
    if (subs_.empty())
        throw std::logic_error("no sub-lord table");
    // A longitude that is no number would pick a row at random.
    if (!std::isfinite(arcSeconds))
        throw std::domain_error("the sub lord of a longitude that is no number");
    constexpr double circle = 27 * NakshatraArcSeconds;
    double longitude = std::fmod(arcSeconds, circle);
    if (longitude < 0)
        longitude += circle;
    if (longitude >= circle)   // a tiny negative value rounds up to the full circle
        longitude = 0;
    // fmod is exact, so a longitude on a sub boundary stays on it.
    const double rest = std::fmod(longitude, NakshatraArcSeconds);
    const int n = static_cast<int>(std::lround((longitude - rest) / NakshatraArcSeconds)) % 27;

    std::size_t row = static_cast<std::size_t>(starRow_[n]);
    double sum = subs_[row].span;
    while (sum <= rest) {
        row = (row + 1) % subs_.size();
        sum += subs_[row].span;
    }
    return subs_[row].lord;
}

std::string GetSubLord(double arcSeconds) { return ReferenceSubLords().SubLordOf(arcSeconds); }

std::string TranslateWord(std::string_view word, bool hindi)
{
    if (!hindi)
        return std::string(word);
    // The Dictionary held in memory since the definitions database opened;
    // without it the English word stays on the page.
    if (TextSource* source = CurrentTextSource())
        if (std::optional<std::string> text = source->HindiWord(word))
            return *text;
    return std::string(word);
}

} // namespace tarvik
