// The four channel characteristics of an analysis: lists of (frequency MHz, gain dB)
// points, losses negative, and the defaults every new analysis starts from.
#pragma once

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

// What makes a point list unusable for a filter; Brak when it is usable.
enum class TWadaCharakterystyki {
    Brak,
    ZaMaloPunktow,  // fewer than two points
    Czestotliwosci, // a frequency negative, not finite, or not above the one before
    Wartosci,       // a gain that is not finite
};
TWadaCharakterystyki SprawdzCharakterystyke(const TCharakterystyka& punkty);

// The amplifier that mirrors the line: every attenuation point with its gain negated.
TCharakterystyka Lustro(const TCharakterystyka& tlumienie);

// A characteristic into the point stream the channel library and the charts read, and back.
void UstawPunkty(TFltFltStrumien& strumien, const TCharakterystyka& punkty);
TCharakterystyka PunktyStrumienia(TFltFltStrumien& strumien);
