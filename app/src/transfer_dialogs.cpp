// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer_dialogs.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "app_settings.h"
#include "duoband/job_recorder.h"
#include "duoband/radio_jobs.h"
#include "job_host.h"
#include "pages/page_widgets.h"
#include "user_dialogs.h"

TransferDialog::TransferDialog(const QString& caption, JobHost& host, QWidget* parent)
    : QDialog(parent), host_(host), caption_(caption) {
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    progressBar_ = new QProgressBar;
    progressBar_->setObjectName("progressBar");
    progressBar_->setRange(0, duoband::kTransferSteps);
    progressBar_->setMinimumWidth(320);
    startButton_ = new QPushButton(caption);
    startButton_->setObjectName("startButton");
    startButton_->setDefault(true);
    cancelButton_ = new QPushButton(tr("Cancel"));
    cancelButton_->setObjectName("cancelButton");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(startButton_);
    buttons->addWidget(cancelButton_);
    auto* column = new QVBoxLayout(this);
    // The dialog takes the size its controls ask for, at every scale and in
    // every language, and follows them as options are added.
    column->setSizeConstraint(QLayout::SetFixedSize);
    options_ = new QVBoxLayout;
    column->addLayout(options_);
    column->addWidget(progressBar_);
    column->addLayout(buttons);
    fastBox_ = addOption(tr("Fast transfer"), "fastBox", false);
    connect(startButton_, &QPushButton::clicked, this, &TransferDialog::startTransfer);
    connect(cancelButton_, &QPushButton::clicked, this, &TransferDialog::reject);
}

// Every showing starts from an empty progress bar, with the focus on the
// transfer button: the last transfer left it on Cancel, and Enter would
// cancel instead of starting.
void TransferDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        progressBar_->resetFormat();
        progressBar_->setValue(0);
        startButton_->setFocus();
        succeeded_ = false;
    }
}

QCheckBox* TransferDialog::addOption(const QString& caption, const QString& name, bool checked) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    // Remembered from run to run.
    box->setChecked(appSettings::transferOption(name, checked));
    connect(box, &QCheckBox::toggled, this,
            [name](bool on) { appSettings::setTransferOption(name, on); });
    options_->addWidget(box);
    return box;
}

// The job runs on the radio's thread; what it reports, and its end, come
// back here as queued calls.
void TransferDialog::startTransfer() {
    if (running_) return;
    cancelRequested_ = false;
    succeeded_ = false;
    duoband::JobOutput output = host_.jobOutput();
    output.progress = [this](int steps) { progressBar_->setValue(steps); };
    QString refusal;
    DialogJob dialogJob = job(output, refusal);
    if (!dialogJob) {
        userDialogs().error(this, refusal);
        accept();
        return;
    }
    duoband::JobOutput queued = output;
    queued.say = WindowRadio::queuedTo(this, output.say);
    queued.warn = WindowRadio::queuedTo(this, output.warn);
    queued.progress = WindowRadio::queuedTo(this, output.progress);
    queued.state = WindowRadio::queuedTo(this, output.state);
    queued.backup = WindowRadio::queuedTo(this, output.backup);
    WindowRadio& radio = host_.radio();
    radio.exchange().setFastLink(fastBox_->isChecked());
    setRunning(true);
    radio.start(
        [dialogJob, queued](duoband::ProgrammingExchange& exchange, const std::string& port) {
            duoband::JobOutput output = queued;
            return dialogJob(exchange, port, output);
        },
        [this](const duoband::JobReport& report) { finish(report); });
}

void TransferDialog::finishNow() {
    if (running_) host_.radio().finishNow();
}

void TransferDialog::finish(const duoband::JobReport& report) {
    ended(report);
    duoband::ExchangeResult result = duoband::asExchangeResult(report);
    if (result.message == duoband::kCancelled) {
        result.message = tr("%1 cancelled").arg(caption_).toStdString();
    }
    const bool succeeded = result.outcome == duoband::ExchangeOutcome::Success;
    QString message = pages::fromCoreText(result.message);
    if (!result.detail.empty()) message += "\n" + pages::fromCoreDetail(result.detail, result.why);
    const QPointer<TransferDialog> alive(this);
    const auto closed = [alive, succeeded] {
        if (alive) alive->conclude(succeeded);
    };
    if (succeeded) {
        userDialogs().openMessage(this, UserDialogs::MessageKind::Information, message, closed);
    } else {
        showFailure(result, message, closed);
    }
}

void TransferDialog::conclude(bool succeeded) {
    succeeded_ = succeeded;
    setRunning(false);
    accept();
    // A quit waits for the stop it asked for: it goes on from the main loop.
    if (auto then = std::exchange(afterStop_, nullptr); then && cancelRequested_)
        QTimer::singleShot(0, this, then);
}

void TransferDialog::showFailure(const duoband::ExchangeResult&, const QString& message,
                                 std::function<void()> closed) {
    userDialogs().openMessage(this, UserDialogs::MessageKind::Warning, message, std::move(closed));
}

void TransferDialog::stopAfterCurrentFrame() {
    cancelRequested_ = true;
    host_.radio().requestStop();
}

void TransferDialog::setRunning(bool running) {
    running_ = running;
    host_.exchangeRunning(running);
    startButton_->setEnabled(!running);
    for (QCheckBox* box : findChildren<QCheckBox*>()) box->setEnabled(!running);
}

// The window's close box does not end the dialog mid-exchange.
void TransferDialog::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

// Escape and Cancel: closing before the exchange, stopping it during.
void TransferDialog::reject() {
    if (running_) {
        requestCancel();
    } else {
        QDialog::reject();
    }
}

void TransferDialog::requestCancel() {
    if (running_ && !cancelRequested_) askToStop();
}

void TransferDialog::stopThen(std::function<void()> then) {
    if (!running_) return;
    afterStop_ = std::move(then);
    if (!cancelRequested_) askToStop();
}

ReadDialog::ReadDialog(JobHost& host, QWidget* parent) : TransferDialog(tr("Read"), host, parent) {
    setObjectName("readDialog");
}

// The read runs through the radio job every front end shares; a complete one
// is kept as a "read" backup. It fills a configuration of its own, taken
// over here once the job has ended.
TransferDialog::DialogJob ReadDialog::job(duoband::JobOutput&, QString&) {
    keepWhatArrived_ = false;
    arrival_ = std::make_shared<Arrival>();
    // A read for a comparison is recorded as duoband-cli's diff with a radio.
    return [arrival = arrival_, options = host().jobOptions(), &host = host(),
            kind = comparing_ ? "diff" : "read",
            file = comparing_ ? host().configurationFile() : std::string()](
               duoband::ProgrammingExchange& exchange, const std::string& port,
               duoband::JobOutput& output) {
        const duoband::JobReport report = duoband::readRadio(exchange, port, arrival->arrived,
                                                             arrival->received, options, output);
        duoband::JobRecord job = duoband::jobRecordOf(kind, report);
        job.configuration = file;
        if (report.ok()) job.before = job.after = duoband::numbersIn(arrival->received);
        host.recordJob(std::move(job));
        return report;
    };
}

void ReadDialog::ended(const duoband::JobReport& report) {
    received_ = std::move(arrival_->received);
    arrived_ = std::move(arrival_->arrived);
    arrival_.reset();
    canKeep_ = report.progress > 0 && !host().radio().abandoned();
}

void ReadDialog::setForComparison(bool comparing) {
    comparing_ = comparing;
    setWindowTitle(comparing ? tr("Compare With Radio") : tr("Read"));
    startButton_->setText(comparing ? tr("Compare") : tr("Read"));
}

void ReadDialog::showEvent(QShowEvent* event) {
    TransferDialog::showEvent(event);
    if (!event->spontaneous()) keepWhatArrived_ = false;
}

// Nothing of the read reached the editor's configuration; the steps that
// arrived may still be worth keeping (a radio that went silent near the end).
void ReadDialog::showFailure(const duoband::ExchangeResult& result, const QString& message,
                             std::function<void()> closed) {
    QString text = result.outcome == duoband::ExchangeOutcome::Cancelled
                       ? tr("Read cancelled: nothing was changed")
                       : message + "\n" + tr("Nothing was changed.");
    if (!canKeep_ || comparing_) {
        userDialogs().openMessage(this, UserDialogs::MessageKind::Warning, text, std::move(closed));
        return;
    }
    text += "\n\n" + tr("%1 of %2 steps arrived. Keep What Arrived puts them on the start-up "
                        "configuration as a new, untitled configuration.")
                         .arg(result.progress)
                         .arg(duoband::kTransferSteps);
    const QPointer<ReadDialog> alive(this);
    userDialogs().openWarningWithOffer(this, text, tr("Keep What Arrived"),
                                       [alive, closed](bool kept) {
                                           if (alive) alive->keepWhatArrived_ = kept;
                                           closed();
                                       });
}

WriteDialog::WriteDialog(JobHost& host, const duoband::EditorModel& configuration, QWidget* parent)
    : TransferDialog(tr("Write"), host, parent), configuration_(configuration) {
    setObjectName("writeDialog");
    backupFirstBox_ =
        addOption(tr("Read the radio first and keep what it held"), "backupFirstBox", true);
    verifyBox_ = addOption(tr("Verify after writing"), "verifyBox", false);
}

// A stop mid-write leaves the radio half written: it is asked first, and the
// write goes on while the question is open, so the radio does not time out.
// Before and after the write a stop changes nothing on the radio.
void WriteDialog::askToStop() {
    if (state_ != duoband::JobState::Writing) return stopAfterCurrentFrame();
    if (stopQuestion_ != nullptr) return;
    stopQuestion_ = userDialogs().openQuestion(
        this, tr("Stop writing? The radio will hold a mix of old and new settings."));
    connect(stopQuestion_, &QMessageBox::finished, this, [this] {
        if (stopQuestion_->standardButton(stopQuestion_->clickedButton()) == QMessageBox::Yes) {
            stopAfterCurrentFrame();
        } else {
            dropAfterStop();
        }
        closeStopQuestion();
    });
}

// Answered, or the write ended before an answer came.
void WriteDialog::closeStopQuestion() {
    if (stopQuestion_ == nullptr) return;
    stopQuestion_->disconnect(this);
    stopQuestion_->hide();
    stopQuestion_->deleteLater();
    stopQuestion_ = nullptr;
}

void WriteDialog::enter(duoband::JobState state) {
    state_ = state;
    const char* shown = nullptr;
    switch (state) {
        case duoband::JobState::ReadingFirst:
            shown = QT_TR_NOOP("Reading what the radio holds: %v of %m");
            break;
        case duoband::JobState::Writing:
            shown = QT_TR_NOOP("Writing: %v of %m");
            break;
        case duoband::JobState::Verifying:
            shown = QT_TR_NOOP("Verifying: %v of %m");
            break;
        default:
            break;
    }
    // Past the write a stop changes nothing on the radio: no question, and a
    // quit that waited for its answer does not happen.
    if (state != duoband::JobState::Writing && stopQuestion_ != nullptr) {
        dropAfterStop();
        closeStopQuestion();
    }
    if (shown == nullptr) return;
    progressBar_->setFormat(tr(shown));
    progressBar_->setValue(0);
}

// The write runs through the radio job every front end shares: read first
// and keep what the radio held, keep the image sent (relabelled when the
// write does not complete), write, verify; a stop says what the radio holds.
TransferDialog::DialogJob WriteDialog::job(duoband::JobOutput& output, QString& refusal) {
    const duoband::ImageEncoding encoding = duoband::encodeImage(configuration_);
    if (!encoding.ok()) {
        refusal = pages::fromCoreText(encoding.error);
        return nullptr;
    }
    duoband::JobOptions options = host().jobOptions();
    options.backupFirst = backupFirstBox_->isChecked();
    options.verify = verifyBox_->isChecked();
    output.state = [this](duoband::JobState state) { enter(state); };
    // Asked from the job's thread: the box does not wait, the job does.
    output.writeAfterFailedFirstRead = host().radio().askedOn(
        this, [this](const duoband::ExchangeResult& read, std::function<void(bool)> answer) {
            userDialogs().openQuestionNoByDefault(
                this,
                tr("Reading the radio first failed: %1\nWrite all the same?")
                    .arg(pages::fromCoreText(read.message)),
                std::move(answer));
        });
    const duoband::WriteInput sent{duoband::imageOf(encoding), duoband::Compared::HeldBytes, {}};
    return [sent, options, &host = host(), file = host().configurationFile()](
               duoband::ProgrammingExchange& exchange, const std::string& port,
               duoband::JobOutput& jobOutput) {
        const duoband::JobReport report =
            duoband::writeRadio(exchange, port, sent, options, jobOutput);
        duoband::JobRecord job = duoband::jobRecordOf("write", report);
        job.after = duoband::numbersIn(sent.image);
        job.configuration = file;
        job.configurationSha256 = duoband::imageSha256(sent.image);
        host.recordJob(std::move(job));
        return report;
    };
}
