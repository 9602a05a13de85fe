#include "TVarto1000BaseTEncode.h"

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
    PrzesunSkrambler(Scr);
    const TSlowaSkramblera slowa = SlowaSkramblera(Scr);
    Sx = slowa.Sx;
    Sy = slowa.Sy;
    Sg = slowa.Sg;
    Sc = SlowoDanych(slowa, i);
    for (std::size_t k = 0; k < 8; ++k)
        Sd[k] = Sc[k] ^ TXD[k];
    Sd[8] = KrokKoderaSplotowego(Cs, Sd[7]);
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
