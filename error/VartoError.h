// The error and regenerator library: the automatic gain of the received signals and the
// amplitude error against what was sent, with its distribution and a BER estimate.
// Everything returned is newly allocated and belongs to the caller.
#pragma once

#include <cstdint>

#include "VartoEksport.h"
#include "Vartostream.h"

// The progress controls the program lends to the libraries (platform/Postep.h); this
// library accepts them and leaves them alone.
class TEtykietaPostepu;
class TWskaznikPostepu;

// The error distribution of one measurement. The record and its two streams belong to the caller.
struct WynikBledow {
    TFltFltStrumien* Rozklad;      // x: lower edge of the bin (V), y: share of the errors in it
    TFltFltStrumien* Dystrybuanta; // x: lower edge of the bin (V), y: share of the errors in it or above
    double BER;                    // ½ erfc(B / (ē √2)); 0 when the mean error ē is 0
    float NajwiekszyBlad;          // V; the x range of both distributions, 0 when every error was 0
    float SzczytRozkladu;          // largest share of any bin: the y range of the histogram
    std::int32_t Zarezerwowane;    // always 0
    std::int32_t LiczbaPrzedzialow; // elements of each distribution stream
};

// Scales each of the n received signals (wzorce: the transmitted line signals of the
// pairs, odebrane: what arrived, both borrowed) by its own gain, the ratio of the mean
// absolute amplitudes sent and received, and returns a new array of n new streams with
// the visible points of the received signals so scaled (x in symbol periods, y in V).
// A pair whose received signal is silent throughout keeps a gain of 1.
VARTO_EKSPORT TFltFltStrumien** ZwrocStrumienieWzm(TFltFltStrumien* const* wzorce, TFltFltStrumien* const* odebrane,
                                                   std::int32_t n, TEtykietaPostepu* etykieta,
                                                   TWskaznikPostepu* postepCzesciowy) VARTO_SYMBOL(ZwrocStrumienieWzm);

// Measures the amplitude error |received × gain − sent| at every visible received sample
// of the n pairs, pools the errors of all pairs and returns their histogram of
// rozdzielczosc + 1 bins (edges 0.001 × largest error apart) with its cumulative
// distribution, the largest error and the BER estimate for the decision distance
// odstepDecyzji (V, half the distance between neighbouring line levels).
// tlumienie0 (dB, the attenuation at the first characteristic point) affects no result.
VARTO_EKSPORT WynikBledow* ZwrocBledy(TFltFltStrumien* const* wzorce, TFltFltStrumien* const* odebrane, std::int32_t n,
                                      float odstepDecyzji, std::int32_t rozdzielczosc, std::int32_t tlumienie0,
                                      TEtykietaPostepu* etykieta, TWskaznikPostepu* postepCzesciowy)
    VARTO_SYMBOL(ZwrocBledy);
