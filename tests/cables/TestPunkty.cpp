#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "Punkty.h"

namespace {

// The plain reference of the thinning: every round recomputes every inner point's triangle
// in (log10 f, dB) and drops the smallest, the lowest index on a tie.
TListaPunktow PrzerzedzWprost(TListaPunktow punkty, std::size_t liczba)
{
    while (punkty.size() > liczba) {
        std::size_t najmniejszy = 0;
        double pole = std::numeric_limits<double>::infinity();
        for (std::size_t i = 1; i + 1 < punkty.size(); ++i) {
            const double xa = std::log10(punkty[i - 1].MHz), xb = std::log10(punkty[i].MHz),
                         xc = std::log10(punkty[i + 1].MHz);
            const double ya = punkty[i - 1].dB, yb = punkty[i].dB, yc = punkty[i + 1].dB;
            const double p = 0.5 * std::abs((xb - xa) * (yc - ya) - (xc - xa) * (yb - ya));
            if (p < pole) {
                pole = p;
                najmniejszy = i;
            }
        }
        punkty.erase(punkty.begin() + static_cast<std::ptrdiff_t>(najmniejszy));
    }
    return punkty;
}

} // namespace

TEST(Punkty, ThinningMatchesThePlainReferenceAtEverySize)
{
    std::mt19937 los(7);
    std::uniform_real_distribution<double> krok(0.01, 0.2), poziom(-60.0, 0.0);
    for (std::size_t n = 2; n <= 60; ++n) {
        TListaPunktow punkty;
        double f = 0.5;
        for (std::size_t i = 0; i < n; ++i) {
            f *= 1.0 + krok(los);
            punkty.push_back({f, poziom(los)});
        }
        for (std::size_t liczba = 2; liczba <= n + 1; liczba += 3) {
            const TListaPunktow szybko = Przerzedz(punkty, liczba);
            EXPECT_EQ(szybko, PrzerzedzWprost(punkty, liczba)) << n << " to " << liczba;
            EXPECT_EQ(szybko.size(), std::min(n, liczba));
        }
    }
}

TEST(Punkty, ThinningKeepsTheEndsTheZeroAndTheKnee)
{
    // Two straight lines in log frequency meeting at 10 MHz, and a point at 0 MHz.
    TListaPunktow punkty = {{0.0, -1.0}};
    for (const double f : SiatkaLogarytmiczna(1.0, 100.0, 201))
        punkty.push_back({f, f <= 10.0 ? -2.0 : -2.0 - 20.0 * std::log10(f / 10.0)});
    const TListaPunktow trzy = Przerzedz(punkty, 4);
    ASSERT_EQ(trzy.size(), 4u);
    EXPECT_EQ(trzy[0], punkty.front());
    EXPECT_EQ(trzy[1], punkty[1]);
    EXPECT_NEAR(trzy[2].MHz, 10.0, 1e-9);
    EXPECT_EQ(trzy[3], punkty.back());
    EXPECT_EQ(Przerzedz(punkty, 1000), punkty);
    EXPECT_EQ(Przerzedz(punkty, 0).size(), 3u);
}

TEST(Punkty, LogGridAndRounding)
{
    const std::vector<double> f = SiatkaLogarytmiczna(0.1, 100.0, 4);
    ASSERT_EQ(f.size(), 4u);
    EXPECT_EQ(f.front(), 0.1);
    EXPECT_EQ(f.back(), 100.0);
    EXPECT_NEAR(f[1], 1.0, 1e-12);
    EXPECT_NEAR(f[2], 10.0, 1e-12);
    EXPECT_EQ(Zaokraglij(21.9754), 21.975);
    EXPECT_EQ(Zaokraglij(-0.0004), 0.0);
}
