// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The port doctor's examination: access as the kernel judges it, the
// processes that hold the port, ModemManager, and (when asked) one opening.
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "duoband/port_discovery.h"
#include "duoband/port_doctor.h"

namespace duoband {
namespace {

namespace fs = std::filesystem;

constexpr mode_t kGroupReadWrite = S_IRGRP | S_IWGRP;
constexpr mode_t kOthersReadWrite = S_IROTH | S_IWOTH;
constexpr const char* kRuleFolders[] = {"/etc/udev/rules.d", "/lib/udev/rules.d",
                                        "/usr/lib/udev/rules.d"};

// --- access ---------------------------------------------------------------

std::string groupName(gid_t gid) {
    const group* entry = ::getgrgid(gid);
    return entry ? entry->gr_name : std::to_string(gid);
}

bool processHasGroup(gid_t gid) {
    if (::getegid() == gid) return true;
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    groups.resize(static_cast<std::size_t>(std::max(count, 0)));
    return std::ranges::find(groups, gid) != groups.end();
}

// Whether the group database lists this user in `gid`: then a new login
// (not a usermod) is what is missing.
bool userListedIn(gid_t gid) {
    const passwd* user = ::getpwuid(::geteuid());
    if (!user) return false;
    int count = 64;
    std::vector<gid_t> groups;
    do {
        groups.resize(static_cast<std::size_t>(count));
    } while (::getgrouplist(user->pw_name, user->pw_gid, groups.data(), &count) < 0);
    groups.resize(static_cast<std::size_t>(count));
    return std::ranges::find(groups, gid) != groups.end();
}

// faccessat with AT_EACCESS asks the kernel itself, so access lists (udev's
// uaccess rule for the user at the seat) count as they do for open().
std::optional<PortFinding> permissionProblem(const std::string& path, const struct stat& info) {
    if (::faccessat(AT_FDCWD, path.c_str(), R_OK | W_OK, AT_EACCESS) == 0) return std::nullopt;
    // Group root is no advice to give: joining it is being root.
    const bool groupGrants =
        (info.st_mode & kGroupReadWrite) == kGroupReadWrite && info.st_gid != 0;
    if (groupGrants && !processHasGroup(info.st_gid)) {
        const auto problem =
            userListedIn(info.st_gid) ? PortProblem::GroupNeedsNewLogin : PortProblem::NotInGroup;
        return PortFinding{problem, groupName(info.st_gid)};
    }
    const bool othersGrant = (info.st_mode & kOthersReadWrite) == kOthersReadWrite;
    if (info.st_uid == 0 && !groupGrants && !othersGrant)
        return PortFinding{PortProblem::RootOnly, {}};
    return PortFinding{PortProblem::PermissionDenied, {}};
}

// --- processes --------------------------------------------------------------

struct CloseDirectory {
    void operator()(DIR* directory) const { ::closedir(directory); }
};
using Directory = std::unique_ptr<DIR, CloseDirectory>;

std::vector<int> processIds() {
    std::vector<int> pids;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/proc", ec)) {
        const std::string name = entry.path().filename().string();
        if (std::ranges::all_of(name, [](char c) { return c >= '0' && c <= '9'; }))
            pids.push_back(std::stoi(name));
    }
    return pids;
}

std::string procFile(int pid, const char* name) {
    return "/proc/" + std::to_string(pid) + "/" + name;
}

std::string commandOf(int pid) {
    std::ifstream file(procFile(pid, "comm"));
    std::string command;
    std::getline(file, command);
    return command;
}

enum class Holding { No, Yes, OtherEnd, Hidden };

// The number N of a pseudo-terminal /dev/pts/N, from its device number;
// nullopt for other devices.
std::optional<unsigned> ptyIndex(dev_t device) {
    constexpr unsigned kFirstMajor = 136, kMajors = 8;  // the kernel's pts device numbers
    const unsigned first = ::major(device);
    if (first < kFirstMajor || first >= kFirstMajor + kMajors) return std::nullopt;
    return (first - kFirstMajor) * 256 + ::minor(device);
}

// Whether the descriptor `fd` of `pid` is the master (/dev/ptmx) of the
// pseudo-terminal numbered `index`: its fdinfo says "tty-index: N".
bool isPtyMaster(int pid, const char* fd, const struct stat& info, unsigned index) {
    if (!S_ISCHR(info.st_mode) || info.st_rdev != ::makedev(5, 2)) return false;
    std::ifstream fdinfo(procFile(pid, "fdinfo/") + fd);
    for (std::string line; std::getline(fdinfo, line);) {
        if (!line.starts_with("tty-index:")) continue;
        const std::size_t digits = line.find_first_not_of(" \t", 10);
        unsigned number = 0;
        const char* end = line.data() + line.size();
        return digits != std::string::npos &&
               std::from_chars(line.data() + digits, end, number).ec == std::errc() &&
               number == index;
    }
    return false;
}

Holding holds(int pid, dev_t device) {
    Directory fds(::opendir(procFile(pid, "fd").c_str()));
    if (!fds) return errno == EACCES ? Holding::Hidden : Holding::No;
    const std::optional<unsigned> pty = ptyIndex(device);
    Holding holding = Holding::No;
    while (const dirent* entry = ::readdir(fds.get())) {
        struct stat info {};
        if (entry->d_name[0] == '.' || ::fstatat(::dirfd(fds.get()), entry->d_name, &info, 0) != 0)
            continue;
        if (pty && isPtyMaster(pid, entry->d_name, info, *pty)) return Holding::OtherEnd;
        if (S_ISCHR(info.st_mode) && info.st_rdev == device) holding = Holding::Yes;
    }
    return holding;
}

bool sameUser(int pid) {
    struct stat info {};
    return ::stat(procFile(pid, "").c_str(), &info) == 0 && info.st_uid == ::geteuid();
}

// Whether the process runs duoband or duoband-cli; the program file may
// have been replaced since it started (" (deleted)").
bool programsRadio(int pid, const std::string& command) {
    std::error_code ec;
    std::string program = fs::read_symlink(procFile(pid, "exe"), ec).filename().string();
    if (ec) program = command;  // another user's process
    if (program.ends_with(" (deleted)")) program.resize(program.size() - 10);
    return program == "duoband" || program == "duoband-cli";
}

// Another program may use a port without locking it, so every process's
// open files are looked at, as far as this user may see them.
void lookForHolders(const struct stat& port, PortDiagnosis& diagnosis) {
    if (!S_ISCHR(port.st_mode)) return;
    for (const int pid : processIds()) {
        if (pid == ::getpid()) continue;
        const Holding holding = holds(pid, port.st_rdev);
        if (holding == Holding::Hidden) diagnosis.allProcessesChecked = false;
        if (holding != Holding::Yes) continue;
        const std::string command = commandOf(pid);
        diagnosis.holders.push_back({pid, command, sameUser(pid), programsRadio(pid, command)});
    }
    const auto& holders = diagnosis.holders;
    if (std::ranges::any_of(holders, [](const PortHolder& h) { return !h.programsRadio; }))
        diagnosis.findings.push_back({PortProblem::HeldByProcess, {}});
    if (std::ranges::any_of(holders, &PortHolder::programsRadio))
        diagnosis.findings.push_back({PortProblem::BusyProgramming, {}});
}

// --- ModemManager -------------------------------------------------------------

bool modemManagerRuns() {
    return std::ranges::any_of(processIds(),
                               [](int pid) { return commandOf(pid) == "ModemManager"; });
}

bool rulesInstalled() {
    std::error_code ec;
    return std::ranges::any_of(kRuleFolders, [&ec](const char* folder) {
        return fs::exists(fs::path(folder) / kUdevRuleName, ec);
    });
}

// ModemManager sends modem commands to every new serial device it may take
// for a modem; it leaves alone what udev marked ID_MM_DEVICE_IGNORE.
void checkModemManager(PortDiagnosis& diagnosis) {
    diagnosis.modemManagerRuns = modemManagerRuns();
    diagnosis.rulesInstalled = rulesInstalled();
    const bool probed = diagnosis.modemManagerRuns && !diagnosis.device.usbId.empty() &&
                        !diagnosis.device.modemManagerIgnores;
    if (probed) diagnosis.findings.push_back({PortProblem::ModemManagerProbes, {}});
}

// --- opening --------------------------------------------------------------------

void tryOpening(PortDiagnosis& diagnosis) {
    diagnosis.triedOpening = true;
    const int fd = ::open(diagnosis.path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        // A holder already explains a busy port.
        if (error != EBUSY || diagnosis.holders.empty())
            diagnosis.findings.push_back(
                {PortProblem::OpenFailed, english(explainOpenError(error, diagnosis.path))});
        return;
    }
    termios settings{};
    const bool serial = ::tcgetattr(fd, &settings) == 0;
    ::close(fd);
    if (!serial) diagnosis.findings.push_back({PortProblem::NotASerialPort, {}});
}

}  // namespace

PortDiagnosis diagnosePort(const std::string& path, Opening opening) {
    PortDiagnosis diagnosis;
    diagnosis.path = path;
    struct stat info {};
    diagnosis.exists = ::stat(path.c_str(), &info) == 0;
    if (!diagnosis.exists) {
        const int error = errno;
        const bool missing = error == ENOENT || error == ENOTDIR;
        diagnosis.findings.push_back(
            missing
                ? PortFinding{PortProblem::NoSuchDevice, {}}
                : PortFinding{PortProblem::OpenFailed, path + ": " + std::strerror(error) + "."});
        return diagnosis;
    }
    diagnosis.device = describePortDevice(path);
    if (auto denied = permissionProblem(path, info)) diagnosis.findings.push_back(*denied);
    diagnosis.mayOpen = diagnosis.findings.empty();
    lookForHolders(info, diagnosis);
    checkModemManager(diagnosis);
    if (opening == Opening::Try && diagnosis.mayOpen) tryOpening(diagnosis);
    return diagnosis;
}

}  // namespace duoband
