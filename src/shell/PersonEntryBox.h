#pragma once

// One person's birth entries: name, sex, date and time of birth, the zone
// and place pickers with the coordinates they give, and the war-time
// correction. The main window holds two, the native's (or the boy's) with
// the row captions and the girl's beside it without them. The controls
// carry the names of the person's index ("txtName0", "cmbZones1"; the
// ghati buttons "cmdGhati" and "cmdGhati2").

#include "BirthEntry.h"
#include "DateBox.h"
#include "HoroscopeFile.h"
#include "PickerBox.h"

#include <QGroupBox>
#include <QList>

#include <array>
#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tarvik {

struct PlaceEntry;
struct ZoneEntry;

// The rows of the zone and place pickers.
std::vector<PickerRow> ZonePickerRows(const std::vector<ZoneEntry>& zones);
std::vector<PickerRow> PlacePickerRows(const std::vector<PlaceEntry>& places);
// A place's latitude and longitude as stored ("28N39 77E13"), empty when
// it cannot be read.
QString PlaceCoordinates(long long placeId);

class PersonEntryBox : public QGroupBox {
    Q_OBJECT
public:
    explicit PersonEntryBox(int person, QWidget* parent = nullptr);

    int Person() const { return person_; }

    // The entries as the output run reads them, and as a horoscope file
    // keeps them (the war-time correction as list positions).
    PersonEntry Entry() const;
    HoroscopePerson FileEntry() const;
    // A file's entries on screen: a new zone lists its places before the
    // place is picked; no place leaves no coordinates of another.
    void Take(const HoroscopePerson& person);

    // The zones the pickers offer, and the lists of fixed choices.
    void SetZones(const std::vector<PickerRow>& zones);
    // The entries the window opens with: the zone of countryId (the first
    // zone when that one is absent), the named place (else the zone's
    // first), the date, the time and the name; no correction.
    void FillSample(long long countryId, const QString& place, const QString& name, QDate date, const QString& time);
    // "New": no name, today's date and the time now.
    void Clear(QDate today, const QString& now);

    // The zone picked lists its places: read before the list changes, so
    // that a zone whose places cannot be read keeps a list already read for
    // it, with its chosen place. The first place stands chosen.
    void ListPlaces();
    // The picked place's latitude and longitude in the box below it.
    void ShowCoordinates();
    // The "*" button: the places editor on the zone picked; afterwards the
    // place just added, else the one chosen before, stands chosen.
    void EditPlaces();
    void SetPlacesEditor(std::function<void(long long countryId)> editor);
    void SetPlacesButtonEnabled(bool enabled);

    // The girl's entries wait for Match-Making; her sex is always "Female".
    void SetEntriesEnabled(bool enabled);

    // The controls in the order Tab goes through them, and those whose
    // leaving the window watches.
    QList<QWidget*> TabOrder() const;
    QList<QWidget*> EntryControls() const;

    QLineEdit* txtName = nullptr;
    QComboBox* cmbSex = nullptr;
    DateBox* txtDOB = nullptr;
    QLineEdit* txtTOB = nullptr;
    PickerBox* cmbZones = nullptr;
    PickerBox* cmbPlaces = nullptr;
    QLineEdit* txtLatLong = nullptr;
    std::array<QComboBox*, 3> cmbWTC{};   // sign, hours, minutes
    QPushButton* cmdNewLatLong = nullptr;
    QPushButton* cmdGhati = nullptr;

private:
    void BuildControls();
    void LayOut();
    void FillLists();

    int person_;
    long long listedZone_ = 0;   // the zone whose places the place list holds
    std::function<void(long long)> placesEditor_;
};

} // namespace tarvik
