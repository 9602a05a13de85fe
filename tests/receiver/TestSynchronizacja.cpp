#include <gtest/gtest.h>

#include <cmath>

#include "SygnalyTestowe.h"

namespace {

constexpr TPoziomy Pam5{0.5, 0.0};
constexpr TPoziomy Mlt3{1.0, 0.0};
constexpr TPoziomy Manchester{-2.5, 0.0};

// Where the timing puts the decision of symbol 0, in symbol periods.
double Chwila(const TSynchronizacja& s)
{
    return s.Opoznienie + s.Faza;
}

} // namespace

TEST(Timing, DecidesInTheMiddleOfTheEyeAfterTheChannelDelay)
{
    const std::vector<std::int32_t> symbole = SymboleKodera(KodTypu1000BaseT, LosoweBity(4000, 3));
    for (const double opoznienie : {0.0, 0.3, 0.5, 1.25, 2.8, -1.6})
        for (const double q : {15.0, 16.0, 7.5}) {
            const TSygnalToru s = Sygnal(symbole, Pam5, q, opoznienie, 0.2);
            const TSynchronizacja t = Synchronizuj(s, TKodLinii::PAM5, Pam5, symbole);
            EXPECT_NEAR(Chwila(t), opoznienie + 0.5, 1.0 / 16.0) << opoznienie << " at " << q;
            EXPECT_GE(t.Faza, 0.0);
            EXPECT_LT(t.Faza, 1.0);
        }
}

TEST(Timing, EveryCodeFindsItsEyeUnderNoise)
{
    const std::vector<std::int32_t> bity = LosoweBity(3000, 5);
    struct Przypadek {
        std::uint8_t typ;
        TKodLinii kod;
        TPoziomy poziomy;
    };
    for (const Przypadek& p : {Przypadek{KodTypu10BaseT, TKodLinii::Manchester, Manchester},
                               Przypadek{KodTypu100BaseTX, TKodLinii::MLT3z4B5B, Mlt3},
                               Przypadek{KodTypu100BaseTXBez4B5B, TKodLinii::MLT3, Mlt3}}) {
        const std::vector<std::int32_t> symbole = SymboleKodera(p.typ, bity);
        const TSygnalToru s = Sygnal(symbole, p.poziomy, 15.0, 0.4, 0.3, 0.1 * std::abs(p.poziomy.Krok));
        const TSynchronizacja t = Synchronizuj(s, p.kod, p.poziomy, symbole);
        EXPECT_NEAR(Chwila(t), 0.9, 0.1) << static_cast<int>(p.typ);
    }
}

TEST(Timing, SignalsWithoutAnEyeKeepTheMiddleAndNoDelay)
{
    // All zeros in MLT-3 without 4B5B: a flat line.
    const std::vector<std::int32_t> zera(500, 0);
    const TSynchronizacja plaski = Synchronizuj(Sygnal(zera, Mlt3, 15.0), TKodLinii::MLT3, Mlt3, zera);
    EXPECT_EQ(plaski.Faza, 0.5);
    EXPECT_EQ(plaski.Opoznienie, 0);

    // Periodic data matches at every period; the delay of none is kept.
    const std::vector<std::int32_t> jedynki = SymboleKodera(KodTypu100BaseTXBez4B5B, std::vector<std::int32_t>(500, 1));
    const TSynchronizacja okresowy = Synchronizuj(Sygnal(jedynki, Mlt3, 15.0), TKodLinii::MLT3, Mlt3, jedynki);
    EXPECT_EQ(okresowy.Opoznienie, 0);
    EXPECT_NEAR(okresowy.Faza, 0.5, 1.0 / 16.0);
}

TEST(Timing, IgnoresTheRunInAndRunOut)
{
    const std::vector<std::int32_t> symbole = SymboleKodera(KodTypu1000BaseT, LosoweBity(1600, 8));
    TSygnalToru s = Sygnal(symbole, Pam5, 15.0);
    // Garbage outside the window the timing may use.
    for (std::size_t i = 0; i < 20 * 15; ++i)
        s.Probki[i] = s.Probki[s.Probki.size() - 1 - i] = 0.37f;
    s.OdProbki = 20 * 15;
    s.DoProbki = static_cast<std::int64_t>(s.Probki.size()) - 20 * 15;
    const TSynchronizacja t = Synchronizuj(s, TKodLinii::PAM5, Pam5, symbole);
    EXPECT_EQ(t.Opoznienie, 0);
    EXPECT_NEAR(t.Faza, 0.5, 1.0 / 16.0);
}

TEST(Sampling, TakesTheNearestSampleOfEverySymbolWithinTheSignal)
{
    const std::vector<std::int32_t> symbole = {2, -2, 1, 0, -1, 2, 2, -2};
    const TSygnalToru s = Sygnal(symbole, Pam5, 10.0, 1.0, 0.0);
    const TProbkiSymboli p = Probkuj(s, TKodLinii::PAM5, Pam5, {0.5, 1});
    // Symbol 7 would be decided at 8.5 periods, past the last sample.
    EXPECT_EQ(p.Pierwszy, 0);
    ASSERT_EQ(p.Wartosci.size(), 7u);
    for (std::size_t k = 0; k < p.Wartosci.size(); ++k)
        EXPECT_FLOAT_EQ(p.Wartosci[k], static_cast<float>(symbole[k]));
}

TEST(Sampling, LeastSquaresScaleUndoesAGainError)
{
    const std::vector<std::int32_t> symbole = SymboleKodera(KodTypu1000BaseT, LosoweBity(8000, 2));
    // The amplifier left the signal 8 % low.
    const TSygnalToru s = Sygnal(symbole, {0.46, 0.0}, 15.0, 0.0, 0.1, 0.02);
    const TProbkiSymboli p = Probkuj(s, TKodLinii::PAM5, Pam5, {0.5, 0});
    double suma = 0.0;
    for (std::size_t k = 0; k < p.Wartosci.size(); ++k)
        suma += std::abs(p.Wartosci[k] - static_cast<float>(symbole[k]));
    EXPECT_LT(suma / static_cast<double>(p.Wartosci.size()), 0.05);
}
