#include "PasekPostepu.h"

#include <chrono>

namespace {

constexpr int SzerokoscPaska = 30;
constexpr auto OdstepRysowania = std::chrono::milliseconds(100);

} // namespace

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
    : Terminal(terminal)
    , Rysownik([this](std::stop_token stop) {
        while (!stop.stop_requested()) {
            Rysuj();
            std::this_thread::sleep_for(OdstepRysowania);
        }
    })
{
}

TPasekPostepu::~TPasekPostepu()
{
    Rysownik.request_stop();
    Rysownik.join();
    std::fprintf(Terminal, "\r\033[K");
    std::fflush(Terminal);
}

TKontrolkiPostepu TPasekPostepu::Kontrolki()
{
    return {&Etykieta, &Czesciowy, &Calkowity};
}

void TPasekPostepu::Rysuj()
{
    const double udzial = Calkowity.Udzial();
    const int pelne = static_cast<int>(udzial * SzerokoscPaska);
    std::string pasek(static_cast<std::size_t>(pelne), '#');
    pasek.append(static_cast<std::size_t>(SzerokoscPaska - pelne), '.');
    std::fprintf(Terminal, "\r\033[K[%s] %3d%%  %s", pasek.c_str(), static_cast<int>(udzial * 100.0),
                 Etykieta.Tekst().c_str());
    std::fflush(Terminal);
}
