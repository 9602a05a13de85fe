// Progress controls for the channel tests: they record what the library tells them,
// check that it speaks only from the calling thread, and can pull the termination flag
// at a chosen moment of the run.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "Postep.h"

// The moment to cancel at: once the status text has been set to Tekst, at the Odswiezenie-th
// repaint after it (0: at the text itself), after Kroki more positions of the step gauge.
struct TMomentAnulowania {
    std::string Tekst;
    int Odswiezenie = 0;
    std::int64_t Kroki = 0;
};

class TPostepTestowy;

class TEtykietaTestowa : public TEtykietaPostepu {
public:
    explicit TEtykietaTestowa(TPostepTestowy& postep) : Postep(postep) {}
    void UstawTekst(std::string_view tekst) override;
    void Odswiez() override;

private:
    TPostepTestowy& Postep;
};

class TWskaznikTestowy : public TWskaznikPostepu {
public:
    TWskaznikTestowy(TPostepTestowy& postep, bool krokowy) : Postep(postep), Krokowy(krokowy) {}
    void UstawMaksimum(std::int64_t maksimum) override;
    std::int64_t Maksimum() const override { return Max; }
    void UstawPozycje(std::int64_t pozycja) override;
    std::int64_t Pozycja() const override { return Poz; }

    std::int64_t Max = 0;
    std::int64_t Poz = 0;
    std::int64_t LiczbaPozycji = 0;
    bool Cofnal = false; // the position went back without a new maximum

private:
    TPostepTestowy& Postep;
    bool Krokowy;
};

// The three controls of one call, and optionally the moment at which to set the flag.
class TPostepTestowy {
public:
    TPostepTestowy() = default;
    explicit TPostepTestowy(TMomentAnulowania moment) : Moment(std::move(moment)), Anuluj(true) {}

    TEtykietaTestowa Etykieta{*this};
    TWskaznikTestowy Krok{*this, true};
    TWskaznikTestowy Calosc{*this, false};
    alignas(std::atomic_ref<std::uint8_t>::required_alignment) std::uint8_t Flaga = 0;

    std::vector<std::string> Teksty;
    int Odswiezenia = 0;
    bool ObcyWatek = false; // a control was called from another thread than the one that made this
    bool Anulowano() { return std::atomic_ref<std::uint8_t>(Flaga).load() != 0; }

    void Zanotuj()
    {
        if (std::this_thread::get_id() != Watek)
            ObcyWatek = true;
    }
    void PoTekscie(std::string_view tekst)
    {
        Teksty.emplace_back(tekst);
        if (Anuluj && !Uzbrojony && tekst == Moment.Tekst) {
            Uzbrojony = true;
            OdswiezeniaPoTekscie = 0;
            Sprawdz();
        }
    }
    void PoOdswiezeniu()
    {
        ++Odswiezenia;
        if (Uzbrojony) {
            ++OdswiezeniaPoTekscie;
            KrokiPoOdswiezeniu = 0;
            Sprawdz();
        }
    }
    void PoKroku()
    {
        if (Uzbrojony && OdswiezeniaPoTekscie == Moment.Odswiezenie) {
            ++KrokiPoOdswiezeniu;
            Sprawdz();
        }
    }

private:
    void Sprawdz()
    {
        if (OdswiezeniaPoTekscie == Moment.Odswiezenie && KrokiPoOdswiezeniu >= Moment.Kroki)
            std::atomic_ref<std::uint8_t>(Flaga).store(1);
    }

    std::thread::id Watek = std::this_thread::get_id();
    TMomentAnulowania Moment;
    bool Anuluj = false;
    bool Uzbrojony = false;
    int OdswiezeniaPoTekscie = 0;
    std::int64_t KrokiPoOdswiezeniu = 0;
};

inline void TEtykietaTestowa::UstawTekst(std::string_view tekst)
{
    Postep.Zanotuj();
    Postep.PoTekscie(tekst);
}

inline void TEtykietaTestowa::Odswiez()
{
    Postep.Zanotuj();
    Postep.PoOdswiezeniu();
}

inline void TWskaznikTestowy::UstawMaksimum(std::int64_t maksimum)
{
    Postep.Zanotuj();
    Max = maksimum;
    if (Krokowy)
        Poz = 0;
}

inline void TWskaznikTestowy::UstawPozycje(std::int64_t pozycja)
{
    Postep.Zanotuj();
    if (pozycja < Poz)
        Cofnal = true;
    Poz = pozycja;
    ++LiczbaPozycji;
    if (Krokowy)
        Postep.PoKroku();
}
