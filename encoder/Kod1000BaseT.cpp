#include "Kod1000BaseT.h"

namespace {

enum TypWymiaru { Parzysty, Nieparzysty };
using Wzor = std::array<TypWymiaru, 4>;
constexpr TypWymiaru P = Parzysty;
constexpr TypWymiaru N = Nieparzysty;

// Base types of dimensions A to D by family (the convolutional bit) and column.
constexpr std::array<std::array<Wzor, 4>, 2> WzorBazowy = {{
    {{{P, P, P, P}, {P, P, N, N}, {P, N, N, P}, {P, N, P, N}}},
    {{{P, P, P, N}, {P, P, N, P}, {P, N, N, N}, {P, N, P, P}}},
}};

Wzor Zamien(Wzor w)
{
    for (auto& typ : w)
        typ = typ == Parzysty ? Nieparzysty : Parzysty;
    return w;
}

std::int32_t Wartosc(TypWymiaru typ, std::int32_t bit)
{
    if (typ == Nieparzysty)
        return bit == 0 ? 1 : -1;
    return bit == 0 ? 0 : -2;
}

} // namespace

std::array<std::int32_t, 4> MapujSymbole(const std::array<std::int32_t, 9>& sd)
{
    const Wzor& baza = WzorBazowy[sd[8] & 1][2 * (sd[6] & 1) + (sd[7] & 1)];
    std::array<std::int32_t, 4> t{};
    if (sd[5] == 0) {
        const Wzor typy = sd[4] == 1 ? Zamien(baza) : baza;
        for (std::size_t k = 0; k < 4; ++k)
            t[k] = Wartosc(typy[k], sd[k]);
        return t;
    }
    // One dimension carries +2, chosen by (sd[4], sd[3]); the other three take
    // sd[0..2] in the order A, B, C, D.
    constexpr std::array<std::size_t, 4> WymiarPlusDwa = {0, 2, 1, 3};
    const std::size_t wybrany = WymiarPlusDwa[2 * static_cast<std::size_t>(sd[4] & 1) + static_cast<std::size_t>(sd[3] & 1)];
    const Wzor typy = baza[wybrany] == Nieparzysty ? Zamien(baza) : baza;
    std::size_t bit = 0;
    for (std::size_t k = 0; k < 4; ++k)
        t[k] = k == wybrany ? 2 : Wartosc(typy[k], sd[bit++]);
    return t;
}

void PrzesunSkrambler(TRejestrSkramblera& scr)
{
    const std::int32_t nowy = scr[12] ^ scr[32];
    for (std::size_t k = 32; k > 0; --k)
        scr[k] = scr[k - 1];
    scr[0] = nowy;
}

TSlowaSkramblera SlowaSkramblera(const TRejestrSkramblera& scr)
{
    TSlowaSkramblera s;
    s.Sy[0] = scr[0];
    s.Sy[1] = scr[3] ^ scr[8];
    s.Sy[2] = scr[6] ^ scr[16];
    s.Sy[3] = scr[9] ^ scr[14] ^ scr[19] ^ scr[24];
    s.Sx[0] = scr[4] ^ scr[6];
    s.Sx[1] = scr[7] ^ scr[9] ^ scr[12] ^ scr[14];
    s.Sx[2] = scr[10] ^ scr[12] ^ scr[20] ^ scr[22];
    s.Sx[3] = scr[13] ^ scr[15] ^ scr[18] ^ scr[20] ^ scr[23] ^ scr[25] ^ scr[28] ^ scr[30];
    s.Sg[0] = scr[1] ^ scr[5];
    s.Sg[1] = scr[4] ^ scr[8] ^ scr[9] ^ scr[13];
    s.Sg[2] = scr[7] ^ scr[11] ^ scr[17] ^ scr[21];
    s.Sg[3] = scr[10] ^ scr[14] ^ scr[15] ^ scr[19] ^ scr[20] ^ scr[24] ^ scr[25] ^ scr[29];
    return s;
}

std::array<std::int32_t, 8> SlowoDanych(const TSlowaSkramblera& slowa, std::int64_t i)
{
    const std::int32_t nieparzysty = i % 2 != 0 ? 1 : 0;
    std::array<std::int32_t, 8> sc{};
    sc[0] = slowa.Sy[0];
    for (std::size_t k = 1; k < 4; ++k)
        sc[k] = slowa.Sy[k] ^ nieparzysty;
    for (std::size_t k = 0; k < 4; ++k)
        sc[4 + k] = slowa.Sx[k];
    return sc;
}

std::int32_t KrokKoderaSplotowego(std::array<std::int32_t, 4>& cs, std::int32_t sd7)
{
    // Both register updates take Sd[7].
    const std::int32_t t = cs[3];
    cs[3] = sd7 ^ cs[2];
    cs[2] = sd7 ^ cs[1];
    cs[1] = t;
    return t;
}
