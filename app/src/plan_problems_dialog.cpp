// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_problems_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "compare_panel.h"
#include "document.h"
#include "pages/page_widgets.h"
#include "screen_fit.h"

QString planFindingText(const duoband::PlanFinding& finding) {
    return PlanProblemsDialog::tr("%1: %2").arg(ComparePanel::placeText(finding.where),
                                                pages::fromCorePhrase(finding.what));
}

QStringList planProblemLines(const duoband::EditorModel& model) {
    QStringList lines;
    for (const duoband::PlanFinding& f : duoband::checkChannelPlan(model)) {
        if (f.kind == duoband::FindingKind::Problem) lines << planFindingText(f);
    }
    return lines;
}

bool planCleared(const Document& document) {
    return document.planProblemsAccepted() || planProblemLines(document.model()).isEmpty();
}

QString planQuestionText(int problems) {
    const QString count =
        problems == 1 ? PlanProblemsDialog::tr("The channel plan has 1 problem.")
                      : PlanProblemsDialog::tr("The channel plan has %1 problems.").arg(problems);
    return count + " " +
           PlanProblemsDialog::tr(
               "Write the radio anyway, or cancel and correct it (Channels > "
               "Check Channel Plan lists the problems)?");
}

PlanProblemsDialog::PlanProblemsDialog(const QString& text, const QStringList& problems,
                                       QWidget* parent)
    : QDialog(parent) {
    setObjectName("planProblemsDialog");
    setWindowTitle(tr("Check Channel Plan"));
    auto* label = new QLabel(text);
    label->setObjectName("planProblemsText");
    label->setWordWrap(true);
    auto* list = new QListWidget;
    list->setObjectName("planProblemsList");
    list->setAccessibleName(tr("Problems"));
    list->addItems(problems);
    list->setWordWrap(true);
    label->setBuddy(list);
    auto* buttons = new QDialogButtonBox;
    QPushButton* writeAnyway = buttons->addButton(tr("Write Anyway"), QDialogButtonBox::AcceptRole);
    writeAnyway->setObjectName("writeAnywayButton");
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("cancelButton");
    cancel->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(label);
    column->addWidget(list, 1);
    column->addWidget(buttons);
    resize(680, 420);
    keepWithinScreen(this);
    cancel->setFocus(Qt::OtherFocusReason);
}
