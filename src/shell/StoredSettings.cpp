#include "StoredSettings.h"

#include "AppTitle.h"
#include "EntryRules.h"
#include "TextFile.h"
#include "core/RegularFile.h"
#include "core/State.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <limits>

namespace tarvik {

namespace {

QString DefaultOf(const char* key)
{
    for (const SettingDefault& d : SettingDefaults)
        if (QLatin1String(d.key) == QLatin1String(key))
            return QString::fromUtf8(d.value);
    return {};
}

// Inches to whole twips; a page measure beyond a 16-bit twips field keeps its default.
int Twips(const QString& inches, const char* key)
{
    const double twips = Val(inches) * 1440;
    if (!(twips >= std::numeric_limits<short>::min() - 0.5 && twips < std::numeric_limits<short>::max() + 0.5))
        return static_cast<int>(RoundHalfEven(Val(DefaultOf(key)) * 1440));
    return static_cast<int>(RoundHalfEven(twips));
}

// A list position; one outside the list keeps the default.
int ListPosition(const QString& text, int count, const char* key)
{
    const long long position = RoundHalfEven(Val(text));
    if (position < 0 || position >= count)
        return static_cast<int>(Val(DefaultOf(key)));
    return static_cast<int>(position);
}

} // namespace

std::string BorderFileDefault(const std::string& programFolder)
{
    return (std::filesystem::path(programFolder) / "swastik.wmf").string();
}

QString UserSettingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tarvik/Tarvik.conf");
}

QString FormerSettingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           QString::fromUtf8(AppTitle) + QStringLiteral(".ini");
}

QString TakeFormerSettings(const QString& former, const QString& current, std::string& problem)
{
    problem.clear();
    const QFileInfo from(former);
    if (QFileInfo::exists(current) || !from.isFile())
        return current;
    const QString folder = QFileInfo(current).absolutePath();
    QFile file(former);
    if (!QDir().mkpath(folder)) {
        problem = "the folder " + folder.toStdString() + " cannot be made";
    } else if (!file.rename(current)) {
        problem = file.errorString().toStdString();
    } else {
        return current;
    }
    problem = "The settings could not be moved from " + former.toStdString() + " to " + current.toStdString() +
              ": " + problem + ".\nThey are read from " + former.toStdString() + " while the program runs.";
    return former;
}

QString SettingsFileName(const QString& file)
{
    return file.isEmpty() ? UserSettingsFile() : file;
}

std::string SettingsFileProblem(const QString& file)
{
    const std::string name = SettingsFileName(file).toStdString();
    const std::string what = NotReplaceable(name);
    return what.empty() ? std::string() : "The settings file " + name + " " + what;
}

std::unique_ptr<QSettings> OpenSettingsStore(const QString& file)
{
    // QSettings reads its file as it is made: what is no file is not given to it.
    if (!SettingsFileProblem(file).empty())
        return std::make_unique<QSettings>(QString(), QSettings::IniFormat);
    return std::make_unique<QSettings>(SettingsFileName(file), QSettings::IniFormat);
}

MainChoices ReadSettings(QSettings& store, const std::string& programFolder)
{
    store.beginGroup(QString::fromUtf8(SettingsSection));
    auto get = [&](const char* key) {
        const QString fallback = QLatin1String(key) == QLatin1String("Border File")
                                     ? QString::fromStdString(BorderFileDefault(programFolder))
                                     : DefaultOf(key);
        return store.value(QString::fromUtf8(key), fallback).toString();
    };

    Settings& config = Config();
    MainChoices choices;
    config.LeftMarginTwips = Twips(get("Left Margin"), "Left Margin");
    config.TopMarginTwips = Twips(get("Top Margin"), "Top Margin");
    choices.trueNode = Val(get("True Rahu")) == 1;
    OutputRun().TrueNode = choices.trueNode;
    choices.ayanamsa = ListPosition(get("Ayanamsa"), 3, "Ayanamsa");
    choices.charting = ListPosition(get("Charting"), 2, "Charting");
    choices.language = ListPosition(get("Language"), 2, "Language");
    config.PrintBorder = Val(get("Border")) == 1;
    config.BorderFile = get("Border File").toStdString();
    config.OwnerLines[1] = get("Owner Name").toStdString();
    config.OwnerLines[2] = get("Owner Address").toStdString();
    config.OwnerLines[3] = get("Owner Phones").toStdString();
    // The footer where the settings dialog allows it; elsewhere (or far off
    // any page) its default.
    config.FooterTop = Val(get("Footer Top Margin"));
    if (!(config.FooterTop >= FooterTopLowest && config.FooterTop <= FooterTopHighest))
        config.FooterTop = Val(DefaultOf("Footer Top Margin"));
    store.endGroup();
    return choices;
}

SettingValues ChoiceSettings(const MainChoices& choices)
{
    return {{"Ayanamsa", QString::number(choices.ayanamsa)},
            {"Charting", QString::number(choices.charting)},
            {"Language", QString::number(choices.language)},
            {"True Rahu", choices.trueNode ? QStringLiteral("1") : QStringLiteral("0")}};
}

std::optional<std::string> WriteSettings(const QString& file, const SettingValues& values, const char* group)
{
    const QString fileName = SettingsFileName(file);
    const std::string name = fileName.toStdString();
    if (const std::string problem = SettingsFileProblem(file); !problem.empty())
        return problem + ", and cannot be replaced by the settings";
    // A store of its own for each write: values that could not be written
    // are not kept for a later one.
    const std::unique_ptr<QSettings> store = OpenSettingsStore(file);
    if (store->status() != QSettings::NoError || !store->isWritable())
        return "the settings file " + name + " cannot be written";

    // The new text is composed in a draft beside the settings file and then
    // written over it in one checked write: the store's own write does not
    // notice a full disk and would leave a cut-off file, reported as saved.
    const QString folder = QFileInfo(fileName).absolutePath();
    QDir().mkpath(folder);
    QTemporaryDir scratch(folder + u'/' + u'.' + QFileInfo(fileName).fileName() + QStringLiteral(".draft-XXXXXX"));
    const auto failed = [&](const std::string& reason) {
        return "the settings file " + name + " could not be written: " + reason;
    };
    if (!scratch.isValid())
        return failed(scratch.errorString().toStdString());
    const QString draftPath = scratch.filePath(QStringLiteral("settings.ini"));
    const QString section = QString::fromUtf8(group);
    bool composed = false;
    {
        QSettings draft(draftPath, QSettings::IniFormat);
        for (const QString& key : store->allKeys())
            draft.setValue(key, store->value(key));
        draft.beginGroup(section);
        for (const auto& [key, value] : values)
            draft.setValue(QString::fromUtf8(key), value);
        draft.endGroup();
        draft.sync();
        composed = draft.status() == QSettings::NoError;
    }
    if (composed) {
        // Every value must read back from the draft before it replaces
        // anything, read through a name of its own: QSettings answers a
        // name it has just written from what it meant to write, and its
        // write does not notice a full disk or a cut-off file.
        const QString checkPath = scratch.filePath(QStringLiteral("check.ini"));
        composed = ::link(QFile::encodeName(draftPath).constData(), QFile::encodeName(checkPath).constData()) == 0;
        QSettings check(checkPath, QSettings::IniFormat);
        check.beginGroup(section);
        for (const auto& [key, value] : values)
            composed = composed && check.value(QString::fromUtf8(key)).toString() == value;
    }
    QFile draftFile(draftPath);
    if (!composed || !draftFile.open(QIODevice::ReadOnly)) {
        // The draft's write gives no reason; a checked write of as many
        // bytes in the same folder gives the system's.
        const qint64 size = std::max<qint64>(QFileInfo(fileName).size(), 1) + 4096;
        const std::optional<std::string> why =
            WriteWholeFile(scratch.filePath(QStringLiteral("room")), QByteArray(size, ' '));
        return failed(why ? *why : "the settings could not be written in full");
    }
    if (const std::optional<std::string> why = WriteWholeFile(fileName, draftFile.readAll()))
        return failed(*why);
    return std::nullopt;
}

QByteArray ReadWindowPlace(const QString& file, const char* key)
{
    const std::unique_ptr<QSettings> store = OpenSettingsStore(file);
    store->beginGroup(QString::fromUtf8(WindowsSection));
    return QByteArray::fromBase64(store->value(QString::fromUtf8(key)).toString().toLatin1());
}

std::optional<std::string> KeepWindowPlace(const QString& file, const char* key, const QByteArray& geometry)
{
    if (geometry == ReadWindowPlace(file, key))
        return std::nullopt;
    return WriteSettings(file, {{key, QString::fromLatin1(geometry.toBase64())}}, WindowsSection);
}

} // namespace tarvik
