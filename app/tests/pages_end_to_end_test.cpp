// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "duoband/settings_table.h"
#include "pages/band_setup_page.h"
#include "pages/channel_table_page.h"
#include "pages/dtmf_page.h"
#include "pages/general_page.h"
#include "pages/limit_frequency_page.h"
#include "pages_radio_host.h"
#include "pages_test_support.h"

using duoband::Band;
using duoband::ChannelTable;
using duoband::Column;
using duoband::SettingId;
using duoband::SettingRef;

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
    void click(Band band, Column col, int row) {
        ChannelGrid* g = grid(band)->grid();
        tabs.setCurrentWidget(grid(band));
        const QModelIndex index = g->model()->index(row - 1, duoband::columnIndex(col));
        g->scrollTo(index);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(index).center());
    }
    void typeInCell(Band band, Column col, int row, const QString& text) {
        click(band, col, row);
        QWidget* entry = QApplication::focusWidget();
        QVERIFY(qobject_cast<QLineEdit*>(entry) != nullptr);
        QTest::keyClicks(entry, text);
        QTest::keyClick(entry, Qt::Key_Return);
    }
    void pickInCell(Band band, Column col, int row, int entry) {
        click(band, col, row);
        QComboBox* box = nullptr;
        for (QComboBox* b : grid(band)->findChildren<QComboBox*>()) {
            if (b->isVisible()) box = b;
        }
        QVERIFY(box != nullptr);
        box->setCurrentIndex(entry);
        emit box->activated(entry);
    }
    // The control of a setting, by its widget name.
    template <typename T>
    T* find(SettingRef ref) {
        return control<T>(&tabs, QString::fromStdString(duoband::settingObjectName(ref)));
    }
    void type(SettingRef ref, const QString& text) {
        auto* edit = find<QLineEdit>(ref);
        tabs.setCurrentWidget(edit->parentWidget());
        QVERIFY(focus(edit));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void pick(SettingRef ref, int entry) {
        auto* box = find<QComboBox>(ref);
        box->setCurrentIndex(entry);
        emit box->activated(entry);
    }

    duoband::EditorModel model;
    QTabWidget tabs;
    ChannelTablePage* grids[2];
};

// The columns RxFrequency..Name of a table row, as the write encodes them.
duoband::RecordEncoding encodedRow(const ChannelTable& table, int row) {
    duoband::ChannelRow texts;
    for (int col = 1; col < duoband::kColumnCount; ++col) {
        texts[duoband::columnAt(col)] = table.cell(duoband::columnAt(col), row);
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
                editor.typeInCell(band, Column::RxFrequency, row, frequency);
                editor.typeInCell(band, Column::TxFrequency, row, frequency);
                editor.pickInCell(band, Column::RxTone, row, row);       // CTCSS tones
                editor.pickInCell(band, Column::TxTone, row, 40 + row);  // DCS codes
                editor.pickInCell(band, Column::RxMode, row, row % 2);
                editor.pickInCell(band, Column::LaunchSignalling, row, row);
                editor.pickInCell(band, Column::Power, row, row % 2);
                editor.pickInCell(band, Column::Compandor, row, 1);
                editor.typeInCell(band, Column::Name, row, QString("CH%1").arg(row));
            }
        }
        QCOMPARE(editor.model.channels(Band::A).cell(Column::RxFrequency, 1), "145.02500");
        QCOMPARE(editor.model.channels(Band::A).cell(Column::RxTone, 1), "67.0HZ");

        editor.type({SettingId::RxFrequency, Band::A}, "146.52");
        editor.pick({SettingId::RxTone, Band::A}, 40);
        editor.pick({SettingId::Step, Band::B}, 2);
        editor.type({SettingId::Offset, Band::B}, "0.6");
        editor.pick({SettingId::OffsetDirection, Band::B}, 2);
        editor.type({SettingId::FmFrequency}, "100.5");
        editor.pick({SettingId::ToneBurst}, 0);
        editor.pick({SettingId::MainBand}, 1);
        editor.type({SettingId::DtmfGroup1}, "12#");
        editor.type({SettingId::AlarmCode}, "D");
        editor.type({SettingId::NativeIdCode}, "1234567");
        editor.pick({SettingId::RemoteState}, 1);
        editor.type({SettingId::BootMessage1}, "HELLO");
        editor.type({SettingId::LimitUhfHigh}, "480");
        editor.pick({SettingId::LimitMode}, 0);
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
        QCOMPARE(fresh.blocks, editor.model.blocks);
        for (Band band : duoband::kBands) {
            for (int row = 1; row <= ChannelTable::kChannels; ++row) {
                const auto shown = encodedRow(editor.model.channels(band), row);
                const auto readBack = encodedRow(fresh.channels(band), row);
                QVERIFY(shown.ok());
                QCOMPARE(readBack.hex, shown.hex);
            }
            using duoband::BandSettings;
            const BandSettings& a = editor.model.band(band);
            const BandSettings& b = fresh.band(band);
            for (auto member :
                 {&BandSettings::workingMode, &BandSettings::channel, &BandSettings::rxTone,
                  &BandSettings::endSignalling, &BandSettings::rxMode, &BandSettings::txTone,
                  &BandSettings::launchSignalling, &BandSettings::power, &BandSettings::bandwidth,
                  &BandSettings::compandor, &BandSettings::scrambler,
                  &BandSettings::offsetDirection, &BandSettings::step}) {
                QCOMPARE((b.*member).index, (a.*member).index);
            }
        }
        QCOMPARE(fresh.general.mainBand.index, 1);
        QCOMPARE(fresh.general.toneBurst.index, 0);
        QCOMPARE(fresh.dtmfGroups[0], "12#");
        QCOMPARE(fresh.remoteCodes[0], "1234567");
        QCOMPARE(fresh.remoteState.index, 1);
        QCOMPARE(fresh.bootMessage[0], "HELLO");
        QCOMPARE(fresh.limitMode.index, 0);

        // A fresh editor shows what was read.
        Editor again(host);
        again.model = fresh;
        for (auto* page : again.tabs.findChildren<BandSetupPage*>()) page->showModel();
        again.grid(Band::B)->showModel();
        QCOMPARE(again.find<QComboBox>({SettingId::RxTone, Band::A})->currentText(), "D023N");
        QCOMPARE(again.find<QComboBox>({SettingId::Step, Band::B})->currentText(), "6.25K");
        QCOMPARE(again.grid(Band::B)
                     ->grid()
                     ->model()
                     ->index(9, duoband::columnIndex(Column::Name))
                     .data()
                     .toString(),
                 "CH10");
    }
};

QTEST_MAIN(EndToEndTest)
#include "pages_end_to_end_test.moc"
