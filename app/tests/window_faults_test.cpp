// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a technician uses it: message boxes, the wheel and the
// grid's choice editors never change a port or a value nobody picked.
#include <pty.h>
#include <unistd.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "app_test_support.h"
#include "application.h"
#include "duoband/settings_table.h"
#include "main_window.h"
#include "pages/channel_table_page.h"

using duoband::Band;
using duoband::Column;

namespace {

// One notch of the mouse wheel over the middle of `widget`.
void turnWheel(QWidget* widget, int notches) {
    const QPointF at = QRectF(widget->rect()).center();
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

}  // namespace

class WindowFaultsTest : public QObject {
    Q_OBJECT

    MainWindow& window() { return *windows->mainWindow; }
    ChannelTablePage* page(Band band) {
        const QString grid = band == Band::A ? "bandA.channels" : "bandB.channels";
        return qobject_cast<ChannelTablePage*>(window().findChild<QWidget*>(grid)->parentWidget());
    }
    void click(Band band, Column col, int row) {
        window().pageTabs()->setCurrentWidget(page(band));
        ChannelGrid* grid = page(band)->grid();
        const QModelIndex index = grid->model()->index(row - 1, duoband::columnIndex(col));
        grid->scrollTo(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
    }
    QComboBox* editor(Band band, Column col) {
        const QString name =
            QString(band == Band::A ? "bandA." : "bandB.") +
            QString::fromLatin1(duoband::channelColumns()[duoband::columnIndex(col)].name) +
            "Editor";
        return window().findChild<QComboBox*>(name);
    }

  private slots:
    void init() {
        data = std::make_unique<TestDataFolder>();
        windows = std::make_unique<Windows>(DataFolder(data->dir()),
                                            PortOptions{{first.path(), second.path()}, false});
        window().show();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }
    void cleanup() { windows.reset(); }

    // The real message box for a refused frequency, closed by a key and by
    // a click: the refused text waits selected in its entry, the row is
    // unchanged, and Down goes to the entry, not to the port list.
    void messageBoxLeavesFocusAndPortAlone_data() {
        QTest::addColumn<Qt::Key>("leaving");  // the key that commits the entry
        QTest::addColumn<bool>("byClick");     // the box closes by a click, else by Enter
        QTest::newRow("Enter, closed by Enter") << Qt::Key_Return << false;
        QTest::newRow("Enter, closed by click") << Qt::Key_Return << true;
        QTest::newRow("Tab, closed by Enter") << Qt::Key_Tab << false;
        QTest::newRow("Tab, closed by click") << Qt::Key_Tab << true;
    }
    void messageBoxLeavesFocusAndPortAlone() {
        QFETCH(Qt::Key, leaving);
        QFETCH(bool, byClick);
        const QString port = window().portList()->currentText();
        window().model().channels(Band::A).cell(Column::RxFrequency, 4) = "145.50000";
        window().model().channels(Band::A).cell(Column::Name, 4) = "KEEP";
        window().showModel();
        const duoband::ChannelTable before = window().model().channels(Band::A);
        click(Band::A, Column::RxFrequency, 4);
        auto* entry = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(entry != nullptr);
        entry->clear();
        QTest::keyClicks(entry, "300");
        bool boxShown = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            boxShown = box != nullptr;
            if (box == nullptr) return;
            if (byClick) {
                QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
            } else {
                QCoreApplication::postEvent(
                    box, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
            }
        });
        QTest::keyClick(entry, leaving);
        QVERIFY(boxShown);
        window().activateWindow();  // the offscreen platform does not do it by itself
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QTRY_COMPARE(QApplication::focusWidget(), entry);
        QCOMPARE(entry->selectedText(), QString("300"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(window().portList()->currentText(), port);
        QVERIFY(window().model().channels(Band::A) == before);
    }

    // A German keyboard's comma is the point; DTMF letters may be typed small.
    void typedSpellingsAreTakenAsMeant() {
        click(Band::A, Column::RxFrequency, 3);
        QTest::keyClicks(QApplication::focusWidget(), "145,525");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(window().model().channels(Band::A).cell(Column::RxFrequency, 3), "145.52500");
        auto* group = window().findChild<QLineEdit*>("dtmfGroup1");
        window().pageTabs()->setCurrentWidget(group->parentWidget());
        group->setFocus();
        QTest::keyClicks(group, "1a*d");
        QCOMPARE(group->text(), QString("1A*D"));
    }

    // Neither the wheel nor keys change the port list while it is closed.
    void portListChangesOnlyByAPick() {
        const QString port = window().portList()->currentText();
        window().portList()->setFocus();
        QTest::keyClick(window().portList(), Qt::Key_Down);
        turnWheel(window().portList(), -1);
        QCOMPARE(window().portList()->currentText(), port);
    }

    // A wheel notch over a closed list on a settings page changes nothing,
    // not its block field either; over a grid's choice editor neither.
    void wheelOverClosedListsChangesNothing() {
        auto* step = window().findChild<QComboBox*>("bandA.step");
        window().pageTabs()->setCurrentWidget(step->parentWidget());
        const duoband::EditorModel before = window().model();
        turnWheel(step, -1);
        turnWheel(step, 1);
        QVERIFY(window().model() == before);

        window().model().channels(Band::B).cell(Column::RxFrequency, 2) = "440.00000";
        window().model().channels(Band::B).cell(Column::Compandor, 2) = "OFF";
        window().showModel();
        click(Band::B, Column::Compandor, 2);
        QComboBox* compandor = editor(Band::B, Column::Compandor);
        QVERIFY(compandor->isVisible());
        QCOMPARE(compandor->currentText(), QString("OFF"));  // opens on the cell's value
        turnWheel(compandor, -1);
        QCOMPARE(window().model().channels(Band::B).cell(Column::Compandor, 2), "OFF");
    }

    // Escape and a change of tab close a choice editor without a pick; a
    // typed entry is taken on Tab.
    void choiceEditorsCloseAndTakeTypedEntries() {
        window().model().channels(Band::A).cell(Column::RxFrequency, 6) = "145.50000";
        window().model().channels(Band::A).cell(Column::Power, 6) = "High";
        window().showModel();
        click(Band::A, Column::Power, 6);
        QComboBox* power = editor(Band::A, Column::Power);
        QCOMPARE(power->currentText(), QString("High"));
        QTest::keyClick(page(Band::A)->grid(), Qt::Key_Space);
        QTRY_VERIFY(power->view()->isVisible());
        QTest::keyClick(power->view(), Qt::Key_Escape);
        QTRY_VERIFY(!power->isVisible());
        QCOMPARE(window().model().channels(Band::A).cell(Column::Power, 6), "High");

        click(Band::A, Column::Power, 6);
        QVERIFY(power->isVisible());
        window().pageTabs()->setCurrentIndex(4);
        window().pageTabs()->setCurrentWidget(page(Band::A));
        QVERIFY(!power->isVisible());

        click(Band::A, Column::RxTone, 6);
        QComboBox* tone = editor(Band::A, Column::RxTone);
        tone->setFocus();
        QTest::keyClicks(tone, "D023N");
        QTest::keyClick(tone, Qt::Key_Tab);
        QCOMPARE(window().model().channels(Band::A).cell(Column::RxTone, 6), "D023N");
    }

  private:
    Pty first;
    Pty second;
    std::unique_ptr<TestDataFolder> data;
    std::unique_ptr<Windows> windows;
};

QTEST_MAIN(WindowFaultsTest)
#include "window_faults_test.moc"
