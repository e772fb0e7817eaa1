#pragma once

// The ghati conversion window: a birth time in hours, minutes and seconds of
// zone time as ghatis, palas and vipalas since sunrise and back, beside the
// sunrise and sunset of the birth date, the tithi at sunrise and at birth,
// the paksha, the Vikram samvat and the lunar month. The main window's ghati
// buttons open it for either person.

#include "GhatiWindow.h"

namespace tarvik {

class frmConversion : public GhatiWindow {
    Q_OBJECT
public:
    explicit frmConversion(frmMain& owner);

    QPushButton* cmdConvert2 = nullptr;   // "Convert to &Ghati"
    QLabel* lblDate = nullptr;            // set by the opener: 5-March-1990
    QLabel* lblTithiSR = nullptr;
    QLabel* lblMas = nullptr;             // the lunar month; the national month after Convert to Ghati
    QLabel* lblSamvat = nullptr;
    QLabel* lblSR = nullptr;
    QLabel* lblSS = nullptr;
    QLabel* lblTithiBR = nullptr;
    QLabel* lblPaksh = nullptr;

    // Fills the window for the person's birth: the ghatis of the time in the
    // time boxes (which the opener has set, with lblDate) and the panchang
    // of the birth, reckoned under the ayanamsa and node of choices. The
    // person's record is kept for the conversions.
    void TobToGhati(const BirthRecord& person, const RunChoices& choices);
    // The time boxes, perhaps edited, to ghatis; the sunrise, sunset and the
    // national month of the date are shown again, the rest stays. A time the
    // boxes do not hold is refused and nothing changes.
    void cmdConvert2_Click();

private:
    void ShowDay();
    void ShowBoxGhatis(double clockHours);
};

} // namespace tarvik
