#include "pages/dtmf_page.h"

#include <QGridLayout>

#include "pages/page_widgets.h"
#include "pages/settings_controls.h"

DtmfPage::DtmfPage(duoband::EditorModel& model, QWidget* parent)
    : QWidget(parent), controls_(new pages::SettingsControls(model, this)) {
    auto* layout = new QGridLayout(this);
    controls_->addRows(layout, 0, 0,
                       {{"sy1", "DTMF1:"},
                        {"sy2", "DTMF2:"},
                        {"sy3", "DTMF3:"},
                        {"sy4", "DTMF4:"},
                        {"sy5", "DTMF5:"},
                        {"sy6", "DTMF6:"},
                        {"sy7", "DTMF7:"},
                        {"sy8", "DTMF8:"}});
    controls_->addRows(layout, 1, 0,
                       {{"sypz1", "Native ID Code"},
                        {"sypz2", "Master Control ID Code"},
                        {"sypz3", "Alarm Code"},
                        {"sypz4", "Identity Display Code"},
                        {"sypz5", "Revive Code"},
                        {"sypz6", "Remote Stun Code"},
                        {"sypz7", "Remote Kill Code"},
                        {"sypz8", "Monitor Code"},
                        {"sypz9", "Current State"}});
    layout->setRowStretch(9, 1);
    layout->setColumnStretch(4, 1);
    showModel();
}

void DtmfPage::showModel() {
    controls_->showModel();
}

void DtmfPage::commitPendingEdit() {
    pages::commitFocusedEdit(this);
}
