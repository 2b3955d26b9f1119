// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the register's tests share: a temporary folder, and a PostgreSQL
// server of their own, made with Debian's binaries in such a folder, on a
// free local port, and stopped with the object. The system's own cluster is
// never used or touched.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace duoband::testing_support {

class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "duoband_reg_XXXXXX");
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// A TCP port on 127.0.0.1 that nothing listens on now.
inline int freeLocalPort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(s);
    return ntohs(address.sin_port);
}

// The folder of Debian's PostgreSQL server programs; empty when not installed.
inline std::filesystem::path postgresPrograms() {
    std::error_code ec;
    std::filesystem::path found;
    for (const auto& version : std::filesystem::directory_iterator("/usr/lib/postgresql", ec))
        if (std::filesystem::exists(version.path() / "bin" / "initdb"))
            found = version.path() / "bin";
    return found;
}

class PostgresServer {
  public:
    PostgresServer() : port_(freeLocalPort()) {
        const auto bin = postgresPrograms();
        if (bin.empty()) return;
        // The server refuses to run as root: as root, it runs as the
        // unprivileged postgres user, who owns the folder.
        if (::geteuid() == 0) {
            const passwd* user = ::getpwnam("postgres");
            if (user == nullptr) return;
            as_ = "runuser -u postgres -- ";
            if (::chown(folder_.path().c_str(), user->pw_uid, user->pw_gid) != 0) return;
        }
        pgCtl_ = (bin / "pg_ctl").string();
        const std::string data = folder_.file("data");
        ready_ = run(as_ + (bin / "initdb").string() + " -D " + data +
                     " -A trust -U postgres --no-sync -E UTF8 >" + folder_.file("initdb.log") +
                     " 2>&1") &&
                 start();
    }
    ~PostgresServer() { stop(); }
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    bool ready() const { return ready_; }
    std::string address() const {
        return "postgresql://postgres@127.0.0.1:" + std::to_string(port_) + "/postgres";
    }
    bool start() {
        running_ =
            run(as_ + pgCtl_ + " -D " + folder_.file("data") + " -l " + folder_.file("server.log") +
                " -w -o \"-p " + std::to_string(port_) + " -k " + folder_.path().string() +
                " -c listen_addresses=127.0.0.1 -c fsync=off\" start >/dev/null");
        return running_;
    }
    void stop() {
        if (running_)
            run(as_ + pgCtl_ + " -D " + folder_.file("data") + " -m immediate -w stop >/dev/null");
        running_ = false;
    }

  private:
    static bool run(const std::string& command) { return std::system(command.c_str()) == 0; }

    TempFolder folder_;
    int port_;
    std::string as_;
    std::string pgCtl_;
    bool ready_ = false;
    bool running_ = false;
};

}  // namespace duoband::testing_support
