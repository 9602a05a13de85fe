// The options of the batch command line: the settings of a run (read from the options,
// the model files and the bit files, and checked by the engine's one validation), and
// where its results go.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

#include <nlohmann/json.hpp>

#include "Ustawienia.h"

struct TOpcjeWiersza {
    TUstawieniaSymulacji Ustawienia;
    // --analysis: the analysis the settings started from, and what the document written
    // records of it (the file and every member the options changed, with the file's value);
    // null without one.
    std::string PlikAnalizy;
    nlohmann::json ZAnalizy;
    // --save-analysis: where the settings go, without a run.
    std::string ZapisAnalizy;
    std::string PlikJson;
    std::string FolderCsv;
    bool Cicho = false;
    // What the user should know before the run: the summary of a Touchstone import.
    std::string Uwagi;
    bool BezStrumieni = false; // the JSON without its stream arrays
    std::string PlikOkaPng;    // the density eye drawn as PNG, and as SVG
    std::string PlikOkaSvg;
    TJezyk Jezyk = TJezyk::Polski; // of the summary and the JSON's sentences
};

// Every option of a single run, in the order the help lists them.
struct TOpcjeJednegoPrzebiegu {
    QCommandLineOption Pomoc, Analiza, Standard, Bity, Szybkosc, Nachylenie, Zrodlo, Opoznienie, Przesluchy, BezPrzesluchow, Echo, BezEcha, Regeneracja, BezRegeneracji, Dekoder, BezDekodera, Adaptacyjny, BezAdaptacji, Tlumienie, ModelPrzesluchow, ModelEcha, ModelRegeneracji, Kabel, Dlugosc, Temperatura, Touchstone, TouchstonePorty, TouchstoneDc, TouchstonePunkty, PlikBitow, PlikZaklocen, Ziarno, Snr, Szum, Drzenie, Json, BezStrumieni, Csv, ZapisAnalizy, OkoPng, OkoSvg, Cicho, Jezyk;
};
// Registers the options of a single run on p and returns them; --json, --csv,
// --save-analysis, --eye-png and --eye-svg, the files a single run writes, only when
// plikiPrzebiegu.
TOpcjeJednegoPrzebiegu DodajOpcjeJednegoPrzebiegu(QCommandLineParser& p, bool plikiPrzebiegu);
// The language --lang names: "pl" or "en"; none for anything else.
std::optional<TJezyk> JezykOpcji(const QString& kod);

// What parsing the command line ended in: options to run with, or text to print and
// the exit status to leave with (help: 0 on stdout; an error: 2, one line on stderr).
struct TWynikParsowania {
    std::optional<TOpcjeWiersza> Opcje;
    std::string Tekst;
    int Kod = 0;
};

// Parses the options, reads the files they name, checks the settings, and refuses an
// output path that is not a regular file or is the same file as an input, all before
// the run. With --analysis the settings start from the file's and each option given
// overrides its member.
TWynikParsowania ParsujWiersz(const QStringList& argumenty);

// An input file of the run and the option that named it ("--bits-file").
struct TWejscieWiersza {
    std::string Opcja;
    std::string Plik;
};
// Every input file the settings came from, in the order of the options, then the analysis
// file when there is one.
std::vector<TWejscieWiersza> WejsciaWiersza(const TPochodzenie& pochodzenie, const std::string& plikAnalizy = {});

// Why an output may not be written to plik: it exists and is not a regular file, or it is
// the same file as one of the inputs (the text names both). Empty when it may.
std::string PrzeszkodaWyjscia(const std::string& plik, const std::vector<TWejscieWiersza>& wejscia);
