// The impairments a run can add: random jitter on the transmitted edges and white
// Gaussian noise on what reaches the receiver, each drawn from its own generator of the
// run's seed so that the bits stay those of the seed.
#pragma once

#include <cstdint>
#include <memory>
#include <random>

#include "Symulacja.h"

// The generators of the two impairments for a seed, apart from the bits' generator.
std::mt19937_64 GeneratorSzumu(std::uint32_t ziarno);
std::mt19937_64 GeneratorDrzenia(std::uint32_t ziarno);

// A copy of a line signal (as the encoder builds it: a first point, two points per edge,
// a last point) with every edge moved in time by a normal deviate of sigma symbol periods,
// clipped to granica periods either way so that edges never pass one another.
std::unique_ptr<TFltFltStrumien> Rozedrgany(TFltFltStrumien& sygnal, double sigma, double granica,
                                            std::mt19937_64& generator);

// The variance (V²) of the visible samples of a stream: a signal's power without its DC.
double MocSygnalu(TFltFltStrumien& s);

// Adds a normal deviate of sigma volts to every sample the stream holds, its hidden
// run-in and run-out included.
void DodajSzum(TFltFltStrumien& s, double sigma, std::mt19937_64& generator);

// The run's lanes as the channel gets them with jitter: copies of the line signals of
// the first entries of doKanalu with jittered edges; none without jitter.
TStrumienie RozedrganeTory(const TWynikSymulacji& w, const std::vector<TFltFltStrumien*>& doKanalu);

// Noise on what reaches each lane's receive amplifier (after the regenerator when there is
// one), from the SNR over that signal's own variance or from the RMS voltage; none when
// neither is set.
void DodajSzumOdbiornika(TWynikSymulacji& w);
