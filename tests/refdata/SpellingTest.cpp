// Every English text the program prints is spelt right and spaced right:
// the English columns of the text sources in data/ and the English texts
// quoted in the code, word by word against the English word lists (Debian's
// wamerican and wbritish: the texts spell "favour" and "organise") and the
// accepted terms of the field (Sanskrit names, astrological terms, names of
// the program's own files and tables), and with no two blanks between words
// and no blank before a full stop or a comma.

#include "RefdataFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace tarvik::testing;
namespace fs = std::filesystem;

namespace {

constexpr const char* EnglishWordLists[] = {"/usr/share/dict/american-english",
                                             "/usr/share/dict/british-english"};

std::string lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string readFile(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The words of one list, one a line, "#" starting a comment.
void addWords(std::set<std::string>& words, const fs::path& p)
{
    std::ifstream in(p);
    std::string line;
    while (std::getline(in, line)) {
        if (const auto hash = line.find('#'); hash != std::string::npos)
            line.erase(hash);
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
            line.pop_back();
        if (!line.empty())
            words.insert(lower(line));
    }
}

bool isLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// The Latin words of a text: runs of letters, an apostrophe inside a word
// kept ("person's"). Words of one or two letters are abbreviations and
// ordinal endings ("Ju", "1st") and are left out.
std::vector<std::string> wordsOf(const std::string& text)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!isLetter(text[i])) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < text.size() && (isLetter(text[j]) || (text[j] == '\'' && j + 1 < text.size() && isLetter(text[j + 1])
                                                         && j > i)))
            ++j;
        if (j - i > 2)
            words.push_back(text.substr(i, j - i));
        i = j;
    }
    return words;
}

// The fields of one CSV line set (quoted fields may hold commas, doubled
// quotes and line breaks).
std::vector<std::vector<std::string>> csvRows(const std::string& text)
{
    std::vector<std::vector<std::string>> rows(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += '"', ++i;
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().push_back(field);
            field.clear();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            rows.back().push_back(field);
            field.clear();
            rows.emplace_back();
        } else {
            field += c;
        }
    }
    if (!field.empty() || !rows.back().empty())
        rows.back().push_back(field);
    if (rows.back().empty())
        rows.pop_back();
    return rows;
}

// A text to check and where it stands.
struct Text {
    std::string where;
    std::string text;
};

// The English of the text sources: every field after the key of the keyed
// tables (key,eng,hin), every field of the reference tables; the header
// rows are column names. The place lists hold the atlas's names, not the
// program's words.
std::vector<Text> dataTexts(const fs::path& data)
{
    std::vector<Text> texts;
    std::vector<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(data))
        if (e.is_regular_file() && e.path().extension() == ".csv"
            && e.path().parent_path().filename() != "places")
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& f : files) {
        const auto rows = csvRows(readFile(f));
        if (rows.empty())
            continue;
        const bool keyed = !rows[0].empty() && lower(rows[0][0]) == "key";
        for (std::size_t r = 1; r < rows.size(); ++r)
            for (std::size_t c = keyed ? 1 : 0; c < rows[r].size(); ++c)
                texts.push_back({fs::relative(f, data.parent_path()).string() + ":" + std::to_string(r + 1) + " "
                                     + (rows[r].empty() ? "" : rows[r][0]),
                                 rows[r][c]});
    }
    return texts;
}

// A literal handed straight to a text lookup is a key ("Siderial Time"),
// not the text printed.
bool passedToALookup(const std::string& s, std::size_t quote)
{
    std::size_t i = quote;
    while (i > 0 && std::isspace(static_cast<unsigned char>(s[i - 1])))
        --i;
    if (i == 0 || s[i - 1] != '(')
        return false;
    --i;
    std::size_t begin = i;
    while (begin > 0 && (std::isalnum(static_cast<unsigned char>(s[begin - 1])) || s[begin - 1] == '_'))
        --begin;
    const std::string name = s.substr(begin, i - begin);
    for (const char* lookup : {"Dict", "Match", "Prediction", "Varshphal", "TranslateWord"})
        if (name == lookup)
            return true;
    return false;
}

// The string literals of a C++ source, adjacent literals joined; comments,
// character literals and preprocessor lines left out.
std::vector<Text> literalsOf(const fs::path& file, const std::string& where)
{
    const std::string s = readFile(file);
    std::vector<Text> texts;
    int line = 1;
    bool joining = false;   // only white space since the last literal
    std::size_t i = 0;
    bool lineStart = true;
    while (i < s.size()) {
        const char c = s[i];
        if (c == '\n') {
            ++line, ++i, lineStart = true;
            continue;
        }
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
            continue;
        }
        if (lineStart && c == '#') {
            while (i < s.size() && s[i] != '\n')
                ++i;
            joining = false;
            continue;
        }
        lineStart = false;
        if (s.compare(i, 2, "//") == 0) {
            while (i < s.size() && s[i] != '\n')
                ++i;
            continue;
        }
        if (s.compare(i, 2, "/*") == 0) {
            const std::size_t end = s.find("*/", i + 2);
            const std::size_t stop = end == std::string::npos ? s.size() : end + 2;
            line += static_cast<int>(std::count(s.begin() + i, s.begin() + stop, '\n'));
            i = stop;
            continue;
        }
        if (c == '\'' && !(i > 0 && std::isxdigit(static_cast<unsigned char>(s[i - 1])))) {
            ++i;
            while (i < s.size() && s[i] != '\'')
                i += s[i] == '\\' ? 2 : 1;
            ++i;
            joining = false;
            continue;
        }
        const bool afterName = i > 0 && (std::isalnum(static_cast<unsigned char>(s[i - 1])) || s[i - 1] == '_');
        if (c == 'R' && s.compare(i, 2, "R\"") == 0 && !afterName) {
            const std::size_t open = s.find('(', i);
            const std::string close = ")" + s.substr(i + 2, open - i - 2) + "\"";
            const std::size_t end = s.find(close, open);
            const std::string body = s.substr(open + 1, end - open - 1);
            texts.push_back({where + ":" + std::to_string(line), body});
            line += static_cast<int>(std::count(body.begin(), body.end(), '\n'));
            i = end + close.size();
            joining = false;
            continue;
        }
        if (c == '"') {
            const bool key = !joining && passedToALookup(s, i);
            std::string body;
            ++i;
            while (i < s.size() && s[i] != '"') {
                if (s[i] == '\\' && i + 1 < s.size()) {
                    const char e = s[i + 1];
                    body += e == 'n' ? '\n' : e == 't' ? '\t' : e;
                    i += 2;
                } else {
                    body += s[i++];
                }
            }
            ++i;
            // "&" before a letter marks a menu's or a button's mnemonic.
            for (std::size_t a = body.find('&'); a != std::string::npos; a = body.find('&', a))
                if (a + 1 < body.size() && isLetter(body[a + 1]))
                    body.erase(a, 1);
                else
                    ++a;
            if (joining && !texts.empty())
                texts.back().text += body;
            else
                texts.push_back({where + ":" + std::to_string(line), key ? std::string() : body});
            joining = true;
            continue;
        }
        joining = false;
        ++i;
    }
    return texts;
}

// A quoted text in the code is English to be read when it has at least two
// words and one of them in lower case; single words are keys, names of
// settings and identifiers, and SQL is the database's language.
bool isProse(const std::string& text)
{
    const std::vector<std::string> words = wordsOf(text);
    if (std::count(text.begin(), text.end(), ' ') == 0 || words.empty())
        return false;
    const std::string head = lower(text.substr(0, text.find_first_of(" (")));
    for (const char* sql : {"select", "insert", "update", "delete", "create", "drop", "pragma", "alter",
                            "with", "attach", "begin", "commit", "rollback", "replace"})
        if (head == sql)
            return false;
    return std::any_of(words.begin(), words.end(), [](const std::string& w) {
        return std::any_of(w.begin(), w.end(), [](char ch) { return std::islower(static_cast<unsigned char>(ch)); });
    });
}

std::vector<Text> codeTexts(const fs::path& src)
{
    std::vector<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(src))
        if (e.is_regular_file() && (e.path().extension() == ".cpp" || e.path().extension() == ".h"))
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    std::vector<Text> texts;
    for (const fs::path& f : files)
        for (Text& t : literalsOf(f, fs::relative(f, src.parent_path()).string()))
            if (isProse(t.text))
                texts.push_back(std::move(t));
    return texts;
}

// The texts with two blanks between words or a blank before a full
// stop or a comma ("1st  or", "a person ."); blanks that lead or end a
// text are layout.
std::vector<std::string> badlySpaced(const std::vector<Text>& texts)
{
    static const std::regex fault(R"([A-Za-z)]  +[A-Za-z(]|[A-Za-z)] +[.,](\s|$))");
    std::vector<std::string> found;
    for (const Text& t : texts) {
        std::smatch m;
        if (std::regex_search(t.text, m, fault))
            found.push_back(t.where + ": \"" + m.str() + "\"");
    }
    return found;
}

class Spelling : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* list : EnglishWordLists) {
            if (!fs::exists(list))
                GTEST_FAIL() << list << " is missing: install the Debian packages wamerican and wbritish "
                             << "(tools/setup-debian.sh does)";
            addWords(accepted, list);
        }
        addWords(accepted, fs::path(SourceDir()) / "tests/refdata/data/spelling-terms.txt");
    }

    // The words not accepted, each with the first place it stands.
    std::map<std::string, std::string> unknown(const std::vector<Text>& texts) const
    {
        std::map<std::string, std::string> found;
        for (const Text& t : texts)
            for (const std::string& w : wordsOf(t.text)) {
                std::string l = lower(w);
                if (accepted.count(l))
                    continue;
                // A possessive of an accepted word ("Saturn's").
                if (l.size() > 2 && l.compare(l.size() - 2, 2, "'s") == 0 && accepted.count(l.substr(0, l.size() - 2)))
                    continue;
                found.emplace(w, t.where);
            }
        return found;
    }

    static std::string listed(const std::map<std::string, std::string>& words)
    {
        std::string s;
        for (const auto& [w, where] : words)
            s += "  " + w + "  (" + where + ")\n";
        return s;
    }

    std::set<std::string> accepted;
};

TEST_F(Spelling, EnglishTextsOfTheDataSources)
{
    const std::vector<Text> texts = dataTexts(fs::path(SourceDir()) / "data");
    ASSERT_GT(texts.size(), 1000u);
    const auto words = unknown(texts);
    EXPECT_TRUE(words.empty()) << "words not in the word lists:\n" << listed(words);
    const auto spacing = badlySpaced(texts);
    EXPECT_TRUE(spacing.empty()) << ::testing::PrintToString(spacing);
}

TEST_F(Spelling, EnglishTextsQuotedInTheCode)
{
    const std::vector<Text> texts = codeTexts(fs::path(SourceDir()) / "src");
    ASSERT_GT(texts.size(), 100u);
    const auto words = unknown(texts);
    EXPECT_TRUE(words.empty()) << "words not in the word lists:\n" << listed(words);
    const auto spacing = badlySpaced(texts);
    EXPECT_TRUE(spacing.empty()) << ::testing::PrintToString(spacing);
}

// The word splitting and the choice of quoted texts, on small samples.
TEST(SpellingTools, WordsAndProse)
{
    EXPECT_EQ(wordsOf("a person's 1st  or Second sign(Vrishabha)."),
              (std::vector<std::string>{"person's", "Second", "sign", "Vrishabha"}));
    const struct {
        const char* text;
        bool prose;
    } cases[] = {
        {"Sade sati periods for your moon-sign.", true},
        {"_MESH", false},
        {"MATCH CHART", false},
        {"select * from ghateng where id = ?", false},
        {"PrintBorder", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isProse(c.text), c.prose) << c.text;
    const std::vector<Text> spaced = {{"a", "1st  or Second"}, {"b", "a person . According"},
                                      {"c", "the end ."},      {"d", "       Sade sati periods."},
                                      {"e", "From 01 - 02"},   {"f", "twelfth house, "},
                                      {"g", "Lagna:  "}};
    EXPECT_EQ(badlySpaced(spaced),
              (std::vector<std::string>{"a: \"t  o\"", "b: \"n . \"", "c: \"d .\""}));
}

} // namespace
