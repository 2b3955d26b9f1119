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
#include "duoband/channel_editing.h"
#include "duoband/image_file.h"
#include "duoband/settings_file.h"
#include "duoband/settings_table.h"
#include "duoband/whole_file.h"
#include "edit_history.h"
#include "file_paths.h"
#include "pages/band_setup_page.h"
#include "pages/channel_table_page.h"
#include "pages/dtmf_page.h"
#include "pages/general_page.h"
#include "pages/limit_frequency_page.h"
#include "pages/page_widgets.h"
#include "port_status.h"
#include "program_end.h"
#include "screen_fit.h"
#include "station_window.h"
#include "transfer_dialogs.h"
#include "user_dialogs.h"

namespace {

// A command's handler; a member whose result (Save's bool) the menu ignores.
using Handler = std::function<void(MainWindow&)>;
using Availability = bool (MainWindow::*)() const;

// An option the program remembers, shown as a checkable item.
struct RememberedOption {
    bool (*isOn)();
    void (*set)(bool on);
};
constexpr RememberedOption kSheetForCustomer{&appSettings::sheetForCustomer,
                                             &appSettings::setSheetForCustomer};

struct MenuItem {
    const char* name;
    const char* caption = nullptr;  // nullptr: a separator line (which a screen reader passes over)
    Handler handler = nullptr;
    QKeyCombination key = QKeyCombination(Qt::Key_unknown);  // Key_unknown: none
    bool duringExchange = false;  // stays usable while an exchange with the radio runs
    Availability available = nullptr;
    QKeyCombination alternateKey = QKeyCombination(Qt::Key_unknown);
    const char* submenu = nullptr;             // the item stands in this submenu of its menu
    const RememberedOption* option = nullptr;  // a checkable item with no handler
};

struct MenuDef {
    const char* title;
    std::vector<MenuItem> items;
};

constexpr QKeyCombination kNoKey{Qt::Key_unknown};

// A command of the channel grid shown; on any other page it does nothing.
template <auto command, auto... arguments>
Handler onChannelGrid() {
    return [](MainWindow& window) {
        if (ChannelTablePage* page = window.currentChannelPage()) (page->*command)(arguments...);
    };
}

const std::vector<MenuDef>& menuTable() {
    using W = MainWindow;
    static const std::vector<MenuDef> menus{
        {QT_TRANSLATE_NOOP("MainWindow", "File(&F)"),
         {{.name = "newAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "New"),
           .handler = &W::newConfiguration,
           .key = Qt::CTRL | Qt::Key_N},
          {.name = "openAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Open"),
           .handler = &W::openFile,
           .key = Qt::CTRL | Qt::Key_O},
          {.name = "saveAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Save"),
           .handler = &W::saveFile,
           .key = Qt::CTRL | Qt::Key_S},
          {.name = "saveAsAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Save As..."),
           .handler = &W::saveFileAs,
           .key = Qt::CTRL | Qt::SHIFT | Qt::Key_S},
          {.name = "backupsAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Backups..."),
           .handler = &W::showBackups,
           .key = Qt::CTRL | Qt::Key_B},
          {.name = "compareWithFileAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Compare With &File…"),
           .handler = &W::compareWithFile},
          {.name = "compareWithBackupAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Compare With Bac&kup…"),
           .handler = &W::compareWithBackup},
          {.name = "exportCsvAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Channels as &CSV…"),
           .handler = &W::exportChannelsCsv,
           .submenu = QT_TRANSLATE_NOOP("MainWindow", "&Export")},
          {.name = "exportSheetAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Channel sheet as &PDF…"),
           .handler = &W::exportChannelSheet,
           .submenu = QT_TRANSLATE_NOOP("MainWindow", "&Export")},
          {.name = "importCsvAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Channels from &CSV…"),
           .handler = &W::importChannelsCsv,
           .submenu = QT_TRANSLATE_NOOP("MainWindow", "&Import")},
          {.name = "printAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Print…"),
           .handler = &W::printChannelSheet,
           .key = Qt::CTRL | Qt::Key_P},
          {.name = "sheetForCustomerAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Sheet for a &Customer (No Remote Codes)"),
           .duringExchange = true,
           .option = &kSheetForCustomer},
          {.name = "fileQuitAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Quit"),
           .handler = &W::quit,
           .key = Qt::CTRL | Qt::Key_Q,
           .duringExchange = true}}},
        {QT_TRANSLATE_NOOP("MainWindow", "Edit(&E)"),
         {{.name = "readAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "&Read"),
           .handler = &W::readRadio},
          {.name = "writeAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "&Write"),
           .handler = &W::writeRadio},
          {.name = "programManyAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Program &Many Radios…"),
           .handler = &W::programManyRadios,
           .key = Qt::CTRL | Qt::Key_M},
          {.name = "compareWithRadioAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Compare With Ra&dio…"),
           .handler = &W::compareWithRadio},
          {.name = "takeOtherValueAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "&Take Other Value"),
           .handler = &W::takeOtherValue,
           .available = &W::canTakeOtherValue},
          {.name = "takeAllAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Ta&ke All"),
           .handler = &W::takeAllOtherValues,
           .available = &W::canTakeAll},
          {.name = "editSeparator1"},
          {.name = "bandAChannelsAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "&A/Upper Band Channel"),
           .handler = &W::showBandAChannels,
           .duringExchange = true},
          {.name = "bandBChannelsAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "&B/Under Band Channel"),
           .handler = &W::showBandBChannels,
           .duringExchange = true},
          {.name = "editSeparator2"},
          {.name = "undoAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Undo"),
           .handler = &W::undo,
           .key = Qt::CTRL | Qt::Key_Z,
           .available = &W::canUndo},
          {.name = "redoAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Redo"),
           .handler = &W::redo,
           .key = Qt::CTRL | Qt::SHIFT | Qt::Key_Z,
           .available = &W::canRedo,
           .alternateKey = Qt::CTRL | Qt::Key_Y},
          {.name = "clipboardSeparator"},
          {.name = "cutAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Cut"),
           .handler = onChannelGrid<&ChannelTablePage::cutSelection>(),
           .key = Qt::CTRL | Qt::Key_X,
           .available = &W::channelPageShown},
          {.name = "copyAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Copy"),
           .handler = onChannelGrid<&ChannelTablePage::copySelection>(),
           .key = Qt::CTRL | Qt::Key_C,
           .available = &W::channelPageShown},
          {.name = "pasteAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Paste"),
           .handler = onChannelGrid<&ChannelTablePage::pasteAtCurrentCell>(),
           .key = Qt::CTRL | Qt::Key_V,
           .available = &W::channelPageShown},
          {.name = "deleteAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Delete"),
           .handler = onChannelGrid<&ChannelTablePage::clearSelection>(),
           .key = QKeyCombination(Qt::Key_Delete),
           .available = &W::channelPageShown},
          {.name = "channelsSeparator"},
          {.name = "insertChannelsAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Insert empty channel"),
           .handler = onChannelGrid<&ChannelTablePage::insertChannels>(),
           .key = QKeyCombination(Qt::Key_Insert),
           .available = &W::channelPageShown},
          {.name = "deleteChannelsAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Delete channels"),
           .handler = onChannelGrid<&ChannelTablePage::deleteChannels>(),
           .key = Qt::CTRL | Qt::Key_Delete,
           .available = &W::channelPageShown},
          {.name = "moveChannelsUpAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Move up"),
           .handler = onChannelGrid<&ChannelTablePage::moveChannels, duoband::MoveDirection::Up>(),
           .key = Qt::CTRL | Qt::SHIFT | Qt::Key_Up,
           .available = &W::channelPageShown},
          {.name = "moveChannelsDownAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Move down"),
           .handler =
               onChannelGrid<&ChannelTablePage::moveChannels, duoband::MoveDirection::Down>(),
           .key = Qt::CTRL | Qt::SHIFT | Qt::Key_Down,
           .available = &W::channelPageShown},
          {.name = "clearChannelsAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "C&lear channels"),
           .handler = onChannelGrid<&ChannelTablePage::clearChannels>(),
           .available = &W::channelPageShown}}},
        {QT_TRANSLATE_NOOP("MainWindow", "Help(&H)"),
         {{.name = "companyNameAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "&Note"),
           .handler = &W::editCompanyName},
          {.name = "amendPasswordAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Amend &Password"),
           .handler = &W::amendPassword},
          {.name = "aboutAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "&About"),
           .handler = &W::showAbout,
           .duringExchange = true}}},
    };
    return menus;
}

struct ToolItem {
    const char* name;
    const char* caption;
    QStyle::StandardPixmap icon;
    Handler handler = nullptr;
};

// Every button runs its menu item's handler.
const std::array<ToolItem, 8> kToolButtons{{
    {"newButton", QT_TRANSLATE_NOOP("MainWindow", "  New  "), QStyle::SP_FileIcon,
     &MainWindow::newConfiguration},
    {"openButton", QT_TRANSLATE_NOOP("MainWindow", "  Open  "), QStyle::SP_DialogOpenButton,
     &MainWindow::openFile},
    {"saveButton", QT_TRANSLATE_NOOP("MainWindow", "  Save   "), QStyle::SP_DialogSaveButton,
     &MainWindow::saveFile},
    {"readButton", QT_TRANSLATE_NOOP("MainWindow", "Read"), QStyle::SP_ArrowDown,
     &MainWindow::readRadio},
    {"writeButton", QT_TRANSLATE_NOOP("MainWindow", "Write"), QStyle::SP_ArrowUp,
     &MainWindow::writeRadio},
    {"programManyButton", QT_TRANSLATE_NOOP("MainWindow", "Many Radios"),
     QStyle::SP_FileDialogListView, &MainWindow::programManyRadios},
    {"companyNameButton", QT_TRANSLATE_NOOP("MainWindow", "Note"),
     QStyle::SP_FileDialogDetailedView, &MainWindow::editCompanyName},
    {"passwordButton", QT_TRANSLATE_NOOP("MainWindow", "Password"), QStyle::SP_DialogApplyButton,
     &MainWindow::amendPassword},
}};

// The undo and redo commands also stand on the tool bar, under a fixed caption.
struct ToolCommand {
    const char* actionName;
    const char* caption;
    QStyle::StandardPixmap icon;
};
constexpr std::array<ToolCommand, 2> kToolCommands{{
    {"undoAction", QT_TRANSLATE_NOOP("MainWindow", "Undo"), QStyle::SP_ArrowBack},
    {"redoAction", QT_TRANSLATE_NOOP("MainWindow", "Redo"), QStyle::SP_ArrowForward},
}};

const QString kOpenFilter = "*.bc *.img";
const char* const kSaveFilter =
    QT_TRANSLATE_NOOP("MainWindow", "Settings file (*.bc);;Radio image (*.img)");

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

// The submenu `title` of `menu`, made when it is first asked for.
QMenu* submenuOf(QMenu* menu, const QString& title) {
    for (QAction* action : menu->actions()) {
        if (action->menu() != nullptr && action->text() == title) return action->menu();
    }
    return menu->addMenu(title);
}

// "&3 ~/radios/harbour.bc": numbered for the keyboard, the home folder
// shortened and a long path cut in the middle.
QString recentFileCaption(int number, const QString& path, const QFontMetrics& font) {
    const QString home = QDir::homePath() + "/";
    const QString shown = path.startsWith(home) ? "~/" + path.mid(home.size()) : path;
    const QString cut = font.elidedText(shown, Qt::ElideMiddle, 60 * font.averageCharWidth());
    return QString("&%1 %2").arg(number).arg(QString(cut).replace("&", "&&"));
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
    history_ = new EditHistory(
        model_, [this] { showModel(); }, this);
    buildCommands();
    buildPages();
    buildComparePanel();
    buildStatusBar();
    buildPortChoice(ports);
    showModel();
    connect(history_, &EditHistory::modifiedChanged, this, &MainWindow::setWindowModified);
    connect(&history_->stack(), &QUndoStack::indexChanged, this, &MainWindow::updateCommandStates);
    // An undo or redo may bring back another file with the content.
    connect(&history_->stack(), &QUndoStack::indexChanged, this, &MainWindow::updateCaption);
    connect(pageTabs, &QTabWidget::currentChanged, this, &MainWindow::updateCommandStates);
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
    // The pages hold the model and this window as their host: they go while
    // both still exist, and no signal of theirs or of the history reaches
    // this window while it is taken apart.
    pageTabs->disconnect(this);
    history_->disconnect(this);
    history_->stack().disconnect(this);
    comparePanel_->disconnect(this);
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
        QMenu* menu = menuBar()->addMenu(tr(def.title));
        for (const MenuItem& item : def.items) {
            QMenu* into = item.submenu != nullptr ? submenuOf(menu, tr(item.submenu)) : menu;
            QAction* action =
                item.caption != nullptr ? into->addAction(tr(item.caption)) : into->addSeparator();
            action->setObjectName(item.name);
            if (item.caption == nullptr) continue;
            QList<QKeySequence> keys;
            for (QKeyCombination key : {item.key, item.alternateKey}) {
                if (key != kNoKey) keys << QKeySequence(key);
            }
            action->setShortcuts(keys);
            if (item.option != nullptr) {
                action->setCheckable(true);
                action->setChecked(item.option->isOn());
                connect(action, &QAction::toggled, this,
                        [&item](bool on) { item.option->set(on); });
            } else {
                connect(action, &QAction::triggered, this, [this, &item] { item.handler(*this); });
                commands_.push_back({action, item.duringExchange, item.available});
            }
        }
    }
    buildRecentFilesMenu();
    QAction* quitAction = menuBar()->addAction(tr("Quit(&Q)"));
    quitAction->setObjectName("quitAction");
    connect(quitAction, &QAction::triggered, this, &MainWindow::quit);

    toolBar = addToolBar(tr("Tool Bar"));
    toolBar->setObjectName("toolBar");
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolItem& item : kToolButtons) {
        if (&item != kToolButtons.data()) toolBar->addSeparator();
        QAction* action = toolBar->addAction(style()->standardIcon(item.icon), tr(item.caption));
        action->setObjectName(item.name);
        connect(action, &QAction::triggered, this, [this, &item] { item.handler(*this); });
        commands_.push_back({action, false, nullptr});
    }
    for (const ToolCommand& command : kToolCommands) {
        auto* action = menuBar()->findChild<QAction*>(command.actionName);
        action->setIcon(style()->standardIcon(command.icon));
        action->setIconText(tr(command.caption));
        toolBar->addSeparator();
        toolBar->addAction(action);
    }
    // The undo and redo commands name the step they would take back.
    connect(&history_->stack(), &QUndoStack::undoTextChanged, this, [this](const QString& step) {
        findChild<QAction*>("undoAction")
            ->setText(step.isEmpty() ? tr("Undo") : tr("Undo %1").arg(step));
    });
    connect(&history_->stack(), &QUndoStack::redoTextChanged, this, [this](const QString& step) {
        findChild<QAction*>("redoAction")
            ->setText(step.isEmpty() ? tr("Redo") : tr("Redo %1").arg(step));
    });
}

// File > Open Recent, under Open, is listed afresh each time it opens: a
// second window of the program may have opened or saved files since.
void MainWindow::buildRecentFilesMenu() {
    QAction* save = menuBar()->findChild<QAction*>("saveAction");
    auto* fileMenu = qobject_cast<QMenu*>(save->parent());
    recentFilesMenu_ = new QMenu(tr("Open &Recent"), fileMenu);
    recentFilesMenu_->setObjectName("openRecentMenu");
    recentFilesMenu_->menuAction()->setObjectName("openRecentAction");
    fileMenu->insertMenu(save, recentFilesMenu_);
    commands_.push_back({recentFilesMenu_->menuAction(), false, nullptr});
    connect(recentFilesMenu_, &QMenu::aboutToShow, this, &MainWindow::listRecentFiles);
}

void MainWindow::listRecentFiles() {
    recentFilesMenu_->clear();
    const QStringList files = appSettings::recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        QAction* entry = recentFilesMenu_->addAction(
            recentFileCaption(i + 1, files[i], recentFilesMenu_->fontMetrics()));
        entry->setObjectName("recentFileAction");
        entry->setData(files[i]);
        connect(entry, &QAction::triggered, this,
                [this, file = files[i]] { openRecentFile(file); });
    }
    recentFilesMenu_->addSeparator();
    QAction* clear =
        recentFilesMenu_->addAction(tr("Clear List"), this, &MainWindow::clearRecentFiles);
    clear->setObjectName("clearRecentFilesAction");
    clear->setEnabled(!files.isEmpty());
}

void MainWindow::buildPages() {
    pageTabs = new QTabWidget(this);
    pageTabs->setObjectName("pageTabs");
    using duoband::Band;
    pages_ = {makePage<ChannelTablePage>(this, model_, Band::A),
              makePage<BandSetupPage>(this, model_, Band::A),
              makePage<ChannelTablePage>(this, model_, Band::B),
              makePage<BandSetupPage>(this, model_, Band::B),
              makePage<GeneralPage>(this, model_),
              makePage<DtmfPage>(this, model_),
              makePage<LimitFrequencyPage>(this, model_, static_cast<PageHost&>(*this))};
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
            actions({"cutAction", "copyAction", "pasteAction", "deleteAction"}),
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
        pageTabs->addTab(pages_[i].widget, pages::fromCoreText(titles.at(i)));
    }
    pageTabs->setCurrentIndex(0);
    setCentralWidget(scrolledWhenCramped(pageTabs));
}

// The port choice stands at the end of the tool bar; status panel 0 and
// the status bar say what it does.
void MainWindow::buildPortChoice(const PortOptions& ports) {
    portChoice_ = new PortChoice(radio_->port(), this);
    portChoice_->setLineLoser([this] { radio_->closeLostLine(); });
    portLabel = portChoice_->label;
    portList = portChoice_->list;
    toolBar->addSeparator();
    toolBar->addWidget(portLabel);
    toolBar->addWidget(portList);
    // The button that shows the tool bar's overflow, when the window is narrow.
    if (auto* more = toolBar->findChild<QWidget*>("qt_toolbar_ext_button"))
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
    updateCommandStates();
    portList->setEnabled(idle);
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
    return history_->stack().canUndo();
}

bool MainWindow::canRedo() const {
    return history_->stack().canRedo();
}

ChannelTablePage* MainWindow::currentChannelPage() const {
    return qobject_cast<ChannelTablePage*>(pageTabs->currentWidget());
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
    history_->record(step, mergeKey);
}

// A focused edit's text is taken over and recorded as a step; mid-exchange
// the model is half read and nothing is recorded.
void MainWindow::recordPendingEdit() {
    if (exchangesRunning_ > 0) return;
    commitPendingEdits();
    history_->record(tr("Edit"));
}

bool MainWindow::hasUnsavedChanges() const {
    // Mid-exchange the model is half read: only what was recorded counts.
    return exchangesRunning_ > 0 ? history_->recordedIsModified() : history_->isModified();
}

bool MainWindow::settleUnsavedChanges() {
    recordPendingEdit();
    if (!hasUnsavedChanges()) return true;
    switch (userDialogs().askToSave(this, tr("Save changes to %1?").arg(documentName()))) {
        case UserDialogs::SaveAnswer::Save:
            return saveFile();
        case UserDialogs::SaveAnswer::Discard:
            return true;
        case UserDialogs::SaveAnswer::Cancel:
            return false;
    }
    return false;
}

void MainWindow::markClean() {
    history_->markClean();
    updateCaption();
}

void MainWindow::replaceConfiguration(const duoband::EditorModel& model, ConfigurationFile file,
                                      const QString& step) {
    model_ = model;
    history_->setFile(std::move(file));
    showModel();
    history_->record(step);
    updateCaption();
}

// "radio.bc"; "untitled (read from /dev/ttyUSB0)".
QString MainWindow::documentName() const {
    const ConfigurationFile& file = history_->file();
    if (!file.path.isEmpty()) return QFileInfo(file.path).fileName();
    return file.origin.isEmpty() ? tr("untitled") : tr("untitled (%1)").arg(file.origin);
}

void MainWindow::updateCaption() {
    const QString file = documentName() + "[*]";
    setWindowTitle(companyName_.isEmpty() ? file : companyName_ + " — " + file);
    setWindowModified(hasUnsavedChanges());
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowTitleChange || windowTitle().contains("[*]")) return;
    companyName_ = windowTitle();
    updateCaption();
}

// With unsaved changes New asks only whether to save them.
void MainWindow::newConfiguration() {
    recordPendingEdit();
    if (hasUnsavedChanges() ? !settleUnsavedChanges()
                            : !userDialogs().confirm(this, tr("Do you want to New?"))) {
        return;
    }
    replaceConfiguration(duoband::EditorModel(), {}, tr("New"));
    markClean();
}

void MainWindow::openFile() {
    if (!settleUnsavedChanges()) return;
    openNamed(userDialogs().openFileName(this, tr("Open"), kOpenFilter));
}

void MainWindow::openFileNamed(const QString& name) {
    if (settleUnsavedChanges()) openNamed(name);
}

void MainWindow::openRecentFile(const QString& name) {
    if (QFileInfo::exists(name)) {
        openFileNamed(name);
        return;
    }
    appSettings::removeRecentFile(name);
    userDialogs().warning(this, tr("%1 is no longer there: it was moved, renamed or deleted. It "
                                   "is taken off the Open Recent list.")
                                    .arg(name));
}

void MainWindow::clearRecentFiles() {
    appSettings::clearRecentFiles();
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

void MainWindow::showBackups() {
    if (!settleUnsavedChanges()) return;
    BackupsDialog dialog(backupFolder_, this);
    dialog.exec();
    openNamed(dialog.chosen());
}

// A backup is kept as the radio held it: it opens untitled, so Save asks
// for a name instead of overwriting it.
void MainWindow::openNamed(const QString& name) {
    if (name.isEmpty()) return;
    duoband::EditorModel opened = model_;
    if (!openInto(name, opened)) return;
    const QString shortName = QFileInfo(name).fileName();
    replaceConfiguration(opened,
                         insideBackupFolder(name)
                             ? ConfigurationFile{{}, tr("from the backup %1").arg(shortName)}
                             : ConfigurationFile{name, {}},
                         tr("Open %1").arg(shortName));
    markClean();
    appSettings::addRecentFile(name);
}

// A settings file, or an image decoded onto the start-up configuration as a
// read would; on any fault the model stays as it was.
bool MainWindow::openInto(const QString& name, duoband::EditorModel& model) {
    const duoband::FileResult result = duoband::openConfiguration(toPath(name), model);
    if (!result.ok()) userDialogs().error(this, QString::fromStdString(result.error));
    if (result.ok()) warnOfCellsOffTheirLists(model);
    return result.ok();
}

// A hand-edited file may hold cell texts no pick gives; the user sees them
// before a write sends the radio's reading of them.
void MainWindow::warnOfCellsOffTheirLists(const duoband::EditorModel& model) {
    const std::vector<duoband::OffListCell> cells = duoband::cellsOffTheirLists(model);
    if (cells.empty()) return;
    userDialogs().warning(
        this, tr("Some cells hold a text that is not one of their list's entries. Pick an entry "
                 "in each before writing:\n%1")
                  .arg(pages::fromModelText(duoband::describeOffListCells(cells, 20)).trimmed()));
}

bool MainWindow::saveFile() {
    if (fileName().isEmpty()) return saveFileAs();
    return saveTo(fileName());
}

// The dialog confirms replacing the name it returns; when the program still
// adds ".bc" to it, the name written is confirmed here.
bool MainWindow::saveFileAs() {
    const QString name = userDialogs().saveFileName(this, tr("Save"), tr(kSaveFilter));
    if (name.isEmpty()) return false;
    const QString target =
        name.endsWith(".img") ? name : fromPath(duoband::settingsFilePath(toPath(name)));
    if (target != name && QFileInfo::exists(target) &&
        !userDialogs().confirm(
            this, tr("%1 already exists. Replace it?").arg(QFileInfo(target).fileName()))) {
        return false;
    }
    return saveTo(target);
}

// Mid-exchange (Quit while reading) the last recorded state is saved, never
// a half-read model.
bool MainWindow::saveTo(const QString& name) {
    if (refusedAsBackup(name)) return false;
    recordPendingEdit();
    const duoband::EditorModel& model = history_->recordedModel();
    duoband::FileResult result;
    if (name.endsWith(".img")) {
        const duoband::ImageEncoding encoding = duoband::encodeImage(model);
        result.error = encoding.error;
        if (encoding.ok()) {
            result = duoband::saveImageFile(duoband::stampedNow(duoband::imageOf(encoding), {}),
                                            toPath(name));
        }
    } else {
        std::string text;
        if (const auto carried = duoband::settingsText(model, text); !carried.ok()) {
            return saveAsImageInstead(name, carried.error);
        }
        result = duoband::saveSettingsFile(model, toPath(name));
    }
    if (!result.ok()) {
        userDialogs().error(this, QString::fromStdString(result.error));
        return false;
    }
    if (exchangesRunning_ == 0) {
        history_->markSavedAs({fromPath(result.path), {}});
        updateCaption();
    }
    appSettings::addRecentFile(fromPath(result.path));
    appSettings::setSaveFolderOf(fromPath(result.path));
    userDialogs().information(this, tr("Save success!"));
    return true;
}

bool MainWindow::insideBackupFolder(const QString& name) const {
    return duoband::isInsideFolder(backupFolder_, toPath(name));
}

bool MainWindow::refusedAsBackup(const QString& name) {
    if (!insideBackupFolder(name)) return false;
    userDialogs().error(this, tr("%1 is in the backup folder, which keeps only the backups of "
                                 "reads and writes. Choose another folder.")
                                  .arg(QFileInfo(name).fileName()));
    return true;
}

bool MainWindow::saveAsImageInstead(const QString& name, const std::string& why) {
    const QString image = fromPath(duoband::imagePathFor(toPath(name)));
    const QString question = tr("A settings file cannot hold this configuration:\n%1\n\n"
                                "Save it as the image %2 instead?")
                                 .arg(QString::fromStdString(why), QFileInfo(image).fileName());
    return userDialogs().confirm(this, question) && saveTo(image);
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
        replaceConfiguration(read->arrived(), {{}, tr("read from %1").arg(port)}, tr("Read"));
    } else if (read->keepWhatArrived() && settleUnsavedChanges()) {
        replaceConfiguration(read->arrived(), {{}, tr("part of a read from %1").arg(port)},
                             tr("Keep What Arrived"));
    }
}

void MainWindow::writeRadio() {
    recordPendingEdit();
    showModal(writeDialog_);
    const auto* write = qobject_cast<TransferDialog*>(writeDialog_);
    if (write != nullptr && write->succeeded()) markClean();
}

// The station writes the configuration open here to radio after radio; while
// it is open the configuration cannot change and the ports are its own.
void MainWindow::programManyRadios() {
    recordPendingEdit();
    // A station closed a moment ago is on its way out: a new one opens.
    if (station_ == nullptr || !station_->isVisible()) station_ = new StationWindow(*this);
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
                                  ? QString::fromStdString(kept.warning)
                                  : tr("No backup: %1").arg(QString::fromStdString(kept.warning)));
        }
    };
    return output;
}

void MainWindow::undo() {
    commitPendingEdits();
    history_->stack().undo();
}

void MainWindow::redo() {
    commitPendingEdits();
    history_->stack().redo();
}

void MainWindow::showStatusMessage(const QString& text) {
    messageLabel_->setText(text);
    messageTimer_->start(std::chrono::seconds(15));
}

QString MainWindow::statusMessage() const {
    return messageLabel_->text();
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
    if (settleUnsavedChanges()) endProgram();
}

// A transfer dialog's loop ends early only when the program ends: its
// exchange stops at once and its result is in before the command goes on.
void MainWindow::showModal(QDialog* dialog) {
    if (dialog == nullptr) return;
    dialog->exec();
    if (auto* transfer = qobject_cast<TransferDialog*>(dialog)) transfer->finishNow();
}

// Closing the window is Quit: the program ends when it is agreed.
void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    quit();
}
