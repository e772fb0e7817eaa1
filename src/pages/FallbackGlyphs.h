#pragma once

// Letters that Qt lays out in no font. Qt gives a script that needs shaping
// only to a font whose substitution table names that script; the one Thaana
// font (Noto Sans Thaana) has none, as Thaana needs only mark positioning,
// so a Maldivian name falls to Qt's box engine, which draws nothing and has
// no font file behind it. Such letters are drawn here from the installed
// font that fontconfig gives for them, glyph by glyph (unshaped), and as the
// substitution glyph of that font where no installed font has them.

#include <QGlyphRun>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>

#include <fontconfig/fontconfig.h>

#include <optional>
#include <string>
#include <vector>

class QTextLayout;

namespace tarvik {

// Lays the layout's text out on one line from (0, 0), as the surfaces draw
// texts; the line's ascent, or nothing when Qt gives no line.
std::optional<double> LayOutOneLine(QTextLayout& layout);

// The installed font that fontconfig finds best for the pattern, as Qt's
// font database would; the pattern is taken and freed, the match (null
// when there is none) is the caller's to free.
FcPattern* BestFont(FcPattern* wanted);

// Whether Qt laid a run out in no font: its raw font has no font tables.
bool InNoFont(const QRawFont& raw);

// Whether a text may hold letters Qt lays out in no font: any letter beyond
// the Latin alphabets and punctuation, other than Devanagari (which the
// pages' own font draws).
bool MayNeedFallback(const QString& text);

// The letters of a laid-out line that are in no font, as glyphs of a font
// that draws them.
struct FallbackRun {
    QString text;               // the letters
    std::string file;           // their font's file (its first face)
    QRawFont font;              // that face at the line's size
    QList<quint32> glyphs;
    QList<QPointF> positions;   // on the baseline, in the layout's coordinates
};
std::vector<FallbackRun> FallbackRuns(const QTextLayout& layout);

} // namespace tarvik
