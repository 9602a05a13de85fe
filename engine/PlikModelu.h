// Characteristic model files (.att, .amp): the magic "LintaVOX" and a zero byte, a
// 32-bit point count, then (MHz, dB) float pairs, all little-endian.
#pragma once

#include <filesystem>
#include <string>

#include "Charakterystyki.h"

enum class TBladModelu {
    Brak,           // read or written
    Dostep,         // the file cannot be opened, read or written
    Format,         // wrong magic
    LiczbaPunktow,  // a count that is negative or does not match the file's length
    ZaMaloPunktow,  // fewer than two points
    Czestotliwosci, // a frequency negative, not finite, or not above the one before
    Wartosci,       // a gain that is not finite
};

// The message the user sees for an error.
std::string OpisBleduModelu(TBladModelu blad);

// Reads a model file into punkty; on any error punkty stays as it was.
TBladModelu WczytajModel(const std::filesystem::path& plik, TCharakterystyka& punkty);

// Creates or overwrites plik with the points.
TBladModelu ZapiszModel(const std::filesystem::path& plik, const TCharakterystyka& punkty);
