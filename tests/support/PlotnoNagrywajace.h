// A canvas that draws nothing and records every call, so tests can check the exact
// geometry of a drawing. Text metrics are fixed: SzerokoscZnaku pixels per character
// and WysokoscWiersza pixels per line, whatever the font; or, on a canvas made with a
// resolution, those of a common sans-serif face at the font's size on such a device.
#pragma once

#include <string>
#include <vector>

#include "Plotno.h"

class TPlotnoNagrywajace final : public TPlotno {
public:
    static constexpr int SzerokoscZnaku = 6;
    static constexpr int WysokoscWiersza = 12;

    TPlotnoNagrywajace() = default;
    // Text measured as on a device of dpi dots per inch: a line 1.17 and a character 0.6
    // of the font's size, in the device's pixels.
    explicit TPlotnoNagrywajace(int dpi) : Rozdzielczosc(dpi) {}

    // A straight line with the pen it was drawn with.
    struct TOdcinek {
        int X1, Y1, X2, Y2;
        TPenStyle Styl;
        TColor Kolor;
        int Grubosc;
    };
    // A move (Linia false) or a line (Linia true) to (X, Y), in call order.
    struct TRuch {
        bool Linia;
        int X, Y;

        bool operator==(const TRuch&) const = default;
    };
    struct TNapis {
        int X, Y;
        std::string Tekst;
        TCzcionka Czcionka;
        TColor Tlo;
    };
    struct TWielokat {
        std::vector<TPunktPlotna> Wierzcholki;
        TColor Pedzel;
        TColor Pioro;
    };
    struct TProstokat {
        int Lewy, Gorny, Prawy, Dolny;
        TColor Pedzel;
    };
    struct TObraz {
        int X, Y, Szerokosc, Wysokosc;
        std::vector<TColor> Piksele;
    };

    void UstawStylPiora(TPenStyle styl) override { Styl = styl; }
    void UstawKolorPiora(TColor kolor) override { KolorPiora = kolor; }
    void UstawGruboscPiora(int grubosc) override { Grubosc = grubosc; }
    void UstawKolorPedzla(TColor kolor) override { Pedzel = kolor; }

    void PrzesunDo(int x, int y) override;
    void LiniaDo(int x, int y) override;
    void Wielokat(std::span<const TPunktPlotna> wierzcholki) override;
    void WypelnijProstokat(int lewy, int gorny, int prawy, int dolny) override;
    void RysujObraz(int x, int y, int szerokosc, int wysokosc, std::span<const TColor> piksele) override;

    void UstawCzcionke(const TCzcionka& czcionka) override { AktualnaCzcionka = czcionka; }
    TCzcionka Czcionka() const override { return AktualnaCzcionka; }
    void PiszTekst(int x, int y, std::string_view tekst) override;
    int SzerokoscTekstu(std::string_view tekst) override;
    int WysokoscTekstu(std::string_view) override;

    // Forgets everything recorded; the pen, brush and font stay.
    void Wyczysc();

    std::vector<TOdcinek> Odcinki;
    std::vector<TRuch> Ruchy;
    std::vector<TNapis> Napisy;
    std::vector<TWielokat> Wielokaty;
    std::vector<TProstokat> Prostokaty;
    std::vector<TObraz> Obrazy;

    TPenStyle Styl = psSolid;
    TColor KolorPiora = 0x000000;
    int Grubosc = 1;
    TColor Pedzel = 0xFFFFFF;

private:
    // The current font's size in device pixels; 0 with fixed metrics.
    double RozmiarWPikselach() const;

    int Rozdzielczosc = 0;
    TCzcionka AktualnaCzcionka;
    int PozycjaX = 0;
    int PozycjaY = 0;
};
