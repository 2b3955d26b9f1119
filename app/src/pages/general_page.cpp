#include "pages/general_page.h"

#include <QGridLayout>

#include "pages/page_widgets.h"
#include "pages/settings_controls.h"

GeneralPage::GeneralPage(duoband::EditorModel& model, QWidget* parent)
    : QWidget(parent), controls_(new pages::SettingsControls(model, this)) {
    constexpr std::size_t kRowsInFirstColumn = 8;  // gn1..gn8, then gn9..gn15
    auto* layout = new QGridLayout(this);
    const duoband::PageCaptions page = duoband::generalCaptions();
    const std::span<const duoband::CaptionedControl> all(page.controls);
    controls_->addRows(layout, 0, 0, all.first(kRowsInFirstColumn));
    controls_->addRows(layout, 1, 0, all.subspan(kRowsInFirstColumn));
    layout->setRowStretch(static_cast<int>(kRowsInFirstColumn), 1);
    layout->setColumnStretch(4, 1);
    showModel();
}

void GeneralPage::showModel() {
    controls_->showModel();
}

void GeneralPage::commitPendingEdit() {
    pages::commitFocusedEdit(this);
}
