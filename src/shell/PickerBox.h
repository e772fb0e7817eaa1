#pragma once

// A picker of database rows: a combo box whose items are rows shown by their
// text and keyed by their id. The user may type to search (any part of the
// text or of one of the row's other names, any letter case); the list under
// the box shows the rows found, each by its text.
// Typing the whole text of a row picks that row at once. When the typing
// ends (Enter, Tab, or the box left) the box takes the row the list shows:
// the one highlighted, else the row of exactly that text or other name,
// else the first found. A text that finds no row stays as typed, with no key, for the owner
// to report: the box never goes back to an earlier row by itself. So the key
// read is always the key of the row whose text is shown, or none.
//
// A zone may hold some twenty thousand places: the rows are handed over at
// once, and each letter typed searches names folded to one letter case once,
// when the rows came, rather than asking the model for every row anew.

#include <QComboBox>
#include <QStringList>

#include <vector>

namespace tarvik {

struct PickerRow {
    QString text;
    long long key = 0;
    // Further names the search finds the row by; the list shows only the text.
    QStringList otherNames;
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
    // Ends the typing: the box stands on the row the list shows and shows
    // its text. An empty text shows the row's text again. False when the text
    // finds no row: it stays as typed, and the key is none.
    bool Commit();
    // A text typed that finds no row (not an empty one).
    bool FindsNoRow() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FollowTyping(const QString& text);
    // The row Enter takes now: -1 when the text finds none.
    int ChosenRow() const;
    // The row shown, or one of exactly that text or other name: -1 when none.
    int ExactRow(const QString& typed) const;
    void StandOn(int row);

    PickerModel* rows_ = nullptr;
    PickerMatches* matches_ = nullptr;
};

} // namespace tarvik
