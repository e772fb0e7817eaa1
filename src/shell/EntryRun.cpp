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

bool PreparePerson(const PersonEntry& entry, int person, const RunEntries& run)
{
    try {
        if (!FillNativeBirth(entry, PersonWord(person)))
            return false;
    } catch (const DbError& e) {
        reporter().Message("The place of birth of " + entry.name.toStdString() + " cannot be read: " + e.what());
        return false;
    }
    const QDate today = QDate::currentDate();
    if (AgeQuestionDue(entry.birthDate, today) &&
        reporter().Ask(AgeQuestion(today.year() - Native().Year), Buttons::YesNo) != Answer::Yes)
        return false;
    const PersonRole role = !run.match ? PersonRole::Single : person == 1 ? PersonRole::Girl : PersonRole::Boy;
    try {
        const WaitCursor wait;
        if (ComputePerson(entry, run.choices.ayanamsa, role))
            return true;
        reporter().Message(InvalidTimeMessage);
    } catch (const std::exception& e) {
        reporter().Message("The chart of " + entry.name.toStdString() + " could not be computed: " + e.what());
    }
    return false;
}

} // namespace

std::optional<PreparedRun> PrepareRun(const RunEntries& entries)
{
    RunValues& run = OutputRun();
    run.BatchPrint = entries.printing ? 1 : 0;
    run.TrueNode = entries.choices.trueNode;
    run.VarshphalFrom = RoundedInt(Val(entries.varshphalFrom));
    run.VarshphalYear = run.VarshphalFrom;
    run.VarshphalYears = RoundedInt(Val(entries.varshphalYears));
    run.YoginiFrom = YoginiDecimalYear(entries.yoginiFrom, entries.persons[0].birthDate);
    run.MatchMode = entries.match;

    for (int i = entries.match ? 1 : 0; i >= 0; --i)
        if (!PreparePerson(entries.persons[static_cast<std::size_t>(i)], i, entries))
            return std::nullopt;
    SetFamily(entries.family);
    ApplyDisplayChoices(entries.choices);
    // Said once a run, not once a page.
    if (const std::string border = BorderMessage(); !border.empty())
        reporter().Message(border);

    return PreparedRun{PageCatalogue(entries.match, entries.printing ? OutputKind::Print : OutputKind::Preview,
                                     entries.match ? UsualAspectPages : AspectPageCount(Chart()))};
}

} // namespace tarvik
