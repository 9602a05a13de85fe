// Feature settings per standard: which features an analysis of the standard offers,
// as the options dialog chose them and varto.cfg keeps them.
#pragma once

#include <array>
#include <cstdint>

struct UstawieniaStandardu {
    std::int32_t BerErf = 0;         // BER estimate: 0 off, 1 on
    std::int32_t Regeneracja = 0;    // 0 not offered, 1 offered and off by default, 2 offered and on
    std::int32_t Przesluchy = 0;     // as Regeneracja
    std::int32_t Echo = 0;           // as Regeneracja
    std::int32_t Dekoder = 0;        // decoder and correct-time share: 0 off, 1 on
    std::int32_t RozkladyBledow = 0; // error distributions: 0 off, 1 on

    bool operator==(const UstawieniaStandardu&) const = default;
};

// Highest value of each kind of field.
inline constexpr std::int32_t MaksEfektuKanalu = 2;
inline constexpr std::int32_t MaksFunkcji = 1;

// One record per standard, in the order of the standards table.
using TTabelaUstawien = std::array<UstawieniaStandardu, 4>;
