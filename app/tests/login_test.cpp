// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The login window and the two small dialogs "Amend Password" and "Note",
// on their own data folder.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "app_test_support.h"
#include "duoband/login_texts.h"
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
        window = std::make_unique<LoginWindow>(DataFolder(data->dir()));
        window->setEditor(editor.get());
    }
    void cleanup() {
        window.reset();
        editor.reset();
        dialogs.reset();
        data.reset();
    }

    void showsCaptionAndPictureFromTheDataFolder() {
        QCOMPARE(window->windowTitle(), QString("Quorral"));
        QCOMPARE(window->passwordLabel->text(), QString("Password :"));
        QCOMPARE(window->loginButton->text(), QString("Login "));
        QCOMPARE(window->replaceBackgroundButton->text(), QString("Replace Background"));
        QCOMPARE(window->passwordEdit->echoMode(), QLineEdit::Password);
        data->write("2.bc", "Harbour Radio\r\nsecond line\r\n");
        window->show();
        QCOMPARE(window->windowTitle(), QString("Harbour Radio"));
        QCOMPARE(window->background->picture().size(), QSize(480, 300));  // the default 1.jpg
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
        window->show();
        QTest::keyClicks(window->passwordEdit, "s3cret ");
        submit(byEnter);
        QVERIFY(!window->isVisible());
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->windowTitle(), window->windowTitle());
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
        window->show();
        QTest::keyClicks(window->passwordEdit, typed);
        submit(byEnter);
        QVERIFY(window->isVisible());
        QVERIFY(!editor->isVisible());
        QVERIFY(window->passwordEdit->text().isEmpty());
        QCOMPARE(dialogs->lastText(), QString("Password Error!"));
    }

    // A new --data-dir, missing or empty, gets the default picture, company
    // name and password, and the first login works; a file already there
    // stays the user's own.
    void aNewDataFolderGetsTheDefaults_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QByteArray>("password");  // already there; empty: none
        QTest::newRow("missing") << "new/image" << QByteArray();
        QTest::newRow("empty") << "" << QByteArray();
        QTest::newRow("holding a password") << "" << QByteArray("s3cret\r\n");
    }
    void aNewDataFolderGetsTheDefaults() {
        QFETCH(QString, folder);
        QFETCH(QByteArray, password);
        QTemporaryDir home;
        const QString dir = home.filePath(folder);
        if (!password.isEmpty()) {
            QFile file(dir + "/1.bc");
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(password);
        }
        LoginWindow login(DataFolder::locate(dir));
        login.setEditor(editor.get());
        login.show();
        QTest::keyClicks(login.passwordEdit, password.isEmpty() ? "duoband" : "s3cret");
        QTest::keyClick(login.passwordEdit, Qt::Key_Return);
        QVERIFY2(dialogs->messages.empty(), qPrintable(dialogs->lastText()));
        QVERIFY(editor->isVisible());
        QCOMPARE(login.windowTitle(), QString("Quorral Radio Works"));
        QCOMPARE(login.background->picture().size(), QSize(480, 300));
        if (password.isEmpty()) {  // made private
            QCOMPARE(QFile(dir + "/1.bc").permissions() & (QFile::ReadGroup | QFile::ReadOther),
                     QFile::Permissions());
        }
    }

    void missingOrEmptyPasswordFileStopsTheLogin_data() {
        QTest::addColumn<bool>("remove");
        QTest::newRow("missing") << true;
        QTest::newRow("empty") << false;
    }
    void missingOrEmptyPasswordFileStopsTheLogin() {
        QFETCH(bool, remove);
        remove ? data->remove("1.bc") : data->write("1.bc", "");
        window->show();
        submit(false);
        QVERIFY(window->isVisible());
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
        window->show();
        QCOMPARE(window->windowTitle(), QString("Quorral"));
        QCOMPARE(dialogs->messages.size(), std::size_t(1));
        QCOMPARE(dialogs->lastKind(), QString("error"));
        QVERIFY(dialogs->lastText().contains("1.jpg"));
    }

    void missingCompanyFileKeepsTheCaption() {
        data->remove("2.bc");
        window->show();
        QCOMPARE(window->windowTitle(), QString("Quorral"));
        QVERIFY(dialogs->lastText().contains("2.bc"));
    }

    void replaceBackgroundShowsAndCopiesTheChoice() {
        window->show();
        const QString chosen = data->path("chosen.jpg");
        data->write("chosen.jpg", smallJpeg(250));
        dialogs->fileNames.push_back(chosen);
        window->replaceBackground();
        QCOMPARE(dialogs->fileDialogs, QStringList{"Open|*.jpg"});
        QCOMPARE(window->background->picture().size(), QSize(4, 2));
        QVERIFY(qRed(window->background->picture().pixel(0, 0)) > 200);
        QCOMPARE(data->bytes("1.jpg"), data->bytes("chosen.jpg"));
        QVERIFY(dialogs->messages.empty());
    }

    void replaceBackgroundRefusesWhatDoesNotDecode() {
        window->show();
        const QByteArray before = data->bytes("1.jpg");
        data->write("bad.jpg", "not a picture");
        dialogs->fileNames.push_back(data->path("bad.jpg"));
        window->replaceBackground();
        QCOMPARE(dialogs->lastKind(), QString("error"));
        QCOMPARE(data->bytes("1.jpg"), before);
        QCOMPARE(window->background->picture().size(), QSize(480, 300));
    }

    void replaceBackgroundCancelledDoesNothing() {
        window->show();
        const QByteArray before = data->bytes("1.jpg");
        window->replaceBackground();
        QCOMPARE(data->bytes("1.jpg"), before);
        QVERIFY(dialogs->messages.empty());
    }

    void amendPasswordNeedsTheOldOne() {
        PasswordDialog passwordDialog(DataFolder(data->dir()));
        QCOMPARE(passwordDialog.windowTitle(), QString("Amend Password"));
        QCOMPARE(passwordDialog.oldPasswordLabel->text(), QString("Old password:"));
        QCOMPARE(passwordDialog.newPasswordLabel->text(), QString("New Password:"));
        QCOMPARE(passwordDialog.newPasswordEdit->echoMode(), QLineEdit::Password);
        const QByteArray before = data->bytes("1.bc");
        passwordDialog.oldPasswordEdit->setText("wrong");
        passwordDialog.newPasswordEdit->setText("new one");
        passwordDialog.amend();
        QCOMPARE(dialogs->lastText(), QString("Password error!"));
        QCOMPARE(data->bytes("1.bc"), before);
        QCOMPARE(passwordDialog.result(), 0);
    }

    void amendPasswordWritesExactlyTheNewOne() {
        PasswordDialog passwordDialog(DataFolder(data->dir()));
        passwordDialog.oldPasswordEdit->setText("duoband");
        passwordDialog.newPasswordEdit->setText("n3w Pass ");
        passwordDialog.amend();
        QVERIFY(dialogs->messages.empty());
        QCOMPARE(passwordDialog.result(), int(QDialog::Accepted));
        QCOMPARE(data->bytes("1.bc"), QByteArray("n3w Pass \r\n"));
        const auto perms = std::filesystem::status(data->path("1.bc").toStdString()).permissions();
        QCOMPARE(int(perms & std::filesystem::perms::all), 0600);
        // and the login takes it
        window->show();
        window->passwordEdit->setText("n3w Pass ");
        window->login();
        QVERIFY(editor->isVisible());
    }

    void pastedControlCharactersAreRefused() {
        PasswordDialog passwordDialog(DataFolder(data->dir()));
        CompanyNameDialog companyNameDialog(DataFolder(data->dir()), editor.get());
        const QByteArray password = data->bytes("1.bc");
        const QByteArray company = data->bytes("2.bc");
        passwordDialog.oldPasswordEdit->setText("duoband");
        passwordDialog.newPasswordEdit->setText("pasted\nline");
        passwordDialog.amend();
        QCOMPARE(dialogs->lastText(), QString::fromUtf8(duoband::kPasswordControlMessage.data()));
        companyNameDialog.companyNameEdit->setText("Acme\tRadio");
        companyNameDialog.amend();
        QCOMPARE(dialogs->lastText(),
                 QString::fromUtf8(duoband::kCompanyNameControlMessage.data()));
        QCOMPARE(data->bytes("1.bc"), password);
        QCOMPARE(data->bytes("2.bc"), company);
    }

    void noteRefusesAnEmptyName() {
        CompanyNameDialog companyNameDialog(DataFolder(data->dir()), editor.get());
        QCOMPARE(companyNameDialog.windowTitle(), QString("Note"));
        QCOMPARE(companyNameDialog.companyNameLabel->text(), QString(" Company Name:"));
        const QByteArray before = data->bytes("2.bc");
        companyNameDialog.amend();
        QCOMPARE(dialogs->lastText(), QString("No Empty!"));
        QCOMPARE(data->bytes("2.bc"), before);
    }

    void noteChangesTheCaptionAtOnceAndAtTheNextStart() {
        CompanyNameDialog companyNameDialog(DataFolder(data->dir()), editor.get());
        editor->setWindowTitle("Old Name");
        companyNameDialog.companyNameEdit->setText("Coast Radio");
        companyNameDialog.amend();
        QCOMPARE(editor->windowTitle(), QString("Coast Radio"));
        QCOMPARE(data->bytes("2.bc"), QByteArray("Coast Radio\r\n"));
        LoginWindow nextStart{DataFolder(data->dir())};
        nextStart.show();
        QCOMPARE(nextStart.windowTitle(), QString("Coast Radio"));
    }

    // Both dialogs work from the keyboard alone: Tab between the fields,
    // Enter amends, Escape cancels.
    void dialogsAmendOnEnterAndCancelOnEscape() {
        PasswordDialog passwordDialog(DataFolder(data->dir()));
        passwordDialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&passwordDialog));
        passwordDialog.oldPasswordEdit->setFocus();
        QTest::keyClicks(passwordDialog.oldPasswordEdit, "duoband");
        QCOMPARE(passwordDialog.oldPasswordEdit->displayText(), QString("*******"));
        QTest::keyClick(passwordDialog.oldPasswordEdit, Qt::Key_Tab);
        QVERIFY(passwordDialog.newPasswordEdit->hasFocus());
        QTest::keyClicks(passwordDialog.newPasswordEdit, "typed");
        QTest::keyClick(passwordDialog.newPasswordEdit, Qt::Key_Return);
        QCOMPARE(data->bytes("1.bc"), QByteArray("typed\r\n"));
        QVERIFY(!passwordDialog.isVisible());

        CompanyNameDialog companyNameDialog(DataFolder(data->dir()), editor.get());
        editor->setWindowTitle("Old Name");
        companyNameDialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&companyNameDialog));
        companyNameDialog.companyNameEdit->setFocus();
        QTest::keyClicks(companyNameDialog.companyNameEdit, "Keyed Radio");
        QTest::keyClick(companyNameDialog.companyNameEdit, Qt::Key_Escape);
        QVERIFY(!companyNameDialog.isVisible());
        QCOMPARE(editor->windowTitle(), QString("Old Name"));
        // Opened again, it shows the name in use, not what was typed and cancelled.
        companyNameDialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&companyNameDialog));
        QCOMPARE(companyNameDialog.companyNameEdit->text(), QString(data->bytes("2.bc")).trimmed());
        companyNameDialog.companyNameEdit->setFocus();
        companyNameDialog.companyNameEdit->selectAll();
        QTest::keyClicks(companyNameDialog.companyNameEdit, "Keyed Radio");
        QTest::keyClick(companyNameDialog.companyNameEdit, Qt::Key_Return);
        QCOMPARE(editor->windowTitle(), QString("Keyed Radio"));
    }

  private:
    void submit(bool byEnter) {
        if (byEnter) {
            QTest::keyClick(window->passwordEdit, Qt::Key_Return);
        } else {
            QTest::mouseClick(window->loginButton, Qt::LeftButton);
        }
    }

    std::unique_ptr<TestDataFolder> data;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<QWidget> editor;
    std::unique_ptr<LoginWindow> window;
};

QTEST_MAIN(LoginTest)
#include "login_test.moc"
