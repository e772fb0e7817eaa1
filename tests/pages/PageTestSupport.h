#pragma once

// What the page tests share: a text source that answers every key with the
// key itself (so a page's texts show which captions it looked up), a
// collecting reporter, and a fixture that resets the program state and the
// display conventions of a language.

#include "core/Reporter.h"
#include "core/State.h"
#include "pages/RecordingSurface.h"
#include "pages/RunContext.h"
#include "refdata/TextLookup.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tarvik::testing {

// Every key is found; its text is the key without its padding, and "hi:"
// before it in Hindi. Keys in `missing` are not found.
class EchoSource : public TextSource {
public:
    std::set<std::string> missing;

    std::optional<std::string> Find(TextTable, const std::string& paddedKey, bool hindi) override
    {
        std::string key = paddedKey;
        while (!key.empty() && key.back() == ' ')
            key.pop_back();
        if (missing.count(key))
            return std::nullopt;
        return hindi ? "hi:" + key : key;
    }
};

class PageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetProgramState();
        surface = RecordingSurface();
        collector.messages.clear();
        ApplyDisplayConventions(false);
        SetTextSource(&source);
    }
    void TearDown() override
    {
        SetTextSource(nullptr);
    }

    EchoSource source;
    CollectingReporter collector;
    ScopedReporter scope{collector};
    RecordingSurface surface;
};

} // namespace tarvik::testing
