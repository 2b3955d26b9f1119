// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window, the editor, among the other windows: start-up without a
// port, the command set, New, Open and Save through the dialog seam, and the
// port choice on real pseudo-terminals.
#include <pty.h>
#include <unistd.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <fstream>
#include <sstream>

#include "app_test_support.h"
#include "application.h"
#include "duoband/option_lists.h"
#include "duoband/settings_table.h"
#include "edit_history.h"
#include "login_window.h"
#include "main_window.h"
#include "pages/page_widgets.h"
#include "small_dialogs.h"
#include "transfer_dialogs.h"
#include "window_language.h"

using duoband::Band;
using duoband::Block;
using duoband::Column;
using duoband::SettingId;
using duoband::SettingRef;

namespace {

// The widget name of a setting's control: "fmFrequency", "bootMessage1"...
QString nameOf(SettingRef ref) {
    return QString::fromStdString(duoband::settingObjectName(ref));
}

QStringList actionTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* a : actions) texts << (a->isSeparator() ? QString("|") : a->text().remove('&'));
    return texts;
}

// Some edits on every kind of holder of the model.
void editModel(duoband::EditorModel& m) {
    m.channels(Band::A).cell(Column::RxFrequency, 3) = "145.50000";
    m.channels(Band::A).cell(Column::Name, 3) = "HARBOUR";
    m.channels(Band::B).cell(Column::RxFrequency, 128) = "439.12500";
    m.band(Band::A).power.select(0);
    m.band(Band::B).offset = "5";
    m.general.dtmfTime.select(3);
    m.general.fmFrequency = "100.5";
    m.dtmfGroups[1] = "1234";
    m.remoteCodes[0] = "555";
    m.remoteState.select(2);
    m.bootMessage[0] = "HELLO";
    m.limits[2] = "400";
    m.blocks[Block::General] = "000FFFFF010203000102000406D600320301";
    m.blocks[Block::NativeAndMasterId] = "01FFFFFFFFFFFFFF00FFFFFFFFFFFFFF";
}

QString readFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return QString::fromLatin1(s.str());
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        data = std::make_unique<TestDataFolder>();
        dialogs = std::make_unique<ScriptedDialogs>();
        windows = std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{}, false});
    }
    void cleanup() {
        windows.reset();
        dialogs.reset();
        data.reset();
    }

    void startsHiddenWithNoPort() {
        MainWindow& f = *windows->mainWindow;
        const std::vector<QWidget*> all{windows->loginWindow.get(), &f,
                                        windows->passwordDialog,    windows->companyNameDialog,
                                        windows->readDialog,        windows->writeDialog};
        for (QWidget* w : all) {
            QVERIFY(!w->isVisible());
        }
        QCOMPARE(f.statusPanelText(0), QString("No port!"));
        QCOMPARE(f.statusPanelText(1), QString("    "));
        QCOMPARE(f.portList()->count(), 0);
        QVERIFY(!f.portShownOpen());
        QVERIFY(f.model() == duoband::EditorModel());
    }

    // The window opens within the screen's available area, frame included,
    // also when its default or remembered size is larger than the screen.
    void opensWithinTheScreen_data() {
        QTest::addColumn<QRect>("remembered");  // null: none
        QTest::newRow("default size") << QRect();
        QTest::newRow("remembered, larger") << QRect(300, 200, 1400, 900);
    }
    void opensWithinTheScreen() {
        QFETCH(QRect, remembered);
        windows.reset();
        appSettings::clear();
        if (!remembered.isNull()) {
            QWidget larger;
            larger.setGeometry(remembered);
            appSettings::setWindowGeometry(larger.saveGeometry());
        }
        windows = std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{}, false});
        MainWindow& f = *windows->mainWindow;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QRect room = f.screen()->availableGeometry();
        QVERIFY2(room.contains(f.frameGeometry()),
                 qPrintable(QString("%1,%2 %3x%4")
                                .arg(f.frameGeometry().x())
                                .arg(f.frameGeometry().y())
                                .arg(f.frameGeometry().width())
                                .arg(f.frameGeometry().height())));
    }

    void offersTheCommandSet() {
        MainWindow& f = *windows->mainWindow;
        QCOMPARE(
            actionTexts(f.menuBar()->actions()),
            (QStringList{"File(F)", "Edit(E)", "Channels", "Settings(S)", "Help(H)", "Quit(Q)"}));
        const QList<QAction*> menus = f.menuBar()->actions();
        QCOMPARE(
            actionTexts(menus[0]->menu()->actions()),
            (QStringList{"New", "Open", "Open Recent", "Save", "Save As...", "Backups...",
                         "Radio Register…", "Compare With File…", "Compare With Backup…", "Export",
                         "Import", "Print…", "Sheet for a Customer (No Remote Codes)", "Quit"}));
        QCOMPARE(actionTexts(menus[0]->menu()->actions()[9]->menu()->actions()),
                 (QStringList{"Channels as CSV…", "Channel sheet as PDF…"}));
        QCOMPARE(actionTexts(menus[0]->menu()->actions()[10]->menu()->actions()),
                 (QStringList{"Channels from CSV…"}));
        QCOMPARE(actionTexts(menus[1]->menu()->actions()), (QStringList{"Read",
                                                                        "Write",
                                                                        "Program Many Radios…",
                                                                        "Compare With Radio…",
                                                                        "Take Other Value",
                                                                        "Take All",
                                                                        "|",
                                                                        "A/Upper Band Channel",
                                                                        "B/Under Band Channel",
                                                                        "|",
                                                                        "Undo",
                                                                        "Redo",
                                                                        "|",
                                                                        "Cut",
                                                                        "Copy",
                                                                        "Paste",
                                                                        "Delete",
                                                                        "Fill Selection",
                                                                        "|",
                                                                        "Insert empty channel",
                                                                        "Delete channels",
                                                                        "Move up",
                                                                        "Move down",
                                                                        "Clear channels"}));
        QCOMPARE(actionTexts(menus[2]->menu()->actions()),
                 (QStringList{"Fill Series…", "Repeater Offset…", "Sort…", "Find…",
                              "Find and Replace…", "Check Channel Plan"}));
        QCOMPARE(actionTexts(menus[3]->menu()->actions()), (QStringList{"Radio Register…"}));
        QCOMPARE(actionTexts(menus[4]->menu()->actions()),
                 (QStringList{"Note", "Amend Password", "About"}));
        QStringList buttons;
        for (QAction* a : f.toolBar()->actions()) {
            if (a->objectName().endsWith("Button")) {
                buttons << a->text();
                QVERIFY(!a->icon().isNull());
            }
        }
        QCOMPARE(buttons, (QStringList{"  New  ", "  Open  ", "  Save   ", "Read", "Write",
                                       "Many Radios", "Note", "Password"}));
        const std::pair<const char*, QKeySequence> keys[] = {
            {"newAction", QKeySequence("Ctrl+N")},
            {"openAction", QKeySequence("Ctrl+O")},
            {"saveAction", QKeySequence("Ctrl+S")},
            {"fileQuitAction", QKeySequence("Ctrl+Q")},
            {"programManyAction", QKeySequence("Ctrl+M")},
            {"undoAction", QKeySequence("Ctrl+Z")},
            {"redoAction", QKeySequence("Ctrl+Shift+Z")},
            {"moveChannelsUpAction", QKeySequence("Ctrl+Shift+Up")},
            {"fillSelectionAction", QKeySequence("Ctrl+Return")},
            {"findAction", QKeySequence("Ctrl+F")},
            {"findReplaceAction", QKeySequence("Ctrl+H")}};
        for (const auto& [name, key] : keys) {
            QCOMPARE(f.findChild<QAction*>(name)->shortcut(), key);
        }
        QStringList tabs;
        for (int i = 0; i < f.pageTabs()->count(); ++i) tabs << f.pageTabs()->tabText(i);
        QCOMPARE(tabs, (QStringList{"A/Upper Band Channel", "A/Upper Band Set up",
                                    "B/Under Band Channel", "B/Under Band Set up",
                                    "Comprehensive Setting", "DTMF Groups", "Limit Frequency"}));
        QCOMPARE(f.pageTabs()->currentIndex(), 0);
        f.findChild<QAction*>("bandBChannelsAction")->trigger();
        QCOMPARE(f.pageTabs()->currentIndex(), 2);
        f.findChild<QAction*>("bandAChannelsAction")->trigger();
        QCOMPARE(f.pageTabs()->currentIndex(), 0);
    }

    // At its default size the window shows every column of both channel
    // tables and every tab without scrolling.
    // At the size it opens at where the screen has room (this one has not).
    void defaultSizeShowsEveryColumnAndTab() {
        MainWindow& f = *windows->mainWindow;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.resize(1200, 720);
        for (int page : {0, 2}) {
            f.pageTabs()->setCurrentIndex(page);
            auto* grid = qobject_cast<QAbstractScrollArea*>(
                f.pageTabs()->currentWidget()->findChild<QAbstractItemView*>());
            QApplication::processEvents();
            QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
        }
        QVERIFY(f.pageTabs()->tabBar()->sizeHint().width() <= f.pageTabs()->width());
    }

    // A menu item and its tool bar button open the same modal dialog.
    void menuAndToolBarOpenTheSameDialog_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("Note") << "companyNameAction"
                              << "companyNameDialog";
        QTest::newRow("tool bar Note") << "companyNameButton"
                                       << "companyNameDialog";
        QTest::newRow("Amend Password") << "amendPasswordAction"
                                        << "passwordDialog";
        QTest::newRow("tool bar Password") << "passwordButton"
                                           << "passwordDialog";
        QTest::newRow("Read") << "readAction"
                              << "readDialog";
        QTest::newRow("tool bar Read") << "readButton"
                                       << "readDialog";
        QTest::newRow("Write") << "writeAction"
                               << "writeDialog";
        QTest::newRow("tool bar Write") << "writeButton"
                                        << "writeDialog";
    }
    void menuAndToolBarOpenTheSameDialog() {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        QString shown;
        QTimer::singleShot(0, [&shown] {
            QWidget* modal = QApplication::activeModalWidget();
            shown = modal != nullptr ? modal->objectName() : QString("none");
            if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
        });
        windows->mainWindow->findChild<QAction*>(command)->trigger();
        QCOMPARE(shown, dialog);
    }

    void newAnsweredNoChangesNothing() {
        duoband::EditorModel& m = windows->mainWindow->model();
        editModel(m);
        windows->mainWindow->showModel();
        windows->mainWindow->history().markClean();  // as if saved: New asks its own question
        const duoband::EditorModel before = m;
        dialogs->confirmations.push_back(false);
        windows->mainWindow->findChild<QAction*>("newButton")->trigger();
        QCOMPARE(dialogs->questions, QStringList{"Do you want to New?"});
        QVERIFY(m == before);
    }

    // Yes restores every default, the identity and remote code block fields
    // included; row numbers and titles stay.
    void newAnsweredYesRestoresTheDefaults() {
        duoband::EditorModel& m = windows->mainWindow->model();
        editModel(m);
        windows->mainWindow->showModel();
        windows->mainWindow->history().markClean();  // as if saved: New asks its own question
        dialogs->confirmations.push_back(true);
        windows->mainWindow->findChild<QAction*>("newAction")->trigger();
        QVERIFY(m == duoband::EditorModel());
        QCOMPARE(m.blocks[Block::NativeAndMasterId],
                 duoband::defaultBlockField(Block::NativeAndMasterId));
        QCOMPARE(m.general.dtmfTime.text(), std::string_view("50MS"));
        auto* grid = windows->mainWindow->findChild<QAbstractItemView*>("bandA.channels");
        QVERIFY(grid != nullptr);
        QCOMPARE(grid->model()
                     ->data(grid->model()->index(2, duoband::columnIndex(Column::Number)))
                     .toString(),
                 QString("3"));
        QCOMPARE(grid->model()
                     ->data(grid->model()->index(2, duoband::columnIndex(Column::Name)))
                     .toString(),
                 QString());
        QCOMPARE(grid->model()->headerData(1, Qt::Horizontal).toString(),
                 QString("Receiving Frequency"));
    }

    // The window in Simplified Chinese; the model and the file keep the
    // English entries and the stored indexes.
    void simplifiedChineseWindowKeepsTheFileEnglish() {
        QVERIFY(installWindowLanguage("zh_CN"));
        const auto english = qScopeGuard([] { installWindowLanguage("en"); });
        windows = std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{}, false});
        MainWindow& f = *windows->mainWindow;
        f.model().general.vibrationRingTime.select(0);
        f.model().channels(Band::A).cell(Column::RxFrequency, 2) = "145.50000";
        f.model().channels(Band::A).cell(Column::Power, 2) = "High";
        f.showModel();
        auto* tabs = f.findChild<QTabWidget*>();
        QCOMPARE(tabs->tabText(4), QString("综合设置"));
        auto* vibration = f.findChild<QComboBox*>(nameOf({SettingId::VibrationRingTime}));
        QCOMPARE(vibration->currentText(), QString("关"));
        auto* grid = f.findChild<QAbstractItemView*>("bandA.channels");
        QVERIFY(grid != nullptr);
        QCOMPARE(grid->model()->headerData(1, Qt::Horizontal).toString(), QString("接收频率"));
        QCOMPARE(grid->model()->index(1, duoband::columnIndex(Column::Power)).data().toString(),
                 QString("高"));
        QCOMPARE(f.statusPanelText(0), QString("没有端口!"));
        // A write's message with the verify's line joined to it.
        QCOMPARE(pages::fromCoreText("Write success!\nVerify success!"),
                 QString("写频成功!\n校验成功!"));

        dialogs->fileNames.push_back(data->path("zh.bc"));
        QVERIFY(f.saveFileAs());
        QCOMPARE(dialogs->lastText(), QString("保存成功!"));
        const QString file = readFile(data->path("zh.bc"));
        QVERIFY(file.contains(",High,"));
        QVERIFY(!file.contains(QString::fromUtf8("高").toLatin1()));
    }

    void saveThenOpenRoundTrips() {
        MainWindow& f = *windows->mainWindow;
        editModel(f.model());
        f.showModel();
        const duoband::EditorModel saved = f.model();
        const QString name = data->path("config");
        dialogs->fileNames.push_back(name);
        f.findChild<QAction*>("saveButton")->trigger();
        QCOMPARE(dialogs->fileDialogs,
                 QStringList{"Save|Settings file (*.bc);;Radio image (*.img)"});
        QCOMPARE(dialogs->lastText(), QString("Save success!"));
        QVERIFY(QFile::exists(name + ".bc"));

        dialogs->confirmations.push_back(true);
        f.newConfiguration();
        QVERIFY(f.model() == duoband::EditorModel());
        dialogs->fileNames.push_back(name + ".bc");
        f.findChild<QAction*>("openButton")->trigger();
        QCOMPARE(dialogs->fileDialogs.back(), QString("Open|*.bc *.img"));
        QVERIFY(f.model() == saved);
        // the pages show what was opened
        QCOMPARE(f.findChild<QComboBox*>(nameOf({SettingId::DtmfTime}))->currentIndex(), 3);
        QCOMPARE(f.findChild<QLineEdit*>(nameOf({SettingId::BootMessage1}))->text(),
                 QString("HELLO"));
    }

    // A file that does not hold a whole configuration is refused as a whole.
    void malformedFileIsRefused() {
        MainWindow& f = *windows->mainWindow;
        editModel(f.model());
        const duoband::EditorModel before = f.model();
        const QString name = data->path("broken.bc");
        dialogs->fileNames.push_back(data->path("good"));
        f.saveFile();
        QString text = readFile(data->path("good.bc"));
        text.replace("HARBOUR", "HARBOUR,EXTRA,,,");  // too many fields on line 3
        text.replace(text.indexOf("\r") - 2, 1, "x");
        data->write("broken.bc", text.toLatin1().left(text.size() / 2));  // and cut short
        dialogs->fileNames.push_back(name);
        f.openFile();
        QCOMPARE(dialogs->lastKind(), QString("error"));
        QVERIFY2(dialogs->lastText().contains("line", Qt::CaseInsensitive),
                 qPrintable(dialogs->lastText()));
        QVERIFY(f.model() == before);
    }

    void missingFileAndUnwritableFolderAreReported() {
        MainWindow& f = *windows->mainWindow;
        dialogs->fileNames.push_back(data->path("nowhere.bc"));
        f.openFile();
        QCOMPARE(dialogs->lastKind(), QString("error"));
        QVERIFY(f.model() == duoband::EditorModel());
        dialogs->fileNames.push_back(data->path("no/such/folder/x"));
        f.saveFile();
        QCOMPARE(dialogs->lastKind(), QString("error"));
        QCOMPARE(dialogs->messages.size(), std::size_t(2));
    }

    void cancelledFileDialogsDoNothing() {
        MainWindow& f = *windows->mainWindow;
        editModel(f.model());
        const duoband::EditorModel before = f.model();
        f.openFile();
        f.saveFile();
        QVERIFY(f.model() == before);
        QVERIFY(dialogs->messages.empty());
    }

    // A typed text that still has the focus goes into what is saved.
    void focusedEditIsCommittedBeforeSave() {
        MainWindow& f = *windows->mainWindow;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.pageTabs()->setCurrentIndex(4);
        auto* edit = f.findChild<QLineEdit*>(nameOf({SettingId::FmFrequency}));
        edit->setFocus();
        QVERIFY(edit->hasFocus());
        QTest::keyClicks(edit, "100.5");
        QVERIFY(f.model().general.fmFrequency.empty());
        const std::string general = f.model().blocks[Block::General];
        dialogs->fileNames.push_back(data->path("typed"));
        f.saveFile();
        QVERIFY(QString::fromStdString(f.model().general.fmFrequency).startsWith("100.5"));
        QVERIFY(f.model().blocks[Block::General] != general);
        QVERIFY(readFile(data->path("typed.bc")).contains("100.5"));
    }

    void loginShowsTheEditorWithTheCompanyName() {
        windows->loginWindow->show();
        windows->loginWindow->passwordEdit->setText("duoband");
        windows->loginWindow->login();
        QVERIFY(windows->mainWindow->isVisible());
        QCOMPARE(windows->mainWindow->windowTitle(), QString("Quorral Radio Works — untitled[*]"));
        windows->companyNameDialog->companyNameEdit->setText("Bay Radio");
        windows->companyNameDialog->amend();
        QCOMPARE(windows->mainWindow->windowTitle(), QString("Bay Radio — untitled[*]"));
    }

    void portChoiceOpensClosesAndExplains() {
        Pty pty;
        Pty busy;
        QVERIFY(!pty.path().empty());
        duoband::SerialPort other;
        other.setPath(busy.path());
        other.open();
        const std::string missing = "/dev/duoband-no-such-port";
        windows = std::make_unique<Windows>(DataFolder(data->dir()),
                                            PortOptions{{pty.path(), missing, busy.path()}, false});
        MainWindow& f = *windows->mainWindow;
        const QString ptyName = QString::fromStdString(pty.path());
        QCOMPARE(f.portList()->count(), 3);
        QCOMPARE(f.portList()->itemText(0), QString::fromStdString(missing));  // sorted as text
        QCOMPARE(f.portList()->currentText(), ptyName);                        // the first asked
        QCOMPARE(f.statusPanelText(0), "COM Port:" + ptyName);
        QVERIFY(f.serialPort().isOpen());
        QVERIFY(f.portShownOpen());

        // Picking the open port again closes it first, so it opens again.
        f.choosePort();
        QCOMPARE(f.statusPanelText(0), "COM Port:" + ptyName);

        pick(f, QString::fromStdString(missing));
        QCOMPARE(f.statusPanelText(0), QString("COM Port:The port is used!"));
        QVERIFY(f.statusPanelToolTip().contains("does not exist"));
        QVERIFY(!f.serialPort().isOpen());
        QVERIFY(!f.portShownOpen());

        pick(f, QString::fromStdString(busy.path()));
        QCOMPARE(f.statusPanelText(0), QString("COM Port:The port is used!"));
        QVERIFY2(f.statusPanelToolTip().contains("in use"), qPrintable(f.statusPanelToolTip()));

        pick(f, ptyName);
        QCOMPARE(f.statusPanelText(0), "COM Port:" + ptyName);
        QVERIFY(f.statusPanelToolTip().isEmpty());
        QVERIFY(f.serialPort().isOpen());
    }

    void startOptions_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QStringList>("ports");
        QTest::addColumn<QString>("dataDir");
        QTest::addColumn<bool>("demo");
        QTest::newRow("none") << QStringList{"duoband"} << true << QStringList{} << "" << false;
        QTest::newRow("all") << QStringList{"duoband", "--port", "/dev/b",     "--demo",
                                            "--port",  "/dev/a", "--data-dir", "/tmp/d"}
                             << true << QStringList{"/dev/b", "/dev/a"} << "/tmp/d" << true;
        QTest::newRow("unknown") << QStringList{"duoband", "--colour"} << false << QStringList{}
                                 << "" << false;
        QTest::newRow("port without path")
            << QStringList{"duoband", "--port"} << false << QStringList{} << "" << false;
        QTest::newRow("two files")
            << QStringList{"duoband", "a.bc", "b.bc"} << false << QStringList{} << "" << false;
    }
    void startOptions() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, valid);
        QString error, help;
        const auto options = parseStartOptions(arguments, error, help);
        QCOMPARE(options.has_value(), valid);
        QCOMPARE(error.isEmpty(), valid);
        if (!valid) return;
        QFETCH(QStringList, ports);
        QFETCH(QString, dataDir);
        QFETCH(bool, demo);
        QStringList got;
        for (const auto& p : options->ports) got << QString::fromStdString(p);
        QCOMPARE(got, ports);
        QCOMPARE(options->dataDir, dataDir);
        QCOMPARE(options->demo, demo);
    }

    void dataFolderIsBesideTheProgramUnlessAsked() {
        QCOMPARE(DataFolder::locate({}).dir(), QCoreApplication::applicationDirPath() + "/image");
        QCOMPARE(DataFolder::locate("/somewhere/else").dir(), QString("/somewhere/else"));
        QVERIFY(QFile::exists(DataFolder::locate({}).passwordPath()));
    }

    // --demo: the simulated radio beside the program, selected and opened.
    void demoRadioIsOnTheList() {
        DemoRadio demo;
        QString error;
        const std::string port = demo.start(error);
        QVERIFY2(!port.empty(), qPrintable(error));
        windows = std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{port}, false});
        QCOMPARE(windows->mainWindow->statusPanelText(0),
                 "COM Port:" + QString::fromStdString(port));
        windows.reset();
    }

  private:
    static void pick(MainWindow& f, const QString& port) {
        f.portList()->setCurrentIndex(f.portList()->findText(port));
        f.choosePort();
    }

    std::unique_ptr<TestDataFolder> data;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<Windows> windows;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
