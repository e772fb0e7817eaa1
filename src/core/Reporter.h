#pragma once

#include <deque>
#include <string>
#include <vector>

namespace tarvik {

// How a message reaches the user. The shell installs one that shows message
// boxes; tools print to stderr; tests install a CollectingReporter.
// YesNoDefaultNo: Yes and No with No as the default, for a question whose
// Yes cannot be undone.
enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel, YesNoDefaultNo };
enum class Answer { Ok, Yes, No, Cancel };

class Reporter {
public:
    virtual ~Reporter() = default;
    // An informational or error message; title empty means the program title.
    virtual void Message(const std::string& text, const std::string& title = {}) = 0;
    // A question; returns the button the user chose.
    virtual Answer Ask(const std::string& text, Buttons buttons, const std::string& title = {}) = 0;
};

// The reporter in use (never null: a stderr reporter until one is installed).
Reporter& reporter();
// Installs r (not owned); nullptr restores the stderr reporter.
void setReporter(Reporter* r);

// Writes messages to stderr and answers every question with its first button.
class StderrReporter : public Reporter {
public:
    void Message(const std::string& text, const std::string& title = {}) override;
    Answer Ask(const std::string& text, Buttons buttons, const std::string& title = {}) override;
};

// Keeps every message; answers questions from a script (then the first button).
class CollectingReporter : public Reporter {
public:
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<Answer> answers;

    void Message(const std::string& text, const std::string& title = {}) override;
    Answer Ask(const std::string& text, Buttons buttons, const std::string& title = {}) override;
};

// Installs a reporter for the lifetime of the guard and restores the previous one.
class ScopedReporter {
public:
    explicit ScopedReporter(Reporter& r);
    ~ScopedReporter();
    ScopedReporter(const ScopedReporter&) = delete;
    ScopedReporter& operator=(const ScopedReporter&) = delete;

private:
    Reporter* previous_;
};

// The button a question falls back on: its default.
Answer FirstButton(Buttons buttons);

} // namespace tarvik
