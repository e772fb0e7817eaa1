#include "Reporter.h"

#include <iostream>

namespace tarvik {

namespace {
StderrReporter& stderrReporter()
{
    static StderrReporter r;
    return r;
}
Reporter* current = nullptr;
} // namespace

Reporter& reporter() { return current ? *current : stderrReporter(); }

void setReporter(Reporter* r) { current = r; }

Answer FirstButton(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel:
        return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return Answer::Yes;
    case Buttons::YesNoDefaultNo:
        return Answer::No;
    }
    return Answer::Ok;
}

void StderrReporter::Message(const std::string& text, const std::string& title)
{
    std::cerr << (title.empty() ? "" : title + ": ") << text << '\n';
}

Answer StderrReporter::Ask(const std::string& text, Buttons buttons, const std::string& title)
{
    Message(text, title);
    return FirstButton(buttons);
}

void CollectingReporter::Message(const std::string& text, const std::string&)
{
    messages.push_back(text);
}

Answer CollectingReporter::Ask(const std::string& text, Buttons buttons, const std::string&)
{
    questions.push_back(text);
    if (answers.empty())
        return FirstButton(buttons);
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

ScopedReporter::ScopedReporter(Reporter& r) : previous_(current) { current = &r; }

ScopedReporter::~ScopedReporter() { current = previous_; }

} // namespace tarvik
