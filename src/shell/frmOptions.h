#pragma once

// The page-selection dialog of Print...: the output run fills its list with
// the run's pages (every one chosen) and shows it modally; the user chooses
// pages, may load or save the choice as a page set, and OK prints every
// chosen page as one print job, a group entry as its pages, the annual
// charts once for every year.

#include "PrintJob.h"

#include <QDialog>

#include <functional>
#include <string>

class QListWidget;
class QPushButton;

namespace tarvik {

class Surface;

class frmOptions : public QDialog {
    Q_OBJECT
public:
    using PageDrawer = tarvik::PageDrawer;

    explicit frmOptions(QWidget* owner);
    ~frmOptions() override;

    // Entry k of the list chosen or not.
    bool Selected(int k) const;
    void SetSelected(int k, bool chosen);

    void cmdSelect_Click();
    void cmdReset_Click();
    void cmdLoadSettings_Click();
    void cmdSaveSettings_Click();
    // The printer dialog, then the print job of the chosen pages; the
    // dialog closes once the job has run, and stays when the printer dialog
    // is cancelled or the job cannot start.
    void cmdOK_Click();
    void cmdCancel_Click();

    void SetPageDrawer(PageDrawer drawer) { drawPage_ = std::move(drawer); }

    QListWidget* ListBox1 = nullptr;   // the print list; entry k draws PageKeys[k]
    QPushButton* cmdSelect = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdLoadSettings = nullptr;
    QPushButton* cmdSaveSettings = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Toggle(int k);
    void SetAll(bool chosen);

    PageDrawer drawPage_;
};

} // namespace tarvik
