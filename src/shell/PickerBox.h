#pragma once

// A picker of database rows: a combo box whose items are rows shown by their
// text and keyed by their id. The user may type to search (any part of the
// text, any letter case). Typing the whole text of a row picks that row at
// once; a text that names no row has no key, and when the typing ends the box
// goes back to the row it stands on. So the key read is always the key of the
// row whose text is shown, or none.
//
// A zone may hold some twenty thousand places: the rows are handed over at
// once, and each letter typed searches names folded to one letter case once,
// when the rows came, rather than asking the model for every row anew.

#include <QComboBox>

#include <vector>

namespace tarvik {

struct PickerRow {
    QString text;
    long long key = 0;
};

class PickerModel;
class PickerMatches;

class PickerBox : public QComboBox {
    Q_OBJECT
public:
    explicit PickerBox(QWidget* parent = nullptr);

    // Replaces every row, standing on none.
    void SetRows(std::vector<PickerRow> rows);

    // The id of the row shown, 0 when none (also while the text typed names no row).
    long long Key() const;
    // Stands on the row of that text (letter case aside); false when none has it.
    bool SelectText(const QString& text);
    // Ends the typing: the box shows its row's text again.
    void Commit();

private:
    void FollowTyping(const QString& text);

    PickerModel* rows_ = nullptr;
    PickerMatches* matches_ = nullptr;
};

} // namespace tarvik
