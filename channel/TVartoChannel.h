// One FIR filter of the channel: built from a characteristic (its spectrum on a 0.05 MHz
// grid and a symmetric impulse response 1 µs long), then applied to line signals.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "KontrolaKanalu.h"
#include "ParametryKanalu.h"
#include "TablicaKosinusow.h"
#include "Vartostream.h"

// Frequency of spectrum sample i, MHz. The grid step is held in extended precision, so
// that deciding which samples a segment reaches does not depend on double rounding.
inline long double CzestotliwoscProbki(std::int64_t i)
{
    return static_cast<long double>(i) * 0.05L;
}

class TVartoChannel {
public:
    explicit TVartoChannel(const TKontrolaKanalu& kontrola);
    TVartoChannel(const TVartoChannel&) = delete;
    TVartoChannel& operator=(const TVartoChannel&) = delete;

    // Copies the point list (borrowed, left unchanged) and closes it with a point at fMax
    // (MHz): flat after a gain above 0 dB, else continuing the last log-frequency slope.
    // A: taps per µs; dlugosc: response length, µs.
    void UstawCharakterystyke(TFltFltStrumien& punkty, std::int32_t A, float fMax, float dlugosc);
    // The linear amplitudes on the grid 0.05 i MHz, i < trunc(20 fMax), and their sum, which
    // also counts the samples of a list reaching above fMax (at most 2^21 of them); empty
    // when cancelled.
    void ObliczWidmo();
    // The taps Σ a_i cos(2π 0.05 i t_k) normalised to a middle tap of 1, t_k = (k − half)/A µs;
    // absent when cancelled.
    void ObliczOdpowiedzImpulsowa();
    // Both steps above; true when the filter is complete and no cancellation was asked for.
    bool Zbuduj();
    // The magnitude response the taps realise, every 0.05 MHz up to twice the list's last
    // frequency (x MHz, y dB); null when cancelled.
    std::unique_ptr<TFltFltStrumien> ObliczCharakterystyke();
    // Hands the impulse response out (x µs, y tap).
    std::unique_ptr<TFltFltStrumien> OddajOdpowiedzImpulsowa();

    // Passes wejscie (x in symbol periods, at least one point) through the built filter at
    // line rate R (MHz), first resampling it at S samples per symbol period when
    // przeprobkuj, else taking its visible y values as the samples. Null when cancelled.
    std::unique_ptr<TFltFltStrumien> Filtruj(TFltFltStrumien& wejscie, bool przeprobkuj, float R);
    // Fills the samples from the input; empty when cancelled.
    void PrzygotujWejscie(bool przeprobkuj);
    // Subtracts from T its echo E delayed by przesuniecie ns at line rate R; returns T, or
    // null when cancelled. Reads E only where it has samples.
    TFltFltStrumien* DodajEcho(TFltFltStrumien& T, TFltFltStrumien& E, float R, std::int32_t przesuniecie);
    // Adds to odebrane[i] the crosstalk streams of every other of the liczba pairs; returns
    // odebrane[i], or null when cancelled. Reads each stream only where it has samples.
    TFltFltStrumien* DodajPrzesluchy(TFltFltStrumien* const* odebrane, TFltFltStrumien* const* przesluchy,
                                     std::int32_t i, std::int32_t liczba);

    const std::vector<TPunkt>& PunktyRozszerzone() const { return Punkty; }
    const std::vector<float>& Widmo() const { return Amplitudy; }
    const std::vector<float>& Odczepy() const { return WartosciOdczepow; }
    const std::vector<float>& Probki() const { return Probkowane; }
    float SumaOdczepow() const { return SumaWartosciOdczepow; }
    float WartoscSrodkowa() const { return Srodek; }
    float SumaAmplitud() const { return SumaWidma; }

private:
    // Σ_k samples[i + half − k] · y_k for every sample i, directly or, for a long stream, by
    // the transform; empty when cancelled.
    std::vector<float> SumySplotu();

    TKontrolaKanalu Kontrola;
    TFltFltStrumien* Wejscie = nullptr;
    std::vector<float> Probkowane;
    std::unique_ptr<TFltFltStrumien> OdpowiedzImpulsowa;
    std::vector<float> WartosciOdczepow; // the response's y values, for the hot loops
    std::vector<TPunkt> Punkty;          // the caller's points and the closing point
    std::vector<float> Amplitudy;
    std::unique_ptr<TTablicaKosinusow> Kosinusy;
    std::int32_t TapyNaMikrosekunde = 0;
    std::int32_t ProbkiNaSymbol = 0;
    float Dlugosc = 0.0f;
    float SumaWartosciOdczepow = 0.0f;
    float Srodek = 0.0f;
    float SumaWidma = 0.0f;
};
