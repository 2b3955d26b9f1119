// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Serial ports as cables come and go: the ports with the names a user knows
// them by, and a monitor whose descriptor turns readable when a port
// appears or goes away, so a front end watches it together with everything
// else (a QSocketNotifier, poll()) and never polls.
//
// Thread contract: a PortMonitor belongs to the thread that watches fd()
// and calls readEvents(); it starts no thread of its own. QueuedPortMonitor
// also takes post() from any thread.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "duoband/port_doctor.h"
#include "duoband/wake_queue.h"

namespace duoband {

// One entry of a port list.
struct ListedPort {
    std::string path;         // "/dev/ttyUSB0"
    std::string description;  // "USB-Serial Prolific"; empty when the path is all there is
    bool usb = false;         // behind a USB-serial bridge: a cable that can be pulled
    bool operator==(const ListedPort&) const = default;
};

// What a list shows for a device: the bridges programming cables use by
// their maker's name, any other USB device by its product string.
std::string describeDevice(const PortDevice& device);

// "USB-Serial Prolific — /dev/ttyUSB0", or the path alone.
std::string friendlyName(const ListedPort& port);

// The port at `path`, described from udev's details of its device.
ListedPort listedPort(const std::string& path);

// The machine's serial ports (listSerialPorts()), described, sorted by path.
std::vector<ListedPort> listPorts();

struct PortEvent {
    enum class Kind { Added, Removed };
    Kind kind = Kind::Added;
    ListedPort port;  // Removed: the path only
    bool operator==(const PortEvent&) const = default;
};

class PortMonitor {
  public:
    virtual ~PortMonitor() = default;
    // Readable while events wait; -1 when this monitor can watch nothing.
    virtual int fd() const = 0;
    // The events waiting now, oldest first; never blocks.
    virtual std::vector<PortEvent> readEvents() = 0;
};

// udev's tty events as they leave udev (not the kernel's own, which come
// before the rules gave the device its permissions and by-id links), for
// the ports listPorts() would list. A monitor with fd() -1 when udev cannot
// be reached.
std::unique_ptr<PortMonitor> makeUdevPortMonitor();

// Events posted by someone else: a test standing in for udev.
class QueuedPortMonitor final : public PortMonitor {
  public:
    void post(PortEvent event) { queue_.push(std::move(event)); }
    int fd() const override { return queue_.fd(); }
    std::vector<PortEvent> readEvents() override;

  private:
    WakeQueue<PortEvent> queue_;
};

}  // namespace duoband
