// The chart of a sweep on the program's chart control: the control draws the axes, the grid
// and the series; this file adds the decades' labels, the points, the captions and the legend.
#include "WykresPrzemiatania.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

#include "BladRysunku.h"
#include "EksportWykresu.h"
#include "KoloryWykresow.h"
#include "Liczby.h"
#include "PlotnoQt.h"
#include "Vartostream.h"
#include "Wykres.h"

namespace {

constexpr int Szerokosc = 860; // pixels of the whole picture
constexpr int Wysokosc = 500;
constexpr int MarginesLewy = 78;  // room for the decades' labels and the rotated caption
constexpr int MarginesDolny = 56; // room for the X labels and caption
constexpr int MarginesGorny = 16;
constexpr int MarginesPrawy = 16;
constexpr int NajwiecejDekad = 20; // a figure further below the largest is drawn at the bottom
constexpr int Znacznik = 5;        // side of a point's square, pixels

constexpr TColor Kolory[] = {KolorCzerwony, KolorNiebieski, KolorZielony, KolorBordowy,
                             0x0080FF,      0x800080,       0x808000,     0x000000};

// A step of 1, 2 or 5 times a power of ten that cuts the range into at most about eight parts.
double OkraglyKrok(double zakres)
{
    const double surowy = zakres / 8.0;
    const double rzad = std::pow(10.0, std::floor(std::log10(surowy)));
    for (const double m : {1.0, 2.0, 5.0})
        if (m * rzad >= surowy)
            return m * rzad;
    return 10.0 * rzad;
}

int MiejscaKroku(double krok)
{
    return std::clamp(static_cast<int>(std::ceil(-std::log10(krok) - 1e-9)), 0, 6);
}

std::string Opis(const TDaneWykresuPrzemiatania& dane, std::size_t s)
{
    return dane.Serie[s].Nazwa.empty() ? dane.OpisY : dane.Serie[s].Nazwa;
}

} // namespace

bool WykresyDostepne()
{
    return true;
}

std::unique_ptr<QCoreApplication> UtworzAplikacje(int& argc, char** argv, bool zWykresem)
{
    if (!zWykresem)
        return std::make_unique<QCoreApplication>(argc, argv);
    // The chart goes into a file: drawn the same with or without a display. The toolkit's
    // notes on its surroundings (no runtime folder, say) are no business of the user's, whose
    // every error is one line: only its critical messages pass.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static const QtMessageHandler domyslny = qInstallMessageHandler(
        [](QtMsgType typ, const QMessageLogContext& kontekst, const QString& tekst) {
            if ((typ == QtCriticalMsg || typ == QtFatalMsg) && domyslny)
                domyslny(typ, kontekst, tekst);
        });
    return std::make_unique<QApplication>(argc, argv);
}

std::string ZapiszWykresPrzemiatania(const TDaneWykresuPrzemiatania& dane, const std::string& plik)
{
    const QString nazwa = QString::fromStdString(plik);
    const std::optional<TFormatObrazu> format = FormatObrazu(nazwa);
    if (!format)
        return plik + " is not a .png, .svg or .pdf file";

    // The figure's decades on a linear axis of exponents.
    double minX = std::numeric_limits<double>::infinity();
    double maxX = -minX;
    double minY = minX;
    double maxY = -minX;
    for (const TSeriaPrzemiatania& s : dane.Serie)
        for (const auto& [x, y] : s.Punkty) {
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, std::log10(y));
            maxY = std::max(maxY, std::log10(y));
        }
    const bool punkty = std::isfinite(minX);
    if (!dane.NazwyX.empty()) {
        minX = -0.5;
        maxX = static_cast<double>(dane.NazwyX.size()) - 0.5;
    } else if (!punkty) {
        minX = 0.0;
        maxX = 1.0;
    } else if (minX == maxX) {
        minX -= 1.0;
        maxX += 1.0;
    }
    const int gora = punkty ? static_cast<int>(std::ceil(maxY)) : 0;
    int dol = punkty ? static_cast<int>(std::floor(minY)) : -6;
    dol = std::max(std::min(dol, gora - 1), gora - NajwiecejDekad);

    TWykres wykres;
    std::vector<std::unique_ptr<TFltFltStrumien>> strumienie;
    wykres.UstawMarginesLewy(MarginesLewy);
    wykres.UstawMarginesDolny(MarginesDolny);
    wykres.UstawMarginesGorny(MarginesGorny);
    wykres.UstawMarginesPrawy(MarginesPrawy);
    const double krokX = dane.NazwyX.empty() ? OkraglyKrok(maxX - minX) : 1.0;
    wykres.OsX.UstawMin(static_cast<float>(minX));
    wykres.OsX.UstawMax(static_cast<float>(maxX));
    wykres.OsX.UstawSkala(static_cast<float>(krokX));
    wykres.OsX.UstawSkalaPom(static_cast<float>(krokX));
    wykres.OsX.UstawPrzeciecie(static_cast<float>(minX));
    wykres.OsX.Znaczniki.UstawPrecyzjaOpisu(MiejscaKroku(krokX));
    wykres.OsX.Znaczniki.UstawWyrownanieOpisuVer(wvGorne);
    wykres.OsY.UstawMin(static_cast<float>(dol));
    wykres.OsY.UstawMax(static_cast<float>(gora));
    wykres.OsY.UstawSkala(gora - dol > 10 ? 2.0f : 1.0f);
    wykres.OsY.UstawSkalaPom(1.0f);
    wykres.OsY.UstawPrzeciecie(static_cast<float>(dol));
    for (TOs* os : {&wykres.OsX, &wykres.OsY}) {
        os->Znaczniki.UstawZnaczniki(zGlowne);
        os->Siatka.UstawLinieSiatki(lsGlowne);
        os->Siatka.UstawKolor(KolorSrebrny);
        os->Siatka.UstawStylLiniiGlownych(psSolid);
    }
    // The decades and the names of a named axis are labelled below, in their own words.
    wykres.OsY.Znaczniki.UstawOpisyZnacznikow(zBrak);
    wykres.OsX.Znaczniki.UstawOpisyZnacznikow(dane.NazwyX.empty() ? zGlowne : zBrak);
    for (std::size_t s = 0; s < dane.Serie.size(); ++s) {
        const auto& p = dane.Serie[s].Punkty;
        auto strumien = std::make_unique<TFltFltStrumien>();
        strumien->UstawDlugosc(static_cast<std::int32_t>(p.size()));
        for (std::size_t i = 0; i < p.size(); ++i)
            strumien->Ustaw(static_cast<std::int32_t>(i), TPunkt{static_cast<float>(p[i].first),
                                                                 static_cast<float>(std::log10(p[i].second))});
        wykres.DodajSerie(strumien.get(), Kolory[s % std::size(Kolory)],
                          s / std::size(Kolory) % 2 == 0 ? psSolid : psDash);
        strumienie.push_back(std::move(strumien));
    }

    // The legend's width follows its longest entry.
    QFont czcionka = QApplication::font();
    czcionka.setPointSize(9);
    const QFontMetrics miary(czcionka, &wykres);
    int legenda = 0;
    if (dane.Serie.size() > 1 || (dane.Serie.size() == 1 && !dane.Serie.front().Nazwa.empty()))
        for (std::size_t s = 0; s < dane.Serie.size(); ++s)
            legenda = std::max(legenda, 44 + miary.horizontalAdvance(QString::fromStdString(Opis(dane, s))));
    const int szerokoscWykresu = Szerokosc - legenda;
    wykres.resize(szerokoscWykresu, Wysokosc);

    const TRysowanie rysuj = [&](QPainter& malarz, bool wektorowo) {
        malarz.fillRect(QRect(0, 0, Szerokosc, Wysokosc), Qt::white);
        PrzesunDlaWektorow(malarz, wektorowo);
        malarz.setFont(czcionka);
        TPlotnoQt plotno(malarz, KolorBialy);
        TCzcionka tekst = CzcionkaZQt(czcionka, plotno.Czcionka());
        wykres.OsX.Znaczniki.CzcionkaOpisuZnacznikowGlow = tekst;
        wykres.PaintToCanvas(plotno, 0, 0, 0, 0, szerokoscWykresu, Wysokosc, wykres.OsX.Max(), -1, 1.0f);
        plotno.UstawCzcionke(tekst);
        const int lewa = wykres.KonwersjaWspolX(static_cast<float>(minX), 0);
        const int dolna = wykres.KonwersjaWspolY(static_cast<float>(dol), 0);
        const auto napis = [&](const std::string& t, int x, int y, double wyrownanieX, double wyrownanieY) {
            plotno.PiszTekst(x - static_cast<int>(wyrownanieX * plotno.SzerokoscTekstu(t)),
                             y - static_cast<int>(wyrownanieY * plotno.WysokoscTekstu(t)), t);
        };
        for (int e = dol; e <= gora; e += gora - dol > 10 ? 2 : 1)
            napis("10" + FormatujWykladnik(e), lewa - 8, wykres.KonwersjaWspolY(static_cast<float>(e), 0), 1.0, 0.5);
        for (std::size_t i = 0; i < dane.NazwyX.size(); ++i)
            napis(dane.NazwyX[i], wykres.KonwersjaWspolX(static_cast<float>(i), 0), dolna + 8, 0.5, 0.0);
        napis(dane.OpisX, (lewa + szerokoscWykresu - MarginesPrawy) / 2, Wysokosc - 6, 0.5, 1.0);
        malarz.save();
        malarz.translate(14, (MarginesGorny + dolna) / 2.0);
        malarz.rotate(-90.0);
        malarz.drawText(QRectF(-200, -10, 400, 20), Qt::AlignCenter, QString::fromStdString(dane.OpisY));
        malarz.restore();

        for (std::size_t s = 0; s < dane.Serie.size(); ++s) {
            const TColor kolor = Kolory[s % std::size(Kolory)];
            plotno.UstawKolorPedzla(kolor);
            plotno.UstawKolorPiora(kolor);
            plotno.UstawStylPiora(psSolid);
            for (const auto& [x, y] : dane.Serie[s].Punkty) {
                const int px = wykres.KonwersjaWspolX(static_cast<float>(x), 0);
                const int py = wykres.KonwersjaWspolY(static_cast<float>(std::max(std::log10(y), double(dol))), 0);
                plotno.WypelnijProstokat(px - Znacznik / 2, py - Znacznik / 2, px + Znacznik / 2 + 1,
                                         py + Znacznik / 2 + 1);
            }
            if (legenda == 0)
                continue;
            const int y = MarginesGorny + 10 + static_cast<int>(s) * (miary.height() + 6);
            const int x = szerokoscWykresu + 4;
            plotno.UstawStylPiora(s / std::size(Kolory) % 2 == 0 ? psSolid : psDash);
            plotno.PrzesunDo(x, y);
            plotno.LiniaDo(x + 28, y);
            plotno.WypelnijProstokat(x + 14 - Znacznik / 2, y - Znacznik / 2, x + 14 + Znacznik / 2 + 1,
                                     y + Znacznik / 2 + 1);
            plotno.UstawKolorPedzla(KolorBialy);
            napis(Opis(dane, s), x + 36, y, 0.0, 0.5);
        }
    };
    const std::optional<TBladEksportu> blad = ZapiszRysunek(nazwa, *format, QSize(Szerokosc, Wysokosc),
                                                            wykres.logicalDpiX(), wykres.logicalDpiY(), 1.0, rysuj);
    return OpisBleduRysunku(plik, blad);
}
