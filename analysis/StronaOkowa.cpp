#include "StronaOkowa.h"

#include <QVBoxLayout>

#include <algorithm>

#include "KoloryWykresow.h"
#include "Standardy.h"
#include "SzablonyWykresow.h"
#include "Vartostream.h"
#include "Wykres.h"

TStronaOkowa::TStronaOkowa(QWidget* rodzic) : TStronaWynikow(rodzic)
{
    setObjectName(QStringLiteral("TabSheetOkowy"));
    WykresOkowy = new TWykres(this);
    WykresOkowy->setObjectName(QStringLiteral("WykresOkowy"));
    SzablonOka(*WykresOkowy);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(6, 6, 6, 6);
    uklad->addWidget(WykresOkowy);
}

void TStronaOkowa::Pokaz(const TWynikSymulacji& w)
{
    float maks = w.Tory[0].Wejscie()->MaxY;
    float min = w.Tory[0].Wejscie()->MinY;
    for (const TTorWyniku& tor : w.Tory) {
        maks = std::max(maks, tor.Wejscie()->MaxY);
        min = std::min(min, tor.Wejscie()->MinY);
    }
    UstawZakresOka(*WykresOkowy, min, maks, Standardy.at(static_cast<std::size_t>(w.Ustawienia.Standard)).OkresOka);
    for (std::size_t t = 0; t < w.Tory.size(); ++t)
        WykresOkowy->ZastapLubDodajSerie(static_cast<std::int32_t>(t), w.Tory[t].Wejscie(), KolorCzerwony, psSolid);
}

void TStronaOkowa::Zwolnij()
{
    WykresOkowy->OdlaczSerie();
}
