// The receiver of a run: finds each lane's symbol timing in its received signal, takes
// one decision value per symbol, undoes the standard's line code and counts the
// recovered data bits against the bits that were sent.
#pragma once

#include <cstdint>
#include <vector>

// The line codes the receiver undoes.
enum class TKodLinii {
    Manchester, // 10BaseT: each bit b sent as the half-bit symbols 1 - b, b (values 0 and 1)
    MLT3z4B5B,  // 100BaseTX: 4B/5B code groups, NRZI, MLT-3 (values -1, 0, +1)
    MLT3,       // 100BaseTX without 4B5B: NRZI and MLT-3 of the bits themselves
    PAM5,       // 1000BaseT: scrambler, trellis code, PAM-5 on four lanes (values -2 to +2)
};

// The smallest and largest code symbol of a line code.
std::int32_t SymbolMinKodu(TKodLinii kod);
std::int32_t SymbolMaxKodu(TKodLinii kod);

// The level a decision value (symbol units) decides between min and max: the nearest, a
// value half-way between two going to the higher one as the decoder's does, and a value
// that is not a number to the lowest.
std::int32_t Decyzja(double wartosc, std::int32_t min, std::int32_t max);

// Where a code's symbols sit on the line: symbol s is sent at s * Krok + Przesuniecie volts.
struct TPoziomy {
    double Krok = 1.0;         // V per symbol step (negative when the levels descend)
    double Przesuniecie = 0.0; // V
};

// One lane as the receiver gets it: evenly spaced samples, sample 0 taken at the start
// of the first sent symbol.
struct TSygnalToru {
    std::vector<float> Probki;   // V
    double ProbkiNaSymbol = 1.0; // samples per code-symbol period (a half bit for Manchester)
    // Samples before OdProbki and from DoProbki on are the channel's run-in and run-out:
    // decisions may use them, the timing estimate does not. DoProbki 0 means the end.
    std::int64_t OdProbki = 0;
    std::int64_t DoProbki = 0;
};

// The timing of one lane: symbol k is decided at (k + Opoznienie + Faza) symbol periods.
struct TSynchronizacja {
    double Faza = 0.5;           // decision instant within the symbol period, 0 to 1
    std::int32_t Opoznienie = 0; // channel delay, whole symbol periods
};

// The timing of a lane from its signal. The phase is the one with the widest eye over the
// run: the middle of the phases whose decisions lie closest (least mean squared distance)
// to the code's levels. The delay is the shift, up to 8 symbols either way, at which the
// decisions correlate best with the sent code symbols wyslane.
TSynchronizacja Synchronizuj(const TSygnalToru& sygnal, TKodLinii kod, const TPoziomy& poziomy,
                             const std::vector<std::int32_t>& wyslane);

// One decision value per symbol, in symbol units (a sent symbol s comes back near s).
struct TProbkiSymboli {
    std::int64_t Pierwszy = 0; // index of the symbol of Wartosci[0], counted from the first sent
    std::vector<float> Wartosci;
};

// The decision values of every symbol whose instant lies within the signal, each the
// sample nearest its instant (interpolating would average the noise of two samples).
// For the codes decided against levels (MLT-3, PAM-5) the scale is refined by least
// squares against the receiver's own decisions, since the receive amplifier matches mean
// absolute amplitudes and noise inflates them.
TProbkiSymboli Probkuj(const TSygnalToru& sygnal, TKodLinii kod, const TPoziomy& poziomy,
                       const TSynchronizacja& synchronizacja);

// Recovered data bits; a bit the receiver could not recover (an invalid 5B code group,
// an invalid PAM-5 word without the trellis decoder) holds -1.
struct TBityOdebrane {
    std::int64_t Pierwszy = 0; // index of the bit of Bity[0] in the sent sequence
    std::vector<std::int8_t> Bity;
};

// The data bits of the lanes' decision values (one lane, four for PAM-5). For PAM-5,
// viterbi chooses the trellis decoder; without it each symbol is sliced on its own.
TBityOdebrane OdzyskajBity(TKodLinii kod, const std::vector<TProbkiSymboli>& tory, bool viterbi = true);

// Errors among the sent bits od to od + liczba - 1: a bit recovered wrongly or not at all.
struct TZliczenieBledow {
    std::int64_t Bledy = 0;
    std::int64_t Porownane = 0;
};
TZliczenieBledow PorownajBity(const TBityOdebrane& odebrane, const std::vector<std::int32_t>& wyslane,
                              std::int64_t od, std::int64_t liczba);
