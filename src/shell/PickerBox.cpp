#include "PickerBox.h"

#include <QAbstractListModel>
#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
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

// The completer filters by the search text, and puts into the box the text
// the list shows.
class PickerCompleter : public QCompleter {
public:
    using QCompleter::QCompleter;
    QString pathFromIndex(const QModelIndex& index) const override { return index.data(Qt::DisplayRole).toString(); }
};

} // namespace

// The rows of a picker, with each search text folded to one letter case.
class PickerModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void Reset(std::vector<PickerRow> rows)
    {
        beginResetModel();
        rows_ = std::move(rows);
        folded_.clear();
        folded_.reserve(rows_.size());
        searched_.clear();
        searched_.reserve(rows_.size());
        for (const PickerRow& r : rows_)
            Fold(r);
        endResetModel();
    }

    // The folded search texts, by row.
    const std::vector<QString>& Folded() const { return searched_; }

    // The first row with that folded other name, -1 when none.
    int FindOtherName(const QString& folded) const
    {
        for (std::size_t r = 0; r < rows_.size(); ++r)
            if (searched_[r].size() > folded_[r].size() &&
                searched_[r].split(QLatin1Char('\n')).sliced(1).contains(folded))
                return static_cast<int>(r);
        return -1;
    }

    // The first row of that folded text, -1 when none.
    int Find(const QString& folded) const
    {
        const auto at = std::find(folded_.begin(), folded_.end(), folded);
        return at == folded_.end() ? -1 : static_cast<int>(at - folded_.begin());
    }

    // The first row whose folded search text holds that folded text, -1 when none.
    int FirstHolding(const QString& folded) const
    {
        for (std::size_t r = 0; r < searched_.size(); ++r)
            if (searched_[r].contains(folded))
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
            return searched_[index.row()];
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
            folded_[index.row()] = r.text.toCaseFolded();
            searched_[index.row()] = SearchText(r).toCaseFolded();
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
        folded_.insert(folded_.begin() + row, count, QString());
        searched_.insert(searched_.begin() + row, count, QString());
        endInsertRows();
        return true;
    }

    bool removeRows(int row, int count, const QModelIndex& parent = {}) override
    {
        if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount())
            return false;
        beginRemoveRows(parent, row, row + count - 1);
        rows_.erase(rows_.begin() + row, rows_.begin() + row + count);
        folded_.erase(folded_.begin() + row, folded_.begin() + row + count);
        searched_.erase(searched_.begin() + row, searched_.begin() + row + count);
        endRemoveRows();
        return true;
    }

private:
    void Fold(const PickerRow& r)
    {
        folded_.push_back(r.text.toCaseFolded());
        // The text alone shares the folded text's storage.
        searched_.push_back(r.otherNames.isEmpty() ? folded_.back() : SearchText(r).toCaseFolded());
    }

    std::vector<PickerRow> rows_;
    std::vector<QString> folded_;     // the texts
    std::vector<QString> searched_;   // the search texts
};

// The rows whose text holds what was typed, in the rows' order: the list the
// completer's popup shows. A letter added to the text narrows the rows found
// before instead of searching them all again.
class PickerMatches : public QAbstractProxyModel {
public:
    using QAbstractProxyModel::QAbstractProxyModel;

    void Narrow(const PickerModel& rows, const QString& typed)
    {
        const QString needle = typed.toCaseFolded();
        const std::vector<QString>& folded = rows.Folded();
        std::vector<int> found;
        if (searched_ && needle.contains(needle_)) {
            for (int r : found_)
                if (folded[r].contains(needle))
                    found.push_back(r);
        } else if (!needle.isEmpty()) {
            for (std::size_t r = 0; r < folded.size(); ++r)
                if (folded[r].contains(needle))
                    found.push_back(static_cast<int>(r));
        }
        beginResetModel();
        found_ = std::move(found);
        needle_ = needle;
        searched_ = !needle.isEmpty();
        endResetModel();
    }

    void Clear()
    {
        beginResetModel();
        found_.clear();
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
        return parent.isValid() ? 0 : static_cast<int>(found_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 1; }

    QModelIndex mapToSource(const QModelIndex& proxy) const override
    {
        if (!proxy.isValid() || !sourceModel() || proxy.row() >= rowCount())
            return {};
        return sourceModel()->index(found_[proxy.row()], 0);
    }
    QModelIndex mapFromSource(const QModelIndex& source) const override
    {
        if (!source.isValid())
            return {};
        const auto at = std::lower_bound(found_.begin(), found_.end(), source.row());
        if (at == found_.end() || *at != source.row())
            return {};
        return index(static_cast<int>(at - found_.begin()), 0);
    }

private:
    std::vector<int> found_;   // rows of the source, ascending
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

    connect(lineEdit(), &QLineEdit::textEdited, this, &PickerBox::FollowTyping);
    connect(lineEdit(), &QLineEdit::editingFinished, this, &PickerBox::Commit);
    // Ahead of the completer's own handling of the list's keys.
    typing->popup()->installEventFilter(this);
}

void PickerBox::SetRows(std::vector<PickerRow> rows)
{
    rows_->Reset(std::move(rows));
    setCurrentIndex(-1);
}

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
    return true;
}

void PickerBox::FollowTyping(const QString& text)
{
    // The popup the line edit opens after this lists the rows found here.
    matches_->Narrow(*rows_, text);
    const int row = rows_->Find(text.toCaseFolded());
    if (row >= 0 && row != currentIndex())
        setCurrentIndex(row);
}

int PickerBox::ExactRow(const QString& typed) const
{
    if (currentIndex() >= 0 && typed.compare(itemText(currentIndex()), Qt::CaseInsensitive) == 0)
        return currentIndex();
    const QString folded = typed.toCaseFolded();
    const int row = rows_->Find(folded);
    return row >= 0 ? row : rows_->FindOtherName(folded);
}

int PickerBox::ChosenRow() const
{
    const QString typed = lineEdit()->text();
    QAbstractItemView* popup = completer()->popup();
    if (!popup->isVisible()) {
        const int exact = ExactRow(typed);
        return exact >= 0 ? exact : rows_->FirstHolding(typed.toCaseFolded());
    }
    // The row highlighted, else the one of exactly that name, else the first listed.
    QModelIndex listed = popup->currentIndex();
    if (!listed.isValid()) {
        if (const int exact = ExactRow(typed); exact >= 0)
            return exact;
        listed = popup->model()->index(0, 0);
    }
    // The list's row through the completer's filter and the rows found.
    if (auto* filtered = qobject_cast<QAbstractProxyModel*>(completer()->completionModel()); filtered && listed.isValid())
        if (const QModelIndex row = matches_->mapToSource(filtered->mapToSource(listed)); row.isValid())
            return row.row();
    return -1;
}

void PickerBox::StandOn(int row)
{
    if (row != currentIndex())
        setCurrentIndex(row);
    if (lineEdit()->text() != itemText(row))
        setEditText(itemText(row));
}

bool PickerBox::Commit()
{
    if (lineEdit()->text().trimmed().isEmpty()) {
        // Nothing typed: the row stays.
        setEditText(currentIndex() >= 0 ? itemText(currentIndex()) : QString());
        return true;
    }
    const int row = ChosenRow();
    if (row < 0)
        return false;
    StandOn(row);
    return true;
}

bool PickerBox::FindsNoRow() const
{
    return !lineEdit()->text().trimmed().isEmpty() && ChosenRow() < 0;
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
        const int row = ChosenRow();
        popup->hide();
        if (row >= 0)
            StandOn(row);
        QKeyEvent again(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                        static_cast<ushort>(key->count()));
        QCoreApplication::sendEvent(lineEdit(), &again);
        return true;
    }
    default:
        return QComboBox::eventFilter(watched, event);
    }
}

} // namespace tarvik
