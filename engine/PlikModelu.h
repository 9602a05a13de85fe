// Characteristic model files (.att, .amp): the magic "LintaVOX" and a zero byte, a
// 32-bit point count, then (MHz, dB) float pairs, all little-endian.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "Charakterystyki.h"
#include "Liczby.h"

// The most points a model file may hold; a larger file is refused before it is read.
inline constexpr std::int32_t MaksPunktowModelu = 100000;

enum class TBladModelu {
    Brak,           // read or written
    Dostep,         // the file cannot be opened, read or written
    NieJestPlikiem, // a directory, FIFO or device: never opened
    ZaDuzy,         // longer than MaksPunktowModelu points can make it
    Format,         // wrong magic
    LiczbaPunktow,  // a count that is negative or does not match the file's length
    ZaMaloPunktow,  // fewer than two points
    Czestotliwosci, // a frequency negative, not finite, or not above the one before
    Wartosci,       // a gain outside WzmocnienieMin to WzmocnienieMax, or not a number
};

// The message the program's user sees for an error, in Polish or English.
std::string OpisBleduModelu(TBladModelu blad, TJezyk jezyk = TJezyk::Polski);

// Reads a model file into punkty; on any error punkty stays as it was, and powod (when
// given) receives one English line saying why, for the command line.
TBladModelu WczytajModel(const std::filesystem::path& plik, TCharakterystyka& punkty, std::string* powod = nullptr);

// Creates or overwrites plik with the points.
TBladModelu ZapiszModel(const std::filesystem::path& plik, const TCharakterystyka& punkty);
