// Independent blocks of work spread over the machine's cores, with the results handed
// back in block order on the calling thread, where progress and cancellation live.
#pragma once

#include <cstdint>
#include <functional>

#include "KontrolaKanalu.h"

// The threads the heavy sums of one call run on: the hardware's threads, or the positive
// whole number in the environment variable LINTAVOX_CHANNEL_THREADS (read once, at the first
// call), which a caller running several simulations side by side sets to 1.
unsigned WatkiObliczen();

// Computes blocks 0 … liczbaBlokow − 1 with oblicz, on this thread and on helper threads
// (one fewer than WatkiObliczen()), in any order; oblicz must touch only its own
// block's data. zglos(b) runs on this thread, in ascending b, once blocks 0 … b are all
// done; it returns false to stop the work. The helpers stop taking blocks once the
// control's flag is set. Returns true when every block was computed and reported.
bool WykonajBloki(std::int32_t liczbaBlokow, const std::function<void(std::int32_t)>& oblicz,
                  const std::function<bool(std::int32_t)>& zglos, const TKontrolaKanalu& kontrola);
