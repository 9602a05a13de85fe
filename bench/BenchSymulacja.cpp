// Whole simulation runs through the engine: the default 100BaseTX analysis and the
// heaviest one the program allows, 1000BaseT at 5,000 Mbps with 1,000 bits; and the eye's
// measurements and density alone, the share of a run they take.
#include <benchmark/benchmark.h>

#include "OdbiorPrzebiegu.h"
#include "Symulacja.h"

namespace {

void Przebieg(benchmark::State& stan, int standard, std::int32_t szybkosc, std::int32_t bity)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(standard);
    u.Szybkosc = szybkosc;
    u.LiczbaBitow = bity;
    for (auto _ : stan)
        benchmark::DoNotOptimize(Symuluj(u, nullptr, {}));
}

// The eye's part of a run, again on a finished one: its staircases shown whole again, as
// the run measured them before trimming.
void Oko(benchmark::State& stan, int standard, std::int32_t szybkosc, std::int32_t bity)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(standard);
    u.Szybkosc = szybkosc;
    u.LiczbaBitow = bity;
    const auto w = Symuluj(u, nullptr, {});
    for (TTorWyniku& tor : w->Tory)
        tor.Wzorzec->UstawZakres(0, 0);
    for (auto _ : stan) {
        ZmierzOka(*w);
        GestoscOkaPrzebiegu(*w);
        benchmark::DoNotOptimize(w->GestoscOka.Suma());
    }
}

} // namespace

BENCHMARK_CAPTURE(Przebieg, 100BaseTX_domyslny, 1, 100, 100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Przebieg, 1000BaseT_5000Mbps_1000bitow, 3, 5000, 1000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Oko, 100BaseTX_domyslny, 1, 100, 100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Oko, 1000BaseT_5000Mbps_1000bitow, 3, 5000, 1000)->Unit(benchmark::kMillisecond);
