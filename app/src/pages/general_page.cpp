#include "pages/general_page.h"

#include <QGridLayout>

#include "pages/page_widgets.h"
#include "pages/settings_controls.h"

GeneralPage::GeneralPage(duoband::EditorModel& model, QWidget* parent)
    : QWidget(parent), controls_(new pages::SettingsControls(model, this)) {
    auto* layout = new QGridLayout(this);
    controls_->addRows(layout, 0, 0,
                       {{"gn1", "Optional Main Band"},
                        {"gn2", "Volume"},
                        {"gn3", "FM Frequency"},
                        {"gn4", "Standby Backlight"},
                        {"gn5", "Receiving Backlight"},
                        {"gn6", "Transmit  Backlight"},
                        {"gn7", "Backlight Mode"},
                        {"gn8", "Beep"}});
    controls_->addRows(layout, 1, 0,
                       {{"gn9", "Vibration Ring Time"},
                        {"gn10", "Busy Channel Lock"},
                        {"gn11", "Time Over Timer"},
                        {"gn12", "Single Signaling choice"},
                        {"gn13", "DTMF Transmitting Time"},
                        {"gn14", "Squelch level"},
                        {"gn15", "Repeater Mode"}});
    layout->setRowStretch(8, 1);
    layout->setColumnStretch(4, 1);
    showModel();
}

void GeneralPage::showModel() {
    controls_->showModel();
}

void GeneralPage::commitPendingEdit() {
    pages::commitFocusedEdit(this);
}
