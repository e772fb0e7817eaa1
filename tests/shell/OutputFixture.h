#pragma once

// Output runs in tests: the preview is not shown modally; the test sees each
// showing and may act in the window meanwhile. Month names are the C
// locale's, whatever the machine's language.

#include "ShellFixture.h"

#include "shell/ModalDialogs.h"
#include "shell/prPreview.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabBar>

#include <functional>
#include <string>
#include <vector>

namespace tarvik::testing {

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
    // What the test does while the preview is up (nothing by default).
    std::function<void(prPreview&)> whileShown;
    std::vector<QWidget*> choosePrinterParents;
    std::function<bool(QPrinter&)> choosePrinter = [](QPrinter&) { return false; };
    ScopedDialogScript script{{
        .showModal =
            [this](QDialog& d) {
                ++shown;
                if (whileShown)
                    whileShown(static_cast<prPreview&>(d));
            },
        .choosePrinter =
            [this](QPrinter& p, QWidget* parent) {
                choosePrinterParents.push_back(parent);
                return choosePrinter(p);
            },
    }};
};

} // namespace tarvik::testing
