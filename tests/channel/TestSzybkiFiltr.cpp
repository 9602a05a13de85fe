// The fast paths against plain references: the whole filter build and realised response
// against libm cos term by term, the two hot loops against naive loops over many sizes,
// and the vector levels against each other.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <random>

#include "DaneKanalu.h"
#include "JadraWektorowe.h"
#include "ReferencjaKanalu.h"
#include "TVartoChannel.h"

namespace {

const TKontrolaKanalu BezKontroli(nullptr, nullptr, nullptr, nullptr);

// Within 1e-5 of the reference, or 1e-6 where the reference is near zero.
void PorownajZReferencja(double szybka, double wzorzec, const char* co, std::size_t gdzie)
{
    EXPECT_LE(std::fabs(szybka - wzorzec), std::max(1e-5 * std::fabs(wzorzec), 1e-6))
        << co << " " << gdzie << ": " << szybka << " against " << wzorzec;
}

class SzybkiFiltr : public ::testing::TestWithParam<float> {};

TEST_P(SzybkiFiltr, MatchesTheReferenceTapByTapAndPointByPoint)
{
    const float R = GetParam();
    const std::vector<TPunkt> punkty = DomyslneTlumienie();
    const TStrumienKanalu s = Strumien(punkty);
    const TParametryKanalu p = ParametryKanalu(R);
    TVartoChannel filtr(BezKontroli);
    filtr.UstawCharakterystyke(*s, p.A, p.FMax, 1.0f);
    ASSERT_TRUE(filtr.Zbuduj());
    const std::unique_ptr<TFltFltStrumien> charakterystyka = filtr.ObliczCharakterystyke();

    const TFiltrReferencyjny wzorzec = FiltrReferencyjny(punkty, R);
    ASSERT_EQ(filtr.Widmo(), wzorzec.Widmo);
    EXPECT_EQ(filtr.SumaAmplitud(), wzorzec.SumaAmplitud);
    ASSERT_EQ(filtr.Odczepy().size(), wzorzec.Odczepy.size());
    for (std::size_t k = 0; k < wzorzec.Odczepy.size(); ++k)
        PorownajZReferencja(filtr.Odczepy()[k], wzorzec.Odczepy[k], "tap", k);

    // The realised response compares as a linear magnitude: its dB values far down in the
    // stop band only magnify the float rounding that both sums share.
    const std::vector<TPunkt> h = CharakterystykaReferencyjna(wzorzec);
    ASSERT_EQ(charakterystyka->ZwrocDlugosc(), static_cast<std::int32_t>(h.size()));
    for (std::size_t i = 0; i < h.size(); ++i) {
        const TPunkt punkt = charakterystyka->Zwroc(static_cast<std::int32_t>(i));
        EXPECT_FLOAT_EQ(punkt.X, h[i].X);
        PorownajZReferencja(std::pow(10.0, punkt.Y / 20.0), std::pow(10.0, h[i].Y / 20.0), "point", i);
    }
}

INSTANTIATE_TEST_SUITE_P(Kanal, SzybkiFiltr, ::testing::Values(10.0f, 125.0f));

TEST(SzybkiFiltr, ListsReachingFarAboveFMaxSumTheirSamplesAsTheReferenceDoes)
{
    // The samples above fMax are dropped but counted in the amplitude sum, up to 10^5 MHz
    // as always: a falling, a rising and a flat list give the reference's spectrum and sum.
    const std::vector<TPunkt> listy[] = {
        {{0, -2.1f}, {1, -2.1f}, {100, -21.6f}, {1e5f, -60.0f}},
        {{0, 2.1f}, {1, 2.1f}, {100, 21.6f}, {1e5f, 40.0f}},
        {{0, -15.0f}, {1, -15.0f}, {1e5f, -15.0f}},
    };
    const float R = 10.0f;
    for (const std::vector<TPunkt>& punkty : listy) {
        const TStrumienKanalu s = Strumien(punkty);
        const TParametryKanalu p = ParametryKanalu(R);
        TVartoChannel filtr(BezKontroli);
        filtr.UstawCharakterystyke(*s, p.A, p.FMax, 1.0f);
        filtr.ObliczWidmo();
        const TFiltrReferencyjny wzorzec = FiltrReferencyjny(punkty, R);
        EXPECT_EQ(filtr.Widmo(), wzorzec.Widmo) << punkty[1].Y;
        EXPECT_EQ(filtr.SumaAmplitud(), wzorzec.SumaAmplitud) << punkty[1].Y;
    }
}

std::vector<double> Losowe(std::size_t n, std::mt19937& los, double od = -1.0, double do_ = 1.0)
{
    std::uniform_real_distribution<float> rozklad(static_cast<float>(od), static_cast<float>(do_));
    std::vector<double> v(n);
    for (double& x : v)
        x = rozklad(los);
    return v;
}

TEST(SumujKosinusy, MatchesCosPerTermForManyShapes)
{
    std::mt19937 los(7);
    const std::int64_t okres = 20 * 500;
    const TTablicaKosinusow tablica(okres);
    for (std::int32_t pasy : {1, 5, 48, 49, 100}) {
        for (std::int64_t liczbaWag : {0, 1, 511, 512, 513, 3000}) {
            for (std::int64_t poczatek : {std::int64_t{0}, std::int64_t{-250}, std::int64_t{12345}}) {
                std::vector<std::int64_t> mnozniki(static_cast<std::size_t>(pasy));
                for (auto& m : mnozniki)
                    m = std::uniform_int_distribution<std::int64_t>(-okres, 2 * okres)(los);
                const std::vector<double> wagi = Losowe(static_cast<std::size_t>(liczbaWag), los, 0.0, 1.0);
                std::vector<float> sumy(mnozniki.size());
                Jadra().SumujKosinusy(tablica.Dane(), okres, mnozniki.data(), pasy, poczatek, wagi.data(), liczbaWag,
                                      sumy.data());
                for (std::size_t l = 0; l < mnozniki.size(); ++l) {
                    float s = 0.0f;
                    double skala = 0.0;
                    for (std::int64_t j = 0; j < liczbaWag; ++j) {
                        const double kat = 2.0 * std::numbers::pi *
                                           static_cast<double>((mnozniki[l] * (poczatek + j)) % okres) /
                                           static_cast<double>(okres);
                        s = static_cast<float>(s + wagi[static_cast<std::size_t>(j)] * std::cos(kat));
                        skala = std::max(skala, std::fabs(static_cast<double>(s)));
                    }
                    EXPECT_NEAR(sumy[l], s, 1e-6 * std::max(skala, 1.0))
                        << "lanes " << pasy << ", weights " << liczbaWag << ", start " << poczatek << ", lane " << l;
                }
            }
        }
    }
}

// Output i of the convolution as the arithmetic reads: the taps that meet the stream, in order.
std::vector<float> SplotNaiwny(const std::vector<double>& probki, const std::vector<double>& odczepy)
{
    const auto C = static_cast<std::int32_t>(probki.size());
    const auto M = static_cast<std::int32_t>(odczepy.size());
    std::vector<float> wynik;
    for (std::int32_t i = 0; i < C; ++i) {
        float s = 0.0f;
        for (std::int32_t k = 0; k < M; ++k) {
            const std::int32_t n = i + (M - 1) / 2 - k;
            if (n >= 0 && n < C)
                s = static_cast<float>(s + probki[static_cast<std::size_t>(n)] * odczepy[static_cast<std::size_t>(k)]);
        }
        wynik.push_back(s);
    }
    return wynik;
}

TEST(Splataj, EqualsTheNaiveSumExactlyForManySizes)
{
    std::mt19937 los(11);
    for (std::int32_t M : {1, 3, 5, 7, 63, 129, 501}) {
        for (std::int32_t C = 1; C <= 300; C += (C < 70 ? 1 : 37)) {
            const std::vector<double> probki = Losowe(static_cast<std::size_t>(C), los);
            const std::vector<double> odczepy = Losowe(static_cast<std::size_t>(M), los);
            std::vector<double> zMarginesem(probki.size() + 2 * MarginesSplotu, 0.0);
            std::copy(probki.begin(), probki.end(), zMarginesem.begin() + MarginesSplotu);
            std::vector<float> sumy(static_cast<std::size_t>(C));
            // In two uneven pieces, as the parallel blocks cut it.
            const std::int32_t ciecie = C / 3;
            Jadra().Splataj(zMarginesem.data(), C, odczepy.data(), M, 0, ciecie, sumy.data());
            Jadra().Splataj(zMarginesem.data(), C, odczepy.data(), M, ciecie, C, sumy.data() + ciecie);
            EXPECT_EQ(sumy, SplotNaiwny(probki, odczepy)) << "taps " << M << ", samples " << C;
        }
    }
}

TEST(PoziomWektorow, EveryLevelGivesTheSameBits)
{
    const TPoziomWektorow wykryty = PoziomWektorow();
    const TStrumienKanalu punkty = Strumien(DomyslnePrzesluchy());
    const TStrumienKanalu sygnal = Strumien({{0, 0.0f}, {3, 0.0f}, {3.1f, 1.0f}, {9, 1.0f}, {9.2f, -1.0f}, {30, -1.0f}});
    const auto przebieg = [&] {
        const TParametryKanalu p = ParametryKanalu(10.0f);
        TVartoChannel filtr(BezKontroli);
        filtr.UstawCharakterystyke(*punkty, p.A, p.FMax, 1.0f);
        EXPECT_TRUE(filtr.Zbuduj());
        std::vector<float> wynik = filtr.Odczepy();
        const std::unique_ptr<TFltFltStrumien> h = filtr.ObliczCharakterystyke();
        const std::unique_ptr<TFltFltStrumien> y = filtr.Filtruj(*sygnal, true, 10.0f);
        for (const TPunkt& q : Punkty(*h))
            wynik.push_back(q.Y);
        for (const TPunkt& q : Punkty(*y))
            wynik.push_back(q.Y);
        return wynik;
    };
    const std::vector<float> wzorzec = przebieg();
    for (TPoziomWektorow poziom : {TPoziomWektorow::Podstawowy, TPoziomWektorow::Avx2}) {
        if (poziom >= wykryty)
            continue;
        WymusPoziomWektorow(poziom);
        EXPECT_EQ(przebieg(), wzorzec) << static_cast<int>(poziom);
    }
    WymusPoziomWektorow(wykryty);
}

} // namespace
