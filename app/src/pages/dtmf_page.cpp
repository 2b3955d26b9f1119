#include "pages/dtmf_page.h"

#include <QGridLayout>

#include "pages/page_widgets.h"
#include "pages/settings_controls.h"

DtmfPage::DtmfPage(duoband::EditorModel& model, QWidget* parent)
    : QWidget(parent), controls_(new pages::SettingsControls(model, this)) {
    constexpr std::size_t kGroups = 8;  // sy1..sy8 beside sypz1..sypz9
    auto* layout = new QGridLayout(this);
    const duoband::PageCaptions page = duoband::dtmfCaptions();
    const std::span<const duoband::CaptionedControl> all(page.controls);
    controls_->addRows(layout, 0, 0, all.first(kGroups));
    controls_->addRows(layout, 1, 0, all.subspan(kGroups));
    layout->setRowStretch(static_cast<int>(all.size() - kGroups), 1);
    layout->setColumnStretch(4, 1);
    showModel();
}

void DtmfPage::showModel() {
    controls_->showModel();
}

void DtmfPage::commitPendingEdit() {
    pages::commitFocusedEdit(this);
}
