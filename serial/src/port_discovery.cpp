// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/port_discovery.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "duoband/port_doctor.h"
#include "port_filter.h"

namespace duoband {

namespace fs = std::filesystem;

namespace {

std::string uartType(const fs::path& entry) {
    std::ifstream typeFile(entry / "type");
    std::string type;
    typeFile >> type;
    return type;
}

bool isSerialPort(const fs::path& entry) {
    std::error_code ec;
    return isListedPort(entry.filename().string(), fs::exists(entry / "device", ec),
                        uartType(entry));
}

// The doctor looks at what stands in the way: the group to join, a new
// login, a device only root may open.
Phrase permissionDenied(const std::string& device) {
    const Phrase explanation = explainPortProblem(device);
    if (!explanation.empty()) return explanation;
    return phrase(QT_TRANSLATE_NOOP("duoband", "Permission denied for %1."), verbatim(device));
}

// Names the programs that hold the port when the doctor can see them.
Phrase inUse(const std::string& device) {
    const PortDiagnosis diagnosis = diagnosePort(device);
    std::vector<Phrase> lines;
    for (const auto& finding : diagnosis.findings) {
        if (finding.problem == PortProblem::HeldByProcess ||
            finding.problem == PortProblem::BusyProgramming)
            lines.push_back(problemAndFix(adviceFor(finding, diagnosis)));
    }
    if (lines.empty())
        return phrase(QT_TRANSLATE_NOOP("duoband", "%1 is in use by another program."),
                      verbatim(device));
    return joinLines(lines);
}

Phrase missing(const std::string& device) {
    return phrase(QT_TRANSLATE_NOOP("duoband", "%1 does not exist (is the cable plugged in?)."),
                  verbatim(device));
}

Phrase notSerial(const std::string& device) {
    return phrase(QT_TRANSLATE_NOOP("duoband", "%1 is not a serial port."), verbatim(device));
}

struct Explanation {
    int error;
    Phrase (*say)(const std::string& device);
};

const Explanation kExplanations[] = {
    {EACCES, permissionDenied}, {EPERM, permissionDenied}, {EBUSY, inUse},      {ENOENT, missing},
    {ENODEV, missing},          {ENXIO, missing},          {ENOTTY, notSerial},
};

}  // namespace

std::vector<std::string> listSerialPorts(const fs::path& sysfsRoot, const fs::path& devRoot) {
    std::vector<std::string> ports;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(sysfsRoot, ec)) {
        if (isSerialPort(entry.path()))
            ports.push_back((devRoot / entry.path().filename()).string());
    }
    std::sort(ports.begin(), ports.end());
    return ports;
}

Phrase explainOpenError(int error, const std::string& device) {
    for (const auto& [code, say] : kExplanations) {
        if (code == error) return say(device);
    }
    // The system's own words for the rest, as it gives them.
    return verbatim(device + ": " + std::strerror(error) + ".");
}

}  // namespace duoband
