#include "ModalDialogs.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace tarvik {

namespace {

const DialogScript* current = nullptr;

// One file dialog serves the whole program: each opens in the folder where
// the last one ended.
QString& LastFolder()
{
    static QString folder;
    return folder;
}

QString StartFolder(const FileRequest& request)
{
    if (!request.folder.isEmpty())
        return request.folder;
    if (!LastFolder().isEmpty() && QFileInfo(LastFolder()).isDir())
        return LastFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

void ShowModal(QDialog& window)
{
    if (current && current->showModal) {
        current->showModal(window);
        return;
    }
    window.exec();
}

bool ChoosePrinter(QPrinter& printer, QWidget* parent, const QString& title)
{
    if (current && current->choosePrinter)
        return current->choosePrinter(printer, parent, title);
    QPrintDialog dialog(&printer, parent);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    // The pages to print are chosen in the program's own lists, never by a
    // range of sheet numbers.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

QString ChooseFile(const FileRequest& request, QWidget* parent)
{
    if (current && current->chooseFile)
        return current->chooseFile(request, parent);
    const bool save = request.kind == FileRequest::Kind::Save;
    QFileDialog dialog(parent, request.title, StartFolder(request), request.filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save) {
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (!request.proposedName.isEmpty())
            dialog.selectFile(request.proposedName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    LastFolder() = QFileInfo(chosen).absolutePath();
    return chosen;
}

ScopedDialogScript::ScopedDialogScript(DialogScript script) : previous_(current), script_(std::move(script))
{
    current = &script_;
}

ScopedDialogScript::~ScopedDialogScript() { current = previous_; }

} // namespace tarvik
