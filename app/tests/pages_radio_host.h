// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated radio on a pseudo-terminal and a host for the pages with
// the port open on it: the real serial component and the window's radio,
// as the main window has them.
#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "duoband/exchange.h"
#include "duoband/serial_port.h"
#include "pages/page_host.h"
#include "window_radio.h"

inline QByteArray bytesOf(const char* hex) {
    return QByteArray::fromHex(hex);
}

// The simulated radio and a window-like host with the port open on it.
class RadioHost final : public PageHost {
  public:
    ~RadioHost() override {
        radio_.port().close();
        if (sim_.state() != QProcess::NotRunning) {
            sim_.terminate();
            sim_.waitForFinished(3000);
        }
    }

    // Starts the radio with `memory` (written to a file) and `args`.
    bool start(const QByteArray& memory, const QStringList& args) {
        QFile file(dir_.filePath("memory.bin"));
        if (!file.open(QIODevice::WriteOnly) || file.write(memory) != memory.size()) return false;
        file.close();
        const QString program = QCoreApplication::applicationDirPath() + "/duoband-radio-sim";
        sim_.start(program,
                   QStringList{"--memory", file.fileName(), "--save-memory", savedPath()} + args);
        if (!sim_.waitForReadyRead(5000)) {
            qWarning("the simulated radio %s did not start", qPrintable(program));
            return false;
        }
        const QString port = QString::fromUtf8(sim_.readLine()).trimmed();
        // A shorter delivery delay than the radio line needs keeps full
        // transfers in the tests short; the protocol is unchanged.
        if (fastDelivery) radio_.port().setReadIntervalMs(10);
        radio_.port().setPath(port.toStdString());
        try {
            radio_.port().open();
        } catch (const std::exception& e) {
            qWarning("cannot open %s: %s", qPrintable(port), e.what());
            return false;
        }
        return true;
    }

    bool fastDelivery = false;

    bool portShownOpen() const override { return radio_.port().isOpen(); }
    WindowRadio& radio() override { return radio_; }
    // For a whole transfer run here, waiting on this thread.
    duoband::ProgrammingExchange& exchange() { return radio_.exchange(); }
    void exchangeRunning(bool running) override { exchangesRunning += running ? 1 : -1; }
    int exchangesRunning = 0;

    QString savedPath() const { return dir_.filePath("saved.bin"); }
    // The radio's memory as last saved after a stored write.
    QByteArray saved(int address, int length) const {
        QFile file(savedPath());
        if (!file.open(QIODevice::ReadOnly)) return {};
        return file.readAll().mid(address, length);
    }

  private:
    QTemporaryDir dir_;
    QProcess sim_;
    WindowRadio radio_;
};

// A memory of a never programmed radio with `bytes` at `address`.
inline QByteArray memoryWith(int address, const QByteArray& bytes) {
    QByteArray memory(0x10000, char(0xFF));
    memory.replace(address, bytes.size(), bytes);
    return memory;
}
