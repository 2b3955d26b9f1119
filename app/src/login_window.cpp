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
        error = QString("Cannot open the picture %1: %2").arg(path, file.errorString());
        return {};
    }
    const QByteArray bytes = file.readAll();
    std::string why;
    const auto picture = duoband::decodeJpeg(
        {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())}, why);
    if (!picture) {
        error = QString("%1 is not a JPEG picture: %2").arg(path, QString::fromStdString(why));
        return {};
    }
    return toImage(*picture);
}

TForm1::TForm1(DataFolder data, QWidget* parent) : QWidget(parent), data_(std::move(data)) {
    setObjectName("Form1");
    setWindowTitle("Quorral");
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    resize(480, 300);

    Image1 = new PictureBox(this);
    Image1->setPicture(builtInPicture());
    Label1 = new QLabel("Password :", Image1);
    Label1->setStyleSheet("color: white; font-weight: bold;");
    Edit1 = new QLineEdit(Image1);
    Edit1->setEchoMode(QLineEdit::Password);
    Button1 = new QPushButton("Login ", Image1);
    Button2 = new QPushButton("Replace Background", Image1);

    auto* row = new QHBoxLayout;
    row->addWidget(Label1);
    row->addWidget(Edit1, 1);
    row->addWidget(Button1);
    auto* column = new QVBoxLayout(Image1);
    column->addStretch(1);
    column->addLayout(row);
    column->addWidget(Button2, 0, Qt::AlignRight);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(Image1);

    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Edit1, &QLineEdit::returnPressed, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

// A picture that cannot be loaded ends the showing step: the caption is not
// read and stays "Quorral".
void TForm1::FormShow() {
    QString error;
    const QImage picture = loadJpegPicture(data_.backgroundPath(), error);
    if (picture.isNull()) {
        userDialogs().error(this, error);
        return;
    }
    Image1->setPicture(picture);
    QString company;
    error = readFirstLine(data_.companyPath(), company);
    if (!error.isEmpty()) {
        userDialogs().error(this, error);
        return;
    }
    setWindowTitle(company);
}

void TForm1::Button1Click() {
    QString password;
    const QString error = readFirstLine(data_.passwordPath(), password);
    if (!error.isEmpty()) {
        userDialogs().error(this, error);
        return;
    }
    if (Edit1->text() != password) {
        Edit1->clear();
        userDialogs().information(this, "Password Error!");
        return;
    }
    hide();
    if (editor_ == nullptr) return;
    editor_->setWindowTitle(windowTitle());
    editor_->show();
}

// The chosen picture is shown at once and copied over image/1.jpg; a file
// that does not decode is neither shown nor copied.
void TForm1::Button2Click() {
    const QString chosen = userDialogs().openFileName(this, "Open", "*.jpg");
    if (chosen.isEmpty()) return;
    QString error;
    const QImage picture = loadJpegPicture(chosen, error);
    if (picture.isNull()) {
        userDialogs().error(this, error);
        return;
    }
    Image1->setPicture(picture);
    error = copyWholeFile(chosen, data_.backgroundPath());
    if (!error.isEmpty()) userDialogs().error(this, error);
}

// Closing the login window ends the program.
void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    endProgram();
}
