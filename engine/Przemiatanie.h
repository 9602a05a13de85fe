// A sweep: a run for every combination of a few settings' values on one base analysis, and
// a table row per run whose columns carry the names the result document gives the settings
// and figures. Free of any toolkit; the command line drives it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "Ustawienia.h"

// The settings a sweep can vary, in the order a run's settings are made from them: the
// standard first, since it brings its own default rate and slope.
enum class TOsPrzemiatania {
    Standard,
    Bity,
    Szybkosc,
    Nachylenie,
    PrzesuniecieEcha,
    Zrodlo,
    Ziarno,
    Snr,
    SzumMv,
    DrzeniePs,
    Kategoria,
    Dlugosc,
    Temperatura,
};

struct TOpisOsi {
    TOsPrzemiatania Os;
    std::string_view Nazwa; // the column, and the axis in a sweep file: the setting's name in the JSON
    std::string_view Opcja; // the command line's option, without the dashes
    std::string_view Jednostka; // of its values, for captions; empty for counts and names
};
std::span<const TOpisOsi> OpisyOsi();
const TOpisOsi& OpisOsi(TOsPrzemiatania os);
std::optional<TOsPrzemiatania> OsZNazwy(std::string_view nazwa);
std::optional<TOsPrzemiatania> OsZOpcji(std::string_view opcja);
// Every axis name, for messages: "standard, bits, rate, … or temperature".
std::string NazwyOsi();

// A value of an axis: a whole number (bits, rate, slope, echo delay, seed), a real number
// (dB, mV, ps, m, °C) or a name (standard, source, cable category).
using TWartoscOsi = std::variant<std::int64_t, double, std::string>;
// The value as the rows and the command line write it ("300", "8.5", "100BaseTX").
std::string TekstWartosci(const TWartoscOsi& w);

// The values of an axis written as the command line and a sweep file take them: items parted
// by commas, each a value or a range "from:to:step" (the step's sign going from "from" towards
// "to", "to" included when a step lands on it) or "from..to" (step 1); names for the standard
// ("all" for the four), the source and the cable category. Reals use '.'. Empty, with the
// reason in blad, for an empty list or item, a zero or wrong-signed step, a value that is not
// a number (or not whole where the setting is), an unknown name or a value given twice.
std::optional<std::vector<TWartoscOsi>> ParsujWartosci(TOsPrzemiatania os, std::string_view tekst, std::string& blad);
// The same from a sweep file: a text as above, or a list of numbers and texts.
std::optional<std::vector<TWartoscOsi>> WartosciZJson(TOsPrzemiatania os, const nlohmann::json& wartosci,
                                                      std::string& blad);

struct TOsZWartosciami {
    TOsPrzemiatania Os;
    std::vector<TWartoscOsi> Wartosci;
};

// Why a run of the sweep cannot be made: the axis at fault (none when a setting that is not
// swept fails with it) and one English line.
struct TBladPrzemiatania {
    std::optional<TOsPrzemiatania> Os;
    std::string Powod;
};

inline constexpr std::size_t NajwiecejPrzebiegow = 100000;

class TPrzemiatanie {
public:
    // baza: the settings every run starts from (a swept cable setting needs a cable there);
    // osie: each axis once, in the order given, the first varying slowest.
    TPrzemiatanie(TUstawieniaSymulacji baza, std::vector<TOsZWartosciami> osie);

    const std::vector<TOsZWartosciami>& Osie() const { return OsieWartosci; }
    std::size_t LiczbaPrzebiegow() const;
    // The position of each axis's value in run i (0 to LiczbaPrzebiegow() − 1).
    std::vector<std::size_t> Pozycje(std::size_t i) const;

    // Whatever makes the sweep impossible as a whole: too many runs, an axis given twice or
    // without a value, a cable axis without a cable.
    std::optional<TBladPrzemiatania> Sprawdz() const;
    // The settings of run i: the base with the run's values, the standard's default rate and
    // slope when the standard changes, and the cable's or Touchstone file's lists made again
    // for the run's standard and rate; checked as SprawdzUstawienia checks them (bits up to
    // the command line's limit). A fault names the axis and the run's other values.
    std::optional<TUstawieniaSymulacji> Ustawienia(std::size_t i, TBladPrzemiatania& blad) const;

    // The column names: the axes, "seed" when it is not one of them, then the figures.
    std::vector<std::string> Naglowek() const;
    // The cells of a row from a run's result document: each axis's value, the seed, the figures.
    std::vector<std::string> Wiersz(const nlohmann::json& wynik) const;
    // The cells that tell run i's row from the others: its axis values as Wiersz gives them.
    std::vector<std::string> Klucz(const TUstawieniaSymulacji& u) const;

private:
    TUstawieniaSymulacji Baza;
    std::vector<TOsZWartosciami> OsieWartosci;
};

