// The options of the batch command line: every setting of a run, the model and bit
// files it reads, and where its results go.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <QStringList>

#include "Symulacja.h"

struct TOpcjeWiersza {
    TUstawieniaSymulacji Ustawienia;
    bool Adaptacyjny = false;
    std::optional<std::uint32_t> Ziarno;
    std::string PlikTlumienia, PlikPrzesluchow, PlikEcha, PlikRegeneracji;
    std::string PlikBitow, PlikBitowZaklocen;
    std::string PlikJson;
    std::string FolderCsv;
    bool Cicho = false;
};

// What parsing the command line ended in: options to run with, or text to print and
// the exit status to leave with (help: 0 on stdout; an error: 2, one line on stderr).
struct TWynikParsowania {
    std::optional<TOpcjeWiersza> Opcje;
    std::string Tekst;
    int Kod = 0;
};

TWynikParsowania ParsujWiersz(const QStringList& argumenty);
