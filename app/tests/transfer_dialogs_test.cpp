// Read (TForm5) and Write (TForm6) through the editor's commands, against
// the simulated radio on a pseudo-terminal, with the Qt message pump.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <iterator>

#include "app_test_support.h"
#include "application.h"
#include "duoband/radio_sim_sample.h"
#include "main_window.h"
#include "qt_message_pump.h"
#include "transfer_dialogs.h"

namespace {

std::vector<std::uint8_t> fileBytes(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What the dialog showed while its exchange ran.
struct DuringExchange {
    bool button1Enabled = true;
    bool button2Enabled = true;
    bool closedMidway = false;
    QStringList editorEnabled;  // the editor's commands and pages that were usable
};

// The names of the editor's commands, port choice and pages that are usable
// now: all but "Quit", "Quit(Q)" and the tab choice are refused while an
// exchange runs.
QStringList enabledCommands(TForm2& f) {
    QStringList on;
    for (const char* name : {"N1", "N2", "N3", "N4", "N6", "N7", "N9", "N11", "N13", "N14", "N15",
                             "ToolButton1", "ToolButton3", "ToolButton5", "ToolButton7",
                             "ToolButton9", "ToolButton11", "ToolButton13"}) {
        if (f.findChild<QAction*>(name)->isEnabled()) on << name;
    }
    if (f.ComboBox1->isEnabled()) on << "ComboBox1";
    for (int page = 0; page < f.PageControl1->count(); ++page) {
        if (f.PageControl1->widget(page)->isEnabled()) on << QString("page%1").arg(page);
    }
    return on;
}

const QStringList kDuringExchange{"N4", "N9", "N11", "N15"};

// Names the holders in which two models differ, for a readable failure.
QString differences(const duoband::EditorModel& a, const duoband::EditorModel& b) {
    QStringList out;
    for (int row = 0; row < duoband::ChannelTable::kRows; ++row) {
        for (int col = 0; col < duoband::ChannelTable::kColumns; ++col) {
            for (auto band : duoband::kBands) {
                if (a.table(band).cell(col, row) != b.table(band).cell(col, row)) {
                    out << QString("grid %1 (%2,%3): '%4' / '%5'")
                               .arg(band == duoband::Band::A ? 1 : 2)
                               .arg(col)
                               .arg(row)
                               .arg(QString::fromStdString(a.table(band).cell(col, row)),
                                    QString::fromStdString(b.table(band).cell(col, row)));
                }
            }
        }
    }
    for (int n = 1; n <= 15; ++n) {
        if (a.k[n] != b.k[n]) out << QString("k%1").arg(n);
    }
    if (!(a.left == b.left)) out << "left";
    if (!(a.right == b.right)) out << "right";
    if (a.sy != b.sy || a.sypz != b.sypz || !(a.sypz9 == b.sypz9)) out << "DTMF page";
    if (a.kaiji1 != b.kaiji1 || a.kaiji2 != b.kaiji2 || a.xp != b.xp || !(a.xp5 == b.xp5)) {
        out << "limit page";
    }
    if (!(a == b) && out.isEmpty()) out << "general page";
    return out.join("; ");
}

}  // namespace

class TransferDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        data = std::make_unique<TestDataFolder>();
        dialogs = std::make_unique<ScriptedDialogs>();
    }
    void cleanup() {
        windows.reset();
        radio.reset();
        dialogs.reset();
        data.reset();
    }

    void readFillsTheGridsAndPages() {
        startRadio({"--sample"});
        duoband::EditorModel& m = windows->Form2->model();
        const DuringExchange seen = runThroughDialog("N6");
        QCOMPARE(dialogs->lastText(), QString("Read success!"));
        QCOMPARE(windows->Form5->ProgressBar1->value(), 136);
        QVERIFY(!windows->Form5->isVisible());
        QVERIFY(!seen.button1Enabled);
        QVERIFY(!seen.button2Enabled);
        QCOMPARE(seen.editorEnabled, kDuringExchange);
        QCOMPARE(enabledCommands(*windows->Form2).size(), 26);
        const duoband::EditorModel sample = duoband::sim::sampleModel();
        QVERIFY2(m.StringGrid1 == sample.StringGrid1 && m.StringGrid2 == sample.StringGrid2 &&
                     m.k == sample.k,
                 qPrintable(differences(m, sample)));
        QCOMPARE(m.left.c3, std::string("146.52000"));
        QCOMPARE(m.gn1.text(), std::string_view("B/Under Band"));
        QCOMPARE(m.sy[5], std::string("1234567"));
        QCOMPARE(m.sypz[4], std::string("A1"));
        QCOMPARE(m.kaiji1, std::string("DUOBAND"));
        QCOMPARE(m.xp[1], std::string("136"));
        // the pages show what was read
        TForm2& f = *windows->Form2;
        auto* grid = f.findChild<QAbstractItemView*>("StringGrid1");
        QCOMPARE(grid->model()->data(grid->model()->index(6, 12)).toString(), QString("SITE"));
        QCOMPARE(f.findChild<QLineEdit*>("left3")->text(), QString("146.52000"));
        QCOMPARE(f.findChild<QComboBox*>("gn1")->currentIndex(), m.gn1.index);
        QCOMPARE(f.findChild<QLineEdit*>("sypz4")->text(), QString("A1"));
        QCOMPARE(f.findChild<QLineEdit*>("kaiji1")->text(), QString("DUOBAND"));
    }

    void silentRadioLeavesTheModelAlone() {
        startRadio({"--sample", "--silent-at", "0"});
        const duoband::EditorModel before = windows->Form2->model();
        runThroughDialog("ToolButton7");
        QCOMPARE(dialogs->lastText(), QString("Read Error!"));
        QCOMPARE(windows->Form5->ProgressBar1->value(), 0);
        QVERIFY(windows->Form2->model() == before);
        QVERIFY(windows->Form5->Button1->isEnabled());
    }

    // Writing the sample configuration to a radio never programmed leaves it
    // holding exactly the sample memory.
    void writePutsTheConfigurationInTheRadio() {
        QTemporaryDir dir;
        const QString memory = dir.filePath("memory.bin");
        startRadio({"--save-memory", memory.toStdString()});
        windows->Form2->model() = duoband::sim::sampleModel();
        const DuringExchange seen = runThroughDialog("N7");
        QCOMPARE(dialogs->lastText(), QString("Write success!"));
        QCOMPARE(windows->Form6->ProgressBar1->value(), 136);
        QVERIFY(!seen.button1Enabled);
        const auto expected = duoband::sim::sampleMemory();
        const auto written = fileBytes(memory);
        QCOMPARE(written.size(), expected.size());
        QVERIFY(std::equal(written.begin(), written.end(), expected.begin()));
    }

    // A channel cell that cannot be encoded stops the write before anything
    // is sent, with a message that names it.
    void unencodableConfigurationIsNotWritten() {
        startRadio({});
        windows->Form2->model().StringGrid2.cell(1, 7) = "14x.000";
        runThroughDialog("N7");
        QCOMPARE(dialogs->lastKind(), QString("error"));
        QCOMPARE(windows->Form6->ProgressBar1->value(), 0);
    }

    // A page's own exchange waits in a nested event loop with the editor
    // usable: meanwhile its commands refuse to run, so nothing changes the
    // model, the port or the files under the exchange; all come back after.
    void commandsWaitWhileAPageExchangeRuns() {
        startRadio({"--sample"});
        TForm2& f = *windows->Form2;
        f.show();
        f.PageControl1->setCurrentIndex(6);
        const QStringList before = enabledCommands(f);
        QCOMPARE(before.size(), 26);
        QStringList during;
        QTimer::singleShot(200, &f, [&f, &during] {
            during = enabledCommands(f);
            // Each answers through the dialog seam at once if it runs.
            for (const char* command : {"N1", "N2", "N3", "ToolButton1", "ToolButton3"}) {
                f.findChild<QAction*>(command)->trigger();
            }
        });
        QTest::mouseClick(f.findChild<QPushButton*>("Button3"), Qt::LeftButton);
        QCOMPARE(dialogs->lastText(), QString("Read Success!"));
        QCOMPARE(during, kDuringExchange);
        QVERIFY(dialogs->questions.isEmpty());
        QVERIFY(dialogs->fileDialogs.isEmpty());
        QCOMPARE(enabledCommands(f), before);
    }

    void noPortFailsInTheDialog() {
        windows = std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{}, false});
        runThroughDialog("N6");
        QCOMPARE(dialogs->lastText(), QString("Read Error!"));
    }

    // The program asked to end mid-read: the exchange stops at once, sends
    // "EXIT", and nothing is left waiting.
    void quittingMidExchangeEndsItCleanly() {
        QTemporaryDir dir;
        const QString log = dir.filePath("radio.log");
        startRadio({"--sample", "--log", log.toStdString()});
        QTimer::singleShot(900, [] { QCoreApplication::exit(0); });
        QElapsedTimer clock;
        clock.start();
        runThroughDialog("N6");
        QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(dialogs->lastText(), QString("Read Error!"));
        QVERIFY(windows->Form2->pump().abandoned());
        const int progress = windows->Form5->ProgressBar1->value();
        QVERIFY(progress > 0 && progress < 136);
        windows.reset();  // closes the port after the last bytes went out
        QCOMPARE(logLinesStartingWith(log, "EXIT", 1), 1);
        QCOMPARE(logLinesStartingWith(log, "HANDSHAKE", 1), 1);
    }

  private:
    void startRadio(std::vector<std::string> args) {
        radio = std::make_unique<TestRadio>(std::move(args));
        QVERIFY2(radio->started(), qPrintable(radio->error()));
        windows =
            std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{radio->port()}, false});
        QVERIFY(windows->Form2->portShownOpen());
        // Answers arrive at once: deliver them without the 100 ms line-silence
        // gathering, so a whole read takes a few seconds.
        windows->Form2->serialPort().setReadIntervalMs(0);
    }

    // Runs a menu or tool bar command that shows a transfer dialog and
    // presses its first button once the dialog is up.
    DuringExchange runThroughDialog(const char* command) {
        DuringExchange seen;
        QTimer::singleShot(0, [this, &seen] {
            auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            QTimer::singleShot(700, dialog, [this, dialog, &seen] {
                seen.editorEnabled = enabledCommands(*windows->Form2);
                seen.button1Enabled = dialog->Button1->isEnabled();
                seen.button2Enabled = dialog->Button2->isEnabled();
                dialog->close();  // refused while running
                seen.closedMidway = !dialog->isVisible();
            });
            QTest::mouseClick(dialog->Button1, Qt::LeftButton);
        });
        windows->Form2->findChild<QAction*>(command)->trigger();
        return seen;
    }

    std::unique_ptr<TestDataFolder> data;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<TestRadio> radio;
    std::unique_ptr<Windows> windows;
};

QTEST_MAIN(TransferDialogsTest)
#include "transfer_dialogs_test.moc"
