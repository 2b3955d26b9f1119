#include "transfer_dialogs.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app_settings.h"
#include "duoband/write_verify.h"
#include "main_window.h"
#include "pages/page_widgets.h"
#include "qt_message_pump.h"
#include "user_dialogs.h"

TransferDialog::TransferDialog(const QString& caption, MainWindow& editor, QWidget* parent)
    : QDialog(parent), editor_(editor), caption_(caption) {
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    progressBar = new QProgressBar;
    progressBar->setRange(0, duoband::kTransferSteps);
    progressBar->setMinimumWidth(320);
    startButton = new QPushButton(caption);
    cancelButton = new QPushButton(tr("Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(startButton);
    buttons->addWidget(cancelButton);
    auto* column = new QVBoxLayout(this);
    options_ = new QVBoxLayout;
    column->addLayout(options_);
    column->addWidget(progressBar);
    column->addLayout(buttons);
    fastBox = addOption(tr("Fast transfer"), "fastBox", false);
    connect(startButton, &QPushButton::clicked, this, &TransferDialog::startTransfer);
    connect(cancelButton, &QPushButton::clicked, this, &TransferDialog::reject);
}

// Every showing starts from an empty progress bar.
void TransferDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        progressBar->setValue(0);
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
    setFixedSize(sizeHint());
    return box;
}

void TransferDialog::startTransfer() {
    if (running_) return;
    setRunning(true);
    cancelRequested_ = false;
    duoband::ProgrammingExchange& exchange = editor_.exchange();
    exchange.setFastLink(fastBox->isChecked());
    exchange.stopRequested = [this] { return cancelRequested_; };
    auto result = run(editor_, [this](int steps) { progressBar->setValue(steps); });
    exchange.stopRequested = nullptr;
    if (result.outcome == duoband::ExchangeOutcome::Cancelled) {
        result.message = tr("%1 cancelled").arg(caption_).toStdString();
    }
    succeeded_ = result.outcome == duoband::ExchangeOutcome::Success;
    QString message = pages::fromCoreText(result.message);
    if (!result.detail.empty()) message += "\n" + QString::fromStdString(result.detail);
    if (result.outcome == duoband::ExchangeOutcome::Invalid) {
        userDialogs().error(this, message);
    } else if (succeeded_) {
        userDialogs().information(this, message);
    } else {
        showFailure(result, message);
    }
    setRunning(false);
    accept();
}

void TransferDialog::showFailure(const duoband::ExchangeResult&, const QString& message) {
    userDialogs().warning(this, message);
}

void TransferDialog::setRunning(bool running) {
    running_ = running;
    editor_.exchangeRunning(running);
    startButton->setEnabled(!running);
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
    if (running_ && !cancelRequested_ && confirmCancel()) cancelRequested_ = true;
}

bool WriteDialog::confirmCancel() {
    return userDialogs().confirm(
        this, tr("Stop writing? The radio will hold a mix of old and new settings."));
}

ReadDialog::ReadDialog(MainWindow& editor, QWidget* parent)
    : TransferDialog(tr("Read"), editor, parent) {
    setObjectName("readDialog");
}

duoband::ExchangeResult ReadDialog::run(MainWindow& editor,
                                        const duoband::ProgrammingExchange::Progress& progress) {
    received_ = duoband::RadioImage();
    arrived_ = duoband::EditorModel();
    keepWhatArrived_ = false;
    const duoband::ExchangeResult read = editor.exchange().fullRead(arrived_, progress, &received_);
    canKeep_ = read.progress > 0 && !editor.pump().abandoned();
    return read;
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
    if (!canKeep_) {
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
    backupFirstBox =
        addOption(tr("Read the radio first and keep what it held"), "backupFirstBox", true);
    verifyBox = addOption(tr("Verify after writing"), "verifyBox", false);
}

duoband::ExchangeResult WriteDialog::run(MainWindow& editor,
                                         const duoband::ProgrammingExchange::Progress& progress) {
    if (backupFirstBox->isChecked() && !backUpFirst(editor)) {
        return {duoband::ExchangeOutcome::Cancelled, tr("Write cancelled").toStdString(), 0};
    }
    // Every write keeps the image it sends, before sending it.
    const duoband::ImageEncoding sent = duoband::encodeImage(editor.model());
    if (sent.ok()) editor.keepBackup(duoband::BackupKind::Written, duoband::imageOf(sent));
    duoband::ExchangeResult written = editor.exchange().fullWrite(editor.model(), progress);
    if (written.ok() && verifyBox->isChecked()) verify(editor, written, progress);
    return written;
}

bool WriteDialog::backUpFirst(MainWindow& editor) {
    duoband::EditorModel scratch;
    duoband::RadioImage held;
    const duoband::ExchangeResult read = editor.exchange().fullRead(scratch, {}, &held);
    if (read.ok()) {
        editor.keepBackup(duoband::BackupKind::BeforeWrite, held);
        return true;
    }
    return userDialogs().confirm(this, tr("Reading the radio first failed: %1\nWrite all the same?")
                                           .arg(pages::fromCoreText(read.message)));
}

// A clean verify adds "Verify success!"; a difference makes the write fail
// with the differences named.
void WriteDialog::verify(MainWindow& editor, duoband::ExchangeResult& written,
                         const duoband::ProgrammingExchange::Progress& progress) {
    progressBar->setValue(0);
    const duoband::VerifyResult checked = duoband::verifyWrite(
        editor.exchange(), duoband::imageOf(duoband::encodeImage(editor.model())),
        duoband::Compared::HeldBytes, progress);
    for (const std::string& line : checked.lines()) written.message += "\n" + line;
    if (!checked.ok()) written.outcome = duoband::ExchangeOutcome::RadioFailed;
}
