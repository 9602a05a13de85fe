// Streams for the error library tests: reference signals and their samples.
#pragma once

#include <cstdint>
#include <vector>

#include "StrumienieTestowe.h"

// The plain search from the start: the first point not below x, or the straight line
// from its predecessor; the end values outside the span.
inline float WartoscNaiwna(const Punkty& p, float x)
{
    std::size_t i = 0;
    while (i < p.size() && p[i].X < x)
        ++i;
    if (i == p.size())
        return p.back().Y;
    if (p[i].X == x || i == 0)
        return p[i].Y;
    return p[i - 1].Y + (p[i].Y - p[i - 1].Y) / (p[i].X - p[i - 1].X) * (x - p[i - 1].X);
}

// A line signal of four levels with sloped and vertical edges: a level per symbol period,
// an edge of 0.3 periods (or none for every fifth change) centred on each boundary.
inline Punkty SygnalLiniowy(std::int32_t symbole)
{
    const float poziomy[] = {-1.0f, 1.0f, 0.5f, -0.5f, 1.0f, 0.0f, -1.0f};
    Punkty p{{0.0f, poziomy[0]}};
    for (std::int32_t k = 1; k < symbole; ++k) {
        const float w = k % 5 == 0 ? 0.0f : 0.15f;
        p.push_back({static_cast<float>(k) - w, poziomy[(k - 1) % 7]});
        p.push_back({static_cast<float>(k) + w, poziomy[k % 7]});
    }
    p.push_back({static_cast<float>(symbole), poziomy[(symbole - 1) % 7]});
    return p;
}

// Samples of y = k × wzorzec from x = od to x = do_ in steps of krok.
inline Punkty Probki(const Punkty& wzorzec, float od, float do_, float krok, float k)
{
    Punkty wynik;
    for (float x = od; x <= do_; x += krok)
        wynik.push_back({x, WartoscNaiwna(wzorzec, x) * k});
    return wynik;
}
