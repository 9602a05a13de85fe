// The convolution by the transform against the direct sum: the bare sums over many tap
// counts and stream lengths (shorter than the filter, across block boundaries, long), whole
// filters of every standard's rates within 1e-5 V, the same progress, and the rule that
// chooses between them.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "DaneKanalu.h"
#include "JadraWektorowe.h"
#include "PostepTestowy.h"
#include "SplotWidmowy.h"
#include "TVartoChannel.h"

namespace {

const TKontrolaKanalu BezKontroli(nullptr, nullptr, nullptr, nullptr);

// Restores the rule when a test that forced a way ends, however it ends.
struct TWymuszonaDroga {
    explicit TWymuszonaDroga(TDrogaSplotu droga) { WymusDrogeSplotu(droga); }
    ~TWymuszonaDroga() { WymusDrogeSplotu(TDrogaSplotu::WedlugReguly); }
};

std::vector<float> Losowe(std::size_t n, std::mt19937& los)
{
    std::uniform_real_distribution<float> rozklad(-1.0f, 1.0f);
    std::vector<float> v(n);
    for (float& x : v)
        x = rozklad(los);
    return v;
}

std::vector<float> SumyBezposrednie(const std::vector<float>& probki, const std::vector<float>& odczepy)
{
    const auto C = static_cast<std::int32_t>(probki.size());
    const auto M = static_cast<std::int32_t>(odczepy.size());
    std::vector<double> zMarginesem(probki.size() + 2 * MarginesSplotu, 0.0);
    std::copy(probki.begin(), probki.end(), zMarginesem.begin() + MarginesSplotu);
    const std::vector<double> h(odczepy.begin(), odczepy.end());
    std::vector<float> sumy(probki.size());
    Jadra().Splataj(zMarginesem.data(), C, h.data(), M, 0, C, sumy.data());
    return sumy;
}

TEST(SplotWidmowy, GivesTheDirectSumsForManyTapCountsAndLengths)
{
    std::mt19937 los(5);
    for (std::int32_t M : {1, 3, 63, 501, 1875}) {
        const std::vector<float> odczepy = Losowe(static_cast<std::size_t>(M), los);
        // The block length follows from M alone once the stream is long.
        const std::int32_t L = TSplotWidmowy(odczepy, 1 << 20).WyjsciaBloku();
        for (std::int32_t C : {1, 2, M / 2 + 1, M, M + 1, L - 1, L, L + 1, 3 * L + 17}) {
            const std::vector<float> probki = Losowe(static_cast<std::size_t>(C), los);
            const TSplotWidmowy splot(odczepy, C);
            std::vector<float> sumy(static_cast<std::size_t>(C), std::nanf(""));
            for (std::int32_t b = splot.LiczbaBlokow() - 1; b >= 0; --b)
                splot.Licz(b, probki.data(), sumy.data());
            const std::vector<float> wzorzec = SumyBezposrednie(probki, odczepy);
            // The direct sum rounds to a float at every step, the transform far less; a wrong
            // index or edge would miss whole terms, each about as large as the taps.
            double sumaModulow = 0.0;
            for (const float y : odczepy)
                sumaModulow += std::fabs(y);
            const double tolerancja = 1e-6 * sumaModulow;
            for (std::int32_t i = 0; i < C; ++i)
                ASSERT_NEAR(sumy[static_cast<std::size_t>(i)], wzorzec[static_cast<std::size_t>(i)], tolerancja)
                    << "taps " << M << ", samples " << C << ", output " << i;
        }
    }
}

// A line signal of n symbol periods: random levels of ±amplituda and 0, each reached by an
// edge of a tenth of a period.
TStrumienKanalu Sygnal(std::int32_t n, float amplituda, std::mt19937& los)
{
    std::uniform_int_distribution<int> poziom(-1, 1);
    std::vector<TPunkt> punkty{{0.0f, 0.0f}};
    for (std::int32_t k = 0; k < n; ++k) {
        const float y = amplituda * static_cast<float>(poziom(los));
        punkty.push_back({static_cast<float>(k) + 0.1f, y});
        punkty.push_back({static_cast<float>(k + 1), y});
    }
    return Strumien(punkty, "S");
}

struct TStandardKanalu {
    float R;           // line rate, MHz
    float Amplituda;   // V
    const char* Nazwa;
};

class SplotWidmowyStandardu : public ::testing::TestWithParam<TStandardKanalu> {};

// Both ways of one filter on the same input: the largest difference of their outputs, V.
double NajwiekszaRoznica(TVartoChannel& filtr, TFltFltStrumien& wejscie, bool przeprobkuj, float R)
{
    std::unique_ptr<TFltFltStrumien> bezposrednio;
    std::unique_ptr<TFltFltStrumien> widmowo;
    {
        const TWymuszonaDroga droga(TDrogaSplotu::Bezposrednio);
        bezposrednio = filtr.Filtruj(wejscie, przeprobkuj, R);
    }
    {
        const TWymuszonaDroga droga(TDrogaSplotu::Widmowo);
        widmowo = filtr.Filtruj(wejscie, przeprobkuj, R);
    }
    EXPECT_TRUE(bezposrednio && widmowo);
    if (!bezposrednio || !widmowo)
        return INFINITY;
    EXPECT_EQ(widmowo->ZwrocDlugosc(), bezposrednio->ZwrocDlugosc());
    double roznica = 0.0;
    for (std::int32_t i = 0; i < std::min(bezposrednio->ZwrocDlugosc(), widmowo->ZwrocDlugosc()); ++i) {
        const TPunkt a = bezposrednio->Zwroc(i);
        const TPunkt b = widmowo->Zwroc(i);
        EXPECT_EQ(a.X, b.X);
        roznica = std::max(roznica, std::fabs(static_cast<double>(a.Y) - b.Y));
    }
    return roznica;
}

TEST_P(SplotWidmowyStandardu, FiltersWithinTenMicrovoltsOfTheDirectSum)
{
    const TStandardKanalu s = GetParam();
    const TParametryKanalu p = ParametryKanalu(s.R);
    const auto filtr = [&](const std::vector<TPunkt>& punkty) {
        const TStrumienKanalu strumien = Strumien(punkty);
        auto f = std::make_unique<TVartoChannel>(BezKontroli);
        f->UstawCharakterystyke(*strumien, p.A, p.FMax, 1.0f);
        EXPECT_TRUE(f->Zbuduj());
        return f;
    };
    const auto tlumienie = filtr(DomyslneTlumienie());
    // Echo, crosstalk and regeneration filter the received signal, as the channel does.
    const std::unique_ptr<TVartoChannel> dalsze[] = {filtr(DomyslneEcho()), filtr(DomyslnePrzesluchy()),
                                                     filtr(DomyslnaRegeneracja())};
    std::mt19937 los(3);
    // A stream shorter than the filter, one across a few block boundaries, and one longer
    // than any run of the settings page makes (more than 65,536 samples).
    const std::int32_t dlugi = static_cast<std::int32_t>(ProbkiSplotuBezposredniego / p.S) + 7;
    for (const std::int32_t symbole : {std::max(1, p.M / (3 * p.S)), 3 * p.M / p.S + 1, dlugi}) {
        const TStrumienKanalu sygnal = Sygnal(symbole, s.Amplituda, los);
        EXPECT_LE(NajwiekszaRoznica(*tlumienie, *sygnal, true, s.R), 1e-5) << s.Nazwa << ", " << symbole << " symbols";
        const std::unique_ptr<TFltFltStrumien> odebrany = tlumienie->Filtruj(*sygnal, true, s.R);
        // The long stream goes through the regenerator only, the strongest filter, which
        // keeps the direct reference's time down.
        for (std::size_t c = symbole == dlugi ? 2 : 0; c < std::size(dalsze); ++c)
            EXPECT_LE(NajwiekszaRoznica(*dalsze[c], *odebrany, false, s.R), 1e-5)
                << s.Nazwa << ", " << symbole << " symbols, stage " << c + 2;
    }
}

// The lowest and highest line rate of each standard's settings, where the filters are
// shortest and longest.
INSTANTIATE_TEST_SUITE_P(Kanal, SplotWidmowyStandardu,
                         ::testing::Values(TStandardKanalu{10.0f, 2.5f, "10BaseT 10 Mbps"},
                                           TStandardKanalu{100.0f, 2.5f, "10BaseT 100 Mbps"},
                                           TStandardKanalu{125.0f, 1.0f, "100BaseTX 100 Mbps, 1000BaseT 1000 Mbps"},
                                           TStandardKanalu{500.0f, 1.0f, "100BaseTX (bez 4B5B) 500 Mbps"},
                                           TStandardKanalu{625.0f, 1.0f, "100BaseTX 500 Mbps, 1000BaseT 5000 Mbps"}),
                         [](const auto& info) { return "R" + std::to_string(static_cast<int>(info.param.R)); });

TEST(SplotWidmowy, ReportsProgressAsTheDirectSumDoes)
{
    const TParametryKanalu p = ParametryKanalu(125.0f);
    const TStrumienKanalu punkty = Strumien(DomyslneTlumienie());
    std::mt19937 los(9);
    const TStrumienKanalu sygnal = Sygnal(300, 1.0f, los);
    const auto przebieg = [&](TDrogaSplotu droga) {
        const TWymuszonaDroga wymuszona(droga);
        auto postep = std::make_unique<TPostepTestowy>();
        TVartoChannel filtr(TKontrolaKanalu(&postep->Flaga, &postep->Etykieta, &postep->Krok, &postep->Calosc));
        filtr.UstawCharakterystyke(*punkty, p.A, p.FMax, 1.0f);
        EXPECT_TRUE(filtr.Zbuduj());
        EXPECT_NE(filtr.Filtruj(*sygnal, true, 125.0f), nullptr);
        return postep;
    };
    const auto bezposrednio = przebieg(TDrogaSplotu::Bezposrednio);
    const auto widmowo = przebieg(TDrogaSplotu::Widmowo);
    EXPECT_EQ(widmowo->Calosc.Poz, bezposrednio->Calosc.Poz);
    EXPECT_EQ(widmowo->Krok.Max, bezposrednio->Krok.Max);
    EXPECT_EQ(widmowo->Krok.LiczbaPozycji, bezposrednio->Krok.LiczbaPozycji);
    EXPECT_EQ(widmowo->Odswiezenia, bezposrednio->Odswiezenia);
    EXPECT_FALSE(widmowo->Krok.Cofnal);
    EXPECT_FALSE(widmowo->ObcyWatek);
}

TEST(SplotWidmowy, TheRuleTakesTheTransformOnlyForLongStreamsThroughEnoughTaps)
{
    EXPECT_FALSE(SplotWidmowy(ProbkiSplotuBezposredniego, 9375));
    EXPECT_TRUE(SplotWidmowy(ProbkiSplotuBezposredniego + 1, 501));
    EXPECT_FALSE(SplotWidmowy(10 * ProbkiSplotuBezposredniego, OdczepyPrzeciecia - 1));
    EXPECT_TRUE(SplotWidmowy(10 * ProbkiSplotuBezposredniego, OdczepyPrzeciecia));
}

} // namespace
