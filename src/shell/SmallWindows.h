#pragma once

// The two small information windows of the main window's menus: the about
// box and the note on the combustion of planets.

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace tarvik {

// "About Tarvik for Windows": the version, a few lines about the program, its
// licence and the credits its data sources ask for. It closes on "&OK", on a
// click anywhere on it but a link and on any key that types a character
// (Enter and Escape too).
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner);

    void Command1_Click();

    QLabel* lblVersion = nullptr;
    QLabel* lblLicence = nullptr;
    QLabel* lblCredits = nullptr;
    QPushButton* Command1 = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// "Combustion of Planets": the classical distances from the Sun and the
// program's own rule. It closes on "&OK", Enter and Escape; other keys leave
// it open.
class frmCOM : public QDialog {
    Q_OBJECT
public:
    explicit frmCOM(QWidget* owner);

    void Command1_Click();

    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The note's text, as the window shows it.
extern const char* const CombustionNote;

// The about box's licence and credits (rich text).
QString AboutLicence();
QString AboutCredits();

// The folder of the installed documentation (README, LICENSE, the sources
// of the data and their licences) beside the installed databases; empty
// when the program does not run from an installation.
std::string InstalledDocumentation();

} // namespace tarvik
