#pragma once

#include <string>

namespace tarvik {

// The choices of one output run that charts and texts follow: the ayanamsa
// and the node the bodies are cast with, the language the texts are written
// in and its punctuation. The shell and the page dispatcher take it from the
// program's state (RunValues::Choices) and pass it down; the computations
// and the text formats below them read it only from their arguments.
struct RunChoices {
    int ayanamsaChoice = 0;         // 0 N.C.Lahiri, 1 K.P., 2 B.V. Raman
    bool trueNode = true;
    bool languageHindi = true;
    std::string colon = ":";        // between hours, minutes and seconds
    std::string dash = "-";         // between day, month and year; a period with no date
    std::string slash = "/";        // between two values in one cell

    bool operator==(const RunChoices&) const = default;
};

} // namespace tarvik
