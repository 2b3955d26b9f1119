// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Program start-up: the command line, the demo radio and the six windows,
// created in their fixed order with only the login window shown.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data_folder.h"
#include "main_window.h"

class AboutDialog;
class LoginWindow;
class PasswordDialog;
class CompanyNameDialog;
class ReadDialog;
class WriteDialog;

namespace duoband::sim {
class SimProcess;
}

struct StartOptions {
    std::vector<std::string> ports;  // --port, in the order given
    QString dataDir;                 // --data-dir
    bool demo = false;               // --demo
    QString language;                // --lang; empty: the system's
    QString fileToOpen;              // FILE, absolute; opened after the login
    // --export-pdf FILE OUT.pdf: the channel sheet of FILE, without a window.
    QString sheetFrom, sheetTo;
};

// Parses the program's arguments (argv[0] first). On a usage error: nullopt
// and `error` says what; `--help` and `--version` give nullopt and their
// text in `help`.
std::optional<StartOptions> parseStartOptions(const QStringList& arguments, QString& error,
                                              QString& help);

// The simulated radio of --demo, a child process that ends with the program.
class DemoRadio {
  public:
    DemoRadio();
    ~DemoRadio();
    // Starts duoband-radio-sim found beside the program with the sample
    // configuration at the real line speed; its port, or empty and `error`.
    std::string start(QString& error);

  private:
    std::unique_ptr<duoband::sim::SimProcess> process_;
};

// The six windows, in creation order. The four dialogs are children of the
// editor and go with it.
struct Windows {
    Windows(const DataFolder& data, PortOptions ports);
    ~Windows();

    // Opens `file` as File > Open would once the user has logged in.
    void openAfterLogin(const QString& file);

    std::unique_ptr<LoginWindow> loginWindow;
    std::unique_ptr<MainWindow> mainWindow;
    PasswordDialog* passwordDialog;
    CompanyNameDialog* companyNameDialog;
    ReadDialog* readDialog;
    WriteDialog* writeDialog;
    AboutDialog* aboutDialog;  // Help > About, made after the six
};

// SIGINT and SIGTERM end the program as "Quit" does, so a running exchange
// stops cleanly and the demo radio is ended.
void quitOnTerminationSignals();
