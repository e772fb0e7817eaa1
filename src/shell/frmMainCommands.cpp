// The main window's menu commands: the close question, the small windows,
// the settings and printer dialogs, the horoscope files and the ghati
// conversion.

#include "frmMain.h"

#include "AppTitle.h"
#include "EntryRules.h"
#include "ModalDialogs.h"
#include "PrintJob.h"
#include "StoredSettings.h"
#include "SmallWindows.h"
#include "TextFile.h"
#include "WaitCursor.h"
#include "frmConversion.h"
#include "frmSettings.h"
#include "core/Reporter.h"
#include "core/State.h"
#include "refdata/Database.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QTabBar>

namespace tarvik {

namespace {

const QString HoroscopeFilter = QStringLiteral("Tarvik Files (*.TVK)");
const QString HoroscopeSuffix = QStringLiteral("TVK");

const char* const HelpText =
    "Tarvik has no help file; in short:\n\n"
    "Enter the birth details on the Horoscope tab, or the boy's and the girl's on the MatchMaking tab, and "
    "choose the options below them.\n"
    "Preview (F11) computes the charts and shows the pages one at a time; Print (Ctrl+P) lets you choose the "
    "pages to print and prints them as one job.\n"
    "File > Save keeps the entries in a horoscope file, File > Open brings them back.\n"
    "File > Settings sets the margins, the border and the owner's lines at the foot of every page.";

} // namespace

void frmMain::ConnectMenuCommands()
{
    const std::pair<QAction*, void (frmMain::*)()> commands[] = {
        {mnuFileNew, &frmMain::mnuFileNew_Click},
        {mnuFileOpen, &frmMain::mnuFileOpen_Click},
        {mnuFileSaveAs, &frmMain::mnuFileSaveAs_Click},
        {mnuSettings, &frmMain::mnuSettings_Click},
        {mnuFilePageSetup, &frmMain::mnuFilePageSetup_Click},
        {mnuFileExit, &frmMain::mnuFileExit_Click},
        {mnuContents, &frmMain::mnuContents_Click},
        {mnuComb, &frmMain::mnuComb_Click},
        {mnuAbout, &frmMain::mnuAbout_Click},
    };
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, handler);
    connect(mnuFileSave, &QAction::triggered, this, [this] { mnuFileSave_Click(); });
}

void frmMain::closeEvent(QCloseEvent* event)
{
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel) {
        event->ignore();
        return;
    }
    // The window's size and place are kept whatever the answer about the settings.
    KeepWindowPlace(options_.settingsFile, "Main Window", saveGeometry());
    event->accept();
}

bool frmMain::EntriesMayGo()
{
    if (!file_.Changed(Entries()))
        return true;
    switch (reporter().Ask(SaveEntriesQuestion, Buttons::YesNoCancel)) {
    case Answer::Yes: return mnuFileSave_Click();
    case Answer::No: return true;
    default: return false;
    }
}

void frmMain::Form_Unload(bool& cancel)
{
    if (!EntriesMayGo()) {
        cancel = true;
        return;
    }
    const Answer answer =
        reporter().Ask("Do you want to save settings ?", Buttons::YesNoCancel, std::string("Exit ") + AppTitle);
    if (answer == Answer::Yes) {
        if (const std::optional<std::string> failed = WriteSettings(options_.settingsFile, ChoiceSettings(Choices())))
            reporter().Message("The settings could not be saved: " + *failed + ".");
    }
    cancel = answer != Answer::Yes && answer != Answer::No;
}

void frmMain::mnuFileExit_Click() { close(); }

void frmMain::mnuAbout_Click()
{
    frmAbout about(this);
    ShowModal(about);
}

void frmMain::mnuComb_Click()
{
    frmCOM note(this);
    ShowModal(note);
}

void frmMain::mnuContents_Click() { reporter().Message(HelpText); }

void frmMain::mnuSettings_Click()
{
    frmSettings settings(this, options_.settingsFile);
    ShowModal(settings);
    // The node choice stored for the next start is this session's too.
    if (settings.result() == QDialog::Accepted)
        cmbRahuKetu->setCurrentIndex(OutputRun().TrueNode ? 0 : 1);
}

void frmMain::mnuFilePageSetup_Click()
{
    // The paper and its orientation stay with the printer for the print
    // jobs that follow; printing itself starts from Print.
    QPageSetupDialog setup(&ShellPrinter(), this);
    setup.setWindowTitle(QStringLiteral("Page Setup"));
    ShowModal(setup);
}

void frmMain::mnuFileNew_Click()
{
    if (!EntriesMayGo())
        return;
    const QDate today = QDate::currentDate();
    const QString now = TimeEntryText(QTime::currentTime());
    for (PersonEntryBox* box : PersonBoxes)
        box->Clear(today, now);
    for (QLineEdit* box : {txtFather, TXTMother, txtGrandfather, txtGotra})
        box->clear();
    txtName[0]->setFocus(Qt::OtherFocusReason);
    file_.StartNew(Entries());
    setWindowTitle(file_.Caption());
}

HoroscopeEntries frmMain::Entries() const
{
    HoroscopeEntries e;
    e.match = MatchMakingMode();
    for (int i = 0; i < 2; ++i)
        e.persons[static_cast<std::size_t>(i)] = PersonBoxes[i]->FileEntry();
    e.ayanamsa = cmbAyanamsa->currentIndex();
    e.charting = cmbCharting->currentIndex();
    e.language = cmbLanguage->currentIndex();
    e.varshphalFrom = txtVFrom->text();
    e.varshphalYears = txtVYears->text();
    e.father = txtFather->text();
    e.mother = TXTMother->text();
    e.grandfather = txtGrandfather->text();
    e.gotra = txtGotra->text();
    return e;
}

bool frmMain::RecheckEntriesToSave()
{
    // What is saved must open again: readable dates and times, a zone and
    // a place for each person (the girl first, as the output run checks).
    // The annual-chart boxes are written as they stand: reading them back
    // applies the boxes' rules.
    const int last = MatchMakingMode() ? 1 : 0;
    for (int i = last; i >= 0; --i)
        if (!RecheckBirthBoxes(i))
            return false;
    for (int i = last; i >= 0; --i)
        if (!CheckZoneAndPlace(i))
            return false;
    return true;
}

bool frmMain::mnuFileSave_Click()
{
    if (!RecheckEntriesToSave())
        return false;

    return SaveHoroscopeFile(file_.Name());
}

bool frmMain::SaveHoroscopeFile(QString path)
{
    const HoroscopeEntries entries = Entries();
    if (path.isEmpty()) {
        path = ChooseFile(FileRequest::Save(QStringLiteral("Save"), HoroscopeFilter, HoroscopeSuffix,
                                            HoroscopeFile::ProposedName(entries)),
                          this);
        if (path.isEmpty())
            return false;
    }
    if (!file_.Save(path, entries))
        return false;
    setWindowTitle(file_.Caption());
    return true;
}

void frmMain::mnuFileSaveAs_Click()
{
    if (RecheckEntriesToSave())
        SaveHoroscopeFile(QString());
}

void frmMain::mnuFileOpen_Click()
{
    if (!EntriesMayGo())
        return;
    const QString path = ChooseFile(FileRequest::Open(QStringLiteral("Open"), HoroscopeFilter), this);
    if (!path.isEmpty())
        OpenHoroscopeFile(path);
}

bool frmMain::OpenHoroscopeFile(const QString& path)
{
    std::vector<std::string> missing;
    std::optional<HoroscopeEntries> entries = file_.Read(path, missing);
    if (!entries)
        return false;
    for (int i = 0; i < (entries->match ? 2 : 1); ++i) {
        HoroscopePerson& p = entries->persons[static_cast<std::size_t>(i)];
        if (p.zoneId != 0 && cmbZones[i]->findData(QVariant::fromValue(p.zoneId)) < 0) {
            missing.push_back("its time zone (Country ID " + std::to_string(p.zoneId) +
                              ") is not in the list of time zones");
            p.zoneId = 0;
            p.placeId = 0;
        }
    }
    TakeEntries(*entries);
    file_.Opened(path, Entries());
    setWindowTitle(file_.Caption());
    if (!missing.empty()) {
        reporter().Message(HoroscopeFile::MissingRowsMessage(path, missing));
        // The first list left empty, for the user to choose from.
        for (int i = 0; i < (entries->match ? 2 : 1); ++i) {
            const HoroscopePerson& p = entries->persons[static_cast<std::size_t>(i)];
            if (p.zoneId == 0 || p.placeId == 0) {
                (p.zoneId == 0 ? cmbZones[i] : cmbPlaces[i])->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
    return true;
}

void frmMain::TakeEntries(const HoroscopeEntries& e)
{
    // The tabs switch the window's mode and frames.
    SSTab1->setCurrentIndex(e.match ? 1 : 0);
    for (int i = 0; i < (e.match ? 2 : 1); ++i)
        PersonBoxes[i]->Take(e.persons[static_cast<std::size_t>(i)]);
    cmbAyanamsa->setCurrentIndex(e.ayanamsa);
    cmbCharting->setCurrentIndex(e.charting);
    cmbLanguage->setCurrentIndex(e.language);
    txtVFrom->setText(e.varshphalFrom);
    txtVYears->setText(e.varshphalYears);
    txtFather->setText(e.father);
    TXTMother->setText(e.mother);
    txtGrandfather->setText(e.grandfather);
    txtGotra->setText(e.gotra);
}

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
    // not those of the last output run, which it leaves as they were.
    RunChoices choices = OutputRun().Choices();
    choices.ayanamsaChoice = Choices().ayanamsa;
    choices.trueNode = Choices().trueNode;
    w.cmbHR->setText(QString::number(person->Hour));
    w.cmbMIN->setText(QString::number(person->Minute));
    w.cmbSEC->setText(QString::number(person->Second));
    w.lblDate->setText(QString::number(person->Day) + QLatin1Char('-') + QLocale::c().monthName(person->Month) +
                       QLatin1Char('-') + QString::number(person->Year));
    {
        const WaitCursor wait;
        w.TobToGhati(*person, choices);
    }
    ShowModal(w);
}

} // namespace tarvik
