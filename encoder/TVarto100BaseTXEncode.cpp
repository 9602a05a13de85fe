#include "TVarto100BaseTXEncode.h"

#include <array>
#include <cmath>

#include "Kod4B5B.h"

void KodujMLT3(TIntStrumien& wejscie, TIntStrumien& wyjscie)
{
    const std::int32_t dlugosc = wejscie.ZwrocDlugosc();
    wyjscie.UstawDlugosc(dlugosc);
    std::int32_t poziom = 0;
    std::int32_t ostatniNiezerowy = -1;
    for (std::int32_t k = 0; k < dlugosc; ++k) {
        if (wejscie.Zwroc(k) == 1) {
            if (poziom != 0) {
                ostatniNiezerowy = poziom;
                poziom = 0;
            } else {
                poziom = -ostatniNiezerowy;
                ostatniNiezerowy = 0;
            }
        }
        wyjscie.Ustaw(k, poziom);
    }
}

TVarto100BaseTXEncode::TVarto100BaseTXEncode(std::int32_t szybkosc, float poziomDolny, float poziomGorny,
                                             float nachylenie)
    : TVartoEncode(szybkosc, poziomDolny, poziomGorny, nachylenie)
{
    LiczbaStrumieni = 4;
    NazwyStrumieni.reset(new std::string[4]{"Ciąg wejsciowy", "Ciąg 4B5B", "Ciąg MLT3", "Sygnał MLT3"});
}

void TVarto100BaseTXEncode::Koduj(const std::int32_t* bity, std::int32_t n)
{
    const std::int32_t uzyte = n - n % 4;
    KodujWejscie(bity, uzyte);
    Ciag4B5B = std::make_unique<TIntStrumien>();
    Ciag4B5B->UstawDlugosc(uzyte * 5 / 4);
    for (std::int32_t g = 0; g < uzyte / 4; ++g) {
        std::uint32_t nibble = 0;
        for (std::int32_t b = 0; b < 4; ++b)
            nibble = nibble * 2 + static_cast<std::uint32_t>(CiagWejsciowy->Zwroc(4 * g + b));
        const std::uint8_t grupa = Grupy4B5B[nibble & 0xF];
        for (std::int32_t b = 0; b < 5; ++b)
            Ciag4B5B->Ustaw(5 * g + b, (grupa >> (4 - b)) & 1);
    }
    Wykres4B5B = ZwrocWykresCiagu(*Ciag4B5B, 1.0f);
    KodujLinie(*Ciag4B5B);
}

void TVarto100BaseTXEncode::KodujLinie(TIntStrumien& wejscie)
{
    CiagMLT3 = std::make_unique<TIntStrumien>();
    KodujMLT3(wejscie, *CiagMLT3);
    WykresMLT3 = ZwrocWykresCiagu(*CiagMLT3, 1.0f);
    SygnalMLT3 = ZwrocSygnal(*CiagMLT3, -1, 1, 1.0f);
}

TWskazowkiWykresu TVarto100BaseTXEncode::WskazowkiSygnaluMLT3() const
{
    return WskazowkiSygnalu(5, std::fabs(PoziomDolny - PoziomGorny) * 0.5f);
}

TFltFltStrumien* TVarto100BaseTXEncode::ZwrocStrumien(std::int32_t numer)
{
    switch (numer) {
    case 0:
        return Wydaj(WykresWejscia, numer, {0, 1, 4, 1, 0});
    case 1:
        return Wydaj(Wykres4B5B, numer, {0, 1, 5, 1, 0});
    case 2:
        return Wydaj(WykresMLT3, numer, {-1, 1, 5, 1, 0});
    case 3:
        return Wydaj(SygnalMLT3, numer, WskazowkiSygnaluMLT3());
    default:
        return nullptr;
    }
}

TVarto100BaseTXModEncode::TVarto100BaseTXModEncode(std::int32_t szybkosc, float poziomDolny, float poziomGorny,
                                                   float nachylenie)
    : TVarto100BaseTXEncode(szybkosc, poziomDolny, poziomGorny, nachylenie)
{
    LiczbaStrumieni = 3;
    NazwyStrumieni.reset(new std::string[3]{"Ciąg wejsciowy", "Ciąg MLT3", "Sygnał MLT3"});
}

void TVarto100BaseTXModEncode::Koduj(const std::int32_t* bity, std::int32_t n)
{
    KodujWejscie(bity, n - n % 5);
    KodujLinie(*CiagWejsciowy);
}

TFltFltStrumien* TVarto100BaseTXModEncode::ZwrocStrumien(std::int32_t numer)
{
    switch (numer) {
    case 0:
        return Wydaj(WykresWejscia, numer, {0, 1, 5, 1, 0});
    case 1:
        return Wydaj(WykresMLT3, numer, {-1, 1, 5, 1, 0});
    case 2:
        return Wydaj(SygnalMLT3, numer, WskazowkiSygnaluMLT3());
    default:
        return nullptr;
    }
}
