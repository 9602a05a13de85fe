#include "Punkty.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <queue>
#include <tuple>

double Zaokraglij(double wartosc)
{
    return std::round(wartosc * 1000.0) / 1000.0;
}

std::vector<double> SiatkaLogarytmiczna(double odMHz, double doMHz, std::size_t n)
{
    std::vector<double> siatka(n);
    const double a = std::log10(odMHz);
    const double b = std::log10(doMHz);
    for (std::size_t i = 0; i < n; ++i)
        siatka[i] = std::pow(10.0, a + (b - a) * static_cast<double>(i) / static_cast<double>(n - 1));
    siatka.front() = odMHz;
    siatka.back() = doMHz;
    return siatka;
}

TListaPunktow Przerzedz(const TListaPunktow& punkty, std::size_t liczba)
{
    liczba = std::max<std::size_t>(liczba, 2);
    if (punkty.size() <= liczba)
        return punkty;

    // A point at 0 MHz has no place on a log axis: it is kept aside and the rest thinned.
    const bool zeroMHz = punkty.front().MHz <= 0.0;
    const std::size_t poczatek = zeroMHz ? 1 : 0;
    const std::size_t n = punkty.size() - poczatek;
    std::size_t zostaje = liczba - poczatek;
    if (zostaje < 2)
        zostaje = 2;
    if (n <= zostaje)
        return punkty;

    std::vector<double> x(n), y(n);
    for (std::size_t i = 0; i < n; ++i) {
        x[i] = std::log10(punkty[poczatek + i].MHz);
        y[i] = punkty[poczatek + i].dB;
    }
    constexpr std::size_t brak = std::numeric_limits<std::size_t>::max();
    std::vector<std::size_t> poprzedni(n), nastepny(n);
    for (std::size_t i = 0; i < n; ++i) {
        poprzedni[i] = i == 0 ? brak : i - 1;
        nastepny[i] = i + 1 == n ? brak : i + 1;
    }
    const auto pole = [&](std::size_t i) {
        if (poprzedni[i] == brak || nastepny[i] == brak)
            return std::numeric_limits<double>::infinity();
        const std::size_t a = poprzedni[i];
        const std::size_t c = nastepny[i];
        return 0.5 * std::abs((x[i] - x[a]) * (y[c] - y[a]) - (x[c] - x[a]) * (y[i] - y[a]));
    };

    // Each entry carries the point's version, so an area computed before a neighbour left
    // is recognised as stale and skipped.
    using TWpis = std::tuple<double, std::size_t, unsigned>;
    std::priority_queue<TWpis, std::vector<TWpis>, std::greater<>> kolejka;
    std::vector<unsigned> wersja(n, 0);
    std::vector<bool> usuniety(n, false);
    for (std::size_t i = 1; i + 1 < n; ++i)
        kolejka.emplace(pole(i), i, 0u);

    for (std::size_t pozostalo = n; pozostalo > zostaje && !kolejka.empty();) {
        const auto [powierzchnia, i, w] = kolejka.top();
        kolejka.pop();
        if (usuniety[i] || w != wersja[i])
            continue;
        usuniety[i] = true;
        --pozostalo;
        const std::size_t a = poprzedni[i];
        const std::size_t c = nastepny[i];
        nastepny[a] = c;
        poprzedni[c] = a;
        for (const std::size_t s : {a, c})
            if (poprzedni[s] != brak && nastepny[s] != brak)
                kolejka.emplace(pole(s), s, ++wersja[s]);
    }

    TListaPunktow wynik;
    wynik.reserve(liczba);
    if (zeroMHz)
        wynik.push_back(punkty.front());
    for (std::size_t i = 0; i < n; ++i)
        if (!usuniety[i])
            wynik.push_back(punkty[poczatek + i]);
    return wynik;
}
