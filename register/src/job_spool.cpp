// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/job_spool.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "duoband/channel_csv.h"

namespace duoband {

namespace {

constexpr std::string_view kCannotKeep =
    QT_TRANSLATE_NOOP("duoband", "cannot keep the job's record in %1: %2");

// An open, locked spool file, unlocked and closed with the object.
class LockedFile {
  public:
    LockedFile(const std::filesystem::path& path, int flags) {
        fd_ = ::open(path.c_str(), flags | O_CLOEXEC, 0600);
        if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~LockedFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_ = -1;
};

std::vector<std::string> fieldsOf(const std::string& address, const JobRecord& j) {
    return {address,
            j.time,
            j.bench,
            j.port,
            j.kind,
            j.fleet,
            std::to_string(j.radioId),
            j.configuration,
            j.configurationSha256,
            j.before[UnitField::NativeId],
            j.before[UnitField::IdentityCode],
            j.after[UnitField::NativeId],
            j.after[UnitField::IdentityCode],
            j.result,
            j.message,
            j.detail,
            std::to_string(j.seconds),
            j.backup};
}
constexpr std::size_t kFields = 18;

JobRecord recordOf(const std::vector<std::string>& f) {
    JobRecord j;
    j.time = f[1];
    j.bench = f[2];
    j.port = f[3];
    j.kind = f[4];
    j.fleet = f[5];
    j.radioId = std::atoll(f[6].c_str());
    j.configuration = f[7];
    j.configurationSha256 = f[8];
    j.before[UnitField::NativeId] = f[9];
    j.before[UnitField::IdentityCode] = f[10];
    j.after[UnitField::NativeId] = f[11];
    j.after[UnitField::IdentityCode] = f[12];
    j.result = f[13];
    j.message = f[14];
    j.detail = f[15];
    j.seconds = std::strtod(f[16].c_str(), nullptr);
    j.backup = f[17];
    return j;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string readAll(int fd) {
    std::string text;
    char chunk[65536];
    for (ssize_t n; (n = ::pread(fd, chunk, sizeof chunk, static_cast<off_t>(text.size()))) > 0;)
        text.append(chunk, static_cast<std::size_t>(n));
    return text;
}

}  // namespace

std::filesystem::path spoolPath(const std::filesystem::path& dataFolder) {
    return dataFolder / "register-spool.csv";
}

Phrase JobSpool::keep(const std::string& address, const JobRecord& job) const {
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    LockedFile file(file_, O_WRONLY | O_CREAT | O_APPEND);
    const bool kept = file.fd() >= 0 && writeAll(file.fd(), csvLine(fieldsOf(address, job))) &&
                      ::fsync(file.fd()) == 0;
    if (kept) return {};
    return phrase(kCannotKeep, verbatim(file_.string()), verbatim(std::strerror(errno)));
}

std::size_t JobSpool::replay(RadioRegister& reg) const {
    std::error_code ec;
    if (!std::filesystem::exists(file_, ec)) return 0;
    LockedFile file(file_, O_RDWR);
    if (file.fd() < 0) return 0;
    const CsvRecords records = parseCsv(readAll(file.fd()), CsvBytes::Any);
    std::string others;  // the records of other registers stay
    std::size_t stored = 0;
    for (const CsvRecord& r : records.records) {
        if (r.fields.size() != kFields) continue;  // a line cut short by a crash
        if (r.fields[0] != reg.address()) {
            others += csvLine(r.fields);
            continue;
        }
        reg.record(recordOf(r.fields));
        ++stored;
    }
    // The records are in the register now; a crash before the file is
    // rewritten stores them twice, which is better than losing them.
    if (::ftruncate(file.fd(), 0) != 0 || !writeAll(file.fd(), others) || ::fsync(file.fd()) != 0)
        throw RegisterError(
            phrase(kCannotKeep, verbatim(file_.string()), verbatim(std::strerror(errno))));
    // Left in place, empty: a process waiting for the lock holds this file.
    return stored;
}

}  // namespace duoband
