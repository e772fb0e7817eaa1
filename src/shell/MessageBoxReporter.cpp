#include "MessageBoxReporter.h"

#include "AppTitle.h"

#include <QApplication>
#include <QMessageBox>

namespace tarvik {

namespace {

QString TitleOf(const std::string& title)
{
    return QString::fromStdString(title.empty() ? std::string(AppTitle) : title);
}

// Messages carry names of files and places as they are: a file named
// "<h1>x.TVK" is shown as those letters, never read as markup.
void ShowPlain(QMessageBox& box)
{
    box.setTextFormat(Qt::PlainText);
}

} // namespace

void MessageBoxReporter::Message(const std::string& text, const std::string& title)
{
    QMessageBox box(QMessageBox::NoIcon, TitleOf(title), QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    ShowPlain(box);
    box.exec();
}

Answer MessageBoxReporter::Ask(const std::string& text, Buttons buttons, const std::string& title)
{
    QMessageBox::StandardButtons shown;
    QMessageBox::StandardButton byDefault = QMessageBox::Ok;
    switch (buttons) {
    case Buttons::Ok: shown = QMessageBox::Ok; break;
    case Buttons::OkCancel: shown = QMessageBox::Ok | QMessageBox::Cancel; break;
    case Buttons::YesNo: shown = QMessageBox::Yes | QMessageBox::No; byDefault = QMessageBox::Yes; break;
    case Buttons::YesNoDefaultNo: shown = QMessageBox::Yes | QMessageBox::No; byDefault = QMessageBox::No; break;
    case Buttons::YesNoCancel:
        shown = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        byDefault = QMessageBox::Yes;
        break;
    }
    QMessageBox box(QMessageBox::NoIcon, TitleOf(title), QString::fromStdString(text), shown,
                    QApplication::activeWindow());
    ShowPlain(box);
    box.setDefaultButton(byDefault);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Ok: return Answer::Ok;
    default:   // closed by Escape or the title bar: the safe answer
        return buttons == Buttons::YesNo || buttons == Buttons::YesNoDefaultNo ? Answer::No : buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

} // namespace tarvik
