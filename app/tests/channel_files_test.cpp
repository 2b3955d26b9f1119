// The window's channel files: File > Import > Channels from CSV... is one
// undo step, a file that names no channels asks where its rows go, and the
// channel sheet made headless holds every channel name.
#include <QAction>
#include <QProcess>
#include <QTest>

#include "duoband/radio_sim_sample.h"
#include "duoband/settings_file.h"
#include "main_window.h"
#include "window_fixture.h"

using duoband::Band;
using duoband::Column;

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
        QProcess pdftotext;
        pdftotext.start("pdftotext", {fixture->data.path("sheet.pdf"), "-"});
        QVERIFY(pdftotext.waitForFinished(60000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
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
    }

  private:
    std::unique_ptr<WindowFixture> fixture;
};

QTEST_MAIN(ChannelFilesTest)
#include "channel_files_test.moc"
