// A sweep as the Python module runs it: every run's settings made and checked before any run
// starts, each run's settings packed as text for a worker on any machine, and the table's
// rows made from the documents the workers send back.
#pragma once

#include <pybind11/pybind11.h>

#include <optional>
#include <string>
#include <vector>

#include "Przemiatanie.h"
#include "PrzebiegPythona.h"

class TPrzemiatanieModulu {
public:
    // osie: keyword (as lintavox.run names the setting) to the axis's values as JSON text (a
    // list, or a text of lists and ranges as the command line takes them), in sweep order;
    // baza: lintavox.run's keyword arguments. A sweep that cannot run raises ValueError or
    // TypeError naming the keyword. Without a seed among the axes or in baza, one seed is
    // drawn for every run, so that all send the same bits.
    TPrzemiatanieModulu(const pybind11::dict& osie, const pybind11::dict& baza);

    std::size_t LiczbaPrzebiegow() const { return Przemiatanie.LiczbaPrzebiegow(); }
    // Run i's settings as text for PrzebiegPaczki.
    std::string Paczka(std::size_t i) const;
    // "rate 300, snr_db 8": run i's swept values, for messages.
    std::string Opis(std::size_t i) const;
    // The table as the command line's CSV file holds it: the header, then a row per document
    // (a run's result without streams) in run order; None stands for a run that failed.
    std::string Tabela(const std::vector<std::optional<std::string>>& dokumenty) const;

private:
    TUstawieniaSymulacji UstawieniaPrzebiegu(std::size_t i) const;

    TPrzemiatanie Przemiatanie;
};

// Runs the settings of a package and returns the result document without streams, as text;
// nothing when przerwanie (may be null) stopped it. Ctrl-C and the engine's faults
// propagate as Przebieg lets them.
std::optional<std::string> PrzebiegPaczki(const std::string& paczka, const TPrzerwanie* przerwanie);
