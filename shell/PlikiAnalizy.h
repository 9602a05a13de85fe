// The analysis files as the main window handles them: the open and save dialogs, the
// list of the files used last, and the user's message when a file cannot be opened.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "JsonSymulacji.h"

class QWidget;
class TSimChildForm;

// The file name ending of analyses, and the most files the File menu lists.
inline constexpr const char* RozszerzenieAnalizy = "lintavox";
inline constexpr int LiczbaOstatnichAnaliz = 8;

// The files opened or saved last, newest first, kept in the user's settings (QSettings).
QStringList OstatnieAnalizy();
// Puts plik (made absolute) at the front, once, and keeps the newest LiczbaOstatnichAnaliz.
void DodajOstatniaAnalize(const QString& plik);
// Takes plik off the list: a file that is gone would only fail again.
void UsunOstatniaAnalize(const QString& plik);

// "Otwórz…": the files the user picked, none when cancelled.
QStringList WybierzAnalizyDoOtwarcia(QWidget* rodzic);

// "Zapisz analizę jako…": the file and whether the results go along (a check box of the
// dialog, offered only when the window's results belong to its settings).
struct TWyborZapisu {
    QString Plik;
    bool ZWynikami = false;
};
std::optional<TWyborZapisu> WybierzZapisAnalizy(QWidget* rodzic, const TSimChildForm& analiza);

// The message box text for a file that did not open: the file, then why, in Polish.
QString KomunikatOtwarcia(const QString& plik, const TBladAnalizy& blad);
