// Touchstone data made into the characteristics of a run: magnitudes in dB over MHz, cut to
// the filter's range, carried down to 0 MHz, thinned, and a summary of every step taken.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "Punkty.h"
#include "Touchstone.h"

// What the attenuation does below the file's lowest frequency. Echo and crosstalk are
// always held at their lowest-frequency values, as no cable law says otherwise.
enum class TPonizejPomiaru {
    Dopasowanie, // a + b·√f + c·f dB fitted to the lowest decade of the data, never above 0 dB
    Stala,       // the lowest frequency's gain held down to 0 MHz
};
std::string_view NazwaPonizejPomiaru(TPonizejPomiaru tryb); // "fit", "flat"
std::optional<TPonizejPomiaru> PonizejPomiaruZNazwy(std::string_view nazwa);

inline constexpr std::size_t DomyslnaLiczbaPunktow = 400;
// Imported levels are kept within the editor's range of losses, 0 to 100 dB.
inline constexpr double NajnizszyPoziomDb = -100.0;

struct TOpcjeImportu {
    std::optional<TKolejnoscPortow> Porty; // needed for four- and eight-port files only
    TPonizejPomiaru PonizejPomiaru = TPonizejPomiaru::Dopasowanie;
    std::size_t LiczbaPunktow = DomyslnaLiczbaPunktow; // most points a list keeps (at least 2)
    double FMaxFiltruMHz = 200.0; // the filter's highest frequency at the run's rate
};

// What the attenuation list got below the file's lowest frequency.
enum class TDoprowadzenieDC {
    Brak,               // the data start at 0 MHz
    Dopasowanie,        // the fitted curve
    Stala,              // held flat, as asked
    StalaZaMaloPunktow, // held flat: fewer than three points to fit
};

struct TImportowanaLista {
    TListaPunktow Punkty;                // gains in dB, three decimals, from 0 MHz
    std::string Parametr;                // "S21", "Sdd21", "S11", "Sdd11", "Sdd31"
    std::size_t PrzedPrzerzedzeniem = 0; // points before thinning
};

struct TPodsumowanieImportu {
    std::string Plik; // the file's name
    int Wersja = 1;
    int LiczbaPortow = 0;
    double Rezystancja = 50.0; // Ω
    std::optional<TKolejnoscPortow> Porty;
    std::size_t Czestotliwosci = 0; // in the file
    double OdMHz = 0.0, DoMHz = 0.0;
    std::size_t PowyzejFiltru = 0; // frequencies above the filter's highest, dropped
    double FMaxFiltruMHz = 0.0;
    std::size_t Scalone = 0;   // frequencies equal at three decimals, merged into the first
    std::size_t Przyciete = 0; // levels above 0 dB or below −100 dB brought to the nearer end
    double PierwszaMHz = 0.0;  // the lowest frequency kept from the file
    TDoprowadzenieDC DoprowadzenieDC = TDoprowadzenieDC::Brak;
    double WzmocnienieDC = 0.0; // dB at 0 MHz of the attenuation (of the echo in a one-port file)
    std::size_t LiczbaPunktow = 0; // the thinning limit used
};

struct TWynikImportu {
    std::optional<TImportowanaLista> Tlumienie;  // S21 or Sdd21
    std::optional<TImportowanaLista> Echo;       // S11 or Sdd11
    std::optional<TImportowanaLista> Przesluchy; // Sdd31: the second pair's near end from the first's
    TPodsumowanieImportu Podsumowanie;
};

// The parameter each list comes from in a file of this many ports ("S21", "Sdd21", "S11",
// "Sdd11", "Sdd31"); empty for a list such a file does not give, and for every list of a
// port count the import does not take.
struct TParametryImportu {
    std::string Tlumienie;
    std::string Echo;
    std::string Przesluchy;
};
TParametryImportu ParametryImportu(int liczbaPortow);

// The lists a file holds: a one-port file echo only; a two-port file taken as already
// differential, attenuation and echo; a four-port file in mixed mode, attenuation and echo of
// its pair; an eight-port file also the near-end coupling between its two pairs. On any
// fault the result is empty and blad says why. plik: the name the summary shows.
std::optional<TWynikImportu> ImportujTouchstone(const TDaneTouchstone& dane, std::string_view plik,
                                                const TOpcjeImportu& opcje, TBladTouchstone& blad);
std::optional<TWynikImportu> ImportujTouchstone(const std::filesystem::path& plik, const TOpcjeImportu& opcje,
                                                TBladTouchstone& blad);

// The summary for the user, a few lines: what came from where, what was dropped, merged,
// clamped or thinned, and how the attenuation reaches 0 MHz with its gain there.
std::string OpisImportu(const TWynikImportu& wynik, TJezyk jezyk);
