// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// duoband started where there is no display: the window is refused with a
// message and status 2, while help, version and a channel sheet still work.
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "duoband/radio_sim_sample.h"
#include "duoband/settings_file.h"

namespace {

struct Finished {
    int status = -1;
    QString out, err;
};

Finished runWithoutDisplay(const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    QProcess duoband;
    duoband.setProcessEnvironment(environment);
    duoband.start(QString(DUOBAND_BIN_DIR) + "/duoband", arguments);
    if (!duoband.waitForFinished(60000) || duoband.exitStatus() != QProcess::NormalExit) return {};
    return {duoband.exitCode(), QString::fromUtf8(duoband.readAllStandardOutput()),
            QString::fromUtf8(duoband.readAllStandardError())};
}

}  // namespace

class StartWithoutDisplayTest : public QObject {
    Q_OBJECT

  private slots:
    void theWindowIsRefusedWithAMessage() {
        QTemporaryDir data;
        const Finished window = runWithoutDisplay({"--data-dir", data.path()});
        QCOMPARE(window.status, 2);
        QCOMPARE(window.err,
                 "duoband: no display: start duoband from a desktop session, or use "
                 "duoband-cli\n");
    }

    void helpVersionAndTheSheetNeedNoDisplay() {
        QTemporaryDir data;
        const QString plan = data.filePath("plan.bc"), sheet = data.filePath("plan.pdf");
        QVERIFY(duoband::saveSettingsFile(duoband::sim::sampleModel(), plan.toStdString()).ok());
        const Finished help = runWithoutDisplay({"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY2(help.out.contains("--export-pdf"), qPrintable(help.out));
        const Finished version = runWithoutDisplay({"--version"});
        QCOMPARE(version.status, 0);
        QVERIFY2(version.out.startsWith("duoband "), qPrintable(version.out));
        const Finished sheetRun =
            runWithoutDisplay({"--data-dir", data.path(), "--export-pdf", plan, sheet});
        QCOMPARE(sheetRun.status, 0);
        QVERIFY(QFileInfo(sheet).size() > 0);
    }
};

QTEST_GUILESS_MAIN(StartWithoutDisplayTest)
#include "start_without_display_test.moc"
