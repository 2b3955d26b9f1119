// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "user_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>

#include "app_settings.h"
#include "import_start_dialog.h"
#include "plan_problems_dialog.h"

namespace {

// Opens `box` window-modal; `answered` runs with it once a button ends it,
// and the box goes after.
void openAnswered(QMessageBox* box, std::function<void(QMessageBox*)> answered) {
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::finished, box,
                     [box, answered = std::move(answered)] { answered(box); });
    box->open();
}

UserDialogs::SaveAnswer saveAnswer(int button) {
    switch (button) {
        case QMessageBox::Save:
            return UserDialogs::SaveAnswer::Save;
        case QMessageBox::Discard:
            return UserDialogs::SaveAnswer::Discard;
        default:
            return UserDialogs::SaveAnswer::Cancel;
    }
}

class QtUserDialogs final : public UserDialogs {
  public:
    void information(QWidget* parent, const QString& text) override {
        QMessageBox::information(parent, QString(), text);
    }
    void warning(QWidget* parent, const QString& text) override {
        QMessageBox::warning(parent, QString(), text);
    }
    bool warningWithOffer(QWidget* parent, const QString& text, const QString& offer) override {
        QMessageBox box(QMessageBox::Warning, QString(), text, QMessageBox::Ok, parent);
        QPushButton* offered = box.addButton(offer, QMessageBox::AcceptRole);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        box.exec();
        return box.clickedButton() == offered;
    }
    void error(QWidget* parent, const QString& text) override {
        QMessageBox::critical(parent, QString(), text);
    }
    bool confirm(QWidget* parent, const QString& text) override {
        return QMessageBox::question(parent, QString(), text, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    }
    void openError(QWidget* parent, const QString& text) override {
        auto* box =
            new QMessageBox(QMessageBox::Critical, QString(), text, QMessageBox::Ok, parent);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
    bool confirmNoByDefault(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::Question, QString(), text, QMessageBox::Yes | QMessageBox::No,
                        parent);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }
    bool confirmWith(QWidget* parent, const QString& text, const QString& yes,
                     const QString& no) override {
        QMessageBox box(QMessageBox::Question, QString(), text, QMessageBox::NoButton, parent);
        QPushButton* yesButton = box.addButton(yes, QMessageBox::AcceptRole);
        QPushButton* noButton = box.addButton(no, QMessageBox::RejectRole);
        box.setDefaultButton(noButton);
        box.setEscapeButton(noButton);
        box.exec();
        return box.clickedButton() == yesButton;
    }
    void openMessage(QWidget* parent, MessageKind kind, const QString& text,
                     std::function<void()> closed) override {
        static constexpr QMessageBox::Icon kIcons[] = {QMessageBox::Information,
                                                       QMessageBox::Warning, QMessageBox::Critical};
        auto* box = new QMessageBox(kIcons[static_cast<int>(kind)], QString(), text,
                                    QMessageBox::Ok, parent);
        openAnswered(box, [closed = std::move(closed)](QMessageBox*) { closed(); });
    }
    void openWarningWithOffer(QWidget* parent, const QString& text, const QString& offer,
                              std::function<void(bool)> answered) override {
        auto* box = new QMessageBox(QMessageBox::Warning, QString(), text, QMessageBox::Ok, parent);
        QPushButton* offered = box->addButton(offer, QMessageBox::AcceptRole);
        box->setDefaultButton(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Ok);
        openAnswered(box, [offered, answered = std::move(answered)](QMessageBox* answer) {
            answered(answer->clickedButton() == offered);
        });
    }
    void openQuestionNoByDefault(QWidget* parent, const QString& text,
                                 std::function<void(bool)> answered) override {
        QMessageBox* box = UserDialogs::openQuestion(parent, text);
        box->setDefaultButton(QMessageBox::No);
        box->setEscapeButton(QMessageBox::No);
        openAnswered(box, [answered = std::move(answered)](QMessageBox* answer) {
            answered(answer->standardButton(answer->clickedButton()) == QMessageBox::Yes);
        });
    }
    // Window-modal: the box stays over `parent`, and no event loop waits for it.
    QMessageBox* openQuestion(QWidget* parent, const QString& text) override {
        QMessageBox* box = UserDialogs::openQuestion(parent, text);
        box->open();
        return box;
    }
    bool writeDespiteProblems(QWidget* parent, const QString& text,
                              const QStringList& problems) override {
        PlanProblemsDialog dialog(text, problems, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    void openWriteDespiteProblems(QWidget* parent, const QString& text, const QStringList& problems,
                                  std::function<void(bool)> answered) override {
        auto* dialog = new PlanProblemsDialog(text, problems, parent);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(dialog, &QDialog::finished, dialog,
                         [answered = std::move(answered)](int result) {
                             answered(result == QDialog::Accepted);
                         });
        dialog->open();
    }
    SaveAnswer askToSave(QWidget* parent, const QString& text) override {
        return saveAnswer(QMessageBox::question(
            parent, QString(), text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
            QMessageBox::Save));
    }
    void openAskToSave(QWidget* parent, const QString& text,
                       std::function<void(SaveAnswer)> answered) override {
        auto* box =
            new QMessageBox(QMessageBox::Question, QString(), text,
                            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box->setDefaultButton(QMessageBox::Save);
        openAnswered(box, [answered = std::move(answered)](QMessageBox* answer) {
            answered(saveAnswer(answer->standardButton(answer->clickedButton())));
        });
    }
    // An open dialog starts in the folder of the file chosen last, a save
    // dialog where a configuration was saved last.
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override {
        return remembered(
            QFileDialog::getOpenFileName(parent, title, appSettings::lastFolder(), filter));
    }
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter) override {
        return fileToWrite(parent, title, filter, {});
    }
    QString appendFileName(QWidget* parent, const QString& title, const QString& filter) override {
        return fileToWrite(parent, title, filter, QFileDialog::DontConfirmOverwrite);
    }

    std::optional<duoband::CsvStart> importStart(QWidget* parent, int rows) override {
        ImportStartDialog dialog(rows, parent);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.start();
    }

    bool choosePrinter(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

  private:
    // The filter's extension ("*.bc") is added before the dialog asks about
    // replacing a file, so it asks about the name that will be written.
    static QString fileToWrite(QWidget* parent, const QString& title, const QString& filter,
                               QFileDialog::Options options) {
        QFileDialog dialog(parent, title, appSettings::saveFolder(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOptions(options);
        const auto suffixOf = [](const QString& chosen) {
            static const QRegularExpression pattern(R"(\*\.(\w+))");
            return pattern.match(chosen).captured(1);
        };
        dialog.setDefaultSuffix(suffixOf(filter));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&](const QString& chosen) { dialog.setDefaultSuffix(suffixOf(chosen)); });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return remembered(dialog.selectedFiles().first());
    }
    static QString remembered(const QString& file) {
        if (!file.isEmpty()) appSettings::setLastFolderOf(file);
        return file;
    }
};

UserDialogs* installed = nullptr;

}  // namespace

void UserDialogs::openMessage(QWidget* parent, MessageKind kind, const QString& text,
                              std::function<void()> closed) {
    switch (kind) {
        case MessageKind::Information:
            information(parent, text);
            break;
        case MessageKind::Warning:
            warning(parent, text);
            break;
        case MessageKind::Error:
            error(parent, text);
            break;
    }
    closed();
}

QMessageBox* UserDialogs::openQuestion(QWidget* parent, const QString& text) {
    return new QMessageBox(QMessageBox::Question, QString(), text,
                           QMessageBox::Yes | QMessageBox::No, parent);
}

bool UserDialogs::writeDespiteProblems(QWidget* parent, const QString& text,
                                       const QStringList& problems) {
    return confirmWith(parent, text + "\n\n" + problems.join('\n'),
                       PlanProblemsDialog::tr("Write Anyway"), PlanProblemsDialog::tr("Cancel"));
}

// Where no one is asked, the offer is not taken.
bool UserDialogs::warningWithOffer(QWidget* parent, const QString& text, const QString&) {
    warning(parent, text);
    return false;
}

std::optional<duoband::CsvStart> UserDialogs::importStart(QWidget*, int) {
    return std::nullopt;
}

bool UserDialogs::choosePrinter(QWidget*, QPrinter&) {
    return false;
}

UserDialogs& userDialogs() {
    static QtUserDialogs qtDialogs;
    return installed != nullptr ? *installed : qtDialogs;
}

void installUserDialogs(UserDialogs* dialogs) {
    installed = dialogs;
}
