#include "PageBuilders.h"

#include "Frame.h"
#include "TablePages.h"

namespace tarvik {

namespace {

// Placeholders of the dasha and interpretation pages: a heading where the
// page's own heading would stand, nothing where the dispatcher has printed it.

void vimshottariPlaceholder(Surface& surface, double, double, double, bool, const DashaSelection&)
{
    PrintPlaceholderHeading(surface, {}, "Vimshottari Dasha");
}

void selfFramed(Surface& surface, bool toPrinter, std::initializer_list<const char*> keys,
                const char* fallback)
{
    PrintPageFrame(surface, toPrinter);
    PrintPlaceholderHeading(surface, keys, fallback);
}

} // namespace

PageBuilders DefaultBuilders()
{
    PageBuilders b;
    b.PrintBasicPage = &PrintBasicPage;
    b.PrintPlanetTable = &PrintPlanetTable;
    b.PrintMatchNirayanaPage = &PrintMatchNirayanaPage;
    b.PrintCuspTable = &PrintCuspTable;
    b.PrintAspectGrid = &PrintAspectGrid;
    b.PrintBhavTable = &PrintBhavTable;
    b.PrintShodashvargaTable = &PrintShodashvargaTable;
    b.PrintAshtakvargaPage = &PrintAshtakvargaPage;
    b.PrintPlanetFriendship = &PrintPlanetFriendship;
    b.PrintSudarshanChakra = &PrintSudarshanChakra;

    b.PrintVimshottariDasha = &vimshottariPlaceholder;
    b.PrintVimshottariPratyantar = [](Surface& s, double, double, double, int, int) {
        PrintPlaceholderHeading(s, {"PRATYA"}, "Vimshottari Pratyantar");
    };
    b.PrintYoginiDasha = [](Surface& s, double, double, double, int) {
        PrintPlaceholderHeading(s, {"Yogini Dasha"}, "Yogini Dasha");
    };
    b.PrintSadeSatiPage1 = [](Surface&) {};
    b.PrintSadeSatiPage2 = [](Surface&) {};
    b.PrintManglikDosha = [](Surface& s) {
        PrintPlaceholderHeading(s, {"Manglik", "Consideration"}, "Manglik Consideration");
    };
    b.PrintTopicPredictions = [](Surface&, int) {};
    b.PrintPlanetInSignPredictions = [](Surface&, int) {};
    b.PrintSignInHousePredictions = [](Surface&, int) {};
    b.JaiminiPage = [](int, Surface& s) {
        PrintPlaceholderHeading(s, {"Chara Dasha"}, "Chara Dasha");
    };
    b.BuildAspectPredictions = [](Surface& s, int) {
        selfFramed(s, false, {"Aspect Predictions"}, "Aspect Predictions");
    };
    b.MatchMaking = [](const SunTimes&, const PanchangValues&, Surface& s, int mode) {
        if (mode == 1)
            selfFramed(s, false, {"MATCH", "CHART"}, "Match Chart");
        else
            selfFramed(s, false, {"match", "consideration"}, "Match Consideration");
    };
    b.VarshphalPage = [](Surface& s, bool toPrinter, int) {
        selfFramed(s, toPrinter, {}, "Varshphal");
    };
    return b;
}

PageBuilders& Builders()
{
    static PageBuilders builders = DefaultBuilders();
    return builders;
}

void ResetBuilders() { Builders() = DefaultBuilders(); }

} // namespace tarvik
