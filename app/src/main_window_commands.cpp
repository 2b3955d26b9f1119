// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's menus, tool bar and Open Recent list: each command, its
// keys and when it can be used.
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
          {.name = "radioRegisterAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Radio Re&gister…"),
           .handler = &W::showRadioRegister,
           .duringExchange = true},
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
          {.name = "fillSelectionAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Fill Selection"),
           .handler = onChannelGrid<&ChannelTablePage::fillSelection>(),
           .key = Qt::CTRL | Qt::Key_Return,
           .available = &W::channelPageShown,
           .alternateKey = Qt::CTRL | Qt::Key_Enter},
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
        {QT_TRANSLATE_NOOP("MainWindow", "&Channels"),
         {{.name = "fillSeriesAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Fill &Series…"),
           .handler = &W::fillSeries,
           .available = &W::channelPageShown},
          {.name = "repeaterOffsetAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "&Repeater Offset…"),
           .handler = &W::setRepeaterOffset,
           .available = &W::channelPageShown},
          {.name = "sortChannelsAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "S&ort…"),
           .handler = &W::sortChannels,
           .available = &W::channelPageShown},
          {.name = "findAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "&Find…"),
           .handler = &W::findInChannels,
           .key = Qt::CTRL | Qt::Key_F},
          {.name = "findReplaceAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Find and Re&place…"),
           .handler = &W::findAndReplace,
           .key = Qt::CTRL | Qt::Key_H}}},
        // The channel plan as a whole; the menu is shared with its other tools.
        {QT_TRANSLATE_NOOP("MainWindow", "&Channels"),
         {{.name = "checkChannelPlanAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "&Check Channel Plan"),
           .handler = &W::showPlanCheck,
           .duringExchange = true}}},
        {QT_TRANSLATE_NOOP("MainWindow", "Settings(&S)"),
         {{.name = "registerSettingsAction",
           .caption = QT_TRANSLATE_NOOP("MainWindow", "Radio &Register…"),
           .handler = &W::chooseRegister}}},
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

// The submenu `title` of `menu`, made when it is first asked for.
QMenu* submenuOf(QMenu* menu, const QString& title) {
    for (QAction* action : menu->actions()) {
        if (action->menu() != nullptr && action->text() == title) return action->menu();
    }
    return menu->addMenu(title);
}

// The menu bar's menu `title`, made when it is first asked for: two rows of
// the table with one title fill one menu.
QMenu* menuNamed(QMenuBar* bar, const QString& title) {
    for (QAction* action : bar->actions()) {
        if (action->menu() != nullptr && action->text() == title) return action->menu();
    }
    return bar->addMenu(title);
}

// "&3 ~/radios/harbour.bc": numbered for the keyboard, the home folder
// shortened and a long path cut in the middle.
QString recentFileCaption(int number, const QString& path, const QFontMetrics& font) {
    const QString home = QDir::homePath() + "/";
    const QString shown = path.startsWith(home) ? "~/" + path.mid(home.size()) : path;
    const QString cut = font.elidedText(shown, Qt::ElideMiddle, 60 * font.averageCharWidth());
    return QString("&%1 %2").arg(number).arg(QString(cut).replace("&", "&&"));
}

}  // namespace

void MainWindow::buildCommands() {
    menuBar()->setObjectName("menuBar");
    for (const MenuDef& def : menuTable()) {
        QMenu* menu = menuNamed(menuBar(), tr(def.title));
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

    toolBar_ = addToolBar(tr("Tool Bar"));
    toolBar_->setObjectName("toolBar");
    toolBar_->setMovable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolItem& item : kToolButtons) {
        if (&item != kToolButtons.data()) toolBar_->addSeparator();
        QAction* action = toolBar_->addAction(style()->standardIcon(item.icon), tr(item.caption));
        action->setObjectName(item.name);
        connect(action, &QAction::triggered, this, [this, &item] { item.handler(*this); });
        commands_.push_back({action, false, nullptr});
    }
    for (const ToolCommand& command : kToolCommands) {
        auto* action = menuBar()->findChild<QAction*>(command.actionName);
        action->setIcon(style()->standardIcon(command.icon));
        action->setIconText(tr(command.caption));
        toolBar_->addSeparator();
        toolBar_->addAction(action);
    }
    // The undo and redo commands name the step they would take back.
    connect(&document_->history().stack(), &QUndoStack::undoTextChanged, this,
            [this](const QString& step) {
                findChild<QAction*>("undoAction")
                    ->setText(step.isEmpty() ? tr("Undo") : tr("Undo %1").arg(step));
            });
    connect(&document_->history().stack(), &QUndoStack::redoTextChanged, this,
            [this](const QString& step) {
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
