#pragma once

// The drawing surface every page is drawn on: the preview picture, a printer
// or a PDF file, or a recording surface in tests. Coordinates are twips
// (1440 to the inch) from the top-left corner of the page's design width;
// font sizes are points. Page code sets the current position and font,
// measures texts and prints them; nothing here knows how the drawing is done.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

// The width of a page as it is designed, twips: texts centre on it, and a
// surface places it on its sheet.
inline constexpr double DesignPageWidth = 11600;

struct TextFont {
    std::string Name = "Tarvik English";  // a face of the font map (FontMap.h)
    double Size = 9;                      // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;

    bool operator==(const TextFont&) const = default;
};

// A drawing the program makes itself (chart frames, the Sudarshan wheel, the
// default border), in its own design units; painting scales it into the
// rectangle it is given.
struct VectorDrawing {
    // A straight line from (x1, y1) to (x2, y2).
    struct Stroke {
        double x1 = 0, y1 = 0;
        double x2 = 0, y2 = 0;
    };
    double width = 6000;
    double height = 6000;
    double penWidth = 12;       // design units
    std::vector<Stroke> strokes;

    void AddLine(double x1, double y1, double x2, double y2);
    void AddRectangle(double x1, double y1, double x2, double y2);
};

// A picture to paint: a file (PNG, JPEG, GIF, BMP, SVG), read and kept by the
// surface's picture store, or one of the program's own drawings.
class Picture {
public:
    static Picture File(std::string path);
    static Picture Drawing(std::string name, std::shared_ptr<const VectorDrawing> drawing);

    // The file's path, or the drawing's name.
    const std::string& Name() const { return name_; }
    // The drawing, or null for a file.
    const VectorDrawing* Vector() const { return drawing_.get(); }

private:
    std::string name_;
    std::shared_ptr<const VectorDrawing> drawing_;
};

struct PictureSize {
    double width = 0;   // twips
    double height = 0;
};

enum LineEnd : bool { KeepLine = false, EndLine = true };

class Surface {
public:
    virtual ~Surface() = default;

    // The text and drawing position, twips.
    double CurrentX = 0;
    double CurrentY = 0;
    // The font the next text is measured and printed in.
    TextFont Font;

    // Extent of a text in the current font, twips.
    virtual double TextWidth(std::string_view text) = 0;
    // One line of the current font (the advance of a Print that ends its line).
    virtual double LineHeight() = 0;
    // From the top of a line of the current font to its baseline, twips: a
    // text in another font stands on the same baseline when its top is set
    // by the difference.
    virtual double Ascent() = 0;
    // Height of a text: one line per line of the text.
    double TextHeight(std::string_view text);

    // Draws the text with its top-left corner at the current position. With
    // EndLine the position then returns to x 0 and moves down one line of the
    // current font; with KeepLine it moves right by the text's width.
    void Print(std::string_view text, LineEnd end = EndLine);
    // A straight line; the current position moves to its end.
    void Line(double x1, double y1, double x2, double y2);
    // The four sides of a box.
    void Box(double x1, double y1, double x2, double y2);
    // Paints the picture scaled into the rectangle; a file that cannot be
    // read paints nothing.
    void PaintPicture(const Picture& picture, double x, double y, double width, double height);
    // The picture's own size, read once per file; nothing when the file
    // cannot be read.
    virtual std::optional<PictureSize> LoadPicture(const Picture& picture) = 0;

    // Ends the sheet. The next sheet begins at the next drawing, so a page
    // that draws nothing leaves no blank sheet; a NewPage on a sheet that has
    // nothing on it yet is absorbed.
    void NewPage();
    // The number of the sheet being drawn (1 for the first).
    int Page() const { return page_; }
    // Whether the sheet being drawn has received a drawing.
    bool DrawnOnSheet() const { return drawnOnSheet_; }

protected:
    virtual void DrawText(double x, double y, std::string_view text) = 0;
    virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;
    virtual void DrawPicture(const Picture& picture, double x, double y, double width,
                             double height) = 0;
    // Starts a new sheet on the device (a printer's or a PDF's next page).
    virtual void BeginSheet() = 0;
    // Told of every NewPage call, absorbed or not (for recording).
    virtual void NewPageCalled() {}

private:
    void beforeDrawing();

    int page_ = 1;
    bool sheetPending_ = false;
    bool drawnOnSheet_ = false;
};

// A surface that measures as another does and draws nothing: a page lays
// itself out on it first where its layout depends on how far it reaches.
class MeasuringSurface : public Surface {
public:
    explicit MeasuringSurface(Surface& measuredBy) : measuredBy_(measuredBy) {}

    double TextWidth(std::string_view text) override;
    double LineHeight() override;
    double Ascent() override;
    std::optional<PictureSize> LoadPicture(const Picture& picture) override;

protected:
    void DrawText(double, double, std::string_view) override {}
    void DrawLine(double, double, double, double) override {}
    void DrawPicture(const Picture&, double, double, double, double) override {}
    void BeginSheet() override {}

private:
    // Measures in this surface's font on the other, whose font stays as it was.
    template <class Measure>
    auto inOurFont(Measure&& measure)
    {
        const TextFont kept = measuredBy_.Font;
        measuredBy_.Font = Font;
        const auto value = measure();
        measuredBy_.Font = kept;
        return value;
    }

    Surface& measuredBy_;
};

} // namespace tarvik
