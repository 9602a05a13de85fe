// The channel's arithmetic written plainly, as a yardstick for the fast library: libm cos
// for every term, one thread, one tap or output at a time.
#pragma once

#include <cstdint>
#include <vector>

#include "Vartostream.h"

struct TFiltrReferencyjny {
    std::int32_t A = 0;
    std::int32_t M = 0;
    std::vector<TPunkt> Punkty; // the caller's points and the closing point
    std::vector<float> Widmo;
    float SumaAmplitud = 0.0f;
    std::vector<float> Odczepy;
    float SumaOdczepow = 0.0f;
};

// The filter of a characteristic (x MHz, y dB) at line rate R (MHz).
TFiltrReferencyjny FiltrReferencyjny(const std::vector<TPunkt>& punkty, float R);

// Its realised magnitude response, every 0.05 MHz up to twice the list's last frequency.
std::vector<TPunkt> CharakterystykaReferencyjna(const TFiltrReferencyjny& filtr);

// The filter's output for the samples: a0 · Σ samples[i + half − k] · y_k / tap sum over
// the taps that meet the stream.
std::vector<float> SplotReferencyjny(const TFiltrReferencyjny& filtr, const std::vector<float>& probki);
