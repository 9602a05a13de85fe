#include "SzumIDrzenie.h"

#include <algorithm>
#include <cmath>

#include "Standardy.h"

namespace {

// Distinct streams of the one seed: the bits use the seed itself with another engine.
constexpr std::uint32_t StrumienSzumu = 1;
constexpr std::uint32_t StrumienDrzenia = 2;

std::mt19937_64 Generator(std::uint32_t ziarno, std::uint32_t strumien)
{
    std::seed_seq nasiona{ziarno, strumien};
    return std::mt19937_64(nasiona);
}

} // namespace

std::mt19937_64 GeneratorSzumu(std::uint32_t ziarno)
{
    return Generator(ziarno, StrumienSzumu);
}

std::mt19937_64 GeneratorDrzenia(std::uint32_t ziarno)
{
    return Generator(ziarno, StrumienDrzenia);
}

std::unique_ptr<TFltFltStrumien> Rozedrgany(TFltFltStrumien& sygnal, double sigma, double granica,
                                            std::mt19937_64& generator)
{
    auto wynik = std::make_unique<TFltFltStrumien>();
    const std::int32_t n = sygnal.ZwrocDlugosc();
    wynik->UstawDlugosc(n);
    wynik->UstawNazwe(sygnal.ZwrocNazwe());
    const float pierwszy = n > 0 ? sygnal.Zwroc(0).Y : 0.0f;
    bool plaski = true;
    for (std::int32_t i = 0; i < n; ++i) {
        const TPunkt p = sygnal.Zwroc(i);
        plaski = plaski && p.Y == pierwszy;
        wynik->Ustaw(i, p);
    }
    if (plaski)
        return wynik; // no edge to move (the flat form of an all-zero sequence among them)
    std::normal_distribution<double> odchylenie(0.0, sigma);
    for (std::int32_t i = 1; i + 2 < n; i += 2) {
        const auto przesuniecie = static_cast<float>(std::clamp(odchylenie(generator), -granica, granica));
        for (const std::int32_t j : {i, i + 1}) {
            TPunkt p = wynik->Zwroc(j);
            p.X += przesuniecie;
            wynik->Ustaw(j, p);
        }
    }
    return wynik;
}

double MocSygnalu(TFltFltStrumien& s)
{
    const std::int32_t n = s.ZwrocDlugosc();
    if (n == 0)
        return 0.0;
    double suma = 0.0;
    double kwadraty = 0.0;
    for (std::int32_t i = 0; i < n; ++i) {
        const double y = s.Zwroc(i).Y;
        suma += y;
        kwadraty += y * y;
    }
    const double srednia = suma / n;
    return std::max(kwadraty / n - srednia * srednia, 0.0);
}

void DodajSzum(TFltFltStrumien& s, double sigma, std::mt19937_64& generator)
{
    std::normal_distribution<double> szum(0.0, sigma);
    // Visible index -ZwrocPoczatek() is stored element 0: the run-in is read through the window.
    const std::int32_t przed = s.ZwrocPoczatek();
    for (std::int32_t i = 0; i < s.ZwrocDlugoscCalkowita(); ++i) {
        TPunkt p = s.Zwroc(i - przed);
        p.Y = static_cast<float>(p.Y + szum(generator));
        s.Ustaw(i, p);
    }
}

TStrumienie RozedrganeTory(const TWynikSymulacji& w, const std::vector<TFltFltStrumien*>& doKanalu)
{
    TStrumienie wynik;
    const TUstawieniaSymulacji& u = w.Ustawienia;
    if (!(u.SzumIDrzenie.DrzeniePs > 0.0))
        return wynik;
    // ps to symbol periods: a period lasts 1 / Mbaud microseconds.
    const double sigma = u.SzumIDrzenie.DrzeniePs * 1e-6 * w.SzybkoscSymboli;
    const double granica = 0.5 * OkresSymboluKodu(u.Standard);
    std::mt19937_64 generator = GeneratorDrzenia(w.Ziarno);
    for (std::size_t i = 0; i < w.Tory.size(); ++i)
        wynik.push_back(Rozedrgany(*doKanalu[i], sigma, granica, generator));
    return wynik;
}

void DodajSzumOdbiornika(TWynikSymulacji& w)
{
    const TSzumIDrzenie& z = w.Ustawienia.SzumIDrzenie;
    if (!z.SnrDb && !z.SzumMv)
        return;
    std::mt19937_64 generator = GeneratorSzumu(w.Ziarno);
    for (TTorWyniku& tor : w.Tory) {
        TFltFltStrumien& s = *tor.Wejscie();
        const double sigma = z.SnrDb ? std::sqrt(MocSygnalu(s) / std::pow(10.0, *z.SnrDb / 10.0)) : *z.SzumMv * 1e-3;
        if (sigma > 0.0)
            DodajSzum(s, sigma, generator);
    }
}
