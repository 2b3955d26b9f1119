// A settings page whose captioned controls stand in two columns: the band
// "Set up" pages, "Comprehensive Setting" and "DTMF Groups". The controls,
// their captions and their order come from the editor's page tables.
#pragma once

#include <QWidget>
#include <cstddef>

#include "duoband/editor_model.h"
#include "duoband/page_captions.h"

namespace pages {
class SettingsControls;
}

class TwoColumnSettingsPage : public QWidget {
    Q_OBJECT
  public:
    TwoColumnSettingsPage(duoband::EditorModel& model, const duoband::PageCaptions& page,
                          std::size_t firstColumnRows, QWidget* parent);

    // Shows the model in every control without running an edit handler.
    void showModel();
    // Takes over the text of a focused edit, as leaving it would.
    void commitPendingEdit();

  private:
    pages::SettingsControls* controls_;
};
