#include "PlotnoNagrywajace.h"

#include <cmath>

void TPlotnoNagrywajace::PrzesunDo(int x, int y)
{
    Ruchy.push_back({ false, x, y });
    PozycjaX = x;
    PozycjaY = y;
}

void TPlotnoNagrywajace::LiniaDo(int x, int y)
{
    Ruchy.push_back({ true, x, y });
    Odcinki.push_back({ PozycjaX, PozycjaY, x, y, Styl, KolorPiora, Grubosc });
    PozycjaX = x;
    PozycjaY = y;
}

void TPlotnoNagrywajace::Wielokat(std::span<const TPunktPlotna> wierzcholki)
{
    Wielokaty.push_back({ { wierzcholki.begin(), wierzcholki.end() }, Pedzel, KolorPiora });
}

void TPlotnoNagrywajace::WypelnijProstokat(int lewy, int gorny, int prawy, int dolny)
{
    Prostokaty.push_back({ lewy, gorny, prawy, dolny, Pedzel });
}

void TPlotnoNagrywajace::RysujObraz(int x, int y, int szerokosc, int wysokosc, std::span<const TColor> piksele)
{
    Obrazy.push_back({ x, y, szerokosc, wysokosc, { piksele.begin(), piksele.end() } });
}

void TPlotnoNagrywajace::PiszTekst(int x, int y, std::string_view tekst)
{
    Napisy.push_back({ x, y, std::string(tekst), AktualnaCzcionka, Pedzel });
}

double TPlotnoNagrywajace::RozmiarWPikselach() const
{
    return Rozdzielczosc / 72.0 * AktualnaCzcionka.Rozmiar;
}

int TPlotnoNagrywajace::SzerokoscTekstu(std::string_view tekst)
{
    int znaki = 0;
    for (const char c : tekst)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++znaki;
    return Rozdzielczosc > 0 ? static_cast<int>(std::lround(znaki * 0.6 * RozmiarWPikselach())) : znaki * SzerokoscZnaku;
}

int TPlotnoNagrywajace::WysokoscTekstu(std::string_view)
{
    return Rozdzielczosc > 0 ? static_cast<int>(std::lround(1.17 * RozmiarWPikselach())) : WysokoscWiersza;
}

void TPlotnoNagrywajace::Wyczysc()
{
    Odcinki.clear();
    Ruchy.clear();
    Napisy.clear();
    Wielokaty.clear();
    Prostokaty.clear();
    Obrazy.clear();
}
