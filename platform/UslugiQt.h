// The program's toolkit services on Qt: the program's folder, the message box, the
// screen cursor and the locale's decimal separator, each kept in this one place.
#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

// Folder of the program file. varto.cfg, "Wyniki" and "modele" live under it.
QString FolderProgramu();
// Points FolderProgramu at another folder, so tests never touch the shipped folder.
void UstawFolderProgramu(const QString& folder);

// A modal box with the text and one OK button over the window of pole (or the active
// window). When pole is given, it gets the keyboard focus once the box is closed.
void PokazKomunikat(QWidget* pole, const QString& tekst);

// Makes a file dialog the program's own: Qt's dialog (the same everywhere, drivable by
// tests), with file types told by name alone. Guessing a type from a file's content
// would read it, and some files (devices under /proc, pipes) block a reader for ever.
void PrzygotujDialogPliku(QFileDialog& dialog);
// Offers the file types of filtry, each like "Bitmapy (*.bmp)", with the one at wybrany
// chosen; a name typed without an extension gets that of the type chosen at the time.
void UstawTypyPlikow(QFileDialog& dialog, const QStringList& filtry, int wybrany);
// The extension of a file type, without the dot: "bmp" for "Bitmapy (*.bmp)".
QString RozszerzenieTypu(const QString& filtr);

// A modal question over the window of rodzic (or the active window) with the buttons
// "Tak" and "Nie"; true for "Tak".
bool ZapytajTakNie(QWidget* rodzic, const QString& tekst);

// The cursor shown over every window of the program.
enum class TKursorEkranu { Domyslny, Uruchamianie };
TKursorEkranu KursorEkranu();
void UstawKursorEkranu(TKursorEkranu kursor);

// Takes the decimal separator of the default locale into platform/Liczby.h; the program
// calls it once at start-up, before any number is shown.
void UstawSeparatorZLokalizacji();

// FormatujStalo of platform/Liczby.h as a Qt string.
QString TekstStalo(double wartosc, int miejsca);
