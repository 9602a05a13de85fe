#include "Rownolegle.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>

unsigned WatkiObliczen()
{
    static const unsigned watki = [] {
        if (const char* tekst = std::getenv("LINTAVOX_CHANNEL_THREADS")) {
            unsigned n = 0;
            const char* koniec = tekst + std::strlen(tekst);
            const auto [gdzie, blad] = std::from_chars(tekst, koniec, n);
            if (blad == std::errc() && gdzie == koniec && n > 0)
                return n;
        }
        return std::max(1u, std::thread::hardware_concurrency());
    }();
    return watki;
}

bool WykonajBloki(std::int32_t liczbaBlokow, const std::function<void(std::int32_t)>& oblicz,
                  const std::function<bool(std::int32_t)>& zglos, const TKontrolaKanalu& kontrola)
{
    if (liczbaBlokow <= 0)
        return true;
    std::atomic<std::int32_t> nastepny{0};
    std::atomic<bool> stop{false};
    const auto gotowe = std::make_unique<std::atomic<bool>[]>(static_cast<std::size_t>(liczbaBlokow));

    const auto wez = [&]() -> std::int32_t {
        if (stop.load(std::memory_order_relaxed))
            return -1;
        const std::int32_t b = nastepny.fetch_add(1, std::memory_order_relaxed);
        return b < liczbaBlokow ? b : -1;
    };
    const auto pracuj = [&] {
        for (std::int32_t b = wez(); b >= 0; b = wez()) {
            if (kontrola.Przerwano()) {
                stop.store(true, std::memory_order_relaxed);
                return;
            }
            oblicz(b);
            gotowe[static_cast<std::size_t>(b)].store(true, std::memory_order_release);
        }
    };

    const auto liczbaPomocnikow =
        std::min<std::int32_t>(static_cast<std::int32_t>(WatkiObliczen()) - 1, liczbaBlokow - 1);
    std::vector<std::jthread> pomocnicy;
    try {
        for (std::int32_t p = 0; p < liczbaPomocnikow; ++p)
            pomocnicy.emplace_back(pracuj);
    } catch (const std::system_error&) {
        // No more threads to be had: the blocks still get done by those that started.
    }

    std::int32_t zgloszone = 0;
    bool dalej = true;
    const auto zglaszaj = [&] {
        while (dalej && zgloszone < liczbaBlokow &&
               gotowe[static_cast<std::size_t>(zgloszone)].load(std::memory_order_acquire)) {
            if (!zglos(zgloszone++)) {
                dalej = false;
                stop.store(true, std::memory_order_relaxed);
            }
        }
    };
    for (std::int32_t b = wez(); dalej && b >= 0; b = wez()) {
        if (kontrola.Przerwano()) {
            dalej = false;
            stop.store(true, std::memory_order_relaxed);
            break;
        }
        oblicz(b);
        gotowe[static_cast<std::size_t>(b)].store(true, std::memory_order_release);
        zglaszaj();
    }
    for (auto& pomocnik : pomocnicy)
        pomocnik.join();
    zglaszaj();
    return dalej && zgloszone == liczbaBlokow;
}
