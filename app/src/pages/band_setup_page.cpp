#include "pages/band_setup_page.h"

#include <QGridLayout>
#include <string>
#include <vector>

#include "pages/page_widgets.h"
#include "pages/settings_controls.h"

namespace {

constexpr std::size_t kRowsInFirstColumn = 8;

}  // namespace

BandSetupPage::BandSetupPage(duoband::EditorModel& model, duoband::Band band, QWidget* parent)
    : QWidget(parent), controls_(new pages::SettingsControls(model, this)) {
    auto* layout = new QGridLayout(this);
    const duoband::PageCaptions page = duoband::bandSetupCaptions(band);
    const std::span<const duoband::CaptionedControl> all(page.controls);
    controls_->addRows(layout, 0, 0, all.first(kRowsInFirstColumn));
    controls_->addRows(layout, 1, 0, all.subspan(kRowsInFirstColumn));
    layout->setRowStretch(static_cast<int>(kRowsInFirstColumn), 1);
    layout->setColumnStretch(4, 1);
    showModel();
}

void BandSetupPage::showModel() {
    controls_->showModel();
}

void BandSetupPage::commitPendingEdit() {
    pages::commitFocusedEdit(this);
}
