// A finished run as the Python module hands it out: the engine's result, kept alive as long
// as Python holds it, with its streams copied into NumPy arrays on request.
#pragma once

#include <pybind11/pybind11.h>

#include <memory>
#include <string>

#include "Symulacja.h"

class TWynikPythona {
public:
    explicit TWynikPythona(std::shared_ptr<const TWynikSymulacji> wynik) : Wynik(std::move(wynik)) {}

    // The command line's JSON document as text, with or without the streams.
    std::string Dokument(bool strumienie) const;

    // The streams, each an (n, 2) read-only float32 array of (x, y) rows, or None for a stream
    // the run did not make. The engine's stream store does not lend out its memory, so every
    // call copies.
    pybind11::list Wejsciowe() const;   // (name, array) per encoder display stream
    pybind11::list Tory() const;        // a dict per lane: name, timing and its streams
    pybind11::object Rozklad() const;
    pybind11::object Dystrybuanta() const;

    // Writes the document to plik as the command line's --json does: to a temporary, then
    // renamed. A path that is not a regular file or is one of the run's input files is
    // refused (ValueError); a failed write raises OSError.
    void Zapisz(const std::string& plik, bool strumienie) const;

private:
    std::shared_ptr<const TWynikSymulacji> Wynik;
};
