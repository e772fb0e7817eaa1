#include "GhatiWindow.h"

#include "EntryRules.h"
#include "frmMain.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTime>

#include <cmath>

namespace tarvik {

namespace {
constexpr int KeyEscape = 27;
constexpr int KeyEnter = 13;
constexpr double SecondsPerDay = 86400;

// A combo box used as a text field: typed, never a list.
QComboBox* Box(const QString& name)
{
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(3);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

QGroupBox* Frame(const QString& name, const QString& caption, QComboBox* a, QComboBox* b, QComboBox* c,
                 QLabel* unit)
{
    auto* frame = new QGroupBox(caption);
    frame->setObjectName(name);
    auto* row = new QHBoxLayout(frame);
    for (QWidget* w : {static_cast<QWidget*>(a), static_cast<QWidget*>(b), static_cast<QWidget*>(c)})
        row->addWidget(w);
    row->addWidget(unit);
    row->addStretch();
    return frame;
}

double BoxValue(const QComboBox* box) { return Val(box->currentText()); }
} // namespace

GhatiWindow::GhatiWindow(frmMain& owner, const QString& convertCaption, const QString& fontFamily)
    : QDialog(&owner), owner_(owner)
{
    setWindowTitle(QStringLiteral("Conversion"));
    if (!fontFamily.isEmpty()) {
        QFont f = font();
        f.setFamily(fontFamily);
        setFont(f);
    }
    cmbHR = Box(QStringLiteral("cmbHR"));
    cmbMIN = Box(QStringLiteral("cmbMIN"));
    cmbSEC = Box(QStringLiteral("cmbSEC"));
    Label1 = new QLabel(QStringLiteral("HRS"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Frame4 = Frame(QStringLiteral("Frame4"), QStringLiteral("Converted Time in Hrs"), cmbHR, cmbMIN, cmbSEC, Label1);

    cmbGhr = Box(QStringLiteral("cmbGhr"));
    cmbGmin = Box(QStringLiteral("cmbGmin"));
    cmbGsec = Box(QStringLiteral("cmbGsec"));
    Label2 = new QLabel(QStringLiteral("GHATI"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Frame1 = Frame(QStringLiteral("Frame1"), QStringLiteral("Enter time in Ghati below:"), cmbGhr, cmbGmin, cmbGsec,
                   Label2);

    cmdConvert = new QPushButton(convertCaption);
    cmdConvert->setObjectName(QStringLiteral("cmdConvert"));
    cmdOK = new QPushButton(QStringLiteral("&Use Converted Time"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    for (QPushButton* b : {cmdConvert, cmdOK})
        b->setAutoDefault(false);
    connect(cmdConvert, &QPushButton::clicked, this, &GhatiWindow::cmdConvert_Click);
    connect(cmdOK, &QPushButton::clicked, this, &GhatiWindow::cmdOK_Click);
}

double GhatiWindow::BoxClockHours() const
{
    return BoxValue(cmbHR) + BoxValue(cmbMIN) / 60 + BoxValue(cmbSEC) / 3600;
}

double GhatiWindow::BoxGhatis() const
{
    return BoxValue(cmbGhr) + BoxValue(cmbGmin) / 60 + BoxValue(cmbGsec) / 3600;
}

void GhatiWindow::ShowClockTime(const ClockTime& time)
{
    cmbHR->setEditText(QString::number(time.hour));
    cmbMIN->setEditText(QString::number(time.minute));
    cmbSEC->setEditText(QString::number(time.second));
}

void GhatiWindow::cmdConvert_Click()
{
    Reporting([this] { ShowClockTime(ClockTimeOfGhatis(person_, BoxGhatis())); });
}

void GhatiWindow::cmdOK_Click()
{
    const double seconds = std::floor(BoxValue(cmbHR)) * 3600 + std::floor(BoxValue(cmbMIN)) * 60 +
                           std::floor(BoxValue(cmbSEC));
    double ofDay = std::fmod(seconds, SecondsPerDay);
    if (ofDay < 0)
        ofDay += SecondsPerDay;
    if (!(ofDay >= 0 && ofDay < SecondsPerDay)) {
        reporter().Message("Invalid Time");
        return;
    }
    const QTime time = QTime(0, 0).addSecs(static_cast<int>(ofDay));
    owner_.txtTOB[owner_.GhatiSecondPerson ? 1 : 0]->setText(TimeEntryText(time));
    accept();
}

void GhatiWindow::Form_KeyDown(int keyCode)
{
    if (keyCode == KeyEscape)
        reject();
    else if (keyCode == KeyEnter)
        cmdOK_Click();
}

void GhatiWindow::WatchKeys()
{
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

bool GhatiWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            Form_KeyDown(KeyEscape);
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Form_KeyDown(KeyEnter);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tarvik
