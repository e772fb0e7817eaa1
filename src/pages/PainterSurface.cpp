#include "PainterSurface.h"

#include "FallbackGlyphs.h"
#include "FontMap.h"
#include "PictureStore.h"
#include "core/FileWrite.h"

#include <QBuffer>
#include <QFile>
#include <QGlyphRun>
#include <QTextLayout>
#include <QPageLayout>
#include <QPrinter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tarvik {

namespace {

constexpr double TwipsPerInch = 1440;
constexpr double TwipsPerPoint = 20;
constexpr double PenTwips = 12;

std::string faceKey(const TextFont& f)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "|%.3f|%d%d%d", f.Size, f.Bold, f.Italic, f.Underline);
    return f.Name + buf;
}

} // namespace

QFont QtTextSurface::QtFont(const TextFont& wanted)
{
    const FontFace face = MapFont(wanted.Name);
    QFont font(QString::fromStdString(face.family));
    // Sizes in twips, the units the painter draws in; whole twips are a
    // twentieth of a point, fine enough for any size a page asks for.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(wanted.Size * TwipsPerPoint *
                                                                face.sizeFactor))));
    font.setBold(wanted.Bold);
    font.setItalic(wanted.Italic);
    font.setUnderline(wanted.Underline);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

QtTextSurface::Face& QtTextSurface::face()
{
    if (lastFace_ && Font == lastFont_)
        return *lastFace_;
    const std::string key = faceKey(Font);
    auto it = faces_.find(key);
    if (it == faces_.end()) {
        const QFont font = QtFont(Font);
        const QFontMetricsF metrics(font);
        it = faces_.emplace(key, Face{font, metrics, metrics.ascent(), metrics.height(), {}}).first;
    }
    lastFont_ = Font;
    lastFace_ = &it->second;
    return it->second;
}

double QtTextSurface::TextWidth(std::string_view text)
{
    if (text.empty())
        return 0;
    Face& f = face();
    // Held for a run of some pages; a long run starts afresh now and then.
    constexpr std::size_t MostWidthsKept = 20000;
    if (const auto known = f.widths.find(text); known != f.widths.end())
        return known->second;
    if (f.widths.size() >= MostWidthsKept)
        f.widths.clear();
    const double width = f.metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    f.widths.emplace(text, width);
    return width;
}

double QtTextSurface::LineHeight() { return face().lineHeight; }

double QtTextSurface::Ascent() { return face().ascent; }

std::optional<PictureSize> QtTextSurface::LoadPicture(const Picture& picture)
{
    if (const VectorDrawing* d = picture.Vector())
        return PictureSize{d->width, d->height};
    const PictureStore::Entry& entry = PictureStore::Instance().Get(picture.Name());
    if (!entry.loaded)
        return std::nullopt;
    return entry.size;
}

PagePlacement PlacePage(const Sheet& sheet, double pageWidth)
{
    const double width = sheet.width - sheet.left - sheet.right;
    const double height = sheet.height - sheet.top - sheet.bottom;
    const double scale = std::max(0.0, std::min({1.0, width / pageWidth, height / A4HeightTwips}));
    return {sheet.left + (width - scale * pageWidth) / 2, sheet.top + (height - scale * A4HeightTwips) / 2, scale};
}

Sheet SheetOf(const QPrinter& printer)
{
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    const QRectF paper = layout.fullRect();
    const QMarginsF unprintable = layout.minimumMargins();
    constexpr double twipsPerPoint = 20;
    return {paper.width() * twipsPerPoint,        paper.height() * twipsPerPoint,
            unprintable.left() * twipsPerPoint,   unprintable.top() * twipsPerPoint,
            unprintable.right() * twipsPerPoint,  unprintable.bottom() * twipsPerPoint};
}

void PainterSurface::Begin(QPaintDevice* device, double dpi, const PagePlacement& place)
{
    painter_.begin(device);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.scale(dpi / TwipsPerInch, dpi / TwipsPerInch);
    painter_.translate(place.x0, place.y0);
    painter_.scale(place.scale, place.scale);
    applyPen();
}

void PainterSurface::End()
{
    if (painter_.isActive())
        painter_.end();
}

void PainterSurface::applyPen()
{
    QPen pen(Qt::black);
    pen.setWidthF(PenTwips);
    pen.setCapStyle(Qt::RoundCap);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
}

void PainterSurface::DrawText(double x, double y, std::string_view text)
{
    const Face& f = face();
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    painter_.setFont(f.font);
    if (MayNeedFallback(qtext)) {
        QTextLayout layout(qtext, f.font);
        const std::optional<double> ascent = LayOutOneLine(layout);
        const std::vector<FallbackRun> fallbacks = ascent ? FallbackRuns(layout) : std::vector<FallbackRun>();
        if (!fallbacks.empty()) {
            // Letters in no font are drawn from the fallback runs only: Qt
            // paints them as nothing on the preview and as black boxes on a
            // printer.
            const QPointF origin(x, y + f.ascent - *ascent);
            for (const QGlyphRun& run : layout.glyphRuns())
                if (!InNoFont(run.rawFont()))
                    painter_.drawGlyphRun(origin, run);
            for (const FallbackRun& run : fallbacks) {
                QGlyphRun glyphs;
                glyphs.setRawFont(run.font);
                glyphs.setGlyphIndexes(run.glyphs);
                glyphs.setPositions(run.positions);
                glyphs.setUnderline(f.font.underline());
                painter_.drawGlyphRun(origin, glyphs);
            }
            return;
        }
    }
    painter_.drawText(QPointF(x, y + f.ascent), qtext);
}

void PainterSurface::DrawLine(double x1, double y1, double x2, double y2)
{
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void PainterSurface::DrawPicture(const Picture& picture, double x, double y, double width,
                                 double height)
{
    const QRectF target(x, y, width, height);
    if (const VectorDrawing* d = picture.Vector()) {
        painter_.save();
        painter_.translate(x, y);
        painter_.scale(width / d->width, height / d->height);
        QPen pen(Qt::black);
        pen.setWidthF(d->penWidth);
        pen.setCapStyle(Qt::SquareCap);
        painter_.setPen(pen);
        painter_.setBrush(Qt::NoBrush);
        for (const VectorDrawing::Stroke& s : d->strokes)
            painter_.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
        painter_.restore();
        return;
    }
    const PictureStore::Entry& entry = PictureStore::Instance().Get(picture.Name());
    if (entry.svg)
        entry.svg->render(&painter_, target);
    else if (!entry.image.isNull())
        painter_.drawImage(target, entry.image);
}

// ---- the preview picture ----

ImageSurface::ImageSurface(double dpi, double pageWidth)
    : image_(static_cast<int>(std::lround(A4WidthTwips / TwipsPerInch * dpi)),
             static_cast<int>(std::lround(A4HeightTwips / TwipsPerInch * dpi)),
             QImage::Format_RGB32)
{
    image_.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    image_.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    image_.fill(Qt::white);
    Begin(&image_, dpi, PlacePage(Sheet{}, pageWidth));
}

ImageSurface::~ImageSurface() { End(); }

void ImageSurface::Clear()
{
    Painter().save();
    Painter().resetTransform();
    Painter().fillRect(image_.rect(), Qt::white);
    Painter().restore();
}

const QImage& ImageSurface::Image() { return image_; }

namespace {

// The picture as 8-bit grey when every pixel is a grey (red, green and blue
// alike), else a null image. Each grey is taken as it is: a conversion
// through a colour space would spend more than the PNG's compression.
QImage exactGrey(const QImage& rgb)
{
    QImage grey(rgb.size(), QImage::Format_Grayscale8);
    grey.setDotsPerMeterX(rgb.dotsPerMeterX());
    grey.setDotsPerMeterY(rgb.dotsPerMeterY());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = grey.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = in[x];
            if (qRed(p) != qBlue(p) || qGreen(p) != qBlue(p))
                return {};
            out[x] = static_cast<uchar>(qBlue(p));
        }
    }
    return grey;
}

} // namespace

std::string ImageSurface::SavePng(const std::string& path)
{
    // A page drawn in greys alone (every page of the program) is kept as
    // 8-bit grey: a third of the bytes to compress and write, and the same
    // picture. A colour border picture keeps its colours.
    const QImage grey = exactGrey(image_);
    const QImage& picture = grey.isNull() ? image_ : grey;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        return "the picture could not be encoded as PNG";
    return WriteFileWhole(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void ImageSurface::BeginSheet() { Clear(); }

// ---- a printer ----

PrinterSurface::PrinterSurface(QPrinter& printer, double pageWidth) : printer_(printer)
{
    // Coordinates from the paper's corner, on the paper chosen in Print Setup.
    printer_.setFullPage(true);
    Begin(&printer_, printer_.resolution(), PlacePage(SheetOf(printer_), pageWidth));
}

PrinterSurface::~PrinterSurface() { Finish(); }

void PrinterSurface::Finish()
{
    if (finished_)
        return;
    finished_ = true;
    End();
}

void PrinterSurface::BeginSheet() { printer_.newPage(); }

} // namespace tarvik
