// lintavox-chart-gallery FOLDER: renders the typical charts of the program to PNG files
// in FOLDER, for looking at how the chart draws after a change. Every chart comes from
// the template the analysis window builds it from, with made-up curves.
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <numbers>
#include <random>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QString>

#include "Charakterystyki.h"
#include "KoloryWykresow.h"
#include "PlotnoQt.h"
#include "Standardy.h"
#include "SzablonyWykresow.h"
#include "TObszarPasm.h"
#include "Vartostream.h"
#include "Wykres.h"

namespace {

using TPunkty = std::vector<TPunkt>;

// The streams outlive the charts that plot them.
std::vector<std::unique_ptr<TFltFltStrumien>> Strumienie;

TFltFltStrumien* Strumien(const TPunkty& punkty)
{
    auto s = std::make_unique<TFltFltStrumien>();
    s->UstawDlugosc(static_cast<std::int32_t>(punkty.size()));
    for (std::size_t i = 0; i < punkty.size(); ++i)
        s->Ustaw(static_cast<std::int32_t>(i), punkty[i]);
    Strumienie.push_back(std::move(s));
    return Strumienie.back().get();
}

// A random MLT-3 symbol sequence, as a 100 Mb/s line carries it.
std::vector<int> SymboleMlt3(int liczba, unsigned ziarno)
{
    std::mt19937 los(ziarno);
    std::vector<int> symbole;
    const int cykl[4] = { 0, 1, 0, -1 };
    int faza = 0;
    for (int i = 0; i < liczba; ++i) {
        if (los() & 1u)
            faza = (faza + 1) % 4;
        symbole.push_back(cykl[faza]);
    }
    return symbole;
}

TPunkty Schodki(const std::vector<int>& symbole)
{
    TPunkty punkty;
    for (std::size_t k = 0; k < symbole.size(); ++k) {
        punkty.push_back({ static_cast<float>(k), static_cast<float>(symbole[k]) });
        punkty.push_back({ static_cast<float>(k + 1), static_cast<float>(symbole[k]) });
    }
    return punkty;
}

// The line signal of the symbols, sampled probkiNaSymbol times per symbol, with edges of
// 0.2 symbol periods, passed through a first-order low-pass of time constant tau
// (symbol periods) and scaled by wzmocnienie.
TPunkty Sygnal(const std::vector<int>& symbole, int probkiNaSymbol, double tau, double wzmocnienie)
{
    TPunkty punkty;
    const int n = static_cast<int>(symbole.size()) * probkiNaSymbol;
    const double alfa = tau > 0.0 ? 1.0 - std::exp(-1.0 / (probkiNaSymbol * tau)) : 1.0;
    double y = symbole.front();
    for (int i = 0; i <= n; ++i) {
        const double t = static_cast<double>(i) / probkiNaSymbol;
        const std::size_t k = std::min(symbole.size() - 1, static_cast<std::size_t>(t));
        const double faza = t - std::floor(t);
        double poziom = symbole[k];
        if (k > 0 && faza < 0.1)
            poziom = symbole[k - 1] + (symbole[k] - symbole[k - 1]) * (faza + 0.1) / 0.2;
        else if (k + 1 < symbole.size() && faza > 0.9)
            poziom = symbole[k] + (symbole[k + 1] - symbole[k]) * (faza - 0.9) / 0.2;
        y += alfa * (poziom - y);
        punkty.push_back(
            { static_cast<float>(i) / static_cast<float>(probkiNaSymbol), static_cast<float>(wzmocnienie * y) });
    }
    return punkty;
}

// The default attenuation list of a new analysis, and a realised response beside it.
void Charakterystyka(TWykres& w)
{
    SzablonCharakterystyki(w, false);
    TPunkty realizacja;
    for (int i = 0; i <= 400; ++i) {
        const double f = 0.5 * i;
        const double db = -2.1 - 1.9 * std::sqrt(f) + 0.6 * std::sin(f / 7.0) * std::exp(-f / 80.0);
        realizacja.push_back({ static_cast<float>(f), static_cast<float>(db) });
    }
    w.DodajSerie(Strumien(DomyslneCharakterystyki().Tlumienie), KolorZielony, psSolid);
    w.DodajSerie(Strumien(realizacja), KolorCzerwony, psSolid);
}

void OdpowiedzImpulsowa(TWykres& w)
{
    SzablonOdpowiedzi(w);
    TPunkty punkty;
    for (int k = -250; k <= 250; ++k) {
        const double t = k / 500.0;
        const double x = 400.0 * t;
        const double sinc = k == 0 ? 1.0 : std::sin(std::numbers::pi * x / 8.0) / (std::numbers::pi * x / 8.0);
        punkty.push_back({ static_cast<float>(t), static_cast<float>(sinc * std::exp(-std::fabs(x) / 60.0)) });
    }
    w.DodajSerie(Strumien(punkty), KolorCzerwony, psSolid);
}

// A strip of a result page: its description and its waveform over the levels min to max
// in divisions of skala, with the outer margins a strip alone on its page has.
struct TPasmo {
    TWykres Opis;
    TWykres Przebieg;

    TPasmo(bool siatkaY, float min, float max, float skala, int precyzja)
    {
        SzablonOpisu(Opis);
        SzablonPrzebiegu(Przebieg, siatkaY);
        for (TWykres* w : { &Opis, &Przebieg }) {
            UstawZakresY(*w, min, max, skala);
            w->UstawMarginesGorny(MarginesPasma);
            w->UstawMarginesDolny(MarginesPasma);
        }
        Opis.OsY.Znaczniki.UstawPrecyzjaOpisu(precyzja);
        Przebieg.OsX.UstawSkala(1.0f);
    }

    void Dodaj(TFltFltStrumien* s, TColor kolor)
    {
        if (Przebieg.LiczbaSerii() == 0)
            UstawZakresX(Przebieg, *s);
        Przebieg.DodajSerie(s, kolor, psSolid);
    }

    static constexpr int MarginesPasma = 15;
};

// An MLT-3 sequence as the input page shows it, 100BaseTX's symbols from -1 to 1.
void Schodek(TPasmo& p)
{
    p.Dodaj(Strumien(Schodki(SymboleMlt3(24, 7))), KolorCzerwony);
}

// The four curves of an output strip of 100BaseTX: received, sent, amplified and
// regenerated, over the levels and the decision margin.
void PrzebiegCzteroseryjny(TPasmo& p)
{
    const std::vector<int> symbole = SymboleMlt3(30, 11);
    p.Dodaj(Strumien(Sygnal(symbole, 20, 0.45, 0.55)), KolorCzerwony);
    p.Dodaj(Strumien(Sygnal(symbole, 20, 0.0, 1.0)), KolorZielony);
    p.Dodaj(Strumien(Sygnal(symbole, 20, 0.45, 1.0)), KolorBordowy);
    p.Dodaj(Strumien(Sygnal(symbole, 20, 0.12, 0.95)), KolorNiebieski);
}

void DiagramOka(TWykres& w)
{
    SzablonOka(w);
    const TPunkty sygnal = Sygnal(SymboleMlt3(300, 5), 25, 0.35, 1.0);
    float minY = 0.0f;
    float maxY = 0.0f;
    for (const TPunkt& p : sygnal) {
        minY = std::min(minY, p.Y);
        maxY = std::max(maxY, p.Y);
    }
    UstawZakresOka(w, minY, maxY, 1.0f);
    w.DodajSerie(Strumien(sygnal), KolorCzerwony, psSolid);
}

// The error distribution of a 100BaseTX run with its largest error at 0.42 V, and the
// cumulative distribution that falls from 1 to 0 over the same errors.
void RozkladyBledow(TWykres& rozklad, TWykres& dystrybuanta)
{
    SzablonRozkladuBledow(rozklad);
    SzablonDystrybuanty(dystrybuanta);
    const float maksBlad = 0.42f;
    TPunkty histogram;
    TPunkty skumulowany;
    float szczyt = 0.0f;
    double suma = 0.0;
    for (int b = 0; b < 1000; ++b) {
        const double x = 0.001 * maksBlad * b;
        const double y = 0.012 * std::exp(-x * x / (2 * 0.06 * 0.06)) + 0.0004 * std::exp(-x / 0.12);
        histogram.push_back({ static_cast<float>(x), static_cast<float>(y) });
        szczyt = std::max(szczyt, static_cast<float>(y));
        suma += y;
    }
    double reszta = suma;
    for (const TPunkt& p : histogram) {
        skumulowany.push_back({ p.X, static_cast<float>(reszta / suma) });
        reszta -= p.Y;
    }
    UstawZakresBledow(rozklad, dystrybuanta, maksBlad, Standardy[1].MarginesDecyzji, szczyt);
    rozklad.DodajSerie(Strumien(histogram), KolorCzerwony, psSolid);
    dystrybuanta.DodajSerie(Strumien(skumulowany), KolorCzerwony, psSolid);
}

// Paints the chart onto a white image through the path of printing and export.
QImage Obraz(TWykres& w, int szerokosc, int wysokosc, float k, int grubosc)
{
    QImage obraz(szerokosc, wysokosc, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter malarz(&obraz);
    TPlotnoQt plotno(malarz);
    plotno.UstawGruboscPiora(grubosc);
    w.PaintToCanvas(plotno, 0, 0, 0, 0, szerokosc, wysokosc, w.OsX.Max(), -1, k);
    return obraz;
}

// A strip as its page lays it out: the description column on the left, the waveform
// beside it with a gap.
QImage Obraz(TPasmo& p, int szerokosc, int wysokosc)
{
    QImage obraz(szerokosc, wysokosc, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter malarz(&obraz);
    TPlotnoQt plotno(malarz);
    const int opisy = TObszarPasm::SzerokoscOpisow;
    const int odstep = 2;
    p.Opis.PaintToCanvas(plotno, 0, 0, 0, 0, opisy, wysokosc, p.Opis.OsX.Max(), -1, 1.0f);
    p.Przebieg.PaintToCanvas(plotno, 0, 0, opisy + odstep, 0, szerokosc - opisy - odstep, wysokosc,
        p.Przebieg.OsX.Max(), -1, 1.0f);
    return obraz;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikacja(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: lintavox-chart-gallery FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    bool wszystkie = true;
    const auto zapisz = [&](const QImage& obraz, const char* nazwa) {
        wszystkie &= obraz.save(folder.filePath(QString::fromUtf8(nazwa) + QStringLiteral(".png")));
    };
    struct TPozycja {
        const char* Nazwa;
        std::function<void(TWykres&)> Buduj;
        int Szerokosc;
        int Wysokosc;
    };
    const TPozycja wykresy[] = {
        { "charakterystyka", Charakterystyka, 640, 320 },
        { "odpowiedz-impulsowa", OdpowiedzImpulsowa, 640, 320 },
        { "oko", DiagramOka, 500, 400 },
    };
    for (const TPozycja& pozycja : wykresy) {
        TWykres wykres;
        pozycja.Buduj(wykres);
        zapisz(Obraz(wykres, pozycja.Szerokosc, pozycja.Wysokosc, 1.0f, 1), pozycja.Nazwa);
    }

    TWykres rozklad;
    TWykres dystrybuanta;
    RozkladyBledow(rozklad, dystrybuanta);
    zapisz(Obraz(rozklad, 640, 320, 1.0f, 1), "histogram-bledow");
    zapisz(Obraz(dystrybuanta, 640, 320, 1.0f, 1), "dystrybuanta-bledow");

    TPasmo schodki(false, -1.0f, 1.0f, 1.0f, 0);
    Schodek(schodki);
    zapisz(Obraz(schodki, 800, 160), "schodki");
    const TStandard& tx = Standardy[1];
    TPasmo przebiegi(true, tx.PoziomMin - tx.MarginesDecyzji, tx.PoziomMax + tx.MarginesDecyzji, tx.MarginesDecyzji, 2);
    PrzebiegCzteroseryjny(przebiegi);
    zapisz(Obraz(przebiegi, 900, 260), "przebiegi");

    // The same characteristic as printing lays it out: a larger canvas, k = 2, thick pen.
    TWykres drukowany;
    Charakterystyka(drukowany);
    zapisz(Obraz(drukowany, 1280, 640, 2.0f, 2), "charakterystyka-k2");

    // A waveform through the screen path: a fixed pixel scale sizes the control.
    TPasmo ekranowy(true, tx.PoziomMin - tx.MarginesDecyzji, tx.PoziomMax + tx.MarginesDecyzji, tx.MarginesDecyzji, 2);
    PrzebiegCzteroseryjny(ekranowy);
    ekranowy.Przebieg.OsX.UstawSkalaPiksele(30.0f);
    ekranowy.Przebieg.resize(300, 260);
    ekranowy.Przebieg.show();
    QApplication::processEvents();
    zapisz(ekranowy.Przebieg.grab().toImage(), "przebiegi-ekran");

    if (!wszystkie) {
        std::fprintf(stderr, "cannot write the pictures to %s\n", argv[1]);
        return 1;
    }
    return 0;
}
