// Test streams shared by the library tests: built from point lists, read back, and
// taken over from the arrays the libraries hand out.
#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <vector>

#include "Vartostream.h"

using Punkty = std::vector<TPunkt>;

inline bool operator==(const TPunkt& a, const TPunkt& b)
{
    return a.X == b.X && a.Y == b.Y;
}

inline std::ostream& operator<<(std::ostream& o, const TPunkt& p)
{
    return o << '(' << p.X << ", " << p.Y << ')';
}

inline std::unique_ptr<TFltFltStrumien> Strumien(const Punkty& punkty)
{
    auto s = std::make_unique<TFltFltStrumien>();
    s->UstawDlugosc(static_cast<std::int32_t>(punkty.size()));
    for (std::size_t i = 0; i < punkty.size(); ++i)
        s->Ustaw(static_cast<std::int32_t>(i), punkty[i]);
    return s;
}

inline Punkty Odczytaj(TFltFltStrumien& s)
{
    Punkty wynik;
    for (std::int32_t i = 0; i < s.ZwrocDlugosc(); ++i)
        wynik.push_back(s.Zwroc(i));
    return wynik;
}

// Takes over an array of n streams handed out by a library, releasing the array.
inline std::vector<std::unique_ptr<TFltFltStrumien>> Przejmij(TFltFltStrumien** tablica, std::int32_t n)
{
    std::vector<std::unique_ptr<TFltFltStrumien>> wynik;
    for (std::int32_t i = 0; i < n; ++i)
        wynik.emplace_back(tablica[i]);
    delete[] tablica;
    return wynik;
}
