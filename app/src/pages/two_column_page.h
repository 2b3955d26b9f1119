// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A settings page whose captioned controls stand in two columns: the band
// "Set up" pages, "Comprehensive Setting" and "DTMF Groups". The controls,
// their captions and their order come from the settings table.
#pragma once

#include <QWidget>
#include <cstddef>

#include "duoband/editor_model.h"
#include "duoband/settings_table.h"

namespace pages {
class SettingsControls;
}

class TwoColumnSettingsPage : public QWidget {
    Q_OBJECT
  public:
    // The settings of `page` (of `band`), the first `firstColumnRows` in the
    // first column.
    TwoColumnSettingsPage(duoband::EditorModel& model, duoband::SettingsPage page,
                          duoband::Band band, std::size_t firstColumnRows, QWidget* parent);

    // Shows the model in every control without running an edit handler.
    void showModel();
    // Takes over the text of a focused edit, as leaving it would.
    void commitPendingEdit();

  signals:
    void edited(const QString& step, const QString& mergeKey);

  private:
    pages::SettingsControls* controls_;
};
