// What the pages show is what a write sends: ten channels of each band and
// every settings page edited as a user would, written to the simulated
// radio, and read back into a fresh editor.
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "duoband/channel_record.h"
#include "duoband/editor_model.h"
#include "duoband/settings_file.h"
#include "pages/band_setup_page.h"
#include "pages/channel_table_page.h"
#include "pages/dtmf_page.h"
#include "pages/general_page.h"
#include "pages/limit_frequency_page.h"
#include "pages_radio_host.h"
#include "pages_test_support.h"

using duoband::Band;
using duoband::ChannelTable;

namespace {

constexpr int kEditedChannels = 10;

// The seven pages over one model, as the main window holds them.
struct Editor {
    explicit Editor(PageHost& host) {
        grids[0] = new ChannelTablePage(model, Band::A, &tabs);
        grids[1] = new ChannelTablePage(model, Band::B, &tabs);
        tabs.addTab(grids[0], "A/Upper Band Channel");
        tabs.addTab(new BandSetupPage(model, Band::A, &tabs), "A/Upper Band Set up");
        tabs.addTab(grids[1], "B/Under Band Channel");
        tabs.addTab(new BandSetupPage(model, Band::B, &tabs), "B/Under Band Set up");
        tabs.addTab(new GeneralPage(model, &tabs), "Comprehensive Setting");
        tabs.addTab(new DtmfPage(model, &tabs), "DTMF Groups");
        tabs.addTab(new LimitFrequencyPage(model, host, &tabs), "Limit Frequency");
    }

    ChannelTablePage* grid(Band band) { return grids[band == Band::A ? 0 : 1]; }
    void click(Band band, int col, int row) {
        ChannelGrid* g = grid(band)->grid();
        tabs.setCurrentWidget(grid(band));
        const QModelIndex index = g->model()->index(row - 1, col);
        g->scrollTo(index);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(index).center());
    }
    void typeInCell(Band band, int col, int row, const QString& text) {
        click(band, col, row);
        QWidget* entry = QApplication::focusWidget();
        QVERIFY(qobject_cast<QLineEdit*>(entry) != nullptr);
        QTest::keyClicks(entry, text);
        QTest::keyClick(entry, Qt::Key_Return);
    }
    void pickInCell(Band band, int col, int row, int entry) {
        click(band, col, row);
        QComboBox* box = nullptr;
        for (QComboBox* b : grid(band)->findChildren<QComboBox*>()) {
            if (b->isVisible()) box = b;
        }
        QVERIFY(box != nullptr);
        box->setCurrentIndex(entry);
        emit box->activated(entry);
    }
    template <typename T>
    T* find(const char* name) {
        return control<T>(&tabs, name);
    }
    void type(const char* name, const QString& text) {
        auto* edit = find<QLineEdit>(name);
        tabs.setCurrentWidget(edit->parentWidget());
        QVERIFY(focus(edit));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void pick(const char* name, int entry) {
        auto* box = find<QComboBox>(name);
        box->setCurrentIndex(entry);
        emit box->activated(entry);
    }

    duoband::EditorModel model;
    QTabWidget tabs;
    ChannelTablePage* grids[2];
};

// Columns 1..12 of a table row, as the write encodes them.
duoband::RecordEncoding encodedRow(const ChannelTable& table, int row) {
    duoband::ChannelRow texts;
    for (int col = 1; col < ChannelTable::kColumns; ++col) {
        texts[std::size_t(col - 1)] = table.cell(col, row);
    }
    return duoband::encodeChannelRecord(texts);
}

}  // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

  private slots:
    void editedPagesWriteAndReadBack() {
        RadioHost host;
        host.fastDelivery = true;
        QVERIFY(host.start(memoryWith(0, {}), {}));
        RecordingDialogs dialogs;
        Editor editor(host);
        QVERIFY(showActive(editor.tabs));

        for (Band band : duoband::kBands) {
            const QString mhz = band == Band::A ? "145.%1" : "435.%1";
            for (int row = 1; row <= kEditedChannels; ++row) {
                const QString frequency = mhz.arg(row * 25, 3, 10, QChar('0'));
                editor.typeInCell(band, 1, row, frequency);
                editor.typeInCell(band, 4, row, frequency);
                editor.pickInCell(band, 2, row, row);       // CTCSS tones
                editor.pickInCell(band, 5, row, 40 + row);  // DCS codes
                editor.pickInCell(band, 3, row, row % 2);
                editor.pickInCell(band, 6, row, row);
                editor.pickInCell(band, 8, row, row % 2);
                editor.pickInCell(band, 10, row, 1);
                editor.typeInCell(band, 12, row, QString("CH%1").arg(row));
            }
        }
        QCOMPARE(editor.model.StringGrid1.cell(1, 1), "145.02500");
        QCOMPARE(editor.model.StringGrid1.cell(2, 1), "67.0HZ");

        editor.type("left3", "146.52");
        editor.pick("left4", 40);
        editor.pick("right16", 2);
        editor.type("right15", "0.6");
        editor.pick("right14", 2);
        editor.type("gn3", "100.5");
        editor.pick("gn12", 0);
        editor.pick("gn1", 1);
        editor.type("sy1", "12#");
        editor.type("sypz3", "D");
        editor.type("sypz1", "1234567");
        editor.pick("sypz9", 1);
        editor.type("kaiji1", "HELLO");
        editor.type("xp4", "480");
        editor.pick("xp5", 0);
        QVERIFY(dialogs.messages.isEmpty());

        // What the pages hold saves and opens unchanged.
        QTemporaryDir folder;
        const auto saved =
            duoband::saveSettingsFile(editor.model, folder.filePath("edited").toStdString());
        QVERIFY2(saved.ok(), saved.error.c_str());
        duoband::EditorModel opened;
        const auto open = duoband::openSettingsFile(saved.path, opened);
        QVERIFY2(open.ok(), open.error.c_str());
        QVERIFY(opened == editor.model);

        const duoband::ExchangeResult written = host.exchange().fullWrite(editor.model);
        QVERIFY2(written.ok(), written.message.c_str());
        // Band A channel 1 as the radio stores it: frequencies, 67.0 Hz,
        // QT/DQT+Signaling, D025N, DTMF1, OFF, High+Wide+compandor, "CH1".
        QCOMPARE(host.saved(0x0400, 24).toHex().toUpper(),
                 "00DD4A64"
                 "029E"
                 "01"
                 "00DD4A64"
                 "8025"
                 "01"
                 "00"
                 "E0"
                 "03434831FFFFFFFF");

        duoband::EditorModel fresh;
        const duoband::ExchangeResult read = host.exchange().fullRead(fresh);
        QVERIFY2(read.ok(), read.message.c_str());
        QCOMPARE(fresh.k, editor.model.k);
        for (Band band : duoband::kBands) {
            for (int row = 1; row <= ChannelTable::kChannels; ++row) {
                const auto shown = encodedRow(editor.model.table(band), row);
                const auto readBack = encodedRow(fresh.table(band), row);
                QVERIFY(shown.ok());
                QCOMPARE(readBack.hex, shown.hex);
            }
            const duoband::BandPage& a = editor.model.band(band);
            const duoband::BandPage& b = fresh.band(band);
            for (auto member :
                 {&duoband::BandPage::c1, &duoband::BandPage::c2, &duoband::BandPage::c4,
                  &duoband::BandPage::c5, &duoband::BandPage::c6, &duoband::BandPage::c7,
                  &duoband::BandPage::c8, &duoband::BandPage::c10, &duoband::BandPage::c11,
                  &duoband::BandPage::c12, &duoband::BandPage::c13, &duoband::BandPage::c14,
                  &duoband::BandPage::c16}) {
                QCOMPARE((b.*member).index, (a.*member).index);
            }
        }
        QCOMPARE(fresh.gn1.index, 1);
        QCOMPARE(fresh.gn12.index, 0);
        QCOMPARE(fresh.sy[1], "12#");
        QCOMPARE(fresh.sypz[1], "1234567");
        QCOMPARE(fresh.sypz9.index, 1);
        QCOMPARE(fresh.kaiji1, "HELLO");
        QCOMPARE(fresh.xp5.index, 0);

        // A fresh editor shows what was read.
        Editor again(host);
        again.model = fresh;
        for (auto* page : again.tabs.findChildren<BandSetupPage*>()) page->showModel();
        again.grid(Band::B)->showModel();
        QCOMPARE(again.find<QComboBox>("left4")->currentText(), "D023N");
        QCOMPARE(again.find<QComboBox>("right16")->currentText(), "6.25K");
        QCOMPARE(again.grid(Band::B)->grid()->model()->index(9, 12).data().toString(), "CH10");
    }
};

QTEST_MAIN(EndToEndTest)
#include "pages_end_to_end_test.moc"
