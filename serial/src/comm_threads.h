// The receive and transmit threads of TComm. Each runs its body (Execute)
// on a CommLink it shares with the component; they end when the link's close
// event is signalled or when the line is gone.
#pragma once

#include <linux/serial.h>

#include <cstdint>
#include <memory>

#include "bounded_thread.h"
#include "comm_link.h"

namespace duoband {

class TReadThread {
  public:
    explicit TReadThread(std::shared_ptr<CommLink> link);
    bool WaitFor(const Deadline& deadline) { return thread_.joinWithin(deadline); }

  private:
    static void Execute(CommLink& link);
    BoundedThread thread_;
};

class TWriteThread {
  public:
    explicit TWriteThread(std::shared_ptr<CommLink> link);
    bool WaitFor(const Deadline& deadline) { return thread_.joinWithin(deadline); }

  private:
    static void Execute(CommLink& link);
    BoundedThread thread_;
};

// The line-error flags that the growth of the driver's error counters stands for.
std::uint32_t lineErrorFlags(const serial_icounter_struct& before,
                             const serial_icounter_struct& after);

}  // namespace duoband
