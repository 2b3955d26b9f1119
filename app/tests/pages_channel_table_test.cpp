// The channel grids as a technician uses them: selecting cells with the
// mouse and the keyboard, typing into the entries and picking from the
// choice editors, on both bands.
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "duoband/editor_model.h"
#include "duoband/option_lists.h"
#include "pages/channel_table_page.h"
#include "pages_test_support.h"

using duoband::Band;
using duoband::ChannelTable;

Q_DECLARE_METATYPE(duoband::Band)

namespace {

const QStringList kReceiveDefaults{"0FF", "OFF", "High", "Wide", "OFF", "OFF"};
constexpr int kReceiveDefaultColumns[] = {2, 3, 8, 9, 10, 11};

// The editors of a grid: t1..t13 on band A, p1..p13 on band B (no 4).
QString editorName(Band band, int number) {
    return QString(band == Band::A ? "t%1" : "p%1").arg(number);
}

// Every column of `row`, for comparing whole rows.
QStringList rowTexts(const ChannelTable& table, int row) {
    QStringList texts;
    for (int col = 1; col < ChannelTable::kColumns; ++col) {
        texts << QString::fromStdString(table.cell(col, row));
    }
    return texts;
}

}  // namespace

class ChannelTablePageTest : public QObject {
    Q_OBJECT

  private:
    struct Fixture {
        explicit Fixture(Band b) : band(b), page(model, b, nullptr) {}
        duoband::EditorModel model;
        Band band;
        ChannelTablePage page;
        RecordingDialogs dialogs;

        ChannelTable& table() { return model.table(band); }
        ChannelGrid* grid() { return page.grid(); }
        QLineEdit* entry(int number) { return control<QLineEdit>(&page, editorName(band, number)); }
        QComboBox* choice(int number) {
            return control<QComboBox>(&page, editorName(band, number));
        }

        // A mouse click on cell (col, row) of the grid, as a user selects it.
        void click(int col, int row) {
            const QModelIndex index = grid()->model()->index(row - 1, col);
            grid()->scrollTo(index);
            QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
                              grid()->visualRect(index).center());
        }
        // Selects the cell and types `text` into its entry, then `key`.
        void type(int col, int row, const QString& text, Qt::Key key = Qt::Key_Return) {
            click(col, row);
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused != nullptr);
            QTest::keyClick(focused, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(focused, Qt::Key_Backspace);
            QTest::keyClicks(focused, text);
            QTest::keyClick(focused, key);
        }
        int visibleEditors() {
            int visible = 0;
            for (int number : {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13}) {
                visible += page.findChild<QWidget*>(editorName(band, number))->isVisible() ? 1 : 0;
            }
            return visible;
        }
    };

    static void addBands() {
        QTest::addColumn<Band>("band");
        QTest::newRow("A") << Band::A;
        QTest::newRow("B") << Band::B;
    }

  private slots:
    void gridFrame_data() { addBands(); }
    void gridFrame() {
        QFETCH(Band, band);
        Fixture f(band);
        ChannelGrid* grid = f.grid();
        QCOMPARE(grid->objectName(), band == Band::A ? "StringGrid1" : "StringGrid2");
        QCOMPARE(grid->model()->rowCount(), 128);
        QCOMPARE(grid->model()->columnCount(), 13);
        const int widths[] = {55, 75, 80, 130, 95, 90, 130, 130, 60, 75, 75, 75, 80};
        for (int col = 0; col < 13; ++col) QCOMPARE(grid->columnWidth(col), widths[col]);
        QCOMPARE(grid->horizontalHeader()->height(), 40);
        QCOMPARE(grid->rowHeight(0), 30);
        QCOMPARE(grid->model()->headerData(12, Qt::Horizontal).toString(), "Channel Name");
        QCOMPARE(grid->model()->headerData(4, Qt::Horizontal).toString(), "Transmission Frequency");
        QCOMPARE(grid->model()->index(127, 0).data().toString(), "128");
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void receiveFrequencyWritesDefaults_data() { addBands(); }
    void receiveFrequencyWritesDefaults() {
        QFETCH(Band, band);
        Fixture f(band);
        QVERIFY(showActive(f.page));
        f.table().cell(12, 5) = "KEEP";
        f.table().cell(4, 5) = "440.00000";
        f.type(1, 5, "145.5");
        QCOMPARE(f.table().cell(1, 5), "145.50000");
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(QString::fromStdString(f.table().cell(kReceiveDefaultColumns[i], 5)),
                     kReceiveDefaults[i]);
        }
        QCOMPARE(f.table().cell(12, 5), "KEEP");
        QCOMPARE(f.table().cell(4, 5), "440.00000");
        QVERIFY(f.dialogs.messages.isEmpty());
        // Enter moved on to the next channel, whose entry is open and empty.
        QCOMPARE(f.page.cellPointer(), (duoband::CellPointer{1, 6}));
        QVERIFY(f.entry(1)->isVisible());
        QCOMPARE(f.entry(1)->text(), "");
        QCOMPARE(f.grid()->model()->index(4, 1).data().toString(), "145.50000");
    }

    void sameFrequencyWritesNothing_data() { addBands(); }
    void sameFrequencyWritesNothing() {
        QFETCH(Band, band);
        Fixture f(band);
        QVERIFY(showActive(f.page));
        f.table().cell(1, 3) = "145.50000";
        f.table().cell(2, 3) = "67.0HZ";
        f.table().cell(8, 3) = "Low";
        const QStringList before = rowTexts(f.table(), 3);
        f.click(1, 3);
        QLineEdit* entry = f.entry(1);
        QCOMPARE(entry->text(), "145.50000");
        entry->selectAll();
        QTest::keyClick(entry, Qt::Key_Backspace);
        QTest::keyClicks(entry, "145.5");
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(rowTexts(f.table(), 3), before);
    }

    // An entry that holds nine characters takes no digit or point, even with
    // its whole text selected, until Backspace has deleted something.
    void fullEntryRefusesTypingOverItsSelection() {
        Fixture f(Band::A);
        QVERIFY(showActive(f.page));
        f.table().cell(1, 6) = "145.50000";
        f.click(1, 6);
        QLineEdit* entry = f.entry(1);
        entry->selectAll();
        QTest::keyClicks(entry, "1.");
        QCOMPARE(entry->text(), "145.50000");
        QTest::keyClick(entry, Qt::Key_Backspace);
        QTest::keyClicks(entry, "146.1");
        QCOMPARE(entry->text(), "146.1");
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(f.table().cell(1, 6), "146.10000");
    }

    void outOfRangeShowsTheBandsMessage_data() {
        QTest::addColumn<Band>("band");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("entryStays");
        QTest::newRow("A receive")
            << Band::A << 1 << "Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ " << false;
        QTest::newRow("A transmit")
            << Band::A << 4 << "Transmission Frequency in 136~176MHZ 220~250MHZ 400~490MHZ "
            << false;
        QTest::newRow("B receive")
            << Band::B << 1 << "Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ" << true;
        QTest::newRow("B transmit")
            << Band::B << 4 << "Transmission Frequency in 136~176MHZ 220~250MHZ 400~490MHZ"
            << false;
    }
    void outOfRangeShowsTheBandsMessage() {
        QFETCH(Band, band);
        QFETCH(int, column);
        QFETCH(QString, message);
        QFETCH(bool, entryStays);
        Fixture f(band);
        QVERIFY(showActive(f.page));
        ChannelTable& t = f.table();
        const std::array<std::string, 13> filled{
            "",      "145.50000", "67.0HZ", "QT/DQT", "146.00000", "D023N", "DTMF1",
            "DTMF2", "High",      "Wide",   "ON",     "ON",        "NAME"};
        for (int col = 1; col < 13; ++col) t.cell(col, 7) = filled[static_cast<std::size_t>(col)];
        f.type(column, 7, "300");
        QCOMPARE(f.dialogs.messages, QStringList{message});
        const bool receive = column == 1;
        const std::vector<int> cleared =
            receive ? std::vector<int>{1, 2, 3, 8, 9, 10, 11, 12} : std::vector<int>{4, 5, 6, 7};
        for (int col = 1; col < 13; ++col) {
            const bool isCleared = std::find(cleared.begin(), cleared.end(), col) != cleared.end();
            QCOMPARE(t.cell(col, 7), isCleared ? std::string() : filled[std::size_t(col)]);
        }
        const int number = receive ? 1 : 5;
        QCOMPARE(f.entry(number)->isVisible(), entryStays);
        if (entryStays) QCOMPARE(f.entry(number)->text(), "300");
        // The selection stays on the refused cell.
        QCOMPARE(f.page.cellPointer(), (duoband::CellPointer{column, 7}));
    }

    void dependentCellsOpenOnlyWithTheirFrequency_data() { addBands(); }
    void dependentCellsOpenOnlyWithTheirFrequency() {
        QFETCH(Band, band);
        Fixture f(band);
        QVERIFY(showActive(f.page));
        f.click(1, 9);  // opens the receive entry
        QCOMPARE(f.visibleEditors(), 1);
        f.click(2, 9);  // CTCSS of a row without receive frequency
        QCOMPARE(f.visibleEditors(), 0);
        QCOMPARE(f.page.cellPointer(), (duoband::CellPointer{2, 9}));
        f.click(12, 9);
        QCOMPARE(f.visibleEditors(), 0);
        f.table().cell(4, 9) = "440.00000";  // a transmit frequency opens its columns
        f.click(5, 9);
        QVERIFY(f.choice(6)->isVisible());
        QCOMPARE(f.visibleEditors(), 1);
        QVERIFY(f.table().cell(2, 9).empty());
    }

    void pickedToneLandsInItsCell_data() { addBands(); }
    void pickedToneLandsInItsCell() {
        QFETCH(Band, band);
        Fixture f(band);
        QVERIFY(showActive(f.page));
        f.table().cell(1, 11) = "145.50000";
        f.table().cell(2, 11) = "D754I";
        const QStringList before = rowTexts(f.table(), 11);
        f.click(2, 11);
        QComboBox* t2 = f.choice(2);
        QVERIFY(t2->isVisible());
        QCOMPARE(t2->currentIndex(), 0);  // opens on entry 0 whatever the cell holds
        QCOMPARE(t2->currentText(), "OFF");
        QCOMPARE(t2->count(), 206);
        t2->setCurrentIndex(40);
        emit t2->activated(40);
        QCOMPARE(f.table().cell(2, 11), "D023N");
        QStringList expected = before;
        expected[1] = "D023N";
        QCOMPARE(rowTexts(f.table(), 11), expected);
        QVERIFY(!t2->isVisible());
        QCOMPARE(f.grid()->model()->index(10, 2).data().toString(), "D023N");
    }

    void keyboardOpensAndPicksAChoice() {
        Fixture f(Band::A);
        QVERIFY(showActive(f.page));
        f.table().cell(1, 2) = "145.50000";
        f.click(8, 2);  // Power
        QVERIFY(focus(f.grid()));
        QTest::keyClick(f.grid(), Qt::Key_F2);
        QComboBox* t9 = f.choice(9);
        QVERIFY(QTest::qWaitFor([t9] { return t9->view()->isVisible(); }, 1000));
        QTest::keyClick(t9->view(), Qt::Key_Down);
        QTest::keyClick(t9->view(), Qt::Key_Return);
        QCOMPARE(f.table().cell(8, 2), "High");
        QVERIFY(!t9->isVisible());
        QVERIFY(f.grid()->hasFocus());
    }

    // A whole channel from the keyboard alone: focus comes to the grid with
    // Tab, typing on a frequency or name cell opens its entry, Tab commits
    // and moves right, Space opens a list and Enter picks.
    void keyboardAloneFillsAChannel() {
        Fixture f(Band::B);
        auto* start = new QLineEdit(&f.page);  // where the focus comes from
        static_cast<QVBoxLayout*>(f.page.layout())->insertWidget(0, start);
        QVERIFY(showActive(f.page));
        QVERIFY(focus(start));
        const auto focused = [] {
            QWidget* popup = QApplication::activePopupWidget();
            return popup != nullptr ? popup->focusWidget() : QApplication::focusWidget();
        };
        const auto key = [&focused](Qt::Key k) { QTest::keyClick(focused(), k); };
        const auto pick = [&](int downs) {
            key(Qt::Key_Space);
            for (int i = 0; i < downs; ++i) key(Qt::Key_Down);
            key(Qt::Key_Return);
            key(Qt::Key_Tab);
        };
        key(Qt::Key_Tab);
        QVERIFY(f.grid()->hasFocus() || f.entry(1)->hasFocus());
        QCOMPARE(f.page.cellPointer(), (duoband::CellPointer{1, 1}));
        QTest::keyClicks(focused(), "438.5");
        key(Qt::Key_Tab);
        pick(2);  // Receiving CTCSS: 69.3HZ
        pick(1);  // Receiving Mode: QT/DQT+Signaling
        QTest::keyClicks(focused(), "431");
        key(Qt::Key_Tab);
        pick(3);   // Transmission CTCSS: 71.9HZ
        pick(1);   // Launch Signaling: DTMF1
        pick(17);  // Transmit end Signaling: Identity Code
        pick(0);   // Power: Low
        pick(0);   // Wide / Narrow: Narrow
        pick(1);   // Compandor: ON
        pick(1);   // Scrambler: ON
        QTest::keyClicks(focused(), "KEYS");
        key(Qt::Key_Return);
        QCOMPARE(rowTexts(f.table(), 1),
                 (QStringList{"438.50000", "69.3HZ", "QT/DQT+Signaling", "431.00000", "71.9HZ",
                              "DTMF1", "Identity Code", "Low", "Narrow", "ON", "ON", "KEYS"}));
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void nameKeepsSevenPrintableCharacters_data() { addBands(); }
    void nameKeepsSevenPrintableCharacters() {
        QFETCH(Band, band);
        Fixture f(band);
        QVERIFY(showActive(f.page));
        f.table().cell(1, 4) = "145.50000";
        f.type(12, 4, "ABCDEFGH");
        QCOMPARE(f.table().cell(12, 4), "ABCDEFG");
        // Pasted text is filtered like typed text and cut to seven.
        f.click(12, 4);
        QLineEdit* t13 = f.entry(13);
        t13->clear();
        t13->insert(
            QString::fromUtf8("a,b\"c'd\xC3\xA9"
                              "efghij"));
        QCOMPARE(t13->text(), "abcdefg");
        QTest::keyClick(t13, Qt::Key_Return);
        QCOMPARE(f.table().cell(12, 4), "abcdefg");
    }

    void clickElsewhereCommitsToTheOpenedCell() {
        Fixture f(Band::B);
        QVERIFY(showActive(f.page));
        f.click(4, 20);
        QTest::keyClicks(f.entry(5), "430.0125");
        f.click(1, 30);  // another cell: the transmit entry commits to row 20
        QCOMPARE(f.table().cell(4, 20), "430.01250");
        QCOMPARE(f.table().cell(5, 20), "0FF");
        QCOMPARE(f.table().cell(6, 20), "OFF");
        QCOMPARE(f.table().cell(7, 20), "OFF");
        QVERIFY(f.table().cell(4, 30).empty());
        QCOMPARE(f.page.cellPointer(), (duoband::CellPointer{1, 30}));
        QVERIFY(f.entry(1)->isVisible());
        QVERIFY(!f.entry(5)->isVisible());
    }

    void tabCommitsAndMovesRight() {
        Fixture f(Band::A);
        QVERIFY(showActive(f.page));
        f.type(1, 1, "146.0201", Qt::Key_Tab);
        QCOMPARE(f.table().cell(1, 1), "146.02250");  // snapped up to the 2.5 kHz grid
        QCOMPARE(f.page.cellPointer(), (duoband::CellPointer{2, 1}));
        QVERIFY(f.choice(2)->isVisible());
        QTest::keyClick(f.grid(), Qt::Key_Right);
        QCOMPARE(f.page.cellPointer(), (duoband::CellPointer{3, 1}));
        QVERIFY(f.choice(3)->isVisible());
        QVERIFY(!f.choice(2)->isVisible());
    }

    void escapeCancelsTheEntry() {
        Fixture f(Band::A);
        QVERIFY(showActive(f.page));
        f.type(1, 2, "150", Qt::Key_Escape);
        QVERIFY(f.table().cell(1, 2).empty());
        QVERIFY(!f.entry(1)->isVisible());
        QVERIFY(f.grid()->hasFocus());
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void notAFrequencyKeepsTheRow() {
        Fixture f(Band::A);
        QVERIFY(showActive(f.page));
        f.table().cell(1, 8) = "150.00000";
        f.table().cell(2, 8) = "67.0HZ";
        const QStringList before = rowTexts(f.table(), 8);
        f.click(1, 8);
        f.entry(1)->clear();
        QTest::keyClicks(f.entry(1), "1.2.3");
        QTest::keyClick(f.entry(1), Qt::Key_Return);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(rowTexts(f.table(), 8), before);
    }

    void gridNeverEditsACellByItself() {
        Fixture f(Band::A);
        QVERIFY(showActive(f.page));
        f.table().cell(1, 3) = "145.50000";
        f.click(3, 3);
        QVERIFY(focus(f.grid()));
        QTest::keyClicks(f.grid(), "xyz");
        QVERIFY(f.table().cell(3, 3).empty());
        QCOMPARE(f.page.cellPointer(), (duoband::CellPointer{3, 3}));
    }

    void showModelHidesEditorsWithoutCommitting() {
        Fixture f(Band::A);
        QVERIFY(showActive(f.page));
        f.click(1, 12);
        QTest::keyClicks(f.entry(1), "150");
        f.model.StringGrid1.cell(1, 12) = "160.00000";  // a read replaced the table
        f.page.showModel();
        QCOMPARE(f.visibleEditors(), 0);
        QVERIFY(focus(f.grid()));
        QCOMPARE(f.table().cell(1, 12), "160.00000");
        QCOMPARE(f.grid()->model()->index(11, 1).data().toString(), "160.00000");
    }

    void commitPendingEditTakesTheTypedText() {
        Fixture f(Band::B);
        QVERIFY(showActive(f.page));
        f.click(1, 1);
        QTest::keyClicks(f.entry(1), "440");
        f.page.commitPendingEdit();
        QCOMPARE(f.table().cell(1, 1), "440.00000");
    }
};

QTEST_MAIN(ChannelTablePageTest)
#include "pages_channel_table_test.moc"
