// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The channel tools through the real main window: Ctrl+Enter over a
// selection, the Channels menu's dialogs, and each tool as one undo step.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QUndoStack>
#include <functional>

#include "app_test_support.h"
#include "application.h"
#include "channel_tool_dialogs.h"
#include "duoband/channel_editing.h"
#include "edit_history.h"
#include "main_window.h"
#include "pages/channel_table_page.h"

using duoband::Band;
using duoband::Column;

class ChannelToolsTest : public QObject {
    Q_OBJECT

    MainWindow& window() { return *windows->mainWindow; }
    duoband::EditorModel& model() { return window().model(); }
    ChannelTablePage* page(Band band) {
        const QString grid = band == Band::A ? "bandA.channels" : "bandB.channels";
        return qobject_cast<ChannelTablePage*>(window().findChild<QWidget*>(grid)->parentWidget());
    }
    void showPage(Band band) { window().pageTabs()->setCurrentWidget(page(band)); }
    void click(Band band, Column col, int row, Qt::KeyboardModifiers modifiers = {}) {
        showPage(band);
        ChannelGrid* grid = page(band)->grid();
        const QModelIndex index = grid->model()->index(row - 1, duoband::columnIndex(col));
        grid->scrollTo(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers,
                          grid->visualRect(index).center());
    }
    // Selects `col` of channels first..last of the band shown.
    void selectCells(Band band, Column col, int first, int last) {
        click(band, col, first);
        click(band, col, last, Qt::ShiftModifier);
    }
    void trigger(const char* action) { window().findChild<QAction*>(action)->trigger(); }
    QByteArray saved() {
        trigger("saveAction");
        return data->bytes("plan.bc");
    }
    std::vector<std::string> column(Band band, Column col, int count) {
        std::vector<std::string> cells;
        for (int row = 1; row <= count; ++row)
            cells.push_back(model().channels(band).cell(col, row));
        return cells;
    }
    // Band A channels 1-8 and band B channel 2, saved as plan.bc.
    void savePlan() {
        const char* frequencies[] = {"145.6", "146", "439.5", "145", "144", "147", "438", "146.5"};
        for (int row = 1; row <= 8; ++row) {
            duoband::commitChannelFrequency(model(), Band::A, {Column::RxFrequency, row},
                                            duoband::ChannelEntry::ReceiveFrequency,
                                            frequencies[row - 1]);
            duoband::commitChannelName(model(), Band::A, {Column::Name, row},
                                       "RPT" + std::to_string(row));
        }
        duoband::commitChannelFrequency(model(), Band::B, {Column::RxFrequency, 2},
                                        duoband::ChannelEntry::ReceiveFrequency, "440");
        window().showModel();
        window().recordEdit("plan");
        dialogs->fileNames.push_back(data->path("plan.bc"));
        trigger("saveAsAction");
    }
    template <class Dialog>
    Dialog* openDialog(const char* action) {
        trigger(action);
        return window().findChild<Dialog*>();
    }

  private slots:
    void init() {
        data = std::make_unique<TestDataFolder>();
        dialogs = std::make_unique<ScriptedDialogs>();
        windows = std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{}, false});
        windows->mainWindow->resize(1024, 700);
        windows->mainWindow->show();
        QVERIFY(QTest::qWaitForWindowActive(windows->mainWindow.get()));
        savePlan();
    }
    void cleanup() {
        windows.reset();
        dialogs.reset();
        data.reset();
    }

    void ctrlEnterFillsTheSelectedCellsAsOneStep() {
        const QByteArray original = data->bytes("plan.bc");
        selectCells(Band::A, Column::Name, 1, 4);
        QTest::keyClicks(page(Band::A)->grid(), "B");
        QWidget* entry = QApplication::focusWidget();
        QVERIFY(qobject_cast<QLineEdit*>(entry) != nullptr);
        QTest::keyClicks(entry, "ULK");
        QTest::keyClick(entry, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(column(Band::A, Column::Name, 5),
                 (std::vector<std::string>{"BULK", "BULK", "BULK", "BULK", "RPT5"}));
        QVERIFY(saved().contains(",BULK"));
        trigger("undoAction");
        QCOMPARE(saved(), original);
        QCOMPARE(dialogs->lastKind(), QString("information"));  // "Save success!"

        // A choice picked in the current cell, then Edit > Fill Selection.
        selectCells(Band::A, Column::Power, 2, 3);
        model().channels(Band::A).cell(Column::Power, 3) = "Low";
        trigger("fillSelectionAction");
        QCOMPARE(column(Band::A, Column::Power, 4),
                 (std::vector<std::string>{"High", "Low", "Low", "High"}));
    }

    // Each tool is one step: undo gives the file back byte for byte, redo
    // the tool's result.
    void eachToolUndoesAndRedoesAsOneStep() {
        const std::pair<const char*, std::function<void()>> tools[] = {
            {"fill selection",
             [this] {
                 selectCells(Band::A, Column::RxFrequency, 1, 4);  // channel 4's 145 MHz
                 trigger("fillSelectionAction");
             }},
            {"fill series",
             [this] {
                 selectCells(Band::A, Column::Name, 1, 8);
                 page(Band::A)->fillSeries(Column::Name, {"CH{n:02}"});
             }},
            {"repeater offset",
             [this] {
                 selectCells(Band::A, Column::RxFrequency, 1, 8);
                 page(Band::A)->setRepeaterOffset(duoband::RepeaterShift::Minus, "0.6");
             }},
            {"sort",
             [this] {
                 showPage(Band::A);
                 page(Band::A)->sortChannels(Column::RxFrequency, duoband::SortOrder::Descending,
                                             true);
             }},
            {"replace all",
             [this] {
                 auto* find = openDialog<FindReplaceDialog>("findReplaceAction");
                 find->findEdit->setText("rpt");
                 find->replaceEdit->setText("R");
                 find->replaceAllButton->click();
                 QCOMPARE(dialogs->lastText(), QString("8 cells replaced."));
             }},
        };
        const QByteArray original = data->bytes("plan.bc");
        for (const auto& [name, apply] : tools) {
            const int steps = window().history().stack().index();
            apply();
            QCOMPARE(window().history().stack().index(), steps + 1);
            const QByteArray changed = saved();
            QVERIFY2(changed != original, name);
            trigger("undoAction");
            QVERIFY2(saved() == original, name);
            trigger("redoAction");
            QVERIFY2(saved() == changed, name);
            trigger("undoAction");
        }
    }

    void fillSeriesDialogGivesThePmrFrequencies() {
        selectCells(Band::A, Column::RxFrequency, 1, 8);
        auto* series = openDialog<FillSeriesDialog>("fillSeriesAction");
        QVERIFY(series != nullptr && series->isVisible());
        QCOMPARE(series->column(), Column::RxFrequency);
        series->startEdit->setText("446.00625");
        series->stepEdit->setText("0.0125");
        QVERIFY(series->preview->text().startsWith("446.00625, 446.01875, 446.03125"));
        series->columnList->setCurrentIndex(
            series->columnList->findData(duoband::columnIndex(Column::Power)));
        QVERIFY(series->startEdit->isHidden() && !series->valueList->isHidden());
        series->valueList->setCurrentIndex(0);
        QCOMPARE(series->preview->text(), QString("Low, Low, Low, Low, Low, …"));
        series->columnList->setCurrentIndex(
            series->columnList->findData(duoband::columnIndex(Column::RxFrequency)));
        series->startEdit->setText("446,0");
        QVERIFY(!series->fillButton->isEnabled());
        series->startEdit->setText("446.00625");
        QTest::keyClick(series->startEdit, Qt::Key_Return);
        QCOMPARE(column(Band::A, Column::RxFrequency, 8),
                 (std::vector<std::string>{"446.00625", "446.01875", "446.03125", "446.04375",
                                           "446.05625", "446.06875", "446.08125", "446.09375"}));
    }

    void sortReportsWhatTheChannelNumberSettingShows() {
        model().band(Band::A).channel.select(0);
        showPage(Band::A);
        auto* sort = openDialog<SortDialog>("sortChannelsAction");
        QVERIFY(sort->wholeBandButton->isChecked());
        sort->columnList->setCurrentIndex(
            sort->columnList->findData(duoband::columnIndex(Column::Name)));
        sort->descendingButton->setChecked(true);
        sort->accept();
        QCOMPARE(column(Band::A, Column::Name, 3),
                 (std::vector<std::string>{"RPT8", "RPT7", "RPT6"}));
        QCOMPARE(dialogs->lastText(), QString("Band A: 8 channels moved.\nChannel No.: 1 now shows "
                                              "the channel that was 8 before the sort."));
    }

    void findSelectsTheNextMatchingCellOnItsBand() {
        showPage(Band::A);
        auto* find = openDialog<FindReplaceDialog>("findAction");
        QVERIFY(find->isVisible());
        find->findEdit->setText("440");
        find->everyColumnBox->setChecked(true);
        find->findNextButton->click();
        QCOMPARE(window().pageTabs()->currentWidget(), page(Band::B));
        const QModelIndex current = page(Band::B)->grid()->currentIndex();
        QCOMPARE(current.row() + 1, 2);
        QCOMPARE(current.column(), duoband::columnIndex(Column::RxFrequency));
        find->findEdit->setText("nowhere");
        find->findNextButton->click();
        QCOMPARE(dialogs->lastText(), QString("No cell holds \"nowhere\"."));
    }

  private:
    std::unique_ptr<TestDataFolder> data;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<Windows> windows;
};

QTEST_MAIN(ChannelToolsTest)
#include "channel_tools_test.moc"
