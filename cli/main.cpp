// lintavox-sim: one simulation from the command line, results as data; `lintavox-sim sweep`
// many of them.
#include <QCoreApplication>
#include <QLocale>

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <new>

#include "Liczby.h"
#include "OpcjeWiersza.h"
#include "PasekPostepu.h"
#include "PrzemiatanieWiersza.h"
#include "WykresPrzemiatania.h"
#include "ZapisWynikow.h"

namespace {

// The run's termination flag; Ctrl-C sets it, the channel library polls it.
std::uint8_t FlagaZakonczenia = 0;

extern "C" void PrzerwijPrzebieg(int)
{
    std::atomic_ref<std::uint8_t>(FlagaZakonczenia).store(1, std::memory_order_relaxed);
}

bool Przerwano()
{
    return std::atomic_ref<std::uint8_t>(FlagaZakonczenia).load(std::memory_order_relaxed) != 0;
}

} // namespace

int main(int argc, char** argv)
{
    static_assert(std::atomic_ref<std::uint8_t>::is_always_lock_free, "the flag is set from a signal handler");
    std::signal(SIGINT, PrzerwijPrzebieg);
    // Only a sweep that draws its chart, or a run that draws its eye, needs more of the
    // toolkit than QtCore.
    const bool przemiatanie = argc > 1 && std::strcmp(argv[1], "sweep") == 0;
    const auto opcja = [&](const char* nazwa) {
        bool jest = false;
        for (int i = 1; i < argc; ++i)
            jest = jest || std::strcmp(argv[i], nazwa) == 0 ||
                (std::strncmp(argv[i], nazwa, std::strlen(nazwa)) == 0 && argv[i][std::strlen(nazwa)] == '=');
        return jest;
    };
    const bool wykres = przemiatanie ? opcja("--plot") : opcja("--eye-png") || opcja("--eye-svg");
    const std::unique_ptr<QCoreApplication> aplikacja = UtworzAplikacje(argc, argv, wykres);
    UstawSeparatorDziesietny(QLocale::system().decimalPoint().at(0).toLatin1());
    if (przemiatanie)
        return Przemiataj(QCoreApplication::arguments(), &FlagaZakonczenia);

    const TWynikParsowania parsowanie = ParsujWiersz(QCoreApplication::arguments());
    if (!parsowanie.Opcje) {
        std::fprintf(parsowanie.Kod == 0 ? stdout : stderr, "%s\n", parsowanie.Tekst.c_str());
        return parsowanie.Kod;
    }
    const TOpcjeWiersza& opcje = *parsowanie.Opcje;
    if (!opcje.Uwagi.empty() && !opcje.Cicho)
        std::fprintf(stderr, "%s\n", opcje.Uwagi.c_str());
    if (!opcje.ZapisAnalizy.empty()) {
        if (const std::string blad = ZapiszUstawienia(opcje); !blad.empty()) {
            std::fprintf(stderr, "lintavox-sim: %s\n", blad.c_str());
            return 1;
        }
        return 0;
    }

    std::unique_ptr<TPasekPostepu> pasek;
    TKontrolkiPostepu postep;
    if (isatty(STDERR_FILENO) && !opcje.Cicho) {
        pasek = std::make_unique<TPasekPostepu>(stderr);
        postep = pasek->Kontrolki();
    }
    std::unique_ptr<TWynikSymulacji> wynik;
    try {
        wynik = Symuluj(opcje.Ustawienia, &FlagaZakonczenia, postep);
    } catch (const std::bad_alloc&) {
        pasek.reset();
        std::fprintf(stderr, "lintavox-sim: not enough memory for the run\n");
        return 1;
    } catch (const std::exception& blad) {
        pasek.reset();
        std::fprintf(stderr, "lintavox-sim: %s\n", blad.what());
        return 1;
    }
    pasek.reset();
    if (!wynik || Przerwano()) {
        std::fprintf(stderr, "lintavox-sim: interrupted\n");
        return 130;
    }

    if (const TBladZapisu blad = ZapiszWyniki(opcje, *wynik); !blad.Tekst.empty()) {
        std::fprintf(stderr, "lintavox-sim: %s\n", blad.Tekst.c_str());
        return blad.Kod;
    }
    if (!opcje.Cicho)
        std::fputs(Podsumowanie(*wynik, opcje.Jezyk).c_str(), stdout);
    return 0;
}
