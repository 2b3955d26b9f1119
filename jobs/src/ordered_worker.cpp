// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/ordered_worker.h"

namespace duoband {

OrderedWorker::OrderedWorker() : thread_([this] { run(); }) {}

OrderedWorker::~OrderedWorker() {
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
    }
    posted_.notify_one();
    thread_.join();
}

void OrderedWorker::post(std::function<void()> call) {
    {
        std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
    }
    posted_.notify_one();
}

void OrderedWorker::run() {
    for (;;) {
        std::function<void()> call;
        {
            std::unique_lock lock(mutex_);
            posted_.wait(lock, [this] { return ending_ || !calls_.empty(); });
            if (calls_.empty()) return;
            call = std::move(calls_.front());
            calls_.pop_front();
        }
        call();
    }
}

}  // namespace duoband
