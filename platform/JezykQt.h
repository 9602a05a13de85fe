// The program's language at run time: Polish, the texts of the sources, or English from
// the catalogue translations/lintavox_en.ts; switching it retranslates every open window.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "Liczby.h"

// The one context of every text the program shows: one catalogue, one English text for
// each Polish one, wherever it appears.
class TTekst {
    Q_DECLARE_TR_FUNCTIONS(TTekst)
};

// The language in use; Polish until UstawJezyk says otherwise.
TJezyk JezykProgramu();
// Installs the English catalogue (Qt's own dialogs then speak English too) or returns to
// Polish with Qt's Polish texts. Every widget then gets QEvent::LanguageChange, and every
// text of an open window that came from the catalogue is shown in the new language.
// False when the English catalogue could not be loaded: the language stays as it was.
bool UstawJezyk(TJezyk jezyk);
// A text on show, in either language, in the language in use: an English translation goes
// back to its Polish source first. A text the catalogue does not hold comes back as it is.
QString PrzetlumaczTekst(const QString& tekst);

// A text the engine or the computation libraries write, in the language in use: a
// standard's or a stream's name ("Sygnał MLT3", a numbered copy "Sygnał MLT3 (2)") or a
// stage of work ("Echo: Sygnał MLT3"), each part through the catalogue.
QString PrzetlumaczTekstBiblioteki(const QString& tekst);

// The language's code in settings and on the command line: "pl" or "en".
QString KodJezyka(TJezyk jezyk);
// The language of a code; Polish for anything but "en".
TJezyk JezykZKodu(const QString& kod);
