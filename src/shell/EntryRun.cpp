#include "EntryRun.h"

#include "EntryRules.h"
#include "OutputRun.h"
#include "PageSettings.h"
#include "WaitCursor.h"
#include "core/Reporter.h"
#include "core/State.h"
#include "readings/Aspects.h"
#include "refdata/Database.h"

namespace tarvik {

namespace {

// One person's entries as the run is prepared from them, with the run's
// messages and the age question; nothing when they end the run.
std::optional<PersonInput> personInput(const PersonEntry& entry, int person)
{
    try {
        if (!FillNativeBirth(entry, PersonWord(person)))
            return std::nullopt;
    } catch (const DbError& e) {
        reporter().Message("The place of birth of " + entry.name.toStdString() + " cannot be read: " + e.what());
        return std::nullopt;
    }
    const QDate today = QDate::currentDate();
    if (AgeQuestionDue(entry.birthDate, today) &&
        reporter().Ask(AgeQuestion(today.year() - Native().Year), Buttons::YesNo) != Answer::Yes)
        return std::nullopt;
    std::optional<PersonInput> input = PersonInputOf(entry, Native());
    if (!input)
        reporter().Message(InvalidTimeMessage);
    return input;
}

} // namespace

std::optional<ListedRun> PrepareEntryRun(const RunEntries& entries)
{
    RunInput input;
    for (int i = entries.match ? 1 : 0; i >= 0; --i) {
        std::optional<PersonInput> person = personInput(entries.persons[static_cast<std::size_t>(i)], i);
        if (!person)
            return std::nullopt;
        if (i == 1)
            input.girl = std::move(person);
        else
            input.native = std::move(*person);
    }
    input.family = FamilyLinesOf(entries.family);
    input.ayanamsaChoice = entries.choices.ayanamsa;
    input.trueNode = entries.choices.trueNode;
    input.hindi = entries.choices.language == 1;
    input.chartStyle = entries.choices.charting;
    input.printing = entries.printing;
    input.varshphalFrom = RoundedInt(Val(entries.varshphalFrom));
    input.varshphalYears = RoundedInt(Val(entries.varshphalYears));
    input.yoginiFrom = YoginiDecimalYear(entries.yoginiFrom, entries.persons[0].birthDate);

    std::optional<PreparedRun> prepared;
    try {
        const WaitCursor wait;
        prepared = PrepareRun(input);
    } catch (const std::exception& e) {
        reporter().Message(e.what());
        return std::nullopt;
    }
    // Said once a run, not once a page.
    if (const std::string border = BorderMessage(); !border.empty())
        reporter().Message(border);

    const int aspectPages = entries.match ? UsualAspectPages : AspectPageCount(prepared->chart);
    return ListedRun{std::move(*prepared),
                     PageCatalogue(entries.match, entries.printing ? OutputKind::Print : OutputKind::Preview,
                                   aspectPages)};
}

} // namespace tarvik
