// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every test of duoband-cli, and every duoband-cli it starts, keeps its
// register, spool and backups in a data folder of its own, never the user's
// or the build tree's.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class TempDataFolder : public ::testing::Environment {
  public:
    void SetUp() override {
        std::string pattern = std::filesystem::temp_directory_path() / "duoband_data_XXXXXX";
        folder_ = ::mkdtemp(pattern.data());
        ::setenv("DUOBAND_DATA_DIR", folder_.c_str(), 1);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

  private:
    std::filesystem::path folder_;
};

[[maybe_unused]] const auto* const kDataFolder =
    ::testing::AddGlobalTestEnvironment(new TempDataFolder);

}  // namespace
