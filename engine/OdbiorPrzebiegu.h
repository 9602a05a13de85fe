// The receiver's part of a run: each lane's signal as the receive amplifier scales it,
// with the channel's run-in and run-out, handed to the receiver library; the recovered
// data bits counted against the bits sent, the guard bits excluded.
#pragma once

#include <cstdint>
#include <vector>

#include "Symulacja.h"

// Fills each lane's timing and the run's counted errors. Called before the encoder's
// streams are trimmed; bityLinii are the lanes' bits as encoded, guard bits included.
void OdbierzPrzebieg(TWynikSymulacji& w, const std::vector<std::int32_t>& bityLinii);

// Measures each lane's eye at the timing OdbierzPrzebieg found, from its staircase of
// sent code symbols: called, as it is, before the encoder's streams are trimmed.
void ZmierzOka(TWynikSymulacji& w);

// Fills the run's density eye from every lane's eye stream, on the eye diagram's scale.
void GestoscOkaPrzebiegu(TWynikSymulacji& w);

// The code symbols of a staircase drawn with okres x units per symbol (the encoder's
// display of a code-symbol sequence), read at the middle of each symbol.
std::vector<std::int32_t> SymboleSchodow(TFltFltStrumien& schody, double okres);
