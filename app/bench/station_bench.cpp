// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The station with many radios at once: paced simulated radios (19200 baud,
// fast link) plugged in through the port monitor of a real editor window,
// first one alone, then N together. Reports the time from the plugging to
// the last radio done (the second of settling included), the ratio of the
// two, and the longest delay of the main thread's event loop while the
// radios are written, probed by a timer every 5 ms.
//
//   QT_QPA_PLATFORM=offscreen duoband_station_bench [N] [runs]   (default 8, 3)
#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "app_settings.h"
#include "application.h"
#include "duoband/port_monitor.h"
#include "duoband/radio_sim_process.h"
#include "duoband/radio_sim_sample.h"
#include "main_window.h"
#include "station_window.h"

namespace {

constexpr int kProbeMs = 5;
constexpr int kStateColumn = 3;

struct Run {
    double seconds = 0;         // plugging to the last radio done
    double longestDelayMs = 0;  // the event loop's longest delay beyond the probe's interval
    double longestAt = 0;       // seconds after the plugging
    int done = 0;
};

// Plugs `count` fresh paced radios into `station` at once and waits until
// none runs; the event loop is probed all the while.
Run plugAndWait(MainWindow& editor, duoband::QueuedPortMonitor& monitor, int count) {
    std::vector<std::unique_ptr<duoband::sim::SimProcess>> radios;
    for (int i = 0; i < count; ++i) {
        radios.push_back(std::make_unique<duoband::sim::SimProcess>());
        if (!radios.back()->start(DUOBAND_RADIO_SIM, {"--pace"})) {
            std::fprintf(stderr, "the simulated radio did not start: %s\n",
                         radios.back()->error().c_str());
            std::exit(1);
        }
    }
    editor.findChild<QAction*>("programManyAction")->trigger();
    auto* station = editor.findChild<StationWindow*>();
    auto* table = station->findChild<QTableWidget*>("radioTable");
    Run run;
    QEventLoop loop;
    QElapsedTimer clock, sinceProbe;
    QTimer probe;
    probe.setInterval(kProbeMs);
    probe.setTimerType(Qt::PreciseTimer);
    bool started = false;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const double delay = sinceProbe.nsecsElapsed() / 1e6 - kProbeMs;
        if (delay > run.longestDelayMs) {
            run.longestDelayMs = delay;
            run.longestAt = clock.nsecsElapsed() / 1e9;
        }
        sinceProbe.restart();
        started = started || station->runningJobs() > 0;
        if (!started || station->runningJobs() > 0) return;
        run.seconds = clock.nsecsElapsed() / 1e9;
        for (int row = 0; row < table->rowCount(); ++row)
            run.done += table->item(row, kStateColumn)->text() == "Done" ? 1 : 0;
        loop.quit();
    });
    clock.start();
    sinceProbe.start();
    for (const auto& radio : radios)
        monitor.post({duoband::PortEvent::Kind::Added, {radio->port(), "USB-Serial", true}});
    probe.start();
    loop.exec();
    for (const auto& radio : radios)
        monitor.post({duoband::PortEvent::Kind::Removed, {radio->port(), {}, false}});
    QCoreApplication::processEvents();
    station->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return run;
}

double median(std::vector<double> values) {
    std::ranges::sort(values);
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);  // the user's own settings stay as they are
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 8;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    QTemporaryDir folder;
    appSettings::clear();
    appSettings::setStationText("logFile", folder.filePath("station.csv"));
    appSettings::setStationOption("fastBox", true);
    appSettings::setStationOption("backupFirstBox", false);
    appSettings::setStationOption("verifyBox", false);
    appSettings::setStationOption("native-idBox", true);
    appSettings::setStationText("native-idNext", "1");
    auto monitor = std::make_shared<duoband::QueuedPortMonitor>();
    Windows windows(DataFolder(folder.path()), PortOptions{{}, false, monitor});
    windows.mainWindow->model() = duoband::sim::sampleModel();

    std::vector<double> one, many, delays;
    for (int r = 0; r < runs; ++r) {
        const Run alone = plugAndWait(*windows.mainWindow, *monitor, 1);
        const Run together = plugAndWait(*windows.mainWindow, *monitor, count);
        std::printf(
            "run %d: one radio %.2f s, %d radios %.2f s (%d done), %.2fx; longest event "
            "delay %.1f ms alone, %.1f ms with %d (at %.2f s)\n",
            r + 1, alone.seconds, count, together.seconds, together.done,
            together.seconds / alone.seconds, alone.longestDelayMs, together.longestDelayMs, count,
            together.longestAt);
        if (alone.done != 1 || together.done != count) return 1;
        one.push_back(alone.seconds);
        many.push_back(together.seconds);
        delays.push_back(together.longestDelayMs);
    }
    std::printf(
        "median: one radio %.2f s, %d radios %.2f s, %.2fx; longest event delay %.1f ms "
        "(worst %.1f ms)\n",
        median(one), count, median(many), median(many) / median(one), median(delays),
        *std::ranges::max_element(delays));
    appSettings::clear();
    return 0;
}
