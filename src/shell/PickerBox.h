#pragma once

// A picker of database rows: a combo box whose items are rows shown by their
// text and keyed by their id. The user may type to search (any part of the
// text or of one of the row's other names, any letter case); the list under
// the box shows the rows found, each by its text, those of exactly the name
// typed (its own or another) first.
// When the typing ends (Enter, Tab, or the box left) the box takes the row
// the list shows: the one highlighted, else the one row of exactly the name
// typed, else the first found. Several rows of exactly that name (two places
// of one name, a country of several zones, a place's own name that is
// another's other name) are listed with what tells them apart, and none is
// taken until the user chooses one. A text that finds no row stays as typed,
// with no key, for the owner to report: the box never goes back to an
// earlier row by itself. So the key read is always the key of the row whose
// text is shown, or none.
//
// A zone may hold some twenty thousand places: the rows are handed over at
// once, and each letter typed searches names folded to one letter case once,
// when the rows came, rather than asking the model for every row anew.

#include <QComboBox>
#include <QStringList>

#include <functional>
#include <vector>

namespace tarvik {

struct PickerRow {
    QString text;
    long long key = 0;
    // Further names the search finds the row by; the list shows only the text.
    QStringList otherNames;
    // The row's own names besides its text, each of which, typed whole,
    // names the row: a zone "Canada (Toronto) [75W00]" is "Canada (Toronto)"
    // and "Canada".
    QStringList names = {};
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
    // finds no row, or names several and none was chosen: it stays as typed,
    // and the key is none.
    bool Commit();
    // A text typed that finds no row (not an empty one).
    bool FindsNoRow() const;
    // A text typed that names several rows exactly, none of them chosen.
    bool NamesSeveralRows() const;
    // Opens the list of the rows the text finds, for the user to choose from.
    void ShowChoices();

    // What tells a row apart from others of the same name (a place's
    // coordinates), shown beside it in the list while several rows of the
    // name typed are listed. None by default.
    void SetDetail(std::function<QString(long long key)> detail);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FollowTyping(const QString& text);
    // The row Enter takes now: NoRow when the text finds none, SeveralRows
    // when it names several and none is chosen.
    static constexpr int NoRow = -1;
    static constexpr int SeveralRows = -2;
    int ChosenRow() const;
    // The row chosen and still shown, or the one row of exactly that name:
    // NoRow when none, SeveralRows when several.
    int ExactRow(const QString& typed) const;
    void StandOn(int row);

    PickerModel* rows_ = nullptr;
    PickerMatches* matches_ = nullptr;
    std::function<QString(long long)> detail_;
    // The text was typed since a row was last chosen or set: it is read by
    // its names, not as the row it may happen to show.
    bool typed_ = false;
    QString typedText_;
};

} // namespace tarvik
