#pragma once

// How the shell shows its modal windows and asks the user for a printer. The
// program shows the window with its own event loop, owned by the window that
// opened it, and asks through the platform's print dialog; tests install a
// script in their place, as they install a reporter for the message boxes.

#include <functional>

class QDialog;
class QPrinter;
class QWidget;

namespace tarvik {

struct DialogScript {
    // Shows a modal window and returns when it is closed.
    std::function<void(QDialog&)> showModal = {};
    // Lets the user choose and set up the printer; false when cancelled.
    std::function<bool(QPrinter&, QWidget* parent)> choosePrinter = {};
};

void ShowModal(QDialog& window);
bool ChoosePrinter(QPrinter& printer, QWidget* parent);

// Installs a script for the lifetime of the guard; a step the script leaves
// empty runs as in the program.
class ScopedDialogScript {
public:
    explicit ScopedDialogScript(DialogScript script);
    ~ScopedDialogScript();
    ScopedDialogScript(const ScopedDialogScript&) = delete;
    ScopedDialogScript& operator=(const ScopedDialogScript&) = delete;

private:
    const DialogScript* previous_;
    DialogScript script_;
};

} // namespace tarvik
