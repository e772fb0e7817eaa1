#include "PictureStore.h"

#include "core/RegularFile.h"

#include <QBuffer>
#include <QImageReader>
#include <QSvgRenderer>

namespace tarvik {

namespace {

constexpr double TwipsPerInch = 1440;
constexpr double CssPixelsPerInch = 96;
// Far beyond any border picture.
constexpr std::size_t LargestPicture = std::size_t(64) << 20;

PictureStore::Entry read(const std::string& path)
{
    PictureStore::Entry entry;
    FileProblem problem;
    const std::optional<std::string> read = ReadRegularFile(path, LargestPicture, problem, "a picture file");
    if (!read) {
        entry.problem = std::move(problem.words);
        return entry;
    }
    const QByteArray bytes = QByteArray::fromStdString(*read);
    if (QString::fromStdString(path).endsWith(".svg", Qt::CaseInsensitive)) {
        auto svg = std::make_shared<QSvgRenderer>(bytes);
        if (!svg->isValid()) {
            entry.problem = "cannot be read as an SVG picture";
            return entry;
        }
        const QSize s = svg->defaultSize();
        entry.svg = std::move(svg);
        entry.size = {s.width() * TwipsPerInch / CssPixelsPerInch,
                      s.height() * TwipsPerInch / CssPixelsPerInch};
        entry.loaded = s.width() > 0 && s.height() > 0;
        if (!entry.loaded)
            entry.problem = "is an SVG picture of no size";
        return entry;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    QImage image = reader.read();
    if (image.isNull()) {
        entry.problem = "cannot be read as a picture: " + reader.errorString().toStdString();
        return entry;
    }
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

const PictureStore::Entry& PictureStore::Recheck(const std::string& path)
{
    if (auto it = entries_.find(path); it != entries_.end() && !it->second.loaded)
        entries_.erase(it);
    return Get(path);
}

void PictureStore::Clear()
{
    entries_.clear();
    reads_ = 0;
}

} // namespace tarvik
