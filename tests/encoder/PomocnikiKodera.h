// Helpers for the coder tests: building sequences and reading streams as vectors.
#pragma once

#include <initializer_list>
#include <memory>
#include <vector>

#include "Vartostream.h"

inline std::unique_ptr<TIntStrumien> Ciag(std::initializer_list<std::int32_t> symbole)
{
    auto s = std::make_unique<TIntStrumien>();
    s->UstawDlugosc(static_cast<std::int32_t>(symbole.size()));
    std::int32_t i = 0;
    for (std::int32_t v : symbole)
        s->Ustaw(i++, v);
    return s;
}

inline std::vector<std::pair<float, float>> Punkty(TFltFltStrumien& s)
{
    std::vector<std::pair<float, float>> wynik;
    for (std::int32_t i = 0; i < s.ZwrocDlugosc(); ++i)
        wynik.emplace_back(s.Zwroc(i).X, s.Zwroc(i).Y);
    return wynik;
}

using Pkt = std::vector<std::pair<float, float>>;
