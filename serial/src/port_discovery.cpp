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
std::string permissionDenied(const std::string& device) {
    const std::string explanation = explainPortProblem(device);
    return explanation.empty() ? "Permission denied for " + device + "." : explanation;
}

// Names the programs that hold the port when the doctor can see them.
std::string inUse(const std::string& device) {
    const PortDiagnosis diagnosis = diagnosePort(device);
    std::string explanation;
    for (const auto& finding : diagnosis.findings) {
        if (finding.problem != PortProblem::HeldByProcess &&
            finding.problem != PortProblem::BusyProgramming)
            continue;
        const PortAdvice advice = adviceFor(finding, diagnosis);
        if (!explanation.empty()) explanation += '\n';
        explanation += advice.problem + " Fix: " + advice.fix;
    }
    return explanation.empty() ? device + " is in use by another program." : explanation;
}

std::string missing(const std::string& device) {
    return device + " does not exist (is the cable plugged in?).";
}

std::string notSerial(const std::string& device) {
    return device + " is not a serial port.";
}

struct Explanation {
    int error;
    std::string (*say)(const std::string& device);
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

std::string explainOpenError(int error, const std::string& device) {
    for (const auto& [code, say] : kExplanations) {
        if (code == error) return say(device);
    }
    return device + ": " + std::strerror(error) + ".";
}

}  // namespace duoband
