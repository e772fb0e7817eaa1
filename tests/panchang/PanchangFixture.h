#pragma once

// Fixtures of the panchang tests: the Delhi birth of the calculation tests,
// and the delivered databases for the dictionary texts and the velantar.

#include "calc/CalcFixture.h"
#include "core/Reporter.h"
#include "refdata/RefdataFixture.h"

namespace tarvik::test {

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

} // namespace tarvik::test
