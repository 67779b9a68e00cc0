#include "platform/sdl/SdlAudio.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <memory>
#include <vector>

namespace brivane::platform::sdl {

namespace {

constexpr int ChunkSamples = 2048;  // about 46 ms at 44100 Hz
constexpr std::uint32_t Stopped = 0, Playing = 1, Paused = 3;

// The kinds of file a stream is made of. SDL_mixer takes a file it cannot place for a tracker
// module (MOD), whose loader then refuses what is not one.
bool playableKind(Mix_MusicType type) {
    switch (type) {
        case MUS_WAV:
        case MUS_MOD:
        case MUS_MID:
        case MUS_OGG:
        case MUS_MP3:
        case MUS_FLAC:
        case MUS_OPUS:
            return true;
        default:
            return false;
    }
}

bool isNonEmptyFile(const char* path) {
    struct stat info {};
    return ::stat(path, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0;
}

// --- MPEG audio frames ---------------------------------------------------------------------------

struct FrameHeader {
    int version = 0;  // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
    int layer = 0;    // 3 Layer I, 2 Layer II, 1 Layer III (as coded)
    int rateIndex = 0;
    int length = 0;  // in bytes, header included
};

// Bit rates in kbit/s by [row][index]: MPEG-1 Layer I, II, III; MPEG-2/2.5 Layer I; Layer II/III.
constexpr std::array<std::array<int, 15>, 5> BitRates = {{
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
}};
constexpr std::array<int, 3> SampleRates = {44100, 48000, 32000};  // MPEG-1; halved, quartered

// The frame header at `p`, or one with length 0 when the four bytes are none.
FrameHeader parseHeader(const unsigned char* p) {
    FrameHeader h;
    if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0) return h;
    const int version = (p[1] >> 3) & 3;
    const int layer = (p[1] >> 1) & 3;
    const int bitIndex = p[2] >> 4;
    const int rateIndex = (p[2] >> 2) & 3;
    const int padding = (p[2] >> 1) & 1;
    if (version == 1 || layer == 0 || bitIndex == 0 || bitIndex == 15 || rateIndex == 3 ||
        (p[3] & 3) == 2)
        return h;  // reserved values, or a free bit rate that gives no frame length
    const bool mpeg1 = version == 3;
    const int row = mpeg1 ? 3 - layer : (layer == 3 ? 3 : 4);
    const int bitRate = BitRates[std::size_t(row)][std::size_t(bitIndex)] * 1000;
    const int sampleRate = SampleRates[std::size_t(rateIndex)] >> (mpeg1          ? 0
                                                                   : version == 2 ? 1
                                                                                  : 2);
    int length = 0;
    if (layer == 3) {
        length = (12 * bitRate / sampleRate + padding) * 4;
    } else if (layer == 1 && !mpeg1) {
        length = 72 * bitRate / sampleRate + padding;
    } else {
        length = 144 * bitRate / sampleRate + padding;
    }
    h.version = version;
    h.layer = layer;
    h.rateIndex = rateIndex;
    h.length = length;
    return h;
}

}  // namespace

bool SdlAudio::hasMpegAudioFrames(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) return false;
    // Past an ID3v2 tag, whose size is given in 7-bit bytes.
    std::array<unsigned char, 10> tag{};
    long start = 0;
    if (std::fread(tag.data(), 1, tag.size(), file.get()) == tag.size() && tag[0] == 'I' &&
        tag[1] == 'D' && tag[2] == '3') {
        start = 10 + ((long(tag[6] & 0x7F) << 21) | (long(tag[7] & 0x7F) << 14) |
                      (long(tag[8] & 0x7F) << 7) | long(tag[9] & 0x7F));
        if (tag[5] & 0x10) start += 10;  // a footer
    }
    // The first frames lie within this much of the start; a few frames of the largest kind
    // follow the last place a run may begin.
    constexpr std::size_t Window = 64 * 1024, Tail = 4 * 2881;
    std::vector<unsigned char> data(Window + Tail);
    if (std::fseek(file.get(), start, SEEK_SET) != 0) return false;
    data.resize(std::fread(data.data(), 1, data.size(), file.get()));
    const bool wholeFile = std::fgetc(file.get()) == EOF;

    // Four frames in a row with the same version, layer and sample rate; a shorter file must
    // consist of whole frames to its end (an ID3v1 tag aside).
    constexpr int Run = 4;
    for (std::size_t at = 0; at + 4 <= data.size() && at < Window; ++at) {
        const FrameHeader first = parseHeader(&data[at]);
        if (first.length == 0) continue;
        std::size_t next = at;
        int frames = 0;
        while (frames < Run && next + 4 <= data.size()) {
            const FrameHeader h = parseHeader(&data[next]);
            if (h.length == 0 || h.version != first.version || h.layer != first.layer ||
                h.rateIndex != first.rateIndex)
                break;
            next += std::size_t(h.length);
            ++frames;
        }
        if (frames == Run) return true;
        const std::size_t end = data.size();
        const bool tagAtEnd = next + 128 == end && data[next] == 'T' && data[next + 1] == 'A' &&
                              data[next + 2] == 'G';
        if (frames > 0 && wholeFile && (next == end || tagAtEnd)) return true;
    }
    return false;
}

// --- the device ----------------------------------------------------------------------------------

SdlAudio::~SdlAudio() {
    if (!open_) return;
    Mix_HaltMusic();
    for (auto& [handle, s] : streams_) Mix_FreeMusic(s.music);
    streams_.clear();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::init(int, std::uint32_t frequency) {
    if (open_) return true;
    // The program has its own handling of SIGINT and SIGTERM.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Brivane");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    frequency_ = frequency > 0 ? int(frequency) : 44100;
    if (Mix_OpenAudio(frequency_, AUDIO_S16SYS, 2, ChunkSamples) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    // Load the decoders now rather than at the first file; those missing leave their formats out.
    Mix_Init(MIX_INIT_FLAC | MIX_INIT_MOD | MIX_INIT_MP3 | MIX_INIT_OGG | MIX_INIT_MID |
             MIX_INIT_OPUS);
    int channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequency_, &format, &channels);
    open_ = true;
    return true;
}

// --- streams -------------------------------------------------------------------------------------

SdlAudio::Stream* SdlAudio::find(std::uint32_t stream) {
    auto found = streams_.find(stream);
    if (found == streams_.end()) return nullptr;
    notice(stream, found->second);
    return &found->second;
}

void SdlAudio::notice(std::uint32_t handle, Stream& s) {
    if (s.state == State::Playing && (current_ != handle || !Mix_PlayingMusic())) {
        s.state = State::Stopped;
        s.position = 0;  // ended: played again, it starts from its beginning
    }
}

std::uint32_t SdlAudio::createFromFile(const char* path) {
    if (!open_ || path == nullptr || !isNonEmptyFile(path)) return 0;
    Mix_Music* music = Mix_LoadMUS(path);
    if (music == nullptr) return 0;
    const Mix_MusicType type = Mix_GetMusicType(music);
    // The MP3 decoder finds "frames" in almost any file it is given; only a file that holds a
    // run of real ones is taken for MP3.
    if (!playableKind(type) || (type == MUS_MP3 && !hasMpegAudioFrames(path))) {
        Mix_FreeMusic(music);
        return 0;
    }
    do ++lastHandle_;
    while (lastHandle_ == 0 || streams_.contains(lastHandle_));
    streams_[lastHandle_].music = music;
    return lastHandle_;
}

bool SdlAudio::free(std::uint32_t stream) {
    auto found = streams_.find(stream);
    if (found == streams_.end()) return false;
    if (current_ == stream) {
        Mix_HaltMusic();
        current_ = 0;
    }
    Mix_FreeMusic(found->second.music);
    streams_.erase(found);
    return true;
}

bool SdlAudio::play(std::uint32_t stream, bool restart) {
    Stream* s = find(stream);
    if (s == nullptr) return false;
    if (current_ == stream && s->state != State::Stopped) {
        if (restart) Mix_RewindMusic();
        if (s->state == State::Paused) Mix_ResumeMusic();
        s->state = State::Playing;
        return true;
    }
    // Another stream that plays stops: SDL_mixer plays one music at a time.
    if (Stream* other = current_ != 0 ? find(current_) : nullptr) {
        if (other->state != State::Stopped) {
            other->position = std::max(0.0, Mix_GetMusicPosition(other->music));
            other->state = State::Stopped;
        }
    }
    if (Mix_PlayMusic(s->music, 0) != 0) return false;
    current_ = stream;
    if (!restart && s->position > 0) Mix_SetMusicPosition(s->position);
    s->position = 0;
    s->state = State::Playing;
    return true;
}

std::uint32_t SdlAudio::isActive(std::uint32_t stream) {
    Stream* s = find(stream);
    if (s == nullptr) return Stopped;
    switch (s->state) {
        case State::Playing:
            return Playing;
        case State::Paused:
            return Paused;
        case State::Stopped:
            break;
    }
    return Stopped;
}

bool SdlAudio::pause(std::uint32_t stream) {
    Stream* s = find(stream);
    if (s == nullptr || s->state != State::Playing) return false;
    Mix_PauseMusic();
    s->state = State::Paused;
    return true;
}

bool SdlAudio::stop(std::uint32_t stream) {
    Stream* s = find(stream);
    if (s == nullptr) return false;
    if (s->state != State::Stopped) {
        s->position = std::max(0.0, Mix_GetMusicPosition(s->music));
        Mix_HaltMusic();
        s->state = State::Stopped;
    }
    return true;
}

bool SdlAudio::setPosition(std::uint32_t stream, std::uint64_t bytes) {
    Stream* s = find(stream);
    if (s == nullptr) return false;
    const double seconds = double(bytes) / (double(frequency_) * 4);
    if (s->state == State::Stopped) {
        s->position = seconds;
        return true;
    }
    return Mix_SetMusicPosition(seconds) == 0;
}

double SdlAudio::positionSeconds(std::uint32_t stream) {
    Stream* s = find(stream);
    if (s == nullptr) return -1;
    if (s->state == State::Stopped) return s->position;
    return Mix_GetMusicPosition(s->music);
}

}  // namespace brivane::platform::sdl
