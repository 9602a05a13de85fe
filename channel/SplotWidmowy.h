// The convolution of a long stream by overlap-save on the FFT: the sums of the direct
// loop to within their rounding, at a cost per output that grows with log M instead of M.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

// A stream of at most this many samples is always summed directly, so that every run the
// settings page allows keeps its results to the bit: the longest of them, 10BaseT at
// 10 Mbps with 1000 bits, has about 52,000 samples.
inline constexpr std::int64_t ProbkiSplotuBezposredniego = 65536;

// The fewest taps for which the transform is used on a long stream. Measured on one core
// (bench_channel, Przeciecie): it overtakes the direct sum between 31 and 47 taps and is
// twice as fast at 63. Every filter of the channel has at least 501.
inline constexpr std::int32_t OdczepyPrzeciecia = 64;

// Which way a convolution goes: by the rule below, or forced (for tests comparing them).
enum class TDrogaSplotu { WedlugReguly, Bezposrednio, Widmowo };

// True when a stream of liczbaProbek samples passes through liczbaOdczepow taps by the
// transform: a stream longer than ProbkiSplotuBezposredniego through at least
// OdczepyPrzeciecia taps, unless a way was forced.
bool SplotWidmowy(std::int64_t liczbaProbek, std::int32_t liczbaOdczepow);
// Makes later convolutions go the given way. For tests; call it while none runs.
void WymusDrogeSplotu(TDrogaSplotu droga);

class TSplotWidmowy {
public:
    // odczepy: the M taps (M odd); liczbaProbek: the stream's length C, at least 1. Plans
    // the transforms (under a lock: the FFT library's planner serves one thread at a time).
    TSplotWidmowy(const std::vector<float>& odczepy, std::int32_t liczbaProbek);
    ~TSplotWidmowy();
    TSplotWidmowy(const TSplotWidmowy&) = delete;
    TSplotWidmowy& operator=(const TSplotWidmowy&) = delete;

    // Outputs per block, and blocks to cover the stream.
    std::int32_t WyjsciaBloku() const { return L; }
    std::int32_t LiczbaBlokow() const { return static_cast<std::int32_t>((C + L - 1) / L); }

    // For every output i of block b (i from b·L to the lesser of C and (b + 1)·L, less one):
    //   sumy[i] = Σ over taps k with 0 <= i + half − k < C of probki[i + half − k] · odczepy[k],
    // half = (M − 1) / 2: samples outside the stream are absent, as in the direct sum.
    // probki holds C samples, sumy C outputs. Blocks may be computed on any threads at once.
    void Licz(std::int32_t b, const float* probki, float* sumy) const;

private:
    struct TTransformaty;
    std::unique_ptr<TTransformaty> Transformaty;
    std::int64_t C;
    std::int32_t M;
    std::int32_t N; // transform length
    std::int32_t L; // N − M + 1
};
