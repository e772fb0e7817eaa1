#pragma once

// Pages drawn as the program draws them: the delivered databases open, the
// reading pages installed, no border; messages collected.

#include "core/Reporter.h"
#include "pages/PageBuilders.h"
#include "readings/ReadingPages.h"
#include "refdata/RefdataFixture.h"

namespace tarvik::testing {

class DeliveredReadingPages : public OpenDeliveredDatabases {
protected:
    void SetUp() override
    {
        OpenDeliveredDatabases::SetUp();
        InstallReadingPages();
        Config().PrintBorder = false;
    }
    void TearDown() override
    {
        ResetBuilders();
        OpenDeliveredDatabases::TearDown();
    }

    CollectingReporter collector;
    ScopedReporter scope{collector};
};

} // namespace tarvik::testing
