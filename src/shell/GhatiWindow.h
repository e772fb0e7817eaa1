#pragma once

// What the two ghati conversion windows share: the clock-time boxes, the
// ghati boxes, ghatis to clock time, and the clock time written back into
// the time box of the person the main window's ghati button was pressed
// for (GhatiSecondPerson). The conversions work on the window's own copy
// of that person's birth record; neither Native nor the chart is touched.

#include "core/BirthRecord.h"
#include "core/Reporter.h"
#include "panchang/GhatiConversion.h"

#include <QDialog>

#include <exception>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tarvik {

class frmMain;

class GhatiWindow : public QDialog {
    Q_OBJECT
public:
    // The clock time "Converted Time in Hrs": hour, minute and second of zone time.
    QGroupBox* Frame4 = nullptr;
    QComboBox* cmbHR = nullptr;
    QComboBox* cmbMIN = nullptr;
    QComboBox* cmbSEC = nullptr;
    QLabel* Label1 = nullptr;    // "HRS"
    // The time since sunrise "Enter time in Ghati below:": ghati, pal, vipal.
    QGroupBox* Frame1 = nullptr;
    QComboBox* cmbGhr = nullptr;
    QComboBox* cmbGmin = nullptr;
    QComboBox* cmbGsec = nullptr;
    QLabel* Label2 = nullptr;    // "GHATI"
    QPushButton* cmdConvert = nullptr;   // ghatis to clock time
    QPushButton* cmdOK = nullptr;        // "&Use Converted Time"

    // The person converted for: date, place, zone and time correction.
    const BirthRecord& Person() const { return person_; }

    // The ghati boxes to the clock time of the person's birth date.
    void cmdConvert_Click();
    // The clock time of the boxes into the person's time box of the main
    // window, then the window closes. A box counts by its leading number, a
    // minute of 75 is an hour and 15 minutes, and the time wraps round the day.
    void cmdOK_Click();
    // Keys anywhere in the window: Esc (27) closes it without writing, Enter
    // (13) is "&Use Converted Time".
    void Form_KeyDown(int keyCode);

protected:
    GhatiWindow(frmMain& owner, const QString& convertCaption, const QString& fontFamily);

    void SetPerson(const BirthRecord& person) { person_ = person; }
    // The boxes as decimal hours and decimal ghatis.
    double BoxClockHours() const;
    double BoxGhatis() const;
    void ShowClockTime(const ClockTime& time);
    // Every control of the window passes its keys through Form_KeyDown;
    // called once the window's controls are all made.
    void WatchKeys();
    // A conversion step; its error is shown as a message and the window goes on.
    template <class F>
    void Reporting(F&& step);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmMain& owner_;
    BirthRecord person_;
};

template <class F>
void GhatiWindow::Reporting(F&& step)
{
    try {
        step();
    } catch (const std::exception& e) {
        reporter().Message(e.what());
    }
}

} // namespace tarvik
