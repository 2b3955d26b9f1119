// The timed wait of an exchange: the exchange runs on the thread that owns
// the serial component and must keep delivering its notifications (that is
// how received bytes reach the receive buffer) while it waits.
#pragma once

#include "duoband/comm.h"
#include "duoband/deadline.h"

namespace duoband {

class MessagePump {
  public:
    virtual ~MessagePump() = default;
    // Delivers notifications as they come and returns when `deadline` has
    // passed (never earlier, never by spinning).
    virtual void waitUntil(const Deadline& deadline) = 0;
};

// The pump of a program without a window: sleeps in poll() on the
// component's notification descriptor until the deadline.
class HeadlessPump : public MessagePump {
  public:
    explicit HeadlessPump(TComm& comm) : comm_(comm) {}
    void waitUntil(const Deadline& deadline) override;

  private:
    TComm& comm_;
};

}  // namespace duoband
