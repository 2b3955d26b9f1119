// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A thread-safe FIFO whose descriptor is readable exactly while the queue
// holds something, so a consumer can wait for it in poll() (or a
// QSocketNotifier) together with other descriptors and never spins.
#pragma once

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <system_error>
#include <utility>

namespace duoband {

template <class T>
class WakeQueue {
  public:
    WakeQueue() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
        if (fd_ < 0) throw std::system_error(errno, std::generic_category(), "eventfd");
    }
    ~WakeQueue() { ::close(fd_); }
    WakeQueue(const WakeQueue&) = delete;
    WakeQueue& operator=(const WakeQueue&) = delete;

    // Readable (POLLIN) while the queue is not empty.
    int fd() const { return fd_; }

    // Appends an item; `underLock` runs while the queue is locked, so a
    // flag it changes cannot race with a consumer that finds the queue empty.
    // False, and nothing done, once the queue is shut.
    template <class F>
    bool push(T item, F underLock) {
        std::lock_guard lock(mutex_);
        if (shut_) return false;
        underLock();
        items_.push_back(std::move(item));
        if (items_.size() == 1) signal(1);
        return true;
    }
    bool push(T item) {
        return push(std::move(item), [] {});
    }

    // Appends an item, unless `fold(newest, item)` folds it into the newest
    // one waiting (and returns true), so repeated news cannot pile up.
    template <class F>
    bool pushOrFold(T item, F fold) {
        std::lock_guard lock(mutex_);
        if (shut_) return false;
        if (!items_.empty() && fold(items_.back(), item)) return true;
        items_.push_back(std::move(item));
        if (items_.size() == 1) signal(1);
        return true;
    }

    // The consumer is gone: refuse further items.
    void shut() {
        std::lock_guard lock(mutex_);
        shut_ = true;
    }

    // Takes the oldest item; when there is none, runs `ifEmpty` under the lock.
    template <class F>
    std::optional<T> popOr(F ifEmpty) {
        std::lock_guard lock(mutex_);
        if (items_.empty()) {
            ifEmpty();
            return std::nullopt;
        }
        T item = std::move(items_.front());
        items_.pop_front();
        if (items_.empty()) clear();
        return item;
    }
    std::optional<T> pop() {
        return popOr([] {});
    }

    std::size_t size() const {
        std::lock_guard lock(mutex_);
        return items_.size();
    }

  private:
    void signal(std::uint64_t n) { [[maybe_unused]] auto r = ::write(fd_, &n, sizeof n); }
    void clear() {
        std::uint64_t n;
        [[maybe_unused]] auto r = ::read(fd_, &n, sizeof n);
    }

    int fd_;
    mutable std::mutex mutex_;
    std::deque<T> items_;
    bool shut_ = false;
};

}  // namespace duoband
