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

// A seed for a run that was given none, from the clock.
std::uint32_t ZiarnoZZegara();

// The encoded count of bits for the lanes and for the crosstalk source. Random bits come
// from one generator seeded with ziarno: the lanes' first, then the crosstalk source's,
// so a seed repeats a run bit for bit.
TBityPrzebiegu BityPrzebiegu(const TUstawieniaSymulacji& u, std::uint32_t ziarno);
