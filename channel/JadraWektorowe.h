// The hot loops of the filter build and the convolution, compiled once per vector level
// (Wektory.h). Every level computes each lane with the same IEEE operations in the same
// order, never fused, so all levels give bit-identical results.
#pragma once

#include <cstdint>

#include "Wektory.h"

// Zeros on each side of the samples handed to a convolution, so that every lane of a
// group reads its sample whether or not that sample exists.
inline constexpr std::int32_t MarginesSplotu = 64;

// Block sizes that hold whole groups at every level: lanes of a cosine sum, outputs of a
// convolution.
inline constexpr std::int32_t PasyBlokuKosinusow = 48;
inline constexpr std::int32_t WyjsciaBlokuSplotu = 192;

struct TJadra {
    // For every lane l < liczbaPasow:
    //   sumy[l] = Σ_{j=0}^{liczbaWag−1} wagi[j] · cos(2π · mnozniki[l] · (poczatek + j) / okres),
    // in ascending j, each partial sum rounded to float, each term a double. The cosines
    // come from tablica (one period at okres steps), each lane advancing between table
    // readings every few hundred j by the recurrence c(j+1) = 2 cos θ · c(j) − c(j−1).
    void (*SumujKosinusy)(const double* tablica, std::int64_t okres, const std::int64_t* mnozniki,
                          std::int32_t liczbaPasow, std::int64_t poczatek, const double* wagi, std::int64_t liczbaWag,
                          float* sumy);
    // For every output i from od to do_ − 1, with polowa = (liczbaOdczepow − 1) / 2:
    //   sumy[i − od] = Σ over taps k ascending with 0 <= i + polowa − k < liczbaProbek
    //                  of probki[i + polowa − k] · odczepy[k],
    // each partial sum rounded to float. zMarginesem holds the liczbaProbek samples after
    // MarginesSplotu zeros and before as many; a zero read for an absent sample adds
    // nothing to a float sum, so reading it and skipping it agree exactly.
    void (*Splataj)(const double* zMarginesem, std::int32_t liczbaProbek, const double* odczepy,
                    std::int32_t liczbaOdczepow, std::int32_t od, std::int32_t do_, float* sumy);
};

// The hot loops of one level; by default those of PoziomWektorow().
const TJadra& Jadra(TPoziomWektorow poziom = PoziomWektorow());
