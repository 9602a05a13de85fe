// How the GUI layers write a file: whole or not at all. The content goes to a temporary
// beside the file, which replaces it only when all of it was written, so a failure
// leaves no half-written file and keeps an earlier one as it was.
#pragma once

#include <functional>
#include <optional>

#include <QString>

class QIODevice;

// Why a file was not written: the path names a folder, a pipe, a device or another thing
// that is not a regular file; or the system refused (Szczegoly: its words, may be empty).
struct TBladZapisu {
    enum TRodzaj { NieZwyklyPlik, Zapis } Rodzaj;
    QString Szczegoly;
};

// Writes plik with what pisz writes to the device it is given (held in memory until the
// end); pisz returns false when it could not write everything.
std::optional<TBladZapisu> ZapiszPlik(const QString& plik, const std::function<bool(QIODevice&)>& pisz);

// The message that tells the user why plik was not written.
QString OpisBleduZapisu(const QString& plik, const TBladZapisu& blad);
