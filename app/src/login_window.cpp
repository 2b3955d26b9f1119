// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "login_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "jpeg_picture.h"
#include "program_end.h"
#include "user_dialogs.h"

namespace {

// What the window shows until image/1.jpg is loaded.
QImage builtInPicture() {
    QImage picture(480, 300, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 0, picture.height());
    gradient.setColorAt(0, QColor(30, 40, 70));
    gradient.setColorAt(1, QColor(60, 90, 120));
    painter.fillRect(picture.rect(), gradient);
    return picture;
}

QImage toImage(const duoband::RgbPicture& rgb) {
    QImage image(rgb.rgb.data(), rgb.width, rgb.height, rgb.width * 3, QImage::Format_RGB888);
    return image.copy();  // own the pixels; `rgb` goes away
}

}  // namespace

void PictureBox::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture_);
}

QImage loadJpegPicture(const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = LoginWindow::tr("Cannot open the picture %1: %2").arg(path, file.errorString());
        return {};
    }
    const QByteArray bytes = file.readAll();
    std::string why;
    const auto picture = duoband::decodeJpeg(
        {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())}, why);
    if (!picture) {
        error =
            LoginWindow::tr("%1 is not a JPEG picture: %2").arg(path, QString::fromStdString(why));
        return {};
    }
    return toImage(*picture);
}

LoginWindow::LoginWindow(DataFolder data, QWidget* parent)
    : QWidget(parent), data_(std::move(data)) {
    setObjectName("loginWindow");
    setWindowTitle("Quorral");
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    resize(480, 300);

    background = new PictureBox(this);
    background->setPicture(builtInPicture());
    passwordLabel = new QLabel(tr("Password :"), background);
    passwordLabel->setStyleSheet("color: white; font-weight: bold;");
    passwordEdit = new QLineEdit(background);
    passwordLabel->setBuddy(passwordEdit);
    passwordEdit->setEchoMode(QLineEdit::Password);
    loginButton = new QPushButton(tr("Login "), background);
    replaceBackgroundButton = new QPushButton(tr("Replace Background"), background);

    auto* row = new QHBoxLayout;
    row->addWidget(passwordLabel);
    row->addWidget(passwordEdit, 1);
    row->addWidget(loginButton);
    auto* column = new QVBoxLayout(background);
    column->addStretch(1);
    column->addLayout(row);
    column->addWidget(replaceBackgroundButton, 0, Qt::AlignRight);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(background);

    connect(loginButton, &QPushButton::clicked, this, &LoginWindow::login);
    connect(passwordEdit, &QLineEdit::returnPressed, this, &LoginWindow::login);
    connect(replaceBackgroundButton, &QPushButton::clicked, this, &LoginWindow::replaceBackground);
}

void LoginWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) showBackgroundAndCaption();
}

// A picture that cannot be loaded ends the showing step: the caption is not
// read and stays "Quorral".
void LoginWindow::showBackgroundAndCaption() {
    QString error;
    const QImage picture = loadJpegPicture(data_.backgroundPath(), error);
    if (picture.isNull()) {
        userDialogs().error(this, error);
        return;
    }
    background->setPicture(picture);
    QString company;
    error = readFirstLine(data_.companyPath(), company);
    if (!error.isEmpty()) {
        userDialogs().error(this, error);
        return;
    }
    setWindowTitle(company);
}

void LoginWindow::login() {
    QString password;
    const QString error = readFirstLine(data_.passwordPath(), password);
    if (!error.isEmpty()) {
        userDialogs().error(this, error);
        return;
    }
    if (passwordEdit->text() != password) {
        passwordEdit->clear();
        userDialogs().warning(this, tr("Password Error!"));
        return;
    }
    hide();
    if (editor_ == nullptr) return;
    editor_->setWindowTitle(windowTitle());
    editor_->show();
    emit loggedIn();
}

// The chosen picture is shown at once and copied over image/1.jpg; a file
// that does not decode is neither shown nor copied.
void LoginWindow::replaceBackground() {
    const QString chosen = userDialogs().openFileName(this, tr("Open"), "*.jpg");
    if (chosen.isEmpty()) return;
    QString error;
    const QImage picture = loadJpegPicture(chosen, error);
    if (picture.isNull()) {
        userDialogs().error(this, error);
        return;
    }
    background->setPicture(picture);
    error = copyWholeFile(chosen, data_.backgroundPath());
    if (!error.isEmpty()) userDialogs().error(this, error);
}

// Closing the login window ends the program.
void LoginWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    endProgram();
}
