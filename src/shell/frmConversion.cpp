#include "frmConversion.h"

#include "frmMain.h"
#include "calc/TextFormat.h"
#include "panchang/Ishtkaal.h"

#include <QLineEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvik {

namespace {
QLabel* ValueLabel(const char* name)
{
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    // Room for the longest date, "28-September-2000".
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("28-September-0000")) + 12);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

QString Text(const std::string& s) { return QString::fromStdString(s); }
} // namespace

frmConversion::frmConversion(frmMain& owner) : GhatiWindow(owner, QStringLiteral("Convert to &time"), {})
{
    setObjectName(QStringLiteral("frmConversion"));
    cmdConvert2 = new QPushButton(QStringLiteral("Convert to &Ghati"));
    cmdConvert2->setObjectName(QStringLiteral("cmdConvert2"));
    cmdConvert2->setAutoDefault(false);
    connect(cmdConvert2, &QPushButton::clicked, this, &frmConversion::cmdConvert2_Click);

    lblDate = ValueLabel("lblDate");
    lblTithiSR = ValueLabel("lblTithiSR");
    lblMas = ValueLabel("lblMas");
    lblSamvat = ValueLabel("lblSamvat");
    lblSR = ValueLabel("lblSR");
    lblSS = ValueLabel("lblSS");
    lblTithiBR = ValueLabel("lblTithiBR");
    lblPaksh = ValueLabel("lblPaksh");

    auto* values = new QGridLayout;
    const struct {
        const char* caption;
        QLabel* value;
        int row, column;
    } cells[] = {
        {"Date:", lblDate, 0, 0},          {"Samvat", lblSamvat, 0, 2},
        {"Sunrise", lblSR, 1, 0},          {"Sunset", lblSS, 1, 2},
        {"Tithi at Sunrise", lblTithiSR, 2, 0}, {"Tithi at Birth", lblTithiBR, 2, 2},
        {"Paksh", lblPaksh, 3, 0},         {"Month", lblMas, 3, 2},
    };
    for (const auto& c : cells) {
        auto* caption = new QLabel(QString::fromLatin1(c.caption));
        caption->setBuddy(c.value);
        values->addWidget(caption, c.row, c.column);
        values->addWidget(c.value, c.row, c.column + 1);
    }
    values->setColumnMinimumWidth(2, 80);

    auto* conversions = new QGridLayout;
    conversions->addWidget(Frame4, 0, 0);
    conversions->addWidget(cmdConvert2, 0, 1, Qt::AlignBottom);
    conversions->addWidget(Frame1, 1, 0);
    conversions->addWidget(cmdConvert, 1, 1, Qt::AlignBottom);

    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(cmdOK);
    okRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(values);
    layout->addLayout(conversions);
    layout->addLayout(okRow);
    setFixedSize(sizeHint());
    WatchKeys();
}

void frmConversion::ShowDay()
{
    const GhatiPanchang day = GhatiDayOf(Person());
    lblSR->setText(Text(day.sunrise));
    lblSS->setText(Text(day.sunset));
    lblMas->setText(Text(day.nationalMonth));
}

void frmConversion::ShowBoxGhatis(double clockHours)
{
    const GhatiParts g = SplitGhatis(IshtkaalOfClockTime(Person(), clockHours));
    cmbGhr->setText(Text(NumberText(g.ghati)));
    cmbGmin->setText(Text(NumberText(g.pal)));
    cmbGsec->setText(Text(NumberText(g.vipal)));
    GhatisShown();
}

void frmConversion::TobToGhati(const BirthRecord& person, const RunChoices& choices)
{
    SetPerson(person);
    const std::optional<double> hours = CheckedClockHours();
    Reporting([this, &hours, &choices] {
        ShowDay();
        if (hours)
            ShowBoxGhatis(*hours);
        const GhatiPanchang p = GhatiPanchangOf(Person(), choices);
        lblTithiBR->setText(Text(p.tithiAtBirth));
        lblPaksh->setText(Text(p.paksha));
        lblTithiSR->setText(Text(p.tithiAtSunrise));
        lblSamvat->setText(QString::number(p.vikramSamvat));
        lblMas->setText(Text((p.adhikaMonth ? "ADHIKA " : "") + p.lunarMonth));
    });
}

void frmConversion::cmdConvert2_Click()
{
    const std::optional<double> hours = CheckedClockHours();
    if (!hours)
        return;
    Reporting([this, &hours] {
        ShowDay();
        ShowBoxGhatis(*hours);
    });
}

} // namespace tarvik
