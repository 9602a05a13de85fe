// Truncation toward zero of a real to an integer, the one conversion the channel's
// arithmetic uses, guarded so that a NaN or an out-of-range value cannot meet the
// undefined behaviour of a bare cast.
#pragma once

#include <cmath>
#include <concepts>
#include <limits>

// trunc(x) as an I; NaN gives 0, values beyond I's range its nearest end.
template <std::integral I>
I Obetnij(double x)
{
    if (std::isnan(x))
        return 0;
    constexpr double najmniejsza = static_cast<double>(std::numeric_limits<I>::min());
    constexpr double zaNajwieksza = 2.0 * static_cast<double>(std::numeric_limits<I>::max() / 2 + 1);
    if (x <= najmniejsza)
        return std::numeric_limits<I>::min();
    if (x >= zaNajwieksza)
        return std::numeric_limits<I>::max();
    return static_cast<I>(x);
}
