// The player's one process-wide value: the stream now loaded.
#pragma once

#include "platform/audio.h"

namespace brivane {

// The handle of the stream now loaded, 0 when there is none. Only PlaySong writes it.
extern HSTREAM CurrentStream;

}  // namespace brivane
