// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the GUI tests share: answers for the user-dialog seam, a private copy
// of the default data folder, and the simulated radio.
#pragma once

#include <poll.h>
#include <pty.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app_settings.h"
#include "duoband/deadline.h"
#include "duoband/radio_sim_process.h"
#include "user_dialogs.h"

// A GUI test keeps its preferences in QStandardPaths' test store (under
// ~/.qttest, one file per test program), never in the user's own, and
// starts from an empty one: this runs as the application object is made.
inline void usePrivatePreferences() {
    QStandardPaths::setTestModeEnabled(true);
    appSettings::clear();
}
Q_COREAPP_STARTUP_FUNCTION(usePrivatePreferences)

// Records every message and answers every question from queued answers, so
// no modal loop ever waits for a person.
class ScriptedDialogs final : public UserDialogs {
  public:
    struct Message {
        QString kind;  // "information", "warning" or "error"
        QString text;
    };

    ScriptedDialogs() { installUserDialogs(this); }
    ~ScriptedDialogs() override { installUserDialogs(nullptr); }

    void information(QWidget*, const QString& text) override {
        messages.push_back({"information", text});
    }
    void warning(QWidget*, const QString& text) override { messages.push_back({"warning", text}); }
    bool warningWithOffer(QWidget*, const QString& text, const QString& offer) override {
        messages.push_back({"warning", text});
        offers.push_back(offer);
        return takeFront(offersTaken, false);
    }
    void error(QWidget*, const QString& text) override {
        messages.push_back({"error", text});
        if (whileModalError) std::exchange(whileModalError, nullptr)();
    }
    // Recorded like error(), but open without waiting: no nested loop runs.
    void openError(QWidget*, const QString& text) override { messages.push_back({"error", text}); }
    bool confirm(QWidget*, const QString& text) override {
        questions.push_back(text);
        return takeFront(confirmations, false);
    }
    SaveAnswer askToSave(QWidget*, const QString& text) override {
        questions.push_back(text);
        return takeFront(saveAnswers, SaveAnswer::Cancel);
    }
    void openAskToSave(QWidget* parent, const QString& text,
                       std::function<void(SaveAnswer)> answered) override {
        ++openSaveQuestions;
        answered(askToSave(parent, text));
    }
    // Shown without a modal loop (as the program's own seam does) until the
    // test answers it or the program closes it.
    QMessageBox* openQuestion(QWidget* parent, const QString& text) override {
        questions.push_back(text);
        openQuestionBox = UserDialogs::openQuestion(parent, text);
        openQuestionBox->show();
        return openQuestionBox;
    }
    bool questionOpen() const { return openQuestionBox != nullptr && openQuestionBox->isVisible(); }
    // Clicks `answer` in the open question; false when none is open.
    bool answerOpenQuestion(QMessageBox::StandardButton answer) {
        if (!questionOpen()) return false;
        openQuestionBox->button(answer)->click();
        return true;
    }
    bool writeDespiteProblems(QWidget*, const QString& text, const QStringList& problems) override {
        planQuestions.push_back(text + "\n" + problems.join('\n'));
        return takeFront(planAnswers, std::optional<bool>(true)).value_or(false);
    }
    void openWriteDespiteProblems(QWidget*, const QString& text, const QStringList& problems,
                                  std::function<void(bool)> answered) override {
        planQuestions.push_back(text + "\n" + problems.join('\n'));
        const std::optional<bool> answer = takeFront(planAnswers, std::optional<bool>(true));
        if (answer) {
            answered(*answer);
        } else {
            pendingPlanAnswer = std::move(answered);
        }
    }
    QString openFileName(QWidget*, const QString& title, const QString& filter) override {
        fileDialogs.push_back(title + "|" + filter);
        return takeFront(fileNames, QString());
    }
    QString saveFileName(QWidget*, const QString& title, const QString& filter) override {
        fileDialogs.push_back(title + "|" + filter);
        return takeFront(fileNames, QString());
    }
    std::optional<duoband::CsvStart> importStart(QWidget*, int) override {
        return takeFront(importStarts, std::optional<duoband::CsvStart>());
    }

    // The last message's text, or empty when none was shown.
    QString lastText() const { return messages.empty() ? QString() : messages.back().text; }
    QString lastKind() const { return messages.empty() ? QString() : messages.back().kind; }

    std::vector<Message> messages;
    QStringList questions;
    QStringList fileDialogs;  // "title|filter" of each file dialog shown
    QStringList offers;       // the extra button of each warning that had one
    std::deque<bool> confirmations;
    // Runs once inside the next modal error box: the events its nested loop
    // would dispatch while the user reads it.
    std::function<void()> whileModalError;
    QPointer<QMessageBox> openQuestionBox;  // the last openQuestion()
    std::deque<bool> offersTaken;           // true: the warning's extra button was pressed
    std::deque<SaveAnswer> saveAnswers;
    int openSaveQuestions = 0;  // "Save changes?" asked without waiting
    std::deque<QString> fileNames;
    // The question about the channel plan's problems: its text and list, and
    // the answers, true for "Write Anyway"; none queued: Write Anyway; nullopt:
    // the open one stays unanswered, its answer kept in pendingPlanAnswer.
    QStringList planQuestions;
    std::deque<std::optional<bool>> planAnswers;
    std::function<void(bool)> pendingPlanAnswer;
    std::deque<std::optional<duoband::CsvStart>> importStarts;  // nullopt: cancelled

  private:
    template <class T>
    static T takeFront(std::deque<T>& queue, T otherwise) {
        if (queue.empty()) return otherwise;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

// A private copy of the image folder the build places beside the program.
class TestDataFolder {
  public:
    TestDataFolder() {
        for (const char* name : {"1.bc", "2.bc", "1.jpg"}) {
            QFile::copy(QString(DUOBAND_DEFAULT_IMAGE) + "/" + name, path(name));
        }
    }
    QString dir() const { return temp_.path(); }
    QString path(const QString& name) const { return temp_.filePath(name); }

    QByteArray bytes(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    void remove(const QString& name) const { QFile::remove(path(name)); }

  private:
    QTemporaryDir temp_;
};

// A pseudo-terminal whose terminal side stands in for a serial port.
class Pty {
  public:
    Pty() {
        char name[256] = {};
        if (::openpty(&master_, &slave_, name, nullptr, nullptr) == 0) path_ = name;
    }
    ~Pty() {
        if (slave_ >= 0) ::close(slave_);
        if (master_ >= 0) ::close(master_);
    }
    const std::string& path() const { return path_; }

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

// duoband-radio-sim, built beside the tests, on its own pseudo-terminal.
class TestRadio {
  public:
    explicit TestRadio(std::vector<std::string> args) {
        started_ = process_.start(std::string(DUOBAND_BIN_DIR) + "/duoband-radio-sim", args);
    }
    bool started() const { return started_; }
    QString error() const { return QString::fromStdString(process_.error()); }
    const std::string& port() const { return process_.port(); }
    void stop() { process_.stop(); }

  private:
    duoband::sim::SimProcess process_;
    bool started_ = false;
};

// The lines of the radio's --log file that start with `prefix`, once there
// are at least `atLeast` of them or `within` has passed (waits on inotify).
inline int logLinesStartingWith(const QString& path, const std::string& prefix, int atLeast,
                                std::chrono::milliseconds within = std::chrono::seconds(3)) {
    const auto count = [&] {
        std::ifstream in(path.toStdString());
        int n = 0;
        for (std::string line; std::getline(in, line);) n += line.starts_with(prefix) ? 1 : 0;
        return n;
    };
    const int fd = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    ::inotify_add_watch(fd, path.toLocal8Bit().constData(), IN_MODIFY | IN_CLOSE_WRITE);
    const auto deadline = duoband::Deadline::in(within);
    int n = count();
    while (n < atLeast && !deadline.expired()) {
        pollfd ready{fd, POLLIN, 0};
        if (duoband::pollUntil(&ready, 1, deadline) > 0) {
            char events[4096];
            [[maybe_unused]] auto r = ::read(fd, events, sizeof events);
        }
        n = count();
    }
    ::close(fd);
    return n;
}
