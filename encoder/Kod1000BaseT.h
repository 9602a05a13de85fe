// The 1000BaseT transmit code shared by its coder and its receiver: the side-stream
// scrambler with the bit words drawn from it, the convolutional encoder and the mapping
// of nine bits onto four PAM-5 symbols. The receiver inverts exactly these steps.
#pragma once

#include <array>
#include <cstdint>

// Scrambler register Scr[0] to Scr[32] (polynomial 1 + x^13 + x^33); all ones at the start.
using TRejestrSkramblera = std::array<std::int32_t, 33>;

// The bit words of one symbol, each bit 0 or 1.
struct TSlowaSkramblera {
    std::array<std::int32_t, 4> Sx{};
    std::array<std::int32_t, 4> Sy{};
    std::array<std::int32_t, 4> Sg{}; // sign of pair k: +1 for 0, -1 for 1
};

// One shift of the register: the new bit Scr[12] xor Scr[32] enters at Scr[0].
void PrzesunSkrambler(TRejestrSkramblera& scr);

// The bit words of the symbol whose shift has just been made.
TSlowaSkramblera SlowaSkramblera(const TRejestrSkramblera& scr);

// The eight bits Sc that scramble the data of symbol i (Sy with bits 1 to 3 inverted on
// odd i, then Sx).
std::array<std::int32_t, 8> SlowoDanych(const TSlowaSkramblera& slowa, std::int64_t i);

// Convolutional encoder state Cs[1] to Cs[3] (Cs[0] unused), zero at the start. One step
// with the scrambled bit sd7 returns the convolutional bit Sd[8] of this symbol.
std::int32_t KrokKoderaSplotowego(std::array<std::int32_t, 4>& cs, std::int32_t sd7);

// The four symbols (A, B, C, D), each -2 to +2, that the nine bits sd[0..8] map to.
std::array<std::int32_t, 4> MapujSymbole(const std::array<std::int32_t, 9>& sd);
