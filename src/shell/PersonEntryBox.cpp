#include "PersonEntryBox.h"

#include "EntryRules.h"
#include "NamedControl.h"
#include "QtTexts.h"
#include "core/Reporter.h"
#include "refdata/Databases.h"
#include "refdata/Places.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalBlocker>

namespace tarvik {

namespace {

QString Indexed(const char* name, int index) { return QString::fromLatin1(name) + QString::number(index); }

// Fills a drop-down list without running its change handlers on the way.
void FillList(QComboBox* list, const QStringList& items, int selected)
{
    const QSignalBlocker block(list);
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(selected);
}

QStringList Numbers(int last)
{
    QStringList items;
    for (int n = 0; n <= last; ++n)
        items << QString::number(n);
    return items;
}

} // namespace

std::vector<PickerRow> ZonePickerRows(const std::vector<ZoneEntry>& zones)
{
    std::vector<PickerRow> rows;
    rows.reserve(zones.size());
    for (const ZoneEntry& z : zones)
        rows.push_back({QString::fromStdString(z.description), z.countryId, QtTexts(z.otherNames), QtTexts(z.names)});
    return rows;
}

std::vector<PickerRow> PlacePickerRows(const std::vector<PlaceEntry>& places)
{
    std::vector<PickerRow> rows;
    rows.reserve(places.size());
    for (const PlaceEntry& p : places)
        rows.push_back({QString::fromStdString(p.name), p.placeId, QtTexts(p.otherNames), {}});
    return rows;
}

QString PlaceCoordinates(long long placeId)
{
    try {
        if (const std::optional<PlaceRow> place = FindPlace(placeId))
            return QString::fromStdString(place->latitude + " " + place->longitude);
    } catch (const DbError&) {
        // Only shown: a place that cannot be read shows nothing beside it.
    }
    return {};
}

PersonEntryBox::PersonEntryBox(int person, QWidget* parent)
    : QGroupBox(person == 0 ? QStringLiteral("Birth Details") : QStringLiteral("Girl's Birth Details"), parent),
      person_(person)
{
    setObjectName(person == 0 ? QStringLiteral("fraPerson") : QStringLiteral("frFemale"));
    BuildControls();
    LayOut();
    connect(cmbZones, &QComboBox::currentIndexChanged, this, &PersonEntryBox::ListPlaces);
    connect(cmbPlaces, &QComboBox::currentIndexChanged, this, &PersonEntryBox::ShowCoordinates);
    connect(cmdNewLatLong, &QPushButton::clicked, this, &PersonEntryBox::EditPlaces);
    // Places of one name are told apart by where they lie.
    cmbPlaces->SetDetail(PlaceCoordinates);
}

void PersonEntryBox::BuildControls()
{
    const int i = person_;
    const bool first = i == 0;
    txtName = Named(new QLineEdit, Indexed("txtName", i),
                    first ? QStringLiteral("Person's Name") : QStringLiteral("Famous Name of the girl"));
    cmbSex = Named(new QComboBox, Indexed("cmbSex", i), QStringLiteral("Select Male/Female"));
    txtDOB = Named(new DateBox, Indexed("txtDOB", i), QStringLiteral("Date of birth"));
    txtDOB->setDateRange(QDate(1800, 1, 1), QDate(2199, 12, 31));
    txtTOB = Named(new QLineEdit, Indexed("txtTOB", i), QStringLiteral("Enter Birth Time"));
    txtTOB->setMaxLength(11);
    cmbZones = Named(new PickerBox, Indexed("cmbZones", i), QStringLiteral("Select Country"));
    cmbPlaces = Named(new PickerBox, Indexed("cmbPlaces", i), QStringLiteral("Select Place of birth"));
    txtLatLong = Named(new QLineEdit, Indexed("txtLatLong", i),
                       first ? QStringLiteral("Latitude/Longitude") : QStringLiteral("Lat/Long"));
    // The coordinates are shown, not entered: Tab and Enter pass them by.
    txtLatLong->setReadOnly(true);
    txtLatLong->setFocusPolicy(Qt::ClickFocus);
    for (int k = 0; k < 3; ++k)
        cmbWTC[k] = Named(new QComboBox, Indexed("cmbWTC", 3 * i + k));
    cmbWTC[0]->setToolTip(QStringLiteral("Clocks ahead (+) or behind (-) standard time"));
    cmbWTC[1]->setToolTip(QStringLiteral("Hours"));
    cmbWTC[2]->setToolTip(QStringLiteral("Minutes"));
    cmdNewLatLong = Named(new QPushButton(QStringLiteral("*")), Indexed("cmdNewLatLong", i),
                          QStringLiteral("Click here to Add/Change Places"));
    cmdGhati = Named(new QPushButton(QStringLiteral("G")), first ? QStringLiteral("cmdGhati") : QStringLiteral("cmdGhati2"),
                     QStringLiteral("Click here for Ghati conversion"));
    QFont arial = cmdGhati->font();
    arial.setFamily(QStringLiteral("Arial"));
    cmdGhati->setFont(arial);
    for (QPushButton* b : {cmdNewLatLong, cmdGhati}) {
        b->setFixedWidth(b->sizeHint().height() + 4);
        b->setAutoDefault(false);
    }
}

void PersonEntryBox::LayOut()
{
    // The girl's column stands beside the native's and goes without captions.
    const bool captions = person_ == 0;
    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(captions ? 1 : 0, 1);
    const int c = captions ? 1 : 0;
    auto caption = [&](int r, const char* text, QWidget* buddy) {
        if (!captions)
            return;
        grid->addWidget(Caption(QString::fromUtf8(text), buddy), r, 0);
    };
    auto line = [&](int r, std::initializer_list<QWidget*> widgets, bool stretchFirst) {
        auto* row = new QHBoxLayout;
        for (QWidget* w : widgets)
            row->addWidget(w, stretchFirst && w == *widgets.begin() ? 1 : 0);
        if (!stretchFirst)
            row->addStretch(1);
        grid->addLayout(row, r, c);
    };

    caption(0, "Name", txtName);
    grid->addWidget(txtName, 0, c);
    caption(1, "Sex", cmbSex);
    line(1, {cmbSex}, false);
    caption(2, "Birth Date", txtDOB);
    line(2, {txtDOB}, false);
    caption(3, "Birth Time", txtTOB);
    line(3, {txtTOB, cmdGhati}, false);
    caption(4, "Time Zone", cmbZones);
    grid->addWidget(cmbZones, 4, c);
    caption(5, "Birth Place", cmbPlaces);
    line(5, {cmbPlaces, cmdNewLatLong}, true);
    grid->addWidget(txtLatLong, 6, c);
    caption(7, "War/Summer Time Correction", cmbWTC[0]);
    line(7, {cmbWTC[0], cmbWTC[1], cmbWTC[2]}, false);

    const QFontMetrics metrics = fontMetrics();
    cmbZones->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("British Indian Ocean Terr. [72E00]")) + 48);
    txtTOB->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("00:00:00 PM")) + 16);
    txtDOB->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("00-May-0000")) + 48);
    cmbSex->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("Female")) + 40);
    for (QComboBox* list : cmbWTC)
        list->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("00")) + 40);
}

PersonEntry PersonEntryBox::Entry() const
{
    PersonEntry e;
    e.name = txtName->text();
    e.zoneId = cmbZones->Key();
    e.placeId = cmbPlaces->Key();
    e.birthDate = txtDOB->date();
    e.birthTime = txtTOB->text();
    e.sexIndex = cmbSex->currentIndex();
    e.warSign = cmbWTC[0]->currentText();
    e.warHours = cmbWTC[1]->currentText();
    e.warMinutes = cmbWTC[2]->currentText();
    return e;
}

HoroscopePerson PersonEntryBox::FileEntry() const
{
    const PersonEntry entry = Entry();
    HoroscopePerson p{entry.name, entry.birthDate, entry.birthTime, entry.sexIndex, entry.zoneId, entry.placeId};
    // The correction as list positions, as the lists show it.
    p.warSign = cmbWTC[0]->currentIndex();
    p.warHours = cmbWTC[1]->currentIndex();
    p.warMinutes = cmbWTC[2]->currentIndex();
    return p;
}

void PersonEntryBox::Take(const HoroscopePerson& p)
{
    txtName->setText(p.name);
    txtDOB->setDate(p.birthDate);
    txtTOB->setText(p.birthTime);
    cmbSex->setCurrentIndex(p.sexIndex);
    cmbZones->setCurrentIndex(cmbZones->findData(QVariant::fromValue(p.zoneId)));
    cmbPlaces->setCurrentIndex(cmbPlaces->findData(QVariant::fromValue(p.placeId)));
    if (cmbPlaces->currentIndex() < 0)
        txtLatLong->clear();
    cmbWTC[0]->setCurrentIndex(p.warSign);
    cmbWTC[1]->setCurrentIndex(p.warHours);
    cmbWTC[2]->setCurrentIndex(p.warMinutes);
}

void PersonEntryBox::SetZones(const std::vector<PickerRow>& zones)
{
    const QSignalBlocker block(cmbZones);
    cmbZones->SetRows(zones);
}

void PersonEntryBox::FillSample(long long countryId, const QString& place, const QString& name, QDate date,
                                const QString& time)
{
    // A data database without the default country or place starts on its
    // first zone and that zone's first place.
    int row = countryId != 0 ? cmbZones->findData(QVariant::fromValue(countryId)) : -1;
    if (row < 0 && cmbZones->count() > 0)
        row = 0;
    {
        const QSignalBlocker block(cmbZones);
        cmbZones->setCurrentIndex(row);
    }
    ListPlaces();
    {
        const QSignalBlocker block(cmbPlaces);
        cmbPlaces->SelectText(place);
    }
    ShowCoordinates();
    FillLists();
    txtName->setText(name);
    txtDOB->setDate(date);
    txtTOB->setText(time);
}

void PersonEntryBox::FillLists()
{
    FillList(cmbSex, {QStringLiteral("Male"), QStringLiteral("Female")}, person_);
    FillList(cmbWTC[0], {QStringLiteral("+"), QStringLiteral("-")}, 0);
    FillList(cmbWTC[1], Numbers(23), 0);
    FillList(cmbWTC[2], Numbers(59), 0);
}

void PersonEntryBox::Clear(QDate today, const QString& now)
{
    txtName->clear();
    txtDOB->setDate(today);
    txtTOB->setText(now);
}

void PersonEntryBox::ListPlaces()
{
    const long long zone = cmbZones->Key();
    std::vector<PickerRow> rows;
    bool read = zone != 0;   // no zone chosen: nothing to list
    try {
        if (const std::optional<CountryRow> row = read ? ReadCountry(DatDatabase(), zone) : std::nullopt)
            if (const std::string damaged = DamagedCoordinates(*row); !damaged.empty())
                reporter().Message(damaged);
        if (read)
            rows = PlacePickerRows(PlaceList(DatDatabase(), zone));
    } catch (const DbError& e) {
        reporter().Message(e.what());
        if (zone == listedZone_)
            return;
        rows.clear();
        read = false;
    }
    listedZone_ = read ? zone : 0;
    const bool none = rows.empty();
    {
        const QSignalBlocker block(cmbPlaces);
        cmbPlaces->SetRows(std::move(rows));
        cmbPlaces->setCurrentIndex(none ? -1 : 0);
    }
    txtLatLong->clear();
    if (!read)
        return;
    if (none) {
        reporter().Message("Places not available in the database for the chosen time zone at the moment.\n"
                           " Kindly add a new place for this time zone manually.");
        return;
    }
    ShowCoordinates();
}

void PersonEntryBox::ShowCoordinates()
{
    const long long key = cmbPlaces->Key();
    if (key == 0)
        return;
    try {
        if (const std::optional<PlaceRow> place = FindPlace(key)) {
            txtLatLong->setText(QString::fromStdString(place->latitude + " " + place->longitude));
            if (const std::string damaged = DamagedCoordinates(*place); !damaged.empty())
                reporter().Message(damaged);
        }
    } catch (const DbError&) {
        // The coordinates are only shown; the output run reads the row again.
    }
}

void PersonEntryBox::SetPlacesEditor(std::function<void(long long countryId)> editor)
{
    placesEditor_ = std::move(editor);
}

void PersonEntryBox::SetPlacesButtonEnabled(bool enabled) { cmdNewLatLong->setEnabled(enabled && placesEditor_); }

void PersonEntryBox::EditPlaces()
{
    const long long zone = cmbZones->Key();
    if (zone == 0) {
        reporter().Message("Please select the Time Zone first: the new place is added to that zone.");
        return;
    }
    if (!placesEditor_)
        return;
    const long long chosen = cmbPlaces->Key();
    const QString chosenName = cmbPlaces->currentText();
    QSet<long long> before;
    for (int k = 0; k < cmbPlaces->count(); ++k)
        before.insert(cmbPlaces->itemData(k).toLongLong());
    placesEditor_(zone);
    ListPlaces();

    // The place the user chose stays chosen; a place just added is the one
    // the user wants (the newest when several were). A chosen place that was
    // deleted is said so, and the user picks another.
    int pick = -1;
    long long newest = 0;
    for (int k = 0; k < cmbPlaces->count(); ++k) {
        const long long id = cmbPlaces->itemData(k).toLongLong();
        if (!before.contains(id) && id > newest) {
            newest = id;
            pick = k;
        }
        if (newest == 0 && id == chosen)
            pick = k;
    }
    if (pick < 0 && chosen != 0) {
        {
            const QSignalBlocker block(cmbPlaces);
            cmbPlaces->setCurrentIndex(-1);
        }
        txtLatLong->clear();
        cmbPlaces->setFocus(Qt::OtherFocusReason);
        reporter().Message("The place " + chosenName.toStdString() +
                           " was deleted. Please choose the place of birth again.");
        return;
    }
    if (pick >= 0 && pick != cmbPlaces->currentIndex()) {
        const QSignalBlocker block(cmbPlaces);
        cmbPlaces->setCurrentIndex(pick);
        ShowCoordinates();
    }
}

void PersonEntryBox::SetEntriesEnabled(bool enabled)
{
    for (QWidget* w : std::initializer_list<QWidget*>{txtName, txtDOB, txtLatLong, txtTOB, cmbPlaces, cmbWTC[0],
                                                      cmbWTC[1], cmbWTC[2], cmbZones})
        w->setEnabled(enabled);
}

QList<QWidget*> PersonEntryBox::TabOrder() const
{
    return {txtName, cmbSex, txtDOB, txtTOB, cmbZones, cmbPlaces, txtLatLong, cmbWTC[0], cmbWTC[1], cmbWTC[2]};
}

QList<QWidget*> PersonEntryBox::EntryControls() const
{
    return {txtName, cmbSex, txtDOB, txtTOB, cmbZones, cmbPlaces, cmbWTC[0], cmbWTC[1], cmbWTC[2]};
}

} // namespace tarvik
