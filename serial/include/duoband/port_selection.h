// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The port list of a front end as cables come and go, and the only rules
// that choose a port without the user picking one: at start, and when a
// cable is plugged in or pulled out. Results are data: what to do and the
// sentence that says so.
//
// Thread contract: plain values and functions, for the thread that owns
// the list.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "duoband/phrase.h"
#include "duoband/port_monitor.h"

namespace duoband {

class PortList {
  public:
    PortList() = default;
    // Sorted by path as text (/dev/ttyUSB10 before /dev/ttyUSB2), each path once.
    explicit PortList(std::vector<ListedPort> ports);

    const std::vector<ListedPort>& ports() const { return ports_; }
    // The entry of `path`, or nullptr.
    const ListedPort* find(const std::string& path) const;
    // Lists `port` in path order; false, and nothing changed, when its path
    // is listed already.
    bool add(ListedPort port);
    // False when `path` was not listed.
    bool remove(const std::string& path);
    // `path` is listed, behind USB, and no other USB port is.
    bool isOnlyUsbPort(const std::string& path) const;

  private:
    std::vector<ListedPort> ports_;
};

// Why a port was chosen without a pick of the user.
enum class ChoiceReason { Asked, LastUsed, FirstListed, PluggedIn };

struct PortChoice {
    ListedPort port;
    ChoiceReason reason = ChoiceReason::FirstListed;
};

// At start: the first port asked for (on the command line) when listed, else
// the port used last when listed, else the first listed; none when the list
// is empty.
std::optional<PortChoice> choosePortAtStart(const PortList& list,
                                            const std::vector<std::string>& asked,
                                            const std::string& lastUsed);

// "Chose USB-Serial Prolific — /dev/ttyUSB0, the port used last time."
Phrase announceChoice(const PortChoice& choice);

// Where the front end stands when a cable comes or goes.
struct PortState {
    std::string selected;  // the path chosen in the list; empty when none
    bool open = false;     // the selected port is open
    bool exchangeRunning = false;
};

// What a cable event asks of the front end once the list has taken it in.
struct PortEventOutcome {
    enum class Action {
        None,       // the list changed; the choice stays
        Select,     // choose and open `path`
        CloseLost,  // the open port is gone: close it, failing a running exchange
        Unselect,   // the chosen port, which was not open, is gone
    };
    Action action = Action::None;
    std::string path;
    Phrase message;  // for the status bar; empty when the list did not change
};

// A plugged cable is chosen only when no port is open, no exchange runs and
// it is the only USB port listed; a pulled cable closes the open port even
// during an exchange, since the line is gone either way.
PortEventOutcome applyPortEvent(PortList& list, const PortEvent& event, const PortState& state);

}  // namespace duoband
