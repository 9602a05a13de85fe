// The bits a run sends: the lanes' and the crosstalk source's, drawn from the run's seed
// or taken from the sequences it was given.
#pragma once

#include <cstdint>
#include <vector>

#include "Ustawienia.h"

struct TBityPrzebiegu {
    std::vector<std::int32_t> Linia;      // the lanes' bits, the encoded count
    std::vector<std::int32_t> Zaklocenia; // the crosstalk source's bits, the encoded count
};

// Degree n and tap m of a pseudo-random source's polynomial x^n + x^m + 1 (ITU-T O.150),
// and whether the recommendation sends the sequence inverted (PRBS15, 23 and 31).
struct TWielomianPrbs {
    int Stopien;
    int Odczep;
    bool Odwrocony;
};
// The polynomial of a PRBS source; Losowe, Zera and Jedynki have none (degree 0).
TWielomianPrbs WielomianPrbs(TZrodloBitow zrodlo);

// n bits of the sequence b[k] = b[k - m] xor b[k - n] (inverted on output when the
// recommendation says so), its first Stopien bits the register's start stan, most
// significant bit first; stan must not be 0.
std::vector<std::int32_t> CiagPrbs(const TWielomianPrbs& w, std::uint32_t stan, std::int32_t n);

// A seed for a run that was given none, from the clock.
std::uint32_t ZiarnoZZegara();

// The encoded count of bits for the lanes and for the crosstalk source. Random bits come
// from one generator seeded with ziarno: the lanes' first, then the crosstalk source's,
// so a seed repeats a run bit for bit. A PRBS source starts from the register state
// 1 + ziarno mod (2^n - 1).
TBityPrzebiegu BityPrzebiegu(const TUstawieniaSymulacji& u, std::uint32_t ziarno);
