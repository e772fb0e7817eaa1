#include "frmSettings.h"

#include "ModalDialogs.h"
#include "NamedControl.h"
#include "core/Reporter.h"
#include "core/State.h"
#include "pages/Frame.h"
#include "pages/PainterSurface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QImageReader>
#include <QScopedValueRollback>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvik {

namespace {

// The picture kinds a border can be drawn from: the image formats this Qt
// reads, and SVG. A metafile is drawn only as the built-in default border,
// so none is offered.
QString PictureFilter()
{
    const struct {
        const char* caption;
        const char* format;     // as the image reader names it; nullptr: SVG
        const char* patterns;
    } kinds[] = {
        {"Bitmap files", "bmp", "*.bmp"}, {"JPEG files", "jpeg", "*.jpg *.jpeg"}, {"GIF Files", "gif", "*.gif"},
        {"PNG files", "png", "*.png"},    {"SVG files", nullptr, "*.svg"},
    };
    const QList<QByteArray> readable = QImageReader::supportedImageFormats();
    QStringList all, each;
    for (const auto& k : kinds) {
        if (k.format && !readable.contains(QByteArray(k.format)))
            continue;
        all << QString::fromLatin1(k.patterns);
        each << QString::fromLatin1(k.caption) + QStringLiteral(" (") + QString::fromLatin1(k.patterns) + u')';
    }
    return QStringLiteral("Pictures (") + all.join(u' ') + QStringLiteral(");;") + each.join(QStringLiteral(";;"));
}

// The border's sheet is shown this many dots to the inch.
constexpr double ThumbnailDpi = 18;

// A small sheet with the border painted where the page frame paints it.
QPixmap BorderSheet(const QString& path)
{
    ImageSurface sheet(ThumbnailDpi, OutputRun().PageWidth);
    sheet.Clear();
    PaintBorder(sheet, BorderPicture(path.toStdString()), 1);
    return QPixmap::fromImage(sheet.Image());
}

} // namespace

frmSettings::frmSettings(QWidget* owner, QString settingsFile)
    : QDialog(owner), settingsFile_(std::move(settingsFile))
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("Settings"));
    setModal(true);

    const int inchWidth = fontMetrics().horizontalAdvance(QStringLiteral("00.000")) + 16;
    auto inchBox = [&](const char* name) {
        auto* box = Named(new QLineEdit, name);
        box->setFixedWidth(inchWidth);
        box->installEventFilter(this);
        return box;
    };
    txtLMargin = inchBox("txtLMargin");
    txtTMargin = inchBox("txtTMargin");
    txtFooterTop = inchBox("txtFooterTop");
    txtName = Named(new QLineEdit, "txtName", QStringLiteral("Name of the owner"));
    txtAddr = Named(new QLineEdit, "txtAddr", QStringLiteral("Address of the owner"));
    txtPhones = Named(new QLineEdit, "txtPhones", QStringLiteral("Other details of the owner"));
    chkPrint = Named(new QCheckBox(QStringLiteral("Print with border")), "chkPrint",
                     QStringLiteral("Select Checkbox to print border"));
    txtPicture = Named(new QLineEdit, "txtPicture");
    Command1 = Named(new QPushButton(QStringLiteral("C&hange")), "Command1",
                     QStringLiteral("Click here to change the border"));
    Command1->setAutoDefault(false);
    Picture1 = Named(new QLabel, "Picture1");
    Picture1->setFrameShape(QFrame::StyledPanel);
    Picture1->setAlignment(Qt::AlignCenter);
    cmbRahuKetu = Named(new QComboBox, "cmbRahuKetu");
    cmdOK = Named(new QPushButton(QStringLiteral("&OK")), "cmdOK");
    cmdCancel = Named(new QPushButton(QStringLiteral("&Cancel")), "cmdCancel");
    cmdOK->setDefault(true);
    cmdCancel->setAutoDefault(false);
    // A click on OK or Cancel leaves the focus in its box: OK checks the box
    // itself, and Cancel needs no check.
    cmdOK->setFocusPolicy(Qt::TabFocus);
    cmdCancel->setFocusPolicy(Qt::TabFocus);

    connect(cmdOK, &QPushButton::clicked, this, &frmSettings::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSettings::cmdCancel_Click);
    connect(Command1, &QPushButton::clicked, this, &frmSettings::Command1_Click);

    // A frame of captioned boxes, one to a row.
    auto captioned = [](QGroupBox* frame, std::initializer_list<std::pair<const char*, QLineEdit*>> rows) {
        auto* grid = new QGridLayout(frame);
        int r = 0;
        for (const auto& [caption, box] : rows) {
            grid->addWidget(Caption(QString::fromLatin1(caption), box), r, 0);
            grid->addWidget(box, r++, 1);
        }
        return grid;
    };
    auto* margins = Named(new QGroupBox(QStringLiteral(" Text Margins ")), "fraMargins");
    captioned(margins, {{"Left", txtLMargin}, {"Top", txtTMargin}, {"Footer Top", txtFooterTop}})->setColumnStretch(2, 1);

    auto* nodes = Named(new QGroupBox(QStringLiteral(" Rahu/ Ketu")), "fraRahuKetu");
    auto* nodeLine = new QHBoxLayout(nodes);
    nodeLine->addWidget(cmbRahuKetu);
    nodeLine->addStretch(1);

    auto* ownership = Named(new QGroupBox(QStringLiteral(" Ownership/ Footer Details ")), "fraOwner");
    captioned(ownership, {{"Owner", txtName}, {"Address", txtAddr}, {"Phones", txtPhones}});

    auto* border = Named(new QGroupBox(QStringLiteral(" Border/ Background ")), "fraBorder");
    auto* borderGrid = new QGridLayout(border);
    borderGrid->addWidget(chkPrint, 0, 0, 1, 2);
    borderGrid->addWidget(txtPicture, 1, 0);
    borderGrid->addWidget(Command1, 1, 1);
    borderGrid->addWidget(Picture1, 0, 2, 3, 1);
    borderGrid->setColumnStretch(0, 1);
    borderGrid->setRowStretch(2, 1);
    const QPixmap blank = BorderSheet(QString());
    Picture1->setFixedSize(blank.size() + QSize(6, 6));

    auto* left = new QVBoxLayout;
    left->addWidget(margins);
    left->addWidget(nodes);
    left->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(ownership, 1);

    auto* ending = new QHBoxLayout;
    ending->addWidget(new QLabel(QStringLiteral("Note: All margins are in inches")));
    ending->addStretch(1);
    ending->addWidget(cmdOK);
    ending->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(border);
    layout->addLayout(ending);

    setTabOrder(txtLMargin, txtTMargin);
    setTabOrder(txtTMargin, txtFooterTop);
    setTabOrder(txtFooterTop, cmbRahuKetu);
    setTabOrder(cmbRahuKetu, txtName);
    setTabOrder(txtName, txtAddr);
    setTabOrder(txtAddr, txtPhones);
    setTabOrder(txtPhones, chkPrint);
    setTabOrder(chkPrint, txtPicture);
    setTabOrder(txtPicture, Command1);
    setTabOrder(Command1, cmdOK);
    setTabOrder(cmdOK, cmdCancel);

    resize(std::max(sizeHint().width(), fontMetrics().horizontalAdvance(QString(80, u'n'))), sizeHint().height());
    Form_Load();
}

frmSettings::~frmSettings() = default;

void frmSettings::Form_Load()
{
    const PageSettingsEntry e = PageSettingsInEffect();
    cmbRahuKetu->clear();
    cmbRahuKetu->addItems({QStringLiteral("True"), QStringLiteral("Mean")});
    cmbRahuKetu->setCurrentIndex(e.trueNode ? 0 : 1);
    txtLMargin->setText(e.leftMargin);
    txtTMargin->setText(e.topMargin);
    txtFooterTop->setText(e.footerTop);
    chkPrint->setChecked(e.printBorder);
    txtPicture->setText(e.borderFile);
    txtName->setText(e.ownerLines[0]);
    txtAddr->setText(e.ownerLines[1]);
    txtPhones->setText(e.ownerLines[2]);
    ShowBorder(e.borderFile);
}

PageSettingsEntry frmSettings::Entry() const
{
    PageSettingsEntry e;
    e.leftMargin = txtLMargin->text();
    e.topMargin = txtTMargin->text();
    e.footerTop = txtFooterTop->text();
    e.printBorder = chkPrint->isChecked();
    e.borderFile = txtPicture->text();
    e.ownerLines = {txtName->text(), txtAddr->text(), txtPhones->text()};
    e.trueNode = cmbRahuKetu->currentText() == QLatin1String("True");
    return e;
}

void frmSettings::cmdOK_Click()
{
    const PageSettingsEntry entry = Entry();
    if (const std::optional<SettingsProblem> problem = CheckPageSettings(entry)) {
        using Box = SettingsProblem::Box;
        QLineEdit* box = problem->box == Box::LeftMargin  ? txtLMargin
                         : problem->box == Box::TopMargin ? txtTMargin
                         : problem->box == Box::FooterTop ? txtFooterTop
                                                          : txtPicture;
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        reporter().Message(problem->message);
        return;
    }
    if (const std::optional<std::string> failed = SavePageSettings(settingsFile_, entry)) {
        reporter().Message("The settings could not be saved: " + *failed + ". Nothing was changed.");
        return;
    }
    accept();
}

void frmSettings::cmdCancel_Click() { reject(); }

void frmSettings::Command1_Click()
{
    const QString folder = QString::fromStdString(Program().ProgramFolder) + u'/';
    const QString path =
        ChooseFile(FileRequest::Open(QStringLiteral("Border Picture"), PictureFilter(), folder), this);
    if (path.isEmpty())
        return;
    if (const std::string problem = BorderPictureProblem(path); !problem.empty()) {
        reporter().Message("The picture " + path.toStdString() + " could not be loaded: it " + problem +
                           ". A border is a picture file this program can read (bitmap, JPEG, GIF, PNG or SVG).");
        return;
    }
    ShowBorder(path);
    txtPicture->setText(path);
}

void frmSettings::ShowBorder(const QString& path) { Picture1->setPixmap(BorderSheet(path)); }

QLineEdit* frmSettings::BoxOf(InchBox box) const
{
    switch (box) {
    case InchBox::LeftMargin: return txtLMargin;
    case InchBox::TopMargin: return txtTMargin;
    case InchBox::FooterTop: return txtFooterTop;
    }
    return nullptr;
}

void frmSettings::LeftInchBox(InchBox box)
{
    QLineEdit* edit = BoxOf(box);
    if (InchesAccepted(box, edit->text()))
        return;
    edit->setText(InchesFallback(box));
    {
        const QScopedValueRollback<bool> returning(returningFocus_, true);
        edit->setFocus(Qt::OtherFocusReason);
    }
    edit->selectAll();
    reporter().Message(InchesRule(box));
}

bool frmSettings::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Focus that goes to a popup or another window comes back to the same box.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && !returningFocus_) {
            for (InchBox box : {InchBox::LeftMargin, InchBox::TopMargin, InchBox::FooterTop})
                if (watched == BoxOf(box))
                    QTimer::singleShot(0, this, [this, box] { LeftInchBox(box); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tarvik
