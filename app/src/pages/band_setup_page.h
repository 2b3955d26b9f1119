// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "A/Upper Band Set up" and "B/Under Band Set up": the power-on settings of
// one band's frequency (VFO) mode.
#pragma once

#include "pages/two_column_page.h"

class BandSetupPage : public TwoColumnSettingsPage {
    Q_OBJECT
  public:
    BandSetupPage(duoband::EditorModel& model, duoband::Band band, QWidget* parent)
        : TwoColumnSettingsPage(model, duoband::SettingsPage::BandSetup, band, 8, parent) {}
};
