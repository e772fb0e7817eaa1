#pragma once

// Tests of the shell run the real windows on the offscreen platform over a
// scratch program folder: a small data database of their own (zones and
// places chosen to show each rule), the delivered text and reference
// databases, and a settings file that starts empty.

#include "refdata/RefdataFixture.h"

#include "DbBuilder.h"
#include "core/Reporter.h"
#include "calc/EphemerisTable.h"
#include "core/State.h"
#include "refdata/Databases.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tarvik::testing {

inline QApplication& Application()
{
    static int argc = 1;
    static char name[] = "shell_tests";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Zones in name order: Antarctica (no places), India (first place Agra, so
// that Delhi is not merely the first), Nepal, and three zones whose meridian
// texts are read by the direction and minute rules.
inline const char* const FixtureCountries =
    "Country ID,Country,Zone\n"
    "221122,India,82E30\n"
    "6697173,Antarctica,0E00\n"
    "1282988,Nepal,86E15\n"
    "6252001,United States (New York),75W0\n"
    "900001,Lower Case Land,82e30\n"
    "900002,Tens Land,82E3\n";

inline const char* const FixturePlaces =
    "Place ID,Country ID,PlaceName,Latitude,Longitude\n"
    "1273294,221122,Delhi,28N39,77E13\n"
    "1275339,221122,Mumbai,18N58,72E50\n"
    "1279259,221122,Agra,27N11,78E01\n"
    "1283240,1282988,Kathmandu,27N42,85E19\n"
    "1282898,1282988,Pokhara,28N14,83E59\n"
    "5128581,6252001,New York,40N43,74W00\n"
    "910001,900001,Lowtown,20n30,80e15\n"
    "910002,900002,Tenstown,21N3,81E4\n";

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application();
        ResetProgramState();
        Program().ProgramFolder = folder.Path().string();
        settingsFile = QString::fromStdString(folder.File("settings.ini"));
        BuildFixtureDatabases(FixtureCountries, FixturePlaces);
    }

    void TearDown() override
    {
        window.reset();
        CloseReferenceDatabases();
        ResetProgramState();
    }

    // The program folder: this data database, the delivered other two and the
    // build's ephemeris table.
    void BuildFixtureDatabases(const std::string& countries, const std::string& places)
    {
        folder.Write("countries.csv", countries);
        folder.Write("places.csv", places);
        dbbuild::BuildDatabase({folder.File(std::string(DataDatabaseFile)),
                                SourceDir() + "/data/schema/data.sql",
                                {{"Countries", folder.File("countries.csv")}, {"Places", folder.File("places.csv")}},
                                {}});
        for (std::string_view name : {DefinitionsDatabaseFile, ReferenceDatabaseFile})
            fs::copy_file(fs::path(BinDir()) / std::string(name), folder.Path() / std::string(name),
                          fs::copy_options::overwrite_existing);
        const fs::path ephemeris = folder.Path() / std::string(EphemerisFileName);
        fs::remove(ephemeris);
        fs::create_symlink(fs::path(BinDir()) / std::string(EphemerisFileName), ephemeris);
    }

    void StoreSetting(const QString& key, const QString& value) const
    {
        QSettings store(settingsFile, QSettings::IniFormat);
        store.setValue(QStringLiteral("Settings/") + key, value);
    }

    // Creates the main window and runs its start-up (no title-page wait).
    frmMain& Start(int splashWaitMs = 0)
    {
        window = std::make_unique<frmMain>(StartupOptions{settingsFile, splashWaitMs});
        started = window->Form_Load();
        return *window;
    }

    // Shows the started window as the active one, so that focus moves.
    frmMain& StartShown()
    {
        frmMain& w = Start();
        EXPECT_TRUE(started) << (messages.messages.empty() ? "" : messages.messages.front());
        w.show();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        return w;
    }

    CollectingReporter messages;
    ScopedReporter collect{messages};
    ScratchFolder folder;
    QString settingsFile;
    std::unique_ptr<frmMain> window;
    bool started = false;
};

// Lets queued work (the Tab that Enter sends, the checks of a box left) run.
inline void Settle()
{
    for (int k = 0; k < 5; ++k)
        QApplication::processEvents();
}

// The entry control that has the focus, by name (its own or its container's).
inline QString FocusedControl()
{
    for (QObject* o = QApplication::focusWidget(); o; o = o->parent())
        if (!o->objectName().isEmpty() && !o->objectName().startsWith(QLatin1String("qt_")))
            return o->objectName();
    return {};
}

} // namespace tarvik::testing
