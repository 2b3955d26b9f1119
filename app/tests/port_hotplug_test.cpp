// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The port list follows the cables: events of the port monitor, injected
// where udev would send them, change the list, the choice and status panel
// 0 of a real editor window, and a pulled cable fails a running Read.
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app_test_support.h"
#include "application.h"
#include "main_window.h"
#include "transfer_dialogs.h"

using duoband::ListedPort;
using duoband::PortEvent;

namespace {

PortEvent plug(const std::string& path, const std::string& description) {
    return {PortEvent::Kind::Added, ListedPort{path, description, true}};
}

PortEvent pull(const std::string& path) {
    return {PortEvent::Kind::Removed, ListedPort{path, {}, false}};
}

}  // namespace

class PortHotplugTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        data = std::make_unique<TestDataFolder>();
        dialogs = std::make_unique<ScriptedDialogs>();
        monitor = std::make_shared<duoband::QueuedPortMonitor>();
        radio = std::make_unique<TestRadio>(std::vector<std::string>{"--sample"});
        QVERIFY2(radio->started(), qPrintable(radio->error()));
        windows =
            std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{}, false, monitor});
    }
    void cleanup() {
        windows.reset();
        radio.reset();
        dialogs.reset();
        monitor.reset();
        data.reset();
        appSettings::clear();
    }

    void theOnlyCablePluggedInIsChosenByItsName() {
        MainWindow& f = window();
        QCOMPARE(f.statusPanelText(0), QString("No port!"));
        monitor->post(plug(radio->port(), "USB-Serial Prolific"));
        QTRY_COMPARE(f.portList()->count(), 1);
        const QString path = QString::fromStdString(radio->port());
        QCOMPARE(f.portList()->currentText(), "USB-Serial Prolific — " + path);
        QCOMPARE(f.statusPanelText(0), "COM Port:" + path);  // the path, as before
        QVERIFY(f.portShownOpen());
        QVERIFY(f.serialPort().isOpen());
        QCOMPARE(f.statusMessage(),
                 "Chose USB-Serial Prolific — " + path + ", the cable just plugged in.");
        QCOMPARE(appSettings::lastPort(), path);
    }

    void anotherCableIsListedButTheOpenPortStays() {
        MainWindow& f = window();
        monitor->post(plug(radio->port(), "USB-Serial Prolific"));
        QTRY_VERIFY(f.portShownOpen());
        const QString open = f.statusPanelText(0);
        monitor->post(plug("/dev/ttyUSB7", "USB-Serial FTDI"));
        QTRY_COMPARE(f.portList()->count(), 2);
        QCOMPARE(f.statusPanelText(0), open);
        QCOMPARE(f.statusMessage(), QString("Plugged in: USB-Serial FTDI — /dev/ttyUSB7."));
        monitor->post(pull("/dev/ttyUSB7"));
        QTRY_COMPARE(f.portList()->count(), 1);
        QCOMPARE(f.statusPanelText(0), open);
        QVERIFY(f.serialPort().isOpen());
        QCOMPARE(f.statusMessage(), QString("Pulled out: USB-Serial FTDI — /dev/ttyUSB7."));
    }

    // The cable goes at step 10 of a Read: the read fails there with its
    // usual message instead of waiting for answers that cannot come.
    void pullingTheOpenPortsCableFailsARunningRead() {
        MainWindow& f = window();
        f.serialPort().setReadIntervalMs(0);
        monitor->post(plug(radio->port(), "USB-Serial Prolific"));
        QTRY_VERIFY(f.portShownOpen());
        QProgressBar* progress = windows->readDialog->findChild<QProgressBar*>("progressBar");
        connect(progress, &QProgressBar::valueChanged, this, [this](int steps) {
            if (steps == 10) monitor->post(pull(radio->port()));
        });
        QTimer::singleShot(0, this, [this] {
            QTest::mouseClick(windows->readDialog->findChild<QPushButton*>("startButton"),
                              Qt::LeftButton);
        });
        f.findChild<QAction*>("readAction")->trigger();
        QCOMPARE(dialogs->lastText().section('\n', 0, 0), QString("Read Error!"));
        QVERIFY(dialogs->lastText().contains("the line went away"));
        QVERIFY2(progress->value() >= 10 && progress->value() <= 11,
                 qPrintable(QString::number(progress->value())));
        QVERIFY(!f.serialPort().isOpen());
        QCOMPARE(f.portList()->count(), 0);
        QCOMPARE(f.statusPanelText(0), QString("No port!"));
        QVERIFY(f.statusPanelToolTip().contains("pulled out"));
        QCOMPARE(f.statusMessage(), "Pulled out: USB-Serial Prolific — " +
                                        QString::fromStdString(radio->port()) +
                                        "; the port is closed.");
    }

    // A cable plugged in while an exchange runs is listed, never chosen.
    void aCableIsNotChosenDuringAnExchange() {
        MainWindow& f = window();
        f.exchangeRunning(true);
        monitor->post(plug(radio->port(), "USB-Serial Prolific"));
        QTRY_COMPARE(f.portList()->count(), 1);
        QCOMPARE(f.portList()->currentIndex(), -1);
        QVERIFY(!f.serialPort().isOpen());
        f.exchangeRunning(false);
    }

  private:
    MainWindow& window() { return *windows->mainWindow; }

    std::unique_ptr<TestDataFolder> data;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::shared_ptr<duoband::QueuedPortMonitor> monitor;
    std::unique_ptr<TestRadio> radio;
    std::unique_ptr<Windows> windows;
};

QTEST_MAIN(PortHotplugTest)
#include "port_hotplug_test.moc"
