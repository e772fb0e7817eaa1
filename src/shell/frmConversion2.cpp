#include "frmConversion2.h"

#include "calc/TextFormat.h"
#include "panchang/Ishtkaal.h"

#include <QLineEdit>
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
    const std::optional<double> hours = CheckedClockHours();
    if (!hours)
        return;
    Reporting([this, &hours] {
        const GhatiParts g = SplitGhatis(IshtkaalOfClockTime(Person(), *hours));
        cmbGhr->setText(QString::fromStdString(ZeroPad(g.ghati, 2)));
        cmbGmin->setText(QString::fromStdString(ZeroPad(g.pal, 2)));
        cmbGsec->setText(QString::fromStdString(ZeroPad(g.vipal, 2)));
        GhatisShown();
    });
}

} // namespace tarvik
