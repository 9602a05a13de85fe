// What the batch command line makes of a finished run: the summary for the terminal,
// one JSON document, and one CSV file per stream.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "OpcjeWiersza.h"
#include "Symulacja.h"

// The texts the program shows for the run, in Polish or English: BER, its reading, correct
// time, largest error, then the counted errors with their reading.
std::string Podsumowanie(const TWynikSymulacji& wynik, TJezyk jezyk = TJezyk::Polski);

// The analysis document of the options' settings and, when w is given, of the run w (its
// streams unless --no-streams), with what --analysis started from.
nlohmann::json DokumentWiersza(const TOpcjeWiersza& opcje, const TWynikSymulacji* w);

// --save-analysis: the settings as an analysis file, written atomically. Empty, or the
// one line that says why not.
std::string ZapiszUstawienia(const TOpcjeWiersza& opcje);

// Why the results could not be saved: one line naming the option, and the exit status.
struct TBladZapisu {
    std::string Tekst; // empty when everything was saved
    int Kod = 0;       // 2: an output path refused, 1: a file could not be written
};

// Writes the JSON document and every stream as x,y rows into the CSV folder (made when
// missing), as the options ask, all or nothing: every file goes to a temporary first and
// is renamed only when all of them were written. The eye pictures follow, each through a
// temporary file of its own. A CSV file that would replace an input
// or a file that is not a regular one is refused before anything is written.
TBladZapisu ZapiszWyniki(const TOpcjeWiersza& opcje, const TWynikSymulacji& wynik);
