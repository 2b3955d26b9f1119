// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bounded_thread.h"

namespace duoband {

BoundedThread::BoundedThread(std::function<void()> body) {
    thread_ = std::thread([finish = finish_, body = std::move(body)] {
        body();
        std::lock_guard lock(finish->mutex);
        finish->done = true;
        finish->ended.notify_all();
    });
}

BoundedThread::~BoundedThread() {
    if (thread_.joinable()) thread_.join();
}

bool BoundedThread::joinWithin(const Deadline& deadline) {
    if (!thread_.joinable()) return true;
    std::unique_lock lock(finish_->mutex);
    const auto done = [&] { return finish_->done; };
    bool ended = true;
    if (deadline.isNever()) {
        finish_->ended.wait(lock, done);
    } else {
        ended = finish_->ended.wait_until(lock, deadline.at(), done);
    }
    lock.unlock();
    if (ended) {
        thread_.join();
    } else {
        thread_.detach();
    }
    return ended;
}

}  // namespace duoband
