// The results of an analysis as a report, on printed pages or as one tall bitmap: both
// walk the window's one ordered list of report sections.
#pragma once

#include <functional>

#include <QImage>
#include <QString>

#include "Raport.h"

class QPrinter;
class QWidget;
class TSimChildForm;

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
