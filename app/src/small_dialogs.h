// The two small dialogs of the editor: TForm3 "Amend Password" changes the
// password in image/1.bc, TForm4 "Note" the company name in image/2.bc.
// Both live for the whole run, so their fields keep what was typed.
#pragma once

#include <QDialog>

#include "data_folder.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TForm3 : public QDialog {
    Q_OBJECT

  public:
    explicit TForm3(DataFolder data, QWidget* parent = nullptr);

    QLabel* Label1;  // "Old password:"
    QLabel* Label2;  // "New Password:"
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QPushButton* Button1;  // "Amend"
    QPushButton* Button2;  // "Cancel"

    void Button1Click();

  private:
    DataFolder data_;
};

class TForm4 : public QDialog {
    Q_OBJECT

  public:
    // `captionOwner` is the main window, whose caption becomes the new name.
    TForm4(DataFolder data, QWidget* captionOwner, QWidget* parent = nullptr);

    QLabel* Label1;  // " Company Name:"
    QLineEdit* Edit1;
    QPushButton* Button1;  // "Amend"
    QPushButton* Button2;  // "Cancel"

    void Button1Click();

  private:
    DataFolder data_;
    QWidget* captionOwner_;
};
