// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The login window, the first window of the program and the only one
// shown at start. A background picture, the company name as caption, the
// password field; a right password hides it and shows the editor.
#pragma once

#include <QImage>
#include <QWidget>

#include "data_folder.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Shows its picture stretched over its whole area.
class PictureBox : public QWidget {
  public:
    explicit PictureBox(QWidget* parent) : QWidget(parent) {}
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
};

// The background decoded with libjpeg; a null image and `error` on failure.
QImage loadJpegPicture(const QString& path, QString& error);

class LoginWindow : public QWidget {
    Q_OBJECT

  public:
    explicit LoginWindow(DataFolder data, QWidget* parent = nullptr);

    // The window shown after a right password; it gets this window's caption.
    void setEditor(QWidget* editor) { editor_ = editor; }

    PictureBox* background;
    QLabel* passwordLabel;  // "Password :"
    QLineEdit* passwordEdit;
    QPushButton* loginButton;              // "Login "
    QPushButton* replaceBackgroundButton;  // "Replace Background"

    void login();
    void replaceBackground();
    void showBackgroundAndCaption();

  signals:
    // The password was right and the editor is shown.
    void loggedIn();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    DataFolder data_;
    QWidget* editor_ = nullptr;
};
