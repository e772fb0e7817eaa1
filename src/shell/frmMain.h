#pragma once

// The main window: birth-data entry for one person (Horoscope) or a boy and a
// girl (Match-Making), the zone and place pickers, the output options and the
// menus. Each person's entries are a PersonEntryBox, index 0 the first
// person (the boy in a match), 1 the girl; the per-person arrays below name
// their controls.

#include "BirthEntry.h"
#include "DateBox.h"
#include "EntryFocus.h"
#include "EntryRun.h"
#include "HoroscopeFile.h"
#include "MainChoices.h"
#include "PersonEntryBox.h"
#include "PickerBox.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabBar;

namespace tarvik {

class frmOptions;
class frmConversion;
class frmSplash;
class prPreview;

struct StartupOptions {
    QString settingsFile;      // INI file of the settings; empty: the user's own (UserSettingsFile)
    int splashWaitMs = 2000;   // how long the title page holds start-up
};

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(StartupOptions options = {});
    ~frmMain() override;

    // Start-up, before the window is first shown: the title page, the
    // databases, the lists and the sample entry, the settings. False when the
    // program cannot go on (a database is missing or damaged; the message,
    // naming the file, has been shown).
    bool Form_Load();

    // The title page while Form_Load runs (null before and after).
    frmSplash* Splash() const { return splash_.get(); }

    // What the output run reads of the entries.
    PersonEntry EntryOf(int person) const;
    FamilyEntry Family() const;
    MainChoices Choices() const;
    bool MatchMakingMode() const;

    // Handlers of the pickers, the modes and the entry boxes.
    void cmbZones_Change(int person);
    void cmbPlaces_Click(int person);
    void cmdNewLatLong_Click(int person);
    void SSTab1_Click(int previousTab);
    void tbMode_Click(int mode);
    // False when the date was refused ("Invalid Date"); the text stays as typed.
    bool txtDOB_LostFocus(int person);
    // False when the time was refused ("Invalid Time"); the text stays as typed.
    bool txtTOB_LostFocus(int person);
    bool txtVFrom_LostFocus();
    bool txtVYears_LostFocus();
    void txtYoginiFrom_LostFocus();

    // The output run: index 0 "Print Pre&view" (the Preview button, F11),
    // index 1 "&Print..." (the Print button). It checks the entries,
    // computes each person's chart (in a match the girl's first), sets the
    // run's values and display conventions and shows the run's page list.
    void mnuOutput_Click(int index);
    void Command1_Click() { mnuOutput_Click(0); }
    void Command2_Click() { mnuOutput_Click(1); }
    // The preview window, once a run has made it (null before).
    prPreview* Preview() const { return preview_.get(); }
    // The page-selection dialog of the last Print... run (null before).
    frmOptions* PageOptions() const { return pageOptions_.get(); }

    // Closing the window first asks whether to save entries that differ from
    // the last saved or opened (see EntriesMayGo), then "Do you want to save
    // settings ?": Yes stores the four choices of the option lists and lets
    // the program end, No lets it end, Cancel (cancel set) keeps the window
    // open.
    void Form_Unload(bool& cancel);
    void mnuFileExit_Click();
    void mnuAbout_Click();
    void mnuComb_Click();
    void mnuContents_Click();
    void mnuSettings_Click();
    void mnuFilePageSetup_Click();

    // Horoscope files: the entries on screen are the file CurrentFileName
    // (empty for a new horoscope), which the caption shows.
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    // False when nothing was written (cancelled, refused entries, or the file
    // could not be written, which is reported).
    bool mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    // Reads a horoscope file into the entries; a file that cannot be read or
    // is damaged is reported and changes nothing. A zone or place the
    // database lacks is reported and its list left empty.
    bool OpenHoroscopeFile(const QString& path);
    // The entries as a horoscope file keeps them.
    HoroscopeEntries Entries() const;

private:
    HoroscopeFile file_;   // the file the entries on screen are

public:
    // The file's name, empty for a horoscope no file holds yet.
    const QString& CurrentFileName = file_.Name();

    // The ghati buttons of the first and the second person: the ghati
    // conversion window for that person's entries, which writes a converted
    // time back into that person's time box. Native and the chart stay.
    void cmdGhati_Click();
    void cmdGhati2_Click();
    // The ghati conversion window, once a button has made it (null before).
    frmConversion* Conversion() const { return conversion_.get(); }

    // The places editor, once it exists: it edits the places of a zone
    // (by "Country ID"). Until one is set the "*" buttons stay disabled.
    void SetPlacesEditor(std::function<void(long long countryId)> editor);
    // The menu "&Time Zones": the countries and time-zones editor.
    void mnuLatLong_Click();

    // The persons' entries and their controls.
    std::array<PersonEntryBox*, 2> PersonBoxes{};
    std::array<QLineEdit*, 2> txtName{};
    std::array<QComboBox*, 2> cmbSex{};
    std::array<DateBox*, 2> txtDOB{};
    std::array<QLineEdit*, 2> txtTOB{};
    std::array<PickerBox*, 2> cmbZones{};
    std::array<PickerBox*, 2> cmbPlaces{};
    std::array<QLineEdit*, 2> txtLatLong{};
    std::array<QComboBox*, 6> cmbWTC{};          // person i: sign 3i, hours 3i+1, minutes 3i+2
    std::array<QPushButton*, 2> cmdNewLatLong{};
    QPushButton* cmdGhati = nullptr;
    QPushButton* cmdGhati2 = nullptr;

    // Family fields (first person).
    QLineEdit* txtFather = nullptr;
    QLineEdit* TXTMother = nullptr;
    QLineEdit* txtGrandfather = nullptr;
    QLineEdit* txtGotra = nullptr;

    // Options.
    QComboBox* cmbAyanamsa = nullptr;
    QComboBox* cmbCharting = nullptr;
    QComboBox* cmbRahuKetu = nullptr;
    QComboBox* cmbLanguage = nullptr;
    QLineEdit* txtVFrom = nullptr;
    QLineEdit* txtVYears = nullptr;
    QLineEdit* txtYoginiFrom = nullptr;

    // Output buttons, modes and frames.
    QPushButton* Command1 = nullptr;   // "Pre&view"
    QPushButton* Command2 = nullptr;   // "&Print"
    QTabBar* SSTab1 = nullptr;
    std::array<QRadioButton*, 2> tbMode{};
    QGroupBox* frPhal = nullptr;
    QGroupBox* frFemale = nullptr;
    QGroupBox* FrameVarshphal = nullptr;

    // Menu entries.
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuSettings = nullptr;
    QAction* mnuFilePageSetup = nullptr;
    std::array<QAction*, 2> mnuOutput{};       // "Print Pre&view", "&Print..."
    QAction* mnuFileExit = nullptr;
    QAction* mnuLatLong = nullptr;
    QAction* mnuContents = nullptr;
    QAction* mnuComb = nullptr;
    QAction* mnuAbout = nullptr;

    QString HelpFile;
    // True while the ghati conversion works on the second person.
    bool GhatiSecondPerson = false;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectMenuCommands();
    void TakeEntries(const HoroscopeEntries& entries);
    // The boxes a file keeps, checked as the output run checks them.
    bool RecheckEntriesToSave();
    // Writes the entries to path, or to a file the user chooses when path
    // is empty; false when nothing was written.
    bool SaveHoroscopeFile(QString path);
    // Before Close, New and Open: entries that differ from the last saved or
    // opened get "Do you want to save the entries ?" (Yes saves, No drops
    // them, Cancel keeps them). False when the command is not to go on.
    bool EntriesMayGo();

    void BuildPersons();
    void BuildOptionControls();
    void BuildMenus();
    void LayOut();
    void SetTabOrder();
    void ConnectHandlers();
    void ConnectEditors();
    void FillEntryLists();
    void FillSampleEntry();
    void UpdateNewPlaceButtons();

    // Keyboard and focus (EntryFocus): the date, time and year boxes are
    // checked when they are left.
    void WatchEntries();
    void LeftControl(QWidget* control);
    void ReturnFocus(QWidget* control);
    // "Invalid Date" for a date box whose text reads as no date; the text
    // stays. Else the date is written back in the box's own form.
    bool RefuseUnreadableDate(int person);

    // Steps of the output run; false ends the run (the message has been shown).
    RunEntries RunEntriesOf(bool printing) const;
    bool RecheckBirthBoxes(int person);
    bool RecheckVarshphalBoxes();
    bool CheckZoneAndPlace(int person);
    // "No place ... is named" for a text typed into a picker that finds no
    // row, "Several places ... are named" (and the list open to choose from)
    // for one that names several; the focus goes back to the picker.
    void ReportUnchosen(PickerBox* picker);
    void OpenGhatiWindow(int person);

    StartupOptions options_;
    std::unique_ptr<frmSplash> splash_;
    std::unique_ptr<prPreview> preview_;
    QByteArray previewPlace_;   // the preview's size and place when last closed
    std::unique_ptr<frmOptions> pageOptions_;
    std::unique_ptr<frmConversion> conversion_;
    // Last, so that it goes first: the boxes it watches outlive it.
    std::unique_ptr<EntryFocus> focus_;
};

} // namespace tarvik
