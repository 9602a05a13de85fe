// A run started from Python: the simulation works on a thread of its own while the calling
// thread, without the GIL, waits for it and lets Ctrl-C or a cancellation stop it.
#pragma once

#include <atomic>
#include <memory>

#include "Symulacja.h"

// A cancellation several runs share (a sweep's): once set, every run watching it stops.
class TPrzerwanie {
public:
    void Przerwij() { Flaga.store(true, std::memory_order_relaxed); }
    bool Przerwane() const { return Flaga.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> Flaga{false};
};

// Runs valid settings u (call with the GIL held). Every 50 ms the waiting thread checks for
// a signal: one whose handler raises (KeyboardInterrupt) stops the run and the exception
// propagates as pybind11::error_already_set. A set przerwanie (may be null) stops the run
// too, and the return is null. The engine's exceptions propagate as they are.
std::shared_ptr<const TWynikSymulacji> Przebieg(TUstawieniaSymulacji u, const TPrzerwanie* przerwanie);
