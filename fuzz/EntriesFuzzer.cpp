// Any text in the entry boxes and the tools' options: the number, time, date
// and coordinate readers give a value or refuse, and what they give is
// written and read back unchanged.

#include "DumpOptions.h"
#include "calc/TextFormat.h"
#include "refdata/CoordinateEntry.h"
#include "shell/EntryRules.h"

#include <QString>

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarvik;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));

    const double value = Val(text);
    const long long rounded = RoundHalfEven(value);
    const int narrow = RoundedInt(value);
    if ((rounded > 0) != (narrow > 0))
        std::abort();
    CheckedVarshphalFrom(text, 2024);
    CheckedVarshphalYears(text);
    VarshphalFromInRange(text);
    VarshphalYearsInRange(text);

    if (const std::optional<QTime> time = ReadTimeEntry(text)) {
        if (ReadTimeEntry(TimeEntryText(*time)) != time)
            std::abort();
    }
    if (const std::optional<QDate> date = ReadDateEntry(text)) {
        if (date->year() >= 1 && date->year() <= 9999 && ReadDateEntry(DateEntryText(*date)) != date)
            std::abort();
    }

    // Three boxes of a coordinate: degrees, minutes and letter on lines of their own.
    const QStringList parts = text.split(u'\n');
    CoordinateBoxes boxes{parts.value(0).toStdString(), parts.value(1).toStdString(), parts.value(2).toStdString()};
    for (CoordinateKind kind : {CoordinateKind::Latitude, CoordinateKind::Longitude, CoordinateKind::ZoneMeridian}) {
        ShownBoxes(bytes, kind);
        const CoordinateText stored = StoredCoordinate(boxes, kind);
        if (stored.Valid() && StoredCoordinate(ShownBoxes(stored.text, kind), kind).text != stored.text)
            std::abort();
        DiffersFromStored(boxes, kind, bytes);
    }
    double degrees = 0, minutes = 0;
    std::string direction;
    SplitDegDirMin(bytes, degrees, minutes, direction);

    // The tools' options: one line as a batch file holds it.
    chartdump::ParseOptions(chartdump::SplitLine(bytes));
    return 0;
}
