// The audio library's calls (BASS_Init, BASS_StreamCreateFile, ...) on SDL2_mixer.
//
// One output device, opened by init() with whatever driver SDL finds (SDL_AUDIODRIVER chooses
// one, e.g. "disk" or "dummy" in tests). A stream is an SDL_mixer music made from a file, opened
// completely before createFromFile returns: a missing, empty, folder, truncated or unknown file
// gives handle 0 at once, never a stream that fails later. SDL_mixer plays one music at a time,
// so starting one stream stops another that plays; the program never has more than one.
//
// Every call comes from the GUI thread and returns at once; SDL plays in its own audio thread.
// A handle of 0, or of a stream already freed, is answered with failure and changes nothing.
#pragma once

#include <cstdint>
#include <map>
#include <string>

struct _Mix_Music;

namespace brivane::platform::sdl {

class SdlAudio {
public:
    SdlAudio() = default;
    // Stops what plays, frees every stream and closes the device, so that nothing of the audio
    // thread outlives the program.
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // Opens the output device at `frequency` (16-bit stereo). Any `device` means the default
    // one. False when SDL has no driver that can open a device.
    bool init(int device, std::uint32_t frequency);
    bool initialized() const { return open_; }

    // A stream for the whole file, 0 when it cannot be played (see above).
    std::uint32_t createFromFile(const char* path);
    bool free(std::uint32_t stream);
    // A new or stopped stream plays from its position (from its beginning once it has ended),
    // a paused one resumes; restart plays from the beginning.
    bool play(std::uint32_t stream, bool restart);
    // 0 stopped (also after the end), 1 playing, 3 paused.
    std::uint32_t isActive(std::uint32_t stream);
    // Pauses a playing stream; false for one that is not playing.
    bool pause(std::uint32_t stream);
    // Stops the stream; it keeps its position.
    bool stop(std::uint32_t stream);
    // A position in bytes of the decoded output (16-bit stereo at the device's frequency).
    bool setPosition(std::uint32_t stream, std::uint64_t bytes);

    // Where the stream is, in seconds; -1 for no stream or a file kind that cannot tell.
    double positionSeconds(std::uint32_t stream);

    // True when the file holds MPEG audio: a run of consecutive, consistent frame headers near
    // its start (after an ID3v2 tag), not just a chance sync word in other data.
    static bool hasMpegAudioFrames(const std::string& path);

private:
    enum class State { Stopped, Playing, Paused };
    struct Stream {
        _Mix_Music* music = nullptr;
        State state = State::Stopped;
        double position = 0;  // where a stopped stream starts from, in seconds
    };
    Stream* find(std::uint32_t stream);
    // A playing stream that SDL_mixer no longer plays has ended.
    void notice(std::uint32_t handle, Stream& s);

    bool open_ = false;
    int frequency_ = 44100;
    std::uint32_t lastHandle_ = 0;
    std::uint32_t current_ = 0;  // the stream SDL_mixer plays or holds paused
    std::map<std::uint32_t, Stream> streams_;
};

}  // namespace brivane::platform::sdl
