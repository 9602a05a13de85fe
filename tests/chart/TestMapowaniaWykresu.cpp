// Coordinate mapping, series drawing and the two ways of painting: on the control
// (Paint) and on another canvas (PaintToCanvas).
#include <cmath>
#include <limits>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "PlotnoQt.h"
#include "PomocnikiWykresu.h"

namespace {

using TRuch = TPlotnoNagrywajace::TRuch;

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

// A chart whose axes draw nothing, so the canvas records the series alone.
void UstawBezOsi(TWykres& w)
{
    UstawPrzyklad(w);
    Wycisz(w.OsX);
    Wycisz(w.OsY);
}

// The X axis line: the longest horizontal black line.
TPlotnoNagrywajace::TOdcinek OsPozioma(const TPlotnoNagrywajace& plotno)
{
    TPlotnoNagrywajace::TOdcinek os {};
    for (const auto& o : Linie(plotno, 0x000000, false))
        if (std::abs(o.X2 - o.X1) > std::abs(os.X2 - os.X1))
            os = o;
    return os;
}

bool MaKolor(const QImage& obraz, QRgb kolor)
{
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            if (obraz.pixel(x, y) == kolor)
                return true;
    return false;
}

} // namespace

class TestMapowaniaWykresu : public QObject {
    Q_OBJECT

private slots:
    void mapowanieLiniowe()
    {
        TWykres w;
        UstawPrzyklad(w);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        QCOMPARE(w.KonwersjaWspolX(0.0f, 0), 10);
        QCOMPARE(w.KonwersjaWspolX(10.0f, 0), 290);
        QCOMPARE(w.KonwersjaWspolY(-1.0f, 0), 190);
        QCOMPARE(w.KonwersjaWspolY(1.0f, 0), 10);
        QCOMPARE(w.KonwersjaWspolY(0.0f, 0), 100);
        QCOMPARE(w.KonwersjaWspolX(10.0f, 40), 330);
        QCOMPARE(w.KonwersjaWspolY(0.0f, 25), 125);
    }

    void mapowanieLogarytmiczneZeStrefaLiniowa_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<int>("piksel");
        QTest::newRow("0") << 0.0f << 10;
        QTest::newRow("0.5") << 0.5f << 25;
        QTest::newRow("1") << 1.0f << 40;
        QTest::newRow("10") << 10.0f << 165;
        QTest::newRow("100") << 100.0f << 290;
    }

    void mapowanieLogarytmiczneZeStrefaLiniowa()
    {
        QFETCH(float, x);
        QFETCH(int, piksel);
        TWykres w;
        UstawPrzyklad(w);
        w.OsX.UstawTypOsi(toLog);
        w.OsX.UstawMax(100.0f);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        QCOMPARE(w.KonwersjaWspolX(x, 0), piksel);
    }

    // The linear zone is a tenth of the width being drawn, so on a canvas wider than
    // the control the zone still meets the first decade.
    void strefaLiniowaNaSzerszymPlotnie()
    {
        TWykres w;
        UstawPrzyklad(w);
        w.OsX.UstawTypOsi(toLog);
        w.OsX.UstawMax(100.0f);
        TPlotnoNagrywajace plotno;
        w.PaintToCanvas(plotno, 0, 0, 0, 0, 3000, 2000, w.OsX.Max(), -1, 2.0f);
        QCOMPARE(w.KonwersjaWspolX(0.0f, 0), 20);
        QCOMPARE(w.KonwersjaWspolX(1.0f, 0), 320);
        QVERIFY(w.KonwersjaWspolX(0.999f, 0) >= 319);
    }

    void punktyPowyzejIPonizejZakresuNaKrawedzi()
    {
        TWykres w;
        UstawBezOsi(w);
        auto s = Strumien({ { 1.0f, 5.0f }, { 2.0f, -7.0f }, { 3.0f, std::numeric_limits<float>::infinity() } });
        w.DodajSerie(s.get(), 0x0000FF, psSolid);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        const std::vector<TRuch> oczekiwane { { false, 38, 10 }, { true, 66, 190 }, { true, 94, 10 } };
        QCOMPARE(plotno.Ruchy, oczekiwane);
    }

    void seriaRysowanaPioremSerii()
    {
        TWykres w;
        UstawBezOsi(w);
        auto s = Strumien({ { 0.0f, 0.0f }, { 10.0f, 1.0f } });
        w.DodajSerie(s.get(), 0x008000, psDot);
        TPlotnoNagrywajace plotno;
        plotno.UstawGruboscPiora(2);
        Maluj(w, plotno);
        QCOMPARE(plotno.Odcinki.size(), std::size_t { 1 });
        const auto& o = plotno.Odcinki[0];
        QCOMPARE(o.Kolor, TColor { 0x008000 });
        QCOMPARE(o.Styl, psDot);
        QCOMPARE(o.Grubosc, 2);
        QCOMPARE(o.X1, 10);
        QCOMPARE(o.Y2, 10);
    }

    void seriePusteIJednopunktowe()
    {
        TWykres w;
        UstawBezOsi(w);
        auto pusty = Strumien({});
        auto jeden = Strumien({ { 5.0f, 0.0f } });
        w.DodajSerie(pusty.get(), 0x0000FF, psSolid);
        w.DodajSerie(jeden.get(), 0x0000FF, psSolid);
        w.DodajSerie(nullptr, 0x0000FF, psSolid);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        const std::vector<TRuch> oczekiwane { { false, 150, 100 } };
        QCOMPARE(plotno.Ruchy, oczekiwane);
    }

    void oknoStrumieniaOgranicza()
    {
        TWykres w;
        UstawBezOsi(w);
        auto s = Strumien({ { 0.0f, 0.0f }, { 1.0f, 0.0f }, { 2.0f, 0.0f }, { 3.0f, 0.0f } });
        s->UstawZakres(1, 1);
        w.DodajSerie(s.get(), 0x0000FF, psSolid);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        const std::vector<TRuch> oczekiwane { { false, 38, 100 }, { true, 66, 100 } };
        QCOMPARE(plotno.Ruchy, oczekiwane);
    }

    void wykresOkowy()
    {
        TWykres w;
        UstawBezOsi(w);
        w.OsX.UstawTypOsi(toOkowa);
        w.OsX.UstawMax(2.0f);
        auto s = Strumien({ { 0, 0 }, { 1, 0 }, { 2, 0 }, { 3, 0 }, { 4, 0 } });
        w.DodajSerie(s.get(), 0x0000FF, psSolid);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        const int x0 = w.KonwersjaWspolX(0.0f, 0);
        const int x1 = w.KonwersjaWspolX(1.0f, 0);
        const int x2 = w.KonwersjaWspolX(2.0f, 0);
        const std::vector<TRuch> oczekiwane { { false, x0, 100 }, { true, x1, 100 }, { true, x2, 100 },
            { false, x0, 100 }, { true, x1, 100 }, { true, x2, 100 }, { false, x0, 100 } };
        QCOMPARE(plotno.Ruchy, oczekiwane);
    }

    // Samples that never land exactly on a multiple of the period still fold there:
    // no line runs back across the eye.
    void wykresOkowyBezProbkiNaGranicy()
    {
        TWykres w;
        UstawBezOsi(w);
        w.OsX.UstawTypOsi(toOkowa);
        w.OsX.UstawMax(1.0f);
        std::vector<TPunkt> punkty;
        for (int i = 0; i < 60; ++i)
            punkty.push_back({ 0.07f * static_cast<float>(i) + 0.03f, static_cast<float>(i % 3) - 1.0f });
        auto s = Strumien(punkty);
        w.DodajSerie(s.get(), 0x0000FF, psSolid);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        int przesuniecia = 0;
        for (const TRuch& r : plotno.Ruchy)
            przesuniecia += r.Linia ? 0 : 1;
        QCOMPARE(przesuniecia, 5);
        for (const auto& o : plotno.Odcinki)
            QVERIFY2(o.X2 >= o.X1, "a line runs backwards");
    }

    void punktyBezPikselaPominiete()
    {
        TWykres w;
        UstawBezOsi(w);
        w.OsX.UstawTypOsi(toLog);
        w.OsX.UstawLogZero(false);
        w.OsX.UstawMax(100.0f);
        auto s = Strumien(
            { { -1.0f, 0.0f }, { 0.0f, 0.0f }, { 1.0f, 0.0f }, { NaN, 0.0f }, { 5.0f, NaN }, { 10.0f, 0.0f } });
        w.DodajSerie(s.get(), 0x0000FF, psSolid);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        const std::vector<TRuch> oczekiwane { { false, 10, 100 }, { true, 150, 100 } };
        QCOMPARE(plotno.Ruchy, oczekiwane);
    }

    void ujemneNaStrefieLiniowej()
    {
        TWykres w;
        UstawBezOsi(w);
        w.OsX.UstawTypOsi(toLog);
        w.OsX.UstawMax(100.0f);
        auto s = Strumien({ { -0.5f, 0.0f }, { 0.0f, 0.0f } });
        w.DodajSerie(s.get(), 0x0000FF, psSolid);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        const std::vector<TRuch> oczekiwane { { false, -5, 100 }, { true, 10, 100 } };
        QCOMPARE(plotno.Ruchy, oczekiwane);
    }

    // An axis without a scale (Max equal to Min, or a range that is not a number)
    // paints nothing at all.
    void zakresBezSkali_data()
    {
        QTest::addColumn<bool>("osX");
        QTest::addColumn<float>("min");
        QTest::addColumn<float>("max");
        QTest::newRow("X pusty") << true << 3.0f << 3.0f;
        QTest::newRow("Y pusty") << false << -1.0f << -1.0f;
        QTest::newRow("X NaN") << true << 0.0f << NaN;
        QTest::newRow("Y nieskonczony") << false << 0.0f << std::numeric_limits<float>::infinity();
    }

    void zakresBezSkali()
    {
        QFETCH(bool, osX);
        QFETCH(float, min);
        QFETCH(float, max);
        TWykres w;
        UstawPrzyklad(w);
        TOs& os = osX ? w.OsX : w.OsY;
        os.UstawMin(min);
        os.UstawMax(max);
        auto s = Strumien({ { 0, 0 }, { 1, 1 } });
        w.DodajSerie(s.get(), 0x0000FF, psSolid);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        QVERIFY(plotno.Ruchy.empty());
        QVERIFY(plotno.Napisy.empty());
        QVERIFY(plotno.Wielokaty.empty());
    }

    void logarytmZNieujemnegoMaksimum()
    {
        TWykres w;
        UstawPrzyklad(w);
        w.OsX.UstawTypOsi(toLog);
        w.OsX.UstawMax(0.0f);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        QVERIFY(plotno.Ruchy.empty());
    }

    void szerokoscZPikseliNaPodzialke()
    {
        TWykres w;
        UstawPrzyklad(w);
        w.OsX.UstawSkala(2.0f);
        TPlotnoNagrywajace plotno;
        w.PaintToCanvas(plotno, 0, 0, 0, 0, 1000, 200, 10.0f, 50, 1.0f);
        QCOMPARE(w.KonwersjaWspolX(10.0f, 0), 260);
        QCOMPARE(OsPozioma(plotno).X2, 260);
    }

    void przesuniecieIPolozenie()
    {
        TWykres w;
        UstawPrzyklad(w);
        w.OsY.UstawPrzeciecie(-1.0f);
        TPlotnoNagrywajace plotno;
        w.PaintToCanvas(plotno, 5, -20, 100, 50, 300, 200, 10.0f, -1, 1.0f);
        QCOMPARE(w.KonwersjaWspolX(0.0f, 100), 115);
        QCOMPARE(w.KonwersjaWspolY(-1.0f, 50), 220);
        // The X axis line sits at the shifted row but spans the unshifted margins.
        const auto os = OsPozioma(plotno);
        QCOMPARE(os.Y1, 220);
        QCOMPARE(os.X1, 110);
    }

    void ukrytaSeriaTylkoNaEkranie()
    {
        TWykres w;
        UstawBezOsi(w);
        auto czerwona = Strumien({ { 0.0f, 0.5f }, { 10.0f, 0.5f } });
        auto niebieska = Strumien({ { 0.0f, -0.5f }, { 10.0f, -0.5f } });
        w.DodajSerie(czerwona.get(), 0x0000FF, psSolid);
        w.DodajSerie(niebieska.get(), 0xFF0000, psSolid);
        w.PokazUkryjSerie(1, false);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage ekran = w.grab().toImage();
        QVERIFY(MaKolor(ekran, qRgb(255, 0, 0)));
        QVERIFY(!MaKolor(ekran, qRgb(0, 0, 255)));

        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        QCOMPARE(plotno.Odcinki.size(), std::size_t { 2 });
        QCOMPARE(plotno.Odcinki[1].Kolor, TColor { 0xFF0000 });
    }

    void stalaSkalaPikseliUstalaSzerokosc()
    {
        TWykres w;
        w.OsX.UstawMax(10.0f);
        w.OsX.UstawSkala(1.0f);
        w.OsX.UstawSkalaPiksele(40.0f);
        w.resize(200, 120);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents();
        QCOMPARE(w.width(), 420);
        QCOMPARE(w.height(), 120);

        w.EnableRepaint(false);
        w.OsY.UstawMax(5.0f);
        w.OsY.UstawSkala(1.0f);
        w.OsY.UstawSkalaPiksele(10.0f);
        QCoreApplication::processEvents();
        QCOMPARE(w.height(), 120);
    }

    // A series of far-off points still paints, its pixels held within reach.
    void odleglePunkty()
    {
        TWykres w;
        UstawBezOsi(w);
        auto s = Strumien({ { 0.0f, 0.0f }, { 3e30f, 0.0f }, { -3e30f, 0.0f } });
        w.DodajSerie(s.get(), 0x0000FF, psSolid);
        QImage obraz(300, 200, QImage::Format_RGB32);
        obraz.fill(Qt::white);
        {
            QPainter malarz(&obraz);
            TPlotnoQt plotno(malarz);
            w.PaintToCanvas(plotno, 0, 0, 0, 0, 300, 200, 10.0f, -1, 1.0f);
        }
        QCOMPARE(obraz.pixel(150, 100), qRgb(255, 0, 0));
    }
};

QTEST_MAIN(TestMapowaniaWykresu)
#include "TestMapowaniaWykresu.moc"
