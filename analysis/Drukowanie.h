// The results of an analysis as a report: the channel characteristics, the input and
// output strips, the decoded sequences and the error results, painted from the window's
// own charts onto printed pages or one tall bitmap through the same section drawers.
#pragma once

#include <functional>

#include <QImage>
#include <QString>

class QPrinter;
class QWidget;
class TPlotno;
class TSimChildForm;
class TWykres;

// Geometry of a report on a canvas W pixels wide.
struct TUkladRaportu {
    int M = 0;       // left edge of the content, top of the first section and the gap between sections, pixels
    int C = 0;       // content width, pixels
    float K = 0.0f;  // factor on the charts' margins, tick lengths and label gaps

    // W: the canvas's width; szerokoscEkranu: the screen's width, pixels, against which
    // the charts' on-screen margins are scaled.
    static TUkladRaportu Dla(int W, int szerokoscEkranu);
};

// The number of X tick divisions a strip shows for the standard (0 to 3): inputs, and
// outputs with the decoded sequences.
int CzynnikWejsc(int standard);
int CzynnikWyjsc(int standard);

// Section drawers: each draws its bold centred title at gora and its content below it,
// in canvas pixels, and returns the height it used. Strip sections leave the screen's
// layout of their page as they found it.
int RysujCharakterystyke(TPlotno& plotno, const TUkladRaportu& u, int gora, const QString& tytul, TWykres& wykres);
int RysujWejsciowe(TSimChildForm& okno, TPlotno& plotno, const TUkladRaportu& u, int gora, int F);
int RysujWyjsciowe(TSimChildForm& okno, TPlotno& plotno, const TUkladRaportu& u, int gora, int F);
int RysujZdekodowane(TSimChildForm& okno, TPlotno& plotno, const TUkladRaportu& u, int gora, int F);
int RysujWynikiBledow(TSimChildForm& okno, TPlotno& plotno, const TUkladRaportu& u, int gora);

// The window has results to print or save: its output tab is shown and no simulation
// or recalculation is under way.
bool MaWynikiDoRaportu(const TSimChildForm& okno);

// The printed report on a canvas W pixels wide; nowaStrona starts the next page, after
// which drawing restarts at the top.
void RysujWydruk(TSimChildForm& okno, TPlotno& plotno, int W, int szerokoscEkranu,
                 const std::function<void()>& nowaStrona);
// The report as one column on a canvas W pixels wide; returns its height, pixels: the
// last section's bottom plus one margin.
int RysujMapeBitowa(TSimChildForm& okno, TPlotno& plotno, int W, int szerokoscEkranu);

// The report as a bitmap as wide as the screen and as tall as the report, white where
// nothing is drawn; a null image when no bitmap that large can be made.
QImage MapaWynikow(TSimChildForm& okno, int szerokoscEkranu);

// Prints the report on the printer (pages, breaks and the document's end); false when
// the printer cannot start the job.
bool DrukujWyniki(TSimChildForm& okno, QPrinter& drukarka);
// The main window's print command: the default printer with its default settings, or a
// message when there is none or it fails.
void DrukujWyniki(TSimChildForm& okno);
// Writes the report as a Windows bitmap to the file; a message tells of a failure.
bool EksportujWyniki(TSimChildForm& okno, const QString& plik);
// The main window's save command: the save dialog over the folder "Wyniki" beside the
// program (made when missing), then the export to the chosen file.
void ZapiszWyniki(TSimChildForm& okno, QWidget* rodzic);
