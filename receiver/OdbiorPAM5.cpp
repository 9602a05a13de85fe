#include "OdbiorPAM5.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "Kod1000BaseT.h"

namespace {

constexpr std::size_t LiczbaStanow = 8;
constexpr std::size_t LiczbaPodzbiorow = 8; // family (Sd[8]) times column (2 Sd[6] + Sd[7])
constexpr std::size_t PunktowWPodzbiorze = 64; // Sd[0] to Sd[5]

using TSymbol4D = std::array<std::int8_t, 4>;

// A nine-bit word as the array the mapping takes.
std::array<std::int32_t, 9> Bity(std::uint32_t slowo)
{
    std::array<std::int32_t, 9> sd{};
    for (std::size_t k = 0; k < 9; ++k)
        sd[k] = static_cast<std::int32_t>((slowo >> k) & 1);
    return sd;
}

std::uint32_t Slowo(std::size_t podzbior, std::size_t punkt)
{
    const auto rodzina = static_cast<std::uint32_t>(podzbior / 4);
    const auto kolumna = static_cast<std::uint32_t>(podzbior % 4);
    return static_cast<std::uint32_t>(punkt) | (kolumna >> 1) << 6 | (kolumna & 1) << 7 | rodzina << 8;
}

std::size_t IndeksPunktu(const TSymbol4D& t)
{
    std::size_t i = 0;
    for (const std::int8_t v : t)
        i = 5 * i + static_cast<std::size_t>(v + 2);
    return i;
}

// The code's tables, built once from the transmitter's own mapping and encoder step.
struct TKod {
    std::array<std::array<TSymbol4D, PunktowWPodzbiorze>, LiczbaPodzbiorow> Punkty{};
    std::array<std::int16_t, 625> Slowa{}; // the nine-bit word of each PAM-5 point, -1 for none
    std::array<std::array<std::uint8_t, 2>, LiczbaStanow> Nastepny{};  // by state and Sd[7]
    std::array<std::array<std::uint8_t, 2>, LiczbaStanow> Poprzedni{}; // by next state and Sd[7]
    std::array<std::uint8_t, LiczbaStanow> Rodzina{};                  // Sd[8] of a branch from the state

    TKod()
    {
        Slowa.fill(-1);
        for (std::size_t z = 0; z < LiczbaPodzbiorow; ++z)
            for (std::size_t p = 0; p < PunktowWPodzbiorze; ++p) {
                const std::uint32_t slowo = Slowo(z, p);
                const std::array<std::int32_t, 4> t = MapujSymbole(Bity(slowo));
                TSymbol4D& punkt = Punkty[z][p];
                for (std::size_t k = 0; k < 4; ++k)
                    punkt[k] = static_cast<std::int8_t>(t[k]);
                Slowa[IndeksPunktu(punkt)] = static_cast<std::int16_t>(slowo);
            }
        // State bits Cs[1], Cs[2], Cs[3] as bits 0, 1, 2 of the state number.
        for (std::uint8_t s = 0; s < LiczbaStanow; ++s)
            for (std::int32_t u = 0; u < 2; ++u) {
                std::array<std::int32_t, 4> cs = {0, s & 1, (s >> 1) & 1, (s >> 2) & 1};
                Rodzina[s] = static_cast<std::uint8_t>(KrokKoderaSplotowego(cs, u));
                const auto nastepny = static_cast<std::uint8_t>(cs[1] | cs[2] << 1 | cs[3] << 2);
                Nastepny[s][static_cast<std::size_t>(u)] = nastepny;
                Poprzedni[nastepny][static_cast<std::size_t>(u)] = s;
            }
    }
};

const TKod& Kod()
{
    static const TKod kod;
    return kod;
}

// What the transmitter's scrambler did to one symbol, two bytes.
struct TSkramblowanie {
    std::uint8_t Sc;    // data scrambling bits, Sc[k] as bit k
    std::uint8_t Znaki; // bit k set: pair k sent with the sign -1

    float Znak(std::size_t para) const { return (Znaki >> para) & 1 ? -1.0f : 1.0f; }
};

// The scrambler sequence of symbols od to do_ - 1, run from its start as the transmitter ran it.
std::vector<TSkramblowanie> Skramblowanie(std::int64_t od, std::int64_t do_)
{
    std::vector<TSkramblowanie> wynik;
    wynik.reserve(static_cast<std::size_t>(std::max<std::int64_t>(do_ - od, 0)));
    TRejestrSkramblera scr;
    scr.fill(1);
    for (std::int64_t i = 0; i < do_; ++i) {
        PrzesunSkrambler(scr);
        if (i < od)
            continue;
        const TSlowaSkramblera slowa = SlowaSkramblera(scr);
        const std::array<std::int32_t, 8> sc = SlowoDanych(slowa, i);
        TSkramblowanie s{0, 0};
        for (std::size_t k = 0; k < 8; ++k)
            s.Sc = static_cast<std::uint8_t>(s.Sc | (sc[k] & 1) << k);
        for (std::size_t k = 0; k < 4; ++k)
            s.Znaki = static_cast<std::uint8_t>(s.Znaki | (slowa.Sg[k] & 1) << k);
        wynik.push_back(s);
    }
    return wynik;
}

// Squared distances of one received four-dimensional symbol to each level of each pair.
using TOdleglosci = std::array<std::array<float, 5>, 4>;

TOdleglosci Odleglosci(const std::array<float, 4>& r)
{
    TOdleglosci e{};
    for (std::size_t k = 0; k < 4; ++k)
        for (std::size_t v = 0; v < 5; ++v) {
            const float d = r[k] - (static_cast<float>(v) - 2.0f);
            e[k][v] = d * d;
        }
    return e;
}

// The data bits TXD[0] to TXD[7] of a symbol: its scrambled bits Sd[0..7] with the scrambling taken off.
void DopiszDane(TBityOdebrane& wynik, std::uint32_t sd, std::uint8_t sc)
{
    for (std::size_t k = 0; k < 8; ++k)
        wynik.Bity.push_back(static_cast<std::int8_t>(((sd ^ sc) >> k) & 1));
}

TBityOdebrane Slicer(const std::vector<std::array<float, 4>>& r, const std::vector<TSkramblowanie>& skr,
                     std::int64_t pierwszy)
{
    const TKod& kod = Kod();
    TBityOdebrane wynik;
    wynik.Pierwszy = 8 * pierwszy;
    for (std::size_t i = 0; i < r.size(); ++i) {
        TSymbol4D t{};
        for (std::size_t k = 0; k < 4; ++k)
            t[k] = static_cast<std::int8_t>(Decyzja(r[i][k], -2, 2));
        const std::int16_t slowo = kod.Slowa[IndeksPunktu(t)];
        if (slowo < 0)
            wynik.Bity.insert(wynik.Bity.end(), 8, std::int8_t{-1});
        else
            DopiszDane(wynik, static_cast<std::uint32_t>(slowo), skr[i].Sc);
    }
    return wynik;
}

TBityOdebrane Viterbi(const std::vector<std::array<float, 4>>& r, const std::vector<TSkramblowanie>& skr,
                      std::int64_t pierwszy)
{
    const TKod& kod = Kod();
    const std::size_t n = r.size();
    // The transmitter's encoder starts in state 0 at symbol 0; later starts are unknown.
    std::array<double, LiczbaStanow> metryka{};
    if (pierwszy == 0) {
        metryka.fill(std::numeric_limits<double>::infinity());
        metryka[0] = 0.0;
    }
    // Per symbol and state the surviving branch into it: Sd[0] to Sd[7] (Sd[7] names the
    // predecessor), one byte, so the memory is one byte per data bit.
    std::vector<std::array<std::uint8_t, LiczbaStanow>> przetrwale(n);

    for (std::size_t i = 0; i < n; ++i) {
        const TOdleglosci e = Odleglosci(r[i]);
        // The nearest point of every subset: the best choice among its parallel branches.
        std::array<float, LiczbaPodzbiorow> najlepsza{};
        std::array<std::uint8_t, LiczbaPodzbiorow> punkt{};
        for (std::size_t z = 0; z < LiczbaPodzbiorow; ++z) {
            float min = std::numeric_limits<float>::infinity();
            for (std::size_t p = 0; p < PunktowWPodzbiorze; ++p) {
                const TSymbol4D& t = kod.Punkty[z][p];
                const float d = e[0][static_cast<std::size_t>(t[0] + 2)] + e[1][static_cast<std::size_t>(t[1] + 2)] +
                    e[2][static_cast<std::size_t>(t[2] + 2)] + e[3][static_cast<std::size_t>(t[3] + 2)];
                if (d < min) {
                    min = d;
                    punkt[z] = static_cast<std::uint8_t>(p);
                }
            }
            najlepsza[z] = min;
        }
        std::array<double, LiczbaStanow> nowa;
        nowa.fill(std::numeric_limits<double>::infinity());
        for (std::uint8_t s = 0; s < LiczbaStanow; ++s)
            for (std::uint32_t u = 0; u < 2; ++u) {
                const std::size_t baza = 4u * kod.Rodzina[s];
                const std::size_t z0 = baza + u;     // Sd[6] = 0
                const std::size_t z1 = baza + 2 + u; // Sd[6] = 1
                const std::size_t z = najlepsza[z1] < najlepsza[z0] ? z1 : z0;
                const double m = metryka[s] + najlepsza[z];
                const std::uint8_t nastepny = kod.Nastepny[s][u];
                if (m < nowa[nastepny]) {
                    nowa[nastepny] = m;
                    przetrwale[i][nastepny] = static_cast<std::uint8_t>(Slowo(z, punkt[z]) & 0xFF);
                }
            }
        const double min = *std::min_element(nowa.begin(), nowa.end());
        for (std::size_t s = 0; s < LiczbaStanow; ++s)
            metryka[s] = nowa[s] - min;
    }

    std::vector<std::uint8_t> slowa(n);
    auto stan = static_cast<std::uint8_t>(std::min_element(metryka.begin(), metryka.end()) - metryka.begin());
    for (std::size_t i = n; i-- > 0;) {
        slowa[i] = przetrwale[i][stan];
        stan = kod.Poprzedni[stan][static_cast<std::size_t>(slowa[i] >> 7)];
    }
    TBityOdebrane wynik;
    wynik.Pierwszy = 8 * pierwszy;
    wynik.Bity.reserve(8 * n);
    for (std::size_t i = 0; i < n; ++i)
        DopiszDane(wynik, slowa[i], skr[i].Sc);
    return wynik;
}

} // namespace

TBityOdebrane OdzyskajBityPAM5(const std::array<const TProbkiSymboli*, 4>& tory, bool viterbi)
{
    std::int64_t od = 0;
    std::int64_t do_ = std::numeric_limits<std::int64_t>::max();
    for (const TProbkiSymboli* t : tory) {
        od = std::max(od, t->Pierwszy);
        do_ = std::min(do_, t->Pierwszy + static_cast<std::int64_t>(t->Wartosci.size()));
    }
    if (od >= do_)
        return {od * 8, {}};
    const std::vector<TSkramblowanie> skr = Skramblowanie(od, do_);
    // The received symbols with the transmitter's sign scrambling taken off.
    std::vector<std::array<float, 4>> r(static_cast<std::size_t>(do_ - od));
    for (std::size_t i = 0; i < r.size(); ++i)
        for (std::size_t k = 0; k < 4; ++k)
            r[i][k] = tory[k]->Wartosci[static_cast<std::size_t>(od - tory[k]->Pierwszy) + i] * skr[i].Znak(k);
    return viterbi ? Viterbi(r, skr, od) : Slicer(r, skr, od);
}
