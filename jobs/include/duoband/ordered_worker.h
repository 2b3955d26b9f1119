// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Calls run one after another on a thread of their own, in the order they
// were posted: a window hands it what may block (the register on a server
// far away) and hears the results queued, and calls that must keep their
// order (radios taking their numbers as they were plugged in) keep it.
//
// Threads: post() from any thread; each call runs on the worker's thread.
// The destructor runs what was posted, then joins.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace duoband {

class OrderedWorker {
  public:
    OrderedWorker();
    ~OrderedWorker();
    OrderedWorker(const OrderedWorker&) = delete;
    OrderedWorker& operator=(const OrderedWorker&) = delete;

    void post(std::function<void()> call);

  private:
    void run();

    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> calls_;
    bool ending_ = false;
    std::thread thread_;  // last: starts once the rest is made
};

}  // namespace duoband
