// The channel model library: zero-phase FIR filters built from frequency characteristics,
// and the line signals passed through attenuation, echo, crosstalk and regeneration.
// Everything returned is newly allocated and belongs to the caller.
//
// Characteristics are point lists: x = frequency in MHz, y = gain in dB (losses negative).
// Preconditions of every list, which the callers (the characteristic editor, the model
// file reader, the command line) check: at least two points, strictly increasing
// frequencies, no point at 0 MHz after the first one. The library checks no arguments.
//
// Cancellation: przerwij points to one byte, the caller's termination flag, that another
// thread sets to non-zero; write it with std::atomic_ref<std::uint8_t> (or an atomic of
// the same layout). The library reads it atomically before every sample, tap and output
// element it reports and before every block of sums its helper threads take, and returns
// null once it sees it set, having released all it allocated. A null przerwij means the
// call cannot be cancelled. A non-null result belongs to the caller even when the flag
// was set after the library last looked.
//
// Progress (platform/Postep.h): etykieta receives the stage texts; krok is the gauge of
// the current step (samples, taps or output elements), calosc the gauge of the whole call,
// whose maximum is set before the work starts. Any of the three may be null. The library
// calls them only from the thread that called the export, never from the helper threads
// it runs the heavy sums on.
#pragma once

#include <cstdint>

#include "Postep.h"
#include "VartoEksport.h"
#include "Vartostream.h"

// A recalculated characteristic. The record and both streams belong to the caller.
struct WynikRekalkulacji {
    TFltFltStrumien* Charakterystyka;    // realised magnitude response: x MHz, y dB
    TFltFltStrumien* OdpowiedzImpulsowa; // normalised impulse response: x µs (−0.5 to 0.5), y tap, middle tap 1
};

// Releases a recalculation result and both its streams; null is allowed.
inline void UsunWynikRekalkulacji(WynikRekalkulacji* wynik)
{
    if (!wynik)
        return;
    delete wynik->Charakterystyka;
    delete wynik->OdpowiedzImpulsowa;
    delete wynik;
}

// Builds the FIR filter of the characteristic punkty for the line rate R (MHz, symbol
// periods per µs; positive) and returns its impulse response, 1 µs long with
// max(500, trunc(15 R)) taps per µs (one more when even), and the magnitude response it
// really realises, every 0.05 MHz up to twice the list's last frequency. Null after
// cancellation. punkty is borrowed and left unchanged. The stage texts: "Kalkulacja
// odpowiedzi", then "Kalkulacja charakterystyki".
VARTO_EKSPORT WynikRekalkulacji* ZwrocCharakterystykeFiltru(TFltFltStrumien* punkty, float R, std::uint8_t* przerwij,
                                                            TEtykietaPostepu* etykieta, TWskaznikPostepu* krok,
                                                            TWskaznikPostepu* calosc)
    VARTO_SYMBOL(ZwrocCharakterystykeFiltru);

// Passes line signals through the channel. strumienie holds liczba signals (x in symbol
// periods, y in V, at least one point each): the n observed pairs first, then the
// disturbing pairs (1 <= n <= liczba). R is the line rate in MHz (symbol periods per µs;
// positive). Every observed pair is filtered by tlumienie, then, when echoWlaczone, loses
// its own signal filtered by echo and delayed by przesuniecieEcha ns (not negative), then,
// when przesluchyWlaczone, gains every other pair's signal filtered by przesluchy.
// Returns a new array of n streams, or 2n when regeneracjaWlaczona: entries n to 2n − 1
// are entries 0 to n − 1 filtered by regeneracja. Every returned stream has
// max(15, trunc(500 / R)) samples per symbol period (x = sample / that), the name of its
// input, SkalaX 1, a window hiding 20 symbol periods at each end (a stream too short for
// that keeps its middle sample visible) and MinY/MaxY spanning its visible samples. The characteristics of switched-off effects are not read; numeryTorow
// is not read. Inputs of unequal length are allowed: echo and crosstalk never read past
// the shorter stream. Null after cancellation. Every argument is borrowed and left unchanged.
// The stage texts: "Tlumienie: Kalkulacja odpowiedzi", then "Tlumienie: " and each stream's
// name, and likewise with "Echo: ", "Przesłuchy: " and "Regenracja: ".
VARTO_EKSPORT TFltFltStrumien** ZwrocStrumieniePoKanale(
    TFltFltStrumien** strumienie, std::int32_t liczba, float R, TFltFltStrumien* tlumienie, TFltFltStrumien* przesluchy,
    TFltFltStrumien* echo, TFltFltStrumien* regeneracja, std::uint8_t przesluchyWlaczone, std::uint8_t echoWlaczone,
    std::uint8_t regeneracjaWlaczona, std::int32_t przesuniecieEcha, const std::int32_t* numeryTorow, std::int32_t n,
    std::uint8_t* przerwij, TEtykietaPostepu* etykieta, TWskaznikPostepu* krok, TWskaznikPostepu* calosc)
    VARTO_SYMBOL(ZwrocStrumieniePoKanale);
