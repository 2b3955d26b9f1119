// "DTMF Groups": the eight DTMF code groups sy1..sy8, the identity and
// remote-control codes sypz1..sypz8 and the current state sypz9.
#pragma once

#include <QWidget>

#include "duoband/editor_model.h"

namespace pages {
class SettingsControls;
}

class DtmfPage : public QWidget {
    Q_OBJECT
  public:
    DtmfPage(duoband::EditorModel& model, QWidget* parent);

    void showModel();
    void commitPendingEdit();

  private:
    pages::SettingsControls* controls_;
};
