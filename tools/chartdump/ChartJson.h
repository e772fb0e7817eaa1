#pragma once

#include "DumpOptions.h"

#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace tarvik::chartdump {

// The bytes of a text being written, appended in small pieces. A chart's
// text is some thousands of one- and few-byte pieces; each is copied where
// it goes, with no call for a single byte.
class JsonText {
public:
    void put(char c)
    {
        if (size_ == capacity_)
            grow(1);
        data_[size_++] = c;
    }
    void put(std::string_view s)
    {
        if (capacity_ - size_ < s.size())
            grow(s.size());
        if (!s.empty())
            std::memcpy(data_.get() + size_, s.data(), s.size());
        size_ += s.size();
    }
    // Room for up to n bytes written in place, then kept up to `end`.
    char* room(std::size_t n)
    {
        if (capacity_ - size_ < n)
            grow(n);
        return data_.get() + size_;
    }
    void keep(const char* end) { size_ = static_cast<std::size_t>(end - data_.get()); }
    void reserve(std::size_t bytes)
    {
        if (bytes > capacity_)
            grow(bytes - size_);
    }
    std::size_t size() const { return size_; }
    std::string_view view() const { return {data_.get(), size_}; }

private:
    // Room for at least `more` bytes beyond those held.
    void grow(std::size_t more);

    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0, capacity_ = 0;
};

// A JSON object written key by key on one line. A number is written in the
// shortest form that reads back to the same double; a value that is not
// finite is written as null.
class JsonObject {
public:
    void number(std::string_view key, double value);
    void integer(std::string_view key, long long value);
    void text(std::string_view key, std::string_view value);
    void numbers(std::string_view key, std::span<const double> values);
    // Rows of a table, each an array: (row 0 .. n-1) x (column 0 .. m-1).
    void integerRows(std::string_view key, const int* cells, int rows, int columns);
    void texts(std::string_view key, std::span<const std::string> values);
    void object(std::string_view key, const JsonObject& value);
    // A three-index table of texts as nested arrays, the last index innermost.
    void textTable(std::string_view key, const std::string* cells, int rows, int columns, int depth);

    JsonObject() { body_.put('{'); }
    std::string str() const;
    // Room for a text of this many bytes, taken at once.
    void reserve(std::size_t bytes) { body_.reserve(bytes); }

private:
    void key(std::string_view k);
    JsonText body_;
};

// Computes the chart of the request in the program-wide state and returns it
// as one JSON object (no line break). The key Panchang reads the databases,
// which must be open (OpenReferenceDatabases); its texts are English.
std::string ChartJson(const DumpRequest& request);

} // namespace tarvik::chartdump
