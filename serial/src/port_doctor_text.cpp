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

std::string stopModemManager(const PortDiagnosis& diagnosis) {
    // With the rule in place, udev only has to apply it to a device that
    // was plugged in before the rule came.
    if (diagnosis.rulesInstalled) return "sudo udevadm trigger --action=add " + diagnosis.path;
    return "sudo systemctl stop ModemManager";
}

std::string openFailedFix(const PortDiagnosis& diagnosis) {
    if (!diagnosis.allProcessesChecked) return "sudo duoband-cli doctor " + diagnosis.path;
    return "unplug the cable and plug it in again";
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
    const std::string& path = diagnosis.path;
    const std::string& group = finding.subject;
    switch (finding.problem) {
        case PortProblem::NoSuchDevice:
            return {path + " does not exist (is the cable plugged in?).", "duoband-cli ports"};
        case PortProblem::NotInGroup:
            return {"Permission denied: the group " + quoted(group) + " may open " + path +
                        ", and you are not in it.",
                    "sudo usermod -aG " + group + " $USER   (then log out and in again)"};
        case PortProblem::GroupNeedsNewLogin:
            return {"Permission denied: you joined the group " + quoted(group) +
                        " after this session began.",
                    "newgrp " + group + "   (in this terminal; or log out and in again)"};
        case PortProblem::RootOnly:
            return {"Permission denied: only root may open " + path + "; no group may.",
                    "sudo setfacl -m u:$USER:rw " + path + "   (until the device comes again)"};
        case PortProblem::PermissionDenied:
            return {"Permission denied for " + path + ".", "sudo setfacl -m u:$USER:rw " + path};
        case PortProblem::HeldByProcess:
            return {path + " is open in another program: " + holderList(diagnosis, false) + ".",
                    killHolders(diagnosis)};
        case PortProblem::BusyProgramming:
            return {path + " is busy programming a radio: " + holderList(diagnosis, true) + ".",
                    "wait until that transfer ends, then try again"};
        case PortProblem::ModemManagerProbes:
            return {"ModemManager runs and may send modem commands to " + path + ".",
                    stopModemManager(diagnosis)};
        case PortProblem::NotASerialPort:
            return {path + " is not a serial port.", "duoband-cli ports"};
        case PortProblem::OpenFailed:
            break;
    }
    return {finding.subject, openFailedFix(diagnosis)};
}

std::string formatDiagnosis(const PortDiagnosis& diagnosis) {
    std::ostringstream out;
    out << diagnosis.path << '\n';
    if (diagnosis.exists) details(out, diagnosis);
    if (diagnosis.triedOpening && diagnosis.ok()) out << "  opening:  works\n";
    for (const auto& finding : diagnosis.findings) {
        const PortAdvice advice = adviceFor(finding, diagnosis);
        out << "  problem:  " << advice.problem << "\n  fix:      " << advice.fix << '\n';
    }
    if (!diagnosis.allProcessesChecked)
        out << "  note:     the open files of other users' processes were not looked at "
               "(sudo duoband-cli doctor sees them)\n";
    return out.str();
}

std::string explainPortProblem(const std::string& path) {
    const PortDiagnosis diagnosis = diagnosePort(path);
    std::string explanation;
    for (const auto& finding : diagnosis.findings) {
        const PortAdvice advice = adviceFor(finding, diagnosis);
        if (!explanation.empty()) explanation += '\n';
        explanation += advice.problem + " Fix: " + advice.fix;
    }
    return explanation;
}

}  // namespace duoband
