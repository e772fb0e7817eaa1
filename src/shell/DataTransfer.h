#pragma once

// A maintainer's window, opened by no menu: one button that corrects the
// coordinates of the data database's places from the gazetteer file
// "latlong.mdb" in the program folder (read-only), and tells what it did.

#include <QDialog>

class QLabel;
class QPushButton;

namespace tarvik {

class Database;

class DataTransfer : public QDialog {
    Q_OBJECT
public:
    explicit DataTransfer(QWidget* owner = nullptr);

    QPushButton* Command1 = nullptr;
    QLabel* Label1 = nullptr;

    // Runs the import once; a missing or unreadable source is told, and then
    // no place has changed.
    void Command1_Click();

private:
    // The source, opened read-only.
    static Database ConnectDB();
};

} // namespace tarvik
