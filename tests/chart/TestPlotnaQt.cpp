// The canvas over QPainter, checked by the pixels it leaves on an image.
#include <array>

#include <QImage>
#include <QPainter>
#include <QTest>

#include "PlotnoQt.h"

namespace {

// Runs the drawing on a white 60 × 40 image and returns the image.
template <typename Rysunek> QImage Narysuj(Rysunek rysunek)
{
    QImage obraz(60, 40, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter malarz(&obraz);
    {
        TPlotnoQt plotno(malarz);
        rysunek(plotno);
    }
    malarz.end();
    return obraz;
}

const QRgb Bialy = qRgb(255, 255, 255);

} // namespace

class TestPlotnaQt : public QObject {
    Q_OBJECT

private slots:
    void koloryBgr()
    {
        QCOMPARE(KolorQt(0x0000FF), QColor(255, 0, 0));
        QCOMPARE(KolorQt(0x008000), QColor(0, 128, 0));
        QCOMPARE(KolorQt(0x000080), QColor(128, 0, 0));
        QCOMPARE(KolorQt(0xC0C0C0), QColor(192, 192, 192));
    }

    // Lines gathered into one polyline keep the pen they were drawn with, even when
    // the pen changes before the painter sees them.
    void linieZachowujaSwojePioro()
    {
        const QImage obraz = Narysuj([](TPlotno& p) {
            p.UstawKolorPiora(0x0000FF);
            p.PrzesunDo(5, 5);
            p.LiniaDo(50, 5);
            p.LiniaDo(50, 30);
            p.UstawKolorPiora(0xFF0000);
            p.LiniaDo(5, 30);
            p.UstawStylPiora(psClear);
            p.LiniaDo(5, 10);
        });
        QCOMPARE(obraz.pixel(20, 5), qRgb(255, 0, 0));
        QCOMPARE(obraz.pixel(50, 20), qRgb(255, 0, 0));
        QCOMPARE(obraz.pixel(20, 30), qRgb(0, 0, 255));
        QCOMPARE(obraz.pixel(5, 20), Bialy);
        QCOMPARE(obraz.pixel(20, 20), Bialy);
    }

    void prostokatBezPrawejIDolnejKrawedzi()
    {
        const QImage obraz = Narysuj([](TPlotno& p) {
            p.UstawKolorPedzla(0x008000);
            p.WypelnijProstokat(10, 10, 20, 15);
            p.WypelnijProstokat(30, 10, 30, 15);
        });
        QCOMPARE(obraz.pixel(10, 10), qRgb(0, 128, 0));
        QCOMPARE(obraz.pixel(19, 14), qRgb(0, 128, 0));
        QCOMPARE(obraz.pixel(20, 14), Bialy);
        QCOMPARE(obraz.pixel(19, 15), Bialy);
        QCOMPARE(obraz.pixel(30, 12), Bialy);
    }

    void wielokatWypelnionyPedzlem()
    {
        const QImage obraz = Narysuj([](TPlotno& p) {
            p.UstawKolorPedzla(0xFF0000);
            p.UstawKolorPiora(0x0000FF);
            const std::array<TPunktPlotna, 3> trojkat { { { 10, 5 }, { 50, 5 }, { 10, 35 } } };
            p.Wielokat(trojkat);
        });
        QCOMPARE(obraz.pixel(15, 10), qRgb(0, 0, 255));
        QCOMPARE(obraz.pixel(30, 5), qRgb(255, 0, 0));
        QCOMPARE(obraz.pixel(45, 30), Bialy);
    }

    void tekstNaTlePedzla()
    {
        int szerokosc = 0;
        int wysokosc = 0;
        const QImage obraz = Narysuj([&](TPlotno& p) {
            p.UstawKolorPedzla(0x00FFFF);
            TCzcionka czcionka;
            czcionka.Rozmiar = 10;
            czcionka.Pogrubiona = true;
            p.UstawCzcionke(czcionka);
            QCOMPARE(p.Czcionka(), czcionka);
            szerokosc = p.SzerokoscTekstu("Ab1");
            wysokosc = p.WysokoscTekstu("Ab1");
            p.PiszTekst(4, 6, "Ab1");
        });
        QVERIFY(szerokosc > 10);
        QVERIFY(wysokosc > 8);
        const QRgb zolty = qRgb(255, 255, 0);
        QCOMPARE(obraz.pixel(4, 6), zolty);
        QCOMPARE(obraz.pixel(4 + szerokosc - 1, 6 + wysokosc - 1), zolty);
        QCOMPARE(obraz.pixel(4 + szerokosc, 6), Bialy);
        QCOMPARE(obraz.pixel(3, 6), Bialy);
        bool ciemny = false;
        for (int y = 6; y < 6 + wysokosc; ++y)
            for (int x = 4; x < 4 + szerokosc; ++x)
                ciemny |= qGray(obraz.pixel(x, y)) < 100;
        QVERIFY(ciemny);
    }

    void wiekszaCzcionkaSzerszyTekst()
    {
        Narysuj([](TPlotno& p) {
            const int mala = p.SzerokoscTekstu("0.50");
            TCzcionka czcionka = p.Czcionka();
            czcionka.Rozmiar *= 2;
            p.UstawCzcionke(czcionka);
            QVERIFY(p.SzerokoscTekstu("0.50") > mala);
        });
    }
};

QTEST_MAIN(TestPlotnaQt)
#include "TestPlotnaQt.moc"
