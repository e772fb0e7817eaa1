#pragma once

// The printers through which running text reaches a page: a heading with its
// paragraph, a paragraph, a paragraph in a chosen size, a line advance and a
// paragraph in the Hindi display face. Each splits its text at CR LF pairs
// and prints every piece justified from the surface's current y; an empty
// text is one blank line. The compact layout is narrower in spacing and type.

#include "Surface.h"

#include <string_view>

namespace tarvik {

void PrintPredictionHeading(Surface& surface, std::string_view text, std::string_view heading,
                            bool compact = false);
void PrintPredictionParagraph(Surface& surface, std::string_view text, bool compact = false);
// fontSize 0 means the body size.
void PrintPredictionParagraphAlt(Surface& surface, std::string_view text, bool compact,
                                 int fontSize);
void AdvanceLine(Surface& surface);
void PrintHindiParagraph(Surface& surface, std::string_view text, bool compact = false);

} // namespace tarvik
