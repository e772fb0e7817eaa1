#pragma once

// The places editor without its window: the places of ONE zone (a Countries
// row), walked in name order through the places cursor under its index
// "Place" (Country ID, PlaceName), so that a zone's places are contiguous.
// Moves and searches never leave the zone. A place is added, changed or
// deleted in the table at once; ids are the database's and never reused.

#include "CoordinateEntry.h"
#include "RowEditing.h"

#include <string>
#include <string_view>

namespace tarvik {

struct PlaceBoxes {
    std::string city;
    CoordinateBoxes latitude = EmptyBoxes(CoordinateKind::Latitude);
    CoordinateBoxes longitude = EmptyBoxes(CoordinateKind::Longitude);

    bool operator==(const PlaceBoxes&) const = default;
};

class PlaceEditor : public RowEditor {
public:
    // Opens on the zone's first place, or adding (empty boxes, N and E) when
    // the zone has none.
    PlaceEditor(TableCursor& places, long long countryId);

    // The window's boxes: it puts what the user typed here before every
    // action and shows them again afterwards.
    PlaceBoxes boxes;

    long long CountryId() const { return countryId_; }

    bool IsChanged() override;
    // "City not entered" for an empty name; a latitude or longitude out of
    // range is told and refused.
    bool SaveRecord() override;

    // Empty boxes for a new place, after the question; false when abandoned.
    bool Add() override;
    // After "Are you sure to delete information about <name>?": deletes the
    // place shown and shows the zone's first place (or starts adding when
    // none is left). A new entry not stored yet is dropped instead, and the
    // stored place it replaced is shown again.
    void Delete() override;
    // The zone's first place whose name sorts at or after the search text
    // (letter case aside), after the question; "Search failed!" stays put.
    void Find(std::string_view search) override;
    // After the question; a move that would leave the zone stays put.
    void Move(MoveTo where) override;

private:
    bool OnZonePlace() const;
    void ShowCurrent();
    void ShowFirstPlace();
    void SeekFirstPlace();
    void SeekLastPlace();

    TableCursor& places_;
    long long countryId_;
};

} // namespace tarvik
