// The audio library's calls, by their names and with their own argument types. Each forwards to
// the current platform: on the Linux desktop SDL2_mixer plays behind them, in tests a model of
// the library's streams.
#pragma once

#include <cstdint>

#include "platform/winapi.h"

namespace brivane {

using DWORD = std::uint32_t;
using QWORD = std::uint64_t;
using HSTREAM = DWORD;
struct GUID;

// What BASS_ChannelIsActive answers.
constexpr DWORD BASS_ACTIVE_STOPPED = 0;
constexpr DWORD BASS_ACTIVE_PLAYING = 1;
constexpr DWORD BASS_ACTIVE_STALLED = 2;
constexpr DWORD BASS_ACTIVE_PAUSED = 3;

// Opens the output device; device -1 is the default one.
inline BOOL BASS_Init(int device, DWORD frequency, DWORD flags, HWND window, const GUID* classId) {
    return platform::current().BASS_Init(device, frequency, flags, window, classId);
}
// A stream playing a file from `offset` for `length` bytes (0 and 0: the whole file); 0 when
// the file cannot be opened and played.
inline HSTREAM BASS_StreamCreateFile(BOOL fromMemory, const void* file, DWORD offset, DWORD length,
                                     DWORD flags) {
    return platform::current().BASS_StreamCreateFile(fromMemory, file, offset, length, flags);
}
inline BOOL BASS_StreamFree(HSTREAM stream) { return platform::current().BASS_StreamFree(stream); }
inline BOOL BASS_ChannelPlay(DWORD channel, BOOL restart) {
    return platform::current().BASS_ChannelPlay(channel, restart);
}
inline DWORD BASS_ChannelIsActive(DWORD channel) {
    return platform::current().BASS_ChannelIsActive(channel);
}
inline BOOL BASS_ChannelPause(DWORD channel) {
    return platform::current().BASS_ChannelPause(channel);
}
inline BOOL BASS_ChannelStop(DWORD channel) {
    return platform::current().BASS_ChannelStop(channel);
}
inline BOOL BASS_ChannelSetPosition(DWORD channel, QWORD position) {
    return platform::current().BASS_ChannelSetPosition(channel, position);
}

}  // namespace brivane
