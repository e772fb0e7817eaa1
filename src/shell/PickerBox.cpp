#include "PickerBox.h"

#include <QAbstractItemView>
#include <QAbstractListModel>
#include <QAbstractProxyModel>
#include <QAction>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QListView>

#include <algorithm>

namespace tarvik {

namespace {

// What the search reads of a row: its text, and its other names, each on a
// line of its own (no typed text holds a line break, so none runs from one
// name into the next).
constexpr int SearchRole = Qt::UserRole + 1;

QString SearchText(const PickerRow& row)
{
    if (row.otherNames.isEmpty())
        return row.text;
    return row.text + QLatin1Char('\n') + row.otherNames.join(QLatin1Char('\n'));
}

QStringList Folded(const QStringList& names)
{
    QStringList folded;
    for (const QString& n : names)
        folded << n.toCaseFolded();
    return folded;
}

// The completer filters by the search text, and puts into the box the text
// of the row, whatever the list shows beside it.
class PickerCompleter : public QCompleter {
public:
    using QCompleter::QCompleter;
    QString pathFromIndex(const QModelIndex& index) const override { return index.data(Qt::EditRole).toString(); }
};

} // namespace

// The rows of a picker, with each text and name folded to one letter case.
class PickerModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    // How a row bears a name: not at all, as its own, or as one of its other
    // names (its position among them).
    static constexpr int NotNamed = -2;
    static constexpr int OwnName = -1;

    void Reset(std::vector<PickerRow> rows)
    {
        beginResetModel();
        rows_ = std::move(rows);
        folded_.clear();
        folded_.reserve(rows_.size());
        namesApart_ = 0;
        for (const PickerRow& r : rows_) {
            folded_.push_back(Fold(r));
            namesApart_ += folded_.back().namesApart;
        }
        endResetModel();
    }

    const PickerRow& Row(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    // The folded search text of a row.
    const QString& Searched(int row) const { return folded_[static_cast<std::size_t>(row)].search; }

    // How the row bears that folded name.
    int Naming(int row, const QString& folded) const
    {
        const FoldedRow& f = folded_[static_cast<std::size_t>(row)];
        if (f.text == folded || f.names.contains(folded))
            return OwnName;
        const qsizetype other = f.others.indexOf(folded);
        return other >= 0 ? static_cast<int>(other) : NotNamed;
    }

    // The rows that bear that folded name, in their order.
    std::vector<int> Named(const QString& folded) const
    {
        std::vector<int> named;
        for (int r = 0; r < rowCount(); ++r)
            if (Naming(r, folded) != NotNamed)
                named.push_back(r);
        return named;
    }

    // Whether every row's search text holds each name it bears, so that the
    // rows that bear a name are among those holding it. A zone's own names
    // begin its text; rows handed over with an own name their text lacks
    // are searched whole for a name.
    bool NamesSearched() const { return namesApart_ == 0; }

    // The first row of that folded text, -1 when none.
    int Find(const QString& folded) const
    {
        for (std::size_t r = 0; r < folded_.size(); ++r)
            if (folded_[r].text == folded)
                return static_cast<int>(r);
        return -1;
    }

    // The first row whose folded search text holds that folded text, -1 when none.
    int FirstHolding(const QString& folded) const
    {
        for (std::size_t r = 0; r < folded_.size(); ++r)
            if (folded_[r].search.contains(folded))
                return static_cast<int>(r);
        return -1;
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        const PickerRow& r = rows_[index.row()];
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return r.text;
        if (role == Qt::UserRole)
            return QVariant::fromValue(r.key);
        if (role == SearchRole)
            return folded_[index.row()].search;
        return {};
    }

    // A row added one at a time (QComboBox::addItem) takes its text and key here.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (!index.isValid() || index.row() >= rowCount())
            return false;
        PickerRow& r = rows_[index.row()];
        if (role == Qt::DisplayRole || role == Qt::EditRole) {
            r.text = value.toString();
            namesApart_ -= folded_[index.row()].namesApart;
            folded_[index.row()] = Fold(r);
            namesApart_ += folded_[index.row()].namesApart;
        } else if (role == Qt::UserRole) {
            r.key = value.toLongLong();
        } else {
            return false;
        }
        emit dataChanged(index, index, {role});
        return true;
    }

    bool insertRows(int row, int count, const QModelIndex& parent = {}) override
    {
        if (parent.isValid() || row < 0 || row > rowCount() || count < 1)
            return false;
        beginInsertRows(parent, row, row + count - 1);
        rows_.insert(rows_.begin() + row, count, PickerRow{});
        folded_.insert(folded_.begin() + row, count, FoldedRow{});
        endInsertRows();
        return true;
    }

    bool removeRows(int row, int count, const QModelIndex& parent = {}) override
    {
        if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount())
            return false;
        beginRemoveRows(parent, row, row + count - 1);
        for (int r = row; r < row + count; ++r)
            namesApart_ -= folded_[static_cast<std::size_t>(r)].namesApart;
        rows_.erase(rows_.begin() + row, rows_.begin() + row + count);
        folded_.erase(folded_.begin() + row, folded_.begin() + row + count);
        endRemoveRows();
        return true;
    }

    // The combo box never takes a row by its text by itself (as it would when
    // the typing ends on a text some row has): the picker decides that.
    QModelIndexList match(const QModelIndex& start, int role, const QVariant& value, int hits,
                          Qt::MatchFlags flags) const override
    {
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return {};
        return QAbstractListModel::match(start, role, value, hits, flags);
    }

private:
    struct FoldedRow {
        QString text;
        QString search;
        QStringList names;    // own names besides the text
        QStringList others;   // other names
        bool namesApart = false;   // an own name is not in the search text
    };

    static FoldedRow Fold(const PickerRow& r)
    {
        FoldedRow f;
        f.text = r.text.toCaseFolded();
        // The text alone shares the folded text's storage.
        f.search = r.otherNames.isEmpty() ? f.text : SearchText(r).toCaseFolded();
        f.names = Folded(r.names);
        f.others = Folded(r.otherNames);
        f.namesApart = std::any_of(f.names.cbegin(), f.names.cend(),
                                   [&f](const QString& name) { return !f.search.contains(name); });
        return f;
    }

    std::vector<PickerRow> rows_;
    std::vector<FoldedRow> folded_;
    int namesApart_ = 0;   // rows with a name not in their search text
};

// The rows whose text holds what was typed: the list the completer's popup
// shows, the rows of exactly the name typed first, then the others in the
// rows' order. A letter added to the text narrows the rows found before
// instead of searching them all again. While several rows bear the name
// typed, each of them is listed with the name it bears (when it is one of
// its other names) and what else tells it apart.
class PickerMatches : public QAbstractProxyModel {
public:
    using QAbstractProxyModel::QAbstractProxyModel;

    void Narrow(const PickerModel& rows, const QString& typed, const std::function<QString(long long)>& detail)
    {
        const QString needle = typed.toCaseFolded();
        std::vector<int> found;
        if (searched_ && needle.contains(needle_)) {
            for (int r : holding_)
                if (rows.Searched(r).contains(needle))
                    found.push_back(r);
        } else if (!needle.isEmpty()) {
            for (int r = 0; r < rows.rowCount(); ++r)
                if (rows.Searched(r).contains(needle))
                    found.push_back(r);
        }
        std::vector<int> named, listed;
        std::vector<int> namings;
        const QString name = needle.trimmed();
        for (int r : found) {
            const int naming = rows.Naming(r, name);
            if (naming != PickerModel::NotNamed) {
                named.push_back(r);
                namings.push_back(naming);
            }
        }
        listed = named;
        for (int r : found)
            if (!std::binary_search(named.begin(), named.end(), r))
                listed.push_back(r);
        std::vector<QString> labels;
        if (named.size() > 1) {
            for (std::size_t k = 0; k < named.size(); ++k) {
                const PickerRow& row = rows.Row(named[k]);
                QString label = row.text;
                if (namings[k] >= 0)
                    label += QStringLiteral(" (also ") + row.otherNames[namings[k]] + QLatin1Char(')');
                if (const QString apart = detail ? detail(row.key) : QString(); !apart.isEmpty())
                    label += QStringLiteral("  \u2014  ") + apart;
                labels.push_back(label);
            }
        }

        beginResetModel();
        holding_ = std::move(found);
        listed_ = std::move(listed);
        labels_ = std::move(labels);
        bySource_.clear();
        for (std::size_t k = 0; k < listed_.size(); ++k)
            bySource_.emplace_back(listed_[k], static_cast<int>(k));
        std::sort(bySource_.begin(), bySource_.end());
        needle_ = needle;
        searched_ = !needle.isEmpty();
        endResetModel();
    }

    // The rows that bear that folded name, in their order. A name that holds
    // the text last searched is borne only by rows found for it, which are
    // all that is looked at then.
    std::vector<int> Named(const PickerModel& rows, const QString& folded) const
    {
        if (!searched_ || !folded.contains(needle_) || !rows.NamesSearched())
            return rows.Named(folded);
        std::vector<int> named;
        for (int r : holding_)
            if (rows.Naming(r, folded) != PickerModel::NotNamed)
                named.push_back(r);
        return named;
    }

    void Clear()
    {
        beginResetModel();
        holding_.clear();
        listed_.clear();
        labels_.clear();
        bySource_.clear();
        searched_ = false;
        endResetModel();
    }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override
    {
        if (parent.isValid() || row < 0 || row >= rowCount() || column != 0)
            return {};
        return createIndex(row, column);
    }
    QModelIndex parent(const QModelIndex&) const override { return {}; }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(listed_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 1; }

    QVariant data(const QModelIndex& proxy, int role) const override
    {
        if (role == Qt::DisplayRole && proxy.isValid() && static_cast<std::size_t>(proxy.row()) < labels_.size())
            return labels_[static_cast<std::size_t>(proxy.row())];
        return QAbstractProxyModel::data(proxy, role);
    }

    QModelIndex mapToSource(const QModelIndex& proxy) const override
    {
        if (!proxy.isValid() || !sourceModel() || proxy.row() >= rowCount())
            return {};
        return sourceModel()->index(listed_[static_cast<std::size_t>(proxy.row())], 0);
    }
    QModelIndex mapFromSource(const QModelIndex& source) const override
    {
        if (!source.isValid())
            return {};
        const auto at = std::lower_bound(bySource_.begin(), bySource_.end(), std::pair(source.row(), 0));
        if (at == bySource_.end() || at->first != source.row())
            return {};
        return index(at->second, 0);
    }

private:
    std::vector<int> holding_;   // rows of the source that hold the text, ascending
    std::vector<int> listed_;    // the same, as listed
    std::vector<QString> labels_;   // the first rows' labels while several bear the name typed
    std::vector<std::pair<int, int>> bySource_;   // (row of the source, row listed), ascending
    QString needle_;
    bool searched_ = false;
};

PickerBox::PickerBox(QWidget* parent) : QComboBox(parent)
{
    rows_ = new PickerModel(this);
    setModel(rows_);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(20);
    if (auto* list = qobject_cast<QListView*>(view()))
        list->setUniformItemSizes(true);

    matches_ = new PickerMatches(this);
    matches_->setSourceModel(rows_);
    // The completer filters only the rows found here, by the same rule.
    setCompleter(new PickerCompleter(this));
    QCompleter* typing = completer();
    typing->setModel(matches_);
    typing->setCompletionRole(SearchRole);
    typing->setCompletionMode(QCompleter::PopupCompletion);
    typing->setFilterMode(Qt::MatchContains);
    typing->setCaseSensitivity(Qt::CaseInsensitive);
    if (auto* list = qobject_cast<QListView*>(typing->popup()))
        list->setUniformItemSizes(true);
    // Rows found before no longer stand for the rows once these change.
    const auto forget = [this] { matches_->Clear(); };
    connect(rows_, &QAbstractItemModel::modelReset, matches_, forget);
    connect(rows_, &QAbstractItemModel::rowsInserted, matches_, forget);
    connect(rows_, &QAbstractItemModel::rowsRemoved, matches_, forget);
    connect(rows_, &QAbstractItemModel::dataChanged, matches_,
            [forget](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.contains(Qt::DisplayRole) || roles.contains(Qt::EditRole))
                    forget();
            });

    // A text put in the box otherwise than by typing (a row set from
    // outside, or clicked in the list) is a row chosen.
    connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text != typedText_)
            typed_ = false;
    });
    connect(typing, qOverload<const QModelIndex&>(&QCompleter::activated), this, [this] { typed_ = false; });
    connect(lineEdit(), &QLineEdit::textEdited, this, &PickerBox::FollowTyping);
    // The end of the typing is the picker's alone to read: the combo box
    // would take a row of the text typed by itself.
    disconnect(lineEdit(), SIGNAL(editingFinished()), this, nullptr);
    connect(lineEdit(), &QLineEdit::editingFinished, this, &PickerBox::Commit);
    // Ahead of the completer's own handling of the list's keys.
    typing->popup()->installEventFilter(this);
}

void PickerBox::SetRows(std::vector<PickerRow> rows)
{
    rows_->Reset(std::move(rows));
    setCurrentIndex(-1);
    typed_ = false;
}

void PickerBox::SetDetail(std::function<QString(long long key)> detail) { detail_ = std::move(detail); }

long long PickerBox::Key() const
{
    if (currentIndex() < 0 || lineEdit()->text().compare(itemText(currentIndex()), Qt::CaseInsensitive) != 0)
        return 0;
    return currentData().toLongLong();
}

bool PickerBox::SelectText(const QString& text)
{
    const int row = rows_->Find(text.toCaseFolded());
    if (row < 0)
        return false;
    setCurrentIndex(row);
    typed_ = false;
    return true;
}

void PickerBox::FollowTyping(const QString& text)
{
    // The popup the line edit opens after this lists the rows found here.
    matches_->Narrow(*rows_, text, detail_);
    // The one row of exactly the text typed stands chosen at once.
    const std::vector<int> named = matches_->Named(*rows_, text.toCaseFolded());
    typedText_ = text;
    typed_ = true;
    if (named.size() == 1 && itemText(named.front()).compare(text, Qt::CaseInsensitive) == 0 &&
        named.front() != currentIndex())
        setCurrentIndex(named.front());
}

int PickerBox::ExactRow(const QString& typed) const
{
    if (!typed_ && currentIndex() >= 0 && typed.compare(itemText(currentIndex()), Qt::CaseInsensitive) == 0)
        return currentIndex();
    const std::vector<int> named = rows_->Named(typed.trimmed().toCaseFolded());
    if (named.empty())
        return NoRow;
    return named.size() == 1 ? named.front() : SeveralRows;
}

int PickerBox::ChosenRow() const
{
    const QString typed = lineEdit()->text();
    QAbstractItemView* popup = completer()->popup();
    if (!popup->isVisible()) {
        const int exact = ExactRow(typed);
        return exact != NoRow ? exact : rows_->FirstHolding(typed.trimmed().toCaseFolded());
    }
    // The row highlighted, else the one of exactly that name, else the first listed.
    QModelIndex listed = popup->currentIndex();
    if (!listed.isValid()) {
        if (const int exact = ExactRow(typed); exact != NoRow)
            return exact;
        listed = popup->model()->index(0, 0);
    }
    // The list's row through the completer's filter and the rows found.
    if (auto* filtered = qobject_cast<QAbstractProxyModel*>(completer()->completionModel()); filtered && listed.isValid())
        if (const QModelIndex row = matches_->mapToSource(filtered->mapToSource(listed)); row.isValid())
            return row.row();
    return NoRow;
}

void PickerBox::StandOn(int row)
{
    if (row != currentIndex())
        setCurrentIndex(row);
    if (lineEdit()->text() != itemText(row))
        setEditText(itemText(row));
    typed_ = false;
}

bool PickerBox::Commit()
{
    if (lineEdit()->text().trimmed().isEmpty()) {
        // Nothing typed: the row stays.
        setEditText(currentIndex() >= 0 ? itemText(currentIndex()) : QString());
        typed_ = false;
        return true;
    }
    const int row = ChosenRow();
    if (row < 0)
        return false;
    completer()->popup()->hide();
    StandOn(row);
    return true;
}

bool PickerBox::FindsNoRow() const
{
    return !lineEdit()->text().trimmed().isEmpty() && ChosenRow() == NoRow;
}

bool PickerBox::NamesSeveralRows() const
{
    return !lineEdit()->text().trimmed().isEmpty() && ChosenRow() == SeveralRows;
}

void PickerBox::ShowChoices()
{
    const QString typed = lineEdit()->text();
    matches_->Narrow(*rows_, typed, detail_);
    QCompleter* typing = completer();
    typing->setCompletionPrefix(typed);
    typing->complete();
}

bool PickerBox::eventFilter(QObject* watched, QEvent* event)
{
    QAbstractItemView* popup = completer()->popup();
    if (watched != popup || event->type() != QEvent::KeyPress)
        return QComboBox::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        // The row the list shows is taken; the key then goes on as if the
        // list had not been open (Enter and Tab move to the next box).
        // While several rows bear the name typed, the list stays for the
        // user to choose from.
        const int row = ChosenRow();
        if (row == SeveralRows)
            return true;
        popup->hide();
        if (row >= 0)
            StandOn(row);
        QKeyEvent again(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                        static_cast<ushort>(key->count()));
        QCoreApplication::sendEvent(lineEdit(), &again);
        return true;
    }
    default:
        break;
    }
    // A character typed goes to the search, with no look through the
    // window's commands: none of them is a plain character.
    constexpr Qt::KeyboardModifiers commandKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (!key->text().isEmpty() && !(key->modifiers() & commandKeys))
        return QComboBox::eventFilter(watched, event);
    // The window's commands (F11, Ctrl+P, Ctrl+S) reach it while the list is
    // open, as they do while it is closed: the list closes first.
    const QKeySequence pressed(key->keyCombination());
    for (QAction* command : window()->findChildren<QAction*>()) {
        if (command->isEnabled() && command->shortcuts().contains(pressed)) {
            popup->hide();
            command->trigger();
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace tarvik
