// Signals for the receiver tests: the code symbols the shipped encoder sends for given
// bits, and a lane's samples built from them with sloped edges, delay and noise.
#pragma once

#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "Odbiornik.h"
#include "VartoEncode.h"

// The code symbols of one pair (0 to 3) that the encoder sends for bity with the coder typ.
inline std::vector<std::int32_t> SymboleKodera(std::uint8_t typ, const std::vector<std::int32_t>& bity, int para = 0)
{
    const std::int32_t numer = typ == KodTypu1000BaseT ? 1 + para : typ == KodTypu100BaseTX ? 2 : 1;
    const float krok = typ == KodTypu10BaseT ? 0.5f : 1.0f;
    TFltFltStrumien** tablica = ZwrocStrumienie(bity.data(), static_cast<std::int32_t>(bity.size()), &numer, 1, typ,
                                                -1.0f, 1.0f, 125, 5000.0f);
    std::unique_ptr<TFltFltStrumien> schody(tablica[0]);
    delete[] tablica;
    const std::int32_t n = schody->ZwrocDlugosc();
    const auto liczba = static_cast<std::size_t>(std::lround(schody->Zwroc(n - 1).X / krok));
    std::vector<std::int32_t> symbole;
    std::int32_t p = 0;
    for (std::size_t k = 0; k < liczba; ++k) {
        const float srodek = (static_cast<float>(k) + 0.5f) * krok;
        while (p + 1 < n && schody->Zwroc(p + 1).X <= srodek)
            ++p;
        symbole.push_back(static_cast<std::int32_t>(schody->Zwroc(p).Y));
    }
    return symbole;
}

// Samples of the symbols sent at poziomy: q samples per symbol, each symbol delayed by
// opoznienie periods, every change a straight edge zbocze periods wide, and Gaussian
// noise of sigma volts from ziarno.
inline TSygnalToru Sygnal(const std::vector<std::int32_t>& symbole, const TPoziomy& poziomy, double q,
                          double opoznienie = 0.0, double zbocze = 0.1, double sigma = 0.0, unsigned ziarno = 1)
{
    std::mt19937 generator(ziarno);
    std::normal_distribution<double> szum(0.0, sigma > 0.0 ? sigma : 1.0);
    TSygnalToru s;
    s.ProbkiNaSymbol = q;
    const auto n = static_cast<std::int64_t>(std::floor(static_cast<double>(symbole.size()) * q));
    const auto poziom = [&](std::int64_t k) {
        k = std::clamp<std::int64_t>(k, 0, static_cast<std::int64_t>(symbole.size()) - 1);
        return symbole[static_cast<std::size_t>(k)] * poziomy.Krok + poziomy.Przesuniecie;
    };
    for (std::int64_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / q - opoznienie;
        const double granica = std::round(t);
        const double odGranicy = t - granica;
        double y = poziom(static_cast<std::int64_t>(std::floor(t)));
        if (std::abs(odGranicy) < 0.5 * zbocze) {
            const double przed = poziom(static_cast<std::int64_t>(granica) - 1);
            const double po = poziom(static_cast<std::int64_t>(granica));
            y = przed + (po - przed) * (odGranicy / zbocze + 0.5);
        }
        if (sigma > 0.0)
            y += szum(generator);
        s.Probki.push_back(static_cast<float>(y));
    }
    return s;
}

inline std::vector<std::int32_t> LosoweBity(std::size_t n, unsigned ziarno)
{
    std::mt19937 generator(ziarno);
    std::vector<std::int32_t> bity(n);
    for (auto& b : bity)
        b = static_cast<std::int32_t>(generator() & 1);
    return bity;
}
