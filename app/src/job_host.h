// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a window's radio command needs of the window that runs it: the radio
// with its port, the options and the output every job of the window gets,
// and a word when an exchange starts and ends (calls nest), so the window
// refuses the commands that would change the configuration or the port
// meanwhile. Every job is recorded in the register as it ends.
#pragma once

#include <string>

#include "duoband/radio_jobs.h"
#include "duoband/radio_register.h"

class WindowRadio;

class JobHost {
  public:
    virtual ~JobHost() = default;
    virtual WindowRadio& radio() = 0;
    // Status panel 0 equals "COM Port:" followed by the selected port.
    virtual bool portShownOpen() const = 0;
    virtual void exchangeRunning(bool running) = 0;
    virtual duoband::JobOptions jobOptions() const { return {}; }
    // Its members run on the window's thread: a job's calls reach them queued.
    virtual duoband::JobOutput jobOutput() { return {}; }
    // The file of the configuration the window holds; empty while untitled.
    virtual std::string configurationFile() const { return {}; }
    // Records a job that ended in the register; called on the job's thread.
    virtual void recordJob(duoband::JobRecord) {}
};
