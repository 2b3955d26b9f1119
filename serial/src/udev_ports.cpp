// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's serial ports and their devices, as libudev sees them: the
// kernel's view (sysfs) plus what udev added (by-id links, ModemManager
// hints), when udev runs.
#include <libudev.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

#include "duoband/port_discovery.h"
#include "duoband/port_doctor.h"
#include "port_filter.h"
#include "udev_ports.h"

namespace duoband {
namespace {

using Udev = std::unique_ptr<udev, decltype(&udev_unref)>;
using UdevDevice = std::unique_ptr<udev_device, decltype(&udev_device_unref)>;
using UdevEnumerate = std::unique_ptr<udev_enumerate, decltype(&udev_enumerate_unref)>;

constexpr std::string_view kByIdFolder = "/dev/serial/by-id/";

std::string text(const char* value) {
    return value ? value : "";
}

std::string attribute(udev_device* device, const char* name) {
    return text(udev_device_get_sysattr_value(device, name));
}

std::string byIdLink(udev_device* device) {
    udev_list_entry* link = nullptr;
    udev_list_entry_foreach(link, udev_device_get_devlinks_list_entry(device)) {
        const std::string name = text(udev_list_entry_get_name(link));
        if (name.starts_with(kByIdFolder)) return name;
    }
    return {};
}

// A tty has no driver of its own; the nearest ancestor that has one is the
// serial chip's (pl2303 for /dev/ttyUSB0, cdc_acm for /dev/ttyACM0). The
// serial core's own layer ("serial-base", driver "port") says nothing.
std::string driverOf(udev_device* device) {
    for (udev_device* d = device; d; d = udev_device_get_parent(d)) {
        const char* driver = udev_device_get_driver(d);
        if (driver && text(udev_device_get_subsystem(d)) != "serial-base") return driver;
    }
    return {};
}

void describeUsb(udev_device* device, PortDevice& described) {
    udev_device* usb = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device");
    if (!usb) return;
    described.usbId = attribute(usb, "idVendor") + ":" + attribute(usb, "idProduct");
    described.product = attribute(usb, "product");
}

}  // namespace

bool isListedTty(udev_device* device) {
    return udev_device_get_devnode(device) &&
           isListedPort(text(udev_device_get_sysname(device)),
                        udev_device_get_parent(device) != nullptr, attribute(device, "type"));
}

PortDevice describeUdevDevice(udev_device* device) {
    PortDevice described;
    described.byId = byIdLink(device);
    described.driver = driverOf(device);
    describeUsb(device, described);
    described.modemManagerIgnores =
        text(udev_device_get_property_value(device, "ID_MM_DEVICE_IGNORE")) == "1";
    return described;
}

std::vector<std::string> listSerialPorts() {
    Udev context(udev_new(), udev_unref);
    if (!context) return listSerialPorts("/sys/class/tty", "/dev");
    UdevEnumerate enumerate(udev_enumerate_new(context.get()), udev_enumerate_unref);
    if (!enumerate) return {};
    udev_enumerate_add_match_subsystem(enumerate.get(), "tty");
    udev_enumerate_scan_devices(enumerate.get());
    std::vector<std::string> ports;
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get())) {
        UdevDevice device(
            udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)),
            udev_device_unref);
        if (device && isListedTty(device.get()))
            ports.push_back(udev_device_get_devnode(device.get()));
    }
    std::sort(ports.begin(), ports.end());
    return ports;
}

PortDevice describePortDevice(const std::string& path) {
    PortDevice described;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISCHR(info.st_mode)) return described;
    Udev context(udev_new(), udev_unref);
    if (!context) return described;
    UdevDevice device(udev_device_new_from_devnum(context.get(), 'c', info.st_rdev),
                      udev_device_unref);
    return device ? describeUdevDevice(device.get()) : described;
}

}  // namespace duoband
