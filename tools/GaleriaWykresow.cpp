// lintavox-chart-gallery FOLDER: renders the typical charts of the program to PNG files
// in FOLDER, for looking at how the chart draws after a change.
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

#include "PlotnoQt.h"
#include "Vartostream.h"
#include "Wykres.h"

namespace {

constexpr TColor Czerwony = 0x0000FF;
constexpr TColor Zielony = 0x008000;
constexpr TColor Kasztanowy = 0x000080;
constexpr TColor Niebieski = 0xFF0000;
constexpr TColor Srebrny = 0xC0C0C0;

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

// The grid of the strips of the result views: silver, solid, across the axis margins.
void SiatkaPasow(TOs& os)
{
    os.Siatka.UstawLinieSiatki(lsGlowne);
    os.Siatka.UstawStylLiniiGlownych(psSolid);
    os.Siatka.UstawLinieNaMarginesieOsi(true);
    os.Siatka.UstawKolor(Srebrny);
}

void Charakterystyka(TWykres& w)
{
    w.OsX.UstawTypOsi(toLog);
    w.OsX.UstawMin(0.0f);
    w.OsX.UstawMax(200.0f);
    w.OsX.UstawSkala(1.0f);
    w.OsX.Znaczniki.UstawPrecyzjaOpisu(0);
    w.OsX.Znaczniki.UstawOpisyZnacznikow(zGlowne);
    w.OsX.Siatka.UstawKolor(Srebrny);
    w.OsX.Siatka.UstawStylLiniiPom(psDot);
    w.OsY.UstawMin(-100.0f);
    w.OsY.UstawMax(0.0f);
    w.OsY.UstawPrzeciecie(-100.0f);
    w.OsY.UstawSkala(20.0f);
    w.OsY.UstawSkalaPom(10.0f);
    w.OsY.Znaczniki.UstawPrecyzjaOpisu(0);
    w.OsY.Siatka.UstawKolor(Srebrny);
    w.OsY.Siatka.UstawStylLiniiPom(psDot);
    w.OsX.UstawStrzalka(true);
    w.OsY.UstawStrzalka(true);
    w.UstawMarginesLewy(45);
    w.UstawMarginesDolny(30);
    w.UstawMarginesGorny(20);
    w.UstawMarginesPrawy(25);

    // The default attenuation list of a new analysis, and a realised response beside it.
    const TPunkty punkty { { 0.0f, -2.1f }, { 1.0f, -2.1f }, { 4.0f, -4.0f }, { 8.0f, -5.7f }, { 10.0f, -6.3f },
        { 16.0f, -8.2f }, { 20.0f, -9.2f }, { 25.0f, -10.3f }, { 31.0f, -11.5f }, { 62.0f, -16.7f },
        { 100.0f, -21.6f } };
    TPunkty realizacja;
    for (int i = 0; i <= 400; ++i) {
        const double f = 0.5 * i;
        const double db = -2.1 - 1.9 * std::sqrt(f) + 0.6 * std::sin(f / 7.0) * std::exp(-f / 80.0);
        realizacja.push_back({ static_cast<float>(f), static_cast<float>(db) });
    }
    w.DodajSerie(Strumien(punkty), Zielony, psSolid);
    w.DodajSerie(Strumien(realizacja), Czerwony, psSolid);
}

void OdpowiedzImpulsowa(TWykres& w)
{
    w.OsX.UstawMin(-0.5f);
    w.OsX.UstawMax(0.5f);
    w.OsX.UstawSkala(0.1f);
    w.OsX.UstawSkalaPom(0.02f);
    w.OsX.Znaczniki.UstawOpisyZnacznikow(zGlowne);
    w.OsX.Znaczniki.UstawOpisWPrzecieciu(owpAuto);
    w.OsX.Siatka.UstawKolor(Srebrny);
    w.OsX.Siatka.UstawStylLiniiPom(psDot);
    w.OsY.UstawMin(-0.25f);
    w.OsY.UstawMax(1.0f);
    w.OsY.UstawSkala(0.25f);
    w.OsY.UstawSkalaPom(0.05f);
    w.OsY.Siatka.UstawKolor(Srebrny);
    w.OsY.Siatka.UstawStylLiniiPom(psDot);
    w.OsY.Znaczniki.UstawOpisyZnacznikow(zGlowne);
    w.OsY.Znaczniki.UstawOpisWPrzecieciu(owpBrak);
    w.UstawMarginesLewy(45);
    w.UstawMarginesDolny(25);
    TPunkty punkty;
    for (int k = -250; k <= 250; ++k) {
        const double t = k / 500.0;
        const double x = 400.0 * t;
        const double sinc = k == 0 ? 1.0 : std::sin(std::numbers::pi * x / 8.0) / (std::numbers::pi * x / 8.0);
        punkty.push_back({ static_cast<float>(t), static_cast<float>(sinc * std::exp(-std::fabs(x) / 60.0)) });
    }
    w.DodajSerie(Strumien(punkty), Czerwony, psSolid);
}

void Schodek(TWykres& w)
{
    const std::vector<int> symbole = SymboleMlt3(24, 7);
    w.OsX.UstawMax(static_cast<float>(symbole.size()));
    w.OsX.UstawSkala(1.0f);
    w.OsX.Znaczniki.UstawZnaczniki(zBrak);
    w.OsX.Znaczniki.UstawOpisyZnacznikow(zBrak);
    SiatkaPasow(w.OsX);
    w.OsY.UstawMin(-1.0f);
    w.OsY.UstawMax(1.0f);
    w.OsY.UstawPrzeciecie(-1.0f);
    w.OsY.UstawSkala(1.0f);
    w.OsY.UstawMarginesMin(12);
    w.OsY.UstawMarginesMax(12);
    w.OsY.Znaczniki.UstawZnaczniki(zGlowne);
    w.OsY.Znaczniki.UstawOpisyZnacznikow(zGlowne);
    w.OsY.Znaczniki.UstawPrecyzjaOpisu(0);
    SiatkaPasow(w.OsY);
    w.UstawMarginesLewy(35);
    w.DodajSerie(Strumien(Schodki(symbole)), Czerwony, psSolid);
}

void PrzebiegCzteroseryjny(TWykres& w)
{
    const std::vector<int> symbole = SymboleMlt3(30, 11);
    w.OsX.UstawMax(static_cast<float>(symbole.size()));
    w.OsX.UstawSkala(1.0f);
    w.OsX.Znaczniki.UstawZnaczniki(zBrak);
    w.OsX.Znaczniki.UstawOpisyZnacznikow(zBrak);
    SiatkaPasow(w.OsX);
    w.OsY.UstawMin(-1.5f);
    w.OsY.UstawMax(1.5f);
    w.OsY.UstawSkala(0.5f);
    w.OsY.Znaczniki.UstawZnaczniki(zGlowne);
    w.OsY.Znaczniki.UstawOpisyZnacznikow(zGlowne);
    SiatkaPasow(w.OsY);
    w.UstawMarginesLewy(40);
    w.UstawMarginesGorny(15);
    w.UstawMarginesDolny(15);
    w.DodajSerie(Strumien(Sygnal(symbole, 20, 0.45, 0.55)), Czerwony, psSolid);
    w.DodajSerie(Strumien(Sygnal(symbole, 20, 0.0, 1.0)), Zielony, psSolid);
    w.DodajSerie(Strumien(Sygnal(symbole, 20, 0.45, 1.0)), Kasztanowy, psSolid);
    w.DodajSerie(Strumien(Sygnal(symbole, 20, 0.12, 0.95)), Niebieski, psSolid);
}

void DiagramOka(TWykres& w)
{
    w.OsX.UstawTypOsi(toOkowa);
    w.OsX.UstawMax(1.0f);
    w.OsX.UstawSkala(1.0f);
    w.OsX.UstawKolor(Srebrny);
    w.OsX.Siatka.UstawKolor(Srebrny);
    w.OsX.Znaczniki.UstawZnaczniki(zBrak);
    w.OsX.Znaczniki.UstawOpisyZnacznikow(zBrak);
    w.OsY.Znaczniki.UstawZnaczniki(zGlowne);
    w.OsY.Znaczniki.UstawOpisyZnacznikow(zGlowne);
    w.OsY.Znaczniki.UstawPrecyzjaOpisu(3);
    w.OsY.Siatka.UstawLinieSiatki(lsGlowne);
    w.UstawMarginesLewy(40);
    const TPunkty sygnal = Sygnal(SymboleMlt3(300, 5), 25, 0.35, 1.0);
    float minY = 0.0f;
    float maxY = 0.0f;
    for (const TPunkt& p : sygnal) {
        minY = std::min(minY, p.Y);
        maxY = std::max(maxY, p.Y);
    }
    w.OsY.UstawMin(minY);
    w.OsY.UstawMax(maxY);
    w.OsY.UstawSkala(maxY - minY);
    w.DodajSerie(Strumien(sygnal), Czerwony, psSolid);
}

void HistogramBledow(TWykres& w)
{
    const float maksBlad = 0.42f;
    const float margines = 0.5f;
    w.OsX.UstawMax(maksBlad);
    w.OsX.UstawSkala(maksBlad);
    w.OsX.UstawSkalaPom(margines / 5.0f);
    w.OsX.Znaczniki.UstawZnaczniki(zGlowne);
    w.OsX.Znaczniki.UstawOpisyZnacznikow(zGlowne);
    w.OsX.Znaczniki.UstawPrecyzjaOpisu(5);
    w.OsX.Siatka.UstawKolor(Srebrny);
    w.OsX.Siatka.UstawStylLiniiGlownych(psSolid);
    w.OsX.Siatka.UstawStylLiniiPom(psDot);
    w.OsY.Znaczniki.UstawZnaczniki(zGlowne);
    w.OsY.Znaczniki.UstawOpisyZnacznikow(zGlowne);
    w.OsY.Znaczniki.UstawPrecyzjaOpisu(7);
    w.OsY.Siatka.UstawKolor(Srebrny);
    w.OsY.Siatka.UstawStylLiniiGlownych(psSolid);
    w.OsY.Siatka.UstawStylLiniiPom(psDot);
    w.UstawMarginesGorny(20);
    w.UstawMarginesDolny(35);
    w.UstawMarginesLewy(78);
    w.UstawMarginesPrawy(40);
    TPunkty histogram;
    float szczyt = 0.0f;
    for (int b = 0; b < 1000; ++b) {
        const double x = 0.001 * maksBlad * b;
        const double y = 0.012 * std::exp(-x * x / (2 * 0.06 * 0.06)) + 0.0004 * std::exp(-x / 0.12);
        histogram.push_back({ static_cast<float>(x), static_cast<float>(y) });
        szczyt = std::max(szczyt, static_cast<float>(y));
    }
    w.OsY.UstawMax(szczyt);
    w.OsY.UstawSkala(szczyt);
    w.DodajSerie(Strumien(histogram), Czerwony, psSolid);
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

    struct TPozycja {
        const char* Nazwa;
        std::function<void(TWykres&)> Buduj;
        int Szerokosc;
        int Wysokosc;
    };
    const TPozycja galeria[] = {
        { "charakterystyka", Charakterystyka, 640, 320 },
        { "odpowiedz-impulsowa", OdpowiedzImpulsowa, 640, 320 },
        { "schodki", Schodek, 800, 160 },
        { "przebiegi", PrzebiegCzteroseryjny, 900, 260 },
        { "oko", DiagramOka, 500, 400 },
        { "histogram-bledow", HistogramBledow, 640, 320 },
    };
    bool wszystkie = true;
    for (const TPozycja& pozycja : galeria) {
        TWykres wykres;
        pozycja.Buduj(wykres);
        wszystkie &= Obraz(wykres, pozycja.Szerokosc, pozycja.Wysokosc, 1.0f, 1)
                         .save(folder.filePath(QString::fromUtf8(pozycja.Nazwa) + QStringLiteral(".png")));
    }

    // The same characteristic as printing lays it out: a larger canvas, k = 2, thick pen.
    TWykres drukowany;
    Charakterystyka(drukowany);
    wszystkie &= Obraz(drukowany, 1280, 640, 2.0f, 2).save(folder.filePath(QStringLiteral("charakterystyka-k2.png")));

    // A waveform strip through the screen path: a fixed pixel scale sizes the control.
    TWykres ekranowy;
    PrzebiegCzteroseryjny(ekranowy);
    ekranowy.OsX.UstawSkalaPiksele(30.0f);
    ekranowy.resize(300, 260);
    ekranowy.show();
    QApplication::processEvents();
    wszystkie &= ekranowy.grab().save(folder.filePath(QStringLiteral("przebiegi-ekran.png")));

    if (!wszystkie) {
        std::fprintf(stderr, "cannot write the pictures to %s\n", argv[1]);
        return 1;
    }
    return 0;
}
