// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_choice.h"

#include <QComboBox>
#include <QLabel>
#include <QSocketNotifier>
#include <algorithm>

#include "app_settings.h"
#include "duoband/port_discovery.h"
#include "duoband/port_doctor.h"
#include "pages/page_widgets.h"
#include "port_status.h"

namespace {

using duoband::PortEventOutcome;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// The doctor's explanation and fix; when it sees nothing in the way (a
// port held by this very program), what the failed opening itself says.
QString whyNotOpened(const duoband::SerialPort& port, const duoband::SerialPortError& error) {
    const duoband::Phrase explained = duoband::explainPortProblem(port.path());
    if (!explained.empty()) return pages::fromCorePhrase(explained);
    if (port.lastOpenError() != 0)
        return pages::fromCorePhrase(duoband::explainOpenError(port.lastOpenError(), port.path()));
    return error.what();
}

}  // namespace

PortChoice::PortChoice(duoband::SerialPort& port, QObject* parent) : QObject(parent), port_(port) {
    label = new QLabel(portCaption());
    list = new QComboBox;
    list->setObjectName("portList");
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->setMinimumContentsLength(14);
    label->setBuddy(list);
    list->setAccessibleDescription(
        tr("The serial port of the programming cable; the list follows the cables."));
    pages::guardClosedList(list, pages::ClosedListIgnores::WheelAndKeys);
    connect(list, &QComboBox::activated, this, &PortChoice::choose);
}

PortChoice::~PortChoice() = default;

// The monitor watches before the machine is listed, so no cable slips in
// between; a port both listed and announced is listed once.
void PortChoice::start(PortOptions options) {
    asked_ = std::move(options.asked);
    monitor_ = options.monitor;
    if (!monitor_ && options.listMachinePorts) monitor_ = duoband::makeUdevPortMonitor();
    if (monitor_ && monitor_->fd() >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(monitor_->fd(), QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this, &PortChoice::takeCableEvents);
    }
    std::vector<duoband::ListedPort> listed;
    if (options.listMachinePorts) listed = duoband::listPorts();
    for (const std::string& path : asked_) listed.push_back(duoband::listedPort(path));
    ports_ = duoband::PortList(std::move(listed));
    takeEventsBeforeStart();
    showList();
    const auto choice =
        duoband::choosePortAtStart(ports_, asked_, appSettings::lastPort().toStdString());
    if (!choice) {
        showNothingChosen(tr("No serial port was found."));
        return;
    }
    chooseEntry(choice->port.path);
    emit announced(pages::fromCorePhrase(duoband::announceChoice(*choice)));
}

void PortChoice::choose() {
    if (panelShowsOpenPort(panelText_)) port_.close();
    openChosen();
}

QString PortChoice::chosenPath() const {
    return list->currentData().toString();
}

// Cables that came or went before the start are part of the list the start
// rule chooses from.
void PortChoice::takeEventsBeforeStart() {
    if (!monitor_) return;
    for (const duoband::PortEvent& event : monitor_->readEvents())
        duoband::applyPortEvent(ports_, event, duoband::PortState{});
}

void PortChoice::takeCableEvents() {
    for (const duoband::PortEvent& event : monitor_->readEvents()) {
        const std::string chosen = chosenPath().toStdString();
        const duoband::PortState state{chosen, port_.isOpen() && port_.path() == chosen,
                                       exchangeRunning_};
        apply(duoband::applyPortEvent(ports_, event, state));
        emit cableEvent(event);
    }
}

void PortChoice::apply(const PortEventOutcome& outcome) {
    showList();
    switch (outcome.action) {
        case PortEventOutcome::Action::None:
            break;
        case PortEventOutcome::Action::Select:
            chooseEntry(outcome.path);
            break;
        case PortEventOutcome::Action::CloseLost:
            if (closeLostLine_) {
                closeLostLine_();
            } else {
                port_.closeLostLine();
            }
            showNothingChosen(tr("The cable of %1 was pulled out.").arg(fromStd(outcome.path)));
            break;
        case PortEventOutcome::Action::Unselect:
            showNothingChosen(tr("The cable of %1 was pulled out.").arg(fromStd(outcome.path)));
            break;
    }
    if (!outcome.message.empty()) emit announced(pages::fromCorePhrase(outcome.message));
}

// The entries again, the chosen one still chosen when it is listed.
void PortChoice::showList() {
    const QString chosen = chosenPath();
    const QSignalBlocker quiet(list);
    list->clear();
    for (const duoband::ListedPort& port : ports_.ports())
        list->addItem(fromStd(duoband::friendlyName(port)), fromStd(port.path));
    list->setCurrentIndex(chosen.isEmpty() ? -1 : list->findData(chosen));
}

void PortChoice::chooseEntry(const std::string& path) {
    list->setCurrentIndex(list->findData(fromStd(path)));
    openChosen();
}

// A port given on the command line (the demo radio's) is not remembered:
// it is gone by the next start.
void PortChoice::openChosen() {
    const QString path = chosenPath();
    if (path.isEmpty()) return;
    port_.setPath(path.toStdString());
    try {
        port_.open();
        showPanel(portPanelText(path, true), {});
        if (std::ranges::find(asked_, path.toStdString()) == asked_.end())
            appSettings::setLastPort(path);
    } catch (const duoband::SerialPortError& error) {
        showPanel(portPanelText(path, false), whyNotOpened(port_, error));
    }
}

void PortChoice::lendPorts(bool lent) {
    if (!lent) {
        if (chosenPath().isEmpty()) {
            showNothingChosen({});
        } else {
            openChosen();
        }
        return;
    }
    if (port_.isOpen()) port_.close();
    showPanel(portCaption() + tr("in use by the station"),
              tr("While the station is open, it has every port; closing it gives the port back."));
}

void PortChoice::showNothingChosen(const QString& why) {
    showPanel(noPortText(), why);
}

void PortChoice::showPanel(const QString& text, const QString& toolTip) {
    panelText_ = text;
    emit panelChanged(text, toolTip);
}
