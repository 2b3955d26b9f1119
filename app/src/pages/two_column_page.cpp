// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/two_column_page.h"

#include <QGridLayout>
#include <algorithm>
#include <span>

#include "pages/page_widgets.h"
#include "pages/settings_controls.h"

TwoColumnSettingsPage::TwoColumnSettingsPage(duoband::EditorModel& model,
                                             duoband::SettingsPage page, duoband::Band band,
                                             std::size_t firstColumnRows, QWidget* parent)
    : QWidget(parent), controls_(new pages::SettingsControls(model, this)) {
    auto* layout = new QGridLayout(this);
    const std::vector<duoband::SettingRef> settings = duoband::settingsOnPage(page, band);
    const std::span<const duoband::SettingRef> all(settings);
    const std::size_t first = std::min(firstColumnRows, all.size());
    controls_->addRows(layout, 0, 0, all.first(first));
    controls_->addRows(layout, 1, 0, all.subspan(first));
    layout->setRowStretch(static_cast<int>(std::max(first, all.size() - first)), 1);
    layout->setColumnStretch(4, 1);
    connect(controls_, &pages::SettingsControls::edited, this, &TwoColumnSettingsPage::edited);
    showModel();
}

void TwoColumnSettingsPage::showModel() {
    controls_->showModel();
}

void TwoColumnSettingsPage::commitPendingEdit() {
    pages::commitFocusedEdit(this);
}
