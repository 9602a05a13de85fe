// The looks of the program's charts: one template per kind of chart, which the analysis
// window builds its charts from and the chart gallery renders, and the ranges a run's
// results give them.
#pragma once

#include <memory>

class TFltFltStrumien;
class TWykres;

// A channel characteristic: a logarithmic frequency axis from 0 to 200 MHz (0 linear);
// losses from -100 to 0 dB, or the regenerator's gains from 0 to 100 dB.
void SzablonCharakterystyki(TWykres& w, bool regeneracja);
// The frequency axis of a characteristic chart reaches the highest frequency of its
// points, najwyzsza (MHz), when that lies above the template's 200 MHz.
void UstawZakresCzestotliwosci(TWykres& w, float najwyzsza);
// A recalculated filter's normalised impulse response: -0.5 to 0.5 µs, -0.25 to 1.
void SzablonOdpowiedzi(TWykres& w);

// The waveform of a result strip: curves on a silver grid of the X divisions (and of the
// Y divisions with siatkaY), without tick marks, labels or Y axis line.
void SzablonPrzebiegu(TWykres& w, bool siatkaY);
// The description of a result strip: only the Y axis with its labels, at the right edge.
void SzablonOpisu(TWykres& w);
// The Y range (V, or symbols) and the major division of a strip's charts.
void UstawZakresY(TWykres& w, float min, float max, float skala);
// The X axis of a waveform runs over the stream's visible points, crossed at the first.
void UstawZakresX(TWykres& w, TFltFltStrumien& s);

// The eye diagram: the signal folded so that its periods overlay, on a silver axis, the
// Y axis labelled at its two ends only.
void SzablonOka(TWykres& w);
// A run's eye: okres symbol periods overlaid (the standard's OkresOka), Y from the lowest
// to the highest level (V); a flat trace gets a small range around 0 to stand in.
void UstawZakresOka(TWykres& w, float min, float max, float okres);

// The distribution of the amplitude error and its cumulative distribution (X: error, V;
// Y: probability), as they stand until a run sets their ranges.
void SzablonRozkladuBledow(TWykres& w);
void SzablonDystrybuanty(TWykres& w);
// A run's error charts: X up to the largest error najwiekszy (V, not 0) with minor
// divisions of the decision margin (V); the distribution's Y up to its peak.
void UstawZakresBledow(TWykres& rozklad, TWykres& dystrybuanta, float najwiekszy, float margines, float szczyt);

// A straight line from (x1, y1) to (x2, y2) as a two-point stream: a marker on a chart.
std::unique_ptr<TFltFltStrumien> Odcinek(float x1, float y1, float x2, float y2);
