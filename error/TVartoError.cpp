#include "TVartoError.h"

#include <algorithm>
#include <cmath>

namespace {

// The bin index and the bin edges use these factors whatever the bin count; the program
// always asks for 1001 bins, for which the edges span 0 … the largest error.
constexpr double SkalaIndeksu = 1000.0;
constexpr double SkalaKrawedzi = 0.001;

} // namespace

std::int32_t IndeksPrzedzialu(float e, float najwiekszy, std::int32_t ostatni)
{
    const double q = e / najwiekszy * SkalaIndeksu;
    // Also catches 0 / 0 when every error is 0, and a NaN from any source.
    if (!(q > 0.0))
        return 0;
    if (q >= static_cast<double>(ostatni))
        return ostatni;
    return static_cast<std::int32_t>(q);
}

TVartoError::TVartoError(TFltFltStrumien* const* wzorce, TFltFltStrumien* const* odebrane, std::int32_t n)
    : Wzorce(wzorce), Odebrane(odebrane), LiczbaPar(n > 0 ? n : 0),
      Kursory(static_cast<std::size_t>(LiczbaPar))
{
}

TVartoError::~TVartoError() = default;

float TVartoError::Interpoluj(std::int32_t r, float x)
{
    TFltFltStrumien& wzorzec = *Wzorce[r];
    const std::int32_t n = wzorzec.ZwrocDlugosc();
    if (n < 1)
        return 0.0f;
    // Every point before the cursor lies below the previous x, so for an x at least as
    // large the search from the start would pass them too.
    TKursor& kursor = Kursory[static_cast<std::size_t>(r)];
    if (!(x >= kursor.OstatnieX))
        kursor.Indeks = 0;
    kursor.OstatnieX = x;
    std::int32_t i = kursor.Indeks;
    while (i < n && wzorzec.Zwroc(i).X < x)
        ++i;
    kursor.Indeks = i;

    if (i == n)
        return wzorzec.Zwroc(n - 1).Y;
    const TPunkt p = wzorzec.Zwroc(i);
    if (p.X == x || i == 0)
        return p.Y;
    const TPunkt q = wzorzec.Zwroc(i - 1);
    return q.Y + (p.Y - q.Y) / (p.X - q.X) * (x - q.X);
}

std::vector<float> TVartoError::WartosciWzorca(std::int32_t r)
{
    TFltFltStrumien& odebrany = *Odebrane[r];
    const std::int32_t n = odebrany.ZwrocDlugosc();
    std::vector<float> wartosci(static_cast<std::size_t>(n > 0 ? n : 0));
    for (std::int32_t k = 0; k < n; ++k)
        wartosci[static_cast<std::size_t>(k)] = Interpoluj(r, odebrany.Zwroc(k).X);
    return wartosci;
}

float TVartoError::Wzmocnienie(std::int32_t r, const std::vector<float>& wzorzec)
{
    TFltFltStrumien& odebrany = *Odebrane[r];
    // Single-precision running sums, restarted for every pair.
    float a = 0.0f;
    float b = 0.0f;
    for (std::size_t k = 0; k < wzorzec.size(); ++k) {
        a += std::fabs(odebrany.Zwroc(static_cast<std::int32_t>(k)).Y);
        b += std::fabs(wzorzec[k]);
    }
    const float g = b / a;
    return std::isfinite(g) ? g : 1.0f;
}

TFltFltStrumien** TVartoError::Wzmocnij()
{
    auto* wynik = new TFltFltStrumien*[static_cast<std::size_t>(LiczbaPar)]();
    for (std::int32_t r = 0; r < LiczbaPar; ++r) {
        const float g = Wzmocnienie(r, WartosciWzorca(r));
        TFltFltStrumien& odebrany = *Odebrane[r];
        const std::int32_t n = odebrany.ZwrocDlugosc();
        auto* wzmocniony = new TFltFltStrumien;
        wzmocniony->UstawDlugosc(n);
        for (std::int32_t k = 0; k < n; ++k) {
            const TPunkt p = odebrany.Zwroc(k);
            wzmocniony->Ustaw(k, TPunkt{p.X, p.Y * g});
        }
        wynik[r] = wzmocniony;
    }
    return wynik;
}

void TVartoError::ZmierzBledy()
{
    std::size_t wszystkie = 0;
    for (std::int32_t r = 0; r < LiczbaPar; ++r)
        wszystkie += static_cast<std::size_t>(std::max(Odebrane[r]->ZwrocDlugosc(), 0));
    BledyProbek.clear();
    BledyProbek.reserve(wszystkie);
    Najwiekszy = 0.0f;
    double suma = 0.0;
    for (std::int32_t r = 0; r < LiczbaPar; ++r) {
        const std::vector<float> wzorzec = WartosciWzorca(r);
        const float g = Wzmocnienie(r, wzorzec);
        TFltFltStrumien& odebrany = *Odebrane[r];
        for (std::size_t k = 0; k < wzorzec.size(); ++k) {
            const float e = std::fabs(odebrany.Zwroc(static_cast<std::int32_t>(k)).Y * g - wzorzec[k]);
            suma += e;
            BledyProbek.push_back(e);
            if (e > Najwiekszy)
                Najwiekszy = e;
        }
    }
    Sredni = BledyProbek.empty() ? 0.0 : suma / static_cast<double>(BledyProbek.size());
}

void TVartoError::ObliczRozklad(std::int32_t rozdzielczosc)
{
    const std::int32_t ostatni = rozdzielczosc > 0 ? rozdzielczosc : 0;
    const std::int32_t liczba = ostatni + 1;
    Przedzialy = liczba;
    // Counted in single precision, as the shares below are.
    std::vector<float> licznosci(static_cast<std::size_t>(liczba), 0.0f);
    for (float e : BledyProbek)
        licznosci[static_cast<std::size_t>(IndeksPrzedzialu(e, Najwiekszy, ostatni))] += 1.0f;

    Rozklad = std::make_unique<TFltFltStrumien>();
    Dystrybuanta = std::make_unique<TFltFltStrumien>();
    Rozklad->UstawDlugosc(liczba);
    Dystrybuanta->UstawDlugosc(liczba);
    const float wszystkie = static_cast<float>(BledyProbek.size());
    Szczyt = 0.0f;
    float powyzej = 0.0f;
    // From the last bin down, so each cumulative share adds the one above it.
    for (std::int32_t b = ostatni; b >= 0; --b) {
        const auto x = static_cast<float>(SkalaKrawedzi * Najwiekszy * b);
        const float udzial = BledyProbek.empty() ? 0.0f : licznosci[static_cast<std::size_t>(b)] / wszystkie;
        if (udzial > Szczyt)
            Szczyt = udzial;
        powyzej = udzial + powyzej;
        Rozklad->Ustaw(b, TPunkt{x, udzial});
        Dystrybuanta->Ustaw(b, TPunkt{x, powyzej});
    }
}

void TVartoError::ObliczBER(float odstepDecyzji)
{
    if (Sredni == 0.0) {
        Ber = 0.0;
        return;
    }
    Ber = 0.5 * std::erfc(odstepDecyzji / Sredni / std::sqrt(2.0));
}
