// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "duoband/settings_table.h"
#include "pages/channel_table_page.h"
#include "pages_test_support.h"

using duoband::Band;
using duoband::ChannelTable;
using duoband::Column;

Q_DECLARE_METATYPE(duoband::Band)
Q_DECLARE_METATYPE(duoband::Column)

namespace {

const QStringList kReceiveDefaults{"0FF", "OFF", "High", "Wide", "OFF", "OFF"};
constexpr Column kReceiveDefaultColumns[] = {Column::RxTone,    Column::RxMode,
                                             Column::Power,     Column::Bandwidth,
                                             Column::Compandor, Column::Scrambler};

// The editor a grid opens over a cell of `column`: "bandA.rxFrequencyEditor",
// "bandB.nameEditor"... (none for the channel number).
QString editorName(Band band, Column column) {
    const std::string_view name =
        duoband::channelColumns()[static_cast<std::size_t>(duoband::columnIndex(column))].name;
    return QString(band == Band::A ? "bandA." : "bandB.") +
           QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) + "Editor";
}

// Every column of `row`, for comparing whole rows.
QStringList rowTexts(const ChannelTable& table, int row) {
    QStringList texts;
    for (int col = 1; col < duoband::kColumnCount; ++col) {
        texts << QString::fromStdString(table.cell(duoband::columnAt(col), row));
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

        ChannelTable& table() { return model.channels(band); }
        ChannelGrid* grid() { return page.grid(); }
        QLineEdit* entry(Column column) {
            return control<QLineEdit>(&page, editorName(band, column));
        }
        QComboBox* choice(Column column) {
            return control<QComboBox>(&page, editorName(band, column));
        }

        // A mouse click on cell (col, row) of the grid, as a user selects it.
        void click(Column col, int row, Qt::KeyboardModifiers modifiers = {}) {
            const QModelIndex index = grid()->model()->index(row - 1, duoband::columnIndex(col));
            grid()->scrollTo(index);
            QTest::mouseClick(grid()->viewport(), Qt::LeftButton, modifiers,
                              grid()->visualRect(index).center());
        }
        // Selects the cell and types `text` into its entry, then `key`.
        void type(Column col, int row, const QString& text, Qt::Key key = Qt::Key_Return) {
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
            for (int col = 1; col < duoband::kColumnCount; ++col) {
                visible +=
                    page.findChild<QWidget*>(editorName(band, duoband::columnAt(col)))->isVisible()
                        ? 1
                        : 0;
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
        QCOMPARE(grid->objectName(), band == Band::A ? "bandA.channels" : "bandB.channels");
        QCOMPARE(grid->model()->rowCount(), 128);
        QCOMPARE(grid->model()->columnCount(), 13);
        // The channel numbers head the rows; the data columns keep their
        // widths in a narrow window and share what a wide one has over.
        QCOMPARE(grid->verticalHeader()->width(), 55);
        QCOMPARE(grid->model()->headerData(127, Qt::Vertical).toString(), "128");
        const int widths[] = {0, 75, 80, 130, 95, 90, 130, 130, 60, 75, 75, 75, 80};
        f.page.resize(600, 400);
        f.page.show();
        for (int col = 1; col < 13; ++col) QCOMPARE(grid->columnWidth(col), widths[col]);
        f.page.resize(2300, 400);
        for (int col = 1; col < 13; ++col) QVERIFY(grid->columnWidth(col) > widths[col]);
        // in proportion: Receiving Mode (130) to Scrambler (75)
        QVERIFY(std::abs(grid->columnWidth(3) * 75 - grid->columnWidth(11) * 130) < 2 * 130);
        QCOMPARE(grid->horizontalHeader()->height(), 40);
        QCOMPARE(grid->rowHeight(0), 30);
        QCOMPARE(grid->model()->headerData(12, Qt::Horizontal).toString(), "Channel Name");
        QCOMPARE(grid->model()->headerData(4, Qt::Horizontal).toString(), "Transmission Frequency");
        QCOMPARE(grid->model()->index(127, duoband::columnIndex(Column::Number)).data().toString(),
                 "128");
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void receiveFrequencyWritesDefaults_data() { addBands(); }
    void receiveFrequencyWritesDefaults() {
        QFETCH(Band, band);
        Fixture f(band);
        QVERIFY(showActive(f.page));
        f.table().cell(Column::Name, 5) = "KEEP";
        f.table().cell(Column::TxFrequency, 5) = "440.00000";
        f.type(Column::RxFrequency, 5, "145.5");
        QCOMPARE(f.table().cell(Column::RxFrequency, 5), "145.50000");
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(QString::fromStdString(f.table().cell(kReceiveDefaultColumns[i], 5)),
                     kReceiveDefaults[i]);
        }
        QCOMPARE(f.table().cell(Column::Name, 5), "KEEP");
        QCOMPARE(f.table().cell(Column::TxFrequency, 5), "440.00000");
        QVERIFY(f.dialogs.messages.isEmpty());
        // Enter moved on to the next channel, whose entry is open and empty.
        QCOMPARE(f.page.cellPointer(), (duoband::CellPointer{Column::RxFrequency, 6}));
        QVERIFY(f.entry(Column::RxFrequency)->isVisible());
        QCOMPARE(f.entry(Column::RxFrequency)->text(), "");
        QCOMPARE(f.grid()
                     ->model()
                     ->index(4, duoband::columnIndex(Column::RxFrequency))
                     .data()
                     .toString(),
                 "145.50000");
    }

    void sameFrequencyWritesNothing_data() { addBands(); }
    void sameFrequencyWritesNothing() {
        QFETCH(Band, band);
        Fixture f(band);
        QVERIFY(showActive(f.page));
        f.table().cell(Column::RxFrequency, 3) = "145.50000";
        f.table().cell(Column::RxTone, 3) = "67.0HZ";
        f.table().cell(Column::Power, 3) = "Low";
        const QStringList before = rowTexts(f.table(), 3);
        f.click(Column::RxFrequency, 3);
        QLineEdit* entry = f.entry(Column::RxFrequency);
        QCOMPARE(entry->text(), "145.50000");
        entry->selectAll();
        QTest::keyClick(entry, Qt::Key_Backspace);
        QTest::keyClicks(entry, "145.5");
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(rowTexts(f.table(), 3), before);
    }

    // A full entry takes no more characters, but typing over its selected
    // text replaces the selection.
    void fullEntryTakesTypingOverItsSelection() {
        Fixture f(Band::A);
        QVERIFY(showActive(f.page));
        f.table().cell(Column::RxFrequency, 6) = "145.50000";
        f.click(Column::RxFrequency, 6);
        QLineEdit* entry = f.entry(Column::RxFrequency);
        entry->end(false);
        QTest::keyClicks(entry, "1");
        QCOMPARE(entry->text(), "145.50000");
        entry->selectAll();
        QTest::keyClicks(entry, "146.1");
        QCOMPARE(entry->text(), "146.1");
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(f.table().cell(Column::RxFrequency, 6), "146.10000");
    }

    void outOfRangeShowsTheBandsMessage_data() {
        QTest::addColumn<Band>("band");
        QTest::addColumn<Column>("column");
        QTest::addColumn<QString>("message");
        QTest::newRow("A receive") << Band::A << Column::RxFrequency
                                   << "Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ ";
        QTest::newRow("A transmit")
            << Band::A << Column::TxFrequency
            << "Transmission Frequency in 136~176MHZ 220~250MHZ 400~490MHZ ";
        QTest::newRow("B receive") << Band::B << Column::RxFrequency
                                   << "Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ";
        QTest::newRow("B transmit") << Band::B << Column::TxFrequency
                                    << "Transmission Frequency in 136~176MHZ 220~250MHZ 400~490MHZ";
    }
    void outOfRangeShowsTheBandsMessage() {
        QFETCH(Band, band);
        QFETCH(Column, column);
        QFETCH(QString, message);
        Fixture f(band);
        QVERIFY(showActive(f.page));
        ChannelTable& t = f.table();
        const std::array<std::string, 13> filled{
            "",      "145.50000", "67.0HZ", "QT/DQT", "146.00000", "D023N", "DTMF1",
            "DTMF2", "High",      "Wide",   "ON",     "ON",        "NAME"};
        for (int col = 1; col < 13; ++col) {
            t.cell(duoband::columnAt(col), 7) = filled[static_cast<std::size_t>(col)];
        }
        f.type(column, 7, "300");
        QCOMPARE(f.dialogs.messages, QStringList{message});
        // A typo costs the channel nothing; the text waits, selected, for correction.
        for (int col = 1; col < 13; ++col) {
            QCOMPARE(t.cell(duoband::columnAt(col), 7), filled[std::size_t(col)]);
        }
        QTRY_VERIFY(f.entry(column)->hasSelectedText());
        QVERIFY(f.entry(column)->isVisible());
        QCOMPARE(f.entry(column)->selectedText(), "300");
        // The selection stays on the refused cell.
        QCOMPARE(f.page.cellPointer(), (duoband::CellPointer{column, 7}));
    }

    void dependentCellsOpenOnlyWithTheirFrequency_data() { addBands(); }
    void dependentCellsOpenOnlyWithTheirFrequency() {
        QFETCH(Band, band);
        Fixture f(band);
        QVERIFY(showActive(f.page));
        f.click(Column::RxFrequency, 9);  // opens the receive entry
        QCOMPARE(f.visibleEditors(), 1);
        f.click(Column::RxTone, 9);  // CTCSS of a row without receive frequency
        QCOMPARE(f.visibleEditors(), 0);
        QCOMPARE(f.page.cellPointer(), (duoband::CellPointer{Column::RxTone, 9}));
        f.click(Column::Name, 9);
        QCOMPARE(f.visibleEditors(), 0);
        f.table().cell(Column::TxFrequency, 9) =
            "440.00000";  // a transmit frequency opens its columns
        f.click(Column::TxTone, 9);
        QVERIFY(f.choice(Column::TxTone)->isVisible());
        QCOMPARE(f.visibleEditors(), 1);
        QVERIFY(f.table().cell(Column::RxTone, 9).empty());
    }

    void pickedToneLandsInItsCell_data() { addBands(); }
    void pickedToneLandsInItsCell() {
        QFETCH(Band, band);
        Fixture f(band);
        QVERIFY(showActive(f.page));
        f.table().cell(Column::RxFrequency, 11) = "145.50000";
        f.table().cell(Column::RxTone, 11) = "D754I";
        const QStringList before = rowTexts(f.table(), 11);
        f.click(Column::RxTone, 11);
        QComboBox* rxTone = f.choice(Column::RxTone);
        QVERIFY(rxTone->isVisible());
        QCOMPARE(rxTone->currentText(), "D754I");  // opens on what the cell holds
        QCOMPARE(rxTone->count(), 206);
        rxTone->setCurrentIndex(40);
        emit rxTone->activated(40);
        QCOMPARE(f.table().cell(Column::RxTone, 11), "D023N");
        QStringList expected = before;
        expected[1] = "D023N";
        QCOMPARE(rowTexts(f.table(), 11), expected);
        QVERIFY(!rxTone->isVisible());
        QCOMPARE(
            f.grid()->model()->index(10, duoband::columnIndex(Column::RxTone)).data().toString(),
            "D023N");
    }

    void keyboardOpensAndPicksAChoice() {
        Fixture f(Band::A);
        QVERIFY(showActive(f.page));
        f.table().cell(Column::RxFrequency, 2) = "145.50000";
        f.click(Column::Power, 2);  // Power
        QVERIFY(focus(f.grid()));
        QTest::keyClick(f.grid(), Qt::Key_F2);
        QComboBox* power = f.choice(Column::Power);
        QVERIFY(QTest::qWaitFor([power] { return power->view()->isVisible(); }, 1000));
        QTest::keyClick(power->view(), Qt::Key_Down);
        QTest::keyClick(power->view(), Qt::Key_Return);
        QCOMPARE(f.table().cell(Column::Power, 2), "High");
        QVERIFY(!power->isVisible());
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
        // A list opens on the cell's value; `steps` down (up when negative).
        const auto pick = [&](int steps) {
            key(Qt::Key_Space);
            for (int i = 0; i < std::abs(steps); ++i) key(steps > 0 ? Qt::Key_Down : Qt::Key_Up);
            key(Qt::Key_Return);
            key(Qt::Key_Tab);
        };
        key(Qt::Key_Tab);
        QVERIFY(f.grid()->hasFocus() || f.entry(Column::RxFrequency)->hasFocus());
        QCOMPARE(f.page.cellPointer(), (duoband::CellPointer{Column::RxFrequency, 1}));
        QTest::keyClicks(focused(), "438.5");
        key(Qt::Key_Tab);
        pick(2);  // Receiving CTCSS: 69.3HZ
        pick(1);  // Receiving Mode: QT/DQT+Signaling
        QTest::keyClicks(focused(), "431");
        key(Qt::Key_Tab);
        pick(3);   // Transmission CTCSS: 71.9HZ
        pick(1);   // Launch Signaling: DTMF1
        pick(17);  // Transmit end Signaling: Identity Code
        pick(-1);  // Power: Low (from the default High)
        pick(-1);  // Wide / Narrow: Narrow (from the default Wide)
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
        f.table().cell(Column::RxFrequency, 4) = "145.50000";
        f.type(Column::Name, 4, "ABCDEFGH");
        QCOMPARE(f.table().cell(Column::Name, 4), "ABCDEFG");
        // Pasted text is filtered like typed text and cut to seven.
        f.click(Column::Name, 4);
        QLineEdit* name = f.entry(Column::Name);
        name->clear();
        name->insert(
            QString::fromUtf8("a,b\"c'd\xC3\xA9"
                              "efghij"));
        QCOMPARE(name->text(), "abcdefg");
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(f.table().cell(Column::Name, 4), "abcdefg");
    }

    void clickElsewhereCommitsToTheOpenedCell() {
        Fixture f(Band::B);
        QVERIFY(showActive(f.page));
        f.click(Column::TxFrequency, 20);
        QTest::keyClicks(f.entry(Column::TxFrequency), "430.0125");
        f.click(Column::RxFrequency, 30);  // another cell: the transmit entry commits to row 20
        QCOMPARE(f.table().cell(Column::TxFrequency, 20), "430.01250");
        QCOMPARE(f.table().cell(Column::TxTone, 20), "0FF");
        QCOMPARE(f.table().cell(Column::LaunchSignalling, 20), "OFF");
        QCOMPARE(f.table().cell(Column::EndSignalling, 20), "OFF");
        QVERIFY(f.table().cell(Column::TxFrequency, 30).empty());
        QCOMPARE(f.page.cellPointer(), (duoband::CellPointer{Column::RxFrequency, 30}));
        QVERIFY(f.entry(Column::RxFrequency)->isVisible());
        QVERIFY(!f.entry(Column::TxFrequency)->isVisible());
    }

    void tabCommitsAndMovesRight() {
        Fixture f(Band::A);
        QVERIFY(showActive(f.page));
        f.type(Column::RxFrequency, 1, "146.0201", Qt::Key_Tab);
        QCOMPARE(f.table().cell(Column::RxFrequency, 1),
                 "146.02250");  // snapped up to the 2.5 kHz grid
        QCOMPARE(f.page.cellPointer(), (duoband::CellPointer{Column::RxTone, 1}));
        QVERIFY(f.choice(Column::RxTone)->isVisible());
        QTest::keyClick(f.grid(), Qt::Key_Right);
        QCOMPARE(f.page.cellPointer(), (duoband::CellPointer{Column::RxMode, 1}));
        QVERIFY(f.choice(Column::RxMode)->isVisible());
        QVERIFY(!f.choice(Column::RxTone)->isVisible());
    }

    void escapeCancelsTheEntry() {
        Fixture f(Band::A);
        QVERIFY(showActive(f.page));
        f.type(Column::RxFrequency, 2, "150", Qt::Key_Escape);
        QVERIFY(f.table().cell(Column::RxFrequency, 2).empty());
        QVERIFY(!f.entry(Column::RxFrequency)->isVisible());
        QVERIFY(f.grid()->hasFocus());
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void notAFrequencyKeepsTheRow() {
        Fixture f(Band::A);
        QVERIFY(showActive(f.page));
        f.table().cell(Column::RxFrequency, 8) = "150.00000";
        f.table().cell(Column::RxTone, 8) = "67.0HZ";
        const QStringList before = rowTexts(f.table(), 8);
        f.click(Column::RxFrequency, 8);
        f.entry(Column::RxFrequency)->clear();
        QTest::keyClicks(f.entry(Column::RxFrequency), "1.2.3");
        QTest::keyClick(f.entry(Column::RxFrequency), Qt::Key_Return);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(rowTexts(f.table(), 8), before);
    }

    void gridNeverEditsACellByItself() {
        Fixture f(Band::A);
        QVERIFY(showActive(f.page));
        f.table().cell(Column::RxFrequency, 3) = "145.50000";
        f.click(Column::RxMode, 3);
        QVERIFY(focus(f.grid()));
        QTest::keyClicks(f.grid(), "xyz");
        QVERIFY(f.table().cell(Column::RxMode, 3).empty());
        QCOMPARE(f.page.cellPointer(), (duoband::CellPointer{Column::RxMode, 3}));
    }

    void showModelHidesEditorsWithoutCommitting() {
        Fixture f(Band::A);
        QVERIFY(showActive(f.page));
        f.click(Column::RxFrequency, 12);
        QTest::keyClicks(f.entry(Column::RxFrequency), "150");
        f.model.channels(Band::A).cell(Column::RxFrequency, 12) =
            "160.00000";  // a read replaced the table
        f.page.showModel();
        QCOMPARE(f.visibleEditors(), 0);
        QVERIFY(focus(f.grid()));
        QCOMPARE(f.table().cell(Column::RxFrequency, 12), "160.00000");
        QCOMPARE(f.grid()
                     ->model()
                     ->index(11, duoband::columnIndex(Column::RxFrequency))
                     .data()
                     .toString(),
                 "160.00000");
    }

    // Shift+click, Shift+arrows and Ctrl+click select several cells: the
    // page reports them by band, channel and column, and closes the editor.
    void severalSelectedCellsAreReported() {
        Fixture f(Band::B);
        QVERIFY(showActive(f.page));
        std::vector<ChannelTablePage::SelectedCell> reported;
        connect(&f.page, &ChannelTablePage::cellSelectionChanged,
                [&reported](const auto& cells) { reported = cells; });
        const auto cells = [](std::initializer_list<std::pair<int, Column>> list) {
            std::vector<ChannelTablePage::SelectedCell> out;
            for (auto [channel, column] : list) out.push_back({Band::B, channel, column});
            return out;
        };
        f.click(Column::RxFrequency, 3);
        QCOMPARE(f.visibleEditors(), 1);
        f.click(Column::RxTone, 4, Qt::ShiftModifier);
        QCOMPARE(reported, cells({{3, Column::RxFrequency},
                                  {3, Column::RxTone},
                                  {4, Column::RxFrequency},
                                  {4, Column::RxTone}}));
        QCOMPARE(f.visibleEditors(), 0);
        QTest::keyClick(f.grid(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(reported.size(), 6u);
        QCOMPARE(reported.back(), cells({{5, Column::RxTone}}).front());
        f.click(Column::Name, 9, Qt::ControlModifier);
        QCOMPARE(reported.size(), 7u);
        QCOMPARE(reported.back(), cells({{9, Column::Name}}).front());
        QCOMPARE(f.page.cellSelection(), reported);
        QCOMPARE(f.visibleEditors(), 0);
    }

    void commitPendingEditTakesTheTypedText() {
        Fixture f(Band::B);
        QVERIFY(showActive(f.page));
        f.click(Column::RxFrequency, 1);
        QTest::keyClicks(f.entry(Column::RxFrequency), "440");
        f.page.commitPendingEdit();
        QCOMPARE(f.table().cell(Column::RxFrequency, 1), "440.00000");
    }
};

QTEST_MAIN(ChannelTablePageTest)
#include "pages_channel_table_test.moc"
