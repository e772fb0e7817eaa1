#include "FallbackGlyphs.h"

#include <QFontInfo>
#include <QTextLayout>

#include <algorithm>

namespace tarvik {

namespace {

struct FontOfLetters {
    std::string file;
    int index = 0;
};

// The installed font fontconfig finds best for the letters.
FontOfLetters FontFor(const QString& letters)
{
    FontOfLetters found;
    FcCharSet* set = FcCharSetCreate();
    for (char32_t c : letters.toUcs4())
        FcCharSetAddChar(set, c);
    FcPattern* wanted = FcPatternCreate();
    FcPatternAddCharSet(wanted, FC_CHARSET, set);
    FcPatternAddBool(wanted, FC_SCALABLE, FcTrue);
    FcCharSetDestroy(set);
    FcPattern* match = BestFont(wanted);
    if (!match)
        return found;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
        found.file = reinterpret_cast<const char*>(file);
        FcPatternGetInteger(match, FC_INDEX, 0, &found.index);
    }
    FcPatternDestroy(match);
    return found;
}

// The letters as they stand from left to right: a right-to-left script's
// (Thaana) in the reverse order, so that each vowel mark, which takes no
// room of its own, stands just before the letter it is drawn over, as a
// shaper puts them.
QString VisualOrder(const QString& letters, bool rightToLeft)
{
    if (!rightToLeft)
        return letters;
    QList<uint> reversed = letters.toUcs4();
    std::reverse(reversed.begin(), reversed.end());
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(reversed.constData()), reversed.size());
}

bool AllInNoFont(const QList<QGlyphRun>& runs)
{
    return !runs.isEmpty() &&
           std::all_of(runs.begin(), runs.end(), [](const QGlyphRun& r) { return InNoFont(r.rawFont()); });
}

} // namespace

FcPattern* BestFont(FcPattern* wanted)
{
    FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, wanted, &result);
    FcPatternDestroy(wanted);
    return match;
}

std::optional<double> LayOutOneLine(QTextLayout& layout)
{
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (!line.isValid()) {
        layout.endLayout();
        return std::nullopt;
    }
    line.setLineWidth(1e6);
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    return line.ascent();
}

bool InNoFont(const QRawFont& raw) { return !raw.isValid() || raw.fontTable("head").isEmpty(); }

bool MayNeedFallback(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return u >= 0x0300 && !(u >= 0x0900 && u <= 0x097F) && !(u >= 0x2000 && u <= 0x206F);
    });
}

std::vector<FallbackRun> FallbackRuns(const QTextLayout& layout)
{
    std::vector<FallbackRun> runs;
    const QList<QGlyphRun> all = layout.glyphRuns();
    if (std::none_of(all.begin(), all.end(), [](const QGlyphRun& r) { return InNoFont(r.rawFont()); }))
        return runs;
    const QString text = layout.text();
    const int length = static_cast<int>(text.size());
    int at = 0;
    while (at < length) {
        // The next stretch of letters (a surrogate pair is one) in no font.
        auto letter = [&](int i) { return text[i].isHighSurrogate() && i + 1 < length ? 2 : 1; };
        if (!AllInNoFont(layout.glyphRuns(at, letter(at)))) {
            at += letter(at);
            continue;
        }
        int end = at + letter(at);
        while (end < length && AllInNoFont(layout.glyphRuns(end, letter(end))))
            end += letter(end);
        const QList<QGlyphRun> boxes = layout.glyphRuns(at, end - at);
        FallbackRun run;
        run.text = text.mid(at, end - at);
        at = end;
        if (boxes.isEmpty() || boxes.front().positions().isEmpty())
            continue;
        // The font that has the letters; else the default one, whose
        // substitution glyph stands for them. QRawFont reads the first face
        // of a file only.
        // Qt's box engine has no size of its own (-1).
        const double size = layout.font().pixelSize() > 0 ? layout.font().pixelSize()
                                                          : QFontInfo(layout.font()).pixelSize();
        const auto take = [&](const FontOfLetters& font) {
            if (font.file.empty() || font.index != 0)
                return false;
            run.font = QRawFont(QString::fromStdString(font.file), size, QFont::PreferNoHinting);
            if (!run.font.isValid())
                return false;
            run.file = font.file;
            return true;
        };
        if (!take(FontFor(run.text)))
            take(FontFor(QString()));
        if (!run.font.isValid())
            continue;
        run.glyphs = run.font.glyphIndexesForString(VisualOrder(run.text, boxes.front().isRightToLeft()));
        const QList<QPointF> advances = run.font.advancesForGlyphIndexes(run.glyphs);
        QPointF pen = boxes.front().positions().front();
        for (const QGlyphRun& b : boxes)
            for (const QPointF& p : b.positions())
                pen.setX(std::min(pen.x(), p.x()));
        for (const QPointF& advance : advances) {
            run.positions.push_back(pen);
            pen += advance;
        }
        runs.push_back(std::move(run));
    }
    return runs;
}

} // namespace tarvik
