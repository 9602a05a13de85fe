#include "Os.h"

#include <cmath>

#include "Wykres.h"

void TCzescWykresu::Odswiez()
{
    Wykres.update();
}

void TOs::UstawMax(float wartosc)
{
    Zmien(max, typOsi == toLog ? static_cast<float>(std::log10(static_cast<double>(wartosc))) : wartosc);
}

float TOs::GornyKoniec() const
{
    if (typOsi != toLog)
        return max;
    // The value with the fewest significant digits that UstawMax stores as this very
    // logarithm: 200, not the 199.99997 that 10^2.30103 gives in float32.
    const double koniec = std::pow(10.0, static_cast<double>(max));
    if (!(koniec > 0.0) || !std::isfinite(koniec))
        return static_cast<float>(koniec);
    const double rzad = std::floor(std::log10(koniec));
    for (int cyfry = 1; cyfry <= 9; ++cyfry) {
        const double skala = std::pow(10.0, cyfry - 1 - rzad);
        const auto kandydat = static_cast<float>(std::round(koniec * skala) / skala);
        if (static_cast<float>(std::log10(static_cast<double>(kandydat))) == max)
            return kandydat;
    }
    return static_cast<float>(koniec);
}
