#include "frmMain.h"

#include "AppTitle.h"
#include "EntryRules.h"
#include "ModalDialogs.h"
#include "OutputRun.h"
#include "PageList.h"
#include "StoredSettings.h"
#include "TimeZones.h"
#include "frmOptions.h"
#include "frmConversion.h"
#include "frmPlaces.h"
#include "frmSplash.h"
#include "prPreview.h"
#include "core/Reporter.h"
#include "core/State.h"
#include "calc/EphemerisTable.h"
#include "refdata/Databases.h"
#include "refdata/Places.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>

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

// Fills a drop-down list without running its change handlers on the way.
void FillList(QComboBox* list, const QStringList& items, int selected)
{
    const QSignalBlocker block(list);
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(selected);
}

} // namespace

frmMain::frmMain(StartupOptions options) : options_(std::move(options))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromUtf8(AppTitle));
    splash_ = std::make_unique<frmSplash>(options_.splashWaitMs);

    BuildPersons();
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
    PersonBoxes[1]->SetEntriesEnabled(false);
    cmbSex[1]->setEnabled(false);
    frFemale->hide();
    UpdateNewPlaceButtons();
    // Wide enough for both modes, so that switching does not resize the window.
    resize(std::max(sizeHint().width(), 880), sizeHint().height());
}

frmMain::~frmMain() = default;

void frmMain::ConnectHandlers()
{
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

    WatchEntries();
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
        // The ephemeris every chart is cast from, read once.
        LoadEphemeris(ProgramFile(EphemerisFileName));
        FillEntryLists();
    } catch (const std::runtime_error& e) {   // a database or the ephemeris table
        splash_.reset();
        CloseReferenceDatabases();
        reporter().Message(std::string(e.what()) + "\n\n" + AppTitle + " cannot start without it.");
        return false;
    }

    splash_->SetMessage(QStringLiteral("Loading Settings...."));
    // The user's settings, in the file of an earlier version until now, move
    // to their place once.
    std::string settingsNotMoved;
    if (options_.settingsFile.isEmpty())
        options_.settingsFile = TakeFormerSettings(FormerSettingsFile(), UserSettingsFile(), settingsNotMoved);
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
    if (const std::string& notRefreshed = AtlasRefreshProblem(); !notRefreshed.empty())
        reporter().Message(notRefreshed);
    if (!settingsNotMoved.empty())
        reporter().Message(settingsNotMoved);
    if (const std::string settings = SettingsFileProblem(options_.settingsFile); !settings.empty())
        reporter().Message(settings + ". The program starts with the default settings, and can keep none "
                                      "until that is replaced by a file or removed.");
    txtName[0]->setFocus(Qt::OtherFocusReason);
    file_.StartNew(Entries());
    return true;
}

void frmMain::FillEntryLists()
{
    const std::vector<PickerRow> zones = ZonePickerRows(ZoneList(DatDatabase()));
    for (PersonEntryBox* box : PersonBoxes)
        box->SetZones(zones);
    FillSampleEntry();
    FillList(cmbAyanamsa, {QStringLiteral("N.C.Lahiri"), QStringLiteral("K.P."), QStringLiteral("B.V. Raman")}, -1);
    FillList(cmbCharting, {QStringLiteral("North Indian"), QStringLiteral("South Indian")}, -1);
    FillList(cmbLanguage, {QStringLiteral("English"), QStringLiteral("Hindi")}, -1);
    FillList(cmbRahuKetu, {QStringLiteral("True"), QStringLiteral("Mean")}, -1);
}

void frmMain::FillSampleEntry()
{
    const std::optional<CountryRow> india = FindCountryByName(DefaultCountry.toStdString());
    for (int i = 0; i < 2; ++i)
        PersonBoxes[i]->FillSample(india ? india->countryId : 0, DefaultPlace,
                                   i == 0 ? SampleName : QStringLiteral("Female"), SampleDate, SampleTime);
    txtYoginiFrom->setText(DateEntryText(SampleDate));
    txtFather->setText(SampleFather);
    TXTMother->setText(SampleMother);
    txtGrandfather->setText(SampleGrandfather);
    txtGotra->setText(SampleGotra);
    txtVFrom->setText(QString::number(QDate::currentDate().year()));
    txtVYears->setText(QStringLiteral("1"));
}

PersonEntry frmMain::EntryOf(int i) const { return PersonBoxes[i]->Entry(); }

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

void frmMain::cmbZones_Change(int i) { PersonBoxes[i]->ListPlaces(); }

void frmMain::cmbPlaces_Click(int i) { PersonBoxes[i]->ShowCoordinates(); }

void frmMain::cmdNewLatLong_Click(int i) { PersonBoxes[i]->EditPlaces(); }

void frmMain::SetPlacesEditor(std::function<void(long long countryId)> editor)
{
    for (PersonEntryBox* box : PersonBoxes)
        box->SetPlacesEditor(editor);
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
    PersonBoxes[0]->SetPlacesButtonEnabled(true);
    PersonBoxes[1]->SetPlacesButtonEnabled(MatchMakingMode());
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
    PersonBoxes[1]->SetEntriesEnabled(match);
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

bool frmMain::RefuseUnreadableDate(int i)
{
    // The date as the whole text reads, written back in the box's own form.
    const QDate birth = txtDOB[i]->date();
    if (!birth.isValid()) {
        ReturnFocus(txtDOB[i]);
        reporter().Message(InvalidDateMessage);
        return false;
    }
    txtDOB[i]->setDate(birth);
    return true;
}

bool frmMain::txtDOB_LostFocus(int i)
{
    if (!RefuseUnreadableDate(i))
        return false;
    txtYoginiFrom->setText(DateEntryText(YoginiStart(txtDOB[i]->date(), QDate::currentDate())));
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

RunEntries frmMain::RunEntriesOf(bool printing) const
{
    RunEntries e;
    e.match = MatchMakingMode();
    e.printing = printing;
    for (int i = 0; i < (e.match ? 2 : 1); ++i)
        e.persons[static_cast<std::size_t>(i)] = EntryOf(i);
    e.family = Family();
    e.choices = Choices();
    e.varshphalFrom = txtVFrom->text();
    e.varshphalYears = txtVYears->text();
    e.yoginiFrom = txtYoginiFrom->text();
    return e;
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

    const std::optional<ListedRun> run = PrepareEntryRun(RunEntriesOf(printing));
    if (!run)
        return;
    if (printing) {
        pageOptions_ = std::make_unique<frmOptions>(this);
        FillPageList(*pageOptions_->ListBox1, run->pages);
        pageOptions_->cmdSelect_Click();
        ShowModal(*pageOptions_);
        return;
    }
    if (!preview_) {
        preview_ = std::make_unique<prPreview>(this);
        previewPlace_ = ReadWindowPlace(options_.settingsFile, "Preview Window");
    }
    // Where it was left, also when the user moved it in this session: a
    // dialog the program has not placed itself opens centred again.
    if (!previewPlace_.isEmpty())
        preview_->restoreGeometry(previewPlace_);
    preview_->SetYears(OutputRun().VarshphalYear, OutputRun().VarshphalYears);
    FillPageList(*preview_->ComboBox1, run->pages);
    preview_->setWindowTitle(match ? MatchCaption(txtName[0]->text(), txtName[1]->text())
                                   : HoroscopeCaption(txtName[0]->text(), txtDOB[0]->date(), txtTOB[0]->text(),
                                                      cmbPlaces[0]->currentText(), cmbZones[0]->currentText()));
    preview_->LayOutFor(match);
    preview_->ShowFirstPage();
    ShowModal(*preview_);
    // The preview opens the next time as the user left it.
    previewPlace_ = preview_->saveGeometry();
    KeepWindowPlace(options_.settingsFile, "Preview Window", previewPlace_);
}

bool frmMain::RecheckBirthBoxes(int i) { return RefuseUnreadableDate(i) && txtTOB_LostFocus(i); }

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

void frmMain::ReportUnchosen(PickerBox* picker)
{
    ReturnFocus(picker);
    const std::string typed = picker->currentText().toStdString();
    const bool several = picker->NamesSeveralRows();
    for (int i = 0; i < 2; ++i) {
        if (picker == cmbZones[i] && several)
            reporter().Message("Several time zones are named \"" + typed +
                               "\".\nChoose one from the list under the box.");
        else if (picker == cmbZones[i])
            reporter().Message("No time zone is named \"" + typed +
                               "\".\nType a part of the country's name and choose the zone from the list.");
        else if (picker == cmbPlaces[i] && several)
            reporter().Message("Several places of " + cmbZones[i]->currentText().toStdString() + " are named \"" +
                               typed + "\".\nChoose one from the list under the box.");
        else if (picker == cmbPlaces[i])
            reporter().Message("No place of " + cmbZones[i]->currentText().toStdString() + " is named \"" + typed +
                               "\".\nKindly add the place with the \"*\" button beside the place list.");
    }
    if (several)
        picker->ShowChoices();
}

bool frmMain::CheckZoneAndPlace(int i)
{
    // A run or a save straight from a picker being typed in takes what the
    // list shows, as leaving the box does; a text that finds no row, or
    // names several of which none was chosen, is told as it stands.
    for (PickerBox* picker : {cmbZones[i], cmbPlaces[i]}) {
        if (!picker->Commit()) {
            ReportUnchosen(picker);
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

void frmMain::WatchEntries()
{
    focus_ = std::make_unique<EntryFocus>(
        this, EntryFocus::Rules{[this] { focusNextPrevChild(true); }, [this](QWidget* control) { LeftControl(control); },
                                [this](PickerBox* picker) { ReportUnchosen(picker); }});
    for (const PersonEntryBox* box : PersonBoxes)
        for (QWidget* w : box->EntryControls())
            focus_->Watch(w);
    for (QWidget* w : std::initializer_list<QWidget*>{txtFather, TXTMother, txtGrandfather, txtGotra,
                                                      cmbAyanamsa, cmbCharting, cmbRahuKetu, cmbLanguage,
                                                      txtVFrom, txtVYears, txtYoginiFrom})
        focus_->Watch(w);
    focus_->KeepCaret(txtYoginiFrom);
}

void frmMain::LeftControl(QWidget* control)
{
    if (auto* picker = qobject_cast<PickerBox*>(control); picker && (picker->FindsNoRow() || picker->NamesSeveralRows()))
        ReportUnchosen(picker);
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

void frmMain::ReturnFocus(QWidget* control) { focus_->ReturnFocus(control); }

} // namespace tarvik
