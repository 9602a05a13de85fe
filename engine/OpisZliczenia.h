// The plain-language reading of the errors the receiver counted, beside the Gaussian
// estimate: the count, the counted rate with its 95 % interval, whether the estimate lies
// in that interval, and what it would take to claim a target rate, in Polish or English.
// Numbers through platform/Liczby.h.
#pragma once

#include <cstdint>
#include <string>

#include "Liczby.h"
#include "Symulacja.h"

// The objective of the Ethernet PHYs simulated here.
inline constexpr double DocelowyBER = 1e-10;

struct TOpisZliczenia {
    std::string Bledy;       // "Zliczone błędy: 3 z 1000 bitów"
    std::string BER;         // "BER zliczony: 3,0×10⁻³ (95 %: 6,2×10⁻⁴ – 8,7×10⁻³)"
    std::string Estymacja;   // whether the Gaussian estimate lies in the interval
    std::string Wykazanie;   // error-free bits and time to claim the target at 95 %
};

// z: the counted errors; ber: the error library's estimate (scaled as the error page shows
// it); standard: 0 to 3; szybkosc: the bit rate in Mbps; docelowy: the target rate.
TOpisZliczenia OpiszZliczenie(const TZliczoneBledy& z, double ber, int standard, std::int32_t szybkosc,
                              TJezyk jezyk = TJezyk::Polski, double docelowy = DocelowyBER);
