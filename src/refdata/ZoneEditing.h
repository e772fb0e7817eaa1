#pragma once

// The countries and time-zones editor without its window: the rows of
// Countries (a country or one zone of a country, with its standard
// meridian), walked in name order through the countries cursor under its
// index "Country". Moves run over the whole table and stop at its ends. A
// zone name is never stored twice (letter case aside). Deleting a zone
// leaves its places in Places, where no zone list reaches them.

#include "CoordinateEntry.h"
#include "RowEditing.h"

#include <string>
#include <string_view>

namespace tarvik {

struct ZoneBoxes {
    std::string name;
    CoordinateBoxes meridian = EmptyBoxes(CoordinateKind::ZoneMeridian);

    bool operator==(const ZoneBoxes&) const = default;
};

class ZoneEditor : public RowEditor {
public:
    // Opens on the first zone in name order, or adding when there is none.
    explicit ZoneEditor(TableCursor& countries);

    // The window's boxes, as with the places editor.
    ZoneBoxes boxes;

    // A new entry whose name is stored already shows that zone with "Time
    // Zone already exists, so changes can't be saved!" and counts as not
    // changed, so that the action goes on without saving.
    bool IsChanged() override;
    // Refuses an empty name, a meridian out of range, and a name that
    // another zone has.
    bool SaveRecord() override;

    // "Cant save" while the name box is empty; else empty boxes for a new
    // zone after the question. False when refused or abandoned.
    bool Add() override;
    // After "Are you sure to delete?": deletes the zone shown and shows the
    // first zone. A new entry not stored yet is dropped instead, and the zone
    // it replaced is shown again.
    void Delete() override;
    // The first zone whose name sorts at or after the search text.
    void Find(std::string_view search) override;
    void Move(MoveTo where) override;

private:
    void ShowCurrent();
    void ShowFirstZone();
    bool NameTakenByAnother(const std::string& name) const;

    TableCursor& countries_;
};

inline constexpr const char* ZoneExists = "Time Zone already exists, so changes can't be saved!";

} // namespace tarvik
