// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/station.h"

#include <algorithm>

#include "duoband/station_log.h"

namespace duoband {

void StationPorts::list(const std::string& path) {
    entry(path).present = true;
}

void StationPorts::plugged(const std::string& path, bool usb, Clock::time_point now) {
    Port& port = entry(path);
    port.present = true;
    port.dueAt.reset();
    if (usb && autoStart_) port.dueAt = now + kStationSettleTime;
}

void StationPorts::pulled(const std::string& path) {
    Port* port = find(path);
    if (port == nullptr) return;
    port->present = false;
    port->dueAt.reset();
    if (!port->running) std::erase_if(ports_, [&](const Port& p) { return p.path == path; });
}

void StationPorts::setAutoStart(bool on) {
    autoStart_ = on;
    if (!on)
        for (Port& port : ports_) port.dueAt.reset();
}

// A port is due once: its job's start clears `dueAt`, and only a new
// plugging sets it again.
std::vector<std::string> StationPorts::due(Clock::time_point now) const {
    std::vector<const Port*> ready;
    for (const Port& port : ports_)
        if (port.waitsToStart() && *port.dueAt <= now) ready.push_back(&port);
    std::ranges::stable_sort(ready, {}, [](const Port* p) { return *p->dueAt; });
    std::vector<std::string> paths;
    for (const Port* port : ready) paths.push_back(port->path);
    return paths;
}

std::optional<StationPorts::Clock::time_point> StationPorts::nextDue() const {
    std::optional<Clock::time_point> next;
    for (const Port& port : ports_)
        if (port.waitsToStart() && (!next || *port.dueAt < *next)) next = port.dueAt;
    return next;
}

std::vector<std::string> StationPorts::idle() const {
    std::vector<std::string> paths;
    for (const Port& port : ports_)
        if (port.present && !port.running) paths.push_back(port.path);
    return paths;
}

void StationPorts::started(const std::string& path) {
    Port& port = entry(path);
    port.running = true;
    port.dueAt.reset();
}

// A cable pulled and plugged in again while the job ran counts as a new
// plugging: the port is due again, as any port just plugged in.
void StationPorts::ended(const std::string& path) {
    Port* port = find(path);
    if (port == nullptr) return;
    port->running = false;
    if (!port->present) pulled(path);
}

bool StationPorts::listed(const std::string& path) const {
    const Port* port = find(path);
    return port != nullptr && port->present;
}

bool StationPorts::running(const std::string& path) const {
    const Port* port = find(path);
    return port != nullptr && port->running;
}

std::size_t StationPorts::runningCount() const {
    return static_cast<std::size_t>(std::ranges::count_if(ports_, &Port::running));
}

StationPorts::Port* StationPorts::find(const std::string& path) {
    const auto at = std::ranges::find(ports_, path, &Port::path);
    return at == ports_.end() ? nullptr : &*at;
}

const StationPorts::Port* StationPorts::find(const std::string& path) const {
    const auto at = std::ranges::find(ports_, path, &Port::path);
    return at == ports_.end() ? nullptr : &*at;
}

StationPorts::Port& StationPorts::entry(const std::string& path) {
    if (Port* port = find(path)) return *port;
    ports_.push_back(Port{path, false, false, std::nullopt});
    return ports_.back();
}

std::optional<std::uint64_t> StationNumbering::highestKnown(UnitField field) const {
    std::optional<std::uint64_t> highest = given_[static_cast<std::size_t>(field)];
    const auto logged = log_ != nullptr ? log_->highest(field) : std::nullopt;
    if (logged && (!highest || *logged > *highest)) highest = logged;
    return highest;
}

std::optional<StationNumbering::Taken> StationNumbering::take(const NumbersSet& set,
                                                              Phrase& problem) {
    Taken taken;
    auto given = given_;
    for (UnitField f : kUnitFields) {
        const auto& from = set[static_cast<std::size_t>(f)];
        if (!from) continue;
        const UnitFieldLayout& layout = unitFieldLayout(f);
        std::string unused;
        auto numbering = parseUnitNumbering(std::string(layout.name) + "=" + *from, unused);
        if (!numbering) {
            problem = phrase(
                QT_TRANSLATE_NOOP("duoband", "The next %1 is up to %2 decimal digits, not \"%3\"."),
                Phrase(layout.caption), verbatim(static_cast<long long>(layout.digits)),
                verbatim(*from));
            return std::nullopt;
        }
        if (const auto highest = highestKnown(f); highest && *highest >= numbering->start)
            numbering->start = *highest + 1;
        const auto number = unitNumber(*numbering, 0);
        if (!number) {
            problem =
                phrase(QT_TRANSLATE_NOOP(
                           "duoband", "The next %1 would be %2, more than the %3 digits it holds."),
                       Phrase(layout.caption), verbatim(std::to_string(numbering->start)),
                       verbatim(static_cast<long long>(layout.digits)));
            return std::nullopt;
        }
        taken.numbers[f] = *number;
        taken.next[f] = unitNumber(*numbering, 1).value_or(std::to_string(numbering->start + 1));
        given[static_cast<std::size_t>(f)] = numbering->start;
    }
    given_ = given;
    return taken;
}

}  // namespace duoband
