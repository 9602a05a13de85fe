// The 100BaseTX coders: 4B5B followed by MLT-3, and the variant that applies MLT-3
// straight to the input bits.
#pragma once

#include "TVartoEncode.h"

// MLT-3 of a sequence: every 1 moves the line one step around +1, 0, -1, 0.
void KodujMLT3(TIntStrumien& wejscie, TIntStrumien& wyjscie);

class TVarto100BaseTXEncode : public TVartoEncode {
public:
    TVarto100BaseTXEncode(std::int32_t szybkosc, float poziomDolny, float poziomGorny, float nachylenie);

    void Koduj(const std::int32_t* bity, std::int32_t n) override;
    TFltFltStrumien* ZwrocStrumien(std::int32_t numer) override;

protected:
    std::unique_ptr<TIntStrumien> Ciag4B5B;
    std::unique_ptr<TIntStrumien> CiagMLT3;
    TFltFltStrumien* Wykres4B5B = nullptr;
    TFltFltStrumien* WykresMLT3 = nullptr;
    TFltFltStrumien* SygnalMLT3 = nullptr;

    // MLT-3 of wejscie into CiagMLT3, then its staircase and line signal.
    void KodujLinie(TIntStrumien& wejscie);
    TWskazowkiWykresu WskazowkiSygnaluMLT3() const;
};

class TVarto100BaseTXModEncode : public TVarto100BaseTXEncode {
public:
    TVarto100BaseTXModEncode(std::int32_t szybkosc, float poziomDolny, float poziomGorny, float nachylenie);

    void Koduj(const std::int32_t* bity, std::int32_t n) override;
    TFltFltStrumien* ZwrocStrumien(std::int32_t numer) override;
};
