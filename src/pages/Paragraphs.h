#pragma once

// The printers through which running text reaches a page: a heading with its
// paragraph, a paragraph, a paragraph in a chosen size, a line advance and a
// paragraph in the Hindi display face. Each splits its text at CR LF pairs
// and prints every piece justified from the surface's current y; an empty
// text is one blank line. The compact layout is narrower in spacing and type;
// the normal layout sets its paragraph's lines 50 twips (scaled) further
// apart than the page's line step.

#include "Justified.h"
#include "PageContext.h"
#include "Surface.h"

#include <string_view>

namespace tarvik {

void PrintPredictionHeading(Surface& surface, const PageLayout& layout, std::string_view text,
                            std::string_view heading, bool compact = false);
void PrintPredictionParagraph(Surface& surface, const PageLayout& layout, std::string_view text,
                              bool compact = false);
// fontSize 0 means the body size.
void PrintPredictionParagraphAlt(Surface& surface, const PageLayout& layout, std::string_view text,
                                 bool compact, int fontSize);
void AdvanceLine(Surface& surface, const PageLayout& layout);
void PrintHindiParagraph(Surface& surface, const PageLayout& layout, std::string_view text,
                         bool compact = false);

// The lines of a paragraph at the page's line step and more, down to the
// frame's bottom.
ParagraphLines LinesOf(const PageLayout& layout, double lineStepAddition = 0);

} // namespace tarvik
