// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/job_spool.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <exception>

#include "duoband/channel_csv.h"
#include "duoband/whole_file.h"

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

}  // namespace

std::filesystem::path spoolPath(const std::filesystem::path& dataFolder) {
    return dataFolder / "register-spool.csv";
}

Phrase JobSpool::keep(const std::string& address, const JobRecord& job) const {
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    LockedFile file(file_, O_RDWR | O_CREAT | O_APPEND);
    // A line a crash cut short gets its end first, or this record would be
    // glued onto it and lost with it.
    const std::string before = file.fd() >= 0 ? readAll(file.fd()) : std::string();
    const std::string lineEnd = before.empty() || before.back() == '\n' ? "" : "\r\n";
    const bool kept = file.fd() >= 0 &&
                      writeAll(file.fd(), lineEnd + csvLine(fieldsOf(address, job))) &&
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
    std::string kept;  // the records of other registers, and those not stored
    std::size_t stored = 0;
    std::exception_ptr failure;
    for (const CsvRecord& r : records.records) {
        if (r.fields.size() != kFields) continue;  // a line cut short by a crash
        if (failure || r.fields[0] != reg.address()) {
            kept += csvLine(r.fields);
            continue;
        }
        try {
            reg.record(recordOf(r.fields));
            ++stored;
        } catch (const RegisterError&) {
            // The register went away midway: what it took is not kept twice.
            failure = std::current_exception();
            kept += csvLine(r.fields);
        }
    }
    // The records are in the register now; a crash before the file is
    // rewritten stores them twice, which is better than losing them.
    if (::ftruncate(file.fd(), 0) != 0 || !writeAll(file.fd(), kept) || ::fsync(file.fd()) != 0)
        throw RegisterError(
            phrase(kCannotKeep, verbatim(file_.string()), verbatim(std::strerror(errno))));
    if (failure) std::rethrow_exception(failure);
    // Left in place, empty: a process waiting for the lock holds this file.
    return stored;
}

}  // namespace duoband
