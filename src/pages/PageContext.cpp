#include "PageContext.h"

namespace tarvik {

PageLayout PageLayoutOf(const RunValues& run, const Settings& settings)
{
    PageLayout layout;
    layout.scale = run.OutputScale;
    layout.lineStep = run.LineStep;
    layout.englishFontName = run.EnglishFontName;
    layout.englishFontSize = run.EnglishFontSize;
    layout.bodyFontName = run.BodyFontName;
    layout.bodyFontSize = run.BodyFontSize;
    layout.pageWidth = run.PageWidth;
    layout.chartStyle = run.ChartStyle;
    layout.open = run.PunctOpen;
    layout.close = run.PunctClose;
    layout.plus = run.PunctPlus;
    layout.leftMargin = settings.LeftMarginTwips;
    layout.topMargin = settings.TopMarginTwips;
    layout.footerTop = settings.FooterTop;
    layout.printBorder = settings.PrintBorder;
    layout.borderFile = settings.BorderFile;
    layout.ownerLines = {settings.OwnerLines[1], settings.OwnerLines[2], settings.OwnerLines[3]};
    return layout;
}

PageContext PageContextOf(const ProgramState& state, const PageSheet& sheet, const YearMonth& today)
{
    const RunValues& run = state.run;
    const RunChoices choices = run.Choices();
    return {choices,         Texts(choices),    PageLayoutOf(run, state.settings),
            state.chart,     state.births,      state.match,
            run.MatchMode,   run.VarshphalYear, run.YoginiFrom,
            sheet,           today};
}

} // namespace tarvik
