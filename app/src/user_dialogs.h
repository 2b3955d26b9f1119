// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one seam through which the windows ask the user something: message
// boxes, the confirmation and the file dialogs. The program uses the Qt
// dialogs; GUI tests install answers instead, so nothing waits in a modal loop.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "duoband/channel_csv.h"

class QMessageBox;
class QPrinter;
class QWidget;

class UserDialogs {
  public:
    virtual ~UserDialogs() = default;
    // A modal information box with an OK button.
    virtual void information(QWidget* parent, const QString& text) = 0;
    // A modal box with the warning icon: a refused entry, a failed transfer.
    virtual void warning(QWidget* parent, const QString& text) = 0;
    // A warning with OK and one more button captioned `offer` (a way out the
    // user may choose); true only when that button was pressed.
    virtual bool warningWithOffer(QWidget* parent, const QString& text, const QString& offer);
    // A modal error box with an OK button.
    virtual void error(QWidget* parent, const QString& text) = 0;
    // A Yes/No question; true only for Yes.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
    // An error box that does not wait for its OK: open over `parent` when
    // this returns, it goes when closed. For what a timer, a cable or a job
    // report raises, whose handler must not wait in a nested loop. By
    // default as error.
    virtual void openError(QWidget* parent, const QString& text) { error(parent, text); }
    // A Yes/No question whose Yes cannot be taken back: No is the default
    // button and Escape's answer. True only for Yes. By default as confirm.
    virtual bool confirmNoByDefault(QWidget* parent, const QString& text) {
        return confirm(parent, text);
    }
    // A question with two answers captioned `yes` and `no` (the default);
    // true only for `yes`. By default as confirm.
    virtual bool confirmWith(QWidget* parent, const QString& text, const QString& /*yes*/,
                             const QString& /*no*/) {
        return confirm(parent, text);
    }
    // The boxes a job's report raises, open without waiting: the handler
    // that raised one returns, and `closed` (or `answered`) runs once it is
    // answered. By default as the modal boxes above, answered at once.
    enum class MessageKind { Information, Warning, Error };
    virtual void openMessage(QWidget* parent, MessageKind kind, const QString& text,
                             std::function<void()> closed);
    virtual void openWarningWithOffer(QWidget* parent, const QString& text, const QString& offer,
                                      std::function<void(bool taken)> answered) {
        answered(warningWithOffer(parent, text, offer));
    }
    virtual void openQuestionNoByDefault(QWidget* parent, const QString& text,
                                         std::function<void(bool yes)> answered) {
        answered(confirmNoByDefault(parent, text));
    }
    // A Yes/No question that does not wait for its answer: the box, a child
    // of `parent`, is open when this returns and the program goes on. The
    // answer comes as the box's finished() with its clickedButton(); the
    // caller hides and deletes the box, also when the question no longer
    // stands. Unless a seam shows it, no one sees it and it stays open.
    virtual QMessageBox* openQuestion(QWidget* parent, const QString& text);
    // The channel plan's problems before a radio is written: `text` above the
    // list of `problems`, with "Write Anyway" and "Cancel" (the default and
    // Escape's answer). True only for Write Anyway. The open one does not wait:
    // `answered` runs once the box is answered. By default as confirmWith.
    virtual bool writeDespiteProblems(QWidget* parent, const QString& text,
                                      const QStringList& problems);
    virtual void openWriteDespiteProblems(QWidget* parent, const QString& text,
                                          const QStringList& problems,
                                          std::function<void(bool writeAnyway)> answered) {
        answered(writeDespiteProblems(parent, text, problems));
    }
    // The question before unsaved changes would go.
    enum class SaveAnswer { Save, Discard, Cancel };
    virtual SaveAnswer askToSave(QWidget* parent, const QString& text) = 0;
    // The same question without waiting for it, for a quit that goes on
    // after a stop; by default as askToSave, answered at once.
    virtual void openAskToSave(QWidget* parent, const QString& text,
                               std::function<void(SaveAnswer)> answered) {
        answered(askToSave(parent, text));
    }
    // A file name, or an empty string when the dialog is cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    // A file that lines are added to: new or existing, never asked about
    // replacing. By default as saveFileName.
    virtual QString appendFileName(QWidget* parent, const QString& title, const QString& filter) {
        return saveFileName(parent, title, filter);
    }
    // Where the `rows` rows of a channel file that names no channels go;
    // nullopt when cancelled (also when no one is asked).
    virtual std::optional<duoband::CsvStart> importStart(QWidget* parent, int rows);
    // The print dialog: true when the user chose to print on `printer`.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer);
};

// The seam every window uses; the Qt dialogs unless a test installed others.
UserDialogs& userDialogs();
// Installs `dialogs` (not owned) for the rest of the run; nullptr restores Qt's.
void installUserDialogs(UserDialogs* dialogs);
