#pragma once

// The settings kept between runs: twelve text values under the program title,
// section "Settings". Start-up reads them into the page settings (Config()),
// the node choice and the main window's option lists.

#include "MainChoices.h"

#include <QSettings>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarvik {

inline constexpr const char* SettingsSection = "Settings";

// The keys and their defaults; "Border File" defaults to the program folder's
// border picture (BorderFileDefault).
struct SettingDefault {
    const char* key;
    const char* value;
};
inline constexpr SettingDefault SettingDefaults[] = {
    {"Left Margin", "1"},          // inches
    {"Top Margin", "0.7"},         // inches
    {"True Rahu", "1"},
    {"Ayanamsa", "0"},             // 0 N.C.Lahiri, 1 K.P., 2 B.V. Raman
    {"Charting", "0"},             // 0 North Indian, 1 South Indian
    {"Language", "1"},             // 0 English, 1 Hindi
    {"Border", "1"},
    {"Border File", ""},
    {"Owner Name", "Velmora"},
    {"Owner Address", ""},
    {"Owner Phones", ""},
    {"Footer Top Margin", "10.5"}, // inches from the top of the page
};

// The footer's top, in inches from the top of the page, that the settings take.
inline constexpr double FooterTopLowest = 10;
inline constexpr double FooterTopHighest = 11.5;

std::string BorderFileDefault(const std::string& programFolder);

// The user's own settings file, where a Linux program keeps its settings:
// $XDG_CONFIG_HOME/Tarvik/Tarvik.conf, or ~/.config/Tarvik/Tarvik.conf.
QString UserSettingsFile();
// The file earlier versions kept the settings in, loose in the same folder:
// "Tarvik for Windows.ini", named after the program title.
QString FormerSettingsFile();

// Moves the former settings file to the user's settings file once: when the
// one is a file and the other does not exist yet (a settings file already in
// its place is the user's, and the former one is left alone). The store to
// use afterwards: the user's settings file; the former file when it could
// not be moved, and then the reason, to tell the user, in problem.
QString TakeFormerSettings(const QString& former, const QString& current, std::string& problem);

// The settings file: the given file, or (file empty) the user's own
// settings file.
QString SettingsFileName(const QString& file);

// What stands in the settings file's place when it is no regular file (a
// named pipe, a device, a folder), named: "The settings file ... is a named
// pipe (FIFO), not a file"; empty when it is a file or there is none yet.
std::string SettingsFileProblem(const QString& file);

// The store in the INI file of SettingsFileName. When a pipe, a device or a
// folder stands in the file's place it is never opened (a pipe without a
// writer would hold the start for good): the store is then empty, and every
// setting takes its default.
std::unique_ptr<QSettings> OpenSettingsStore(const QString& file);

// Reads every setting (a missing one takes its default) into Config() and
// OutputRun().TrueNode and returns the list choices. A value that is not a
// number reads as 0; a list position outside its list, a margin too large
// for a page measure in twips and a footer top outside 10 to 11.5 inches take
// their defaults instead.
MainChoices ReadSettings(QSettings& store, const std::string& programFolder);

// Values to store, by key, in the order they are written.
using SettingValues = std::vector<std::pair<const char*, QString>>;

// The four choices of the main window's option lists as the store keeps
// them: "Ayanamsa", "Charting", "Language", "True Rahu".
SettingValues ChoiceSettings(const MainChoices& choices);

// Writes the values into the store of OpenSettingsStore(file). The store's
// file is replaced whole or not at all, through a draft composed beside it
// (so that a full scratch folder elsewhere stops nothing); a pipe, a device
// or a folder in its place is not replaced. The reason when it could not be
// written, the system's where it gave one.
// The values go to the section "Settings" unless another is named.
std::optional<std::string> WriteSettings(const QString& file, const SettingValues& values,
                                         const char* section = SettingsSection);

// The size and place of a window between runs, as its saveGeometry gives
// them, under the section "Windows" of the same store ("Main Window",
// "Preview Window"); empty when none is kept.
inline constexpr const char* WindowsSection = "Windows";
QByteArray ReadWindowPlace(const QString& file, const char* key);
std::optional<std::string> KeepWindowPlace(const QString& file, const char* key, const QByteArray& geometry);

} // namespace tarvik
