#include "small_dialogs.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "user_dialogs.h"

namespace {

QLineEdit* addField(QFormLayout* form, QLabel* label, QLineEdit::EchoMode echo) {
    auto* edit = new QLineEdit;
    edit->setEchoMode(echo);
    form->addRow(label, edit);
    return edit;
}

// "Amend" and "Cancel" under the fields; Cancel (and Escape) closes the
// dialog, Enter in a field amends.
void addButtons(QDialog* dialog, QVBoxLayout* column, QPushButton*& amend, QPushButton*& cancel) {
    amend = new QPushButton("Amend");
    cancel = new QPushButton("Cancel");
    amend->setDefault(true);
    cancel->setAutoDefault(false);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(amend);
    row->addWidget(cancel);
    column->addLayout(row);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

void makeDialogFrame(QDialog* dialog, const QString& caption) {
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    dialog->setModal(true);
}

}  // namespace

TForm3::TForm3(DataFolder data, QWidget* parent) : QDialog(parent), data_(std::move(data)) {
    setObjectName("Form3");
    makeDialogFrame(this, "Amend Password");
    auto* column = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    column->addLayout(form);
    Label1 = new QLabel("Old password:");
    Label2 = new QLabel("New Password:");
    Edit1 = addField(form, Label1, QLineEdit::Password);
    Edit2 = addField(form, Label2, QLineEdit::Password);
    addButtons(this, column, Button1, Button2);
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
}

// The new password may be empty; it is stored as typed, with mode 0600.
void TForm3::Button1Click() {
    QString stored;
    QString error = readFirstLine(data_.passwordPath(), stored);
    if (!error.isEmpty()) {
        userDialogs().error(this, error);
        return;
    }
    if (Edit1->text() != stored) {
        userDialogs().information(this, "Password error!");
        return;
    }
    error = writeSingleLine(data_.passwordPath(), Edit2->text(), true);
    if (!error.isEmpty()) {
        userDialogs().error(this, error);
        return;
    }
    accept();
}

TForm4::TForm4(DataFolder data, QWidget* captionOwner, QWidget* parent)
    : QDialog(parent), data_(std::move(data)), captionOwner_(captionOwner) {
    setObjectName("Form4");
    makeDialogFrame(this, "Note");
    auto* column = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    column->addLayout(form);
    Label1 = new QLabel(" Company Name:");
    Edit1 = addField(form, Label1, QLineEdit::Normal);
    addButtons(this, column, Button1, Button2);
    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
}

void TForm4::Button1Click() {
    const QString name = Edit1->text();
    if (name.isEmpty()) {
        userDialogs().information(this, "No Empty!");
        return;
    }
    const QString error = writeSingleLine(data_.companyPath(), name, false);
    if (!error.isEmpty()) {
        userDialogs().error(this, error);
        return;
    }
    accept();
    if (captionOwner_ != nullptr) captionOwner_->setWindowTitle(name);
}
