// The channel library's speed: the figures quoted for the recalculation and for a run.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "DaneKanalu.h"
#include "KontrolaKanalu.h"
#include "ReferencjaKanalu.h"
#include "TVartoChannel.h"
#include "VartoChannel.h"

namespace {

using Zegar = std::chrono::steady_clock;

double Sekundy(Zegar::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// A recalculation of the default attenuation: impulse response and realised response.
void CharakterystykaFiltru(benchmark::State& stan)
{
    const auto R = static_cast<float>(stan.range(0));
    const TStrumienKanalu punkty = Strumien(DomyslneTlumienie());
    for (auto _ : stan)
        UsunWynikRekalkulacji(ZwrocCharakterystykeFiltru(punkty.get(), R, nullptr, nullptr, nullptr, nullptr));
}

struct TWejscieKanalu {
    std::vector<TStrumienKanalu> Sygnaly = Sygnaly1000BaseT(1320, 625);
    TStrumienKanalu Tlumienie = Strumien(DomyslneTlumienie());
    TStrumienKanalu Przesluchy = Strumien(DomyslnePrzesluchy());
    TStrumienKanalu Echo = Strumien(DomyslneEcho());
    TStrumienKanalu Regeneracja = Strumien(DomyslnaRegeneracja());

    // 1000BaseT at 5,000 Mbps (625 Mbaud), all four pairs, every effect on, echo 10 ns.
    TFltFltStrumien** Przepusc(std::uint8_t* przerwij)
    {
        std::vector<TFltFltStrumien*> wejscie;
        for (const auto& s : Sygnaly)
            wejscie.push_back(s.get());
        const std::int32_t tory[] = {0, 1, 2, 3};
        return ZwrocStrumieniePoKanale(wejscie.data(), 4, 625.0f, Tlumienie.get(), Przesluchy.get(), Echo.get(),
                                       Regeneracja.get(), 1, 1, 1, 10, tory, 4, przerwij, nullptr, nullptr, nullptr);
    }
};

void Zwolnij(TFltFltStrumien** wynik, std::int32_t liczba)
{
    if (!wynik)
        return;
    for (std::int32_t i = 0; i < liczba; ++i)
        delete wynik[i];
    delete[] wynik;
}

void NajciezszyPrzebieg(benchmark::State& stan)
{
    TWejscieKanalu wejscie;
    for (auto _ : stan)
        Zwolnij(wejscie.Przepusc(nullptr), 8);
}

// The fast filter build against the plain one, timed in the same iterations.
void PrzyspieszenieBudowy(benchmark::State& stan)
{
    const auto R = static_cast<float>(stan.range(0));
    const std::vector<TPunkt> punkty = DomyslneTlumienie();
    const TStrumienKanalu strumien = Strumien(punkty);
    const TParametryKanalu p = ParametryKanalu(R);
    double szybko = 0.0;
    double wzorcowo = 0.0;
    for (auto _ : stan) {
        const auto t0 = Zegar::now();
        TVartoChannel filtr(TKontrolaKanalu(nullptr, nullptr, nullptr, nullptr));
        filtr.UstawCharakterystyke(*strumien, p.A, p.FMax, 1.0f);
        benchmark::DoNotOptimize(filtr.Zbuduj());
        const auto t1 = Zegar::now();
        const TFiltrReferencyjny wzorzec = FiltrReferencyjny(punkty, R);
        benchmark::DoNotOptimize(wzorzec.SumaOdczepow);
        const auto t2 = Zegar::now();
        szybko += Sekundy(t1 - t0);
        wzorcowo += Sekundy(t2 - t1);
    }
    const auto n = static_cast<double>(stan.iterations());
    stan.counters["szybko_ms"] = 1e3 * szybko / n;
    stan.counters["wzorcowo_ms"] = 1e3 * wzorcowo / n;
    stan.counters["przyspieszenie"] = wzorcowo / szybko;
}

// From setting the flag, opoznienie ms into the heaviest run, to the call's return.
void OpoznienieAnulowania(benchmark::State& stan)
{
    TWejscieKanalu wejscie;
    const auto opoznienie = std::chrono::milliseconds(stan.range(0));
    for (auto _ : stan) {
        alignas(std::atomic_ref<std::uint8_t>::required_alignment) std::uint8_t flaga = 0;
        std::atomic<Zegar::rep> ustawiona{0};
        std::jthread anulujacy([&] {
            std::this_thread::sleep_for(opoznienie);
            ustawiona.store(Zegar::now().time_since_epoch().count());
            std::atomic_ref<std::uint8_t>(flaga).store(1);
        });
        TFltFltStrumien** wynik = wejscie.Przepusc(&flaga);
        const auto powrot = Zegar::now();
        anulujacy.join();
        if (wynik) {
            Zwolnij(wynik, 8);
            stan.SkipWithError("the run ended before the flag was set");
            break;
        }
        stan.SetIterationTime(Sekundy(powrot - Zegar::time_point(Zegar::duration(ustawiona.load()))));
    }
}

} // namespace

BENCHMARK(CharakterystykaFiltru)->Arg(10)->Arg(125)->Unit(benchmark::kMillisecond);
BENCHMARK(NajciezszyPrzebieg)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(PrzyspieszenieBudowy)->Arg(125)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(OpoznienieAnulowania)->Arg(5)->Arg(60)->Arg(150)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
