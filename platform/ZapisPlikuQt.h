// How the GUI layers write a file: whole or not at all, through the platform's atomic
// writer. The content goes to a temporary beside the file, which replaces it only when
// all of it reached the disk, so a failure leaves no half-written file and keeps an
// earlier one as it was.
#pragma once

#include <functional>
#include <optional>

#include <QString>

class QIODevice;

// Why a file was not written: the path names a folder, a pipe, a device or another thing
// that is not a regular file; or the writing failed (Szczegoly: the system's reason, one
// English line, empty when what was to be written could not be made).
struct TBladZapisu {
    enum TRodzaj { NieZwyklyPlik, Zapis } Rodzaj;
    QString Szczegoly;
};

// Writes plik with what pisz writes to the device it is given (held in memory until the
// end); pisz returns false when it could not write everything.
std::optional<TBladZapisu> ZapiszPlik(const QString& plik, const std::function<bool(QIODevice&)>& pisz);

// The message that tells the user why plik was not written.
QString OpisBleduZapisu(const QString& plik, const TBladZapisu& blad);
