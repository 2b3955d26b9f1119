// "Comprehensive Setting": the general settings gn1..gn15.
#pragma once

#include "pages/two_column_page.h"

class GeneralPage : public TwoColumnSettingsPage {
    Q_OBJECT
  public:
    GeneralPage(duoband::EditorModel& model, QWidget* parent)
        : TwoColumnSettingsPage(model, duoband::generalCaptions(), 8, parent) {}
};
