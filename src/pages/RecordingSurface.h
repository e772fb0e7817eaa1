#pragma once

// A surface that draws nothing and keeps a log of every call, with fixed
// metrics, so that tests can check what a page prints and where:
//   - a text is WidthPerPoint twips wide per character (code point) and point
//     of the font size; a line is HeightPerPoint twips high per point, its
//     baseline AscentPerPoint below its top;
//   - vector drawings load with their own size; a file loads only when the
//     test has declared it with AddPictureFile.

#include "Surface.h"

#include <map>

namespace tarvik {

struct RecordedText {
    std::string text;
    double x = 0, y = 0;   // top-left corner
    TextFont font;
    int page = 1;
};

struct RecordedLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int page = 1;
};

struct RecordedPicture {
    std::string name;      // the file's path or the drawing's name
    double x = 0, y = 0, width = 0, height = 0;
    int page = 1;
};

class RecordingSurface : public Surface {
public:
    static constexpr double WidthPerPoint = 10;
    static constexpr double HeightPerPoint = 20;
    static constexpr double AscentPerPoint = 16;

    enum class Event { Text, Line, Picture, NewPage, Sheet };

    double TextWidth(std::string_view text) override;
    double LineHeight() override;
    double Ascent() override;
    std::optional<PictureSize> LoadPicture(const Picture& picture) override;

    // Makes a file path loadable, with the given size in twips.
    void AddPictureFile(const std::string& path, double width, double height);

    // Every event in order (texts, lines, pictures, NewPage calls, and the
    // sheets begun after a NewPage).
    const std::vector<Event>& Events() const { return events_; }
    // The events as one word each, joined by blanks: "Sheet Text Line ...".
    std::string EventString() const;

    // The texts printed, in order (empty texts draw nothing and are not kept).
    const std::vector<RecordedText>& Texts() const { return texts_; }
    std::vector<std::string> TextStrings() const;
    // The n-th (0-based) text equal to text, or null.
    const RecordedText* FindText(std::string_view text, int n = 0) const;
    // Every text containing part.
    std::vector<RecordedText> TextsContaining(std::string_view part) const;
    const std::vector<RecordedLine>& Lines() const { return lines_; }
    const std::vector<RecordedPicture>& Pictures() const { return pictures_; }

    int NewPageCalls() const;
    // Sheets that received a drawing (the first one counts once drawn on).
    int SheetsDrawn() const;

    // Forgets the log (not the declared files, nor the sheet count).
    void ClearLog();

protected:
    void DrawText(double x, double y, std::string_view text) override;
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawPicture(const Picture& picture, double x, double y, double width,
                     double height) override;
    void BeginSheet() override;
    void NewPageCalled() override;

private:
    std::vector<Event> events_;
    std::vector<RecordedText> texts_;
    std::vector<RecordedLine> lines_;
    std::vector<RecordedPicture> pictures_;
    std::map<std::string, PictureSize> files_;
    bool firstSheetDrawn_ = false;
    int sheetsBegun_ = 0;
};

// Number of code points of a UTF-8 text.
std::size_t CodePoints(std::string_view text);

} // namespace tarvik
