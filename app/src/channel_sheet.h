// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The printed channel sheet handed to a customer with the radio: a heading
// (company, file, date), each band's programmed channels as a table, the
// settings pages in a compact two-column form, and page numbers. Laid out
// for the printer's page, A4 or Letter alike; a section's heading starts a
// new page rather than stand alone at the foot of one.
#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include "duoband/editor_model.h"

class QPagedPaintDevice;

struct SheetHeading {
    QString company;
    QString fileName;             // "radio.bc", or "untitled"
    bool unsavedChanges = false;  // the sheet shows edits the file does not hold
    QDateTime when = QDateTime::currentDateTime();
    // A sheet for a customer leaves the revive, remote stun and remote kill
    // codes off: they disable and restore the radio over the air.
    bool forCustomer = false;
};

class ChannelSheet {
    Q_DECLARE_TR_FUNCTIONS(ChannelSheet)

  public:
    // The sheet as rich text (QTextDocument's HTML).
    static QString html(const duoband::EditorModel& model, const SheetHeading& heading);
    // Prints the sheet on a printer set up by the print dialog, or a PDF writer.
    static void print(const duoband::EditorModel& model, const SheetHeading& heading,
                      QPagedPaintDevice& device);
    // Writes the sheet as a PDF file; an empty text on success, otherwise why not.
    static QString savePdf(const duoband::EditorModel& model, const SheetHeading& heading,
                           const QString& path);
    // duoband --export-pdf FILE OUT.pdf: the configuration in FILE (a
    // settings file or an image) as a sheet; an empty text on success.
    static QString exportFile(const QString& from, const QString& to, const QString& company);
};
