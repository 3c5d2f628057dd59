#pragma once

#include "FileGenerato.h"

namespace genera {

// The game's sounds: suoni/101.wav .. suoni/108.wav.
FileGenerati suoni();

} // namespace genera
