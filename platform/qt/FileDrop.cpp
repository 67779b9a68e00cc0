#include "platform/qt/FileDrop.h"

#include <QAbstractScrollArea>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

namespace brivane::platform::qt {

namespace {

// The local paths of a drag, in its order, as the system spells them (bytes of the file
// system's names); a folder without a trailing separator.
std::vector<std::string> localPaths(const QMimeData* data) {
    std::vector<std::string> paths;
    if (data == nullptr || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        QString path = url.toLocalFile();
        while (path.size() > 1 && path.endsWith('/')) path.chop(1);
        if (!path.isEmpty()) paths.push_back(QFile::encodeName(path).toStdString());
    }
    return paths;
}

}  // namespace

FileDropTarget::FileDropTarget(QWidget* control, Dropped dropped)
    : control_(control), dropped_(std::move(dropped)) {
    control->setAcceptDrops(true);
    control->installEventFilter(this);
    if (auto* scrolling = qobject_cast<QAbstractScrollArea*>(control)) {
        viewport_ = scrolling->viewport();
        viewport_->setAcceptDrops(true);
        viewport_->installEventFilter(this);
    }
}

FileDropTarget::~FileDropTarget() {
    if (control_) {
        control_->removeEventFilter(this);
        control_->setAcceptDrops(false);
    }
    if (viewport_) {
        viewport_->removeEventFilter(this);
        viewport_->setAcceptDrops(false);
    }
}

bool FileDropTarget::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (localPaths(drag->mimeData()).empty()) {
                drag->ignore();
            } else {
                drag->setDropAction(Qt::CopyAction);
                drag->accept();
            }
            return true;
        }
        case QEvent::DragLeave:
            return true;
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            std::vector<std::string> paths = localPaths(drop->mimeData());
            if (paths.empty()) {
                drop->ignore();
                return true;
            }
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            dropped_(std::move(paths));
            return true;
        }
        default:
            return false;
    }
}

}  // namespace brivane::platform::qt
