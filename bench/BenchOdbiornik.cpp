// The receiver libraries on four pairs of 10,000 received samples each, as a 1000BaseT
// run hands them over: gain, error measurement, decoding and the wrongly decoded share.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "VartoDecode.h"
#include "VartoError.h"

namespace {

constexpr int Pary = 4;
constexpr std::int32_t Probki = 10000;
constexpr std::int32_t Symbole = 2540;

// Four pairs: the sent PAM-5 staircase, its line signal with sloped edges, and the
// received signal, attenuated and disturbed, sampled four times per symbol period.
struct TDane {
    std::vector<std::unique_ptr<TFltFltStrumien>> Posiadane;
    std::vector<TFltFltStrumien*> Schody, Sygnaly, Odebrane;

    TDane()
    {
        std::mt19937 generator(2024);
        std::uniform_int_distribution<int> symbol(-2, 2);
        std::normal_distribution<float> szum(0.0f, 0.02f);
        for (int r = 0; r < Pary; ++r) {
            std::vector<int> s(Symbole);
            for (int& v : s)
                v = symbol(generator);
            auto schody = std::make_unique<TFltFltStrumien>();
            auto sygnal = std::make_unique<TFltFltStrumien>();
            schody->UstawDlugosc(2 * Symbole);
            sygnal->UstawDlugosc(2 * Symbole);
            for (std::int32_t k = 0; k < Symbole; ++k) {
                const auto x = static_cast<float>(k);
                const float poziom = 0.5f * static_cast<float>(s[static_cast<std::size_t>(k)]);
                schody->Ustaw(2 * k, TPunkt{x, static_cast<float>(s[static_cast<std::size_t>(k)])});
                schody->Ustaw(2 * k + 1, TPunkt{x + 1.0f, static_cast<float>(s[static_cast<std::size_t>(k)])});
                sygnal->Ustaw(2 * k, TPunkt{x + 0.1f, poziom});
                sygnal->Ustaw(2 * k + 1, TPunkt{x + 0.9f, poziom});
            }
            auto odebrany = std::make_unique<TFltFltStrumien>();
            odebrany->UstawDlugosc(Probki);
            for (std::int32_t k = 0; k < Probki; ++k) {
                const float x = 20.0f + 0.25f * static_cast<float>(k);
                const float poziom = 0.5f * static_cast<float>(s[static_cast<std::size_t>(x)]);
                odebrany->Ustaw(k, TPunkt{x, 0.3f * poziom + szum(generator)});
            }
            Schody.push_back(schody.get());
            Sygnaly.push_back(sygnal.get());
            Odebrane.push_back(odebrany.get());
            Posiadane.push_back(std::move(schody));
            Posiadane.push_back(std::move(sygnal));
            Posiadane.push_back(std::move(odebrany));
        }
    }
};

const TDane& Dane()
{
    static const TDane dane;
    return dane;
}

void Zwolnij(TFltFltStrumien** tablica)
{
    for (int r = 0; r < Pary; ++r)
        delete tablica[r];
    delete[] tablica;
}

void Wzmocnienie(benchmark::State& stan)
{
    const TDane& d = Dane();
    for (auto _ : stan)
        Zwolnij(ZwrocStrumienieWzm(d.Sygnaly.data(), d.Odebrane.data(), Pary, nullptr, nullptr));
}

void Bledy(benchmark::State& stan)
{
    const TDane& d = Dane();
    for (auto _ : stan) {
        WynikBledow* wynik = ZwrocBledy(d.Sygnaly.data(), d.Odebrane.data(), Pary, 0.25f, 1000, -2, nullptr, nullptr);
        benchmark::DoNotOptimize(wynik->BER);
        delete wynik->Rozklad;
        delete wynik->Dystrybuanta;
        delete wynik;
    }
}

void Dekodowanie(benchmark::State& stan)
{
    const TDane& d = Dane();
    TFltFltStrumien** wzmocnione = ZwrocStrumienieWzm(d.Sygnaly.data(), d.Odebrane.data(), Pary, nullptr, nullptr);
    for (auto _ : stan)
        Zwolnij(DekodujStrumienie(wzmocnione, Pary, -1.0f, 1.0f, -2, 2, 0, 125.0f, nullptr, nullptr));
    Zwolnij(wzmocnione);
}

void BladDekodowania(benchmark::State& stan)
{
    const TDane& d = Dane();
    TFltFltStrumien** wzmocnione = ZwrocStrumienieWzm(d.Sygnaly.data(), d.Odebrane.data(), Pary, nullptr, nullptr);
    TFltFltStrumien** zdekodowane = DekodujStrumienie(wzmocnione, Pary, -1.0f, 1.0f, -2, 2, 0, 125.0f, nullptr, nullptr);
    for (auto _ : stan)
        benchmark::DoNotOptimize(ZwrocBlad(zdekodowane, d.Schody.data(), Pary, nullptr, nullptr));
    Zwolnij(zdekodowane);
    Zwolnij(wzmocnione);
}

} // namespace

BENCHMARK(Wzmocnienie)->Unit(benchmark::kMillisecond);
BENCHMARK(Bledy)->Unit(benchmark::kMillisecond);
BENCHMARK(Dekodowanie)->Unit(benchmark::kMillisecond);
BENCHMARK(BladDekodowania)->Unit(benchmark::kMillisecond);
