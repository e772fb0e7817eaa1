#pragma once

// The keyboard and focus rules of an entry window: Enter moves on as Tab
// does, a text box selects its text when the focus comes to it, and a box
// that is left is checked; a box refused goes on holding the focus, also
// when the platform hands it elsewhere after the message.

#include <QList>
#include <QObject>

#include <functional>

class QWidget;

namespace tarvik {

class PickerBox;

class EntryFocus : public QObject {
    Q_OBJECT
public:
    struct Rules {
        std::function<void()> next;                      // the focus to the next control (Tab)
        std::function<void(QWidget*)> left;              // the checks of a control left
        std::function<void(PickerBox*)> unfound;         // a picker's text that takes no row
    };

    EntryFocus(QWidget* window, Rules rules);
    ~EntryFocus() override;

    // A control whose keys and leaving are watched (with its parts).
    void Watch(QWidget* control);
    // A text box that keeps the caret where the user put it.
    void KeepCaret(QWidget* box) { keepsCaret_ = box; }
    // The focus back to a refused control, before its message shows, so
    // that closing the message gives the focus back there.
    void ReturnFocus(QWidget* control);
    // The refused control while the focus has not come back to it.
    QWidget* Refused() const { return focusBack_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* EntryControlOf(QObject* object) const;
    void FocusChanged(QWidget* old, QWidget* now);

    QWidget* window_;
    Rules rules_;
    QList<QWidget*> controls_;
    QWidget* keepsCaret_ = nullptr;
    bool returningFocus_ = false;
    QWidget* focusBack_ = nullptr;
};

} // namespace tarvik
