// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "register_link.h"

#include "duoband/job_recorder.h"
#include "pages/page_widgets.h"

// Used on the pool's one thread only.
struct RegisterLink::Connection {
    std::unique_ptr<duoband::JobRecorder> recorder;
};

RegisterLink::RegisterLink(const std::string& address, const std::filesystem::path& dataFolder,
                           QObject* parent)
    : QObject(parent), connection_(std::make_shared<Connection>()) {
    pool_.setMaxThreadCount(1);  // in order, one connection
    connection_->recorder = std::make_unique<duoband::JobRecorder>(
        address, dataFolder,
        [this](const duoband::RecorderNews& news) { emit said(pages::fromCorePhrase(news.text)); });
}

RegisterLink::~RegisterLink() {
    pool_.clear();
    pool_.waitForDone();
}

void RegisterLink::run(Work work, Done done) {
    ++pending_;
    pool_.start([this, work = std::move(work), done = std::move(done)] {
        duoband::JobRecorder& recorder = *connection_->recorder;
        duoband::Phrase problem;
        try {
            // Opened as a job's record opens it: the spool's records go in.
            if (!recorder.isOpen()) problem = recorder.open(true);
            if (problem.empty()) work(recorder.reg());
        } catch (const duoband::RegisterError& e) {
            problem = e.why();
        } catch (const std::exception& e) {
            problem = duoband::verbatim(e.what());
        }
        QMetaObject::invokeMethod(
            this,
            [this, done, problem] {
                if (done) done(problem);
                if (--pending_ == 0) emit idle();
            },
            Qt::QueuedConnection);
    });
}
