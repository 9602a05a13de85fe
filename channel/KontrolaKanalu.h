// What one export call reports to and is stopped by: the caller's termination byte and
// its three progress controls, each of which may be absent.
#pragma once

#include <atomic>
#include <cstdint>
#include <string_view>

#include "Obciecie.h"
#include "Postep.h"

class TKontrolaKanalu {
public:
    TKontrolaKanalu(std::uint8_t* przerwij, TEtykietaPostepu* etykieta, TWskaznikPostepu* krok,
                    TWskaznikPostepu* calosc)
        : Flaga(przerwij), Etykieta(etykieta), Krok(krok), Calosc(calosc)
    {
    }

    // The byte is written by another thread, so it is read atomically; it guards no
    // other data, so no ordering is needed.
    bool Przerwano() const
    {
        return Flaga && std::atomic_ref<std::uint8_t>(*Flaga).load(std::memory_order_relaxed) != 0;
    }

    void Tekst(std::string_view tekst) const
    {
        if (Etykieta)
            Etykieta->UstawTekst(tekst);
    }
    void Odswiez() const
    {
        if (Etykieta)
            Etykieta->Odswiez();
    }

    void MaksimumKroku(std::int64_t maksimum) const
    {
        if (Krok)
            Krok->UstawMaksimum(maksimum);
    }
    void PozycjaKroku(std::int64_t pozycja) const
    {
        if (Krok)
            Krok->UstawPozycje(pozycja);
    }
    // The step gauge shows the step as done.
    void KrokWykonany() const
    {
        if (Krok)
            Krok->UstawPozycje(Krok->Maksimum());
    }

    // Moves the overall gauge on by ile from where it stands.
    void PostepCalosci(std::int64_t ile) const
    {
        if (Calosc)
            Calosc->UstawPozycje(Calosc->Pozycja() + ile);
    }
    void PozycjaCalosci(std::int64_t pozycja) const
    {
        if (Calosc)
            Calosc->UstawPozycje(pozycja);
    }
    // The overall gauge's maximum becomes trunc(budzet), or trunc(budzet + the current
    // maximum) when doliczyc; a budget is counted in double, so no sum wraps round.
    void BudzetCalosci(double budzet, bool doliczyc = true) const
    {
        if (!Calosc)
            return;
        const double suma = budzet + (doliczyc ? static_cast<double>(Calosc->Maksimum()) : 0.0);
        Calosc->UstawMaksimum(Obetnij<std::int64_t>(suma));
    }

private:
    std::uint8_t* Flaga;
    TEtykietaPostepu* Etykieta;
    TWskaznikPostepu* Krok;
    TWskaznikPostepu* Calosc;
};
