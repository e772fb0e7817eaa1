#include "PainterSurface.h"

#include "FontMap.h"
#include "PictureStore.h"
#include "core/State.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QSvgRenderer>

#include <cmath>
#include <cstdio>
#include <filesystem>

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

std::string temporaryBeside(const std::string& path)
{
    return path + ".part";
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
    std::string key(text);
    if (const auto known = f.widths.find(key); known != f.widths.end())
        return known->second;
    if (f.widths.size() >= MostWidthsKept)
        f.widths.clear();
    const double width = f.metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    f.widths.emplace(std::move(key), width);
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

void PainterSurface::Begin(QPaintDevice* device, double dpi)
{
    painter_.begin(device);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.scale(dpi / TwipsPerInch, dpi / TwipsPerInch);
    painter_.translate((A4WidthTwips - OutputRun().PageWidth) / 2, 0);
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
    painter_.setFont(f.font);
    painter_.drawText(QPointF(x, y + f.ascent),
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
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

ImageSurface::ImageSurface(double dpi)
    : image_(static_cast<int>(std::lround(A4WidthTwips / TwipsPerInch * dpi)),
             static_cast<int>(std::lround(A4HeightTwips / TwipsPerInch * dpi)),
             QImage::Format_RGB32)
{
    image_.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    image_.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    image_.fill(Qt::white);
    Begin(&image_, dpi);
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

bool ImageSurface::SavePng(const std::string& path)
{
    const std::string temporary = temporaryBeside(path);
    std::error_code error;
    if (image_.save(QString::fromStdString(temporary), "PNG")) {
        std::filesystem::rename(temporary, path, error);
        if (!error)
            return true;
    }
    // A full disk leaves the part written so far: it goes, as the PDF's does.
    std::filesystem::remove(temporary, error);
    return false;
}

void ImageSurface::BeginSheet() { Clear(); }

// ---- a printer ----

PrinterSurface::PrinterSurface(QPrinter& printer) : printer_(printer)
{
    printer_.setFullPage(true);
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setPageOrientation(QPageLayout::Portrait);
    Begin(&printer_, printer_.resolution());
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
