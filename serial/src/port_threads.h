// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The receive and transmit threads of SerialPort. Each runs its body (run)
// on a PortLink it shares with the port; they end when the link's close
// event is signalled or when the line is gone.
#pragma once

#include <linux/serial.h>

#include <cstdint>
#include <memory>

#include "bounded_thread.h"
#include "port_link.h"

namespace duoband {

class ReceiveThread {
  public:
    explicit ReceiveThread(std::shared_ptr<PortLink> link);
    bool waitFor(const Deadline& deadline) { return thread_.joinWithin(deadline); }

  private:
    static void run(PortLink& link);
    BoundedThread thread_;
};

class TransmitThread {
  public:
    explicit TransmitThread(std::shared_ptr<PortLink> link);
    bool waitFor(const Deadline& deadline) { return thread_.joinWithin(deadline); }

  private:
    static void run(PortLink& link);
    BoundedThread thread_;
};

// The line-error flags that the growth of the driver's error counters stands for.
std::uint32_t lineErrorFlags(const serial_icounter_struct& before,
                             const serial_icounter_struct& after);

}  // namespace duoband
