// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's port choice: the caption "COM Port:", the list of ports by
// their friendly names ("USB-Serial Prolific — /dev/ttyUSB0", each entry
// holding its path), and what status panel 0 says about the chosen port.
// The list follows the cables through a port monitor whose descriptor a
// socket notifier watches; the rules of duoband/port_selection.h decide
// when the choice changes, and every such change is announced.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "duoband/port_selection.h"
#include "duoband/serial_port.h"

class QComboBox;
class QLabel;
class QSocketNotifier;

// Which serial ports the editor lists.
struct PortOptions {
    // `asked` (--port) are added to the list, the first opened at start;
    // `listMachinePorts`: the ports the kernel lists, and its cable events;
    // `monitor` stands in for udev's events (tests); null: udev when the
    // machine's ports are listed, otherwise none.
    PortOptions(std::vector<std::string> asked = {}, bool listMachinePorts = true,
                std::shared_ptr<duoband::PortMonitor> monitor = nullptr)
        : asked(std::move(asked)),
          listMachinePorts(listMachinePorts),
          monitor(std::move(monitor)) {}

    std::vector<std::string> asked;
    bool listMachinePorts;
    std::shared_ptr<duoband::PortMonitor> monitor;
};

class PortChoice : public QObject {
    Q_OBJECT

  public:
    PortChoice(duoband::SerialPort& port, QObject* parent);
    ~PortChoice() override;

    QLabel* label;    // "COM Port:", the list's buddy
    QComboBox* list;  // entries: friendly names, with the path as data

    // Lists the ports, starts watching the cables and opens the port the
    // start rule chooses (the last one used, when it is listed).
    void start(PortOptions options);
    // The user picked an entry: closes the port shown as open (the same one
    // too) and opens the pick.
    void choose();
    // No cable changes the choice while an exchange runs; a pulled one
    // still closes its port.
    void setExchangeRunning(bool running) { exchangeRunning_ = running; }

    // The path of the chosen entry; empty when none is chosen.
    QString chosenPath() const;
    // The ports listed now.
    const duoband::PortList& ports() const { return ports_; }
    // Lent: the ports are another window's (the station's), so the chosen
    // one is closed and panel 0 says so; given back, it is opened again.
    void lendPorts(bool lent);
    // How a pulled cable's open port is closed: by the window's radio,
    // which hands it to a running job (the port's own closeLostLine unless set).
    void setLineLoser(std::function<void()> closeLostLine) {
        closeLostLine_ = std::move(closeLostLine);
    }

  signals:
    // Status panel 0 and its tool tip (why the port cannot be opened).
    void panelChanged(const QString& text, const QString& toolTip);
    // A change of the choice or the list, for the status bar.
    void announced(const QString& message);
    // A cable came or went; the list has taken it in.
    void cableEvent(const duoband::PortEvent& event);

  private:
    void takeEventsBeforeStart();
    void takeCableEvents();
    void apply(const duoband::PortEventOutcome& outcome);
    void showList();
    void chooseEntry(const std::string& path);
    void openChosen();
    void showNothingChosen(const QString& why);
    void showPanel(const QString& text, const QString& toolTip);

    duoband::SerialPort& port_;
    duoband::PortList ports_;
    std::vector<std::string> asked_;
    std::shared_ptr<duoband::PortMonitor> monitor_;
    std::unique_ptr<QSocketNotifier> notifier_;
    bool exchangeRunning_ = false;
    QString panelText_;  // what panel 0 shows
    std::function<void()> closeLostLine_;
};
