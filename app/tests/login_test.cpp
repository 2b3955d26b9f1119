// The login window TForm1 and the two small dialogs TForm3 "Amend Password"
// and TForm4 "Note", on their own data folder.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "app_test_support.h"
#include "jpeg_picture.h"
#include "login_window.h"
#include "small_dialogs.h"

namespace {

QByteArray smallJpeg(std::uint8_t red) {
    duoband::RgbPicture picture{4, 2, std::vector<std::uint8_t>(4 * 2 * 3, 0)};
    for (std::size_t i = 0; i < picture.rgb.size(); i += 3) picture.rgb[i] = red;
    std::string error;
    const auto bytes = duoband::encodeJpeg(picture, 95, error);
    return bytes
               ? QByteArray(reinterpret_cast<const char*>(bytes->data()), qsizetype(bytes->size()))
               : QByteArray();
}

}  // namespace

class LoginTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        data = std::make_unique<TestDataFolder>();
        dialogs = std::make_unique<ScriptedDialogs>();
        editor = std::make_unique<QWidget>();
        form1 = std::make_unique<TForm1>(DataFolder(data->dir()));
        form1->setEditor(editor.get());
    }
    void cleanup() {
        form1.reset();
        editor.reset();
        dialogs.reset();
        data.reset();
    }

    void showsCaptionAndPictureFromTheDataFolder() {
        QCOMPARE(form1->windowTitle(), QString("Quorral"));
        QCOMPARE(form1->Label1->text(), QString("Password :"));
        QCOMPARE(form1->Button1->text(), QString("Login "));
        QCOMPARE(form1->Button2->text(), QString("Replace Background"));
        QCOMPARE(form1->Edit1->echoMode(), QLineEdit::Password);
        data->write("2.bc", "Harbour Radio\r\nsecond line\r\n");
        form1->show();
        QCOMPARE(form1->windowTitle(), QString("Harbour Radio"));
        QCOMPARE(form1->Image1->picture().size(), QSize(480, 300));  // the default 1.jpg
        QVERIFY(dialogs->messages.empty());
    }

    void rightPasswordLogsIn_data() {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("button") << false;
        QTest::newRow("enter") << true;
    }
    void rightPasswordLogsIn() {
        QFETCH(bool, byEnter);
        data->write("1.bc", "s3cret \r\n");
        form1->show();
        QTest::keyClicks(form1->Edit1, "s3cret ");
        submit(byEnter);
        QVERIFY(!form1->isVisible());
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->windowTitle(), form1->windowTitle());
        QVERIFY(dialogs->messages.empty());
    }

    // The comparison is exact: case and a trailing blank count.
    void wrongPasswordIsRefused_data() {
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<QString>("typed");
        QTest::newRow("button, other word") << false << "secret";
        QTest::newRow("enter, other case") << true << "S3cret ";
        QTest::newRow("enter, blank missing") << true << "s3cret";
    }
    void wrongPasswordIsRefused() {
        QFETCH(bool, byEnter);
        QFETCH(QString, typed);
        data->write("1.bc", "s3cret \r\n");
        form1->show();
        QTest::keyClicks(form1->Edit1, typed);
        submit(byEnter);
        QVERIFY(form1->isVisible());
        QVERIFY(!editor->isVisible());
        QVERIFY(form1->Edit1->text().isEmpty());
        QCOMPARE(dialogs->lastText(), QString("Password Error!"));
    }

    void missingOrEmptyPasswordFileStopsTheLogin_data() {
        QTest::addColumn<bool>("remove");
        QTest::newRow("missing") << true;
        QTest::newRow("empty") << false;
    }
    void missingOrEmptyPasswordFileStopsTheLogin() {
        QFETCH(bool, remove);
        remove ? data->remove("1.bc") : data->write("1.bc", "");
        form1->show();
        submit(false);
        QVERIFY(form1->isVisible());
        QCOMPARE(dialogs->lastKind(), QString("error"));
        QVERIFY(dialogs->lastText().contains("1.bc"));
    }

    // A picture that cannot be loaded is reported and the caption is not read.
    void badPictureKeepsTheCaption_data() {
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<bool>("remove");
        QTest::newRow("missing") << QByteArray() << true;
        QTest::newRow("not a JPEG") << QByteArray("GIF89a not at all") << false;
        QTest::newRow("cut short") << smallJpeg(200).left(40) << false;
    }
    void badPictureKeepsTheCaption() {
        QFETCH(QByteArray, picture);
        QFETCH(bool, remove);
        remove ? data->remove("1.jpg") : data->write("1.jpg", picture);
        form1->show();
        QCOMPARE(form1->windowTitle(), QString("Quorral"));
        QCOMPARE(dialogs->messages.size(), std::size_t(1));
        QCOMPARE(dialogs->lastKind(), QString("error"));
        QVERIFY(dialogs->lastText().contains("1.jpg"));
    }

    void missingCompanyFileKeepsTheCaption() {
        data->remove("2.bc");
        form1->show();
        QCOMPARE(form1->windowTitle(), QString("Quorral"));
        QVERIFY(dialogs->lastText().contains("2.bc"));
    }

    void replaceBackgroundShowsAndCopiesTheChoice() {
        form1->show();
        const QString chosen = data->path("chosen.jpg");
        data->write("chosen.jpg", smallJpeg(250));
        dialogs->fileNames.push_back(chosen);
        form1->Button2Click();
        QCOMPARE(dialogs->fileDialogs, QStringList{"Open|*.jpg"});
        QCOMPARE(form1->Image1->picture().size(), QSize(4, 2));
        QVERIFY(qRed(form1->Image1->picture().pixel(0, 0)) > 200);
        QCOMPARE(data->bytes("1.jpg"), data->bytes("chosen.jpg"));
        QVERIFY(dialogs->messages.empty());
    }

    void replaceBackgroundRefusesWhatDoesNotDecode() {
        form1->show();
        const QByteArray before = data->bytes("1.jpg");
        data->write("bad.jpg", "not a picture");
        dialogs->fileNames.push_back(data->path("bad.jpg"));
        form1->Button2Click();
        QCOMPARE(dialogs->lastKind(), QString("error"));
        QCOMPARE(data->bytes("1.jpg"), before);
        QCOMPARE(form1->Image1->picture().size(), QSize(480, 300));
    }

    void replaceBackgroundCancelledDoesNothing() {
        form1->show();
        const QByteArray before = data->bytes("1.jpg");
        form1->Button2Click();
        QCOMPARE(data->bytes("1.jpg"), before);
        QVERIFY(dialogs->messages.empty());
    }

    void amendPasswordNeedsTheOldOne() {
        TForm3 form3(DataFolder(data->dir()));
        QCOMPARE(form3.windowTitle(), QString("Amend Password"));
        QCOMPARE(form3.Label1->text(), QString("Old password:"));
        QCOMPARE(form3.Label2->text(), QString("New Password:"));
        QCOMPARE(form3.Edit2->echoMode(), QLineEdit::Password);
        const QByteArray before = data->bytes("1.bc");
        form3.Edit1->setText("wrong");
        form3.Edit2->setText("new one");
        form3.Button1Click();
        QCOMPARE(dialogs->lastText(), QString("Password error!"));
        QCOMPARE(data->bytes("1.bc"), before);
        QCOMPARE(form3.result(), 0);
    }

    void amendPasswordWritesExactlyTheNewOne() {
        TForm3 form3(DataFolder(data->dir()));
        form3.Edit1->setText("duoband");
        form3.Edit2->setText("n3w Pass ");
        form3.Button1Click();
        QVERIFY(dialogs->messages.empty());
        QCOMPARE(form3.result(), int(QDialog::Accepted));
        QCOMPARE(data->bytes("1.bc"), QByteArray("n3w Pass \r\n"));
        const auto perms = std::filesystem::status(data->path("1.bc").toStdString()).permissions();
        QCOMPARE(int(perms & std::filesystem::perms::all), 0600);
        // and the login takes it
        form1->show();
        form1->Edit1->setText("n3w Pass ");
        form1->Button1Click();
        QVERIFY(editor->isVisible());
    }

    void noteRefusesAnEmptyName() {
        TForm4 form4(DataFolder(data->dir()), editor.get());
        QCOMPARE(form4.windowTitle(), QString("Note"));
        QCOMPARE(form4.Label1->text(), QString(" Company Name:"));
        const QByteArray before = data->bytes("2.bc");
        form4.Button1Click();
        QCOMPARE(dialogs->lastText(), QString("No Empty!"));
        QCOMPARE(data->bytes("2.bc"), before);
    }

    void noteChangesTheCaptionAtOnceAndAtTheNextStart() {
        TForm4 form4(DataFolder(data->dir()), editor.get());
        editor->setWindowTitle("Old Name");
        form4.Edit1->setText("Coast Radio");
        form4.Button1Click();
        QCOMPARE(editor->windowTitle(), QString("Coast Radio"));
        QCOMPARE(data->bytes("2.bc"), QByteArray("Coast Radio\r\n"));
        TForm1 nextStart{DataFolder(data->dir())};
        nextStart.show();
        QCOMPARE(nextStart.windowTitle(), QString("Coast Radio"));
    }

    // Both dialogs work from the keyboard alone: Tab between the fields,
    // Enter amends, Escape cancels.
    void dialogsAmendOnEnterAndCancelOnEscape() {
        TForm3 form3(DataFolder(data->dir()));
        form3.show();
        QVERIFY(QTest::qWaitForWindowActive(&form3));
        form3.Edit1->setFocus();
        QTest::keyClicks(form3.Edit1, "duoband");
        QTest::keyClick(form3.Edit1, Qt::Key_Tab);
        QVERIFY(form3.Edit2->hasFocus());
        QTest::keyClicks(form3.Edit2, "typed");
        QTest::keyClick(form3.Edit2, Qt::Key_Return);
        QCOMPARE(data->bytes("1.bc"), QByteArray("typed\r\n"));
        QVERIFY(!form3.isVisible());

        TForm4 form4(DataFolder(data->dir()), editor.get());
        editor->setWindowTitle("Old Name");
        form4.show();
        QVERIFY(QTest::qWaitForWindowActive(&form4));
        form4.Edit1->setFocus();
        QTest::keyClicks(form4.Edit1, "Keyed Radio");
        QTest::keyClick(form4.Edit1, Qt::Key_Escape);
        QVERIFY(!form4.isVisible());
        QCOMPARE(editor->windowTitle(), QString("Old Name"));
        form4.show();
        QVERIFY(QTest::qWaitForWindowActive(&form4));
        form4.Edit1->setFocus();
        QTest::keyClick(form4.Edit1, Qt::Key_Return);
        QCOMPARE(editor->windowTitle(), QString("Keyed Radio"));
    }

  private:
    void submit(bool byEnter) {
        if (byEnter) {
            QTest::keyClick(form1->Edit1, Qt::Key_Return);
        } else {
            QTest::mouseClick(form1->Button1, Qt::LeftButton);
        }
    }

    std::unique_ptr<TestDataFolder> data;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<QWidget> editor;
    std::unique_ptr<TForm1> form1;
};

QTEST_MAIN(LoginTest)
#include "login_test.moc"
