// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Channels > Check Channel Plan: the findings of the check, docked under the
// pages as the compare panel is: one row per problem, the notes after them,
// the count in the title. A row chosen shows its cell or setting; the window
// checks again after every step while the panel is open.
#pragma once

#include <QDockWidget>
#include <vector>

#include "duoband/channel_plan_check.h"

class QTreeWidget;
class QTreeWidgetItem;

class PlanCheckPanel : public QDockWidget {
    Q_OBJECT
  public:
    explicit PlanCheckPanel(QWidget* parent);

    // Lists `findings`; the row chosen stays chosen where it still is.
    void showFindings(std::vector<duoband::PlanFinding> findings);
    // Chooses the first row, which shows its place, and gives the list the keyboard.
    void chooseFirstRow();
    const std::vector<duoband::PlanFinding>& findings() const { return findings_; }

    QTreeWidget* list;

  signals:
    // A row was chosen: its place is to be shown, with `focus` given the keyboard.
    void placeChosen(const duoband::ComparePlace& where, bool focus);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The title bar's buttons say whose they are: the compare panel has its own.
    void nameTitleButtons();
    void chooseRow(QTreeWidgetItem* item, bool focus);

    std::vector<duoband::PlanFinding> findings_;
};
