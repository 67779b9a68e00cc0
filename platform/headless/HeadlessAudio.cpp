#include "platform/headless/HeadlessAudio.h"

#include <algorithm>

#include "platform/headless/HeadlessPlatform.h"

namespace brivane::platform {

HeadlessAudio::Stream* HeadlessAudio::find(std::uint32_t handle) {
    auto found = streams_.find(handle);
    if (found == streams_.end()) return nullptr;
    catchUp(found->second);
    return &found->second;
}

const HeadlessAudio::Stream* HeadlessAudio::stream(std::uint32_t handle) { return find(handle); }

void HeadlessAudio::catchUp(Stream& s) {
    const std::int64_t now = platform_.now();
    if (s.state == State::Playing) {
        s.positionMs = std::min(s.lengthMs, s.positionMs + (now - s.since));
        if (s.positionMs >= s.lengthMs) s.state = State::Ended;
    }
    s.since = now;
}

int HeadlessAudio::init() {
    if (failInit) return 0;
    initialized_ = true;
    return 1;
}

std::uint32_t HeadlessAudio::createFromFile(const std::string& path) {
    if (!initialized_ || path.empty() || failing_.contains(path)) return 0;
    Stream s;
    s.file = path;
    s.since = platform_.now();
    if (auto length = lengths_.find(path); length != lengths_.end()) s.lengthMs = length->second;
    const std::uint32_t handle = ++lastHandle_;
    streams_[handle] = s;
    return handle;
}

int HeadlessAudio::free(std::uint32_t handle) { return streams_.erase(handle) ? 1 : 0; }

int HeadlessAudio::play(std::uint32_t handle) {
    Stream* s = find(handle);
    if (s == nullptr) return 0;
    // An ended stream has nothing left to play from where it is.
    if (s->state == State::Ended) return 1;
    s->state = State::Playing;
    return 1;
}

std::uint32_t HeadlessAudio::isActive(std::uint32_t handle) {
    Stream* s = find(handle);
    if (s == nullptr) return 0;
    switch (s->state) {
        case State::Playing:
            return 1;
        case State::Paused:
            return 3;
        case State::Stopped:
        case State::Ended:
            break;
    }
    return 0;
}

int HeadlessAudio::pause(std::uint32_t handle) {
    Stream* s = find(handle);
    if (s == nullptr || s->state != State::Playing) return 0;
    s->state = State::Paused;
    return 1;
}

int HeadlessAudio::stop(std::uint32_t handle) {
    Stream* s = find(handle);
    if (s == nullptr) return 0;
    s->state = State::Stopped;
    return 1;
}

int HeadlessAudio::setPosition(std::uint32_t handle, std::uint64_t bytes) {
    Stream* s = find(handle);
    if (s == nullptr) return 0;
    const auto ms = static_cast<std::int64_t>(bytes * 1000 / BytesPerSecond);
    if (ms > s->lengthMs) return 0;
    s->positionMs = ms;
    if (s->state == State::Ended) s->state = State::Stopped;
    return 1;
}

}  // namespace brivane::platform
