#pragma once

// Output runs in tests: the preview is not shown modally; the test sees each
// showing and may act in the window meanwhile. Month names are the C
// locale's, whatever the machine's language.

#include "ShellFixture.h"

#include "shell/ModalDialogs.h"
#include "shell/prPreview.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QProcess>
#include <QRegularExpression>
#include <QTabBar>

#include <functional>
#include <string>
#include <vector>

namespace tarvik::testing {

// The sheets of a PDF file.
inline int PdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

// The size of a PDF file's first sheet, in points (nothing when it has none).
inline QSizeF PdfSheetSize(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression box(
        QStringLiteral("/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s*\\]"));
    const QRegularExpressionMatch m = box.match(QString::fromLatin1(file.readAll()));
    if (!m.hasMatch())
        return {};
    return {m.captured(3).toDouble() - m.captured(1).toDouble(), m.captured(4).toDouble() - m.captured(2).toDouble()};
}

// The title a PDF file carries, as poppler's pdfinfo reads it.
inline QString PdfTitle(const QString& path)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path});
    if (!info.waitForFinished(30000) || info.exitCode() != 0)
        return QStringLiteral("(pdfinfo failed)");
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Title:")))
            return line.mid(6).trimmed();
    return {};
}

class OutputRunTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        QLocale::setDefault(QLocale::c());
    }

    // A started window in the mode of a case; Stop ends it before the next.
    frmMain& StartIn(bool match)
    {
        frmMain& w = Start();
        EXPECT_TRUE(started);
        if (match)
            w.SSTab1->setCurrentIndex(1);
        return w;
    }
    void Stop()
    {
        window.reset();
        CloseReferenceDatabases();
    }

    // Presses Preview; true when the run ended by showing the preview.
    bool PressPreview(frmMain& w)
    {
        const int before = shown;
        w.Command1->click();
        return shown > before;
    }

    // The page list's titles, and the keys PageKeys holds for them.
    static std::vector<std::string> ListTitles(const QComboBox* list)
    {
        std::vector<std::string> titles;
        for (int k = 0; k < list->count(); ++k)
            titles.push_back(list->itemText(k).toStdString());
        return titles;
    }
    static std::vector<std::string> ListKeys(const QComboBox* list)
    {
        const std::vector<std::string>& keys = OutputRun().PageKeys;
        return {keys.begin(), keys.begin() + list->count()};
    }

    int shown = 0;
    // What the test does while the preview is up (nothing by default), and
    // while any other modal window is.
    std::function<void(prPreview&)> whileShown;
    std::function<void(QDialog&)> whileOther;
    std::vector<QWidget*> choosePrinterParents;
    std::vector<QString> choosePrinterTitles;
    std::function<bool(QPrinter&)> choosePrinter = [](QPrinter&) { return false; };
    // The file dialogs asked, and what each answers (cancel by default).
    std::vector<FileRequest> fileRequests;
    std::function<QString(const FileRequest&)> chooseFile = [](const FileRequest&) { return QString(); };
    ScopedDialogScript script{{
        .showModal =
            [this](QDialog& d) {
                ++shown;
                if (auto* preview = dynamic_cast<prPreview*>(&d)) {
                    if (whileShown)
                        whileShown(*preview);
                } else if (whileOther) {
                    whileOther(d);
                }
            },
        .choosePrinter =
            [this](QPrinter& p, QWidget* parent, const QString& title) {
                choosePrinterParents.push_back(parent);
                choosePrinterTitles.push_back(title);
                return choosePrinter(p);
            },
        .chooseFile =
            [this](const FileRequest& request, QWidget*) {
                fileRequests.push_back(request);
                return chooseFile(request);
            },
    }};
};

} // namespace tarvik::testing
