// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "doctor.h"

#include "duoband/port_discovery.h"
#include "duoband/port_doctor.h"

namespace duoband::cli {
namespace {

// The reports on every listed port, a blank line between two; whether
// every port was found fit to open.
bool reportEveryPort(Io& io) {
    const auto ports = listSerialPorts();
    if (ports.empty()) io.err << "No port!\n";
    bool allFit = !ports.empty();
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const PortDiagnosis diagnosis = diagnosePort(ports[i]);
        io.out << (i ? "\n" : "") << formatDiagnosis(diagnosis);
        allFit = allFit && diagnosis.ok();
    }
    return allFit;
}

}  // namespace

int doctor(const std::string& port, Io& io) {
    if (port.empty()) return reportEveryPort(io) ? kOk : kProblemFound;
    const PortDiagnosis diagnosis = diagnosePort(port, Opening::Try);
    io.out << formatDiagnosis(diagnosis);
    return diagnosis.ok() ? kOk : kProblemFound;
}

int describePorts(Io& io) {
    reportEveryPort(io);
    return kOk;
}

}  // namespace duoband::cli
