// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Program Many Radios…: the station. It writes the configuration open
// in the editor to radio after radio: on its own when a USB cable has been
// plugged in for a second ("Start when a radio is plugged in"), or on every
// listed port when asked. Each radio gets its own numbers and a line in the
// station log, and its job is recorded in the register; a table shows each
// port's job as it goes. With a fleet of the register chosen, each radio
// takes the fleet's next radio (its numbers, boot lines and label) in the
// order plugged in, or with "Keep each radio's identity" the values the
// fleet knows it by. While it is open
// the editor's configuration and ports are its own: the window that opens
// it lends them until closed() (MainWindow::stationOpen).
//
// Threads: each job runs writeJob() on a thread of its own with its own
// port; what it reports comes to this window's thread as queued calls, so
// the window never waits for a radio. The register is opened, listed and
// asked for each fleet radio on one worker thread, in order, and the answer
// comes back queued, so the window never waits for a register server
// either; the jobs record on their own threads. The rules (which port
// starts when, the numbers) are duoband/station.h's, the fleet's
// duoband/fleet_radios.h's.
#pragma once

#include <QString>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "duoband/fleet_radios.h"
#include "duoband/job_recorder.h"
#include "duoband/ordered_worker.h"
#include "duoband/port_monitor.h"
#include "duoband/radio_jobs.h"
#include "duoband/station.h"
#include "duoband/station_log.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;
class QVBoxLayout;
class Document;
class PortChoice;

class StationWindow : public QWidget {
    Q_OBJECT

  public:
    // Its parts are found by their object names: the check boxes
    // "backupFirstBox", "verifyBox", "fastBox", "autoStartBox",
    // "keepIdentityBox"; "fleetChoice", "registerNoteLabel"; for each
    // numbered field (its name, "native-id") "native-idBox" and
    // "native-idNext"; "logFileEdit", "chooseLogButton"; "radioTable",
    // "counterLabel", "noteLabel"; "programListedButton", "stopButton",
    // "closeButton".
    // Writes `document`'s configuration on the ports `ports` lists, each job
    // with `options` (the backup folder); a window of its own over `parent`.
    StationWindow(Document& document, PortChoice& ports, duoband::JobOptions options,
                  QWidget* parent);
    // Stops every job after its current frame and waits for it.
    ~StationWindow() override;

    // "Program Listed Ports": a job on every listed port that runs none.
    void programListedPorts();
    // "Stop": every running job stops after its current frame.
    void stopAll();
    std::size_t runningJobs() const { return jobs_.size(); }
    // Asked to close, it waits for its radios to stop before it closes.
    bool closesWhenStopped() const { return closeWhenStopped_; }
    // The write each port runs, writeJob unless a test runs another.
    using WriteJob = std::function<duoband::JobReport(
        const std::string& port, const duoband::WriteInput& input,
        const duoband::JobOptions& options, duoband::JobOutput& output)>;
    void setWriteJob(WriteJob job) { writeJob_ = std::move(job); }
    // The log file the next start opens.
    QString logFile() const;

  signals:
    // The station has closed (its radios stopped).
    void closed();

  protected:
    // While jobs run it asks first; a close that stops them waits for their end.
    void closeEvent(QCloseEvent* event) override;
    // Escape closes the station as a dialog's does (asking first while
    // radios are written).
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // A port's row and the job running on it, if any.
    struct Row {
        std::string path;
        QProgressBar* progress = nullptr;
        std::chrono::steady_clock::time_point started;
        bool ran = false;  // a job ran on it since it was plugged in
    };
    // A fleet radio's job: the fleet, and the radio taken for it before it
    // started (none with keep identity, which takes it after a read).
    struct FleetJob {
        std::shared_ptr<duoband::FleetRadios> fleet;  // null: no fleet
        std::optional<duoband::RegisteredRadio> radio;
    };
    struct RunningJob {
        std::shared_ptr<std::atomic<bool>> stop = std::make_shared<std::atomic<bool>>(false);
        std::thread thread;
    };

    void buildOptions(QVBoxLayout* column);
    void buildNumbering(QVBoxLayout* column);
    void buildFleet(QVBoxLayout* column);
    void buildTable(QVBoxLayout* column);
    void buildButtons(QVBoxLayout* column);
    QCheckBox* addOption(const QString& caption, const QString& name, bool byDefault);
    void chooseLog();

    void askAboutPlan(const std::function<void()>& then);
    void takeCableEvent(const duoband::PortEvent& event);
    void startDueJobs();
    void scheduleNextDue();
    void startJob(const std::string& path);
    // The configuration's bytes and the open log, made ready before the
    // first job; why not, when the station cannot start.
    QString whyNotReady();
    std::optional<duoband::UnitNumbers> takeNumbers(const std::string& path);
    void launch(const std::string& path, const duoband::WriteInput& input, const FleetJob& fleet);
    duoband::JobReport runJob(const std::string& path, duoband::WriteInput input,
                              const duoband::JobOptions& options, duoband::JobOutput& output,
                              const std::string& configuration, FleetJob fleet);
    duoband::JobReport caughtJob(const std::string& path, const duoband::WriteInput& input,
                                 const duoband::JobOptions& options,
                                 duoband::JobOutput& output) const;
    std::string loggedConfiguration() const;
    duoband::JobOutput outputFor(const std::string& path);
    void showState(const std::string& path, duoband::JobState state);
    void showProgress(const std::string& path, int steps);
    void jobEnded(const std::string& path, const duoband::JobReport& report,
                  const QString& logProblem);
    void refuseStart(const std::string& path, const QString& why);

    // The register and the fleets (fleet choice, worker thread).
    std::filesystem::path dataFolder() const;
    void listFleets();
    void showFleets(const QStringList& fleets);
    QString chosenFleet() const;
    void fleetChosen();
    void takeFleetRadio(const std::string& path);
    std::shared_ptr<duoband::FleetRadios> fleetRadios(const std::string& fleet, bool keepIdentity);
    void fleetRadioTaken(const std::string& path, const FleetJob& fleet);
    void fleetRadioRefused(const std::string& path, const std::string& fleet,
                           const duoband::Phrase& problem);
    void giveBack(const std::string& path, const duoband::RegisteredRadio& radio);
    void showValues(const std::string& path, const duoband::RadioValues& values);
    void showRegisterNews(const duoband::RecorderNews& news);
    bool mayCloseNow();

    int rowOf(const std::string& path) const;
    int rowFor(const duoband::ListedPort& port);
    void removeRow(const std::string& path);
    void setCell(int row, int column, const QString& text);
    void showValueColumns();
    void showSeconds();
    void showCounts();
    void updateControls();

    Document& document_;
    PortChoice& portChoice_;
    const duoband::JobOptions options_;
    duoband::StationPorts ports_;
    duoband::StationNumbering numbering_;
    std::optional<duoband::RadioImage> image_;  // the configuration's bytes, once checked
    QString refusal_;                           // why the configuration cannot be written
    QString told_;                              // the last reason the user was told
    std::unique_ptr<duoband::StationLog> log_;  // open and locked from the first job on
    std::vector<Row> rows_;
    std::map<std::string, RunningJob> jobs_;
    WriteJob writeJob_ = duoband::writeJob;
    int done_ = 0;
    int failed_ = 0;
    bool closeWhenStopped_ = false;
    bool stopping_ = false;            // the note says so
    std::set<std::string> taking_;     // ports waiting for their fleet radio
    std::set<std::string> cancelled_;  // ... of them stopped meanwhile
    QString registerTold_;             // the last reason the register refused, told
    std::atomic<bool> closing_{false};
    std::unique_ptr<duoband::JobRecorder> recorder_;
    std::shared_ptr<duoband::FleetRadios> workerFleet_;  // the worker thread's alone
    std::unique_ptr<duoband::OrderedWorker> worker_;     // after what its calls use
    bool planAsked_ = false;  // the question about the plan's problems is open

    QCheckBox* backupFirstBox_;
    QCheckBox* verifyBox_;
    QCheckBox* fastBox_;
    QCheckBox* autoStartBox_;
    QCheckBox* keepIdentityBox_;
    struct NumberedField {
        duoband::UnitField field;
        QCheckBox* box;
        QLineEdit* next;
    };
    std::vector<NumberedField> numbered_;
    QLineEdit* logFileEdit_;
    QComboBox* fleetChoice_;
    QLabel* registerNoteLabel_;
    QPushButton* chooseLogButton_;
    QLabel* counterLabel_;
    QLabel* noteLabel_;
    QTableWidget* table_;
    QPushButton* programListedButton_;
    QPushButton* stopButton_;
    QPushButton* closeButton_;
    QTimer* dueTimer_;
    QTimer* secondsTimer_;
};
