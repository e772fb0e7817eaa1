#include "RowEditorWindow.h"

#include "core/Reporter.h"
#include "refdata/Database.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvik {

namespace {

// Passes every message and question on, counting the messages: an action
// that told the user something may have refused the boxes.
class TellingCounter : public Reporter {
public:
    explicit TellingCounter(Reporter& shown) : shown_(shown) {}
    void Message(const std::string& text, const std::string& title) override
    {
        ++told;
        shown_.Message(text, title);
    }
    Answer Ask(const std::string& text, Buttons buttons, const std::string& title) override
    {
        return shown_.Ask(text, buttons, title);
    }
    int told = 0;

private:
    Reporter& shown_;
};

QPushButton* Button(const QString& caption, const QString& name)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}

QLineEdit* Box(const QString& name, int maxLength, int widthChars, const QString& tip)
{
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setMaxLength(maxLength);
    box->setToolTip(tip);
    if (widthChars > 0) {
        const int width = box->fontMetrics().horizontalAdvance(QString(widthChars + 1, QLatin1Char('0'))) + 14;
        box->setFixedWidth(width);
        box->setAlignment(Qt::AlignCenter);
    }
    return box;
}

} // namespace

RowEditorWindow::RowEditorWindow(QWidget* owner) : QDialog(owner)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    cmdFind = Button(QStringLiteral("&Find"), QStringLiteral("cmdFind"));
    txtSearch = Box(QStringLiteral("txtSearch"), 15, 0, QStringLiteral("The first letters of the name to find"));
    cmdAdd = Button(QStringLiteral("&Add"), QStringLiteral("cmdAdd"));
    cmdMove[1] = Button(QStringLiteral("&Top"), QStringLiteral("cmdMove1"));
    cmdMove[2] = Button(QStringLiteral("&Next"), QStringLiteral("cmdMove2"));
    cmdMove[3] = Button(QStringLiteral("&Previous"), QStringLiteral("cmdMove3"));
    cmdMove[4] = Button(QStringLiteral("&Bottom"), QStringLiteral("cmdMove4"));
    cmdDelete = Button(QStringLiteral("&Delete"), QStringLiteral("cmdDelete"));

    connect(cmdAdd, &QPushButton::clicked, this, &RowEditorWindow::cmdAdd_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &RowEditorWindow::cmdDelete_Click);
    connect(cmdFind, &QPushButton::clicked, this, &RowEditorWindow::cmdFind_Click);
    for (int i = 1; i <= 4; ++i)
        connect(cmdMove[i], &QPushButton::clicked, this, [this, i] { cmdMove_Click(i); });
}

QLineEdit* RowEditorWindow::NameBox(const QString& tip)
{
    QLineEdit* box = Box(QStringLiteral("txtCity"), 30, 0, tip);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(30, QLatin1Char('n'))));
    return box;
}

QLayout* RowEditorWindow::CoordinateRow(std::array<QLineEdit*, 3>& boxes, const char* name, int degreeDigits,
                                        CoordinateKind kind, std::function<void(int)> changed)
{
    const QString base = QString::fromLatin1(name);
    const bool latitude = kind == CoordinateKind::Latitude;
    // Degree boxes of one width, so that the rows' minutes line up.
    boxes[0] = Box(base + QLatin1Char('0'), degreeDigits, 3, QStringLiteral("Degrees"));
    boxes[1] = Box(base + QLatin1Char('1'), 2, 2, QStringLiteral("Minutes"));
    boxes[2] = Box(base + QLatin1Char('2'), 1, 1, latitude ? QStringLiteral("N or S") : QStringLiteral("E or W"));
    for (int i = 0; i < 3; ++i)
        connect(boxes[i], &QLineEdit::textChanged, this, [changed, i] { changed(i); });

    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(boxes[0]);
    row->addWidget(new QLabel(QStringLiteral("\u00B0")));
    row->addSpacing(6);
    row->addWidget(boxes[1]);
    row->addWidget(new QLabel(QStringLiteral("\u2032")));
    row->addSpacing(6);
    row->addWidget(boxes[2]);
    row->addStretch(1);
    return row;
}

void RowEditorWindow::ForceDirection(QLineEdit* box, CoordinateKind kind)
{
    const QString forced = QString::fromStdString(ForcedDirection(box->text().toStdString(), kind));
    if (box->text() == forced)
        return;
    box->setText(forced);
    // The box is full: the next letter typed replaces the one put there.
    box->selectAll();
}

CoordinateBoxes RowEditorWindow::BoxesOf(const std::array<QLineEdit*, 3>& boxes)
{
    return {boxes[0]->text().toStdString(), boxes[1]->text().toStdString(), boxes[2]->text().toStdString()};
}

void RowEditorWindow::Show(const std::array<QLineEdit*, 3>& boxes, const CoordinateBoxes& shown)
{
    boxes[0]->setText(QString::fromStdString(shown.degrees));
    boxes[1]->setText(QString::fromStdString(shown.minutes));
    boxes[2]->setText(QString::fromStdString(shown.direction));
}

void RowEditorWindow::Finish(QGridLayout* fields, const QList<QLineEdit*>& enterOrder)
{
    enterOrder_ = enterOrder;
    enterOrder_ << txtSearch;
    for (QLineEdit* box : enterOrder_)
        box->installEventFilter(this);

    // The search row under the fields, its box in line with theirs.
    const int searchRow = fields->rowCount();
    fields->setRowMinimumHeight(searchRow, 8);
    fields->addWidget(cmdFind, searchRow + 1, 0);
    fields->addWidget(txtSearch, searchRow + 1, 1);

    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdAdd, cmdMove[1], cmdMove[3], cmdMove[2], cmdMove[4], cmdDelete})
        buttons->addWidget(b);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(fields);
    outer->addSpacing(4);
    outer->addWidget(rule);
    outer->addLayout(buttons);
    // A dialog of fixed size, as wide as its row of buttons.
    outer->setSizeConstraint(QLayout::SetFixedSize);

    // Tab follows the boxes as Enter does, then the buttons.
    QList<QWidget*> order(enterOrder_.begin(), enterOrder_.end());
    order.insert(order.size() - 1, cmdFind);
    order << cmdAdd << cmdMove[1] << cmdMove[3] << cmdMove[2] << cmdMove[4] << cmdDelete;
    for (qsizetype k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);
    enterOrder_.first()->setFocus(Qt::OtherFocusReason);
}

bool RowEditorWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    const qsizetype at = box ? enterOrder_.indexOf(box) : -1;
    if (at >= 0 && event->type() == QEvent::FocusIn) {
        // After the click that gave the focus has placed its cursor.
        QTimer::singleShot(0, box, [this, box] {
            if (box->hasFocus())
                takefullfocus();
        });
    } else if (at >= 0 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (box == txtSearch) {
                cmdFind_Click();
                enterOrder_.first()->setFocus(Qt::OtherFocusReason);
            } else {
                enterOrder_[at + 1]->setFocus(Qt::OtherFocusReason);
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void RowEditorWindow::takefullfocus()
{
    if (auto* box = qobject_cast<QLineEdit*>(focusWidget()))
        box->setSelection(0, static_cast<int>(box->text().size()));
}

void RowEditorWindow::Run(const std::function<void()>& action)
{
    ReadBoxes();
    TellingCounter counter(reporter());
    {
        const ScopedReporter counting(counter);
        try {
            action();
        } catch (const DbError& e) {
            reporter().Message(e.what());
        }
    }
    updateform();
    // With no row in edit (the one shown was deleted elsewhere) the boxes
    // take no typing until the user moves, finds or adds; the search is at hand.
    const bool noRow = Editor().ShowsNoRow();
    for (QLineEdit* box : enterOrder_)
        box->setEnabled(!noRow || box == txtSearch);
    cmdDelete->setEnabled(!noRow);
    if (noRow) {
        txtSearch->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (QLineEdit* box = counter.told > 0 ? RefusedBox() : nullptr) {
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    }
}

void RowEditorWindow::reject()
{
    bool closing = false;
    Run([this, &closing] { closing = Editor().ConfirmClosing(); });
    if (closing)
        QDialog::reject();
}

void RowEditorWindow::cmdAdd_Click()
{
    Run([this] {
        if (Editor().Add())
            enterOrder_.first()->setFocus(Qt::OtherFocusReason);
    });
}

void RowEditorWindow::cmdDelete_Click()
{
    Run([this] { Editor().Delete(); });
}

void RowEditorWindow::cmdFind_Click()
{
    Run([this] { Editor().Find(txtSearch->text().toStdString()); });
}

void RowEditorWindow::cmdMove_Click(int index)
{
    if (index < 1 || index > 4)
        return;
    Run([this, index] { Editor().Move(static_cast<MoveTo>(index)); });
}

} // namespace tarvik
