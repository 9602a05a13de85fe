// Encoding 1,000 bits with every standard's coder, all display streams handed out.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "VartoEncode.h"

namespace {

void KodujTysiacBitow(benchmark::State& stan, std::uint8_t typ)
{
    std::unique_ptr<std::int32_t[]> bity(LosujStrumien(1000));
    std::int32_t liczba = 0;
    delete[] ZwrocTypyStrumieni(&liczba, typ);
    std::vector<std::int32_t> numery(static_cast<std::size_t>(liczba));
    for (std::int32_t i = 0; i < liczba; ++i)
        numery[static_cast<std::size_t>(i)] = i;
    const bool dziesiec = typ == KodTypu10BaseT;
    for (auto _ : stan) {
        TFltFltStrumien** wynik = ZwrocStrumienie(bity.get(), 1000, numery.data(), liczba, typ,
                                                  dziesiec ? -2.5f : -1.0f, dziesiec ? 0.0f : 1.0f,
                                                  dziesiec ? 10 : 125, 40.0f);
        for (std::int32_t i = 0; i < liczba; ++i)
            delete wynik[i];
        delete[] wynik;
    }
}

} // namespace

BENCHMARK_CAPTURE(KodujTysiacBitow, 10BaseT, KodTypu10BaseT);
BENCHMARK_CAPTURE(KodujTysiacBitow, 100BaseTX, KodTypu100BaseTX);
BENCHMARK_CAPTURE(KodujTysiacBitow, 100BaseTX_bez_4B5B, KodTypu100BaseTXBez4B5B);
BENCHMARK_CAPTURE(KodujTysiacBitow, 1000BaseT, KodTypu1000BaseT);
