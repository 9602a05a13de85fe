// The receiver's share of a run: symbol timing, bit recovery and counting on the lanes
// of a finished run of each standard, beside the whole run, both in bits per second.
#include <benchmark/benchmark.h>

#include "OdbiorPrzebiegu.h"
#include "Symulacja.h"
#include "VartoEncode.h"
#include "ZrodlaBitow.h"

namespace {

constexpr std::uint32_t Ziarno = 1;

TUstawieniaSymulacji Ustawienia(int standard, std::int32_t bity)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(standard);
    u.LiczbaBitow = bity;
    u.Ziarno = Ziarno;
    return u;
}

// A finished run with its lanes' code-symbol staircases encoded afresh: the run trims its
// own, and the receiver reads them whole.
struct TPrzebieg {
    std::unique_ptr<TWynikSymulacji> Wynik;
    std::vector<std::int32_t> Bity;
    TStrumienie Wzorce;

    TPrzebieg(int standard, std::int32_t bity)
    {
        const TUstawieniaSymulacji u = Ustawienia(standard, bity);
        Wynik = Symuluj(u, nullptr, {});
        Bity = BityPrzebiegu(u, Ziarno).Linia;
        const TStandard& s = Standardy[static_cast<std::size_t>(standard)];
        std::int32_t typy = 0;
        delete[] ZwrocTypyStrumieni(&typy, s.KodStandardu);
        for (std::size_t i = 0; i < Wynik->Tory.size(); ++i) {
            const std::int32_t numer = typy - 2 * s.LiczbaTorow + static_cast<std::int32_t>(i);
            TFltFltStrumien** tablica =
                ZwrocStrumienie(Bity.data(), static_cast<std::int32_t>(Bity.size()), &numer, 1, s.KodStandardu,
                                s.PoziomMin, s.PoziomMax, Wynik->SzybkoscSymboli, u.Nachylenie);
            Wzorce.emplace_back(tablica[0]);
            delete[] tablica;
            Wynik->Tory[i].Wzorzec = Wzorce.back().get();
        }
    }
};

void Odbior(benchmark::State& stan, int standard, std::int32_t bity)
{
    TPrzebieg p(standard, bity);
    for (auto _ : stan)
        OdbierzPrzebieg(*p.Wynik, p.Bity);
    if (p.Wynik->Zliczone.Bledy != 0)
        stan.SkipWithError("the receiver counted errors on a default run");
    stan.SetItemsProcessed(stan.iterations() * bity);
}

void Przebieg(benchmark::State& stan, int standard, std::int32_t bity)
{
    const TUstawieniaSymulacji u = Ustawienia(standard, bity);
    for (auto _ : stan)
        benchmark::DoNotOptimize(Symuluj(u, nullptr, {}));
    stan.SetItemsProcessed(stan.iterations() * bity);
}

} // namespace

// The default analysis of each standard (100 bits), then 10,000 bits.
BENCHMARK_CAPTURE(Odbior, 10BaseT_100, 0, 100)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Przebieg, 10BaseT_100, 0, 100)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Odbior, 100BaseTX_100, 1, 100)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Przebieg, 100BaseTX_100, 1, 100)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Odbior, 100BaseTXbez4B5B_100, 2, 100)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Przebieg, 100BaseTXbez4B5B_100, 2, 100)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Odbior, 1000BaseT_100, 3, 100)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Przebieg, 1000BaseT_100, 3, 100)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Odbior, 10BaseT_10000, 0, 10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Przebieg, 10BaseT_10000, 0, 10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Odbior, 100BaseTX_10000, 1, 10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Przebieg, 100BaseTX_10000, 1, 10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Odbior, 100BaseTXbez4B5B_10000, 2, 10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Przebieg, 100BaseTXbez4B5B_10000, 2, 10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Odbior, 1000BaseT_10000, 3, 10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Przebieg, 1000BaseT_10000, 3, 10000)->Unit(benchmark::kMillisecond);
