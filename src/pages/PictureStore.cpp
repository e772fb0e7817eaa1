#include "PictureStore.h"

#include <QFileInfo>
#include <QImageReader>
#include <QSvgRenderer>

namespace tarvik {

namespace {

constexpr double TwipsPerInch = 1440;
constexpr double CssPixelsPerInch = 96;

PictureStore::Entry read(const std::string& path)
{
    PictureStore::Entry entry;
    const QString file = QString::fromStdString(path);
    if (!QFileInfo(file).isFile())
        return entry;
    if (file.endsWith(".svg", Qt::CaseInsensitive)) {
        auto svg = std::make_shared<QSvgRenderer>(file);
        if (!svg->isValid())
            return entry;
        const QSize s = svg->defaultSize();
        entry.svg = std::move(svg);
        entry.size = {s.width() * TwipsPerInch / CssPixelsPerInch,
                      s.height() * TwipsPerInch / CssPixelsPerInch};
        entry.loaded = s.width() > 0 && s.height() > 0;
        return entry;
    }
    QImageReader reader(file);
    QImage image = reader.read();
    if (image.isNull())
        return entry;
    // The picture's own resolution where the file states one.
    const double dpiX = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() * 0.0254 : CssPixelsPerInch;
    const double dpiY = image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() * 0.0254 : CssPixelsPerInch;
    entry.size = {image.width() * TwipsPerInch / dpiX, image.height() * TwipsPerInch / dpiY};
    entry.image = std::move(image);
    entry.loaded = true;
    return entry;
}

} // namespace

PictureStore& PictureStore::Instance()
{
    static PictureStore store;
    return store;
}

const PictureStore::Entry& PictureStore::Get(const std::string& path)
{
    auto it = entries_.find(path);
    if (it == entries_.end()) {
        ++reads_;
        it = entries_.emplace(path, read(path)).first;
    }
    return it->second;
}

void PictureStore::Clear()
{
    entries_.clear();
    reads_ = 0;
}

} // namespace tarvik
