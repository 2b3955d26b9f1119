// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_recorder.h"

#include "pages/page_widgets.h"

WindowRecorder::WindowRecorder(std::filesystem::path dataFolder, QObject* parent)
    : QObject(parent), dataFolder_(std::move(dataFolder)) {}

WindowRecorder::~WindowRecorder() = default;

void WindowRecorder::setDataFolder(std::filesystem::path folder) {
    std::lock_guard lock(mutex_);
    dataFolder_ = std::move(folder);
    recorder_.reset();
}

void WindowRecorder::useAddress(const std::string& address) {
    std::lock_guard lock(mutex_);
    requested_ = address;
    recorder_.reset();
}

void WindowRecorder::record(duoband::JobRecord job) {
    std::lock_guard lock(mutex_);
    if (recorder_ == nullptr) {
        recorder_ = std::make_unique<duoband::JobRecorder>(
            requested_, dataFolder_, [this](const duoband::RecorderNews& news) {
                emit said(pages::fromCorePhrase(news.text));
            });
    }
    // A register that could not be reached is tried again at every job; the
    // warning that it cannot is given once.
    if (!recorder_->isOpen()) recorder_->open(false);
    recorder_->record(std::move(job));
    emit recorded();
}
