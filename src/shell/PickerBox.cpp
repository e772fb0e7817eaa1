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
    connect(lineEdit(), &QLineEdit::textEdited, this, &PickerBox::FollowTyping);
    connect(lineEdit(), &QLineEdit::editingFinished, this, &PickerBox::Commit);
}

long long PickerBox::Key() const
{
    if (currentIndex() < 0 || lineEdit()->text().compare(itemText(currentIndex()), Qt::CaseInsensitive) != 0)
        return 0;
    return currentData().toLongLong();
}

bool PickerBox::SelectText(const QString& text)
{
    const int row = findText(text, Qt::MatchFixedString);
    if (row < 0)
        return false;
    setCurrentIndex(row);
    return true;
}

void PickerBox::FollowTyping(const QString& text)
{
    const int row = findText(text, Qt::MatchFixedString);
    if (row >= 0 && row != currentIndex())
        setCurrentIndex(row);
}

void PickerBox::Commit()
{
    const QString shown = currentIndex() >= 0 ? itemText(currentIndex()) : QString();
    if (lineEdit()->text() != shown)
        setEditText(shown);
}

} // namespace tarvik
