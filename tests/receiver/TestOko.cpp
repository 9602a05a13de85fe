#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>

#include "GestoscOka.h"
#include "Oko.h"
#include "SygnalyTestowe.h"

namespace {

constexpr TPoziomy Manchester{-2.5, 0.0};
constexpr TPoziomy Mlt3{1.0, 0.0};
constexpr TPoziomy Pam5{1.0, 0.0};
constexpr TSynchronizacja WSrodku{0.5, 0};

std::vector<std::int32_t> LosoweSymbole(std::size_t n, std::int32_t min, std::int32_t max, unsigned ziarno)
{
    std::mt19937 generator(ziarno);
    std::uniform_int_distribution<std::int32_t> rozklad(min, max);
    std::vector<std::int32_t> symbole(n);
    for (auto& s : symbole)
        s = rozklad(generator);
    return symbole;
}

void DodajSzum(TSygnalToru& s, double sigma, unsigned ziarno)
{
    std::mt19937 generator(ziarno);
    std::normal_distribution<double> szum(0.0, sigma);
    for (float& v : s.Probki)
        v = static_cast<float>(v + szum(generator));
}

std::size_t SrodekWanny()
{
    return static_cast<std::size_t>(KrokiFazyOka / 2);
}

} // namespace

TEST(Eye, TwoNoisyLevelsGiveTheirMeansSigmasAndOpening)
{
    const double sigma = 0.25;
    const std::vector<std::int32_t> symbole = LosoweSymbole(20000, 0, 1, 7);
    TSygnalToru s = Sygnal(symbole, Manchester, 16.0, 0.0, 0.2);
    DodajSzum(s, sigma, 8);
    const TOkoToru oko = ZmierzOko(s, TKodLinii::Manchester, Manchester, WSrodku, symbole);

    ASSERT_EQ(oko.Poziomy.size(), 2u);
    ASSERT_EQ(oko.Podoka.size(), 1u);
    // Symbol 1 is the lower voltage.
    EXPECT_EQ(oko.Poziomy[0].Symbol, 1);
    EXPECT_NEAR(oko.Poziomy[0].Srednia, -2.5, 0.02);
    EXPECT_NEAR(oko.Poziomy[1].Srednia, 0.0, 0.02);
    for (const TPoziomOka& p : oko.Poziomy)
        EXPECT_NEAR(p.Sigma, sigma, 0.03 * sigma);

    const TPodoko& p = oko.Podoka[0];
    EXPECT_NEAR(*p.Prog, -1.25, 0.02);
    EXPECT_NEAR(*p.Amplituda, 2.5, 0.03);
    EXPECT_NEAR(*p.Wysokosc3Sigma, 2.5 - 6 * sigma, 0.03 * (2.5 - 6 * sigma));
    // The inner edges lie beyond 3σ with 10,000 samples a level, but not beyond 5σ.
    EXPECT_LT(*p.Wysokosc, *p.Wysokosc3Sigma);
    EXPECT_GT(*p.Wysokosc, 2.5 - 10 * sigma);

    // The bathtub at the sampling instant is the Gaussian estimate of the measured levels,
    // and that of the true σ within the spread of a measured σ.
    const TPoziomOka& d = oko.Poziomy[0];
    const TPoziomOka& g = oko.Poziomy[1];
    const double udzialD = static_cast<double>(d.Liczba) / static_cast<double>(d.Liczba + g.Liczba);
    const double oczekiwany = udzialD * OgonGaussa(*p.Prog - d.Srednia, d.Sigma) +
        (1.0 - udzialD) * OgonGaussa(g.Srednia - *p.Prog, g.Sigma);
    EXPECT_NEAR(oko.Wanna[SrodekWanny()], oczekiwany, 1e-12 * oczekiwany);
    EXPECT_NEAR(std::log10(oko.Wanna[SrodekWanny()]), std::log10(0.5 * std::erfc(1.25 / sigma / std::sqrt(2.0))), 0.3);
    EXPECT_DOUBLE_EQ(oko.FazyWanny[SrodekWanny()], 0.5);
    // It rises toward the edges, where the traces cross.
    EXPECT_GT(oko.Wanna.front(), 1e3 * oko.Wanna[SrodekWanny()]);
    EXPECT_GT(oko.Wanna.back(), 1e3 * oko.Wanna[SrodekWanny()]);

    // The vertical bathtub: a quarter of all symbols err with the threshold on a level's
    // mean, and the least at the middle.
    ASSERT_FALSE(oko.WannaPionowa.empty());
    EXPECT_NEAR(oko.WannaPionowa.front(), 0.25, 0.01);
    EXPECT_NEAR(oko.WannaPionowa.back(), 0.25, 0.01);
    const auto najmniejszy = std::min_element(oko.WannaPionowa.begin(), oko.WannaPionowa.end());
    EXPECT_NEAR(oko.ProgiWanny[static_cast<std::size_t>(najmniejszy - oko.WannaPionowa.begin())], -1.25, 0.1);
}

TEST(Eye, WidthAtTheThresholdFollowsTheEdges)
{
    // PAM-5 with straight edges z wide: between 0 and +1 the trace from +1 to -2 crosses
    // the threshold z/3 before the boundary, and back z/3 after it.
    const double z = 0.3;
    const std::vector<std::int32_t> symbole = LosoweSymbole(4000, -2, 2, 3);
    const TSygnalToru s = Sygnal(symbole, Pam5, 16.0, 0.0, z);
    const TOkoToru oko = ZmierzOko(s, TKodLinii::PAM5, Pam5, WSrodku, symbole);
    ASSERT_EQ(oko.Podoka.size(), 4u);
    const TPodoko& p = oko.Podoka[2];
    EXPECT_NEAR(*p.Prog, 0.5, 1e-6);
    EXPECT_NEAR(*p.Szerokosc, 1.0 - 2.0 * z / 3.0, 0.01);
    EXPECT_NEAR(*p.SzerokoscOd, z / 3.0, 0.01);
    EXPECT_NEAR(*p.SzerokoscDo, 1.0 - z / 3.0, 0.01);
    // Without noise the levels are exact and every opening is the level spacing.
    for (const TPodoko& q : oko.Podoka) {
        EXPECT_NEAR(*q.Wysokosc, 1.0, 1e-6);
        EXPECT_NEAR(*q.Wysokosc3Sigma, 1.0, 1e-6);
        EXPECT_DOUBLE_EQ(*q.SzerokoscBER, *q.Szerokosc > 0.0 ? *q.SzerokoscBER : 0.0);
        EXPECT_GT(*q.SzerokoscBER, 0.5);
    }

    // Delayed by 2.3 periods and decided there: the same eye.
    const TSygnalToru pozniej = Sygnal(symbole, Pam5, 16.0, 2.3, z);
    const TOkoToru przesuniete = ZmierzOko(pozniej, TKodLinii::PAM5, Pam5, TSynchronizacja{0.8, 2}, symbole);
    EXPECT_NEAR(*przesuniete.Podoka[2].Szerokosc, *p.Szerokosc, 0.01);
    EXPECT_NEAR(*przesuniete.Podoka[2].SzerokoscOd, *p.SzerokoscOd + 0.3, 0.01);
}

TEST(Eye, MultiLevelOpeningsAreMeasuredEachOnItsOwn)
{
    // MLT-3 whose lower half is squeezed to 0.6 of its swing: two different eyes.
    const double sigma = 0.03;
    const std::vector<std::int32_t> symbole = SymboleKodera(KodTypu100BaseTXBez4B5B, LosoweBity(20000, 4));
    TSygnalToru s = Sygnal(symbole, Mlt3, 15.0, 0.0, 0.2);
    for (float& v : s.Probki)
        v = v < 0.0f ? 0.6f * v : v;
    DodajSzum(s, sigma, 5);
    const TOkoToru oko = ZmierzOko(s, TKodLinii::MLT3, Mlt3, WSrodku, symbole);
    ASSERT_EQ(oko.Podoka.size(), 2u);
    const TPodoko& dolne = oko.Podoka[0];
    const TPodoko& gorne = oko.Podoka[1];
    EXPECT_NEAR(*dolne.Amplituda, 0.6, 0.6 * 0.02);
    EXPECT_NEAR(*gorne.Amplituda, 1.0, 0.02);
    EXPECT_NEAR(*dolne.Prog, -0.3, 0.01);
    EXPECT_NEAR(*gorne.Prog, 0.5, 0.01);
    EXPECT_NEAR(*dolne.Wysokosc3Sigma, 0.6 - 6 * sigma, 0.03 * (0.6 - 6 * sigma));
    EXPECT_NEAR(*gorne.Wysokosc3Sigma, 1.0 - 6 * sigma, 0.03 * (1.0 - 6 * sigma));
    EXPECT_FALSE(oko.Przeciecie) << "a three-level code has no single crossing";
    // The smaller eye errs more at every phase.
    for (std::size_t i = 0; i < oko.FazyWanny.size(); ++i)
        EXPECT_GE(dolne.Wanna[i], gorne.Wanna[i]) << i;
    for (std::size_t i = 0; i < oko.Wanna.size(); ++i)
        EXPECT_DOUBLE_EQ(oko.Wanna[i], dolne.Wanna[i] + gorne.Wanna[i]);
}

TEST(Eye, ClosedEyeMeasuresZeroAndMissingLevelsNothing)
{
    // Noise of half the level spacing: the traces fill the opening.
    const std::vector<std::int32_t> symbole = LosoweSymbole(4000, -1, 1, 9);
    TSygnalToru zamkniete = Sygnal(symbole, Mlt3, 15.0, 0.0, 0.2);
    DodajSzum(zamkniete, 0.5, 10);
    const TOkoToru oko = ZmierzOko(zamkniete, TKodLinii::MLT3, Mlt3, WSrodku, symbole);
    for (const TPodoko& p : oko.Podoka) {
        EXPECT_EQ(*p.Wysokosc, 0.0);
        EXPECT_EQ(*p.Wysokosc3Sigma, 0.0);
        EXPECT_EQ(*p.Szerokosc, 0.0);
        EXPECT_EQ(*p.SzerokoscBER, 0.0);
        EXPECT_GT(*p.Amplituda, 0.0);
    }

    // One level only: the line rests at 0; nothing to measure, nothing divided by zero.
    const std::vector<std::int32_t> zera(500, 0);
    const TOkoToru plaskie = ZmierzOko(Sygnal(zera, Mlt3, 15.0), TKodLinii::MLT3, Mlt3, WSrodku, zera);
    ASSERT_EQ(plaskie.Podoka.size(), 2u);
    EXPECT_EQ(plaskie.Poziomy[0].Liczba, 0);
    EXPECT_EQ(plaskie.Poziomy[1].Liczba, 500);
    for (const TPodoko& p : plaskie.Podoka)
        EXPECT_FALSE(p.Wysokosc || p.Wysokosc3Sigma || p.Szerokosc || p.SzerokoscBER || p.Prog || p.Amplituda ||
                     !p.Wanna.empty());
    EXPECT_TRUE(plaskie.Wanna.empty());
    EXPECT_TRUE(plaskie.WannaPionowa.empty());

    // Too short a run for any symbol, and no signal at all.
    const std::vector<std::int32_t> dwa = {1, -1};
    TSygnalToru krotki = Sygnal(dwa, Mlt3, 15.0);
    krotki.OdProbki = 10;
    krotki.DoProbki = 12;
    for (const TSygnalToru& sygnal : {krotki, TSygnalToru{}}) {
        const TOkoToru nic = ZmierzOko(sygnal, TKodLinii::MLT3, Mlt3, WSrodku, dwa);
        for (const TPodoko& p : nic.Podoka)
            EXPECT_FALSE(p.Wysokosc);
        EXPECT_TRUE(nic.Wanna.empty());
    }
}

TEST(Eye, CrossingOfTwoLevelCodes)
{
    const std::vector<std::int32_t> symbole = LosoweSymbole(4000, 0, 1, 11);
    const TSygnalToru rowne = Sygnal(symbole, Manchester, 16.0, 0.0, 0.4);
    const TOkoToru oko = ZmierzOko(rowne, TKodLinii::Manchester, Manchester, WSrodku, symbole);
    ASSERT_TRUE(oko.Przeciecie);
    EXPECT_NEAR(*oko.Przeciecie, 50.0, 1.0);

    // Squared distances from the upper level: the edges meet three quarters of the way up.
    TSygnalToru kwadrat = rowne;
    for (float& v : kwadrat.Probki)
        v = -2.5f * (v / -2.5f) * (v / -2.5f);
    const TOkoToru wygiete = ZmierzOko(kwadrat, TKodLinii::Manchester, Manchester, WSrodku, symbole);
    ASSERT_TRUE(wygiete.Przeciecie);
    EXPECT_NEAR(*wygiete.Przeciecie, 75.0, 1.5);

    // Only one kind of edge, or none: no crossing.
    const std::vector<std::int32_t> jedynki(400, 1);
    EXPECT_FALSE(ZmierzOko(Sygnal(jedynki, Manchester, 16.0), TKodLinii::Manchester, Manchester, WSrodku, jedynki)
                     .Przeciecie);
}

TEST(Eye, GaussianTailOfAThreshold)
{
    EXPECT_DOUBLE_EQ(OgonGaussa(0.5, 0.25), 0.5 * std::erfc(2.0 / std::sqrt(2.0)));
    EXPECT_DOUBLE_EQ(OgonGaussa(0.0, 0.25), 0.5);
    EXPECT_DOUBLE_EQ(OgonGaussa(1.0, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(OgonGaussa(-1.0, 0.0), 1.0);
    EXPECT_DOUBLE_EQ(OgonGaussa(0.0, 0.0), 0.5);
}

TEST(EyeDensity, CountsEveryPointItDraws)
{
    TGestoscOka g(2.0, -1.0, 1.0, 400, 300);
    // A flat trace across one period and on into the next: one count per column, then
    // the fold starts again at column 0.
    const std::vector<float> x = {0.0f, 2.0f, 2.5f};
    const std::vector<float> y = {0.0f, 0.0f, 0.0f};
    g.DodajSlad(x, y);
    const std::int32_t wiersz = 150;
    for (std::int32_t c = 0; c < 400; ++c)
        EXPECT_GE(g.Zliczenie(c, wiersz), 1u) << c;
    EXPECT_EQ(g.Zliczenie(0, wiersz), 2u); // x = 0 and x = 2 fold onto one column
    EXPECT_EQ(g.Suma(), 1u + 400u + 100u);

    // A jump from the bottom to the top steps through every row.
    TGestoscOka skok(2.0, -1.0, 1.0, 400, 300);
    const std::vector<float> xs = {0.5f, 0.5f};
    const std::vector<float> ys = {-1.0f, 1.0f};
    skok.DodajSlad(xs, ys);
    for (std::int32_t w = 0; w < 300; ++w)
        EXPECT_GE(skok.Zliczenie(100, w), 1u) << w;

    // Beyond the range counts at the edge rows; a value that is no number breaks the trace.
    TGestoscOka brzegi(2.0, -1.0, 1.0, 400, 300);
    const std::vector<float> xb = {0.1f, 0.1f, 0.3f, 0.3f};
    const std::vector<float> yb = {5.0f, NAN, -7.0f, -7.0f};
    brzegi.DodajSlad(xb, yb);
    EXPECT_EQ(brzegi.Zliczenie(20, 299), 1u);
    EXPECT_EQ(brzegi.Zliczenie(60, 0), 2u);
    EXPECT_EQ(brzegi.Suma(), 3u);

    for (const TGestoscOka* h : {&g, &skok, &brzegi}) {
        const auto& z = h->Zliczenia();
        EXPECT_EQ(std::accumulate(z.begin(), z.end(), std::uint64_t{0}), h->Suma());
        EXPECT_EQ(*std::max_element(z.begin(), z.end()), h->Najwieksze());
    }
}

TEST(EyeDensity, FlatRangeAndGridOfAnySize)
{
    TGestoscOka plaski(1.0, 0.3, 0.3, 1, 1);
    EXPECT_NEAR(plaski.YMin(), 0.29, 1e-12);
    EXPECT_NEAR(plaski.YMax(), 0.31, 1e-12);
    const std::vector<float> x = {0.0f, 10.0f};
    const std::vector<float> y = {0.3f, 0.3f};
    plaski.DodajSlad(x, y);
    EXPECT_EQ(plaski.Zliczenie(0, 0), plaski.Suma());
    EXPECT_GE(TGestoscOka().Kolumny(), 400);
    EXPECT_GE(TGestoscOka().Wiersze(), 300);
}
