// The legend of a strip page: one row per curve with its colour swatch, its caption and
// a check box that shows or hides that curve in every lane at once.
#pragma once

#include <QPixmap>
#include <QTableWidget>

class TPlotno;

// The swatches of LegendaImageList: red (0), green (1), blue (2) and maroon (3), 16 × 16.
const QPixmap& ObrazLegendy(int indeks);
// Draws swatch indeks with its top-left pixel at (x, y) on any canvas, pixel for pixel
// as ObrazLegendy shows it. Leaves the pen one pixel wide.
void RysujObrazLegendy(TPlotno& plotno, int indeks, int x, int y);

class TLegenda : public QTableWidget {
    Q_OBJECT

public:
    TLegenda(const QString& nazwa, QWidget* rodzic);

    // Every row goes; the check boxes of the rows added next start ticked.
    void Wyczysc();
    void DodajWiersz(const QString& podpis, int seria, int obraz);
    // The series index and swatch of a row.
    int Seria(int wiersz) const;
    int Obraz(int wiersz) const;
    bool Zaznaczony(int wiersz) const;

signals:
    // The user ticked or unticked a row.
    void SeriaPrzelaczona(int seria, bool widoczna);

protected:
    void resizeEvent(QResizeEvent* zdarzenie) override;
};
