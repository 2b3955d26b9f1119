// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <algorithm>
#include <array>

#include "app_settings.h"
#include "backups_dialog.h"
#include "compare_panel.h"
#include "document.h"
#include "duoband/channel_editing.h"
#include "duoband/image_file.h"
#include "duoband/settings_file.h"
#include "duoband/settings_table.h"
#include "duoband/whole_file.h"
#include "file_paths.h"
#include "pages/band_setup_page.h"
#include "pages/channel_table_page.h"
#include "pages/dtmf_page.h"
#include "pages/general_page.h"
#include "pages/limit_frequency_page.h"
#include "pages/page_widgets.h"
#include "port_status.h"
#include "program_end.h"
#include "register_settings_dialog.h"
#include "register_window.h"
#include "screen_fit.h"
#include "station_window.h"
#include "transfer_dialogs.h"
#include "user_dialogs.h"
#include "window_recorder.h"

namespace {

// Every change a page makes is recorded as an undo step of the window.
template <class Page, class... Args>
EditorPage makePage(MainWindow* window, Args&&... args) {
    auto* page = new Page(std::forward<Args>(args)..., nullptr);
    QObject::connect(page, &Page::edited, window,
                     [window](const QString& step, const QString& mergeKey) {
                         window->recordEdit(step, mergeKey);
                     });
    return {page, [page] { page->showModel(); }, [page] { page->commitPendingEdit(); }};
}

bool isDroppableKind(const QString& file) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    return suffix == "bc" || suffix == "img";
}

}  // namespace

MainWindow::MainWindow(PortOptions ports, QWidget* parent) : QMainWindow(parent) {
    setObjectName("mainWindow");
    // Wide enough for all thirteen columns of a channel table, where the
    // screen has room for it.
    resize(1200, 720);
    restoreGeometry(appSettings::windowGeometry());
    keepWithinScreen(this);
    radio_ = new WindowRadio(this);
    document_ = new Document(this);
    recorder_ = new WindowRecorder(duoband::locateDataFolder(), this);
    recorder_->useAddress(appSettings::registerAddress().toStdString());
    connect(recorder_, &WindowRecorder::said, this, &MainWindow::showStatusMessage);
    buildCommands();
    buildPages();
    buildComparePanel();
    buildPlanCheckPanel();
    buildStatusBar();
    buildPortChoice(ports);
    showModel();
    connect(document_, &Document::modifiedChanged, this, &MainWindow::setWindowModified);
    connect(document_, &Document::replaced, this, &MainWindow::showModel);
    connect(document_, &Document::renamed, this, &MainWindow::updateCaption);
    connect(&document_->history().stack(), &QUndoStack::indexChanged, this,
            &MainWindow::updateCommandStates);
    connect(pageTabs_, &QTabWidget::currentChanged, this, &MainWindow::updateCommandStates);
    updateCommandStates();
    setAcceptDrops(true);
    qApp->installEventFilter(this);  // drops on any of the window's widgets
}

// Two panels, 200 wide: panel 0 the port state, panel 1 four blanks.
void MainWindow::buildStatusBar() {
    statusBar()->setObjectName("statusBar");
    for (auto*& panel : panels_) {
        panel = new QLabel(statusBar());
        panel->setFixedWidth(200);
        statusBar()->addWidget(panel);
    }
    panels_[1]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    panels_[1]->setText("    ");
    messageLabel_ = new QLabel(statusBar());
    messageLabel_->setObjectName("statusMessage");
    statusBar()->addWidget(messageLabel_, 1);
    messageTimer_ = new QTimer(this);
    messageTimer_->setSingleShot(true);
    connect(messageTimer_, &QTimer::timeout, messageLabel_, &QLabel::clear);
}

MainWindow::~MainWindow() {
    appSettings::setWindowGeometry(saveGeometry());
    delete registerWindow_;
    // The pages hold the model and this window as their host: they go while
    // both still exist, and no signal of theirs or of the history reaches
    // this window while it is taken apart.
    pageTabs_->disconnect(this);
    document_->history().disconnect(this);
    document_->history().stack().disconnect(this);
    comparePanel_->disconnect(this);
    delete pageTabs_;
}

void MainWindow::setDialogs(QDialog* password, QDialog* companyName, QDialog* read,
                            QDialog* write) {
    passwordDialog_ = password;
    companyNameDialog_ = companyName;
    readDialog_ = read;
    writeDialog_ = write;
}

void MainWindow::buildPages() {
    pageTabs_ = new QTabWidget(this);
    pageTabs_->setObjectName("pageTabs");
    using duoband::Band;
    pages_ = {
        makePage<ChannelTablePage>(this, document_->model(), Band::A),
        makePage<BandSetupPage>(this, document_->model(), Band::A),
        makePage<ChannelTablePage>(this, document_->model(), Band::B),
        makePage<BandSetupPage>(this, document_->model(), Band::B),
        makePage<GeneralPage>(this, document_->model()),
        makePage<DtmfPage>(this, document_->model()),
        makePage<LimitFrequencyPage>(this, document_->model(), static_cast<PageHost&>(*this))};
    const auto actions = [this](std::initializer_list<const char*> names) {
        QList<QAction*> list;
        for (const char* name : names) list << menuBar()->findChild<QAction*>(name);
        return list;
    };
    for (const EditorPage& page : pages_) {
        auto* channels = qobject_cast<ChannelTablePage*>(page.widget);
        if (channels == nullptr) continue;
        connect(channels, &ChannelTablePage::statusMessage, this, &MainWindow::showStatusMessage);
        channels->setContextActions(
            actions(
                {"cutAction", "copyAction", "pasteAction", "deleteAction", "fillSelectionAction"}),
            actions({"insertChannelsAction", "deleteChannelsAction", "moveChannelsUpAction",
                     "moveChannelsDownAction", "clearChannelsAction"}));
    }
    using duoband::SettingsPage;
    const std::array<std::string_view, 7> titles{
        duoband::channelPageTitle(Band::A),
        duoband::pageTitle(SettingsPage::BandSetup, Band::A),
        duoband::channelPageTitle(Band::B),
        duoband::pageTitle(SettingsPage::BandSetup, Band::B),
        duoband::pageTitle(SettingsPage::General),
        duoband::pageTitle(SettingsPage::Dtmf),
        duoband::pageTitle(SettingsPage::Limits)};
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        pageTabs_->addTab(pages_[i].widget, pages::fromCoreText(titles.at(i)));
    }
    pageTabs_->setCurrentIndex(0);
    setCentralWidget(scrolledWhenCramped(pageTabs_));
}

// The port choice stands at the end of the tool bar; status panel 0 and
// the status bar say what it does.
void MainWindow::buildPortChoice(const PortOptions& ports) {
    portChoice_ = new PortChoice(radio_->port(), this);
    portChoice_->setLineLoser([this] { radio_->closeLostLine(); });
    portLabel_ = portChoice_->label;
    portList_ = portChoice_->list;
    toolBar_->addSeparator();
    toolBar_->addWidget(portLabel_);
    toolBar_->addWidget(portList_);
    // The button that shows the tool bar's overflow, when the window is narrow.
    if (auto* more = toolBar_->findChild<QWidget*>("qt_toolbar_ext_button"))
        more->setAccessibleName(tr("More tool bar buttons"));
    connect(portChoice_, &PortChoice::panelChanged, this, &MainWindow::setPortPanel);
    connect(portChoice_, &PortChoice::announced, this, &MainWindow::showStatusMessage);
    portChoice_->start(ports);
}

void MainWindow::choosePort() {
    portChoice_->choose();
}

void MainWindow::setPortPanel(const QString& text, const QString& why) {
    panels_[0]->setText(text);
    panels_[0]->setToolTip(why);  // no status tip: it would blank the bar on hover
}

QString MainWindow::statusPanelText(int panel) const {
    return panels_[panel]->text();
}

bool MainWindow::portShownOpen() const {
    return statusPanelText(0) == portCaption() + portChoice_->chosenPath();
}

// Disabling the pages takes the keyboard focus from the control that had
// it; it goes back there when the last exchange ends.
void MainWindow::exchangeRunning(bool running) {
    if (running && exchangesRunning_ == 0) focusBeforeExchange_ = focusWidget();
    exchangesRunning_ = std::max(0, exchangesRunning_ + (running ? 1 : -1));
    const bool idle = exchangesRunning_ == 0;
    document_->readAside(running);
    updateCommandStates();
    portList_->setEnabled(idle);
    portChoice_->setExchangeRunning(!idle);
    for (const EditorPage& page : pages_) page.widget->setEnabled(idle);
    if (idle && focusBeforeExchange_ != nullptr) focusBeforeExchange_->setFocus();
}

// While an exchange runs only the commands that change neither the model,
// the port nor the files stay usable.
void MainWindow::updateCommandStates() {
    const bool idle = exchangesRunning_ == 0;
    for (const Command& command : commands_) {
        const bool usable = idle || command.duringExchange;
        command.action->setEnabled(usable &&
                                   (command.available == nullptr || (this->*command.available)()));
    }
}

bool MainWindow::canUndo() const {
    return document_->history().stack().canUndo();
}

bool MainWindow::canRedo() const {
    return document_->history().stack().canRedo();
}

ChannelTablePage* MainWindow::currentChannelPage() const {
    return qobject_cast<ChannelTablePage*>(pageTabs_->currentWidget());
}

QString MainWindow::statusPanelToolTip() const {
    return panels_[0]->toolTip();
}

void MainWindow::showModel() {
    for (const EditorPage& page : pages_) page.showModel();
}

void MainWindow::commitPendingEdits() {
    for (const EditorPage& page : pages_) page.commitPendingEdit();
}

void MainWindow::recordEdit(const QString& step, const QString& mergeKey) {
    document_->record(step, mergeKey);
}

// A focused edit's text is taken over and recorded as a step; mid-exchange
// the model is half read and nothing is recorded.
void MainWindow::recordPendingEdit() {
    if (exchangesRunning_ > 0) return;
    commitPendingEdits();
    document_->record(tr("Edit"));
}

void MainWindow::updateCaption() {
    const QString file = document_->name() + "[*]";
    setWindowTitle(companyName_.isEmpty() ? file : companyName_ + " — " + file);
    setWindowModified(hasUnsavedChanges());
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowTitleChange || windowTitle().contains("[*]")) return;
    companyName_ = windowTitle();
    updateCaption();
}

// While a dialog is open (a file dialog of Save As, a question) the
// configuration it works on must not change under it.
QString MainWindow::droppableFile(const QMimeData* dragged) const {
    if (exchangesRunning_ > 0 || QApplication::activeModalWidget() != nullptr ||
        dragged == nullptr || dragged->urls().size() != 1) {
        return {};
    }
    const QUrl url = dragged->urls().front();
    return url.isLocalFile() && isDroppableKind(url.toLocalFile()) ? url.toLocalFile() : QString();
}

// A drag that carries one settings file or image is the window's wherever
// it is over, a text field included (which would take the file's name as
// text); any other drag is left to the widget under it. The file opens after
// the drop has ended, so that the unsaved-changes question does not hold
// the program the file was dragged from.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    auto* target = qobject_cast<QWidget*>(watched);
    if ((type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) ||
        target == nullptr || target->window() != this) {
        return QMainWindow::eventFilter(watched, event);
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const QString file = droppableFile(drop->mimeData());
    if (file.isEmpty()) return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        QMetaObject::invokeMethod(
            this, [this, file] { openFileNamed(file); }, Qt::QueuedConnection);
    }
    return true;
}

// The read fills a configuration of its own. A complete one replaces the
// open configuration as one step that Undo takes back; it belongs to no file
// yet, so Save asks for a name and Quit asks before losing it.
void MainWindow::readRadio() {
    if (!settleUnsavedChanges()) return;
    showModal(readDialog_);
    const auto* read = qobject_cast<ReadDialog*>(readDialog_);
    if (read == nullptr) return;
    const QString port = QString::fromStdString(serialPort().path());
    if (read->succeeded()) {
        document_->replace(read->arrived(), {{}, tr("read from %1").arg(port)}, tr("Read"));
    } else if (read->keepWhatArrived() && settleUnsavedChanges()) {
        document_->replace(read->arrived(), {{}, tr("part of a read from %1").arg(port)},
                           tr("Keep What Arrived"));
    }
}

void MainWindow::writeRadio() {
    recordPendingEdit();
    if (!planProblemsAnswered()) return;
    showModal(writeDialog_);
    const auto* write = qobject_cast<TransferDialog*>(writeDialog_);
    if (write != nullptr && write->succeeded()) document_->markClean();
}

// The station writes the configuration open here to radio after radio; while
// it is open the configuration cannot change and the ports are its own.
void MainWindow::programManyRadios() {
    recordPendingEdit();
    // A station closed a moment ago is on its way out: a new one opens.
    if (station_ == nullptr || !station_->isVisible()) {
        station_ = new StationWindow(*document_, *portChoice_, jobOptions(), this);
        connect(station_, &StationWindow::closed, this, [this] { stationOpen(false); });
        stationOpen(true);
    }
    station_->show();
    station_->raise();
    station_->activateWindow();
}

void MainWindow::stationOpen(bool open) {
    exchangeRunning(open);
    portChoice_->lendPorts(open);
}

// A backup that cannot be written is said in the status bar; the transfer
// has succeeded all the same.
std::filesystem::path MainWindow::keepBackup(duoband::BackupKind kind,
                                             const duoband::RadioImage& image) {
    if (backupFolder_.empty()) return {};
    const duoband::BackupResult kept = duoband::saveBackup(
        backupFolder_, kind, serialPort().path(), duoband::stampedNow(image, serialPort().path()));
    jobOutput().backup(kept, false);
    return kept.file;
}

duoband::JobOptions MainWindow::jobOptions() const {
    duoband::JobOptions options;
    options.backupFolder = backupFolder_;
    return options;
}

duoband::JobOutput MainWindow::jobOutput() {
    duoband::JobOutput output;
    output.backup = [this](const duoband::BackupResult& kept, bool relabelled) {
        if (kept.ok()) {
            showStatusMessage(tr("Backup kept: %1").arg(fromPath(kept.file)));
        } else {
            showStatusMessage(relabelled
                                  ? pages::fromCorePhrase(kept.warning)
                                  : tr("No backup: %1").arg(pages::fromCorePhrase(kept.warning)));
        }
    };
    return output;
}

std::string MainWindow::configurationFile() const {
    return toPath(document_->fileName()).string();
}

void MainWindow::recordJob(duoband::JobRecord job) {
    recorder_->record(std::move(job));
}

void MainWindow::showRadioRegister() {
    if (registerWindow_ == nullptr) {
        // A window of its own, not kept above the editor: the comparison and
        // the backup it opens there must come to the front.
        registerWindow_ =
            new RegisterWindow(recorder_->requestedAddress(), recorder_->dataFolder(), nullptr);
        connect(registerWindow_, &RegisterWindow::compareWithBackupAsked, this,
                &MainWindow::compareWithBackupFile);
        connect(registerWindow_, &RegisterWindow::openBackupAsked, this,
                &MainWindow::openBackupFile);
        // The jobs recorded meanwhile show at once.
        connect(recorder_, &WindowRecorder::recorded, registerWindow_, &RegisterWindow::refresh,
                Qt::QueuedConnection);
        keepWithinScreen(registerWindow_);
    }
    registerWindow_->show();
    registerWindow_->raise();
    registerWindow_->activateWindow();
}

RegisterWindow* MainWindow::registerWindow() const {
    return registerWindow_;
}

void MainWindow::chooseRegister() {
    if (registerSettings_ == nullptr) {
        registerSettings_ = new RegisterSettingsDialog(
            fromPath(duoband::registerAddress({}, recorder_->dataFolder())), this);
        connect(registerSettings_, &QDialog::accepted, this, [this] {
            const QString address = registerSettings_->address();
            appSettings::setRegisterAddress(address);
            recorder_->useAddress(address.toStdString());
            // The register's window shows the register chosen now.
            if (registerWindow_ != nullptr) registerWindow_->close();
            showStatusMessage(tr("Jobs are recorded in %1.")
                                  .arg(address.isEmpty() ? fromPath(duoband::registerAddress(
                                                               {}, recorder_->dataFolder()))
                                                         : address));
        });
    }
    registerSettings_->showAddress(QString::fromStdString(recorder_->requestedAddress()));
    registerSettings_->open();
}

// While an exchange runs the configuration stays as it is.
void MainWindow::compareWithBackupFile(const QString& file) {
    if (exchangesRunning_ > 0) return;
    compareWithFileNamed(file, tr("the backup %1").arg(QFileInfo(file).fileName()));
    raise();
    activateWindow();
}

void MainWindow::openBackupFile(const QString& file) {
    if (exchangesRunning_ > 0) return;
    raise();
    activateWindow();
    settleUnsavedChangesThen([this, file] { openNamed(file, true); });
}

void MainWindow::undo() {
    commitPendingEdits();
    document_->history().stack().undo();
}

void MainWindow::redo() {
    commitPendingEdits();
    document_->history().stack().redo();
}

void MainWindow::showStatusMessage(const QString& text) {
    messageLabel_->setText(text);
    messageTimer_->start(std::chrono::seconds(15));
}

QString MainWindow::statusMessage() const {
    return messageLabel_->text();
}

void MainWindow::showBandAChannels() {
    pageTabs_->setCurrentIndex(0);
}
void MainWindow::showBandBChannels() {
    pageTabs_->setCurrentIndex(2);
}
void MainWindow::editCompanyName() {
    showModal(companyNameDialog_);
}
void MainWindow::amendPassword() {
    showModal(passwordDialog_);
}
void MainWindow::showAbout() {
    showModal(aboutDialog_);
}

// Ends the program. Radios being written are asked about first (the
// station's question, or the Write dialog's "Stop writing?"): Keep Running
// changes nothing, a stop ends the program once they have stopped. Then
// the unsaved changes.
void MainWindow::quit() {
    if (station_ != nullptr && station_->runningJobs() > 0) {
        if (!station_->close()) {
            if (station_->closesWhenStopped())
                connect(station_, &StationWindow::closed, this, &MainWindow::quit,
                        Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
            return;
        }
    }
    if (auto* write = qobject_cast<WriteDialog*>(writeDialog_);
        write != nullptr && write->running())
        return write->stopThen([this] { quit(); });
    // A quit may go on from a job's end (after a stop it asked for): the
    // question waits in no nested loop.
    settleUnsavedChangesThen([this] { endProgram(); });
}

// A transfer dialog's loop ends early only when the program ends: its
// exchange stops at once and its result is in before the command goes on.
// A window manager may leave no window active once a dialog and the box it
// raised are gone; the keyboard then reaches nothing until a click.
void MainWindow::showModal(QDialog* dialog) {
    if (dialog == nullptr) return;
    dialog->exec();
    if (auto* transfer = qobject_cast<TransferDialog*>(dialog)) transfer->finishNow();
    if (QApplication::activeWindow() == nullptr) activateWindow();
}

// Closing the window is Quit: the program ends when it is agreed.
void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    quit();
}
