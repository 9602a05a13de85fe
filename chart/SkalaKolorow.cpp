#include "SkalaKolorow.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Red, green, blue of evenly spaced stops; lightness rises along the scale.
constexpr std::array<std::array<int, 3>, 5> Przystanki { {
    { 68, 1, 84 },
    { 59, 82, 139 },
    { 33, 145, 140 },
    { 94, 201, 98 },
    { 253, 231, 37 },
} };

} // namespace

TColor KolorSkali(double t)
{
    t = std::isnan(t) ? 0.0 : std::clamp(t, 0.0, 1.0);
    const double pozycja = t * (Przystanki.size() - 1);
    const auto i = std::min(static_cast<std::size_t>(pozycja), Przystanki.size() - 2);
    const double a = pozycja - static_cast<double>(i);
    TColor kolor = 0;
    for (std::size_t s = 0; s < 3; ++s) {
        const double v = Przystanki[i][s] + (Przystanki[i + 1][s] - Przystanki[i][s]) * a;
        kolor |= static_cast<TColor>(std::lround(v)) << (8 * s);
    }
    return kolor;
}
