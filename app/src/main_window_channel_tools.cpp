// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Channels menu: the dialogs of the channel tools and where their
// results go. The tools' rules are the editor's.
#include <QTabWidget>

#include "channel_tool_dialogs.h"
#include "main_window.h"
#include "pages/channel_table_model.h"
#include "pages/channel_table_page.h"
#include "pages/page_widgets.h"
#include "user_dialogs.h"

namespace {

// A tool's dialog: opened without a nested loop, gone when closed; `apply`
// runs when it is accepted.
template <class Dialog, class Apply>
void openToolDialog(Dialog* dialog, Apply apply) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, dialog, [dialog, apply] { apply(*dialog); });
    dialog->open();
}

duoband::Column toolColumn(const ChannelTablePage& page) {
    const duoband::Column column = page.cellPointer().column;
    return column == duoband::Column::Number ? duoband::Column::RxFrequency : column;
}

}  // namespace

void MainWindow::fillSeries() {
    ChannelTablePage* page = currentChannelPage();
    if (page == nullptr) return;
    page->commitPendingEdit();
    const int channels = static_cast<int>(page->selectedRows().size());
    openToolDialog(new FillSeriesDialog(toolColumn(*page), channels, this),
                   [page](const FillSeriesDialog& d) { page->fillSeries(d.column(), d.rule()); });
}

void MainWindow::setRepeaterOffset() {
    ChannelTablePage* page = currentChannelPage();
    if (page == nullptr) return;
    page->commitPendingEdit();
    openToolDialog(new RepeaterOffsetDialog(this), [page](const RepeaterOffsetDialog& d) {
        page->setRepeaterOffset(d.shift(), d.offset());
    });
}

void MainWindow::sortChannels() {
    ChannelTablePage* page = currentChannelPage();
    if (page == nullptr) return;
    page->commitPendingEdit();
    const bool several = page->selectedRows().size() > 1;
    openToolDialog(new SortDialog(toolColumn(*page), several, this), [page](const SortDialog& d) {
        page->sortChannels(d.column(), d.order(), d.wholeBand());
    });
}

FindReplaceDialog* MainWindow::findReplaceDialog() {
    if (findReplaceDialog_ == nullptr) {
        findReplaceDialog_ = new FindReplaceDialog(this);
        connect(findReplaceDialog_, &FindReplaceDialog::findNext, this, &MainWindow::findNextCell);
        connect(findReplaceDialog_, &FindReplaceDialog::replaceAll, this,
                &MainWindow::replaceAllCells);
    }
    return findReplaceDialog_;
}

void MainWindow::findInChannels() {
    findReplaceDialog()->showForFind();
}

void MainWindow::findAndReplace() {
    findReplaceDialog()->showForFind();
    findReplaceDialog_->replaceEdit->setFocus(Qt::ShortcutFocusReason);
    if (findReplaceDialog_->findEdit->text().isEmpty())
        findReplaceDialog_->findEdit->setFocus(Qt::ShortcutFocusReason);
}

// From the current cell of the channel grid shown, else from band A's first.
void MainWindow::findNextCell() {
    duoband::CellPlace from{duoband::Band::A, 1, duoband::Column::Number};
    if (const ChannelTablePage* page = currentChannelPage()) {
        const QModelIndex current = page->grid()->currentIndex();
        from = {page->band(), 1, duoband::Column::Number};
        if (current.isValid()) {
            from = {page->band(), ChannelTableModel::gridRow(current),
                    duoband::columnAt(current.column())};
        }
    }
    const duoband::SearchTerms terms = findReplaceDialog_->terms();
    const std::optional<duoband::CellPlace> found = duoband::findCell(model(), terms, from);
    if (!found) {
        const QString text = findReplaceDialog_->findEdit->text();
        userDialogs().information(
            findReplaceDialog_, terms.everyColumn ? tr("No cell holds \"%1\".").arg(text)
                                                  : tr("No channel name holds \"%1\".").arg(text));
        return;
    }
    duoband::ComparePlace where;
    where.cell = *found;
    showPlace(where, false);
}

void MainWindow::replaceAllCells() {
    commitPendingEdits();
    const duoband::ToolReport report =
        duoband::replaceAll(model(), findReplaceDialog_->terms(),
                            pages::toModelText(findReplaceDialog_->replacement()));
    showModel();
    recordEdit(tr("Replace %1 cells").arg(report.cellsChanged));
    QString text = report.cellsChanged == 1 ? tr("1 cell replaced.")
                                            : tr("%1 cells replaced.").arg(report.cellsChanged);
    if (!report.refused.empty()) {
        text += "\n" + tr("%1 values were not taken:").arg(report.refused.size()) + "\n" +
                pages::fromCorePhrase(duoband::describeRefusedToolValues(report.refused));
    }
    userDialogs().information(findReplaceDialog_, text);
}
