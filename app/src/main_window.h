// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the editor. It holds the working configuration for the whole run
// (the editor model shown by the seven pages), owns the serial port,
// and offers every command through its menus and tool bar.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document.h"
#include "duoband/backups.h"
#include "duoband/compared_side.h"
#include "duoband/editor_model.h"
#include "duoband/exchange.h"
#include "duoband/radio_jobs.h"
#include "duoband/serial_port.h"
#include "pages/page_host.h"
#include "port_choice.h"
#include "window_radio.h"

class QAction;
class QComboBox;
class QDialog;
class QLabel;
class QMenu;
class QMimeData;
class QTabWidget;
class QTimer;
class QToolBar;
class ChannelTablePage;
class ComparePanel;
class FindReplaceDialog;
class PlanCheckPanel;
class RegisterSettingsDialog;
class RegisterWindow;
class StationWindow;
class WindowRecorder;

// One page of the tabs and the two things the window asks of it.
struct EditorPage {
    QWidget* widget = nullptr;
    std::function<void()> showModel;          // show the model, no edit handler runs
    std::function<void()> commitPendingEdit;  // take over a focused edit's text
};

class MainWindow : public QMainWindow, public PageHost {
    Q_OBJECT

  public:
    explicit MainWindow(PortOptions ports, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The dialogs created after the editor: Amend Password, Note, Read, Write.
    void setDialogs(QDialog* password, QDialog* companyName, QDialog* read, QDialog* write);
    void setAboutDialog(QDialog* about) { aboutDialog_ = about; }

    // The configuration shown, with its file and history.
    Document& document() { return *document_; }
    duoband::EditorModel& model() { return document_->model(); }
    duoband::SerialPort& serialPort() { return radio_->port(); }
    // The port and the one radio job at a time that runs on it.
    WindowRadio& radio() override { return *radio_; }
    duoband::ProgrammingExchange& exchange() { return radio_->exchange(); }
    // Panel 0 shows the caption followed by the selected port.
    bool portShownOpen() const override;
    // While any exchange runs (a Read or Write dialog, a page's own button)
    // the commands that change the model, the port or the files, and every
    // page, are disabled; Quit and the tab choice stay.
    void exchangeRunning(bool running) override;

    QString statusPanelText(int panel) const;
    QString statusPanelToolTip() const;

    // Shows the model again on every page (after Read, Open and New).
    void showModel();
    // Takes over the text of an edit that still has the focus.
    void commitPendingEdits();

    // Every change recorded so far, for undo and redo.
    EditHistory& history() { return document_->history(); }
    // Records the model's change since the last step as step `step`.
    void recordEdit(const QString& step, const QString& mergeKey = {});
    // The configuration differs from its last clean point (New, Open, Save,
    // a full Write).
    bool hasUnsavedChanges() const { return document_->hasUnsavedChanges(); }
    // The settings file or image Save writes; empty while the configuration
    // is untitled (new, read from the radio, opened from a backup).
    QString fileName() const { return document_->fileName(); }
    // Where every full read and write keeps its image; none when empty.
    void setBackupFolder(std::filesystem::path folder) { backupFolder_ = std::move(folder); }
    // Keeps `image` as a backup of `kind`; a failure is said in the status bar.
    // The file it went into; empty when none was kept.
    std::filesystem::path keepBackup(duoband::BackupKind kind, const duoband::RadioImage& image);
    // What a radio job of this window gets: the backup folder.
    duoband::JobOptions jobOptions() const override;
    // Where a radio job of this window reports: a backup kept (or why not) in
    // the status bar.
    duoband::JobOutput jobOutput() override;
    std::string configurationFile() const override;
    // A job's record goes to the register (or its spool), from the job's thread.
    void recordJob(duoband::JobRecord job) override;
    // The register every job of this window is recorded in.
    WindowRecorder& recorder() { return *recorder_; }

    // Commands (menu items; the tool bar buttons run the same handlers).
    void newConfiguration();
    void openFile();
    // Opens the settings file or image `name` as Open does after its file
    // dialog (the file given on the command line, a file dropped on the
    // window): the unsaved changes first, then the same checks and messages.
    void openFileNamed(const QString& name);
    // File > Open Recent: `name`, or says it is gone and forgets it.
    void openRecentFile(const QString& name);
    void clearRecentFiles();
    // Save writes the file the configuration belongs to, Save As (and Save
    // of an untitled one) asks for a name; false when nothing was saved.
    bool saveFile();
    bool saveFileAs();
    // File > Backups...: opens a kept image.
    void showBackups();
    // Reads the radio aside: only a complete read replaces the configuration
    // (untitled, modified); after a failed or cancelled one the user may keep
    // what arrived.
    void readRadio();
    void writeRadio();
    // File > Compare With File... and Compare With Backup..., Edit > Compare
    // With Radio... (a full read aside, kept as a backup): the differences
    // from the open configuration, which stays as it is, in the compare
    // panel. The panel follows every edit until it is closed.
    void compareWithFile();
    void compareWithBackup();
    void compareWithRadio();
    // The other values of the panel's selected rows, or of all its
    // differences, taken through the editing rules as one step; the values
    // the rules refuse are listed.
    void takeOtherValue();
    void takeAllOtherValues();
    bool canTakeOtherValue() const;
    bool canTakeAll() const;
    ComparePanel* comparePanel() const { return comparePanel_; }
    // Channels > Check Channel Plan: the plan's problems and notes in their
    // panel, checked again after every step until the panel is closed.
    void showPlanCheck();
    PlanCheckPanel* planCheckPanel() const { return planCheckPanel_; }
    // File > Radio Register…: opens the register's window (or brings it up).
    void showRadioRegister();
    RegisterWindow* registerWindow() const;
    // Settings > Radio Register…: where the jobs are recorded.
    void chooseRegister();
    // From a job of the register's window: the backup `file` compared with
    // the open configuration, or opened untitled as File > Backups... does.
    void compareWithBackupFile(const QString& file);
    void openBackupFile(const QString& file);
    // Edit > Program Many Radios…: opens the station (or brings it up).
    void programManyRadios();
    // The station is open: the configuration and the ports are its own
    // (the commands that change them are disabled, the port is closed)
    // until it closes.
    void stationOpen(bool open);
    PortChoice& portChoice() { return *portChoice_; }
    // "radio.bc"; "untitled (read from /dev/ttyUSB0)".
    QString documentName() const { return document_->name(); }
    void showBandAChannels();  // A/Upper Band Channel
    void showBandBChannels();  // B/Under Band Channel
    void editCompanyName();    // Note
    void amendPassword();
    void showAbout();  // Help > About
    // File > Export, File > Import and File > Print...: the channels as CSV,
    // and the channel sheet printed or as PDF.
    void exportChannelsCsv();
    void importChannelsCsv();
    void exportChannelSheet();
    void printChannelSheet();
    // The Channels menu: Fill Series…, Repeater Offset… and Sort… on the
    // channel grid shown; Find… and Find and Replace… over both bands.
    void fillSeries();
    void setRepeaterOffset();
    void sortChannels();
    void findInChannels();
    void findAndReplace();
    void quit();  // Quit(Q), and Quit
    void choosePort();
    void undo();
    void redo();
    // Remarks that need no answer ("Channel 12: ... Ctrl+Z restores them").
    void showStatusMessage(const QString& text);
    QString statusMessage() const;
    // When the commands can be used.
    bool canUndo() const;
    bool canRedo() const;
    bool channelPageShown() const { return currentChannelPage() != nullptr; }
    ChannelTablePage* currentChannelPage() const;

    QToolBar* toolBar() const { return toolBar_; }
    QLabel* portLabel() const { return portLabel_; }  // "COM Port:"
    QComboBox* portList() const { return portList_; }
    QTabWidget* pageTabs() const { return pageTabs_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    // A settings file or image dropped anywhere on the window opens, unless
    // an exchange runs.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The login window and Note set the caption to the company name; the
    // window adds the file name and the modified mark to it.
    void changeEvent(QEvent* event) override;

  private:
    void buildCommands();
    void buildRecentFilesMenu();
    void listRecentFiles();
    // The one settings file or image a drag carries; empty when it carries
    // anything else, or an exchange runs or a dialog is open.
    QString droppableFile(const QMimeData* dragged) const;
    void buildPages();
    void buildComparePanel();
    void buildPlanCheckPanel();
    // Before Write: true when the plan has no problems, they were accepted
    // before, or the user answers "Write Anyway" now.
    bool planProblemsAnswered();
    void buildStatusBar();
    void buildPortChoice(const PortOptions& ports);
    void setPortPanel(const QString& text, const QString& why);
    void showModal(QDialog* dialog);
    // Asks to save unsaved changes; false when the user cancelled (or the
    // save failed), so the command that asked must not go on.
    bool settleUnsavedChanges();
    // The same, without waiting: `then` runs once the changes are saved or
    // given up, not at all when the user cancels.
    void settleUnsavedChangesThen(std::function<void()> then);
    void recordPendingEdit();
    bool saveTo(const QString& name);
    // Refuses, with a message, a file the window would write into the backup
    // folder; only the backups themselves go there.
    bool refusedAsBackup(const QString& name);
    bool insideBackupFolder(const QString& name) const;
    // A configuration a settings file cannot carry is saved as an image,
    // when the user agrees; false when nothing was written.
    bool saveAsImageInstead(const QString& name, const std::string& why);
    bool openInto(const QString& name, duoband::EditorModel& model);
    void warnOfCellsOffTheirLists(const duoband::EditorModel& model);
    // Opens a settings file or an image after the unsaved changes were
    // settled; a file inside the backup folder opens untitled.
    void openNamed(const QString& name, bool asBackup = false);
    void updateCaption();
    void updateCommandStates();
    struct SheetHeading sheetHeading() const;

    // Compares the open configuration with `side`, named `name` ("harbour.bc",
    // "the radio on /dev/ttyUSB0"), until the panel is closed.
    void startComparison(duoband::ComparedSide side, const QString& name);
    void compareWithFileNamed(const QString& file, const QString& name);
    // Compares the configuration as it is now and marks the differing cells.
    void recompare();
    void endComparison();
    void markDifferingCells();
    // Shows the place of a difference on its tab; `focus` gives its cell or
    // control the keyboard.
    void showPlace(const duoband::ComparePlace& where, bool focus);
    void takeValues(const std::vector<duoband::CompareEntry>& entries, const QString& step);
    // Find and Replace: the dialog's next match from the current cell, and
    // Replace All as one step.
    FindReplaceDialog* findReplaceDialog();
    void findNextCell();
    void replaceAllCells();

    WindowRadio* radio_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* portLabel_ = nullptr;
    QComboBox* portList_ = nullptr;
    QTabWidget* pageTabs_ = nullptr;
    std::vector<EditorPage> pages_;
    QLabel* panels_[2] = {nullptr, nullptr};
    QDialog* passwordDialog_ = nullptr;
    QDialog* companyNameDialog_ = nullptr;
    QDialog* readDialog_ = nullptr;
    QDialog* writeDialog_ = nullptr;
    QDialog* aboutDialog_ = nullptr;
    PortChoice* portChoice_ = nullptr;
    QPointer<StationWindow> station_;
    WindowRecorder* recorder_ = nullptr;
    QPointer<RegisterWindow> registerWindow_;
    RegisterSettingsDialog* registerSettings_ = nullptr;
    // Each command and when it can be used.
    struct Command {
        QAction* action;
        bool duringExchange;                    // also while an exchange runs
        bool (MainWindow::*available)() const;  // nullptr: whenever idle
    };
    std::vector<Command> commands_;
    int exchangesRunning_ = 0;
    QPointer<QWidget> focusBeforeExchange_;  // the control the keyboard goes back to
    Document* document_ = nullptr;
    QMenu* recentFilesMenu_ = nullptr;
    std::filesystem::path backupFolder_;
    QString companyName_;
    QLabel* messageLabel_ = nullptr;
    QTimer* messageTimer_ = nullptr;
    ComparePanel* comparePanel_ = nullptr;
    FindReplaceDialog* findReplaceDialog_ = nullptr;
    PlanCheckPanel* planCheckPanel_ = nullptr;
    // The configuration the open one is compared with, kept while the panel
    // is open, and its name.
    std::optional<duoband::ComparedSide> compared_;
    QString comparedName_;
};
