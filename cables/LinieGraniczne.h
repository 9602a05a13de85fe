// The link limits of the Ethernet standards, drawn beside a characteristic so a user sees at
// a glance whether the cable passes: point lists as the characteristics themselves hold them.
#pragma once

#include "Punkty.h"

enum class TStandardLinii { Standard10BaseT, Standard100BaseTX, Standard1000BaseT };

// Each list is the limit as a gain (a loss negative) over the frequencies where the
// standard states it; an empty list means the standard sets no such limit.
struct TLinieGraniczne {
    TListaPunktow Tlumienie;  // highest insertion loss allowed
    TListaPunktow Przesluchy; // lowest NEXT loss allowed
    TListaPunktow Echo;       // lowest return loss allowed
};

TLinieGraniczne LinieGraniczne(TStandardLinii standard);
