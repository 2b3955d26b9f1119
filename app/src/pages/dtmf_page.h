// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "DTMF Groups": the eight DTMF code groups, the identity and
// remote-control codes and the radio's remote state.
#pragma once

#include "pages/two_column_page.h"

class DtmfPage : public TwoColumnSettingsPage {
    Q_OBJECT
  public:
    // The groups in the first column, beside the codes and the state
    DtmfPage(duoband::EditorModel& model, QWidget* parent)
        : TwoColumnSettingsPage(model, duoband::SettingsPage::Dtmf, duoband::Band::A, 8, parent) {}
};
