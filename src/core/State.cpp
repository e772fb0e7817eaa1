#include "State.h"

#include <cctype>

namespace tarvik {

namespace {
ProgramState& instance()
{
    static ProgramState state;
    return state;
}

bool letterIs(const std::string& dir, char upper)
{
    return !dir.empty() && std::toupper(static_cast<unsigned char>(dir[0])) == upper;
}
} // namespace

ProgramState& Program() { return instance(); }

void ResetProgramState() { instance() = ProgramState{}; }

bool IsSouth(const std::string& dir) { return letterIs(dir, 'S'); }
bool IsWest(const std::string& dir) { return letterIs(dir, 'W'); }
bool IsEast(const std::string& dir) { return letterIs(dir, 'E'); }

RunValues WithDisplayConventions(RunValues run, bool hindi)
{
    run.LanguageHindi = hindi;
    run.PunctColon = ":";
    run.PunctDash = "-";
    run.PunctSlash = "/";
    run.PunctOpen = "(";
    run.PunctClose = ")";
    run.PunctPlus = "+";
    run.LineStep = run.OutputScale * (hindi ? 310 : 250);
    run.EnglishFontSize = 10;
    run.EnglishFontName = "Tarvik English";
    run.BodyFontName = hindi ? "Tarvik" : run.EnglishFontName;
    run.BodyFontSize = hindi ? 14 : 9;
    return run;
}

void ApplyDisplayConventions(bool hindi) { OutputRun() = WithDisplayConventions(OutputRun(), hindi); }

} // namespace tarvik
