#include "core/Reporter.h"
#include "core/State.h"

#include <gtest/gtest.h>

using namespace tarvik;

TEST(ProgramStateTest, ResetRestoresDefaultsOfEveryGroup)
{
    Native().Name = "Someone";
    Chart().PlanetLongitudes[8] = 123.0;
    OutputRun().LanguageHindi = false;
    Config().LeftMarginTwips = 10;
    Match().PartnerCusps[1] = 5;

    ResetProgramState();

    EXPECT_EQ(Native(), BirthRecord{});
    EXPECT_EQ(Chart().PlanetLongitudes[8], 0.0);
    EXPECT_TRUE(OutputRun().LanguageHindi);
    EXPECT_EQ(Config().LeftMarginTwips, 1440);
    EXPECT_EQ(Config().TopMarginTwips, 1008);
    EXPECT_EQ(Match().PartnerCusps[1], 0.0);
    EXPECT_EQ(OutputRun().PageKeys.size(), 312u);
}

TEST(DirectionLetterTest, ComparesCaseInsensitively)
{
    struct Case { const char* dir; bool south, west, east; };
    const Case cases[] = {
        {"S", true, false, false}, {"s", true, false, false}, {"N", false, false, false},
        {"W", false, true, false}, {"w", false, true, false}, {"E", false, false, true},
        {"e", false, false, true}, {"", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dir);
        EXPECT_EQ(IsSouth(c.dir), c.south);
        EXPECT_EQ(IsWest(c.dir), c.west);
        EXPECT_EQ(IsEast(c.dir), c.east);
    }
}

TEST(DisplayConventionsTest, LanguageSetsFontsStepAndPlainMarks)
{
    ResetProgramState();
    ApplyDisplayConventions(true);
    EXPECT_TRUE(OutputRun().LanguageHindi);
    EXPECT_EQ(OutputRun().LineStep, 310);
    EXPECT_EQ(OutputRun().BodyFontName, "Tarvik");
    EXPECT_EQ(OutputRun().BodyFontSize, 14);
    EXPECT_EQ(OutputRun().EnglishFontSize, 10);
    EXPECT_EQ(OutputRun().PunctColon, ":");
    EXPECT_EQ(OutputRun().PunctPlus, "+");

    ApplyDisplayConventions(false);
    EXPECT_FALSE(OutputRun().LanguageHindi);
    EXPECT_EQ(OutputRun().LineStep, 250);
    EXPECT_EQ(OutputRun().BodyFontName, "Tarvik English");
    EXPECT_EQ(OutputRun().BodyFontSize, 9);
}

TEST(ReporterTest, CollectorGathersMessagesAndAnswersFromItsScript)
{
    CollectingReporter collector;
    {
        ScopedReporter scope(collector);
        reporter().Message("one");
        collector.answers.push_back(Answer::No);
        EXPECT_EQ(reporter().Ask("continue?", Buttons::YesNo), Answer::No);
        EXPECT_EQ(reporter().Ask("again?", Buttons::YesNoCancel), Answer::Yes);
    }
    EXPECT_EQ(collector.messages, std::vector<std::string>{"one"});
    EXPECT_EQ(collector.questions.size(), 2u);
    EXPECT_NE(&reporter(), &collector);
}
