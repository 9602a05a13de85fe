// The 10BaseT coder: Manchester coding, two half-bit symbols per input bit.
#pragma once

#include "TVartoEncode.h"

class TVarto10BaseTEncode : public TVartoEncode {
public:
    TVarto10BaseTEncode(std::int32_t szybkosc, float poziomDolny, float poziomGorny, float nachylenie);

    void Koduj(const std::int32_t* bity, std::int32_t n) override;
    TFltFltStrumien* ZwrocStrumien(std::int32_t numer) override;

private:
    std::unique_ptr<TIntStrumien> CiagManchester;
    TFltFltStrumien* WykresManchester = nullptr;
    TFltFltStrumien* SygnalManchester = nullptr;
};
