// Symbol timing and sampling of one lane.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "Odbiornik.h"

namespace {

// Candidate phases per symbol period: finer than the channel's sample spacing at every rate.
constexpr int LiczbaFaz = 32;
// Phases whose mean squared distance lies within this share of the metric's range above
// its minimum count as equally good; the middle of their run is taken.
constexpr double TolerancjaFazy = 0.05;
// The delays tried either way, whole symbol periods: a zero-phase channel delays by none,
// the room lets a pronounced echo or regenerator pull the best match over a symbol.
constexpr std::int32_t NajwiekszeOpoznienie = 8;
// Correlations within this share of the best count as equal; the smallest delay wins, so
// periodic data (all zeros, all ones) keeps the delay of none.
constexpr double TolerancjaKorelacji = 1e-3;

// Index of the sample nearest time t (symbol periods), or -1 outside [od, do_).
std::int64_t NajblizszaProbka(double t, double probkiNaSymbol, std::int64_t od, std::int64_t do_)
{
    const double p = std::nearbyint(t * probkiNaSymbol);
    if (!(p >= static_cast<double>(od) && p < static_cast<double>(do_)))
        return -1;
    return static_cast<std::int64_t>(p);
}

std::int64_t KoniecProbek(const TSygnalToru& s)
{
    const auto n = static_cast<std::int64_t>(s.Probki.size());
    return s.DoProbki > 0 ? std::min(s.DoProbki, n) : n;
}

// The symbols k = pierwszy, pierwszy + 1, ... whose instants (k + przesuniecie) fall in
// [od, do_), each as its value in symbol units.
template <typename F>
void KazdySymbol(const TSygnalToru& s, const TPoziomy& poziomy, double przesuniecie, std::int64_t od,
                 std::int64_t do_, F&& f)
{
    const double q = s.ProbkiNaSymbol;
    auto k = static_cast<std::int64_t>(std::ceil((static_cast<double>(od) - 0.5) / q - przesuniecie));
    k = std::max<std::int64_t>(k, 0);
    for (;; ++k) {
        const double t = static_cast<double>(k) + przesuniecie;
        if (t * q >= static_cast<double>(do_) - 0.5)
            break;
        const std::int64_t p = NajblizszaProbka(t, q, od, do_);
        if (p < 0)
            continue;
        f(k, (static_cast<double>(s.Probki[static_cast<std::size_t>(p)]) - poziomy.Przesuniecie) / poziomy.Krok);
    }
}

double WybierzFaze(const TSygnalToru& s, TKodLinii kod, const TPoziomy& poziomy, std::int64_t od, std::int64_t do_)
{
    const std::int32_t min = SymbolMinKodu(kod);
    const std::int32_t max = SymbolMaxKodu(kod);
    std::array<double, LiczbaFaz> blad{};
    for (int j = 0; j < LiczbaFaz; ++j) {
        double suma = 0.0;
        std::int64_t liczba = 0;
        KazdySymbol(s, poziomy, static_cast<double>(j) / LiczbaFaz, od, do_, [&](std::int64_t, double u) {
            const double e = u - Decyzja(u, min, max);
            suma += e * e;
            ++liczba;
        });
        blad[static_cast<std::size_t>(j)] = liczba > 0 ? suma / static_cast<double>(liczba) : 0.0;
    }
    const auto [najmniejszy, najwiekszy] = std::minmax_element(blad.begin(), blad.end());
    const double prog = *najmniejszy + TolerancjaFazy * (*najwiekszy - *najmniejszy);
    const auto srodek = static_cast<int>(najmniejszy - blad.begin());
    const auto dobra = [&](int j) { return blad[static_cast<std::size_t>((j % LiczbaFaz + LiczbaFaz) % LiczbaFaz)] <= prog; };
    int lewo = 0;
    int prawo = 0;
    while (lewo + prawo + 1 < LiczbaFaz && dobra(srodek - lewo - 1))
        ++lewo;
    while (lewo + prawo + 1 < LiczbaFaz && dobra(srodek + prawo + 1))
        ++prawo;
    if (lewo + prawo + 1 >= LiczbaFaz)
        return 0.5; // no eye to speak of (a constant signal): the middle of the symbol
    const double faza = (static_cast<double>(srodek) + 0.5 * static_cast<double>(prawo - lewo)) / LiczbaFaz;
    return faza - std::floor(faza);
}

std::int32_t ZnajdzOpoznienie(const TSygnalToru& s, const TPoziomy& poziomy, double faza,
                              const std::vector<std::int32_t>& wyslane, std::int64_t od, std::int64_t do_)
{
    std::vector<double> wartosci;
    std::int64_t pierwszy = -1;
    KazdySymbol(s, poziomy, faza, od, do_, [&](std::int64_t k, double u) {
        if (pierwszy < 0)
            pierwszy = k;
        wartosci.resize(static_cast<std::size_t>(k - pierwszy), 0.0);
        wartosci.push_back(u);
    });
    if (pierwszy < 0)
        return 0;
    const std::int64_t ostatni = pierwszy + static_cast<std::int64_t>(wartosci.size()) - 1;
    const std::int64_t kOd = std::max<std::int64_t>(pierwszy + NajwiekszeOpoznienie, 0);
    const std::int64_t kDo = std::min<std::int64_t>(ostatni - NajwiekszeOpoznienie,
                                                    static_cast<std::int64_t>(wyslane.size()) - 1);
    if (kOd > kDo)
        return 0;
    double srednia = 0.0;
    for (std::int64_t k = kOd; k <= kDo; ++k)
        srednia += wyslane[static_cast<std::size_t>(k)];
    srednia /= static_cast<double>(kDo - kOd + 1);

    std::array<double, 2 * NajwiekszeOpoznienie + 1> korelacja{};
    for (std::int32_t d = -NajwiekszeOpoznienie; d <= NajwiekszeOpoznienie; ++d) {
        double suma = 0.0;
        for (std::int64_t k = kOd; k <= kDo; ++k)
            suma += wartosci[static_cast<std::size_t>(k + d - pierwszy)] *
                (static_cast<double>(wyslane[static_cast<std::size_t>(k)]) - srednia);
        korelacja[static_cast<std::size_t>(d + NajwiekszeOpoznienie)] = suma;
    }
    const double najlepsza = *std::max_element(korelacja.begin(), korelacja.end());
    for (std::int32_t odleglosc = 0; odleglosc <= NajwiekszeOpoznienie; ++odleglosc)
        for (const std::int32_t d : {odleglosc, -odleglosc})
            if (korelacja[static_cast<std::size_t>(d + NajwiekszeOpoznienie)] >=
                najlepsza - TolerancjaKorelacji * std::abs(najlepsza))
                return d;
    return 0;
}

} // namespace

std::int32_t Decyzja(double wartosc, std::int32_t min, std::int32_t max)
{
    // Compared, never converted, so that no value can make an out-of-range integer.
    std::int32_t s = min;
    while (s < max && wartosc >= s + 0.5)
        ++s;
    return s;
}

std::int32_t SymbolMinKodu(TKodLinii kod)
{
    switch (kod) {
    case TKodLinii::Manchester:
        return 0;
    case TKodLinii::MLT3z4B5B:
    case TKodLinii::MLT3:
        return -1;
    case TKodLinii::PAM5:
        return -2;
    }
    return 0;
}

std::int32_t SymbolMaxKodu(TKodLinii kod)
{
    switch (kod) {
    case TKodLinii::Manchester:
    case TKodLinii::MLT3z4B5B:
    case TKodLinii::MLT3:
        return 1;
    case TKodLinii::PAM5:
        return 2;
    }
    return 0;
}

TSynchronizacja Synchronizuj(const TSygnalToru& sygnal, TKodLinii kod, const TPoziomy& poziomy,
                             const std::vector<std::int32_t>& wyslane)
{
    const std::int64_t od = std::max<std::int64_t>(sygnal.OdProbki, 0);
    const std::int64_t do_ = KoniecProbek(sygnal);
    TSynchronizacja wynik;
    wynik.Faza = WybierzFaze(sygnal, kod, poziomy, od, do_);
    wynik.Opoznienie = ZnajdzOpoznienie(sygnal, poziomy, wynik.Faza, wyslane, od, do_);
    return wynik;
}

TProbkiSymboli Probkuj(const TSygnalToru& sygnal, TKodLinii kod, const TPoziomy& poziomy,
                       const TSynchronizacja& synchronizacja)
{
    TProbkiSymboli wynik;
    bool pierwszy = true;
    const auto n = static_cast<std::int64_t>(sygnal.Probki.size());
    KazdySymbol(sygnal, poziomy, synchronizacja.Faza + synchronizacja.Opoznienie, 0, n,
                [&](std::int64_t k, double u) {
                    if (pierwszy) {
                        wynik.Pierwszy = k;
                        pierwszy = false;
                    }
                    wynik.Wartosci.push_back(static_cast<float>(u));
                });
    if (kod == TKodLinii::Manchester)
        return wynik; // decided by comparing the two halves of a bit: the scale does not matter

    const std::int32_t min = SymbolMinKodu(kod);
    const std::int32_t max = SymbolMaxKodu(kod);
    for (int iteracja = 0; iteracja < 3; ++iteracja) {
        double iloczyn = 0.0;
        double kwadraty = 0.0;
        for (const float u : wynik.Wartosci) {
            const double s = Decyzja(u, min, max);
            iloczyn += u * s;
            kwadraty += s * s;
        }
        if (!(iloczyn > 0.0 && kwadraty > 0.0))
            break;
        const auto skala = static_cast<float>(kwadraty / iloczyn);
        for (float& u : wynik.Wartosci)
            u *= skala;
    }
    return wynik;
}
