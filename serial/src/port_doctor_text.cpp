// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The port doctor's words: each finding as a problem and the command that
// fixes it, and the report of `duoband-cli doctor`.
#include <sstream>

#include "duoband/port_doctor.h"

namespace duoband {
namespace {

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// The holders that run duoband or duoband-cli (`programs`), or the others.
std::string holderList(const PortDiagnosis& diagnosis, bool programs) {
    std::string list;
    for (const auto& holder : diagnosis.holders) {
        if (holder.programsRadio != programs) continue;
        if (!list.empty()) list += ", ";
        list += holder.command + " (pid " + std::to_string(holder.pid) + ")";
    }
    return list;
}

// A transfer is not ended from here: only the other programs are named.
std::string killHolders(const PortDiagnosis& diagnosis) {
    bool othersOwn = false;
    std::string pids;
    for (const auto& holder : diagnosis.holders) {
        if (holder.programsRadio) continue;
        othersOwn = othersOwn || !holder.sameUser;
        pids += " " + std::to_string(holder.pid);
    }
    return (othersOwn ? "sudo kill" : "kill") + pids;
}

Phrase stopModemManager(const PortDiagnosis& diagnosis) {
    // With the rule in place, udev only has to apply it to a device that
    // was plugged in before the rule came.
    if (diagnosis.rulesInstalled)
        return verbatim("sudo udevadm trigger --action=add " + diagnosis.path);
    return verbatim("sudo systemctl stop ModemManager");
}

Phrase openFailedFix(const PortDiagnosis& diagnosis) {
    if (!diagnosis.allProcessesChecked)
        return verbatim("sudo duoband-cli doctor " + diagnosis.path);
    return QT_TRANSLATE_NOOP("duoband", "unplug the cable and plug it in again");
}

void detail(std::ostream& out, const char* label, const std::string& value) {
    out << "  " << label << (value.empty() ? std::string("-") : value) << '\n';
}

void details(std::ostream& out, const PortDiagnosis& diagnosis) {
    const PortDevice& device = diagnosis.device;
    detail(out, "by-id:    ", device.byId);
    detail(out, "driver:   ", device.driver);
    detail(out, "USB:      ",
           device.product.empty() ? device.usbId : device.usbId + " " + quoted(device.product));
    out << "  may open: " << (diagnosis.mayOpen ? "yes" : "no") << '\n';
}

}  // namespace

PortAdvice adviceFor(const PortFinding& finding, const PortDiagnosis& diagnosis) {
    const Phrase path = verbatim(diagnosis.path);
    const Phrase group = verbatim(quoted(finding.subject));
    const Phrase listPorts = verbatim("duoband-cli ports");
    const Phrase grantAccess = verbatim("sudo setfacl -m u:$USER:rw " + diagnosis.path);
    switch (finding.problem) {
        case PortProblem::NoSuchDevice:
            return {phrase(QT_TRANSLATE_NOOP("duoband",
                                             "%1 does not exist (is the cable plugged in?)."),
                           path),
                    listPorts};
        case PortProblem::NotInGroup:
            return {
                phrase(QT_TRANSLATE_NOOP(
                           "duoband",
                           "Permission denied: the group %1 may open %2, and you are not in it."),
                       group, path),
                phrase(QT_TRANSLATE_NOOP("duoband", "%1   (then log out and in again)"),
                       verbatim("sudo usermod -aG " + finding.subject + " $USER"))};
        case PortProblem::GroupNeedsNewLogin:
            return {
                phrase(QT_TRANSLATE_NOOP(
                           "duoband",
                           "Permission denied: you joined the group %1 after this session began."),
                       group),
                phrase(QT_TRANSLATE_NOOP("duoband",
                                         "%1   (in this terminal; or log out and in again)"),
                       verbatim("newgrp " + finding.subject))};
        case PortProblem::RootOnly:
            return {
                phrase(QT_TRANSLATE_NOOP("duoband",
                                         "Permission denied: only root may open %1; no group may."),
                       path),
                phrase(QT_TRANSLATE_NOOP("duoband", "%1   (until the device comes again)"),
                       grantAccess)};
        case PortProblem::PermissionDenied:
            return {phrase(QT_TRANSLATE_NOOP("duoband", "Permission denied for %1."), path),
                    grantAccess};
        case PortProblem::HeldByProcess:
            return {phrase(QT_TRANSLATE_NOOP("duoband", "%1 is open in another program: %2."), path,
                           verbatim(holderList(diagnosis, false))),
                    verbatim(killHolders(diagnosis))};
        case PortProblem::BusyProgramming:
            return {phrase(QT_TRANSLATE_NOOP("duoband", "%1 is busy programming a radio: %2."),
                           path, verbatim(holderList(diagnosis, true))),
                    QT_TRANSLATE_NOOP("duoband", "wait until that transfer ends, then try again")};
        case PortProblem::ModemManagerProbes:
            return {phrase(QT_TRANSLATE_NOOP(
                               "duoband", "ModemManager runs and may send modem commands to %1."),
                           path),
                    stopModemManager(diagnosis)};
        case PortProblem::NotASerialPort:
            return {phrase(QT_TRANSLATE_NOOP("duoband", "%1 is not a serial port."), path),
                    listPorts};
        case PortProblem::OpenFailed:
            break;
    }
    return {verbatim(finding.subject), openFailedFix(diagnosis)};
}

Phrase problemAndFix(const PortAdvice& advice) {
    return phrase(QT_TRANSLATE_NOOP("duoband", "%1 Fix: %2"), advice.problem, advice.fix);
}

std::string formatDiagnosis(const PortDiagnosis& diagnosis) {
    std::ostringstream out;
    out << diagnosis.path << '\n';
    if (diagnosis.exists) details(out, diagnosis);
    if (diagnosis.triedOpening && diagnosis.ok()) out << "  opening:  works\n";
    for (const auto& finding : diagnosis.findings) {
        const PortAdvice advice = adviceFor(finding, diagnosis);
        out << "  problem:  " << english(advice.problem) << "\n  fix:      " << english(advice.fix)
            << '\n';
    }
    if (!diagnosis.allProcessesChecked)
        out << "  note:     the open files of other users' processes were not looked at "
               "(sudo duoband-cli doctor sees them)\n";
    return out.str();
}

Phrase explainPortProblem(const std::string& path) {
    const PortDiagnosis diagnosis = diagnosePort(path);
    std::vector<Phrase> lines;
    for (const auto& finding : diagnosis.findings)
        lines.push_back(problemAndFix(adviceFor(finding, diagnosis)));
    return joinLines(lines);
}

}  // namespace duoband
