// TForm2: the editor. It holds the working configuration for the whole run
// (the editor model shown by the seven pages), owns the serial port,
// and offers every command through its menus and tool bar.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "duoband/editor_model.h"
#include "duoband/exchange.h"
#include "duoband/serial_port.h"
#include "pages/page_host.h"

class QAction;
class QComboBox;
class QDialog;
class QLabel;
class QMenu;
class QSocketNotifier;
class QTabWidget;
class QToolBar;
class QtMessagePump;

// Which serial ports the editor lists.
struct PortOptions {
    std::vector<std::string> asked;  // --port: added; the first is opened at start
    bool listMachinePorts = true;    // the ports the kernel lists
};

// One page of PageControl1 and the two things the window asks of it.
struct EditorPage {
    QWidget* widget = nullptr;
    std::function<void()> showModel;          // show the model, no edit handler runs
    std::function<void()> commitPendingEdit;  // take over a focused edit's text
};

class TForm2 : public QMainWindow, public PageHost {
    Q_OBJECT

  public:
    explicit TForm2(PortOptions ports, QWidget* parent = nullptr);
    ~TForm2() override;

    // The dialogs created after the editor: Amend Password, Note, Read, Write.
    void setDialogs(QDialog* form3, QDialog* form4, QDialog* form5, QDialog* form6);

    duoband::EditorModel& model() { return model_; }
    duoband::SerialPort& serialPort() { return comm_; }
    // Every exchange with the radio runs through this one object, which
    // refuses a second exchange while one runs.
    duoband::ProgrammingExchange& exchange() override { return *exchange_; }
    // Panel 0 shows the caption followed by the selected port.
    bool portShownOpen() const override;
    // While any exchange runs (a Read or Write dialog, a page's own button)
    // the commands that change the model, the port or the files, and every
    // page, are disabled; Quit and the tab choice stay.
    void exchangeRunning(bool running) override;
    QtMessagePump& pump() { return *pump_; }

    QString statusPanelText(int panel) const;
    QString statusPanelToolTip() const;

    // Shows the model again on every page (after Read, Open and New).
    void showModel();
    // Takes over the text of an edit that still has the focus.
    void commitPendingEdits();

    // Commands (menu items; the tool bar buttons run the same handlers).
    void N1Click();   // New
    void N2Click();   // Open
    void N3Click();   // Save
    void N6Click();   // Read
    void N7Click();   // Write
    void N9Click();   // A/Upper Band Channel
    void N11Click();  // B/Under Band Channel
    void N13Click();  // Note
    void N14Click();  // Amend Password
    void N15Click();  // Quit(Q), and Quit
    void ComboBox1Click();

    QMenuBar* MainMenu1;
    QToolBar* ToolBar1;
    QLabel* Label1;  // "COM Port:"
    QComboBox* ComboBox1;
    QTabWidget* PageControl1;
    QStatusBar* StatusBar1;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildCommands();
    void buildPages();
    void buildStatusBar();
    void connectComm();
    void buildPortChoice(const PortOptions& ports);
    void openSelectedPort();
    void setPortPanel(const QString& text, const QString& why);
    void showModal(QDialog* dialog);

    duoband::EditorModel model_;
    duoband::SerialPort comm_;
    std::unique_ptr<QSocketNotifier> commNotifier_;
    std::unique_ptr<QtMessagePump> pump_;
    std::unique_ptr<duoband::ProgrammingExchange> exchange_;
    std::vector<EditorPage> pages_;
    QLabel* panels_[2] = {nullptr, nullptr};
    QDialog* form3_ = nullptr;
    QDialog* form4_ = nullptr;
    QDialog* form5_ = nullptr;
    QDialog* form6_ = nullptr;
    std::vector<QAction*> idleOnly_;  // actions disabled while an exchange runs
    int exchangesRunning_ = 0;
};
