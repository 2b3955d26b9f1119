// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the station's tests share: simulated radios that keep their memory
// in a file, the table's columns, and what a radio holds after a write.
#pragma once

#include <QTableWidget>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "app_test_support.h"
#include "duoband/radio_sim.h"
#include "duoband/write_verify.h"
#include "station_window.h"

inline QStringList times(const QString& text, int n) {
    QStringList list;
    for (int i = 0; i < n; ++i) list << text;
    return list;
}

// A radio with its memory and command log in `folder`.
struct StationRadio {
    StationRadio(const QTemporaryDir& folder, int n, std::vector<std::string> faults)
        : memory(folder.filePath(QString("radio%1.bin").arg(n))),
          log(folder.filePath(QString("radio%1.log").arg(n))) {
        faults.insert(faults.end(),
                      {"--save-memory", memory.toStdString(), "--log", log.toStdString()});
        radio = std::make_unique<TestRadio>(faults);
    }
    QString memory, log;
    std::unique_ptr<TestRadio> radio;
};

// The texts of one column of the station's table, top to bottom.
inline QStringList column(StationWindow& station, int column) {
    auto* table = station.findChild<QTableWidget*>("radioTable");
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << (table->item(row, column) ? table->item(row, column)->text() : QString());
    return texts;
}

// What a radio whose memory is in `memoryFile` holds where a write puts its bytes.
inline duoband::RadioImage heldImage(const QString& memoryFile) {
    std::string error;
    const auto memory = duoband::sim::loadMemory(memoryFile.toStdString(), error);
    duoband::RadioImage image;
    if (!memory) return image;
    for (int s = 0; s < duoband::kTransferSteps; ++s) {
        const duoband::TransferStep t = duoband::transferPlan()[static_cast<std::size_t>(s)];
        duoband::storeAnswer(image, s, std::span(memory->data() + t.address, t.length));
    }
    return image;
}
