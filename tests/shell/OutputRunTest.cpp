// The output run of Print Preview: the checks and their order, the age
// question, the page list and PageKeys, the year list, the run values and
// the persons' charts.

#include "OutputFixture.h"

#include "shell/EntryRules.h"
#include "shell/EntryRun.h"
#include "shell/OutputRun.h"
#include "readings/Aspects.h"
#include "registry/PageCatalogue.h"

#include <QImage>

#include <sys/stat.h>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

const QString Antarctica = QStringLiteral("Antarctica [0E00]");   // a zone without places
const QString Nepal = QStringLiteral("Nepal [86E15]");

void ChooseZone(frmMain& w, int person, const QString& zone)
{
    if (zone.isEmpty())
        w.cmbZones[person]->setCurrentIndex(-1);
    else
        ASSERT_TRUE(w.cmbZones[person]->SelectText(zone));
}

TEST_F(OutputRunTest, EachPersonsEntriesAreCheckedBeforeAnythingChanges)
{
    const struct {
        const char* what;
        bool match;
        std::function<void(frmMain&)> enter;
        const char* message;
    } cases[] = {
        {"no zone", false, [](frmMain& w) { ChooseZone(w, 0, {}); },
         "Please select the Time Zone again for Male"},
        // The word names the person's column, whatever the sex chosen.
        {"a woman without a place", false,
         [](frmMain& w) {
             w.cmbSex[0]->setCurrentIndex(1);
             ChooseZone(w, 0, Antarctica);
         },
         "Please select the Place again for Male"},
        {"unreadable time", false, [](frmMain& w) { w.txtTOB[0]->setText("25:00"); }, InvalidTimeMessage},
        // The day deleted, the box not yet left: it still holds its last date.
        {"unreadable date", false,
         [](frmMain& w) {
             QTest::keyClick(w.txtDOB[0], Qt::Key_Home);
             QTest::keyClick(w.txtDOB[0], Qt::Key_Delete);
             QTest::keyClick(w.txtDOB[0], Qt::Key_Delete);
         },
         InvalidDateMessage},
        // In a match the girl is checked first.
        {"neither has a zone", true,
         [](frmMain& w) {
             ChooseZone(w, 0, {});
             ChooseZone(w, 1, {});
         },
         "Please select the Time Zone again for Female"},
        {"the girl has no place, the boy no zone", true,
         [](frmMain& w) {
             ChooseZone(w, 0, {});
             ChooseZone(w, 1, Antarctica);
         },
         "Please select the Place again for Female"},
        {"the boy has no place", true, [](frmMain& w) { ChooseZone(w, 0, Antarctica); },
         "Please select the Place again for Male"},
        // The date and time boxes come before the pickers.
        {"the girl's time is unreadable, the boy has no zone", true,
         [](frmMain& w) {
             ChooseZone(w, 0, {});
             w.txtTOB[1]->setText("7 o'clock");
         },
         InvalidTimeMessage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        frmMain& w = StartIn(c.match);
        c.enter(w);
        messages.messages.clear();

        EXPECT_FALSE(PressPreview(w));
        EXPECT_EQ(messages.messages, std::vector<std::string>{c.message});
        EXPECT_TRUE(messages.questions.empty());
        // Nothing of a run has begun.
        EXPECT_EQ(w.Preview(), nullptr);
        EXPECT_EQ(Native().Name, "");
        EXPECT_EQ(OutputRun().PageKeys[0], "");
        Stop();
        ResetProgramState();
        Program().ProgramFolder = folder.Path().string();
    }
}

TEST_F(OutputRunTest, ARefusedTimeGetsTheFocusBack)
{
    frmMain& w = StartShown();
    w.txtTOB[0]->setText("25:00");
    w.txtVFrom->setFocus();
    Settle();
    messages.messages.clear();
    EXPECT_FALSE(PressPreview(w));
    Settle();
    EXPECT_EQ(messages.messages, std::vector<std::string>{InvalidTimeMessage});
    EXPECT_EQ(FocusedControl(), QStringLiteral("txtTOB0"));
    EXPECT_EQ(w.txtTOB[0]->text(), QStringLiteral("25:00"));
}

TEST_F(OutputRunTest, PersonsUnder18CalendarYearsAreAskedAbout)
{
    const int year = QDate::currentDate().year();
    // Born on the first day of a year: that many years old already; on the
    // last: the birthday is still to come, and the years count all the same.
    const QDate seventeen(year - 17, 1, 1), eighteen(year - 18, 12, 31), adult(1980, 8, 15);
    const std::string asked17 = AgeQuestion(17);
    const struct {
        const char* what;
        bool match;
        QDate boy, girl;
        std::deque<Answer> answers;
        std::vector<std::string> questions;
        bool shown;
        const char* native;   // whose record Native holds at the end
    } cases[] = {
        {"17, continued", false, seventeen, adult, {Answer::Yes}, {asked17}, true, "Boy"},
        {"17, declined", false, seventeen, adult, {Answer::No}, {asked17}, false, "Boy"},
        {"18 before the birthday", false, eighteen, adult, {}, {}, true, "Boy"},
        // A birth still to come is no native to warn about (no "around -74 years").
        {"born tomorrow", false, QDate::currentDate().addDays(1), adult, {}, {}, true, "Boy"},
        {"born 74 years ahead", false, QDate::currentDate().addYears(74), adult, {}, {}, true, "Boy"},
        {"a girl born next year", true, adult, QDate::currentDate().addYears(1), {}, {}, true, "Boy"},
        // The girl's answer ends the run before the boy is read.
        {"girl 17 declined", true, seventeen, seventeen, {Answer::No}, {asked17}, false, "Girl"},
        {"girl 18, boy 17 continued", true, seventeen, eighteen, {Answer::Yes}, {asked17}, true, "Boy"},
        {"both 17, both continued", true, seventeen, seventeen, {Answer::Yes, Answer::Yes}, {asked17, asked17},
         true, "Boy"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        frmMain& w = StartIn(c.match);
        w.txtName[0]->setText(QStringLiteral("Boy"));
        w.txtName[1]->setText(QStringLiteral("Girl"));
        w.txtDOB[0]->setDate(c.boy);
        w.txtDOB[1]->setDate(c.girl);
        messages.questions.clear();
        messages.answers = c.answers;

        EXPECT_EQ(PressPreview(w), c.shown);
        EXPECT_EQ(messages.questions, c.questions);
        EXPECT_EQ(Native().Name, c.native);
        EXPECT_TRUE(messages.messages.empty());
        Stop();
    }
    EXPECT_EQ(asked17,
              "Age of the native looks like to be around 17 years.\n"
              "Since predictions are general depending upon the planetary position, they might not suit this "
              "native.\nContinue?");
}

TEST_F(OutputRunTest, ThePageListAndPageKeysFollowTheCatalogueOfTheMode)
{
    frmMain& w = Start();
    ASSERT_TRUE(started);
    const struct {
        bool match;
        bool yearsShown;
    } runs[] = {{false, true}, {true, false}};
    for (const auto& r : runs) {
        SCOPED_TRACE(r.match ? "match" : "horoscope");
        w.SSTab1->setCurrentIndex(r.match ? 1 : 0);
        ASSERT_TRUE(PressPreview(w));
        const prPreview& p = *w.Preview();
        std::vector<std::string> titles, keys;
        for (const CatalogueRow& row :
             PageCatalogue(r.match, OutputKind::Preview, r.match ? UsualAspectPages : AspectPageCount(Chart()))) {
            titles.push_back(row.title);
            keys.push_back(row.key);
        }
        EXPECT_EQ(ListTitles(p.ComboBox1), titles);
        EXPECT_EQ(ListKeys(p.ComboBox1), keys);
        EXPECT_EQ(p.ComboBox1->currentIndex(), 0);
        EXPECT_EQ(OutputRun().MatchMode, r.match);
        EXPECT_EQ(p.ComboBox2->isHidden(), !r.yearsShown);
    }
    // The horoscope run's keys above the match's five stay, out of reach.
    EXPECT_EQ(OutputRun().PageKeys[5], "Maitri");
    EXPECT_TRUE(messages.messages.empty());
}

// The list holds the aspect pages the chart fills and no more: a chart with
// 35 aspects (Delhi, 08-05-1941 08:07) five, the sample chart of 19 three.
TEST_F(OutputRunTest, TheListHoldsEveryAspectPageOfTheChart)
{
    frmMain& w = Start();
    ASSERT_TRUE(started);
    const struct {
        QDate date;
        const char* time;
        int pages;
    } runs[] = {{QDate(1941, 5, 8), "08:07:00", 5}, {QDate(1980, 8, 15), "10:30:00", 3}};
    for (const auto& r : runs) {
        w.txtDOB[0]->setDate(r.date);
        w.txtTOB[0]->setText(r.time);
        ASSERT_TRUE(PressPreview(w));
        const std::vector<std::string> keys = ListKeys(w.Preview()->ComboBox1);
        const auto at = [&](int page) { return std::find(keys.begin(), keys.end(), "AspPage" + std::to_string(page)); };
        ASSERT_NE(at(r.pages), keys.end()) << r.time;
        EXPECT_EQ(at(r.pages), at(1) + r.pages - 1);
        EXPECT_EQ(at(r.pages + 1), keys.end()) << r.time;
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(OutputRunTest, TheYearListIsBuiltAfreshOnEveryRun)
{
    frmMain& w = Start();
    ASSERT_TRUE(started);
    const struct {
        const char *from, *years;
        QStringList list;
    } runs[] = {
        {"2006", "3", {"2006", "2007", "2008"}},
        {"2006", "3", {"2006", "2007", "2008"}},
        {"2030", "1", {"2030"}},
        // A count the box has not yet corrected: no years, the pages still show.
        {"2030", "0", {}},
    };
    for (const auto& r : runs) {
        SCOPED_TRACE(std::string(r.from) + " " + r.years);
        w.txtVFrom->setText(QString::fromLatin1(r.from));
        w.txtVYears->setText(QString::fromLatin1(r.years));
        ASSERT_TRUE(PressPreview(w));
        QStringList years;
        for (int k = 0; k < w.Preview()->ComboBox2->count(); ++k)
            years << w.Preview()->ComboBox2->itemText(k);
        EXPECT_EQ(years, r.list);
        EXPECT_EQ(w.Preview()->ComboBox2->currentIndex(), r.list.isEmpty() ? -1 : 0);
        EXPECT_EQ(OutputRun().VarshphalYear, QString::fromLatin1(r.from).toInt());
        EXPECT_EQ(OutputRun().VarshphalFrom, QString::fromLatin1(r.from).toInt());
        EXPECT_EQ(OutputRun().VarshphalYears, QString::fromLatin1(r.years).toInt());
    }
}

TEST_F(OutputRunTest, AHoroscopeRunTakesItsValuesFromTheEntries)
{
    frmMain& w = Start();
    ASSERT_TRUE(started);
    w.cmbAyanamsa->setCurrentIndex(1);
    w.cmbCharting->setCurrentIndex(1);
    w.cmbRahuKetu->setCurrentIndex(1);
    w.cmbLanguage->setCurrentIndex(0);
    w.txtDOB[0]->setDate(QDate(1970, 3, 5));
    w.txtTOB[0]->setText("14:30");   // typed, the box not yet left
    ASSERT_TRUE(w.cmbPlaces[0]->SelectText(QStringLiteral("Mumbai")));
    w.txtGotra->setText(QStringLiteral("Bharadwaj"));

    const struct {
        const char* yogini;
        double decimalYear;
    } cases[] = {
        {"05-Sep-1986", 1986 + 9 / 12.0 + 5 / 360.0},
        // No date in the box: the birth date.
        {"someday", 1970 + 3 / 12.0 + 5 / 360.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.yogini);
        w.txtYoginiFrom->setText(QString::fromLatin1(c.yogini));
        ASSERT_TRUE(PressPreview(w));
        EXPECT_DOUBLE_EQ(OutputRun().YoginiFrom, c.decimalYear);
    }

    // The time box is rewritten by the run's own check, before the caption.
    EXPECT_EQ(w.txtTOB[0]->text(), QStringLiteral("02:30:00 PM"));
    EXPECT_EQ(w.Preview()->windowTitle(), QStringLiteral("Ravi Kumar 5-March-1970 02:30:00 PM Mumbai India [82E30]"));
    const RunValues& run = OutputRun();
    EXPECT_EQ(run.BatchPrint, 0);
    EXPECT_FALSE(run.MatchMode);
    EXPECT_EQ(run.AyanamsaChoice, 1);
    EXPECT_FALSE(run.TrueNode);
    EXPECT_EQ(run.ChartStyle, 1);
    EXPECT_FALSE(run.LanguageHindi);
    EXPECT_EQ(run.LineStep, 250);
    EXPECT_EQ(run.BodyFontName, "Tarvik English");
    EXPECT_EQ(Native().Place, "Mumbai");
    EXPECT_EQ(std::tie(Native().Day, Native().Month, Native().Year, Native().Hour, Native().Minute),
              std::make_tuple(5, 3, 1970, 14, 30));
    EXPECT_EQ(Births().Gotra, "Bharadwaj");
    EXPECT_EQ(Births().BirthMoon, Chart().PlanetLongitudes[Moon]);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(OutputRunTest, AMatchComputesTheGirlFirstAndEndsWithTheBoy)
{
    frmMain& w = Start();
    ASSERT_TRUE(started);
    w.SSTab1->setCurrentIndex(1);
    w.txtName[0]->setText(QStringLiteral("Arjun"));
    w.txtName[1]->setText(QStringLiteral("Meera"));
    w.txtDOB[1]->setDate(QDate(1983, 3, 2));
    w.txtTOB[1]->setText(QStringLiteral("06:15:00 AM"));
    ChooseZone(w, 1, Nepal);
    w.cmbLanguage->setCurrentIndex(1);

    ASSERT_TRUE(PressPreview(w));
    EXPECT_EQ(w.Preview()->windowTitle(), QStringLiteral("Arjun vs Meera"));
    EXPECT_TRUE(OutputRun().MatchMode);
    EXPECT_TRUE(OutputRun().LanguageHindi);
    EXPECT_EQ(OutputRun().LineStep, 310);
    EXPECT_EQ(Native().Name, "Arjun");
    EXPECT_EQ(Native().Sex, "Male");
    EXPECT_EQ(Partner().Name, "Meera");
    EXPECT_EQ(Partner().Sex, "Female");
    EXPECT_EQ(Partner().Place, "Kathmandu");
    EXPECT_EQ(std::tie(Partner().Year, Partner().Hour), std::make_tuple(1983, 6));
    // The chart and the birth longitudes are the boy's; the girl's are kept aside.
    EXPECT_EQ(Births().BirthMoon, Chart().PlanetLongitudes[Moon]);
    EXPECT_NE(Match().PartnerLongitudes[Moon], Chart().PlanetLongitudes[Moon]);
    EXPECT_NEAR(Match().PartnerZoneMeridian, 86.25, 1e-9);
    EXPECT_TRUE(messages.messages.empty());
}

// The run reads the entries it is given, not the window: a place, a time and
// options that the window does not show are those of the chart.
TEST_F(OutputRunTest, ARunIsMadeFromTheEntriesItIsGiven)
{
    frmMain& w = Start();
    ASSERT_TRUE(started);
    RunEntries entries;
    entries.persons[0] = w.EntryOf(0);
    entries.persons[0].placeId = 1275339;   // Mumbai, while the window shows Delhi
    entries.persons[0].birthTime = QStringLiteral("14:30");
    entries.persons[0].birthDate = QDate(1970, 3, 5);
    entries.choices = {1, 1, 0, false};
    entries.family.gotra = QStringLiteral("Bharadwaj");
    entries.varshphalFrom = QStringLiteral("2030");
    entries.varshphalYears = QStringLiteral("2");
    entries.yoginiFrom = QStringLiteral("someday");

    const std::optional<PreparedRun> run = PrepareRun(entries);
    ASSERT_TRUE(run);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(w.cmbPlaces[0]->currentText(), QStringLiteral("Delhi"));
    EXPECT_EQ(Native().Place, "Mumbai");
    EXPECT_EQ(std::tie(Native().Day, Native().Month, Native().Year, Native().Hour, Native().Minute),
              std::make_tuple(5, 3, 1970, 14, 30));
    EXPECT_EQ(Births().Gotra, "Bharadwaj");
    const RunValues& values = OutputRun();
    EXPECT_EQ(std::tie(values.AyanamsaChoice, values.TrueNode, values.ChartStyle, values.LanguageHindi),
              std::make_tuple(1, false, 1, false));
    EXPECT_EQ(std::tie(values.VarshphalFrom, values.VarshphalYear, values.VarshphalYears), std::make_tuple(2030, 2030, 2));
    EXPECT_DOUBLE_EQ(values.YoginiFrom, 1970 + 3 / 12.0 + 5 / 360.0);
    std::vector<std::string> keys, expected;
    for (const CatalogueRow& row : run->pages)
        keys.push_back(row.key);
    for (const CatalogueRow& row : PageCatalogue(false, OutputKind::Preview, AspectPageCount(Chart())))
        expected.push_back(row.key);
    EXPECT_EQ(keys, expected);

    // In a match the girl is prepared first: her missing zone ends the run
    // before the boy's chart is begun.
    entries.match = true;
    entries.printing = true;
    entries.persons[1] = w.EntryOf(1);
    entries.persons[1].zoneId = 0;
    Native() = {};
    EXPECT_FALSE(PrepareRun(entries));
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Please select the Time Zone again for Female"});
    EXPECT_EQ(Native().Name, "");
    EXPECT_EQ(values.BatchPrint, 1);
}

// A border picture that cannot be read is told once a run, with what is
// wrong with it, and the pages go without a border; a picture mended since
// is read again and told no more.
TEST_F(OutputRunTest, ABorderPictureThatCannotBeReadIsToldOnceARun)
{
    frmMain& w = Start();
    ASSERT_TRUE(started);
    ASSERT_EQ(::mkfifo(folder.File("border-pipe.png").c_str(), 0600), 0);
    folder.Write("broken.png", "not a picture");
    fs::create_directory(folder.File("border-folder.png"));
    const struct {
        const char* file;
        const char* told;
    } cases[] = {
        {"missing.png", "was not found"},
        {"border-pipe.png", "is a named pipe (FIFO), not a picture file"},
        {"border-folder.png", "is a folder, not a picture file"},
        {"broken.png", "cannot be read as a picture"},
    };
    RunEntries entries;
    entries.persons[0] = w.EntryOf(0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Config().PrintBorder = true;
        Config().BorderFile = folder.File(c.file);
        messages.messages.clear();
        ASSERT_TRUE(PrepareRun(entries));
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_NE(messages.messages[0].find(folder.File(c.file)), std::string::npos) << messages.messages[0];
        EXPECT_NE(messages.messages[0].find(c.told), std::string::npos) << messages.messages[0];
        EXPECT_NE(messages.messages[0].find("without a border"), std::string::npos) << messages.messages[0];
    }
    // Mended: a picture now stands where none could be read.
    QImage picture(40, 60, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString(folder.File("missing.png"))));
    Config().BorderFile = folder.File("missing.png");
    messages.messages.clear();
    ASSERT_TRUE(PrepareRun(entries));
    EXPECT_TRUE(messages.messages.empty());
    // The border off, or the program's own border: nothing to tell.
    Config().PrintBorder = false;
    Config().BorderFile = folder.File("border-pipe.png");
    ASSERT_TRUE(PrepareRun(entries));
    Config().PrintBorder = true;
    Config().BorderFile = folder.File("swastik.wmf");
    ASSERT_TRUE(PrepareRun(entries));
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
