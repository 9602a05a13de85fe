#include "TablicaKosinusow.h"

#include <cmath>
#include <numbers>

TTablicaKosinusow::TTablicaKosinusow(std::int64_t okres) : Wartosci(static_cast<std::size_t>(okres))
{
    // A quarter wave from cos itself, whose argument then stays within π/2; the rest by
    // symmetry, so that mirrored entries agree exactly.
    const std::int64_t cwierc = okres / 4;
    const std::int64_t polowa = okres / 2;
    for (std::int64_t j = 0; j < cwierc; ++j)
        Wartosci[static_cast<std::size_t>(j)] =
            std::cos(2.0 * std::numbers::pi * static_cast<double>(j) / static_cast<double>(okres));
    Wartosci[static_cast<std::size_t>(cwierc)] = 0.0;
    for (std::int64_t j = 0; j < cwierc; ++j)
        Wartosci[static_cast<std::size_t>(polowa - j)] = -Wartosci[static_cast<std::size_t>(j)];
    for (std::int64_t j = 1; j < polowa; ++j)
        Wartosci[static_cast<std::size_t>(okres - j)] = Wartosci[static_cast<std::size_t>(j)];
}
