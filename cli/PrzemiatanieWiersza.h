// `lintavox-sim sweep`: checks every run and output first, then runs what the CSV does not
// hold yet on the cores asked for, appending a row per finished run, and at the end puts the
// rows in run order and draws the chart.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <QStringList>

#include "Przemiatanie.h"
#include "WykresPrzemiatania.h"

// The rows of a sweep's CSV file as found before the sweep starts.
struct TStanCsv {
    bool BezNaglowka = true; // missing or empty: the header is still to be written
    std::vector<std::vector<std::string>> Wiersze;
    std::vector<std::string> Linie; // each row's text, line break included
    // Where the rows end when the file ends in an incomplete row (a write cut short).
    std::optional<std::uintmax_t> KoniecWierszy;
};

// Reads the CSV file plik of a sweep whose header is naglowek. Empty, with one line in blad
// naming the file, when it cannot be read, holds another sweep (its header differs) or a
// line that is no row of it.
std::optional<TStanCsv> CzytajCsvPrzemiatania(const std::string& plik, const std::vector<std::string>& naglowek,
                                              std::string& blad);

// The analysis file beside a sweep's CSV file ("sweep.csv.lintavox"): the settings of the run
// whose row came first, so that a resume with other settings is refused and the desktop
// program can open what the sweep ran.
std::string PlikUstawienPrzemiatania(const std::string& csv);

// The chart's data from the rows (cells as the header names them): the figure against the
// first axis of several values, a series per combination of the other axes' values.
TDaneWykresuPrzemiatania DaneWykresu(const std::vector<TOsZWartosciami>& osie, const std::vector<std::string>& naglowek,
                                     const std::vector<std::vector<std::string>>& wiersze, const std::string& wielkosc);

// Runs the sweep of argumenty (the program, "sweep", the options); flaga is the termination
// flag Ctrl-C sets. Returns the exit status: 0 every run is in the CSV, 1 a run or a file
// failed, 2 an option, input or output was refused (nothing written), 130 interrupted.
int Przemiataj(const QStringList& argumenty, std::uint8_t* flaga);
