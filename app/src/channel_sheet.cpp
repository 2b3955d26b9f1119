#include "channel_sheet.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <array>

#include "duoband/channel_editing.h"
#include "duoband/channel_rows.h"
#include "duoband/image_file.h"
#include "duoband/settings_table.h"
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

// The columns of the sheet and their share of the page's width.
struct SheetColumn {
    Column column;
    int percent;
};
constexpr std::array<SheetColumn, 8> kSheetColumns{{{Column::Number, 10},
                                                    {Column::Name, 13},
                                                    {Column::RxFrequency, 16},
                                                    {Column::TxFrequency, 17},
                                                    {Column::RxTone, 13},
                                                    {Column::TxTone, 14},
                                                    {Column::Power, 8},
                                                    {Column::Bandwidth, 9}}};

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
        for (const SheetColumn& c : kSheetColumns)
            rows += "<td>" + cellText(table, c.column, row) + "</td>";
        rows += "</tr>";
    }
    QString html = "<h3>" + programText(duoband::channelPageTitle(band)) + "</h3>";
    if (rows.isEmpty()) return html + "<p>" + ChannelSheet::tr("No programmed channels") + "</p>";
    html += "<table border='1' cellspacing='0' cellpadding='3' width='100%'><thead><tr>";
    for (const SheetColumn& c : kSheetColumns) {
        html += QString("<th width='%1%' style='font-size: 8pt'>").arg(c.percent) +
                programText(duoband::columnTitle(c.column)) + "</th>";
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
QString settingsPage(const duoband::EditorModel& model, duoband::SettingsPage page, Band band) {
    const std::vector<duoband::SettingRef> refs = duoband::settingsOnPage(page, band);
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

}  // namespace

QString ChannelSheet::html(const duoband::EditorModel& model, const SheetHeading& heading) {
    QString html = "<html><body style='font-size: 9pt'>";
    if (!heading.company.isEmpty()) html += "<h2>" + heading.company.toHtmlEscaped() + "</h2>";
    html += "<p>" +
            tr("File: %1 &nbsp;&nbsp; Printed: %2")
                .arg(heading.fileName.toHtmlEscaped(),
                     QLocale().toString(heading.when, QLocale::ShortFormat)) +
            "</p>";
    for (Band band : duoband::kBands) html += channelTable(model, band);
    using duoband::SettingsPage;
    for (Band band : duoband::kBands) html += settingsPage(model, SettingsPage::BandSetup, band);
    for (SettingsPage page : {SettingsPage::General, SettingsPage::Dtmf, SettingsPage::Limits})
        html += settingsPage(model, page, Band::A);
    return html + "</body></html>";
}

// The document is laid out for the device's page as it prints, which also
// numbers the pages.
void ChannelSheet::print(const duoband::EditorModel& model, const SheetHeading& heading,
                         QPagedPaintDevice& device) {
    QTextDocument document;
    document.setHtml(html(model, heading));
    document.print(&device);
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
        // The sheet keeps a margin of its own besides these.
        writer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
        print(model, heading, writer);
    }
    if (file.commit()) return {};
    return tr("%1 could not be written: %2").arg(path, file.errorString());
}

QString ChannelSheet::exportFile(const QString& from, const QString& to, const QString& company) {
    duoband::EditorModel model;
    const duoband::SettingsFileResult opened =
        duoband::openConfiguration(QFile::encodeName(from).toStdString(), model);
    if (!opened.ok()) return QString::fromStdString(opened.error);
    return savePdf(model, {company, QFileInfo(from).fileName()}, to);
}
