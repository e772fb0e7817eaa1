#pragma once

// The places editor: adds, corrects, finds and deletes the places of the
// zone (Countries row) the countries cursor stands on when it opens, writing
// to Places at once. Its caption is the zone's name.

#include "RowEditorWindow.h"
#include "refdata/PlaceEditing.h"

#include <array>
#include <memory>

class QLabel;
class QLineEdit;

namespace tarvik {

class frmPlaces : public RowEditorWindow {
    Q_OBJECT
public:
    // Throws a DbError when the countries cursor stands on no zone.
    explicit frmPlaces(QWidget* owner);
    ~frmPlaces() override;

    QLabel* Label1 = nullptr;   // "Place"
    QLineEdit* txtCity = nullptr;
    QLabel* Label2 = nullptr;   // "Latitude"
    std::array<QLineEdit*, 3> txtLatitude{};    // degrees, minutes, N or S
    QLabel* Label3 = nullptr;   // "Longitude"
    std::array<QLineEdit*, 3> txtLongitude{};   // degrees, minutes, E or W

    void txtLatitude_Change(int index);
    void txtLongitude_Change(int index);
    void updateform() override;

    PlaceEditor& Editor() override { return *editor_; }

protected:
    void ReadBoxes() override;
    QLineEdit* RefusedBox() const override;

private:
    std::unique_ptr<PlaceEditor> editor_;
};

// The "*" button of a person's place picker: stands the countries cursor on
// the zone and shows the places editor modally, owned by owner. A zone that
// is no longer stored is told, and no editor opens.
void EditPlacesOfZone(QWidget& owner, long long countryId);

} // namespace tarvik
