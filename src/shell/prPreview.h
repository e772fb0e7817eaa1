#pragma once

// The preview window: the pages of one output run on screen, one at a time,
// and "Print this page". The output run fills its page list and year list
// and shows it modally; every page is drawn by the page dispatcher onto a
// page-sized picture, which the window shows scaled to its width.

#include "PrintJob.h"

#include <QDialog>
#include <QImage>
#include <QPixmap>

#include <functional>
#include <memory>
#include <string>

class QComboBox;
class QPushButton;
class QScrollArea;

namespace tarvik {

class ImageSurface;
class Surface;

// The page picture as the window shows it: the drawn sheet scaled to the
// canvas's width, its proportions kept.
class PageCanvas : public QWidget {
    Q_OBJECT
public:
    explicit PageCanvas(QWidget* parent = nullptr);
    // Shows the sheet (kept by the caller) at the given width.
    void Show(const QImage* sheet, int width);
    // The sheet scaled as shown.
    const QPixmap& Shown() const { return scaled_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage* sheet_ = nullptr;
    QPixmap scaled_;
};

class prPreview : public QDialog {
    Q_OBJECT
public:
    using PageDrawer = tarvik::PageDrawer;

    explicit prPreview(QWidget* owner);
    ~prPreview() override;

    // The year list for a run: count years from the first, the first chosen
    // (no entries when count is below 1).
    void SetYears(int firstYear, int count);
    // The window's top row for the run's mode: no year list in a match.
    void LayOutFor(bool matchMode);
    // Selects the first page and draws it (nothing when the list is empty).
    void ShowFirstPage();

    // Selecting a page clears the picture and draws the page selected.
    void ComboBox1_Change();
    // Choosing a year draws the page shown again for that year.
    void ComboBox2_Click();
    // Prints the page shown through the print dialog, as a job of its own.
    void cmdPrint_Click();

    void SetPageDrawer(PageDrawer drawer) { drawPage_ = std::move(drawer); }
    // The sheet as last drawn.
    const QImage& PageImage() const;

    QComboBox* ComboBox1 = nullptr;     // the pages of the run
    QComboBox* ComboBox2 = nullptr;     // the annual-chart years
    QPushButton* cmdPrint = nullptr;
    QScrollArea* PreviewPic1 = nullptr; // the viewport the page scrolls in
    PageCanvas* PreviewPic = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FitPageToWidth();
    void UpdatePrintButton();

    PageDrawer drawPage_;
    std::unique_ptr<ImageSurface> sheet_;
};

} // namespace tarvik
