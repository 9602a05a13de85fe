#include "StronyPasm.h"

#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "JezykQt.h"
#include "KoloryWykresow.h"
#include "PanelPasm.h"
#include "Standardy.h"
#include "SzablonyWykresow.h"
#include "TLegenda.h"
#include "TObszarPasm.h"
#include "Vartostream.h"
#include "Wykres.h"
#include "ZestawZakladek.h"

namespace {

constexpr int WysokoscLegendyZRegeneracja = 80;
constexpr int WysokoscLegendyBezRegeneracji = 63;
constexpr int WysokoscLegendyZdekodowanych = 42;

// A stream's name in the language in use.
QString Nazwa(const TFltFltStrumien& strumien)
{
    return PrzetlumaczTekstBiblioteki(QString::fromStdString(strumien.ZwrocNazwe()));
}

// A stream's hint of decimals: truncated, and kept within what a label can show.
int Precyzja(float wskazowka)
{
    return std::isfinite(wskazowka) ? static_cast<int>(std::clamp(wskazowka, 0.0f, 9.0f)) : 0;
}

const TStandard& StandardWyniku(const TWynikSymulacji& w)
{
    return Standardy.at(static_cast<std::size_t>(w.Ustawienia.Standard));
}

// One strip's description and waveform charts set up for a range of levels, shown.
void UstawOpis(TWykres& opis, float min, float max, float skala, int precyzja)
{
    SzablonOpisu(opis);
    UstawZakresY(opis, min, max, skala);
    opis.OsY.Znaczniki.UstawPrecyzjaOpisu(precyzja);
    opis.show();
}

} // namespace

// ---- Inputs ----

TStronaWejsc::TStronaWejsc(QWidget* rodzic) : TStronaWynikow(rodzic)
{
    setObjectName(QStringLiteral("TabSheetWejsciowe"));
    Panel = new TPanelPasm(QStringLiteral("Wejsciowe"), 5, 3);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(6, 6, 6, 6);
    uklad->addWidget(Panel);
}

TObszarPasm& TStronaWejsc::Pasma()
{
    return Panel->Pasma();
}

void TStronaWejsc::Pokaz(const TWynikSymulacji& w)
{
    Wynik = &w;
    TObszarPasm& pasma = Pasma();
    const auto liczbaTypow = static_cast<std::int32_t>(w.Wejsciowe.size());
    if (!pasma.Wykresy.empty()) {
        for (std::size_t k = 0; k < w.Wejsciowe.size(); ++k) {
            TFltFltStrumien& s = *w.Wejsciowe[k];
            TWykres& przebieg = *pasma.Wykresy[k];
            przebieg.ModyfikujSerie(0, &s, KolorCzerwony, psSolid);
            UstawZakresX(przebieg, s);
        }
        return;
    }
    pasma.UtworzPasma(liczbaTypow);
    for (std::int32_t k = 0; k < liczbaTypow; ++k) {
        TFltFltStrumien& s = *w.Wejsciowe[static_cast<std::size_t>(k)];
        TWykres& opis = *pasma.Panele[static_cast<std::size_t>(k)];
        SzablonOpisu(opis);
        NazwijPasmo(opis, Nazwa(s));
        opis.OsY.Znaczniki.UstawPrecyzjaOpisu(Precyzja(s.PrecyzjaY));
        UstawZakresY(opis, s.MinY, s.MaxY, s.SkalaY);
        opis.show();

        TWykres& przebieg = *pasma.Wykresy[static_cast<std::size_t>(k)];
        SzablonPrzebiegu(przebieg, false);
        przebieg.OsX.UstawWyswietlOs(k == liczbaTypow - 1);
        przebieg.OsX.UstawSkalaPiksele(pasma.SkalaPikseli());
        UstawZakresY(przebieg, s.MinY, s.MaxY, s.SkalaY);
        UstawZakresX(przebieg, s);
        przebieg.OsX.UstawSkala(s.SkalaX);
        przebieg.DodajSerie(&s, KolorCzerwony, psSolid);
        przebieg.show();
    }
}

void TStronaWejsc::Zwolnij()
{
    Panel->Zwolnij();
    Panel->ZerujZoom();
    Wynik = nullptr;
}

TSekcjeRaportu TStronaWejsc::SekcjeRaportu()
{
    return {{TSekcjaRaportu::TMiejsce::NowaStrona, [this](TPlotno& plotno, const TUkladRaportu& u, int gora) {
                 std::vector<TFltFltStrumien*> strumienie;
                 for (const auto& s : Wynik->Wejsciowe)
                     strumienie.push_back(s.get());
                 return Panel->RysujRaport(plotno, u, gora,
                                           {TTekst::tr("Ciągi i sygnały wejsciowe"), std::move(strumienie),
                                            0.15384615384615385, 0.16666666666666666, true, true,
                                            StandardWyniku(*Wynik).PodzialkiWejsc});
             }}};
}

void TStronaWejsc::Rozmiesc()
{
    Pasma().Rozmiesc();
}

void TStronaWejsc::PrzewinDoPoczatku()
{
    Pasma().PrzewinDoPoczatku();
}

// ---- Outputs ----

TStronaWyjsc::TStronaWyjsc(bool dekoder, QWidget* rodzic) : TStronaWynikow(rodzic)
{
    setObjectName(QStringLiteral("TabSheetWyjsciowe"));
    Sygnaly = new TPanelPasm(QStringLiteral("Wyjsciowe"), 1, 2, QStringLiteral("Panel14"), WysokoscLegendyZRegeneracja);
    if (dekoder)
        Zdekodowane = new TPanelPasm(QStringLiteral("Zdekodowane"), 1, 2, QStringLiteral("PanelLegendyZdekodowane"),
                                     WysokoscLegendyZdekodowanych);
    StronyWyjsciowe = new QStackedWidget(this);
    StronyWyjsciowe->setObjectName(QStringLiteral("StronyWyjsciowe"));
    StronyWyjsciowe->addWidget(Sygnaly);
    if (Zdekodowane)
        StronyWyjsciowe->addWidget(Zdekodowane);
    TabSetWyjsciowe = ZestawZakladek(
        QStringLiteral("TabSetWyjsciowe"),
        {TTekst::tr("Sygnały po przejściu przez kanał i regenracji"), TTekst::tr("Ciągi zdekodowane")}, this);
    // One page of signals needs no tabs to switch between.
    TabSetWyjsciowe->setVisible(dekoder);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(6, 6, 6, 0);
    uklad->setSpacing(0);
    uklad->addWidget(StronyWyjsciowe, 1);
    uklad->addWidget(TabSetWyjsciowe, 0, Qt::AlignLeft);
    connect(TabSetWyjsciowe, &QTabBar::currentChanged, this, [this](int indeks) {
        if (Zdekodowane) {
            StronyWyjsciowe->setCurrentWidget(indeks == 1 ? Zdekodowane : Sygnaly);
            if (indeks == 1)
                Zdekodowane->Pasma().PrzewinDoPoczatku();
        }
        Sygnaly->Pasma().PrzewinDoPoczatku();
    });
}

TObszarPasm& TStronaWyjsc::Pasma()
{
    return Sygnaly->Pasma();
}

TLegenda& TStronaWyjsc::Legenda()
{
    return *Sygnaly->Legenda();
}

TObszarPasm* TStronaWyjsc::PasmaZdekodowanych()
{
    return Zdekodowane ? &Zdekodowane->Pasma() : nullptr;
}

TLegenda* TStronaWyjsc::LegendaZdekodowanych()
{
    return Zdekodowane ? Zdekodowane->Legenda() : nullptr;
}

void TStronaWyjsc::PokazZdekodowane(bool zdekodowane)
{
    TabSetWyjsciowe->setCurrentIndex(zdekodowane ? 1 : 0);
}

void TStronaWyjsc::UstawLegendy(bool regeneracja)
{
    TLegenda& legenda = Legenda();
    legenda.Wyczysc();
    legenda.DodajWiersz(TTekst::tr("Sygnał przed wprowadzeniem do kanału"), 1, 1);
    legenda.DodajWiersz(TTekst::tr("Sygnał po przeprowadzeniu przez kanał"), 0, 0);
    if (regeneracja)
        legenda.DodajWiersz(TTekst::tr("Sygnał po regeneracji"), 3, 2);
    legenda.DodajWiersz(TTekst::tr("Sygnał po wzmocnieniu"), 2, 3);
    Sygnaly->UstawWysokoscLegendy(regeneracja ? WysokoscLegendyZRegeneracja : WysokoscLegendyBezRegeneracji);
    if (TLegenda* zdekodowane = LegendaZdekodowanych()) {
        zdekodowane->Wyczysc();
        zdekodowane->DodajWiersz(TTekst::tr("Ciąg przed wprowadzeniem w kanał"), 1, 1);
        zdekodowane->DodajWiersz(TTekst::tr("Ciąg otrzymany w procesie dekodowania"), 0, 0);
    }
}

void TStronaWyjsc::Pokaz(const TWynikSymulacji& w)
{
    Wynik = &w;
    UstawLegendy(w.Ustawienia.Regeneracja);
    if (Pasma().Wykresy.empty())
        Buduj(w);
    else
        Odswiez(w);
    // A run puts the signals back on top.
    StronyWyjsciowe->setCurrentWidget(Sygnaly);
    TabSetWyjsciowe->setCurrentIndex(0);
}

void TStronaWyjsc::Buduj(const TWynikSymulacji& w)
{
    const TStandard& st = StandardWyniku(w);
    const float minY = st.PoziomMin - st.MarginesDecyzji;
    const float maxY = st.PoziomMax + st.MarginesDecyzji;
    const auto liczbaTorow = static_cast<std::int32_t>(w.Tory.size());
    // One lane needs no name.
    const bool nazwy = liczbaTorow > 1;
    TObszarPasm& sygnaly = Pasma();
    sygnaly.UtworzPasma(liczbaTorow);
    for (std::size_t t = 0; t < w.Tory.size(); ++t) {
        const TTorWyniku& tor = w.Tory[t];
        TFltFltStrumien& poKanale = *tor.Odebrany;
        TWykres& opis = *sygnaly.Panele[t];
        if (nazwy)
            NazwijPasmo(opis, Nazwa(poKanale));
        UstawOpis(opis, minY, maxY, st.MarginesDecyzji, 2);

        TWykres& przebieg = *sygnaly.Wykresy[t];
        SzablonPrzebiegu(przebieg, true);
        przebieg.OsX.UstawSkala(1.0f);
        przebieg.OsX.UstawSkalaPiksele(sygnaly.SkalaPikseli());
        UstawZakresY(przebieg, minY, maxY, st.MarginesDecyzji);
        UstawZakresX(przebieg, poKanale);
        przebieg.DodajSerie(&poKanale, KolorCzerwony, psSolid);
        przebieg.DodajSerie(tor.Wyslany, KolorZielony, psSolid);
        przebieg.DodajSerie(tor.Wzmocniony.get(), KolorBordowy, psSolid);
        if (tor.Zregenerowany)
            przebieg.DodajSerie(tor.Zregenerowany.get(), KolorNiebieski, psSolid);
        przebieg.show();
    }

    TObszarPasm* zdekodowane = PasmaZdekodowanych();
    if (!zdekodowane)
        return;
    const auto symbolMin = static_cast<float>(st.SymbolMin);
    const auto symbolMax = static_cast<float>(st.SymbolMax);
    zdekodowane->UtworzPasma(liczbaTorow);
    for (std::size_t t = 0; t < w.Tory.size(); ++t) {
        const TTorWyniku& tor = w.Tory[t];
        TFltFltStrumien& zdekodowany = *tor.Zdekodowany;
        TWykres& opis = *zdekodowane->Panele[t];
        if (nazwy)
            NazwijPasmo(opis, Nazwa(*tor.Odebrany));
        // Symbols are whole numbers.
        UstawOpis(opis, symbolMin, symbolMax, 1.0f, 0);

        TWykres& przebieg = *zdekodowane->Wykresy[t];
        SzablonPrzebiegu(przebieg, false);
        przebieg.OsX.UstawWyswietlOs(false);
        przebieg.OsX.UstawSkala(1.0f);
        przebieg.OsX.UstawSkalaPiksele(zdekodowane->SkalaPikseli());
        UstawZakresY(przebieg, symbolMin, symbolMax, 1.0f);
        UstawZakresX(przebieg, zdekodowany);
        przebieg.DodajSerie(&zdekodowany, KolorCzerwony, psSolid);
        przebieg.DodajSerie(tor.Wzorzec, KolorZielony, psSolid);
        przebieg.show();
    }
}

void TStronaWyjsc::Odswiez(const TWynikSymulacji& w)
{
    TObszarPasm* zdekodowane = PasmaZdekodowanych();
    for (std::size_t t = 0; t < w.Tory.size(); ++t) {
        const TTorWyniku& tor = w.Tory[t];
        // A later run shows every curve again, as the legends' ticked boxes say.
        TWykres& przebieg = *Pasma().Wykresy[t];
        for (std::int32_t seria = 0; seria < 4; ++seria)
            przebieg.PokazUkryjSerie(seria, true);
        przebieg.ModyfikujSerie(0, tor.Odebrany.get(), KolorCzerwony, psSolid);
        przebieg.ModyfikujSerie(1, tor.Wyslany, KolorZielony, psSolid);
        przebieg.ModyfikujSerie(2, tor.Wzmocniony.get(), KolorBordowy, psSolid);
        if (tor.Zregenerowany)
            przebieg.ZastapLubDodajSerie(3, tor.Zregenerowany.get(), KolorNiebieski, psSolid);
        else
            przebieg.UsunSerie(3);
        UstawZakresX(przebieg, *tor.Odebrany);

        if (!zdekodowane)
            continue;
        TWykres& przebiegZd = *zdekodowane->Wykresy[t];
        przebiegZd.PokazUkryjSerie(0, true);
        przebiegZd.PokazUkryjSerie(1, true);
        przebiegZd.ModyfikujSerie(0, tor.Zdekodowany.get(), KolorCzerwony, psSolid);
        przebiegZd.ModyfikujSerie(1, tor.Wzorzec, KolorZielony, psSolid);
        UstawZakresX(przebiegZd, *tor.Zdekodowany);
    }
}

void TStronaWyjsc::Zwolnij()
{
    for (TPanelPasm* panel : {Sygnaly, Zdekodowane})
        if (panel) {
            panel->Zwolnij();
            panel->ZerujZoom();
        }
    Wynik = nullptr;
}

TSekcjeRaportu TStronaWyjsc::SekcjeRaportu()
{
    const bool wiele = Wynik->Tory.size() > 1;
    const auto sekcja = [this, wiele](TPanelPasm* panel, QString tytul) {
        return [this, wiele, panel, tytul](TPlotno& plotno, const TUkladRaportu& u, int gora) {
            std::vector<TFltFltStrumien*> strumienie;
            for (const TTorWyniku& tor : Wynik->Tory)
                strumienie.push_back(tor.Odebrany.get());
            return panel->RysujRaport(plotno, u, gora,
                                      {tytul, std::move(strumienie), wiele ? 0.2857142857142857 : 0.3333333333333333,
                                       wiele ? 0.16666666666666666 : 0.1, wiele, false,
                                       StandardWyniku(*Wynik).PodzialkiWyjsc});
        };
    };
    TSekcjeRaportu sekcje = {
        {TSekcjaRaportu::TMiejsce::NowaStrona, sekcja(Sygnaly, TTekst::tr("Sygnały wyjsciowe"))}};
    // Four lanes of decoded sequences need a page of their own.
    if (Zdekodowane)
        sekcje.push_back({wiele ? TSekcjaRaportu::TMiejsce::NowaStrona : TSekcjaRaportu::TMiejsce::PonizejZOdstepem,
                          sekcja(Zdekodowane, TTekst::tr("Ciagi zdekodowane"))});
    return sekcje;
}

void TStronaWyjsc::Rozmiesc()
{
    for (TPanelPasm* panel : {Sygnaly, Zdekodowane})
        if (panel)
            panel->Pasma().Rozmiesc();
}

void TStronaWyjsc::PrzewinDoPoczatku()
{
    for (TPanelPasm* panel : {Sygnaly, Zdekodowane})
        if (panel)
            panel->Pasma().PrzewinDoPoczatku();
}
