// The chart model: defaults, the series list with its dense numbering, and which
// setters repaint the control.
#include <cmath>
#include <functional>

#include <QCoreApplication>
#include <QTest>

#include "PomocnikiWykresu.h"

namespace {

// Counts the paints the toolkit asks for.
class TLiczacyWykres final : public TWykres {
public:
    int Malowania = 0;

protected:
    void Paint() override
    {
        ++Malowania;
        TWykres::Paint();
    }
};

} // namespace

class TestModelWykresu : public QObject {
    Q_OBJECT

private slots:
    void domyslneWartosci()
    {
        TWykres w;
        QCOMPARE(w.width(), 100);
        QCOMPARE(w.height(), 100);
        QCOMPARE(w.Color(), TColor { 0xFFFFFF });
        QCOMPARE(w.MarginesGorny() + w.MarginesDolny() + w.MarginesLewy() + w.MarginesPrawy(), 40);
        QCOMPARE(w.LiczbaSerii(), 0);

        QCOMPARE(w.OsX.Znaczniki.WyrownanieOpisuHor(), whCenter);
        QCOMPARE(w.OsX.Znaczniki.WyrownanieOpisuVer(), wvGorne);
        QCOMPARE(w.OsY.Znaczniki.WyrownanieOpisuHor(), whPrawe);
        QCOMPARE(w.OsY.Znaczniki.WyrownanieOpisuVer(), wvCenter);

        const TOs& os = w.OsY;
        QCOMPARE(os.TypOsi(), toLiniowa);
        QCOMPARE(os.Skala(), 2.0f);
        QCOMPARE(os.SkalaPiksele(), -1.0f);
        QCOMPARE(os.SkalaPom(), 1.0f);
        QCOMPARE(os.Min(), 0.0f);
        QCOMPARE(os.Max(), 1.0f);
        QVERIFY(os.LogZero() && os.WyswietlOs() && !os.Strzalka() && !os.AutoMinMax());
        QCOMPARE(os.Kolor(), TColor { 0 });

        QCOMPARE(os.Siatka.LinieSiatki(), lsWszystkie);
        QCOMPARE(os.Siatka.Kolor(), TColor { 0x808080 });
        QCOMPARE(os.Siatka.StylLiniiGlownych(), psDash);
        QCOMPARE(os.Siatka.StylLiniiPom(), psDash);
        QVERIFY(!os.Siatka.LinieNaMarginesieOsi());

        const TZnacznikiOsi& z = os.Znaczniki;
        QCOMPARE(z.Znaczniki(), zWszystkie);
        QCOMPARE(z.OpisyZnacznikow(), zWszystkie);
        QCOMPARE(z.ZnacznikiGlowne(), szZewnetrzne);
        QCOMPARE(z.ZnacznikiPom(), szZewnetrzne);
        QCOMPARE(z.OpisWPrzecieciu(), owpNormalny);
        QCOMPARE(z.PozycjaOpisu(), poZewnatrz);
        QCOMPARE(z.PrecyzjaOpisu(), 2);
        QCOMPARE(z.RozmiarZnacznikowGlow(), 5);
        QCOMPARE(z.RozmiarZnacznikowPom(), 3);
    }

    void wartosciPorzadkoweTypow()
    {
        QCOMPARE(int(toOkowa), 2);
        QCOMPARE(int(lsWszystkie), 3);
        QCOMPARE(int(zPomocnicze), 2);
        QCOMPARE(int(szPrzecinajace), 2);
        QCOMPARE(int(whPrawe), 2);
        QCOMPARE(int(wvDolne), 2);
        QCOMPARE(int(owpAuto), 2);
        QCOMPARE(int(poZewnatrz), 1);
        QCOMPARE(int(psClear), 5);
        QCOMPARE(int(psInsideFrame), 6);
    }

    void serieNumerowaneGesto()
    {
        TWykres w;
        auto a = Strumien({ { 0, 0 } });
        auto b = Strumien({ { 0, 0 } });
        auto c = Strumien({ { 0, 0 } });
        QCOMPARE(w.DodajSerie(a.get(), 0x0000FF, psSolid), 0);
        QCOMPARE(w.DodajSerie(b.get(), 0x008000, psSolid), 1);
        QCOMPARE(w.DodajSerie(c.get(), 0xFF0000, psSolid), 2);

        QCOMPARE(w.UsunSerie(1), 1);
        QCOMPARE(w.LiczbaSerii(), 2);
        QCOMPARE(w.Seria(0)->Strumien, a.get());
        QCOMPARE(w.Seria(1)->Strumien, c.get());
        QVERIFY(!w.Seria(2));

        QCOMPARE(w.UsunSerie(0), 1);
        QCOMPARE(w.Seria(0)->Strumien, c.get());
        QCOMPARE(w.UsunSerie(0), 1);
        QCOMPARE(w.LiczbaSerii(), 0);
        QCOMPARE(w.DodajSerie(b.get(), 0x008000, psSolid), 0);
    }

    void brakujacaSeria()
    {
        TWykres w;
        auto a = Strumien({ { 0, 0 } });
        w.DodajSerie(a.get(), 0x0000FF, psDot);
        for (const int indeks : { -1, 1, 7 }) {
            QCOMPARE(w.UsunSerie(indeks), -1);
            QCOMPARE(w.ModyfikujSerie(indeks, a.get(), 0xFF0000, psDash), -1);
            QCOMPARE(w.PokazUkryjSerie(indeks, false), -1);
        }
        QCOMPARE(w.LiczbaSerii(), 1);
        QCOMPARE(w.Seria(0)->Kolor, TColor { 0x0000FF });
        QVERIFY(w.Seria(0)->Widoczna);
    }

    void modyfikacjaZachowujeKolorIStylZero()
    {
        TWykres w;
        auto a = Strumien({ { 0, 0 } });
        auto b = Strumien({ { 1, 1 } });
        w.DodajSerie(a.get(), 0x008000, psDot);

        QCOMPARE(w.ModyfikujSerie(0, b.get(), 0, psSolid), 1);
        QCOMPARE(w.Seria(0)->Strumien, b.get());
        QCOMPARE(w.Seria(0)->Kolor, TColor { 0x008000 });
        QCOMPARE(w.Seria(0)->Styl, psDot);

        QCOMPARE(w.ModyfikujSerie(0, a.get(), 0x0000FF, psSolid), 1);
        QCOMPARE(w.Seria(0)->Kolor, TColor { 0x0000FF });
        QCOMPARE(w.Seria(0)->Styl, psDot);

        QCOMPARE(w.ModyfikujSerie(0, a.get(), 0, psDashDot), 1);
        QCOMPARE(w.Seria(0)->Kolor, TColor { 0x0000FF });
        QCOMPARE(w.Seria(0)->Styl, psDashDot);
    }

    // Replaces a series that is there, keeping its visibility, and appends one that is not,
    // at the end of the list whatever index was asked for; letting go of the streams keeps
    // the series.
    void zastapLubDodaj()
    {
        TWykres w;
        auto a = Strumien({ { 0, 0 } });
        auto b = Strumien({ { 1, 1 } });
        QCOMPARE(w.ZastapLubDodajSerie(0, a.get(), 0x008000, psSolid), 0);
        QCOMPARE(w.LiczbaSerii(), 1);
        QVERIFY(w.Seria(0)->Widoczna);

        w.PokazUkryjSerie(0, false);
        QCOMPARE(w.ZastapLubDodajSerie(0, b.get(), 0x0000FF, psSolid), 0);
        QCOMPARE(w.LiczbaSerii(), 1);
        QCOMPARE(w.Seria(0)->Strumien, b.get());
        QCOMPARE(w.Seria(0)->Kolor, TColor { 0x0000FF });
        QVERIFY(!w.Seria(0)->Widoczna);

        QCOMPARE(w.ZastapLubDodajSerie(5, a.get(), 0xFF0000, psDot), 1);
        QCOMPARE(w.LiczbaSerii(), 2);
        QCOMPARE(w.Seria(1)->Strumien, a.get());
        QCOMPARE(w.Seria(1)->Styl, psDot);

        // Let go of, every series stays where and as it was.
        w.OdlaczSerie();
        QCOMPARE(w.LiczbaSerii(), 2);
        QCOMPARE(w.Seria(0)->Strumien, nullptr);
        QCOMPARE(w.Seria(1)->Strumien, nullptr);
        QCOMPARE(w.Seria(1)->Kolor, TColor { 0xFF0000 });
        QVERIFY(!w.Seria(0)->Widoczna);
    }

    void maksimumOsiLogarytmicznej()
    {
        TWykres w;
        w.OsX.UstawTypOsi(toLog);
        w.OsX.UstawMax(1000.0f);
        QCOMPARE(w.OsX.Max(), 3.0f);
        w.OsX.UstawMin(2.0f);
        QCOMPARE(w.OsX.Min(), 2.0f);

        TWykres pozniej;
        pozniej.OsX.UstawMax(1000.0f);
        pozniej.OsX.UstawTypOsi(toLog);
        QCOMPARE(pozniej.OsX.Max(), 1000.0f);

        w.OsX.UstawMax(200.0f);
        QCOMPARE(w.OsX.Max(), static_cast<float>(std::log10(200.0)));
    }

    // The upper end reads back as it was given, and giving it again stores the same
    // logarithm, for many ends across the decades.
    void gornyKoniecOsiLogarytmicznej()
    {
        TWykres w;
        w.OsX.UstawMax(7.5f);
        QCOMPARE(w.OsX.GornyKoniec(), 7.5f);
        w.OsX.UstawTypOsi(toLog);
        w.OsX.UstawMax(200.0f);
        QCOMPARE(w.OsX.GornyKoniec(), 200.0f);
        w.OsX.UstawMax(1e-3f);
        QCOMPARE(w.OsX.GornyKoniec(), 1e-3f);
        for (float koniec = 1.0f; koniec < 1e7f; koniec *= 1.37f) {
            w.OsX.UstawMax(koniec);
            const float zapisany = w.OsX.Max();
            w.OsX.UstawMax(w.OsX.GornyKoniec());
            QCOMPARE(w.OsX.Max(), zapisany);
            QVERIFY(std::abs(w.OsX.GornyKoniec() - koniec) <= 1e-6f * koniec);
        }
    }

    // Which changes repaint a visible chart. Paints are counted as the toolkit
    // delivers them, after pending events are processed.
    void odswiezanie_data()
    {
        QTest::addColumn<std::function<void(TWykres&)>>("zmiana");
        QTest::addColumn<bool>("maluje");
        using F = std::function<void(TWykres&)>;
        QTest::newRow("Min") << F([](TWykres& w) { w.OsX.UstawMin(-1.0f); }) << true;
        QTest::newRow("Max") << F([](TWykres& w) { w.OsY.UstawMax(3.0f); }) << true;
        QTest::newRow("siatka") << F([](TWykres& w) { w.OsY.Siatka.UstawKolor(0xC0C0C0); }) << true;
        QTest::newRow("opisy") << F([](TWykres& w) { w.OsY.Znaczniki.UstawOpisyZnacznikow(zBrak); }) << true;
        QTest::newRow("margines") << F([](TWykres& w) { w.UstawMarginesLewy(40); }) << true;
        QTest::newRow("kolor") << F([](TWykres& w) { w.UstawColor(0xC0C0C0); }) << true;
        QTest::newRow("DodajSerie") << F([](TWykres& w) { w.DodajSerie(nullptr, 0x0000FF, psSolid); }) << true;
        QTest::newRow("Znaczniki") << F([](TWykres& w) { w.OsX.Znaczniki.UstawZnaczniki(zBrak); }) << false;
        QTest::newRow("AutoMinMax") << F([](TWykres& w) { w.OsX.UstawAutoMinMax(true); }) << false;
        QTest::newRow("czcionka") << F([](TWykres& w) { w.OsX.Znaczniki.CzcionkaOpisuZnacznikowGlow.Rozmiar = 20; })
                                  << false;
        QTest::newRow("EnableRepaint") << F([](TWykres& w) { w.EnableRepaint(true); }) << false;
    }

    void odswiezanie()
    {
        QFETCH(std::function<void(TWykres&)>, zmiana);
        QFETCH(bool, maluje);
        TLiczacyWykres w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents();
        w.Malowania = 0;
        zmiana(w);
        QCoreApplication::processEvents();
        QCOMPARE(w.Malowania > 0, maluje);
    }

    void serieBezOdswiezania()
    {
        TLiczacyWykres w;
        auto a = Strumien({ { 0, 0 } });
        w.DodajSerie(a.get(), 0x0000FF, psSolid);
        w.DodajSerie(a.get(), 0x0000FF, psSolid);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents();
        w.Malowania = 0;

        QCOMPARE(w.PokazUkryjSerie(0, true), 1);
        QCOMPARE(w.ModyfikujSerie(0, a.get(), 0xFF0000, psSolid), 1);
        QCOMPARE(w.UsunSerie(1), 1);
        QCoreApplication::processEvents();
        QCOMPARE(w.Malowania, 0);

        QCOMPARE(w.PokazUkryjSerie(0, false), 1);
        QCoreApplication::processEvents();
        QVERIFY(w.Malowania > 0);
    }
};

QTEST_MAIN(TestModelWykresu)
#include "TestModelWykresu.moc"
