// Characteristics made rather than typed or loaded: cable presets, Touchstone files and the
// standards' limit lines, sized to the run's filter and recorded in its settings. The
// characteristic editor and the command line both go through these calls.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "ImportTouchstone.h"
#include "Kable.h"
#include "Ustawienia.h"

// The highest frequency, MHz, that the channel's filter represents at the standard's bit
// rate mbps: where a made characteristic ends.
float NajwyzszaCzestotliwoscFiltru(int standard, std::int32_t mbps);

// The cable library's points as a characteristic (floats, losses negative).
TCharakterystyka JakoCharakterystyka(const TListaPunktow& punkty);

// The three lists of a cable preset at the standard's rate, as the cable dialog shows them.
struct TListyKabla {
    TCharakterystyka Tlumienie;
    TCharakterystyka Przesluchy;
    TCharakterystyka Echo;
};
TListyKabla ListyKabla(const TParametryKabla& kabel, int standard, std::int32_t mbps);

// Puts the preset's lists named in `ktore` into u, at u's standard and rate; in adaptive mode
// the regenerator mirrors the new attenuation. u records the cable for those lists and
// forgets the files or the Touchstone import they replace.
void UstawKabel(TUstawieniaSymulacji& u, const TParametryKabla& kabel, TListyZrodla ktore = {true, true, true});

// What a Touchstone file gave for a run: its lists, the summary for the user, and how it
// was read (Pochodzenie.Listy names every list the file gave).
struct TImportCharakterystyk {
    std::optional<TCharakterystyka> Tlumienie;
    std::optional<TCharakterystyka> Przesluchy;
    std::optional<TCharakterystyka> Echo;
    std::string Opis;
    TTouchstonePochodzenia Pochodzenie;
};

// Reads and imports the file for the standard at rate mbps (the filter's highest frequency
// is set here; the rest of `opcje` is the user's). Empty on any fault, with blad one line
// in the language asked for; nothing of the file is kept then.
std::optional<TImportCharakterystyk> ImportujCharakterystyki(const std::filesystem::path& plik, TOpcjeImportu opcje,
                                                             int standard, std::int32_t mbps, TJezyk jezyk,
                                                             std::string& blad);

// The same from data already read from the file plik (its name and path go into the
// summary and the record).
std::optional<TImportCharakterystyk> ImportujCharakterystyki(const TDaneTouchstone& dane,
                                                             const std::filesystem::path& plik, TOpcjeImportu opcje,
                                                             int standard, std::int32_t mbps, TJezyk jezyk,
                                                             std::string& blad);

// Puts the imported lists named in `ktore` (and given by the file) into u; in adaptive mode
// the regenerator mirrors the new attenuation. u records the file for those lists and
// forgets the model files or the cable preset they replace.
void UstawImport(TUstawieniaSymulacji& u, const TImportCharakterystyk& import, TListyZrodla ktore = {true, true, true});

// A run's options may name a cable and a Touchstone file together: of the lists named in
// `wolne` (those no model file or typed points gave), the file gives what it has and the
// cable the rest.
void UstawZrodla(TUstawieniaSymulacji& u, const std::optional<TParametryKabla>& kabel,
                 const std::optional<TImportCharakterystyk>& import, TListyZrodla wolne);

// The lists named in `ktore` now come from somewhere else (a model file, points typed by
// hand): their files are forgotten, and a cable or a Touchstone file that no longer
// supplies any list is dropped from the record.
void ZapomnijZrodla(TPochodzenie& z, TListyZrodla ktore);

// Makes again, at u's standard and rate, every list that u's cable preset or Touchstone file
// gave (after either of those or the cable's parameters changed), as the first making did.
// Empty, or one English line saying why the file could not be read again.
std::string OdnowCharakterystykiZrodel(TUstawieniaSymulacji& u);

// The standard's link limits as characteristics, for the dashed "Limit" series of the
// characteristic charts; an empty list where the standard sets none. Both 100BaseTX
// standards share the Category 5 channel.
struct TLinieStandardu {
    TCharakterystyka Tlumienie;
    TCharakterystyka Przesluchy;
    TCharakterystyka Echo;
};
TLinieStandardu LinieGraniczneStandardu(int standard);
