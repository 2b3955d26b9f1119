// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's comparison: File > Compare With File... and Compare
// With Backup..., Edit > Compare With Radio..., the compare panel and the
// marks of the channel grids, Take Other Value and Take All. The comparison
// and the taking are rules of the core (compare.h, taking_values.h); the
// window keeps the other side, shows the differences and forwards the takes.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUndoStack>
#include <map>

#include "backups_dialog.h"
#include "compare_panel.h"
#include "duoband/taking_values.h"
#include "file_paths.h"
#include "main_window.h"
#include "pages/channel_table_page.h"
#include "pages/page_widgets.h"
#include "transfer_dialogs.h"
#include "user_dialogs.h"

namespace {

// What a cell's tool tip says of the other side's value.
QString otherValueTip(const QString& otherName, const duoband::CompareEntry& entry) {
    const duoband::Column column = entry.where.cell->column;
    const bool choice = duoband::channelColumn(column).kind == duoband::CellEditorKind::Choice;
    const QString value = entry.b.empty() ? MainWindow::tr("(empty)")
                          : choice        ? pages::fromCoreText(entry.b)
                                          : pages::fromModelText(entry.b);
    if (column == duoband::Column::Number)
        return MainWindow::tr("The channel differs from %1 in bytes no column shows")
            .arg(otherName);
    return MainWindow::tr("%1 holds %2").arg(otherName, value);
}

}  // namespace

void MainWindow::buildComparePanel() {
    comparePanel_ = new ComparePanel(this);
    comparePanel_->setTakeActions(menuBar()->findChild<QAction*>("takeOtherValueAction"),
                                  menuBar()->findChild<QAction*>("takeAllAction"));
    addDockWidget(Qt::BottomDockWidgetArea, comparePanel_);
    comparePanel_->hide();
    connect(comparePanel_, &ComparePanel::placeChosen, this, &MainWindow::showPlace);
    connect(comparePanel_, &ComparePanel::selectionChanged, this, &MainWindow::updateCommandStates);
    connect(comparePanel_, &ComparePanel::closed, this, &MainWindow::endComparison);
    // Every step, an undo and a redo included, is compared afresh.
    connect(&document_->history().stack(), &QUndoStack::indexChanged, this, [this] {
        if (compared_) recompare();
    });
}

void MainWindow::compareWithFile() {
    const QString name = userDialogs().openFileName(this, tr("Compare With File"), "*.bc *.img");
    if (!name.isEmpty()) compareWithFileNamed(name, QFileInfo(name).fileName());
}

void MainWindow::compareWithBackup() {
    BackupsDialog dialog(backupFolder_, this);
    dialog.setWindowTitle(tr("Compare With Backup"));
    dialog.openButton->setText(tr("Compare"));
    dialog.exec();
    const QString chosen = dialog.chosen();
    if (!chosen.isEmpty())
        compareWithFileNamed(chosen, tr("the backup %1").arg(QFileInfo(chosen).fileName()));
}

void MainWindow::compareWithFileNamed(const QString& file, const QString& name) {
    duoband::ComparedSide side;
    const duoband::FileResult opened = duoband::openComparedSide(toPath(file), side);
    if (!opened.ok()) {
        userDialogs().error(this, QString::fromStdString(opened.error));
        return;
    }
    startComparison(std::move(side), name);
}

// The read goes aside, as Read's does, and is kept as a backup; the open
// configuration stays as it is.
void MainWindow::compareWithRadio() {
    recordPendingEdit();
    auto* read = qobject_cast<ReadDialog*>(readDialog_);
    if (read == nullptr) return;
    read->setForComparison(true);
    showModal(read);
    read->setForComparison(false);
    if (!read->succeeded()) return;
    startComparison({read->received(), duoband::SideKind::Image},
                    tr("the radio on %1").arg(QString::fromStdString(serialPort().path())));
}

void MainWindow::startComparison(duoband::ComparedSide side, const QString& name) {
    recordPendingEdit();
    compared_ = std::move(side);
    comparedName_ = name;
    recompare();
    if (comparePanel_->isHidden()) {
        comparePanel_->show();
        // About seven rows: the pages keep most of the window.
        resizeDocks({comparePanel_}, {comparePanel_->fontMetrics().lineSpacing() * 11},
                    Qt::Vertical);
    }
    comparePanel_->raise();
    comparePanel_->chooseFirstRow();
}

void MainWindow::recompare() {
    if (!compared_) return;
    duoband::ComparedSide open;
    const duoband::FileResult encoded = duoband::configurationSide(document_->model(), open);
    if (!encoded.ok()) {
        comparePanel_->showProblem(comparedName_, tr("This configuration cannot be compared: %1")
                                                      .arg(QString::fromStdString(encoded.error)));
    } else {
        comparePanel_->showComparison(
            comparedName_,
            duoband::compareConfigurations(open.image, compared_->image,
                                           duoband::looseBytesFor(open.kind, compared_->kind)));
    }
    markDifferingCells();
    updateCommandStates();
}

void MainWindow::markDifferingCells() {
    std::map<duoband::Band, std::map<std::pair<int, duoband::Column>, QString>> cells;
    for (const duoband::CompareEntry& entry : comparePanel_->entries()) {
        if (!entry.where.cell) continue;
        const duoband::ComparePlace::Cell& cell = *entry.where.cell;
        cells[cell.band][{cell.channel, cell.column}] = otherValueTip(comparedName_, entry);
    }
    for (const EditorPage& page : pages_) {
        if (auto* channels = qobject_cast<ChannelTablePage*>(page.widget))
            channels->markDifferences(std::move(cells[channels->band()]));
    }
}

// Closing the panel ends the comparison: the other side goes, and the marks.
void MainWindow::endComparison() {
    compared_.reset();
    for (const EditorPage& page : pages_) {
        if (auto* channels = qobject_cast<ChannelTablePage*>(page.widget))
            channels->markDifferences({});
    }
    updateCommandStates();
}

void MainWindow::showPlace(const duoband::ComparePlace& where, bool focus) {
    if (where.cell) {
        for (const EditorPage& page : pages_) {
            auto* channels = qobject_cast<ChannelTablePage*>(page.widget);
            if (channels == nullptr || channels->band() != where.cell->band) continue;
            pageTabs_->setCurrentWidget(channels);
            const duoband::Column column = where.cell->column == duoband::Column::Number
                                               ? duoband::Column::RxFrequency
                                               : where.cell->column;
            channels->showCell(column, where.cell->channel);
            if (focus) channels->grid()->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    if (!where.setting) return;
    const QString name = QString::fromStdString(duoband::settingObjectName(*where.setting));
    for (const EditorPage& page : pages_) {
        auto* control = page.widget->findChild<QWidget*>(name);
        if (control == nullptr) continue;
        pageTabs_->setCurrentWidget(page.widget);
        if (auto* scrolled = qobject_cast<QScrollArea*>(centralWidget()))
            scrolled->ensureWidgetVisible(control);
        if (focus) control->setFocus(Qt::OtherFocusReason);
        return;
    }
}

bool MainWindow::canTakeOtherValue() const {
    return compared_ && !comparePanel_->selectedDifferences().empty();
}

bool MainWindow::canTakeAll() const {
    return compared_ && duoband::differenceCount(comparePanel_->entries()) > 0;
}

void MainWindow::takeOtherValue() {
    takeValues(comparePanel_->selectedDifferences(), tr("Take Other Value"));
}

void MainWindow::takeAllOtherValues() {
    takeValues(comparePanel_->differences(), tr("Take All"));
}

void MainWindow::takeValues(const std::vector<duoband::CompareEntry>& entries,
                            const QString& step) {
    if (!compared_ || entries.empty() || exchangesRunning_ > 0) return;
    recordPendingEdit();
    const duoband::TakeReport report = duoband::takeOtherValues(document_->model(), entries);
    showModel();
    recordEdit(step);
    if (report.refused.empty()) return;
    const QString heading = report.refused.size() == 1
                                ? tr("1 value was not taken:")
                                : tr("%1 values were not taken:").arg(report.refused.size());
    userDialogs().warning(
        this,
        heading + "\n" + pages::fromCorePhrase(duoband::describeRefusedValues(report.refused)));
}
