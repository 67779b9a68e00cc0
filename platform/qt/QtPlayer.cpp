// The music player's services on the Linux desktop: files dropped onto the playlist, the
// file-open dialog, and the audio library's calls on SDL2_mixer (platform/sdl/).
#include <QFile>
#include <QFileDialog>
#include <QStringList>
#include <algorithm>
#include <cstring>

#include "platform/qt/QtPlatform.h"
#include "platform/qt/TopWindow.h"

namespace brivane::platform::qt {

namespace {

constexpr unsigned DropFilesMessage = 0x0233;  // WM_DROPFILES
constexpr unsigned AllFiles = 0xFFFFFFFFu;

// "Mp3" and "*.mp3;*.MP3" as Qt writes a filter: "Mp3 (*.mp3 *.MP3)".
QString qtFilter(const FileFilter& filter) {
    QString patterns = QString::fromStdString(filter.pattern);
    patterns.replace(';', ' ');
    return QStringLiteral("%1 (%2)").arg(QString::fromStdString(filter.name), patterns.trimmed());
}

}  // namespace

// --- dropped files ------------------------------------------------------------------------------

void QtPlatform::DragAcceptFiles(Handle handle, int accept) {
    if (!accept) {
        dropTargets_.erase(handle);
        return;
    }
    Native* n = native(handle);
    if (n == nullptr || dropTargets_.contains(handle)) return;
    QPointer<QWidget> control = n->widget;
    // The drop is announced to the control's window once the file manager has been answered,
    // from the message loop, as the system posts its message.
    dropTargets_[handle] =
        std::make_unique<FileDropTarget>(control, [this, control](std::vector<std::string> paths) {
            const Handle drop = nextHandle();
            drops_[drop] = std::move(paths);
            post([this, control, drop] {
                auto* top = control ? dynamic_cast<TopWindow*>(control->window()) : nullptr;
                if (top == nullptr) {
                    drops_.erase(drop);
                    return;
                }
                top->deliverMessage(DropFilesMessage, drop, 0);
            });
        });
}

unsigned QtPlatform::DragQueryFileA(Handle drop, unsigned index, char* buffer, unsigned size) {
    auto found = drops_.find(drop);
    if (found == drops_.end()) return 0;
    const std::vector<std::string>& paths = found->second;
    if (index == AllFiles) return static_cast<unsigned>(paths.size());
    if (index >= paths.size()) return 0;
    const std::string& path = paths[index];
    if (buffer == nullptr) return static_cast<unsigned>(path.size());
    if (size == 0) return 0;
    const std::size_t n = std::min<std::size_t>(path.size(), size - 1);
    std::memcpy(buffer, path.data(), n);
    buffer[n] = '\0';
    return static_cast<unsigned>(n);
}

void QtPlatform::DragFinish(Handle drop) { drops_.erase(drop); }

// --- the file-open dialog
// -------------------------------------------------------------------------

bool QtPlatform::runOpenDialog(Handle owner, const std::vector<FileFilter>& filters,
                               int filterIndex, std::string& fileName) {
    QFileDialog dialog(window(owner), QStringLiteral("Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    QStringList names;
    for (const FileFilter& f : filters) names << qtFilter(f);
    if (!names.isEmpty()) {
        dialog.setNameFilters(names);
        dialog.selectNameFilter(names[std::clamp(filterIndex, 1, int(names.size())) - 1]);
    }
    if (!icon_.isNull()) dialog.setWindowIcon(icon_);
    if (dialog.exec() != QDialog::Accepted) return false;  // a nested loop: timers keep ticking
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return false;
    fileName = QFile::encodeName(chosen.first()).toStdString();
    return true;
}

// --- the audio library
// ------------------------------------------------------------------------------

int QtPlatform::BASS_Init(int device, std::uint32_t frequency, std::uint32_t, Handle, const void*) {
    if (!audio_) audio_ = std::make_unique<sdl::SdlAudio>();
    return audio_->init(device, frequency) ? 1 : 0;
}

std::uint32_t QtPlatform::BASS_StreamCreateFile(int fromMemory, const void* file,
                                                std::uint32_t offset, std::uint32_t length,
                                                std::uint32_t) {
    // Whole files only: the program never asks for a part of one, nor for one in memory.
    if (!audio_ || fromMemory || file == nullptr || offset != 0 || length != 0) return 0;
    return audio_->createFromFile(static_cast<const char*>(file));
}

int QtPlatform::BASS_StreamFree(std::uint32_t stream) {
    return audio_ && audio_->free(stream) ? 1 : 0;
}

int QtPlatform::BASS_ChannelPlay(std::uint32_t channel, int restart) {
    return audio_ && audio_->play(channel, restart != 0) ? 1 : 0;
}

std::uint32_t QtPlatform::BASS_ChannelIsActive(std::uint32_t channel) {
    return audio_ ? audio_->isActive(channel) : 0;
}

int QtPlatform::BASS_ChannelPause(std::uint32_t channel) {
    return audio_ && audio_->pause(channel) ? 1 : 0;
}

int QtPlatform::BASS_ChannelStop(std::uint32_t channel) {
    return audio_ && audio_->stop(channel) ? 1 : 0;
}

int QtPlatform::BASS_ChannelSetPosition(std::uint32_t channel, std::uint64_t position) {
    return audio_ && audio_->setPosition(channel, position) ? 1 : 0;
}

}  // namespace brivane::platform::qt
