#include "HoroscopeFile.h"

#include "EntryRules.h"
#include "TextFile.h"
#include "core/Reporter.h"
#include "refdata/Database.h"
#include "refdata/Places.h"

#include <limits>

namespace tarvik {

namespace {

constexpr const char* HoroscopeMark = "Horo";
constexpr const char* MatchMark = "Match";

// The dates the birth-date boxes take.
const QDate FirstDate(1800, 1, 1);
const QDate LastDate(2199, 12, 31);

// Reads the lines in order; the first failure is kept with its line number.
class LineReader {
public:
    explicit LineReader(const QStringList& lines) : lines_(lines) {}

    bool Failed() const { return !problem_.empty(); }
    const std::string& Problem() const { return problem_; }

    QString Text(const char* what, int longest = -1)
    {
        const QString* line = Next(what);
        if (!line)
            return {};
        // Leading blanks are the file's own padding, never part of a value.
        QString text = *line;
        while (!text.isEmpty() && text.front() == u' ')
            text.remove(0, 1);
        if (longest >= 0 && text.size() > longest)
            Fail(std::string(what) + " is longer than " + std::to_string(longest) + " characters");
        return text;
    }

    int Position(const char* what, int count)
    {
        return static_cast<int>(
            Whole(what, 0, count - 1, " should be a list position from 0 to " + std::to_string(count - 1)));
    }

    long long Id(const char* what)
    {
        return Whole(what, 1, std::numeric_limits<long long>::max(), " should be a row number of the database");
    }

    QDate Date(const char* what)
    {
        const QString text = Text(what);
        if (Failed())
            return {};
        const std::optional<QDate> date = ReadDateEntry(text);
        if (!date || *date < FirstDate || *date > LastDate) {
            Fail(std::string(what) + " should be a date from 1800 to 2199, such as 15-Aug-1980");
            return {};
        }
        return *date;
    }

    QString Time(const char* what)
    {
        const QString text = Text(what);
        if (Failed())
            return {};
        const std::optional<QTime> time = ReadTimeEntry(text);
        if (!time) {
            Fail(std::string(what) + " should be a time such as 10:30:00 AM");
            return {};
        }
        return TimeEntryText(*time);
    }

    // Refuses the line read last.
    void Fail(const std::string& what)
    {
        if (!Failed())
            problem_ = "line " + std::to_string(next_) + ": " + what;
    }

private:
    long long Whole(const char* what, long long low, long long high, const std::string& rule)
    {
        const QString* line = Next(what);
        if (!line)
            return 0;
        const std::optional<long long> value = ReadPrintedInteger(*line);
        if (!value || *value < low || *value > high) {
            Fail(what + rule);
            return 0;
        }
        return *value;
    }

    const QString* Next(const char* what)
    {
        if (Failed())
            return nullptr;
        if (next_ >= lines_.size()) {
            problem_ = "the file ends before " + std::string(what);
            return nullptr;
        }
        return &lines_[next_++];
    }

    const QStringList& lines_;
    qsizetype next_ = 0;
    std::string problem_;
};

std::string Whose(const HoroscopeEntries& entries, int person)
{
    if (!entries.match)
        return "the person's";
    return person == 0 ? "the boy's" : "the girl's";
}

} // namespace

QStringList HoroscopeFileLines(const HoroscopeEntries& e)
{
    QStringList lines{QString::fromLatin1(e.match ? MatchMark : HoroscopeMark)};
    for (int i = 0; i < (e.match ? 2 : 1); ++i) {
        const HoroscopePerson& p = e.persons[static_cast<std::size_t>(i)];
        lines << p.name << DateEntryText(p.birthDate) << p.birthTime << PrintedNumber(p.sexIndex)
              << PrintedNumber(p.zoneId) << PrintedNumber(p.placeId) << PrintedNumber(p.warSign)
              << PrintedNumber(p.warHours) << PrintedNumber(p.warMinutes);
    }
    lines << PrintedNumber(e.ayanamsa) << PrintedNumber(e.charting) << PrintedNumber(e.language)
          << e.varshphalFrom << e.varshphalYears << e.father << e.mother << e.grandfather << e.gotra;
    return lines;
}

std::optional<HoroscopeEntries> ReadHoroscopeFile(const QStringList& lines, std::string& problem)
{
    LineReader read(lines);
    HoroscopeEntries e;
    e.match = read.Text("the mode") != QLatin1String(HoroscopeMark);
    for (int i = 0; i < (e.match ? 2 : 1); ++i) {
        HoroscopePerson& p = e.persons[static_cast<std::size_t>(i)];
        p.name = read.Text("the name");
        p.birthDate = read.Date("the birth date");
        p.birthTime = read.Time("the birth time");
        p.sexIndex = read.Position("the sex", 2);
        p.zoneId = read.Id("the time zone");
        p.placeId = read.Id("the place");
        p.warSign = read.Position("the war-time correction's sign", 2);
        p.warHours = read.Position("the war-time correction's hours", 24);
        p.warMinutes = read.Position("the war-time correction's minutes", 60);
    }
    e.ayanamsa = read.Position("the ayanamsa", 3);
    e.charting = read.Position("the chart style", 2);
    e.language = read.Position("the language", 2);
    // What the boxes make of these when typed; a number they refuse is shown
    // and refused where the box is checked (leaving it, a run).
    e.varshphalFrom =
        CheckedVarshphalFrom(read.Text("the first varshphal year", VarshphalBoxLength), QDate::currentDate().year());
    e.varshphalYears = CheckedVarshphalYears(read.Text("the number of varshphal years", VarshphalBoxLength));
    e.father = read.Text("the father's name", FamilyBoxLength);
    e.mother = read.Text("the mother's name", FamilyBoxLength);
    e.grandfather = read.Text("the grandfather's name", FamilyBoxLength);
    e.gotra = read.Text("the gotra", FamilyBoxLength);
    if (read.Failed()) {
        problem = read.Problem();
        return std::nullopt;
    }
    return e;
}

std::vector<std::string> DropMissingRows(HoroscopeEntries& e)
{
    std::vector<std::string> missing;
    for (int i = 0; i < (e.match ? 2 : 1); ++i) {
        HoroscopePerson& p = e.persons[static_cast<std::size_t>(i)];
        if (!FindCountry(p.zoneId)) {
            missing.push_back(Whose(e, i) + " time zone (Country ID " + std::to_string(p.zoneId) +
                              ") is not in the database");
            p.zoneId = 0;
            p.placeId = 0;
            continue;
        }
        const std::optional<PlaceRow> place = FindPlace(p.placeId);
        if (!place) {
            missing.push_back(Whose(e, i) + " place of birth (Place ID " + std::to_string(p.placeId) +
                              ") is not in the database");
            p.placeId = 0;
        } else if (place->countryId != p.zoneId) {
            missing.push_back(Whose(e, i) + " place of birth, " + place->name +
                              ", does not lie in the time zone (Country ID " + std::to_string(p.zoneId) + ")");
            p.placeId = 0;
        }
    }
    return missing;
}

QString HoroscopeFile::Caption() const { return name_.isEmpty() ? QStringLiteral("...New") : name_; }

void HoroscopeFile::StartNew(const HoroscopeEntries& entries)
{
    name_.clear();
    last_ = Kept(entries);
}

std::optional<HoroscopeEntries> HoroscopeFile::Read(const QString& path, std::vector<std::string>& missing) const
{
    std::string problem;
    std::optional<HoroscopeEntries> entries;
    if (const std::optional<QStringList> lines = ReadTextLines(path, problem))
        entries = ReadHoroscopeFile(*lines, problem);
    try {
        if (entries)
            missing = DropMissingRows(*entries);
    } catch (const DbError& e) {
        problem = e.what();
        entries.reset();
    }
    if (!entries)
        reporter().Message("The horoscope file " + path.toStdString() + " cannot be opened: " + problem +
                           ". Nothing was changed.");
    return entries;
}

void HoroscopeFile::Opened(const QString& path, const HoroscopeEntries& onScreen)
{
    name_ = path;
    last_ = Kept(onScreen);
}

bool HoroscopeFile::Save(const QString& path, const HoroscopeEntries& entries)
{
    if (const std::optional<std::string> failed = WriteTextLines(path, HoroscopeFileLines(entries))) {
        reporter().Message("The horoscope could not be saved as " + path.toStdString() + ": " + *failed + ".");
        return false;
    }
    Opened(path, entries);
    return true;
}

namespace {

// A person's name as part of a file name: no folder separators.
QString FileNamePart(QString name)
{
    name.replace(u'/', u'-');
    name.replace(u'\\', u'-');
    return name.trimmed();
}

} // namespace

QString HoroscopeFile::ProposedName(const HoroscopeEntries& entries)
{
    const QString first = FileNamePart(entries.persons[0].name);
    return entries.match ? first + QStringLiteral(", ") + FileNamePart(entries.persons[1].name) : first;
}

std::string HoroscopeFile::MissingRowsMessage(const QString& path, const std::vector<std::string>& missing)
{
    std::string said;
    for (const std::string& m : missing)
        said += (said.empty() ? "" : "; ") + m;
    return "The horoscope file " + path.toStdString() + " was opened, but " + said +
           ". Please choose the missing time zone or place in its list.";
}

} // namespace tarvik
