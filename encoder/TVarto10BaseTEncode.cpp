#include "TVarto10BaseTEncode.h"

#include <cmath>

TVarto10BaseTEncode::TVarto10BaseTEncode(std::int32_t szybkosc, float poziomDolny, float poziomGorny, float nachylenie)
    : TVartoEncode(szybkosc, poziomDolny, poziomGorny, nachylenie)
{
    LiczbaStrumieni = 3;
    NazwyStrumieni.reset(new std::string[3]{"Ciąg wejsciowy", "Ciąg Manchester", "Sygnał Manchester"});
}

void TVarto10BaseTEncode::Koduj(const std::int32_t* bity, std::int32_t n)
{
    KodujWejscie(bity, n);
    // The first half of the bit cell carries the complement of the bit, the second
    // half the bit itself.
    CiagManchester = std::make_unique<TIntStrumien>();
    CiagManchester->UstawDlugosc(2 * n);
    for (std::int32_t k = 0; k < n; ++k) {
        const std::int32_t bit = CiagWejsciowy->Zwroc(k);
        CiagManchester->Ustaw(2 * k, 1 - bit);
        CiagManchester->Ustaw(2 * k + 1, bit);
    }
    WykresManchester = ZwrocWykresCiagu(*CiagManchester, 0.5f);
    SygnalManchester = ZwrocSygnal(*CiagManchester, 0, 1, 0.5f);
}

TFltFltStrumien* TVarto10BaseTEncode::ZwrocStrumien(std::int32_t numer)
{
    switch (numer) {
    case 0:
        return Wydaj(WykresWejscia, numer, {0, 1, 1, 1, 0});
    case 1:
        return Wydaj(WykresManchester, numer, {0, 1, 1, 1, 0});
    case 2:
        return Wydaj(SygnalManchester, numer, WskazowkiSygnalu(1, std::fabs(PoziomDolny - PoziomGorny)));
    default:
        return nullptr;
    }
}
