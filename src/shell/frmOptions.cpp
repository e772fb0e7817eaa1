#include "frmOptions.h"

#include "ModalDialogs.h"
#include "PageList.h"
#include "PageSet.h"
#include "PrintJob.h"
#include "PrintRun.h"
#include "TextFile.h"
#include "AppTitle.h"
#include "core/Reporter.h"
#include "core/State.h"
#include "registry/PageCatalogue.h"
#include "registry/PageDispatcher.h"
#include "readings/Aspects.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvik {

namespace {

QPushButton* Button(const QString& caption, const char* name, const QString& tip)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

QLabel* Note(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

frmOptions::frmOptions(QWidget* owner) : QDialog(owner), drawPage_(&PrintPage)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setModal(true);

    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setUniformItemSizes(true);
    ListBox1->installEventFilter(this);
    // A click anywhere on an entry, or Space, turns its choice over.
    connect(ListBox1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { Toggle(ListBox1->row(item)); });

    cmdSelect = Button(QStringLiteral("Select &All"), "cmdSelect", QStringLiteral("Select all the pages listed above"));
    cmdReset = Button(QStringLiteral("&Reset"), "cmdReset", QStringLiteral("Deselect all the pages listed above"));
    cmdLoadSettings = Button(QStringLiteral("&Load Settings"), "cmdLoadSettings", QStringLiteral("Load a module"));
    cmdSaveSettings = Button(QStringLiteral("&Save Settings"), "cmdSaveSettings", QStringLiteral("Save as module"));
    cmdOK = Button(QStringLiteral("&OK"), "cmdOK", QStringLiteral("Click here to print"));
    cmdCancel = Button(QStringLiteral("&Cancel"), "cmdCancel", QStringLiteral("Click here to cancel"));
    cmdOK->setDefault(true);

    connect(cmdSelect, &QPushButton::clicked, this, &frmOptions::cmdSelect_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmOptions::cmdReset_Click);
    connect(cmdLoadSettings, &QPushButton::clicked, this, &frmOptions::cmdLoadSettings_Click);
    connect(cmdSaveSettings, &QPushButton::clicked, this, &frmOptions::cmdSaveSettings_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);

    auto* choices = new QHBoxLayout;
    choices->addWidget(cmdSelect);
    choices->addWidget(cmdReset);
    choices->addStretch(1);

    auto* models = new QGridLayout;
    models->addWidget(Note(QStringLiteral("To create Print Model, select the pages above and press on 'Save Settings' "
                                          "button, then give the filename and click on 'Save' button.")),
                      0, 0);
    models->addWidget(cmdSaveSettings, 0, 1, Qt::AlignTop);
    models->addWidget(Note(QStringLiteral("To load any previously saved model click on 'Load Settings' button and "
                                          "select the filename that was saved as Print Model and then click on "
                                          "'Open' button.")),
                      1, 0);
    models->addWidget(cmdLoadSettings, 1, 1, Qt::AlignTop);
    models->setColumnStretch(0, 1);

    auto* ending = new QHBoxLayout;
    ending->addStretch(1);
    ending->addWidget(cmdOK);
    ending->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListBox1, 1);
    layout->addLayout(choices);
    layout->addSpacing(6);
    layout->addLayout(models);
    layout->addSpacing(6);
    layout->addLayout(ending);

    const int width = fontMetrics().horizontalAdvance(QString(72, u'n'));
    resize(width, width * 5 / 6);
}

void frmOptions::showEvent(QShowEvent* event)
{
    // Wide enough for the longest title of the run's list, within the screen.
    int widest = 0;
    for (int k = 0; k < ListBox1->count(); ++k)
        widest = std::max(widest, ListBox1->fontMetrics().horizontalAdvance(ListBox1->item(k)->text()));
    const int chrome = width() - ListBox1->viewport()->width() + ListBox1->verticalScrollBar()->sizeHint().width() +
                       3 * ListBox1->fontMetrics().height();
    const QScreen* shown = screen();
    const QSize most = shown ? shown->availableGeometry().size() * 0.85 : QSize(1200, 800);
    const int wanted = std::min(most.width(), std::max(width(), widest + chrome));
    // As many entries at once as the screen holds.
    const int rows = ListBox1->count() > 0 ? ListBox1->sizeHintForRow(0) * ListBox1->count() : 0;
    const int tall = std::min(most.height(), std::max(height(), height() - ListBox1->viewport()->height() + rows + 4));
    if (wanted > width() || tall > height())
        resize(std::max(wanted, width()), tall);
    QDialog::showEvent(event);
    ListBox1->setFocus(Qt::OtherFocusReason);
}

frmOptions::~frmOptions() = default;

bool frmOptions::Selected(int k) const
{
    const QListWidgetItem* item = ListBox1->item(k);
    return item && item->checkState() == Qt::Checked;
}

void frmOptions::SetSelected(int k, bool chosen)
{
    if (QListWidgetItem* item = ListBox1->item(k)) {
        // Chosen by the list's own rules, never by the box's own click.
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
    }
}

void frmOptions::Toggle(int k) { SetSelected(k, !Selected(k)); }

void frmOptions::SetAll(bool chosen)
{
    for (int k = 0; k < ListBox1->count(); ++k)
        SetSelected(k, chosen);
}

void frmOptions::cmdSelect_Click() { SetAll(true); }

void frmOptions::cmdReset_Click() { SetAll(false); }

void frmOptions::cmdSaveSettings_Click()
{
    const PageSetFileKind& kind = PageSetFileOf(OutputRun().MatchMode);
    const QString path = ChooseFile(FileRequest::Save(QString::fromLatin1(kind.saveTitle),
                                                      QString::fromLatin1(kind.filter), QString::fromLatin1(kind.suffix)),
                                    this);
    if (path.isEmpty())
        return;
    std::vector<PageSetRecord> records;
    for (int k = 0; k < ListBox1->count(); ++k)
        if (const std::string* key = PageKeyAt(k, ListBox1->count()))
            records.push_back({*key, Selected(k)});
    if (const std::optional<std::string> failed = WriteTextLines(path, PageSetLines(records)))
        reporter().Message("The print model could not be saved as " + path.toStdString() + ": " + *failed + ".");
}

void frmOptions::cmdLoadSettings_Click()
{
    const PageSetFileKind& kind = PageSetFileOf(OutputRun().MatchMode);
    const QString path =
        ChooseFile(FileRequest::Open(QString::fromLatin1(kind.openTitle), QString::fromLatin1(kind.filter)), this);
    if (path.isEmpty())
        return;
    std::string problem;
    std::optional<std::vector<PageSetRecord>> records;
    if (const std::optional<QStringList> lines = ReadTextLines(path, problem))
        records = ReadPageSet(*lines, problem);
    if (!records) {
        reporter().Message("The print model " + path.toStdString() + " cannot be loaded: " + problem +
                           ". The pages chosen are as they were.");
        return;
    }
    std::vector<std::string> keys;
    std::vector<bool> chosen;
    for (int k = 0; k < ListBox1->count(); ++k) {
        const std::string* key = PageKeyAt(k, ListBox1->count());
        keys.push_back(key ? *key : std::string());
        chosen.push_back(Selected(k));
    }
    chosen = ApplyPageSet(keys, std::move(chosen), *records);
    for (int k = 0; k < ListBox1->count(); ++k)
        SetSelected(k, chosen[static_cast<std::size_t>(k)]);
}

void frmOptions::cmdOK_Click()
{
    RunValues& run = OutputRun();
    std::vector<std::string> chosen;
    for (int k = 0; k < ListBox1->count(); ++k)
        if (const std::string* key = PageKeyAt(k, ListBox1->count()); key && Selected(k))
            chosen.push_back(*key);
    const bool annualCharts = std::find(chosen.begin(), chosen.end(), VarshphalGroupKey) != chosen.end();
    if (annualCharts && run.VarshphalYears > MostVarshphalYears) {
        reporter().Message("Varshphal pages are printed for at most " + std::to_string(MostVarshphalYears) +
                           " years at a time. Please enter fewer years in the main window.");
        return;
    }

    QPrinter& printer = ShellPrinter();
    if (!ChoosePrinter(printer, this, QStringLiteral("Page Setup")))
        return;
    run.PageStarted = false;
    run.PagesPrinted = 0;
    const std::vector<PrintStep> steps = PrintRunPages(chosen, run.VarshphalFrom, run.VarshphalYears,
                                                       run.MatchMode ? UsualAspectPages : AspectPageCount(Chart()));
    // With nothing to print no job is sent: no blank sheet comes out.
    if (!steps.empty()) {
        // The run shows its progress and can be stopped between two pages.
        const int count = static_cast<int>(steps.size());
        QProgressDialog progress(QString(), QStringLiteral("Cancel"), 0, count, this);
        progress.setObjectName(QStringLiteral("printProgress"));
        progress.setWindowTitle(QString::fromLatin1(AppTitle));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500);
        printer.setDocName(JobTitle(run.MatchMode ? QStringLiteral("Match-Making") : QStringLiteral("Horoscope")));
        const PrintEnd end = RunPrintJob(
            printer,
            [&](Surface& surface) {
                bool everyPage = true;
                for (int k = 0; k < count && !progress.wasCanceled(); ++k) {
                    progress.setLabelText(QStringLiteral("Printing page %1 of %2").arg(k + 1).arg(count));
                    progress.setValue(k);
                    if (progress.wasCanceled())
                        break;
                    // Each year's annual-chart pages are drawn for their year;
                    // the run's own year stays the preview's.
                    const PrintStep& step = steps[static_cast<std::size_t>(k)];
                    everyPage &= drawPage_(surface, step.key, true, {.varshphalYear = step.varshphalYear});
                }
                return everyPage;
            },
            [&] { return progress.wasCanceled(); });
        progress.reset();
        // Refused, failed (reported) or stopped: the choices stay, to print
        // again or cancel.
        if (end != PrintEnd::Printed && end != PrintEnd::PageMissing)
            return;
    }
    accept();
}

void frmOptions::cmdCancel_Click() { reject(); }

bool frmOptions::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListBox1 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space && ListBox1->currentRow() >= 0) {
        Toggle(ListBox1->currentRow());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tarvik
