// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The port doctor: what a serial port is, whether this user may open it, and
// if not why and the one command that fixes it. `duoband-cli doctor` prints
// its report; the window's status tool tip shows explainPortProblem().
//
// Thread contract: plain functions over the file system, /proc and the udev
// database, callable from any thread. diagnosePort() opens the port only
// when asked to (opening raises DTR, which some radios take as a key press).
#pragma once

#include <string>
#include <vector>

#include "duoband/phrase.h"

namespace duoband {

// What the machine says about the device behind a port; what it does not
// know stays empty (a pseudo-terminal has no USB side).
struct PortDevice {
    std::string byId;     // the /dev/serial/by-id link, a name that survives re-plugging
    std::string driver;   // kernel driver: pl2303, ch341, cp210x, ftdi_sio, cdc_acm...
    std::string usbId;    // USB vendor:product, "067b:2303"
    std::string product;  // the USB product string
    bool modemManagerIgnores = false;  // udev set ID_MM_DEVICE_IGNORE=1 for it
};

// Another process that has the port open. A process that holds the master
// of a pseudo-terminal (a simulated radio) is its other end, not a holder.
struct PortHolder {
    int pid = 0;
    std::string command;  // its /proc/PID/comm
    bool sameUser = true;
    bool programsRadio = false;  // it is duoband or duoband-cli (its /proc/PID/exe)
};

enum class PortProblem {
    NoSuchDevice,        // the path does not exist
    NotInGroup,          // a group grants read and write, and the user is not in it
    GroupNeedsNewLogin,  // the user joined that group after this session began
    RootOnly,            // only root may open it
    PermissionDenied,    // denied otherwise (an access list, an odd mode)
    HeldByProcess,       // other programs have it open
    BusyProgramming,     // duoband or duoband-cli has it open, for a transfer
    ModemManagerProbes,  // ModemManager runs and does not leave the device alone
    NotASerialPort,      // it opens, but takes no serial line settings
    OpenFailed,          // opening it failed for another reason
};

struct PortFinding {
    PortProblem problem;
    std::string subject;  // the group for the group problems, the error text for OpenFailed
};

struct PortDiagnosis {
    std::string path;
    bool exists = false;
    PortDevice device;
    bool mayOpen = false;  // read and write access for this process, access lists included
    std::vector<PortHolder> holders;
    bool allProcessesChecked = true;  // false when the open files of some processes were hidden
    bool modemManagerRuns = false;
    bool rulesInstalled = false;  // duoband's udev rule is in place
    bool triedOpening = false;
    std::vector<PortFinding> findings;  // empty when nothing stands in the way

    bool ok() const { return findings.empty(); }
};

enum class Opening { No, Try };

PortDiagnosis diagnosePort(const std::string& path, Opening opening = Opening::No);

// One problem in words and the command that fixes it.
struct PortAdvice {
    Phrase problem;
    Phrase fix;
};

PortAdvice adviceFor(const PortFinding& finding, const PortDiagnosis& diagnosis);
// "problem Fix: command"
Phrase problemAndFix(const PortAdvice& advice);

// The doctor's report on one port: the path, its details, whether this user
// may open it, then each problem and its fix.
std::string formatDiagnosis(const PortDiagnosis& diagnosis);

// Why `path` cannot be opened and how to fix it, one "problem Fix: command"
// line per problem; empty when the doctor finds nothing. Does not open the
// port.
Phrase explainPortProblem(const std::string& path);

// The kernel's and udev's details of the device at `path` (libudev).
PortDevice describePortDevice(const std::string& path);

// The file duoband's udev rule is installed as, in the udev rules folders.
inline constexpr const char* kUdevRuleName = "60-duoband.rules";

}  // namespace duoband
