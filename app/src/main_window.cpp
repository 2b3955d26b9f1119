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

using Handler = void (TForm2::*)();

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
         {{"N1", "New", &TForm2::N1Click, Qt::CTRL | Qt::Key_N, false},
          {"N2", "Open", &TForm2::N2Click, Qt::CTRL | Qt::Key_O, false},
          {"N3", "Save", &TForm2::N3Click, Qt::CTRL | Qt::Key_S, false},
          {"N4", "Quit", &TForm2::N15Click, Qt::CTRL | Qt::Key_Q, true}}},
        {"Edit(&E)",
         {{"N6", "Read", &TForm2::N6Click, kNoKey, false},
          {"N7", "Write", &TForm2::N7Click, kNoKey, false},
          {"N8", "-------", nullptr, kNoKey, true},
          {"N9", "A/Upper Band Channel", &TForm2::N9Click, kNoKey, true},
          {"N11", "B/Under Band Channel", &TForm2::N11Click, kNoKey, true},
          {"N12", "-------", nullptr, kNoKey, true}}},
        {"Help(&H)",
         {{"N13", "Note", &TForm2::N13Click, kNoKey, false},
          {"N14", "Amend Password", &TForm2::N14Click, kNoKey, false}}},
    };
    return menus;
}

struct ToolItem {
    const char* name;
    const char* caption;
    QStyle::StandardPixmap icon;
    Handler handler;
};

// ToolButton3 and ToolButton5 (Open, Save) run N2Click and N3Click, like
// every button runs its menu item's handler.
constexpr std::array<ToolItem, 7> kToolButtons{{
    {"ToolButton1", "  New  ", QStyle::SP_FileIcon, &TForm2::N1Click},
    {"ToolButton3", "  Open  ", QStyle::SP_DialogOpenButton, &TForm2::N2Click},
    {"ToolButton5", "  Save   ", QStyle::SP_DialogSaveButton, &TForm2::N3Click},
    {"ToolButton7", "Read", QStyle::SP_ArrowDown, &TForm2::N6Click},
    {"ToolButton9", "Write", QStyle::SP_ArrowUp, &TForm2::N7Click},
    {"ToolButton11", "Note", QStyle::SP_FileDialogDetailedView, &TForm2::N13Click},
    {"ToolButton13", "Password", QStyle::SP_DialogApplyButton, &TForm2::N14Click},
}};

constexpr std::array<const char*, 7> kTabTitles{
    "A/Upper Band Channel",  "A/Upper Band Set up", "B/Under Band Channel", "B/Under Band Set up",
    "Comprehensive Setting", "DTMF Groups",         "Limit Frequency"};

template <class Page, class... Args>
EditorPage makePage(Args&&... args) {
    auto* page = new Page(std::forward<Args>(args)..., nullptr);
    return {page, [page] { page->showModel(); }, [page] { page->commitPendingEdit(); }};
}

std::filesystem::path toPath(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

}  // namespace

TForm2::TForm2(PortOptions ports, QWidget* parent) : QMainWindow(parent) {
    setObjectName("Form2");
    // Wide enough for all thirteen columns of a channel table.
    resize(1200, 720);
    pump_ = std::make_unique<QtMessagePump>(comm_);
    exchange_ = std::make_unique<duoband::ProgrammingExchange>(comm_, *pump_);
    buildCommands();
    buildPages();
    buildStatusBar();
    connectComm();
    buildPortChoice(ports);
    showModel();
}

// Two panels, 200 wide: panel 0 the port state, panel 1 four blanks.
void TForm2::buildStatusBar() {
    StatusBar1 = statusBar();
    StatusBar1->setObjectName("StatusBar1");
    for (auto*& panel : panels_) {
        panel = new QLabel(StatusBar1);
        panel->setFixedWidth(200);
        StatusBar1->addWidget(panel);
    }
    panels_[1]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    panels_[1]->setText("    ");
}

// The radio's line settings (XON/XOFF off); the component's notifications
// are delivered whenever the event loop runs, nested loops included.
void TForm2::connectComm() {
    duoband::configureForRadio(comm_);
    commNotifier_ =
        std::make_unique<QSocketNotifier>(comm_.notificationFd(), QSocketNotifier::Read);
    connect(commNotifier_.get(), &QSocketNotifier::activated, this,
            [this] { comm_.processNotifications(); });
}

TForm2::~TForm2() {
    // The pages hold the model and this window as their host: they go while
    // both still exist.
    delete PageControl1;
}

void TForm2::setDialogs(QDialog* form3, QDialog* form4, QDialog* form5, QDialog* form6) {
    form3_ = form3;
    form4_ = form4;
    form5_ = form5;
    form6_ = form6;
}

void TForm2::buildCommands() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName("MainMenu1");
    for (const MenuDef& def : menuTable()) {
        QMenu* menu = MainMenu1->addMenu(def.title);
        for (const MenuItem& item : def.items) {
            QAction* action = menu->addAction(item.caption);
            action->setObjectName(item.name);
            action->setEnabled(item.handler != nullptr);
            if (item.key != kNoKey) action->setShortcut(QKeySequence(item.key));
            if (item.handler != nullptr) connect(action, &QAction::triggered, this, item.handler);
            if (!item.duringExchange) idleOnly_.push_back(action);
        }
    }
    QAction* quit = MainMenu1->addAction("Quit(&Q)");
    quit->setObjectName("N15");
    connect(quit, &QAction::triggered, this, &TForm2::N15Click);

    ToolBar1 = addToolBar("ToolBar1");
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolItem& item : kToolButtons) {
        if (&item != kToolButtons.data()) ToolBar1->addSeparator();
        QAction* action = ToolBar1->addAction(style()->standardIcon(item.icon), item.caption);
        action->setObjectName(item.name);
        connect(action, &QAction::triggered, this, item.handler);
        idleOnly_.push_back(action);
    }
}

void TForm2::buildPages() {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    using duoband::Band;
    pages_ = {makePage<ChannelTablePage>(model_, Band::A),
              makePage<BandSetupPage>(model_, Band::A),
              makePage<ChannelTablePage>(model_, Band::B),
              makePage<BandSetupPage>(model_, Band::B),
              makePage<GeneralPage>(model_),
              makePage<DtmfPage>(model_),
              makePage<LimitFrequencyPage>(model_, static_cast<PageHost&>(*this))};
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        PageControl1->addTab(pages_[i].widget, kTabTitles[i]);
    }
    PageControl1->setCurrentIndex(0);
    setCentralWidget(PageControl1);
}

void TForm2::buildPortChoice(const PortOptions& ports) {
    Label1 = new QLabel(kPortCaption);
    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setMinimumContentsLength(14);
    ToolBar1->addSeparator();
    ToolBar1->addWidget(Label1);
    ToolBar1->addWidget(ComboBox1);
    const auto list = mergePortList(
        ports.listMachinePorts ? duoband::listSerialPorts() : std::vector<std::string>{},
        ports.asked);
    for (const std::string& port : list) ComboBox1->addItem(QString::fromStdString(port));
    connect(ComboBox1, &QComboBox::activated, this, &TForm2::ComboBox1Click);
    if (list.empty()) {
        setPortPanel(kNoPort, "No serial port was found.");
        return;
    }
    const int asked =
        ports.asked.empty() ? -1 : ComboBox1->findText(QString::fromStdString(ports.asked.front()));
    ComboBox1->setCurrentIndex(asked >= 0 ? asked : 0);
    openSelectedPort();
}

// Picking a port closes the one the panel shows as open (the same one too)
// and opens the pick.
void TForm2::ComboBox1Click() {
    if (panelShowsOpenPort(statusPanelText(0))) comm_.close();
    openSelectedPort();
}

void TForm2::openSelectedPort() {
    const QString port = ComboBox1->currentText();
    comm_.setPath(port.toStdString());
    try {
        comm_.open();
        setPortPanel(portPanelText(port, true), {});
    } catch (const duoband::SerialPortError& e) {
        const int error = comm_.lastOpenError();
        setPortPanel(portPanelText(port, false),
                     error != 0 ? QString::fromStdString(
                                      duoband::explainOpenError(error, port.toStdString()))
                                : QString(e.what()));
    }
}

void TForm2::setPortPanel(const QString& text, const QString& why) {
    panels_[0]->setText(text);
    panels_[0]->setToolTip(why);
    panels_[0]->setStatusTip(why);
}

QString TForm2::statusPanelText(int panel) const {
    return panels_[panel]->text();
}

bool TForm2::portShownOpen() const {
    return statusPanelText(0) == kPortCaption + ComboBox1->currentText();
}

void TForm2::exchangeRunning(bool running) {
    exchangesRunning_ = std::max(0, exchangesRunning_ + (running ? 1 : -1));
    const bool idle = exchangesRunning_ == 0;
    for (QAction* action : idleOnly_) action->setEnabled(idle);
    ComboBox1->setEnabled(idle);
    for (const EditorPage& page : pages_) page.widget->setEnabled(idle);
}

QString TForm2::statusPanelToolTip() const {
    return panels_[0]->toolTip();
}

void TForm2::showModel() {
    for (const EditorPage& page : pages_) page.showModel();
}

void TForm2::commitPendingEdits() {
    for (const EditorPage& page : pages_) page.commitPendingEdit();
}

void TForm2::N1Click() {
    commitPendingEdits();
    if (!userDialogs().confirm(this, "Do you want to New?")) return;
    duoband::resetToInitialValues(model_);
    showModel();
}

void TForm2::N2Click() {
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

void TForm2::N3Click() {
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
void TForm2::N6Click() {
    commitPendingEdits();
    showModal(form5_);
    showModel();
}

void TForm2::N7Click() {
    commitPendingEdits();
    showModal(form6_);
}

void TForm2::N9Click() {
    PageControl1->setCurrentIndex(0);
}
void TForm2::N11Click() {
    PageControl1->setCurrentIndex(2);
}
void TForm2::N13Click() {
    showModal(form4_);
}
void TForm2::N14Click() {
    showModal(form3_);
}

// Ends the program at once, without a question and without saving.
void TForm2::N15Click() {
    endProgram();
}

void TForm2::showModal(QDialog* dialog) {
    if (dialog != nullptr) dialog->exec();
}

void TForm2::closeEvent(QCloseEvent* event) {
    event->accept();
    endProgram();
}
