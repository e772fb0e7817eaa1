#pragma once

// Surfaces that draw with QPainter: the preview picture (a QImage), a PDF
// file (QPdfWriter) and a printer (QPrinter). Pages are A4 portrait; the
// 11600-twip design width is centred on the sheet's 11906 twips.
//
// Texts are measured and drawn in unhinted outlines at a size given in twips,
// independent of the device's resolution, so that a page lays out the same
// on the screen, on paper and in a PDF. Face names go through the font map.

#include "Surface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <memory>
#include <unordered_map>

class QPrinter;

namespace tarvik {

inline constexpr double A4WidthTwips = 11906;   // 210 mm
inline constexpr double A4HeightTwips = 16838;  // 297 mm

class PainterSurface : public Surface {
public:
    double TextWidth(std::string_view text) override;
    double LineHeight() override;
    std::optional<PictureSize> LoadPicture(const Picture& picture) override;

    // The Qt font a face of the surface's font stands for.
    static QFont QtFont(const TextFont& font);

protected:
    PainterSurface() = default;
    // Starts painting on the device, dpi device pixels to the inch.
    void Begin(QPaintDevice* device, double dpi);
    void End();
    QPainter& Painter() { return painter_; }

    void DrawText(double x, double y, std::string_view text) override;
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawPicture(const Picture& picture, double x, double y, double width,
                     double height) override;

private:
    struct Face {
        QFont font;
        QFontMetricsF metrics;
        double ascent = 0;
        double lineHeight = 0;
    };
    const Face& face();
    void applyPen();

    QPainter painter_;
    std::unordered_map<std::string, Face> faces_;
    TextFont lastFont_;
    const Face* lastFace_ = nullptr;
};

// The preview picture: one A4 sheet as an image, white until drawn on.
class ImageSurface : public PainterSurface {
public:
    explicit ImageSurface(double dpi = 150);
    ~ImageSurface() override;

    // Paints the sheet white again (the preview clears it before each page).
    void Clear();
    // The picture as drawn so far.
    const QImage& Image();
    // Writes the picture as PNG through a temporary file and a rename.
    bool SavePng(const std::string& path);

protected:
    void BeginSheet() override;

private:
    QImage image_;
};

// A PDF file of A4 sheets, one per page; finished when the surface is
// finished or destroyed. Written to a temporary file and renamed on Finish,
// so no half-written file is left behind.
class PdfSurface : public PainterSurface {
public:
    explicit PdfSurface(const std::string& path, double dpi = 1200);
    ~PdfSurface() override;
    // Ends the document; true when the file was written.
    bool Finish();

protected:
    void BeginSheet() override;

private:
    std::string path_;
    std::string temporary_;
    std::unique_ptr<QPdfWriter> writer_;
    bool finished_ = false;
};

// A printer: A4, whole-sheet coordinates, one sheet per page.
class PrinterSurface : public PainterSurface {
public:
    explicit PrinterSurface(QPrinter& printer);
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
