// The four channel characteristics of an analysis: lists of (frequency MHz, gain dB)
// points, losses negative, and the defaults every new analysis starts from.
#pragma once

#include <string>
#include <vector>

#include "Vartostream.h"

using TCharakterystyka = std::vector<TPunkt>;

struct TCharakterystykiKanalu {
    TCharakterystyka Tlumienie;
    TCharakterystyka Przesluchy;
    TCharakterystyka Echo;
    TCharakterystyka Wzmocnienie; // the regenerator's amplifier, gains positive
};

TCharakterystykiKanalu DomyslneCharakterystyki();

// The gains a characteristic may hold, dB. One filter's arithmetic breaks only far beyond
// them (its single-precision amplitude sum overflows from about +640 dB, its amplitudes
// vanish below about -900 dB), but a run chains up to four filters, each fed the output of
// the one before (attenuation, echo, crosstalk, regenerator). At ±150 dB each, a signal is
// scaled by at most 10^±30, which leaves single-precision samples (normal from 1e-38 to
// 3e38) 10^8 of headroom for the running sums over a stream; four filters of +193 dB
// already overflow.
inline constexpr float WzmocnienieMin = -150.0f;
inline constexpr float WzmocnienieMax = 150.0f;

// What makes a point list unusable for a filter; Brak when it is usable.
enum class TWadaCharakterystyki {
    Brak,
    ZaMaloPunktow,  // fewer than two points
    Czestotliwosci, // a frequency negative, not finite, or not above the one before
    Wartosci,       // a gain outside WzmocnienieMin to WzmocnienieMax, or not a number
};
TWadaCharakterystyki SprawdzCharakterystyke(const TCharakterystyka& punkty);

// The defect as one English phrase completing "the list ...": "needs at least two points".
std::string OpisWadyCharakterystyki(TWadaCharakterystyki wada);

// The amplifier that mirrors the line: every attenuation point with its gain negated.
TCharakterystyka Lustro(const TCharakterystyka& tlumienie);

// A characteristic into the point stream the channel library and the charts read, and back.
void UstawPunkty(TFltFltStrumien& strumien, const TCharakterystyka& punkty);
TCharakterystyka PunktyStrumienia(TFltFltStrumien& strumien);
