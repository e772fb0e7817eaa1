#pragma once

// What the places and time-zones windows share: the search box with its
// Find button, the bottom row Add, Top, Previous, Next, Bottom, Delete, the
// keyboard (Enter moves to the next box; in the search box it finds), text
// boxes that select their whole text when they get the focus, and the degree,
// minute and direction boxes of a coordinate. The editing itself is the
// window's editor; every button hands it the boxes as typed and shows the
// boxes it leaves. Closing the window (its close box or Esc) with a changed
// row or a typed new entry asks "Save Changes?" as a move does; Cancel keeps
// it open. While no row is in edit (the one shown was deleted by another
// program) the boxes and Delete wait, empty, and the focus is in the search
// box.

#include "refdata/CoordinateEntry.h"
#include "refdata/RowEditing.h"

#include <QDialog>

#include <array>
#include <functional>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvik {

class RowEditorWindow : public QDialog {
    Q_OBJECT
public:
    QPushButton* cmdFind = nullptr;
    QLineEdit* txtSearch = nullptr;
    QPushButton* cmdAdd = nullptr;
    std::array<QPushButton*, 5> cmdMove{};   // 1 Top, 2 Next, 3 Previous, 4 Bottom
    QPushButton* cmdDelete = nullptr;

    void cmdAdd_Click();
    void cmdDelete_Click();
    void cmdFind_Click();
    void cmdMove_Click(int index);

    // The close box and Esc: after the question, when the answer lets it close.
    void reject() override;

    // Selects the whole text of the focused box, so that typing replaces it.
    void takefullfocus();

    // Shows the editor's boxes.
    virtual void updateform() = 0;

protected:
    explicit RowEditorWindow(QWidget* owner);

    virtual RowEditor& Editor() = 0;
    // Hands the typed boxes to the editor.
    virtual void ReadBoxes() = 0;
    // The first box whose text the editor cannot store, or null: after an
    // action that told the user something, the focus goes back to it.
    virtual QLineEdit* RefusedBox() const { return nullptr; }

    // The name box txtCity, of up to 30 characters.
    static QLineEdit* NameBox(const QString& tip);
    // Degree, minute and direction boxes side by side, named name0 .. name2;
    // changed runs with the box's index whenever a box's text changes.
    QLayout* CoordinateRow(std::array<QLineEdit*, 3>& boxes, const char* name, int degreeDigits,
                           CoordinateKind kind, std::function<void(int)> changed);
    // The direction box after typing: only the kind's two letters, upper case.
    static void ForceDirection(QLineEdit* box, CoordinateKind kind);
    static CoordinateBoxes BoxesOf(const std::array<QLineEdit*, 3>& boxes);
    static void Show(const std::array<QLineEdit*, 3>& boxes, const CoordinateBoxes& shown);

    // Puts the window together: the fields' rows above, then the search row
    // and the buttons. Enter goes along the boxes in this order, the search
    // box last.
    void Finish(QGridLayout* fields, const QList<QLineEdit*>& enterOrder);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Run(const std::function<void()>& action);

    QList<QLineEdit*> enterOrder_;
};

} // namespace tarvik
