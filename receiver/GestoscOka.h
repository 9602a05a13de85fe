// The density eye: every trace of the eye diagram folded over two symbol periods and
// accumulated into a grid of counts, time across and voltage up.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// At least this fine, so that the density shows as much as the line overlay.
inline constexpr std::int32_t KolumnyGestosci = 400;
inline constexpr std::int32_t WierszeGestosci = 300;

class TGestoscOka {
public:
    // A grid over x from 0 to okres (the traces fold at its multiples, in the unit of their
    // x) and over yMin to yMax volts; a flat range becomes ±0.01 V around it.
    TGestoscOka(double okres, double yMin, double yMax, std::int32_t kolumny = KolumnyGestosci,
                std::int32_t wiersze = WierszeGestosci);
    TGestoscOka() : TGestoscOka(1.0, -1.0, 1.0) {}

    // Draws a trace through the points (x[i], y[i]) as straight lines, one count per cell
    // it steps through, so that the edges show as solidly as the levels. Values beyond the
    // voltage range count in the edge rows, as the chart draws them; points that are not
    // numbers break the trace.
    void DodajSlad(std::span<const float> x, std::span<const float> y);

    std::int32_t Kolumny() const { return kolumny; }
    std::int32_t Wiersze() const { return wiersze; }
    double Okres() const { return okres; }
    double YMin() const { return yMin; }
    double YMax() const { return yMax; }
    // Count of column c, row w (row 0 at yMin).
    std::uint32_t Zliczenie(std::int32_t c, std::int32_t w) const
    {
        return zliczenia[static_cast<std::size_t>(w) * static_cast<std::size_t>(kolumny) + static_cast<std::size_t>(c)];
    }
    // Every count, row by row from the lowest voltage.
    const std::vector<std::uint32_t>& Zliczenia() const { return zliczenia; }
    // The points drawn: the sum of every count.
    std::uint64_t Suma() const { return suma; }
    std::uint32_t Najwieksze() const { return najwieksze; }

private:
    // One count in the cell at column and row (cell units; the column unfolded).
    void Dodaj(double kolumna, double wiersz);

    double okres;
    double yMin;
    double yMax;
    std::int32_t kolumny;
    std::int32_t wiersze;
    std::vector<std::uint32_t> zliczenia;
    std::uint64_t suma = 0;
    std::uint32_t najwieksze = 0;
};
