// A bare Qt window to measure the sidebar against: the same size and place (122 pixels wide
// at the right edge of the work area, as tall as it), borderless, and repainting one 105 x 105
// square once a second, as the sidebar's clock does. Nothing else.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

class BareWindow final : public QWidget {
public:
    BareWindow() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint) {
        setWindowTitle("Bare window");
        setAttribute(Qt::WA_OpaquePaintEvent);
        QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        setGeometry(area.right() + 1 - 122, area.top(), 122, area.height());
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            ++ticks_;
            update(square_);
        });
        timer->start(1000);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), QColor(40, 40, 40));
        painter.fillRect(square_ & event->rect(),
                         ticks_ % 2 ? QColor(200, 40, 40) : QColor(40, 40, 200));
    }

private:
    QRect square_{10, 8, 105, 105};
    int ticks_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BareWindow window;
    window.show();
    return QApplication::exec();
}
