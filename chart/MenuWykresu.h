// The context menu of every chart: "Kopiuj obraz", "Zapisz obraz…" (PNG at a chosen
// scale, SVG, PDF) and "Zapisz dane…" (CSV). The dialogs live here, the work in EksportWykresu.
#pragma once

class QMenu;
class QPoint;
class TWykres;

// The menu for the chart, parented to it; "Zapisz dane…" is off when no series is visible.
QMenu* UtworzMenuWykresu(TWykres& wykres);
// Shows the menu at a global screen position and deletes it when it closes.
void PokazMenuWykresu(TWykres& wykres, const QPoint& globalnie);
