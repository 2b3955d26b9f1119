// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings pages as a user edits them: picks in the lists and texts
// typed into the edits change exactly their slice of the block fields.
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <vector>

#include "duoband/editor_model.h"
#include "duoband/message_pump.h"
#include "duoband/settings_editing.h"
#include "duoband/settings_table.h"
#include "pages/band_setup_page.h"
#include "pages/dtmf_page.h"
#include "pages/general_page.h"
#include "pages/limit_frequency_page.h"
#include "pages/page_host.h"
#include "pages_test_support.h"
#include "window_radio.h"

using duoband::Band;
using duoband::Block;
using duoband::SettingId;
using duoband::SettingRef;

Q_DECLARE_METATYPE(duoband::Block)
Q_DECLARE_METATYPE(duoband::SettingRef)

namespace {

// The widget name of a setting's control: "bandA.rxFrequency", "toneBurst"...
QString nameOf(SettingRef ref) {
    return QString::fromStdString(duoband::settingObjectName(ref));
}

// A window whose port is shown closed: the page must not touch the radio.
class ClosedPortHost final : public PageHost {
  public:
    bool portShownOpen() const override { return false; }
    WindowRadio& radio() override {
        ++exchangeRequests;
        return radio_;
    }
    void exchangeRunning(bool) override { ++exchangeRequests; }
    int exchangeRequests = 0;

  private:
    WindowRadio radio_;
};

// All settings pages of one editor model, in one window.
struct Pages {
    Pages()
        : bandA(new BandSetupPage(model, Band::A, &window)),
          bandB(new BandSetupPage(model, Band::B, &window)),
          general(new GeneralPage(model, &window)),
          dtmf(new DtmfPage(model, &window)),
          limits(new LimitFrequencyPage(model, host, &window)) {
        auto* layout = new QGridLayout(&window);
        layout->addWidget(bandA, 0, 0);
        layout->addWidget(bandB, 0, 1);
        layout->addWidget(general, 1, 0);
        layout->addWidget(dtmf, 1, 1);
        layout->addWidget(limits, 2, 0);
        // Something outside the pages to move the focus to.
        elsewhere = new QLineEdit(&window);
        elsewhere->setObjectName("elsewhere");
        layout->addWidget(elsewhere, 2, 1);
    }
    void showModel() {
        for (auto* page : {bandA, bandB}) page->showModel();
        general->showModel();
        dtmf->showModel();
        limits->showModel();
    }
    // Characters first..last (from 1) of a block field.
    QString slice(Block block, int first, int last) const {
        return QString::fromStdString(
            model.blocks[block].substr(std::size_t(first - 1), std::size_t(last - first + 1)));
    }
    template <typename T>
    T* find(const QString& name) {
        return control<T>(&window, name);
    }
    // The control of a setting.
    template <typename T>
    T* find(SettingRef ref) {
        return find<T>(nameOf(ref));
    }
    // Replaces the text of a setting's edit by typing, then leaves it by `how`.
    void type(SettingRef ref, const QString& text, bool byEnter) {
        QLineEdit* edit = find<QLineEdit>(ref);
        QVERIFY(focus(edit));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        if (byEnter) {
            QTest::keyClick(edit, Qt::Key_Return);
        } else {
            QVERIFY(focus(elsewhere));
        }
    }
    void pick(SettingRef ref, int entry) {
        QComboBox* box = find<QComboBox>(ref);
        box->setCurrentIndex(entry);
        emit box->activated(entry);
    }

    duoband::EditorModel model;
    ClosedPortHost host;
    RecordingDialogs dialogs;
    QWidget window;
    BandSetupPage* bandA;
    BandSetupPage* bandB;
    GeneralPage* general;
    DtmfPage* dtmf;
    LimitFrequencyPage* limits;
    QLineEdit* elsewhere;
};

// The block fields a band page control writes: its settings and its extra
// settings.
Block settingsBlock(Band band) {
    return band == Band::A ? Block::BandASettings : Block::BandBSettings;
}
Block extraBlock(Band band) {
    return band == Band::A ? Block::BandAExtra : Block::BandBExtra;
}

// A data row named for the setting and what the row does with it.
QTestData& settingRow(SettingRef ref, const char* what) {
    return QTest::newRow(qPrintable(nameOf(ref) + " " + what));
}

constexpr std::array<Block, duoband::kBlockCount> allBlocks() {
    std::array<Block, duoband::kBlockCount> blocks{};
    for (int i = 0; i < duoband::kBlockCount; ++i) blocks[std::size_t(i)] = Block(i);
    return blocks;
}

}  // namespace

class SettingsPagesTest : public QObject {
    Q_OBJECT

  private slots:
    void pickInEachKindOfList_data() {
        QTest::addColumn<SettingRef>("ref");
        QTest::addColumn<int>("entry");
        QTest::addColumn<Block>("field");
        QTest::addColumn<int>("first");
        QTest::addColumn<QString>("code");
        for (const Band band : {Band::A, Band::B}) {
            const Block settings = settingsBlock(band);
            const Block extra = extraBlock(band);
            auto row = [&](SettingId id, const char* what) -> QTestData& {
                const SettingRef ref{id, band};
                return settingRow(ref, what) << ref;
            };
            row(SettingId::WorkingMode, "channel mode") << 1 << settings << 1 << "01";
            row(SettingId::Channel, "channel 128") << 127 << settings << 3 << "7F";
            row(SettingId::RxTone, "D023N") << 40 << settings << 13 << "8023";
            row(SettingId::RxTone, "D023I") << 123 << settings << 13 << "C023";
            row(SettingId::TxTone, "88.5HZ") << 9 << settings << 21 << "0375";
            row(SettingId::TxTone, "0FF") << 0 << settings << 21 << "FFFF";
            row(SettingId::LaunchSignalling, "identity code") << 17 << settings << 25 << "11";
            row(SettingId::EndSignalling, "identity code") << 17 << settings << 27 << "11";
            row(SettingId::RxMode, "signaling") << 1 << settings << 17 << "01";
            row(SettingId::Power, "low") << 0 << settings << 29 << "00";
            row(SettingId::Bandwidth, "narrow") << 0 << settings << 31 << "00";
            row(SettingId::Compandor, "on") << 1 << extra << 1 << "01";
            row(SettingId::Scrambler, "on") << 1 << extra << 3 << "01";
            row(SettingId::OffsetDirection, "minus") << 2 << extra << 5 << "02";
            row(SettingId::Step, "6.25K") << 2 << extra << 15 << "0271";
        }
        auto row = [](SettingId id, const char* what) -> QTestData& {
            const SettingRef ref{id};
            return settingRow(ref, what) << ref;
        };
        row(SettingId::MainBand, "band B") << 1 << Block::General << 1 << "01";
        row(SettingId::Volume, "20") << 20 << Block::General << 3 << "14";
        row(SettingId::VibrationRingTime, "9") << 9 << Block::General << 19 << "09";
        row(SettingId::TimeOverTimer, "600") << 20 << Block::General << 23 << "14";
        row(SettingId::ToneBurst, "1000HZ") << 0 << Block::General << 25 << "03E8";
        row(SettingId::DtmfTime, "200MS") << 3 << Block::General << 29 << "00C8";
        row(SettingId::RepeaterMode, "on") << 1 << Block::General << 35 << "01";
        row(SettingId::LimitMode, "OFF") << 0 << Block::Limits << 33 << "00";
    }
    void pickInEachKindOfList() {
        QFETCH(SettingRef, ref);
        QFETCH(int, entry);
        QFETCH(Block, field);
        QFETCH(int, first);
        QFETCH(QString, code);
        Pages p;
        const duoband::BlockFields before = p.model.blocks;
        p.pick(ref, entry);
        std::string expected = before[field];
        expected.replace(std::size_t(first - 1), std::size_t(code.size()), code.toStdString());
        QCOMPARE(p.model.blocks[field], expected);
        for (const Block block : allBlocks()) {
            if (block != field) QCOMPARE(p.model.blocks[block], before[block]);
        }
        QCOMPARE(p.find<QComboBox>(ref)->currentIndex(), entry);
        QVERIFY(p.dialogs.messages.isEmpty());
    }

    void currentStateHasNoBlockField() {
        Pages p;
        const duoband::BlockFields before = p.model.blocks;
        p.pick(SettingRef{SettingId::RemoteState}, 2);
        QCOMPARE(p.model.remoteState.index, 2);
        QCOMPARE(p.model.blocks, before);
    }

    void typedValueInEachKindOfText_data() {
        QTest::addColumn<SettingRef>("ref");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<Block>("field");
        QTest::addColumn<int>("first");
        QTest::addColumn<QString>("code");
        auto row = [](SettingRef ref, const char* what) -> QTestData& {
            return settingRow(ref, what) << ref;
        };
        const SettingRef rxFrequencyA{SettingId::RxFrequency, Band::A};
        const SettingRef rxFrequencyB{SettingId::RxFrequency, Band::B};
        const SettingRef fm{SettingId::FmFrequency};
        row(rxFrequencyA, "136") << "136" << true << Block::BandASettings << 5 << "00CF8500";
        row(rxFrequencyB, "176") << "176" << false << Block::BandBSettings << 5 << "010C8E00";
        row(rxFrequencyA, "150.05") << "150.05" << false << Block::BandASettings << 5 << "00E4F548";
        row(rxFrequencyB, "empty") << "" << true << Block::BandBSettings << 5 << "FFFFFFFF";
        row({SettingId::Offset, Band::A}, "0.6")
            << "0.6" << false << Block::BandAExtra << 7 << "0000EA60";
        row({SettingId::Offset, Band::B}, "empty")
            << "" << true << Block::BandBExtra << 7 << "FFFFFFFF";
        row(fm, "100.55") << "100.55" << true << Block::General << 5 << "03ED";
        row(fm, "88") << "88" << false << Block::General << 5 << "0370";
        row(fm, "108") << "108" << true << Block::General << 5 << "0438";
        row({SettingId::DtmfGroup1}, "12#")
            << "12#" << false << Block::DtmfGroups1And2 << 1 << "0301020CFFFFFFFF";
        row({SettingId::DtmfGroup2}, "C")
            << "C" << true << Block::DtmfGroups1And2 << 17 << "010FFFFFFFFFFFFF";
        row({SettingId::DtmfGroup8}, "7 digits")
            << "1234567" << false << Block::DtmfGroups7And8 << 17 << "0701020304050607";
        row({SettingId::AlarmCode}, "D")
            << "D" << false << Block::AlarmAndIdentity << 1 << "0100FFFFFFFF";
        row({SettingId::MasterIdCode}, "*0")
            << "*0" << true << Block::NativeAndMasterId << 17 << "020B0AFFFFFFFFFF";
        row({SettingId::MonitorCode}, "5")
            << "5" << false << Block::RemoteKillAndMonitor << 13 << "0105FFFFFFFF";
        row({SettingId::BootMessage1}, "ABC")
            << "ABC" << false << Block::BootMessage << 1 << "03414243FFFFFFFF";
        row({SettingId::BootMessage2}, "empty")
            << "" << true << Block::BootMessage << 17 << "00FFFFFFFFFFFFFF";
        row({SettingId::LimitVhfLow}, "136") << "136" << false << Block::Limits << 1 << "00CF8500";
        row({SettingId::LimitUhfHigh}, "480") << "480" << true << Block::Limits << 25 << "02DC6C00";
    }
    void typedValueInEachKindOfText() {
        QFETCH(SettingRef, ref);
        QFETCH(QString, text);
        QFETCH(bool, byEnter);
        QFETCH(Block, field);
        QFETCH(int, first);
        QFETCH(QString, code);
        Pages p;
        QVERIFY(showActive(p.window));
        // Start from a text and a field that differ from the result.
        QVERIFY(duoband::textOf(p.model, ref) != nullptr);
        *duoband::textOf(p.model, ref) = "1";
        p.showModel();
        p.model.blocks[field].replace(std::size_t(first - 1), std::size_t(code.size()),
                                      std::string(std::size_t(code.size()), '0'));
        const duoband::BlockFields before = p.model.blocks;
        p.type(ref, text, byEnter);
        std::string expected = before[field];
        expected.replace(std::size_t(first - 1), std::size_t(code.size()), code.toStdString());
        QCOMPARE(p.model.blocks[field], expected);
        for (const Block block : allBlocks()) {
            if (block != field) QCOMPARE(p.model.blocks[block], before[block]);
        }
        QCOMPARE(p.find<QLineEdit>(ref)->text(), text);
        QVERIFY(p.dialogs.messages.isEmpty());
    }

    void outOfRangeReceiveFrequencyStoresNoFrequency_data() {
        QTest::addColumn<SettingRef>("ref");
        QTest::addColumn<Block>("field");
        QTest::addColumn<bool>("byEnter");
        for (const SettingRef ref : {SettingRef{SettingId::RxFrequency, Band::A},
                                     SettingRef{SettingId::RxFrequency, Band::B}}) {
            QTest::newRow(qPrintable(nameOf(ref)))
                << ref << settingsBlock(ref.band) << (ref.band == Band::A);
        }
    }
    void outOfRangeReceiveFrequencyStoresNoFrequency() {
        QFETCH(SettingRef, ref);
        QFETCH(Block, field);
        QFETCH(bool, byEnter);
        Pages p;
        QVERIFY(showActive(p.window));
        p.type(ref, "145", true);
        QCOMPARE(p.slice(field, 5, 12), "00DD40A0");
        p.type(ref, "176.00001", byEnter);
        QCOMPARE(p.dialogs.messages,
                 QStringList{"Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ "});
        QCOMPARE(p.slice(field, 5, 12), "FFFFFFFF");
        QCOMPARE(p.find<QLineEdit>(ref)->text(), "");
        QCOMPARE(p.model.blocks[field].size(), 32u);
    }

    void fmFrequencyOutOfRange_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("87.9") << "87.9";
        QTest::newRow("108.1") << "108.1";
    }
    void fmFrequencyOutOfRange() {
        QFETCH(QString, text);
        Pages p;
        QVERIFY(showActive(p.window));
        const SettingRef fm{SettingId::FmFrequency};
        p.type(fm, "100", true);
        QCOMPARE(p.slice(Block::General, 5, 8), "03E8");
        p.type(fm, text, false);
        QCOMPARE(p.dialogs.messages, QStringList{"FM Frequency 88~108MHz"});
        QCOMPARE(p.slice(Block::General, 5, 8), "FFFF");
        QCOMPARE(p.find<QLineEdit>(fm)->text(), "");
    }

    void notANumberIsReportedOnceAndChangesNothing_data() {
        QTest::addColumn<SettingRef>("ref");
        for (const SettingRef ref :
             {SettingRef{SettingId::RxFrequency, Band::A}, SettingRef{SettingId::Offset, Band::B},
              SettingRef{SettingId::FmFrequency}, SettingRef{SettingId::LimitVhfHigh}}) {
            QTest::newRow(qPrintable(nameOf(ref))) << ref;
        }
    }
    void notANumberIsReportedOnceAndChangesNothing() {
        QFETCH(SettingRef, ref);
        Pages p;
        QVERIFY(showActive(p.window));
        const duoband::BlockFields before = p.model.blocks;
        p.type(ref, "1.2.3", true);
        QCOMPARE(p.dialogs.messages.size(), 1);
        QVERIFY(focus(p.elsewhere));  // leaving the same text again: no second report
        QVERIFY(focus(p.find<QLineEdit>(ref)));
        QVERIFY(focus(p.elsewhere));
        QCOMPARE(p.dialogs.messages.size(), 1);
        QCOMPARE(p.model.blocks, before);
    }

    void dtmfKeyFilters() {
        Pages p;
        QVERIFY(showActive(p.window));
        QLineEdit* group1 = p.find<QLineEdit>(SettingRef{SettingId::DtmfGroup1});
        QVERIFY(focus(group1));
        QTest::keyClicks(group1, "1e");
        QCOMPARE(group1->text(), "1");
        QCOMPARE(p.dialogs.messages, QStringList{"DTMF:1,2,3,4,5,6,7,8,9,0,*,#,A,B,D"});
        QTest::keyClicks(group1, "2345678");  // the eighth character goes silently
        QCOMPARE(group1->text(), "1234567");
        QCOMPARE(p.dialogs.messages.size(), 1);
        QTest::keyClick(group1, Qt::Key_Backspace);
        QCOMPARE(group1->text(), "123456");
        QCOMPARE(p.slice(Block::DtmfGroups1And2, 1, 16), "06010203040506FF");

        QLineEdit* identity = p.find<QLineEdit>(SettingRef{SettingId::IdentityDisplayCode});
        QVERIFY(focus(identity));
        QTest::keyClicks(identity, "x123456");
        QCOMPARE(identity->text(), "12345");
        QCOMPARE(p.dialogs.messages.last(),
                 QString("Enter only these characters:1,2,3,4,5,6,7,8,9,0,*,#,A,B,D"));
        QCOMPARE(p.slice(Block::AlarmAndIdentity, 13, 24), "050102030405");
    }

    void pastedTextIsFilteredAndCut() {
        Pages p;
        QVERIFY(showActive(p.window));
        QLineEdit* group3 = p.find<QLineEdit>(SettingRef{SettingId::DtmfGroup3});
        QVERIFY(focus(group3));
        group3->insert("12ef#9999999");
        QCOMPARE(group3->text(), "12#9999");
        QCOMPARE(p.slice(Block::DtmfGroups3And4, 1, 16), "0701020C09090909");
        QLineEdit* revive = p.find<QLineEdit>(SettingRef{SettingId::ReviveCode});
        QVERIFY(focus(revive));
        revive->insert("d-D-1-2-3-4");
        QCOMPARE(revive->text(), "DD123");  // a small d is a D
        QLineEdit* bootLine2 = p.find<QLineEdit>(SettingRef{SettingId::BootMessage2});
        QVERIFY(focus(bootLine2));
        bootLine2->insert(QString::fromUtf8("Hé\tllo-World"));
        QCOMPARE(bootLine2->text(), "Hllo-Wo");
        QCOMPARE(p.slice(Block::BootMessage, 17, 32), "07486C6C6F2D576F");
    }

    void enterInALimitMovesToTheNext() {
        Pages p;
        QVERIFY(showActive(p.window));
        const SettingRef vhfHigh{SettingId::LimitVhfHigh};
        p.type(SettingRef{SettingId::LimitVhfLow}, "136", true);
        QVERIFY(p.find<QLineEdit>(vhfHigh)->hasFocus());
        QCOMPARE(p.slice(Block::Limits, 1, 8), "00CF8500");
        QTest::keyClicks(p.find<QLineEdit>(vhfHigh), "174");
        QTest::keyClick(p.find<QLineEdit>(vhfHigh), Qt::Key_Return);
        QVERIFY(p.find<QLineEdit>(SettingRef{SettingId::LimitUhfLow})->hasFocus());
        QCOMPARE(p.slice(Block::Limits, 9, 16), "010980C0");
    }

    void commitPendingEditTakesTheFocusedText() {
        Pages p;
        QVERIFY(showActive(p.window));
        QLineEdit* fm = p.find<QLineEdit>(SettingRef{SettingId::FmFrequency});
        QVERIFY(focus(fm));
        QTest::keyClicks(fm, "99.9");
        QCOMPARE(p.slice(Block::General, 5, 8), "FFFF");
        p.bandA->commitPendingEdit();  // not on this page: nothing
        QCOMPARE(p.slice(Block::General, 5, 8), "FFFF");
        p.general->commitPendingEdit();
        QCOMPARE(p.slice(Block::General, 5, 8), "03E7");
    }

    void showModelRunsNoHandler() {
        Pages p;
        QVERIFY(showActive(p.window));
        p.model.band(Band::A).rxTone.select(40);
        p.model.band(Band::B).rxFrequency = "999";
        p.model.general.dtmfTime.select(3);
        p.model.dtmfGroups[4] = "ABC";
        p.model.limits[1] = "146.525";
        p.model.bootMessage[0] = "HELLO";
        const duoband::BlockFields before = p.model.blocks;
        p.showModel();
        const SettingRef rxFrequencyB{SettingId::RxFrequency, Band::B};
        QCOMPARE(p.find<QComboBox>(SettingRef{SettingId::RxTone, Band::A})->currentText(), "D023N");
        QCOMPARE(p.find<QLineEdit>(rxFrequencyB)->text(), "999");
        QCOMPARE(p.find<QComboBox>(SettingRef{SettingId::DtmfTime})->currentText(), "200MS");
        QCOMPARE(p.find<QLineEdit>(SettingRef{SettingId::DtmfGroup5})->text(), "ABC");
        QCOMPARE(p.find<QLineEdit>(SettingRef{SettingId::LimitVhfHigh})->text(), "146.525");
        QCOMPARE(p.find<QLineEdit>(SettingRef{SettingId::BootMessage1})->text(), "HELLO");
        // Leaving a shown text unchanged takes nothing over.
        QVERIFY(focus(p.find<QLineEdit>(rxFrequencyB)));
        QVERIFY(focus(p.elsewhere));
        QCOMPARE(p.model.blocks, before);
        QVERIFY(p.dialogs.messages.isEmpty());
    }

    void captionsAndEntries() {
        Pages p;
        auto captionOf = [&p](SettingRef ref) {
            QWidget* target = p.find<QWidget>(ref);
            for (QLabel* label : p.window.findChildren<QLabel*>()) {
                if (label->buddy() == target) return label->text();
            }
            return QString();
        };
        QCOMPARE(captionOf({SettingId::WorkingMode, Band::A}), "Working Mode :");
        QCOMPARE(captionOf({SettingId::WorkingMode, Band::B}), "Working Mode:");
        QCOMPARE(captionOf({SettingId::RxFrequency, Band::A}), "Receiving Frequency: ");
        QCOMPARE(captionOf({SettingId::Offset, Band::B}), "Transmit Offset Frequency(MHZ):");
        QCOMPARE(captionOf({SettingId::TransmitBacklight}), "Transmit  Backlight");
        QCOMPARE(captionOf({SettingId::DtmfGroup8}), "DTMF8:");
        QCOMPARE(captionOf({SettingId::MasterIdCode}), "Master Control ID Code");
        QCOMPARE(captionOf({SettingId::BootMessage2}), "Boot Information 2:");
        QCOMPARE(captionOf({SettingId::LimitMode}), "Limit Frequency Band Mode:");
        QCOMPARE(p.find<QComboBox>(SettingRef{SettingId::RxMode, Band::B})->itemText(1),
                 "QT/DQT+ Signaling");
        QCOMPARE(p.find<QComboBox>(SettingRef{SettingId::RxTone, Band::A})->itemText(0), "0FF");
        QCOMPARE(p.find<QComboBox>(SettingRef{SettingId::Step, Band::A})->currentText(), "25K");
        QCOMPARE(p.find<QComboBox>(SettingRef{SettingId::VibrationRingTime})->itemText(0), "OFF");
        QCOMPARE(p.find<QComboBox>(SettingRef{SettingId::MainBand})->itemText(0), "A/upper Band ");
        QCOMPARE(p.find<QComboBox>(SettingRef{SettingId::DtmfTime})->count(), 4);
        for (const char* name : {"readBootMessage", "readLimits"}) {
            QCOMPARE(p.find<QPushButton>(name)->text(), "Read");
        }
        for (const char* name : {"writeBootMessage", "writeLimits"}) {
            QCOMPARE(p.find<QPushButton>(name)->text(), "Write");
        }
        // A band page holds the controls of its settings and no others.
        const std::vector<SettingRef> bandSettings =
            duoband::settingsOnPage(duoband::SettingsPage::BandSetup, Band::A);
        QCOMPARE(
            p.bandA->findChildren<QComboBox*>().size() + p.bandA->findChildren<QLineEdit*>().size(),
            qsizetype(bandSettings.size()));
    }

    void buttonsDoNothingWithoutAnOpenPort() {
        Pages p;
        QVERIFY(showActive(p.window));
        const duoband::EditorModel before = p.model;
        for (const char* name :
             {"readBootMessage", "writeBootMessage", "readLimits", "writeLimits"}) {
            QTest::mouseClick(p.find<QPushButton>(name), Qt::LeftButton);
        }
        QCOMPARE(p.host.exchangeRequests, 0);
        QVERIFY(p.dialogs.messages.isEmpty());
        QVERIFY(p.model == before);
    }

    void buttonsFollowTheWindowsExchanges() {
        Pages p;
        p.limits->setExchangeRunning(true);
        p.limits->setExchangeRunning(true);
        p.limits->setExchangeRunning(false);
        QVERIFY(!p.find<QPushButton>("readLimits")->isEnabled());
        p.limits->setExchangeRunning(false);
        QVERIFY(p.find<QPushButton>("readLimits")->isEnabled());
    }
};

QTEST_MAIN(SettingsPagesTest)
#include "pages_settings_test.moc"
