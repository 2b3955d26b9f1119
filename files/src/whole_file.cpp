#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "duoband/settings_file.h"

namespace duoband {

namespace {

SettingsFileResult failure(const std::filesystem::path& path, const std::string& what, int error) {
    SettingsFileResult r;
    r.error = what + " \"" + path.string() + "\": " + std::strerror(error) + ".";
    r.path = path;
    return r;
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

}  // namespace

SettingsFileResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                       std::filesystem::perms perms) {
    std::string temp = path.string() + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return failure(path, "Cannot create a file beside", errno);
    const bool written =
        ::fchmod(fd, static_cast<mode_t>(perms)) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(temp.c_str());
        return failure(path, "Cannot write", written ? errno : writeError);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temp.c_str());
        return failure(path, "Cannot replace", renameError);
    }
    SettingsFileResult ok;
    ok.path = path;
    return ok;
}

SettingsFileResult readWholeFile(const std::filesystem::path& path, std::string& bytes) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return failure(path, "Cannot read", EISDIR);
    std::ifstream in(path, std::ios::binary);
    if (!in) return failure(path, "Cannot open", errno != 0 ? errno : ENOENT);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return failure(path, "Cannot read", errno != 0 ? errno : EIO);
    SettingsFileResult ok;
    ok.path = path;
    return ok;
}

SettingsFileResult applyWholeFile(
    const std::filesystem::path& path,
    const std::function<SettingsFileResult(std::string_view bytes)>& apply) {
    std::string bytes;
    SettingsFileResult result = readWholeFile(path, bytes);
    if (!result.ok()) return result;
    result = apply(bytes);
    result.path = path;
    return result;
}

}  // namespace duoband
