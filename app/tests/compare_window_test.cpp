// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Comparing the open configuration with a file and with the radio in the
// real window: the panel's rows, the marks of the grids, showing a row's
// place, and taking the other values as one step.
#include <QAction>
#include <QApplication>
#include <QProgressBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>

#include "app_test_support.h"
#include "compare_panel.h"
#include "duoband/channel_editing.h"
#include "duoband/compared_side.h"
#include "duoband/radio_sim_sample.h"
#include "duoband/settings_editing.h"
#include "duoband/settings_file.h"
#include "main_window.h"
#include "pages/channel_table_page.h"
#include "transfer_dialogs.h"
#include "window_fixture.h"

using duoband::Band;
using duoband::Column;

namespace {

void typeFrequency(duoband::EditorModel& model, Band band, int channel, std::string_view mhz) {
    duoband::commitChannelFrequency(model, band, {Column::RxFrequency, channel},
                                    duoband::ChannelEntry::ReceiveFrequency, mhz);
}

// The marked cells of both grids: "A3 rxFrequency: other.bc holds 145.50000".
QStringList markedCells(MainWindow& window) {
    QStringList marked;
    for (Band band : duoband::kBands) {
        const QString grid = band == Band::A ? "bandA.channels" : "bandB.channels";
        const QAbstractItemModel* cells = window.findChild<ChannelGrid*>(grid)->model();
        for (int row = 0; row < cells->rowCount(); ++row) {
            for (int column = 1; column < cells->columnCount(); ++column) {
                const QModelIndex index = cells->index(row, column);
                if (!cells->data(index, Qt::BackgroundRole).isValid()) continue;
                marked << QString("%1%2 %3: %4")
                              .arg(band == Band::A ? "A" : "B")
                              .arg(row + 1)
                              .arg(duoband::channelColumns()[column].name.data())
                              .arg(cells->data(index, Qt::ToolTipRole).toString());
            }
        }
    }
    return marked;
}

QStringList rows(const ComparePanel& panel) {
    QStringList shown;
    for (int row = 0; row < panel.list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = panel.list->topLevelItem(row);
        shown << item->text(0) + " | " + item->text(1) + " | " + item->text(2);
    }
    return shown;
}

void trigger(MainWindow& window, const char* action) {
    window.findChild<QAction*>(action)->trigger();
}

// The radio's memory as a full read receives it.
duoband::RadioImage imageOf(const duoband::sim::Memory& memory) {
    duoband::RadioImage image;
    for (int step = 0; step < duoband::kTransferSteps; ++step) {
        const duoband::TransferStep& t = duoband::transferPlan()[static_cast<std::size_t>(step)];
        duoband::storeAnswer(image, step, std::span(memory).subspan(t.address, t.length));
    }
    return image;
}

}  // namespace

class CompareWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // This configuration: band A channel 3 on 146 MHz, band B channel 7 on
    // 145 MHz. The other file: channel 3 on 145.5 MHz, channel 7 at Low
    // power, squelch level 5.
    void compareWithFileMarksTakesAndUndoes() {
        WindowFixture f;
        MainWindow& window = f.window();
        window.show();
        duoband::EditorModel other;
        typeFrequency(other, Band::A, 3, "145.5");
        typeFrequency(other, Band::B, 7, "145");
        duoband::commitChannelChoice(other, Band::B, {Column::Power, 7}, 0);
        duoband::pickChoice(other, duoband::SettingRef{duoband::SettingId::SquelchLevel}, 5);
        QVERIFY(duoband::saveSettingsFile(other, f.data.path("other.bc").toStdString()).ok());
        typeFrequency(window.model(), Band::A, 3, "146");
        typeFrequency(window.model(), Band::B, 7, "145");
        window.showModel();
        window.recordEdit("typed");
        const duoband::EditorModel before = window.model();

        f.dialogs.fileNames.push_back(f.data.path("other.bc"));
        trigger(window, "compareWithFileAction");
        ComparePanel& panel = *window.comparePanel();
        QVERIFY(panel.isVisible());
        QCOMPARE(panel.windowTitle(), QString("Compared with other.bc: 3 differences"));
        const QStringList differences{
            "Band A channel 3, Receiving Frequency | 146.00000 | 145.50000",
            "Band B channel 7, Power | High | Low",
            "\"Squelch level\" on \"Comprehensive Setting\" | 3 | 5"};
        QCOMPARE(rows(panel), differences);
        const QStringList marks{"A3 rxFrequency: other.bc holds 145.50000",
                                "B7 power: other.bc holds Low"};
        QCOMPARE(markedCells(window), marks);
        QVERIFY(window.model() == before);

        // Selecting a row shows its cell (no editor opens) or its control.
        panel.list->setCurrentItem(panel.list->topLevelItem(1));
        auto* page = qobject_cast<ChannelTablePage*>(window.pageTabs()->currentWidget());
        QVERIFY(page != nullptr && page->band() == Band::B);
        QCOMPARE(page->grid()->currentIndex(),
                 page->grid()->model()->index(6, duoband::columnIndex(Column::Power)));
        panel.list->setCurrentItem(panel.list->topLevelItem(2));
        QCOMPARE(window.pageTabs()->currentIndex(), 4);

        // Two rows taken are one step; Undo brings the values and marks back.
        const int steps = window.history().stack().count();
        panel.list->topLevelItem(0)->setSelected(true);
        panel.list->topLevelItem(1)->setSelected(true);
        panel.list->topLevelItem(2)->setSelected(false);
        trigger(window, "takeOtherValueAction");
        QCOMPARE(window.history().stack().count(), steps + 1);
        QCOMPARE(window.model().channels(Band::A).cell(Column::RxFrequency, 3), "145.50000");
        QCOMPARE(window.model().channels(Band::B).cell(Column::Power, 7), "Low");
        QCOMPARE(rows(panel), differences.mid(2));
        QVERIFY(markedCells(window).isEmpty());
        trigger(window, "undoAction");
        QVERIFY(window.model() == before);
        QCOMPARE(rows(panel), differences);
        QCOMPARE(markedCells(window), marks);

        // Closing the panel ends the comparison.
        panel.close();
        QVERIFY(markedCells(window).isEmpty());
        QVERIFY(!window.findChild<QAction*>("takeAllAction")->isEnabled());
    }

    // The acceptance: the radio read aside (and kept as a backup) shows its
    // differences; Take All, then Save, gives a file equal to the radio.
    void compareWithRadioThenTakeAllSavesTheRadio() {
        TestDataFolder data;
        ScriptedDialogs dialogs;
        TestRadio radio({"--sample"});
        QVERIFY2(radio.started(), qPrintable(radio.error()));
        Windows windows(DataFolder(data.dir()), PortOptions{{radio.port()}, false});
        MainWindow& window = *windows.mainWindow;
        window.serialPort().setReadIntervalMs(0);
        QTemporaryDir backups;
        window.setBackupFolder(backups.path().toStdString());
        window.show();
        typeFrequency(window.model(), Band::A, 1, "440");
        window.showModel();
        const duoband::EditorModel before = window.model();

        // While the read runs, no compare command can start another.
        QStringList usableWhileReading;
        QTimer::singleShot(0, [&] {
            auto* progress = windows.readDialog->findChild<QProgressBar*>("progressBar");
            QObject::connect(progress, &QProgressBar::valueChanged, [&](int step) {
                if (step != 1) return;
                for (const char* name : {"compareWithFileAction", "compareWithBackupAction",
                                         "compareWithRadioAction"}) {
                    if (window.findChild<QAction*>(name)->isEnabled()) usableWhileReading << name;
                }
            });
            windows.readDialog->startTransfer();
        });
        trigger(window, "compareWithRadioAction");
        QVERIFY(usableWhileReading.isEmpty());
        QVERIFY(window.findChild<QAction*>("compareWithRadioAction")->isEnabled());
        ComparePanel& panel = *window.comparePanel();
        QVERIFY(panel.isVisible());
        QVERIFY(window.model() == before);
        QCOMPARE(QDir(backups.path()).entryList({"*.img"}).size(), 1);
        const std::size_t found = duoband::differenceCount(panel.entries());
        QVERIFY(found > 20);
        QVERIFY(panel.windowTitle().contains(QString("%1 differences").arg(found)));
        QVERIFY(!markedCells(window).isEmpty());

        QCOMPARE(dialogs.lastText(), QString("Read success!"));
        trigger(window, "takeAllAction");
        QCOMPARE(dialogs.lastText(), QString("Read success!"));  // nothing was refused
        QCOMPARE(duoband::differenceCount(panel.entries()), std::size_t{0});
        QVERIFY(markedCells(window).isEmpty());
        dialogs.fileNames.push_back(data.path("taken.bc"));
        trigger(window, "saveAction");
        QCOMPARE(dialogs.lastText(), QString("Save success!"));

        duoband::ComparedSide saved;
        QVERIFY(duoband::openComparedSide(data.path("taken.bc").toStdString(), saved).ok());
        const auto left = duoband::compareConfigurations(
            saved.image, imageOf(duoband::sim::sampleMemory()),
            duoband::looseBytesFor(saved.kind, duoband::SideKind::Image));
        QCOMPARE(duoband::differenceCount(left), std::size_t{0});
    }
};

QTEST_MAIN(CompareWindowTest)
#include "compare_window_test.moc"
