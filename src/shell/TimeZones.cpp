#include "TimeZones.h"

#include "ModalDialogs.h"
#include "core/Reporter.h"
#include "refdata/Databases.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace tarvik {

TimeZones::TimeZones(QWidget* owner) : RowEditorWindow(owner)
{
    setObjectName(QStringLiteral("TimeZones"));
    setWindowTitle(QStringLiteral("Time Zones"));

    txtCity = NameBox(QStringLiteral("Name of the country or time zone"));
    Label1 = new QLabel(QStringLiteral("Zone/Country"));
    Label2 = new QLabel(QStringLiteral("Longitude"));
    Label1->setBuddy(txtCity);

    auto* fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(txtCity, 0, 1);
    fields->addWidget(Label2, 1, 0);
    fields->addLayout(CoordinateRow(txtLongitude, "txtLongitude", 3, CoordinateKind::ZoneMeridian,
                                    [this](int i) { txtLongitude_Change(i); }),
                      1, 1);
    fields->setColumnStretch(1, 1);
    Label2->setBuddy(txtLongitude[0]);
    Label2->setToolTip(QStringLiteral("The zone's standard meridian"));

    editor_ = std::make_unique<ZoneEditor>(CountriesTable());
    updateform();
    Finish(fields, {txtCity, txtLongitude[0], txtLongitude[1], txtLongitude[2]});
}

TimeZones::~TimeZones() = default;

void TimeZones::txtLongitude_Change(int index)
{
    if (index == 2)
        ForceDirection(txtLongitude[2], CoordinateKind::ZoneMeridian);
}

void TimeZones::ReadBoxes() { editor_->boxes = {txtCity->text().toStdString(), BoxesOf(txtLongitude)}; }

void TimeZones::updateform()
{
    txtCity->setText(QString::fromStdString(editor_->boxes.name));
    Show(txtLongitude, editor_->boxes.meridian);
}

void EditZones(QWidget& owner)
{
    try {
        TimeZones editor(&owner);
        ShowModal(editor);
    } catch (const DbError& e) {
        reporter().Message(e.what());
    }
}

} // namespace tarvik
