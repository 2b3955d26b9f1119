// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A thread that its owner can wait for with a deadline. If the deadline
// passes the thread is let go (detached); its body must then own everything
// it touches (shared_ptr captures), which the port threads do.
#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "duoband/deadline.h"

namespace duoband {

class BoundedThread {
  public:
    // Starts the body at once; throws std::system_error when no thread can be made.
    explicit BoundedThread(std::function<void()> body);
    ~BoundedThread();  // waits without limit if nobody waited before
    BoundedThread(const BoundedThread&) = delete;
    BoundedThread& operator=(const BoundedThread&) = delete;

    // True when the body ended in time (the thread is joined), false when it
    // was let go still running.
    bool joinWithin(const Deadline& deadline);

  private:
    struct Finish {
        std::mutex mutex;
        std::condition_variable ended;
        bool done = false;
    };
    std::shared_ptr<Finish> finish_ = std::make_shared<Finish>();
    std::thread thread_;
};

}  // namespace duoband
