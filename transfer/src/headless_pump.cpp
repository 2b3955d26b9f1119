// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/message_pump.h"

namespace duoband {

void HeadlessPump::waitUntil(const Deadline& deadline) {
    while (!deadline.expired()) {
        pollfd p{port_.notificationFd(), POLLIN, 0};
        const int ready = pollUntil(&p, 1, deadline);
        if (ready < 0) {
            // The descriptor cannot be watched: still keep the time.
            pollUntil(nullptr, 0, deadline);
            return;
        }
        if (ready > 0) port_.processNotifications();
    }
}

}  // namespace duoband

namespace duoband {

void HeadlessPump::waitForDelivery(const Deadline& deadline) {
    if (port_.waitForNotifications(deadline)) port_.processNotifications();
}

}  // namespace duoband
