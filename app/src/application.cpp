// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QSocketNotifier>
#include <csignal>

#include "about_dialog.h"
#include "duoband/radio_sim_process.h"
#include "duoband/version.h"
#include "login_window.h"
#include "program_end.h"
#include "small_dialogs.h"
#include "transfer_dialogs.h"

std::optional<StartOptions> parseStartOptions(const QStringList& arguments, QString& error,
                                              QString& help) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Programs a dual-band handheld radio over a serial port.");
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption port(
        "port", "Adds PATH to the port list; the first one given is opened at start.", "PATH");
    const QCommandLineOption demo(
        "demo", "Starts a simulated radio (duoband-radio-sim --sample --pace) and selects it.");
    const QCommandLineOption dataDir(
        "data-dir", "Keeps the password, company name and background in DIR.", "DIR");
    const QCommandLineOption language(
        "lang", "Shows the window in LANG (en, zh_CN); by default in the system's language.",
        "LANG");
    const QCommandLineOption exportPdf(
        "export-pdf",
        "Writes the channel sheet of FILE (a settings file or an image) as the PDF file given "
        "after it, without a window, and ends.",
        "FILE");
    parser.addOptions({port, demo, dataDir, language, exportPdf});
    parser.addPositionalArgument(
        "FILE", "Opens FILE (a settings file .bc or an image .img) after the login.", "[FILE]");
    parser.addPositionalArgument("OUT.pdf", "With --export-pdf: the PDF file it writes.",
                                 "[OUT.pdf]");
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(helpOption)) {
        help = parser.helpText();
        return std::nullopt;
    }
    if (parser.isSet(versionOption)) {
        help = QString::fromStdString(duoband::versionText("duoband")) + "\n";
        return std::nullopt;
    }
    StartOptions options;
    if (parser.isSet(exportPdf)) {
        if (parser.positionalArguments().size() != 1) {
            error = "--export-pdf FILE needs the PDF file to write after it";
            return std::nullopt;
        }
        options.sheetFrom = parser.value(exportPdf);
        options.sheetTo = parser.positionalArguments().front();
    } else if (parser.positionalArguments().size() > 1) {
        error = "Unexpected argument: " + parser.positionalArguments().at(1) +
                " (the window opens one file)";
        return std::nullopt;
    } else if (!parser.positionalArguments().isEmpty()) {
        // The program's folder does not change, but a name relative to it
        // would be lost on the recent-files list.
        options.fileToOpen = QFileInfo(parser.positionalArguments().front()).absoluteFilePath();
    }
    for (const QString& path : parser.values(port)) options.ports.push_back(path.toStdString());
    options.dataDir = parser.value(dataDir);
    options.demo = parser.isSet(demo);
    options.language = parser.value(language);
    return options;
}

DemoRadio::DemoRadio() = default;
DemoRadio::~DemoRadio() = default;

std::string DemoRadio::start(QString& error) {
    process_ = std::make_unique<duoband::sim::SimProcess>();
    const QString program = QCoreApplication::applicationDirPath() + "/duoband-radio-sim";
    if (!process_->start(program.toStdString(), {"--sample", "--pace"})) {
        error = QString("The simulated radio %1 did not start: %2")
                    .arg(program, QString::fromStdString(process_->error()));
        return {};
    }
    return process_->port();
}

Windows::Windows(const DataFolder& data, PortOptions ports) {
    loginWindow = std::make_unique<LoginWindow>(data);
    mainWindow = std::make_unique<MainWindow>(std::move(ports));
    passwordDialog = new PasswordDialog(data, mainWindow.get());
    companyNameDialog = new CompanyNameDialog(data, mainWindow.get(), mainWindow.get());
    readDialog = new ReadDialog(*mainWindow, mainWindow.get());
    writeDialog = new WriteDialog(*mainWindow, mainWindow->model(), mainWindow.get());
    loginWindow->setEditor(mainWindow.get());
    mainWindow->setDialogs(passwordDialog, companyNameDialog, readDialog, writeDialog);
    aboutDialog = new AboutDialog(data, mainWindow.get());
    mainWindow->setAboutDialog(aboutDialog);
}

void Windows::openAfterLogin(const QString& file) {
    if (file.isEmpty()) return;
    QObject::connect(loginWindow.get(), &LoginWindow::loggedIn, mainWindow.get(),
                     [editor = mainWindow.get(), file] { editor->openFileNamed(file); });
}

Windows::~Windows() {
    mainWindow.reset();
    loginWindow.reset();
}

namespace {

int signalPipe[2] = {-1, -1};

extern "C" void onTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] auto written = ::write(signalPipe[1], &byte, 1);
}

}  // namespace

void quitOnTerminationSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char bytes[16];
        [[maybe_unused]] auto taken = ::read(signalPipe[0], bytes, sizeof bytes);
        endProgram();
    });
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}
