// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// duoband: start-up. Creates the six windows in order and shows only the
// login window; --demo puts a simulated radio on the port list.
#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <QTimer>
#include <new>
#include <string_view>

#include "app_settings.h"
#include "application.h"
#include "channel_sheet.h"
#include "duoband/backups.h"
#include "login_window.h"
#include "main_window.h"
#include "program_end.h"
#include "user_dialogs.h"
#include "window_language.h"
#include "window_recorder.h"

namespace {

// Running out of memory in any handler (a huge file, a flood of data) ends
// that handler with a message instead of aborting the program.
class Application : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::bad_alloc&) {
            userDialogs().error(nullptr, QCoreApplication::translate(
                                             "duoband",
                                             "Out of memory: the last command was not completed. "
                                             "Save your work and close other programs."));
            return false;
        }
    }
};

// --help and --version answer before the window toolkit starts, so that
// they work without a display (the man page is made from them). Anything
// else waits for QApplication, which takes out its own options first.
std::optional<int> answerWithoutWindow(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QString error;
    QString help;
    if (parseStartOptions(arguments, error, help) || !error.isEmpty()) return std::nullopt;
    // Without an application object the parser cannot know the program's name.
    QTextStream(stdout) << help.replace("<executable_name>", QApplication::applicationName());
    return 0;
}

// --export-pdf: the company name comes from the data folder, as the
// window's caption does.
int exportChannelSheet(const StartOptions& options) {
    QString company;
    readFirstLine(DataFolder::locate(options.dataDir).companyPath(), company);
    const QString error = ChannelSheet::exportFile(options.sheetFrom, options.sheetTo, company);
    if (error.isEmpty()) return 0;
    QTextStream(stderr) << "duoband: " << error << "\n";
    return 2;
}

// Whether the window toolkit would find no display and abort: no X or
// Wayland display, and no other platform chosen (by QT_QPA_PLATFORM, or
// Qt's own -platform or -display).
bool withoutDisplay(int argc, char** argv) {
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return false;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a(argv[i]);
        if (a == "-platform" || a == "--platform" || a == "-display" || a == "--display")
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication::setApplicationName("duoband");
    // Wayland matches the window to its desktop entry by this name.
    QGuiApplication::setDesktopFileName("org.duoband.Duoband");
    if (const auto status = answerWithoutWindow(argc, argv)) return *status;
    // A sheet needs no display: unless a platform is chosen, none is used.
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]).starts_with("--export-pdf") &&
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }
    if (withoutDisplay(argc, argv)) {
        QTextStream(stderr)
            << "duoband: no display: start duoband from a desktop session, or use duoband-cli\n";
        return 2;
    }
    Application app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // the windows end the program themselves
    appSettings::useUserConfigFolder();

    QString error;
    QString help;
    const auto options = parseStartOptions(QApplication::arguments(), error, help);
    if (!options) {
        QTextStream(error.isEmpty() ? stdout : stderr) << (error.isEmpty() ? help : error + "\n");
        return error.isEmpty() ? 0 : 2;
    }
    quitOnTerminationSignals();
    if (!installWindowLanguage(options->language) && !options->language.isEmpty()) {
        QTextStream(stderr) << "duoband: no translation for " << options->language
                            << "; the window stays in English.\n";
    }
    // The sheet is in the window's language.
    if (!options->sheetFrom.isEmpty()) return exportChannelSheet(*options);

    PortOptions ports{options->ports, true};
    DemoRadio demo;
    if (options->demo) {
        const std::string port = demo.start(error);
        if (!port.empty()) ports.asked.insert(ports.asked.begin(), port);
    }
    Windows windows(DataFolder::locate(options->dataDir), std::move(ports));
    // Backups go to backups/ in the data folder, or in --data-dir DIR, and
    // the register and its spool beside them.
    const std::filesystem::path dataFolder =
        options->dataDir.isEmpty()
            ? duoband::locateDataFolder()
            : std::filesystem::path(QFile::encodeName(options->dataDir).toStdString());
    windows.mainWindow->setBackupFolder(duoband::backupFolder(dataFolder));
    windows.mainWindow->recorder().setDataFolder(dataFolder);
    windows.openAfterLogin(options->fileToOpen);
    windows.loginWindow->show();
    if (!error.isEmpty()) {
        QTextStream(stderr) << error << "\n";
        QTimer::singleShot(0, windows.loginWindow.get(),
                           [error] { userDialogs().error(nullptr, error); });
    }
    return runUntilEnd();
}
