#include "DatabaseTextSource.h"

namespace tarvik {

std::optional<std::string> DatabaseTextSource::Find(TextTable table, const std::string& paddedKey,
                                                    bool hindi)
{
    TableCursor* cursor = nullptr;
    const char* index = "ID";
    const char* english = "ENG";
    const char* hindiField = "HIN";
    switch (table) {
    case TextTable::Dictionary:
        cursor = &dictionary_;
        break;
    case TextTable::Match:
        cursor = &match_;
        break;
    case TextTable::Predictions:
        cursor = &predictions_;
        index = "CODE";
        english = "English";
        hindiField = "Hindi";
        break;
    case TextTable::Varshphal:
        cursor = &varshphal_;
        index = "PrimaryKey";
        english = "English";
        hindiField = "Hindi";
        break;
    }
    // Setting the index again costs nothing and keeps the lookup right even
    // after someone else chose another index on the shared cursor.
    cursor->SetIndex(index);
    cursor->Seek("=", {Value(paddedKey)});
    if (cursor->NoMatch())
        return std::nullopt;
    return cursor->Field(hindi ? hindiField : english).Text();
}

} // namespace tarvik
