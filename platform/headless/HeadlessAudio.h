// The audio library of the headless platform: a model of its device and streams, driven by the
// platform's virtual time. A stream plays for its length (3 minutes unless a test says
// otherwise) and then ends; pausing holds its position. Tests make the device or single files
// fail, and read each stream's state and position.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace brivane::platform {

class HeadlessPlatform;

class HeadlessAudio {
public:
    explicit HeadlessAudio(HeadlessPlatform& platform) : platform_(platform) {}

    // --- what tests set ------------------------------------------------------------------
    // BASS_Init answers FALSE; streams cannot be made afterwards.
    bool failInit = false;
    // Files that cannot be opened (as a missing or garbled file).
    void failFile(const std::string& path) { failing_.insert(path); }
    void setLength(const std::string& path, std::int64_t milliseconds) {
        lengths_[path] = milliseconds;
    }
    static constexpr std::int64_t DefaultLengthMs = 180000;

    // --- what tests read -----------------------------------------------------------------
    enum class State { Playing, Paused, Stopped, Ended };
    struct Stream {
        std::string file;
        State state = State::Stopped;
        std::int64_t positionMs = 0;  // at the time of the last change
        std::int64_t since = 0;       // virtual time of the last change
        std::int64_t lengthMs = DefaultLengthMs;
    };
    bool initialized() const { return initialized_; }
    // The stream of a handle as it is now, null once freed or never made.
    const Stream* stream(std::uint32_t handle);
    std::size_t streamCount() const { return streams_.size(); }

    // --- the library's calls (recorded by the platform) ----------------------------------------
    int init();
    std::uint32_t createFromFile(const std::string& path);
    int free(std::uint32_t handle);
    int play(std::uint32_t handle);
    std::uint32_t isActive(std::uint32_t handle);
    int pause(std::uint32_t handle);
    int stop(std::uint32_t handle);
    int setPosition(std::uint32_t handle, std::uint64_t bytes);

    // Bytes of decoded output per second: 16-bit stereo at 44100 Hz.
    static constexpr std::uint64_t BytesPerSecond = 44100 * 4;

private:
    Stream* find(std::uint32_t handle);
    // Brings a playing stream's position up to the present; a stream past its end has ended.
    void catchUp(Stream& s);

    HeadlessPlatform& platform_;
    bool initialized_ = false;
    std::uint32_t lastHandle_ = 0x80000000u;
    std::map<std::uint32_t, Stream> streams_;
    std::set<std::string> failing_;
    std::map<std::string, std::int64_t> lengths_;
};

}  // namespace brivane::platform
