#include "WykonaniePrzemiatania.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <new>
#include <thread>

namespace {

bool Ustawiona(std::uint8_t* flaga)
{
    return flaga != nullptr && std::atomic_ref<std::uint8_t>(*flaga).load(std::memory_order_relaxed) != 0;
}

} // namespace

void WykonajPrzemiatanie(const TPrzemiatanie& przemiatanie, const std::vector<std::size_t>& przebiegi, unsigned watki,
                         std::uint8_t* flaga, const TZdarzeniaPrzemiatania& zdarzenia)
{
    std::atomic<std::size_t> nastepny{0};
    const auto pracuj = [&] {
        for (;;) {
            if (Ustawiona(flaga))
                return;
            const std::size_t k = nastepny.fetch_add(1, std::memory_order_relaxed);
            if (k >= przebiegi.size())
                return;
            const std::size_t i = przebiegi[k];
            TBladPrzemiatania blad;
            const std::optional<TUstawieniaSymulacji> u = przemiatanie.Ustawienia(i, blad);
            if (!u) {
                zdarzenia.Blad(i, blad.Powod);
                continue;
            }
            std::unique_ptr<TWynikSymulacji> wynik;
            try {
                wynik = Symuluj(*u, flaga, {});
            } catch (const std::bad_alloc&) {
                zdarzenia.Blad(i, "not enough memory for the run");
                continue;
            } catch (const std::exception& e) {
                zdarzenia.Blad(i, e.what());
                continue;
            }
            if (!wynik || Ustawiona(flaga))
                return;
            zdarzenia.Gotowy(i, *wynik);
        }
    };
    const auto liczba = std::clamp<std::size_t>(watki, 1, std::max<std::size_t>(przebiegi.size(), 1));
    std::vector<std::jthread> pomocnicy;
    for (std::size_t t = 1; t < liczba; ++t)
        pomocnicy.emplace_back(pracuj);
    pracuj();
}
