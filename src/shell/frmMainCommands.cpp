// The main window's menu commands: the close question, the small windows,
// the settings and printer dialogs, and the horoscope files.

#include "frmMain.h"

#include "AppTitle.h"
#include "EntryRules.h"
#include "ModalDialogs.h"
#include "PrintJob.h"
#include "StoredSettings.h"
#include "SmallWindows.h"
#include "TextFile.h"
#include "frmSettings.h"
#include "core/Reporter.h"
#include "core/State.h"
#include "refdata/Database.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QTabBar>

namespace tarvik {

namespace {

const QString HoroscopeFilter = QStringLiteral("Tarvik Files (*.TVK)");
const QString HoroscopeSuffix = QStringLiteral("TVK");
const QString NewCaption = QStringLiteral("...New");

const char* const HelpText =
    "Tarvik has no help file; in short:\n\n"
    "Enter the birth details on the Horoscope tab, or the boy's and the girl's on the MatchMaking tab, and "
    "choose the options below them.\n"
    "Preview (F11) computes the charts and shows the pages one at a time; Print (Ctrl+P) lets you choose the "
    "pages to print and prints them as one job.\n"
    "File > Save keeps the entries in a horoscope file, File > Open brings them back.\n"
    "File > Settings sets the margins, the border and the owner's lines at the foot of every page.";

// A person's name as part of a file name: no folder separators.
QString FileNamePart(QString name)
{
    name.replace(u'/', u'-');
    name.replace(u'\\', u'-');
    return name.trimmed();
}

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
    if (!savedEntries_.Differ(Entries()))
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
    CurrentFileName.clear();
    setWindowTitle(NewCaption);
    const QDate today = QDate::currentDate();
    const QString now = TimeEntryText(QTime::currentTime());
    for (int i = 0; i < 2; ++i) {
        txtName[i]->clear();
        txtDOB[i]->setDate(today);
        txtTOB[i]->setText(now);
    }
    for (QLineEdit* box : {txtFather, TXTMother, txtGrandfather, txtGotra})
        box->clear();
    txtName[0]->setFocus(Qt::OtherFocusReason);
    // Nothing typed yet: the fresh entries are lost by nothing.
    savedEntries_.Remember(Entries());
}

HoroscopeEntries frmMain::Entries() const
{
    HoroscopeEntries e;
    e.match = MatchMakingMode();
    for (int i = 0; i < 2; ++i) {
        const PersonEntry entry = EntryOf(i);
        HoroscopePerson& p = e.persons[static_cast<std::size_t>(i)];
        p = {entry.name, entry.birthDate, entry.birthTime, entry.sexIndex, entry.zoneId, entry.placeId};
        // The correction as list positions, as the lists show it.
        p.warSign = cmbWTC[3 * i]->currentIndex();
        p.warHours = cmbWTC[3 * i + 1]->currentIndex();
        p.warMinutes = cmbWTC[3 * i + 2]->currentIndex();
    }
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

bool frmMain::mnuFileSave_Click()
{
    // What is saved must open again: readable dates and times, a zone and
    // a place for each person (the girl first, as the output run checks).
    const int last = MatchMakingMode() ? 1 : 0;
    for (int i = last; i >= 0; --i)
        if (!RecheckBirthBoxes(i))
            return false;
    for (int i = last; i >= 0; --i)
        if (!CheckZoneAndPlace(i))
            return false;
    // The annual-chart boxes are written as they stand: reading them back
    // applies the boxes' rules.

    QString path = CurrentFileName;
    if (path.isEmpty()) {
        const QString proposed = MatchMakingMode()
                                     ? FileNamePart(txtName[0]->text()) + QStringLiteral(", ") + FileNamePart(txtName[1]->text())
                                     : FileNamePart(txtName[0]->text());
        path = ChooseFile(FileRequest::Save(QStringLiteral("Save"), HoroscopeFilter, HoroscopeSuffix, proposed), this);
        if (path.isEmpty())
            return false;
    }
    if (!WriteHoroscopeFile(path))
        return false;
    savedEntries_.Remember(Entries());
    CurrentFileName = path;
    setWindowTitle(CurrentFileName);
    return true;
}

bool frmMain::WriteHoroscopeFile(const QString& path)
{
    if (const std::optional<std::string> failed = WriteTextLines(path, HoroscopeFileLines(Entries()))) {
        reporter().Message("The horoscope could not be saved as " + path.toStdString() + ": " + *failed + ".");
        return false;
    }
    return true;
}

void frmMain::mnuFileSaveAs_Click()
{
    const QString kept = CurrentFileName;
    CurrentFileName.clear();
    if (!mnuFileSave_Click())
        CurrentFileName = kept;
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
    std::string problem;
    std::optional<HoroscopeEntries> entries;
    if (const std::optional<QStringList> lines = ReadTextLines(path, problem))
        entries = ReadHoroscopeFile(*lines, problem);
    std::vector<std::string> missing;
    try {
        if (entries)
            missing = DropMissingRows(*entries);
    } catch (const DbError& e) {
        problem = e.what();
        entries.reset();
    }
    if (!entries) {
        reporter().Message("The horoscope file " + path.toStdString() + " cannot be opened: " + problem +
                           ". Nothing was changed.");
        return false;
    }
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
    savedEntries_.Remember(Entries());
    CurrentFileName = path;
    setWindowTitle(CurrentFileName);
    if (!missing.empty()) {
        std::string said;
        for (const std::string& m : missing)
            said += (said.empty() ? "" : "; ") + m;
        reporter().Message("The horoscope file " + path.toStdString() + " was opened, but " + said +
                           ". Please choose the missing time zone or place in its list.");
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
    for (int i = 0; i < (e.match ? 2 : 1); ++i) {
        const HoroscopePerson& p = e.persons[static_cast<std::size_t>(i)];
        txtName[i]->setText(p.name);
        txtDOB[i]->setDate(p.birthDate);
        txtTOB[i]->setText(p.birthTime);
        cmbSex[i]->setCurrentIndex(p.sexIndex);
        // A new zone lists its places before the place is picked.
        cmbZones[i]->setCurrentIndex(cmbZones[i]->findData(QVariant::fromValue(p.zoneId)));
        cmbPlaces[i]->setCurrentIndex(cmbPlaces[i]->findData(QVariant::fromValue(p.placeId)));
        if (cmbPlaces[i]->currentIndex() < 0)
            txtLatLong[i]->clear();   // no place: no coordinates of another
        cmbWTC[3 * i]->setCurrentIndex(p.warSign);
        cmbWTC[3 * i + 1]->setCurrentIndex(p.warHours);
        cmbWTC[3 * i + 2]->setCurrentIndex(p.warMinutes);
    }
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

} // namespace tarvik
