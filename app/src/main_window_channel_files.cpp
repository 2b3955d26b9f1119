// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's channel files: File > Export > Channels as CSV... and
// Channel sheet as PDF..., File > Import > Channels from CSV..., File >
// Print.... The rules live in the core (channel_csv.h) and the sheet; the
// window asks, forwards and says what came of it.
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include "app_settings.h"
#include "channel_sheet.h"
#include "duoband/channel_csv.h"
#include "duoband/whole_file.h"
#include "edit_history.h"
#include "file_paths.h"
#include "main_window.h"
#include "pages/page_widgets.h"
#include "user_dialogs.h"

namespace {

QString lines(const std::vector<std::string>& texts, std::size_t shown = 20) {
    QStringList list;
    for (std::size_t i = 0; i < texts.size() && i < shown; ++i)
        list << QString::fromStdString(texts[i]);
    if (texts.size() > shown) list << MainWindow::tr("and %1 more").arg(texts.size() - shown);
    return list.join('\n');
}

}  // namespace

SheetHeading MainWindow::sheetHeading() const {
    SheetHeading heading{companyName_, document_->name(), hasUnsavedChanges()};
    heading.forCustomer = appSettings::sheetForCustomer();
    return heading;
}

// The configuration as last recorded: an edit still in its field is taken
// over first.
void MainWindow::exportChannelsCsv() {
    recordPendingEdit();
    const QString name =
        userDialogs().saveFileName(this, tr("Export channels as CSV"), tr("CSV file (*.csv)"));
    if (name.isEmpty() || refusedAsBackup(name)) return;
    const duoband::ChannelCsvExport csv =
        duoband::exportChannelCsv(document_->history().recordedModel());
    const duoband::FileResult written = duoband::writeFileAtomically(toPath(name), csv.text);
    if (!written.ok()) {
        userDialogs().error(this, QString::fromStdString(written.error));
        return;
    }
    const QString done =
        tr("%n channel(s) exported to %1.", "", csv.channels).arg(QFileInfo(name).fileName());
    if (csv.warnings.empty()) {
        showStatusMessage(done);
        return;
    }
    userDialogs().warning(this, done + "\n\n" + tr("Not everything could go into the file:") +
                                    "\n" + lines(csv.warnings));
}

// One undo step, whatever the file holds; the channels it does not name
// keep their contents.
void MainWindow::importChannelsCsv() {
    recordPendingEdit();
    const QString name =
        userDialogs().openFileName(this, tr("Import channels from CSV"), tr("CSV file (*.csv)"));
    if (name.isEmpty()) return;
    std::string bytes;
    const duoband::FileResult read = duoband::readWholeFile(toPath(name), bytes);
    duoband::ChannelCsvFile csv;
    if (read.ok()) csv = duoband::readChannelCsv(bytes);
    if (!read.ok()) csv.error = duoband::verbatim(read.error);
    if (!csv.ok()) {
        userDialogs().error(this,
                            tr("%1 cannot be imported:\n%2")
                                .arg(QFileInfo(name).fileName(), pages::fromCorePhrase(csv.error)));
        return;
    }
    std::optional<duoband::CsvStart> start;
    if (csv.placement == duoband::CsvPlacement::FileOrder) {
        start = userDialogs().importStart(this, static_cast<int>(csv.rows.size()));
        if (!start) return;
    }
    const duoband::ChannelCsvImport result =
        duoband::importChannelCsv(csv, document_->model(), start);
    showModel();
    recordEdit(tr("Import %1").arg(QFileInfo(name).fileName()));
    QString done = tr("%n channel(s) imported from %1.", "", result.channelsWritten)
                       .arg(QFileInfo(name).fileName());
    // What is said of the whole file (Locations from 0, columns not kept)
    // comes with the count; it is no fault of a row.
    if (!result.remarks.empty())
        done += "\n\n" + pages::fromCorePhrase(duoband::joinLines(result.remarks));
    if (result.clean()) {
        if (result.remarks.empty()) {
            showStatusMessage(done);
        } else {
            userDialogs().information(this, done);
        }
        return;
    }
    userDialogs().warning(
        this, done + "\n\n" + tr("Rows skipped and values changed (Undo takes the import back):") +
                  "\n" + pages::fromCorePhrase(duoband::describeCsvNotes(result.notes)));
}

void MainWindow::exportChannelSheet() {
    recordPendingEdit();
    const QString name =
        userDialogs().saveFileName(this, tr("Export channel sheet as PDF"), tr("PDF file (*.pdf)"));
    if (name.isEmpty() || refusedAsBackup(name)) return;
    const QString error =
        ChannelSheet::savePdf(document_->history().recordedModel(), sheetHeading(), name);
    if (!error.isEmpty()) {
        userDialogs().error(this, error);
        return;
    }
    showStatusMessage(tr("Channel sheet saved as %1").arg(QFileInfo(name).fileName()));
}

void MainWindow::printChannelSheet() {
    recordPendingEdit();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document_->name());
    // Thirteen columns of channels read best across the page.
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!userDialogs().choosePrinter(this, printer)) return;
    ChannelSheet::print(document_->history().recordedModel(), sheetHeading(), printer);
}
