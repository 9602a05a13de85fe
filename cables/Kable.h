// Cable presets: the per-category limits of the cabling standards for 100 Ω twisted-pair
// cable, turned into the attenuation, crosstalk and echo lists of a run for a length and
// a temperature.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "Punkty.h"

enum class TKategoriaKabla { Cat3, Cat5, Cat5e, Cat6, Cat6A };
inline constexpr std::array<TKategoriaKabla, 5> KategorieKabli = {
    TKategoriaKabla::Cat3, TKategoriaKabla::Cat5, TKategoriaKabla::Cat5e, TKategoriaKabla::Cat6,
    TKategoriaKabla::Cat6A};

// "Cat3", "Cat5", "Cat5e", "Cat6", "Cat6A".
std::string_view NazwaKategorii(TKategoriaKabla kategoria);
// The category named, in any letter case; empty for anything else.
std::optional<TKategoriaKabla> KategoriaZNazwy(std::string_view nazwa);

inline constexpr double DlugoscKablaMin = 1.0;        // m
inline constexpr double DlugoscKablaMax = 200.0;      // m
inline constexpr double DlugoscKablaDomyslna = 100.0; // m
inline constexpr double TemperaturaKablaMin = -20.0;     // °C, the installed cable's operating range
inline constexpr double TemperaturaKablaMax = 60.0;      // °C
inline constexpr double TemperaturaKablaDomyslna = 20.0; // °C, where the limits are stated

struct TParametryKabla {
    TKategoriaKabla Kategoria = TKategoriaKabla::Cat5e;
    double DlugoscM = DlugoscKablaDomyslna;
    double TemperaturaC = TemperaturaKablaDomyslna;

    bool operator==(const TParametryKabla&) const = default;
};

// The highest frequency the category's limits are stated to, MHz.
double NajwyzszaCzestotliwoscKategorii(TKategoriaKabla kategoria);

// The category's limits at fMHz, as positive losses in dB, from the formulas themselves:
// insertion loss of 100 m at 20 °C; NEXT loss, never above the category's floor; return loss.
double TlumiennoscWtraceniowa100m(TKategoriaKabla kategoria, double fMHz);
double TlumiennoscPrzesluchowa(TKategoriaKabla kategoria, double fMHz);
double TlumiennoscOdbiciowa(TKategoriaKabla kategoria, double fMHz);

// How much copper loss grows with the temperature in °C: 1 at and below 20 °C.
double WspolczynnikTemperaturowy(double temperaturaC);

struct TCharakterystykiKabla {
    TListaPunktow Tlumienie;  // insertion loss of the length at the temperature
    TListaPunktow Przesluchy; // NEXT loss
    TListaPunktow Echo;       // return loss
};

// The three lists of the cable, gains negative, numbers with three decimals, 30 to 60
// points each spaced evenly in log frequency: insertion loss and NEXT from 0.1 MHz, return
// loss from 1 MHz where its limit starts, all up to the lower of the category's highest
// frequency and fMaxFiltruMHz (the filter's highest frequency at the run's rate).
TCharakterystykiKabla CharakterystykiKabla(const TParametryKabla& kabel, double fMaxFiltruMHz);
