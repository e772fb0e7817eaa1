#include "frmConversion2.h"

#include "calc/TextFormat.h"
#include "panchang/Ishtkaal.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvik {

frmConversion2::frmConversion2(frmMain& owner, const BirthRecord& person)
    : GhatiWindow(owner, QStringLiteral("&Convert"), QStringLiteral("Arial"))
{
    setObjectName(QStringLiteral("frmConversion2"));
    SetPerson(person);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdConvert);
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame4);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
    WatchKeys();
}

void frmConversion2::TobToGhati()
{
    Reporting([this] {
        const GhatiParts g = SplitGhatis(IshtkaalOfClockTime(Person(), BoxClockHours()));
        cmbGhr->setEditText(QString::fromStdString(ZeroPad(g.ghati, 2)));
        cmbGmin->setEditText(QString::fromStdString(ZeroPad(g.pal, 2)));
        cmbGsec->setEditText(QString::fromStdString(ZeroPad(g.vipal, 2)));
    });
}

} // namespace tarvik
