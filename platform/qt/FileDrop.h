// Files dropped from the file manager onto a control: local files and folders of any kind, in
// the order the drop lists them, handed on once the drop is over.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace brivane::platform::qt {

class FileDropTarget final : public QObject {
public:
    using Dropped = std::function<void(std::vector<std::string> paths)>;
    // Makes `control` (and the viewport of a scrolling one) take drops of local files.
    FileDropTarget(QWidget* control, Dropped dropped);
    ~FileDropTarget() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> control_;
    QPointer<QWidget> viewport_;
    Dropped dropped_;
};

}  // namespace brivane::platform::qt
