// A drag source for the desktop tests: a 200 x 200 window at the top-left of the screen titled
// "drag source"; a press on it drags the files named on the command line (as file URLs, in that
// order) until the release. It stays a few seconds after the drop, as a file manager does, so
// that the target can still fetch the data, then ends.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

class Source final : public QWidget {
public:
    explicit Source(QList<QUrl> urls) : urls_(std::move(urls)) {}

protected:
    void mousePressEvent(QMouseEvent*) override {
        auto* drag = new QDrag(this);
        auto* mime = new QMimeData;
        mime->setUrls(urls_);
        drag->setMimeData(mime);
        const Qt::DropAction action = drag->exec(Qt::CopyAction);
        std::printf("%s\n", action == Qt::CopyAction ? "copied" : "refused");
        std::fflush(stdout);
        QTimer::singleShot(3000, qApp, &QApplication::quit);
    }

private:
    QList<QUrl> urls_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QList<QUrl> urls;
    for (int i = 1; i < argc; ++i) urls << QUrl::fromLocalFile(QString::fromLocal8Bit(argv[i]));
    Source source(urls);
    source.setWindowTitle("drag source");
    source.setGeometry(0, 0, 200, 200);
    source.show();
    return app.exec();
}
