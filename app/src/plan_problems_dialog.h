// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The question before a radio is written while the channel plan has
// problems: the problems in a list that scrolls (a plan may have hundreds),
// "Write Anyway" and "Cancel". Cancel is the default, so Enter and Escape
// both keep the radio as it is. Opened through the dialog seam only.
#pragma once

#include <QDialog>
#include <QStringList>

#include "duoband/channel_plan_check.h"

class Document;

class PlanProblemsDialog : public QDialog {
    Q_OBJECT
  public:
    PlanProblemsDialog(const QString& text, const QStringList& problems, QWidget* parent);
};

// A finding as the window shows it: "Band B channel 11: the same as channel 10".
QString planFindingText(const duoband::PlanFinding& finding);
// The configuration's problems, notes left out, one line each.
QStringList planProblemLines(const duoband::EditorModel& model);
// Whether a radio may be written without asking: the plan has no problems,
// or they were answered "Write Anyway" for the configuration as it is.
bool planCleared(const Document& document);
// What the question says above the list.
QString planQuestionText(int problems);
