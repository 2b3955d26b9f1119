// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "channel_sheet.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>
#include <array>

#include "duoband/channel_editing.h"
#include "duoband/channel_rows.h"
#include "duoband/image_file.h"
#include "duoband/settings_table.h"
#include "duoband/whole_file.h"
#include "pages/page_widgets.h"

namespace {

using duoband::Band;
using duoband::Column;

// The radio's texts, and the core's captions and list entries in the
// window's language, escaped for rich text.
QString radioText(const std::string& bytes) {
    return pages::fromModelText(bytes).toHtmlEscaped();
}
QString programText(std::string_view text) {
    return pages::fromCoreText(text).toHtmlEscaped();
}

// The columns of the sheet, left to right: every column of the grid, the
// signalling, compandor and scrambler included, in the places the column
// table gives them.
std::array<const duoband::ChannelColumn*, duoband::kColumnCount> sheetColumns() {
    std::array<const duoband::ChannelColumn*, duoband::kColumnCount> columns{};
    for (const duoband::ChannelColumn& c : duoband::channelColumns())
        columns.at(static_cast<std::size_t>(c.sheet.position)) = &c;
    return columns;
}

// The codes that disable and restore the radio over the air.
constexpr std::array<duoband::SettingId, 3> kRemoteCodes{duoband::SettingId::ReviveCode,
                                                         duoband::SettingId::RemoteStunCode,
                                                         duoband::SettingId::RemoteKillCode};

// Choices in the window's language; a new frequency's no-tone default,
// "0FF", reads as the "OFF" a read shows.
QString cellText(const duoband::ChannelTable& table, Column column, int row) {
    const std::string& text = table.cell(column, row);
    const duoband::ChannelColumnEditor* editor = duoband::channelColumnEditor(column);
    if (editor == nullptr || editor->kind != duoband::CellEditorKind::Choice)
        return radioText(text);
    return programText(text == "0FF" ? std::string_view("OFF") : std::string_view(text));
}

QString channelTable(const duoband::EditorModel& model, Band band) {
    const duoband::ChannelTable& table = model.channels(band);
    QString rows;
    for (int row = 1; row <= duoband::ChannelTable::kChannels; ++row) {
        if (duoband::channelIsEmpty(table, row)) continue;
        rows += "<tr>";
        for (const duoband::ChannelColumn* c : sheetColumns())
            rows += "<td>" + cellText(table, c->column, row) + "</td>";
        rows += "</tr>";
    }
    QString html = "<h3>" + programText(duoband::channelPageTitle(band)) + "</h3>";
    if (rows.isEmpty()) return html + "<p>" + ChannelSheet::tr("No programmed channels") + "</p>";
    html += "<table border='1' cellspacing='0' cellpadding='3' width='100%'><thead><tr>";
    for (const duoband::ChannelColumn* c : sheetColumns()) {
        html += QString("<th width='%1%' style='font-size: 8pt'>").arg(c->sheet.percent) +
                programText(c->title) + "</th>";
    }
    return html + "</tr></thead>" + rows + "</table>";
}

QString caption(std::string_view text) {
    QString shown = pages::fromCoreText(text).trimmed();
    while (shown.endsWith(':') || shown.endsWith(QChar(0xFF1A))) shown = shown.chopped(1).trimmed();
    return shown.toHtmlEscaped();
}

QString value(const duoband::EditorModel& model, duoband::SettingRef ref) {
    if (const duoband::Choice* choice = duoband::choiceOf(model, ref))
        return programText(choice->text());
    return radioText(*duoband::textOf(model, ref));
}

// Two settings to a line: caption, value, caption, value.
QString settingsPage(const duoband::EditorModel& model, duoband::SettingsPage page, Band band,
                     bool forCustomer) {
    std::vector<duoband::SettingRef> refs = duoband::settingsOnPage(page, band);
    if (forCustomer) {
        std::erase_if(refs, [](const duoband::SettingRef& ref) {
            return std::ranges::find(kRemoteCodes, ref.id) != kRemoteCodes.end();
        });
    }
    QString html = "<h3>" + programText(duoband::pageTitle(page, band)) +
                   "</h3><table cellspacing='0' cellpadding='2' width='100%'>";
    for (std::size_t i = 0; i < refs.size(); i += 2) {
        html += "<tr>";
        for (std::size_t j = i; j < i + 2; ++j) {
            if (j >= refs.size()) break;
            const duoband::SettingRef& ref = refs[j];
            html += "<td width='30%'>" + caption(duoband::setting(ref.id).captionFor(band)) +
                    "</td><td width='20%'><b>" + value(model, ref) + "</b></td>";
        }
        html += "</tr>";
    }
    return html + "</table>";
}

// Where the text of `block` ends, in document coordinates.
qreal bottomOf(const QTextDocument& document, const QTextBlock& block) {
    return document.documentLayout()->blockBoundingRect(block).bottom();
}

// The block a heading introduces: the first row of channels below a table's
// column titles, or the line that follows it.
QTextBlock contentAfter(const QTextDocument& document, const QTextBlock& heading) {
    const QTextBlock next = heading.next();
    QTextCursor cursor(next);
    const QTextTable* table = cursor.currentTable();
    if (table == nullptr) return next;
    const int row = std::min(table->format().headerRowCount(), table->rows() - 1);
    return document.findBlock(table->cellAt(row, 0).firstCursorPosition().position());
}

// A heading that would stand alone at the foot of a page, its first line of
// content on the next, starts that page instead. In page order: each break
// moves what comes after it.
void keepHeadingsWithTheirContent(QTextDocument& document) {
    const qreal pageHeight = document.pageSize().height();
    const auto pageOf = [pageHeight](qreal y) { return static_cast<int>(y / pageHeight); };
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0 || !block.next().isValid()) continue;
        const QRectF heading = document.documentLayout()->blockBoundingRect(block);
        if (pageOf(heading.top()) == pageOf(bottomOf(document, contentAfter(document, block))))
            continue;
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        format.setTopMargin(0);  // at the top of its page; no part of it on the one before
        QTextCursor(block).setBlockFormat(format);
        // The layout only mends the heading itself; all that follows moves.
        document.markContentsDirty(block.position(), document.characterCount() - block.position());
    }
}

// Millimetres in pixels of `device`.
qreal millimetres(const QPaintDevice& device, qreal mm) {
    return mm * device.logicalDpiY() / 25.4;
}

}  // namespace

QString ChannelSheet::html(const duoband::EditorModel& model, const SheetHeading& heading) {
    QString html = "<html><body style='font-size: 9pt'>";
    if (!heading.company.isEmpty()) html += "<h2>" + heading.company.toHtmlEscaped() + "</h2>";
    const QString file = heading.unsavedChanges
                             ? tr("%1, with changes not saved in the file").arg(heading.fileName)
                             : heading.fileName;
    html += "<p>" +
            tr("File: %1 &nbsp;&nbsp; Printed: %2")
                .arg(file.toHtmlEscaped(), QLocale().toString(heading.when, QLocale::ShortFormat)) +
            "</p>";
    for (Band band : duoband::kBands) html += channelTable(model, band);
    using duoband::SettingsPage;
    for (Band band : duoband::kBands)
        html += settingsPage(model, SettingsPage::BandSetup, band, heading.forCustomer);
    for (SettingsPage page : {SettingsPage::General, SettingsPage::Dtmf, SettingsPage::Limits})
        html += settingsPage(model, page, Band::A, heading.forCustomer);
    return html + "</body></html>";
}

// Laid out for the device's page at its resolution, inside a margin of its
// own whose foot holds the page numbers. Words are never broken: a column is
// at least as wide as its longest word.
void ChannelSheet::print(const duoband::EditorModel& model, const SheetHeading& heading,
                         QPagedPaintDevice& device) {
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WordWrap);
    document.setDefaultTextOption(wrapping);
    document.setDocumentMargin(0);
    document.setHtml(html(model, heading));
    const qreal margin = millimetres(device, 8);
    const QSizeF page(device.width() - 2 * margin, device.height() - 2 * margin);
    document.setPageSize(page);
    keepHeadingsWithTheirContent(document);

    QPainter painter(&device);
    const int pages = document.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0) device.newPage();
        painter.save();
        painter.translate(margin, margin - i * page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(QPointF(0, i * page.height()), page);
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(QFont(document.defaultFont().family(), 8));
        const QRectF foot(margin, margin + page.height(), page.width(), margin);
        painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter,
                         tr("Page %1 of %2").arg(i + 1).arg(pages));
    }
}

// Written whole or not at all: an older file of that name survives a failure.
QString ChannelSheet::savePdf(const duoband::EditorModel& model, const SheetHeading& heading,
                              const QString& path) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        QPdfWriter writer(&file);
        writer.setTitle(heading.fileName);
        writer.setCreator("duoband");
        const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
        writer.setPageSize(QPageSize(letter ? QPageSize::Letter : QPageSize::A4));
        // Thirteen columns of channels read best across the page.
        writer.setPageOrientation(QPageLayout::Landscape);
        // The sheet keeps a margin of its own besides these.
        writer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
        print(model, heading, writer);
    }
    if (file.commit()) return {};
    return tr("%1 could not be written: %2").arg(path, file.errorString());
}

QString ChannelSheet::exportFile(const QString& from, const QString& to, const QString& company) {
    duoband::EditorModel model;
    const duoband::FileResult opened =
        duoband::openConfiguration(QFile::encodeName(from).toStdString(), model);
    if (!opened.ok()) return QString::fromStdString(opened.error);
    return savePdf(model, {company, QFileInfo(from).fileName()}, to);
}
