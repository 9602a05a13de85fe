// The 1000BaseT part of the receiver: signs and scrambler undone with the transmitter's
// own scrambler sequence, and the trellis code decoded by the Viterbi algorithm.
#pragma once

#include <array>

#include "Odbiornik.h"

// The data bits of the four lanes' decision values (pairs A to D). With viterbi the
// most likely path through the encoder's eight-state trellis is taken; without it each
// four-dimensional symbol is sliced level by level, and a word the code never sends
// leaves its eight bits unrecovered.
TBityOdebrane OdzyskajBityPAM5(const std::array<const TProbkiSymboli*, 4>& tory, bool viterbi);
