// Any bytes as the settings file: start-up reads every setting into values
// the pages can use (list positions within their lists, margins within a
// page measure in twips, the footer within its range).

#include "core/State.h"
#include "shell/StoredSettings.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarvik;
    static QTemporaryDir folder;
    static long long count = 0;
    // A new name for each input: the settings store caches a file by its name.
    const QString path = folder.filePath(QStringLiteral("settings-%1.ini").arg(++count));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    {
        QSettings store(path, QSettings::IniFormat);
        const MainChoices choices = ReadSettings(store, "/opt/tarvik");
        const Settings& s = Config();
        const bool sound = choices.ayanamsa >= 0 && choices.ayanamsa < 3 && choices.charting >= 0 &&
                           choices.charting < 2 && choices.language >= 0 && choices.language < 2 &&
                           std::abs(s.LeftMarginTwips) <= std::numeric_limits<short>::max() + 1 &&
                           std::abs(s.TopMarginTwips) <= std::numeric_limits<short>::max() + 1 &&
                           s.FooterTop >= 10 && s.FooterTop <= 11.5;
        if (!sound)
            std::abort();
    }
    QFile::remove(path);
    return 0;
}
