// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the udev enumeration and the udev monitor share.
#pragma once

#include "duoband/port_doctor.h"

struct udev_device;

namespace duoband {

// The tty is a port the list shows (it has a node and a device, and it is
// not a phantom legacy port).
bool isListedTty(udev_device* device);

PortDevice describeUdevDevice(udev_device* device);

}  // namespace duoband
