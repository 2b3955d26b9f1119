#include "transfer_dialogs.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "main_window.h"
#include "user_dialogs.h"

TransferDialog::TransferDialog(const QString& caption, MainWindow& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    progressBar = new QProgressBar;
    progressBar->setRange(0, duoband::kTransferSteps);
    progressBar->setMinimumWidth(320);
    startButton = new QPushButton(caption);
    cancelButton = new QPushButton("Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(startButton);
    buttons->addWidget(cancelButton);
    auto* column = new QVBoxLayout(this);
    column->addWidget(progressBar);
    column->addLayout(buttons);
    setFixedSize(sizeHint());
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

void TransferDialog::startTransfer() {
    if (running_) return;
    setRunning(true);
    const auto result = run(editor_, [this](int steps) { progressBar->setValue(steps); });
    succeeded_ = result.outcome == duoband::ExchangeOutcome::Success;
    const QString message = QString::fromStdString(result.message);
    if (result.outcome == duoband::ExchangeOutcome::Invalid) {
        userDialogs().error(this, message);
    } else if (succeeded_) {
        userDialogs().information(this, message);
    } else {
        userDialogs().warning(this, message);
    }
    setRunning(false);
    accept();
}

void TransferDialog::setRunning(bool running) {
    running_ = running;
    editor_.exchangeRunning(running);
    startButton->setEnabled(!running);
    cancelButton->setEnabled(!running);
}

// Neither the window's close box nor Escape ends the dialog mid-exchange.
void TransferDialog::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TransferDialog::reject() {
    if (!running_) QDialog::reject();
}

ReadDialog::ReadDialog(MainWindow& editor, QWidget* parent)
    : TransferDialog("Read", editor, parent) {
    setObjectName("readDialog");
}

duoband::ExchangeResult ReadDialog::run(MainWindow& editor,
                                        const duoband::ProgrammingExchange::Progress& progress) {
    received_ = duoband::RadioImage();
    return editor.exchange().fullRead(editor.model(), progress, &received_);
}

WriteDialog::WriteDialog(MainWindow& editor, QWidget* parent)
    : TransferDialog("Write", editor, parent) {
    setObjectName("writeDialog");
}

duoband::ExchangeResult WriteDialog::run(MainWindow& editor,
                                         const duoband::ProgrammingExchange::Progress& progress) {
    return editor.exchange().fullWrite(editor.model(), progress);
}
