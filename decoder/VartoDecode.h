// The decoder library: level decisions on the amplified received signals, and the share
// of decision instants at which the decoded symbols disagree with the sent ones.
// Everything returned is newly allocated and belongs to the caller.
#pragma once

#include <cstdint>

#include "VartoEksport.h"
#include "Vartostream.h"

// The progress controls the program lends to the libraries (platform/Postep.h); this
// library accepts them and leaves them alone.
class TEtykietaPostepu;
class TWskaznikPostepu;

// Decides a symbol at every visible point of each of the liczba signals (borrowed; x in
// symbol periods, y in V) and returns a new array of liczba new staircases (x as in the
// signal, y the symbol) with an extra point at every change, so changes draw as edges.
// The symbols najnizszy … najwyzszy, in descending order when malejaco is not 0, sit at
// levels spread evenly from pierwszyPoziom to ostatniPoziom (V); an amplitude decides the
// nearest level, one exactly half-way the higher level. szybkosc (Mbaud) affects no result.
VARTO_EKSPORT TFltFltStrumien** DekodujStrumienie(TFltFltStrumien* const* sygnaly, std::int32_t liczba,
                                                  float pierwszyPoziom, float ostatniPoziom, std::int32_t najnizszy,
                                                  std::int32_t najwyzszy, std::uint8_t malejaco, float szybkosc,
                                                  TEtykietaPostepu* etykieta, TWskaznikPostepu* postepCzesciowy)
    VARTO_SYMBOL(DekodujStrumienie);

// The mean over liczba pairs of the share (0 … 1) of decoded points (zdekodowane, from
// DekodujStrumienie) whose symbol differs from the sent code-symbol staircase (wyslane)
// at the same time; the second point of a vertical edge is not compared but counts.
// A decoded stream without points, or a count of 0, gives 0.
VARTO_EKSPORT double ZwrocBlad(TFltFltStrumien* const* zdekodowane, TFltFltStrumien* const* wyslane,
                               std::int32_t liczba, TEtykietaPostepu* etykieta, TWskaznikPostepu* postepCzesciowy)
    VARTO_SYMBOL(ZwrocBlad);
