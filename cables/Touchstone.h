// Touchstone S-parameter files, versions 1.x and 2.0, read into complex matrices, and the
// mixed-mode (differential) view of single-ended four- and eight-port data.
#pragma once

#include <complex>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Liczby.h"


// Why a file (or its import) was refused.
enum class TWadaTouchstone {
    PlikNieRegularny,    // not a regular file
    PlikZaDuzy,          // larger than any Touchstone file the import takes
    PlikNieczytelny,     // missing or unreadable
    Binarny,             // a byte no text file holds
    Pusty,               // no network data
    Opcja,               // an option-line word outside the format
    OpcjaPoDanych,       // the option line after the first data
    Parametr,            // Y, Z, H or G parameters instead of S
    NieLiczba,           // a word where a number belongs
    LiczbaKolumn,        // a line with more numbers than the frequency point needs
    Niepelny,            // the file ends inside a frequency point
    Czestotliwosci,      // a frequency negative or not above the one before
    PortyNieznane,       // a version 1 file not named .sNp
    PortyNiezgodne,      // [Number of Ports] and the .sNp name disagree
    PortyNieobslugiwane, // a port count the import does not take
    SlowoNieznane,       // an unknown [keyword]
    SlowoNiedozwolone,   // a keyword out of place, or in a version 1 file
    SlowoBrak,           // a keyword the file needs is missing
    SlowoWartosc,        // a keyword with a wrong value
    Wersja,              // a [Version] other than 2.0 or 2.1
    LiczbaCzestotliwosci,// [Number of Frequencies] disagrees with the data
    MixedMode,           // data already in mixed-mode order
    PonizejFiltru,       // fewer than two frequencies at or below the filter's highest
    KolejnoscPortow,     // a four- or eight-port file without the port order
};

// A refusal: the kind, the line it was found on (1-based; 0 for the file as a whole) and
// the words or numbers its message quotes.
struct TBladTouchstone {
    TWadaTouchstone Wada = TWadaTouchstone::Pusty;
    std::size_t Linia = 0;
    std::string Szczegol;      // the offending word, keyword or value
    std::size_t Znaleziono = 0; // a count found in the file
    std::size_t Oczekiwano = 0; // the count the file should have had
};

// One line for the user, naming the line of the file when there is one.
std::string OpisBleduTouchstone(const TBladTouchstone& blad, TJezyk jezyk);

enum class TFormatTouchstone { MA, DB, RI };

struct TDaneTouchstone {
    int Wersja = 1; // 1 for 1.x, 2 for 2.0 and 2.1
    int LiczbaPortow = 0;
    TFormatTouchstone Format = TFormatTouchstone::MA;
    double Rezystancja = 50.0; // reference resistance of the option line, Ω
    std::vector<double> CzestotliwosciMHz;
    // N×N per frequency, row-major: S_ij of frequency k at k·N·N + (i−1)·N + (j−1).
    std::vector<std::complex<double>> S;

    // S_ij (ports from 1) at frequency k.
    std::complex<double> Element(std::size_t k, int i, int j) const;
};

// tekst: the whole file; nazwa: its name, whose .sNp ending gives a version 1 file its
// port count. On any fault the result is empty and blad says where and why.
std::optional<TDaneTouchstone> ParsujTouchstone(std::string_view tekst, std::string_view nazwa, TBladTouchstone& blad);

// The same from a file, read only when it is a regular file of a sane size.
std::optional<TDaneTouchstone> CzytajTouchstone(const std::filesystem::path& plik, TBladTouchstone& blad);

// How the single-ended ports of one pair are numbered: the line from port 1 goes to port 2
// and from 3 to 4 ("13-24": the pair's near end is ports 1,3, its far end 2,4), or from 1 to
// 3 and from 2 to 4 ("12-34": near end 1,2, far end 3,4). In an eight-port file ports 1–4
// are the first pair and 5–8 the second, each numbered the same way.
enum class TKolejnoscPortow { P13_24, P12_34 };
std::string_view NazwaKolejnosci(TKolejnoscPortow kolejnosc); // "13-24", "12-34"
std::optional<TKolejnoscPortow> KolejnoscZNazwy(std::string_view nazwa);

// The differential S-parameter Sdd_pq at frequency k between differential ports p and q:
// 1 is the first pair's near end, 2 its far end, 3 and 4 the same of the second pair.
// Sdd_pq = ½ (S_p+q+ − S_p+q− − S_p−q+ + S_p−q−), the first port of each end taken as "+".
std::complex<double> Sdd(const TDaneTouchstone& dane, std::size_t k, int p, int q, TKolejnoscPortow kolejnosc);
