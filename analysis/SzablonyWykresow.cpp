#include "SzablonyWykresow.h"

#include <algorithm>

#include "KoloryWykresow.h"
#include "Vartostream.h"
#include "Wykres.h"

namespace {

constexpr float CzestotliwoscMax = 200.0f; // MHz

// What the characteristic and impulse-response charts share: their margins, and on
// each axis labelled major ticks over a silver grid, solid at major and dotted at minor ticks.
void WspolneCharakterystyk(TWykres& w, TLinieSiatki linie)
{
    w.UstawMarginesLewy(44);
    w.UstawMarginesPrawy(18);
    w.UstawMarginesGorny(14);
    w.UstawMarginesDolny(26);
    for (TOs* os : {&w.OsX, &w.OsY}) {
        os->Znaczniki.UstawOpisyZnacznikow(zGlowne);
        os->Siatka.UstawKolor(KolorSrebrny);
        os->Siatka.UstawLinieSiatki(linie);
        os->Siatka.UstawStylLiniiGlownych(psSolid);
        os->Siatka.UstawStylLiniiPom(psDot);
    }
}

void SiatkaPasma(TSiatka& siatka)
{
    siatka.UstawLinieSiatki(lsGlowne);
    siatka.UstawStylLiniiGlownych(psSolid);
    siatka.UstawLinieNaMarginesieOsi(true);
    siatka.UstawKolor(KolorSrebrny);
}

void WspolneBledow(TWykres& w, float maxY, int precyzjaY, int marginesLewy)
{
    w.UstawMarginesGorny(20);
    w.UstawMarginesDolny(35);
    w.UstawMarginesLewy(marginesLewy);
    w.UstawMarginesPrawy(40);
    w.OsX.UstawMin(0.0f);
    w.OsX.UstawMax(0.5f);
    w.OsX.UstawSkala(0.5f);
    w.OsX.UstawSkalaPom(1.0f);
    w.OsY.UstawMin(0.0f);
    w.OsY.UstawMax(maxY);
    w.OsY.UstawSkala(0.1f);
    w.OsY.UstawSkalaPom(1.0f);
    w.OsX.Znaczniki.UstawPrecyzjaOpisu(5);
    w.OsY.Znaczniki.UstawPrecyzjaOpisu(precyzjaY);
    for (TOs* os : {&w.OsX, &w.OsY}) {
        os->Znaczniki.UstawZnaczniki(zGlowne);
        os->Znaczniki.UstawOpisyZnacznikow(zGlowne);
        os->Siatka.UstawKolor(KolorSrebrny);
        os->Siatka.UstawStylLiniiGlownych(psSolid);
        os->Siatka.UstawStylLiniiPom(psDot);
    }
    w.OsX.Znaczniki.UstawWyrownanieOpisuVer(wvGorne);
    w.OsY.Znaczniki.UstawWyrownanieOpisuHor(whPrawe);
}

} // namespace

void SzablonCharakterystyki(TWykres& w, bool regeneracja)
{
    WspolneCharakterystyk(w, lsWszystkie);

    w.OsX.UstawTypOsi(toLog);
    w.OsX.UstawLogZero(true);
    w.OsX.UstawMin(0.0f);
    w.OsX.UstawMax(CzestotliwoscMax);
    w.OsX.UstawSkala(1.0f);
    w.OsX.UstawPrzeciecie(0.0f);
    w.OsX.Znaczniki.UstawPrecyzjaOpisu(0);

    // The frequency axis lies along the bottom either way.
    w.OsY.UstawMin(regeneracja ? 0.0f : -100.0f);
    w.OsY.UstawMax(regeneracja ? 100.0f : 0.0f);
    w.OsY.UstawPrzeciecie(regeneracja ? 0.0f : -100.0f);
    w.OsY.UstawSkala(20.0f);
    w.OsY.UstawSkalaPom(10.0f);
    w.OsY.Znaczniki.UstawPrecyzjaOpisu(0);
}

void UstawZakresCzestotliwosci(TWykres& w, float najwyzsza)
{
    w.OsX.UstawMax(std::max(CzestotliwoscMax, najwyzsza));
}

void SzablonOdpowiedzi(TWykres& w)
{
    WspolneCharakterystyk(w, lsGlowne);
    w.OsX.UstawMin(-0.5f);
    w.OsX.UstawMax(0.5f);
    w.OsX.UstawSkala(0.25f);
    w.OsX.UstawSkalaPom(0.05f);
    w.OsY.UstawMin(-0.25f);
    w.OsY.UstawMax(1.0f);
    w.OsY.UstawSkala(0.25f);
    w.OsY.UstawSkalaPom(0.05f);
}

void SzablonPrzebiegu(TWykres& w, bool siatkaY)
{
    SiatkaPasma(w.OsX.Siatka);
    w.OsX.Znaczniki.UstawZnaczniki(zBrak);
    w.OsX.Znaczniki.UstawOpisyZnacznikow(zBrak);
    if (siatkaY)
        SiatkaPasma(w.OsY.Siatka);
    else
        w.OsY.Siatka.UstawLinieSiatki(lsBrak);
    w.OsY.Znaczniki.UstawZnaczniki(zBrak);
    w.OsY.Znaczniki.UstawOpisyZnacznikow(zBrak);
    w.OsY.UstawWyswietlOs(false);
    w.UstawMarginesLewy(0);
}

void SzablonOpisu(TWykres& w)
{
    w.OsX.Siatka.UstawLinieSiatki(lsBrak);
    w.OsX.Znaczniki.UstawZnaczniki(zBrak);
    w.OsX.Znaczniki.UstawOpisyZnacznikow(zBrak);
    w.OsY.Siatka.UstawLinieSiatki(lsBrak);
    w.OsY.Znaczniki.UstawZnaczniki(zGlowne);
    w.OsY.Znaczniki.UstawOpisyZnacznikow(zGlowne);
    w.UstawMarginesLewy(0);
    w.UstawMarginesPrawy(1);
    w.OsX.UstawWyswietlOs(false);
    w.OsX.UstawMin(-1.0f);
    w.OsX.UstawPrzeciecie(0.0f);
    w.OsX.UstawMax(0.0f);
}

void UstawZakresY(TWykres& w, float min, float max, float skala)
{
    w.OsY.UstawMin(min);
    w.OsY.UstawMax(max);
    w.OsY.UstawSkala(skala);
}

void UstawZakresX(TWykres& w, TFltFltStrumien& s)
{
    const std::int32_t n = s.ZwrocDlugosc();
    if (n == 0)
        return;
    const float pierwszy = s.Zwroc(0).X;
    const float ostatni = s.Zwroc(n - 1).X;
    w.OsX.UstawMin(pierwszy);
    w.OsX.UstawPrzeciecie(pierwszy);
    w.OsX.UstawMax(ostatni);
}

void SzablonOka(TWykres& w)
{
    w.OsX.UstawTypOsi(toOkowa);
    w.OsX.UstawKolor(KolorSrebrny);
    w.OsX.Siatka.UstawKolor(KolorSrebrny);
    w.OsX.Znaczniki.UstawZnaczniki(zBrak);
    w.OsX.Znaczniki.UstawOpisyZnacznikow(zBrak);
    w.OsY.Znaczniki.UstawZnaczniki(zGlowne);
    w.OsY.Znaczniki.UstawOpisyZnacznikow(zGlowne);
    w.OsY.Znaczniki.UstawPrecyzjaOpisu(3);
    w.OsY.Siatka.UstawLinieSiatki(lsGlowne);
    w.UstawMarginesLewy(40);
}

void UstawZakresOka(TWykres& w, float min, float max, float okres)
{
    if (max - min == 0.0f)
        UstawZakresY(w, -0.01f, 0.01f, 0.02f);
    else
        UstawZakresY(w, min, max, max - min);
    w.OsX.UstawMax(okres);
}

void SzablonRozkladuBledow(TWykres& w)
{
    WspolneBledow(w, 0.1f, 7, 78);
}

void SzablonDystrybuanty(TWykres& w)
{
    WspolneBledow(w, 1.0f, 1, 40);
}

void UstawZakresBledow(TWykres& rozklad, TWykres& dystrybuanta, float najwiekszy, float margines, float szczyt)
{
    for (TWykres* w : {&rozklad, &dystrybuanta}) {
        w->OsX.UstawMax(najwiekszy);
        w->OsX.UstawSkala(najwiekszy);
        w->OsX.UstawSkalaPom(margines);
    }
    rozklad.OsY.UstawMax(szczyt);
    rozklad.OsY.UstawSkala(szczyt);
}

std::unique_ptr<TFltFltStrumien> Odcinek(float x1, float y1, float x2, float y2)
{
    auto s = std::make_unique<TFltFltStrumien>();
    s->UstawDlugosc(2);
    s->Ustaw(0, TPunkt{x1, y1});
    s->Ustaw(1, TPunkt{x2, y2});
    return s;
}
