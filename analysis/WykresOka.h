// What the eye chart shows of a run: the line overlay of every lane's eye stream or the
// density of all of them, and the markers of each lane's sampling instant and measured
// openings. The eye page and the command line fill their charts here alike.
#pragma once

#include <memory>
#include <vector>

#include "Symulacja.h"

class TWykres;

enum class TWidokOka {
    Linie,   // the traces folded at one symbol period, as the eye diagram always was
    Gestosc, // the density over two symbol periods with its colour scale
};

class TZawartoscOka {
public:
    // Sets the chart's axes and series for the run w in the view: the lanes' eye streams
    // are series 0 to n - 1 of the line overlay, the markers (with znaczniki) follow;
    // logarytmiczna picks the density's colour scale. The chart refers to w's streams and
    // counts from now on.
    void Pokaz(TWykres& wykres, const TWynikSymulacji& w, TWidokOka widok, bool logarytmiczna, bool znaczniki = true);
    // Every series of the chart lets go of what it drew: the run may be released.
    static void Zwolnij(TWykres& wykres);

private:
    // The markers' two-point streams the chart's series point at.
    std::vector<std::unique_ptr<TFltFltStrumien>> Znaczniki;
};
