// The analysis document as JSON: the one writer and reader of settings and results that
// the desktop program's analysis files, the command line's results and every other caller
// share. docs/analysis.schema.json describes it; README.md tells how to read it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "Liczby.h"
#include "Symulacja.h"

// The largest analysis file read: a run of tens of thousands of bits with every stream.
// The streams of longer runs are left out (the command line's --no-streams).
inline constexpr std::uintmax_t MaksRozmiarAnalizy = std::uintmax_t{256} << 20;

// The name in a document's "format" and the version this program writes. A document of
// any version up to it reads; a newer one is refused, since an older program would
// misread it. Members a reader does not know are left alone, so what a later version only
// adds (the "eye" slot of the results, for one) keeps the version.
inline constexpr const char* NazwaFormatuAnalizy = "lintavox-analysis";
inline constexpr std::int64_t WersjaFormatuAnalizy = 1;

// The document of the settings u and, when w is given, of the run w with those settings:
// every figure and, with strumienie, every stream; its sentences in jezyk.
nlohmann::json AnalizaJson(const TUstawieniaSymulacji& u, const TWynikSymulacji* w = nullptr, bool strumienie = true,
                           TJezyk jezyk = TJezyk::Polski);
// The document of a run with its results, as the command line writes it.
nlohmann::json WynikJson(const TWynikSymulacji& w, bool strumienie = true, TJezyk jezyk = TJezyk::Polski);

// Every member of the settings, effects and characteristics (and the standard) where the
// analysis document po differs from przed, as {"member": "settings.rate", "file_value":
// przed's value}, in przed's order. Lists count as one member each.
nlohmann::json RozniceAnaliz(const nlohmann::json& przed, const nlohmann::json& po);

// What a document holds: the settings, and the results of their run when it was saved
// with them (streams and all, or the figures alone: TWynikSymulacji::MaPrzebiegi).
struct TAnaliza {
    TUstawieniaSymulacji Ustawienia;
    std::unique_ptr<TWynikSymulacji> Wynik;
};

// Why a document could not be read.
struct TBladAnalizy {
    enum class TRodzaj {
        Dostep,       // the file cannot be opened or read
        NieZwykly,    // a directory, FIFO or device: never opened
        ZaDuzy,       // larger than MaksRozmiarAnalizy
        BrakPamieci,  // too large for the memory at hand
        Pusty,        // the file holds nothing
        Skladnia,     // not JSON: binary, cut short, or broken
        NieAnaliza,   // JSON, but not an analysis document
        NowszaWersja, // written by a newer program: Wersja
        Wartosc,      // a member missing, of the wrong type or out of its limits: Pole
    };
    TRodzaj Rodzaj = TRodzaj::Wartosc;
    std::string Opis;       // one English line for the command line: "settings.rate: a whole number from 100 to 500"
    std::string Pole;       // the member at fault, as a path: "settings.rate", "results.lanes[1].received"
    std::int64_t Wersja = 0;
};

// The message the desktop program shows for the error, in Polish or English.
std::string OpisBleduAnalizy(const TBladAnalizy& blad, TJezyk jezyk = TJezyk::Polski);

// Reads a parsed document. Every member is checked: types, the limits of every setting as
// SprawdzUstawienia has them (bit counts up to maksBitow), the point lists as a model file's,
// and the results against the settings (lanes, streams, figures). On any fault nothing is
// returned and blad names the first.
std::optional<TAnaliza> AnalizaZJson(const nlohmann::json& dokument, TBladAnalizy& blad,
                                     std::int32_t maksBitow = LiczbaBitowMaxWiersza);

// Reads an analysis file through the platform's safe reader (a regular file of at most
// MaksRozmiarAnalizy bytes), parses it and checks it as AnalizaZJson does.
std::optional<TAnaliza> WczytajAnalize(const std::filesystem::path& plik, TBladAnalizy& blad,
                                       std::int32_t maksBitow = LiczbaBitowMaxWiersza);

// Writes the document to plik through a temporary beside it and an atomic rename, so a
// failure part way (a full disk, a crash) leaves the file that was there as it was.
// Returns empty, or one English line naming the file and why.
std::string ZapiszAnalize(const std::filesystem::path& plik, const nlohmann::json& dokument);

// The source's name in the document and on the command line: random, zeros, ones, prbs7, ...
const char* NazwaZrodla(TZrodloBitow zrodlo);
std::optional<TZrodloBitow> ZrodloZNazwy(const std::string& nazwa);
// Every source name, for messages: "random, zeros, ones, prbs7, prbs9, prbs15, prbs23 or prbs31".
std::string NazwyZrodel();

// The member path of a setting as the document names it ("settings.rate",
// "characteristics.attenuation"), for messages that point into a document.
const char* SciezkaPola(TPoleUstawien pole);
