#include "GhatiWindow.h"

#include "EntryRules.h"
#include "frmMain.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTime>

#include <array>
#include <cmath>

namespace tarvik {

namespace {
constexpr int KeyEscape = 27;
constexpr int KeyEnter = 13;

// A short text box for one number.
QLineEdit* Box(const QString& name)
{
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setMaxLength(6);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    return box;
}

QGroupBox* Frame(const QString& name, const QString& caption, QLineEdit* a, QLineEdit* b, QLineEdit* c,
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

// The whole number of a box from 0 to last; an empty box is 0.
std::optional<int> BoxNumber(const QLineEdit* box, int last)
{
    const QString text = box->text().trimmed();
    if (text.isEmpty())
        return 0;
    bool number = false;
    const int n = text.toInt(&number);
    if (!number || n < 0 || n > last)
        return std::nullopt;
    return n;
}
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
    for (QLineEdit* box : {cmbGhr, cmbGmin, cmbGsec})
        connect(box, &QLineEdit::textEdited, this, [this] { ghatisTyped_ = true; });
}

namespace {
// The three boxes as one value in units of the first; the first box that
// is out of range gets the focus back, its text selected, and the message.
std::optional<double> CheckedBoxes(const std::array<QLineEdit*, 3>& boxes, const std::array<int, 3>& last,
                                   const char* message)
{
    double value = 0;
    double unit = 1;
    for (std::size_t k = 0; k < boxes.size(); ++k, unit *= 60) {
        const std::optional<int> n = BoxNumber(boxes[k], last[k]);
        if (!n) {
            boxes[k]->setFocus(Qt::OtherFocusReason);
            boxes[k]->selectAll();
            reporter().Message(message);
            return std::nullopt;
        }
        value += *n / unit;
    }
    return value;
}
} // namespace

std::optional<double> GhatiWindow::CheckedClockHours()
{
    return CheckedBoxes({cmbHR, cmbMIN, cmbSEC}, {23, 59, 59},
                        "Invalid Time\n\nThe hour runs from 0 to 23, the minute and the second from 0 to 59.");
}

std::optional<double> GhatiWindow::CheckedGhatis()
{
    return CheckedBoxes({cmbGhr, cmbGmin, cmbGsec}, {59, 59, 59},
                        "Invalid Ghati\n\nThe ghati, the pal and the vipal each run from 0 to 59.");
}

void GhatiWindow::ShowClockTime(const ClockTime& time)
{
    cmbHR->setText(QString::number(time.hour));
    cmbMIN->setText(QString::number(time.minute));
    cmbSEC->setText(QString::number(time.second));
}

bool GhatiWindow::cmdConvert_Click()
{
    const std::optional<double> ghatis = CheckedGhatis();
    if (!ghatis)
        return false;
    ghatisTyped_ = false;
    Reporting([this, &ghatis] { ShowClockTime(ClockTimeOfGhatis(person_, *ghatis)); });
    return true;
}

void GhatiWindow::cmdOK_Click()
{
    const std::optional<double> hours = CheckedClockHours();
    if (!hours)
        return;
    const int seconds = static_cast<int>(std::lround(*hours * 3600));
    const QTime time = QTime(0, 0).addSecs(seconds);
    owner_.txtTOB[owner_.GhatiSecondPerson ? 1 : 0]->setText(TimeEntryText(time));
    accept();
}

void GhatiWindow::Form_KeyDown(int keyCode)
{
    if (keyCode == KeyEscape) {
        reject();
    } else if (keyCode == KeyEnter) {
        if (ghatisTyped_ && !cmdConvert_Click())
            return;
        cmdOK_Click();
    }
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
