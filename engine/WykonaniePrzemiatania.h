// The runs of a sweep on several threads at once, each run on one thread of its own.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Przemiatanie.h"
#include "Symulacja.h"

// What the workers report, each call from the worker thread that made the run (the caller
// serialises what it shares): a finished run, and a run that could not be made or gave no
// result to show (its one English line).
struct TZdarzeniaPrzemiatania {
    std::function<void(std::size_t przebieg, const TWynikSymulacji& wynik)> Gotowy;
    std::function<void(std::size_t przebieg, const std::string& blad)> Blad;
};

// Runs the runs numbered in przebiegi, in that order, watki (at least 1) at a time, and
// returns when all are reported or, once flaga is set, as soon as the runs in progress have
// stopped: those give no report. flaga is the sweep's termination flag, set by another
// thread or a signal handler (through std::atomic_ref); null means none.
void WykonajPrzemiatanie(const TPrzemiatanie& przemiatanie, const std::vector<std::size_t>& przebiegi, unsigned watki,
                         std::uint8_t* flaga, const TZdarzeniaPrzemiatania& zdarzenia);
