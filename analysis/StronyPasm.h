// The two strip pages of the analysis window: the encoder's sequences and signals, and the
// signals after the channel with, over them on the decoder option, the decoded sequences.
#pragma once

#include "StronaWynikow.h"

class QStackedWidget;
class QTabBar;
class TLegenda;
class TObszarPasm;
class TPanelPasm;

// " Ciągi i sygnały wejściowe ": one strip per encoder stream.
class TStronaWejsc : public TStronaWynikow {
public:
    explicit TStronaWejsc(QWidget* rodzic);

    void Pokaz(const TWynikSymulacji& w) override;
    void Zwolnij() override;
    TSekcjeRaportu SekcjeRaportu() override;
    void Rozmiesc() override;
    void PrzewinDoPoczatku() override;

    TObszarPasm& Pasma();

private:
    TPanelPasm* Panel;
    const TWynikSymulacji* Wynik = nullptr;
};

// " Ciągi i sygnały wyjściowe ": one strip per lane with what was sent, received,
// regenerated and amplified, and, on a second tab with the decoder option, what was
// decoded against what was sent.
class TStronaWyjsc : public TStronaWynikow {
public:
    TStronaWyjsc(bool dekoder, QWidget* rodzic);

    void Pokaz(const TWynikSymulacji& w) override;
    void Zwolnij() override;
    TSekcjeRaportu SekcjeRaportu() override;
    void Rozmiesc() override;
    void PrzewinDoPoczatku() override;

    TObszarPasm& Pasma();
    TLegenda& Legenda();
    // The decoded sequences' strips and legend, or null without the decoder option.
    TObszarPasm* PasmaZdekodowanych();
    TLegenda* LegendaZdekodowanych();
    // The decoded sequences (true) or the signals on top.
    void PokazZdekodowane(bool zdekodowane);

private:
    void Buduj(const TWynikSymulacji& w);
    void Odswiez(const TWynikSymulacji& w);
    void UstawLegendy(bool regeneracja);

    TPanelPasm* Sygnaly;
    TPanelPasm* Zdekodowane = nullptr;
    QStackedWidget* StronyWyjsciowe;
    QTabBar* TabSetWyjsciowe;
    const TWynikSymulacji* Wynik = nullptr;
};
