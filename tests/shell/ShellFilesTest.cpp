// The shell's files and rules free of windows: the text files, the horoscope
// file's lines, page sets, the pages of a print run and the page settings.

#include "refdata/RefdataFixture.h"

#include "core/Reporter.h"
#include "core/State.h"
#include "shell/EntryRules.h"
#include "shell/HoroscopeFile.h"
#include "shell/PageSet.h"
#include "shell/PageSettings.h"
#include "shell/PrintRun.h"
#include "shell/StoredSettings.h"
#include "shell/TextFile.h"

#include "FailingWrites.h"

#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <csignal>
#include <fstream>
#include <iostream>
#include <sstream>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

QStringList Lines(std::initializer_list<const char*> lines)
{
    QStringList list;
    for (const char* l : lines)
        list << QString::fromUtf8(l);
    return list;
}

TEST(TextFileTest, NumbersArePrintedWithTheirSignBlank)
{
    EXPECT_EQ(PrintedNumber(1), QStringLiteral(" 1 "));
    EXPECT_EQ(PrintedNumber(0), QStringLiteral(" 0 "));
    EXPECT_EQ(PrintedNumber(1273294), QStringLiteral(" 1273294 "));
    EXPECT_EQ(PrintedNumber(-3), QStringLiteral("-3 "));

    const struct {
        const char* text;
        std::optional<long long> value;
    } reads[] = {{" 1 ", 1}, {"12", 12}, {"-3 ", -3}, {"  0", 0}, {"", std::nullopt},
                 {"1.5", std::nullopt}, {"x", std::nullopt}, {"1 2", std::nullopt}};
    for (const auto& r : reads)
        EXPECT_EQ(ReadPrintedInteger(QString::fromLatin1(r.text)), r.value) << r.text;
}

TEST(TextFileTest, LinesAreWrittenWithCrLfAndReadBackAsTheyWere)
{
    ScratchFolder folder;
    const QString path = QString::fromStdString(folder.File("a.txt"));
    const QStringList lines = Lines({"Horo", "Asha, Rao", "", "\xe0\xa4\x97\xe0\xa5\x8b\xe0\xa4\xa4\xe0\xa5\x8d\xe0\xa4\xb0", " 1 "});
    ASSERT_EQ(WriteTextLines(path, lines), std::nullopt);
    EXPECT_EQ(Bytes(path.toStdString()), "Horo\r\nAsha, Rao\r\n\r\n\xe0\xa4\x97\xe0\xa5\x8b\xe0\xa4\xa4\xe0\xa5\x8d\xe0\xa4\xb0\r\n 1 \r\n");
    std::string error;
    EXPECT_EQ(ReadTextLines(path, error), lines);

    // Files from elsewhere: LF line ends, no line end at the end, 8-bit text.
    const struct {
        const char* what;
        std::string bytes;
        QStringList lines;
    } others[] = {
        {"LF", "a\nb\n", Lines({"a", "b"})},
        {"no final line end", "a\r\nb", Lines({"a", "b"})},
        {"empty", "", {}},
        {"Latin-1", "Jos\xe9\r\n", {QStringLiteral("Jos\u00e9")}},
    };
    for (const auto& o : others) {
        folder.Write("b.txt", o.bytes);
        EXPECT_EQ(ReadTextLines(QString::fromStdString(folder.File("b.txt")), error), o.lines) << o.what;
    }
}

TEST(TextFileTest, AFileThatCannotBeWrittenOrReadSaysWhy)
{
    ScratchFolder folder;
    EXPECT_NE(WriteTextLines(QString::fromStdString(folder.File("missing/a.txt")), {"x"}), std::nullopt);
    EXPECT_TRUE(fs::is_empty(folder.Path()));

    std::string error;
    EXPECT_EQ(ReadTextLines(QString::fromStdString(folder.File("none.txt")), error), std::nullopt);
    EXPECT_FALSE(error.empty());
    folder.Write("big.txt", std::string(2 << 20, 'x'));
    error.clear();
    EXPECT_EQ(ReadTextLines(QString::fromStdString(folder.File("big.txt")), error), std::nullopt);
    EXPECT_NE(error.find("too large"), std::string::npos);
}

TEST(TextFileTest, AWriteThatFailsPartWayKeepsTheOldFileAndSaysWhy)
{
    const std::string oldHoroscope = "Horo\r\nold\r\n";
    const std::string oldSettings = "[Settings]\nOwner%20Name=Old Owner\nTop%20Margin=0.5\n";
    for (FailingWrites::Way way : {FailingWrites::Way::SizeLimit, FailingWrites::Way::FullDisk}) {
        FailingWrites place(way);
        place.Start({{"a.TVK", oldHoroscope}, {"settings.ini", oldSettings}});
        if (!place.Ready()) {
            std::cout << "[  SKIPPED ] no small file system can be mounted here\n";
            continue;
        }
        SCOPED_TRACE(place.Reason());
        // Far less than the buffer of a file, more than the room left.
        const QStringList lines(40, QStringLiteral("a line of the new horoscope file"));
        const std::optional<std::string> failed = WriteTextLines(QString::fromStdString(place.File("a.TVK")), lines);
        ASSERT_NE(failed, std::nullopt);
        EXPECT_NE(failed->find(place.Reason()), std::string::npos) << *failed;
        EXPECT_EQ(Bytes(place.File("a.TVK")), oldHoroscope);

        // The settings are composed beside their file: the draft meets the
        // full disk or the limit first, and the reason is the system's.
        const std::optional<std::string> settingsFailed =
            WriteSettings(QString::fromStdString(place.File("settings.ini")),
                          {{"Owner Address", QString(200, u'x')}, {"Owner Phones", QStringLiteral("0562 123456")}});
        ASSERT_NE(settingsFailed, std::nullopt);
        EXPECT_NE(settingsFailed->find(place.Reason()), std::string::npos) << *settingsFailed;
        EXPECT_EQ(settingsFailed->find("draft"), std::string::npos) << *settingsFailed;
        EXPECT_EQ(Bytes(place.File("settings.ini")), oldSettings);
    }
}

// A full scratch folder (/tmp) stops no saving of the settings: they are
// composed beside their file.
TEST(TextFileTest, SettingsAreSavedWhenTheScratchFolderIsFull)
{
    ScratchFolder home;
    FailingWrites full(FailingWrites::Way::FullDisk);
    full.Start({});
    if (!full.Ready())
        GTEST_SKIP() << "no small file system can be mounted here";
    const QByteArray tmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QByteArray::fromStdString(full.File("")));
    const QString file = QString::fromStdString(home.File("config/settings.ini"));
    const std::optional<std::string> failed =
        WriteSettings(file, {{"Owner Name", QStringLiteral("Sharma Jyotish")}});
    if (tmp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", tmp);
    ASSERT_EQ(failed, std::nullopt) << *failed;
    QSettings stored(file, QSettings::IniFormat);
    EXPECT_EQ(stored.value(QStringLiteral("Settings/Owner Name")).toString(), QStringLiteral("Sharma Jyotish"));
    EXPECT_EQ(std::distance(fs::directory_iterator(home.File("config")), fs::directory_iterator()), 1)
        << "a draft was left beside the settings";
}

TEST(TextFileTest, OnlyRegularFilesAreRead)
{
    ScratchFolder folder;
    ASSERT_EQ(::mkfifo(folder.File("pipe.TVK").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", folder.File("zeros.THM"));
    for (const std::string& path : {std::string("/dev/zero"), std::string("/dev/null"), std::string("/tmp"),
                                    folder.File("pipe.TVK"), folder.File("zeros.THM")}) {
        std::string error;
        EXPECT_EQ(ReadTextLines(QString::fromStdString(path), error), std::nullopt) << path;
        EXPECT_NE(error.find("not a file"), std::string::npos) << path << ": " << error;
    }
}

// A save through a symbolic link replaces the regular file the link names
// and keeps the link; a link to anything else, or anything else in the
// file's place, is refused with a message, and stays as it was.
TEST(TextFileTest, ASaveThroughALinkReplacesOnlyARegularFile)
{
    ScratchFolder folder;
    folder.Write("real.TVK", "old\r\n");
    ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0600), 0);
    fs::create_directory(folder.File("folder"));
    // A device node of the scratch folder's own (a null device), where the
    // process may make one.
    const bool device = ::mknod(folder.File("device").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    const struct {
        const char* what;
        const char* target;      // the link's target, or nullptr: the path itself is the thing
        const char* path;
        fs::file_type kept;      // what stands at the target afterwards
    } cases[] = {
        {"a link to a regular file", "real.TVK", "link.TVK", fs::file_type::regular},
        {"a link to a named pipe", "pipe", "pipe-link.TVK", fs::file_type::fifo},
        {"a link to a device", "device", "device-link.TVK", fs::file_type::character},
        {"a link to a folder", "folder", "folder-link.TVK", fs::file_type::directory},
        {"a named pipe", nullptr, "pipe", fs::file_type::fifo},
        {"a folder", nullptr, "folder", fs::file_type::directory},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (std::string(c.what).find("device") != std::string::npos && !device)
            continue;
        if (c.target)
            fs::create_symlink(folder.File(c.target), folder.File(c.path));
        const std::string target = folder.File(c.target ? c.target : c.path);
        const QString path = QString::fromStdString(folder.File(c.path));
        const std::optional<std::string> textFailed = WriteTextLines(path, {QStringLiteral("new")});
        const std::optional<std::string> settingsFailed = WriteSettings(path, ChoiceSettings({0, 0, 1, true}));
        CollectingReporter messages;
        {
            ScopedReporter collect(messages);
            HoroscopeFile file;
            EXPECT_EQ(file.Save(path, HoroscopeEntries{}), c.kept == fs::file_type::regular);
        }
        EXPECT_EQ(fs::symlink_status(folder.File(c.path)).type(),
                  c.target ? fs::file_type::symlink : c.kept);
        EXPECT_EQ(fs::status(target).type(), c.kept);
        if (c.kept == fs::file_type::regular) {
            EXPECT_EQ(textFailed, std::nullopt);
            EXPECT_EQ(settingsFailed, std::nullopt);
            EXPECT_TRUE(messages.messages.empty());
            continue;
        }
        for (const std::optional<std::string>& failed : {textFailed, settingsFailed}) {
            ASSERT_NE(failed, std::nullopt);
            EXPECT_NE(failed->find("not a file"), std::string::npos) << *failed;
        }
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_NE(messages.messages[0].find(path.toStdString()), std::string::npos) << messages.messages[0];
        EXPECT_NE(messages.messages[0].find("not a file"), std::string::npos) << messages.messages[0];
    }
}

HoroscopeEntries SampleHoroscope()
{
    HoroscopeEntries e;
    e.persons[0] = {QStringLiteral("Ravi Kumar"), QDate(1980, 8, 15), QStringLiteral("10:30:00 AM"), 0, 221122, 1273294,
                    1, 1, 30};
    e.ayanamsa = 2;
    e.charting = 1;
    e.language = 0;
    e.varshphalFrom = QStringLiteral("2024");
    e.varshphalYears = QStringLiteral("3");
    e.father = QStringLiteral("Suresh Kumar");
    e.mother = QStringLiteral("Kamla Devi");
    e.grandfather = QStringLiteral("Ram Prasad");
    e.gotra = QStringLiteral("Kashyap");
    return e;
}

HoroscopeEntries SampleMatch()
{
    HoroscopeEntries e = SampleHoroscope();
    e.match = true;
    e.persons[1] = {QStringLiteral("Meera"), QDate(1983, 3, 2), QStringLiteral("07:05:09 PM"), 1, 1282988, 1283240,
                    0, 0, 0};
    return e;
}

TEST(HoroscopeFileTest, AHoroscopeTakesNineteenLinesAndAMatchTwentyEight)
{
    EXPECT_EQ(HoroscopeFileLines(SampleHoroscope()),
              Lines({"Horo", "Ravi Kumar", "15-Aug-1980", "10:30:00 AM", " 0 ", " 221122 ", " 1273294 ", " 1 ", " 1 ",
                     " 30 ", " 2 ", " 1 ", " 0 ", "2024", "3", "Suresh Kumar", "Kamla Devi", "Ram Prasad",
                     "Kashyap"}));
    const QStringList match = HoroscopeFileLines(SampleMatch());
    ASSERT_EQ(match.size(), 28);
    EXPECT_EQ(match[0], QStringLiteral("Match"));
    EXPECT_EQ(match.mid(10, 9), Lines({"Meera", "02-Mar-1983", "07:05:09 PM", " 1 ", " 1282988 ", " 1283240 ",
                                       " 0 ", " 0 ", " 0 "}));

    for (HoroscopeEntries e : {SampleHoroscope(), SampleMatch()}) {
        // A comma in a text survives: every value has its own line.
        e.persons[0].name = QStringLiteral("Kumar, Ravi");
        e.gotra = QStringLiteral("Vatsa, Bhrigu");
        std::string problem;
        EXPECT_EQ(ReadHoroscopeFile(HoroscopeFileLines(e), problem), e) << problem;
    }
}

TEST(HoroscopeFileTest, ADamagedFileIsRefusedWithTheLineAtFault)
{
    const QStringList good = HoroscopeFileLines(SampleHoroscope());
    const auto with = [&](int line, const char* text) {
        QStringList lines = good;
        lines[line - 1] = QString::fromUtf8(text);
        return lines;
    };
    const struct {
        const char* what;
        QStringList lines;
        const char* problem;
    } cases[] = {
        {"empty", {}, "the file ends before the mode"},
        {"cut short", good.mid(0, 12), "the file ends before the language"},
        {"a date that is none", with(3, "31-Feb-1980"), "line 3: the birth date should be a date"},
        {"a date out of the box's range", with(3, "01-Jan-1700"), "line 3: the birth date should be a date"},
        {"a time that is none", with(4, "25:00"), "line 4: the birth time should be a time"},
        {"a sex beyond the list", with(5, " 2 "), "line 5: the sex should be a list position from 0 to 1"},
        {"a zone that is no number", with(6, "India"), "line 6: the time zone should be a row number"},
        {"no place", with(7, " 0 "), "line 7: the place should be a row number"},
        {"25 hours of war time", with(9, " 24 "), "line 9: the war-time correction's hours should be"},
        {"a fourth ayanamsa", with(11, " 3 "), "line 11: the ayanamsa should be a list position from 0 to 2"},
        {"a year the box cannot take", with(14, "20245"), "line 14: the first varshphal year is longer than 4"},
        {"a gotra the box cannot take", with(19, "Bharadwaja Angirasa"), "line 19: the gotra is longer than 18"},
        // Only "Horo" opens a horoscope: anything else is a match, which
        // reads the options as the girl.
        {"horo", with(1, "horo"), "line 12: the birth date should be a date"},
    };
    for (const auto& c : cases) {
        std::string problem;
        EXPECT_EQ(ReadHoroscopeFile(c.lines, problem), std::nullopt) << c.what;
        EXPECT_EQ(problem.rfind(c.problem, 0), 0u) << c.what << ": " << problem;
    }
}

// The annual-chart lines are what their boxes make of them, never a reason
// to refuse the file: numbers the boxes refuse are refused at a run.
TEST(HoroscopeFileTest, TheAnnualChartLinesTakeTheirBoxesRules)
{
    const int thisYear = QDate::currentDate().year();
    const struct {
        int line;
        const char* text;
        QString from, years;
    } cases[] = {
        {14, "", CheckedVarshphalFrom({}, thisYear), SampleHoroscope().varshphalYears},
        {14, "1799", CheckedVarshphalFrom(QStringLiteral("1799"), thisYear), SampleHoroscope().varshphalYears},
        {14, "1e8", CheckedVarshphalFrom(QStringLiteral("1e8"), thisYear), SampleHoroscope().varshphalYears},
        {15, "0", SampleHoroscope().varshphalFrom, CheckedVarshphalYears(QStringLiteral("0"))},
        {15, "1e9", SampleHoroscope().varshphalFrom, QStringLiteral("1e9")},
    };
    for (const auto& c : cases) {
        QStringList lines = HoroscopeFileLines(SampleHoroscope());
        lines[c.line - 1] = QString::fromLatin1(c.text);
        std::string problem;
        const std::optional<HoroscopeEntries> e = ReadHoroscopeFile(lines, problem);
        ASSERT_TRUE(e) << c.text << ": " << problem;
        EXPECT_EQ(e->varshphalFrom, c.from) << c.text;
        EXPECT_EQ(e->varshphalYears, c.years) << c.text;
    }
}

TEST(HoroscopeFileTest, LeadingBlanksAndOtherTimeFormsAreRead)
{
    QStringList lines = HoroscopeFileLines(SampleHoroscope());
    lines[1] = QStringLiteral("  Ravi Kumar");
    lines[2] = QStringLiteral("15-aug-1980");
    lines[3] = QStringLiteral("10:30");
    lines[4] = QStringLiteral("0");
    std::string problem;
    EXPECT_EQ(ReadHoroscopeFile(lines, problem), SampleHoroscope()) << problem;
}

// The file the entries on screen are: what counts as a change since the last
// open or save, and a save that fails leaving the file and its entries.
TEST(HoroscopeFileTest, TheFileKnowsWhetherTheEntriesChangedSinceItWasLastSavedOrOpened)
{
    const ScratchFolder folder;
    CollectingReporter collector;
    const ScopedReporter scope(collector);
    HoroscopeFile file;
    EXPECT_TRUE(file.Changed(SampleHoroscope())) << "nothing remembered yet";
    file.StartNew(SampleHoroscope());
    EXPECT_EQ(file.Caption(), QStringLiteral("...New"));
    EXPECT_FALSE(file.Changed(SampleHoroscope()));

    // The girl of a horoscope is not kept, so she changes nothing.
    HoroscopeEntries girl = SampleHoroscope();
    girl.persons[1].name = QStringLiteral("Meera");
    EXPECT_FALSE(file.Changed(girl));
    HoroscopeEntries named = SampleHoroscope();
    named.persons[0].name = QStringLiteral("Asha");
    EXPECT_TRUE(file.Changed(named));

    const QString nowhere = QString::fromStdString(folder.File("no such folder/a.TVK"));
    EXPECT_FALSE(file.Save(nowhere, named));
    EXPECT_EQ(file.Name(), QString());
    EXPECT_TRUE(file.Changed(named));
    ASSERT_EQ(collector.messages.size(), 1u);

    const QString path = QString::fromStdString(folder.File("a.TVK"));
    ASSERT_TRUE(file.Save(path, SampleMatch()));
    EXPECT_EQ(file.Name(), path);
    EXPECT_EQ(file.Caption(), path);
    EXPECT_FALSE(file.Changed(SampleMatch()));
    EXPECT_TRUE(file.Changed(SampleHoroscope())) << "the mode is kept";
    std::string error;
    EXPECT_EQ(ReadTextLines(path, error), HoroscopeFileLines(SampleMatch()));

    file.Opened(QStringLiteral("b.TVK"), named);
    EXPECT_EQ(file.Name(), QStringLiteral("b.TVK"));
    EXPECT_FALSE(file.Changed(named));
}

TEST(HoroscopeFileTest, TheProposedNameHoldsNoFolderSeparators)
{
    HoroscopeEntries e = SampleMatch();
    e.persons[0].name = QStringLiteral(" A/B\\C ");
    EXPECT_EQ(HoroscopeFile::ProposedName(e), QStringLiteral("A-B-C, Meera"));
    e.match = false;
    EXPECT_EQ(HoroscopeFile::ProposedName(e), QStringLiteral("A-B-C"));
}

TEST(PageSetTest, ASetIsTwoLinesPerEntryAndLoadsBackIntoTheList)
{
    const std::vector<PageSetRecord> records = {{"Basic", true}, {"Yogini Maha 1", false}, {"VP", true}};
    const QStringList lines = PageSetLines(records);
    EXPECT_EQ(lines, Lines({"Basic", " 1 ", "Yogini Maha 1", " 0 ", "VP", " 1 "}));
    std::string problem;
    EXPECT_EQ(ReadPageSet(lines, problem), records);

    const std::vector<std::string> keys = {"Basic", "Nirayana", "Yogini Maha 1", "VP"};
    EXPECT_EQ(ApplyPageSet(keys, {false, true, true, false}, records), (std::vector<bool>{true, true, false, true}));
}

TEST(PageSetTest, RecordsApplyToTheFirstEntryOfTheirKeyAndOthersAreKept)
{
    const std::vector<std::string> horoscope = {"Basic", "Nirayana", "Sayana", "Basic"};
    const struct {
        const char* what;
        std::vector<PageSetRecord> records;
        std::vector<bool> chosen;
    } cases[] = {
        {"a later record of one key wins", {{"Basic", false}, {"Basic", true}}, {true, false, false, false}},
        {"a key the list lacks is skipped", {{"Interpret", true}, {"Sayana", true}}, {false, false, true, false}},
        // A match's set on a horoscope's list: the shared keys only.
        {"another mode's set",
         {{"Basic", true}, {"Nirayana", true}, {"Navamsa", true}, {"Interpret", true}, {"Result", true}},
         {true, true, false, false}},
        {"keys compare exactly", {{"basic", true}, {"NIRAYANA", true}}, {false, false, false, false}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ApplyPageSet(horoscope, {false, false, false, false}, c.records), c.chosen) << c.what;
}

TEST(PageSetTest, ADamagedSetIsRefused)
{
    const struct {
        const char* what;
        QStringList lines;
        const char* problem;
    } cases[] = {
        {"a key without its flag", Lines({"Basic", " 1 ", "Sayana"}), "the page \"Sayana\" on the last line"},
        {"a flag that is no number", Lines({"Basic", "yes"}), "line 2 should hold 1 or 0"},
        {"a horoscope file", Lines({"Horo", "Ravi Kumar", "15-Aug-1980"}), "line 2 should hold 1 or 0"},
    };
    for (const auto& c : cases) {
        std::string problem;
        EXPECT_EQ(ReadPageSet(c.lines, problem), std::nullopt) << c.what;
        EXPECT_EQ(problem.rfind(c.problem, 0), 0u) << c.what << ": " << problem;
    }
    // A file that is no page set at all (a picture, say) is told by its
    // lines, not by its bytes.
    const struct {
        const char* what;
        QByteArray bytes;
        const char* problem;
    } binary[] = {
        {"a picture", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01\0\r\x08\x06\n", 22),
         "line 2 should hold 1 or 0 for the page on line 1"},
        {"a long line", QByteArray(" 0 \r\n 1 \r\n") + QByteArray(300, 'x') + "\r\nno\r\n",
         "line 4 should hold 1 or 0 for the page on line 3"},
        {"bytes on the last line", QByteArray("Basic\r\n 1 \r\n\x01\x02\x03\rPK\x03\x04", 18),
         "the page on the last line has no flag after it"},
    };
    for (const auto& c : binary) {
        std::string problem;
        EXPECT_EQ(ReadPageSet(LinesOfText(c.bytes), problem), std::nullopt) << c.what;
        EXPECT_EQ(problem, c.problem) << c.what;
    }
    // A flag other than 1 reads as not chosen; an empty set is no damage.
    std::string problem;
    EXPECT_EQ(ReadPageSet(Lines({"Basic", " 2 ", "Sayana", "-1"}), problem),
              (std::vector<PageSetRecord>{{"Basic", false}, {"Sayana", false}}));
    EXPECT_EQ(ReadPageSet({}, problem), std::vector<PageSetRecord>{});
}

TEST(PrintRunTest, GroupsExpandAndTheAnnualChartsRepeatForEachYear)
{
    const std::vector<PrintStep> steps = PrintRunPages({"Basic", "VP", "RP", "AspPage", "Chara 1"}, 2024, 3);
    std::vector<PrintStep> expected = {{"Basic", std::nullopt}};
    for (int year : {2024, 2025, 2026})
        for (const char* page : {"VP1", "VP2", "VP3"})
            expected.push_back({page, year});
    for (const char* page : {"RashiP1", "RashiP2", "AspPage1", "AspPage2", "AspPage3", "AspPage4", "Chara 1"})
        expected.push_back({page, std::nullopt});
    EXPECT_EQ(steps, expected);

    EXPECT_EQ(PrintRunPages({"GenPage", "PP"}, 2024, 1),
              (std::vector<PrintStep>{{"GenPage1", {}}, {"GenPage2", {}}, {"GenPage3", {}}, {"PP1", {}}, {"PP2", {}},
                                      {"PP3", {}}}));
    EXPECT_EQ(PrintRunPages({"VP"}, 2024, 0), std::vector<PrintStep>{});
    EXPECT_EQ(PrintRunPages({}, 2024, 3), std::vector<PrintStep>{});

    // A chart with more than 28 aspects prints its further aspect pages.
    EXPECT_EQ(PrintRunPages({"AspPage"}, 2024, 1, 5),
              (std::vector<PrintStep>{{"AspPage1", {}}, {"AspPage2", {}}, {"AspPage3", {}}, {"AspPage4", {}},
                                      {"AspPage5", {}}}));
}

class PageSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }

    QString Stored(const char* key) const
    {
        QSettings store(file, QSettings::IniFormat);
        return store.value(QStringLiteral("Settings/") + QString::fromLatin1(key)).toString();
    }

    ScratchFolder folder;
    QString file = QString::fromStdString(folder.File("settings.ini"));
};

TEST_F(PageSettingsTest, EachBoxTakesNumbersInItsRange)
{
    const struct {
        InchBox box;
        const char* text;
        bool accepted;
    } cases[] = {
        {InchBox::LeftMargin, "2", true},     {InchBox::LeftMargin, "2.5", false}, {InchBox::LeftMargin, "0", true},
        {InchBox::LeftMargin, "-0.1", false}, {InchBox::LeftMargin, "0.70", true}, {InchBox::LeftMargin, " 1 ", true},
        {InchBox::LeftMargin, "abc", false},  {InchBox::LeftMargin, "", false},    {InchBox::TopMargin, "1 inch", false},
        {InchBox::TopMargin, "2.0001", false}, {InchBox::FooterTop, "10", true},   {InchBox::FooterTop, "11.5", true},
        {InchBox::FooterTop, "9", false},     {InchBox::FooterTop, "11.51", false}, {InchBox::FooterTop, "10,5", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InchesAccepted(c.box, QString::fromLatin1(c.text)), c.accepted) << c.text;

    Config().LeftMarginTwips = 1080;
    Config().TopMarginTwips = 1008;
    EXPECT_EQ(InchesFallback(InchBox::LeftMargin), QStringLiteral("0.75"));
    EXPECT_EQ(InchesFallback(InchBox::TopMargin), QStringLiteral("0.7"));
    // The footer goes to 10.21 inches, not to its default.
    EXPECT_EQ(InchesFallback(InchBox::FooterTop), QStringLiteral("10.21"));
}

TEST_F(PageSettingsTest, SavedSettingsAreStoredAsTypedAndTakeEffectInTwips)
{
    Config().BorderFile = folder.File("swastik.wmf");
    PageSettingsEntry e = PageSettingsInEffect();
    EXPECT_EQ(e.leftMargin, QStringLiteral("1"));
    EXPECT_EQ(e.topMargin, QStringLiteral("0.7"));
    EXPECT_EQ(e.footerTop, QStringLiteral("10.5"));

    e.leftMargin = QStringLiteral("0.70");
    e.topMargin = QStringLiteral("1.25");
    e.footerTop = QStringLiteral("11");
    e.printBorder = false;
    e.borderFile = QStringLiteral("/pictures/om.png");
    e.ownerLines = {QStringLiteral("Sharma Jyotish, Agra"), QStringLiteral("12 Mall Road"), QStringLiteral("0562 123456")};
    e.trueNode = false;
    ASSERT_EQ(CheckPageSettings(e), std::nullopt);
    ASSERT_EQ(SavePageSettings(file, e), std::nullopt);

    const std::pair<const char*, const char*> stored[] = {
        {"Left Margin", "0.70"}, {"Top Margin", "1.25"}, {"Footer Top Margin", "11"},
        {"Border", "0"}, {"Border File", "/pictures/om.png"}, {"Owner Name", "Sharma Jyotish, Agra"},
        {"Owner Address", "12 Mall Road"}, {"Owner Phones", "0562 123456"}, {"True Rahu", "0"},
    };
    for (const auto& [key, value] : stored)
        EXPECT_EQ(Stored(key), QString::fromLatin1(value)) << key;
    const Settings& s = Config();
    EXPECT_EQ(s.LeftMarginTwips, 1008);
    EXPECT_EQ(s.TopMarginTwips, 1800);
    EXPECT_DOUBLE_EQ(s.FooterTop, 11);
    EXPECT_FALSE(s.PrintBorder);
    EXPECT_EQ(s.BorderFile, "/pictures/om.png");
    EXPECT_EQ(s.OwnerLines[1], "Sharma Jyotish, Agra");
    EXPECT_EQ(s.OwnerLines[3], "0562 123456");
    EXPECT_FALSE(OutputRun().TrueNode);
    PageSettingsEntry shown = e;
    shown.leftMargin = QStringLiteral("0.7");   // shown from the twips in effect
    EXPECT_EQ(PageSettingsInEffect(), shown);

    // What start-up reads back is what took effect.
    ResetProgramState();
    QSettings store(file, QSettings::IniFormat);
    ReadSettings(store, folder.Path().string());
    EXPECT_EQ(Config().LeftMarginTwips, 1008);
    EXPECT_EQ(Config().OwnerLines[1], "Sharma Jyotish, Agra");
}

TEST_F(PageSettingsTest, SettingsThatCannotBeStoredChangeNothing)
{
    folder.Write("border.png", "not a picture");
    const struct {
        const char* what;
        std::function<void(PageSettingsEntry&)> enter;
        std::optional<SettingsProblem::Box> box;
    } cases[] = {
        {"a left margin of 2.5", [](auto& e) { e.leftMargin = QStringLiteral("2.5"); }, SettingsProblem::Box::LeftMargin},
        {"a top margin that is no number", [](auto& e) { e.topMargin = QStringLiteral("wide"); },
         SettingsProblem::Box::TopMargin},
        {"a footer at 9 inches", [](auto& e) { e.footerTop = QStringLiteral("9"); }, SettingsProblem::Box::FooterTop},
        {"a border picture that is none", [&](auto& e) { e.borderFile = QString::fromStdString(folder.File("border.png")); },
         SettingsProblem::Box::BorderFile},
        {"a border picture that is missing", [&](auto& e) { e.borderFile = QString::fromStdString(folder.File("no.png")); },
         SettingsProblem::Box::BorderFile},
        // Without the border, its picture is not read.
        {"no border", [&](auto& e) { e.printBorder = false; e.borderFile = QStringLiteral("/nowhere.bmp"); },
         std::nullopt},
        {"the program's own border", [&](auto& e) { e.borderFile = QStringLiteral("/elsewhere/SWASTIK.WMF"); },
         std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PageSettingsEntry e = PageSettingsInEffect();
        c.enter(e);
        const std::optional<SettingsProblem> problem = CheckPageSettings(e);
        ASSERT_EQ(problem.has_value(), c.box.has_value());
        if (problem) {
            EXPECT_EQ(problem->box, *c.box);
            EXPECT_FALSE(problem->message.empty());
        }
    }

    // A store that cannot be written: nothing takes effect.
    folder.Write("blocked", "");
    PageSettingsEntry e = PageSettingsInEffect();
    e.leftMargin = QStringLiteral("2");
    const std::optional<std::string> failed =
        SavePageSettings(QString::fromStdString(folder.File("blocked/settings.ini")), e);
    ASSERT_NE(failed, std::nullopt);
    EXPECT_NE(failed->find("blocked/settings.ini"), std::string::npos) << *failed;
    EXPECT_EQ(Config().LeftMarginTwips, 1440);
}

TEST_F(PageSettingsTest, TheFourChoicesAreStoredAsListPositions)
{
    ASSERT_EQ(WriteSettings(file, ChoiceSettings({2, 1, 0, false})), std::nullopt);
    EXPECT_EQ(Stored("Ayanamsa"), QStringLiteral("2"));
    EXPECT_EQ(Stored("Charting"), QStringLiteral("1"));
    EXPECT_EQ(Stored("Language"), QStringLiteral("0"));
    EXPECT_EQ(Stored("True Rahu"), QStringLiteral("0"));
    ASSERT_EQ(WriteSettings(file, ChoiceSettings({0, 0, 1, true})), std::nullopt);
    EXPECT_EQ(Stored("True Rahu"), QStringLiteral("1"));
    QSettings store(file, QSettings::IniFormat);
    EXPECT_EQ(ReadSettings(store, "/opt/tarvik"), (MainChoices{0, 0, 1, true}));
}

} // namespace
