#include "VartoChannel.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "TVartoChannel.h"

namespace {

using TStrumien = std::unique_ptr<TFltFltStrumien>;

float OstatnieX(TFltFltStrumien& s)
{
    return s.Zwroc(s.ZwrocDlugosc() - 1).X;
}

std::vector<TFltFltStrumien*> Wskazniki(const std::vector<TStrumien>& strumienie)
{
    std::vector<TFltFltStrumien*> wynik;
    for (const auto& s : strumienie)
        wynik.push_back(s.get());
    return wynik;
}

// The overall gauge's share of building one filter: its spectrum samples, then its taps
// times the samples each of them sums.
void BudzetFiltra(const TKontrolaKanalu& kontrola, const TParametryKanalu& p)
{
    kontrola.BudzetCalosci(20.0 * static_cast<double>(p.FMax));
    kontrola.BudzetCalosci(static_cast<double>(p.FMax) * 20.0 * p.M);
}

// A returned stream hides the run-in and run-out of the filters, 20 symbol periods at
// each end, and spans its Y axis over what stays visible. A stream too short for that
// keeps at least its middle sample visible instead of getting a negative length.
void Wykoncz(TFltFltStrumien& s, std::int32_t S)
{
    const std::int32_t ukryte = std::min(20 * S, (s.ZwrocDlugoscCalkowita() - 1) / 2);
    s.UstawZakres(std::max(ukryte, 0), std::max(ukryte, 0));
    const std::int32_t n = s.ZwrocDlugosc();
    if (n <= 0)
        return;
    s.MinY = s.MaxY = s.Zwroc(0).Y;
    for (std::int32_t i = 1; i < n; ++i) {
        const float y = s.Zwroc(i).Y;
        if (y > s.MaxY)
            s.MaxY = y;
        if (y < s.MinY)
            s.MinY = y;
    }
}

} // namespace

WynikRekalkulacji* ZwrocCharakterystykeFiltru(TFltFltStrumien* punkty, float R, std::uint8_t* przerwij,
                                              TEtykietaPostepu* etykieta, TWskaznikPostepu* krok,
                                              TWskaznikPostepu* calosc)
{
    const TKontrolaKanalu kontrola(przerwij, etykieta, krok, calosc);
    const TParametryKanalu p = ParametryKanalu(R);

    kontrola.PozycjaCalosci(0);
    kontrola.BudzetCalosci(20.0 * static_cast<double>(p.FMax), false);
    kontrola.BudzetCalosci(static_cast<double>(p.M) * p.FMax * 20.0);
    kontrola.BudzetCalosci(static_cast<double>(OstatnieX(*punkty)) * 20.0 * p.M);

    TVartoChannel filtr(kontrola);
    filtr.UstawCharakterystyke(*punkty, p.A, p.FMax, 1.0f);
    kontrola.Tekst("Kalkulacja odpowiedzi");
    if (!filtr.Zbuduj())
        return nullptr;
    TStrumien odpowiedz = filtr.OddajOdpowiedzImpulsowa();

    kontrola.Tekst("Kalkulacja charakterystyki");
    TStrumien charakterystyka = filtr.ObliczCharakterystyke();
    if (!charakterystyka || kontrola.Przerwano())
        return nullptr;
    return new WynikRekalkulacji{charakterystyka.release(), odpowiedz.release()};
}

TFltFltStrumien** ZwrocStrumieniePoKanale(TFltFltStrumien** strumienie, std::int32_t liczba, float R,
                                          TFltFltStrumien* tlumienie, TFltFltStrumien* przesluchy,
                                          TFltFltStrumien* echo, TFltFltStrumien* regeneracja,
                                          std::uint8_t przesluchyWlaczone, std::uint8_t echoWlaczone,
                                          std::uint8_t regeneracjaWlaczona, std::int32_t przesuniecieEcha,
                                          const std::int32_t*, std::int32_t n, std::uint8_t* przerwij,
                                          TEtykietaPostepu* etykieta, TWskaznikPostepu* krok,
                                          TWskaznikPostepu* calosc)
{
    const TKontrolaKanalu kontrola(przerwij, etykieta, krok, calosc);
    const TParametryKanalu p = ParametryKanalu(R);
    // Attenuation and echo work on the disturbing pairs too only when their crosstalk is used.
    const std::int32_t liczbaP = przesluchyWlaczone ? liczba : n;
    const auto ostatnieX = [&](std::int32_t i) { return static_cast<double>(OstatnieX(*strumienie[i])); };

    // Set-up: every filter that the call will use, and the overall gauge's whole budget.
    auto filtrTlumienia = std::make_unique<TVartoChannel>(kontrola);
    filtrTlumienia->UstawCharakterystyke(*tlumienie, p.A, p.FMax, 1.0f);
    kontrola.PozycjaCalosci(0);
    kontrola.BudzetCalosci(20.0 * static_cast<double>(p.FMax), false);
    kontrola.BudzetCalosci(static_cast<double>(p.FMax) * 20.0 * p.M);
    for (std::int32_t i = 0; i < liczbaP; ++i) {
        kontrola.BudzetCalosci(ostatnieX(i) * p.S + 2.0);
        kontrola.BudzetCalosci(ostatnieX(i) * p.M * p.S + 2.0);
    }
    // Each switched-on effect's filter, set up in the order echo, crosstalk, regeneration,
    // adds its build and one convolution per stream it will filter to the budget.
    const auto utworzFiltr = [&](bool wlaczony, TFltFltStrumien* charakterystyka, std::int32_t strumienie) {
        std::unique_ptr<TVartoChannel> filtr;
        if (!wlaczony)
            return filtr;
        filtr = std::make_unique<TVartoChannel>(kontrola);
        filtr->UstawCharakterystyke(*charakterystyka, p.A, p.FMax, 1.0f);
        BudzetFiltra(kontrola, p);
        for (std::int32_t i = 0; i < strumienie; ++i)
            kontrola.BudzetCalosci(ostatnieX(i) * p.M * p.S + 1.0);
        return filtr;
    };
    std::unique_ptr<TVartoChannel> filtrEcha = utworzFiltr(echoWlaczone, echo, liczbaP);
    std::unique_ptr<TVartoChannel> filtrPrzesluchow = utworzFiltr(przesluchyWlaczone, przesluchy, liczba);
    std::unique_ptr<TVartoChannel> filtrRegeneracji = utworzFiltr(regeneracjaWlaczona, regeneracja, n);
    std::vector<TStrumien> wynik(static_cast<std::size_t>(regeneracjaWlaczona ? 2 * n : n));

    // Every early return below releases, through its owners, all that the call made.
    kontrola.Tekst("Tlumienie: Kalkulacja odpowiedzi");
    if (!filtrTlumienia->Zbuduj())
        return nullptr;
    std::vector<TStrumien> odebrane(static_cast<std::size_t>(liczbaP));
    for (std::int32_t i = 0; i < liczbaP; ++i) {
        kontrola.Tekst("Tlumienie: " + strumienie[i]->ZwrocNazwe());
        odebrane[static_cast<std::size_t>(i)] = filtrTlumienia->Filtruj(*strumienie[i], true, R);
        if (!odebrane[static_cast<std::size_t>(i)])
            return nullptr;
    }
    filtrTlumienia.reset();

    if (filtrEcha) {
        kontrola.Tekst("Echo: Kalkulacja odpowiedzi");
        if (!filtrEcha->Zbuduj())
            return nullptr;
        for (std::int32_t i = 0; i < liczbaP; ++i) {
            TFltFltStrumien& odebrany = *odebrane[static_cast<std::size_t>(i)];
            kontrola.Tekst("Echo: " + odebrany.ZwrocNazwe());
            const TStrumien odbicie = filtrEcha->Filtruj(odebrany, false, R);
            if (!odbicie || !filtrEcha->DodajEcho(odebrany, *odbicie, R, przesuniecieEcha))
                return nullptr;
        }
        filtrEcha.reset();
    }

    if (filtrPrzesluchow) {
        kontrola.Tekst("Przesłuchy: Kalkulacja odpowiedzi");
        if (!filtrPrzesluchow->Zbuduj())
            return nullptr;
        // Every pair's crosstalk is taken before any of it is added.
        std::vector<TStrumien> przeniki(static_cast<std::size_t>(liczba));
        for (std::int32_t i = 0; i < liczba; ++i) {
            TFltFltStrumien& odebrany = *odebrane[static_cast<std::size_t>(i)];
            kontrola.Tekst("Przesłuchy: " + odebrany.ZwrocNazwe());
            przeniki[static_cast<std::size_t>(i)] = filtrPrzesluchow->Filtruj(odebrany, false, R);
            if (!przeniki[static_cast<std::size_t>(i)])
                return nullptr;
        }
        const std::vector<TFltFltStrumien*> odebraneW = Wskazniki(odebrane);
        const std::vector<TFltFltStrumien*> przenikiW = Wskazniki(przeniki);
        for (std::int32_t i = 0; i < n; ++i)
            if (!filtrPrzesluchow->DodajPrzesluchy(odebraneW.data(), przenikiW.data(), i, liczba))
                return nullptr;
        filtrPrzesluchow.reset();
    }

    if (filtrRegeneracji) {
        kontrola.Tekst("Regenracja: Kalkulacja odpowiedzi");
        if (!filtrRegeneracji->Zbuduj())
            return nullptr;
        for (std::int32_t i = 0; i < n; ++i) {
            TFltFltStrumien& odebrany = *odebrane[static_cast<std::size_t>(i)];
            kontrola.Tekst("Regenracja: " + odebrany.ZwrocNazwe());
            wynik[static_cast<std::size_t>(n + i)] = filtrRegeneracji->Filtruj(odebrany, false, R);
            if (!wynik[static_cast<std::size_t>(n + i)])
                return nullptr;
        }
        filtrRegeneracji.reset();
    }

    for (std::int32_t i = 0; i < n; ++i)
        wynik[static_cast<std::size_t>(i)] = std::move(odebrane[static_cast<std::size_t>(i)]);
    for (const auto& s : wynik)
        Wykoncz(*s, p.S);
    // A cancellation that came during the finishing still wins: the caller, seeing its
    // flag set, expects nothing.
    if (kontrola.Przerwano())
        return nullptr;

    auto* tablica = new TFltFltStrumien*[wynik.size()];
    for (std::size_t i = 0; i < wynik.size(); ++i)
        tablica[i] = wynik[i].release();
    return tablica;
}
