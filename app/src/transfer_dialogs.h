// "Read" and "Write": the modal dialogs that run the full read
// and the full write with their progress (0..136). While an exchange runs
// both buttons are disabled and the dialog cannot be closed, so no second
// exchange can start; the result message follows, then the dialog closes.
#pragma once

#include <QDialog>

#include "duoband/exchange.h"
#include "duoband/radio_image.h"

class QProgressBar;
class QPushButton;
class MainWindow;

class TransferDialog : public QDialog {
    Q_OBJECT

  public:
    QProgressBar* progressBar;
    QPushButton* startButton;   // "Read" / "Write"
    QPushButton* cancelButton;  // "Cancel"

    void startTransfer();
    bool running() const { return running_; }
    // The last exchange this dialog ran succeeded.
    bool succeeded() const { return succeeded_; }

  protected:
    TransferDialog(const QString& caption, MainWindow& editor, QWidget* parent);
    // The exchange itself, reporting the steps done through `progress`.
    virtual duoband::ExchangeResult run(MainWindow& editor,
                                        const duoband::ProgrammingExchange::Progress& progress) = 0;

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void setRunning(bool running);

    MainWindow& editor_;
    bool running_ = false;
    bool succeeded_ = false;
};

class ReadDialog final : public TransferDialog {
    Q_OBJECT

  public:
    explicit ReadDialog(MainWindow& editor, QWidget* parent = nullptr);
    // The bytes the last read received, as the radio sent them.
    const duoband::RadioImage& received() const { return received_; }

  protected:
    duoband::ExchangeResult run(MainWindow& editor,
                                const duoband::ProgrammingExchange::Progress& progress) override;

  private:
    duoband::RadioImage received_;
};

class WriteDialog final : public TransferDialog {
    Q_OBJECT

  public:
    explicit WriteDialog(MainWindow& editor, QWidget* parent = nullptr);

  protected:
    duoband::ExchangeResult run(MainWindow& editor,
                                const duoband::ProgrammingExchange::Progress& progress) override;
};
