// Bit files: text of the characters 0 and 1, with blanks and line breaks anywhere.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The largest bit file read: four million characters, far more than any run encodes.
inline constexpr std::uintmax_t MaksBajtowPlikuBitow = std::uintmax_t{4} << 20;

// The bits of plik in order; empty and blad set (one line, English) when the file cannot
// be read or holds another character.
std::optional<std::vector<std::int32_t>> WczytajBity(const std::filesystem::path& plik, std::string& blad);
