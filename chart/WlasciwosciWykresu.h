// The settings of a chart's axes as Qt properties, so Qt Designer edits them and a form
// stores them by name: OsX_Znaczniki_PrecyzjaOpisu is OsX.Znaczniki.PrecyzjaOpisu.
#pragma once

#include <string>

#include <QColor>
#include <QFont>
#include <QString>

#include "Liczby.h"
#include "PlotnoQt.h"

// How a property's Qt type stands for the model's: whole numbers, flags and the chart's
// enumerations as they are; float32 values as double, the one floating type a form
// reads back; colours, pen styles and texts converted.
template <typename TypQt> struct TWartoscQt {
    template <typename T> static TypQt DoQt(T wartosc) { return wartosc; }
    static TypQt ZQt(TypQt wartosc) { return wartosc; }
};

template <> struct TWartoscQt<double> {
    // The shortest decimal of the float, so a form shows and stores 0.1, not 0.100000001.
    static double DoQt(float wartosc) { return ParsujLiczbeZPliku(FormatujDoPliku(wartosc)).value_or(wartosc); }
    static float ZQt(double wartosc) { return static_cast<float>(wartosc); }
};

template <> struct TWartoscQt<QColor> {
    static QColor DoQt(TColor kolor) { return KolorQt(kolor); }
    static TColor ZQt(const QColor& kolor) { return KolorZQt(kolor); }
};

template <> struct TWartoscQt<Qt::PenStyle> {
    static Qt::PenStyle DoQt(TPenStyle styl) { return StylQt(styl); }
    static TPenStyle ZQt(Qt::PenStyle styl) { return StylZQt(styl); }
};

template <> struct TWartoscQt<QString> {
    static QString DoQt(const std::string& tekst) { return QString::fromStdString(tekst); }
    static std::string ZQt(const QString& tekst) { return tekst.toStdString(); }
};

// The write accessors are named set<Property> because forms compiled by uic call them
// by that name. Each one goes through the model's own setter, repaint rule included.
#define WYKRES_WLASCIWOSC(TypQt, Nazwa, Czesc, Pole)                                                                \
    Q_PROPERTY(TypQt Nazwa READ Nazwa WRITE set##Nazwa)                                                             \
public:                                                                                                            \
    TypQt Nazwa() const { return TWartoscQt<TypQt>::DoQt(Czesc.Pole()); }                                          \
    void set##Nazwa(const TypQt& wartosc) { Czesc.Ustaw##Pole(TWartoscQt<TypQt>::ZQt(wartosc)); }

// A font carries no colour in Qt; a form's font changes only the attributes it sets.
#define WYKRES_CZCIONKA(Nazwa, Czesc, Pole)                                                                         \
    Q_PROPERTY(QFont Nazwa READ Nazwa WRITE set##Nazwa)                                                             \
public:                                                                                                            \
    QFont Nazwa() const { return CzcionkaQt(Czesc.Pole); }                                                         \
    void set##Nazwa(const QFont& wartosc)                                                                          \
    {                                                                                                              \
        Czesc.Pole = CzcionkaZQt(wartosc, Czesc.Pole);                                                             \
        update();                                                                                                  \
    }

// Every published setting of one axis, in the order a form stores them. TypOsi comes
// before Max, and Max reads as the upper end itself (200 on a logarithmic axis up to
// 200, which holds 2.30103), so a stored logarithmic axis comes back as it was.
#define WYKRES_WLASCIWOSCI_OSI(Os)                                                                                  \
    WYKRES_WLASCIWOSC(TypyWykresu::TTypOsi, Os##_TypOsi, Os, TypOsi)                                                \
    WYKRES_WLASCIWOSC(double, Os##_Min, Os, Min)                                                                     \
    Q_PROPERTY(double Os##_Max READ Os##_Max WRITE set##Os##_Max)                                                   \
public:                                                                                                            \
    double Os##_Max() const { return TWartoscQt<double>::DoQt(Os.GornyKoniec()); }                                 \
    void set##Os##_Max(double wartosc) { Os.UstawMax(static_cast<float>(wartosc)); }                               \
    WYKRES_WLASCIWOSC(double, Os##_MinLog, Os, MinLog)                                                               \
    WYKRES_WLASCIWOSC(double, Os##_MaxLog, Os, MaxLog)                                                               \
    WYKRES_WLASCIWOSC(bool, Os##_AutoMinMax, Os, AutoMinMax)                                                        \
    WYKRES_WLASCIWOSC(double, Os##_Przeciecie, Os, Przeciecie)                                                       \
    WYKRES_WLASCIWOSC(double, Os##_Skala, Os, Skala)                                                                 \
    WYKRES_WLASCIWOSC(double, Os##_SkalaPiksele, Os, SkalaPiksele)                                                   \
    WYKRES_WLASCIWOSC(double, Os##_SkalaPom, Os, SkalaPom)                                                           \
    WYKRES_WLASCIWOSC(bool, Os##_Strzalka, Os, Strzalka)                                                            \
    WYKRES_WLASCIWOSC(bool, Os##_WyswietlOs, Os, WyswietlOs)                                                        \
    WYKRES_WLASCIWOSC(bool, Os##_LogZero, Os, LogZero)                                                              \
    WYKRES_WLASCIWOSC(QColor, Os##_Kolor, Os, Kolor)                                                                \
    WYKRES_WLASCIWOSC(QString, Os##_Opis, Os, Opis)                                                                 \
    WYKRES_CZCIONKA(Os##_CzcionkaOpisu, Os, CzcionkaOpisu)                                                          \
    WYKRES_WLASCIWOSC(TypyWykresu::TWyrownanieHor, Os##_WyrownanieOpisuHor, Os, WyrownanieOpisuHor)                 \
    WYKRES_WLASCIWOSC(TypyWykresu::TWyrownanieVer, Os##_WyrownanieOpisuVer, Os, WyrownanieOpisuVer)                 \
    WYKRES_WLASCIWOSC(TypyWykresu::TZnaczniki, Os##_Znaczniki_Znaczniki, Os.Znaczniki, Znaczniki)                   \
    WYKRES_WLASCIWOSC(TypyWykresu::TZnaczniki, Os##_Znaczniki_OpisyZnacznikow, Os.Znaczniki, OpisyZnacznikow)       \
    WYKRES_WLASCIWOSC(TypyWykresu::TStylZnacznikow, Os##_Znaczniki_ZnacznikiGlowne, Os.Znaczniki, ZnacznikiGlowne)  \
    WYKRES_WLASCIWOSC(TypyWykresu::TStylZnacznikow, Os##_Znaczniki_ZnacznikiPom, Os.Znaczniki, ZnacznikiPom)        \
    WYKRES_CZCIONKA(Os##_Znaczniki_CzcionkaOpisuZnacznikowGlow, Os.Znaczniki, CzcionkaOpisuZnacznikowGlow)          \
    WYKRES_CZCIONKA(Os##_Znaczniki_CzcionkaOpisuZnacznikowPom, Os.Znaczniki, CzcionkaOpisuZnacznikowPom)            \
    WYKRES_WLASCIWOSC(                                                                                              \
        TypyWykresu::TWyrownanieHor, Os##_Znaczniki_WyrownanieOpisuHor, Os.Znaczniki, WyrownanieOpisuHor)           \
    WYKRES_WLASCIWOSC(                                                                                              \
        TypyWykresu::TWyrownanieVer, Os##_Znaczniki_WyrownanieOpisuVer, Os.Znaczniki, WyrownanieOpisuVer)           \
    WYKRES_WLASCIWOSC(TypyWykresu::TOpisWPrzecieciu, Os##_Znaczniki_OpisWPrzecieciu, Os.Znaczniki, OpisWPrzecieciu) \
    WYKRES_WLASCIWOSC(TypyWykresu::TPozycjaOpisu, Os##_Znaczniki_PozycjaOpisu, Os.Znaczniki, PozycjaOpisu)          \
    WYKRES_WLASCIWOSC(int, Os##_Znaczniki_PrecyzjaOpisu, Os.Znaczniki, PrecyzjaOpisu)                               \
    WYKRES_WLASCIWOSC(int, Os##_Znaczniki_RozmiarZnacznikowGlow, Os.Znaczniki, RozmiarZnacznikowGlow)               \
    WYKRES_WLASCIWOSC(int, Os##_Znaczniki_RozmiarZnacznikowPom, Os.Znaczniki, RozmiarZnacznikowPom)                 \
    WYKRES_WLASCIWOSC(bool, Os##_Siatka_LinieNaMarginesieOsi, Os.Siatka, LinieNaMarginesieOsi)                      \
    WYKRES_WLASCIWOSC(TypyWykresu::TLinieSiatki, Os##_Siatka_LinieSiatki, Os.Siatka, LinieSiatki)                   \
    WYKRES_WLASCIWOSC(QColor, Os##_Siatka_Kolor, Os.Siatka, Kolor)                                                  \
    WYKRES_WLASCIWOSC(Qt::PenStyle, Os##_Siatka_StylLiniiGlownych, Os.Siatka, StylLiniiGlownych)                    \
    WYKRES_WLASCIWOSC(Qt::PenStyle, Os##_Siatka_StylLiniiPom, Os.Siatka, StylLiniiPom)                              \
    WYKRES_WLASCIWOSC(int, Os##_MarginesMin, Os, MarginesMin)                                                       \
    WYKRES_WLASCIWOSC(int, Os##_MarginesMax, Os, MarginesMax)
