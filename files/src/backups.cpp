// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/backups.h"
#include "duoband/translatable.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <iomanip>
#include <sstream>
#include <system_error>

#include "duoband/memory_map.h"
#include "duoband/whole_file.h"

namespace duoband {

namespace fs = std::filesystem;
using std::chrono::system_clock;

namespace {

constexpr std::array<BackupKind, 4> kKinds{BackupKind::Read, BackupKind::Written,
                                           BackupKind::BeforeWrite, BackupKind::PartlyWritten};

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
    return xdgUserFolder(XdgFolder::Data) / "duoband";
}

// "YYYYMMDD-HHMMSS-mmmZ" in UTC.
std::string utcStamp(system_clock::time_point when) {
    const auto second = std::chrono::floor<std::chrono::seconds>(when);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(when - second).count();
    const std::time_t t = system_clock::to_time_t(second);
    std::tm utc{};
    gmtime_r(&t, &utc);
    std::ostringstream out;
    out << std::put_time(&utc, "%Y%m%d-%H%M%S") << '-' << std::setw(3) << std::setfill('0') << ms
        << 'Z';
    return out.str();
}

struct Stamp {
    system_clock::time_point time;
    std::size_t length;  // of the stamp in the name
};

// The time a name begins with: "YYYYMMDD-HHMMSS-mmm" and a Z in UTC, without
// the Z in local time (older names). nullopt when it begins with no time.
std::optional<Stamp> parseStamp(std::string_view name) {
    constexpr std::string_view kShape = "dddddddd-dddddd-ddd";
    if (name.size() < kShape.size()) return std::nullopt;
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        const bool digit = name[i] >= '0' && name[i] <= '9';
        if (kShape[i] == 'd' ? !digit : name[i] != kShape[i]) return std::nullopt;
    }
    const auto number = [&](std::size_t at, std::size_t digits) {
        int value = 0;
        for (const char c : name.substr(at, digits)) value = value * 10 + (c - '0');
        return value;
    };
    std::tm fields{};
    fields.tm_year = number(0, 4) - 1900;
    fields.tm_mon = number(4, 2) - 1;
    fields.tm_mday = number(6, 2);
    fields.tm_hour = number(9, 2);
    fields.tm_min = number(11, 2);
    fields.tm_sec = number(13, 2);
    fields.tm_isdst = -1;  // whatever the zone's rule says for that day
    std::tm normal = fields;
    const bool utc = name.size() > kShape.size() && name[kShape.size()] == 'Z';
    const std::time_t seconds = utc ? ::timegm(&normal) : std::mktime(&normal);
    // A day or an hour that does not exist (20260231, 25:00) is no time.
    if (seconds == -1 || normal.tm_mday != fields.tm_mday || normal.tm_mon != fields.tm_mon ||
        fields.tm_hour > 23 || fields.tm_min > 59 || fields.tm_sec > 60)
        return std::nullopt;
    return Stamp{system_clock::from_time_t(seconds) + std::chrono::milliseconds(number(16, 3)),
                 kShape.size() + (utc ? 1 : 0)};
}

std::string portComponent(std::string_view port) {
    const std::string last = fs::path(port).filename().string();
    return last.empty() ? "none" : last;
}

}  // namespace

fs::path xdgUserFolder(XdgFolder kind) {
    struct Rule {
        const char* variable;
        const char* underHome;
    };
    static constexpr Rule kRules[] = {{"XDG_DATA_HOME", ".local/share"},
                                      {"XDG_CONFIG_HOME", ".config"}};
    const Rule& rule = kRules[static_cast<int>(kind)];
    const char* set = std::getenv(rule.variable);
    if (set != nullptr && *set == '/') return set;
    const char* home = std::getenv("HOME");
    return fs::path(home != nullptr ? home : ".") / rule.underHome;
}

fs::path locateDataFolder(const fs::path& requested) {
    if (!requested.empty()) return requested;
    if (const char* set = std::getenv("DUOBAND_DATA_DIR"); set != nullptr && *set == '/')
        return set;
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
        case BackupKind::PartlyWritten:
            return "partly-written";
    }
    return "read";
}

BackupKind sentImageKind(int framesAcknowledged) {
    return framesAcknowledged >= kTransferSteps ? BackupKind::Written : BackupKind::PartlyWritten;
}

std::string backupName(system_clock::time_point when, BackupKind kind, std::string_view port) {
    return utcStamp(when) + "-" + std::string(backupKindName(kind)) + "-" + portComponent(port) +
           std::string(kImageExtension);
}

std::optional<Backup> parseBackupName(const fs::path& file) {
    const std::string name = file.filename().string();
    const auto stamp = parseStamp(name);
    // The '-' after the stamp stands before the extension, if there is one.
    if (!stamp || !name.ends_with(kImageExtension) || name.size() <= stamp->length ||
        name[stamp->length] != '-')
        return std::nullopt;
    std::string_view rest(name);
    rest = rest.substr(stamp->length + 1, rest.size() - stamp->length - 1 - kImageExtension.size());
    for (BackupKind kind : kKinds) {
        const std::string prefix = std::string(backupKindName(kind)) + "-";
        if (rest.starts_with(prefix) && rest.size() > prefix.size())
            return Backup{file, stamp->time, timeText(stamp->time), kind,
                          std::string(rest.substr(prefix.size()))};
    }
    return std::nullopt;
}

BackupResult writeBackupFile(const fs::path& folder, BackupKind kind, std::string_view port,
                             const ImageFile& image, system_clock::time_point when) {
    constexpr int kNamesTried = 1000;
    const std::string text = imageText(image);
    for (int tried = 0; tried < kNamesTried; ++tried, when += std::chrono::milliseconds(1)) {
        const fs::path file = folder / backupName(when, kind, port);
        const std::optional<FileResult> written = writeNewFile(file, text);
        if (!written) continue;  // the name is taken
        if (!written->ok())
            return {{},
                    phrase(QT_TRANSLATE_NOOP("duoband", "The backup was not kept: %1"),
                           verbatim(written->error))};
        return {file, {}};
    }
    return {
        {},
        phrase(QT_TRANSLATE_NOOP(
                   "duoband", "The backup was not kept: every name of that second in %1 is taken."),
               verbatim(folder.string()))};
}

BackupResult saveBackup(const fs::path& folder, BackupKind kind, std::string_view port,
                        const ImageFile& image, system_clock::time_point when) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    const BackupResult kept = writeBackupFile(folder, kind, port, image, when);
    if (kept.ok()) pruneBackups(folder, kBackupsKept, kept.file);
    return kept;
}

BackupResult relabelBackup(const fs::path& file, BackupKind kind) {
    const std::optional<Backup> backup = parseBackupName(file);
    if (!backup)
        return {{},
                phrase(QT_TRANSLATE_NOOP("duoband", "Not a backup: %1"), verbatim(file.string()))};
    // The name ends in "-<kind>-<port>.img"; its time before that stays.
    const auto ending = [&](BackupKind k) {
        return "-" + std::string(backupKindName(k)) + "-" + backup->port +
               std::string(kImageExtension);
    };
    const std::string name = file.filename().string();
    const fs::path renamed =
        file.parent_path() /
        (name.substr(0, name.size() - ending(backup->kind).size()) + ending(kind));
    if (renamed == file) return {file, {}};
    // Never over another backup, even one another job keeps this moment.
    const int error = moveWithoutReplacing(file, renamed);
    if (error == EEXIST)
        return {{},
                phrase(QT_TRANSLATE_NOOP("duoband", "The backup was not relabelled: %1 exists"),
                       verbatim(renamed.string()))};
    if (error != 0)
        return {{},
                phrase(QT_TRANSLATE_NOOP("duoband", "The backup was not relabelled: %1"),
                       verbatim(std::error_code(error, std::generic_category()).message()))};
    return {renamed, {}};
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
    // The name breaks ties the same way each time.
    std::sort(backups.begin(), backups.end(), [](const Backup& a, const Backup& b) {
        if (a.time != b.time) return a.time > b.time;
        return a.file.filename() > b.file.filename();
    });
    return backups;
}

void pruneBackups(const fs::path& folder, std::size_t keep, const fs::path& spared) {
    const std::vector<Backup> backups = listBackups(folder);
    const auto isSpared = [&](const Backup& b) {
        return !spared.empty() && b.file.filename() == spared.filename();
    };
    std::size_t room = keep;
    if (room > 0 && std::ranges::any_of(backups, isSpared)) --room;
    std::error_code ec;
    for (const Backup& backup : backups) {
        if (isSpared(backup)) continue;
        if (room > 0) {
            --room;
        } else {
            fs::remove(backup.file, ec);
        }
    }
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
