// The grid constants of the channel's filters, which follow from the line rate alone;
// inline, so that callers outside the library (the engine sizing a characteristic to the
// filter's highest frequency) use the very same arithmetic.
#pragma once

#include <algorithm>
#include <cstdint>

#include "Obciecie.h"

struct TParametryKanalu {
    std::int32_t A; // impulse-response taps per µs: max(500, trunc(15 R))
    std::int32_t M; // taps of a 1 µs response: A, made odd
    float FMax;     // highest frequency the filter represents, MHz: 0.4 A
    std::int32_t S; // signal samples per symbol period: max(15, trunc(500 / R))
};

// R: line rate, MHz.
inline TParametryKanalu ParametryKanalu(float R)
{
    TParametryKanalu p{};
    p.A = std::max(500, Obetnij<std::int32_t>(15.0 * static_cast<double>(R)));
    p.M = p.A % 2 != 0 ? p.A : p.A + 1;
    p.FMax = static_cast<float>(0.4 * p.A);
    p.S = std::max(15, Obetnij<std::int32_t>(500.0 / static_cast<double>(R)));
    return p;
}

// The samples a signal ending at xOstatni symbol periods is resampled into at S samples per
// period: trunc(xOstatni · S + 1), none for a signal that ends before it starts.
inline std::int32_t LiczbaProbek(float xOstatni, std::int32_t S)
{
    return std::max(0, Obetnij<std::int32_t>(static_cast<double>(xOstatni) * S + 1.0));
}
