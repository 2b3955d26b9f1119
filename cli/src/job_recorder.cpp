// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "job_recorder.h"

#include "duoband/backups.h"

namespace duoband::cli {

namespace {

std::string lineOf(const RecorderNews& news) {
    return (news.warning ? "warning: " : "") + english(news.text);
}

}  // namespace

JobRecorder::JobRecorder(const std::string& requested, Io& io)
    : io_(io), recorder_(requested, locateDataFolder(), [&io](const RecorderNews& news) {
          io.err << "duoband-cli: " << lineOf(news) << '\n';
      }) {}

bool JobRecorder::open(bool needed, std::string_view command) {
    const Phrase why = recorder_.open(needed);
    if (!why.empty() && needed) io_.err << "duoband-cli: " << command << ": " << why << '\n';
    return why.empty();
}

void JobRecorder::record(JobRecord job, const Warn& warn) {
    if (!warn) return recorder_.record(std::move(job));
    recorder_.record(std::move(job), [&warn](const RecorderNews& news) { warn(lineOf(news)); });
}

}  // namespace duoband::cli
