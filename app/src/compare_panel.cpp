// SPDX-FileCopyrightText: 2026 The duoband developers
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
    if (where.cell)
        return duoband::channelColumn(where.cell->column).kind == duoband::CellEditorKind::Choice;
    return where.setting && duoband::setting(where.setting->id).isChoice();
}

QString hex(unsigned value, int digits) {
    return QString::number(value, 16).rightJustified(digits, '0').toUpper();
}

// Where the editor shows the same on both sides (bytes no column or page
// shows), the bytes that differ: "0x0412: 00".
QString changedBytes(const CompareEntry& entry, bool otherSide) {
    QStringList bytes;
    for (const duoband::ByteChange& change : duoband::changedBytes(entry)) {
        const unsigned byte = otherSide ? change.b : change.a;
        bytes
            << QString("0x%1: %2").arg(hex(static_cast<unsigned>(change.address), 4), hex(byte, 2));
    }
    return bytes.join(", ");
}

// A side's value as the editor shows it.
QString shownValue(const CompareEntry& entry, bool otherSide) {
    const std::string& value = otherSide ? entry.b : entry.a;
    if (duoband::showsTheSame(entry) && !entry.where.address && !duoband::isUnknown(entry))
        return changedBytes(entry, otherSide);
    if (value.empty()) return ComparePanel::tr("(empty)");
    return isListEntry(entry.where) ? pages::fromCoreText(value) : pages::fromModelText(value);
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

QString ComparePanel::placeText(const duoband::ComparePlace& where) {
    if (!where.setting) return pages::fromCorePhrase(duoband::describePlace(where));
    const duoband::SettingRef ref = *where.setting;
    const duoband::Setting& setting = duoband::setting(ref.id);
    QString caption = pages::fromCoreText(setting.captionFor(ref.band)).trimmed();
    while (caption.endsWith(':') || caption.endsWith(QChar(0xFF1A))) caption.chop(1);
    return tr("\"%1\" on \"%2\"")
        .arg(caption.trimmed(), pages::fromCoreText(duoband::pageTitle(setting.page, ref.band)));
}

ComparePanel::ComparePanel(QWidget* parent) : QDockWidget(parent) {
    setObjectName("comparePanel");
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    // Shown by a comparison and closed by its close button only: the window's
    // tool bar menu does not offer it.
    toggleViewAction()->setVisible(false);
    list = new QTreeWidget;
    list->setObjectName("differenceList");
    list->setAccessibleName(tr("Differences"));
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
            const QString where = placeText(entry.where);
            const bool note = entry.kind == EntryKind::Note;
            auto* item = new QTreeWidgetItem({note ? tr("Note: %1").arg(where) : where,
                                              shownValue(entry, false), shownValue(entry, true)});
            if (note) {
                for (int c = Where; c <= Other; ++c)
                    item->setForeground(c, palette().brush(QPalette::Disabled, QPalette::Text));
            }
            rows << item;
        }
        list->addTopLevelItems(rows);
        if (chosen >= 0 && list->topLevelItemCount() > 0) {
            QTreeWidgetItem* kept =
                list->topLevelItem(std::min(chosen, list->topLevelItemCount() - 1));
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

void ComparePanel::chooseFirstRow() {
    list->setFocus(Qt::OtherFocusReason);
    if (list->topLevelItemCount() == 0) return;
    list->setCurrentItem(list->topLevelItem(0));
    if (list->currentItem() != nullptr) chooseRow(list->currentItem(), false);
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
