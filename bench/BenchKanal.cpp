// The channel library's speed: the figures quoted for the recalculation and for a run, the
// crossover of the two convolutions, and how soon a cancellation returns.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <random>
#include <thread>

#include "DaneKanalu.h"
#include "JadraWektorowe.h"
#include "KontrolaKanalu.h"
#include "ReferencjaKanalu.h"
#include "SplotWidmowy.h"
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
    // 1,320 bits: the heaviest settings-page run, 165 symbols of 15 samples on each pair.
    explicit TWejscieKanalu(std::int32_t bity = 1320) : Sygnaly(Sygnaly1000BaseT(bity, 625)) {}

    std::vector<TStrumienKanalu> Sygnaly;
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

// The processor time of the calling thread: on a machine shared with other work, the time
// the thread was waiting for a core would otherwise decide which convolution looks faster.
double SekundyProcesoraWatku()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// The direct sum and the transform on one thread over the same 200,000 samples, by tap
// count, each timed on the thread's processor clock: where the transform starts to win.
void Przeciecie(benchmark::State& stan)
{
    const auto M = static_cast<std::int32_t>(stan.range(0));
    constexpr std::int32_t C = 200000;
    std::mt19937 los(1);
    std::uniform_real_distribution<float> rozklad(-1.0f, 1.0f);
    std::vector<float> probki(C);
    std::vector<float> odczepy(static_cast<std::size_t>(M));
    for (float& x : probki)
        x = rozklad(los);
    for (float& y : odczepy)
        y = rozklad(los);
    std::vector<double> zMarginesem(probki.size() + 2 * MarginesSplotu, 0.0);
    std::copy(probki.begin(), probki.end(), zMarginesem.begin() + MarginesSplotu);
    const std::vector<double> h(odczepy.begin(), odczepy.end());
    std::vector<float> sumy(C);
    double bezposrednio = 0.0;
    double widmowo = 0.0;
    for (auto _ : stan) {
        const double t0 = SekundyProcesoraWatku();
        Jadra().Splataj(zMarginesem.data(), C, h.data(), M, 0, C, sumy.data());
        const double t1 = SekundyProcesoraWatku();
        const TSplotWidmowy splot(odczepy, C);
        for (std::int32_t b = 0; b < splot.LiczbaBlokow(); ++b)
            splot.Licz(b, probki.data(), sumy.data());
        const double t2 = SekundyProcesoraWatku();
        benchmark::DoNotOptimize(sumy.data());
        bezposrednio += t1 - t0;
        widmowo += t2 - t1;
    }
    const auto n = static_cast<double>(stan.iterations());
    stan.counters["bezposrednio_ms"] = 1e3 * bezposrednio / n;
    stan.counters["widmowo_ms"] = 1e3 * widmowo / n;
    stan.counters["przyspieszenie"] = bezposrednio / widmowo;
}

// One block of the transform for the longest filter (8 µs at 625 MHz: 75,001 taps) on the
// stream of a 1,000,000-bit 1000BaseT run at that rate (1,875,000 samples a pair): a flag set
// while a block is computed is seen when it ends, so this bounds the wait of a cancellation.
void BlokTransformaty(benchmark::State& stan)
{
    constexpr std::int32_t M = 75001;
    constexpr std::int32_t C = 1875000;
    std::mt19937 los(1);
    std::uniform_real_distribution<float> rozklad(-1.0f, 1.0f);
    std::vector<float> probki(C);
    std::vector<float> odczepy(M);
    for (float& x : probki)
        x = rozklad(los);
    for (float& y : odczepy)
        y = rozklad(los);
    std::vector<float> sumy(C);
    const TSplotWidmowy splot(odczepy, C);
    for (auto _ : stan) {
        splot.Licz(0, probki.data(), sumy.data());
        benchmark::DoNotOptimize(sumy.data());
    }
    stan.counters["wyjscia_bloku"] = splot.WyjsciaBloku();
    stan.counters["bloki"] = splot.LiczbaBlokow();
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

// The step gauge of a run that sets the flag halfway through the first convolution of the
// echo stage, and notes when.
class TPulapka : public TWskaznikAtomowy, public TEtykietaPostepu {
public:
    explicit TPulapka(std::uint8_t& flaga) : Flaga(flaga) {}
    void UstawTekst(std::string_view tekst) override { Uzbrojona = Uzbrojona || tekst.starts_with("Echo: "); }
    void Odswiez() override {}
    void UstawPozycje(std::int64_t pozycja) override
    {
        TWskaznikAtomowy::UstawPozycje(pozycja);
        if (Uzbrojona && Ustawiona == Zegar::time_point() && 2 * pozycja >= Maksimum()) {
            Ustawiona = Zegar::now();
            std::atomic_ref<std::uint8_t>(Flaga).store(1);
        }
    }
    Zegar::time_point Ustawiona;

private:
    std::uint8_t& Flaga;
    bool Uzbrojona = false;
};

// From setting the flag in a convolution by the transform (200,000 bits: 375,000 samples on
// each pair) to the call's return.
void OpoznienieAnulowaniaTransformaty(benchmark::State& stan)
{
    TWejscieKanalu wejscie(200000);
    std::vector<TFltFltStrumien*> sygnaly;
    for (const auto& s : wejscie.Sygnaly)
        sygnaly.push_back(s.get());
    for (auto _ : stan) {
        alignas(std::atomic_ref<std::uint8_t>::required_alignment) std::uint8_t flaga = 0;
        TPulapka pulapka(flaga);
        TFltFltStrumien** wynik = ZwrocStrumieniePoKanale(
            sygnaly.data(), 4, 625.0f, wejscie.Tlumienie.get(), wejscie.Przesluchy.get(), wejscie.Echo.get(),
            wejscie.Regeneracja.get(), 1, 1, 1, 10, nullptr, 4, &flaga, &pulapka, &pulapka, nullptr);
        const auto powrot = Zegar::now();
        if (wynik) {
            Zwolnij(wynik, 8);
            stan.SkipWithError("the run ended without the flag");
            break;
        }
        stan.SetIterationTime(Sekundy(powrot - pulapka.Ustawiona));
    }
}

} // namespace

BENCHMARK(CharakterystykaFiltru)->Arg(10)->Arg(125)->Unit(benchmark::kMillisecond);
BENCHMARK(NajciezszyPrzebieg)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(PrzyspieszenieBudowy)->Arg(125)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Przeciecie)->Arg(15)->Arg(31)->Arg(47)->Arg(63)->Arg(95)->Arg(127)->Arg(255)->Arg(501)->Arg(1875)->Arg(9375)
    ->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BlokTransformaty)->Unit(benchmark::kMillisecond);
BENCHMARK(OpoznienieAnulowania)->Arg(5)->Arg(60)->Arg(150)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(OpoznienieAnulowaniaTransformaty)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
