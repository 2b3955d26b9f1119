// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the README's picture of the main window: starts the simulated radio
// with its sample configuration, reads it as the Read command does, and
// saves the window to the PNG file named on the command line; a second name
// gets the login window. With --every DIR it saves every window instead, for
// a review of the layout: the login window, each of the seven pages (the
// channel grids with an entry and a list open), the Read dialog part-way and
// the Write, Note and Amend Password dialogs. Run it under a display
// (xvfb-run works).
#include <QAbstractItemView>
#include <QApplication>
#include <QTabWidget>
#include <QTimer>
#include <functional>

#include "application.h"
#include "duoband/radio_sim_process.h"
#include "login_window.h"
#include "small_dialogs.h"
#include "transfer_dialogs.h"
#include "user_dialogs.h"

namespace {

// Nobody is there to answer: messages go to stderr.
class QuietDialogs final : public UserDialogs {
  public:
    void information(QWidget*, const QString& text) override { qInfo("%s", qPrintable(text)); }
    void warning(QWidget*, const QString& text) override { qWarning("%s", qPrintable(text)); }
    void error(QWidget*, const QString& text) override { qWarning("%s", qPrintable(text)); }
    bool confirm(QWidget*, const QString&) override { return false; }
    SaveAnswer askToSave(QWidget*, const QString&) override { return SaveAnswer::Discard; }
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }
};

bool save(QWidget* widget, const QString& path) {
    QApplication::processEvents();
    const bool saved = widget->grab().save(path);
    if (!saved) qWarning("cannot save %s", qPrintable(path));
    return saved;
}

// Selects cell (col, row) of the grid on `page` as a click would.
void selectCell(MainWindow& editor, int page, int col, int row) {
    editor.pageTabs()->setCurrentIndex(page);
    auto* grid = editor.pageTabs()->currentWidget()->findChild<QAbstractItemView*>();
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(row - 1, col));
}

// Every page of the editor, then the dialogs; the Read dialog is grabbed
// while its read runs.
bool saveEvery(Windows& windows, const QString& dir) {
    MainWindow& editor = *windows.mainWindow;
    bool ok = true;
    for (int page = 0; page < editor.pageTabs()->count(); ++page) {
        editor.pageTabs()->setCurrentIndex(page);
        ok = save(&editor, QString("%1/page-%2.png").arg(dir).arg(page)) && ok;
    }
    selectCell(editor, 0, 1, 3);
    ok = save(&editor, dir + "/grid-entry.png") && ok;
    selectCell(editor, 2, 2, 1);
    ok = save(&editor, dir + "/grid-choice.png") && ok;
    for (auto [dialog, name] :
         {std::pair<QDialog*, const char*>{windows.passwordDialog, "password-dialog"},
          {windows.companyNameDialog, "company-name-dialog"},
          {windows.writeDialog, "write-dialog"}}) {
        dialog->show();
        ok = save(dialog, QString("%1/%2.png").arg(dir, name)) && ok;
        dialog->hide();
    }
    windows.readDialog->show();
    QTimer::singleShot(1500, windows.readDialog, [&] {
        ok = save(windows.readDialog, dir + "/read-dialog-reading.png") && ok;
    });
    windows.readDialog->startTransfer();
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool every = argc == 3 && QString(argv[1]) == "--every";
    if (argc != 2 && argc != 3) {
        qWarning("usage: duoband_screenshot MAIN.png [LOGIN.png] | --every DIR");
        return 2;
    }
    QuietDialogs quiet;
    installUserDialogs(&quiet);
    duoband::sim::SimProcess radio;
    if (!radio.start((QCoreApplication::applicationDirPath() + "/duoband-radio-sim").toStdString(),
                     {"--sample"})) {
        qWarning("%s", radio.error().c_str());
        return 1;
    }
    Windows windows(DataFolder::locate({}), PortOptions{{radio.port()}, false});
    const QString loginPath =
        every ? QString::fromLocal8Bit(argv[2]) + "/login.png" : QString::fromLocal8Bit(argv[2]);
    if (argc == 3) {
        windows.loginWindow->show();
        windows.loginWindow->grab().save(loginPath);
        windows.loginWindow->hide();
    }
    MainWindow& editor = *windows.mainWindow;
    editor.serialPort().setReadIntervalMs(0);
    editor.setWindowTitle("Quorral Radio Works");
    editor.show();
    int status = 1;
    QTimer::singleShot(0, [&] {
        const auto result = editor.exchange().fullRead(editor.model());
        editor.showModel();
        QTimer::singleShot(300, [&, ok = result.ok()] {
            if (every) {
                status = ok && saveEvery(windows, QString::fromLocal8Bit(argv[2])) ? 0 : 1;
            } else {
                status = ok && editor.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
            }
            QCoreApplication::exit(status);
        });
    });
    QApplication::exec();
    return status;
}
