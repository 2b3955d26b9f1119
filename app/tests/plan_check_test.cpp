// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Channels > Check Channel Plan, and the question before Write and the
// station write a plan with problems.
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "app_test_support.h"
#include "application.h"
#include "main_window.h"
#include "pages/channel_table_page.h"
#include "plan_check_panel.h"
#include "station_window.h"

using duoband::Band;
using duoband::Column;
using duoband::ListedPort;
using duoband::PortEvent;

namespace {

constexpr int kMessageColumn = 6;

void setChannel(duoband::EditorModel& model, int ch, const std::string& name) {
    duoband::ChannelTable& t = model.channels(Band::B);
    t.cell(Column::RxFrequency, ch) = "145.50000";
    t.cell(Column::TxFrequency, ch) = "145.50000";
    for (Column c : {Column::RxTone, Column::TxTone}) t.cell(c, ch) = "OFF";
    t.cell(Column::RxMode, ch) = "QT/DQT";
    for (Column c : {Column::LaunchSignalling, Column::EndSignalling}) t.cell(c, ch) = "OFF";
    t.cell(Column::Power, ch) = "High";
    t.cell(Column::Bandwidth, ch) = "Wide";
    t.cell(Column::Compandor, ch) = "OFF";
    t.cell(Column::Scrambler, ch) = "OFF";
    t.cell(Column::Name, ch) = name;
}

// Band B channels 10 and 11 the same but for their names: one problem.
duoband::EditorModel twoAlike() {
    duoband::EditorModel model;
    setChannel(model, 10, "TEN");
    setChannel(model, 11, "ELEVEN");
    return model;
}

bool noFrameIn(const QString& log) {
    QFile file(log);
    return !file.open(QIODevice::ReadOnly) || file.readAll().isEmpty();
}

}  // namespace

class PlanCheckTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        data = std::make_unique<TestDataFolder>();
        dialogs = std::make_unique<ScriptedDialogs>();
    }
    void cleanup() {
        windows.reset();
        radios.clear();
        dialogs.reset();
        data.reset();
        appSettings::clear();
    }

    // The panel lists the problem, its row shows the cell, and it follows edits.
    void thePanelListsTheProblemsAndShowsTheirCells() {
        open(PortOptions{{}, false});
        editor().model() = twoAlike();
        editor().findChild<QAction*>("checkChannelPlanAction")->trigger();
        PlanCheckPanel* panel = editor().planCheckPanel();
        QVERIFY(!panel->isHidden());
        QCOMPARE(panel->windowTitle(), QString("Channel plan: 1 problem"));
        QCOMPARE(panel->list->topLevelItem(0)->text(0), QString("Band B channel 11"));
        QCOMPARE(panel->list->topLevelItem(0)->text(1), QString("the same as channel 10"));
        ChannelTablePage* page = editor().currentChannelPage();
        QVERIFY(page != nullptr && page->band() == Band::B);
        QCOMPARE(page->grid()->currentIndex().row(), 10);  // channel 11

        for (Column c : {Column::RxFrequency, Column::TxFrequency})
            editor().model().channels(Band::B).cell(c, 11) = "145.51250";
        editor().recordEdit("fix");
        QCOMPARE(panel->windowTitle(), QString("Channel plan: no problems"));
    }

    // Cancel keeps the radio as it was: the write never starts.
    void writeAsksAndCancelSendsNothing() {
        const QString log = folder.filePath("write.log");
        plugRadio(log);
        open(PortOptions{{radios.back()->port()}, false});
        editor().model() = twoAlike();
        dialogs->planAnswers = {false};
        editor().findChild<QAction*>("writeAction")->trigger();
        QCOMPARE(dialogs->planQuestions.size(), 1);
        QVERIFY2(dialogs->planQuestions[0].contains("\nBand B channel 11: the same as channel 10"),
                 qPrintable(dialogs->planQuestions[0]));
        QVERIFY(noFrameIn(log));
    }

    // With auto start, a radio plugged in while the question stands does not
    // start and says why; once answered, the station does not ask again.
    void aPluggedRadioWaitsForTheAnswer() {
        auto monitor = std::make_shared<duoband::QueuedPortMonitor>();
        open(PortOptions{{}, false, monitor});
        appSettings::setStationText("logFile", folder.filePath("station.csv"));
        appSettings::setStationOption("fastBox", true);
        appSettings::setStationOption("backupFirstBox", false);
        editor().model() = twoAlike();
        dialogs->planAnswers = {std::nullopt};
        editor().findChild<QAction*>("programManyAction")->trigger();
        auto* station = editor().findChild<StationWindow*>();
        QVERIFY(station->findChild<QCheckBox*>("autoStartBox")->isChecked());
        QTRY_COMPARE(dialogs->planQuestions.size(), 1);

        const QString log = folder.filePath("station_radio.log");
        plugRadio(log);
        monitor->post(
            {PortEvent::Kind::Added, ListedPort{radios.back()->port(), "USB-Serial", true}});
        auto* table = station->findChild<QTableWidget*>("radioTable");
        QTRY_VERIFY_WITH_TIMEOUT(table->item(0, kMessageColumn) != nullptr &&
                                     table->item(0, kMessageColumn)
                                         ->text()
                                         .startsWith("Not started: the channel plan has problems"),
                                 5000);
        QVERIFY(noFrameIn(log));

        std::exchange(dialogs->pendingPlanAnswer, nullptr)(true);
        station->programListedPorts();
        QCOMPARE(dialogs->planQuestions.size(), 1);
        QVERIFY(logLinesStartingWith(log, "HANDSHAKE", 1) == 1);
        station->stopAll();
    }

  private:
    MainWindow& editor() { return *windows->mainWindow; }
    void open(PortOptions ports) {
        windows = std::make_unique<Windows>(DataFolder(data->dir()), std::move(ports));
    }
    void plugRadio(const QString& log) {
        radios.push_back(std::make_unique<TestRadio>(
            std::vector<std::string>{"--log", log.toStdString(), "--usb-packet", "7"}));
        QVERIFY2(radios.back()->started(), qPrintable(radios.back()->error()));
    }

    QTemporaryDir folder;
    std::unique_ptr<TestDataFolder> data;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::vector<std::unique_ptr<TestRadio>> radios;
    std::unique_ptr<Windows> windows;
};

QTEST_MAIN(PlanCheckTest)
#include "plan_check_test.moc"
