// Makes the README's picture of the main window: starts the simulated radio
// with its sample configuration, reads it as the Read command does, and
// saves the window to the PNG file named on the command line; a second name
// gets the login window. Run it under a display (xvfb-run works).
#include <QApplication>
#include <QTimer>

#include "application.h"
#include "duoband/radio_sim_process.h"
#include "login_window.h"
#include "user_dialogs.h"

namespace {

// Nobody is there to answer: messages go to stderr.
class QuietDialogs final : public UserDialogs {
  public:
    void information(QWidget*, const QString& text) override { qInfo("%s", qPrintable(text)); }
    void error(QWidget*, const QString& text) override { qWarning("%s", qPrintable(text)); }
    bool confirm(QWidget*, const QString&) override { return false; }
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        qWarning("usage: duoband_screenshot MAIN.png [LOGIN.png]");
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
    if (argc == 3) {
        windows.Form1->show();
        windows.Form1->grab().save(QString::fromLocal8Bit(argv[2]));
        windows.Form1->hide();
    }
    TForm2& editor = *windows.Form2;
    editor.Comm1().SetReadIntervalTimeout(0);
    editor.setWindowTitle("Quorral Radio Works");
    editor.resize(1180, 640);
    editor.show();
    int status = 1;
    QTimer::singleShot(0, [&] {
        const auto result = editor.exchange().fullRead(editor.model());
        editor.showModel();
        QTimer::singleShot(300, [&, ok = result.ok()] {
            status = ok && editor.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
            QCoreApplication::exit(status);
        });
    });
    QApplication::exec();
    return status;
}
