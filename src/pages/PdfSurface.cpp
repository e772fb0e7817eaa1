#include "PainterSurface.h"

#include "FallbackGlyphs.h"
#include "PictureStore.h"

#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QSvgRenderer>
#include <QTextLayout>

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unordered_map>

namespace tarvik {

namespace {

constexpr double TwipsPerInch = 1440;
constexpr double TwipsPerPoint = 20;
constexpr double PenTwips = 12;
// The slant FreeType gives a face drawn oblique for want of an italic file,
// as the preview draws it.
constexpr double ObliqueSlant = 0.2126;
// Pictures of vector files (SVG) go into the PDF as pictures of this
// resolution.
constexpr double SvgDpi = 300;

// A font file that draws a raw font of Qt's, and what is to be made up
// because the family has no such face (an italic or a bold of its own).
struct FontFile {
    cairo_font_face_t* face = nullptr;
    bool oblique = false;
};

// One face of a font file.
FontFile OpenFontFile(const std::string& path, int index)
{
    FcPattern* only = FcPatternCreate();
    FcPatternAddString(only, FC_FILE, reinterpret_cast<const FcChar8*>(path.c_str()));
    FcPatternAddInteger(only, FC_INDEX, index);
    FontFile file;
    file.face = cairo_ft_font_face_create_for_pattern(only);
    FcPatternDestroy(only);
    return file;
}

// The file fontconfig gives for a family in the style the page asked for,
// as Qt's font database finds it.
FontFile OpenFontFile(const QRawFont& raw, bool italic, bool bold)
{
    FontFile file;
    FcPattern* wanted = FcPatternCreate();
    const QByteArray family = raw.familyName().toUtf8();
    FcPatternAddString(wanted, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.constData()));
    FcPatternAddInteger(wanted, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(wanted, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPattern* match = BestFont(wanted);
    if (!match)
        return file;

    FcChar8* path = nullptr;
    int index = 0;
    FcMatrix* slant = nullptr;
    FcBool embolden = FcFalse;
    FcPatternGetString(match, FC_FILE, 0, &path);
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FcPatternGetMatrix(match, FC_MATRIX, 0, &slant);
    FcPatternGetBool(match, FC_EMBOLDEN, 0, &embolden);
    if (path) {
        // Only the file: a style the family lacks (fontconfig says so by a
        // slant matrix or by emboldening) is made here as Qt makes it.
        file.face = OpenFontFile(reinterpret_cast<const char*>(path), index).face;
        file.oblique = italic && slant && slant->xy != 0;
        if (bold && embolden)
            cairo_ft_font_face_set_synthesize(file.face, CAIRO_FT_SYNTHESIZE_BOLD);
    }
    FcPatternDestroy(match);
    return file;
}

std::string fontKey(const QRawFont& raw, bool italic, bool bold)
{
    return raw.familyName().toStdString() + "|" + std::to_string(italic) + std::to_string(bold);
}

// A copy of the image as cairo keeps pictures.
cairo_surface_t* CairoImage(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, argb.width(), argb.height());
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < argb.height(); ++y)
        std::memcpy(data + static_cast<std::ptrdiff_t>(y) * stride, argb.constScanLine(y),
                    static_cast<std::size_t>(argb.width()) * 4);
    cairo_surface_mark_dirty(surface);
    return surface;
}

// Whether a word may map its glyphs to its characters one by one: as many
// glyphs as characters, and no combining mark, whose glyph takes no room of
// its own (a text reader would take the gap after it for a word break).
bool oneByOne(const QString& word, qsizetype glyphs)
{
    if (word.size() != glyphs)
        return false;
    for (QChar ch : word)
        if (ch.isMark() || ch.isSurrogate())
            return false;
    return true;
}

// The clusters of one word: its characters one by one when its glyphs are
// they, else the whole word for all its glyphs.
void appendWord(const QString& word, const QList<quint32>& glyphs, const QRawFont& raw,
                std::string& utf8, std::vector<cairo_text_cluster_t>& clusters)
{
    const std::string text = word.toStdString();
    utf8 += text;
    if (oneByOne(word, glyphs.size()) && raw.glyphIndexesForString(word) == glyphs) {
        for (QChar ch : word)
            clusters.push_back({static_cast<int>(QString(ch).toUtf8().size()), 1});
    } else {
        clusters.push_back({static_cast<int>(text.size()), static_cast<int>(glyphs.size())});
    }
}

// The words and single blanks of a text, as ranges of its characters.
template <class F>
void forEachWord(const QString& text, F&& f)
{
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype to = from + 1;
        if (text[from] != u' ')
            while (to < text.size() && text[to] != u' ')
                ++to;
        f(from, to);
        from = to;
    }
}

} // namespace

struct PdfSurface::Writer {
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    std::unordered_map<std::string, FontFile> fonts;
    std::unordered_map<std::string, cairo_surface_t*> pictures;
    // The file cairo writes through, and the system's error of the first
    // write that failed (0 while none has).
    std::FILE* file = nullptr;
    int error = 0;

    ~Writer()
    {
        for (auto& [key, picture] : pictures)
            cairo_surface_destroy(picture);
        if (cr)
            cairo_destroy(cr);
        if (surface)
            cairo_surface_destroy(surface);
        for (auto& [key, font] : fonts)
            if (font.face)
                cairo_font_face_destroy(font.face);
        Close();
    }

    static cairo_status_t Write(void* closure, const unsigned char* data, unsigned int length)
    {
        auto* w = static_cast<Writer*>(closure);
        if (!w->file || w->error != 0)
            return CAIRO_STATUS_WRITE_ERROR;
        if (std::fwrite(data, 1, length, w->file) != length) {
            w->error = errno != 0 ? errno : EIO;
            return CAIRO_STATUS_WRITE_ERROR;
        }
        return CAIRO_STATUS_SUCCESS;
    }

    // Closes the file; a write held back until now can fail here too.
    void Close()
    {
        if (!file)
            return;
        if (std::fclose(file) != 0 && error == 0)
            error = errno != 0 ? errno : EIO;
        file = nullptr;
    }

    const FontFile& font(const QRawFont& raw, bool italic, bool bold)
    {
        // Letters in no font have no file (FallbackRuns draws them).
        static const FontFile none;
        if (InNoFont(raw))
            return none;
        const std::string key = fontKey(raw, italic, bold);
        auto it = fonts.find(key);
        if (it == fonts.end())
            it = fonts.emplace(key, OpenFontFile(raw, italic, bold)).first;
        return it->second;
    }

    // A line drawing recorded once, in its own units, so that the file holds
    // it once however many pages show it (the border, the chart frames).
    cairo_surface_t* drawing(const std::string& name, const VectorDrawing& d)
    {
        const std::string key = "drawing " + name + " " + std::to_string(reinterpret_cast<std::uintptr_t>(&d));
        auto it = pictures.find(key);
        if (it != pictures.end())
            return it->second;
        const cairo_rectangle_t extents{0, 0, d.width, d.height};
        cairo_surface_t* recorded = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extents);
        cairo_t* pen = cairo_create(recorded);
        cairo_set_source_rgb(pen, 0, 0, 0);
        cairo_set_line_width(pen, d.penWidth);
        cairo_set_line_cap(pen, CAIRO_LINE_CAP_SQUARE);
        for (const VectorDrawing::Stroke& s : d.strokes) {
            cairo_move_to(pen, s.x1, s.y1);
            cairo_line_to(pen, s.x2, s.y2);
        }
        cairo_stroke(pen);
        cairo_destroy(pen);
        return pictures.emplace(key, recorded).first->second;
    }

    void setPen(double width, cairo_line_cap_t cap)
    {
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_set_line_width(cr, width);
        cairo_set_line_cap(cr, cap);
    }

    // Draws the glyphs of one run of one font in the page's style, at the
    // layout's positions moved by (dx, dy), standing for the text with the
    // given clusters.
    void showGlyphs(const QGlyphRun& run, const TextFont& style, double dx, double dy,
                    const std::string& utf8, const std::vector<cairo_text_cluster_t>& clusters)
    {
        const QRawFont raw = run.rawFont();
        const FontFile& file = font(raw, style.Italic, style.Bold);
        if (!file.face)
            return;
        show(file, raw.pixelSize(), file.oblique, run.glyphIndexes(), run.positions(), dx, dy, utf8, clusters);
    }

    void show(const FontFile& file, double size, bool oblique, const QList<quint32>& indexes,
              const QList<QPointF>& positions, double dx, double dy, const std::string& utf8,
              const std::vector<cairo_text_cluster_t>& clusters)
    {
        std::vector<cairo_glyph_t> glyphs(static_cast<std::size_t>(indexes.size()));
        for (qsizetype i = 0; i < indexes.size(); ++i)
            glyphs[static_cast<std::size_t>(i)] = {indexes[i], dx + positions[i].x(), dy + positions[i].y()};
        cairo_matrix_t matrix;
        cairo_matrix_init(&matrix, size, 0, oblique ? -ObliqueSlant * size : 0, size, 0, 0);
        cairo_set_font_face(cr, file.face);
        cairo_set_font_matrix(cr, &matrix);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_show_text_glyphs(cr, utf8.data(), static_cast<int>(utf8.size()), glyphs.data(),
                               static_cast<int>(glyphs.size()), clusters.data(),
                               static_cast<int>(clusters.size()), cairo_text_cluster_flags_t(0));
    }

    // Letters Qt laid out in no font, in the font file that has them.
    void showFallback(const FallbackRun& run, const TextFont& style, double dx, double dy)
    {
        const std::string key = "file:" + run.file;
        auto it = fonts.find(key);
        if (it == fonts.end())
            it = fonts.emplace(key, OpenFontFile(run.file, 0)).first;
        if (!it->second.face)
            return;
        const std::string utf8 = run.text.toStdString();
        const std::vector<cairo_text_cluster_t> clusters{
            {static_cast<int>(utf8.size()), static_cast<int>(run.glyphs.size())}};
        show(it->second, run.font.pixelSize(), style.Italic, run.glyphs, run.positions, dx, dy, utf8, clusters);
    }

    cairo_surface_t* picture(const std::string& key, const QImage& image)
    {
        auto it = pictures.find(key);
        if (it == pictures.end())
            it = pictures.emplace(key, CairoImage(image)).first;
        return it->second;
    }
};

PdfSurface::PdfSurface(const std::string& path, const Sheet& sheet, const std::string& title, double pageWidth)
    : path_(path), temporary_(path + ".part"), writer_(std::make_unique<Writer>())
{
    // cairo takes and frees buffers of some hundred kilobytes for every page
    // (its recording, the compressed content); handing each back to the
    // system at once and mapping it anew costs more than writing the page.
    // Freed memory of the process is kept up to these sizes from now on.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    constexpr double pointsPerTwip = 1 / TwipsPerPoint;
    errno = 0;
    writer_->file = std::fopen(temporary_.c_str(), "wb");
    if (!writer_->file)
        writer_->error = errno != 0 ? errno : EIO;
    writer_->surface = cairo_pdf_surface_create_for_stream(&Writer::Write, writer_.get(),
                                                           sheet.width * pointsPerTwip,
                                                           sheet.height * pointsPerTwip);
    cairo_pdf_surface_set_metadata(writer_->surface, CAIRO_PDF_METADATA_CREATOR, "Tarvik");
    if (!title.empty())
        cairo_pdf_surface_set_metadata(writer_->surface, CAIRO_PDF_METADATA_TITLE, title.c_str());
    writer_->cr = cairo_create(writer_->surface);
    cairo_t* cr = writer_->cr;
    cairo_scale(cr, pointsPerTwip, pointsPerTwip);
    const PagePlacement place = PlacePage(sheet, pageWidth);
    cairo_translate(cr, place.x0, place.y0);
    cairo_scale(cr, place.scale, place.scale);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

PdfSurface::~PdfSurface() { Finish(); }

bool PdfSurface::IsOpen() const
{
    return writer_ && writer_->file && cairo_surface_status(writer_->surface) == CAIRO_STATUS_SUCCESS;
}

bool PdfSurface::Finish()
{
    if (finished_)
        return problem_.empty();
    finished_ = true;
    cairo_surface_finish(writer_->surface);
    const cairo_status_t status = cairo_surface_status(writer_->surface) != CAIRO_STATUS_SUCCESS
                                      ? cairo_surface_status(writer_->surface)
                                      : cairo_status(writer_->cr);
    writer_->Close();
    const int systemError = writer_->error;
    writer_.reset();
    std::error_code error;
    if (status != CAIRO_STATUS_SUCCESS || systemError != 0) {
        problem_ = systemError != 0 ? std::strerror(systemError) : cairo_status_to_string(status);
        std::filesystem::remove(temporary_, error);
        return false;
    }
    std::filesystem::rename(temporary_, path_, error);
    if (error)
        problem_ = error.message();
    return !error;
}

void PdfSurface::Abandon()
{
    if (finished_)
        return;
    finished_ = true;
    writer_.reset();
    std::error_code error;
    std::filesystem::remove(temporary_, error);
}

std::string PdfSurface::Problem() const
{
    if (!problem_.empty())
        return problem_;
    return writer_ && writer_->error != 0 ? std::strerror(writer_->error) : std::string();
}

void PdfSurface::BeginSheet() { cairo_show_page(writer_->cr); }

// The text is laid out as the preview lays it out (one line, Qt's shaping
// and positions). Each word goes out with its text: a word whose glyphs are
// the characters one by one maps glyph to character; any other (conjuncts,
// reph, vowel signs) maps its glyphs as a whole to the word.
void PdfSurface::DrawText(double x, double y, std::string_view text)
{
    const Face& f = face();
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QTextLayout layout(qtext, f.font);
    const std::optional<double> ascent = LayOutOneLine(layout);
    if (!ascent)
        return;
    const double dx = x;
    const double dy = y + f.ascent - *ascent;

    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1 || !showInOneFont(runs.front(), qtext, dx, dy))
        showWordByWord(layout, qtext, dx, dy);
    if (MayNeedFallback(qtext))
        for (const FallbackRun& run : FallbackRuns(layout))
            writer_->showFallback(run, Font, dx, dy);

    if (Font.Underline)
        underline(layout, dx, dy);
}

// Underlines as Qt's painter draws them: under each run of one font, as
// far as its glyphs advance (not the ink's extent, which a final i-sign's
// hook carries past the word), just below the baseline within the font's
// descent, a line of the font's own thickness.
void PdfSurface::underline(const QTextLayout& layout, double dx, double dy)
{
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        if (glyphs.isEmpty())
            continue;
        const QRawFont raw = run.rawFont();
        const QList<QPointF> positions = run.positions();
        const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
        double from = positions.front().x();
        double to = from;
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            from = std::min(from, positions[i].x());
            to = std::max(to, positions[i].x() + advances[i].x());
        }
        const double position = raw.underlinePosition();
        double offset = std::ceil(position) + 0.5;
        if (position <= raw.descent())
            offset = std::min(offset, raw.descent() - 0.5);
        const double baseline = dy + positions.front().y();
        writer_->setPen(raw.lineThickness(), CAIRO_LINE_CAP_BUTT);
        cairo_move_to(writer_->cr, std::floor(dx + from), baseline + offset);
        cairo_line_to(writer_->cr, std::floor(dx + to), baseline + offset);
        cairo_stroke(writer_->cr);
    }
}

// A text drawn in one font: its glyphs part at the blanks' glyphs into the
// glyphs of its words. False when they do not (nothing is drawn then).
bool PdfSurface::showInOneFont(const QGlyphRun& run, const QString& text, double dx, double dy)
{
    const QRawFont raw = run.rawFont();
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<quint32> blank = raw.glyphIndexesForString(QStringLiteral(" "));
    if (blank.size() != 1 || glyphs.count(blank.front()) != text.count(u' '))
        return false;
    std::string utf8;
    std::vector<cairo_text_cluster_t> clusters;
    qsizetype next = 0;   // the first glyph of the next word
    bool parted = true;
    forEachWord(text, [&](qsizetype from, qsizetype to) {
        if (!parted)
            return;
        if (text[from] == u' ') {
            parted = next < glyphs.size() && glyphs[next] == blank.front();
            utf8 += ' ';
            clusters.push_back({1, 1});
            ++next;
            return;
        }
        qsizetype end = next;
        while (end < glyphs.size() && glyphs[end] != blank.front())
            ++end;
        appendWord(text.mid(from, to - from), glyphs.mid(next, end - next), raw, utf8, clusters);
        next = end;
    });
    if (!parted || next != glyphs.size())
        return false;
    writer_->showGlyphs(run, Font, dx, dy, utf8, clusters);
    return true;
}

// A text drawn in more than one font: each word's glyphs as Qt gives them
// for the word's characters; a word drawn in more than one font gives its
// text to its first run.
void PdfSurface::showWordByWord(const QTextLayout& layout, const QString& text, double dx, double dy)
{
    forEachWord(text, [&](qsizetype from, qsizetype to) {
        const QString word = text.mid(from, to - from);
        const QList<QGlyphRun> runs = layout.glyphRuns(static_cast<int>(from), static_cast<int>(to - from));
        for (qsizetype r = 0; r < runs.size(); ++r) {
            const QGlyphRun& run = runs[r];
            const QList<quint32> glyphs = run.glyphIndexes();
            if (glyphs.isEmpty())
                continue;
            std::string utf8;
            std::vector<cairo_text_cluster_t> clusters;
            if (r == 0 && runs.size() == 1)
                appendWord(word, glyphs, run.rawFont(), utf8, clusters);
            else if (r == 0) {
                utf8 = word.toStdString();
                clusters.push_back({static_cast<int>(utf8.size()), static_cast<int>(glyphs.size())});
            } else
                clusters.push_back({0, static_cast<int>(glyphs.size())});
            writer_->showGlyphs(run, Font, dx, dy, utf8, clusters);
        }
    });
}

void PdfSurface::DrawLine(double x1, double y1, double x2, double y2)
{
    writer_->setPen(PenTwips, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(writer_->cr, x1, y1);
    cairo_line_to(writer_->cr, x2, y2);
    cairo_stroke(writer_->cr);
}

void PdfSurface::DrawPicture(const Picture& picture, double x, double y, double width,
                             double height)
{
    cairo_t* cr = writer_->cr;
    if (const VectorDrawing* d = picture.Vector()) {
        cairo_surface_t* recorded = writer_->drawing(picture.Name(), *d);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, width / d->width, height / d->height);
        cairo_set_source_surface(cr, recorded, 0, 0);
        cairo_paint(cr);
        cairo_restore(cr);
        return;
    }
    const PictureStore::Entry& entry = PictureStore::Instance().Get(picture.Name());
    cairo_surface_t* image = nullptr;
    if (entry.svg) {
        const int w = std::max(1, static_cast<int>(std::lround(width / TwipsPerInch * SvgDpi)));
        const int h = std::max(1, static_cast<int>(std::lround(height / TwipsPerInch * SvgDpi)));
        const std::string key = picture.Name() + "|" + std::to_string(w) + "x" + std::to_string(h);
        if (auto it = writer_->pictures.find(key); it != writer_->pictures.end()) {
            image = it->second;
        } else {
            QImage drawn(w, h, QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            painter.setRenderHint(QPainter::Antialiasing);
            entry.svg->render(&painter, QRectF(0, 0, w, h));
            painter.end();
            image = writer_->picture(key, drawn);
        }
    } else if (!entry.image.isNull()) {
        image = writer_->picture(picture.Name(), entry.image);
    }
    if (!image)
        return;
    const int w = cairo_image_surface_get_width(image);
    const int h = cairo_image_surface_get_height(image);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, width / w, height / h);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
}

} // namespace tarvik
