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
#include "duoband/radio_jobs.h"
#include "main_window.h"
#include "pages/page_widgets.h"
#include "qt_message_pump.h"
#include "user_dialogs.h"

TransferDialog::TransferDialog(const QString& caption, MainWindow& editor, QWidget* parent)
    : QDialog(parent), editor_(editor), caption_(caption) {
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

void TransferDialog::startTransfer() {
    if (running_) return;
    setRunning(true);
    cancelRequested_ = false;
    duoband::ProgrammingExchange& exchange = editor_.exchange();
    exchange.setFastLink(fastBox_->isChecked());
    exchange.stopRequested = [this] { return cancelRequested_; };
    auto result = run(editor_, [this](int steps) { progressBar_->setValue(steps); });
    exchange.stopRequested = nullptr;
    if (result.message == duoband::kCancelled) {
        result.message = tr("%1 cancelled").arg(caption_).toStdString();
    }
    succeeded_ = result.outcome == duoband::ExchangeOutcome::Success;
    QString message = pages::fromCoreText(result.message);
    if (!result.detail.empty()) message += "\n" + pages::fromCoreDetail(result.detail, result.why);
    if (result.outcome == duoband::ExchangeOutcome::Invalid) {
        userDialogs().error(this, message);
    } else if (succeeded_) {
        userDialogs().information(this, message);
    } else {
        showFailure(result, message);
    }
    setRunning(false);
    accept();
    // A quit waits for the stop it asked for: it goes on from the main loop.
    if (auto then = std::exchange(afterStop_, nullptr); then && cancelRequested_)
        QTimer::singleShot(0, this, then);
}

void TransferDialog::showFailure(const duoband::ExchangeResult&, const QString& message) {
    userDialogs().warning(this, message);
}

void TransferDialog::setRunning(bool running) {
    running_ = running;
    editor_.exchangeRunning(running);
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

ReadDialog::ReadDialog(MainWindow& editor, QWidget* parent)
    : TransferDialog(tr("Read"), editor, parent) {
    setObjectName("readDialog");
}

// The read runs through the radio job every front end shares; a complete one
// is kept as a "read" backup.
duoband::ExchangeResult ReadDialog::run(MainWindow& editor,
                                        const duoband::ProgrammingExchange::Progress& progress) {
    received_ = duoband::RadioImage();
    arrived_ = duoband::EditorModel();
    keepWhatArrived_ = false;
    duoband::JobOutput output = editor.jobOutput();
    output.progress = progress;
    const duoband::JobReport read =
        duoband::readRadio(editor.exchange(), editor.serialPort().path(), arrived_, received_,
                           editor.jobOptions(), output);
    canKeep_ = read.progress > 0 && !editor.pump().abandoned();
    return duoband::asExchangeResult(read);
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
void ReadDialog::showFailure(const duoband::ExchangeResult& result, const QString& message) {
    QString text = result.outcome == duoband::ExchangeOutcome::Cancelled
                       ? tr("Read cancelled: nothing was changed")
                       : message + "\n" + tr("Nothing was changed.");
    if (!canKeep_ || comparing_) {
        userDialogs().warning(this, text);
        return;
    }
    text += "\n\n" + tr("%1 of %2 steps arrived. Keep What Arrived puts them on the start-up "
                        "configuration as a new, untitled configuration.")
                         .arg(result.progress)
                         .arg(duoband::kTransferSteps);
    keepWhatArrived_ = userDialogs().warningWithOffer(this, text, tr("Keep What Arrived"));
}

WriteDialog::WriteDialog(MainWindow& editor, QWidget* parent)
    : TransferDialog(tr("Write"), editor, parent) {
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
duoband::ExchangeResult WriteDialog::run(MainWindow& editor,
                                         const duoband::ProgrammingExchange::Progress& progress) {
    const duoband::ImageEncoding encoding = duoband::encodeImage(editor.model());
    if (!encoding.ok()) return {duoband::ExchangeOutcome::Invalid, encoding.error, 0};
    duoband::JobOptions options = editor.jobOptions();
    options.backupFirst = backupFirstBox_->isChecked();
    options.verify = verifyBox_->isChecked();
    duoband::JobOutput output = editor.jobOutput();
    output.progress = progress;
    output.state = [this](duoband::JobState state) { enter(state); };
    output.writeAfterFailedFirstRead = [this](const duoband::ExchangeResult& read) {
        return userDialogs().confirmNoByDefault(
            this, tr("Reading the radio first failed: %1\nWrite all the same?")
                      .arg(pages::fromCoreText(read.message)));
    };
    const duoband::WriteInput sent{duoband::imageOf(encoding), duoband::Compared::HeldBytes, {}};
    return duoband::asExchangeResult(
        duoband::writeRadio(editor.exchange(), editor.serialPort().path(), sent, options, output));
}
