// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "channel_tool_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "duoband/settings_table.h"
#include "pages/page_widgets.h"

using duoband::Column;

namespace {

constexpr int kPreviewed = 5;

// The data columns by their titles; the entry's data is the column index.
QComboBox* columnChoice(Column current, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName("columnList");
    for (const duoband::ChannelColumnEditor& editor : duoband::channelColumnEditors()) {
        list->addItem(pages::fromCoreText(duoband::columnTitle(editor.column)),
                      duoband::columnIndex(editor.column));
    }
    const int at = list->findData(duoband::columnIndex(current));
    list->setCurrentIndex(std::max(at, 0));
    return list;
}

Column chosenColumn(const QComboBox* list) {
    return duoband::columnAt(list->currentData().toInt());
}

QLabel* buddyLabel(const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}

// OK under the name `accept` and Cancel; Enter accepts, Escape cancels.
QPushButton* addButtons(QDialog* dialog, QVBoxLayout* column, const QString& accept) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    QPushButton* ok = buttons->addButton(accept, QDialogButtonBox::AcceptRole);
    ok->setObjectName("acceptButton");
    ok->setDefault(true);
    // Enter accepts wherever the focus is, also after a Tab onto Cancel
    // (Space presses Cancel, Escape cancels).
    buttons->button(QDialogButtonBox::Cancel)->setAutoDefault(false);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    column->addWidget(buttons);
    return ok;
}

QRadioButton* addChoice(QVBoxLayout* box, QButtonGroup* group, const QString& caption,
                        const char* name) {
    auto* button = new QRadioButton(caption);
    button->setObjectName(name);
    box->addWidget(button);
    group->addButton(button);
    return button;
}

}  // namespace

// --- Fill Series -------------------------------------------------------------

FillSeriesDialog::FillSeriesDialog(Column column, int channels, QWidget* parent)
    : QDialog(parent), channels_(channels) {
    setObjectName("fillSeriesDialog");
    setWindowTitle(tr("Fill Series"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(channels == 1 ? tr("Fills the selected channel.")
                                 : tr("Fills the %1 selected channels in order.").arg(channels)));
    auto* form = new QFormLayout;
    layout->addLayout(form);
    columnList = columnChoice(column, this);
    form->addRow(buddyLabel(tr("&Column:"), columnList), columnList);
    startEdit = new QLineEdit(this);
    startEdit->setObjectName("startEdit");
    startLabel_ = buddyLabel({}, startEdit);
    form->addRow(startLabel_, startEdit);

    valueList = new QComboBox(this);
    valueList->setObjectName("valueList");
    form->addRow(buddyLabel(tr("&Value:"), valueList), valueList);

    stepEdit = new QLineEdit("0.0125", this);
    stepEdit->setObjectName("stepEdit");
    stepRow_ = stepEdit;
    form->addRow(buddyLabel(tr("&Step (MHz):"), stepEdit), stepEdit);

    numberRow_ = new QWidget(this);
    auto* numbers = new QHBoxLayout(numberRow_);
    numbers->setContentsMargins(0, 0, 0, 0);
    firstNumber = new QSpinBox(numberRow_);
    firstNumber->setObjectName("firstNumber");
    firstNumber->setRange(0, 9999);
    firstNumber->setValue(1);
    numberStep = new QSpinBox(numberRow_);
    numberStep->setObjectName("numberStep");
    numberStep->setRange(-999, 999);
    numberStep->setValue(1);
    numbers->addWidget(buddyLabel(tr("{n} &from"), firstNumber));
    numbers->addWidget(firstNumber);
    numbers->addWidget(buddyLabel(tr("&by"), numberStep));
    numbers->addWidget(numberStep);
    numbers->addStretch(1);
    form->addRow(numberRow_);

    preview = new QLabel(this);
    preview->setObjectName("preview");
    preview->setWordWrap(true);
    preview->setTextFormat(Qt::PlainText);
    preview->setMinimumWidth(440);
    form->addRow(tr("First values:"), preview);
    fillButton = addButtons(this, layout, tr("&Fill"));
    (startEdit->isHidden() ? static_cast<QWidget*>(valueList) : startEdit)
        ->setFocus(Qt::OtherFocusReason);

    connect(columnList, &QComboBox::currentIndexChanged, this, &FillSeriesDialog::columnChanged);
    for (QLineEdit* edit : {startEdit, stepEdit})
        connect(edit, &QLineEdit::textChanged, this, &FillSeriesDialog::updatePreview);
    connect(valueList, &QComboBox::currentIndexChanged, this, &FillSeriesDialog::updatePreview);
    for (QSpinBox* spin : {firstNumber, numberStep})
        connect(spin, &QSpinBox::valueChanged, this, &FillSeriesDialog::updatePreview);
    columnChanged();
}

duoband::Column FillSeriesDialog::column() const {
    return chosenColumn(columnList);
}

duoband::SeriesRule FillSeriesDialog::rule() const {
    const duoband::ChannelColumnEditor& editor = *duoband::channelColumnEditor(column());
    const int entry = valueList->currentIndex();
    const std::string start = editor.kind == duoband::CellEditorKind::Choice && entry >= 0
                                  ? std::string(editor.entries()[static_cast<std::size_t>(entry)])
                                  : pages::toModelText(startEdit->text());
    return {start, pages::toModelText(stepEdit->text()), firstNumber->value(), numberStep->value()};
}

void FillSeriesDialog::columnChanged() {
    const Column chosen = column();
    const bool frequency =
        duoband::channelColumn(chosen).kind == duoband::CellEditorKind::FrequencyEntry;
    const bool name = chosen == Column::Name;
    startLabel_->setText(frequency ? tr("S&tart (MHz):") : tr("&Pattern:"));
    if (name && startEdit->text().isEmpty()) startEdit->setText("CH{n}");
    {
        const QSignalBlocker quiet(valueList);
        valueList->clear();
        if (!frequency && !name) {
            for (std::string_view entry : duoband::channelColumn(chosen).entries())
                valueList->addItem(pages::fromCoreText(entry));
        }
    }
    auto* form = static_cast<QFormLayout*>(layout()->itemAt(1)->layout());
    form->setRowVisible(startEdit, frequency || name);
    form->setRowVisible(valueList, !frequency && !name);
    form->setRowVisible(stepRow_, frequency);
    form->setRowVisible(numberRow_, name);
    updatePreview();
}

void FillSeriesDialog::updatePreview() {
    const duoband::SeriesTexts series =
        duoband::seriesTexts(column(), rule(), std::min(channels_, kPreviewed));
    fillButton->setEnabled(series.invalid.empty() && channels_ > 0);
    // A disabled default button hands Enter to another (Cancel); it takes it back.
    fillButton->setDefault(fillButton->isEnabled());
    if (!series.invalid.empty()) {
        preview->setText(pages::fromCorePhrase(series.invalid));
        return;
    }
    QStringList values;
    for (const std::string& text : series.texts) values << pages::fromModelText(text);
    if (channels_ > kPreviewed) values << QStringLiteral("…");
    preview->setText(values.join(", "));
}

// --- Repeater Offset ---------------------------------------------------------

RepeaterOffsetDialog::RepeaterOffsetDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("repeaterOffsetDialog");
    setWindowTitle(tr("Repeater Offset"));
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox(tr("Transmission Frequency of the selected channels"), this);
    auto* choices = new QVBoxLayout(box);
    auto* group = new QButtonGroup(this);
    minusButton = addChoice(choices, group, tr("Receiving Frequency &minus the offset"), "minus");
    plusButton = addChoice(choices, group, tr("Receiving Frequency &plus the offset"), "plus");
    simplexButton =
        addChoice(choices, group, tr("&Simplex: the same as the Receiving Frequency"), "simplex");
    minusButton->setChecked(true);
    layout->addWidget(box);
    auto* form = new QFormLayout;
    offsetEdit = new QLineEdit("0.6", this);
    offsetEdit->setObjectName("offsetEdit");
    offsetEdit->setToolTip(tr("Usual offsets: 0.6 MHz (2 m), 5 MHz or 7.6 MHz (70 cm)"));
    form->addRow(buddyLabel(tr("&Offset (MHz):"), offsetEdit), offsetEdit);
    layout->addLayout(form);
    connect(simplexButton, &QRadioButton::toggled, offsetEdit, &QLineEdit::setDisabled);
    addButtons(this, layout, tr("&Set"));
    offsetEdit->setFocus(Qt::OtherFocusReason);
    offsetEdit->selectAll();
}

duoband::RepeaterShift RepeaterOffsetDialog::shift() const {
    if (plusButton->isChecked()) return duoband::RepeaterShift::Plus;
    return minusButton->isChecked() ? duoband::RepeaterShift::Minus
                                    : duoband::RepeaterShift::Simplex;
}

QString RepeaterOffsetDialog::offset() const {
    return offsetEdit->text();
}

// --- Sort --------------------------------------------------------------------

SortDialog::SortDialog(Column column, bool severalSelected, QWidget* parent) : QDialog(parent) {
    setObjectName("sortDialog");
    setWindowTitle(tr("Sort Channels"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    columnList = columnChoice(column, this);
    form->addRow(buddyLabel(tr("Sort &by:"), columnList), columnList);
    layout->addLayout(form);

    auto* orderBox = new QGroupBox(tr("Order"), this);
    auto* orders = new QVBoxLayout(orderBox);
    auto* orderGroup = new QButtonGroup(this);
    addChoice(orders, orderGroup, tr("&Ascending"), "ascending")->setChecked(true);
    descendingButton = addChoice(orders, orderGroup, tr("&Descending"), "descending");
    layout->addWidget(orderBox);

    auto* scopeBox = new QGroupBox(tr("Channels"), this);
    auto* scopes = new QVBoxLayout(scopeBox);
    auto* scopeGroup = new QButtonGroup(this);
    selectedButton = addChoice(scopes, scopeGroup, tr("The &selected channels"), "selected");
    wholeBandButton = addChoice(scopes, scopeGroup, tr("The &whole band"), "wholeBand");
    (severalSelected ? selectedButton : wholeBandButton)->setChecked(true);
    layout->addWidget(scopeBox);
    auto* note = new QLabel(
        tr("Empty channels go last. The channel numbers stay; the channels move."), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    addButtons(this, layout, tr("S&ort"));
    columnList->setFocus(Qt::OtherFocusReason);
}

duoband::Column SortDialog::column() const {
    return chosenColumn(columnList);
}

duoband::SortOrder SortDialog::order() const {
    return descendingButton->isChecked() ? duoband::SortOrder::Descending
                                         : duoband::SortOrder::Ascending;
}

bool SortDialog::wholeBand() const {
    return wholeBandButton->isChecked();
}

// --- Find and Replace --------------------------------------------------------

FindReplaceDialog::FindReplaceDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("findReplaceDialog");
    setWindowTitle(tr("Find and Replace"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    findEdit = new QLineEdit(this);
    findEdit->setObjectName("findEdit");
    replaceEdit = new QLineEdit(this);
    replaceEdit->setObjectName("replaceEdit");
    form->addRow(buddyLabel(tr("F&ind:"), findEdit), findEdit);
    form->addRow(buddyLabel(tr("Replace &with:"), replaceEdit), replaceEdit);
    layout->addLayout(form);
    matchCaseBox = new QCheckBox(tr("Match &case"), this);
    matchCaseBox->setObjectName("matchCase");
    wholeCellBox = new QCheckBox(tr("W&hole cell"), this);
    wholeCellBox->setObjectName("wholeCell");
    everyColumnBox = new QCheckBox(tr("Every &column, not only the names"), this);
    everyColumnBox->setObjectName("everyColumn");
    for (QCheckBox* box : {matchCaseBox, wholeCellBox, everyColumnBox}) layout->addWidget(box);

    auto* buttons = new QDialogButtonBox(this);
    findNextButton = buttons->addButton(tr("&Find Next"), QDialogButtonBox::ActionRole);
    findNextButton->setObjectName("findNextButton");
    findNextButton->setDefault(true);
    replaceAllButton = buttons->addButton(tr("Replace &All"), QDialogButtonBox::ActionRole);
    replaceAllButton->setObjectName("replaceAllButton");
    buttons->addButton(QDialogButtonBox::Close)->setAutoDefault(false);
    replaceAllButton->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(findNextButton, &QPushButton::clicked, this, &FindReplaceDialog::findNext);
    connect(replaceAllButton, &QPushButton::clicked, this, &FindReplaceDialog::replaceAll);
    layout->addWidget(buttons);
    findEdit->setMinimumWidth(240);
}

duoband::SearchTerms FindReplaceDialog::terms() const {
    return {pages::toModelText(findEdit->text()), matchCaseBox->isChecked(),
            wholeCellBox->isChecked(), everyColumnBox->isChecked()};
}

QString FindReplaceDialog::replacement() const {
    return replaceEdit->text();
}

void FindReplaceDialog::showForFind() {
    show();
    raise();
    activateWindow();
    findEdit->setFocus(Qt::ShortcutFocusReason);
    findEdit->selectAll();
}
