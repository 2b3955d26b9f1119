// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The "Limit Frequency" page's own Read and Write buttons against the
// simulated radio on a pseudo-terminal, through the real serial component,
// exchange and the window's radio.
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "duoband/editor_model.h"
#include "duoband/exchange.h"
#include "duoband/serial_port.h"
#include "duoband/settings_table.h"
#include "pages/limit_frequency_page.h"
#include "pages/page_host.h"
#include "pages_radio_host.h"
#include "pages_test_support.h"

using duoband::Block;
using duoband::SettingId;
using duoband::SettingRef;

namespace {

constexpr int kBootAddress = 0x02D0;
constexpr int kLimitsAddress = 0x02E0;

struct Fixture {
    Fixture() : page(model, host, nullptr) {}
    duoband::EditorModel model;
    RadioHost host;
    LimitFrequencyPage page;
    RecordingDialogs dialogs;

    // The control of a setting, by its widget name.
    template <typename T>
    T* find(SettingId id) {
        return control<T>(&page,
                          QString::fromStdString(duoband::settingObjectName(SettingRef{id})));
    }
    QLineEdit* edit(SettingId id) { return find<QLineEdit>(id); }
    QPushButton* button(const char* name) { return control<QPushButton>(&page, name); }
    void type(SettingId id, const QString& text) {
        QLineEdit* e = edit(id);
        QVERIFY(focus(e));
        QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, text);
    }
    // Clicks `name` and notes whether the four buttons were disabled, and
    // the host told of the exchange, while it waited for the radio.
    bool clickWatchingButtons(const char* name) {
        bool allDisabled = false;
        QTimer::singleShot(250, &page, [this, &allDisabled] {
            allDisabled = host.exchangesRunning == 1;
            for (const char* b :
                 {"readBootMessage", "writeBootMessage", "readLimits", "writeLimits"}) {
                allDisabled = allDisabled && !button(b)->isEnabled();
            }
        });
        const auto shown = dialogs.messages.size();
        QTest::mouseClick(button(name), Qt::LeftButton);
        // The exchange runs on the radio's thread: its end is a message.
        return QTest::qWaitFor([this, shown] { return dialogs.messages.size() > shown; }, 5000) &&
               allDisabled;
    }
};

}  // namespace

class LimitTransferTest : public QObject {
    Q_OBJECT

  private slots:
    void readBootMessage() {
        Fixture f;
        const char* block = "00FFFFFFFFFFFFFF0548454C4C4FFFFF";
        QVERIFY(f.host.start(memoryWith(kBootAddress, bytesOf(block)), {}));
        QVERIFY(showActive(f.page));
        f.type(SettingId::BootMessage1, "OLD");
        QVERIFY(f.clickWatchingButtons("readBootMessage"));
        QTRY_COMPARE(f.dialogs.messages, QStringList{"Read Success!"});
        QCOMPARE(f.edit(SettingId::BootMessage1)->text(), "");
        QCOMPARE(f.edit(SettingId::BootMessage2)->text(), "HELLO");
        QCOMPARE(f.model.blocks[Block::BootMessage], block);
        QCOMPARE(f.host.exchangesRunning, 0);
        for (const char* b : {"readBootMessage", "writeBootMessage", "readLimits", "writeLimits"}) {
            QVERIFY(f.button(b)->isEnabled());
        }
    }

    void readLimits() {
        Fixture f;
        const char* block = "00CF8500010C8E00FFFFFFFFFFFFFFFF01";
        QVERIFY(f.host.start(memoryWith(kLimitsAddress, bytesOf(block)), {}));
        QVERIFY(showActive(f.page));
        auto* limitMode = f.find<QComboBox>(SettingId::LimitMode);
        limitMode->setCurrentIndex(0);
        emit limitMode->activated(0);
        f.type(SettingId::LimitUhfLow, "440");
        QTest::mouseClick(f.button("readLimits"), Qt::LeftButton);
        QTRY_COMPARE(f.dialogs.messages, QStringList{"Read Success!"});
        QCOMPARE(f.edit(SettingId::LimitVhfLow)->text(), "136");
        QCOMPARE(f.edit(SettingId::LimitVhfHigh)->text(), "176");
        QCOMPARE(f.edit(SettingId::LimitUhfLow)->text(), "");
        QCOMPARE(f.edit(SettingId::LimitUhfHigh)->text(), "");
        QCOMPARE(limitMode->currentText(), "ON");
        QCOMPARE(f.model.blocks[Block::Limits], block);
    }

    void writeBootMessageAndLimits() {
        Fixture f;
        QVERIFY(f.host.start(memoryWith(0, {}), {}));
        QVERIFY(showActive(f.page));
        f.type(SettingId::BootMessage1, "ABC");
        f.type(SettingId::LimitUhfHigh, "480");
        QVERIFY(f.clickWatchingButtons(
            "writeBootMessage"));  // leaving the limit for the button commits it
        QTRY_COMPARE(f.dialogs.messages, QStringList{"Write Success!"});
        QVERIFY(QTest::qWaitFor([&f] { return !f.host.saved(kBootAddress, 16).isEmpty(); }, 2000));
        QCOMPARE(f.host.saved(kBootAddress, 16).toHex().toUpper(),
                 "03414243FFFFFFFF00FFFFFFFFFFFFFF");
        QTest::mouseClick(f.button("writeLimits"), Qt::LeftButton);
        QTRY_COMPARE(f.dialogs.messages.last(), "Write Success!");
        QVERIFY(QTest::qWaitFor(
            [&f] {
                return f.host.saved(kLimitsAddress, 17).toHex().toUpper() ==
                       "FFFFFFFFFFFFFFFFFFFFFFFF02DC6C0001";
            },
            2000));
    }

    void secondExchangeIsRefusedWhileOneRuns() {
        Fixture f;
        QVERIFY(f.host.start(memoryWith(kLimitsAddress, bytesOf("00CF8500")), {}));
        QVERIFY(showActive(f.page));
        QTimer::singleShot(200, &f.page, [&f] { f.page.writeBootMessage(); });
        QTest::mouseClick(f.button("readLimits"), Qt::LeftButton);
        QTRY_COMPARE(f.dialogs.messages,
                     (QStringList{QString::fromUtf8(duoband::kExchangeBusy), "Read Success!"}));
        QCOMPARE(f.edit(SettingId::LimitVhfLow)->text(), "136");
        QVERIFY(f.button("writeBootMessage")->isEnabled());
    }

    // A failed read keeps the edits: the page shows what a write sends.
    void lateAnswerIsAReadError() {
        Fixture f;
        QVERIFY(f.host.start(memoryWith(kBootAddress, bytesOf("0548454C4C4FFFFF")),
                             {"--late-at", "0", "--late-ms", "600"}));
        QVERIFY(showActive(f.page));
        f.type(SettingId::BootMessage1, "KEEP");
        f.type(SettingId::BootMessage2, "ME");
        QVERIFY(focus(f.button("readLimits")));
        const std::string bootField = f.model.blocks[Block::BootMessage];
        QTest::mouseClick(f.button("readBootMessage"), Qt::LeftButton);
        QTRY_COMPARE(f.dialogs.messages, QStringList{"Read Error!"});
        QCOMPARE(f.edit(SettingId::BootMessage1)->text(), "KEEP");
        QCOMPARE(f.edit(SettingId::BootMessage2)->text(), "ME");
        QCOMPARE(f.model.blocks[Block::BootMessage], bootField);
    }

    void lateLimitsLeaveTheModeAndTheField() {
        Fixture f;
        QVERIFY(f.host.start(memoryWith(kLimitsAddress, bytesOf("00CF8500")),
                             {"--late-at", "0", "--late-ms", "600"}));
        QVERIFY(showActive(f.page));
        f.type(SettingId::LimitVhfLow, "150");
        QVERIFY(focus(f.button("readLimits")));
        const std::string limitsField = f.model.blocks[Block::Limits];
        QTest::mouseClick(f.button("readLimits"), Qt::LeftButton);
        QTRY_COMPARE(f.dialogs.messages, QStringList{"Read Error!"});
        QCOMPARE(f.edit(SettingId::LimitVhfLow)->text(), "150");
        QCOMPARE(f.find<QComboBox>(SettingId::LimitMode)->currentText(), "ON");
        QCOMPARE(f.model.blocks[Block::Limits], limitsField);
    }
};

QTEST_MAIN(LimitTransferTest)
#include "pages_limit_transfer_test.moc"
