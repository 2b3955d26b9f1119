#include "duoband/backups.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace duoband {

namespace fs = std::filesystem;
using std::chrono::system_clock;

namespace {

constexpr std::array<BackupKind, 3> kKinds{BackupKind::Read, BackupKind::Written,
                                           BackupKind::BeforeWrite};
constexpr std::size_t kStampLength = 19;  // YYYYMMDD-HHMMSS-mmm

fs::path programFolder() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : self.parent_path();
}

bool isBuildTree(const fs::path& program) {
    std::error_code ec;
    return !program.empty() && (fs::is_directory(program / "image", ec) ||
                                fs::exists(program.parent_path() / "CMakeCache.txt", ec));
}

fs::path userDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && *xdg == '/') return fs::path(xdg) / "duoband";
    const char* home = std::getenv("HOME");
    return fs::path(home != nullptr ? home : ".") / ".local" / "share" / "duoband";
}

std::string stamp(system_clock::time_point when) {
    return timeText(when, "%Y%m%d-%H%M%S", '-');
}

// "YYYYMMDD-HHMMSS-mmm" as "YYYY-MM-DD HH:MM:SS.mmm"; nullopt when it is not
// one. Only the text changes: a name is never turned back into a clock time.
std::optional<std::string> parseStamp(std::string_view stamp) {
    constexpr std::string_view kShape = "dddddddd-dddddd-ddd";
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        const bool digit = stamp[i] >= '0' && stamp[i] <= '9';
        if (kShape[i] == 'd' ? !digit : stamp[i] != kShape[i]) return std::nullopt;
    }
    const auto part = [&](std::size_t at, std::size_t n) {
        return std::string(stamp.substr(at, n));
    };
    return part(0, 4) + "-" + part(4, 2) + "-" + part(6, 2) + " " + part(9, 2) + ":" + part(11, 2) +
           ":" + part(13, 2) + "." + part(16, 3);
}

std::string portComponent(std::string_view port) {
    const std::string last = fs::path(port).filename().string();
    return last.empty() ? "none" : last;
}

}  // namespace

fs::path locateDataFolder(const fs::path& requested) {
    if (!requested.empty()) return requested;
    const fs::path program = programFolder();
    return isBuildTree(program) ? program : userDataFolder();
}

fs::path imageFolder(const fs::path& dataFolder) {
    return dataFolder / "image";
}

fs::path backupFolder(const fs::path& dataFolder) {
    return dataFolder / "backups";
}

std::string_view backupKindName(BackupKind kind) {
    switch (kind) {
        case BackupKind::Read:
            return "read";
        case BackupKind::Written:
            return "written";
        case BackupKind::BeforeWrite:
            return "before-write";
    }
    return "read";
}

std::string backupName(system_clock::time_point when, BackupKind kind, std::string_view port) {
    return stamp(when) + "-" + std::string(backupKindName(kind)) + "-" + portComponent(port) +
           std::string(kImageExtension);
}

std::optional<Backup> parseBackupName(const fs::path& file) {
    const std::string name = file.filename().string();
    if (name.size() <= kStampLength + 1 || !name.ends_with(kImageExtension) ||
        name[kStampLength] != '-')
        return std::nullopt;
    const auto when = parseStamp(name);
    if (!when) return std::nullopt;
    std::string_view rest(name);
    rest = rest.substr(kStampLength + 1, rest.size() - kStampLength - 1 - kImageExtension.size());
    for (BackupKind kind : kKinds) {
        const std::string prefix = std::string(backupKindName(kind)) + "-";
        if (rest.starts_with(prefix) && rest.size() > prefix.size())
            return Backup{file, *when, kind, std::string(rest.substr(prefix.size()))};
    }
    return std::nullopt;
}

BackupResult saveBackup(const fs::path& folder, BackupKind kind, std::string_view port,
                        const ImageFile& image, system_clock::time_point when) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    // Two backups in one millisecond: the later one takes the next free one.
    fs::path file = folder / backupName(when, kind, port);
    while (fs::exists(file, ec)) {
        when += std::chrono::milliseconds(1);
        file = folder / backupName(when, kind, port);
    }
    const SettingsFileResult written = saveImageFile(image, file);
    if (!written.ok()) return {{}, "The backup was not kept: " + written.error};
    pruneBackups(folder);
    return {file, {}};
}

std::vector<std::string> channelNames(const RadioImage& image, std::size_t most) {
    EditorModel model;
    decodeImage(image, model);
    std::vector<std::string> names;
    for (Band band : kBands)
        for (int row = 1; row <= ChannelTable::kChannels && names.size() < most; ++row)
            if (const std::string& name = model.channels(band).cell(Column::Name, row);
                !name.empty())
                names.push_back(name);
    return names;
}

std::vector<Backup> listBackups(const fs::path& folder) {
    std::vector<Backup> backups;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (!entry.is_regular_file(ec)) continue;
        if (auto backup = parseBackupName(entry.path())) backups.push_back(std::move(*backup));
    }
    // Names sort as their times do; the name breaks ties the same way each time.
    std::sort(backups.begin(), backups.end(), [](const Backup& a, const Backup& b) {
        return a.file.filename() > b.file.filename();
    });
    return backups;
}

void pruneBackups(const fs::path& folder, std::size_t keep) {
    const std::vector<Backup> backups = listBackups(folder);
    std::error_code ec;
    for (std::size_t i = keep; i < backups.size(); ++i) fs::remove(backups[i].file, ec);
}

bool isInsideFolder(const fs::path& folder, const fs::path& file) {
    if (folder.empty() || file.empty()) return false;
    std::error_code ec;
    const fs::path base = fs::weakly_canonical(fs::absolute(folder, ec), ec);
    if (ec) return false;
    const fs::path target = fs::weakly_canonical(fs::absolute(file, ec), ec);
    if (ec) return false;
    // Compared element by element: "backups2" is not inside "backups".
    auto inBase = base.begin();
    auto inTarget = target.begin();
    for (; inBase != base.end() && !inBase->empty(); ++inBase, ++inTarget) {
        if (inTarget == target.end() || *inBase != *inTarget) return false;
    }
    return inTarget != target.end() && !inTarget->empty();
}

}  // namespace duoband
