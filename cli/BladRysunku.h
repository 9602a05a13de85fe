// The command line's one line for a picture it could not write, shared by the eye picture
// and the sweep's chart.
#pragma once

#include <optional>
#include <string>

#include "EksportWykresu.h"

// Empty when blad is empty: the picture was written.
inline std::string OpisBleduRysunku(const std::string& plik, const std::optional<TBladEksportu>& blad)
{
    if (!blad)
        return {};
    switch (blad->Rodzaj) {
    case TBladEksportu::NieZwyklyPlik:
        return plik + " is not a regular file";
    case TBladEksportu::ZaDuzyObraz:
        return plik + ": the picture is too large";
    case TBladEksportu::Zapis:
        break;
    }
    return plik + " cannot be written: " + blad->Szczegoly.toStdString();
}
