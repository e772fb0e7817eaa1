// The ghati buttons of the main window and the ghati conversion windows:
// what a button hands over, the conversions in the window, OK into the
// right person's time box, Cancel, and Native and the chart left standing.

#include "OutputFixture.h"

#include "calc/CalcFixture.h"

#include "calc/Chart.h"
#include "calc/Sunrise.h"
#include "calc/TextFormat.h"
#include "panchang/GhatiConversion.h"
#include "panchang/Ishtkaal.h"
#include "shell/EntryRules.h"
#include "shell/ModalDialogs.h"
#include "shell/frmConversion.h"
#include "shell/frmConversion2.h"
#include "shell/prPreview.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabBar>

#include <array>
#include <functional>
#include <string>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

const QString India = QStringLiteral("India [82E30]");
const QString Brazil = QStringLiteral("Brazil [45W0]");
const QString Antarctica = QStringLiteral("Antarctica [0E00]");

// The fixture's Delhi (28N39, 77E13, zone 82E30) and Rio de Janeiro (22S54,
// 43W12, zone 45W0), written out by hand.
BirthRecord Delhi(int day, int month, int year, int hour, int minute, int second)
{
    return tarvik::testing::MovedTo(tarvik::testing::DelhiBirth(day, month, year, hour, minute, second), 28, 39, "N", 77, 13, "E", 82.5);
}

BirthRecord Rio(int day, int month, int year, int hour, int minute, int second)
{
    return tarvik::testing::MovedTo(tarvik::testing::DelhiBirth(day, month, year, hour, minute, second), 22, 54, "S", 43, 12, "W", -45);
}

QString Text(const std::string& s) { return QString::fromStdString(s); }

QString Ghatis(const frmConversion& w)
{
    return w.cmbGhr->text() + ":" + w.cmbGmin->text() + ":" + w.cmbGsec->text();
}

QString GhatisOf(const BirthRecord& b, double clockHours)
{
    const GhatiParts g = SplitGhatis(IshtkaalOfClockTime(b, clockHours));
    return Text(NumberText(g.ghati) + ":" + NumberText(g.pal) + ":" + NumberText(g.vipal));
}

QString ClockText(const ClockTime& t) { return TimeEntryText(QTime(t.hour, t.minute, t.second)); }

class GhatiWindowTest : public OutputRunTest {
protected:
    void SetUp() override
    {
        OutputRunTest::SetUp();
        BuildFixtureDatabases(std::string(FixtureCountries) + "900003,Brazil,45W0\n",
                              std::string(FixturePlaces) + "910003,900003,Rio de Janeiro,22S54,43W12\n");
    }

    // One person's entries: the zone and place by their texts.
    static void Enter(frmMain& w, int person, QDate date, const QString& time, const QString& zone,
                      const QString& place)
    {
        w.txtDOB[person]->setDate(date);
        w.txtTOB[person]->setText(time);
        ASSERT_TRUE(w.cmbZones[person]->SelectText(zone));
        if (!place.isEmpty()) {
            ASSERT_TRUE(w.cmbPlaces[person]->SelectText(place));
        }
    }

    // Presses a person's ghati button; true when the window was shown.
    bool PressGhati(frmMain& w, int person)
    {
        const int before = opened;
        (person == 0 ? w.cmdGhati : w.cmdGhati2)->click();
        return opened > before;
    }

    int opened = 0;
    // What the test does while the conversion window is up.
    std::function<void(frmConversion&)> whileOpen;
    // The conversion window in place of the fixture's preview script.
    ScopedDialogScript conversions{{
        .showModal =
            [this](QDialog& d) {
                if (auto* w = qobject_cast<frmConversion*>(&d)) {
                    ++opened;
                    EXPECT_EQ(w->parentWidget(), window.get());
                    if (whileOpen)
                        whileOpen(*w);
                } else {
                    ++shown;
                }
            },
    }};
};

TEST_F(GhatiWindowTest, AButtonHandsItsPersonsEntriesToTheWindow)
{
    const struct {
        const char* what;
        bool match;
        int person;
        QDate date;
        const char* time;
        QString zone, place;
        BirthRecord birth;
        const char* hour;
        const char* minute;
        const char* second;
        const char* date_;
        const char* samvat;
        const char* lunarMonth;
        const char* paksha;
    } cases[] = {
        {"the first person", false, 0, QDate(1990, 3, 5), "02:30:00 PM", India, "Delhi",
         Delhi(5, 3, 1990, 14, 30, 0), "14", "30", "0", "5-March-1990", "2046", "PHALGUNA", "Shukla"},
        // South and west are negative all the way to the sunrise.
        {"the girl, south and west", true, 1, QDate(2000, 1, 15), "11:05:09 PM", Brazil, "Rio de Janeiro",
         Rio(15, 1, 2000, 23, 5, 9), "23", "5", "9", "15-January-2000", "2056", "PAUSA", "Shukla"},
        {"the boy of a match", true, 0, QDate(1990, 1, 15), "06:00:00 AM", India, "Delhi",
         Delhi(15, 1, 1990, 6, 0, 0), "6", "0", "0", "15-January-1990", "2046", "MAGHA", "Krishna"},
        // The month of the Basic page, with its mark in an added month.
        {"an added month", false, 0, QDate(2023, 8, 8), "12:00:00 PM", India, "Delhi",
         Delhi(8, 8, 2023, 12, 0, 0), "12", "0", "0", "8-August-2023", "2080", "ADHIKA SRAVANA", "Krishna"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        frmMain& w = StartIn(c.match);
        Enter(w, c.person, c.date, c.time, c.zone, c.place);
        w.GhatiSecondPerson = c.person == 0;
        messages.messages.clear();

        ASSERT_TRUE(PressGhati(w, c.person));
        EXPECT_EQ(w.GhatiSecondPerson, c.person == 1);
        frmConversion& g = *w.Conversion();
        EXPECT_EQ(g.cmbHR->text(), c.hour);
        EXPECT_EQ(g.cmbMIN->text(), c.minute);
        EXPECT_EQ(g.cmbSEC->text(), c.second);
        EXPECT_EQ(g.lblDate->text(), c.date_);

        const SunTimes sun = SunriseSunset(c.birth.Day, c.birth.Month, c.birth.Year,
                                           LatitudeDegrees(c.birth.LatDeg, c.birth.LatMin, c.birth.LatDir),
                                           LongitudeDegrees(c.birth.LongDeg, c.birth.LongMin, c.birth.LongDir),
                                           c.birth.ZoneMeridian);
        EXPECT_EQ(g.lblSR->text(), Text(FormatHMS(sun[3], 24, ":")));
        EXPECT_EQ(g.lblSS->text(), Text(FormatHMS(sun[4], 24, ":")));
        EXPECT_EQ(Ghatis(g), GhatisOf(c.birth, c.birth.Hour + c.birth.Minute / 60.0 + c.birth.Second / 3600.0));
        EXPECT_EQ(g.lblSamvat->text(), c.samvat);
        EXPECT_EQ(g.lblMas->text(), c.lunarMonth);
        EXPECT_EQ(g.lblPaksh->text(), c.paksha);
        const GhatiPanchang p = GhatiPanchangOf(c.birth, OutputRun().Choices());
        EXPECT_EQ(g.lblTithiBR->text(), Text(p.tithiAtBirth));
        EXPECT_EQ(g.lblTithiSR->text(), Text(p.tithiAtSunrise));
        EXPECT_TRUE(messages.messages.empty());
        Stop();
    }
}

// The window reckons under the ayanamsa and nodes the main window shows
// when its button is pressed, before any Preview as after one, and leaves
// the last run's choices standing. 20 September 2001 at noon in Delhi falls
// in an added Asvina by Lahiri's zodiac, in Asvina by Raman's; the rest of
// what the window shows does not hang on the zodiac.
TEST_F(GhatiWindowTest, TheMonthIsReckonedUnderTheAyanamsaTheMainWindowShows)
{
    const struct {
        const char* what;
        int previewAyanamsa;    // -1: no Preview first
        int ayanamsa;
        bool trueNode;
        const char* lunarMonth;
    } cases[] = {
        {"B.V. Raman before any Preview", -1, 2, true, "ASVINA"},
        {"N.C. Lahiri before any Preview", -1, 0, true, "ADHIKA ASVINA"},
        {"B.V. Raman after a Lahiri Preview", 0, 2, false, "ASVINA"},
        {"N.C. Lahiri after a Raman Preview", 2, 0, false, "ADHIKA ASVINA"},
    };
    // What the window shows besides the month, as the first case shows it.
    const auto shown = [](const frmConversion& g) {
        return QStringList{g.lblDate->text(), g.lblSR->text(),      g.lblSS->text(),      Ghatis(g),
                           g.lblTithiBR->text(), g.lblTithiSR->text(), g.lblPaksh->text(), g.lblSamvat->text()};
    };
    QStringList first;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        frmMain& w = StartIn(false);
        Enter(w, 0, QDate(2001, 9, 20), "12:00:00 PM", India, "Delhi");
        if (c.previewAyanamsa >= 0) {
            w.cmbAyanamsa->setCurrentIndex(c.previewAyanamsa);
            ASSERT_TRUE(PressPreview(w));
        }
        const RunValues before = OutputRun();
        w.cmbAyanamsa->setCurrentIndex(c.ayanamsa);
        w.cmbRahuKetu->setCurrentIndex(c.trueNode ? 0 : 1);
        QString month;
        QStringList labels;
        whileOpen = [&](frmConversion& g) {
            month = g.lblMas->text();
            labels = shown(g);
        };
        ASSERT_TRUE(PressGhati(w, 0));
        EXPECT_EQ(month, c.lunarMonth);
        if (first.isEmpty())
            first = labels;
        EXPECT_EQ(labels, first);
        EXPECT_EQ(labels[6], "Shukla");
        EXPECT_EQ(labels[7], "2058");
        EXPECT_EQ(OutputRun().AyanamsaChoice, before.AyanamsaChoice);
        EXPECT_EQ(OutputRun().TrueNode, before.TrueNode);
        EXPECT_TRUE(messages.messages.empty());
        whileOpen = nullptr;
        Stop();
    }
}

TEST_F(GhatiWindowTest, ClocksSetAheadAreCountedFromStandardTime)
{
    frmMain& w = StartIn(false);
    Enter(w, 0, QDate(1980, 8, 15), "11:30:00 AM", India, "Delhi");
    w.cmbWTC[0]->setCurrentText("+");
    w.cmbWTC[1]->setCurrentText("1");
    ASSERT_TRUE(PressGhati(w, 0));
    // An hour ahead: the ghatis of 10:30 standard time.
    EXPECT_EQ(Ghatis(*w.Conversion()), GhatisOf(Delhi(15, 8, 1980, 10, 30, 0), 10.5));
}

TEST_F(GhatiWindowTest, UseConvertedTimeWritesIntoThePersonsOwnBox)
{
    const struct {
        const char* what;
        bool match;
        int person;
    } cases[] = {
        {"the first person", false, 0},
        {"the girl", true, 1},
        {"the boy", true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        frmMain& w = StartIn(c.match);
        Enter(w, 0, QDate(1980, 8, 15), "10:30:00 AM", India, "Delhi");
        Enter(w, 1, QDate(1984, 4, 3), "05:15:00 AM", Brazil, "Rio de Janeiro");
        const QString other = w.txtTOB[1 - c.person]->text();
        const BirthRecord birth = c.person == 0 ? Delhi(15, 8, 1980, 10, 30, 0) : Rio(3, 4, 1984, 5, 15, 0);

        int result = -1;
        whileOpen = [&](frmConversion& g) {
            g.cmbGhr->setText("12");
            g.cmbGmin->setText("30");
            g.cmbGsec->setText("15");
            g.cmdConvert->click();
            g.cmdOK->click();
            result = g.result();
        };
        ASSERT_TRUE(PressGhati(w, c.person));
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_EQ(w.txtTOB[c.person]->text(), ClockText(ClockTimeOfGhatis(birth, 12 + 30 / 60.0 + 15 / 3600.0)));
        EXPECT_EQ(w.txtTOB[1 - c.person]->text(), other);
        EXPECT_TRUE(messages.messages.empty());
        Stop();
    }
}

TEST_F(GhatiWindowTest, ConvertToGhatiTakesTheEditedTimeAndShowsTheNationalMonth)
{
    frmMain& w = StartIn(false);
    Enter(w, 0, QDate(1990, 1, 15), "10:00:00 AM", India, "Delhi");
    whileOpen = [&](frmConversion& g) {
        EXPECT_EQ(g.lblMas->text(), "MAGHA");   // the lunar month at first
        const QString tithi = g.lblTithiBR->text();
        g.cmbHR->setText("5");
        g.cmbMIN->setText("15");
        g.cmbSEC->setText("");               // an empty box counts as 0
        g.cmdConvert2->click();
        EXPECT_EQ(Ghatis(g), GhatisOf(Delhi(15, 1, 1990, 0, 0, 0), 5.25));
        EXPECT_EQ(g.lblMas->text(), "PAUSA");
        EXPECT_EQ(g.lblTithiBR->text(), tithi);

        // Convert to time and back to ghatis gives the same ghatis.
        const QString ghatis = Ghatis(g);
        g.cmdConvert->click();
        EXPECT_EQ(g.cmbHR->text(), "5");
        EXPECT_EQ(g.cmbMIN->text(), "15");
        EXPECT_EQ(g.cmbSEC->text(), "0");
        g.cmdConvert2->click();
        EXPECT_EQ(Ghatis(g), ghatis);
        g.reject();
    };
    ASSERT_TRUE(PressGhati(w, 0));
}

// Replaces a box's text as a user does: select it, type over it.
void TypeInto(QLineEdit* box, const QString& text)
{
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

TEST_F(GhatiWindowTest, UseConvertedTimeTakesOnlyAClockTime)
{
    const struct {
        const char *hour, *minute, *second;
        const char* written;   // empty: refused, the window stays
        int refused;           // the box that gets the focus back: 0 hour, 1 minute, 2 second
    } cases[] = {
        {"14", "30", "0", "02:30:00 PM", 0},
        {"0", "0", "0", "12:00:00 AM", 0},
        {"23", "59", "59", "11:59:59 PM", 0},
        {" 7 ", "2", "", "07:02:00 AM", 0},   // an empty box is 0
        {"25", "0", "0", "", 0},              // no longer wrapped round the day
        {"24", "0", "0", "", 0},
        {"x", "", "5", "", 0},                // letters are no 0
        {"9.7", "5", "5", "", 0},
        {"-1", "0", "0", "", 0},
        {"7abc", "2", "3", "", 0},
        {"1e306", "0", "0", "", 0},
        {"10", "75", "0", "", 1},             // nor an hour and a quarter
        {"10", "0", "60", "", 2},
        {"10", "-0x1", "0", "", 1},
    };
    frmMain& w = StartShown();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.hour) + "|" + c.minute + "|" + c.second);
        w.txtTOB[0]->setText("10:30:00 AM");
        messages.messages.clear();
        int result = -1;
        bool visible = false;
        QWidget* focus = nullptr;
        std::array<QLineEdit*, 3> boxes{};
        whileOpen = [&](frmConversion& g) {
            g.show();
            boxes = {g.cmbHR, g.cmbMIN, g.cmbSEC};
            TypeInto(g.cmbHR, c.hour);
            TypeInto(g.cmbMIN, c.minute);
            TypeInto(g.cmbSEC, c.second);
            g.cmdOK->setFocus(Qt::TabFocusReason);
            QTest::mouseClick(g.cmdOK, Qt::LeftButton);
            result = g.result();
            visible = g.isVisible();
            focus = g.focusWidget();
            g.hide();
        };
        ASSERT_TRUE(PressGhati(w, 0));
        if (*c.written) {
            EXPECT_EQ(w.txtTOB[0]->text(), c.written);
            EXPECT_EQ(result, QDialog::Accepted);
            EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
        } else {
            EXPECT_EQ(w.txtTOB[0]->text(), "10:30:00 AM");
            EXPECT_TRUE(visible);
            ASSERT_EQ(messages.messages.size(), 1u);
            EXPECT_EQ(messages.messages[0].rfind("Invalid Time", 0), 0u) << messages.messages[0];
            EXPECT_EQ(focus, boxes[c.refused]);
        }
    }
}

TEST_F(GhatiWindowTest, TheConversionsTakeOnlyWhatTheBoxesCanHold)
{
    const struct {
        const char *a, *b, *c;
        bool toTime;       // the ghati boxes converted to a clock time, else the clock boxes to ghatis
        int refused;       // -1: converted
    } cases[] = {
        {"59", "59", "59", true, -1}, {"0", "", "", true, -1},  {"60", "0", "0", true, 0},
        {"abc", "0", "0", true, 0},   {"12", "60", "0", true, 1}, {"12", "30", "-5", true, 2},
        {"12", "30", "1.5", true, 2}, {"6", "0", "0", false, -1}, {"25", "0", "0", false, 0},
        {"6", "x", "0", false, 1},
    };
    frmMain& w = StartShown();
    Enter(w, 0, QDate(1990, 1, 15), "10:00:00 AM", India, "Delhi");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + "|" + c.b + "|" + c.c + (c.toTime ? " to time" : " to ghatis"));
        messages.messages.clear();
        whileOpen = [&](frmConversion& g) {
            g.show();
            EXPECT_TRUE(g.findChildren<QComboBox*>().isEmpty());   // no lists to drop down
            const std::array<QLineEdit*, 3> typed =
                c.toTime ? std::array{g.cmbGhr, g.cmbGmin, g.cmbGsec} : std::array{g.cmbHR, g.cmbMIN, g.cmbSEC};
            const std::array<QLineEdit*, 3> result =
                c.toTime ? std::array{g.cmbHR, g.cmbMIN, g.cmbSEC} : std::array{g.cmbGhr, g.cmbGmin, g.cmbGsec};
            TypeInto(typed[0], c.a);
            TypeInto(typed[1], c.b);
            TypeInto(typed[2], c.c);
            const QString before = result[0]->text() + ":" + result[1]->text() + ":" + result[2]->text();
            QTest::mouseClick(c.toTime ? g.cmdConvert : g.cmdConvert2, Qt::LeftButton);
            const QString after = result[0]->text() + ":" + result[1]->text() + ":" + result[2]->text();
            if (c.refused < 0) {
                EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
                if (c.toTime) {
                    const double ghatis = Val(QString::fromLatin1(c.a)) + Val(QString::fromLatin1(c.b)) / 60 +
                                          Val(QString::fromLatin1(c.c)) / 3600;
                    const ClockTime t = ClockTimeOfGhatis(Delhi(15, 1, 1990, 10, 0, 0), ghatis);
                    EXPECT_EQ(after, QString::number(t.hour) + ":" + QString::number(t.minute) + ":" +
                                         QString::number(t.second));
                } else {
                    EXPECT_EQ(after, GhatisOf(Delhi(15, 1, 1990, 0, 0, 0), 6));
                }
            } else {
                ASSERT_EQ(messages.messages.size(), 1u);
                EXPECT_EQ(messages.messages[0].rfind(c.toTime ? "Invalid Ghati" : "Invalid Time", 0), 0u)
                    << messages.messages[0];
                EXPECT_EQ(after, before);
                EXPECT_EQ(g.focusWidget(), typed[c.refused]);
            }
            g.reject();
        };
        ASSERT_TRUE(PressGhati(w, 0));
    }
}

TEST_F(GhatiWindowTest, EnterConvertsGhatisTypedSinceTheLastConversion)
{
    const BirthRecord birth = Delhi(15, 8, 1980, 10, 30, 0);
    const struct {
        const char* what;
        std::function<void(frmConversion&)> act;
        const char* written;   // nullptr: the window stays, the time box too
        const char* message;
    } cases[] = {
        {"ghatis typed", [](frmConversion& g) { TypeInto(g.cmbGhr, "20"); TypeInto(g.cmbGmin, "0");
                                                TypeInto(g.cmbGsec, "0"); },
         "20", ""},
        {"ghatis typed and converted, then the clock edited",
         [](frmConversion& g) {
             TypeInto(g.cmbGhr, "20");
             g.cmdConvert->click();
             TypeInto(g.cmbHR, "9");
             TypeInto(g.cmbMIN, "15");
             TypeInto(g.cmbSEC, "0");
         },
         "09:15:00 AM", ""},
        {"ghatis beyond a day typed", [](frmConversion& g) { TypeInto(g.cmbGhr, "75"); }, nullptr,
         "Invalid Ghati"},
        {"an hour beyond a day typed", [](frmConversion& g) { TypeInto(g.cmbHR, "25"); }, nullptr, "Invalid Time"},
    };
    frmMain& w = StartShown();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        w.txtTOB[0]->setText("10:30:00 AM");
        messages.messages.clear();
        int result = -1;
        bool visible = false;
        whileOpen = [&](frmConversion& g) {
            g.show();
            c.act(g);
            QTest::keyClick(g.focusWidget() ? g.focusWidget() : &g, Qt::Key_Return);
            result = g.result();
            visible = g.isVisible();
            g.hide();
        };
        ASSERT_TRUE(PressGhati(w, 0));
        if (!c.written) {
            EXPECT_EQ(w.txtTOB[0]->text(), "10:30:00 AM");
            EXPECT_TRUE(visible);
            ASSERT_EQ(messages.messages.size(), 1u);
            EXPECT_EQ(messages.messages[0].rfind(c.message, 0), 0u) << messages.messages[0];
            continue;
        }
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
        const QString expected = QString::fromLatin1(c.written).contains(u':')
                                     ? QString::fromLatin1(c.written)
                                     : ClockText(ClockTimeOfGhatis(birth, QString::fromLatin1(c.written).toDouble()));
        EXPECT_EQ(w.txtTOB[0]->text(), expected);
    }
}

TEST_F(GhatiWindowTest, KeysAnywhereInTheWindow)
{
    const struct {
        const char* what;
        Qt::Key key;
        bool written;
    } cases[] = {
        {"Esc closes without writing", Qt::Key_Escape, false},
        {"Enter uses the converted time", Qt::Key_Return, true},
        {"so does the keypad's Enter", Qt::Key_Enter, true},
    };
    frmMain& w = StartShown();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        w.txtTOB[0]->setText("10:30:00 AM");
        int result = -1;
        whileOpen = [&](frmConversion& g) {
            g.show();
            g.cmbGhr->setText("20");
            g.cmbGmin->setText("0");
            g.cmbGsec->setText("0");
            g.cmdConvert->click();
            // From a ghati box and from a button alike.
            QTest::keyClick(c.written ? static_cast<QWidget*>(g.cmbGmin) : g.cmdConvert2, c.key);
            result = g.result();
            g.hide();
        };
        ASSERT_TRUE(PressGhati(w, 0));
        EXPECT_EQ(result, c.written ? QDialog::Accepted : QDialog::Rejected);
        const QString unchanged = QStringLiteral("10:30:00 AM");
        if (c.written)
            EXPECT_EQ(w.txtTOB[0]->text(), ClockText(ClockTimeOfGhatis(Delhi(15, 8, 1980, 10, 30, 0), 20)));
        else
            EXPECT_EQ(w.txtTOB[0]->text(), unchanged);
    }
}

TEST_F(GhatiWindowTest, NativeAndTheChartStayAndTheNextRunOwesTheWindowNothing)
{
    frmMain& w = StartIn(true);
    Enter(w, 1, QDate(1984, 4, 3), "05:15:00 AM", Brazil, "Rio de Janeiro");
    ASSERT_TRUE(PressPreview(w));
    const ProgramState afterRun = Program();

    for (const int person : {1, 0}) {
        whileOpen = [](frmConversion& g) {
            g.cmbGhr->setText("3");
            g.cmdConvert->click();
            g.cmdConvert2->click();
            g.reject();
        };
        ASSERT_TRUE(PressGhati(w, person));
        EXPECT_TRUE(Native() == afterRun.births.Native) << person;
        EXPECT_TRUE(Partner() == afterRun.births.Partner) << person;
        EXPECT_TRUE(Births().NativeWarTime == afterRun.births.NativeWarTime) << person;
        EXPECT_TRUE(Chart() == afterRun.chart) << person;
        EXPECT_EQ(OutputRun().PunctColon, afterRun.run.PunctColon);
    }

    ASSERT_TRUE(PressPreview(w));
    EXPECT_TRUE(Native() == afterRun.births.Native);
    EXPECT_TRUE(Chart() == afterRun.chart);
    EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
}

TEST_F(GhatiWindowTest, EntriesThatCannotBeReadOpenNoWindow)
{
    const struct {
        const char* what;
        bool match;
        int person;
        std::function<void(frmMain&)> enter;
        const char* message;
    } cases[] = {
        {"no place in the zone", true, 1, [](frmMain& w) { ASSERT_TRUE(w.cmbZones[1]->SelectText(Antarctica)); },
         "Please select the Place again for Female"},
        {"no zone", false, 0, [](frmMain& w) { w.cmbZones[0]->setCurrentIndex(-1); },
         "Please select the Time Zone again for Male"},
        {"an unreadable time", false, 0, [](frmMain& w) { w.txtTOB[0]->setText("25:00"); }, InvalidTimeMessage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        frmMain& w = StartIn(c.match);
        c.enter(w);
        const BirthRecord before = Native();
        messages.messages.clear();
        EXPECT_FALSE(PressGhati(w, c.person));
        EXPECT_EQ(messages.messages, std::vector<std::string>{c.message});
        EXPECT_TRUE(Native() == before);
        Stop();
    }
}

TEST_F(GhatiWindowTest, TheOlderWindowConvertsBothWaysFromItsOwnBoxes)
{
    frmMain& w = StartIn(true);
    w.GhatiSecondPerson = true;
    const QString boys = w.txtTOB[0]->text();
    const BirthRecord girl = Rio(3, 4, 1984, 12, 0, 0);
    frmConversion2 older(w, girl);
    EXPECT_EQ(older.windowTitle(), "Conversion");
    EXPECT_EQ(older.cmdConvert->text(), "&Convert");
    EXPECT_EQ(older.font().family(), "Arial");

    const struct {
        const char *hour, *minute, *second;
        double clock;
    } cases[] = {
        {"10", "30", "0", 10.5},
        {"5", "0", "0", 5},      // before sunrise: from the day before's sunrise
        {"23", "59", "59", 23 + 59 / 60.0 + 59 / 3600.0},
    };
    for (const auto& c : cases) {
        older.cmbHR->setText(c.hour);
        older.cmbMIN->setText(c.minute);
        older.cmbSEC->setText(c.second);
        older.TobToGhati();
        const GhatiParts g = SplitGhatis(IshtkaalOfClockTime(girl, c.clock));
        EXPECT_EQ(older.cmbGhr->text(), Text(ZeroPad(g.ghati, 2))) << c.hour;
        EXPECT_EQ(older.cmbGmin->text(), Text(ZeroPad(g.pal, 2))) << c.hour;
        EXPECT_EQ(older.cmbGsec->text(), Text(ZeroPad(g.vipal, 2))) << c.hour;
        EXPECT_EQ(older.cmbGhr->text().size(), 2) << c.hour;

        older.cmbHR->setText({});
        older.cmdConvert->click();
        EXPECT_EQ(older.cmbHR->text(), c.hour);
        EXPECT_EQ(older.cmbMIN->text(), c.minute);
        EXPECT_EQ(older.cmbSEC->text(), c.second);
    }

    // Half a pal after sunrise is 12 minutes after it, with no ghati in the box.
    older.cmbGhr->setText("00");
    older.cmbGmin->setText("30");
    older.cmbGsec->setText("00");
    older.cmdConvert->click();
    const ClockTime atSunrise = ClockTimeOfGhatis(girl, 0);
    EXPECT_NEAR(Val(older.cmbHR->text()) * 60 + Val(older.cmbMIN->text()) +
                    Val(older.cmbSEC->text()) / 60,
                atSunrise.hour * 60 + atSunrise.minute + atSunrise.second / 60.0 + 12, 1.0 / 60);

    older.cmdOK->click();
    EXPECT_EQ(older.result(), QDialog::Accepted);
    EXPECT_EQ(w.txtTOB[1]->text(), ClockText(ClockTimeOfGhatis(girl, 0.5)));
    EXPECT_EQ(w.txtTOB[0]->text(), boys);
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
