// "DTMF Groups": the eight DTMF code groups sy1..sy8, the identity and
// remote-control codes sypz1..sypz8 and the current state sypz9.
#pragma once

#include "pages/two_column_page.h"

class DtmfPage : public TwoColumnSettingsPage {
    Q_OBJECT
  public:
    // sy1..sy8 in the first column, beside sypz1..sypz9
    DtmfPage(duoband::EditorModel& model, QWidget* parent)
        : TwoColumnSettingsPage(model, duoband::dtmfCaptions(), 8, parent) {}
};
