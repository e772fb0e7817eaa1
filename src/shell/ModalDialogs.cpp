#include "ModalDialogs.h"

#include <QDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace tarvik {

namespace {
const DialogScript* current = nullptr;
} // namespace

void ShowModal(QDialog& window)
{
    if (current && current->showModal) {
        current->showModal(window);
        return;
    }
    window.exec();
}

bool ChoosePrinter(QPrinter& printer, QWidget* parent)
{
    if (current && current->choosePrinter)
        return current->choosePrinter(printer, parent);
    QPrintDialog dialog(&printer, parent);
    // The pages to print are chosen in the program's own lists, never by a
    // range of sheet numbers.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

ScopedDialogScript::ScopedDialogScript(DialogScript script) : previous_(current), script_(std::move(script))
{
    current = &script_;
}

ScopedDialogScript::~ScopedDialogScript() { current = previous_; }

} // namespace tarvik
