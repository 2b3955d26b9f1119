// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs of the Channels menu. Each only asks what the tool needs; the
// window runs the tool, whose rules are the editor's.
#pragma once

#include <QDialog>

#include "duoband/channel_plan_tools.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// Fill Series…: the column, its start and step (or a name's pattern and
// its numbers), and the first values the selected channels would get.
class FillSeriesDialog : public QDialog {
    Q_OBJECT
  public:
    FillSeriesDialog(duoband::Column column, int channels, QWidget* parent);
    duoband::Column column() const;
    duoband::SeriesRule rule() const;

    QComboBox* columnList = nullptr;
    QLineEdit* startEdit = nullptr;  // a frequency, a name's pattern
    QComboBox* valueList = nullptr;  // a choice column's entry
    QLineEdit* stepEdit = nullptr;
    QSpinBox* firstNumber = nullptr;
    QSpinBox* numberStep = nullptr;
    QLabel* preview = nullptr;
    QPushButton* fillButton = nullptr;

  private:
    // Shows the fields the column uses and the preview.
    void columnChanged();
    void updatePreview();

    QLabel* startLabel_ = nullptr;
    QWidget* stepRow_ = nullptr;
    QWidget* numberRow_ = nullptr;
    int channels_;
};

// Repeater Offset…: transmit above or below receive by an offset, or simplex.
class RepeaterOffsetDialog : public QDialog {
    Q_OBJECT
  public:
    explicit RepeaterOffsetDialog(QWidget* parent);
    duoband::RepeaterShift shift() const;
    QString offset() const;

    QRadioButton* minusButton = nullptr;
    QRadioButton* plusButton = nullptr;
    QRadioButton* simplexButton = nullptr;
    QLineEdit* offsetEdit = nullptr;
};

// Sort…: the column, the order, and the selected channels or the whole band.
class SortDialog : public QDialog {
    Q_OBJECT
  public:
    SortDialog(duoband::Column column, bool severalSelected, QWidget* parent);
    duoband::Column column() const;
    duoband::SortOrder order() const;
    bool wholeBand() const;

    QComboBox* columnList = nullptr;
    QRadioButton* descendingButton = nullptr;
    QRadioButton* selectedButton = nullptr;
    QRadioButton* wholeBandButton = nullptr;
};

// Find and Replace…: stays open beside the grid while the user goes on.
class FindReplaceDialog : public QDialog {
    Q_OBJECT
  public:
    explicit FindReplaceDialog(QWidget* parent);
    duoband::SearchTerms terms() const;
    QString replacement() const;
    // Shows the dialog with the find field selected.
    void showForFind();

    QLineEdit* findEdit = nullptr;
    QLineEdit* replaceEdit = nullptr;
    QCheckBox* matchCaseBox = nullptr;
    QCheckBox* wholeCellBox = nullptr;
    QCheckBox* everyColumnBox = nullptr;
    QPushButton* findNextButton = nullptr;
    QPushButton* replaceAllButton = nullptr;

  signals:
    void findNext();
    void replaceAll();
};
