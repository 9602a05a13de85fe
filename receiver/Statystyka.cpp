#include "Statystyka.h"

#include <cmath>

#include <boost/math/distributions/beta.hpp>

TPrzedzialUfnosci PrzedzialClopperaPearsona(std::int64_t k, std::int64_t n, double ufnosc)
{
    const double polowaAlfa = 0.5 * (1.0 - ufnosc);
    const auto bledy = static_cast<double>(k);
    const auto bity = static_cast<double>(n);
    TPrzedzialUfnosci p;
    if (k > 0)
        p.Dolna = boost::math::quantile(boost::math::beta_distribution<double>(bledy, bity - bledy + 1.0), polowaAlfa);
    if (k < n)
        p.Gorna = boost::math::quantile(
            boost::math::complement(boost::math::beta_distribution<double>(bledy + 1.0, bity - bledy), polowaAlfa));
    return p;
}

double BityDoWykazania(double docelowyBER, double ufnosc)
{
    return std::log1p(-ufnosc) / std::log1p(-docelowyBER);
}
