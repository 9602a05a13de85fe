#include "TVarto1000BaseTEncode.h"

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

TVarto1000BaseTEncode::TVarto1000BaseTEncode(std::int32_t szybkosc, float poziomDolny, float poziomGorny,
                                             float nachylenie)
    : TVartoEncode(szybkosc, poziomDolny, poziomGorny, nachylenie)
{
    Scr.fill(1);
    LiczbaStrumieni = 9;
    NazwyStrumieni.reset(new std::string[9]{"Ciąg wejsciowy", "Ciąg An", "Ciąg Bn", "Ciąg Cn", "Ciąg Dn",
                                            "Sygnał An", "Sygnał Bn", "Sygnał Cn", "Sygnał Dn"});
}

void TVarto1000BaseTEncode::Koduj(const std::int32_t* bity, std::int32_t n)
{
    const std::int32_t uzyte = n - n % 8;
    KodujWejscie(bity, uzyte);
    for (auto& ciag : Ciagi) {
        ciag = std::make_unique<TIntStrumien>();
        ciag->UstawDlugosc(uzyte / 8);
    }
    Cs[3] = 0;
    for (std::int32_t i = 0; i < uzyte / 8; ++i) {
        for (std::int32_t j = 0; j < 8; ++j)
            TXD[static_cast<std::size_t>(j)] = CiagWejsciowy->Zwroc(8 * i + j);
        KrokSymbolu(i);
        for (std::size_t k = 0; k < 4; ++k)
            Ciagi[k]->Ustaw(i, T[k] * Znak[k]);
    }
    for (std::size_t k = 0; k < 4; ++k) {
        Wykresy[k] = ZwrocWykresCiagu(*Ciagi[k], 1.0f);
        Sygnaly[k] = ZwrocSygnal(*Ciagi[k], -2, 2, 1.0f);
    }
}

void TVarto1000BaseTEncode::KrokSymbolu(std::int32_t i)
{
    // Side-stream scrambler 1 + x^13 + x^33.
    const std::int32_t nowy = Scr[12] ^ Scr[32];
    for (std::size_t k = 32; k > 0; --k)
        Scr[k] = Scr[k - 1];
    Scr[0] = nowy;

    Sy[0] = Scr[0];
    Sy[1] = Scr[3] ^ Scr[8];
    Sy[2] = Scr[6] ^ Scr[16];
    Sy[3] = Scr[9] ^ Scr[14] ^ Scr[19] ^ Scr[24];
    Sx[0] = Scr[4] ^ Scr[6];
    Sx[1] = Scr[7] ^ Scr[9] ^ Scr[12] ^ Scr[14];
    Sx[2] = Scr[10] ^ Scr[12] ^ Scr[20] ^ Scr[22];
    Sx[3] = Scr[13] ^ Scr[15] ^ Scr[18] ^ Scr[20] ^ Scr[23] ^ Scr[25] ^ Scr[28] ^ Scr[30];
    Sg[0] = Scr[1] ^ Scr[5];
    Sg[1] = Scr[4] ^ Scr[8] ^ Scr[9] ^ Scr[13];
    Sg[2] = Scr[7] ^ Scr[11] ^ Scr[17] ^ Scr[21];
    Sg[3] = Scr[10] ^ Scr[14] ^ Scr[15] ^ Scr[19] ^ Scr[20] ^ Scr[24] ^ Scr[25] ^ Scr[29];

    const std::int32_t nieparzysty = i % 2 != 0 ? 1 : 0;
    Sc[0] = Sy[0];
    for (std::size_t k = 1; k < 4; ++k)
        Sc[k] = Sy[k] ^ nieparzysty;
    for (std::size_t k = 0; k < 4; ++k)
        Sc[4 + k] = Sx[k];
    for (std::size_t k = 0; k < 8; ++k)
        Sd[k] = Sc[k] ^ TXD[k];

    // Both register updates take Sd[7].
    const std::int32_t t = Cs[3];
    Cs[3] = Sd[7] ^ Cs[2];
    Cs[2] = Sd[7] ^ Cs[1];
    Cs[1] = t;
    Sd[8] = t;

    T = MapujSymbole(Sd);
    for (std::size_t k = 0; k < 4; ++k)
        Znak[k] = Sg[k] == 0 ? 1 : -1;
}

TFltFltStrumien* TVarto1000BaseTEncode::ZwrocStrumien(std::int32_t numer)
{
    if (numer == 0)
        return Wydaj(WykresWejscia, numer, {0, 1, 8, 1, 0});
    if (numer >= 1 && numer <= 4)
        return Wydaj(Wykresy[static_cast<std::size_t>(numer - 1)], numer, {-2, 2, 1, 1, 1});
    if (numer >= 5 && numer <= 8)
        return Wydaj(Sygnaly[static_cast<std::size_t>(numer - 5)], numer, WskazowkiSygnalu(1, 0.5f));
    return nullptr;
}
