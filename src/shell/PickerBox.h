#pragma once

// A picker of database rows: a combo box whose items are rows shown by their
// text and keyed by their id. The user may type to search (any part of the
// text, any letter case); when the typing ends the box stands on the row whose
// text was typed, or goes back to the row it stood on, so that the text shown
// always names the row whose key is read.

#include <QComboBox>

namespace tarvik {

class PickerBox : public QComboBox {
    Q_OBJECT
public:
    explicit PickerBox(QWidget* parent = nullptr);

    // The id of the row shown, 0 when none.
    long long Key() const;
    // Stands on the row of that text (letter case aside); false when none has it.
    bool SelectText(const QString& text);

private:
    void Commit();
};

} // namespace tarvik
