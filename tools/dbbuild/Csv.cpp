#include "Csv.h"

#include <fstream>
#include <sstream>

namespace tarvik::dbbuild {

namespace {

// The offset of the first byte that breaks UTF-8, or npos.
std::size_t BadUtf8(const std::string& s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0 || (c >= 0xC0 && c < 0xC2) || i + extra >= s.size())
            return i;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2)
                return i;
        i += extra + 1;
    }
    return std::string::npos;
}

} // namespace

CsvFile ParseCsv(const std::string& path, const std::string& input)
{
    std::string text = input;
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    if (std::size_t bad = BadUtf8(text); bad != std::string::npos) {
        int line = 1;
        for (std::size_t i = 0; i < bad; ++i)
            line += text[i] == '\n';
        throw BuildError(path + ":" + std::to_string(line) + ": the text is not UTF-8");
    }

    CsvFile file;
    file.path = path;
    std::vector<std::vector<std::string>> records;
    std::vector<int> starts;
    std::vector<std::string> record;
    std::string field;
    int line = 1, recordLine = 1, quoteLine = 1;
    bool quoted = false, fieldStarted = false, afterQuote = false;
    auto fail = [&](const std::string& what) {
        throw BuildError(path + ":" + std::to_string(line) + ": " + what);
    };
    auto endField = [&] {
        record.push_back(field);
        field.clear();
        fieldStarted = afterQuote = false;
    };
    auto endRecord = [&] {
        endField();
        if (!(record.size() == 1 && record[0].empty())) {   // blank lines are skipped
            records.push_back(record);
            starts.push_back(recordLine);
        }
        record.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                    afterQuote = true;
                }
            } else {
                if (c == '\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == ',') {
            endField();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        } else if (c == '\n') {
            endRecord();
            ++line;
            recordLine = line;
        } else if (c == '"') {
            if (fieldStarted || afterQuote)
                fail("a quote inside an unquoted field");
            quoted = true;
            quoteLine = line;
            fieldStarted = true;
        } else {
            if (afterQuote)
                fail("text after a closing quote");
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        line = quoteLine;
        fail("a quoted field is not closed");
    }
    if (fieldStarted || !record.empty() || !field.empty())
        endRecord();

    if (records.empty())
        throw BuildError(path + ":1: no header line");
    file.header = records[0];
    for (std::size_t r = 1; r < records.size(); ++r) {
        if (records[r].size() != file.header.size())
            throw BuildError(path + ":" + std::to_string(starts[r]) + ": " +
                             std::to_string(records[r].size()) + " fields where the header has " +
                             std::to_string(file.header.size()));
        file.rows.push_back({starts[r], std::move(records[r])});
    }
    return file;
}

CsvFile ReadCsv(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw BuildError(path + ": cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    return ParseCsv(path, text.str());
}

} // namespace tarvik::dbbuild
