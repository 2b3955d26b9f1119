// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/limit_frequency_page.h"

#include <QGridLayout>
#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <memory>

#include "duoband/job_recorder.h"
#include "duoband/settings_table.h"
#include "pages/page_host.h"
#include "pages/page_widgets.h"
#include "pages/settings_controls.h"
#include "user_dialogs.h"
#include "window_radio.h"

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

// The exchange runs on the window's radio; the page shows its end when the
// report comes. A read fills a copy of the configuration, taken over then.
void LimitFrequencyPage::transfer(Transfer which) {
    // Without an open port the click is ignored: nothing sent, no message.
    if (!host_.portShownOpen()) return;
    commitPendingEdit();
    WindowRadio& radio = host_.radio();
    if (radio.running()) {
        userDialogs().warning(this, pages::fromCoreText(duoband::kExchangeBusy));
        return;
    }
    const ButtonDef& def = kButtons.at(static_cast<std::size_t>(which));
    auto copy = std::make_shared<duoband::EditorModel>(model_);
    setExchangeRunning(true);
    host_.exchangeRunning(true);
    const QPointer<LimitFrequencyPage> alive(this);
    radio.start(
        [copy, &def, &host = host_, file = def.write ? host_.configurationFile() : std::string()](
            duoband::ProgrammingExchange& exchange, const std::string& port) {
            const auto start = std::chrono::steady_clock::now();
            const duoband::ExchangeResult result = def.write
                                                       ? exchange.writePartial(def.block, *copy)
                                                       : exchange.readPartial(def.block, *copy);
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            duoband::JobRecord job = duoband::jobRecordOf(
                duoband::partialJobKind(def.block, def.write), port, result, took.count());
            job.configuration = file;
            host.recordJob(std::move(job));
            duoband::JobReport report;
            report.outcome = result.outcome;
            report.message = result.message;
            return report;
        },
        [alive, copy, &def](const duoband::JobReport& report) {
            if (alive) alive->transferEnded(def.write, def.action, *copy, report);
        });
}

void LimitFrequencyPage::transferEnded(bool wrote, const char* action,
                                       const duoband::EditorModel& arrived,
                                       const duoband::JobReport& report) {
    host_.exchangeRunning(false);
    setExchangeRunning(false);
    if (!wrote) {
        model_ = arrived;
        showModel();
        emit edited(tr(action), {});
    }
    userDialogs().openMessage(this,
                              report.outcome == duoband::ExchangeOutcome::Success
                                  ? UserDialogs::MessageKind::Information
                                  : UserDialogs::MessageKind::Warning,
                              pages::fromCoreText(report.message), [] {});
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
