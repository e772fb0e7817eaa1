#pragma once

// The surfaces that put pages on screen, paper and file: the preview picture
// (a QImage) and a printer (QPrinter) draw with QPainter; a PDF file is
// written by cairo (PdfSurface.cpp) so that its text layer holds the text of
// every shaped cluster. Pages are laid out on an A4 portrait sheet, the
// 11600-twip design width centred on its 11906 twips; the preview shows that
// sheet, and a print job puts it on the paper chosen for the printer, within
// the part of the paper the printer can print on (PlacePage).
//
// Every one of them measures texts alike (QtTextSurface): Qt shapes them in
// unhinted outlines at a size given in twips, independent of the device's
// resolution, so that a page lays out the same on the screen, on paper and
// in a PDF. Face names go through the font map.

#include "Surface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

class QGlyphRun;
class QPrinter;
class QTextLayout;

namespace tarvik {

inline constexpr double A4WidthTwips = 11906;   // 210 mm
inline constexpr double A4HeightTwips = 16838;  // 297 mm

// A sheet of paper as a print job takes it, in twips: its size in the
// orientation chosen, and the strips along its edges that the printer
// cannot print on (none on a PDF file).
struct Sheet {
    double width = A4WidthTwips;
    double height = A4HeightTwips;
    double left = 0, top = 0, right = 0, bottom = 0;
};

// Where a page stands on a sheet: a point of the page (x, y), in twips of
// the A4 sheet it is laid out on with the design width centred, lands at
// (x0 + scale x, y0 + scale y) of the sheet.
struct PagePlacement {
    double x0 = 0;
    double y0 = 0;
    double scale = 1;
};

// The page (pageWidth twips by an A4 sheet's height) centred in the
// printable part of the sheet, at its own size where it fits, else reduced
// until it does. On an A4 sheet printable to its edges it stands where the
// preview shows it.
PagePlacement PlacePage(const Sheet& sheet, double pageWidth);

// The paper and orientation chosen for the printer, with its unprintable
// strips.
Sheet SheetOf(const QPrinter& printer);

// The one measure of texts of every surface that draws for the user.
class QtTextSurface : public Surface {
public:
    double TextWidth(std::string_view text) override;
    double LineHeight() override;
    double Ascent() override;
    std::optional<PictureSize> LoadPicture(const Picture& picture) override;

    // The Qt font a face of the surface's font stands for.
    static QFont QtFont(const TextFont& font);

protected:
    QtTextSurface() = default;

    // Hashes a string and a view of one alike, so that a width is looked up
    // by the text it is asked for without a copy of it.
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };

    struct Face {
        QFont font;
        QFontMetricsF metrics;
        double ascent = 0;
        double lineHeight = 0;
        // The widths of the texts measured in this face: a paragraph that
        // is laid out to see whether it fits, then printed, and the words a
        // justified line is printed in, are measured again and again.
        std::unordered_map<std::string, double, TextHash, std::equal_to<>> widths;
    };
    // The current font's face.
    Face& face();

private:
    std::unordered_map<std::string, Face> faces_;
    TextFont lastFont_;
    Face* lastFace_ = nullptr;
};

class PainterSurface : public QtTextSurface {
protected:
    PainterSurface() = default;
    // Starts painting on the device, dpi device pixels to the inch, the page
    // placed on the device's sheet as given.
    void Begin(QPaintDevice* device, double dpi, const PagePlacement& place);
    void End();
    QPainter& Painter() { return painter_; }

    void DrawText(double x, double y, std::string_view text) override;
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawPicture(const Picture& picture, double x, double y, double width,
                     double height) override;

private:
    void applyPen();

    QPainter painter_;
};

// The preview picture: one A4 sheet as an image, white until drawn on. Each
// surface places the page's design width (pageWidth twips, PageLayout) on its
// sheet.
class ImageSurface : public PainterSurface {
public:
    explicit ImageSurface(double dpi = 150, double pageWidth = DesignPageWidth);
    ~ImageSurface() override;

    // Paints the sheet white again (the preview clears it before each page).
    void Clear();
    // The picture as drawn so far.
    const QImage& Image();
    // Writes the picture as PNG (8-bit grey when it holds no colour) through
    // a temporary file and a rename. Returns the system's reason when the
    // file could not be written whole, else an empty text.
    std::string SavePng(const std::string& path);

protected:
    void BeginSheet() override;

private:
    QImage image_;
};

// A PDF file of sheets of the paper given (A4 unless said), one per page;
// finished when the surface is finished or destroyed. Written to a temporary file and renamed on Finish,
// so no half-written file is left behind.
//
// Texts are shaped by Qt exactly as the preview draws them; their glyphs, at
// Qt's positions, go to cairo with the fonts' own files (embedded as
// subsets) and with the text each group of glyphs stands for, which cairo
// writes as the glyphs' Unicode map or, for conjuncts, reph and vowel signs
// drawn before their consonant, as the span's actual text. So the text
// extracts, searches and copies as printed, in English and in Hindi.
class PdfSurface : public QtTextSurface {
public:
    // title: the document's title (a PDF reader's window and its properties
    // show it); none when empty.
    explicit PdfSurface(const std::string& path, const Sheet& sheet = {}, const std::string& title = {},
                        double pageWidth = DesignPageWidth);
    ~PdfSurface() override;
    // Whether the file could be begun (its folder exists and is writable).
    bool IsOpen() const;
    // Ends the document; true when the file was written. Written whole
    // under a temporary name and renamed: a failed or abandoned document
    // leaves no file.
    bool Finish();
    // Ends the document without writing the file.
    void Abandon();
    // Why the file could not be begun or written (the system's reason where
    // it gave one); empty while nothing failed.
    std::string Problem() const;

protected:
    void DrawText(double x, double y, std::string_view text) override;
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawPicture(const Picture& picture, double x, double y, double width,
                     double height) override;
    void BeginSheet() override;

private:
    struct Writer;
    bool showInOneFont(const QGlyphRun& run, const QString& text, double dx, double dy);
    void showWordByWord(const QTextLayout& layout, const QString& text, double dx, double dy);
    void underline(const QTextLayout& layout, double dx, double dy);

    std::string path_;
    std::string temporary_;
    std::unique_ptr<Writer> writer_;
    bool finished_ = false;
    std::string problem_;
};

// A printer: the paper chosen for it, one sheet per page, each page within
// the printable part of the sheet.
class PrinterSurface : public PainterSurface {
public:
    explicit PrinterSurface(QPrinter& printer, double pageWidth = DesignPageWidth);
    ~PrinterSurface() override;
    // Ends the print job.
    void Finish();

protected:
    void BeginSheet() override;

private:
    QPrinter& printer_;
    bool finished_ = false;
};

} // namespace tarvik
