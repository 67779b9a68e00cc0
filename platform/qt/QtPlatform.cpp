#include "platform/qt/QtPlatform.h"

#include <unistd.h>

#include <QCursor>
#include <QDateTime>
#include <QEvent>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <algorithm>
#include <array>
#include <cstdlib>

#include "platform/qt/NativeControl.h"
#include "platform/qt/QuitSignals.h"
#include "platform/qt/TopWindow.h"
#include "platform/qt/X11Desktop.h"

namespace brivane::platform::qt {

namespace {

constexpr int ExtendedStyleIndex = -20;         // GWL_EXSTYLE
constexpr std::int32_t ToolWindowStyle = 0x80;  // WS_EX_TOOLWINDOW

Rect rectOf(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QRect qrectOf(const Rect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

Argb argbOf(const QColor& c) { return 0xFF000000u | (c.rgb() & 0xFFFFFFu); }

Argb rgb(int r, int g, int b) {
    return 0xFF000000u | (static_cast<Argb>(r) << 16) | (static_cast<Argb>(g) << 8) |
           static_cast<Argb>(b);
}

QColor mix(const QColor& a, const QColor& b, double aShare) {
    auto part = [aShare](int x, int y) {
        return static_cast<int>(x * aShare + y * (1.0 - aShare) + 0.5);
    };
    return QColor(part(a.red(), b.red()), part(a.green(), b.green()), part(a.blue(), b.blue()));
}

// Windows' default system colours, for the indexes the desktop palette has nothing for.
constexpr std::array<std::array<int, 3>, 31> WindowsColors = {{
    {200, 200, 200}, {0, 0, 0},       {153, 180, 209}, {191, 205, 219}, {240, 240, 240},
    {255, 255, 255}, {100, 100, 100}, {0, 0, 0},       {0, 0, 0},       {0, 0, 0},
    {180, 180, 180}, {244, 247, 252}, {171, 171, 171}, {0, 120, 215},   {255, 255, 255},
    {240, 240, 240}, {160, 160, 160}, {109, 109, 109}, {0, 0, 0},       {67, 78, 84},
    {255, 255, 255}, {105, 105, 105}, {227, 227, 227}, {0, 0, 0},       {255, 255, 225},
    {180, 180, 180}, {0, 102, 204},   {185, 209, 234}, {215, 228, 242}, {0, 120, 215},
    {240, 240, 240},
}};

// Shows a message box in the middle of the primary screen once Qt has sized it.
class CentreOnShow final : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* box = static_cast<QWidget*>(object);
            if (QScreen* screen = QGuiApplication::primaryScreen()) {
                QRect frame = box->frameGeometry();
                frame.moveCenter(screen->geometry().center());
                box->move(frame.topLeft());
            }
        }
        return false;
    }
};

}  // namespace

QtPlatform::QtPlatform(int argc, char** argv) : argc_(argc) {
    // The sidebar places itself on the screen, which only X11 lets a program do (through
    // XWayland on a Wayland desktop); Wayland proper is the last resort.
    setenv("QT_QPA_PLATFORM", "xcb;wayland", 0);
    app_ = std::make_unique<QApplication>(argc_, argv);
    // Every window of the program is a tool window; the program, not Qt, decides when it ends.
    QApplication::setQuitOnLastWindowClosed(false);
    x11_ = X11Desktop::connect();
    quitSignals_ = std::make_unique<QuitSignals>([this] { endAllLoops(exitCode_); });
    applicationWindow_ = nextHandle();
    extendedStyles_[applicationWindow_] = 0;
    watchScreens();
    if (x11_) x11_->onWorkAreaChanged([this] { workAreaMaybeChanged(); });
    lastWorkArea_ = workArea();
}

QtPlatform::~QtPlatform() {
    for (auto& [handle, w] : windows_) delete w.data();
    windows_.clear();
}

Handle QtPlatform::nextHandle() { return ++lastHandle_; }

TopWindow* QtPlatform::window(Handle handle) {
    auto found = windows_.find(handle);
    return found == windows_.end() ? nullptr : found->second.data();
}

QtPlatform::Native* QtPlatform::native(Handle handle) {
    auto found = natives_.find(handle);
    if (found == natives_.end() || found->second.widget.isNull()) return nullptr;
    return &found->second;
}

ListBoxControl* QtPlatform::list(Handle handle) {
    Native* n = native(handle);
    if (n == nullptr || n->kind != NativeKind::ListBox) return nullptr;
    return static_cast<ListBoxControl*>(n->widget.data());
}

// --- the application and its message loop ------------------------------------------------------

Handle QtPlatform::applicationWindow() { return applicationWindow_; }

void QtPlatform::setApplicationTitle(const std::string& title) {
    // Kept for the program's own captions only: Qt would append an application display name to
    // every window title.
    applicationTitle_ = title;
}

int QtPlatform::runMessageLoop() {
    if (quitHandled_) return exitCode_;  // a quit already handled by a nested loop
    return QApplication::exec();
}

void QtPlatform::quit(int exitCode) {
    exitCode_ = exitCode;
    post([this, exitCode] { endAllLoops(exitCode); });
}

void QtPlatform::endAllLoops(int exitCode) {
    quitHandled_ = true;
    // Ends every running loop, nested ones first; the main loop returns after them.
    QCoreApplication::exit(exitCode);
}

void QtPlatform::post(std::function<void()> action) {
    QMetaObject::invokeMethod(
        app_.get(), [action = std::move(action)] { action(); }, Qt::QueuedConnection);
}

// --- windows ------------------------------------------------------------------------------------

Handle QtPlatform::createWindow(const WindowSpec& spec, WindowListener* listener) {
    auto* w = new TopWindow(spec, listener);
    if (!icon_.isNull()) w->setWindowIcon(icon_);
    Handle handle = nextHandle();
    windows_[handle] = w;
    extendedStyles_[handle] = spec.toolWindow ? ToolWindowStyle : 0;
    return handle;
}

void QtPlatform::destroyWindow(Handle handle) {
    auto found = windows_.find(handle);
    if (found == windows_.end()) return;
    if (TopWindow* w = found->second.data()) {
        w->hide();
        w->deleteLater();  // it may be the window whose event is running now
    }
    windows_.erase(found);
    extendedStyles_.erase(handle);
}

void QtPlatform::setWindowBounds(Handle handle, Rect screenBounds) {
    if (TopWindow* w = window(handle)) {
        w->setGeometry(screenBounds.left, screenBounds.top, std::max(1, screenBounds.width()),
                       std::max(1, screenBounds.height()));
    }
}

void QtPlatform::setWindowVisible(Handle handle, bool visible) {
    TopWindow* w = window(handle);
    if (w == nullptr) return;
    if (!visible) {
        w->hide();
        return;
    }
    // Set the states while the window is unmapped: Qt keeps them when it maps the window, and a
    // window manager reads them at that moment.
    if (x11_ && (w->windowFlags() & Qt::Tool) == Qt::Tool && !w->isVisible()) {
        x11_->skipTaskbar(w);
    }
    w->show();
}

void QtPlatform::raiseWindow(Handle handle) {
    if (TopWindow* w = window(handle)) w->raise();
}

void QtPlatform::setWindowIcon(Handle handle, const std::vector<IconImage>& images) {
    // One picture per size: the deepest of those given.
    std::vector<const IconImage*> best;
    for (const IconImage& image : images) {
        if (image.width <= 0 || image.height <= 0 ||
            image.pixels.size() < static_cast<std::size_t>(image.width) * image.height) {
            continue;
        }
        auto same = std::find_if(best.begin(), best.end(), [&](const IconImage* b) {
            return b->width == image.width && b->height == image.height;
        });
        if (same == best.end()) {
            best.push_back(&image);
        } else if ((*same)->bitsPerPixel < image.bitsPerPixel) {
            *same = &image;
        }
    }
    QIcon icon;
    for (const IconImage* image : best) {
        QImage picture(reinterpret_cast<const uchar*>(image->pixels.data()), image->width,
                       image->height, image->width * 4, QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(picture.copy()));
    }
    if (icon.isNull()) return;
    if (TopWindow* w = window(handle)) w->setWindowIcon(icon);
    if (icon_.isNull()) {
        // The program's icon: also for the message boxes and windows still to come.
        icon_ = icon;
        QApplication::setWindowIcon(icon);
    }
}

void QtPlatform::setWindowBackground(Handle handle, Argb color) {
    if (TopWindow* w = window(handle)) w->setBackground(color);
}

void QtPlatform::present(Handle handle, ConstPixelView picture, Rect area) {
    if (TopWindow* w = window(handle)) w->present(picture, area);
}

void QtPlatform::setWindowCursor(Handle handle, Cursor cursor) {
    TopWindow* w = window(handle);
    if (w == nullptr) return;
    switch (cursor) {
        case Cursor::Arrow:
            w->setCursor(Qt::ArrowCursor);
            break;
        case Cursor::Hand:
            w->setCursor(Qt::PointingHandCursor);
            break;
        case Cursor::IBeam:
            w->setCursor(Qt::IBeamCursor);
            break;
    }
}

void QtPlatform::setWindowHint(Handle handle, const std::string& hint) {
    if (TopWindow* w = window(handle)) w->setHint(hint);
}

// --- native controls ----------------------------------------------------------------------------

Handle QtPlatform::createNative(Handle parent, NativeKind kind, NativeListener* listener) {
    TopWindow* w = window(parent);
    if (w == nullptr) return 0;
    QWidget* control = nullptr;
    switch (kind) {
        case NativeKind::ListBox:
            control = new ListBoxControl(w, listener);
            break;
        case NativeKind::Edit:
            control = new EditControl(w, listener);
            break;
        case NativeKind::Button:
            control = new ButtonControl(w, listener);
            break;
    }
    control->show();  // visible unless the kit hides it, also on a window already shown
    Handle handle = nextHandle();
    natives_[handle] = Native{kind, control, 0};
    return handle;
}

void QtPlatform::destroyNative(Handle handle) {
    auto found = natives_.find(handle);
    if (found == natives_.end()) return;
    if (QWidget* control = found->second.widget.data()) {
        control->hide();
        control->deleteLater();
    }
    natives_.erase(found);
}

void QtPlatform::setNativeBounds(Handle handle, Rect clientBounds) {
    if (Native* n = native(handle)) n->widget->setGeometry(qrectOf(clientBounds));
}

void QtPlatform::setNativeVisible(Handle handle, bool visible) {
    if (Native* n = native(handle)) n->widget->setVisible(visible);
}

void QtPlatform::setNativeStyle(Handle handle, const NativeStyle& style) {
    Native* n = native(handle);
    if (n == nullptr) return;
    applyNativeStyle(n->widget, n->kind, style, fonts_);
    if (n->tabOrder != style.tabOrder) {
        n->tabOrder = style.tabOrder;
        orderTabs(n->widget->parentWidget());
    }
}

void QtPlatform::orderTabs(QWidget* parent) {
    std::vector<const Native*> siblings;
    for (const auto& [handle, n] : natives_) {
        if (!n.widget.isNull() && n.widget->parentWidget() == parent) siblings.push_back(&n);
    }
    std::stable_sort(siblings.begin(), siblings.end(),
                     [](const Native* a, const Native* b) { return a->tabOrder < b->tabOrder; });
    for (std::size_t i = 1; i < siblings.size(); ++i) {
        QWidget::setTabOrder(siblings[i - 1]->widget, siblings[i]->widget);
    }
}

void QtPlatform::setNativeText(Handle handle, const std::string& text) {
    Native* n = native(handle);
    if (n == nullptr) return;
    QString value = QString::fromStdString(text);
    if (n->kind == NativeKind::Edit) {
        static_cast<QLineEdit*>(n->widget.data())->setText(value);  // raises no textEdited
    } else if (n->kind == NativeKind::Button) {
        static_cast<QPushButton*>(n->widget.data())->setText(value);
    }
}

void QtPlatform::listInsert(Handle handle, int index, const std::string& text) {
    ListBoxControl* l = list(handle);
    if (l == nullptr) return;
    QSignalBlocker quiet(l);
    if (index < 0 || index > l->count()) index = l->count();
    l->insertItem(index, QString::fromStdString(text));
}

void QtPlatform::listDelete(Handle handle, int index) {
    ListBoxControl* l = list(handle);
    if (l == nullptr || index < 0 || index >= l->count()) return;
    QSignalBlocker quiet(l);
    bool wasSelected = l->currentRow() == index;
    delete l->takeItem(index);
    // As a list box does: deleting the selected entry leaves none selected.
    if (wasSelected) l->select(-1);
}

void QtPlatform::listClear(Handle handle) {
    ListBoxControl* l = list(handle);
    if (l == nullptr) return;
    QSignalBlocker quiet(l);
    l->clear();
}

void QtPlatform::listSelect(Handle handle, int index) {
    ListBoxControl* l = list(handle);
    if (l == nullptr) return;
    l->select(index);
    if (index >= 0 && index < l->count()) l->scrollToItem(l->item(index));
}

// --- timers -------------------------------------------------------------------------------------

Handle QtPlatform::startTimer(int intervalMs, std::function<void()> tick) {
    auto* timer = new QTimer(&timerOwner_);
    timer->setInterval(std::max(0, intervalMs));
    QObject::connect(timer, &QTimer::timeout, timer, [tick = std::move(tick)] { tick(); });
    timer->start();
    Handle handle = nextHandle();
    timers_[handle] = timer;
    return handle;
}

void QtPlatform::killTimer(Handle handle) {
    auto found = timers_.find(handle);
    if (found == timers_.end()) return;
    found->second->stop();
    found->second->deleteLater();  // its own tick may be running
    timers_.erase(found);
}

// --- screens ------------------------------------------------------------------------------------

Rect QtPlatform::workArea() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {};
    QRect area = screen->availableGeometry();
    if (x11_ && QGuiApplication::screens().size() > 1) {
        // With several monitors Qt gives each its whole area. The desktop's panels are known
        // from _NET_WORKAREA, one rectangle over all monitors: take its part on the primary.
        QRect desktop = x11_->workArea() & screen->geometry();
        if (!desktop.isEmpty()) area = desktop;
    }
    return rectOf(area);
}

Rect QtPlatform::virtualScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {};
    return rectOf(screen->virtualGeometry());
}

void QtPlatform::onWorkAreaChanged(std::function<void()> handler) {
    workAreaHandlers_.push_back(std::move(handler));
}

void QtPlatform::watchScreens() {
    auto watch = [this](QScreen* screen) {
        QObject::connect(screen, &QScreen::availableGeometryChanged, app_.get(),
                         [this] { workAreaMaybeChanged(); });
        QObject::connect(screen, &QScreen::geometryChanged, app_.get(),
                         [this] { workAreaMaybeChanged(); });
    };
    for (QScreen* screen : QGuiApplication::screens()) watch(screen);
    QObject::connect(app_.get(), &QGuiApplication::screenAdded, app_.get(),
                     [this, watch](QScreen* screen) {
                         watch(screen);
                         workAreaMaybeChanged();
                     });
    QObject::connect(app_.get(), &QGuiApplication::screenRemoved, app_.get(),
                     [this] { post([this] { workAreaMaybeChanged(); }); });
    QObject::connect(app_.get(), &QGuiApplication::primaryScreenChanged, app_.get(),
                     [this] { workAreaMaybeChanged(); });
}

void QtPlatform::workAreaMaybeChanged() {
    Rect now = workArea();
    if (now == lastWorkArea_) return;
    lastWorkArea_ = now;
    for (auto& handler : workAreaHandlers_) handler();
}

Point QtPlatform::cursorPosition() {
    QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

// --- messages -----------------------------------------------------------------------------------

void QtPlatform::messageBox(const std::string& text, const std::string& caption, MessageKind kind) {
    QMessageBox box(kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);  // a file name is never markup
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) ok->setIcon(QIcon());
    if (!icon_.isNull()) box.setWindowIcon(icon_);
    CentreOnShow centre;
    box.installEventFilter(&centre);
    box.exec();  // a nested loop: timers keep ticking
}

// --- text ---------------------------------------------------------------------------------------

Size QtPlatform::measureText(const FontSpec& font, const std::string& utf8) {
    return {fonts_.metrics(font).horizontalAdvance(QString::fromStdString(utf8)),
            fonts_.height(font)};
}

void QtPlatform::drawText(PixelView target, Rect clip, Point origin, const FontSpec& font,
                          Argb color, const std::string& utf8) {
    if (target.pixels == nullptr || target.width <= 0 || target.height <= 0 || utf8.empty()) {
        return;
    }
    QRect area = qrectOf(clip) & QRect(0, 0, target.width, target.height);
    if (area.isEmpty()) return;
    QImage image(reinterpret_cast<uchar*>(target.pixels), target.width, target.height,
                 static_cast<qsizetype>(target.stride) * 4, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setClipRect(area);
    painter.setFont(fonts_.font(font));
    painter.setPen(QColor::fromRgb(color & 0xFFFFFFu));
    painter.drawText(QPoint(origin.x, origin.y + fonts_.ascent(font)),
                     QString::fromStdString(utf8));
}

// --- the system ---------------------------------------------------------------------------------

std::string QtPlatform::moduleFileName() {
    std::array<char, 4096> path{};
    ssize_t n = readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (n > 0) return std::string(path.data(), static_cast<std::size_t>(n));
    return QCoreApplication::applicationFilePath().toStdString();
}

Argb QtPlatform::sysColor(int index) {
    QPalette palette = QApplication::palette();
    switch (index) {
        case 4:   // menu
        case 15:  // button face
        case 30:  // menu bar
            return argbOf(palette.color(QPalette::Button));
        case 5:
            return argbOf(palette.color(QPalette::Base));
        case 7:
        case 8:
            return argbOf(palette.color(QPalette::WindowText));
        case 13:  // highlight
        case 29:  // menu highlight
            return argbOf(palette.color(QPalette::Highlight));
        case 14:
            return argbOf(palette.color(QPalette::HighlightedText));
        case 16:
            return argbOf(palette.color(QPalette::Dark));
        case 17:
            return argbOf(palette.color(QPalette::Disabled, QPalette::Text));
        case 18:
            return argbOf(palette.color(QPalette::ButtonText));
        case 20:
            return argbOf(palette.color(QPalette::Light));
        case 21:
            return argbOf(palette.color(QPalette::Shadow));
        case 22:
            return argbOf(palette.color(QPalette::Midlight));
        case 23:
            return argbOf(palette.color(QPalette::ToolTipText));
        case 24:
            return argbOf(palette.color(QPalette::ToolTipBase));
        case 26:
            return argbOf(palette.color(QPalette::Link));
        case 27:  // the light end of an active caption: the highlight, paled by the window colour
            return argbOf(
                mix(palette.color(QPalette::Highlight), palette.color(QPalette::Window), 0.3));
        case 28:
            return argbOf(
                mix(palette.color(QPalette::Highlight), palette.color(QPalette::Window), 0.12));
        default:
            break;
    }
    if (index >= 0 && index < static_cast<int>(WindowsColors.size())) {
        const auto& c = WindowsColors[static_cast<std::size_t>(index)];
        return rgb(c[0], c[1], c[2]);
    }
    return rgb(0, 0, 0);
}

TimeOfDay QtPlatform::localTime() {
    QDateTime now = QDateTime::currentDateTime();
    QDate date = now.date();
    QTime time = now.time();
    TimeOfDay t;
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    t.dayOfWeek = date.dayOfWeek() % 7;  // Qt counts Monday 1 ... Sunday 7
    t.hour = time.hour();
    t.minute = time.minute();
    t.second = time.second();
    t.milliseconds = time.msec();
    return t;
}

int QtPlatform::ShowWindow(Handle handle, int command) {
    const bool show = command != 0;  // SW_HIDE is 0, every other command shows
    if (handle == applicationWindow_) {
        bool was = applicationWindowVisible_;
        applicationWindowVisible_ = show;
        return was ? 1 : 0;
    }
    TopWindow* w = window(handle);
    if (w == nullptr) return 0;
    bool was = w->isVisible();
    setWindowVisible(handle, show);
    return was ? 1 : 0;
}

std::int32_t QtPlatform::GetWindowLongA(Handle handle, int index) {
    if (index != ExtendedStyleIndex) return 0;
    auto found = extendedStyles_.find(handle);
    return found == extendedStyles_.end() ? 0 : found->second;
}

std::int32_t QtPlatform::SetWindowLongA(Handle handle, int index, std::int32_t value) {
    if (index != ExtendedStyleIndex) return 0;
    auto found = extendedStyles_.find(handle);
    if (found == extendedStyles_.end()) return 0;
    std::int32_t old = found->second;
    found->second = value;
    return old;
}

}  // namespace brivane::platform::qt

namespace brivane::platform {

std::unique_ptr<Platform> createDesktopPlatform(int argc, char** argv) {
    return std::make_unique<qt::QtPlatform>(argc, argv);
}

}  // namespace brivane::platform
