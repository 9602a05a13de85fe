// The options of `lintavox-sim sweep`: the axes from the setting options (lists and ranges)
// or from a sweep file, the base settings from every other option as a single run reads
// them, and the sweep's outputs.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QStringList>

#include "OpcjeWiersza.h"
#include "Przemiatanie.h"

struct TOpcjePrzemiatania {
    TUstawieniaSymulacji Baza;
    std::vector<TOsZWartosciami> Osie;
    std::string PlikPrzemiatania; // the sweep file the axes came from; empty: the options
    std::string PlikCsv;          // --out
    unsigned Watki = 1;           // --jobs
    std::string FolderJson;       // --keep-json
    bool BezStrumieni = false;
    std::string PlikWykresu;      // --plot
    std::string Wielkosc = "ber"; // --plot-figure: the column drawn against the first axis
    bool Cicho = false;
    TJezyk Jezyk = TJezyk::Polski; // of the sentences in the --keep-json documents
    std::string Uwagi;            // the summary of a Touchstone import
    std::vector<TWejscieWiersza> Wejscia; // every input file, which no output may replace
};

// How a message names an axis: its option ("--rate") or, for a sweep file, the file and the
// axis ("sweep.json: axis rate").
std::string NazwaOsiWKomunikacie(const TOpcjePrzemiatania& o, TOsPrzemiatania os);

// The figures --plot-figure may name: the rates among the row's figures.
bool WielkoscDoWykresu(std::string_view nazwa);

struct TWynikParsowaniaPrzemiatania {
    std::optional<TOpcjePrzemiatania> Opcje;
    std::string Tekst; // the help (Kod 0) or one error line (Kod 2)
    int Kod = 0;
};

// argumenty: the program, "sweep", then the options. Reads the files the options name and
// checks every option and value on its own; the runs' combinations are checked later.
TWynikParsowaniaPrzemiatania ParsujPrzemiatanie(QStringList argumenty);
