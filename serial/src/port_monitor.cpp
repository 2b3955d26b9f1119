// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/port_monitor.h"

#include <libudev.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "duoband/port_discovery.h"
#include "udev_ports.h"

namespace duoband {
namespace {

using Udev = std::unique_ptr<udev, decltype(&udev_unref)>;
using UdevMonitor = std::unique_ptr<udev_monitor, decltype(&udev_monitor_unref)>;
using UdevDevice = std::unique_ptr<udev_device, decltype(&udev_device_unref)>;

struct KnownBridge {
    std::string_view usbId;
    std::string_view name;
};

// The USB-serial bridges of programming cables (the ones duoband's udev
// rule names), by the name printed on their boxes.
constexpr std::array<KnownBridge, 18> kKnownBridges{{
    {"067b:2303", "USB-Serial Prolific"},
    {"067b:23a3", "USB-Serial Prolific"},
    {"067b:23b3", "USB-Serial Prolific"},
    {"067b:23c3", "USB-Serial Prolific"},
    {"067b:23d3", "USB-Serial Prolific"},
    {"067b:23e3", "USB-Serial Prolific"},
    {"067b:23f3", "USB-Serial Prolific"},
    {"1a86:7523", "USB-Serial WCH CH340"},
    {"1a86:5523", "USB-Serial WCH CH341"},
    {"1a86:55d4", "USB-Serial WCH CH9102"},
    {"1a86:55d3", "USB-Serial WCH CH343"},
    {"10c4:ea60", "USB-Serial Silicon Labs CP210x"},
    {"10c4:ea70", "USB-Serial Silicon Labs CP2105"},
    {"10c4:ea71", "USB-Serial Silicon Labs CP2108"},
    {"0403:6001", "USB-Serial FTDI"},
    {"0403:6010", "USB-Serial FTDI"},
    {"0403:6014", "USB-Serial FTDI"},
    {"0403:6015", "USB-Serial FTDI"},
}};

std::string text(const char* value) {
    return value ? value : "";
}

ListedPort describedPort(std::string path, const PortDevice& device) {
    return {std::move(path), describeDevice(device), !device.usbId.empty()};
}

// An "add" of a listed tty or a "remove" of any tty with a node; udev's
// other actions (change, bind, move) leave the list as it is.
std::optional<PortEvent> eventFor(udev_device* device) {
    const std::string action = text(udev_device_get_action(device));
    const std::string path = text(udev_device_get_devnode(device));
    if (action == "add" && isListedTty(device))
        return PortEvent{PortEvent::Kind::Added, describedPort(path, describeUdevDevice(device))};
    if (action == "remove" && !path.empty())
        return PortEvent{PortEvent::Kind::Removed, ListedPort{path, {}, false}};
    return std::nullopt;
}

class UdevPortMonitor final : public PortMonitor {
  public:
    UdevPortMonitor() {
        if (!context_) return;
        monitor_.reset(udev_monitor_new_from_netlink(context_.get(), "udev"));
        if (!monitor_) return;
        const bool watching =
            udev_monitor_filter_add_match_subsystem_devtype(monitor_.get(), "tty", nullptr) >= 0 &&
            udev_monitor_enable_receiving(monitor_.get()) >= 0;
        if (!watching) monitor_.reset();
    }

    int fd() const override { return monitor_ ? udev_monitor_get_fd(monitor_.get()) : -1; }

    // The socket does not block: the device is null once nothing waits.
    std::vector<PortEvent> readEvents() override {
        std::vector<PortEvent> events;
        if (!monitor_) return events;
        for (;;) {
            UdevDevice device(udev_monitor_receive_device(monitor_.get()), udev_device_unref);
            if (!device) break;
            if (auto event = eventFor(device.get())) events.push_back(std::move(*event));
        }
        return events;
    }

  private:
    Udev context_{udev_new(), udev_unref};
    UdevMonitor monitor_{nullptr, udev_monitor_unref};
};

}  // namespace

std::string describeDevice(const PortDevice& device) {
    const auto known = std::ranges::find(kKnownBridges, device.usbId, &KnownBridge::usbId);
    if (known != kKnownBridges.end()) return std::string(known->name);
    return device.product;
}

std::string friendlyName(const ListedPort& port) {
    return port.description.empty() ? port.path : port.description + " — " + port.path;
}

ListedPort listedPort(const std::string& path) {
    return describedPort(path, describePortDevice(path));
}

std::vector<ListedPort> listPorts() {
    std::vector<ListedPort> ports;
    for (const std::string& path : listSerialPorts()) ports.push_back(listedPort(path));
    return ports;
}

std::unique_ptr<PortMonitor> makeUdevPortMonitor() {
    return std::make_unique<UdevPortMonitor>();
}

std::vector<PortEvent> QueuedPortMonitor::readEvents() {
    std::vector<PortEvent> events;
    while (auto event = queue_.pop()) events.push_back(std::move(*event));
    return events;
}

}  // namespace duoband
