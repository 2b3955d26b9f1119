// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare_panel.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "duoband/settings_table.h"
#include "pages/page_widgets.h"

using duoband::CompareEntry;
using duoband::EntryKind;

namespace {

enum ListColumn { Where, This, Other };

// Choices are list entries, shown in the window's language; cells and texts
// are the radio's bytes.
bool isListEntry(const duoband::ComparePlace& where) {
    if (where.cell) return duoband::channelColumn(where.cell->column).kind == duoband::CellEditorKind::Choice;
    return where.setting && duoband::setting(where.setting->id).isChoice();
}

QString hexOf(const duoband::Bytes& bytes) {
    QStringList hex;
    for (std::uint8_t byte : bytes) hex << QString("%1").arg(byte, 2, 16, QChar('0')).toUpper();
    return hex.join(' ');
}

// A side's value as the editor shows it; where both sides show the same
// (bytes no column or page shows), its bytes too.
QString shownValue(const CompareEntry& entry, const std::string& value, const duoband::Bytes& bytes) {
    QString shown = value.empty()           ? ComparePanel::tr("(empty)")
                    : isListEntry(entry.where) ? pages::fromCoreText(value)
                                            : pages::fromModelText(value);
    if (duoband::showsTheSame(entry) && !entry.where.address) shown += " [" + hexOf(bytes) + "]";
    return shown;
}

QString countText(std::size_t differences, std::size_t notes) {
    QString text = differences == 0   ? ComparePanel::tr("no differences")
                   : differences == 1 ? ComparePanel::tr("1 difference")
                                      : ComparePanel::tr("%1 differences").arg(differences);
    if (notes == 1) text += ComparePanel::tr(", 1 note");
    if (notes > 1) text += ComparePanel::tr(", %1 notes").arg(notes);
    return text;
}

}  // namespace

ComparePanel::ComparePanel(QWidget* parent) : QDockWidget(parent) {
    setObjectName("comparePanel");
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    list = new QTreeWidget;
    list->setObjectName("differenceList");
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setHeaderLabels({tr("Where"), tr("This configuration"), tr("Other")});
    list->header()->setSectionResizeMode(QHeaderView::Interactive);
    list->setColumnWidth(Where, 380);
    list->setColumnWidth(This, 180);
    problem_ = new QLabel;
    problem_->setObjectName("compareProblem");
    problem_->setWordWrap(true);
    problem_->hide();
    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(problem_);
    column->addWidget(list);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(4, 0, 4, 4);
    row->addLayout(column, 1);
    auto* content = new QWidget;
    content->setLayout(row);
    setWidget(content);

    connect(list, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { chooseRow(current, false); });
    connect(list, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { chooseRow(item, true); });
    connect(list, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { chooseRow(item, true); });
    connect(list, &QTreeWidget::itemSelectionChanged, this, &ComparePanel::selectionChanged);
}

void ComparePanel::setTakeActions(QAction* takeSelected, QAction* takeAll) {
    auto* buttons = new QVBoxLayout;
    for (QAction* action : {takeSelected, takeAll}) {
        auto* button = new QToolButton;
        button->setObjectName(action->objectName() + "Button");
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    static_cast<QHBoxLayout*>(widget()->layout())->addLayout(buttons);
}

void ComparePanel::setTitle(const QString& otherName, const QString& outcome) {
    setWindowTitle(tr("Compared with %1: %2").arg(otherName, outcome));
}

void ComparePanel::showComparison(const QString& otherName, std::vector<CompareEntry> entries) {
    const int chosen = list->currentItem() != nullptr ? rowOf(list->currentItem()) : -1;
    entries_ = std::move(entries);
    problem_->hide();
    const std::size_t differences = duoband::differenceCount(entries_);
    setTitle(otherName, countText(differences, entries_.size() - differences));
    list->headerItem()->setText(Other, otherName);
    {
        const QSignalBlocker quiet(list);
        list->clear();
        QList<QTreeWidgetItem*> rows;
        for (const CompareEntry& entry : entries_) {
            const QString where = pages::fromCorePhrase(duoband::describePlace(entry.where));
            const bool note = entry.kind == EntryKind::Note;
            auto* item = new QTreeWidgetItem(
                {note ? tr("Note: %1").arg(where) : where, shownValue(entry, entry.a, entry.aBytes),
                 shownValue(entry, entry.b, entry.bBytes)});
            if (note) {
                for (int c = Where; c <= Other; ++c)
                    item->setForeground(c, palette().brush(QPalette::Disabled, QPalette::Text));
            }
            rows << item;
        }
        list->addTopLevelItems(rows);
        if (chosen >= 0 && list->topLevelItemCount() > 0) {
            QTreeWidgetItem* kept = list->topLevelItem(std::min(chosen, list->topLevelItemCount() - 1));
            list->setCurrentItem(kept);
        }
    }
    list->viewport()->update();
    emit selectionChanged();
}

void ComparePanel::showProblem(const QString& otherName, const QString& why) {
    entries_.clear();
    {
        const QSignalBlocker quiet(list);
        list->clear();
    }
    setTitle(otherName, tr("not compared"));
    problem_->setText(why);
    problem_->show();
    emit selectionChanged();
}

int ComparePanel::rowOf(const QTreeWidgetItem* item) const {
    return list->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
}

void ComparePanel::chooseRow(QTreeWidgetItem* item, bool focus) {
    const int row = item != nullptr ? rowOf(item) : -1;
    if (row < 0 || row >= static_cast<int>(entries_.size())) return;
    emit placeChosen(entries_[static_cast<std::size_t>(row)].where, focus);
}

std::vector<CompareEntry> ComparePanel::selectedDifferences() const {
    std::vector<CompareEntry> chosen;
    for (std::size_t row = 0; row < entries_.size(); ++row) {
        const QTreeWidgetItem* item = list->topLevelItem(static_cast<int>(row));
        if (item->isSelected() && entries_[row].kind == EntryKind::Difference)
            chosen.push_back(entries_[row]);
    }
    return chosen;
}

std::vector<CompareEntry> ComparePanel::differences() const {
    std::vector<CompareEntry> all;
    for (const CompareEntry& entry : entries_) {
        if (entry.kind == EntryKind::Difference) all.push_back(entry);
    }
    return all;
}

void ComparePanel::closeEvent(QCloseEvent* event) {
    QDockWidget::closeEvent(event);
    emit closed();
}
