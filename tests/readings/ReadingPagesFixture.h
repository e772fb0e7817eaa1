#pragma once

// The reading pages over private copies of the delivered databases: the
// builders installed, no border picture, and a collecting reporter.

#include "core/Reporter.h"
#include "core/State.h"
#include "refdata/RefdataFixture.h"

namespace tarvik::testing {

class DeliveredReadingPages : public OpenDeliveredDatabases {
protected:
    void SetUp() override
    {
        OpenDeliveredDatabases::SetUp();
        Config().PrintBorder = false;
    }
    void TearDown() override
    {
        OpenDeliveredDatabases::TearDown();
    }

    CollectingReporter collector;
    ScopedReporter scope{collector};
};

} // namespace tarvik::testing
