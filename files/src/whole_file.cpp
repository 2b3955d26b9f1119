// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "duoband/translatable.h"
#include "duoband/whole_file.h"

namespace duoband {

namespace fs = std::filesystem;

namespace {

FileResult failure(const fs::path& path, const std::string& what, int error) {
    FileResult r;
    r.error = what + " \"" + path.string() + "\": " + std::strerror(error) + ".";
    r.path = path;
    return r;
}

FileResult refusal(const fs::path& path, const std::string& why) {
    FileResult r;
    r.error = "\"" + path.string() + "\" " + why;
    r.path = path;
    return r;
}

// The file a save through `path` writes: the end of its chain of symbolic
// links (a link to a missing file writes that file).
fs::path savedFile(const fs::path& path) {
    fs::path file = path;
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(file, ec)); ++hops) {
        const fs::path next = fs::read_symlink(file, ec);
        if (ec) break;
        file = next.is_absolute() ? next : file.parent_path() / next;
    }
    return file;
}

// A new file `target`.XXXXXX, created exclusively as mkstemp does, but with
// `mode` less the umask where mkstemp always gives 0600. -1 and errno when
// it cannot be made.
int createBeside(const fs::path& target, mode_t mode, std::string& name) {
    static constexpr std::string_view kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> letter(0, kLetters.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target.string() + '.';
        for (int i = 0; i < 6; ++i) name += kLetters[letter(random)];
        const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

std::string_view nonFileKind(mode_t mode) {
    if (S_ISDIR(mode)) return QT_TRANSLATE_NOOP("duoband", "a folder");
    if (S_ISFIFO(mode)) return QT_TRANSLATE_NOOP("duoband", "a named pipe");
    if (S_ISSOCK(mode)) return QT_TRANSLATE_NOOP("duoband", "a socket");
    return QT_TRANSLATE_NOOP("duoband", "a device");
}

PendingFile::PendingFile(const fs::path& path, std::size_t room, fs::perms perms)
    : path_(path), perms_(perms), target_(savedFile(path)) {
    const auto asked = static_cast<mode_t>(perms);
    const bool ownerOnly = (asked & 077) == 0;
    // The mode the file gets once created; none: the one it was created with.
    std::optional<mode_t> keptMode;
    struct stat info {};
    if (::stat(target_.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            status_ = refusal(path_, "is " + std::string(nonFileKind(info.st_mode)) +
                                         ", not a file; choose a file name.");
            return;
        }
        // Root may write anything: only the mode says what its owner meant.
        if ((info.st_mode & 0222) == 0 || ::access(target_.c_str(), W_OK) != 0) {
            status_ = refusal(path_,
                              "is read-only and was left as it was; save under another name, or "
                              "make it writable first.");
            return;
        }
        // An existing file keeps its mode; a private one stays private.
        keptMode = info.st_mode & 07777 & (ownerOnly ? ~mode_t{077} : ~mode_t{0});
    } else if (errno != ENOENT) {
        status_ = failure(path_, "Cannot save", errno);
        return;
    } else if (ownerOnly) {
        keptMode = asked;  // whatever the umask: the password stays readable by its owner
    }
    // A new file takes the umask (and a folder's default ACL) from the system,
    // as every program's new files do; anything else is created private
    // and then given its mode, so no one else can open it in between.
    fd_ = createBeside(target_, keptMode ? mode_t{0600} : asked, temp_);
    if (fd_ < 0) {
        status_ = failure(path_, "Cannot create a file beside", errno);
        return;
    }
    int error = !keptMode || ::fchmod(fd_, *keptMode) == 0 ? 0 : errno;
    // Filesystems that cannot reserve room still take the bytes later.
    if (error == 0 && room > 0) error = ::posix_fallocate(fd_, 0, static_cast<off_t>(room));
    if (error != 0 && error != EOPNOTSUPP && error != EINVAL) {
        status_ = failure(path_, "Cannot make room for", error);
        discard();
    }
}

PendingFile::~PendingFile() {
    discard();
}

void PendingFile::discard() {
    if (fd_ < 0) return;
    ::close(fd_);
    ::unlink(temp_.c_str());
    fd_ = -1;
}

bool PendingFile::fill(std::string_view bytes) {
    if (fd_ < 0) {
        status_ = failure(path_, "Cannot write", EBADF);
        return false;
    }
    const bool written = writeAll(fd_, bytes) &&
                         ::ftruncate(fd_, static_cast<off_t>(bytes.size())) == 0 &&
                         ::fsync(fd_) == 0;
    const int writeError = errno;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (written && closed) return true;
    ::unlink(temp_.c_str());
    status_ = failure(path_, "Cannot write", written ? errno : writeError);
    return false;
}

FileResult PendingFile::commit(std::string_view bytes, const fs::path& as) {
    if (!ok()) return status_;
    if (!as.empty() && as != path_) {
        discard();
        PendingFile other(as, bytes.size(), perms_);
        return other.commit(bytes);
    }
    if (!fill(bytes)) return status_;
    if (::rename(temp_.c_str(), target_.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temp_.c_str());
        return status_ = failure(path_, "Cannot replace", renameError);
    }
    FileResult ok;
    ok.path = path_;
    return ok;
}

std::optional<FileResult> PendingFile::commitNew(std::string_view bytes) {
    if (!ok()) return status_;
    if (!fill(bytes)) return status_;
    const int error = moveWithoutReplacing(temp_, path_);
    if (error != 0) ::unlink(temp_.c_str());
    if (error == EEXIST) return std::nullopt;
    if (error != 0) return status_ = failure(path_, "Cannot save", error);
    FileResult ok;
    ok.path = path_;
    return ok;
}

int moveWithoutReplacing(const fs::path& from, const fs::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // A filesystem that cannot rename so: a hard link is as exclusive.
    if (::link(from.c_str(), to.c_str()) != 0) return errno;
    ::unlink(from.c_str());
    return 0;
}

FileResult writeFileAtomically(const fs::path& path, std::string_view bytes, fs::perms perms) {
    PendingFile file(path, bytes.size(), perms);
    return file.commit(bytes);
}

std::optional<FileResult> writeNewFile(const fs::path& path, std::string_view bytes,
                                       fs::perms perms) {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(path, ec))) return std::nullopt;
    PendingFile file(path, bytes.size(), perms);
    return file.commitNew(bytes);
}

FileResult readWholeFile(const fs::path& path, std::string& bytes, std::uintmax_t largest) {
    // Not blocking: a named pipe must not hold the program.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) return failure(path, "Cannot open", errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) return failure(path, "Cannot read", errno);
    if (!S_ISREG(info.st_mode))
        return refusal(path, "is " + std::string(nonFileKind(info.st_mode)) + ", not a file.");
    const auto tooLarge = [&](std::uintmax_t size) {
        return refusal(path, "holds " + std::to_string(size) +
                                 " bytes, more than such a file can (at most " +
                                 std::to_string(largest) + "); it is not one.");
    };
    if (static_cast<std::uintmax_t>(info.st_size) > largest) return tooLarge(info.st_size);
    std::string read(static_cast<std::size_t>(info.st_size) + 1, '\0');
    std::size_t have = 0;
    for (;;) {
        if (have == read.size()) {
            if (have > largest) return tooLarge(have);  // it grew while being read
            read.resize(std::min<std::uintmax_t>(2 * have, largest + 1));
        }
        const ssize_t n = ::read(file.get(), read.data() + have, read.size() - have);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return failure(path, "Cannot read", errno);
        if (n == 0) break;
        have += static_cast<std::size_t>(n);
    }
    read.resize(have);
    bytes = std::move(read);
    FileResult ok;
    ok.path = path;
    return ok;
}

FileResult applyWholeFile(const fs::path& path,
                          const std::function<FileResult(std::string_view bytes)>& apply) {
    std::string bytes;
    FileResult result = readWholeFile(path, bytes);
    if (!result.ok()) return result;
    result = apply(bytes);
    result.path = path;
    return result;
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

}  // namespace duoband
