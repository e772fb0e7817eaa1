#include "StoredSettings.h"

#include "AppTitle.h"
#include "EntryRules.h"
#include "core/State.h"

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

std::unique_ptr<QSettings> OpenSettingsStore(const QString& file)
{
    if (!file.isEmpty())
        return std::make_unique<QSettings>(file, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QString::fromUtf8(AppTitle));
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
    config.FooterTop = Val(get("Footer Top Margin"));
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

std::optional<std::string> WriteSettings(const QString& file, const SettingValues& values)
{
    // A store of its own for each write: values that could not be written
    // are not kept for a later one.
    const std::unique_ptr<QSettings> store = OpenSettingsStore(file);
    if (store->status() != QSettings::NoError || !store->isWritable())
        return "the settings file " + store->fileName().toStdString() + " cannot be written";
    store->beginGroup(QString::fromUtf8(SettingsSection));
    for (const auto& [key, value] : values)
        store->setValue(QString::fromUtf8(key), value);
    store->endGroup();
    store->sync();
    if (store->status() != QSettings::NoError)
        return "the settings file " + store->fileName().toStdString() + " could not be written";
    return std::nullopt;
}

} // namespace tarvik
