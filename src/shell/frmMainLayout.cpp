// The main window's controls, menus and layout: the two persons' entry
// boxes side by side (the girl's in place of the family fields in a match),
// the options, the annual-chart and Yogini boxes below, the output buttons
// at the foot; and the order Tab goes through them.

#include "frmMain.h"

#include "NamedControl.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace tarvik {

namespace {

QLineEdit* TextBox(const QString& name, int maxLength, const QString& tip)
{
    auto* box = Named(new QLineEdit, name, tip);
    box->setMaxLength(maxLength);
    return box;
}

} // namespace

void frmMain::BuildPersons()
{
    for (int i = 0; i < 2; ++i) {
        PersonEntryBox* box = PersonBoxes[i] = new PersonEntryBox(i);
        txtName[i] = box->txtName;
        cmbSex[i] = box->cmbSex;
        txtDOB[i] = box->txtDOB;
        txtTOB[i] = box->txtTOB;
        cmbZones[i] = box->cmbZones;
        cmbPlaces[i] = box->cmbPlaces;
        txtLatLong[i] = box->txtLatLong;
        for (int k = 0; k < 3; ++k)
            cmbWTC[3 * i + k] = box->cmbWTC[k];
        cmdNewLatLong[i] = box->cmdNewLatLong;
    }
    cmdGhati = PersonBoxes[0]->cmdGhati;
    cmdGhati2 = PersonBoxes[1]->cmdGhati;
    frFemale = PersonBoxes[1];
}

void frmMain::BuildOptionControls()
{
    txtFather = TextBox(QStringLiteral("txtFather"), 18, QStringLiteral("Click here"));
    TXTMother = TextBox(QStringLiteral("TXTMother"), 18, QStringLiteral("Click here"));
    txtGrandfather = TextBox(QStringLiteral("txtGrandfather"), 18, QStringLiteral("Click here"));
    txtGotra = TextBox(QStringLiteral("txtGotra"), 18, QStringLiteral("Click here"));

    cmbAyanamsa = Named(new QComboBox, QStringLiteral("cmbAyanamsa"),
                        QStringLiteral("Select N.C. Lahiri / K.P. / B.V. Raman"));
    cmbCharting = Named(new QComboBox, QStringLiteral("cmbCharting"), QStringLiteral("Select North/South"));
    cmbRahuKetu = Named(new QComboBox, QStringLiteral("cmbRahuKetu"), QStringLiteral("Select True/Mean"));
    cmbLanguage = Named(new QComboBox, QStringLiteral("cmbLanguage"), QStringLiteral("Select Hindi/English"));

    txtVFrom = TextBox(QStringLiteral("txtVFrom"), 4, QStringLiteral("Varshphal for the year starting from"));
    txtVYears = TextBox(QStringLiteral("txtVYears"), 4, QStringLiteral("Number of years for prediction"));
    txtYoginiFrom = TextBox(QStringLiteral("txtYoginiFrom"), 18,
                            QStringLiteral("Yogini Pratyantar from the year starting"));

    Command1 = Named(new QPushButton(QStringLiteral("Pre&view")), QStringLiteral("Command1"),
                     QStringLiteral("Click here for print preview"));
    Command2 = Named(new QPushButton(QStringLiteral("&Print")), QStringLiteral("Command2"),
                     QStringLiteral("Click here for printing pages"));
    // Enter on a focused output button presses it.
    Command1->setAutoDefault(true);
    Command2->setAutoDefault(true);

    SSTab1 = Named(new QTabBar, QStringLiteral("SSTab1"), QStringLiteral("Select Horosope or Matchmaking"));
    // Alt+H is the Help menu's.
    SSTab1->addTab(QStringLiteral("H&oroscope"));
    SSTab1->addTab(QStringLiteral("&MatchMaking"));
    SSTab1->setExpanding(false);
    SSTab1->setDrawBase(false);

    // The mode itself, which the user changes only through the tabs.
    tbMode[0] = Named(new QRadioButton(QStringLiteral("Horoscope"), this), QStringLiteral("tbMode0"),
                      QStringLiteral("Click here to Prepare Horoscope"));
    tbMode[1] = Named(new QRadioButton(QStringLiteral("Match-Making"), this), QStringLiteral("tbMode1"),
                      QStringLiteral("Click here to prepare Match"));
    for (QRadioButton* b : tbMode) {
        b->setAutoExclusive(false);
        b->hide();
    }
}

void frmMain::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFileNew = file->addAction(QStringLiteral("&New"));
    mnuFileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileOpen = file->addAction(QStringLiteral("&Open..."));
    mnuFileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addSeparator();
    mnuFileSave = file->addAction(QStringLiteral("&Save"));
    mnuFileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileSaveAs = file->addAction(QStringLiteral("Save &As..."));
    mnuFileSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    mnuSettings = file->addAction(QStringLiteral("Se&ttings"));
    file->addSeparator();
    mnuFilePageSetup = file->addAction(QStringLiteral("Print Set&up..."));
    mnuOutput[0] = file->addAction(QStringLiteral("Print Pre&view"));
    mnuOutput[0]->setShortcut(QKeySequence(Qt::Key_F11));
    mnuOutput[1] = file->addAction(QStringLiteral("&Print..."));
    mnuOutput[1]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();
    mnuFileExit = file->addAction(QStringLiteral("E&xit"));

    mnuLatLong = menuBar()->addAction(QStringLiteral("&Time Zones"));
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuContents = help->addAction(QStringLiteral("&Contents..."));
    mnuComb = help->addAction(QStringLiteral("Com&bustion of Planets"));
    mnuAbout = menuBar()->addAction(QStringLiteral("&About us"));
}

void frmMain::LayOut()
{
    frPhal = Named(new QGroupBox(QStringLiteral("Basic Details")), QStringLiteral("frPhal"),
                   QStringLiteral("Enter your personal details for printing."));
    auto* family = new QGridLayout(frPhal);
    family->setColumnStretch(1, 1);
    const std::pair<const char*, QLineEdit*> familyRows[] = {
        {"Father's Name", txtFather}, {"Mother's Name", TXTMother},
        {"Grand Father's Name", txtGrandfather}, {"Gotra", txtGotra}};
    int r = 0;
    // Wide enough for the longest name a box takes.
    const int familyWidth = fontMetrics().horizontalAdvance(QString(18, u'n')) + 12;
    for (const auto& [caption, box] : familyRows) {
        family->addWidget(Caption(QString::fromUtf8(caption), box), r, 0);
        family->addWidget(box, r++, 1);
        box->setMinimumWidth(familyWidth);
    }
    family->setRowStretch(r, 1);

    auto* options = Named(new QGroupBox(QStringLiteral(" Options ")), QStringLiteral("fraOptions"));
    auto* optionGrid = new QGridLayout(options);
    optionGrid->addWidget(Caption(QStringLiteral("Ayanamsa"), cmbAyanamsa), 0, 0);
    optionGrid->addWidget(cmbAyanamsa, 0, 1);
    optionGrid->addWidget(Caption(QStringLiteral("Charting"), cmbCharting), 0, 2);
    optionGrid->addWidget(cmbCharting, 0, 3);
    optionGrid->addWidget(Caption(QStringLiteral("Rahu/ Ketu"), cmbRahuKetu), 1, 0);
    optionGrid->addWidget(cmbRahuKetu, 1, 1);
    optionGrid->addWidget(Caption(QStringLiteral("Language"), cmbLanguage), 1, 2);
    optionGrid->addWidget(cmbLanguage, 1, 3);
    optionGrid->setColumnStretch(1, 1);
    optionGrid->setColumnStretch(3, 1);
    for (QComboBox* list : {cmbAyanamsa, cmbCharting, cmbRahuKetu, cmbLanguage})
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    FrameVarshphal = Named(new QGroupBox(QStringLiteral("Varshphal")), QStringLiteral("FrameVarshphal"));
    auto* varsh = new QGridLayout(FrameVarshphal);
    const int yearWidth = fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16;
    txtVFrom->setFixedWidth(yearWidth);
    txtVYears->setFixedWidth(yearWidth);
    varsh->addWidget(Caption(QStringLiteral("From"), txtVFrom), 0, 0);
    varsh->addWidget(txtVFrom, 0, 1);
    varsh->addWidget(Caption(QStringLiteral("Duration"), txtVYears), 1, 0);
    varsh->addWidget(txtVYears, 1, 1);
    varsh->addWidget(new QLabel(QStringLiteral("Yrs.")), 1, 2);
    varsh->setColumnStretch(3, 1);

    auto* yogini = Named(new QGroupBox(QStringLiteral("Yogini Pratyantar")), QStringLiteral("fraYogini"));
    auto* yoginiGrid = new QGridLayout(yogini);
    txtYoginiFrom->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00-May-0000")) + 24);
    yoginiGrid->addWidget(Caption(QStringLiteral("From "), txtYoginiFrom), 0, 0);
    yoginiGrid->addWidget(txtYoginiFrom, 0, 1);
    yoginiGrid->setRowStretch(1, 1);

    auto* entry = new QHBoxLayout;
    entry->addWidget(PersonBoxes[0], 1);
    auto* second = new QGridLayout;
    second->addWidget(frPhal, 0, 0, Qt::AlignTop);
    second->addWidget(frFemale, 0, 0, Qt::AlignTop);
    entry->addLayout(second, 1);

    auto* lower = new QHBoxLayout;
    lower->addWidget(options, 3);
    lower->addWidget(FrameVarshphal, 1);
    lower->addWidget(yogini, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {Command1, Command2}) {
        b->setMinimumWidth(b->sizeHint().width() + 24);
        buttons->addWidget(b);
    }

    auto* page = Named(new QFrame, QStringLiteral("fraPage"));
    page->setFrameShape(QFrame::StyledPanel);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addLayout(entry);
    pageLayout->addLayout(lower);
    // A larger window keeps the rows together at the top.
    pageLayout->addStretch(1);

    auto* central = new QWidget;
    auto* outer = new QVBoxLayout(central);
    outer->setSpacing(0);
    outer->addWidget(SSTab1);
    outer->addWidget(page, 1);
    outer->addSpacing(10);
    outer->addLayout(buttons);
    setCentralWidget(central);
}

void frmMain::SetTabOrder()
{
    // Tab goes through the form as it is filled in: the persons, the family,
    // the options, the buttons, the year boxes, the ghati buttons.
    QList<QWidget*> order;
    for (const PersonEntryBox* box : PersonBoxes)
        order << box->TabOrder();
    order << txtFather << TXTMother << txtGrandfather << txtGotra << cmbAyanamsa << cmbCharting
          << cmbRahuKetu << cmbLanguage << Command1 << Command2 << cmdNewLatLong[0] << cmdNewLatLong[1]
          << txtVFrom << txtVYears << txtYoginiFrom << cmdGhati << cmdGhati2 << SSTab1;
    for (qsizetype k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);
}

} // namespace tarvik
