// Any bytes as a page set (*.THM, *.TMM): read or refused with a reason; what
// is read is written back and read again unchanged, and loads into a list.

#include "shell/PageSet.h"
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
    const std::optional<std::vector<PageSetRecord>> records = ReadPageSet(lines, problem);
    if (!records) {
        if (problem.empty())
            std::abort();
        return 0;
    }
    const std::optional<std::vector<PageSetRecord>> again = ReadPageSet(PageSetLines(*records), problem);
    if (!again || *again != *records)
        std::abort();
    const std::vector<std::string> keys = {"Basic", "VP", "", "Yogini Maha 1"};
    if (ApplyPageSet(keys, {true, false}, *records).size() != keys.size())
        std::abort();
    return 0;
}
