// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The station with a fleet of the register: simulated radios on real
// pseudo-terminals take the fleet's radios as they are plugged in, keep
// their identity when written again, and start without a number only when
// the register answers; a SQLite register in a temporary folder, and once a
// PostgreSQL server the test starts.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <set>

#include "application.h"
#include "duoband/job_spool.h"
#include "duoband/radio_register.h"
#include "duoband/radio_sim_sample.h"
#include "duoband/roster.h"
#include "main_window.h"
#include "register_fixture.h"
#include "register_window.h"
#include "station_test_support.h"

using duoband::ListedPort;
using duoband::PortEvent;
using duoband::UnitField;

namespace {

// The table's columns: port, native ID, identity code, state, progress,
// seconds, message, then the fleet radio's boot lines and label.
constexpr int kNativeIdColumn = 1;
constexpr int kStateColumn = 3;
constexpr int kMessageColumn = 6;
constexpr int kBootLine2Column = 8;
constexpr int kLabelColumn = 9;
constexpr int kJobTimeoutMs = 30000;

const QStringList kNames{"Ann", "Bob", "Cid", "Dee"};

std::unique_ptr<duoband::RadioRegister> openRegister(const std::string& address) {
    std::vector<duoband::Phrase> notes;
    return duoband::RadioRegister::open(address, notes);
}

// Roster rows 0101, 0102, ...: boot lines "ACME" and "UNIT n", a name each.
std::vector<duoband::RadioValues> roster(int rows) {
    std::vector<duoband::RadioValues> radios(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i) {
        auto& r = radios[static_cast<std::size_t>(i)];
        r.numbers[UnitField::NativeId] = "010" + std::to_string(i + 1);
        r.bootLines = {"ACME", "UNIT " + std::to_string(i + 1)};
        r.label = kNames[i].toStdString();
    }
    return radios;
}

}  // namespace

class StationFleetTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        data = std::make_unique<TestDataFolder>();
        dialogs = std::make_unique<ScriptedDialogs>();
        monitor = std::make_shared<duoband::QueuedPortMonitor>();
        windows =
            std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{}, false, monitor});
        // The station's data folder (its spool) is the test's.
        editor().setBackupFolder(folder.filePath("backups").toStdString());
        appSettings::setStationText("logFile", folder.filePath("station.csv"));
        appSettings::setStationOption("fastBox", true);
        appSettings::setStationOption("backupFirstBox", false);
        appSettings::setStationOption("native-idBox", true);
        appSettings::setStationText("native-idNext", "1001");
        editor().model() = duoband::sim::sampleModel();
    }
    void cleanup() {
        windows.reset();
        radios.clear();
        dialogs.reset();
        monitor.reset();
        data.reset();
        appSettings::clear();
        for (const QString& file : QDir(folder.path()).entryList(QDir::Files))
            QFile::remove(folder.filePath(file));
    }

    // Four roster rows and three radios plugged one after another (one of
    // them handing its answers over in USB packets): each radio holds its
    // row's values, the table shows them, and the register lists the three
    // as programmed and the fourth as planned.
    void eachPluggedRadioTakesTheFleetsNextRosterRow() {
        const std::string address = registerFile();
        {
            auto reg = openRegister(address);
            reg->addFleet("ACME", {});
            reg->addPlannedRadios("ACME", roster(4));
        }
        appSettings::setRegisterAddress(QString::fromStdString(address));
        StationWindow& station = open();
        chooseFleet(station, "ACME");
        for (int i = 0; i < 3; ++i) {
            plug(i, i == 1 ? std::vector<std::string>{"--usb-packet", "16"}
                           : std::vector<std::string>{});
            QTRY_COMPARE_WITH_TIMEOUT(column(station, kStateColumn), times("Done", i + 1),
                                      kJobTimeoutMs);
        }
        QCOMPARE(column(station, kNativeIdColumn), (QStringList{"0101", "0102", "0103"}));
        QCOMPARE(column(station, kBootLine2Column), (QStringList{"UNIT 1", "UNIT 2", "UNIT 3"}));
        QCOMPARE(column(station, kLabelColumn), kNames.mid(0, 3));
        for (int i = 0; i < 3; ++i) {
            const duoband::RadioImage held = heldImage(radios[i]->memory);
            QCOMPARE(duoband::unitNumberIn(held, UnitField::NativeId),
                     "010" + std::to_string(i + 1));
            QCOMPARE(duoband::bootLineIn(held, 1), "UNIT " + std::to_string(i + 1));
        }
        std::vector<std::string> states;
        for (const auto& r : openRegister(address)->radios("ACME")) states.push_back(r.state);
        QCOMPARE(states,
                 (std::vector<std::string>{"programmed", "programmed", "programmed", "planned"}));
        // The Radio Register window lists them so too.
        RegisterWindow window(address, folder.path().toStdString(), nullptr);
        const QAbstractItemModel* listed = window.findChild<QTableView*>("radioTable")->model();
        const auto listedStates = [listed] {
            QStringList column;
            for (int row = 0; row < listed->rowCount(); ++row)
                column << listed->index(row, RegisterWindow::State).data().toString();
            return column;
        };
        QTRY_COMPARE_WITH_TIMEOUT(
            listedStates(), (QStringList{"programmed", "programmed", "programmed", "planned"}),
            kJobTimeoutMs);
        QFile log(folder.filePath("station.csv"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray lines = log.readAll();
        QCOMPARE(lines.count('\n'), 4);  // the header and three radios
        QVERIFY2(lines.contains(",0103,"), lines.constData());
    }

    // Written again with "Keep each radio's identity", on other ports and in
    // another order, each radio gets its own values back, and its history
    // holds both writes.
    void keepingIdentityOnOtherPortsGivesEachRadioItsValuesAgain() {
        const std::string address = registerFile();
        {
            auto reg = openRegister(address);
            reg->addFleet("ACME", {});
            reg->addPlannedRadios("ACME", roster(3));
        }
        appSettings::setRegisterAddress(QString::fromStdString(address));
        StationWindow& station = open();
        chooseFleet(station, "ACME");
        for (int i = 0; i < 2; ++i) plug(i, {});
        QTRY_COMPARE_WITH_TIMEOUT(column(station, kStateColumn), times("Done", 2), kJobTimeoutMs);
        const QStringList first = column(station, kNativeIdColumn);
        QCOMPARE(QSet<QString>(first.begin(), first.end()), (QSet<QString>{"0101", "0102"}));

        auto* keepIdentity = station.findChild<QCheckBox*>("keepIdentityBox");
        keepIdentity->setFocus();
        QTest::keyClick(keepIdentity, Qt::Key_Space);
        QVERIFY(appSettings::stationOption("keepIdentityBox", false));
        for (int i : {1, 0}) plug(2 + (1 - i), {"--memory", radios[i]->memory.toStdString()});
        QTRY_COMPARE_WITH_TIMEOUT(column(station, kStateColumn), times("Done", 4), kJobTimeoutMs);
        const QStringList ids = column(station, kNativeIdColumn);
        QCOMPARE(ids.mid(2), (QStringList{first[1], first[0]}));
        for (int i = 2; i < 4; ++i) {
            const duoband::RadioImage held = heldImage(radios[i]->memory);
            QCOMPARE(QString::fromStdString(duoband::unitNumberIn(held, UnitField::NativeId)),
                     ids[i]);
            QCOMPARE(QString::fromStdString(duoband::bootLineIn(held, 1)),
                     column(station, kBootLine2Column)[3 - i]);
        }
        const auto history = openRegister(address)->history(first[0].toStdString());
        QCOMPARE(history.size(), std::size_t(2));
        QCOMPARE(history[0].port, radios[3]->radio->port());
        QCOMPARE(history[0].before[UnitField::NativeId], first[0].toStdString());
        QCOMPARE(history[1].port, radios[0]->radio->port());
        for (const auto& job : history) QCOMPARE(job.result, std::string("success"));
    }

    // A fleet's radios start only with numbers the register gave: while it
    // cannot be reached no radio hears a byte, each row says why and the
    // box comes once. Without a fleet the station writes on, its records
    // kept in the spool with one warning.
    void anUnreachableRegisterStartsNoFleetRadioAndSaysSoOnce() {
        appSettings::setRegisterAddress(QString("postgresql://postgres@127.0.0.1:%1/duoband")
                                            .arg(duoband::testing_support::freeLocalPort()));
        appSettings::setStationText("fleet", "ACME");
        StationWindow& station = open();
        QCOMPARE(station.findChild<QComboBox*>("fleetChoice")->currentText(), QString("ACME"));
        plug(0, {});
        plug(1, {});
        QTRY_COMPARE_WITH_TIMEOUT(column(station, kStateColumn), times("Failed", 2), kJobTimeoutMs);
        QCOMPARE(dialogs->messages.size(), std::size_t(1));
        QVERIFY2(dialogs->lastText().startsWith("No radio of the fleet ACME was taken: "),
                 qPrintable(dialogs->lastText()));
        QCOMPARE(column(station, kMessageColumn), times(dialogs->lastText(), 2));
        for (int i = 0; i < 2; ++i)
            QCOMPARE(logLinesStartingWith(radios[i]->log, "", 1, std::chrono::milliseconds(200)),
                     0);

        auto* fleet = station.findChild<QComboBox*>("fleetChoice");
        fleet->setCurrentIndex(fleet->findData(QString()));
        plug(2, {});
        QTRY_COMPARE_WITH_TIMEOUT(column(station, kStateColumn).value(2), QString("Done"),
                                  kJobTimeoutMs);
        QCOMPARE(column(station, kNativeIdColumn).value(2), QString("1001"));
        QFile spool(QString::fromStdString(duoband::spoolPath(folder.path().toStdString())));
        QVERIFY(spool.open(QIODevice::ReadOnly));
        QVERIFY(spool.readAll().contains(radios[2]->radio->port().c_str()));
        const QString note = station.findChild<QLabel*>("registerNoteLabel")->text();
        QVERIFY2(note.contains(spool.fileName()), qPrintable(note));
        QCOMPARE(dialogs->messages.size(), std::size_t(1));
    }

    // Two radios plugged at once take the numbers of a fleet kept on a
    // PostgreSQL server.
    void aFleetOnAPostgresServerNumbersEachRadio() {
        duoband::testing_support::PostgresServer server;
        if (!server.ready()) QSKIP("no PostgreSQL server programs");
        std::string problem;
        openRegister(server.address())
            ->addFleet("ACME", {*duoband::parseUnitNumbering("native-id=3001", problem)});
        appSettings::setRegisterAddress(QString::fromStdString(server.address()));
        StationWindow& station = open();
        chooseFleet(station, "ACME");
        plug(0, {"--usb-packet", "16"});
        plug(1, {});
        QTRY_COMPARE_WITH_TIMEOUT(column(station, kStateColumn), times("Done", 2), kJobTimeoutMs);
        std::set<std::string> held;
        for (int i = 0; i < 2; ++i) {
            const std::string id =
                duoband::unitNumberIn(heldImage(radios[i]->memory), UnitField::NativeId);
            QCOMPARE(QString::fromStdString(id), column(station, kNativeIdColumn)[i]);
            held.insert(id);
        }
        QCOMPARE(held, (std::set<std::string>{"3001", "3002"}));
        station.close();
        QTRY_VERIFY(editor().findChild<QAction*>("openAction")->isEnabled());
        windows.reset();  // the station's connection ends before the server
        const auto listed = openRegister(server.address())->radios("ACME");
        QCOMPARE(listed.size(), std::size_t(2));
        for (const auto& r : listed) QCOMPARE(r.state, std::string("programmed"));
    }

  private:
    MainWindow& editor() { return *windows->mainWindow; }

    std::string registerFile() const { return folder.filePath("register.sqlite").toStdString(); }

    StationWindow& open() {
        editor().findChild<QAction*>("programManyAction")->trigger();
        auto* station = editor().findChild<StationWindow*>();
        Q_ASSERT(station != nullptr);
        return *station;
    }

    // Chosen by keyboard once the register has listed it.
    static void chooseFleet(StationWindow& station, const QString& name) {
        auto* fleet = station.findChild<QComboBox*>("fleetChoice");
        QTRY_VERIFY(fleet->findData(name) >= 0);
        fleet->setFocus();
        while (fleet->currentData().toString() != name &&
               fleet->currentIndex() + 1 < fleet->count())
            QTest::keyClick(fleet, Qt::Key_Down);
        QCOMPARE(fleet->currentData().toString(), name);
        QVERIFY(station.findChild<QCheckBox*>("keepIdentityBox")->isEnabled());
    }

    void plug(int n, std::vector<std::string> options) {
        radios.push_back(std::make_unique<StationRadio>(folder, n, std::move(options)));
        QVERIFY2(radios.back()->radio->started(), qPrintable(radios.back()->radio->error()));
        monitor->post(
            {PortEvent::Kind::Added, ListedPort{radios.back()->radio->port(), "USB-Serial", true}});
    }

    QTemporaryDir folder;
    std::unique_ptr<TestDataFolder> data;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::shared_ptr<duoband::QueuedPortMonitor> monitor;
    std::vector<std::unique_ptr<StationRadio>> radios;
    std::unique_ptr<Windows> windows;
};

QTEST_MAIN(StationFleetTest)
#include "station_fleet_test.moc"
