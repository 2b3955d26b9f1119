#include "pages/limit_frequency_page.h"

#include <QGridLayout>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

#include "pages/page_host.h"
#include "pages/page_widgets.h"
#include "pages/settings_controls.h"
#include "user_dialogs.h"

using duoband::PartialBlock;

namespace {

struct ButtonDef {
    const char* name;
    const char* caption;
    PartialBlock block;
    bool write;
};

constexpr std::array<ButtonDef, 4> kButtons{{
    {"Button1", "Read", PartialBlock::BootMessage, false},
    {"Button2", "Write", PartialBlock::BootMessage, true},
    {"Button3", "Read", PartialBlock::Limits, false},
    {"Button4", "Write", PartialBlock::Limits, true},
}};

}  // namespace

LimitFrequencyPage::LimitFrequencyPage(duoband::EditorModel& model, PageHost& host, QWidget* parent)
    : QWidget(parent),
      model_(model),
      host_(host),
      controls_(new pages::SettingsControls(model, this)) {
    auto* layout = new QGridLayout(this);
    constexpr std::size_t kBootLines = 2;  // kaiji1, kaiji2, then xp1..xp5
    const duoband::PageCaptions page = duoband::limitCaptions();
    const std::span<const duoband::CaptionedControl> all(page.controls);
    controls_->addRows(layout, 0, 0, all.first(kBootLines));
    layout->addWidget(makeButton(0), 2, 0);
    layout->addWidget(makeButton(1), 2, 1);
    controls_->addRows(layout, 0, 3, all.subspan(kBootLines));
    layout->addWidget(makeButton(2), 8, 0);
    layout->addWidget(makeButton(3), 8, 1);
    layout->setRowStretch(9, 1);
    layout->setColumnStretch(2, 1);
    showModel();
}

QPushButton* LimitFrequencyPage::makeButton(int button) {
    const ButtonDef& def = kButtons.at(static_cast<std::size_t>(button));
    auto* push = new QPushButton(def.caption, this);
    push->setObjectName(def.name);
    connect(push, &QPushButton::clicked, this, [this, button] { transfer(button); });
    buttons_.at(static_cast<std::size_t>(button)) = push;
    return push;
}

void LimitFrequencyPage::readBootMessage() {
    transfer(0);
}
void LimitFrequencyPage::writeBootMessage() {
    transfer(1);
}
void LimitFrequencyPage::readLimits() {
    transfer(2);
}
void LimitFrequencyPage::writeLimits() {
    transfer(3);
}

void LimitFrequencyPage::transfer(int button) {
    // Without an open port the click is ignored: nothing sent, no message.
    // While another exchange runs, the exchange itself refuses with a message.
    if (!host_.portShownOpen()) return;
    commitPendingEdit();
    const ButtonDef& def = kButtons.at(static_cast<std::size_t>(button));
    const QPointer<LimitFrequencyPage> alive(this);
    setExchangeRunning(true);
    host_.exchangeRunning(true);
    duoband::ProgrammingExchange& exchange = host_.exchange();
    const duoband::ExchangeResult result = def.write ? exchange.writePartial(def.block, model_)
                                                     : exchange.readPartial(def.block, model_);
    if (!alive) return;  // the window closed while the exchange waited
    host_.exchangeRunning(false);
    setExchangeRunning(false);
    if (!def.write) showModel();
    userDialogs().information(this, pages::fromEntry(result.message));
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
