// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The register as duoband-cli uses it: the shared recorder, opened once per
// command, saying what it has to say on the command's error stream.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "duoband/cli.h"
#include "duoband/job_recorder.h"

namespace duoband::cli {

class JobRecorder {
  public:
    // `requested`: --register's address, or empty for the data folder's file.
    JobRecorder(const std::string& requested, Io& io);

    // Opens the register; false when it cannot, saying why when it is
    // `needed` by `command` (otherwise its records go to the spool).
    bool open(bool needed, std::string_view command);
    RadioRegister& reg() { return recorder_.reg(); }
    bool isOpen() const { return recorder_.isOpen(); }

    // Stores `job`, or spools it with one warning, through `warn` when
    // given (a job's own output, which keeps a fleet's screen in order).
    using Warn = std::function<void(const std::string&)>;
    void record(JobRecord job, const Warn& warn = {});

  private:
    Io& io_;
    duoband::JobRecorder recorder_;
};

}  // namespace duoband::cli
