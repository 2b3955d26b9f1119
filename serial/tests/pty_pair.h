// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A real pseudo-terminal pair for the serial tests: SerialPort opens the slave by
// its path, the test plays the radio on the master.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "duoband/deadline.h"
#include "duoband/serial_port.h"

namespace duoband::testing {

using namespace std::chrono_literals;

class PtyPair {
  public:
    PtyPair() {
        char name[256] = {};
        if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
            throw std::runtime_error("openpty failed");
        }
        path_ = name;
        ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    }
    ~PtyPair() {
        closeMaster();
        ::close(slave_);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& path() const { return path_; }
    int slave() const { return slave_; }
    int master() const { return master_; }
    void closeMaster() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }

    // Plays the radio: writes every byte, waiting while the pty is full.
    void write(const std::vector<std::uint8_t>& bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
            if (n > 0) done += static_cast<std::size_t>(n);
            if (n >= 0 || errno == EINTR) continue;
            if (errno != EAGAIN || !waitFor(POLLOUT, Deadline::in(2s)))
                throw std::runtime_error("pty write");
        }
    }
    void write(const std::string& text) {
        write(std::vector<std::uint8_t>(text.begin(), text.end()));
    }

    // Reads until `count` bytes came, the deadline passed or the line is gone.
    std::vector<std::uint8_t> read(std::size_t count, const Deadline& deadline) {
        std::vector<std::uint8_t> got;
        std::uint8_t buffer[4096];
        while (got.size() < count && waitFor(POLLIN, deadline)) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0) got.insert(got.end(), buffer, buffer + n);
            // A hung-up line stays readable (EIO): stop rather than spin.
            if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) break;
        }
        return got;
    }

  private:
    bool waitFor(short events, const Deadline& deadline) {
        pollfd fd{master_, events, 0};
        return pollUntil(&fd, 1, deadline) > 0;
    }

    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

// The owner's loop: waits on the notification descriptor and lets SerialPort raise
// its events here, until `done` holds or the deadline passes.
inline bool pumpUntil(SerialPort& port, const std::function<bool()>& done,
                      const Deadline& deadline) {
    while (!done()) {
        if (!port.waitForNotifications(deadline)) return done();
        port.processNotifications();
    }
    return true;
}

// Lets the events of the next `span` happen (for checking that nothing more comes).
inline void pumpFor(SerialPort& port, std::chrono::milliseconds span) {
    pumpUntil(
        port, [] { return false; }, Deadline::in(span));
}

}  // namespace duoband::testing
