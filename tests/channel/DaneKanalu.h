// Inputs for the channel tests and benchmarks: the editor's default characteristics,
// streams built from plain points, and line signals from the real encoder.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "VartoEncode.h"
#include "Vartostream.h"

using TStrumienKanalu = std::unique_ptr<TFltFltStrumien>;

inline TStrumienKanalu Strumien(const std::vector<TPunkt>& punkty, std::string nazwa = {})
{
    auto s = std::make_unique<TFltFltStrumien>();
    s->UstawDlugosc(static_cast<std::int32_t>(punkty.size()));
    for (std::size_t i = 0; i < punkty.size(); ++i)
        s->Ustaw(static_cast<std::int32_t>(i), punkty[i]);
    s->UstawNazwe(std::move(nazwa));
    return s;
}

inline std::vector<TPunkt> Punkty(TFltFltStrumien& s)
{
    std::vector<TPunkt> wynik;
    for (std::int32_t i = 0; i < s.ZwrocDlugosc(); ++i)
        wynik.push_back(s.Zwroc(i));
    return wynik;
}

// The characteristics every new analysis starts with (MHz, dB).
inline std::vector<TPunkt> DomyslneTlumienie()
{
    return {{0, -2.1f},  {1, -2.1f},   {4, -4.0f},   {8, -5.7f},   {10, -6.3f},  {16, -8.2f},
            {20, -9.2f}, {25, -10.3f}, {31, -11.5f}, {62, -16.7f}, {100, -21.6f}};
}
inline std::vector<TPunkt> DomyslnePrzesluchy()
{
    return {{0, -60.0f},  {1, -60.0f},  {4, -51.8f},  {8, -47.1f},  {10, -45.5f}, {16, -42.3f},
            {20, -40.7f}, {25, -39.1f}, {31, -37.6f}, {62, -32.7f}, {100, -29.3f}};
}
inline std::vector<TPunkt> DomyslneEcho()
{
    return {{0, -15.0f}, {1, -15.0f}, {100, -15.0f}};
}
inline std::vector<TPunkt> DomyslnaRegeneracja()
{
    return {{0, 2.1f},  {1, 2.1f},   {4, 4.0f},   {8, 5.7f},   {10, 6.3f},  {16, 8.2f},
            {20, 9.2f}, {25, 10.3f}, {31, 11.5f}, {62, 16.7f}, {100, 21.6f}};
}

// The line signals of the four pairs of 1000BaseT for liczbaBitow pseudo-random bits at
// szybkosc Mbaud, levels ±1 V, edges of 5000 mV/ns.
inline std::vector<TStrumienKanalu> Sygnaly1000BaseT(std::int32_t liczbaBitow, std::int32_t szybkosc)
{
    std::vector<std::int32_t> bity(static_cast<std::size_t>(liczbaBitow));
    std::uint32_t stan = 12345;
    for (auto& b : bity) {
        stan = stan * 1103515245u + 12345u;
        b = static_cast<std::int32_t>((stan >> 16) & 1u);
    }
    std::int32_t liczba = 0;
    delete[] ZwrocTypyStrumieni(&liczba, KodTypu1000BaseT);
    std::vector<std::int32_t> numery;
    for (std::int32_t i = liczba - 4; i < liczba; ++i)
        numery.push_back(i);
    TFltFltStrumien** tablica = ZwrocStrumienie(bity.data(), liczbaBitow, numery.data(), 4, KodTypu1000BaseT, -1.0f,
                                                1.0f, szybkosc, 5000.0f);
    std::vector<TStrumienKanalu> wynik;
    for (std::int32_t i = 0; i < 4; ++i)
        wynik.emplace_back(tablica[i]);
    delete[] tablica;
    return wynik;
}
