// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A screen reader's and a keyboard user's view of the program: every control
// of every window, page and dialog, walked through QAccessible, has a name;
// a channel cell reads as band, channel, column and value; every menu
// command can be reached from the keyboard; Help > About says what it should.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <set>

#include "about_dialog.h"
#include "app_test_support.h"
#include "application.h"
#include "backups_dialog.h"
#include "duoband/version.h"
#include "login_window.h"
#include "main_window.h"
#include "pages/channel_table_page.h"
#include "register_window.h"
#include "small_dialogs.h"
#include "station_window.h"
#include "transfer_dialogs.h"
#include "window_recorder.h"

namespace {

// The roles of what a user operates (a combo box's popup list belongs to
// the combo box, a table's header sections to the table).
bool isControl(QAccessible::Role role) {
    switch (role) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::EditableText:
        case QAccessible::SpinBox:
        case QAccessible::Slider:
        case QAccessible::PageTab:
        case QAccessible::MenuItem:
        case QAccessible::ButtonMenu:
        case QAccessible::ButtonDropDown:
        case QAccessible::Table:
        case QAccessible::Cell:
        case QAccessible::List:
        case QAccessible::Link:
            return true;
        default:
            return false;
    }
}

struct Walk {
    QStringList unnamed;         // where each control without a name sits
    QStringList buttons;         // the names of the push buttons
    std::set<QObject*> reached;  // the widgets the walk went through
    int controls = 0;
};

// On Linux a combo box's Name is its current entry; what names it is a
// label (its buddy) or a name of its own.
bool named(QAccessibleInterface* node) {
    if (node->role() != QAccessible::ComboBox)
        return !node->text(QAccessible::Name).trimmed().isEmpty();
    const auto* widget = qobject_cast<QWidget*>(node->object());
    return !node->relations(QAccessible::Label).isEmpty() ||
           (widget != nullptr && !widget->accessibleName().isEmpty());
}

void walk(QAccessibleInterface* node, const QString& where, Walk& seen) {
    if (node == nullptr || !node->isValid()) return;
    seen.reached.insert(node->object());
    const QAccessible::Role role = node->role();
    const QString here =
        where + "/" +
        (node->object() && !node->object()->objectName().isEmpty() ? node->object()->objectName()
                                                                   : QString::number(role, 16));
    if (isControl(role)) {
        ++seen.controls;
        if (!named(node)) seen.unnamed << here;
    }
    if (role == QAccessible::PushButton) seen.buttons << node->text(QAccessible::Name);
    if (role == QAccessible::ComboBox) return;
    for (int i = 0; i < node->childCount(); ++i) walk(node->child(i), here, seen);
}

// A widget that takes the keyboard focus, inside `window` itself.
bool takesFocus(QWidget* widget, QWidget* window) {
    return widget->window() == window && widget->focusPolicy() != Qt::NoFocus &&
           !widget->objectName().startsWith("qt_");
}

// The window's accessible tree, then every widget that takes the focus and
// lies outside it (the grid's cell editors, which a screen reader meets as
// they get the focus).
Walk walkWindow(QWidget* window) {
    Walk seen;
    walk(QAccessible::queryAccessibleInterface(window), window->objectName(), seen);
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (takesFocus(widget, window) && !seen.reached.contains(widget))
            walk(QAccessible::queryAccessibleInterface(widget), window->objectName(), seen);
    }
    return seen;
}

bool hasMnemonic(const QString& text) {
    const qsizetype at = text.indexOf('&');
    return at >= 0 && at + 1 < text.size() && text[at + 1] != '&';
}

QChar mnemonic(const QString& text) {
    return text[text.indexOf('&') + 1].toLower();
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void everyControlOfEveryWindowHasAName() {
        QTemporaryDir empty;
        BackupsDialog backups(empty.path().toStdString(), nullptr);
        QTemporaryDir registerFolder;
        windows->mainWindow->recorder().setDataFolder(registerFolder.path().toStdString());
        windows->mainWindow->findChild<QAction*>("radioRegisterAction")->trigger();
        RegisterWindow* reg = windows->mainWindow->registerWindow();
        reg->newFleet();
        windows->mainWindow->findChild<QAction*>("registerSettingsAction")->trigger();
        windows->mainWindow->findChild<QAction*>("programManyAction")->trigger();
        auto* station = windows->mainWindow->findChild<StationWindow*>();
        QVERIFY(station != nullptr);
        QList<QWidget*> windowList{windows->loginWindow.get(), windows->mainWindow.get(),
                                   windows->passwordDialog,    windows->companyNameDialog,
                                   windows->readDialog,        windows->writeDialog,
                                   windows->aboutDialog,       &backups};
        windowList << station << reg << reg->findChild<QDialog*>("newFleetDialog")
                   << windows->mainWindow->findChild<QDialog*>("registerSettingsDialog");
        int controls = 0;
        QStringList unnamed;
        for (QWidget* window : windowList) {
            const Walk seen = walkWindow(window);
            unnamed << seen.unnamed;
            controls += seen.controls;
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join("\n")));
        QVERIFY(station->close());
        QTRY_VERIFY(reg->idle());
        reg->close();
        // Both grids' cells alone are 2 × 128 × 13.
        QVERIFY2(controls > 2 * 128 * 13, qPrintable(QString::number(controls)));
    }

    // Buttons that do different things have different names (the Limit
    // page's two Read and two Write buttons), and a menu's separators are no
    // items with a name.
    void buttonsAreToldApartAndSeparatorsPassedOver() {
        QStringList buttons = walkWindow(windows->mainWindow.get()).buttons;
        QStringList repeated;
        for (const QString& name : buttons) {
            if (buttons.count(name) > 1 && !repeated.contains(name)) repeated << name;
        }
        QVERIFY2(repeated.isEmpty(), qPrintable(repeated.join(", ")));
        for (QMenu* menu : windows->mainWindow->menuBar()->findChildren<QMenu*>()) {
            QAccessibleInterface* items = QAccessible::queryAccessibleInterface(menu);
            for (int i = 0; i < items->childCount(); ++i) {
                QAccessibleInterface* item = items->child(i);
                const QString name = item->text(QAccessible::Name);
                const bool wordless =
                    std::ranges::none_of(name, [](QChar c) { return c.isLetterOrNumber(); });
                QVERIFY2(wordless == (item->role() == QAccessible::Separator),
                         qPrintable(menu->title() + ": " + name));
            }
        }
    }

    void aChannelCellReadsAsBandChannelColumnAndValue() {
        MainWindow& f = *windows->mainWindow;
        f.model().channels(duoband::Band::B).cell(duoband::Column::RxFrequency, 12) = "145.52500";
        f.showModel();
        auto* page = qobject_cast<ChannelTablePage*>(f.pageTabs()->widget(2));
        QVERIFY(page != nullptr);
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(page->grid());
        QVERIFY(grid != nullptr && grid->tableInterface() != nullptr);
        const auto read = [grid](int row, int column) {
            return grid->tableInterface()->cellAt(row, column)->text(QAccessible::Name);
        };
        QCOMPARE(read(11, 1), QString("Band B, channel 12, Receiving Frequency, 145.52500"));
        QCOMPARE(read(0, 12), QString("Band B, channel 1, Channel Name, empty"));
        QCOMPARE(read(127, 0), QString("Band B, channel 128"));
    }

    // Every command in a menu has a shortcut or a letter of its own in a
    // menu that has one.
    void everyMenuCommandHasAKeyboardPath() {
        QStringList unreachable;
        for (QAction* top : windows->mainWindow->menuBar()->actions()) {
            if (!hasMnemonic(top->text())) unreachable << top->text();
            if (top->menu() == nullptr) continue;
            std::multiset<QChar> letters;
            for (QAction* item : top->menu()->actions()) {
                if (hasMnemonic(item->text())) letters.insert(mnemonic(item->text()));
            }
            for (QAction* item : top->menu()->actions()) {
                if (item->isSeparator()) continue;
                const bool ownLetter =
                    hasMnemonic(item->text()) && letters.count(mnemonic(item->text())) == 1;
                if (item->shortcut().isEmpty() && !ownLetter) unreachable << item->text();
            }
        }
        QVERIFY2(unreachable.isEmpty(), qPrintable(unreachable.join(", ")));
    }

    void helpAboutNamesTheVersionTheLicenceAndTheDataFolder() {
        QString shown;
        QTimer::singleShot(0, [&shown] {
            auto* about = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
            if (about == nullptr) return;
            shown = about->text->text();
            about->reject();
        });
        windows->mainWindow->findChild<QAction*>("aboutAction")->trigger();
        const QString version =
            QString::fromUtf8(duoband::kVersion.data(), qsizetype(duoband::kVersion.size()));
        QVERIFY2(shown.startsWith("duoband " + version + "\n"), qPrintable(shown));
        QVERIFY2(shown.contains("Licence: GPL-3.0-or-later\nThe licence's own words, which alone "
                                "are binding:\nThis program is free software: you can "
                                "redistribute it"),
                 qPrintable(shown));
        QVERIFY2(shown.contains(QDir::toNativeSeparators(data.dir())), qPrintable(shown));
    }

  private:
    // The tests only look, so one set of windows serves them all.
    TestDataFolder data;
    ScriptedDialogs dialogs;
    std::unique_ptr<Windows> windows =
        std::make_unique<Windows>(DataFolder(data.dir()), PortOptions{{}, false});
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
