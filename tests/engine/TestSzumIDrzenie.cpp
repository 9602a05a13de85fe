#include <gtest/gtest.h>

#include <cmath>

#include "SzumIDrzenie.h"

namespace {

// A line signal as the encoder draws one: edges of half-width 0.05 at every boundary
// where the alternating symbols change.
std::unique_ptr<TFltFltStrumien> Sygnal(std::int32_t zmiany)
{
    auto s = std::make_unique<TFltFltStrumien>();
    s->UstawDlugosc(2 * zmiany + 2);
    float poziom = -1.0f;
    s->Ustaw(0, {0.0f, poziom});
    for (std::int32_t k = 1; k <= zmiany; ++k) {
        s->Ustaw(2 * k - 1, {static_cast<float>(k) - 0.05f, poziom});
        poziom = -poziom;
        s->Ustaw(2 * k, {static_cast<float>(k) + 0.05f, poziom});
    }
    s->Ustaw(2 * zmiany + 1, {static_cast<float>(zmiany + 1), poziom});
    return s;
}

} // namespace

TEST(Drzenie, EveryEdgeMovesAsAWholeByANormalDeviate)
{
    const auto s = Sygnal(20000);
    std::mt19937_64 generator = GeneratorDrzenia(4);
    const auto r = Rozedrgany(*s, 0.05, 0.5, generator);
    ASSERT_EQ(r->ZwrocDlugosc(), s->ZwrocDlugosc());
    EXPECT_EQ(r->Zwroc(0).X, 0.0f);
    EXPECT_EQ(r->Zwroc(r->ZwrocDlugosc() - 1).X, 20001.0f);
    double kwadraty = 0.0;
    for (std::int32_t k = 1; k <= 20000; ++k) {
        const TPunkt przed = r->Zwroc(2 * k - 1);
        const TPunkt po = r->Zwroc(2 * k);
        // Both points of an edge move together and keep their levels.
        EXPECT_NEAR(po.X - przed.X, 0.1f, 0.01f);
        EXPECT_EQ(po.Y, s->Zwroc(2 * k).Y);
        const double d = static_cast<double>(przed.X) - (static_cast<double>(k) - 0.05);
        kwadraty += d * d;
    }
    EXPECT_NEAR(std::sqrt(kwadraty / 20000.0), 0.05, 0.05 * 0.03);
}

TEST(Drzenie, LargeDeviatesAreClippedAndAFlatSignalStaysFlat)
{
    const auto s = Sygnal(2000);
    std::mt19937_64 generator = GeneratorDrzenia(9);
    const auto r = Rozedrgany(*s, 10.0, 0.25, generator);
    for (std::int32_t k = 1; k <= 2000; ++k)
        EXPECT_LE(std::abs(r->Zwroc(2 * k - 1).X - (static_cast<float>(k) - 0.05f)), 0.2501f);

    TFltFltStrumien plaski;
    plaski.UstawDlugosc(10);
    for (std::int32_t i = 0; i < 10; ++i)
        plaski.Ustaw(i, {static_cast<float>(i), 0.0f});
    const auto p = Rozedrgany(plaski, 0.3, 0.5, generator);
    for (std::int32_t i = 0; i < 10; ++i)
        EXPECT_EQ(p->Zwroc(i).X, static_cast<float>(i));
}

TEST(Szum, ReachesTheRunInAndHasItsRms)
{
    TFltFltStrumien s;
    s.UstawDlugosc(100000);
    for (std::int32_t i = 0; i < 100000; ++i)
        s.Ustaw(i, {static_cast<float>(i), 1.0f});
    s.UstawZakres(100, 100);
    std::mt19937_64 generator = GeneratorSzumu(1);
    DodajSzum(s, 0.2, generator);
    EXPECT_NE(s.Zwroc(-100).Y, 1.0f); // the hidden head got its noise too
    EXPECT_NEAR(std::sqrt(MocSygnalu(s)), 0.2, 0.2 * 0.02);
    // Noise and jitter draw apart from each other.
    std::mt19937_64 a = GeneratorSzumu(1);
    std::mt19937_64 b = GeneratorDrzenia(1);
    EXPECT_NE(a(), b());
}
