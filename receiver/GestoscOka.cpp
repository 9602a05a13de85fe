#include "GestoscOka.h"

#include <algorithm>
#include <cmath>

TGestoscOka::TGestoscOka(double okres_, double yMin_, double yMax_, std::int32_t kolumny_, std::int32_t wiersze_)
    : okres(okres_ > 0.0 && std::isfinite(okres_) ? okres_ : 1.0)
    , yMin(yMin_)
    , yMax(yMax_)
    , kolumny(std::max(kolumny_, 1))
    , wiersze(std::max(wiersze_, 1))
    , zliczenia(static_cast<std::size_t>(kolumny) * static_cast<std::size_t>(wiersze), 0)
{
    if (!(yMax > yMin) || !std::isfinite(yMax - yMin)) {
        const double srodek = std::isfinite(yMin) ? yMin : 0.0;
        yMin = srodek - 0.01;
        yMax = srodek + 0.01;
    }
}

void TGestoscOka::Dodaj(double kolumna, double wiersz)
{
    // Compared before converting, so that no value makes an out-of-range index.
    // Folded in whole cells, which divide exactly.
    const double cala = std::floor(kolumna);
    const double zlozona = cala - kolumny * std::floor(cala / kolumny);
    const std::int32_t c = zlozona >= 0.0 && zlozona < kolumny ? static_cast<std::int32_t>(zlozona) : 0;
    const std::int32_t w = wiersz <= 0.0 ? 0 : wiersz >= wiersze - 1.0 ? wiersze - 1 : static_cast<std::int32_t>(wiersz);
    std::uint32_t& z = zliczenia[static_cast<std::size_t>(w) * static_cast<std::size_t>(kolumny) + static_cast<std::size_t>(c)];
    ++z;
    najwieksze = std::max(najwieksze, z);
    ++suma;
}

void TGestoscOka::DodajSlad(std::span<const float> x, std::span<const float> y)
{
    // In cells: columns unfolded along the trace, rows clamped to the grid.
    const auto kolumna = [&](double v) { return v / okres * kolumny; };
    const auto wiersz = [&](double v) {
        return std::clamp((v - yMin) / (yMax - yMin) * wiersze, 0.0, std::nextafter(static_cast<double>(wiersze), 0.0));
    };
    const std::size_t n = std::min(x.size(), y.size());
    bool poprzedni = false;
    for (std::size_t i = 0; i < n; ++i) {
        if (!std::isfinite(x[i]) || std::isnan(y[i])) {
            poprzedni = false;
            continue;
        }
        const double u1 = kolumna(x[i]);
        const double v1 = wiersz(y[i]);
        if (!poprzedni || !std::isfinite(u1)) {
            Dodaj(u1, v1);
            poprzedni = true;
            continue;
        }
        // One count in every cell of the longer direction from the segment's start
        // (counted with the segment before) to its end, so no row or column is skipped.
        const double u0 = kolumna(x[i - 1]);
        const double v0 = wiersz(y[i - 1]);
        const double kroki_u = std::floor(u1) - std::floor(u0);
        const double kroki_v = std::floor(v1) - std::floor(v0);
        const double kroki = std::min(std::max(std::abs(kroki_u), std::abs(kroki_v)), 1e6);
        if (kroki == 0.0) {
            Dodaj(u1, v1);
            continue;
        }
        const bool wzdluzWierszy = std::abs(kroki_v) > std::abs(kroki_u);
        const double kierunek = (wzdluzWierszy ? kroki_v : kroki_u) > 0.0 ? 1.0 : -1.0;
        const auto liczba = static_cast<std::int32_t>(kroki);
        for (std::int32_t s = 1; s <= liczba; ++s) {
            // The middle of the next cell along the longer direction, kept on the segment.
            if (wzdluzWierszy) {
                const double v = std::clamp(std::floor(v0) + kierunek * s + 0.5, std::min(v0, v1), std::max(v0, v1));
                Dodaj(u0 + (u1 - u0) * (v - v0) / (v1 - v0), std::floor(v0) + kierunek * s);
            } else {
                const double u = std::clamp(std::floor(u0) + kierunek * s + 0.5, std::min(u0, u1), std::max(u0, u1));
                Dodaj(std::floor(u0) + kierunek * s, v0 + (v1 - v0) * (u - u0) / (u1 - u0));
            }
        }
    }
}
