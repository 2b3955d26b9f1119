// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Channels > Check Channel Plan, and the question before Write.
#include <QUndoStack>

#include "duoband/channel_plan_check.h"
#include "main_window.h"
#include "plan_check_panel.h"
#include "plan_problems_dialog.h"
#include "user_dialogs.h"

void MainWindow::buildPlanCheckPanel() {
    planCheckPanel_ = new PlanCheckPanel(this);
    addDockWidget(Qt::BottomDockWidgetArea, planCheckPanel_);
    planCheckPanel_->hide();
    connect(planCheckPanel_, &PlanCheckPanel::placeChosen, this, &MainWindow::showPlace);
    // Every step, an undo and a redo included, is checked afresh.
    connect(&document_->history().stack(), &QUndoStack::indexChanged, this, [this] {
        if (!planCheckPanel_->isHidden())
            planCheckPanel_->showFindings(duoband::checkChannelPlan(model()));
    });
}

// Usable while the station holds the configuration, when no edit can be pending.
void MainWindow::showPlanCheck() {
    if (exchangesRunning_ == 0) recordPendingEdit();
    planCheckPanel_->showFindings(duoband::checkChannelPlan(model()));
    planCheckPanel_->show();
    planCheckPanel_->raise();
    planCheckPanel_->chooseFirstRow();
}

bool MainWindow::planProblemsAnswered() {
    if (document_->planProblemsAccepted()) return true;
    const QStringList problems = planProblemLines(model());
    if (problems.isEmpty()) return true;
    if (!userDialogs().writeDespiteProblems(this, planQuestionText(problems.size()), problems))
        return false;
    document_->acceptPlanProblems();
    return true;
}
