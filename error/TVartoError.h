// The worker behind the error library: the gain that brings a received signal back to
// the mean absolute amplitude of what was sent, and the amplitude error measured after
// that gain with its histogram, cumulative distribution and Gaussian-tail BER estimate.
#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "Vartostream.h"

class TVartoError {
public:
    // wzorce: the transmitted line signals of n pairs, odebrane: the received (or
    // regenerated) signals of the same pairs; both borrowed, read through their windows.
    TVartoError(TFltFltStrumien* const* wzorce, TFltFltStrumien* const* odebrane, std::int32_t n);
    ~TVartoError();
    TVartoError(const TVartoError&) = delete;
    TVartoError& operator=(const TVartoError&) = delete;

    // A new array of n streams: every visible point of each received signal with its y
    // multiplied by the pair's gain.
    TFltFltStrumien** Wzmocnij();

    // The amplitude error of every received sample, all pairs pooled, with the mean and
    // the largest error.
    void ZmierzBledy();
    // The histogram of rozdzielczosc + 1 bins (at least one) and its cumulative distribution.
    void ObliczRozklad(std::int32_t rozdzielczosc);
    // ½ erfc(B / (ē √2)) for the decision distance odstepDecyzji (V); 0 when ē is 0.
    void ObliczBER(float odstepDecyzji);

    // Value (V) of reference r at time x (symbol periods), interpolated linearly between
    // its visible points; the first or last value outside its span, 0 for a reference
    // without points. Calls with growing x walk the reference once; a smaller x starts
    // the walk again from its beginning.
    float Interpoluj(std::int32_t r, float x);

    const std::vector<float>& Bledy() const { return BledyProbek; }
    double SredniBlad() const { return Sredni; }
    float NajwiekszyBlad() const { return Najwiekszy; }
    float SzczytRozkladu() const { return Szczyt; }
    double BER() const { return Ber; }
    std::int32_t LiczbaPrzedzialow() const { return Przedzialy; }
    // Hand over the distribution streams; the caller owns them from then on.
    TFltFltStrumien* WydajRozklad() { return Rozklad.release(); }
    TFltFltStrumien* WydajDystrybuante() { return Dystrybuanta.release(); }

private:
    // Where the forward search of Interpoluj stands in one reference.
    struct TKursor {
        std::int32_t Indeks = 0;
        float OstatnieX = -std::numeric_limits<float>::infinity();
    };

    // Reference values at the visible times of received signal r.
    std::vector<float> WartosciWzorca(std::int32_t r);
    // Gain of pair r from its reference values: the ratio of the absolute sums of
    // reference and received values; 1 when that ratio is not a finite number (a
    // received signal that is silent throughout).
    float Wzmocnienie(std::int32_t r, const std::vector<float>& wzorzec);

    TFltFltStrumien* const* Wzorce;
    TFltFltStrumien* const* Odebrane;
    std::int32_t LiczbaPar;
    std::vector<TKursor> Kursory;
    std::vector<float> BledyProbek;
    float Najwiekszy = 0.0f;
    float Szczyt = 0.0f;
    double Sredni = 0.0;
    std::unique_ptr<TFltFltStrumien> Rozklad;
    std::unique_ptr<TFltFltStrumien> Dystrybuanta;
    std::int32_t Przedzialy = 0;
    double Ber = 0.0;
};

// Histogram bin of error e when the largest error is najwiekszy: e / najwiekszy × 1000
// truncated, kept within 0 … ostatni; a value that is not a number lands in bin 0.
std::int32_t IndeksPrzedzialu(float e, float najwiekszy, std::int32_t ostatni);
