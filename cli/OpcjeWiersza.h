// The options of the batch command line: the settings of a run (read from the options,
// the model files and the bit files, and checked by the engine's one validation), and
// where its results go.
#pragma once

#include <optional>
#include <string>

#include <QStringList>

#include "Ustawienia.h"

struct TOpcjeWiersza {
    TUstawieniaSymulacji Ustawienia;
    std::string PlikJson;
    std::string FolderCsv;
    bool Cicho = false;
    // What the user should know before the run: the summary of a Touchstone import.
    std::string Uwagi;
};

// What parsing the command line ended in: options to run with, or text to print and
// the exit status to leave with (help: 0 on stdout; an error: 2, one line on stderr).
struct TWynikParsowania {
    std::optional<TOpcjeWiersza> Opcje;
    std::string Tekst;
    int Kod = 0;
};

TWynikParsowania ParsujWiersz(const QStringList& argumenty);
