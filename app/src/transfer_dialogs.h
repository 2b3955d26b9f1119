// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "Read" and "Write": the modal dialogs that run the full read
// and the full write with their progress (0..136). While an exchange runs
// both buttons are disabled and the dialog cannot be closed, so no second
// exchange can start; the result message follows, then the dialog closes.
// Each takes the size its controls ask for; the transfer button is the
// default whenever no transfer runs.
#pragma once

#include <QDialog>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <memory>

#include "duoband/exchange.h"
#include "duoband/radio_image.h"
#include "duoband/radio_jobs.h"
#include "window_radio.h"

class QCheckBox;
class QMessageBox;
class QProgressBar;
class QPushButton;
class QVBoxLayout;
class JobHost;

class TransferDialog : public QDialog {
    Q_OBJECT

  public:
    // Its parts are found by their object names: "progressBar", "startButton",
    // "cancelButton", and the check boxes "fastBox" (both), "backupFirstBox"
    // and "verifyBox" (Write).
    void startTransfer();
    bool running() const { return running_; }
    // Cancel while the exchange runs: it stops after the current frame and
    // sends EXIT (once); a write asks first while it writes.
    void requestCancel();
    // Quit while the exchange runs: as Cancel (a write asks first), and once
    // a stop was agreed and the exchange has ended, `then` runs. A stop
    // refused, or the write ending before the answer, drops `then`.
    void stopThen(std::function<void()> then);
    // The last exchange this dialog ran succeeded.
    bool succeeded() const { return succeeded_; }
    // The program ends while the exchange runs: it fails at its current
    // step, sends "EXIT", and its result is shown before this returns.
    void finishNow();

  protected:
    TransferDialog(const QString& caption, JobHost& host, QWidget* parent);
    // Adds a check box above the progress bar, checked as the user left it
    // last time (or `checked`).
    QCheckBox* addOption(const QString& caption, const QString& name, bool checked);
    // Cancel pressed while the exchange runs; unless a dialog asks first,
    // the exchange stops after its current frame.
    virtual void askToStop() { stopAfterCurrentFrame(); }
    void stopAfterCurrentFrame();
    // Whatever the quit that asked for a stop would have done after it.
    void dropAfterStop() { afterStop_ = nullptr; }
    // The job to run on the radio's thread with the output it is given; it
    // may add to `output` what this dialog's thread is to hear (queued).
    // Empty, and `refusal` says why, when nothing can be sent.
    using DialogJob = std::function<duoband::JobReport(
        duoband::ProgrammingExchange&, const std::string& port, duoband::JobOutput& output)>;
    virtual DialogJob job(duoband::JobOutput& output, QString& refusal) = 0;
    // The job's report, on this dialog's thread, before its result is shown.
    virtual void ended(const duoband::JobReport&) {}
    // Shows how a transfer that did not succeed ended; `message` says it,
    // and `closed` runs once it is answered.
    virtual void showFailure(const duoband::ExchangeResult& result, const QString& message,
                             std::function<void()> closed);
    JobHost& host() { return host_; }

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

    QProgressBar* progressBar_;
    QPushButton* startButton_;   // "Read" / "Write"
    QPushButton* cancelButton_;  // "Cancel"
    QCheckBox* fastBox_;         // "Fast transfer"

  private:
    void setRunning(bool running);
    void finish(const duoband::JobReport& report);
    void conclude(bool succeeded);

    JobHost& host_;
    QVBoxLayout* options_ = nullptr;
    bool running_ = false;
    bool succeeded_ = false;
    bool cancelRequested_ = false;
    std::function<void()> afterStop_;  // what a quit does once the exchange stopped
    QString caption_;
};

class ReadDialog final : public TransferDialog {
    Q_OBJECT

  public:
    explicit ReadDialog(JobHost& host, QWidget* parent = nullptr);
    // The bytes the last read received, as the radio sent them.
    const duoband::RadioImage& received() const { return received_; }
    // The last read decoded onto the start-up configuration: the whole radio
    // after a success, otherwise the steps that arrived. The editor's own
    // configuration is never touched by a read.
    const duoband::EditorModel& arrived() const { return arrived_; }
    // The user chose to keep what arrived of a read that did not succeed.
    bool keepWhatArrived() const { return keepWhatArrived_; }
    // A read for Compare With Radio: so titled, and a failed one offers
    // nothing to keep (part of a radio compares as nothing useful).
    void setForComparison(bool comparing);

  protected:
    DialogJob job(duoband::JobOutput& output, QString& refusal) override;
    void ended(const duoband::JobReport& report) override;
    void showFailure(const duoband::ExchangeResult& result, const QString& message,
                     std::function<void()> closed) override;
    // A showing closed without reading keeps nothing.
    void showEvent(QShowEvent* event) override;

  private:
    // Filled by the job's thread; read here once the job has ended.
    struct Arrival {
        duoband::RadioImage received;
        duoband::EditorModel arrived;
    };
    std::shared_ptr<Arrival> arrival_;
    duoband::RadioImage received_;
    duoband::EditorModel arrived_;
    bool canKeep_ = false;  // some steps arrived and the program goes on
    bool comparing_ = false;
    bool keepWhatArrived_ = false;
};

class WriteDialog final : public TransferDialog {
    Q_OBJECT

  public:
    // Writes `configuration` (the open one, as it is when Write is pressed).
    WriteDialog(JobHost& host, const duoband::EditorModel& configuration,
                QWidget* parent = nullptr);

  protected:
    void askToStop() override;
    DialogJob job(duoband::JobOutput& output, QString& refusal) override;

  private:
    // Shows the part of the write under way in the progress bar by name.
    void enter(duoband::JobState state);
    void closeStopQuestion();

    const duoband::EditorModel& configuration_;
    QCheckBox* backupFirstBox_;  // "Read the radio first and keep what it held"
    QCheckBox* verifyBox_;       // "Verify after writing"
    duoband::JobState state_ = duoband::JobState::Waiting;
    QPointer<QMessageBox> stopQuestion_;  // "Stop writing?" while it is open
};
