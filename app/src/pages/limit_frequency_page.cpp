// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/limit_frequency_page.h"

#include <QGridLayout>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

#include "duoband/settings_table.h"
#include "pages/page_host.h"
#include "pages/page_widgets.h"
#include "pages/settings_controls.h"
#include "user_dialogs.h"

using duoband::PartialBlock;

namespace {

struct ButtonDef {
    const char* name;
    const char* caption;
    // What the button does, for a screen reader (the captions alone repeat):
    // also the undo step of a read.
    const char* action;
    PartialBlock block;
    bool write;
};

// In the order of LimitFrequencyPage::Transfer.
constexpr std::array<ButtonDef, 4> kButtons{{
    {"readBootMessage", QT_TRANSLATE_NOOP("LimitFrequencyPage", "Read"),
     QT_TRANSLATE_NOOP("LimitFrequencyPage", "Read Boot Message"), PartialBlock::BootMessage,
     false},
    {"writeBootMessage", QT_TRANSLATE_NOOP("LimitFrequencyPage", "Write"),
     QT_TRANSLATE_NOOP("LimitFrequencyPage", "Write Boot Message"), PartialBlock::BootMessage,
     true},
    {"readLimits", QT_TRANSLATE_NOOP("LimitFrequencyPage", "Read"),
     QT_TRANSLATE_NOOP("LimitFrequencyPage", "Read Limits"), PartialBlock::Limits, false},
    {"writeLimits", QT_TRANSLATE_NOOP("LimitFrequencyPage", "Write"),
     QT_TRANSLATE_NOOP("LimitFrequencyPage", "Write Limits"), PartialBlock::Limits, true},
}};

}  // namespace

LimitFrequencyPage::LimitFrequencyPage(duoband::EditorModel& model, PageHost& host, QWidget* parent)
    : QWidget(parent),
      model_(model),
      host_(host),
      controls_(new pages::SettingsControls(model, this)) {
    auto* layout = new QGridLayout(this);
    // The boot message lines, then the limits and the limit mode.
    constexpr std::size_t kBootLines = duoband::kBootMessageLines;
    const std::vector<duoband::SettingRef> settings =
        duoband::settingsOnPage(duoband::SettingsPage::Limits);
    const std::span<const duoband::SettingRef> all(settings);
    controls_->addRows(layout, 0, 0, all.first(kBootLines));
    layout->addWidget(makeButton(Transfer::ReadBootMessage), 2, 0);
    layout->addWidget(makeButton(Transfer::WriteBootMessage), 2, 1);
    controls_->addRows(layout, 0, 3, all.subspan(kBootLines));
    layout->addWidget(makeButton(Transfer::ReadLimits), 8, 0);
    layout->addWidget(makeButton(Transfer::WriteLimits), 8, 1);
    layout->setRowStretch(9, 1);
    layout->setColumnStretch(2, 1);
    connect(controls_, &pages::SettingsControls::edited, this, &LimitFrequencyPage::edited);
    showModel();
}

QPushButton* LimitFrequencyPage::makeButton(Transfer which) {
    const ButtonDef& def = kButtons.at(static_cast<std::size_t>(which));
    auto* push = new QPushButton(tr(def.caption), this);
    push->setObjectName(def.name);
    push->setAccessibleName(tr(def.action));
    connect(push, &QPushButton::clicked, this, [this, which] { transfer(which); });
    buttons_.at(static_cast<std::size_t>(which)) = push;
    return push;
}

void LimitFrequencyPage::readBootMessage() {
    transfer(Transfer::ReadBootMessage);
}
void LimitFrequencyPage::writeBootMessage() {
    transfer(Transfer::WriteBootMessage);
}
void LimitFrequencyPage::readLimits() {
    transfer(Transfer::ReadLimits);
}
void LimitFrequencyPage::writeLimits() {
    transfer(Transfer::WriteLimits);
}

void LimitFrequencyPage::transfer(Transfer which) {
    // Without an open port the click is ignored: nothing sent, no message.
    // While another exchange runs, the exchange itself refuses with a message.
    if (!host_.portShownOpen()) return;
    commitPendingEdit();
    const ButtonDef& def = kButtons.at(static_cast<std::size_t>(which));
    const QPointer<LimitFrequencyPage> alive(this);
    setExchangeRunning(true);
    host_.exchangeRunning(true);
    duoband::ProgrammingExchange& exchange = host_.exchange();
    const duoband::ExchangeResult result = def.write ? exchange.writePartial(def.block, model_)
                                                     : exchange.readPartial(def.block, model_);
    if (!alive) return;  // the window closed while the exchange waited
    host_.exchangeRunning(false);
    setExchangeRunning(false);
    if (!def.write) {
        showModel();
        emit edited(tr(def.action), {});
    }
    const QString message = pages::fromCoreText(result.message);
    if (result.outcome == duoband::ExchangeOutcome::Success) {
        userDialogs().information(this, message);
    } else {
        userDialogs().warning(this, message);
    }
}

void LimitFrequencyPage::setExchangeRunning(bool running) {
    exchangesRunning_ = std::max(0, exchangesRunning_ + (running ? 1 : -1));
    for (QPushButton* button : buttons_) button->setEnabled(exchangesRunning_ == 0);
}

void LimitFrequencyPage::showModel() {
    controls_->showModel();
}

void LimitFrequencyPage::commitPendingEdit() {
    pages::commitFocusedEdit(this);
}
