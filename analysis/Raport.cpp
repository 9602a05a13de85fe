#include "Raport.h"

#include <algorithm>

#include "KoloryWykresow.h"
#include "Wykres.h"

TCzcionka CzcionkaRaportu(bool pogrubiona, int rozmiar)
{
    TCzcionka czcionka;
    czcionka.Rozmiar = rozmiar;
    czcionka.Pogrubiona = pogrubiona;
    return czcionka;
}

TUkladRaportu TUkladRaportu::Dla(int W, int szerokoscEkranu)
{
    TUkladRaportu u;
    u.M = W / 20;
    u.C = static_cast<int>(W * 9 * 0.1);
    u.K = szerokoscEkranu > 0 ? static_cast<float>(static_cast<double>(u.C) / szerokoscEkranu * 2.0) : 1.0f;
    return u;
}

void PiszZwyklym(TPlotno& plotno)
{
    plotno.UstawCzcionke(CzcionkaRaportu(false));
    plotno.UstawKolorPedzla(KolorBialy);
}

int WysokoscWiersza(TPlotno& plotno)
{
    PiszZwyklym(plotno);
    return plotno.WysokoscTekstu("A");
}

std::vector<std::string> WierszeTekstu(TPlotno& plotno, const std::string& tekst, int szerokosc)
{
    std::vector<std::string> wiersze;
    std::string wiersz;
    std::size_t od = 0;
    for (;;) {
        const std::size_t spacja = std::min(tekst.find(' ', od), tekst.size());
        const std::string slowo = tekst.substr(od, spacja - od);
        if (od == 0)
            wiersz = slowo;
        else if (plotno.SzerokoscTekstu(wiersz + ' ' + slowo) > szerokosc) {
            wiersze.push_back(wiersz);
            wiersz = slowo;
        } else
            wiersz += ' ' + slowo;
        if (spacja == tekst.size())
            break;
        od = spacja + 1;
    }
    wiersze.push_back(wiersz);
    return wiersze;
}

void RysujTytul(TPlotno& plotno, const TUkladRaportu& u, int gora, const QString& tytul)
{
    const std::string tekst = tytul.toStdString();
    plotno.UstawCzcionke(CzcionkaRaportu(true));
    plotno.UstawKolorPedzla(KolorBialy);
    const int x = static_cast<int>(u.M + u.C * 0.5 - plotno.SzerokoscTekstu(tekst) * 0.5);
    plotno.PiszTekst(x, gora, tekst);
    plotno.UstawCzcionke(CzcionkaRaportu(false));
}

int PiszAkapit(TPlotno& plotno, const TUkladRaportu& u, int y, int odstep, const std::string& tekst)
{
    int wiersze = 0;
    std::string wiersz;
    std::size_t poczatek = 0;
    while (poczatek <= tekst.size()) {
        const std::size_t koniec = std::min(tekst.find(' ', poczatek), tekst.size());
        const std::string slowo = tekst.substr(poczatek, koniec - poczatek);
        const std::string dluzszy = wiersz.empty() ? slowo : wiersz + ' ' + slowo;
        // A word wider than the content stands alone on its line rather than being cut.
        if (!wiersz.empty() && plotno.SzerokoscTekstu(dluzszy) > u.C) {
            plotno.PiszTekst(u.M, y + wiersze++ * odstep, wiersz);
            wiersz = slowo;
        } else {
            wiersz = dluzszy;
        }
        poczatek = koniec + 1;
    }
    plotno.PiszTekst(u.M, y + wiersze++ * odstep, wiersz);
    return wiersze;
}

int RysujCharakterystyke(TPlotno& plotno, const TUkladRaportu& u, int gora, const QString& tytul, TWykres& wykres)
{
    const int h = WysokoscWiersza(plotno);
    RysujTytul(plotno, u, gora, tytul);
    const int wysokosc = static_cast<int>(u.C * 0.5);
    wykres.PaintToCanvas(plotno, 0, 0, u.M, gora + 3 * h, u.C, wysokosc, wykres.OsX.Max(), -1, u.K);
    return 3 * h + wysokosc;
}
