#pragma once

// Fixtures of the panchang tests: the Delhi birth of the calculation tests,
// and the delivered databases for the dictionary texts and the velantar.

#include "calc/CalcFixture.h"
#include "calc/Chart.h"
#include "core/Reporter.h"
#include "refdata/RefdataFixture.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace tarvik::testing {

// The girl of a match: born before sunrise in Mumbai (19N04, 72E53).
inline BirthRecord MumbaiGirl(int hour = 5, int minute = 15)
{
    BirthRecord girl = DelhiBirth(3, 4, 1984, hour, minute, 0);
    girl.Name = "Girl";
    girl.Sex = "Female";
    girl.Place = "Mumbai";
    girl.LatDeg = 19;
    girl.LatMin = 4;
    girl.LongDeg = 72;
    girl.LongMin = 53;
    return girl;
}

// Native and the chart as they stand when it is made; Unchanged() tells
// whether both are still exactly so.
class StandingChart {
public:
    StandingChart() : native_(Native()), chart_(Chart()) {}

    ::testing::AssertionResult Unchanged() const
    {
        if (!(Native() == native_))
            return ::testing::AssertionFailure() << "Native was changed";
        if (!(Chart() == chart_))
            return ::testing::AssertionFailure() << "the chart state was changed";
        return ::testing::AssertionSuccess();
    }

private:
    BirthRecord native_;
    ChartState chart_;
};

// The boy's birth chart standing in Native, as while a match's pages are drawn.
inline StandingChart BoysChartStanding()
{
    Native() = DelhiBirth(15, 8, 1980, 10, 30);
    CalcChart(OutputRun().Choices());
    return {};
}

// The data rows of a reference file in tests/panchang/data, the commas
// turned into blanks for reading with a stream.
inline std::vector<std::string> ReferenceRows(const std::string& name)
{
    const char* root = std::getenv("TARVIK_SOURCE_DIR");
    std::ifstream in(std::string(root ? root : ".") + "/tests/panchang/data/" + name);
    std::vector<std::string> rows;
    std::string line;
    std::getline(in, line);   // the header
    while (std::getline(in, line)) {
        std::replace(line.begin(), line.end(), ',', ' ');
        rows.push_back(line);
    }
    return rows;
}

// The delivered databases are open, the pages are in English and every
// message is collected (a missing dictionary key would show up there).
class WithDatabases : public tarvik::testing::OpenDeliveredDatabases {
protected:
    void SetUp() override
    {
        OpenDeliveredDatabases::SetUp();
        ApplyDisplayConventions(false);
        Native() = DelhiBirth();
    }

    CollectingReporter messages;
    ScopedReporter scope{messages};
};

} // namespace tarvik::testing
