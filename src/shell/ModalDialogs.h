#pragma once

// How the shell shows its modal windows and asks the user for a printer or a
// file. The program shows the window with its own event loop, owned by the
// window that opened it, and asks through the platform's print and file
// dialogs; tests install a script in their place, as they install a reporter
// for the message boxes.

#include <QString>

#include <functional>

class QDialog;
class QPrinter;
class QWidget;

namespace tarvik {

// What a file dialog asks for. The filter is in the file dialog's own form:
// "Tarvik Files (*.TVK)", several joined by ";;".
struct FileRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QString filter;
    QString proposedName;     // Save: the file name offered
    QString folder;           // where the dialog starts; empty: where the last one ended
    QString defaultSuffix;    // Save: added to a name typed without one

    static FileRequest Open(QString title, QString filter, QString folder = {})
    {
        return {Kind::Open, std::move(title), std::move(filter), {}, std::move(folder), {}};
    }
    static FileRequest Save(QString title, QString filter, QString defaultSuffix, QString proposedName = {})
    {
        return {Kind::Save, std::move(title), std::move(filter), std::move(proposedName), {}, std::move(defaultSuffix)};
    }
};

struct DialogScript {
    // Shows a modal window and returns when it is closed.
    std::function<void(QDialog&)> showModal = {};
    // Lets the user choose and set up the printer; false when cancelled.
    std::function<bool(QPrinter&, QWidget* parent, const QString& title)> choosePrinter = {};
    // The file chosen, or empty when cancelled.
    std::function<QString(const FileRequest&, QWidget* parent)> chooseFile = {};
};

void ShowModal(QDialog& window);
// The print dialog under the given title (the platform's own when empty).
bool ChoosePrinter(QPrinter& printer, QWidget* parent, const QString& title = {});
// The full path of the file chosen, or empty when the dialog was cancelled.
// An open dialog offers only files that exist.
QString ChooseFile(const FileRequest& request, QWidget* parent);

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
