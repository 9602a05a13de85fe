// The image series: each pixel the colour of the cell under it on the chart's one mapping,
// clipped to the plot area, its scale bar, its numbering, and the same pixels on the
// screen as in a bitmap copy.
#include <cmath>

#include <QTest>

#include "EksportWykresu.h"
#include "PomocnikiWykresu.h"
#include "SkalaKolorow.h"

namespace {

// Four cells: 0 and 1 in the lower row, 2 and 4 in the upper.
const std::vector<std::uint32_t> Komorki { 0, 1, 2, 4 };

TSeriaObrazu Seria(float xMin, float xMax, bool logarytmiczna)
{
    TSeriaObrazu s;
    s.Zliczenia = Komorki.data();
    s.Kolumny = 2;
    s.Wiersze = 2;
    s.XMin = xMin;
    s.XMax = xMax;
    s.YMin = -1.0f;
    s.YMax = 1.0f;
    s.Logarytmiczna = logarytmiczna;
    s.Opis = "liczba";
    return s;
}

// The colour of the picture's pixel at (x, y) in the canvas's pixels.
TColor Piksel(const TPlotnoNagrywajace::TObraz& o, int x, int y)
{
    return o.Piksele[static_cast<std::size_t>((y - o.Y) * o.Szerokosc + (x - o.X))];
}

} // namespace

class TestSeriiObrazu : public QObject {
    Q_OBJECT

private slots:
    void komorkiWKolorachSkali_data()
    {
        QTest::addColumn<bool>("logarytmiczna");
        QTest::addColumn<double>("jedna"); // where a count of 1 lies on the scale
        QTest::addColumn<double>("dwie");
        QTest::newRow("liniowa") << false << 0.25 << 0.5;
        QTest::newRow("logarytmiczna") << true << std::log(2.0) / std::log(5.0) << std::log(3.0) / std::log(5.0);
    }
    void komorkiWKolorachSkali()
    {
        QFETCH(bool, logarytmiczna);
        QFETCH(double, jedna);
        QFETCH(double, dwie);
        TWykres w;
        UstawPrzyklad(w);
        w.DodajSerieObrazu(Seria(0.0f, 10.0f, logarytmiczna));
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        QVERIFY(plotno.Obrazy.size() >= 1);
        const auto& o = plotno.Obrazy.front();
        // The whole plot area, from the axes' ends.
        QCOMPARE(o.X, w.KonwersjaWspolX(0.0f, 0));
        QCOMPARE(o.X + o.Szerokosc, w.KonwersjaWspolX(10.0f, 0));
        QCOMPARE(o.Y, w.KonwersjaWspolY(1.0f, 0));
        QCOMPARE(o.Y + o.Wysokosc, w.KonwersjaWspolY(-1.0f, 0));
        const int lewa = w.KonwersjaWspolX(2.5f, 0);
        const int prawa = w.KonwersjaWspolX(7.5f, 0);
        const int dol = w.KonwersjaWspolY(-0.5f, 0);
        const int gora = w.KonwersjaWspolY(0.5f, 0);
        // An empty cell shows the chart's background; the most counts the top of the scale.
        QCOMPARE(Piksel(o, lewa, dol), w.Color());
        QCOMPARE(Piksel(o, prawa, dol), KolorSkali(jedna));
        QCOMPARE(Piksel(o, lewa, gora), KolorSkali(dwie));
        QCOMPARE(Piksel(o, prawa, gora), KolorSkali(1.0));
    }

    void przyciecieDoObszaruOsi()
    {
        // The grid spans 0 to 20 on an axis that ends at 10: its left column fills the plot.
        TWykres w;
        UstawPrzyklad(w);
        w.DodajSerieObrazu(Seria(0.0f, 20.0f, false));
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        const auto& o = plotno.Obrazy.front();
        QCOMPARE(o.X + o.Szerokosc, w.KonwersjaWspolX(10.0f, 0));
        QCOMPARE(Piksel(o, o.X + o.Szerokosc - 1, o.Y), KolorSkali(0.5));
        QCOMPARE(Piksel(o, o.X + o.Szerokosc - 1, o.Y + o.Wysokosc - 1), w.Color());

        // Entirely beside the axis: no picture, only the scale bar.
        w.ZastapLubDodajSerieObrazu(0, Seria(20.0f, 30.0f, false));
        plotno.Wyczysc();
        Maluj(w, plotno);
        QCOMPARE(plotno.Obrazy.size(), std::size_t { 1 });
        QVERIFY(plotno.Obrazy.front().X > w.KonwersjaWspolX(10.0f, 0));
    }

    void skalaZOpisami()
    {
        TWykres w;
        UstawPrzyklad(w);
        w.UstawMarginesPrawy(80);
        w.DodajSerieObrazu(Seria(0.0f, 10.0f, false));
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        QCOMPARE(plotno.Obrazy.size(), std::size_t { 2 });
        const auto& pasek = plotno.Obrazy[1];
        QVERIFY(pasek.X > w.KonwersjaWspolX(10.0f, 0));
        QVERIFY(pasek.X + pasek.Szerokosc < 300);
        QCOMPARE(pasek.Piksele.front(), KolorSkali(1.0)); // the top row
        QCOMPARE(pasek.Piksele.back(), KolorSkali(0.0));
        QStringList teksty;
        for (const auto& n : plotno.Napisy)
            teksty << QString::fromStdString(n.Tekst);
        QVERIFY(teksty.contains(QStringLiteral("0")));
        QVERIFY(teksty.contains(QStringLiteral("2")));
        QVERIFY(teksty.contains(QStringLiteral("4")));
        QVERIFY(teksty.contains(QStringLiteral("liczba")));
    }

    void numeracjaUkrycieIOdlaczenie()
    {
        TWykres w;
        UstawPrzyklad(w);
        QCOMPARE(w.DodajSerieObrazu(Seria(0.0f, 10.0f, true)), 0);
        QCOMPARE(w.LiczbaSerii(), 0);
        QCOMPARE(w.LiczbaSeriiObrazu(), 1);
        QCOMPARE(w.PokazUkryjSerieObrazu(1, false), -1);
        QCOMPARE(w.UsunSerieObrazu(3), -1);
        QVERIFY(!w.SeriaObrazu(-1));
        QCOMPARE(w.ZastapLubDodajSerieObrazu(5, Seria(0.0f, 5.0f, true)), 1);
        QCOMPARE(w.UsunSerieObrazu(1), 1);
        QCOMPARE(w.LiczbaSeriiObrazu(), 1);

        // Hidden: gone from the screen, still in every copy.
        QCOMPARE(w.PokazUkryjSerieObrazu(0, false), 1);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage ekran = w.grab().toImage();
        QCOMPARE(ekran.pixel(w.KonwersjaWspolX(7.5f, 0), w.KonwersjaWspolY(0.5f, 0)), qRgb(255, 255, 255));
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        QVERIFY(!plotno.Obrazy.empty());

        // Released counts are never read again.
        w.OdlaczSerie();
        plotno.Wyczysc();
        Maluj(w, plotno);
        QVERIFY(plotno.Obrazy.empty());
    }

    // The screen and the bitmap copy paint the same pixels, the density under a series.
    void ekranIObrazTeSamePiksele()
    {
        std::vector<std::uint32_t> gestosc(400 * 300);
        for (std::size_t i = 0; i < gestosc.size(); ++i)
            gestosc[i] = static_cast<std::uint32_t>((i * 7919u) % 1000u);
        TSeriaObrazu s;
        s.Zliczenia = gestosc.data();
        s.Kolumny = 400;
        s.Wiersze = 300;
        s.XMin = 0.0f;
        s.XMax = 10.0f;
        s.YMin = -1.0f;
        s.YMax = 1.0f;
        s.Opis = "liczba";
        const auto linia = Strumien({ { 0, -1 }, { 10, 1 } });
        TWykres w;
        UstawPrzyklad(w);
        w.resize(500, 350);
        w.UstawMarginesPrawy(80);
        w.DodajSerieObrazu(s);
        w.DodajSerie(linia.get(), 0x0000FF, psSolid);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage ekran = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage kopia = ObrazWykresu(w, 1.0);
        QCOMPARE(kopia.size(), ekran.size());
        QCOMPARE(kopia, ekran);
        // The density really is in it: a cell's colour at its place.
        const int x = w.KonwersjaWspolX(5.0f, 0) + 3;
        const int y = w.KonwersjaWspolY(0.5f, 0);
        QVERIFY(kopia.pixel(x, y) != qRgb(255, 255, 255));
    }
};

QTEST_MAIN(TestSeriiObrazu)
#include "TestSeriiObrazu.moc"
