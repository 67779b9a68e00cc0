#include "platform/qt/TopWindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cstring>

namespace brivane::platform::qt {

ShiftState shiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    ShiftState shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= ShiftKey;
    if (modifiers & Qt::AltModifier) shift |= AltKey;
    if (modifiers & Qt::ControlModifier) shift |= CtrlKey;
    if (buttons & Qt::LeftButton) shift |= LeftButtonHeld;
    if (buttons & Qt::RightButton) shift |= RightButtonHeld;
    if (buttons & Qt::MiddleButton) shift |= MiddleButtonHeld;
    return shift;
}

namespace {

QColor colorOf(Argb argb) { return QColor::fromRgb(argb & 0xFFFFFFu); }

bool buttonOf(Qt::MouseButton qtButton, MouseButton& button) {
    switch (qtButton) {
        case Qt::LeftButton:
            button = MouseButton::Left;
            return true;
        case Qt::RightButton:
            button = MouseButton::Right;
            return true;
        case Qt::MiddleButton:
            button = MouseButton::Middle;
            return true;
        default:
            return false;
    }
}

Point clientPoint(const QMouseEvent* event) {
    QPoint p = event->position().toPoint();
    return {p.x(), p.y()};
}

}  // namespace

TopWindow::TopWindow(const WindowSpec& spec, WindowListener* listener)
    : QWidget(nullptr, (spec.toolWindow ? Qt::Tool : Qt::Window) |
                           (spec.borderless ? Qt::FramelessWindowHint : Qt::WindowFlags())),
      listener_(listener),
      background_(colorOf(spec.background)) {
    // Every pixel comes from the kit's picture: no erase before painting, so nothing flickers.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_StaticContents);
    setMouseTracking(true);
    // A sidebar is seldom the active window; its hints show all the same.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setWindowTitle(QString::fromStdString(spec.caption));
    setGeometry(spec.bounds.left, spec.bounds.top, std::max(1, spec.bounds.width()),
                std::max(1, spec.bounds.height()));
}

void TopWindow::present(ConstPixelView picture, Rect area) {
    if (picture.pixels == nullptr || picture.width <= 0 || picture.height <= 0) return;
    QRect whole(0, 0, picture.width, picture.height);
    QRect changed = QRect(area.left, area.top, area.width(), area.height()) & whole;
    if (picture_.width() != picture.width || picture_.height() != picture.height) {
        // A new size: take the whole picture, it all belongs to the new client area.
        picture_ = QImage(picture.width, picture.height, QImage::Format_RGB32);
        changed = whole;
    }
    if (changed.isEmpty()) return;
    const std::size_t rowBytes = static_cast<std::size_t>(changed.width()) * 4;
    for (int y = changed.top(); y <= changed.bottom(); ++y) {
        const std::uint32_t* from =
            picture.pixels + static_cast<std::ptrdiff_t>(y) * picture.stride + changed.left();
        auto* to = reinterpret_cast<std::uint32_t*>(picture_.scanLine(y)) + changed.left();
        std::memcpy(to, from, rowBytes);
    }
    update(changed);
}

void TopWindow::setBackground(Argb color) {
    QColor next = colorOf(color);
    if (next == background_) return;
    background_ = next;
    QRegion uncovered = QRegion(rect()) - QRegion(picture_.rect());
    if (!uncovered.isEmpty()) update(uncovered);
}

void TopWindow::setHint(const std::string& hint) {
    QString text = QString::fromStdString(hint);
    if (text == toolTip()) return;
    // A tip on show belongs to the place the pointer was; the new one comes after the usual
    // pause.
    if (QToolTip::isVisible()) QToolTip::hideText();
    setToolTip(text);
}

void TopWindow::pointerLeftForChild() { listener_->mouseLeft(); }

void TopWindow::paintEvent(QPaintEvent* event) {
    QRegion wanted = event->region();
    QRegion uncovered = wanted - QRegion(picture_.rect());
    if (!uncovered.isEmpty()) {
        // Nothing of the kit's picture here yet: let the kit draw it, if it has it.
        QRect bounds = uncovered.boundingRect();
        listener_->exposed({bounds.left(), bounds.top(), bounds.left() + bounds.width(),
                            bounds.top() + bounds.height()});
        uncovered = wanted - QRegion(picture_.rect());
    }
    QPainter painter(this);
    for (const QRect& r : wanted& QRegion(picture_.rect())) painter.drawImage(r, picture_, r);
    for (const QRect& r : uncovered) painter.fillRect(r, background_);
}

void TopWindow::mousePressEvent(QMouseEvent* event) {
    MouseButton button;
    if (!buttonOf(event->button(), button)) return;
    listener_->mousePressed(button, shiftStateOf(event->modifiers(), event->buttons()),
                            clientPoint(event));
}

void TopWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    MouseButton button;
    if (!buttonOf(event->button(), button)) return;
    listener_->mousePressed(button,
                            shiftStateOf(event->modifiers(), event->buttons()) | DoubleClick,
                            clientPoint(event));
}

void TopWindow::mouseReleaseEvent(QMouseEvent* event) {
    MouseButton button;
    if (!buttonOf(event->button(), button)) return;
    listener_->mouseReleased(button, shiftStateOf(event->modifiers(), event->buttons()),
                             clientPoint(event));
}

void TopWindow::mouseMoveEvent(QMouseEvent* event) {
    listener_->mouseMoved(shiftStateOf(event->modifiers(), event->buttons()), clientPoint(event));
}

void TopWindow::leaveEvent(QEvent*) { listener_->mouseLeft(); }

void TopWindow::closeEvent(QCloseEvent* event) {
    // The window manager's close: the program decides what it means.
    event->ignore();
    listener_->closeRequested();
}

}  // namespace brivane::platform::qt
