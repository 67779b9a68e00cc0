// The audio library on SDL2_mixer, playing for real through SDL's "disk" driver, which writes
// what it would send to a sound card into a file at the pace of playback. Tones are made during
// the test with sox and lame; the written samples show what was heard and when.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/sdl/SdlAudio.h"

namespace brivane::platform::sdl {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int Rate = 44100;
constexpr std::uintmax_t BytesPerSecond = Rate * 4;  // 16-bit stereo
// What SDL may have mixed ahead of the moment a call is made: a few device buffers.
constexpr std::uintmax_t Slack = 3 * 2048 * 4;

std::uintmax_t bytesOf(double seconds) { return std::uintmax_t(seconds * BytesPerSecond) & ~3u; }

// What a stretch of the output sounds like: its loudest sample (0 to 1) and the frequency of
// the left channel, from its zero crossings.
struct Sound {
    double peak = 0;
    double frequency = 0;
};

class SdlAudioTest : public ::testing::Test {
protected:
    static inline fs::path dir;

    static void run(const std::string& command) {
        ASSERT_EQ(std::system((command + " >/dev/null 2>&1").c_str()), 0) << command;
    }
    static std::string at(const std::string& name) { return (dir / name).string(); }

    static void SetUpTestSuite() {
        std::string pattern = (fs::temp_directory_path() / "brivane-audio.XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        run("sox -n -r 44100 -c 2 -b 16 " + at("a440.wav") + " synth 3 sine 440 gain -6");
        run("sox -n -r 44100 -c 2 -b 16 " + at("a880.wav") + " synth 3 sine 880 gain -6");
        run("sox -n -r 44100 -c 2 -b 16 " + at("short.wav") + " synth 0.3 sine 440 gain -6");
        run("sox " + at("a440.wav") + " " + at("a880.wav") + " " + at("low-high.wav"));
        run("lame --quiet -b 128 " + at("a440.wav") + " " + at("a440.mp3"));
        run("lame --quiet -b 128 --add-id3v2 --tt 'A title' " + at("a440.wav") + " " +
            at("tagged.mp3"));
        run("sox -n -r 44100 -c 2 -b 16 " + at("blip.wav") + " synth 0.05 sine 440");
        run("lame --quiet -b 128 " + at("blip.wav") + " " + at("blip.mp3"));
        run("sox " + at("a440.wav") + " " + at("a440.flac"));
        run("sox " + at("a440.wav") + " " + at("a440.ogg"));
    }
    static void TearDownTestSuite() { fs::remove_all(dir); }

    fs::path output;
    void SetUp() override {
        output = dir / ("out-" + std::to_string(counter++) + ".raw");
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    }
    static inline int counter = 0;

    std::uintmax_t written() {
        std::error_code error;
        const auto size = fs::file_size(output, error);
        return error ? 0 : size;
    }
    // Waits until `bytes` have been written (as long as playing that much takes, and then some).
    void waitFor(std::uintmax_t bytes) {
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while (written() < bytes && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(10ms);
        ASSERT_GE(written(), bytes) << "the disk driver stopped writing";
    }
    Sound sound(std::uintmax_t from, std::uintmax_t to) {
        std::ifstream in(output, std::ios::binary);
        from &= ~std::uintmax_t(3);
        in.seekg(std::streamoff(from));
        std::vector<std::int16_t> samples((to - from) / 2);
        in.read(reinterpret_cast<char*>(samples.data()), std::streamsize(samples.size() * 2));
        samples.resize(std::size_t(in.gcount() / 2));
        Sound s;
        int crossings = 0;
        int sign = 0;
        for (std::size_t i = 0; i + 1 < samples.size(); i += 2) {
            const int left = samples[i];
            s.peak = std::max(s.peak, std::abs(left) / 32768.0);
            const int now = left > 500 ? 1 : left < -500 ? -1 : sign;
            if (sign != 0 && now != sign) ++crossings;
            sign = now;
        }
        s.frequency = crossings / 2.0 / (double(samples.size()) / 2 / Rate);
        return s;
    }
    // The last `seconds` of the output.
    Sound lastHeard(double seconds) { return sound(written() - bytesOf(seconds), written()); }
};

void expectTone(const Sound& s, double frequency) {
    EXPECT_GT(s.peak, 0.25);
    EXPECT_NEAR(s.frequency, frequency, frequency * 0.05);
}

// --- what plays --------------------------------------------------------------------------------

TEST_F(SdlAudioTest, WavMp3AndTheOtherFormatsSdlDecodesPlayTheirTone) {
    for (const char* name : {"a440.wav", "a440.mp3", "tagged.mp3", "a440.flac", "a440.ogg"}) {
        SCOPED_TRACE(name);
        SdlAudio audio;
        ASSERT_TRUE(audio.init(-1, Rate));
        const std::uint32_t stream = audio.createFromFile(at(name).c_str());
        ASSERT_NE(stream, 0u);
        EXPECT_EQ(audio.isActive(stream), 0u);
        const std::uintmax_t start = written();
        ASSERT_TRUE(audio.play(stream, false));
        waitFor(start + bytesOf(0.8));
        EXPECT_EQ(audio.isActive(stream), 1u);
        expectTone(lastHeard(0.3), 440);
        EXPECT_GT(audio.positionSeconds(stream), 0.4);
    }
}

TEST_F(SdlAudioTest, PauseHoldsThePositionAndPlayResumesFromIt) {
    SdlAudio audio;
    ASSERT_TRUE(audio.init(-1, Rate));
    const std::uint32_t stream = audio.createFromFile(at("a440.wav").c_str());
    ASSERT_TRUE(audio.play(stream, false));
    waitFor(written() + bytesOf(0.6));

    ASSERT_TRUE(audio.pause(stream));
    EXPECT_EQ(audio.isActive(stream), 3u);
    const double pausedAt = audio.positionSeconds(stream);
    const std::uintmax_t pausedFrom = written();
    waitFor(pausedFrom + bytesOf(0.5));
    EXPECT_NEAR(audio.positionSeconds(stream), pausedAt, 0.01);
    EXPECT_LT(sound(pausedFrom + Slack, written()).peak, 0.01);  // silence while paused
    EXPECT_FALSE(audio.pause(stream));                           // paused already

    ASSERT_TRUE(audio.play(stream, false));
    EXPECT_EQ(audio.isActive(stream), 1u);
    waitFor(written() + bytesOf(0.5));
    expectTone(lastHeard(0.3), 440);
    EXPECT_GT(audio.positionSeconds(stream), pausedAt + 0.3);
    EXPECT_LT(audio.positionSeconds(stream), pausedAt + 1.5);
}

TEST_F(SdlAudioTest, StopAndPositionZeroPlayTheStreamFromItsBeginningAgain) {
    SdlAudio audio;
    ASSERT_TRUE(audio.init(-1, Rate));
    const std::uint32_t stream = audio.createFromFile(at("low-high.wav").c_str());
    ASSERT_TRUE(audio.play(stream, false));
    waitFor(written() + bytesOf(3.5));  // into the second, higher half
    expectTone(lastHeard(0.3), 880);

    ASSERT_TRUE(audio.stop(stream));
    EXPECT_EQ(audio.isActive(stream), 0u);
    const std::uintmax_t stoppedFrom = written();
    waitFor(stoppedFrom + bytesOf(0.3));
    EXPECT_LT(sound(stoppedFrom + Slack, written()).peak, 0.01);
    ASSERT_TRUE(audio.setPosition(stream, 0));
    EXPECT_EQ(audio.positionSeconds(stream), 0);

    ASSERT_TRUE(audio.play(stream, false));
    waitFor(written() + bytesOf(0.5));
    expectTone(lastHeard(0.3), 440);
}

TEST_F(SdlAudioTest, AStreamThatEndsIsStoppedAndFollowedBySilence) {
    SdlAudio audio;
    ASSERT_TRUE(audio.init(-1, Rate));
    const std::uint32_t stream = audio.createFromFile(at("short.wav").c_str());
    ASSERT_TRUE(audio.play(stream, false));
    waitFor(written() + bytesOf(1.0));
    EXPECT_EQ(audio.isActive(stream), 0u);
    EXPECT_LT(lastHeard(0.4).peak, 0.01);
}

// What the player does when a paused song gives way to another: free it, then play the next.
TEST_F(SdlAudioTest, AStreamPlaysAfterAPausedOneWasFreed) {
    SdlAudio audio;
    ASSERT_TRUE(audio.init(-1, Rate));
    const std::uint32_t first = audio.createFromFile(at("a440.wav").c_str());
    ASSERT_TRUE(audio.play(first, false));
    waitFor(written() + bytesOf(0.3));
    ASSERT_TRUE(audio.pause(first));
    ASSERT_TRUE(audio.free(first));
    const std::uint32_t second = audio.createFromFile(at("a880.wav").c_str());
    ASSERT_NE(second, 0u);
    EXPECT_NE(second, first);
    ASSERT_TRUE(audio.play(second, false));
    waitFor(written() + bytesOf(0.6));
    EXPECT_EQ(audio.isActive(second), 1u);
    EXPECT_EQ(audio.isActive(first), 0u);
    expectTone(lastHeard(0.3), 880);
}

// --- what does not ------------------------------------------------------------------------------

TEST_F(SdlAudioTest, WhatCannotBePlayedGivesNoStream) {
    auto write = [](const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    };
    auto head = [](const std::string& path, std::size_t n) {
        std::ifstream in(path, std::ios::binary);
        std::string bytes(n, '\0');
        in.read(bytes.data(), std::streamsize(n));
        return bytes;
    };
    std::mt19937 random(6);
    std::string noise(20000, '\0');
    for (char& c : noise) c = char(random());
    write(at("garbage.mp3"), noise);
    write(at("garbage.wav"), noise);
    write(at("garbage"), noise);
    write(at("text.mp3"), "This is not a song, only a few words.\n");
    write(at("empty.mp3"), "");
    write(at("cut.wav"), head(at("a440.wav"), 30));   // within the header
    write(at("cut.mp3"), head(at("a440.mp3"), 300));  // within the first frame
    fs::create_directory(dir / "folder");
    fs::create_directory(dir / "folder.mp3");
    // A program: the MP3 decoder alone finds "frames" in one.
    fs::copy_file("/proc/self/exe", dir / "program.mp3", fs::copy_options::overwrite_existing);

    SdlAudio audio;
    ASSERT_TRUE(audio.init(-1, Rate));
    for (const char* name :
         {"missing.mp3", "garbage.mp3", "garbage.wav", "garbage", "text.mp3", "empty.mp3",
          "cut.wav", "cut.mp3", "folder", "folder.mp3", "program.mp3"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(audio.createFromFile(at(name).c_str()), 0u);
    }
    EXPECT_EQ(audio.createFromFile(""), 0u);
    EXPECT_EQ(audio.createFromFile(nullptr), 0u);
    // A file of a few whole frames is a song, however short.
    EXPECT_NE(audio.createFromFile(at("blip.mp3").c_str()), 0u);
}

TEST_F(SdlAudioTest, HandleZeroAndFreedHandlesChangeNothing) {
    SdlAudio audio;
    ASSERT_TRUE(audio.init(-1, Rate));
    const std::uint32_t playing = audio.createFromFile(at("a440.wav").c_str());
    const std::uint32_t freed = audio.createFromFile(at("a880.wav").c_str());
    ASSERT_TRUE(audio.free(freed));
    ASSERT_TRUE(audio.play(playing, false));
    for (std::uint32_t handle : {0u, freed, 0x7FFFFFFFu}) {
        SCOPED_TRACE(handle);
        EXPECT_EQ(audio.isActive(handle), 0u);
        EXPECT_FALSE(audio.play(handle, false));
        EXPECT_FALSE(audio.pause(handle));
        EXPECT_FALSE(audio.stop(handle));
        EXPECT_FALSE(audio.setPosition(handle, 0));
        EXPECT_FALSE(audio.free(handle));
    }
    waitFor(written() + bytesOf(0.5));
    EXPECT_EQ(audio.isActive(playing), 1u);
    expectTone(lastHeard(0.3), 440);
}

TEST_F(SdlAudioTest, InitFailsCleanlyWhenNoDriverCanOpenADevice) {
    setenv("SDL_AUDIODRIVER", "nonexistent", 1);
    {
        SdlAudio audio;
        EXPECT_FALSE(audio.init(-1, Rate));
        EXPECT_FALSE(audio.initialized());
        EXPECT_EQ(audio.createFromFile(at("a440.wav").c_str()), 0u);
        EXPECT_EQ(audio.isActive(0), 0u);
        EXPECT_FALSE(audio.play(0, false));
    }
    // Nothing was left half open: a driver that exists works afterwards.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlAudio audio;
    ASSERT_TRUE(audio.init(-1, Rate));
    EXPECT_NE(audio.createFromFile(at("a440.wav").c_str()), 0u);
}

TEST_F(SdlAudioTest, ClosingWhileAStreamPlaysStopsTheOutput) {
    {
        SdlAudio audio;
        ASSERT_TRUE(audio.init(-1, Rate));
        ASSERT_TRUE(audio.play(audio.createFromFile(at("a440.mp3").c_str()), false));
        waitFor(written() + bytesOf(0.3));
    }
    const std::uintmax_t closedAt = written();
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(written(), closedAt);
}

}  // namespace
}  // namespace brivane::platform::sdl
