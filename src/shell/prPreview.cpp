#include "prPreview.h"

#include "EntryRules.h"
#include "ModalDialogs.h"
#include "PageList.h"
#include "PrintJob.h"
#include "WaitCursor.h"
#include "core/State.h"
#include "registry/PageDispatcher.h"
#include "pages/PainterSurface.h"

#include <QComboBox>
#include <QPrinter>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {

// The sheet is drawn at this many dots to the inch for each device pixel of
// the screen: sharp when scaled down to a window's width.
constexpr double SheetDpi = 150;
constexpr double MostSheetDpi = 300;
// The grey border around the page, and the narrowest the page is shown.
constexpr int PageMargin = 8;
constexpr int NarrowestPage = 300;

} // namespace

PageCanvas::PageCanvas(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PreviewPic"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageCanvas::Show(const QImage* sheet, int width)
{
    sheet_ = sheet;
    const int pageWidth = std::max(1, width - 2 * PageMargin);
    const double ratio = devicePixelRatioF();
    if (sheet_ && !sheet_->isNull()) {
        scaled_ = QPixmap::fromImage(sheet_->scaledToWidth(static_cast<int>(std::lround(pageWidth * ratio)),
                                                           Qt::SmoothTransformation));
        scaled_.setDevicePixelRatio(ratio);
    } else {
        scaled_ = QPixmap();
    }
    const int pageHeight = scaled_.isNull()
                               ? static_cast<int>(std::lround(pageWidth * A4HeightTwips / A4WidthTwips))
                               : static_cast<int>(std::lround(scaled_.height() / ratio));
    resize(width, pageHeight + 2 * PageMargin);
    update();
}

void PageCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    if (scaled_.isNull())
        painter.fillRect(rect().adjusted(PageMargin, PageMargin, -PageMargin, -PageMargin), Qt::white);
    else
        painter.drawPixmap(PageMargin, PageMargin, scaled_);
}

prPreview::prPreview(QWidget* owner) : QDialog(owner), drawPage_(&PrintPage)
{
    setObjectName(QStringLiteral("prPreview"));
    setWindowTitle(QStringLiteral("Tarvik - Preview"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setModal(true);

    const double dpi = std::min(MostSheetDpi, SheetDpi * devicePixelRatioF());
    sheet_ = std::make_unique<ImageSurface>(dpi, OutputRun().PageWidth);

    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setToolTip(QStringLiteral("Click here to view another page"));
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox1->setMinimumContentsLength(30);
    ComboBox1->setMaxVisibleItems(24);

    ComboBox2 = new QComboBox;
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setToolTip(QStringLiteral("Choose the year for predictions"));
    ComboBox2->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox2->setMinimumContentsLength(5);

    // Not a default button: Enter in the page list must not print.
    cmdPrint = new QPushButton(QStringLiteral("&Print this page"));
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->setToolTip(QStringLiteral("Click here to print current page"));
    cmdPrint->setAutoDefault(false);
    cmdPrint->setEnabled(false);

    PreviewPic = new PageCanvas;
    PreviewPic1 = new QScrollArea;
    PreviewPic1->setObjectName(QStringLiteral("PreviewPic1"));
    PreviewPic1->setWidget(PreviewPic);
    PreviewPic1->setWidgetResizable(false);
    PreviewPic1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    PreviewPic1->setBackgroundRole(QPalette::Dark);
    // The page is taller than it is wide: the bar is always there, so the
    // page's width does not change with it.
    PreviewPic1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    PreviewPic1->viewport()->installEventFilter(this);

    auto* top = new QHBoxLayout;
    top->addWidget(ComboBox1, 1);
    top->addWidget(ComboBox2);
    top->addWidget(cmdPrint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addWidget(PreviewPic1, 1);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &prPreview::ComboBox1_Change);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &prPreview::ComboBox2_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &prPreview::cmdPrint_Click);

    // Most of the screen's height, the page's proportions across.
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int height = available.height() * 9 / 10;
    const int width = std::min(available.width() * 9 / 10, std::max(700, height * 4 / 5));
    resize(width, height);
}

prPreview::~prPreview() = default;

void prPreview::SetYears(int firstYear, int count)
{
    const QSignalBlocker quiet(ComboBox2);
    ComboBox2->clear();
    for (int k = 0; k < count; ++k)
        ComboBox2->addItem(QString::number(firstYear + k));
    ComboBox2->setCurrentIndex(count > 0 ? 0 : -1);
}

void prPreview::LayOutFor(bool matchMode) { ComboBox2->setVisible(!matchMode); }

void prPreview::ShowFirstPage()
{
    {
        const QSignalBlocker quiet(ComboBox1);
        ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
    }
    ComboBox1_Change();
}

void prPreview::ComboBox1_Change()
{
    {
        const WaitCursor wait;
        // A cleared picture starts writing at its top-left corner.
        sheet_->Clear();
        sheet_->CurrentX = 0;
        sheet_->CurrentY = 0;
        if (const std::string* key = PageKeyAt(ComboBox1->currentIndex(), ComboBox1->count()))
            drawPage_(*sheet_, *key, false, {});
    }
    FitPageToWidth();
    PreviewPic1->verticalScrollBar()->setValue(0);
    PreviewPic1->horizontalScrollBar()->setValue(0);
    UpdatePrintButton();
}

void prPreview::ComboBox2_Click()
{
    OutputRun().VarshphalYear = RoundedInt(Val(ComboBox2->currentText()));
    ComboBox1_Change();
}

void prPreview::cmdPrint_Click()
{
    const std::string* shown = PageKeyAt(ComboBox1->currentIndex(), ComboBox1->count());
    if (!shown)
        return;   // no page selected: nothing to print
    const std::string key = *shown;
    QPrinter& printer = ShellPrinter();
    if (!ChoosePrinter(printer, this))
        return;
    const WaitCursor wait;
    printer.setDocName(JobTitle(ComboBox1->currentText()));
    RunPrintJob(printer, [&](Surface& surface) { return drawPage_(surface, key, true, {}); });
}

const QImage& prPreview::PageImage() const { return sheet_->Image(); }

bool prPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == PreviewPic1->viewport() && event->type() == QEvent::Resize)
        FitPageToWidth();
    return QDialog::eventFilter(watched, event);
}

void prPreview::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ComboBox1->setFocus(Qt::OtherFocusReason);
}

void prPreview::FitPageToWidth()
{
    PreviewPic->Show(&sheet_->Image(), std::max(NarrowestPage, PreviewPic1->viewport()->width()));
}

void prPreview::UpdatePrintButton()
{
    cmdPrint->setEnabled(PageKeyAt(ComboBox1->currentIndex(), ComboBox1->count()) != nullptr);
}

} // namespace tarvik
