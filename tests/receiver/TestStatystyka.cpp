#include <gtest/gtest.h>

#include <cmath>

#include "Statystyka.h"

namespace {

// P(X <= k) for X binomial(n, p), summed term by term in logarithms: a reference free
// of the beta function the interval is computed with.
double DystrybuantaDwumianowa(std::int64_t k, std::int64_t n, double p)
{
    double suma = 0.0;
    for (std::int64_t i = 0; i <= k; ++i) {
        const double di = static_cast<double>(i);
        const double dn = static_cast<double>(n);
        suma += std::exp(std::lgamma(dn + 1) - std::lgamma(di + 1) - std::lgamma(dn - di + 1) + di * std::log(p) +
                         (dn - di) * std::log1p(-p));
    }
    return suma;
}

} // namespace

TEST(ClopperPearson, KnownValues)
{
    // No errors in 1000 bits: the two-sided 95 % upper end is 1 - 0.025^(1/1000).
    const TPrzedzialUfnosci zero = PrzedzialClopperaPearsona(0, 1000);
    EXPECT_EQ(zero.Dolna, 0.0);
    EXPECT_NEAR(zero.Gorna, 3.682e-3, 1e-6);
    EXPECT_NEAR(zero.Gorna, 1.0 - std::pow(0.025, 1.0 / 1000.0), 1e-12);

    const TPrzedzialUfnosci piec = PrzedzialClopperaPearsona(5, 1000);
    EXPECT_NEAR(piec.Dolna, 1.6254e-3, 1e-7);
    EXPECT_NEAR(piec.Gorna, 1.16295e-2, 1e-6);

    const TPrzedzialUfnosci trzy = PrzedzialClopperaPearsona(3, 1000);
    EXPECT_NEAR(trzy.Dolna, 6.19e-4, 1e-6);
    EXPECT_NEAR(trzy.Gorna, 8.75e-3, 1e-5);

    // Every bit wrong mirrors no bit wrong.
    const TPrzedzialUfnosci wszystkie = PrzedzialClopperaPearsona(1000, 1000);
    EXPECT_EQ(wszystkie.Gorna, 1.0);
    EXPECT_NEAR(wszystkie.Dolna, 1.0 - zero.Gorna, 1e-12);
}

TEST(ClopperPearson, EndsMeetTheirDefinitionOverManyCounts)
{
    for (const std::int64_t n : {100, 1000, 100000})
        for (const std::int64_t k : {std::int64_t{1}, std::int64_t{3}, std::int64_t{5}, std::int64_t{17}, n / 3, n - 1}) {
            const TPrzedzialUfnosci p = PrzedzialClopperaPearsona(k, n);
            // The lower end makes k or more errors a 2.5 % event, the upper end k or fewer.
            EXPECT_NEAR(1.0 - DystrybuantaDwumianowa(k - 1, n, p.Dolna), 0.025, 1e-7) << k << " of " << n;
            EXPECT_NEAR(DystrybuantaDwumianowa(k, n, p.Gorna), 0.025, 1e-7) << k << " of " << n;
            EXPECT_LT(p.Dolna, static_cast<double>(k) / static_cast<double>(n));
            EXPECT_GT(p.Gorna, static_cast<double>(k) / static_cast<double>(n));
        }
}

TEST(ClopperPearson, ErrorFreeBitsToClaimATarget)
{
    // The rule of three: about 3 / BER error-free bits for 95 %.
    EXPECT_NEAR(BityDoWykazania(1e-10), 2.9957e10, 1e6);
    EXPECT_NEAR(BityDoWykazania(1e-3, 0.99), std::log(0.01) / std::log1p(-1e-3), 1e-6);
    // That many clean bits leave exactly 5 % chance at the target rate.
    EXPECT_NEAR(std::pow(1.0 - 1e-4, BityDoWykazania(1e-4)), 0.05, 1e-9);
}
