// The page "Wykres okowy": every lane's signal as it reaches the receiver, folded so that
// its symbol periods overlay, or as a density over two periods; each lane's sampling
// instant and measured openings drawn on it, and their figures in a table below.
#pragma once

#include "StronaWynikow.h"
#include "WykresOka.h"

class QCheckBox;
class QComboBox;
class QTableWidget;
class TWykres;

class TStronaOkowa : public TStronaWynikow {
public:
    explicit TStronaOkowa(QWidget* rodzic);

    void Pokaz(const TWynikSymulacji& w) override;
    void Zwolnij() override;

    TWykres& Wykres() { return *WykresOkowy; }
    QTableWidget& Tabela() { return *TabelaOka; }
    // The line overlay (the default) or the density; the density's counts on a logarithmic
    // or a linear colour scale.
    void UstawWidok(TWidokOka widok);
    void UstawSkaleLogarytmiczna(bool logarytmiczna);
    TWidokOka Widok() const;
    // The sampling instants and openings on the chart (the default) or not.
    void UstawZnaczniki(bool widoczne);

private:
    void Odswiez();
    void WypelnijTabele(const TWynikSymulacji& w);
    void UstawWysokoscTabeli();

    TWykres* WykresOkowy;
    QComboBox* WidokCombo;
    QCheckBox* LogarytmicznaCheck;
    QCheckBox* ZnacznikiCheck;
    QTableWidget* TabelaOka;
    TZawartoscOka Zawartosc;
    const TWynikSymulacji* Wynik = nullptr;
};
