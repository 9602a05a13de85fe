// An axis of the chart with its grid and tick-mark descriptions. Every setter stores
// its value and asks the owning chart to repaint, unless it says otherwise.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "Plotno.h"
#include "TypyWykresu.h"

class TWykres;

// Base of the three descriptions: the chart they belong to, and the store-and-repaint
// step of their setters.
class TCzescWykresu {
public:
    TCzescWykresu(const TCzescWykresu&) = delete;
    TCzescWykresu& operator=(const TCzescWykresu&) = delete;

protected:
    explicit TCzescWykresu(TWykres& wykres)
        : Wykres(wykres)
    {
    }
    ~TCzescWykresu() = default;

    template <typename T> void Zmien(T& pole, T wartosc)
    {
        pole = wartosc;
        Odswiez();
    }
    void Odswiez();

private:
    TWykres& Wykres;
};

// Grid lines drawn at the ticks of one axis (the X axis's lines are vertical).
class TSiatka final : public TCzescWykresu {
public:
    explicit TSiatka(TWykres& wykres)
        : TCzescWykresu(wykres)
    {
    }

    TLinieSiatki LinieSiatki() const { return linieSiatki; }
    TColor Kolor() const { return kolor; }
    TPenStyle StylLiniiGlownych() const { return stylLiniiGlownych; }
    TPenStyle StylLiniiPom() const { return stylLiniiPom; }
    // True: the lines run on through the other axis's margins; false: they cover its
    // value range only.
    bool LinieNaMarginesieOsi() const { return linieNaMarginesieOsi; }

    void UstawLinieSiatki(TLinieSiatki wartosc) { Zmien(linieSiatki, wartosc); }
    void UstawKolor(TColor wartosc) { Zmien(kolor, wartosc); }
    void UstawStylLiniiGlownych(TPenStyle wartosc) { Zmien(stylLiniiGlownych, wartosc); }
    void UstawStylLiniiPom(TPenStyle wartosc) { Zmien(stylLiniiPom, wartosc); }
    void UstawLinieNaMarginesieOsi(bool wartosc) { Zmien(linieNaMarginesieOsi, wartosc); }

private:
    TLinieSiatki linieSiatki = lsWszystkie;
    TColor kolor = 0x808080;
    TPenStyle stylLiniiGlownych = psDash;
    TPenStyle stylLiniiPom = psDash;
    bool linieNaMarginesieOsi = false;
};

// Tick marks and tick labels of one axis. Lengths and gaps are in screen pixels.
class TZnacznikiOsi final : public TCzescWykresu {
public:
    explicit TZnacznikiOsi(TWykres& wykres)
        : TCzescWykresu(wykres)
    {
    }

    // Which tick marks are drawn. The setter does not repaint.
    TZnaczniki Znaczniki() const { return znaczniki; }
    // Which tick labels are drawn.
    TZnaczniki OpisyZnacznikow() const { return opisyZnacznikow; }
    TStylZnacznikow ZnacznikiGlowne() const { return znacznikiGlowne; }
    TStylZnacznikow ZnacznikiPom() const { return znacznikiPom; }
    TWyrownanieHor WyrownanieOpisuHor() const { return wyrownanieOpisuHor; }
    TWyrownanieVer WyrownanieOpisuVer() const { return wyrownanieOpisuVer; }
    TOpisWPrzecieciu OpisWPrzecieciu() const { return opisWPrzecieciu; }
    TPozycjaOpisu PozycjaOpisu() const { return pozycjaOpisu; }
    // Digits after the decimal separator in tick labels.
    std::int32_t PrecyzjaOpisu() const { return precyzjaOpisu; }
    // Tick lengths in pixels.
    std::int32_t RozmiarZnacznikowGlow() const { return rozmiarZnacznikowGlow; }
    std::int32_t RozmiarZnacznikowPom() const { return rozmiarZnacznikowPom; }

    void UstawZnaczniki(TZnaczniki wartosc) { znaczniki = wartosc; }
    void UstawOpisyZnacznikow(TZnaczniki wartosc) { Zmien(opisyZnacznikow, wartosc); }
    void UstawZnacznikiGlowne(TStylZnacznikow wartosc) { Zmien(znacznikiGlowne, wartosc); }
    void UstawZnacznikiPom(TStylZnacznikow wartosc) { Zmien(znacznikiPom, wartosc); }
    void UstawWyrownanieOpisuHor(TWyrownanieHor wartosc) { Zmien(wyrownanieOpisuHor, wartosc); }
    void UstawWyrownanieOpisuVer(TWyrownanieVer wartosc) { Zmien(wyrownanieOpisuVer, wartosc); }
    void UstawOpisWPrzecieciu(TOpisWPrzecieciu wartosc) { Zmien(opisWPrzecieciu, wartosc); }
    void UstawPozycjaOpisu(TPozycjaOpisu wartosc) { Zmien(pozycjaOpisu, wartosc); }
    void UstawPrecyzjaOpisu(std::int32_t wartosc) { Zmien(precyzjaOpisu, wartosc); }
    void UstawRozmiarZnacznikowGlow(std::int32_t wartosc) { Zmien(rozmiarZnacznikowGlow, wartosc); }
    void UstawRozmiarZnacznikowPom(std::int32_t wartosc) { Zmien(rozmiarZnacznikowPom, wartosc); }

    // Fonts of the major and minor tick labels; changing them does not repaint.
    TCzcionka CzcionkaOpisuZnacznikowGlow;
    TCzcionka CzcionkaOpisuZnacznikowPom;

private:
    TZnaczniki znaczniki = zWszystkie;
    TZnaczniki opisyZnacznikow = zWszystkie;
    TStylZnacznikow znacznikiGlowne = szZewnetrzne;
    TStylZnacznikow znacznikiPom = szZewnetrzne;
    TWyrownanieHor wyrownanieOpisuHor = whCenter;
    TWyrownanieVer wyrownanieOpisuVer = wvCenter;
    TOpisWPrzecieciu opisWPrzecieciu = owpNormalny;
    TPozycjaOpisu pozycjaOpisu = poZewnatrz;
    std::int32_t precyzjaOpisu = 2;
    std::int32_t rozmiarZnacznikowGlow = 5;
    std::int32_t rozmiarZnacznikowPom = 3;
};

// One axis: its range, tick spacing, crossing point, margins and looks. Values are in
// the axis's own units; on a toLog axis Min, Max and Skala are decimal exponents.
class TOs final : public TCzescWykresu {
public:
    explicit TOs(TWykres& wykres)
        : TCzescWykresu(wykres)
        , Znaczniki(wykres)
        , Siatka(wykres)
    {
    }

    TTypOsi TypOsi() const { return typOsi; }
    // The value on this axis where the other axis is drawn.
    float Przeciecie() const { return przeciecie; }
    // Major tick spacing in axis units (decades on a toLog axis).
    float Skala() const { return skala; }
    // Pixels per major tick spacing; -1 leaves the chart's size alone, a positive
    // value makes the chart size itself to its value range when it paints.
    float SkalaPiksele() const { return skalaPiksele; }
    // Minor tick spacing in axis units; a toLog axis has fixed minor ticks instead.
    float SkalaPom() const { return skalaPom; }
    float Min() const { return min; }
    float Max() const { return max; }
    // The upper end as UstawMax takes it: Max itself, or on a toLog axis the shortest
    // value whose logarithm UstawMax would store as Max (200 for 2.30103).
    float GornyKoniec() const;
    float MinLog() const { return minLog; }
    float MaxLog() const { return maxLog; }
    bool AutoMinMax() const { return autoMinMax; }
    // An arrow head at the positive end of the axis.
    bool Strzalka() const { return strzalka; }
    bool WyswietlOs() const { return wyswietlOs; }
    // On a toLog X axis: one tenth of the chart's width shows 0 to 10^Min linearly.
    bool LogZero() const { return logZero; }
    // Extra pixels between the chart margin and the axis minimum, and after the maximum.
    std::int32_t MarginesMin() const { return marginesMin; }
    std::int32_t MarginesMax() const { return marginesMax; }
    // The axis caption (UTF-8) and its alignment; kept for the caller, not drawn.
    const std::string& Opis() const { return opis; }
    // Colour of the axis line, the tick marks and the arrow.
    TColor Kolor() const { return kolor; }
    TWyrownanieHor WyrownanieOpisuHor() const { return wyrownanieOpisuHor; }
    TWyrownanieVer WyrownanieOpisuVer() const { return wyrownanieOpisuVer; }

    void UstawTypOsi(TTypOsi wartosc) { Zmien(typOsi, wartosc); }
    void UstawPrzeciecie(float wartosc) { Zmien(przeciecie, wartosc); }
    void UstawSkala(float wartosc) { Zmien(skala, wartosc); }
    void UstawSkalaPiksele(float wartosc) { Zmien(skalaPiksele, wartosc); }
    void UstawSkalaPom(float wartosc) { Zmien(skalaPom, wartosc); }
    void UstawMin(float wartosc) { Zmien(min, wartosc); }
    // On an axis that is toLog at the time of the call, stores log10(wartosc):
    // an axis from 1 to 200 is given Max 200 and holds 2.30103.
    void UstawMax(float wartosc);
    void UstawMinLog(float wartosc) { Zmien(minLog, wartosc); }
    void UstawMaxLog(float wartosc) { Zmien(maxLog, wartosc); }
    // Stored only; does not repaint.
    void UstawAutoMinMax(bool wartosc) { autoMinMax = wartosc; }
    void UstawStrzalka(bool wartosc) { Zmien(strzalka, wartosc); }
    void UstawWyswietlOs(bool wartosc) { Zmien(wyswietlOs, wartosc); }
    void UstawLogZero(bool wartosc) { Zmien(logZero, wartosc); }
    void UstawMarginesMin(std::int32_t wartosc) { Zmien(marginesMin, wartosc); }
    void UstawMarginesMax(std::int32_t wartosc) { Zmien(marginesMax, wartosc); }
    void UstawOpis(std::string wartosc) { Zmien(opis, std::move(wartosc)); }
    void UstawKolor(TColor wartosc) { Zmien(kolor, wartosc); }
    void UstawWyrownanieOpisuHor(TWyrownanieHor wartosc) { Zmien(wyrownanieOpisuHor, wartosc); }
    void UstawWyrownanieOpisuVer(TWyrownanieVer wartosc) { Zmien(wyrownanieOpisuVer, wartosc); }

    // Font of the caption; kept for the caller, not drawn.
    TCzcionka CzcionkaOpisu;
    TZnacznikiOsi Znaczniki;
    TSiatka Siatka;

private:
    TTypOsi typOsi = toLiniowa;
    float przeciecie = 0.0f;
    float skala = 2.0f;
    float skalaPiksele = -1.0f;
    float skalaPom = 1.0f;
    float min = 0.0f;
    float max = 1.0f;
    float minLog = 0.0f;
    float maxLog = 0.0f;
    bool autoMinMax = false;
    bool strzalka = false;
    bool wyswietlOs = true;
    bool logZero = true;
    std::int32_t marginesMin = 0;
    std::int32_t marginesMax = 0;
    std::string opis;
    TColor kolor = 0x000000;
    TWyrownanieHor wyrownanieOpisuHor = whCenter;
    TWyrownanieVer wyrownanieOpisuVer = wvCenter;
};
