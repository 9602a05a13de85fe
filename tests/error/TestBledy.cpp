#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Strumienie.h"
#include "TVartoError.h"
#include "VartoError.h"

namespace {

// The record of ZwrocBledy with its two streams, released together.
struct Wynik {
    std::unique_ptr<WynikBledow> Rekord;
    std::unique_ptr<TFltFltStrumien> Rozklad;
    std::unique_ptr<TFltFltStrumien> Dystrybuanta;
};

Wynik Zmierz(const std::vector<TFltFltStrumien*>& wzorce, const std::vector<TFltFltStrumien*>& odebrane, float b,
             std::int32_t rozdzielczosc = 1000)
{
    WynikBledow* w = ZwrocBledy(wzorce.data(), odebrane.data(), static_cast<std::int32_t>(wzorce.size()), b,
                                rozdzielczosc, -2, nullptr, nullptr);
    return {std::unique_ptr<WynikBledow>(w), std::unique_ptr<TFltFltStrumien>(w->Rozklad),
            std::unique_ptr<TFltFltStrumien>(w->Dystrybuanta)};
}

// A constant 1 V reference and received values around it whose absolute sum equals the
// reference's, so the gain is exactly 1 and the errors are |y − 1|.
const Punkty JedenWolt{{0, 1}, {10, 1}};
const Punkty WokolJednegoWolta{{1, 1}, {2, 1}, {3, 1.5f}, {4, 0.5f}, {5, 1.25f}, {6, 0.75f}};

void OczekujBezNaN(const Wynik& w)
{
    EXPECT_FALSE(std::isnan(w.Rekord->BER));
    EXPECT_FALSE(std::isnan(w.Rekord->NajwiekszyBlad));
    for (auto* s : {w.Rozklad.get(), w.Dystrybuanta.get()})
        for (const TPunkt& p : Odczytaj(*s)) {
            EXPECT_TRUE(std::isfinite(p.X));
            EXPECT_TRUE(std::isfinite(p.Y));
        }
}

} // namespace

TEST(Errors, ScaledCopyOfTheReferenceHasNoError)
{
    const Punkty wzorzec = SygnalLiniowy(50);
    // A power-of-two factor keeps the gain exact.
    const Punkty odebrane = Probki(wzorzec, 10.0f, 40.0f, 0.1f, 0.25f);
    auto w = Strumien(wzorzec);
    auto o = Strumien(odebrane);
    Wynik wynik = Zmierz({w.get()}, {o.get()}, 0.5f);
    EXPECT_EQ(wynik.Rekord->BER, 0.0);
    EXPECT_EQ(wynik.Rekord->NajwiekszyBlad, 0.0f);
    EXPECT_EQ(wynik.Rekord->Zarezerwowane, 0);
    // Every error is 0, so bin 0 holds them all and every edge sits at 0.
    EXPECT_EQ(wynik.Rozklad->Zwroc(0).Y, 1.0f);
    EXPECT_EQ(wynik.Rekord->SzczytRozkladu, 1.0f);
    EXPECT_EQ(wynik.Dystrybuanta->Zwroc(1000).Y, 0.0f);
    EXPECT_EQ(wynik.Rozklad->Zwroc(1000).X, 0.0f);
    OczekujBezNaN(wynik);

    TFltFltStrumien* wzorce[] = {w.get()};
    TFltFltStrumien* odbiory[] = {o.get()};
    TVartoError pracownik(wzorce, odbiory, 1);
    pracownik.ZmierzBledy();
    ASSERT_EQ(pracownik.Bledy().size(), odebrane.size());
    for (float e : pracownik.Bledy())
        EXPECT_EQ(e, 0.0f);
}

TEST(Errors, DistributionAndItsCumulativeShares)
{
    auto w = Strumien(JedenWolt);
    auto o = Strumien(WokolJednegoWolta);
    Wynik wynik = Zmierz({w.get()}, {o.get()}, 0.5f);
    const WynikBledow& r = *wynik.Rekord;
    EXPECT_EQ(r.NajwiekszyBlad, 0.5f);
    ASSERT_EQ(r.LiczbaPrzedzialow, 1001);
    ASSERT_EQ(wynik.Rozklad->ZwrocDlugosc(), 1001);
    ASSERT_EQ(wynik.Dystrybuanta->ZwrocDlugosc(), 1001);

    // Errors 0, 0, 0.25, 0.25, 0.5, 0.5: a third each in bins 0, 500 and 1000 (the
    // largest error falls into the last bin).
    const float trzecia = 2.0f / 6.0f;
    for (std::int32_t b = 0; b <= 1000; ++b) {
        const TPunkt h = wynik.Rozklad->Zwroc(b);
        const TPunkt d = wynik.Dystrybuanta->Zwroc(b);
        const auto x = static_cast<float>(0.001 * 0.5 * b);
        EXPECT_EQ(h.X, x);
        EXPECT_EQ(d.X, x);
        EXPECT_EQ(h.Y, b == 0 || b == 500 || b == 1000 ? trzecia : 0.0f) << b;
        EXPECT_FLOAT_EQ(d.Y, b == 0 ? 1.0f : b <= 500 ? 2 * trzecia : trzecia) << b;
    }
    EXPECT_EQ(wynik.Rozklad->Zwroc(1000).X, 0.5f);
    EXPECT_EQ(r.SzczytRozkladu, trzecia);
    // Mean error 0.25 V.
    EXPECT_DOUBLE_EQ(r.BER, 0.5 * std::erfc(0.5 / 0.25 / std::sqrt(2.0)));
}

TEST(Errors, BerFromTheGaussianTail)
{
    // Received 0.9 and 1.1 against 1 V: a gain of 1 and a mean error of 0.1 V.
    auto w = Strumien(JedenWolt);
    auto o = Strumien({{1, 0.9f}, {2, 1.1f}, {3, 0.9f}, {4, 1.1f}});
    TFltFltStrumien* wzorce[] = {w.get()};
    TFltFltStrumien* odbiory[] = {o.get()};
    TVartoError pracownik(wzorce, odbiory, 1);
    pracownik.ZmierzBledy();
    EXPECT_NEAR(pracownik.SredniBlad(), 0.1, 1e-7);
    pracownik.ObliczBER(0.5f);
    EXPECT_NEAR(pracownik.BER(), 2.87e-7, 0.005e-7);
    EXPECT_DOUBLE_EQ(pracownik.BER(), 0.5 * std::erfc(0.5 / pracownik.SredniBlad() / std::sqrt(2.0)));
}

TEST(Errors, PooledOverPairsEachWithItsOwnGain)
{
    // Pair 0 carries the known errors; pair 1 is an exact copy attenuated 64 times and adds
    // only zeros. Were the gains shared, pair 1 would be amplified with pair 0's.
    const Punkty wzorzec1 = SygnalLiniowy(30);
    const Punkty odebrane1 = Probki(wzorzec1, 5.0f, 25.0f, 0.1f, 1.0f / 64);
    auto w0 = Strumien(JedenWolt);
    auto o0 = Strumien(WokolJednegoWolta);
    auto w1 = Strumien(wzorzec1);
    auto o1 = Strumien(odebrane1);
    Wynik wynik = Zmierz({w0.get(), w1.get()}, {o0.get(), o1.get()}, 0.5f);
    const float wszystkie = static_cast<float>(WokolJednegoWolta.size() + odebrane1.size());
    EXPECT_EQ(wynik.Rekord->NajwiekszyBlad, 0.5f);
    EXPECT_EQ(wynik.Rozklad->Zwroc(0).Y, static_cast<float>(2 + odebrane1.size()) / wszystkie);
    EXPECT_EQ(wynik.Rozklad->Zwroc(1000).Y, 2.0f / wszystkie);
    EXPECT_FLOAT_EQ(wynik.Dystrybuanta->Zwroc(0).Y, 1.0f);
}

TEST(Errors, SilentReceivedSignalGivesFiniteResults)
{
    // "100BaseTX (bez 4B5B)" sending zeros without crosstalk: both lines stay at 0 V.
    auto zero = Strumien({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}, {100, 0}});
    auto cisza = Strumien(Probki({{0, 0}, {100, 0}}, 20, 80, 0.5f, 0.0f));
    Wynik wynik = Zmierz({zero.get()}, {cisza.get()}, 0.5f);
    EXPECT_EQ(wynik.Rekord->BER, 0.0);
    EXPECT_EQ(wynik.Rekord->NajwiekszyBlad, 0.0f);
    EXPECT_EQ(wynik.Rozklad->Zwroc(0).Y, 1.0f);
    EXPECT_EQ(wynik.Dystrybuanta->Zwroc(0).Y, 1.0f);
    OczekujBezNaN(wynik);

    // A signal that was sent but never arrived: gain 1, the errors are the sent levels.
    auto sygnal = Strumien({{0, 1}, {100, 1}});
    Wynik utracony = Zmierz({sygnal.get()}, {cisza.get()}, 0.5f);
    EXPECT_EQ(utracony.Rekord->NajwiekszyBlad, 1.0f);
    EXPECT_EQ(utracony.Rozklad->Zwroc(1000).Y, 1.0f);
    EXPECT_GT(utracony.Rekord->BER, 0.0);
    OczekujBezNaN(utracony);
}

TEST(Errors, NoReceivedSamplesGiveEmptyShares)
{
    auto w = Strumien(JedenWolt);
    auto o = Strumien({});
    Wynik wynik = Zmierz({w.get()}, {o.get()}, 0.5f);
    EXPECT_EQ(wynik.Rekord->BER, 0.0);
    EXPECT_EQ(wynik.Rekord->LiczbaPrzedzialow, 1001);
    EXPECT_EQ(wynik.Dystrybuanta->Zwroc(0).Y, 0.0f);
    OczekujBezNaN(wynik);
}

TEST(Errors, OtherResolutionsKeepTheFixedFactors)
{
    auto w = Strumien(JedenWolt);
    auto o = Strumien(WokolJednegoWolta);
    // Ten steps: the stream has 11 bins, its edges stay 0.001 × largest apart, and every
    // error beyond the last edge is counted in the last bin.
    Wynik wynik = Zmierz({w.get()}, {o.get()}, 0.5f, 10);
    EXPECT_EQ(wynik.Rekord->LiczbaPrzedzialow, 11);
    ASSERT_EQ(wynik.Rozklad->ZwrocDlugosc(), 11);
    EXPECT_EQ(wynik.Rozklad->Zwroc(10).X, static_cast<float>(0.001 * 0.5 * 10));
    EXPECT_FLOAT_EQ(wynik.Rozklad->Zwroc(10).Y, 4.0f / 6.0f);
    EXPECT_FLOAT_EQ(wynik.Dystrybuanta->Zwroc(0).Y, 1.0f);

    Wynik jeden = Zmierz({w.get()}, {o.get()}, 0.5f, 0);
    EXPECT_EQ(jeden.Rekord->LiczbaPrzedzialow, 1);
    EXPECT_EQ(jeden.Rozklad->Zwroc(0).Y, 1.0f);
}

TEST(Errors, BinIndexIsGuarded)
{
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(IndeksPrzedzialu(0.25f, 0.5f, 1000), 500);
    EXPECT_EQ(IndeksPrzedzialu(0.5f, 0.5f, 1000), 1000);
    EXPECT_EQ(IndeksPrzedzialu(0.49999f, 0.5f, 1000), 999);
    EXPECT_EQ(IndeksPrzedzialu(0.0f, 0.0f, 1000), 0);
    EXPECT_EQ(IndeksPrzedzialu(nan, 0.5f, 1000), 0);
    EXPECT_EQ(IndeksPrzedzialu(inf, inf, 1000), 0);
    EXPECT_EQ(IndeksPrzedzialu(inf, 0.5f, 1000), 1000);
    EXPECT_EQ(IndeksPrzedzialu(1.0f, 0.0f, 1000), 1000);
    EXPECT_EQ(IndeksPrzedzialu(-1.0f, 0.5f, 1000), 0);
    EXPECT_EQ(IndeksPrzedzialu(3.0e38f, 1.0e-38f, 1000), 1000);
}
