#pragma once

// Messages and questions of the program as message boxes over the active
// window, titled with the program title unless they name their own.

#include "core/Reporter.h"

namespace tarvik {

class MessageBoxReporter : public Reporter {
public:
    void Message(const std::string& text, const std::string& title = {}) override;
    Answer Ask(const std::string& text, Buttons buttons, const std::string& title = {}) override;
};

} // namespace tarvik
