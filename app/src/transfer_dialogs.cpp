#include "transfer_dialogs.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "main_window.h"
#include "user_dialogs.h"

TransferDialog::TransferDialog(const QString& caption, TForm2& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    ProgressBar1 = new QProgressBar;
    ProgressBar1->setRange(0, duoband::kTransferSteps);
    ProgressBar1->setMinimumWidth(320);
    Button1 = new QPushButton(caption);
    Button2 = new QPushButton("Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* column = new QVBoxLayout(this);
    column->addWidget(ProgressBar1);
    column->addLayout(buttons);
    setFixedSize(sizeHint());
    connect(Button1, &QPushButton::clicked, this, &TransferDialog::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TransferDialog::reject);
}

// FormShow: every showing starts from an empty progress bar.
void TransferDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) ProgressBar1->setValue(0);
}

void TransferDialog::Button1Click() {
    if (running_) return;
    setRunning(true);
    const auto result = run(editor_, [this](int steps) { ProgressBar1->setValue(steps); });
    const QString message = QString::fromStdString(result.message);
    if (result.outcome == duoband::ExchangeOutcome::Invalid) {
        userDialogs().error(this, message);
    } else {
        userDialogs().information(this, message);
    }
    setRunning(false);
    accept();
}

void TransferDialog::setRunning(bool running) {
    running_ = running;
    editor_.exchangeRunning(running);
    Button1->setEnabled(!running);
    Button2->setEnabled(!running);
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

TForm5::TForm5(TForm2& editor, QWidget* parent) : TransferDialog("Read", editor, parent) {
    setObjectName("Form5");
}

duoband::ExchangeResult TForm5::run(TForm2& editor,
                                    const duoband::ProgrammingExchange::Progress& progress) {
    return editor.exchange().fullRead(editor.model(), progress);
}

TForm6::TForm6(TForm2& editor, QWidget* parent) : TransferDialog("Write", editor, parent) {
    setObjectName("Form6");
}

duoband::ExchangeResult TForm6::run(TForm2& editor,
                                    const duoband::ProgrammingExchange::Progress& progress) {
    return editor.exchange().fullWrite(editor.model(), progress);
}
