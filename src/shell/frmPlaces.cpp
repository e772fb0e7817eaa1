#include "frmPlaces.h"

#include "ModalDialogs.h"
#include "core/Reporter.h"
#include "refdata/Databases.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace tarvik {

frmPlaces::frmPlaces(QWidget* owner) : RowEditorWindow(owner)
{
    setObjectName(QStringLiteral("frmPlaces"));
    setWindowTitle(QStringLiteral("Latitudes/Longitudes"));

    TableCursor& countries = CountriesTable();
    const long long countryId = countries.Field("Country ID").Int();
    setWindowTitle(QString::fromStdString(countries.Field("Country").Text()));

    txtCity = NameBox(QStringLiteral("Name of the place"));
    Label1 = new QLabel(QStringLiteral("Place"));
    Label2 = new QLabel(QStringLiteral("Latitude"));
    Label3 = new QLabel(QStringLiteral("Longitude"));
    Label1->setBuddy(txtCity);

    auto* fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(txtCity, 0, 1);
    fields->addWidget(Label2, 1, 0);
    fields->addLayout(CoordinateRow(txtLatitude, "txtLatitude", 2, CoordinateKind::Latitude,
                                    [this](int i) { txtLatitude_Change(i); }),
                      1, 1);
    fields->addWidget(Label3, 2, 0);
    fields->addLayout(CoordinateRow(txtLongitude, "txtLongitude", 3, CoordinateKind::Longitude,
                                    [this](int i) { txtLongitude_Change(i); }),
                      2, 1);
    fields->setColumnStretch(1, 1);
    Label2->setBuddy(txtLatitude[0]);
    Label3->setBuddy(txtLongitude[0]);

    editor_ = std::make_unique<PlaceEditor>(PlacesTable(), countryId);
    updateform();
    Finish(fields, {txtCity, txtLatitude[0], txtLatitude[1], txtLatitude[2], txtLongitude[0], txtLongitude[1],
                    txtLongitude[2]});
}

frmPlaces::~frmPlaces() = default;

void frmPlaces::txtLatitude_Change(int index)
{
    if (index == 2)
        ForceDirection(txtLatitude[2], CoordinateKind::Latitude);
}

void frmPlaces::txtLongitude_Change(int index)
{
    if (index == 2)
        ForceDirection(txtLongitude[2], CoordinateKind::Longitude);
}

void frmPlaces::ReadBoxes()
{
    editor_->boxes = {txtCity->text().toStdString(), BoxesOf(txtLatitude), BoxesOf(txtLongitude)};
}

QLineEdit* frmPlaces::RefusedBox() const
{
    const PlaceBoxes& b = editor_->boxes;
    if (TrimmedEntry(b.city).empty())
        return txtCity;
    // The degrees box when the degrees alone cannot be stored, else the minutes
    // (the direction box holds only the kind's letters).
    const auto refused = [](const CoordinateBoxes& boxes, CoordinateKind kind,
                            const std::array<QLineEdit*, 3>& shown) -> QLineEdit* {
        if (StoredCoordinate(boxes, kind).Valid())
            return nullptr;
        const CoordinateBoxes degreesOnly{boxes.degrees, "0", boxes.direction};
        return StoredCoordinate(degreesOnly, kind).Valid() ? shown[1] : shown[0];
    };
    if (QLineEdit* box = refused(b.latitude, CoordinateKind::Latitude, txtLatitude))
        return box;
    return refused(b.longitude, CoordinateKind::Longitude, txtLongitude);
}

void frmPlaces::updateform()
{
    const PlaceBoxes& b = editor_->boxes;
    txtCity->setText(QString::fromStdString(b.city));
    Show(txtLatitude, b.latitude);
    Show(txtLongitude, b.longitude);
}

void EditPlacesOfZone(QWidget& owner, long long countryId)
{
    try {
        TableCursor& countries = CountriesTable();
        countries.SetIndex("PrimaryKey");
        countries.Seek("=", {Value(countryId)});
        if (countries.NoMatch()) {
            reporter().Message("This time zone is no longer in the database.\n"
                               "Please select the Time Zone again.");
            return;
        }
        frmPlaces editor(&owner);
        ShowModal(editor);
    } catch (const DbError& e) {
        reporter().Message(e.what());
    }
}

} // namespace tarvik
