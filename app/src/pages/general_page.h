// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "Comprehensive Setting": the general settings.
#pragma once

#include "pages/two_column_page.h"

class GeneralPage : public TwoColumnSettingsPage {
    Q_OBJECT
  public:
    GeneralPage(duoband::EditorModel& model, QWidget* parent)
        : TwoColumnSettingsPage(model, duoband::SettingsPage::General, duoband::Band::A, 8,
                                parent) {}
};
