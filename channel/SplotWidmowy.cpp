#include "SplotWidmowy.h"

#include <fftw3.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <limits>
#include <mutex>
#include <new>

namespace {

std::atomic<TDrogaSplotu> Wymuszona{TDrogaSplotu::WedlugReguly};

// The FFT library's planner and plan destruction share its global state; execution of a
// finished plan on arrays of its own is safe on any thread.
std::mutex& ZamekPlanera()
{
    static std::mutex zamek;
    return zamek;
}

// Arrays from the FFT library's allocator, aligned as its vector code wants them: every
// array a plan is executed on has the alignment of those it was planned with.
struct TZwolnijFftw {
    void operator()(void* p) const { fftw_free(p); }
};
template <typename T>
using TTablicaFftw = std::unique_ptr<T[], TZwolnijFftw>;

template <typename T>
TTablicaFftw<T> Tablica(std::int64_t n)
{
    void* p = fftw_malloc(sizeof(T) * static_cast<std::size_t>(n));
    if (p == nullptr)
        throw std::bad_alloc();
    return TTablicaFftw<T>(static_cast<T*>(p));
}

// Transforms longer than this buy nothing for any filter of the channel.
constexpr std::int64_t NajdluzszaTransformata = std::int64_t{1} << 22;

// The power of two with the least work per output, N log N / (N − M + 1), from 2M up and no
// longer than one transform covering the whole stream.
std::int32_t DlugoscTransformaty(std::int32_t M, std::int64_t C)
{
    const std::int64_t calosc = C + M - 1;
    std::int64_t najlepsza = 0;
    double najmniejszyKoszt = std::numeric_limits<double>::infinity();
    for (std::int64_t n = std::bit_ceil(static_cast<std::uint64_t>(2 * M)); n <= NajdluzszaTransformata; n *= 2) {
        const double koszt = static_cast<double>(n) * std::log2(static_cast<double>(n)) / static_cast<double>(n - M + 1);
        if (koszt < najmniejszyKoszt) {
            najmniejszyKoszt = koszt;
            najlepsza = n;
        }
        if (n >= calosc)
            break;
    }
    return static_cast<std::int32_t>(najlepsza);
}

} // namespace

bool SplotWidmowy(std::int64_t liczbaProbek, std::int32_t liczbaOdczepow)
{
    switch (Wymuszona.load(std::memory_order_relaxed)) {
    case TDrogaSplotu::Bezposrednio:
        return false;
    case TDrogaSplotu::Widmowo:
        return true;
    case TDrogaSplotu::WedlugReguly:
        break;
    }
    return liczbaProbek > ProbkiSplotuBezposredniego && liczbaOdczepow >= OdczepyPrzeciecia;
}

void WymusDrogeSplotu(TDrogaSplotu droga)
{
    Wymuszona.store(droga, std::memory_order_relaxed);
}

// The taps' spectrum, scaled by 1/N so that the inverse transform returns the sums
// themselves, and the two plans.
struct TSplotWidmowy::TTransformaty {
    TTablicaFftw<fftw_complex> Widmo;
    fftw_plan Naprzod = nullptr;
    fftw_plan Wstecz = nullptr;

    ~TTransformaty()
    {
        const std::lock_guard zamek(ZamekPlanera());
        if (Naprzod)
            fftw_destroy_plan(Naprzod);
        if (Wstecz)
            fftw_destroy_plan(Wstecz);
    }
};

TSplotWidmowy::TSplotWidmowy(const std::vector<float>& odczepy, std::int32_t liczbaProbek)
    : Transformaty(std::make_unique<TTransformaty>())
    , C(liczbaProbek)
    , M(static_cast<std::int32_t>(odczepy.size()))
    , N(DlugoscTransformaty(M, C))
    , L(N - M + 1)
{
    const std::int32_t prazki = N / 2 + 1;
    TTablicaFftw<double> sygnal = Tablica<double>(N);
    Transformaty->Widmo = Tablica<fftw_complex>(prazki);
    {
        // Estimated plans: chosen without timing, so every run takes the same arithmetic.
        const std::lock_guard zamek(ZamekPlanera());
        Transformaty->Naprzod =
            fftw_plan_dft_r2c_1d(N, sygnal.get(), Transformaty->Widmo.get(), FFTW_ESTIMATE | FFTW_PRESERVE_INPUT);
        Transformaty->Wstecz =
            fftw_plan_dft_c2r_1d(N, Transformaty->Widmo.get(), sygnal.get(), FFTW_ESTIMATE | FFTW_DESTROY_INPUT);
    }
    if (!Transformaty->Naprzod || !Transformaty->Wstecz)
        throw std::bad_alloc();

    std::fill(sygnal.get(), sygnal.get() + N, 0.0);
    std::copy(odczepy.begin(), odczepy.end(), sygnal.get());
    fftw_execute_dft_r2c(Transformaty->Naprzod, sygnal.get(), Transformaty->Widmo.get());
    const double skala = 1.0 / N;
    for (std::int32_t j = 0; j < prazki; ++j) {
        Transformaty->Widmo[j][0] *= skala;
        Transformaty->Widmo[j][1] *= skala;
    }
}

TSplotWidmowy::~TSplotWidmowy() = default;

void TSplotWidmowy::Licz(std::int32_t b, const float* probki, float* sumy) const
{
    const std::int32_t prazki = N / 2 + 1;
    const std::int32_t polowa = (M - 1) / 2;
    // The full convolution z[n] = Σ_k odczepy[k] · probki[n − k] gives output i at
    // n = i + half. Block b yields z from n0 on, from the N samples before and at it.
    const std::int64_t pierwsze = static_cast<std::int64_t>(b) * L;
    const std::int64_t n0 = polowa + pierwsze;
    const std::int64_t start = n0 - (M - 1);
    TTablicaFftw<double> sygnal = Tablica<double>(N);
    TTablicaFftw<fftw_complex> widmo = Tablica<fftw_complex>(prazki);
    for (std::int64_t j = 0; j < N; ++j) {
        const std::int64_t n = start + j;
        sygnal[j] = n >= 0 && n < C ? static_cast<double>(probki[n]) : 0.0;
    }
    fftw_execute_dft_r2c(Transformaty->Naprzod, sygnal.get(), widmo.get());
    for (std::int32_t j = 0; j < prazki; ++j) {
        const double re = widmo[j][0];
        const double im = widmo[j][1];
        const double hRe = Transformaty->Widmo[j][0];
        const double hIm = Transformaty->Widmo[j][1];
        widmo[j][0] = re * hRe - im * hIm;
        widmo[j][1] = re * hIm + im * hRe;
    }
    fftw_execute_dft_c2r(Transformaty->Wstecz, widmo.get(), sygnal.get());
    // The first M − 1 results of the circular convolution wrap round; the rest are z.
    const std::int64_t koniec = std::min<std::int64_t>(C, pierwsze + L);
    for (std::int64_t i = pierwsze; i < koniec; ++i)
        sumy[i] = static_cast<float>(sygnal[M - 1 + (i - pierwsze)]);
}
