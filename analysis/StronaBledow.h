// The page "Analiza błędów": the distribution of the amplitude error and its cumulative
// distribution, the BER estimate with its plain-language reading, and the share of time
// the decoded sequence was right, each as the options offer it; and, for every run, the
// bit errors the receiver counted with their confidence and the lanes' sampling phases,
// and the lanes' bathtub curves beside the estimate.
#pragma once

#include <vector>

#include "StronaWynikow.h"
#include "UstawieniaStandardu.h"

class QGroupBox;
class QLabel;
class QTabBar;
class TPanelRozkladow;
class TPanelWanien;

class TStronaBledow : public TStronaWynikow {
public:
    TStronaBledow(const UstawieniaStandardu& opcje, QWidget* rodzic);

    void Pokaz(const TWynikSymulacji& w) override;
    void Zwolnij() override;
    bool Dostepna() const override;
    bool PotrzebujePrzebiegow() const override { return false; }
    TSekcjeRaportu SekcjeRaportu() override;

    // The BER estimate of the standard's lanes at the bit rate (Mbps): the mantissa, its
    // superscript exponent and the sentence under them.
    void PokazBER(double ber, int standard, std::int32_t szybkosc);
    // Whether the run on show has error charts (the option is on, some error was found and
    // the result holds its distributions).
    bool MaWykresy() const;
    // The cumulative distribution (true) or the distribution on top.
    void PokazDystrybuante(bool dystrybuanta);
    // The charts' panel, or null without the distributions option.
    TPanelRozkladow* Rozklady() { return Panel3; }
    // The bathtubs, or null without the estimate option.
    TPanelWanien* Wanny() { return PanelWanien; }

protected:
    void changeEvent(QEvent* zdarzenie) override;

private:
    int RysujRaport(TPlotno& plotno, const TUkladRaportu& u, int gora);
    int RysujZliczenie(TPlotno& plotno, const TUkladRaportu& u, int gora);
    void PokazZliczenie(const TWynikSymulacji& w);
    // The sentences of a run in the language in use: the estimate, the correct time and
    // the counted errors.
    void PokazTeksty(const TWynikSymulacji& w);
    // The lines of the counted errors that show, top to bottom.
    std::vector<QLabel*> LinieZliczenia() const;

    const UstawieniaStandardu Opcje;
    TPanelRozkladow* Panel3 = nullptr;
    TPanelWanien* PanelWanien = nullptr;
    QTabBar* BledyTabSet = nullptr;
    QGroupBox* GroupBox2;
    QLabel* Label6;
    QLabel* BERLabel;
    QLabel* ExpBERLabel;
    QLabel* BERLabel2;
    QGroupBox* GroupBox3;
    QLabel* TimeErrorLabel;
    // The counted errors: k of n, the rate with its interval, where the ERF estimate lies
    // (with the estimate option only), what it takes to claim the target, and the phases.
    QGroupBox* ZliczoneGroupBox;
    QLabel* ZliczoneLabel;
    QLabel* BERZliczonyLabel;
    QLabel* EstymacjaLabel;
    QLabel* WykazanieLabel;
    QLabel* FazaLabel;
    const TWynikSymulacji* Wynik = nullptr;
};
