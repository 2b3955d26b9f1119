// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window says everything in its own language: a test translator that
// turns every letter of every text it is asked for into 'ж' leaves Latin
// letters only in the values (paths, a file's texts, commands). A text the
// window shows without asking the translator keeps its English words, and
// they are listed. The Chinese translations themselves come after lupdate.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "about_dialog.h"
#include "application.h"
#include "duoband/settings_table.h"
#include "duoband/version.h"
#include "main_window.h"
#include "small_dialogs.h"
#include "transfer_dialogs.h"
#include "window_fixture.h"

using duoband::Band;
using duoband::Column;

namespace {

class MarkingTranslator final : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        QString marked = QString::fromUtf8(source);
        for (qsizetype i = 0; i < marked.size(); ++i) {
            if (marked[i] == '%') {
                ++i;  // a place: %1, %n
            } else if (marked[i].unicode() < 0x80 && marked[i].isLetter()) {
                marked[i] = QChar(0x0436);
            }
        }
        return marked;
    }
};

// The English words of `text` once its `values` are taken out.
QString englishLeftIn(QString text, const QStringList& values) {
    for (const QString& value : values) text.remove(value);
    QStringList words;
    static const QRegularExpression latin("[A-Za-z]+");
    for (const QRegularExpressionMatch& word : latin.globalMatch(text)) words << word.captured();
    return words.join(' ');
}

#define VERIFY_ALL_TRANSLATED(text, values)                                              \
    do {                                                                                 \
        const QString shown = (text);                                                    \
        QVERIFY2(!shown.isEmpty(), "nothing shown");                                     \
        const QString left = englishLeftIn(shown, values);                               \
        QVERIFY2(left.isEmpty(), qPrintable("left in English: " + left + "\n" + shown)); \
    } while (false)

}  // namespace

class WindowLanguageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> data;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<MarkingTranslator> translator;
    std::unique_ptr<Windows> windows;

    void open(PortOptions ports) {
        windows = std::make_unique<Windows>(DataFolder(data->dir()), std::move(ports));
    }
    MainWindow& window() { return *windows->mainWindow; }

  private slots:
    void init() {
        data = std::make_unique<TestDataFolder>();
        dialogs = std::make_unique<ScriptedDialogs>();
        translator = std::make_unique<MarkingTranslator>();
        QCoreApplication::installTranslator(translator.get());
    }
    void cleanup() {
        windows.reset();
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
        dialogs.reset();
        data.reset();
    }

    // The port given on the command line is announced, and the doctor's
    // advice on why it does not open is the panel's tool tip.
    void thePortAnnouncementAndTheDoctorsAdvice() {
        const QString missing = "/dev/duoband-no-such-port";
        open(PortOptions{{missing.toStdString()}, false});
        VERIFY_ALL_TRANSLATED(window().statusMessage(), QStringList{missing});
        VERIFY_ALL_TRANSLATED(window().statusPanelToolTip(),
                              (QStringList{missing, "duoband-cli ports"}));
    }

    void theNoteDialog() {
        open(PortOptions{{}, false});
        VERIFY_ALL_TRANSLATED(windows->companyNameDialog->companyNameLabel->text(), QStringList{});
    }

    // Each refused cell: where, which column, what was pasted and why not.
    void everyLineOfThePasteReport() {
        open(PortOptions{{}, false});
        QApplication::clipboard()->setText("300\tXY\n145.5\tXY\n");
        auto* grid = window().findChild<QAbstractItemView*>("bandA.channels");
        grid->setCurrentIndex(grid->model()->index(0, duoband::columnIndex(Column::RxFrequency)));
        window().findChild<QAction*>("pasteAction")->trigger();
        QCOMPARE(dialogs->lastText().count('\n'), 3);  // the count and three cells
        VERIFY_ALL_TRANSLATED(dialogs->lastText(), QStringList{"XY"});
    }

    // Skipped rows, changed values, and a file that cannot be imported.
    void everyLineOfTheCsvImportReport() {
        open(PortOptions{{}, false});
        data->write("plan.csv",
                    "Location,Name,Frequency,Mode,Power\r\n3,ONE,520,,\r\n4,TWO,146.52,AM,\r\n"
                    "5,THREE,146.5234,,9x\r\n999,X,146.52,,\r\n6,LongName12,146.52,,\r\n"
                    "6,SIX,146.52,,\r\n");
        dialogs->fileNames = {data->path("plan.csv")};
        window().findChild<QAction*>("importCsvAction")->trigger();
        QCOMPARE(dialogs->lastText().count('\n'), 9);  // done, a blank line, the heading, 7 notes
        VERIFY_ALL_TRANSLATED(dialogs->lastText(),
                              (QStringList{"plan.csv", "Mode \"AM\"", "Power \"9x\"", "Frequency",
                                           "Location \"999\"", "Name \"LongName12\"", "LongNam"}));

        data->write("empty.csv", "");
        dialogs->fileNames = {data->path("empty.csv")};
        window().findChild<QAction*>("importCsvAction")->trigger();
        QCOMPARE(dialogs->lastKind(), QString("error"));
        VERIFY_ALL_TRANSLATED(dialogs->lastText(), QStringList{"empty.csv"});
    }

    // A failed transfer says what came back at which step, on which port and
    // what to check, all in the window's language (the station's rows say it
    // the same way).
    void theDetailOfAFailedTransfer() {
        open(PortOptions{{}, false});
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget()))
                dialog->startTransfer();
        });
        window().findChild<QAction*>("readAction")->trigger();
        QCOMPARE(dialogs->lastText().count('\n'), 2);  // the result, the detail, nothing changed
        VERIFY_ALL_TRANSLATED(dialogs->lastText(), QStringList{"COM2"});
    }

    // The licence's own words stay as they are, introduced by a notice in
    // the window's language.
    void theLicenceIsIntroducedInTheWindowsLanguage() {
        open(PortOptions{{}, false});
        const QString about = windows->aboutDialog->text->text();
        const auto utf8 = [](std::string_view text) {
            return QString::fromUtf8(text.data(), qsizetype(text.size()));
        };
        const QString licence = utf8(duoband::kLicenceNotice);
        const qsizetype at = about.indexOf(licence);
        QVERIFY2(at > 0, qPrintable(about));
        VERIFY_ALL_TRANSLATED(about.left(at).split('\n', Qt::SkipEmptyParts).last(), QStringList{});
        VERIFY_ALL_TRANSLATED(
            about,
            (QStringList{licence, utf8(duoband::kLicence), QDir::toNativeSeparators(data->dir()),
                         QDir::toNativeSeparators(appSettings::location())}));
    }
};

QTEST_MAIN(WindowLanguageTest)
#include "window_language_test.moc"
