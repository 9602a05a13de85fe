// The line encoder library: bit sources and the line coders of the four standards.
// Everything returned is newly allocated and belongs to the caller.
#pragma once

#include <cstdint>
#include <string>

#include "VartoEksport.h"
#include "Vartostream.h"

// Type codes of the coders.
inline constexpr std::uint8_t KodTypu10BaseT = 0;
inline constexpr std::uint8_t KodTypu100BaseTX = 1;
inline constexpr std::uint8_t KodTypu100BaseTXBez4B5B = 2;
inline constexpr std::uint8_t KodTypu1000BaseT = 4;

// Encodes the first liczbaBitow of bity (each 0 or 1) with the coder of typ and hands
// out the display streams listed in numery: a new array of liczbaNumerow stream
// pointers, null for a number the coder lacks (all null for an unknown typ).
// poziom1 and poziom2 are line levels in volts (for 10BaseT poziom2 is the level of
// symbol 0, for the others poziom1 is the level of the lowest symbol); szybkosc is the
// symbol rate in Mbaud; nachylenie is the edge slope in mV/ns (not positive: vertical edges).
VARTO_EKSPORT TFltFltStrumien** ZwrocStrumienie(const std::int32_t* bity, std::int32_t liczbaBitow,
                                                const std::int32_t* numery, std::int32_t liczbaNumerow,
                                                std::uint8_t typ, float poziom1, float poziom2,
                                                std::int32_t szybkosc, float nachylenie)
    VARTO_SYMBOL(ZwrocStrumienie);

// Stores in *liczba how many display streams the coder of typ has and returns their
// names (a new array of that many strings; null and a count of 0 for an unknown typ).
VARTO_EKSPORT std::string* ZwrocTypyStrumieni(std::int32_t* liczba, std::uint8_t typ) VARTO_SYMBOL(ZwrocTypyStrumieni);

// A new array of n random bits (0 or 1), the generator seeded with the current time in
// whole seconds, so two calls within one second agree.
VARTO_EKSPORT std::int32_t* LosujStrumien(std::int32_t n) VARTO_SYMBOL(LosujStrumien);
