// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_fit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

class ScreenFit final : public QObject {
  public:
    explicit ScreenFit(QWidget* window) : QObject(window), window_(window) {}

  protected:
    // Each time the window opens it is fitted with the frame the window
    // manager is likely to give it; once the real frame is known (the
    // window manager has placed the window, which moves it) it is fitted
    // again with that.
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            awaitingFrame_ = frameMargins().isNull();
            fit(awaitingFrame_ ? likelyFrame() : frameMargins());
        } else if (event->type() == QEvent::Move && awaitingFrame_ && !frameMargins().isNull()) {
            awaitingFrame_ = false;
            fit(frameMargins());
        }
        return false;
    }

  private:
    QMargins frameMargins() const {
        return window_->windowHandle() != nullptr ? window_->windowHandle()->frameMargins()
                                                  : QMargins();
    }

    // A title bar above and thin borders elsewhere.
    QMargins likelyFrame() const {
        const int border = 4;
        return {border, window_->style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border,
                border};
    }

    // The screen the window opens on: where a remembered place puts it.
    QScreen* screen() const {
        QScreen* at = QGuiApplication::screenAt(window_->geometry().center());
        return at != nullptr ? at : window_->screen();
    }

    void fit(const QMargins& frame) {
        const QRect room = screen()->availableGeometry();
        const QSize size = window_->size().boundedTo(room.size().shrunkBy(frame));
        if (size != window_->size()) window_->resize(size);
        // Until it is shown, a window that was never placed is placed by the
        // window manager, which keeps it on the screen itself.
        if (!window_->isVisible() && !window_->testAttribute(Qt::WA_Moved)) return;
        // A window that cannot shrink enough (its smallest size) keeps its
        // title bar on the screen.
        const QSize outer = size.grownBy(frame);
        const QPoint topLeft = window_->pos();  // of the frame
        const QPoint inside(
            std::max(room.left(), std::min(topLeft.x(), room.right() + 1 - outer.width())),
            std::max(room.top(), std::min(topLeft.y(), room.bottom() + 1 - outer.height())));
        if (inside != topLeft) window_->move(inside);
    }

    QWidget* window_;
    bool awaitingFrame_ = false;
};

}  // namespace

void keepWithinScreen(QWidget* window) {
    window->installEventFilter(new ScreenFit(window));
}

QWidget* scrolledWhenCramped(QWidget* content) {
    auto* area = new QScrollArea(content->parentWidget());
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(true);
    area->setWidget(content);
    return area;
}
