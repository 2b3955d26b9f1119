// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Help > About: the version, the licence and where the program keeps the
// user's files (the data folder) and preferences.
#pragma once

#include <QDialog>

#include "data_folder.h"

class QLabel;

class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AboutDialog(const DataFolder& data, QWidget* parent = nullptr);

    QLabel* text;  // selectable, so a path can be copied
};
