// The "Limit Frequency" page's own Read and Write buttons against the
// simulated radio on a pseudo-terminal, through the real serial component,
// exchange and Qt message pump.
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
#include "pages/limit_frequency_page.h"
#include "pages/page_host.h"
#include "pages_radio_host.h"
#include "pages_test_support.h"

namespace {

constexpr int kBootAddress = 0x02D0;
constexpr int kLimitsAddress = 0x02E0;

struct Fixture {
    Fixture() : page(model, host, nullptr) {}
    duoband::EditorModel model;
    RadioHost host;
    LimitFrequencyPage page;
    RecordingDialogs dialogs;

    QLineEdit* edit(const char* name) { return control<QLineEdit>(&page, name); }
    QPushButton* button(const char* name) { return control<QPushButton>(&page, name); }
    void type(const char* name, const QString& text) {
        QLineEdit* e = edit(name);
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
            for (const char* b : {"Button1", "Button2", "Button3", "Button4"}) {
                allDisabled = allDisabled && !button(b)->isEnabled();
            }
        });
        QTest::mouseClick(button(name), Qt::LeftButton);
        return allDisabled;
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
        f.type("kaiji1", "OLD");
        QVERIFY(f.clickWatchingButtons("Button1"));
        QCOMPARE(f.dialogs.messages, QStringList{"Read Success!"});
        QCOMPARE(f.edit("kaiji1")->text(), "");
        QCOMPARE(f.edit("kaiji2")->text(), "HELLO");
        QCOMPARE(f.model.k[10], block);
        QCOMPARE(f.host.exchangesRunning, 0);
        for (const char* b : {"Button1", "Button2", "Button3", "Button4"}) {
            QVERIFY(f.button(b)->isEnabled());
        }
    }

    void readLimits() {
        Fixture f;
        const char* block = "00CF8500010C8E00FFFFFFFFFFFFFFFF01";
        QVERIFY(f.host.start(memoryWith(kLimitsAddress, bytesOf(block)), {}));
        QVERIFY(showActive(f.page));
        auto* xp5 = control<QComboBox>(&f.page, "xp5");
        xp5->setCurrentIndex(0);
        emit xp5->activated(0);
        f.type("xp3", "440");
        QTest::mouseClick(f.button("Button3"), Qt::LeftButton);
        QCOMPARE(f.dialogs.messages, QStringList{"Read Success!"});
        QCOMPARE(f.edit("xp1")->text(), "136");
        QCOMPARE(f.edit("xp2")->text(), "176");
        QCOMPARE(f.edit("xp3")->text(), "");
        QCOMPARE(f.edit("xp4")->text(), "");
        QCOMPARE(xp5->currentText(), "ON");
        QCOMPARE(f.model.k[11], block);
    }

    void writeBootMessageAndLimits() {
        Fixture f;
        QVERIFY(f.host.start(memoryWith(0, {}), {}));
        QVERIFY(showActive(f.page));
        f.type("kaiji1", "ABC");
        f.type("xp4", "480");
        QVERIFY(f.clickWatchingButtons("Button2"));  // leaving xp4 for the button commits it
        QCOMPARE(f.dialogs.messages, QStringList{"Write Success!"});
        QVERIFY(QTest::qWaitFor([&f] { return !f.host.saved(kBootAddress, 16).isEmpty(); }, 2000));
        QCOMPARE(f.host.saved(kBootAddress, 16).toHex().toUpper(),
                 "03414243FFFFFFFF00FFFFFFFFFFFFFF");
        QTest::mouseClick(f.button("Button4"), Qt::LeftButton);
        QCOMPARE(f.dialogs.messages.last(), "Write Success!");
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
        QTimer::singleShot(200, &f.page, [&f] { f.page.Button2Click(); });
        QTest::mouseClick(f.button("Button3"), Qt::LeftButton);
        QCOMPARE(f.dialogs.messages,
                 (QStringList{QString::fromUtf8(duoband::kExchangeBusy), "Read Success!"}));
        QCOMPARE(f.edit("xp1")->text(), "136");
        QVERIFY(f.button("Button2")->isEnabled());
    }

    void lateAnswerIsAReadError() {
        Fixture f;
        QVERIFY(f.host.start(memoryWith(kBootAddress, bytesOf("0548454C4C4FFFFF")),
                             {"--late-at", "0", "--late-ms", "600"}));
        QVERIFY(showActive(f.page));
        f.type("kaiji1", "KEEP");
        f.type("kaiji2", "ME");
        QVERIFY(focus(f.button("Button3")));
        const std::string k10 = f.model.k[10];
        QTest::mouseClick(f.button("Button1"), Qt::LeftButton);
        QCOMPARE(f.dialogs.messages, QStringList{"Read Error!"});
        QCOMPARE(f.edit("kaiji1")->text(), "");
        QCOMPARE(f.edit("kaiji2")->text(), "");
        QCOMPARE(f.model.k[10], k10);
    }

    void lateLimitsLeaveTheModeAndTheField() {
        Fixture f;
        QVERIFY(f.host.start(memoryWith(kLimitsAddress, bytesOf("00CF8500")),
                             {"--late-at", "0", "--late-ms", "600"}));
        QVERIFY(showActive(f.page));
        f.type("xp1", "150");
        QVERIFY(focus(f.button("Button3")));
        const std::string k11 = f.model.k[11];
        QTest::mouseClick(f.button("Button3"), Qt::LeftButton);
        QCOMPARE(f.dialogs.messages, QStringList{"Read Error!"});
        QCOMPARE(f.edit("xp1")->text(), "");
        QCOMPARE(control<QComboBox>(&f.page, "xp5")->currentText(), "ON");
        QCOMPARE(f.model.k[11], k11);
    }
};

QTEST_MAIN(LimitTransferTest)
#include "pages_limit_transfer_test.moc"
