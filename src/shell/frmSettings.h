#pragma once

// The page settings dialog: text margins, footer position, border picture,
// the owner's footer lines and the Rahu/Ketu choice for the next start. It
// works on its own boxes; OK checks them, stores them and makes them the
// settings in effect, Cancel leaves everything as it was.

#include "PageSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvik {

class frmSettings : public QDialog {
    Q_OBJECT
public:
    // settingsFile: the store's INI file (empty: the user's own store).
    frmSettings(QWidget* owner, QString settingsFile);
    ~frmSettings() override;

    // Fills the boxes from the settings in effect.
    void Form_Load();
    // Checks the boxes; a box that cannot be stored is named in a message and
    // gets the focus, and nothing is stored. Otherwise stores the settings,
    // makes them the ones in effect and closes.
    void cmdOK_Click();
    void cmdCancel_Click();
    // Lets the user choose a border picture; one that cannot be read is
    // reported and the path stays as it was.
    void Command1_Click();
    // A margin or footer box left with a text it does not take: the message,
    // the box shows the value in effect (10.21 inches for the footer) and
    // gets the focus back.
    void LeftInchBox(InchBox box);

    // What the boxes hold.
    PageSettingsEntry Entry() const;

    QLineEdit* txtLMargin = nullptr;
    QLineEdit* txtTMargin = nullptr;
    QLineEdit* txtFooterTop = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtAddr = nullptr;
    QLineEdit* txtPhones = nullptr;
    QCheckBox* chkPrint = nullptr;
    QLineEdit* txtPicture = nullptr;
    QPushButton* Command1 = nullptr;   // "C&hange"
    QLabel* Picture1 = nullptr;        // the border on a small sheet
    QComboBox* cmbRahuKetu = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowBorder(const QString& path);
    QLineEdit* BoxOf(InchBox box) const;

    QString settingsFile_;
    bool returningFocus_ = false;   // the focus goes back to a refused box: no box is being left
};

} // namespace tarvik
