// What the batch command line makes of a finished run: the summary for the terminal,
// one JSON document, and one CSV file per stream.
#pragma once

#include <string>

#include "Symulacja.h"

// The Polish texts the program shows for the run: BER, its reading, correct time, largest error.
std::string Podsumowanie(const TWynikSymulacji& wynik);

// Writes the JSON document to plik through a temporary file renamed at the end, so a
// reader never sees half of it. Returns an error text, empty on success.
std::string ZapiszJson(const std::string& plik, const TWynikSymulacji& wynik);

// Writes every stream of the run as x,y rows into folder (made when missing).
std::string ZapiszCsv(const std::string& folder, const TWynikSymulacji& wynik);
