// One simulation run, free of any toolkit: encode, channel, amplify, measure errors,
// decode and trim, with the four libraries called in pipeline order. The result owns
// every stream and array the run produced.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Charakterystyki.h"
#include "Postep.h"
#include "VartoError.h"

enum class TZrodloBitow { Losowe = 0, Zera = 1, Jedynki = 2 };

// The settings of one run, as the analysis window or the command line has validated them.
struct TUstawieniaSymulacji {
    int Standard = 1;                 // 0 to 3, the position in the standards table
    std::int32_t LiczbaBitow = 100;   // bits the user asked for, before the guard bits
    std::string Szybkosc = "100";     // bit rate in Mbps, as typed
    float Nachylenie = 5000.0f;       // edge slope, mV/ns
    std::int32_t PrzesuniecieEcha = 0; // ns
    TZrodloBitow Zrodlo = TZrodloBitow::Losowe;
    bool Przesluchy = true;
    bool Echo = true;
    bool Regeneracja = true;
    bool Dekoder = true;
    TCharakterystykiKanalu Charakterystyki = DomyslneCharakterystyki();
    // Explicit bit sequences used instead of the source above and the crosstalk source's
    // random bits; each must hold at least the encoded bit count.
    std::optional<std::vector<std::int32_t>> Bity;
    std::optional<std::vector<std::int32_t>> BityZaklocen;
};

// Streams that a run owns; the arrays of pointers handed to the libraries are views.
using TStrumienie = std::vector<std::unique_ptr<TFltFltStrumien>>;

struct TWynikSymulacji {
    std::int32_t LiczbaTypow = 0;    // encoder streams of the standard
    std::int32_t LiczbaTorow = 0;    // lanes
    std::int32_t LiczbaZaklocen = 0; // crosstalk sources sent beside the lanes
    std::int32_t LiczbaBitowKodowanych = 0; // bits encoded, guard bits included
    std::int32_t SzybkoscSymboli = 0; // Mbaud

    TStrumienie StrumienieWejsciowe; // every encoder display stream; the last lanes are the line signals
    TStrumienie Zaklocenia;          // crosstalk sources' line signals
    TStrumienie StrumieniePoKanale;  // lanes after the channel, then (with regeneration) after the regenerator
    TStrumienie StrumienieWzm;       // lanes after the receive amplifier
    TStrumienie StrumienieZdekodowane; // decoded sequences; empty without the decoder
    TStrumienie Rozklady;            // the error distribution and its cumulative distribution
    double BER = 0.0;
    float NajwiekszyBlad = 0.0f;      // V
    float SzczytRozkladu = 0.0f;
    std::optional<double> UdzialBledow; // share of wrongly decoded time, with the decoder

    bool Regeneracja = false;

    // Lane i's line signal as sent (also the channel's input).
    TFltFltStrumien* Wyslany(std::int32_t i) const;
    // Lane i as received: after the regenerator when regeneration was on.
    TFltFltStrumien* Odebrany(std::int32_t i) const;
    // Lane i's code-symbol staircase, the decoder's reference.
    TFltFltStrumien* Wzorzec(std::int32_t i) const;
    TFltFltStrumien* Rozklad() const { return Rozklady[0].get(); }
    TFltFltStrumien* Dystrybuanta() const { return Rozklady[1].get(); }
};

// The progress controls lent to the libraries; any may be null.
struct TKontrolkiPostepu {
    TEtykietaPostepu* Etykieta = nullptr;
    TWskaznikPostepu* Czesciowy = nullptr; // the current step
    TWskaznikPostepu* Calkowity = nullptr; // the whole channel call
};

// Runs the simulation. flagaZakonczenia is the worker's termination flag, set by
// another thread; when it is set by the time the channel returns, the run releases
// what it made and returns null.
std::unique_ptr<TWynikSymulacji> Symuluj(const TUstawieniaSymulacji& ustawienia, std::uint8_t* flagaZakonczenia,
                                         const TKontrolkiPostepu& postep);

// Hides everything before x = L and after x = E - L (E: the stream's last visible x),
// moving each boundary point onto its cut along its segment.
void Przytnij(TFltFltStrumien& s, float L);
