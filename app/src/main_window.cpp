#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QSocketNotifier>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <algorithm>
#include <array>

#include "duoband/port_discovery.h"
#include "duoband/settings_file.h"
#include "duoband/settings_table.h"
#include "pages/band_setup_page.h"
#include "pages/channel_table_page.h"
#include "pages/dtmf_page.h"
#include "pages/general_page.h"
#include "pages/limit_frequency_page.h"
#include "port_status.h"
#include "program_end.h"
#include "qt_message_pump.h"
#include "user_dialogs.h"

namespace {

using Handler = void (MainWindow::*)();

struct MenuItem {
    const char* name;
    const char* caption;
    Handler handler;      // nullptr: the disabled "-------" line
    QKeyCombination key;  // Qt::Key_unknown: none
    bool duringExchange;  // stays usable while an exchange with the radio runs
};

struct MenuDef {
    const char* title;
    std::vector<MenuItem> items;
};

constexpr QKeyCombination kNoKey{Qt::Key_unknown};

const std::vector<MenuDef>& menuTable() {
    static const std::vector<MenuDef> menus{
        {"File(&F)",
         {{"newAction", "New", &MainWindow::newConfiguration, Qt::CTRL | Qt::Key_N, false},
          {"openAction", "Open", &MainWindow::openFile, Qt::CTRL | Qt::Key_O, false},
          {"saveAction", "Save", &MainWindow::saveFile, Qt::CTRL | Qt::Key_S, false},
          {"fileQuitAction", "Quit", &MainWindow::quit, Qt::CTRL | Qt::Key_Q, true}}},
        {"Edit(&E)",
         {{"readAction", "Read", &MainWindow::readRadio, kNoKey, false},
          {"writeAction", "Write", &MainWindow::writeRadio, kNoKey, false},
          {"editSeparator1", "-------", nullptr, kNoKey, true},
          {"bandAChannelsAction", "A/Upper Band Channel", &MainWindow::showBandAChannels, kNoKey,
           true},
          {"bandBChannelsAction", "B/Under Band Channel", &MainWindow::showBandBChannels, kNoKey,
           true},
          {"editSeparator2", "-------", nullptr, kNoKey, true}}},
        {"Help(&H)",
         {{"companyNameAction", "Note", &MainWindow::editCompanyName, kNoKey, false},
          {"amendPasswordAction", "Amend Password", &MainWindow::amendPassword, kNoKey, false}}},
    };
    return menus;
}

struct ToolItem {
    const char* name;
    const char* caption;
    QStyle::StandardPixmap icon;
    Handler handler;
};

// Every button runs its menu item's handler.
constexpr std::array<ToolItem, 7> kToolButtons{{
    {"newButton", "  New  ", QStyle::SP_FileIcon, &MainWindow::newConfiguration},
    {"openButton", "  Open  ", QStyle::SP_DialogOpenButton, &MainWindow::openFile},
    {"saveButton", "  Save   ", QStyle::SP_DialogSaveButton, &MainWindow::saveFile},
    {"readButton", "Read", QStyle::SP_ArrowDown, &MainWindow::readRadio},
    {"writeButton", "Write", QStyle::SP_ArrowUp, &MainWindow::writeRadio},
    {"companyNameButton", "Note", QStyle::SP_FileDialogDetailedView, &MainWindow::editCompanyName},
    {"passwordButton", "Password", QStyle::SP_DialogApplyButton, &MainWindow::amendPassword},
}};

QString tabTitle(std::string_view title) {
    return QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
}

template <class Page, class... Args>
EditorPage makePage(Args&&... args) {
    auto* page = new Page(std::forward<Args>(args)..., nullptr);
    return {page, [page] { page->showModel(); }, [page] { page->commitPendingEdit(); }};
}

std::filesystem::path toPath(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

}  // namespace

MainWindow::MainWindow(PortOptions ports, QWidget* parent) : QMainWindow(parent) {
    setObjectName("mainWindow");
    // Wide enough for all thirteen columns of a channel table.
    resize(1200, 720);
    pump_ = std::make_unique<QtMessagePump>(port_);
    exchange_ = std::make_unique<duoband::ProgrammingExchange>(port_, *pump_);
    buildCommands();
    buildPages();
    buildStatusBar();
    connectSerialPort();
    buildPortChoice(ports);
    showModel();
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
}

// The radio's line settings (XON/XOFF off); the component's notifications
// are delivered whenever the event loop runs, nested loops included.
void MainWindow::connectSerialPort() {
    duoband::configureForRadio(port_);
    portNotifier_ =
        std::make_unique<QSocketNotifier>(port_.notificationFd(), QSocketNotifier::Read);
    connect(portNotifier_.get(), &QSocketNotifier::activated, this,
            [this] { port_.processNotifications(); });
}

MainWindow::~MainWindow() {
    // The pages hold the model and this window as their host: they go while
    // both still exist.
    delete pageTabs;
}

void MainWindow::setDialogs(QDialog* password, QDialog* companyName, QDialog* read,
                            QDialog* write) {
    passwordDialog_ = password;
    companyNameDialog_ = companyName;
    readDialog_ = read;
    writeDialog_ = write;
}

void MainWindow::buildCommands() {
    menuBar()->setObjectName("menuBar");
    for (const MenuDef& def : menuTable()) {
        QMenu* menu = menuBar()->addMenu(def.title);
        for (const MenuItem& item : def.items) {
            QAction* action = menu->addAction(item.caption);
            action->setObjectName(item.name);
            action->setEnabled(item.handler != nullptr);
            if (item.key != kNoKey) action->setShortcut(QKeySequence(item.key));
            if (item.handler != nullptr) connect(action, &QAction::triggered, this, item.handler);
            if (!item.duringExchange) idleOnly_.push_back(action);
        }
    }
    QAction* quitAction = menuBar()->addAction("Quit(&Q)");
    quitAction->setObjectName("quitAction");
    connect(quitAction, &QAction::triggered, this, &MainWindow::quit);

    toolBar = addToolBar("Tool Bar");
    toolBar->setObjectName("toolBar");
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolItem& item : kToolButtons) {
        if (&item != kToolButtons.data()) toolBar->addSeparator();
        QAction* action = toolBar->addAction(style()->standardIcon(item.icon), item.caption);
        action->setObjectName(item.name);
        connect(action, &QAction::triggered, this, item.handler);
        idleOnly_.push_back(action);
    }
}

void MainWindow::buildPages() {
    pageTabs = new QTabWidget(this);
    pageTabs->setObjectName("pageTabs");
    using duoband::Band;
    pages_ = {makePage<ChannelTablePage>(model_, Band::A),
              makePage<BandSetupPage>(model_, Band::A),
              makePage<ChannelTablePage>(model_, Band::B),
              makePage<BandSetupPage>(model_, Band::B),
              makePage<GeneralPage>(model_),
              makePage<DtmfPage>(model_),
              makePage<LimitFrequencyPage>(model_, static_cast<PageHost&>(*this))};
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
        pageTabs->addTab(pages_[i].widget, tabTitle(titles.at(i)));
    }
    pageTabs->setCurrentIndex(0);
    setCentralWidget(pageTabs);
}

void MainWindow::buildPortChoice(const PortOptions& ports) {
    portLabel = new QLabel(kPortCaption);
    portList = new QComboBox;
    portList->setObjectName("portList");
    portList->setMinimumContentsLength(14);
    toolBar->addSeparator();
    toolBar->addWidget(portLabel);
    toolBar->addWidget(portList);
    const auto list = mergePortList(
        ports.listMachinePorts ? duoband::listSerialPorts() : std::vector<std::string>{},
        ports.asked);
    for (const std::string& port : list) portList->addItem(QString::fromStdString(port));
    connect(portList, &QComboBox::activated, this, &MainWindow::choosePort);
    if (list.empty()) {
        setPortPanel(kNoPort, "No serial port was found.");
        return;
    }
    const int asked =
        ports.asked.empty() ? -1 : portList->findText(QString::fromStdString(ports.asked.front()));
    portList->setCurrentIndex(asked >= 0 ? asked : 0);
    openSelectedPort();
}

// Picking a port closes the one the panel shows as open (the same one too)
// and opens the pick.
void MainWindow::choosePort() {
    if (panelShowsOpenPort(statusPanelText(0))) port_.close();
    openSelectedPort();
}

void MainWindow::openSelectedPort() {
    const QString port = portList->currentText();
    port_.setPath(port.toStdString());
    try {
        port_.open();
        setPortPanel(portPanelText(port, true), {});
    } catch (const duoband::SerialPortError& e) {
        const int error = port_.lastOpenError();
        setPortPanel(portPanelText(port, false),
                     error != 0 ? QString::fromStdString(
                                      duoband::explainOpenError(error, port.toStdString()))
                                : QString(e.what()));
    }
}

void MainWindow::setPortPanel(const QString& text, const QString& why) {
    panels_[0]->setText(text);
    panels_[0]->setToolTip(why);
    panels_[0]->setStatusTip(why);
}

QString MainWindow::statusPanelText(int panel) const {
    return panels_[panel]->text();
}

bool MainWindow::portShownOpen() const {
    return statusPanelText(0) == kPortCaption + portList->currentText();
}

void MainWindow::exchangeRunning(bool running) {
    exchangesRunning_ = std::max(0, exchangesRunning_ + (running ? 1 : -1));
    const bool idle = exchangesRunning_ == 0;
    for (QAction* action : idleOnly_) action->setEnabled(idle);
    portList->setEnabled(idle);
    for (const EditorPage& page : pages_) page.widget->setEnabled(idle);
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

void MainWindow::newConfiguration() {
    commitPendingEdits();
    if (!userDialogs().confirm(this, "Do you want to New?")) return;
    duoband::resetToInitialValues(model_);
    showModel();
}

void MainWindow::openFile() {
    commitPendingEdits();
    const QString name = userDialogs().openFileName(this, "Open", "*.bc");
    if (name.isEmpty()) return;
    const auto result = duoband::openSettingsFile(toPath(name), model_);
    if (!result.ok()) {
        userDialogs().error(this, QString::fromStdString(result.error));
        return;
    }
    showModel();
}

void MainWindow::saveFile() {
    commitPendingEdits();
    const QString name = userDialogs().saveFileName(this, "Save", "*.bc");
    if (name.isEmpty()) return;
    const auto result = duoband::saveSettingsFile(model_, toPath(name));
    if (!result.ok()) {
        userDialogs().error(this, QString::fromStdString(result.error));
        return;
    }
    userDialogs().information(this, "保存成功!");
}

// Read may change the model even when it fails part-way: show it either way.
void MainWindow::readRadio() {
    commitPendingEdits();
    showModal(readDialog_);
    showModel();
}

void MainWindow::writeRadio() {
    commitPendingEdits();
    showModal(writeDialog_);
}

void MainWindow::showBandAChannels() {
    pageTabs->setCurrentIndex(0);
}
void MainWindow::showBandBChannels() {
    pageTabs->setCurrentIndex(2);
}
void MainWindow::editCompanyName() {
    showModal(companyNameDialog_);
}
void MainWindow::amendPassword() {
    showModal(passwordDialog_);
}

// Ends the program at once, without a question and without saving.
void MainWindow::quit() {
    endProgram();
}

void MainWindow::showModal(QDialog* dialog) {
    if (dialog != nullptr) dialog->exec();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    endProgram();
}
