#include "PickerBox.h"

#include <QCompleter>
#include <QLineEdit>

namespace tarvik {

PickerBox::PickerBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(20);
    completer()->setCompletionMode(QCompleter::PopupCompletion);
    completer()->setFilterMode(Qt::MatchContains);
    completer()->setCaseSensitivity(Qt::CaseInsensitive);
    connect(lineEdit(), &QLineEdit::editingFinished, this, &PickerBox::Commit);
}

long long PickerBox::Key() const
{
    return currentIndex() < 0 ? 0 : currentData().toLongLong();
}

bool PickerBox::SelectText(const QString& text)
{
    const int row = findText(text, Qt::MatchFixedString);
    if (row < 0)
        return false;
    setCurrentIndex(row);
    return true;
}

void PickerBox::Commit()
{
    SelectText(lineEdit()->text());
    const QString shown = currentIndex() >= 0 ? itemText(currentIndex()) : QString();
    if (lineEdit()->text() != shown)
        setEditText(shown);
}

} // namespace tarvik
