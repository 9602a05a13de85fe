// The 1000BaseT coder: side-stream scrambler, convolutional bit, mapping of nine bits
// onto four PAM-5 symbols (pairs A to D) and sign scrambling.
#pragma once

#include <array>

#include "Kod1000BaseT.h"
#include "TVartoEncode.h"

class TVarto1000BaseTEncode : public TVartoEncode {
public:
    TVarto1000BaseTEncode(std::int32_t szybkosc, float poziomDolny, float poziomGorny, float nachylenie);

    void Koduj(const std::int32_t* bity, std::int32_t n) override;
    TFltFltStrumien* ZwrocStrumien(std::int32_t numer) override;

private:
    // One symbol step: scrambles TXD, adds the convolutional bit, maps and signs.
    void KrokSymbolu(std::int32_t i);

    std::array<std::int32_t, 8> TXD{};
    TRejestrSkramblera Scr;
    std::array<std::int32_t, 4> Sx{};
    std::array<std::int32_t, 4> Sy{};
    std::array<std::int32_t, 4> Sg{};
    std::array<std::int32_t, 8> Sc{};
    std::array<std::int32_t, 9> Sd{};
    std::array<std::int32_t, 4> Cs{}; // Cs[1] to Cs[3]; Cs[0] unused
    std::array<std::int32_t, 4> T{};
    std::array<std::int32_t, 4> Znak{};
    std::array<std::unique_ptr<TIntStrumien>, 4> Ciagi;
    std::array<TFltFltStrumien*, 4> Wykresy{};
    std::array<TFltFltStrumien*, 4> Sygnaly{};
};
