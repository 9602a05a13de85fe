#include "Odbiornik.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include "Kod4B5B.h"
#include "OdbiorPAM5.h"

namespace {

// The nibble of each 5-bit code group, -1 for the sixteen groups that carry no data.
constexpr std::array<std::int8_t, 32> Nibble4B5B = [] {
    std::array<std::int8_t, 32> t{};
    t.fill(-1);
    for (std::size_t n = 0; n < Grupy4B5B.size(); ++n)
        t[Grupy4B5B[n]] = static_cast<std::int8_t>(n);
    return t;
}();

const TProbkiSymboli& JedenTor(const std::vector<TProbkiSymboli>& tory)
{
    if (tory.size() != 1)
        throw std::invalid_argument("the line code is sent on one lane");
    return tory.front();
}

// A bit's two half-bit symbols are 1 - b and b: the later half higher means a 1.
TBityOdebrane Manchester(const TProbkiSymboli& s)
{
    TBityOdebrane wynik;
    wynik.Pierwszy = (s.Pierwszy + 1) / 2;
    const std::int64_t koniec = s.Pierwszy + static_cast<std::int64_t>(s.Wartosci.size());
    for (std::int64_t b = wynik.Pierwszy; 2 * b + 1 < koniec; ++b) {
        const float pierwsza = s.Wartosci[static_cast<std::size_t>(2 * b - s.Pierwszy)];
        const float druga = s.Wartosci[static_cast<std::size_t>(2 * b + 1 - s.Pierwszy)];
        wynik.Bity.push_back(druga > pierwsza ? 1 : 0);
    }
    return wynik;
}

// MLT-3 levels, then NRZI: a code bit is 1 where the level changed from the symbol
// before; the line rests at level 0 before the first symbol.
TBityOdebrane BityNRZI(const TProbkiSymboli& s)
{
    TBityOdebrane wynik;
    const bool odPoczatku = s.Pierwszy == 0;
    wynik.Pierwszy = odPoczatku ? 0 : s.Pierwszy + 1;
    std::int32_t poprzedni = 0;
    for (std::size_t k = 0; k < s.Wartosci.size(); ++k) {
        const std::int32_t poziom = Decyzja(s.Wartosci[k], -1, 1);
        if (k > 0 || odPoczatku)
            wynik.Bity.push_back(poziom != poprzedni ? 1 : 0);
        poprzedni = poziom;
    }
    return wynik;
}

// Code groups start at every fifth code bit; each valid group gives four data bits.
TBityOdebrane Dekoduj5B4B(const TBityOdebrane& kod)
{
    TBityOdebrane wynik;
    const std::int64_t pierwszaGrupa = (kod.Pierwszy + 4) / 5;
    wynik.Pierwszy = 4 * pierwszaGrupa;
    const std::int64_t koniec = kod.Pierwszy + static_cast<std::int64_t>(kod.Bity.size());
    for (std::int64_t g = pierwszaGrupa; 5 * g + 5 <= koniec; ++g) {
        std::size_t grupa = 0;
        for (std::int64_t b = 0; b < 5; ++b)
            grupa = 2 * grupa + static_cast<std::size_t>(kod.Bity[static_cast<std::size_t>(5 * g + b - kod.Pierwszy)]);
        const std::int8_t nibble = Nibble4B5B[grupa];
        for (int b = 3; b >= 0; --b)
            wynik.Bity.push_back(nibble < 0 ? std::int8_t{-1} : static_cast<std::int8_t>((nibble >> b) & 1));
    }
    return wynik;
}

} // namespace

TBityOdebrane OdzyskajBity(TKodLinii kod, const std::vector<TProbkiSymboli>& tory, bool viterbi)
{
    switch (kod) {
    case TKodLinii::Manchester:
        return Manchester(JedenTor(tory));
    case TKodLinii::MLT3:
        return BityNRZI(JedenTor(tory));
    case TKodLinii::MLT3z4B5B:
        return Dekoduj5B4B(BityNRZI(JedenTor(tory)));
    case TKodLinii::PAM5:
        if (tory.size() != 4)
            throw std::invalid_argument("1000BaseT is sent on four lanes");
        return OdzyskajBityPAM5({&tory[0], &tory[1], &tory[2], &tory[3]}, viterbi);
    }
    return {};
}

TZliczenieBledow PorownajBity(const TBityOdebrane& odebrane, const std::vector<std::int32_t>& wyslane,
                              std::int64_t od, std::int64_t liczba)
{
    TZliczenieBledow z;
    z.Porownane = liczba;
    for (std::int64_t i = od; i < od + liczba; ++i) {
        const std::int64_t j = i - odebrane.Pierwszy;
        const bool znany = j >= 0 && j < static_cast<std::int64_t>(odebrane.Bity.size());
        const bool wyslanyZnany = i >= 0 && i < static_cast<std::int64_t>(wyslane.size());
        if (!znany || !wyslanyZnany ||
            odebrane.Bity[static_cast<std::size_t>(j)] != wyslane[static_cast<std::size_t>(i)])
            ++z.Bledy;
    }
    return z;
}
