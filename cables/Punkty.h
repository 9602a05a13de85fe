// Characteristics as the cable models and the Touchstone import hand them out: (MHz, dB)
// points in double precision, losses negative, and the arithmetic those lists share.
#pragma once

#include <cstddef>
#include <vector>

struct TPunktDb {
    double MHz;
    double dB; // gain; a loss is negative

    bool operator==(const TPunktDb&) const = default;
};
using TListaPunktow = std::vector<TPunktDb>;

// Three decimals, as every characteristic list of the program shows and stores its numbers.
double Zaokraglij(double wartosc);

// n frequencies (n >= 2) from odMHz to doMHz, both above 0, evenly spaced in log10 of the
// frequency; the ends are exact.
std::vector<double> SiatkaLogarytmiczna(double odMHz, double doMHz, std::size_t n);

// The list cut to at most `liczba` points keeping its shape: the point whose triangle with
// its two neighbours has the smallest area in (log10 f, dB) goes first. The ends always stay,
// and so does a point at 0 MHz, which counts towards `liczba`; so at least 2 points remain,
// 3 when the list starts at 0 MHz.
TListaPunktow Przerzedz(const TListaPunktow& punkty, std::size_t liczba);
