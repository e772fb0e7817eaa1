#pragma once

// The countries and time-zones editor without its window: the rows of
// Countries (a country or one zone of a country, with its standard
// meridian), walked in name order through the countries cursor under its
// index "Country". Moves run over the whole table and stop at its ends. A
// zone name is never stored twice (letter case aside). Deleting a zone
// deletes its places (and their other names) with it, in one transaction.

#include "CoordinateEntry.h"
#include "RowEditing.h"

#include <string>

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
    // Moves stop at the first and the last zone.
    void Move(MoveTo where) override;

protected:
    bool ShowsStoredRow() const override { return cursor_.HasCurrent(); }
    void ShowCurrent() override;
    void ClearBoxes() override { boxes = {}; }
    bool BoxesClear() const override { return boxes == ZoneBoxes{}; }
    void SeekFirstRow() override { cursor_.MoveFirst(); }
    std::vector<Value> SearchKey(const std::string& text) const override { return {Value(text)}; }
    // Names the zone shown with the count of its places ("Are you sure to
    // delete India [82E30] and its 3,576 places?"); an entry not stored yet
    // by its name alone.
    std::string DeleteQuestion() const override;
    std::string Called() const override;
    // "Cant save" while the name box is empty.
    bool MayAdd() override;
    // The zone and its places together, or, when any cannot go, neither
    // (the cursor stays on the zone).
    void DeleteShownRow() override;

private:
    bool NameTakenByAnother(const std::string& name) const;
};

inline constexpr const char* ZoneExists = "Time Zone already exists, so changes can't be saved!";

} // namespace tarvik
