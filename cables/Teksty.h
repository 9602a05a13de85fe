// Small helpers of the library's user texts, private to it.
#pragma once

#include <cstddef>
#include <string>

#include "Liczby.h"

// n and the Polish noun in the form n asks for: 1 punkt, 2–4 punkty (not 12–14), 5 punktów.
inline std::string PolskaLiczba(std::size_t n, const char* jeden, const char* kilka, const char* wiele)
{
    const std::size_t dziesiatki = n % 100;
    const std::size_t jednosci = n % 10;
    const char* forma = n == 1 ? jeden
                        : (jednosci >= 2 && jednosci <= 4 && (dziesiatki < 12 || dziesiatki > 14)) ? kilka
                                                                                                   : wiele;
    return FormatujCalkowita(static_cast<std::int64_t>(n)) + " " + forma;
}

// n and the English noun, plural unless n is 1.
inline std::string AngielskaLiczba(std::size_t n, const char* jeden, const char* wiele)
{
    return FormatujCalkowita(static_cast<std::int64_t>(n)) + " " + (n == 1 ? jeden : wiele);
}

// A frequency or level as the characteristic lists show it: three decimals.
inline std::string Trzy(double wartosc)
{
    return FormatujStalo(wartosc, 3);
}
