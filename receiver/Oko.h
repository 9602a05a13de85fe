// The eye of one lane as the receiver samples it: the statistics of every level at the
// sampling instant, the opening between each pair of neighbouring levels (a sub-eye), the
// bathtub curves that follow from the levels' Gaussian tails, and the crossing level.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "Odbiornik.h"

// The bathtub curves take this many steps across one symbol period.
inline constexpr int KrokiFazyOka = 64;
// The error rate at which the statistical eye width is read off the bathtub.
inline constexpr double BERSzerokosciOka = 1e-12;

// One line level at the sampling instant, over every symbol sent at it (V).
struct TPoziomOka {
    std::int32_t Symbol = 0;  // the code symbol sent at this level
    std::int64_t Liczba = 0;  // symbols measured
    double Srednia = 0.0;
    double Sigma = 0.0;       // standard deviation; 0 for a single symbol
    double Min = 0.0;         // the level's lowest and highest sample
    double Max = 0.0;
};

// The opening between two neighbouring levels, the lower in voltage first. Every figure
// is absent unless both levels were sent; a closed eye measures 0, never less.
struct TPodoko {
    std::int32_t Dolny = 0; // its levels: indexes into TOkoToru::Poziomy
    std::int32_t Gorny = 1;
    std::optional<double> Wysokosc;       // V, lowest sample of the upper level less highest of the lower
    std::optional<double> Wysokosc3Sigma; // V, (upper mean - 3σ) less (lower mean + 3σ)
    std::optional<double> Amplituda;      // V, upper mean less lower mean
    std::optional<double> Prog;           // V, the decision threshold: half-way between the means
    // Where every trace keeps to its side of the threshold, in symbol periods of the
    // lane's timing (the sampling instant at TOkoToru::Faza); Szerokosc is their distance.
    std::optional<double> SzerokoscOd;
    std::optional<double> SzerokoscDo;
    std::optional<double> Szerokosc;      // symbol periods
    std::optional<double> SzerokoscBER;   // symbol periods where the bathtub stays at or below BERSzerokosciOka
    // This opening's share of the error rate at each phase of TOkoToru::FazyWanny; empty
    // when the opening is not measured.
    std::vector<double> Wanna;
};

struct TOkoToru {
    double Faza = 0.5;                  // the sampling instant, symbol periods (0 to 1)
    std::vector<TPoziomOka> Poziomy;    // every level of the code, lowest voltage first (Liczba 0: never sent)
    std::vector<TPodoko> Podoka;        // one per pair of neighbouring code levels, lowest first
    // Where the rising and falling edges cross, in per cent of the eye's amplitude;
    // two-level codes only, and only when both kinds of edge occur.
    std::optional<double> Przeciecie;
    // The bathtub: the symbol error rate at each phase from Faza - 0.5 to Faza + 0.5
    // (KrokiFazyOka + 1 phases), the openings' shares summed. Empty without an opening.
    std::vector<double> FazyWanny;
    std::vector<double> Wanna;
    // The vertical bathtub at the sampling instant: the error rate against the decision
    // threshold (V) across every measured opening, lowest voltage first.
    std::vector<double> ProgiWanny;
    std::vector<double> WannaPionowa;
};

// Measures the eye of a lane whose symbol k (of the sent symbols wyslane) the receiver
// decides at k + Opoznienie + Faza symbol periods, in the volts of sygnal; the samples
// before OdProbki and from DoProbki on take no part. Levels and bathtubs come from the
// samples nearest each instant, as the receiver decides; the width from the straight
// lines between samples, as the eye diagram draws them.
TOkoToru ZmierzOko(const TSygnalToru& sygnal, TKodLinii kod, const TPoziomy& poziomy,
                   const TSynchronizacja& synchronizacja, const std::vector<std::int32_t>& wyslane);

// ½ erfc(d / (σ √2)): the chance that Gaussian noise of σ carries a level across a threshold
// at distance d (negative when the level lies on the wrong side); a step when σ is 0.
double OgonGaussa(double d, double sigma);
