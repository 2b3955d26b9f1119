// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File > Import > Channels from CSV... for a file that names no channels
// (no Band and Channel, no Location column): where its rows go, one after
// the other.
#pragma once

#include <QDialog>

#include "duoband/channel_csv.h"

class QComboBox;
class QSpinBox;

class ImportStartDialog : public QDialog {
    Q_OBJECT
  public:
    // `rows`: how many rows the file holds.
    ImportStartDialog(int rows, QWidget* parent);

    duoband::CsvStart start() const;

    QComboBox* band;
    QSpinBox* firstChannel;
};
