#include "duoband/port_discovery.h"

#include <grp.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace duoband {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLegacyPrefix = "ttyS";

bool unknownUart(const fs::path& entry) {
    std::ifstream typeFile(entry / "type");
    int type = -1;
    return static_cast<bool>(typeFile >> type) && type == 0;
}

bool isSerialPort(const fs::path& entry) {
    std::error_code ec;
    if (!fs::exists(entry / "device", ec)) return false;
    const std::string name = entry.filename().string();
    return !(name.starts_with(kLegacyPrefix) && unknownUart(entry));
}

std::string groupOf(const std::string& device) {
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0) return {};
    const group* owner = ::getgrgid(info.st_gid);
    return owner ? owner->gr_name : std::to_string(info.st_gid);
}

std::string permissionDenied(const std::string& device) {
    const std::string group = groupOf(device);
    if (group.empty()) return "Permission denied for " + device + ".";
    return "Permission denied for " + device + ": it belongs to the group \"" + group +
           "\"; add your user to it (sudo usermod -aG " + group + " $USER) and log in again.";
}

std::string inUse(const std::string& device) {
    return device + " is in use by another program.";
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
