#include "TextLookup.h"

#include "core/Reporter.h"

#include <cctype>

namespace tarvik {

namespace {
TextSource* source = nullptr;
}

void SetTextSource(TextSource* s) { source = s; }

TextSource* CurrentTextSource() { return source; }

std::size_t KeyWidth(TextTable table)
{
    switch (table) {
    case TextTable::Dictionary:
    case TextTable::Match:
        return 25;
    case TextTable::Predictions:
    case TextTable::Varshphal:
        return 10;
    }
    return 25;
}

std::string PadKey(std::string_view key, std::size_t width)
{
    std::string padded(key);
    for (char& c : padded)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (padded.size() < width)
        padded.append(width - padded.size(), ' ');
    return padded;
}

std::string LookupText(TextTable table, std::string_view key, bool hindi, bool quiet)
{
    const std::string padded = PadKey(key, KeyWidth(table));
    if (source) {
        if (auto text = source->Find(table, padded, hindi))
            return *text;
    }
    if (!quiet)
        reporter().Message("Not Found:" + padded);
    return {};
}

std::string Texts::Dict(std::string_view key, bool quiet) const
{
    if (key.empty())
        return {};
    return LookupText(TextTable::Dictionary, key, hindi_, quiet);
}

std::string Texts::Match(std::string_view key, bool quiet) const
{
    return LookupText(TextTable::Match, key, hindi_, quiet);
}

std::string Texts::Prediction(std::string_view key, bool quiet) const
{
    return LookupText(TextTable::Predictions, key, hindi_, quiet);
}

std::string Texts::Varshphal(std::string_view key, bool quiet) const
{
    return LookupText(TextTable::Varshphal, key, hindi_, quiet);
}

} // namespace tarvik
