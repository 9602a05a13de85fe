#include "PrzebiegPythona.h"

#include <pybind11/pybind11.h>

#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace py = pybind11;

namespace {

// Shared by the run's thread and the waiting one; the run's thread may outlive neither,
// since the waiting thread always joins it.
struct TStanPrzebiegu {
    std::mutex Zamek;
    std::condition_variable Koniec;
    bool Skonczony = false;
    std::unique_ptr<TWynikSymulacji> Wynik;
    std::exception_ptr Blad;
    std::uint8_t FlagaZakonczenia = 0; // the engine's termination flag, through std::atomic_ref
};

// How often a waiting run looks for Ctrl-C: well within the fraction of a second a user waits.
constexpr std::chrono::milliseconds OkresSprawdzania{50};

enum class TZakonczenie { Gotowy, Sygnal, Przerwany };

} // namespace

std::shared_ptr<const TWynikSymulacji> Przebieg(TUstawieniaSymulacji u, const TPrzerwanie* przerwanie)
{
    TStanPrzebiegu stan;
    TZakonczenie zakonczenie = TZakonczenie::Gotowy;
    {
        py::gil_scoped_release bezGil;
        std::thread watek([&stan, u = std::move(u)] {
            std::unique_ptr<TWynikSymulacji> wynik;
            std::exception_ptr blad;
            try {
                wynik = Symuluj(u, &stan.FlagaZakonczenia, {});
            } catch (...) {
                blad = std::current_exception();
            }
            const std::lock_guard zamek(stan.Zamek);
            stan.Wynik = std::move(wynik);
            stan.Blad = blad;
            stan.Skonczony = true;
            stan.Koniec.notify_one();
        });
        std::unique_lock zamek(stan.Zamek);
        while (!stan.Koniec.wait_for(zamek, OkresSprawdzania, [&] { return stan.Skonczony; })) {
            zamek.unlock();
            bool sygnal = false;
            {
                py::gil_scoped_acquire zGil;
                sygnal = PyErr_CheckSignals() != 0;
            }
            zamek.lock();
            if (sygnal || (przerwanie != nullptr && przerwanie->Przerwane())) {
                zakonczenie = sygnal ? TZakonczenie::Sygnal : TZakonczenie::Przerwany;
                std::atomic_ref<std::uint8_t>(stan.FlagaZakonczenia).store(1, std::memory_order_relaxed);
                stan.Koniec.wait(zamek, [&] { return stan.Skonczony; });
                break;
            }
        }
        zamek.unlock();
        watek.join();
    }
    if (zakonczenie == TZakonczenie::Sygnal)
        throw py::error_already_set();
    if (stan.Blad && zakonczenie == TZakonczenie::Gotowy)
        std::rethrow_exception(stan.Blad);
    if (zakonczenie == TZakonczenie::Przerwany)
        return nullptr;
    return std::shared_ptr<const TWynikSymulacji>(std::move(stan.Wynik));
}
