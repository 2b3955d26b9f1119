// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/port_selection.h"

#include <algorithm>

namespace duoband {
namespace {

bool byPath(const ListedPort& a, const ListedPort& b) {
    return a.path < b.path;
}

PortEventOutcome plugged(PortList& list, const ListedPort& port, const PortState& state) {
    if (!list.add(port)) return {};
    const bool choose = !state.open && !state.exchangeRunning && list.isOnlyUsbPort(port.path);
    if (choose) {
        return {PortEventOutcome::Action::Select, port.path,
                announceChoice({port, ChoiceReason::PluggedIn})};
    }
    return {PortEventOutcome::Action::None, port.path,
            phrase(QT_TRANSLATE_NOOP("duoband", "Plugged in: %1."), verbatim(friendlyName(port)))};
}

PortEventOutcome pulled(PortList& list, const std::string& path, const PortState& state) {
    const ListedPort* listed = list.find(path);
    if (listed == nullptr) return {};
    const Phrase name = verbatim(friendlyName(*listed));
    list.remove(path);
    const Phrase pulledOut = phrase(QT_TRANSLATE_NOOP("duoband", "Pulled out: %1."), name);
    if (path != state.selected) return {PortEventOutcome::Action::None, path, pulledOut};
    if (state.open) {
        return {PortEventOutcome::Action::CloseLost, path,
                phrase(QT_TRANSLATE_NOOP("duoband", "Pulled out: %1; the port is closed."), name)};
    }
    return {PortEventOutcome::Action::Unselect, path, pulledOut};
}

}  // namespace

PortList::PortList(std::vector<ListedPort> ports) : ports_(std::move(ports)) {
    std::ranges::stable_sort(ports_, byPath);
    // std::unique rather than the ranges one, which clang's fuzz build cannot compile.
    ports_.erase(std::unique(ports_.begin(), ports_.end(),
                             [](const auto& a, const auto& b) { return a.path == b.path; }),
                 ports_.end());
}

const ListedPort* PortList::find(const std::string& path) const {
    const auto it = std::ranges::find(ports_, path, &ListedPort::path);
    return it == ports_.end() ? nullptr : &*it;
}

bool PortList::add(ListedPort port) {
    if (find(port.path) != nullptr) return false;
    const auto at = std::ranges::upper_bound(ports_, port, byPath);
    ports_.insert(at, std::move(port));
    return true;
}

bool PortList::remove(const std::string& path) {
    return std::erase_if(ports_, [&](const ListedPort& p) { return p.path == path; }) > 0;
}

bool PortList::isOnlyUsbPort(const std::string& path) const {
    const ListedPort* port = find(path);
    return port != nullptr && port->usb && std::ranges::count(ports_, true, &ListedPort::usb) == 1;
}

std::optional<PortChoice> choosePortAtStart(const PortList& list,
                                            const std::vector<std::string>& asked,
                                            const std::string& lastUsed) {
    if (!asked.empty()) {
        if (const ListedPort* port = list.find(asked.front()))
            return PortChoice{*port, ChoiceReason::Asked};
    }
    if (const ListedPort* port = list.find(lastUsed))
        return PortChoice{*port, ChoiceReason::LastUsed};
    if (list.ports().empty()) return std::nullopt;
    return PortChoice{list.ports().front(), ChoiceReason::FirstListed};
}

Phrase announceChoice(const PortChoice& choice) {
    Phrase why;
    switch (choice.reason) {
        case ChoiceReason::Asked:
            why = QT_TRANSLATE_NOOP("duoband", "the port given on the command line");
            break;
        case ChoiceReason::LastUsed:
            why = QT_TRANSLATE_NOOP("duoband", "the port used last time");
            break;
        case ChoiceReason::FirstListed:
            why = QT_TRANSLATE_NOOP("duoband", "the first port listed");
            break;
        case ChoiceReason::PluggedIn:
            why = QT_TRANSLATE_NOOP("duoband", "the cable just plugged in");
            break;
    }
    return phrase(QT_TRANSLATE_NOOP("duoband", "Chose %1, %2."),
                  verbatim(friendlyName(choice.port)), why);
}

PortEventOutcome applyPortEvent(PortList& list, const PortEvent& event, const PortState& state) {
    return event.kind == PortEvent::Kind::Added ? plugged(list, event.port, state)
                                                : pulled(list, event.port.path, state);
}

}  // namespace duoband
