// The settings of one run as the settings page, the command line and saved analyses
// describe it, and the one check of every limit those settings must meet.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Charakterystyki.h"
#include "ImportTouchstone.h"
#include "Kable.h"
#include "Standardy.h"

// Where the bits of the lanes come from; the values are the positions in the source list.
// The pseudo-random sequences follow the ITU-T O.150 polynomials and start where the
// run's seed puts them.
enum class TZrodloBitow { Losowe = 0, Zera = 1, Jedynki = 2, Prbs7 = 3, Prbs9 = 4, Prbs15 = 5, Prbs23 = 6, Prbs31 = 7 };
inline constexpr int LiczbaZrodelBitow = 8;

// Impairments, all off by default so that a run without them is the run it always was.
// Their random draws come from the run's seed, apart from the bits' draws.
struct TSzumIDrzenie {
    // Additive white Gaussian noise on what reaches the receive amplifier, given either as
    // a signal-to-noise ratio (the signal's variance over the noise's, per lane) in dB or
    // as an RMS voltage in mV; at most one of the two.
    std::optional<double> SnrDb;
    std::optional<double> SzumMv;
    // RMS random jitter of the lanes' transmitted edges, ps: each transition moved by a
    // normal deviate. 0: none.
    double DrzeniePs = 0.0;
};
inline constexpr double SnrMinDb = -20.0;
inline constexpr double SnrMaxDb = 100.0;
inline constexpr double SzumMaxMv = 10000.0; // 10 V RMS, four times the widest swing of any standard

// Which of the three channel lists a cable preset or a Touchstone file supplied.
struct TListyZrodla {
    bool Tlumienie = false;
    bool Przesluchy = false;
    bool Echo = false;

    bool Jakiekolwiek() const { return Tlumienie || Przesluchy || Echo; }
    bool operator==(const TListyZrodla&) const = default;
};

// A cable preset that made some of the run's characteristics.
struct TKabelPochodzenia {
    TParametryKabla Kabel;
    TListyZrodla Listy;

    bool operator==(const TKabelPochodzenia&) const = default;
};

// A Touchstone file that made some of the run's characteristics, and how it was read.
struct TTouchstonePochodzenia {
    std::string Plik;
    std::optional<TKolejnoscPortow> Porty; // for four- and eight-port files
    TPonizejPomiaru PonizejPomiaru = TPonizejPomiaru::Dopasowanie;
    std::size_t LiczbaPunktow = DomyslnaLiczbaPunktow;
    TListyZrodla Listy;

    bool operator==(const TTouchstonePochodzenia&) const = default;
};

// Where the inputs came from, recorded beside the results: the files they were read from
// (empty when not from a file), and the cable preset or Touchstone file that made lists.
struct TPochodzenie {
    std::string PlikTlumienia, PlikPrzesluchow, PlikEcha, PlikRegeneracji;
    std::string PlikBitow, PlikBitowZaklocen;
    std::optional<TKabelPochodzenia> Kabel;
    std::optional<TTouchstonePochodzenia> Touchstone;
};

struct TUstawieniaSymulacji {
    int Standard = 1;                   // position in Standardy
    std::int32_t LiczbaBitow = 100;     // bits asked for, before the guard bits
    std::int32_t Szybkosc = 100;        // bit rate, Mbps
    float Nachylenie = 5000.0f;         // edge slope, mV/ns
    std::int32_t PrzesuniecieEcha = 0;  // ns
    TZrodloBitow Zrodlo = TZrodloBitow::Losowe;
    // Random bits (the lanes' and the crosstalk source's) come from this seed; a run
    // without one draws it from the clock and records it in its result.
    std::optional<std::uint32_t> Ziarno;
    bool Przesluchy = true;
    bool Echo = true;
    bool Regeneracja = true;
    bool Dekoder = true;
    bool Adaptacyjny = false;           // the regenerator mirrors the attenuation
    TCharakterystykiKanalu Charakterystyki = DomyslneCharakterystyki();
    // Explicit bit sequences used instead of the source above and of the crosstalk
    // source's random bits; each must hold at least the encoded bit count.
    std::optional<std::vector<std::int32_t>> Bity;
    std::optional<std::vector<std::int32_t>> BityZaklocen;
    TPochodzenie Pochodzenie;
    TSzumIDrzenie SzumIDrzenie;
};

// A new analysis of the standard: its default rate and slope, everything else as above.
TUstawieniaSymulacji DomyslneUstawienia(int standard);

// The characteristic the regenerator's filter is built from: the mirror of the
// attenuation in adaptive mode, the regeneration list otherwise.
const TCharakterystyka& CharakterystykaRegeneracji(const TUstawieniaSymulacji& u, TCharakterystyka& lustro);

// Bits encoded by a run: the bits asked for and the standard's guard bits.
std::int32_t BityKodowane(const TUstawieniaSymulacji& u);

enum class TPoleUstawien {
    Standard,
    LiczbaBitow,
    Szybkosc,
    Nachylenie,
    PrzesuniecieEcha,
    Tlumienie,
    Przesluchy,
    Echo,
    Wzmocnienie,
    Bity,
    BityZaklocen,
    Snr,
    SzumMv,
    DrzeniePs,
};

// The inclusive limits of a whole-number setting for a standard.
struct TZakres {
    std::int64_t Min;
    std::int64_t Max;
};
// maksBitow: the largest bit count the caller allows (the settings page keeps LiczbaBitowMax,
// the command line LiczbaBitowMaxWiersza).
TZakres ZakresPola(TPoleUstawien pole, int standard, std::int32_t maksBitow = LiczbaBitowMax);

// The inclusive limits of a real-valued setting (Snr in dB, SzumMv in mV, DrzeniePs in ps);
// the jitter's limit, half a code symbol (a half bit's half for 10BaseT), follows the
// standard and its bit rate szybkosc (Mbps).
struct TZakresRzeczywisty {
    double Min;
    double Max;
};
TZakresRzeczywisty ZakresPolaRzeczywistego(TPoleUstawien pole, int standard, std::int32_t szybkosc);

// One violated limit: the setting and a one-line English reason ("a whole number from
// 100 to 1000"), to be prefixed with the setting's name by the caller.
struct TNaruszenie {
    TPoleUstawien Pole;
    std::string Powod;
};

// Every violated limit of u, in the order of TPoleUstawien; empty when u can run.
std::vector<TNaruszenie> SprawdzUstawienia(const TUstawieniaSymulacji& u, std::int32_t maksBitow = LiczbaBitowMax);
