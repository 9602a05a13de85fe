// The filter built from a characteristic: grid constants, closing point, spectrum,
// impulse response, realised response, and the recalculation export around them.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "DaneKanalu.h"
#include "PostepTestowy.h"
#include "TVartoChannel.h"
#include "VartoChannel.h"

namespace {

const TKontrolaKanalu BezKontroli(nullptr, nullptr, nullptr, nullptr);

// A filter of the points at line rate R, set up and built.
std::unique_ptr<TVartoChannel> Filtr(const std::vector<TPunkt>& punkty, float R, bool zbuduj = true)
{
    const TStrumienKanalu s = Strumien(punkty);
    const TParametryKanalu p = ParametryKanalu(R);
    auto filtr = std::make_unique<TVartoChannel>(BezKontroli);
    filtr->UstawCharakterystyke(*s, p.A, p.FMax, 1.0f);
    if (zbuduj) {
        EXPECT_TRUE(filtr->Zbuduj());
    }
    return filtr;
}

float Amplituda(double dB)
{
    return static_cast<float>(std::pow(10.0, 0.05 * dB));
}

TEST(ParametryKanalu, FollowTheLineRate)
{
    const TParametryKanalu r10 = ParametryKanalu(10.0f);
    EXPECT_EQ(r10.A, 500);
    EXPECT_EQ(r10.M, 501);
    EXPECT_EQ(r10.FMax, 200.0f);
    EXPECT_EQ(r10.S, 50);

    const TParametryKanalu r125 = ParametryKanalu(125.0f);
    EXPECT_EQ(r125.A, 1875);
    EXPECT_EQ(r125.M, 1875);
    EXPECT_EQ(r125.FMax, 750.0f);
    EXPECT_EQ(r125.S, 15); // 500 / 125 = 4 is raised to 15

    EXPECT_EQ(ParametryKanalu(100.0f).M, 1501); // an even A gets one more tap
    EXPECT_EQ(ParametryKanalu(12.0f).S, 41);
    EXPECT_EQ(ParametryKanalu(625.0f).A, 9375);
}

TEST(UstawCharakterystyke, ClosesTheListAtFMax)
{
    // A loss continues its last slope in log frequency: -6 dB per decade from 10 to 100 MHz.
    const auto strata = Filtr({{1, -1.0f}, {10, -3.0f}, {100, -9.0f}}, 10.0f, false);
    ASSERT_EQ(strata->PunktyRozszerzone().size(), 4u);
    EXPECT_EQ(strata->PunktyRozszerzone().back().X, 200.0f);
    EXPECT_NEAR(strata->PunktyRozszerzone().back().Y, -9.0 - 6.0 * std::log10(2.0), 1e-5);

    // An amplifier closes flat.
    const auto wzmocnienie = Filtr({{1, 2.0f}, {100, 21.6f}}, 10.0f, false);
    EXPECT_EQ(wzmocnienie->PunktyRozszerzone().back().Y, 21.6f);

    // 0 dB is not a gain: the slope goes on.
    const auto zero = Filtr({{10, 3.0f}, {100, 0.0f}}, 10.0f, false);
    EXPECT_NEAR(zero->PunktyRozszerzone().back().Y, -3.0 * std::log10(2.0), 1e-5);
}

TEST(ObliczWidmo, SamplesTheGridUpToFMax)
{
    const auto filtr = Filtr({{0, -2.0f}, {1, -2.0f}, {100, -22.0f}}, 10.0f);
    const std::vector<float>& a = filtr->Widmo();
    ASSERT_EQ(a.size(), 4000u);
    // A constant segment takes no logarithm; 0 MHz is the first point's gain.
    EXPECT_EQ(a[0], Amplituda(-2.0));
    EXPECT_EQ(a[20], Amplituda(-2.0));
    // Beyond the first segment the gain is straight in log frequency: 10 MHz is halfway.
    EXPECT_NEAR(a[200], Amplituda(-12.0), 1e-7);
    // The closing point continues -10 dB per decade to 200 MHz.
    EXPECT_NEAR(a[3999], Amplituda(-22.0 - 10.0 * std::log10(199.95 / 100.0)), 1e-7);
    // Sample 4000 lies exactly at fMax: it counts in the sum but is not kept.
    float kept = 0.0f;
    for (float v : a)
        kept = static_cast<float>(static_cast<double>(kept) + v);
    EXPECT_NEAR(filtr->SumaAmplitud() - kept, Amplituda(-22.0 - 10.0 * std::log10(2.0)), 1e-4);
}

TEST(ObliczWidmo, FirstSegmentIsLinearInFrequency)
{
    const auto filtr = Filtr({{0, -10.0f}, {2, -20.0f}, {100, -20.0f}}, 10.0f);
    EXPECT_NEAR(filtr->Widmo()[20], Amplituda(-15.0), 1e-7); // 1 MHz
}

TEST(ObliczWidmo, DropsSamplesOfAListReachingPastFMax)
{
    // At R = 10 fMax is 200 MHz; the list goes on to 400 MHz, so the closing point at
    // 200 MHz lies below its predecessor and produces no sample.
    const auto filtr = Filtr({{0, -1.0f}, {100, -10.0f}, {400, -20.0f}}, 10.0f);
    const auto& punkty = filtr->PunktyRozszerzone();
    EXPECT_LT(punkty.back().X, punkty[punkty.size() - 2].X);
    ASSERT_EQ(filtr->Widmo().size(), 4000u);
    // Samples up to 400 MHz were summed: twice as many as kept, each at most -10 dB.
    float kept = 0.0f;
    for (float v : filtr->Widmo())
        kept = static_cast<float>(static_cast<double>(kept) + v);
    EXPECT_GT(filtr->SumaAmplitud(), kept + 4000 * Amplituda(-20.0));
}

TEST(ObliczWidmo, TimeDoesNotGrowWithHowFarTheListReaches)
{
    // A point at 10^9 MHz once meant 2 * 10^10 turns of the loop; now the samples it walks
    // stop 2^21 above fMax, whatever the list's reach. Each turn moves the gauge by one.
    const TParametryKanalu p = ParametryKanalu(125.0f);
    for (const float dalekiPunkt : {1e9f, 3.4e38f}) {
        const TStrumienKanalu s = Strumien({{0, -2.0f}, {1, -2.0f}, {100, -20.0f}, {dalekiPunkt, -90.0f}});
        TPostepTestowy postep;
        TVartoChannel filtr(TKontrolaKanalu(&postep.Flaga, &postep.Etykieta, &postep.Krok, &postep.Calosc));
        filtr.UstawCharakterystyke(*s, p.A, p.FMax, 1.0f);
        filtr.ObliczWidmo();
        ASSERT_EQ(filtr.Widmo().size(), 15000u) << dalekiPunkt;
        EXPECT_EQ(postep.Calosc.Poz, 15000 + (1 << 21) + 1) << dalekiPunkt;
        EXPECT_TRUE(std::isfinite(filtr.SumaAmplitud()));
    }
}

TEST(ObliczOdpowiedzImpulsowa, IsSymmetricWithUnitMiddleTap)
{
    const auto filtr = Filtr(DomyslneTlumienie(), 10.0f);
    std::unique_ptr<TFltFltStrumien> odpowiedz = filtr->OddajOdpowiedzImpulsowa();
    ASSERT_EQ(odpowiedz->ZwrocDlugosc(), 501);
    EXPECT_EQ(odpowiedz->Zwroc(250).Y, 1.0f);
    EXPECT_EQ(odpowiedz->Zwroc(250).X, 0.0f);
    EXPECT_EQ(odpowiedz->Zwroc(0).X, -0.5f);
    EXPECT_EQ(odpowiedz->Zwroc(500).X, 0.5f);
    EXPECT_EQ(odpowiedz->Zwroc(251).X, 1.0f / 500.0f);
    for (std::int32_t k = 0; k < 250; ++k) {
        const float lewy = odpowiedz->Zwroc(k).Y;
        EXPECT_EQ(lewy, odpowiedz->Zwroc(500 - k).Y) << k;
        EXPECT_LT(std::fabs(lewy), 1.0f);
    }
    float suma = 0.0f;
    for (float y : filtr->Odczepy())
        suma = static_cast<float>(static_cast<double>(suma) + y);
    EXPECT_EQ(filtr->SumaOdczepow(), suma);
}

TEST(ObliczCharakterystyke, StartsAtTheFirstGainAndHoldsAFlatList)
{
    const auto filtr = Filtr({{0, -20.0f}, {1, -20.0f}, {100, -20.0f}}, 10.0f);
    const std::unique_ptr<TFltFltStrumien> h = filtr->ObliczCharakterystyke();
    ASSERT_EQ(h->ZwrocDlugosc(), 4000); // every 0.05 MHz up to twice 100 MHz
    EXPECT_EQ(h->Zwroc(0).X, 0.0f);
    EXPECT_NEAR(h->Zwroc(0).Y, -20.0f, 1e-4);
    EXPECT_FLOAT_EQ(h->Zwroc(2000).X, 100.0f);
    // A flat characteristic is realised flat well inside the band, where the 0 MHz line,
    // which the cosine sum does not halve as it does the others, no longer lifts it: the
    // band lies 20 log10(20 / 21) dB below the gain at 0 MHz.
    const double pasmo = -20.0 + 20.0 * std::log10(20.0 / 21.0);
    for (std::int32_t i = 40; i < 3000; i += 50)
        EXPECT_NEAR(h->Zwroc(i).Y, pasmo, 0.05) << h->Zwroc(i).X;

    const auto domyslny = Filtr(DomyslneTlumienie(), 125.0f);
    EXPECT_NEAR(domyslny->ObliczCharakterystyke()->Zwroc(0).Y, -2.1f, 1e-4);
}

TEST(ZwrocCharakterystykeFiltru, HandsOutBothResponsesWithProgress)
{
    const TStrumienKanalu punkty = Strumien(DomyslneTlumienie());
    TPostepTestowy postep;
    WynikRekalkulacji* wynik =
        ZwrocCharakterystykeFiltru(punkty.get(), 10.0f, &postep.Flaga, &postep.Etykieta, &postep.Krok, &postep.Calosc);
    ASSERT_NE(wynik, nullptr);
    EXPECT_EQ(wynik->Charakterystyka->ZwrocDlugosc(), 4000);
    EXPECT_EQ(wynik->OdpowiedzImpulsowa->ZwrocDlugosc(), 501);
    EXPECT_EQ(wynik->OdpowiedzImpulsowa->Zwroc(250).Y, 1.0f);
    EXPECT_NEAR(wynik->Charakterystyka->Zwroc(0).Y, -2.1f, 1e-4);
    UsunWynikRekalkulacji(wynik);

    EXPECT_EQ(postep.Teksty, (std::vector<std::string>{"Kalkulacja odpowiedzi", "Kalkulacja charakterystyki"}));
    EXPECT_EQ(postep.Odswiezenia, 3);
    // 20 · 200, then 501 · 200 · 20, then 100 · 20 · 501 more.
    EXPECT_EQ(postep.Calosc.Max, 4000 + 2004000 + 1002000);
    // Spectrum samples one each (4001: the one at fMax counts), taps 4000 each, points 501 each.
    EXPECT_EQ(postep.Calosc.Poz, 4001 + 501 * 4000 + 4000 * 501);
    EXPECT_FALSE(postep.Calosc.Cofnal);
    EXPECT_EQ(postep.Krok.Max, 4000);
    EXPECT_EQ(postep.Krok.Poz, 4000);
    EXPECT_FALSE(postep.Krok.Cofnal);
    EXPECT_FALSE(postep.ObcyWatek);
}

TEST(ZwrocCharakterystykeFiltru, RunsWithoutProgressControlsOrFlag)
{
    const TStrumienKanalu punkty = Strumien(DomyslnaRegeneracja());
    WynikRekalkulacji* wynik = ZwrocCharakterystykeFiltru(punkty.get(), 12.0f, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(wynik, nullptr);
    EXPECT_NEAR(wynik->Charakterystyka->Zwroc(0).Y, 2.1f, 1e-4);
    UsunWynikRekalkulacji(wynik);
}

} // namespace
