// "A/Upper Band Set up" and "B/Under Band Set up": the power-on settings of
// one band's frequency (VFO) mode, left1..left16 / right1..right16 (no 9).
#pragma once

#include "pages/two_column_page.h"

class BandSetupPage : public TwoColumnSettingsPage {
    Q_OBJECT
  public:
    BandSetupPage(duoband::EditorModel& model, duoband::Band band, QWidget* parent)
        : TwoColumnSettingsPage(model, duoband::bandSetupCaptions(band), 8, parent) {}
};
