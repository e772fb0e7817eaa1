#pragma once

#include "BirthRecord.h"
#include "ChartState.h"
#include "RunChoices.h"

#include <array>
#include <string>
#include <vector>

namespace tarvik {

// The war-time correction as entered: [0] signed hours, [1] minutes, [2] seconds.
// The sign is the sign of [0] even without hours: "-0:30" is {-0.0, 30, 0}.
using WarTime = std::array<double, 3>;

// Birth records and the copies the output run takes of them.
struct BirthState {
    BirthRecord Native;     // the person CalcChart computes (the boy in a match)
    BirthRecord Partner;    // the girl in Match-Making mode
    WarTime NativeWarTime{};
    WarTime PartnerWarTime{};

    // Birth longitudes in traditional order, copied after every output-run chart.
    double BirthAyanamsa = 0, BirthLagna = 0, BirthSun = 0, BirthMoon = 0, BirthMars = 0,
           BirthMercury = 0, BirthJupiter = 0, BirthVenus = 0, BirthSaturn = 0,
           BirthRahu = 0, BirthKetu = 0, BirthUranus = 0, BirthNeptune = 0, BirthPluto = 0;

    // Family particulars of the first person, printed on the Basic page as typed.
    std::string Father, Mother, Grandfather, Gotra;
};

// The girl's results, saved aside in Match-Making mode before the boy's run.
struct MatchCopies {
    int PartnerSaptavargaSigns[14][8]{};
    int NativeSaptavargaSigns[14][8]{};
    std::array<double, 27> PartnerLongitudes{};
    std::array<double, 13> PartnerCusps{};
    std::array<double, 13> PartnerSandhis{};
    double PartnerSiderealTime = 0;
    std::array<double, 5> PartnerSunTimes{};
    std::array<double, 7> PartnerPanchang{};
    double PartnerPlaceLongitude = 0;
    double PartnerZoneMeridian = 0;
};

// Settings kept between sessions (page settings and the owner's lines).
struct Settings {
    int LeftMarginTwips = 1440;
    int TopMarginTwips = 1008;
    double FooterTop = 10.5;        // inches
    bool PrintBorder = true;
    std::string BorderFile;         // program folder + "/swastik.wmf" by default
    std::array<std::string, 4> OwnerLines{}; // 1..3 the owner's lines ([0] unused)
};

// Values set by each output run, and the display conventions of its language.
struct RunValues {
    int AyanamsaChoice = 0;         // 0 N.C.Lahiri, 1 K.P., 2 B.V. Raman
    bool TrueNode = true;
    int ChartStyle = 0;             // 0 North Indian, 1 South Indian
    bool MatchMode = false;
    int BatchPrint = 0;             // 1 for a print run, 0 for a preview run
    bool PageStarted = false;
    int PagesPrinted = 0;
    std::vector<std::string> PageKeys = std::vector<std::string>(312);

    int VarshphalYear = 0;
    int VarshphalFrom = 0;
    int VarshphalYears = 1;
    double YoginiFrom = 0;          // decimal year

    bool LanguageHindi = true;
    std::string PunctColon = ":", PunctDash = "-", PunctSlash = "/",
                PunctOpen = "(", PunctClose = ")", PunctPlus = "+";
    double LineStep = 250;          // twips
    std::string EnglishFontName = "Tarvik English";
    int EnglishFontSize = 10;
    std::string BodyFontName = "Tarvik English";
    int BodyFontSize = 9;
    double OutputScale = 1.0;
    int PageWidth = 11600;          // twips

    // The choices of this run that the computations and texts are given.
    RunChoices Choices() const
    {
        return {AyanamsaChoice, TrueNode, LanguageHindi, PunctColon, PunctDash, PunctSlash};
    }
};

struct ProgramState {
    BirthState births;
    MatchCopies match;
    Settings settings;
    RunValues run;
    ChartState chart;
    std::string ProgramFolder = ".";  // where the executables and databases live
};

// The one program-wide state; tests reset it between cases.
ProgramState& Program();
void ResetProgramState();

inline BirthState& Births() { return Program().births; }
inline BirthRecord& Native() { return Program().births.Native; }
inline BirthRecord& Partner() { return Program().births.Partner; }
inline ChartState& Chart() { return Program().chart; }
inline RunValues& OutputRun() { return Program().run; }
inline Settings& Config() { return Program().settings; }
inline MatchCopies& Match() { return Program().match; }

// The display conventions of a language: punctuation, line step, fonts.
// Hindi is drawn with a Unicode Devanagari font, so its marks are plain ones.
// The run's values with those of a language, and the same into the run.
RunValues WithDisplayConventions(RunValues run, bool hindi);
void ApplyDisplayConventions(bool hindi);

} // namespace tarvik
