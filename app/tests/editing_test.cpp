// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo, the unsaved-changes question, the clipboard and the
// channel operations, driven through the real main window.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEventLoop>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <functional>

#include "app_test_support.h"
#include "application.h"
#include "duoband/channel_rows.h"
#include "duoband/settings_table.h"
#include "edit_history.h"
#include "main_window.h"
#include "pages/channel_table_page.h"
#include "transfer_dialogs.h"

using duoband::Band;
using duoband::Column;
using duoband::EditorModel;
using SaveAnswer = UserDialogs::SaveAnswer;

class EditingTest : public QObject {
    Q_OBJECT

    MainWindow& window() { return *windows->mainWindow; }
    EditorModel& model() { return window().model(); }
    QUndoStack& stack() { return window().history().stack(); }

    ChannelTablePage* page(Band band) {
        const QString grid = band == Band::A ? "bandA.channels" : "bandB.channels";
        return qobject_cast<ChannelTablePage*>(window().findChild<QWidget*>(grid)->parentWidget());
    }
    void showPage(Band band) { window().pageTabs()->setCurrentWidget(page(band)); }
    // A click on a cell; on the channel number, a click on the row header.
    void click(Band band, Column col, int row, Qt::KeyboardModifiers modifiers = {}) {
        showPage(band);
        ChannelGrid* grid = page(band)->grid();
        const QModelIndex index = grid->model()->index(row - 1, duoband::columnIndex(col));
        grid->scrollTo(index);
        if (col == Column::Number) {
            QHeaderView* header = grid->verticalHeader();
            const QPoint at(header->width() / 2,
                            header->sectionViewportPosition(row - 1) + header->sectionSize(0) / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers, at);
            return;
        }
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers,
                          grid->visualRect(index).center());
    }
    void typeInCell(Band band, Column col, int row, const QString& text) {
        click(band, col, row);
        QWidget* entry = QApplication::focusWidget();
        QVERIFY(qobject_cast<QLineEdit*>(entry) != nullptr);
        QTest::keyClick(entry, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(entry, Qt::Key_Backspace);
        QTest::keyClicks(entry, text);
        QTest::keyClick(entry, Qt::Key_Return);
    }
    void pickInCell(Band band, Column col, int row, int entry) {
        click(band, col, row);
        const QString name =
            QString(band == Band::A ? "bandA." : "bandB.") +
            QString::fromLatin1(duoband::channelColumns()[duoband::columnIndex(col)].name) +
            "Editor";
        auto* box = window().findChild<QComboBox*>(name);
        QVERIFY(box != nullptr && box->isVisible());
        box->setCurrentIndex(entry);
        emit box->activated(entry);
    }
    void trigger(const char* action) { window().findChild<QAction*>(action)->trigger(); }
    // Runs `command` in the application's event loop; true when it ended
    // the program.
    static bool endsTheProgram(const std::function<void()>& command) {
        constexpr int kNotEnded = 99;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(kNotEnded); });
        QTimer::singleShot(0, [&] {
            command();
            guard.start(100);
        });
        return QApplication::exec() != kNotEnded;
    }
    // Closes the next modal dialog a command shows; `shown` gets its name.
    static void closeNextModal(QString& shown) {
        QTimer::singleShot(0, [&shown] {
            QWidget* modal = QApplication::activeModalWidget();
            shown = modal != nullptr ? modal->objectName() : QString("none");
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        });
    }

  private slots:
    void init() {
        data = std::make_unique<TestDataFolder>();
        dialogs = std::make_unique<ScriptedDialogs>();
        windows = std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{}, false});
        windows->mainWindow->resize(1200, 720);
        windows->mainWindow->show();
        QVERIFY(QTest::qWaitForWindowActive(windows->mainWindow.get()));
    }
    void cleanup() {
        windows.reset();
        dialogs.reset();
        data.reset();
    }

    // Each command that would drop unsaved changes asks first; Cancel keeps
    // everything, Discard goes on, Save saves first (and a cancelled save
    // dialog cancels the command).
    void unsavedChangesAreAskedAbout_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<SaveAnswer>("answer");
        QTest::addColumn<bool>("saveDialogAnswered");
        for (const char* command : {"new", "open", "read", "quit", "close"}) {
            QTest::addRow("%s cancel", command) << command << SaveAnswer::Cancel << false;
            QTest::addRow("%s discard", command) << command << SaveAnswer::Discard << false;
            QTest::addRow("%s save", command) << command << SaveAnswer::Save << true;
            QTest::addRow("%s save dialog cancelled", command)
                << command << SaveAnswer::Save << false;
        }
    }
    void unsavedChangesAreAskedAbout() {
        QFETCH(QString, command);
        QFETCH(SaveAnswer, answer);
        QFETCH(bool, saveDialogAnswered);
        typeInCell(Band::A, Column::RxFrequency, 5, "145.5");
        QVERIFY(window().isWindowModified());
        const EditorModel edited = model();
        dialogs->saveAnswers.push_back(answer);
        const QString saved = data->path("radio.bc");
        if (saveDialogAnswered) dialogs->fileNames.push_back(saved);

        QString shown;
        bool ended = false;
        if (command == "new") trigger("newAction");
        if (command == "open") trigger("openAction");
        if (command == "read") {
            closeNextModal(shown);
            trigger("readAction");
            QCoreApplication::processEvents();  // no dialog: the closing still runs here
        }
        if (command == "quit") ended = endsTheProgram([this] { trigger("fileQuitAction"); });
        if (command == "close") ended = endsTheProgram([this] { window().close(); });

        QCOMPARE(dialogs->questions.value(0), QString("Save changes to untitled?"));
        QCOMPARE(QFile::exists(saved), saveDialogAnswered);
        const bool goesOn = answer == SaveAnswer::Discard || saveDialogAnswered;
        if (command == "new") QCOMPARE(model() == EditorModel(), goesOn);
        if (command == "open") QCOMPARE(dialogs->fileDialogs.contains("Open|*.bc *.img"), goesOn);
        if (command == "read") QCOMPARE(shown, goesOn ? QString("readDialog") : QString("none"));
        if (command == "quit" || command == "close") QCOMPARE(ended, goesOn);
        if (!goesOn) {
            QVERIFY(model() == edited);
            QVERIFY(window().isWindowModified());
        }
    }

    // Undo takes back every kind of change exactly, block fields included;
    // redo puts them back; after as many undos the file saved is the same.
    void undoAndRedoRestoreEveryChangeExactly() {
        dialogs->fileNames = {data->path("before.bc"), data->path("after.bc")};
        window().saveFileAs();
        std::vector<EditorModel> states{model()};
        const auto step = [&](const std::function<void()>& change) {
            change();
            states.push_back(model());
            QCOMPARE(stack().index(), static_cast<int>(states.size()) - 1);
        };
        step([&] { typeInCell(Band::A, Column::RxFrequency, 12, "145.525"); });
        step([&] { pickInCell(Band::A, Column::Power, 12, 0); });
        step([&] { typeInCell(Band::A, Column::Name, 12, "REP"); });
        step([&] {  // a list on a settings page encodes into its block field
            auto* box = window().findChild<QComboBox*>("bandB.step");
            window().pageTabs()->setCurrentWidget(box->parentWidget());
            box->setCurrentIndex(2);
            emit box->activated(2);
        });
        step([&] {  // DTMF codes encode at every key: the typing is one step
            auto* edit = window().findChild<QLineEdit*>("dtmfGroup2");
            window().pageTabs()->setCurrentWidget(edit->parentWidget());
            edit->setFocus();
            QTest::keyClicks(edit, "1234");
            QTest::keyClick(edit, Qt::Key_Tab);
        });
        step([&] {
            QApplication::clipboard()->setText("146.5\t67.0\n147.5\tD023N\n");
            click(Band::B, Column::RxFrequency, 1);
            trigger("pasteAction");
        });
        step([&] {
            click(Band::A, Column::Number, 12);
            trigger("moveChannelsUpAction");
        });
        QVERIFY(model().blocks[duoband::Block::DtmfGroups1And2] !=
                states.front().blocks[duoband::Block::DtmfGroups1And2]);
        QCOMPARE(window().findChild<QAction*>("undoAction")->text(),
                 QString("Undo Move channels up"));

        for (std::size_t i = states.size() - 1; i > 0; --i) {
            trigger("undoAction");
            QVERIFY2(model() == states[i - 1], qPrintable(QString::number(i)));
        }
        QVERIFY(!window().isWindowModified());
        for (std::size_t i = 1; i < states.size(); ++i) {
            window().findChild<QAction*>("redoAction")->trigger();
            QVERIFY(model() == states[i]);
        }
        QVERIFY(window().isWindowModified());
        while (stack().canUndo()) trigger("undoAction");
        window().saveFileAs();
        QCOMPARE(data->bytes("after.bc"), data->bytes("before.bc"));
    }

    // A spreadsheet block with some bad cells: the good cells in one step,
    // the bad ones listed, one undo takes the whole paste back.
    void spreadsheetBlockPastesInOneStep() {
        QString block;
        for (int i = 0; i < 12; ++i) {
            const QString frequency = i == 3 ? "300" : QString("%1.5").arg(145 + i % 30);
            const QString tone = i == 5 ? "77.7" : "67.0";
            block += frequency + "\t" + tone + QString("\t\t\t\t\t\t\t\t\t\tCH%1\n").arg(i + 1);
        }
        QApplication::clipboard()->setText(block);
        const EditorModel before = model();
        click(Band::A, Column::RxFrequency, 1);
        trigger("pasteAction");
        QCOMPARE(stack().count(), 1);
        QCOMPARE(stack().undoText(), QString("Paste 44 cells"));  // empty Transmission too
        QCOMPARE(model().channels(Band::A).cell(Column::Name, 12), "CH12");
        QCOMPARE(model().channels(Band::A).cell(Column::RxTone, 1), "67.0HZ");
        const QString message = dialogs->lastText();
        QVERIFY(message.startsWith("4 cells were not pasted:"));
        QCOMPARE(dialogs->lastKind(), QString("warning"));
        QVERIFY(message.contains("Band A channel 4, Receiving Frequency: \"300\""));
        QVERIFY(
            message.contains("Band A channel 4, Channel Name: \"CH4\" - the channel has no "
                             "Receiving Frequency"));
        QVERIFY(message.contains("Band A channel 6, Receiving CTCSS: \"77.7\""));
        QVERIFY(message.contains("Band A channel 4, Receiving CTCSS: \"67.0\""));
        trigger("undoAction");
        QVERIFY(model() == before);
    }

    // Channels selected by their numbers on band A, copied and pasted on
    // band B; a typed cell on a row, pasted, gives the same as typing.
    void bandAChannelsCopyToBandB() {
        typeInCell(Band::A, Column::RxFrequency, 2, "145.5");
        pickInCell(Band::A, Column::RxTone, 2, 5);
        typeInCell(Band::A, Column::Name, 2, "ONE");
        typeInCell(Band::A, Column::RxFrequency, 3, "433.0");
        typeInCell(Band::A, Column::TxFrequency, 3, "438.0");
        click(Band::A, Column::Number, 2);
        click(Band::A, Column::Number, 3, Qt::ShiftModifier);
        QCOMPARE(page(Band::A)->selectedRows(), (std::vector<int>{2, 3}));
        trigger("copyAction");
        QVERIFY(!QApplication::clipboard()->text().startsWith("2\t"));
        click(Band::B, Column::RxFrequency, 40);
        trigger("pasteAction");
        for (int c = 1; c < duoband::kColumnCount; ++c) {
            const Column column = duoband::columnAt(c);
            QCOMPARE(model().channels(Band::B).cell(column, 40),
                     model().channels(Band::A).cell(column, 2));
            QCOMPARE(model().channels(Band::B).cell(column, 41),
                     model().channels(Band::A).cell(column, 3));
        }
        QVERIFY(dialogs->messages.empty());
    }

    // A paste takes what typing takes, into an open entry and into the grid;
    // a copied empty channel pasted over a full one empties it, unremarked.
    void pasteTakesWhatTypingTakes() {
        QApplication::clipboard()->setText("146,55");
        click(Band::A, Column::RxFrequency, 3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        click(Band::A, Column::RxFrequency, 4);
        trigger("pasteAction");
        const duoband::ChannelTable& table = model().channels(Band::A);
        QCOMPARE(table.cell(Column::RxFrequency, 3), "146.55000");
        QCOMPARE(table.cell(Column::RxFrequency, 4), "146.55000");
        click(Band::A, Column::Number, 9);
        trigger("copyAction");
        click(Band::A, Column::Number, 3);
        trigger("pasteAction");
        QVERIFY(duoband::channelIsEmpty(table, 3));
        QCOMPARE(table.cell(Column::RxFrequency, 4), "146.55000");
        QVERIFY2(dialogs->messages.empty(), qPrintable(dialogs->lastText()));
    }

    // A right-click on an open entry, and Shift+F10 in it or on the grid,
    // open the grid's menu with the channel operations.
    void cellMenuOpensOverAnOpenEntryAndFromTheKeyboard_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("right-click on the entry") << "right-click";
        QTest::newRow("Shift+F10 in the entry") << "entry key";
        QTest::newRow("Shift+F10 on the grid") << "grid key";
    }
    void cellMenuOpensOverAnOpenEntryAndFromTheKeyboard() {
        QFETCH(QString, how);
        click(Band::A, Column::RxFrequency, 5);
        auto* entry = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(entry != nullptr);
        QStringList shown;
        QTimer::singleShot(0, [&shown] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* action : menu->actions()) shown << action->objectName();
                menu->close();
            }
        });
        if (how == "right-click") {
            QContextMenuEvent rightClick(QContextMenuEvent::Mouse, entry->rect().center(),
                                         entry->mapToGlobal(entry->rect().center()));
            QApplication::sendEvent(entry, &rightClick);
        } else {
            QWidget* target =
                how == "entry key" ? static_cast<QWidget*>(entry) : page(Band::A)->grid();
            QTest::keyClick(target, Qt::Key_F10, Qt::ShiftModifier);
        }
        QCoreApplication::processEvents();  // no menu: the check above runs now
        QVERIFY2(shown.contains("cutAction") && shown.contains("insertChannelsAction"),
                 qPrintable(shown.join(",")));
    }

    // Each channel operation is one step; undo restores the table.
    void channelOperationsAreUndoneInOneStep_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("namesAfter");  // channels 1..5
        QTest::newRow("insert") << "insertChannelsAction"
                                << "A--BC";
        QTest::newRow("delete") << "deleteChannelsAction"
                                << "ADE--";
        QTest::newRow("move up") << "moveChannelsUpAction"
                                 << "BCADE";
        QTest::newRow("move down") << "moveChannelsDownAction"
                                   << "ADBCE";
        QTest::newRow("clear") << "clearChannelsAction"
                               << "A--DE";
        QTest::newRow("cut") << "cutAction"
                             << "A--DE";
    }
    void channelOperationsAreUndoneInOneStep() {
        QFETCH(QString, action);
        QFETCH(QString, namesAfter);
        for (int row = 1; row <= 5; ++row) {
            model().channels(Band::A).cell(Column::RxFrequency, row) = "145.50000";
            model().channels(Band::A).cell(Column::Name, row) = std::string(1, char('A' + row - 1));
        }
        window().showModel();
        window().history().markClean();
        const EditorModel before = model();
        click(Band::A, Column::Number, 2);
        click(Band::A, Column::Number, 3, Qt::ShiftModifier);
        trigger(action.toLatin1().constData());
        QString names;
        for (int row = 1; row <= 5; ++row) {
            const std::string& name = model().channels(Band::A).cell(Column::Name, row);
            names += name.empty() ? "-" : QString::fromStdString(name);
        }
        QCOMPARE(names, namesAfter);
        QCOMPARE(stack().count(), 2);
        trigger("undoAction");
        QVERIFY(model() == before);
        QVERIFY(!window().isWindowModified());
    }

    // "radio" chosen over an existing radio.bc: the name written is asked
    // about; "radio.bc" itself was asked about by the file dialog.
    void saveAsAsksBeforeReplacingTheNameItWrites() {
        data->write("radio.bc", "kept");
        dialogs->fileNames = {data->path("radio"), data->path("radio"), data->path("radio.bc")};
        dialogs->confirmations = {false, true};
        QVERIFY(!window().saveFileAs());
        QCOMPARE(dialogs->questions, QStringList{"radio.bc already exists. Replace it?"});
        QCOMPARE(data->bytes("radio.bc"), QByteArray("kept"));
        QVERIFY(window().saveFileAs());
        QVERIFY(data->bytes("radio.bc") != QByteArray("kept"));
        QVERIFY(window().saveFileAs());
        QCOMPARE(dialogs->questions.size(), 2);
        QCOMPARE(window().fileName(), data->path("radio.bc"));
    }

    void modifiedMarkFollowsSaveEditAndUndo() {
        window().setWindowTitle("Quorral Radio Works");  // as the login does
        dialogs->fileNames.push_back(data->path("radio.bc"));
        QVERIFY(window().saveFile());
        QCOMPARE(window().windowTitle(), QString("Quorral Radio Works — radio.bc[*]"));
        QVERIFY(!window().isWindowModified());
        typeInCell(Band::B, Column::RxFrequency, 7, "440.0");
        QVERIFY(window().isWindowModified());
        trigger("undoAction");
        QVERIFY(!window().isWindowModified());
        typeInCell(Band::B, Column::RxFrequency, 7, "440.0");
        QVERIFY(window().saveFile());  // no dialog: the file is known
        QCOMPARE(dialogs->fileDialogs.size(), 1);
        QVERIFY(!window().isWindowModified());
    }

    // A new frequency over another one restores the row's defaults: the
    // status bar says so, and one undo brings the tone back.
    void replacedSettingsAreNamedInTheStatusBar() {
        typeInCell(Band::A, Column::RxFrequency, 12, "145.5");
        pickInCell(Band::A, Column::RxTone, 12, 3);
        const EditorModel tuned = model();
        typeInCell(Band::A, Column::RxFrequency, 12, "145.6");
        QCOMPARE(window().statusMessage(),
                 QString("Channel 12: tone, power and flags set to their defaults — "
                         "Ctrl+Z restores them"));
        QTest::keyClick(&window(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(model() == tuned);
    }

    // Right after Enter in the grid the next cell's entry has the focus:
    // Ctrl+Z and Ctrl+Shift+Z from there reach the history. In a page's text
    // field the field's own typing is undone first, then the history.
    void undoAndRedoReachTheHistoryFromInsideAField() {
        typeInCell(Band::A, Column::RxFrequency, 12, "145.5");
        const EditorModel typed = model();
        auto* entry = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(entry != nullptr && entry->isVisible());
        QTest::keyClick(entry, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(model() == EditorModel());
        QTest::keyClick(page(Band::A)->grid(), Qt::Key_Return);  // the entry again
        QVERIFY(entry->hasFocus());
        QTest::keyClick(entry, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(model() == typed);

        const QString vhfLow =
            QString::fromStdString(duoband::settingObjectName({duoband::SettingId::LimitVhfLow}));
        auto* field = window().findChild<QLineEdit*>(vhfLow);
        window().pageTabs()->setCurrentWidget(field->parentWidget());
        field->setFocus();
        QTest::keyClicks(field, "136");
        QTest::keyClick(field, Qt::Key_Return);  // taken over; the next limit has the focus
        const EditorModel limited = model();
        QVERIFY(limited != typed);
        auto* next = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(next != nullptr && next != field);
        QTest::keyClicks(next, "1");
        QTest::keyClick(next, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(next->text(), QString());
        QVERIFY(model() == limited);
        QTest::keyClick(next, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(model() == typed);
        QCOMPARE(field->text(), QString());
        QTest::keyClick(next, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(model() == limited);
        QCOMPARE(field->text(), QString("136"));
    }

    // During a Read every editing shortcut is refused.
    void editingShortcutsDoNothingDuringARead() {
        TestRadio radio({"--sample"});
        QVERIFY2(radio.started(), qPrintable(radio.error()));
        windows.reset();
        windows =
            std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{radio.port()}, false});
        windows->mainWindow->show();
        QVERIFY(QTest::qWaitForWindowActive(windows->mainWindow.get()));
        windows->mainWindow->serialPort().setReadIntervalMs(0);  // a read in a few seconds
        typeInCell(Band::A, Column::RxFrequency, 1, "145.5");    // something to undo
        click(Band::A, Column::Number, 1);
        QApplication::clipboard()->setText("146.5\n");
        dialogs->saveAnswers.push_back(SaveAnswer::Discard);
        bool untouched = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QTimer::singleShot(300, dialog, [&, dialog] {
                QVERIFY(dialog->running());
                const EditorModel during = model();
                const int steps = stack().count();
                for (const QKeySequence& key :
                     {QKeySequence("Ctrl+Z"), QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y"),
                      QKeySequence("Ctrl+X"), QKeySequence("Ctrl+V"), QKeySequence("Del"),
                      QKeySequence("Ins"), QKeySequence("Ctrl+Del"), QKeySequence("Ctrl+Shift+Up"),
                      QKeySequence("Ctrl+Shift+Down")}) {
                    QTest::keySequence(&window(), key);
                    QTest::keySequence(page(Band::A)->grid(), key);
                }
                for (const char* name :
                     {"undoAction", "redoAction", "cutAction", "pasteAction", "deleteAction",
                      "insertChannelsAction", "deleteChannelsAction", "moveChannelsUpAction",
                      "moveChannelsDownAction", "clearChannelsAction"}) {
                    window().findChild<QAction*>(name)->trigger();
                }
                untouched = model() == during && stack().count() == steps;
            });
            dialog->startTransfer();
        });
        trigger("readAction");
        QVERIFY(untouched);
        QCOMPARE(stack().undoText(), QString("Read"));
    }

  private:
    std::unique_ptr<TestDataFolder> data;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<Windows> windows;
};

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
