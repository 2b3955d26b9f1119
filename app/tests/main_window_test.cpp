// The editor TForm2 in its windows: start-up without a port, the command
// set, New, Open and Save through the dialog seam, and the port choice on
// real pseudo-terminals.
#include <pty.h>
#include <unistd.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
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
#include "login_window.h"
#include "main_window.h"
#include "small_dialogs.h"
#include "transfer_dialogs.h"

namespace {

// A pseudo-terminal whose terminal side stands in for a serial port.
class Pty {
  public:
    Pty() {
        char name[256] = {};
        if (::openpty(&master_, &slave_, name, nullptr, nullptr) == 0) path_ = name;
    }
    ~Pty() {
        if (slave_ >= 0) ::close(slave_);
        if (master_ >= 0) ::close(master_);
    }
    const std::string& path() const { return path_; }

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

QStringList actionTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* a : actions) texts << (a->isSeparator() ? QString("|") : a->text().remove('&'));
    return texts;
}

// Some edits on every kind of holder of the model.
void editModel(duoband::EditorModel& m) {
    m.StringGrid1.cell(1, 3) = "145.50000";
    m.StringGrid1.cell(12, 3) = "HARBOUR";
    m.StringGrid2.cell(1, 128) = "439.12500";
    m.left.c10.select(0);
    m.right.c15 = "5";
    m.gn13.select(3);
    m.gn3 = "100.5";
    m.sy[2] = "1234";
    m.sypz[1] = "555";
    m.sypz9.select(2);
    m.kaiji1 = "HELLO";
    m.xp[3] = "400";
    m.k[5] = "000FFFFF010203000102000406D600320301";
    m.k[12] = "01FFFFFFFFFFFFFF00FFFFFFFFFFFFFF";
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
        TForm2& f = *windows->Form2;
        const std::vector<QWidget*> all{windows->Form1.get(), &f,
                                        windows->Form3,       windows->Form4,
                                        windows->Form5,       windows->Form6};
        for (QWidget* w : all) {
            QVERIFY(!w->isVisible());
        }
        QCOMPARE(f.statusPanelText(0), QString("No port!"));
        QCOMPARE(f.statusPanelText(1), QString("    "));
        QCOMPARE(f.ComboBox1->count(), 0);
        QVERIFY(!f.portShownOpen());
        QVERIFY(f.model() == duoband::EditorModel());
    }

    void offersTheCommandSet() {
        TForm2& f = *windows->Form2;
        QCOMPARE(actionTexts(f.MainMenu1->actions()),
                 (QStringList{"File(F)", "Edit(E)", "Help(H)", "Quit(Q)"}));
        const QList<QAction*> menus = f.MainMenu1->actions();
        QCOMPARE(actionTexts(menus[0]->menu()->actions()),
                 (QStringList{"New", "Open", "Save", "Quit"}));
        QCOMPARE(actionTexts(menus[1]->menu()->actions()),
                 (QStringList{"Read", "Write", "-------", "A/Upper Band Channel",
                              "B/Under Band Channel", "-------"}));
        QVERIFY(!menus[1]->menu()->actions()[2]->isEnabled());
        QCOMPARE(actionTexts(menus[2]->menu()->actions()), (QStringList{"Note", "Amend Password"}));
        QStringList buttons;
        for (QAction* a : f.ToolBar1->actions()) {
            if (a->objectName().startsWith("ToolButton")) {
                buttons << a->text();
                QVERIFY(!a->icon().isNull());
            }
        }
        QCOMPARE(buttons, (QStringList{"  New  ", "  Open  ", "  Save   ", "Read", "Write", "Note",
                                       "Password"}));
        const std::pair<const char*, QKeySequence> keys[] = {{"N1", QKeySequence("Ctrl+N")},
                                                             {"N2", QKeySequence("Ctrl+O")},
                                                             {"N3", QKeySequence("Ctrl+S")},
                                                             {"N4", QKeySequence("Ctrl+Q")}};
        for (const auto& [name, key] : keys) {
            QCOMPARE(f.findChild<QAction*>(name)->shortcut(), key);
        }
        QStringList tabs;
        for (int i = 0; i < f.PageControl1->count(); ++i) tabs << f.PageControl1->tabText(i);
        QCOMPARE(tabs, (QStringList{"A/Upper Band Channel", "A/Upper Band Set up",
                                    "B/Under Band Channel", "B/Under Band Set up",
                                    "Comprehensive Setting", "DTMF Groups", "Limit Frequency"}));
        QCOMPARE(f.PageControl1->currentIndex(), 0);
        f.findChild<QAction*>("N11")->trigger();
        QCOMPARE(f.PageControl1->currentIndex(), 2);
        f.findChild<QAction*>("N9")->trigger();
        QCOMPARE(f.PageControl1->currentIndex(), 0);
    }

    // At its default size the window shows every column of both channel
    // tables and every tab without scrolling.
    void defaultSizeShowsEveryColumnAndTab() {
        TForm2& f = *windows->Form2;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        for (int page : {0, 2}) {
            f.PageControl1->setCurrentIndex(page);
            auto* grid = qobject_cast<QAbstractScrollArea*>(
                f.PageControl1->currentWidget()->findChild<QAbstractItemView*>());
            QApplication::processEvents();
            QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
        }
        QVERIFY(f.PageControl1->tabBar()->sizeHint().width() <= f.PageControl1->width());
    }

    // A menu item and its tool bar button open the same modal dialog.
    void menuAndToolBarOpenTheSameDialog_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("Note") << "N13"
                              << "Form4";
        QTest::newRow("tool bar Note") << "ToolButton11"
                                       << "Form4";
        QTest::newRow("Amend Password") << "N14"
                                        << "Form3";
        QTest::newRow("tool bar Password") << "ToolButton13"
                                           << "Form3";
        QTest::newRow("Read") << "N6"
                              << "Form5";
        QTest::newRow("tool bar Read") << "ToolButton7"
                                       << "Form5";
        QTest::newRow("Write") << "N7"
                               << "Form6";
        QTest::newRow("tool bar Write") << "ToolButton9"
                                        << "Form6";
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
        windows->Form2->findChild<QAction*>(command)->trigger();
        QCOMPARE(shown, dialog);
    }

    void newAnsweredNoChangesNothing() {
        duoband::EditorModel& m = windows->Form2->model();
        editModel(m);
        windows->Form2->showModel();
        const duoband::EditorModel before = m;
        dialogs->confirmations.push_back(false);
        windows->Form2->findChild<QAction*>("ToolButton1")->trigger();
        QCOMPARE(dialogs->questions, QStringList{"Do you want to New?"});
        QVERIFY(m == before);
    }

    // Yes restores every default, k12..k15 included; row numbers and titles stay.
    void newAnsweredYesRestoresTheDefaults() {
        duoband::EditorModel& m = windows->Form2->model();
        editModel(m);
        windows->Form2->showModel();
        dialogs->confirmations.push_back(true);
        windows->Form2->findChild<QAction*>("N1")->trigger();
        QVERIFY(m == duoband::EditorModel());
        QCOMPARE(m.k[12], duoband::defaultBlockField(12));
        QCOMPARE(m.gn13.text(), std::string_view("50MS"));
        auto* grid = windows->Form2->findChild<QAbstractItemView*>("StringGrid1");
        QVERIFY(grid != nullptr);
        QCOMPARE(grid->model()->data(grid->model()->index(2, 0)).toString(), QString("3"));
        QCOMPARE(grid->model()->data(grid->model()->index(2, 12)).toString(), QString());
        QCOMPARE(grid->model()->headerData(1, Qt::Horizontal).toString(),
                 QString("Receiving Frequency"));
    }

    void saveThenOpenRoundTrips() {
        TForm2& f = *windows->Form2;
        editModel(f.model());
        f.showModel();
        const duoband::EditorModel saved = f.model();
        const QString name = data->path("config");
        dialogs->fileNames.push_back(name);
        f.findChild<QAction*>("ToolButton5")->trigger();
        QCOMPARE(dialogs->fileDialogs, QStringList{"Save|*.bc"});
        QCOMPARE(dialogs->lastText(), QString("保存成功!"));
        QVERIFY(QFile::exists(name + ".bc"));

        dialogs->confirmations.push_back(true);
        f.N1Click();
        QVERIFY(f.model() == duoband::EditorModel());
        dialogs->fileNames.push_back(name + ".bc");
        f.findChild<QAction*>("ToolButton3")->trigger();
        QCOMPARE(dialogs->fileDialogs.back(), QString("Open|*.bc"));
        QVERIFY(f.model() == saved);
        // the pages show what was opened
        QCOMPARE(f.findChild<QComboBox*>("gn13")->currentIndex(), 3);
        QCOMPARE(f.findChild<QLineEdit*>("kaiji1")->text(), QString("HELLO"));
    }

    // A file that does not hold a whole configuration is refused as a whole.
    void malformedFileIsRefused() {
        TForm2& f = *windows->Form2;
        editModel(f.model());
        const duoband::EditorModel before = f.model();
        const QString name = data->path("broken.bc");
        dialogs->fileNames.push_back(data->path("good"));
        f.N3Click();
        QString text = readFile(data->path("good.bc"));
        text.replace("HARBOUR", "HARBOUR,EXTRA,,,");  // too many fields on line 3
        text.replace(text.indexOf("\r") - 2, 1, "x");
        data->write("broken.bc", text.toLatin1().left(text.size() / 2));  // and cut short
        dialogs->fileNames.push_back(name);
        f.N2Click();
        QCOMPARE(dialogs->lastKind(), QString("error"));
        QVERIFY2(dialogs->lastText().contains("line", Qt::CaseInsensitive),
                 qPrintable(dialogs->lastText()));
        QVERIFY(f.model() == before);
    }

    void missingFileAndUnwritableFolderAreReported() {
        TForm2& f = *windows->Form2;
        dialogs->fileNames.push_back(data->path("nowhere.bc"));
        f.N2Click();
        QCOMPARE(dialogs->lastKind(), QString("error"));
        QVERIFY(f.model() == duoband::EditorModel());
        dialogs->fileNames.push_back(data->path("no/such/folder/x"));
        f.N3Click();
        QCOMPARE(dialogs->lastKind(), QString("error"));
        QCOMPARE(dialogs->messages.size(), std::size_t(2));
    }

    void cancelledFileDialogsDoNothing() {
        TForm2& f = *windows->Form2;
        editModel(f.model());
        const duoband::EditorModel before = f.model();
        f.N2Click();
        f.N3Click();
        QVERIFY(f.model() == before);
        QVERIFY(dialogs->messages.empty());
    }

    // A typed text that still has the focus goes into what is saved.
    void focusedEditIsCommittedBeforeSave() {
        TForm2& f = *windows->Form2;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.PageControl1->setCurrentIndex(4);
        auto* edit = f.findChild<QLineEdit*>("gn3");
        edit->setFocus();
        QVERIFY(edit->hasFocus());
        QTest::keyClicks(edit, "100.5");
        QVERIFY(f.model().gn3.empty());
        const std::string k5 = f.model().k[5];
        dialogs->fileNames.push_back(data->path("typed"));
        f.N3Click();
        QVERIFY(QString::fromStdString(f.model().gn3).startsWith("100.5"));
        QVERIFY(f.model().k[5] != k5);
        QVERIFY(readFile(data->path("typed.bc")).contains("100.5"));
    }

    void loginShowsTheEditorWithTheCompanyName() {
        windows->Form1->show();
        windows->Form1->Edit1->setText("duoband");
        windows->Form1->Button1Click();
        QVERIFY(windows->Form2->isVisible());
        QCOMPARE(windows->Form2->windowTitle(), QString("Quorral Radio Works"));
        windows->Form4->Edit1->setText("Bay Radio");
        windows->Form4->Button1Click();
        QCOMPARE(windows->Form2->windowTitle(), QString("Bay Radio"));
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
        TForm2& f = *windows->Form2;
        const QString ptyName = QString::fromStdString(pty.path());
        QCOMPARE(f.ComboBox1->count(), 3);
        QCOMPARE(f.ComboBox1->itemText(0), QString::fromStdString(missing));  // sorted as text
        QCOMPARE(f.ComboBox1->currentText(), ptyName);                        // the first asked
        QCOMPARE(f.statusPanelText(0), "COM Port:" + ptyName);
        QVERIFY(f.serialPort().isOpen());
        QVERIFY(f.portShownOpen());

        // Picking the open port again closes it first, so it opens again.
        f.ComboBox1Click();
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
        QTest::newRow("stray word")
            << QStringList{"duoband", "COM1"} << false << QStringList{} << "" << false;
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
        QCOMPARE(windows->Form2->statusPanelText(0), "COM Port:" + QString::fromStdString(port));
        windows.reset();
    }

  private:
    static void pick(TForm2& f, const QString& port) {
        f.ComboBox1->setCurrentIndex(f.ComboBox1->findText(port));
        f.ComboBox1Click();
    }

    std::unique_ptr<TestDataFolder> data;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<Windows> windows;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
