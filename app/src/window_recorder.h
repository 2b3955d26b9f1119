// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The register the window records its radio jobs in, as duoband-cli does:
// the address the settings give (the data folder's file by default), the
// records the register cannot take kept in the spool with one warning, and
// stored when it answers again. Jobs record from their own threads, so a
// slow server never holds the window up.
#pragma once

#include <QObject>
#include <filesystem>
#include <memory>
#include <mutex>

#include "duoband/job_recorder.h"

class WindowRecorder : public QObject {
    Q_OBJECT

  public:
    explicit WindowRecorder(std::filesystem::path dataFolder, QObject* parent = nullptr);
    ~WindowRecorder() override;

    // Where the data folder's register and the spool are.
    const std::filesystem::path& dataFolder() const { return dataFolder_; }
    void setDataFolder(std::filesystem::path folder);
    // The address asked for: empty for the data folder's file.
    const std::string& requestedAddress() const { return requested_; }
    // Records go to `address` from now on (empty: the data folder's file).
    void useAddress(const std::string& address);

    // Stores `job`, or keeps it in the spool; safe from any thread. The
    // register is opened first when it is not open (yet, or any more).
    void record(duoband::JobRecord job);

  signals:
    // What the recorder has to say: a warning, or the news of records stored
    // at last. Emitted on the recording thread, received queued.
    void said(const QString& text);
    // A job's record went in (to the register or the spool).
    void recorded();

  private:
    std::filesystem::path dataFolder_;
    std::string requested_;
    std::mutex mutex_;
    std::unique_ptr<duoband::JobRecorder> recorder_;
};
