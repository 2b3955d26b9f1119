// The settings pages as a user edits them: picks in the lists and texts
// typed into the edits change exactly their slice of the block fields.
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "duoband/editor_model.h"
#include "duoband/message_pump.h"
#include "duoband/settings_editing.h"
#include "pages/band_setup_page.h"
#include "pages/dtmf_page.h"
#include "pages/general_page.h"
#include "pages/limit_frequency_page.h"
#include "pages/page_host.h"
#include "pages_test_support.h"

using duoband::Band;

namespace {

// A window whose port is shown closed: the page must not touch the exchange.
class ClosedPortHost final : public PageHost {
  public:
    bool portShownOpen() const override { return false; }
    duoband::ProgrammingExchange& exchange() override {
        ++exchangeRequests;
        return exchange_;
    }
    void exchangeRunning(bool) override { ++exchangeRequests; }
    int exchangeRequests = 0;

  private:
    duoband::SerialPort comm_;
    duoband::HeadlessPump pump_{comm_};
    duoband::ProgrammingExchange exchange_{comm_, pump_};
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
    // Characters first..last (from 1) of block field kN.
    QString slice(int n, int first, int last) const {
        return QString::fromStdString(
            model.k[n].substr(std::size_t(first - 1), std::size_t(last - first + 1)));
    }
    template <typename T>
    T* find(const QString& name) {
        return control<T>(&window, name);
    }
    // Replaces the text of edit `name` by typing, then leaves it by `how`.
    void type(const QString& name, const QString& text, bool byEnter) {
        QLineEdit* edit = find<QLineEdit>(name);
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
    void pick(const QString& name, int entry) {
        QComboBox* box = find<QComboBox>(name);
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

// The block field a band page control writes: k1/k2 on band A, k3/k4 on B.
int bandField(const QString& name, int firstOrSecond) {
    return (name.startsWith("left") ? 0 : 2) + firstOrSecond;
}

}  // namespace

class SettingsPagesTest : public QObject {
    Q_OBJECT

  private slots:
    void pickInEachKindOfList_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("first");
        QTest::addColumn<QString>("code");
        for (const QString side : {"left", "right"}) {
            const int k1 = bandField(side, 1);
            const int k2 = bandField(side, 2);
            auto row = [&](const char* what) -> QTestData& {
                return QTest::newRow(qPrintable(side + " " + what));
            };
            row("1 channel mode") << side + "1" << 1 << k1 << 1 << "01";
            row("2 channel 128") << side + "2" << 127 << k1 << 3 << "7F";
            row("4 D023N") << side + "4" << 40 << k1 << 13 << "8023";
            row("4 D023I") << side + "4" << 123 << k1 << 13 << "C023";
            row("7 88.5HZ") << side + "7" << 9 << k1 << 21 << "0375";
            row("7 0FF") << side + "7" << 0 << k1 << 21 << "FFFF";
            row("8 identity code") << side + "8" << 17 << k1 << 25 << "11";
            row("5 identity code") << side + "5" << 17 << k1 << 27 << "11";
            row("6 signaling") << side + "6" << 1 << k1 << 17 << "01";
            row("10 low") << side + "10" << 0 << k1 << 29 << "00";
            row("11 narrow") << side + "11" << 0 << k1 << 31 << "00";
            row("12 on") << side + "12" << 1 << k2 << 1 << "01";
            row("13 on") << side + "13" << 1 << k2 << 3 << "01";
            row("14 minus") << side + "14" << 2 << k2 << 5 << "02";
            row("16 6.25K") << side + "16" << 2 << k2 << 15 << "0271";
        }
        QTest::newRow("gn1 band B") << "gn1" << 1 << 5 << 1 << "01";
        QTest::newRow("gn2 volume 20") << "gn2" << 20 << 5 << 3 << "14";
        QTest::newRow("gn9 9") << "gn9" << 9 << 5 << 19 << "09";
        QTest::newRow("gn11 600") << "gn11" << 20 << 5 << 23 << "14";
        QTest::newRow("gn12 1000HZ") << "gn12" << 0 << 5 << 25 << "03E8";
        QTest::newRow("gn13 200MS") << "gn13" << 3 << 5 << 29 << "00C8";
        QTest::newRow("gn15 on") << "gn15" << 1 << 5 << 35 << "01";
        QTest::newRow("xp5 OFF") << "xp5" << 0 << 11 << 33 << "00";
    }
    void pickInEachKindOfList() {
        QFETCH(QString, name);
        QFETCH(int, entry);
        QFETCH(int, field);
        QFETCH(int, first);
        QFETCH(QString, code);
        Pages p;
        const duoband::BlockFields before = p.model.k;
        p.pick(name, entry);
        std::string expected = before[field];
        expected.replace(std::size_t(first - 1), std::size_t(code.size()), code.toStdString());
        QCOMPARE(p.model.k[field], expected);
        for (int n = 1; n <= 15; ++n) {
            if (n != field) QCOMPARE(p.model.k[n], before[n]);
        }
        QCOMPARE(p.find<QComboBox>(name)->currentIndex(), entry);
        QVERIFY(p.dialogs.messages.isEmpty());
    }

    void currentStateHasNoBlockField() {
        Pages p;
        const duoband::BlockFields before = p.model.k;
        p.pick("sypz9", 2);
        QCOMPARE(p.model.sypz9.index, 2);
        QCOMPARE(p.model.k, before);
    }

    void typedValueInEachKindOfText_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("first");
        QTest::addColumn<QString>("code");
        QTest::newRow("left3 136") << "left3"
                                   << "136" << true << 1 << 5 << "00CF8500";
        QTest::newRow("right3 176") << "right3"
                                    << "176" << false << 3 << 5 << "010C8E00";
        QTest::newRow("left3 150.05") << "left3"
                                      << "150.05" << false << 1 << 5 << "00E4F548";
        QTest::newRow("right3 empty") << "right3"
                                      << "" << true << 3 << 5 << "FFFFFFFF";
        QTest::newRow("left15 0.6") << "left15"
                                    << "0.6" << false << 2 << 7 << "0000EA60";
        QTest::newRow("right15 empty") << "right15"
                                       << "" << true << 4 << 7 << "FFFFFFFF";
        QTest::newRow("gn3 100.55") << "gn3"
                                    << "100.55" << true << 5 << 5 << "03ED";
        QTest::newRow("gn3 88") << "gn3"
                                << "88" << false << 5 << 5 << "0370";
        QTest::newRow("gn3 108") << "gn3"
                                 << "108" << true << 5 << 5 << "0438";
        QTest::newRow("sy1 12#") << "sy1"
                                 << "12#" << false << 6 << 1 << "0301020CFFFFFFFF";
        QTest::newRow("sy2 C") << "sy2"
                               << "C" << true << 6 << 17 << "010FFFFFFFFFFFFF";
        QTest::newRow("sy8 7 digits") << "sy8"
                                      << "1234567" << false << 9 << 17
                                      << "07010203040506"
                                         "07";
        QTest::newRow("sypz3 D") << "sypz3"
                                 << "D" << false << 13 << 1 << "0100FFFFFFFF";
        QTest::newRow("sypz2 *0") << "sypz2"
                                  << "*0" << true << 12 << 17 << "020B0AFFFFFFFFFF";
        QTest::newRow("sypz8 5") << "sypz8"
                                 << "5" << false << 15 << 13 << "0105FFFFFFFF";
        QTest::newRow("kaiji1 ABC") << "kaiji1"
                                    << "ABC" << false << 10 << 1 << "03414243FFFFFFFF";
        QTest::newRow("kaiji2 empty") << "kaiji2"
                                      << "" << true << 10 << 17 << "00FFFFFFFFFFFFFF";
        QTest::newRow("xp1 136") << "xp1"
                                 << "136" << false << 11 << 1 << "00CF8500";
        QTest::newRow("xp4 480") << "xp4"
                                 << "480" << true << 11 << 25 << "02DC6C00";
    }
    void typedValueInEachKindOfText() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, byEnter);
        QFETCH(int, field);
        QFETCH(int, first);
        QFETCH(QString, code);
        Pages p;
        QVERIFY(showActive(p.window));
        // Start from a text and a field that differ from the result.
        const auto which = duoband::settingsControlNamed(name.toStdString());
        QVERIFY(which.has_value());
        *duoband::textOf(p.model, *which) = "1";
        p.showModel();
        p.model.k[field].replace(std::size_t(first - 1), std::size_t(code.size()),
                                 std::string(std::size_t(code.size()), '0'));
        const duoband::BlockFields before = p.model.k;
        p.type(name, text, byEnter);
        std::string expected = before[field];
        expected.replace(std::size_t(first - 1), std::size_t(code.size()), code.toStdString());
        QCOMPARE(p.model.k[field], expected);
        for (int n = 1; n <= 15; ++n) {
            if (n != field) QCOMPARE(p.model.k[n], before[n]);
        }
        QCOMPARE(p.find<QLineEdit>(name)->text(), text);
        QVERIFY(p.dialogs.messages.isEmpty());
    }

    void outOfRangeReceiveFrequencyStoresNoFrequency_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("field");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("left3") << "left3" << 1 << true;
        QTest::newRow("right3") << "right3" << 3 << false;
    }
    void outOfRangeReceiveFrequencyStoresNoFrequency() {
        QFETCH(QString, name);
        QFETCH(int, field);
        QFETCH(bool, byEnter);
        Pages p;
        QVERIFY(showActive(p.window));
        p.type(name, "145", true);
        QCOMPARE(p.slice(field, 5, 12), "00DD40A0");
        p.type(name, "176.00001", byEnter);
        QCOMPARE(p.dialogs.messages,
                 QStringList{"Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ "});
        QCOMPARE(p.slice(field, 5, 12), "FFFFFFFF");
        QCOMPARE(p.find<QLineEdit>(name)->text(), "");
        QCOMPARE(p.model.k[field].size(), 32u);
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
        p.type("gn3", "100", true);
        QCOMPARE(p.slice(5, 5, 8), "03E8");
        p.type("gn3", text, false);
        QCOMPARE(p.dialogs.messages, QStringList{"FM Frequency 88~108MHz"});
        QCOMPARE(p.slice(5, 5, 8), "FFFF");
        QCOMPARE(p.find<QLineEdit>("gn3")->text(), "");
    }

    void notANumberIsReportedOnceAndChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("left3") << "left3";
        QTest::newRow("right15") << "right15";
        QTest::newRow("gn3") << "gn3";
        QTest::newRow("xp2") << "xp2";
    }
    void notANumberIsReportedOnceAndChangesNothing() {
        QFETCH(QString, name);
        Pages p;
        QVERIFY(showActive(p.window));
        const duoband::BlockFields before = p.model.k;
        p.type(name, "1.2.3", true);
        QCOMPARE(p.dialogs.messages.size(), 1);
        QVERIFY(focus(p.elsewhere));  // leaving the same text again: no second report
        QVERIFY(focus(p.find<QLineEdit>(name)));
        QVERIFY(focus(p.elsewhere));
        QCOMPARE(p.dialogs.messages.size(), 1);
        QCOMPARE(p.model.k, before);
    }

    void dtmfKeyFilters() {
        Pages p;
        QVERIFY(showActive(p.window));
        QLineEdit* sy1 = p.find<QLineEdit>("sy1");
        QVERIFY(focus(sy1));
        QTest::keyClicks(sy1, "1a");
        QCOMPARE(sy1->text(), "1");
        QCOMPARE(p.dialogs.messages, QStringList{"DTMF:1,2,3,4,5,6,7,8,9,0,*,#,A,B,D"});
        QTest::keyClicks(sy1, "2345678");  // the eighth character goes silently
        QCOMPARE(sy1->text(), "1234567");
        QCOMPARE(p.dialogs.messages.size(), 1);
        QTest::keyClick(sy1, Qt::Key_Backspace);
        QCOMPARE(sy1->text(), "123456");
        QCOMPARE(p.slice(6, 1, 16), "06010203040506FF");

        QLineEdit* sypz4 = p.find<QLineEdit>("sypz4");
        QVERIFY(focus(sypz4));
        QTest::keyClicks(sypz4, "x123456");
        QCOMPARE(sypz4->text(), "12345");
        QCOMPARE(p.dialogs.messages.last(),
                 QString::fromUtf8("输入以下字符:1,2,3,4,5,6,7,8,9,0,*,#,A,B,D"));
        QCOMPARE(p.slice(13, 13, 24), "050102030405");
    }

    void pastedTextIsFilteredAndCut() {
        Pages p;
        QVERIFY(showActive(p.window));
        QLineEdit* sy3 = p.find<QLineEdit>("sy3");
        QVERIFY(focus(sy3));
        sy3->insert("12ab#9999999");
        QCOMPARE(sy3->text(), "12#9999");
        QCOMPARE(p.slice(7, 1, 16), "0701020C09090909");
        QLineEdit* sypz5 = p.find<QLineEdit>("sypz5");
        QVERIFY(focus(sypz5));
        sypz5->insert("d-D-1-2-3-4");
        QCOMPARE(sypz5->text(), "D1234");
        QLineEdit* kaiji2 = p.find<QLineEdit>("kaiji2");
        QVERIFY(focus(kaiji2));
        kaiji2->insert(QString::fromUtf8("Hé\tllo-World"));
        QCOMPARE(kaiji2->text(), "Hllo-Wo");
        QCOMPARE(p.slice(10, 17, 32), "07486C6C6F2D576F");
    }

    void enterInALimitMovesToTheNext() {
        Pages p;
        QVERIFY(showActive(p.window));
        p.type("xp1", "136", true);
        QVERIFY(p.find<QLineEdit>("xp2")->hasFocus());
        QCOMPARE(p.slice(11, 1, 8), "00CF8500");
        QTest::keyClicks(p.find<QLineEdit>("xp2"), "174");
        QTest::keyClick(p.find<QLineEdit>("xp2"), Qt::Key_Return);
        QVERIFY(p.find<QLineEdit>("xp3")->hasFocus());
        QCOMPARE(p.slice(11, 9, 16), "010980C0");
    }

    void commitPendingEditTakesTheFocusedText() {
        Pages p;
        QVERIFY(showActive(p.window));
        QLineEdit* gn3 = p.find<QLineEdit>("gn3");
        QVERIFY(focus(gn3));
        QTest::keyClicks(gn3, "99.9");
        QCOMPARE(p.slice(5, 5, 8), "FFFF");
        p.bandA->commitPendingEdit();  // not on this page: nothing
        QCOMPARE(p.slice(5, 5, 8), "FFFF");
        p.general->commitPendingEdit();
        QCOMPARE(p.slice(5, 5, 8), "03E7");
    }

    void showModelRunsNoHandler() {
        Pages p;
        QVERIFY(showActive(p.window));
        p.model.left.c4.select(40);
        p.model.right.c3 = "999";
        p.model.gn13.select(3);
        p.model.sy[5] = "ABC";
        p.model.xp[2] = "146.525";
        p.model.kaiji1 = "HELLO";
        const duoband::BlockFields before = p.model.k;
        p.showModel();
        QCOMPARE(p.find<QComboBox>("left4")->currentText(), "D023N");
        QCOMPARE(p.find<QLineEdit>("right3")->text(), "999");
        QCOMPARE(p.find<QComboBox>("gn13")->currentText(), "200MS");
        QCOMPARE(p.find<QLineEdit>("sy5")->text(), "ABC");
        QCOMPARE(p.find<QLineEdit>("xp2")->text(), "146.525");
        QCOMPARE(p.find<QLineEdit>("kaiji1")->text(), "HELLO");
        // Leaving a shown text unchanged takes nothing over.
        QVERIFY(focus(p.find<QLineEdit>("right3")));
        QVERIFY(focus(p.elsewhere));
        QCOMPARE(p.model.k, before);
        QVERIFY(p.dialogs.messages.isEmpty());
    }

    void captionsAndEntries() {
        Pages p;
        auto captionOf = [&p](const QString& name) {
            QWidget* target = p.find<QWidget>(name);
            for (QLabel* label : p.window.findChildren<QLabel*>()) {
                if (label->buddy() == target) return label->text();
            }
            return QString();
        };
        QCOMPARE(captionOf("left1"), "Working Mode :");
        QCOMPARE(captionOf("right1"), "Working Mode:");
        QCOMPARE(captionOf("left3"), "Receiving Frequency: ");
        QCOMPARE(captionOf("right15"), "Transmit Offset Frequency(MHZ):");
        QCOMPARE(captionOf("gn6"), "Transmit  Backlight");
        QCOMPARE(captionOf("sy8"), "DTMF8:");
        QCOMPARE(captionOf("sypz2"), "Master Control ID Code");
        QCOMPARE(captionOf("kaiji2"), "Boot Information 2:");
        QCOMPARE(captionOf("xp5"), "Limit Frequency Band Mode:");
        QCOMPARE(p.find<QComboBox>("right6")->itemText(1), "QT/DQT+ Signaling");
        QCOMPARE(p.find<QComboBox>("left4")->itemText(0), "0FF");
        QCOMPARE(p.find<QComboBox>("left16")->currentText(), "25K");
        QCOMPARE(p.find<QComboBox>("gn9")->itemText(0), QString::fromUtf8("关"));
        QCOMPARE(p.find<QComboBox>("gn1")->itemText(0), "A/upper Band ");
        QCOMPARE(p.find<QComboBox>("gn13")->count(), 4);
        for (const char* name : {"Button1", "Button3"}) {
            QCOMPARE(p.find<QPushButton>(name)->text(), "Read");
        }
        for (const char* name : {"Button2", "Button4"}) {
            QCOMPARE(p.find<QPushButton>(name)->text(), "Write");
        }
        QVERIFY(p.window.findChild<QWidget*>("left9") == nullptr);
    }

    void buttonsDoNothingWithoutAnOpenPort() {
        Pages p;
        QVERIFY(showActive(p.window));
        const duoband::EditorModel before = p.model;
        for (const char* name : {"Button1", "Button2", "Button3", "Button4"}) {
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
        QVERIFY(!p.find<QPushButton>("Button3")->isEnabled());
        p.limits->setExchangeRunning(false);
        QVERIFY(p.find<QPushButton>("Button3")->isEnabled());
    }
};

QTEST_MAIN(SettingsPagesTest)
#include "pages_settings_test.moc"
