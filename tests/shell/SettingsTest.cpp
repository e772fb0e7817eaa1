#include "refdata/RefdataFixture.h"

#include "core/State.h"
#include "shell/StoredSettings.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

class StoredSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }

    MainChoices Read(std::initializer_list<std::pair<const char*, const char*>> stored)
    {
        const QString file = QString::fromStdString(folder.File("settings.ini"));
        QFile::remove(file);
        {
            QSettings store(file, QSettings::IniFormat);
            for (const auto& [key, value] : stored)
                store.setValue(QStringLiteral("Settings/") + QString::fromUtf8(key), QString::fromUtf8(value));
        }
        const std::unique_ptr<QSettings> store = OpenSettingsStore(file);
        return ReadSettings(*store, "/opt/tarvik");
    }

    ScratchFolder folder;
};

TEST_F(StoredSettingsTest, AFreshUserGetsTheDefaults)
{
    OutputRun().TrueNode = false;
    const MainChoices choices = Read({});
    EXPECT_EQ(choices, (MainChoices{0, 0, 1, true}));   // N.C.Lahiri, North Indian, Hindi, true nodes
    EXPECT_TRUE(OutputRun().TrueNode);
    const Settings& s = Config();
    EXPECT_EQ(s.LeftMarginTwips, 1440);
    EXPECT_EQ(s.TopMarginTwips, 1008);
    EXPECT_TRUE(s.PrintBorder);
    EXPECT_EQ(s.BorderFile, "/opt/tarvik/swastik.wmf");
    EXPECT_EQ(s.OwnerLines[1], "Velmora");
    EXPECT_EQ(s.OwnerLines[2], "");
    EXPECT_EQ(s.OwnerLines[3], "");
    EXPECT_DOUBLE_EQ(s.FooterTop, 10.5);
}

TEST_F(StoredSettingsTest, StoredValuesAreReadAsNumbersWithSafeFallbacks)
{
    struct Case {
        const char* key;
        const char* value;
        std::function<void(const MainChoices&)> check;
    };
    const Case cases[] = {
        {"Left Margin", "0.75", [](auto&) { EXPECT_EQ(Config().LeftMarginTwips, 1080); }},
        {"Left Margin", "abc", [](auto&) { EXPECT_EQ(Config().LeftMarginTwips, 0); }},
        {"Left Margin", "2", [](auto&) { EXPECT_EQ(Config().LeftMarginTwips, 2880); }},
        {"Top Margin", "0.70", [](auto&) { EXPECT_EQ(Config().TopMarginTwips, 1008); }},
        // 30 inches do not fit a page measure in twips: the default margin.
        {"Top Margin", "30", [](auto&) { EXPECT_EQ(Config().TopMarginTwips, 1008); }},
        {"Left Margin", "22.75", [](auto&) { EXPECT_EQ(Config().LeftMarginTwips, 32760); }},
        {"Left Margin", "22.76", [](auto&) { EXPECT_EQ(Config().LeftMarginTwips, 1440); }},
        {"True Rahu", "0", [](auto& c) { EXPECT_FALSE(c.trueNode); EXPECT_FALSE(OutputRun().TrueNode); }},
        {"True Rahu", "2", [](auto& c) { EXPECT_FALSE(c.trueNode); }},
        {"True Rahu", "1", [](auto& c) { EXPECT_TRUE(c.trueNode); EXPECT_TRUE(OutputRun().TrueNode); }},
        {"Border", "2", [](auto&) { EXPECT_FALSE(Config().PrintBorder); }},
        {"Border", "0", [](auto&) { EXPECT_FALSE(Config().PrintBorder); }},
        {"Ayanamsa", "2", [](auto& c) { EXPECT_EQ(c.ayanamsa, 2); }},
        {"Ayanamsa", "1.5", [](auto& c) { EXPECT_EQ(c.ayanamsa, 2); }},
        {"Ayanamsa", "5", [](auto& c) { EXPECT_EQ(c.ayanamsa, 0); }},
        {"Ayanamsa", "x", [](auto& c) { EXPECT_EQ(c.ayanamsa, 0); }},
        {"Charting", "1", [](auto& c) { EXPECT_EQ(c.charting, 1); }},
        {"Charting", "-1", [](auto& c) { EXPECT_EQ(c.charting, 0); }},
        {"Language", "0", [](auto& c) { EXPECT_EQ(c.language, 0); }},
        {"Language", "7", [](auto& c) { EXPECT_EQ(c.language, 1); }},
        {"Border File", "/home/u/om.png", [](auto&) { EXPECT_EQ(Config().BorderFile, "/home/u/om.png"); }},
        {"Owner Name", "Sharma & Sons, Agra", [](auto&) { EXPECT_EQ(Config().OwnerLines[1], "Sharma & Sons, Agra"); }},
        {"Owner Phones", "0562 123456", [](auto&) { EXPECT_EQ(Config().OwnerLines[3], "0562 123456"); }},
        {"Footer Top Margin", "11.25", [](auto&) { EXPECT_DOUBLE_EQ(Config().FooterTop, 11.25); }},
        // A footer the settings dialog would refuse, off the page or none: the default.
        {"Footer Top Margin", "9", [](auto&) { EXPECT_DOUBLE_EQ(Config().FooterTop, 10.5); }},
        {"Footer Top Margin", "", [](auto&) { EXPECT_DOUBLE_EQ(Config().FooterTop, 10.5); }},
        {"Footer Top Margin", "1e300", [](auto&) { EXPECT_DOUBLE_EQ(Config().FooterTop, 10.5); }},
        // Numbers far beyond any whole number type.
        {"Ayanamsa", "8.9e24", [](auto& c) { EXPECT_EQ(c.ayanamsa, 0); }},
        {"Language", "-9e99", [](auto& c) { EXPECT_EQ(c.language, 1); }},
        {"Left Margin", "9e99", [](auto&) { EXPECT_EQ(Config().LeftMarginTwips, 1440); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " = " + c.value);
        ResetProgramState();
        c.check(Read({{c.key, c.value}}));
    }
}

} // namespace
