// Painting a waveform chart into an image, as the export and the screen do: four
// series of 20,000 points each on a 1,600 × 400 canvas with a grid and labels.
#include <cmath>
#include <memory>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "KoloryWykresow.h"
#include "PlotnoQt.h"
#include "Vartostream.h"
#include "Wykres.h"

namespace {

constexpr int LiczbaPunktow = 20000;

// The widgets need an application; one serves every run.
void UtworzAplikacje()
{
    static int argc = 1;
    static char nazwa[] = "bench_chart";
    static char* argv[] = { nazwa, nullptr };
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication aplikacja(argc, argv);
}

std::unique_ptr<TFltFltStrumien> Przebieg(int numer)
{
    auto s = std::make_unique<TFltFltStrumien>();
    s->UstawDlugosc(LiczbaPunktow);
    for (int i = 0; i < LiczbaPunktow; ++i) {
        const float x = static_cast<float>(i) / 20.0f;
        const float y
            = std::sin(x * (1.0f + 0.3f * static_cast<float>(numer))) * (1.0f - 0.15f * static_cast<float>(numer));
        s->Ustaw(i, TPunkt { x, y });
    }
    return s;
}

void BM_MalowanieWykresu(benchmark::State& stan)
{
    UtworzAplikacje();
    std::vector<std::unique_ptr<TFltFltStrumien>> przebiegi;
    TWykres wykres;
    const TColor kolory[4] = { KolorCzerwony, KolorZielony, KolorBordowy, KolorNiebieski };
    for (int n = 0; n < 4; ++n) {
        przebiegi.push_back(Przebieg(n));
        wykres.DodajSerie(przebiegi.back().get(), kolory[n], psSolid);
    }
    wykres.OsX.UstawMax(static_cast<float>(LiczbaPunktow - 1) / 20.0f);
    wykres.OsX.UstawSkala(20.0f);
    wykres.OsX.UstawSkalaPom(5.0f);
    wykres.OsY.UstawMin(-1.5f);
    wykres.OsY.UstawMax(1.5f);
    wykres.OsY.UstawSkala(0.5f);
    wykres.OsY.UstawSkalaPom(0.25f);
    wykres.UstawMarginesLewy(40);

    QImage obraz(1600, 400, QImage::Format_RGB32);
    for (auto _ : stan) {
        obraz.fill(Qt::white);
        QPainter malarz(&obraz);
        TPlotnoQt plotno(malarz);
        wykres.PaintToCanvas(plotno, 0, 0, 0, 0, obraz.width(), obraz.height(), wykres.OsX.Max(), -1, 1.0f);
    }
    stan.SetItemsProcessed(stan.iterations() * 4 * LiczbaPunktow);
}
BENCHMARK(BM_MalowanieWykresu)->Unit(benchmark::kMillisecond);

} // namespace
