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
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvik {

class frmMain;

class GhatiWindow : public QDialog {
    Q_OBJECT
public:
    // The clock time "Converted Time in Hrs": hour, minute and second of zone time.
    QGroupBox* Frame4 = nullptr;
    QLineEdit* cmbHR = nullptr;
    QLineEdit* cmbMIN = nullptr;
    QLineEdit* cmbSEC = nullptr;
    QLabel* Label1 = nullptr;    // "HRS"
    // The time since sunrise "Enter time in Ghati below:": ghati, pal, vipal.
    QGroupBox* Frame1 = nullptr;
    QLineEdit* cmbGhr = nullptr;
    QLineEdit* cmbGmin = nullptr;
    QLineEdit* cmbGsec = nullptr;
    QLabel* Label2 = nullptr;    // "GHATI"
    QPushButton* cmdConvert = nullptr;   // ghatis to clock time
    QPushButton* cmdOK = nullptr;        // "&Use Converted Time"

    // The person converted for: date, place, zone and time correction.
    const BirthRecord& Person() const { return person_; }

    // The ghati boxes to the clock time of the person's birth date. False,
    // the boxes refused (see CheckedGhatis), when nothing was converted.
    bool cmdConvert_Click();
    // The clock time of the boxes into the person's time box of the main
    // window, then the window closes; refused as CheckedClockHours says.
    void cmdOK_Click();
    // Keys anywhere in the window: Esc (27) closes it without writing, Enter
    // (13) is "&Use Converted Time", after converting the ghati boxes first
    // when one of them was typed in since the last conversion.
    void Form_KeyDown(int keyCode);

protected:
    GhatiWindow(frmMain& owner, const QString& convertCaption, const QString& fontFamily);

    void SetPerson(const BirthRecord& person) { person_ = person; }
    // The boxes as decimal hours and decimal ghatis: each box a whole number,
    // an empty box 0, hours 0-23, minutes and seconds 0-59, ghatis, palas and
    // vipalas 0-59. Otherwise nullopt: "Invalid Time" or "Invalid Ghati" has
    // been shown and the focus is back in the first box refused.
    std::optional<double> CheckedClockHours();
    std::optional<double> CheckedGhatis();
    void ShowClockTime(const ClockTime& time);
    // The ghati boxes show a conversion: they are no longer the user's own.
    void GhatisShown() { ghatisTyped_ = false; }
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
    bool ghatisTyped_ = false;   // a ghati box was typed in since the last conversion
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
