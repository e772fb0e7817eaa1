#include "frmMain.h"

#include "AppTitle.h"
#include "EntryRules.h"
#include "ModalDialogs.h"
#include "OutputRun.h"
#include "PageList.h"
#include "StoredSettings.h"
#include "TimeZones.h"
#include "WaitCursor.h"
#include "frmOptions.h"
#include "frmConversion.h"
#include "frmPlaces.h"
#include "frmSplash.h"
#include "prPreview.h"
#include "core/Reporter.h"
#include "core/State.h"
#include "readings/Aspects.h"
#include "refdata/Databases.h"
#include "refdata/Places.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSet>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvik {

namespace {

// The sample person the window opens with.
const QString SampleName = QStringLiteral("Ravi Kumar");
const QDate SampleDate(1980, 8, 15);
const QString SampleTime = QStringLiteral("10:30:00 AM");
const QString SampleFather = QStringLiteral("Suresh Kumar");
const QString SampleMother = QStringLiteral("Kamla Devi");
const QString SampleGrandfather = QStringLiteral("Ram Prasad");
const QString SampleGotra = QStringLiteral("Kashyap");

const QString DefaultCountry = QStringLiteral("India");
const QString DefaultPlace = QStringLiteral("Delhi");

QString Indexed(const char* name, int index) { return QString::fromLatin1(name) + QString::number(index); }

template <class W>
W* Named(W* widget, const QString& name, const QString& tip = {})
{
    widget->setObjectName(name);
    if (!tip.isEmpty())
        widget->setToolTip(tip);
    return widget;
}

QLineEdit* TextBox(const QString& name, int maxLength, const QString& tip)
{
    auto* box = Named(new QLineEdit, name, tip);
    box->setMaxLength(maxLength);
    return box;
}

// Fills a drop-down list without running its change handlers on the way.
void FillList(QComboBox* list, const QStringList& items, int selected)
{
    const QSignalBlocker block(list);
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(selected);
}

QStringList Numbers(int last)
{
    QStringList items;
    for (int n = 0; n <= last; ++n)
        items << QString::number(n);
    return items;
}

QStringList Texts(const std::vector<std::string>& texts)
{
    QStringList list;
    for (const std::string& t : texts)
        list << QString::fromStdString(t);
    return list;
}

QLabel* Caption(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

} // namespace

frmMain::frmMain(StartupOptions options) : options_(std::move(options))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromUtf8(AppTitle));
    splash_ = std::make_unique<frmSplash>(options_.splashWaitMs);

    BuildPersonControls(0);
    BuildPersonControls(1);
    BuildOptionControls();
    BuildMenus();
    LayOut();
    SetTabOrder();
    ConnectHandlers();
    ConnectEditors();

    // Horoscope mode at start: the girl's controls wait for Match-Making.
    {
        const QSignalBlocker block(tbMode[0]);
        tbMode[0]->setChecked(true);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{txtName[1], txtDOB[1], txtLatLong[1], txtTOB[1],
                                                      cmbPlaces[1], cmbWTC[3], cmbWTC[4], cmbWTC[5],
                                                      cmbZones[1], cmbSex[1]})
        w->setEnabled(false);
    frFemale->hide();
    UpdateNewPlaceButtons();
    // Wide enough for both modes, so that switching does not resize the window.
    resize(std::max(sizeHint().width(), 880), sizeHint().height());
}

frmMain::~frmMain()
{
    // ~QWidget destroys the boxes after this object's own members are gone,
    // and the focus leaving them must not reach FocusChanged.
    if (qApp)
        disconnect(qApp, &QApplication::focusChanged, this, &frmMain::FocusChanged);
}

void frmMain::BuildPersonControls(int i)
{
    const bool first = i == 0;
    txtName[i] = Named(new QLineEdit, Indexed("txtName", i),
                       first ? QStringLiteral("Person's Name") : QStringLiteral("Famous Name of the girl"));
    cmbSex[i] = Named(new QComboBox, Indexed("cmbSex", i), QStringLiteral("Select Male/Female"));
    txtDOB[i] = Named(new DateBox, Indexed("txtDOB", i), QStringLiteral("Date of birth"));
    txtDOB[i]->setDateRange(QDate(1800, 1, 1), QDate(2199, 12, 31));
    txtTOB[i] = TextBox(Indexed("txtTOB", i), 11, QStringLiteral("Enter Birth Time"));
    cmbZones[i] = Named(new PickerBox, Indexed("cmbZones", i), QStringLiteral("Select Country"));
    cmbPlaces[i] = Named(new PickerBox, Indexed("cmbPlaces", i), QStringLiteral("Select Place of birth"));
    txtLatLong[i] = Named(new QLineEdit, Indexed("txtLatLong", i),
                          first ? QStringLiteral("Latitude/Longitude") : QStringLiteral("Lat/Long"));
    // The coordinates are shown, not entered: Tab and Enter pass them by.
    txtLatLong[i]->setReadOnly(true);
    txtLatLong[i]->setFocusPolicy(Qt::ClickFocus);
    for (int k = 0; k < 3; ++k)
        cmbWTC[3 * i + k] = Named(new QComboBox, Indexed("cmbWTC", 3 * i + k));
    cmbWTC[3 * i]->setToolTip(QStringLiteral("Clocks ahead (+) or behind (-) standard time"));
    cmbWTC[3 * i + 1]->setToolTip(QStringLiteral("Hours"));
    cmbWTC[3 * i + 2]->setToolTip(QStringLiteral("Minutes"));
    cmdNewLatLong[i] = Named(new QPushButton(QStringLiteral("*")), Indexed("cmdNewLatLong", i),
                             QStringLiteral("Click here to Add/Change Places"));
    auto* ghati = Named(new QPushButton(QStringLiteral("G")), first ? QStringLiteral("cmdGhati") : QStringLiteral("cmdGhati2"),
                        QStringLiteral("Click here for Ghati conversion"));
    QFont arial = ghati->font();
    arial.setFamily(QStringLiteral("Arial"));
    ghati->setFont(arial);
    (first ? cmdGhati : cmdGhati2) = ghati;
    for (QPushButton* b : {cmdNewLatLong[i], ghati}) {
        b->setFixedWidth(b->sizeHint().height() + 4);
        b->setAutoDefault(false);
    }
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
    // One person's rows; the girl's column repeats them without captions.
    auto personGrid = [this](int i, bool captions) {
        auto* grid = new QGridLayout;
        grid->setColumnStretch(captions ? 1 : 0, 1);
        const int c = captions ? 1 : 0;
        auto row = [&](int r, const QString& caption, QWidget* field, QWidget* extra = nullptr) {
            if (captions && !caption.isEmpty())
                grid->addWidget(Caption(caption, field), r, 0);
            if (!extra) {
                grid->addWidget(field, r, c);
                return;
            }
            auto* line = new QHBoxLayout;
            line->addWidget(field, 1);
            line->addWidget(extra);
            grid->addLayout(line, r, c);
        };
        auto* sexLine = new QHBoxLayout;
        sexLine->addWidget(cmbSex[i]);
        sexLine->addStretch(1);
        auto* dateLine = new QHBoxLayout;
        dateLine->addWidget(txtDOB[i]);
        dateLine->addStretch(1);
        auto* timeLine = new QHBoxLayout;
        timeLine->addWidget(txtTOB[i]);
        timeLine->addWidget(i == 0 ? cmdGhati : cmdGhati2);
        timeLine->addStretch(1);
        auto* wtcLine = new QHBoxLayout;
        for (int k = 0; k < 3; ++k)
            wtcLine->addWidget(cmbWTC[3 * i + k]);
        wtcLine->addStretch(1);

        row(0, QStringLiteral("Name"), txtName[i]);
        if (captions)
            grid->addWidget(Caption(QStringLiteral("Sex"), cmbSex[i]), 1, 0);
        grid->addLayout(sexLine, 1, c);
        if (captions)
            grid->addWidget(Caption(QStringLiteral("Birth Date"), txtDOB[i]), 2, 0);
        grid->addLayout(dateLine, 2, c);
        if (captions)
            grid->addWidget(Caption(QStringLiteral("Birth Time"), txtTOB[i]), 3, 0);
        grid->addLayout(timeLine, 3, c);
        row(4, QStringLiteral("Time Zone"), cmbZones[i]);
        row(5, QStringLiteral("Birth Place"), cmbPlaces[i], cmdNewLatLong[i]);
        row(6, QString(), txtLatLong[i]);
        if (captions)
            grid->addWidget(Caption(QStringLiteral("War/Summer Time Correction"), cmbWTC[3 * i]), 7, 0);
        grid->addLayout(wtcLine, 7, c);
        return grid;
    };

    const int fieldWidth = fontMetrics().horizontalAdvance(QStringLiteral("British Indian Ocean Terr. [72E00]")) + 48;
    for (int i = 0; i < 2; ++i) {
        cmbZones[i]->setMinimumWidth(fieldWidth);
        txtTOB[i]->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00:00:00 PM")) + 16);
        txtDOB[i]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00-May-0000")) + 48);
        cmbSex[i]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Female")) + 40);
        for (int k = 0; k < 3; ++k)
            cmbWTC[3 * i + k]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00")) + 40);
    }

    auto* person = Named(new QGroupBox(QStringLiteral("Birth Details")), QStringLiteral("fraPerson"));
    person->setLayout(personGrid(0, true));

    frFemale = Named(new QGroupBox(QStringLiteral("Girl's Birth Details")), QStringLiteral("frFemale"));
    frFemale->setLayout(personGrid(1, false));

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
    entry->addWidget(person, 1);
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
    for (int i = 0; i < 2; ++i)
        order << txtName[i] << cmbSex[i] << txtDOB[i] << txtTOB[i] << cmbZones[i] << cmbPlaces[i]
              << txtLatLong[i] << cmbWTC[3 * i] << cmbWTC[3 * i + 1] << cmbWTC[3 * i + 2];
    order << txtFather << TXTMother << txtGrandfather << txtGotra << cmbAyanamsa << cmbCharting
          << cmbRahuKetu << cmbLanguage << Command1 << Command2 << cmdNewLatLong[0] << cmdNewLatLong[1]
          << txtVFrom << txtVYears << txtYoginiFrom << cmdGhati << cmdGhati2 << SSTab1;
    for (qsizetype k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);
}

void frmMain::ConnectHandlers()
{
    for (int i = 0; i < 2; ++i) {
        connect(cmbZones[i], &QComboBox::currentIndexChanged, this, [this, i] { cmbZones_Change(i); });
        connect(cmbPlaces[i], &QComboBox::currentIndexChanged, this, [this, i] { cmbPlaces_Click(i); });
        connect(cmdNewLatLong[i], &QPushButton::clicked, this, [this, i] { cmdNewLatLong_Click(i); });
    }
    for (int k = 0; k < 2; ++k)
        connect(mnuOutput[k], &QAction::triggered, this, [this, k] { mnuOutput_Click(k); });
    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmMain::Command2_Click);
    connect(cmdGhati, &QPushButton::clicked, this, &frmMain::cmdGhati_Click);
    connect(cmdGhati2, &QPushButton::clicked, this, &frmMain::cmdGhati2_Click);
    connect(SSTab1, &QTabBar::currentChanged, this, [this](int now) { SSTab1_Click(1 - now); });
    for (int k = 0; k < 2; ++k)
        connect(tbMode[k], &QRadioButton::toggled, this, [this, k](bool on) {
            if (on)
                tbMode_Click(k);
        });

    for (int i = 0; i < 2; ++i) {
        for (QWidget* w : std::initializer_list<QWidget*>{txtName[i], cmbSex[i], txtDOB[i], txtTOB[i],
                                                          cmbZones[i], cmbPlaces[i]})
            WatchEntryControl(w);
        for (int k = 0; k < 3; ++k)
            WatchEntryControl(cmbWTC[3 * i + k]);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{txtFather, TXTMother, txtGrandfather, txtGotra,
                                                      cmbAyanamsa, cmbCharting, cmbRahuKetu, cmbLanguage,
                                                      txtVFrom, txtVYears, txtYoginiFrom})
        WatchEntryControl(w);
    connect(qApp, &QApplication::focusChanged, this, &frmMain::FocusChanged);
    ConnectMenuCommands();
}

bool frmMain::Form_Load()
{
    splash_->Form_Load();
    splash_->setCursor(Qt::WaitCursor);
    HelpFile = QString::fromStdString(ProgramFile("Tarvik.HLP"));
    splash_->unsetCursor();
    splash_->SetMessage(QStringLiteral("Configuring...."));
    QCoreApplication::setApplicationName(QString::fromUtf8(AppTitle));

    try {
        OpenReferenceDatabases();
        FillEntryLists();
    } catch (const DbError& e) {
        splash_.reset();
        CloseReferenceDatabases();
        reporter().Message(std::string(e.what()) + "\n\n" + AppTitle + " cannot start without it.");
        return false;
    }

    splash_->SetMessage(QStringLiteral("Loading Settings...."));
    const std::unique_ptr<QSettings> store = OpenSettingsStore(options_.settingsFile);
    const MainChoices choices = ReadSettings(*store, Program().ProgramFolder);
    cmbRahuKetu->setCurrentIndex(choices.trueNode ? 0 : 1);
    cmbAyanamsa->setCurrentIndex(choices.ayanamsa);
    cmbCharting->setCurrentIndex(choices.charting);
    cmbLanguage->setCurrentIndex(choices.language);
    // The size and place the window had when the program last ended.
    restoreGeometry(ReadWindowPlace(options_.settingsFile, "Main Window"));

    RunValues& run = OutputRun();
    run.OutputScale = 1.0;
    run.PageWidth = 11600;
    DictionaryTable().SetIndex("ID");
    PredictionsTable().SetIndex("CODE");
    VarshphalTable().SetIndex("PrimaryKey");
    MatchTable().SetIndex("ID");
    run.VarshphalFrom = QDate::currentDate().year();
    run.VarshphalYears = 1;

    splash_->SetMessage(QStringLiteral("Finalizing...."));
    splash_->close();
    splash_.reset();
    // Said once: a read-only start lasts the whole run.
    if (const std::string& readOnly = DataDatabaseReadOnlyReason(); !readOnly.empty())
        reporter().Message(readOnly);
    txtName[0]->setFocus(Qt::OtherFocusReason);
    savedEntries_.Remember(Entries());
    return true;
}

void frmMain::FillEntryLists()
{
    std::vector<PickerRow> zones;
    for (const ZoneEntry& z : ZoneList(DatDatabase()))
        zones.push_back({QString::fromStdString(z.description), z.countryId, Texts(z.otherNames)});
    for (PickerBox* picker : cmbZones) {
        const QSignalBlocker block(picker);
        picker->SetRows(zones);
    }
    PickDefaultZoneAndPlace();
    FillSampleEntry();
    FillList(cmbAyanamsa, {QStringLiteral("N.C.Lahiri"), QStringLiteral("K.P."), QStringLiteral("B.V. Raman")}, -1);
    FillList(cmbCharting, {QStringLiteral("North Indian"), QStringLiteral("South Indian")}, -1);
    FillList(cmbLanguage, {QStringLiteral("English"), QStringLiteral("Hindi")}, -1);
    FillList(cmbRahuKetu, {QStringLiteral("True"), QStringLiteral("Mean")}, -1);
}

void frmMain::PickDefaultZoneAndPlace()
{
    // A data database without the default country or place starts on its
    // first zone and that zone's first place.
    const std::optional<CountryRow> india = FindCountryByName(DefaultCountry.toStdString());
    for (int i = 0; i < 2; ++i) {
        int row = india ? cmbZones[i]->findData(QVariant::fromValue(india->countryId)) : -1;
        if (row < 0 && cmbZones[i]->count() > 0)
            row = 0;
        {
            const QSignalBlocker block(cmbZones[i]);
            cmbZones[i]->setCurrentIndex(row);
        }
        cmbZones_Change(i);
        {
            const QSignalBlocker block(cmbPlaces[i]);
            cmbPlaces[i]->SelectText(DefaultPlace);
        }
        ShowCoordinates(i);
    }
}

void frmMain::FillSampleEntry()
{
    txtYoginiFrom->setText(DateEntryText(SampleDate));
    for (int i = 0; i < 2; ++i) {
        txtName[i]->setText(i == 0 ? SampleName : QStringLiteral("Female"));
        txtDOB[i]->setDate(SampleDate);
        txtTOB[i]->setText(SampleTime);
        FillList(cmbSex[i], {QStringLiteral("Male"), QStringLiteral("Female")}, i);
        FillList(cmbWTC[3 * i], {QStringLiteral("+"), QStringLiteral("-")}, 0);
        FillList(cmbWTC[3 * i + 1], Numbers(23), 0);
        FillList(cmbWTC[3 * i + 2], Numbers(59), 0);
    }
    txtFather->setText(SampleFather);
    TXTMother->setText(SampleMother);
    txtGrandfather->setText(SampleGrandfather);
    txtGotra->setText(SampleGotra);
    txtVFrom->setText(QString::number(QDate::currentDate().year()));
    txtVYears->setText(QStringLiteral("1"));
}

PersonEntry frmMain::EntryOf(int i) const
{
    PersonEntry e;
    e.name = txtName[i]->text();
    e.zoneId = cmbZones[i]->Key();
    e.placeId = cmbPlaces[i]->Key();
    e.birthDate = txtDOB[i]->date();
    e.birthTime = txtTOB[i]->text();
    e.sexIndex = cmbSex[i]->currentIndex();
    e.warSign = cmbWTC[3 * i]->currentText();
    e.warHours = cmbWTC[3 * i + 1]->currentText();
    e.warMinutes = cmbWTC[3 * i + 2]->currentText();
    return e;
}

FamilyEntry frmMain::Family() const
{
    return {txtFather->text(), TXTMother->text(), txtGrandfather->text(), txtGotra->text()};
}

MainChoices frmMain::Choices() const
{
    return {cmbAyanamsa->currentIndex(), cmbCharting->currentIndex(), cmbLanguage->currentIndex(),
            cmbRahuKetu->currentIndex() == 0};
}

bool frmMain::MatchMakingMode() const { return tbMode[1]->isChecked(); }

void frmMain::cmbZones_Change(int i)
{
    PickerBox* places = cmbPlaces[i];
    const long long zone = cmbZones[i]->Key();
    // The places are read before the list changes: when the file cannot be
    // read, a list already read for this zone stays, with its chosen place.
    std::vector<PickerRow> rows;
    bool read = zone != 0;   // no zone chosen: nothing to list
    try {
        if (const std::optional<CountryRow> row = read ? ReadCountry(DatDatabase(), zone) : std::nullopt)
            if (const std::string damaged = DamagedCoordinates(*row); !damaged.empty())
                reporter().Message(damaged);
        for (const PlaceEntry& p : read ? PlaceList(DatDatabase(), zone) : std::vector<PlaceEntry>{})
            rows.push_back({QString::fromStdString(p.name), p.placeId, Texts(p.otherNames)});
    } catch (const DbError& e) {
        reporter().Message(e.what());
        if (zone == listedZone_[i])
            return;
        rows.clear();
        read = false;
    }
    listedZone_[i] = read ? zone : 0;
    const bool none = rows.empty();
    {
        const QSignalBlocker block(places);
        places->SetRows(std::move(rows));
        places->setCurrentIndex(none ? -1 : 0);
    }
    txtLatLong[i]->clear();
    if (!read)
        return;
    if (none) {
        reporter().Message("Places not available in the database for the chosen time zone at the moment.\n"
                           " Kindly add a new place for this time zone manually.");
        return;
    }
    ShowCoordinates(i);
}

void frmMain::cmbPlaces_Click(int i) { ShowCoordinates(i); }

void frmMain::ShowCoordinates(int i)
{
    const long long key = cmbPlaces[i]->Key();
    if (key == 0)
        return;
    try {
        if (const std::optional<PlaceRow> place = FindPlace(key)) {
            txtLatLong[i]->setText(QString::fromStdString(place->latitude + " " + place->longitude));
            if (const std::string damaged = DamagedCoordinates(*place); !damaged.empty())
                reporter().Message(damaged);
        }
    } catch (const DbError&) {
        // The coordinates are only shown; the output run reads the row again.
    }
}

void frmMain::cmdNewLatLong_Click(int i)
{
    const long long zone = cmbZones[i]->Key();
    if (zone == 0) {
        reporter().Message("Please select the Time Zone first: the new place is added to that zone.");
        return;
    }
    if (!placesEditor_)
        return;
    const long long chosen = cmbPlaces[i]->Key();
    const QString chosenName = cmbPlaces[i]->currentText();
    QSet<long long> before;
    for (int k = 0; k < cmbPlaces[i]->count(); ++k)
        before.insert(cmbPlaces[i]->itemData(k).toLongLong());
    placesEditor_(zone);
    cmbZones_Change(i);

    // The place the user chose stays chosen; a place just added is the one
    // the user wants (the newest when several were). A chosen place that was
    // deleted is said so, and the user picks another.
    PickerBox* places = cmbPlaces[i];
    int pick = -1;
    long long newest = 0;
    for (int k = 0; k < places->count(); ++k) {
        const long long id = places->itemData(k).toLongLong();
        if (!before.contains(id) && id > newest) {
            newest = id;
            pick = k;
        }
        if (newest == 0 && id == chosen)
            pick = k;
    }
    if (pick < 0 && chosen != 0) {
        {
            const QSignalBlocker block(places);
            places->setCurrentIndex(-1);
        }
        txtLatLong[i]->clear();
        places->setFocus(Qt::OtherFocusReason);
        reporter().Message("The place " + chosenName.toStdString() +
                           " was deleted. Please choose the place of birth again.");
        return;
    }
    if (pick >= 0 && pick != places->currentIndex()) {
        const QSignalBlocker block(places);
        places->setCurrentIndex(pick);
        ShowCoordinates(i);
    }
}

void frmMain::SetPlacesEditor(std::function<void(long long countryId)> editor)
{
    placesEditor_ = std::move(editor);
    UpdateNewPlaceButtons();
}

void frmMain::ConnectEditors()
{
    SetPlacesEditor([this](long long countryId) { EditPlacesOfZone(*this, countryId); });
    connect(mnuLatLong, &QAction::triggered, this, &frmMain::mnuLatLong_Click);
    mnuLatLong->setEnabled(true);
}

// The zone lists are not reloaded: what the editor changed shows at the next start.
void frmMain::mnuLatLong_Click() { EditZones(*this); }

void frmMain::UpdateNewPlaceButtons()
{
    cmdNewLatLong[0]->setEnabled(bool(placesEditor_));
    cmdNewLatLong[1]->setEnabled(bool(placesEditor_) && MatchMakingMode());
}

void frmMain::SSTab1_Click(int previousTab)
{
    const bool match = previousTab == 0;
    {
        const QSignalBlocker block(SSTab1);
        SSTab1->setCurrentIndex(match ? 1 : 0);
    }
    frFemale->setVisible(match);
    frPhal->setVisible(!match);
    tbMode[match ? 1 : 0]->setChecked(true);
}

void frmMain::tbMode_Click(int k)
{
    tbMode[1 - k]->setChecked(!tbMode[k]->isChecked());
    const bool match = tbMode[1]->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{txtName[1], txtDOB[1], txtLatLong[1], txtTOB[1],
                                                      cmbPlaces[1], cmbWTC[3], cmbWTC[4], cmbWTC[5],
                                                      cmbZones[1]})
        w->setEnabled(match);
    UpdateNewPlaceButtons();
    FrameVarshphal->setEnabled(!match);
    txtName[0]->setFocus(Qt::OtherFocusReason);
    // The girl is always "Female"; in a match the first person is the boy.
    cmbSex[1]->setEnabled(false);
    if (match) {
        cmbSex[0]->setEnabled(false);
        cmbSex[0]->setCurrentIndex(0);
        txtName[0]->setToolTip(QStringLiteral("Famous Name of the boy"));
    } else {
        txtName[0]->setToolTip(QStringLiteral("Famous Name"));
        cmbSex[0]->setEnabled(true);
    }
}

bool frmMain::txtDOB_LostFocus(int i)
{
    const QDate birth = txtDOB[i]->date();
    if (!birth.isValid()) {
        ReturnFocus(txtDOB[i]);
        reporter().Message(InvalidDateMessage);
        return false;
    }
    txtDOB[i]->setDate(birth);
    txtYoginiFrom->setText(DateEntryText(YoginiStart(birth, QDate::currentDate())));
    return true;
}

bool frmMain::txtTOB_LostFocus(int i)
{
    const std::optional<QTime> time = ReadTimeEntry(txtTOB[i]->text());
    if (!time) {
        ReturnFocus(txtTOB[i]);
        reporter().Message(InvalidTimeMessage);
        return false;
    }
    txtTOB[i]->setText(TimeEntryText(*time));
    return true;
}

bool frmMain::txtVFrom_LostFocus()
{
    txtVFrom->setText(CheckedVarshphalFrom(txtVFrom->text(), QDate::currentDate().year()));
    if (VarshphalFromInRange(txtVFrom->text()))
        return true;
    ReturnFocus(txtVFrom);
    reporter().Message(VarshphalFromRule);
    return false;
}

bool frmMain::txtVYears_LostFocus()
{
    txtVYears->setText(CheckedVarshphalYears(txtVYears->text()));
    if (VarshphalYearsInRange(txtVYears->text(), txtVFrom->text()))
        return true;
    ReturnFocus(txtVYears);
    reporter().Message(VarshphalYearsRuleFrom(txtVFrom->text()));
    return false;
}

void frmMain::txtYoginiFrom_LostFocus()
{
    const std::optional<QDate> date = ReadDateEntry(txtYoginiFrom->text());
    txtYoginiFrom->setText(DateEntryText(date ? *date : QDate::currentDate()));
}

void frmMain::mnuOutput_Click(int index)
{
    const bool match = MatchMakingMode();
    const bool printing = index == 1;
    const int last = match ? 1 : 0;
    // F11 and the menu reach here without leaving the box being typed in.
    for (int i = last; i >= 0; --i)
        if (!RecheckBirthBoxes(i))
            return;
    if (!match && !RecheckVarshphalBoxes())
        return;
    for (int i = last; i >= 0; --i)
        if (!CheckZoneAndPlace(i))
            return;

    RunValues& run = OutputRun();
    run.BatchPrint = printing ? 1 : 0;
    const MainChoices choices = Choices();
    run.TrueNode = choices.trueNode;
    run.VarshphalFrom = RoundedInt(Val(txtVFrom->text()));
    run.VarshphalYear = run.VarshphalFrom;
    run.VarshphalYears = RoundedInt(Val(txtVYears->text()));
    run.YoginiFrom = YoginiDecimalYear(txtYoginiFrom->text(), txtDOB[0]->date());

    run.MatchMode = match;

    for (int i = last; i >= 0; --i)
        if (!PreparePerson(i, match))
            return;
    SetFamily(Family());
    ApplyDisplayChoices(choices);

    // The run's page list, the preview's or a new page-selection dialog's,
    // made once the chart stands: a chart with many aspects has more pages.
    const std::vector<CatalogueRow> pages = PageCatalogue(match, printing ? OutputKind::Print : OutputKind::Preview,
                                                          match ? AspectPagesAtLeast : AspectPageCount());
    if (printing) {
        pageOptions_ = std::make_unique<frmOptions>(this);
        FillPageList(*pageOptions_->ListBox1, pages);
    } else {
        if (!preview_) {
            preview_ = std::make_unique<prPreview>(this);
            preview_->restoreGeometry(ReadWindowPlace(options_.settingsFile, "Preview Window"));
        }
        preview_->SetYears(run.VarshphalYear, run.VarshphalYears);
        FillPageList(*preview_->ComboBox1, pages);
        preview_->setWindowTitle(match ? MatchCaption(txtName[0]->text(), txtName[1]->text())
                                       : HoroscopeCaption(txtName[0]->text(), txtDOB[0]->date(), txtTOB[0]->text(),
                                                          cmbPlaces[0]->currentText(), cmbZones[0]->currentText()));
    }

    if (printing) {
        pageOptions_->cmdSelect_Click();
        ShowModal(*pageOptions_);
        return;
    }
    preview_->LayOutFor(match);
    preview_->ShowFirstPage();
    ShowModal(*preview_);
    // The preview opens the next time as the user left it.
    KeepWindowPlace(options_.settingsFile, "Preview Window", preview_->saveGeometry());
}

bool frmMain::RecheckBirthBoxes(int i)
{
    // The date as the whole text reads, written back in the box's own form.
    const QDate birth = txtDOB[i]->date();
    if (!birth.isValid()) {
        ReturnFocus(txtDOB[i]);
        reporter().Message(InvalidDateMessage);
        return false;
    }
    txtDOB[i]->setDate(birth);
    return txtTOB_LostFocus(i);
}

bool frmMain::RecheckVarshphalBoxes()
{
    // F11 and the menu reach the run without leaving the box being typed in:
    // the numbers the run cannot draw are refused as the boxes refuse them
    // (a count below 1 only leaves the year list empty).
    if (!VarshphalFromInRange(txtVFrom->text())) {
        ReturnFocus(txtVFrom);
        reporter().Message(VarshphalFromRule);
        return false;
    }
    if (RoundHalfEven(Val(txtVYears->text())) > MostVarshphalYearsFrom(txtVFrom->text())) {
        ReturnFocus(txtVYears);
        reporter().Message(VarshphalYearsRuleFrom(txtVFrom->text()));
        return false;
    }
    return true;
}

void frmMain::ReportUnfound(PickerBox* picker)
{
    ReturnFocus(picker);
    const std::string typed = picker->currentText().toStdString();
    for (int i = 0; i < 2; ++i) {
        if (picker == cmbZones[i])
            reporter().Message("No time zone is named \"" + typed +
                               "\".\nType a part of the country's name and choose the zone from the list.");
        else if (picker == cmbPlaces[i])
            reporter().Message("No place of " + cmbZones[i]->currentText().toStdString() + " is named \"" + typed +
                               "\".\nKindly add the place with the \"*\" button beside the place list.");
    }
}

bool frmMain::CheckZoneAndPlace(int i)
{
    // A text typed into a picker that finds no row is told as it stands.
    for (PickerBox* picker : {cmbZones[i], cmbPlaces[i]}) {
        if (picker->FindsNoRow()) {
            ReportUnfound(picker);
            return false;
        }
    }
    const PersonEntry entry = EntryOf(i);
    if (entry.zoneId == 0) {
        reporter().Message("Please select the Time Zone again for " + PersonWord(i));
        return false;
    }
    if (entry.placeId == 0) {
        reporter().Message("Please select the Place again for " + PersonWord(i));
        return false;
    }
    return true;
}

bool frmMain::PreparePerson(int i, bool match)
{
    const PersonEntry entry = EntryOf(i);
    try {
        if (!FillNativeBirth(entry, PersonWord(i)))
            return false;
    } catch (const DbError& e) {
        // The entries stay as typed, to be run again.
        reporter().Message("The place of birth of " + entry.name.toStdString() + " cannot be read: " + e.what());
        return false;
    }
    const QDate today = QDate::currentDate();
    const int thisYear = today.year();
    if (AgeQuestionDue(entry.birthDate, today) &&
        reporter().Ask(AgeQuestion(thisYear - Native().Year), Buttons::YesNo) != Answer::Yes)
        return false;
    const PersonRole role = !match ? PersonRole::Single : i == 1 ? PersonRole::Girl : PersonRole::Boy;
    try {
        const WaitCursor wait;
        if (ComputePerson(entry, Choices().ayanamsa, role))
            return true;
        reporter().Message(InvalidTimeMessage);
    } catch (const std::exception& e) {
        reporter().Message("The chart of " + entry.name.toStdString() + " could not be computed: " + e.what());
    }
    return false;
}

namespace {

// The ayanamsa and node choice that the calculations read, set for one
// window's life and put back after it.
class ScopedCalculationChoices {
public:
    explicit ScopedCalculationChoices(const MainChoices& choices)
        : ayanamsa_(OutputRun().AyanamsaChoice), trueNode_(OutputRun().TrueNode)
    {
        OutputRun().AyanamsaChoice = choices.ayanamsa;
        OutputRun().TrueNode = choices.trueNode;
    }
    ~ScopedCalculationChoices()
    {
        OutputRun().AyanamsaChoice = ayanamsa_;
        OutputRun().TrueNode = trueNode_;
    }
    ScopedCalculationChoices(const ScopedCalculationChoices&) = delete;
    ScopedCalculationChoices& operator=(const ScopedCalculationChoices&) = delete;

private:
    int ayanamsa_;
    bool trueNode_;
};

} // namespace

void frmMain::cmdGhati_Click() { OpenGhatiWindow(0); }

void frmMain::cmdGhati2_Click() { OpenGhatiWindow(1); }

void frmMain::OpenGhatiWindow(int i)
{
    GhatiSecondPerson = i == 1;
    if (!RecheckBirthBoxes(i) || !CheckZoneAndPlace(i))
        return;
    // The window works on a record of its own, filled as the output run
    // fills Native: the next run's chart owes nothing to it.
    std::optional<BirthRecord> person;
    try {
        person = BirthRecordOf(EntryOf(i), PersonWord(i));
    } catch (const std::exception& e) {
        reporter().Message(e.what());
    }
    if (!person)
        return;

    if (!conversion_)
        conversion_ = std::make_unique<frmConversion>(*this);
    frmConversion& w = *conversion_;
    // The window reckons under the ayanamsa and nodes the main window shows,
    // not those of the last output run, which stand again when it closes.
    const ScopedCalculationChoices choices(Choices());
    w.cmbHR->setText(QString::number(person->Hour));
    w.cmbMIN->setText(QString::number(person->Minute));
    w.cmbSEC->setText(QString::number(person->Second));
    w.lblDate->setText(QString::number(person->Day) + QLatin1Char('-') + QLocale::c().monthName(person->Month) +
                       QLatin1Char('-') + QString::number(person->Year));
    {
        const WaitCursor wait;
        w.TobToGhati(*person);
    }
    ShowModal(w);
}

void frmMain::WatchEntryControl(QWidget* control)
{
    entryControls_ << control;
    control->installEventFilter(this);
    for (QWidget* part : control->findChildren<QWidget*>())
        part->installEventFilter(this);
}

QWidget* frmMain::EntryControlOf(QObject* object) const
{
    for (QObject* o = object; o; o = o->parent()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->window() != this)
            return nullptr;
        if (entryControls_.contains(w))
            return w;
    }
    return nullptr;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        QWidget* control = EntryControlOf(watched);
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && control) {
            // A picker takes the row its list shows; a text that finds none
            // is told and keeps the focus.
            if (auto* picker = qobject_cast<PickerBox*>(control); picker && !picker->Commit()) {
                ReportUnfound(picker);
                return true;
            }
            // Enter acts as Tab, after the key event is done with.
            QMetaObject::invokeMethod(this, [this] { focusNextPrevChild(true); }, Qt::QueuedConnection);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::FocusChanged(QWidget* old, QWidget* now)
{
    const bool within = old && old->window() == this && now && now->window() == this;
    if (focusBack_ && now && now->window() == this && !within) {
        // The window is active again after the message of a refused box;
        // the platform may have handed the focus to the box the user was
        // going to: give it to the refused one.
        QWidget* back = focusBack_;
        focusBack_ = nullptr;
        if (EntryControlOf(now) != back) {
            const QScopedValueRollback<bool> returning(returningFocus_, true);
            back->setFocus(Qt::OtherFocusReason);
            return;
        }
    } else if (within && !returningFocus_) {
        focusBack_ = nullptr;
    }

    QWidget* from = EntryControlOf(old);
    QWidget* to = EntryControlOf(now);
    // Focus that goes to a message box, a popup or another program comes back
    // to the same box: nothing was left.
    if (from == to || !now || now->window() != this)
        return;
    if (auto* picker = qobject_cast<PickerBox*>(from))
        picker->Commit();
    if (from && !returningFocus_)
        QTimer::singleShot(0, this, [this, from] {
            // The output run re-checks the boxes before it reads them: when it
            // has refused this one meanwhile, its message has been shown.
            if (from != focusBack_)
                LeftControl(from);
        });
    auto* box = qobject_cast<QLineEdit*>(to);
    const bool selectsAll = box && box != txtYoginiFrom;
    if (selectsAll)
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
}

void frmMain::LeftControl(QWidget* control)
{
    if (auto* picker = qobject_cast<PickerBox*>(control); picker && picker->FindsNoRow())
        ReportUnfound(picker);
    for (int i = 0; i < 2; ++i) {
        if (control == txtDOB[i])
            txtDOB_LostFocus(i);
        else if (control == txtTOB[i])
            txtTOB_LostFocus(i);
    }
    if (control == txtVFrom)
        txtVFrom_LostFocus();
    else if (control == txtVYears)
        txtVYears_LostFocus();
    else if (control == txtYoginiFrom)
        txtYoginiFrom_LostFocus();
}

void frmMain::ReturnFocus(QWidget* control)
{
    // Before the message shows, so that closing it gives the focus back here.
    // The box that had the focus meanwhile is not being left by the user.
    focusBack_ = control;
    const QScopedValueRollback<bool> returning(returningFocus_, true);
    control->setFocus(Qt::OtherFocusReason);
}

} // namespace tarvik
