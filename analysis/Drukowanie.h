// The results of an analysis as a report, on printed pages (paper or PDF) or as one tall
// bitmap: all walk the window's one ordered list of report sections.
#pragma once

#include <functional>

#include <QImage>
#include <QString>

#include "Raport.h"

class QIODevice;
class QPagedPaintDevice;
class QPrinterInfo;
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

// The types of file the save command writes: one tall Windows bitmap, or the printed
// pages as a PDF document.
enum class TFormatWynikow { MapaBitowa, Pdf };

// Prints the report on a paged device, a printer or a PDF writer: its pages, their breaks
// and the document's end; false when the device cannot start or finish the job.
bool DrukujStrony(TSimChildForm& okno, QPagedPaintDevice& strony);
// The printed pages as a PDF document, text as text and lines as paths: A4 pages without
// margins of their own, at a laser printer's dots per inch.
bool ZapiszPdfWynikow(TSimChildForm& okno, QIODevice& wyjscie);

// The main window's print command: the default printer with its default settings.
void DrukujWyniki(TSimChildForm& okno, QWidget* rodzic);
// The same on the given printer. A null one means the machine has none: the user is told
// so and offered the PDF instead.
void DrukujWyniki(TSimChildForm& okno, QWidget* rodzic, const QPrinterInfo& drukarka);

// Writes the report to the file in the format, whole or not at all: a failure leaves an
// earlier file as it was, and a message tells of it.
bool EksportujWyniki(TSimChildForm& okno, const QString& plik, TFormatWynikow format);
// The main window's save command: the save dialog over the folder "Wyniki" beside the
// program (made when missing) offering bitmaps and PDF, with the given type chosen, then
// the export to the chosen file: in the format its extension names (any case), else in
// the type chosen in the dialog.
void ZapiszWyniki(TSimChildForm& okno, QWidget* rodzic, TFormatWynikow format = TFormatWynikow::MapaBitowa);
