#pragma once

// The places editor without its window: the places of ONE zone (a Countries
// row), walked in name order through the places cursor under its index
// "Place" (Country ID, PlaceName), so that a zone's places are contiguous.
// Moves and searches never leave the zone. A place is added, changed or
// deleted in the table at once; ids are the database's and never reused.

#include "CoordinateEntry.h"
#include "RowEditing.h"

#include <string>

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
    // A move that would leave the zone stays put.
    void Move(MoveTo where) override;

protected:
    bool ShowsStoredRow() const override;
    void ShowCurrent() override;
    void ClearBoxes() override { boxes = {}; }
    bool BoxesClear() const override { return boxes == PlaceBoxes{}; }
    void SeekFirstRow() override;
    std::vector<Value> SearchKey(const std::string& text) const override;
    std::string DeleteQuestion() const override;
    std::string Called() const override;

private:
    void SeekLastPlace();

    long long countryId_;
};

} // namespace tarvik
