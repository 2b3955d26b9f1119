// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The differences between the open configuration and another one (a file,
// a backup, the radio), docked under the pages: one row per difference
// (where, this configuration's value, the other's), the notes after them.
// The panel only shows a comparison and says which rows are chosen; the
// window compares, shows the places and takes the values.
#pragma once

#include <QDockWidget>
#include <vector>

#include "duoband/compare.h"

class QAction;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

class ComparePanel : public QDockWidget {
    Q_OBJECT
  public:
    explicit ComparePanel(QWidget* parent);

    // A place as the panel names it, in the window's language: a setting by
    // its caption and page, a cell as the core words it.
    static QString placeText(const duoband::ComparePlace& where);

    // The window's Take Other Value and Take All, as buttons beside the list.
    void setTakeActions(QAction* takeSelected, QAction* takeAll);

    // Lists the comparison of this configuration with `otherName`; the row
    // chosen stays chosen where it still is (or the row now in its place),
    // without showing its place again.
    void showComparison(const QString& otherName, std::vector<duoband::CompareEntry> entries);
    // The comparison could not be made: the panel says why and lists nothing.
    void showProblem(const QString& otherName, const QString& why);

    // Chooses the first row, which shows its place, and gives the list the
    // keyboard.
    void chooseFirstRow();

    const std::vector<duoband::CompareEntry>& entries() const { return entries_; }
    // The differences of the selected rows, in list order (notes are left out).
    std::vector<duoband::CompareEntry> selectedDifferences() const;
    std::vector<duoband::CompareEntry> differences() const;

    QTreeWidget* list;

  signals:
    // A row was chosen: its place is to be shown, and with `focus` its cell
    // or control given the keyboard (a click, Enter).
    void placeChosen(const duoband::ComparePlace& where, bool focus);
    void selectionChanged();
    // The user closed the panel: the comparison ends.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void setTitle(const QString& otherName, const QString& outcome);
    void chooseRow(QTreeWidgetItem* item, bool focus);
    int rowOf(const QTreeWidgetItem* item) const;

    QLabel* problem_;
    std::vector<duoband::CompareEntry> entries_;
};
