// varto.cfg: the options table as 24 signed bytes, six per standard in the order
// Przesluchy, Echo, Regeneracja, Dekoder, RozkladyBledow, BerErf.
#pragma once

#include <QByteArray>
#include <QString>

#include "Liczby.h"
#include "UstawieniaStandardu.h"

inline constexpr int RozmiarPlikuUstawien = 24;

// The table a newcomer starts with when there is no varto.cfg: every feature offered
// and switched on.
TTabelaUstawien UstawieniaPoczatkowe();

// Full path of varto.cfg in the program's folder.
QString SciezkaPlikuUstawien();

QByteArray KodujUstawienia(const TTabelaUstawien& tabela);
// Takes every field whose byte the data holds and whose value is valid for the field;
// the others keep what the table held.
void DekodujUstawienia(const QByteArray& dane, TTabelaUstawien& tabela);

// Reads the file into the table when it is a regular file that can be read; returns
// whether it did. A folder, FIFO or device of that name is never opened.
bool WczytajUstawienia(const QString& sciezka, TTabelaUstawien& tabela);
// Replaces the file with the table's 24 bytes; false when the file could not be written.
bool ZapiszUstawienia(const QString& sciezka, const TTabelaUstawien& tabela);

// The language chosen in the options dialog. It lives in the user's settings (QSettings),
// not in varto.cfg, whose 24 bytes stay as older versions wrote them; Polish when none.
TJezyk ZapisanyJezyk();
void ZapiszJezyk(TJezyk jezyk);
