// "A/Upper Band Set up" and "B/Under Band Set up": the power-on settings of
// one band's frequency (VFO) mode, left1..left16 / right1..right16 (no 9).
#pragma once

#include <QWidget>

#include "duoband/editor_model.h"

namespace pages {
class SettingsControls;
}

class BandSetupPage : public QWidget {
    Q_OBJECT
  public:
    BandSetupPage(duoband::EditorModel& model, duoband::Band band, QWidget* parent);

    void showModel();
    void commitPendingEdit();

  private:
    pages::SettingsControls* controls_;
};
