#include "EntryFocus.h"

#include "PickerBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTimer>

namespace tarvik {

EntryFocus::EntryFocus(QWidget* window, Rules rules) : window_(window), rules_(std::move(rules))
{
    connect(qApp, &QApplication::focusChanged, this, &EntryFocus::FocusChanged);
}

EntryFocus::~EntryFocus()
{
    // The controls outlive the rules while the window is taken down, and
    // the focus leaving them must not reach FocusChanged.
    if (qApp)
        disconnect(qApp, &QApplication::focusChanged, this, &EntryFocus::FocusChanged);
}

void EntryFocus::Watch(QWidget* control)
{
    controls_ << control;
    control->installEventFilter(this);
    for (QWidget* part : control->findChildren<QWidget*>())
        part->installEventFilter(this);
}

QWidget* EntryFocus::EntryControlOf(QObject* object) const
{
    for (QObject* o = object; o; o = o->parent()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->window() != window_)
            return nullptr;
        if (controls_.contains(w))
            return w;
    }
    return nullptr;
}

bool EntryFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        QWidget* control = EntryControlOf(watched);
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && control) {
            // A picker takes the row its list shows; a text that names
            // several opens the list to choose from; one that finds none is
            // told and keeps the focus.
            if (auto* picker = qobject_cast<PickerBox*>(control); picker && !picker->Commit()) {
                if (picker->NamesSeveralRows())
                    picker->ShowChoices();
                else
                    rules_.unfound(picker);
                return true;
            }
            // Enter acts as Tab, after the key event is done with.
            QMetaObject::invokeMethod(this, [this] { rules_.next(); }, Qt::QueuedConnection);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void EntryFocus::FocusChanged(QWidget* old, QWidget* now)
{
    const bool within = old && old->window() == window_ && now && now->window() == window_;
    if (focusBack_ && now && now->window() == window_ && !within) {
        // The window is active again after the message of a refused box;
        // the platform may have handed the focus to the box the user was
        // going to: give it to the refused one.
        QWidget* back = focusBack_;
        focusBack_ = nullptr;
        if (EntryControlOf(now) != back) {
            const QScopedValueRollback<bool> returning(returningFocus_, true);
            back->setFocus(Qt::OtherFocusReason);
            return;
        }
    } else if (within && !returningFocus_) {
        focusBack_ = nullptr;
    }

    QWidget* from = EntryControlOf(old);
    QWidget* to = EntryControlOf(now);
    // Focus that goes to a message box, a popup or another program comes back
    // to the same box: nothing was left.
    if (from == to || !now || now->window() != window_)
        return;
    if (auto* picker = qobject_cast<PickerBox*>(from))
        picker->Commit();
    if (from && !returningFocus_)
        QTimer::singleShot(0, this, [this, from] {
            // The output run re-checks the boxes before it reads them: when it
            // has refused this one meanwhile, its message has been shown.
            if (from != focusBack_)
                rules_.left(from);
        });
    auto* box = qobject_cast<QLineEdit*>(to);
    if (box && box != keepsCaret_)
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
}

void EntryFocus::ReturnFocus(QWidget* control)
{
    // The box that had the focus meanwhile is not being left by the user.
    focusBack_ = control;
    const QScopedValueRollback<bool> returning(returningFocus_, true);
    control->setFocus(Qt::OtherFocusReason);
}

} // namespace tarvik
