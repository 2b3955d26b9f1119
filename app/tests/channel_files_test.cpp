// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's channel files: File > Import > Channels from CSV... is one
// undo step, a file that names no channels asks where its rows go, and the
// channel sheet, read back from its PDF, holds every channel with all its
// columns, keeps words and headings whole, says when it shows unsaved edits
// and leaves the remote codes off a customer's copy.
#include <QAction>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include "channel_sheet.h"
#include "duoband/radio_sim_sample.h"
#include "duoband/settings_file.h"
#include "duoband/settings_table.h"
#include "main_window.h"
#include "pages/page_widgets.h"
#include "window_fixture.h"

using duoband::Band;
using duoband::Column;

namespace {

// The text of a PDF as pdftotext lays it out, pages separated by '\f'.
QString pdfText(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    if (!pdftotext.waitForFinished(60000)) return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// The line of `text` that holds `word` as a word of its own.
QString lineWith(const QString& text, const QString& word) {
    const QRegularExpression whole("^.*\\b" + QRegularExpression::escape(word) + "\\b.*$",
                                   QRegularExpression::MultilineOption);
    return whole.match(text).captured();
}

// The titles of the sheet's sections.
QStringList sectionTitles() {
    using duoband::SettingsPage;
    QStringList titles;
    for (Band band : duoband::kBands) {
        titles << pages::fromCoreText(duoband::channelPageTitle(band))
               << pages::fromCoreText(duoband::pageTitle(SettingsPage::BandSetup, band));
    }
    for (SettingsPage page : {SettingsPage::General, SettingsPage::Dtmf, SettingsPage::Limits})
        titles << pages::fromCoreText(duoband::pageTitle(page));
    return titles;
}

}  // namespace

class ChannelFilesTest : public QObject {
    Q_OBJECT

    MainWindow& window() { return fixture->window(); }
    const std::string& cell(Band band, Column column, int row) {
        return window().model().channels(band).cell(column, row);
    }
    void importFile(const QString& name) {
        fixture->dialogs.fileNames = {fixture->data.path(name)};
        window().findChild<QAction*>("importCsvAction")->trigger();
    }

  private slots:
    void init() { fixture = std::make_unique<WindowFixture>(); }
    void cleanup() { fixture.reset(); }

    // The rows that went in, the one that did not said with its line, and a
    // single Undo takes the whole import back.
    void anImportIsOneUndoStep() {
        fixture->data.write("plan.csv",
                            "Location,Name,Frequency\r\n3,ONE,146.52\r\n130,TWO,446.00625\r\n"
                            "7,BAD,520\r\n");
        const duoband::EditorModel before = window().model();
        importFile("plan.csv");
        QCOMPARE(cell(Band::A, Column::Name, 3), "ONE");
        QCOMPARE(cell(Band::B, Column::RxFrequency, 2), "446.00625");
        QCOMPARE(fixture->dialogs.lastKind(), QString("warning"));
        QVERIFY2(fixture->dialogs.lastText().contains("line 4, Location 7"),
                 qPrintable(fixture->dialogs.lastText()));
        QVERIFY(window().hasUnsavedChanges());
        const duoband::EditorModel imported = window().model();
        window().undo();
        QVERIFY(window().model() == before);
        window().redo();
        QVERIFY(window().model() == imported);
    }

    // Said of the whole file, not of a row: shown with the count, no warning.
    void whatIsSaidOfTheWholeFileComesWithTheCount() {
        fixture->data.write("zero.csv", "Location;Name;Frequency;Comment\r\n0;ONE;146,52;hi\r\n");
        importFile("zero.csv");
        QCOMPARE(cell(Band::A, Column::Name, 1), "ONE");
        QCOMPARE(fixture->dialogs.lastKind(), QString("information"));
        const QString text = fixture->dialogs.lastText();
        QVERIFY2(text.contains("the smallest Location is 0") && text.contains("not kept: Comment"),
                 qPrintable(text));
    }

    void aFileThatNamesNoChannelsAsksWhereItsRowsGo() {
        fixture->data.write("plain.csv", "Frequency,Name\r\n146.52,X\r\n146.54,Y\r\n");
        const duoband::EditorModel before = window().model();
        importFile("plain.csv");  // the question cancelled
        QVERIFY(window().model() == before);
        fixture->dialogs.importStarts = {duoband::CsvStart{Band::B, 10}};
        importFile("plain.csv");
        QCOMPARE(cell(Band::B, Column::Name, 10), "X");
        QCOMPARE(cell(Band::B, Column::Name, 11), "Y");
    }

    // Every column of the grid: the signalling, compandor and scrambler of
    // each channel stand on its line.
    void theSheetMadeWithoutAWindowHoldsEveryChannelName() {
        const duoband::EditorModel sample = duoband::sim::sampleModel();
        QVERIFY(
            duoband::saveSettingsFile(sample, fixture->data.path("sample.bc").toStdString()).ok());
        QProcess duoband;
        duoband.start(QString(DUOBAND_BIN_DIR) + "/duoband",
                      {"--data-dir", fixture->data.dir(), "--export-pdf",
                       fixture->data.path("sample.bc"), fixture->data.path("sheet.pdf")});
        QVERIFY(duoband.waitForFinished(60000));
        QCOMPARE(duoband.exitCode(), 0);
        const QString text = pdfText(fixture->data.path("sheet.pdf"));
        QString company;
        readFirstLine(fixture->data.path("2.bc"), company);
        QVERIFY2(text.contains(company), qPrintable(text));
        int names = 0;
        for (Band band : duoband::kBands) {
            for (int row = 1; row <= duoband::ChannelTable::kChannels; ++row) {
                const std::string& name = sample.channels(band).cell(Column::Name, row);
                if (name.empty()) continue;
                QVERIFY2(text.contains(QString::fromLatin1(name.c_str())), name.c_str());
                ++names;
            }
        }
        QVERIFY(names > 10);
        const duoband::ChannelTable& bandA = sample.channels(Band::A);
        for (int row = 1; row <= duoband::ChannelTable::kChannels; ++row) {
            if (bandA.cell(Column::LaunchSignalling, row) != "DTMF1") continue;
            const QString line = lineWith(text, bandA.cell(Column::Name, row).c_str());
            const QStringList cells = line.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
            QCOMPARE(cells.mid(cells.size() - 4),
                     (QStringList{"DTMF1", bandA.cell(Column::EndSignalling, row).c_str(),
                                  bandA.cell(Column::Compandor, row).c_str(),
                                  bandA.cell(Column::Scrambler, row).c_str()}));
            return;
        }
        QFAIL("the sample has no channel with DTMF1 as its launch signalling");
    }

    // However many channels come before it, a section's title never ends a
    // page, and no title is broken inside a word.
    void headingsStayWithTheirContentAndWordsStayWhole() {
        QStringList titleWords;
        for (const duoband::ChannelColumn& column : duoband::channelColumns())
            titleWords << pages::fromCoreText(column.title).split(' ', Qt::SkipEmptyParts);
        for (int channels = 1; channels <= 64; channels += 3) {
            duoband::EditorModel model;
            for (int row = 1; row <= channels; ++row)
                model.channels(Band::A).cell(Column::RxFrequency, row) = "145.50000";
            model.channels(Band::B).cell(Column::RxFrequency, 1) = "435.00000";
            const QString pdf = fixture->data.path("lengths.pdf");
            QVERIFY(ChannelSheet::savePdf(model, {"", "lengths.bc"}, pdf).isEmpty());
            const QString text = pdfText(pdf);
            const QStringList sheetPages = text.split('\f', Qt::SkipEmptyParts);
            QVERIFY(sheetPages.size() > 1);
            for (const QString& page : sheetPages.mid(0, sheetPages.size() - 1)) {
                QStringList lines = page.split('\n', Qt::SkipEmptyParts);
                // The page number; its line may also hold the start of the next
                // page's first heading, drawn clipped away in the margin.
                lines.removeLast();
                QVERIFY2(!sectionTitles().contains(lines.last().trimmed()),
                         qPrintable(QString("%1 channels: %2").arg(channels).arg(page)));
            }
            const QStringList wordList = text.split(QRegularExpression("\\W+"));
            const QSet<QString> words(wordList.begin(), wordList.end());
            for (const QString& word : titleWords) {
                for (qsizetype cut = 3; cut < word.size(); ++cut)
                    QVERIFY2(!words.contains(word.left(cut)), qPrintable(word.left(cut)));
            }
        }
    }

    // A sheet of unsaved edits says so beside the file's name; a customer's
    // sheet, once asked for, keeps no remote stun, kill or revive code.
    void theWindowsSheetSaysWhatItShows() {
        duoband::EditorModel& model = window().model();
        using duoband::SettingId;
        *duoband::textOf(model, {SettingId::ReviveCode}) = "11111";
        *duoband::textOf(model, {SettingId::RemoteStunCode}) = "22222";
        *duoband::textOf(model, {SettingId::RemoteKillCode}) = "33333";
        *duoband::textOf(model, {SettingId::MonitorCode}) = "4";
        window().showModel();
        fixture->dialogs.fileNames = {fixture->data.path("radio.bc")};
        QVERIFY(window().saveFileAs());
        const auto exportSheet = [this](const QString& name) {
            fixture->dialogs.fileNames = {fixture->data.path(name)};
            window().findChild<QAction*>("exportSheetAction")->trigger();
            return pdfText(fixture->data.path(name));
        };
        QString text = exportSheet("saved.pdf");
        QVERIFY2(lineWith(text, "radio.bc").contains(QRegularExpression("radio\\.bc\\s+Printed")),
                 qPrintable(text));
        for (const char* code : {"11111", "22222", "33333"}) QVERIFY(text.contains(code));

        model.channels(Band::A).cell(Column::Name, 1) = "EDITED";
        window().recordEdit("edit", {});
        auto* forCustomer = window().findChild<QAction*>("sheetForCustomerAction");
        QVERIFY(forCustomer->isCheckable() && !forCustomer->isChecked());
        forCustomer->trigger();
        text = exportSheet("edited.pdf");
        QVERIFY2(lineWith(text, "radio.bc").contains("not saved"), qPrintable(text));
        for (const char* code : {"11111", "22222", "33333"}) QVERIFY(!text.contains(code));
        QVERIFY(text.contains(QRegularExpression("Monitor Code\\s+4\\b")));

        fixture.reset();  // the next window remembers the choice
        fixture = std::make_unique<WindowFixture>();
        QVERIFY(window().findChild<QAction*>("sheetForCustomerAction")->isChecked());
    }

  private:
    std::unique_ptr<WindowFixture> fixture;
};

QTEST_MAIN(ChannelFilesTest)
#include "channel_files_test.moc"
