#include "PasekPostepu.h"

#include <chrono>

namespace {

constexpr int SzerokoscPaska = 30;
constexpr auto OdstepRysowania = std::chrono::milliseconds(100);

} // namespace

std::string Pasek(double udzial)
{
    udzial = udzial < 0.0 ? 0.0 : (udzial > 1.0 ? 1.0 : udzial);
    const int pelne = static_cast<int>(udzial * SzerokoscPaska);
    std::string pasek = "[";
    pasek.append(static_cast<std::size_t>(pelne), '#');
    pasek.append(static_cast<std::size_t>(SzerokoscPaska - pelne), '.');
    char procent[8];
    std::snprintf(procent, sizeof procent, "] %3d%%", static_cast<int>(udzial * 100.0));
    return pasek + procent;
}

TLiniaTerminala::TLiniaTerminala(std::FILE* terminal, std::function<std::string()> tresc)
    : Terminal(terminal)
    , Tresc(std::move(tresc))
    , Rysownik([this](std::stop_token stop) {
        while (!stop.stop_requested()) {
            Rysuj();
            std::this_thread::sleep_for(OdstepRysowania);
        }
    })
{
}

TLiniaTerminala::~TLiniaTerminala()
{
    Rysownik.request_stop();
    Rysownik.join();
    std::fprintf(Terminal, "\r\033[K");
    std::fflush(Terminal);
}

void TLiniaTerminala::Wypisz(const std::string& linia)
{
    const std::lock_guard zamek(Zamek);
    std::fprintf(Terminal, "\r\033[K%s\n", linia.c_str());
    std::fflush(Terminal);
}

void TLiniaTerminala::Rysuj()
{
    const std::string tekst = Tresc();
    const std::lock_guard zamek(Zamek);
    std::fprintf(Terminal, "\r\033[K%s", tekst.c_str());
    std::fflush(Terminal);
}

void TPasekPostepu::TEtykieta::UstawTekst(std::string_view tekst)
{
    const std::lock_guard zamek(Zamek);
    Zawartosc.assign(tekst);
}

std::string TPasekPostepu::TEtykieta::Tekst() const
{
    const std::lock_guard zamek(Zamek);
    return Zawartosc;
}

TPasekPostepu::TPasekPostepu(std::FILE* terminal)
    : Linia(terminal, [this] { return Pasek(Calkowity.Udzial()) + "  " + Etykieta.Tekst(); })
{
}

TKontrolkiPostepu TPasekPostepu::Kontrolki()
{
    return {&Etykieta, &Czesciowy, &Calkowity};
}
