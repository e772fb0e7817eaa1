#pragma once

// The countries and time-zones editor: adds, corrects, finds and deletes the
// rows of Countries, a zone's name and its standard meridian, walking them in
// name order. The main window's zone lists are not refreshed by it.

#include "RowEditorWindow.h"
#include "refdata/ZoneEditing.h"

#include <array>
#include <memory>

class QLabel;
class QLineEdit;

namespace tarvik {

class TimeZones : public RowEditorWindow {
    Q_OBJECT
public:
    explicit TimeZones(QWidget* owner);
    ~TimeZones() override;

    QLabel* Label1 = nullptr;   // "Zone/Country"
    QLineEdit* txtCity = nullptr;
    QLabel* Label2 = nullptr;   // "Longitude"
    std::array<QLineEdit*, 3> txtLongitude{};   // degrees, minutes, E or W

    void txtLongitude_Change(int index);
    void updateform() override;

    ZoneEditor& Editor() override { return *editor_; }

protected:
    void ReadBoxes() override;

private:
    std::unique_ptr<ZoneEditor> editor_;
};

// The menu "&Time Zones": shows the editor modally, owned by owner.
void EditZones(QWidget& owner);

} // namespace tarvik
