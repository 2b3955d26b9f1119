// "Comprehensive Setting": the general settings gn1..gn15.
#pragma once

#include <QWidget>

#include "duoband/editor_model.h"

namespace pages {
class SettingsControls;
}

class GeneralPage : public QWidget {
    Q_OBJECT
  public:
    GeneralPage(duoband::EditorModel& model, QWidget* parent);

    void showModel();
    void commitPendingEdit();

  private:
    pages::SettingsControls* controls_;
};
