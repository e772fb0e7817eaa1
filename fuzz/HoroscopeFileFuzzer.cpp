// Any bytes as a horoscope file (*.TVK): read whole or refused with a reason,
// and what is read is written back and read again unchanged.

#include "shell/HoroscopeFile.h"
#include "shell/TextFile.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarvik;
    const QStringList lines = LinesOfText(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    std::string problem;
    const std::optional<HoroscopeEntries> entries = ReadHoroscopeFile(lines, problem);
    if (!entries) {
        if (problem.empty())
            std::abort();   // a refusal always says why
        return 0;
    }
    const std::optional<HoroscopeEntries> again = ReadHoroscopeFile(HoroscopeFileLines(*entries), problem);
    if (!again || !(*again == *entries))
        std::abort();
    return 0;
}
