// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Radio Register window's way to the register: every call runs on a
// thread of its own, one after the other in the order asked, and its end
// comes back to the window's thread. A register on a server may take its
// time; the window never waits for it.
#pragma once

#include <QObject>
#include <QThreadPool>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "duoband/phrase.h"
#include "duoband/radio_register.h"

class RegisterLink : public QObject {
    Q_OBJECT

  public:
    // The register at `address` (empty: the data folder's file).
    RegisterLink(const std::string& address, const std::filesystem::path& dataFolder,
                 QObject* parent = nullptr);
    // Calls not yet started are dropped; the one under way is waited for.
    ~RegisterLink() override;

    using Work = std::function<void(duoband::RadioRegister&)>;
    using Done = std::function<void(const duoband::Phrase& problem)>;
    // Runs `work` on the register (opened first when it is not), then `done`
    // here with why it failed, or empty.
    void run(Work work, Done done);
    // Calls asked for and not yet ended.
    int pending() const { return pending_; }

  signals:
    // What opening the register says (the spool's records stored, a weak
    // setting).
    void said(const QString& text);
    void idle();

  private:
    struct Connection;
    std::shared_ptr<Connection> connection_;
    QThreadPool pool_;
    int pending_ = 0;
};
