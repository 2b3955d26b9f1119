// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_check_panel.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "compare_panel.h"
#include "pages/page_widgets.h"

namespace {

enum ListColumn { Where, What };

QString countText(std::size_t problems, std::size_t notes) {
    QString text = problems == 0   ? PlanCheckPanel::tr("no problems")
                   : problems == 1 ? PlanCheckPanel::tr("1 problem")
                                   : PlanCheckPanel::tr("%1 problems").arg(problems);
    if (notes == 1) text += PlanCheckPanel::tr(", 1 note");
    if (notes > 1) text += PlanCheckPanel::tr(", %1 notes").arg(notes);
    return text;
}

}  // namespace

PlanCheckPanel::PlanCheckPanel(QWidget* parent) : QDockWidget(parent) {
    setObjectName("planCheckPanel");
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    toggleViewAction()->setVisible(false);
    list = new QTreeWidget;
    list->setObjectName("planFindingList");
    list->setAccessibleName(tr("Channel plan problems"));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setHeaderLabels({tr("Where"), tr("Problem")});
    list->header()->setSectionResizeMode(QHeaderView::Interactive);
    list->setColumnWidth(Where, 380);
    setWidget(list);
    nameTitleButtons();

    connect(list, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { chooseRow(current, false); });
    connect(list, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { chooseRow(item, true); });
    connect(list, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { chooseRow(item, true); });
}

void PlanCheckPanel::nameTitleButtons() {
    if (auto* close = findChild<QAbstractButton*>("qt_dockwidget_closebutton"))
        close->setAccessibleName(tr("Close the channel plan check"));
    if (auto* floating = findChild<QAbstractButton*>("qt_dockwidget_floatbutton"))
        floating->setAccessibleName(tr("Float the channel plan check"));
}

void PlanCheckPanel::changeEvent(QEvent* event) {
    QDockWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) nameTitleButtons();
}

void PlanCheckPanel::showFindings(std::vector<duoband::PlanFinding> findings) {
    const int chosen =
        list->currentItem() != nullptr ? list->indexOfTopLevelItem(list->currentItem()) : -1;
    findings_ = std::move(findings);
    const std::size_t problems = duoband::problemCount(findings_);
    setWindowTitle(tr("Channel plan: %1").arg(countText(problems, findings_.size() - problems)));
    const QSignalBlocker quiet(list);
    list->clear();
    QList<QTreeWidgetItem*> rows;
    for (const duoband::PlanFinding& f : findings_) {
        const QString where = ComparePanel::placeText(f.where);
        const bool note = f.kind == duoband::FindingKind::Note;
        auto* item = new QTreeWidgetItem(
            {note ? tr("Note: %1").arg(where) : where, pages::fromCorePhrase(f.what)});
        if (note) {
            for (int c = Where; c <= What; ++c)
                item->setForeground(c, palette().brush(QPalette::Disabled, QPalette::Text));
        }
        rows << item;
    }
    list->addTopLevelItems(rows);
    if (chosen >= 0 && list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(std::min(chosen, list->topLevelItemCount() - 1)));
}

void PlanCheckPanel::chooseFirstRow() {
    list->setFocus(Qt::OtherFocusReason);
    if (list->topLevelItemCount() == 0) return;
    list->setCurrentItem(list->topLevelItem(0));
    chooseRow(list->currentItem(), false);
}

void PlanCheckPanel::chooseRow(QTreeWidgetItem* item, bool focus) {
    const int row = item != nullptr ? list->indexOfTopLevelItem(item) : -1;
    if (row < 0 || row >= static_cast<int>(findings_.size())) return;
    emit placeChosen(findings_[static_cast<std::size_t>(row)].where, focus);
}
