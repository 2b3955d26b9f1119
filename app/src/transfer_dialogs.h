// TForm5 "Read" and TForm6 "Write": the modal dialogs that run the full read
// and the full write with their progress (0..136). While an exchange runs
// both buttons are disabled and the dialog cannot be closed, so no second
// exchange can start; the result message follows, then the dialog closes.
#pragma once

#include <QDialog>

#include "duoband/exchange.h"

class QProgressBar;
class QPushButton;
class TForm2;

class TransferDialog : public QDialog {
    Q_OBJECT

  public:
    QProgressBar* ProgressBar1;
    QPushButton* Button1;  // "Read" / "Write"
    QPushButton* Button2;  // "Cancel"

    void Button1Click();
    bool running() const { return running_; }

  protected:
    TransferDialog(const QString& caption, TForm2& editor, QWidget* parent);
    // The exchange itself, reporting the steps done through `progress`.
    virtual duoband::ExchangeResult run(TForm2& editor,
                                        const duoband::ProgrammingExchange::Progress& progress) = 0;

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void setRunning(bool running);

    TForm2& editor_;
    bool running_ = false;
};

class TForm5 final : public TransferDialog {
    Q_OBJECT

  public:
    explicit TForm5(TForm2& editor, QWidget* parent = nullptr);

  protected:
    duoband::ExchangeResult run(TForm2& editor,
                                const duoband::ProgrammingExchange::Progress& progress) override;
};

class TForm6 final : public TransferDialog {
    Q_OBJECT

  public:
    explicit TForm6(TForm2& editor, QWidget* parent = nullptr);

  protected:
    duoband::ExchangeResult run(TForm2& editor,
                                const duoband::ProgrammingExchange::Progress& progress) override;
};
