// Tick marks, labels, grid lines, axis lines and arrows, checked on the recording
// canvas: its text is SzerokoscZnaku = 6 pixels per character and 12 pixels high.
#include <algorithm>
#include <cmath>
#include <limits>

#include <QTest>

#include "Liczby.h"
#include "PomocnikiWykresu.h"

namespace {

using TNapis = TPlotnoNagrywajace::TNapis;
using TOdcinek = TPlotnoNagrywajace::TOdcinek;

constexpr TColor KolorOsiX = 0x000011;
constexpr TColor KolorOsiY = 0x000022;
constexpr TColor KolorSiatkiX = 0x003300;
constexpr TColor KolorSiatkiY = 0x004400;
constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

// The example chart with the Y axis silent and the X axis in colours of its own, so
// every recorded line tells what it is.
void UstawOsX(TWykres& w)
{
    UstawPrzyklad(w);
    Wycisz(w.OsY);
    w.OsX.UstawKolor(KolorOsiX);
    w.OsX.Siatka.UstawKolor(KolorSiatkiX);
}

void UstawOsY(TWykres& w)
{
    UstawPrzyklad(w);
    Wycisz(w.OsX);
    w.OsY.UstawKolor(KolorOsiY);
    w.OsY.Siatka.UstawKolor(KolorSiatkiY);
}

std::vector<int> Kolumny(const std::vector<TOdcinek>& linie)
{
    std::vector<int> wynik;
    for (const auto& o : linie)
        wynik.push_back(o.X1);
    return wynik;
}

std::vector<int> Wiersze(const std::vector<TOdcinek>& linie)
{
    std::vector<int> wynik;
    for (const auto& o : linie)
        wynik.push_back(o.Y1);
    return wynik;
}

// Tick marks of the X axis (short vertical lines in the axis colour).
std::vector<TOdcinek> ZnacznikiX(const TPlotnoNagrywajace& plotno)
{
    return Linie(plotno, KolorOsiX, true);
}

std::vector<std::string> TekstyCzcionka(const TPlotnoNagrywajace& plotno, int rozmiar)
{
    std::vector<std::string> wynik;
    for (const auto& n : plotno.Napisy)
        if (n.Czcionka.Rozmiar == rozmiar)
            wynik.push_back(n.Tekst);
    return wynik;
}

const TNapis* Napis(const TPlotnoNagrywajace& plotno, const std::string& tekst)
{
    for (const auto& n : plotno.Napisy)
        if (n.Tekst == tekst)
            return &n;
    return nullptr;
}

int Pozycja(float v)
{
    return static_cast<int>(static_cast<double>(v) * 280.0 + 10.0);
}

} // namespace

class TestOsiWykresu : public QObject {
    Q_OBJECT

private slots:
    void init() { UstawSeparatorDziesietny('.'); }
    void cleanupTestCase() { UstawSeparatorDziesietny('.'); }

    void znacznikiGlowneDochodzaDoMaksimum()
    {
        TWykres w;
        UstawOsX(w);
        w.OsX.UstawMax(1.0f);
        w.OsX.UstawSkala(0.3f);
        w.OsX.UstawSkalaPom(0.0f);
        w.OsX.Siatka.UstawLinieSiatki(lsBrak);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        const std::vector<int> oczekiwane { 10, 94, 178, 262, 290 };
        QCOMPARE(Kolumny(ZnacznikiX(plotno)), oczekiwane);
        const std::vector<std::string> opisy { "0.00", "0.30", "0.60", "0.90", "1.00" };
        QCOMPARE(Teksty(plotno), opisy);
    }

    void opisyZSeparatoremLokalnym()
    {
        UstawSeparatorDziesietny(',');
        TWykres w;
        UstawOsX(w);
        w.OsX.UstawMax(1.0f);
        w.OsX.UstawSkala(0.5f);
        w.OsX.Znaczniki.UstawOpisyZnacznikow(zGlowne);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        const std::vector<std::string> opisy { "0,00", "0,50", "1,00" };
        QCOMPARE(Teksty(plotno), opisy);
    }

    void znacznikiPomocniczePomijajaGlowne()
    {
        TWykres w;
        UstawOsX(w);
        w.OsX.UstawMax(1.0f);
        w.OsX.UstawSkala(0.5f);
        w.OsX.UstawSkalaPom(0.1f);
        w.OsX.Znaczniki.CzcionkaOpisuZnacznikowPom.Rozmiar = 6;
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        const std::vector<std::string> pomocnicze { "0.10", "0.20", "0.30", "0.40", "0.60", "0.70", "0.80", "0.90" };
        QCOMPARE(TekstyCzcionka(plotno, 6), pomocnicze);
        const std::vector<std::string> glowne { "0.00", "0.50", "1.00" };
        QCOMPARE(TekstyCzcionka(plotno, 8), glowne);

        // Minor ticks are 3 pixels long, major ones 5.
        int krotkie = 0;
        for (const auto& o : ZnacznikiX(plotno))
            krotkie += o.Y2 - o.Y1 == 3 ? 1 : 0;
        QCOMPARE(krotkie, 8);
        // Grid: dashed lines at every tick but the crossing at 0.
        const auto siatka = Linie(plotno, KolorSiatkiX, true);
        QCOMPARE(siatka.size(), std::size_t { 10 });
        QCOMPARE(siatka.front().X1, Pozycja(0.5f));
        QCOMPARE(siatka.front().Styl, psDash);
    }

    void rodzajeZnacznikowOsobno()
    {
        TWykres w;
        UstawOsX(w);
        w.OsX.UstawMax(1.0f);
        w.OsX.UstawSkala(0.5f);
        w.OsX.UstawSkalaPom(0.25f);
        w.OsX.Znaczniki.UstawZnaczniki(zPomocnicze);
        w.OsX.Znaczniki.UstawOpisyZnacznikow(zGlowne);
        w.OsX.Siatka.UstawLinieSiatki(lsPomocnicze);
        w.OsX.Siatka.UstawStylLiniiPom(psDot);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        const std::vector<int> pomocnicze { Pozycja(0.25f), Pozycja(0.75f) };
        QCOMPARE(Kolumny(ZnacznikiX(plotno)), pomocnicze);
        QCOMPARE(Kolumny(Linie(plotno, KolorSiatkiX, true)), pomocnicze);
        QCOMPARE(Linie(plotno, KolorSiatkiX, true).front().Styl, psDot);
        const std::vector<std::string> opisy { "0.00", "0.50", "1.00" };
        QCOMPARE(Teksty(plotno), opisy);
    }

    // Axes from -1 to 1 crossing at 0: no grid line over either axis, and the rule of
    // the X label at the crossing.
    void przeciecie_data()
    {
        QTest::addColumn<int>("regula");
        QTest::addColumn<int>("pozycjaOpisowY");
        QTest::addColumn<bool>("jest");
        QTest::addColumn<int>("x");
        QTest::newRow("owpBrak") << int(owpBrak) << int(poZewnatrz) << false << 0;
        QTest::newRow("owpNormalny") << int(owpNormalny) << int(poZewnatrz) << true << 150 - 12;
        QTest::newRow("owpAuto, opisy Y wewnatrz") << int(owpAuto) << int(poWewnatrz) << true << 150 - 3 - 24;
        QTest::newRow("owpAuto, opisy Y na zewnatrz") << int(owpAuto) << int(poZewnatrz) << true << 150 + 3;
    }

    void przeciecie()
    {
        QFETCH(int, regula);
        QFETCH(int, pozycjaOpisowY);
        QFETCH(bool, jest);
        QFETCH(int, x);
        TWykres w;
        UstawPrzyklad(w);
        w.OsX.UstawMin(-1.0f);
        w.OsX.UstawMax(1.0f);
        w.OsX.UstawSkala(0.5f);
        w.OsX.UstawSkalaPom(0.25f);
        w.OsY.UstawSkala(0.5f);
        w.OsY.UstawSkalaPom(0.25f);
        w.OsX.Siatka.UstawKolor(KolorSiatkiX);
        w.OsY.Siatka.UstawKolor(KolorSiatkiY);
        w.OsX.Znaczniki.UstawOpisWPrzecieciu(static_cast<TOpisWPrzecieciu>(regula));
        w.OsY.Znaczniki.UstawPozycjaOpisu(static_cast<TPozycjaOpisu>(pozycjaOpisowY));
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);

        const auto pionowe = Kolumny(Linie(plotno, KolorSiatkiX, true));
        QCOMPARE(pionowe.size(), std::size_t { 8 });
        QVERIFY(std::find(pionowe.begin(), pionowe.end(), 150) == pionowe.end());
        const auto poziome = Wiersze(Linie(plotno, KolorSiatkiY, false));
        QCOMPARE(poziome.size(), std::size_t { 8 });
        QVERIFY(std::find(poziome.begin(), poziome.end(), 100) == poziome.end());

        // The first "0.00" drawn is the X axis's; its row is below the tick.
        const TNapis* zero = Napis(plotno, "0.00");
        const bool opisX = zero && zero->Y == 100 + 5 + 2;
        QCOMPARE(opisX, jest);
        if (jest)
            QCOMPARE(zero->X, x);
    }

    void przeciecieOsiY()
    {
        TWykres w;
        UstawPrzyklad(w);
        w.OsX.UstawMin(-1.0f);
        w.OsX.UstawMax(1.0f);
        w.OsY.UstawSkala(0.5f);
        w.OsX.Znaczniki.UstawOpisyZnacznikow(zBrak);
        w.OsY.Znaczniki.UstawOpisWPrzecieciu(owpAuto);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        // X labels outside: the Y label at the crossing moves up, bottom-anchored.
        const TNapis* zero = Napis(plotno, "0.00");
        QVERIFY(zero);
        QCOMPARE(zero->Y, 100 - 3 - 12);
        QCOMPARE(zero->X, 150 - 5 - 2 - 24);
    }

    void geometriaZnacznikowX_data()
    {
        QTest::addColumn<int>("styl");
        QTest::addColumn<int>("pozycja");
        QTest::addColumn<int>("od");
        QTest::addColumn<int>("doPiksela");
        QTest::addColumn<int>("wierszOpisu");
        // The X axis lies at row 100.
        QTest::newRow("zewnetrzne") << int(szZewnetrzne) << int(poZewnatrz) << 100 << 105 << 107;
        QTest::newRow("wewnetrzne") << int(szWewnetrzne) << int(poZewnatrz) << 95 << 100 << 102;
        QTest::newRow("przecinajace") << int(szPrzecinajace) << int(poZewnatrz) << 98 << 103 << 105;
        QTest::newRow("przecinajace, opisy wewnatrz")
            << int(szPrzecinajace) << int(poWewnatrz) << 98 << 103 << 98 - 2 - 12;
        QTest::newRow("zewnetrzne, opisy wewnatrz")
            << int(szZewnetrzne) << int(poWewnatrz) << 100 << 105 << 100 - 2 - 12;
    }

    void geometriaZnacznikowX()
    {
        QFETCH(int, styl);
        QFETCH(int, pozycja);
        QFETCH(int, od);
        QFETCH(int, doPiksela);
        QFETCH(int, wierszOpisu);
        TWykres w;
        UstawOsX(w);
        w.OsX.UstawSkala(5.0f);
        w.OsX.Znaczniki.UstawZnaczniki(zGlowne);
        w.OsX.Znaczniki.UstawZnacznikiGlowne(static_cast<TStylZnacznikow>(styl));
        w.OsX.Znaczniki.UstawPozycjaOpisu(static_cast<TPozycjaOpisu>(pozycja));
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        const auto znaczniki = ZnacznikiX(plotno);
        QCOMPARE(znaczniki.size(), std::size_t { 3 });
        QCOMPARE(znaczniki[1].Y1, od);
        QCOMPARE(znaczniki[1].Y2, doPiksela);
        QCOMPARE(plotno.Napisy.at(1).Y, wierszOpisu);
        QCOMPARE(plotno.Napisy.at(1).X, 150 - 12);
    }

    void geometriaZnacznikowY_data()
    {
        QTest::addColumn<int>("styl");
        QTest::addColumn<int>("pozycja");
        QTest::addColumn<int>("od");
        QTest::addColumn<int>("doPiksela");
        QTest::addColumn<int>("kolumnaOpisu");
        // The Y axis lies at column 10; the label -1.00 is 30 pixels wide.
        QTest::newRow("zewnetrzne") << int(szZewnetrzne) << int(poZewnatrz) << 10 << 5 << 3 - 30;
        QTest::newRow("wewnetrzne") << int(szWewnetrzne) << int(poZewnatrz) << 15 << 10 << 8 - 30;
        QTest::newRow("przecinajace, opisy wewnatrz") << int(szPrzecinajace) << int(poWewnatrz) << 12 << 7 << 14;
    }

    void geometriaZnacznikowY()
    {
        QFETCH(int, styl);
        QFETCH(int, pozycja);
        QFETCH(int, od);
        QFETCH(int, doPiksela);
        QFETCH(int, kolumnaOpisu);
        TWykres w;
        UstawOsY(w);
        w.OsY.Znaczniki.UstawZnaczniki(zGlowne);
        w.OsY.Znaczniki.UstawZnacznikiGlowne(static_cast<TStylZnacznikow>(styl));
        w.OsY.Znaczniki.UstawPozycjaOpisu(static_cast<TPozycjaOpisu>(pozycja));
        w.OsY.Znaczniki.UstawOpisyZnacznikow(zGlowne);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        const auto znaczniki = Linie(plotno, KolorOsiY, false);
        QCOMPARE(Wiersze(znaczniki), (std::vector<int> { 190, 10 }));
        QCOMPARE(znaczniki[0].X1, od);
        QCOMPARE(znaczniki[0].X2, doPiksela);
        QCOMPARE(plotno.Napisy.at(0).X, kolumnaOpisu);
        QCOMPARE(plotno.Napisy.at(0).Y, 190 - 6);
    }

    // Labels that would overprint each other, thinned out on request: every n-th tick
    // keeps its label, counted from the axes' crossing, n the fewest that leaves a
    // quarter of a line (3 pixels) between two labels; every tick stays. Off, as on
    // screen, all are labelled.
    void rzadszeOpisyY_data()
    {
        QTest::addColumn<float>("skala");
        QTest::addColumn<int>("co");
        // The plot runs from row 190 (-1) to row 10 (1), 90 pixels per unit.
        QTest::newRow("45 pixels apart") << 0.5f << 1;
        QTest::newRow("9 pixels apart") << 0.1f << 2;
        QTest::newRow("2.8 pixels apart") << 0.03125f << 6;
    }

    void rzadszeOpisyY()
    {
        QFETCH(float, skala);
        QFETCH(int, co);
        TWykres w;
        UstawOsY(w);
        w.OsY.UstawSkala(skala);
        w.OsY.Znaczniki.UstawZnaczniki(zGlowne);
        w.OsY.Znaczniki.UstawOpisyZnacznikow(zGlowne);
        const auto znaczniki = static_cast<std::size_t>(std::lround(2.0f / skala)) + 1;

        TPlotnoNagrywajace wszystkie;
        Maluj(w, wszystkie);
        QCOMPARE(Linie(wszystkie, KolorOsiY, false).size(), znaczniki);
        QCOMPARE(wszystkie.Napisy.size(), znaczniki);

        w.UstawRzadszeOpisyY(true);
        TPlotnoNagrywajace rzadsze;
        Maluj(w, rzadsze);
        QCOMPARE(Linie(rzadsze, KolorOsiY, false).size(), znaczniki);
        // Counted from 0, where the X axis crosses.
        const std::size_t zero = (znaczniki - 1) / 2;
        std::vector<std::string> oczekiwane;
        for (std::size_t i = zero % static_cast<std::size_t>(co); i < znaczniki; i += static_cast<std::size_t>(co))
            oczekiwane.push_back(wszystkie.Napisy[i].Tekst);
        QVERIFY(std::find(oczekiwane.begin(), oczekiwane.end(), "0.00") != oczekiwane.end());
        QCOMPARE(Teksty(rzadsze), oczekiwane);
        for (std::size_t i = 1; i < rzadsze.Napisy.size(); ++i)
            QVERIFY(rzadsze.Napisy[i - 1].Y - rzadsze.Napisy[i].Y >= TPlotnoNagrywajace::WysokoscWiersza + 3);
        // Crossing outside the range, the count starts at the minimum.
        w.OsY.UstawPrzeciecie(3.0f);
        rzadsze.Wyczysc();
        Maluj(w, rzadsze);
        QCOMPARE(rzadsze.Napisy.front().Tekst, std::string("-1.00"));
        QCOMPARE(rzadsze.Napisy.size(), (znaczniki - 1) / static_cast<std::size_t>(co) + 1);
        // Three ticks 10 pixels apart: the crossing alone would be labelled, the two ends are.
        w.OsY.UstawPrzeciecie(0.0f);
        w.OsY.UstawSkala(1.0f);
        rzadsze.Wyczysc();
        w.PaintToCanvas(rzadsze, 0, 0, 0, 0, 300, 40, w.OsX.Max(), -1, 1.0f);
        QCOMPARE(Teksty(rzadsze), (std::vector<std::string> { "-1.00", "1.00" }));
        // The X axis never thins its labels.
        UstawOsX(w);
        w.OsX.UstawSkala(0.1f);
        w.OsX.Znaczniki.UstawOpisyZnacznikow(zGlowne);
        TPlotnoNagrywajace osX;
        Maluj(w, osX);
        QCOMPARE(osX.Napisy.size(), std::size_t { 101 });
    }

    void osLogarytmiczna()
    {
        TWykres w;
        UstawOsX(w);
        w.OsX.UstawTypOsi(toLog);
        w.OsX.UstawMin(0.0f);
        w.OsX.UstawMax(200.0f);
        w.OsX.UstawSkala(1.0f);
        w.OsX.UstawPrzeciecie(1.0f);
        w.OsX.Znaczniki.UstawPrecyzjaOpisu(0);
        w.OsX.Znaczniki.CzcionkaOpisuZnacznikowPom.Rozmiar = 6;
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        const std::vector<std::string> glowne { "0", "1", "10", "100", "200" };
        QCOMPARE(TekstyCzcionka(plotno, 8), glowne);
        const std::vector<std::string> pomocnicze { "2", "3", "4", "5", "6", "7", "8", "9", "20", "30", "40", "50",
            "60", "70", "80", "90" };
        QCOMPARE(TekstyCzcionka(plotno, 6), pomocnicze);

        const auto znaczniki = ZnacznikiX(plotno);
        QCOMPARE(znaczniki.size(), std::size_t { 5 + 16 });
        QCOMPARE(znaczniki[0].X1, w.KonwersjaWspolX(0.0f, 0));
        QCOMPARE(znaczniki[4].X1, 290);
        // No grid line at 0 (the zone's end) or at 1, where the Y axis crosses; every
        // minor position has one.
        const auto siatka = Kolumny(Linie(plotno, KolorSiatkiX, true));
        QCOMPARE(siatka.size(), std::size_t { 3 + 16 });
        QCOMPARE(siatka.front(), w.KonwersjaWspolX(10.0f, 0));
    }

    // Every decade up to the upper end has its minor ticks, the last one too; a minor
    // position on the end itself is the end's major tick.
    void osLogarytmicznaPomocniczeDoKonca_data()
    {
        QTest::addColumn<float>("min");
        QTest::addColumn<float>("max");
        QTest::addColumn<QStringList>("pomocnicze");
        const QStringList pierwsza { QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
            QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9") };
        QStringList druga;
        QStringList trzecia;
        for (const QString& m : pierwsza) {
            druga << m + QStringLiteral("0");
            trzecia << m + QStringLiteral("00");
        }
        QTest::newRow("jedna dekada") << 0.0f << 10.0f << pierwsza;
        QTest::newRow("trzy pelne dekady") << 0.0f << 1000.0f << pierwsza + druga + trzecia;
        QTest::newRow("ostatnia do 500") << 0.0f << 500.0f << pierwsza + druga + trzecia.mid(0, 3);
        QTest::newRow("koniec na 200") << 0.0f << 200.0f << pierwsza + druga;
        QTest::newRow("od 10 do 100") << 1.0f << 100.0f << druga;
    }

    void osLogarytmicznaPomocniczeDoKonca()
    {
        QFETCH(float, min);
        QFETCH(float, max);
        QFETCH(QStringList, pomocnicze);
        TWykres w;
        UstawOsX(w);
        w.OsX.UstawTypOsi(toLog);
        w.OsX.UstawMin(min);
        w.OsX.UstawMax(max);
        w.OsX.UstawSkala(1.0f);
        w.OsX.Znaczniki.UstawPrecyzjaOpisu(0);
        w.OsX.Znaczniki.CzcionkaOpisuZnacznikowPom.Rozmiar = 6;
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        QStringList narysowane;
        for (const std::string& t : TekstyCzcionka(plotno, 6))
            narysowane << QString::fromStdString(t);
        QCOMPARE(narysowane, pomocnicze);
        // Every grid line, minor ones included, stands within the axis.
        for (const auto& o : Linie(plotno, KolorSiatkiX, true))
            QVERIFY(o.X1 <= 290);
    }

    void osLogarytmicznaZeroZawszeOpisane()
    {
        TWykres w;
        UstawOsX(w);
        w.OsX.UstawTypOsi(toLog);
        w.OsX.UstawMax(100.0f);
        w.OsX.UstawSkala(1.0f);
        w.OsX.Znaczniki.UstawPrecyzjaOpisu(0);
        w.OsX.Znaczniki.UstawZnaczniki(zBrak);
        w.OsX.Znaczniki.UstawOpisyZnacznikow(zBrak);
        w.OsX.Znaczniki.UstawOpisWPrzecieciu(owpBrak);
        w.OsX.Siatka.UstawLinieSiatki(lsGlowne);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        QCOMPARE(Teksty(plotno), (std::vector<std::string> { "0" }));
        QCOMPARE(ZnacznikiX(plotno).size(), std::size_t { 1 });
    }

    void siatkaNaMarginesachOsi_data()
    {
        QTest::addColumn<bool>("naMarginesie");
        QTest::addColumn<int>("dol");
        QTest::addColumn<int>("gora");
        QTest::addColumn<int>("lewo");
        QTest::addColumn<int>("prawo");
        QTest::newRow("tak") << true << 190 << 9 << 10 << 290;
        QTest::newRow("nie") << false << 185 << 17 << 14 << 282;
    }

    void siatkaNaMarginesachOsi()
    {
        QFETCH(bool, naMarginesie);
        QFETCH(int, dol);
        QFETCH(int, gora);
        QFETCH(int, lewo);
        QFETCH(int, prawo);
        TWykres w;
        UstawPrzyklad(w);
        w.OsX.UstawPrzeciecie(-1.0f);
        w.OsY.UstawPrzeciecie(-5.0f);
        w.OsY.UstawMarginesMin(5);
        w.OsY.UstawMarginesMax(7);
        w.OsX.UstawMarginesMin(4);
        w.OsX.UstawMarginesMax(8);
        w.OsX.Siatka.UstawKolor(KolorSiatkiX);
        w.OsY.Siatka.UstawKolor(KolorSiatkiY);
        w.OsX.Siatka.UstawLinieNaMarginesieOsi(naMarginesie);
        w.OsY.Siatka.UstawLinieNaMarginesieOsi(naMarginesie);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        const auto pionowa = Linie(plotno, KolorSiatkiX, true).at(0);
        QCOMPARE(pionowa.Y1, dol);
        QCOMPARE(pionowa.Y2, gora);
        const auto pozioma = Linie(plotno, KolorSiatkiY, false).at(0);
        QCOMPARE(pozioma.X1, lewo);
        QCOMPARE(pozioma.X2, prawo);
    }

    // Printing passes k = 2: margins, tick lengths and label gaps double, the arrow
    // heads keep their size.
    void skalaDrukuK2()
    {
        TWykres w;
        UstawPrzyklad(w);
        w.OsY.UstawPrzeciecie(-1.0f);
        w.OsX.UstawKolor(KolorOsiX);
        w.OsY.UstawKolor(KolorOsiY);
        w.OsX.UstawSkala(5.0f);
        w.OsX.Znaczniki.UstawZnaczniki(zGlowne);
        w.OsX.Znaczniki.UstawOpisyZnacznikow(zGlowne);
        w.OsX.UstawStrzalka(true);
        w.OsY.UstawStrzalka(true);
        TPlotnoNagrywajace plotno;
        w.PaintToCanvas(plotno, 0, 0, 0, 0, 600, 400, 10.0f, -1, 2.0f);

        QCOMPARE(w.KonwersjaWspolX(0.0f, 0), 20);
        QCOMPARE(w.KonwersjaWspolX(10.0f, 0), 580);
        QCOMPARE(w.KonwersjaWspolY(-1.0f, 0), 380);
        QCOMPARE(w.KonwersjaWspolY(1.0f, 0), 20);
        const auto znaczniki = ZnacznikiX(plotno);
        QCOMPARE(znaczniki.at(0).Y1, 380);
        QCOMPARE(znaczniki.at(0).Y2, 390);
        QCOMPARE(plotno.Napisy.at(0).Y, 394);

        QCOMPARE(plotno.Wielokaty.size(), std::size_t { 2 });
        const std::vector<TPunktPlotna> grotX { { 580, 380 }, { 570, 377 }, { 570, 383 } };
        QCOMPARE(plotno.Wielokaty[0].Wierzcholki, grotX);
        QCOMPARE(plotno.Wielokaty[0].Pedzel, KolorOsiX);
        const std::vector<TPunktPlotna> grotY { { 20, 20 }, { 17, 30 }, { 23, 30 } };
        QCOMPARE(plotno.Wielokaty[1].Wierzcholki, grotY);
        QCOMPARE(plotno.Wielokaty[1].Pedzel, KolorOsiY);
        // The brush goes back to the chart's colour behind later labels.
        QCOMPARE(plotno.Pedzel, TColor { 0xFFFFFF });
    }

    void linieOsi()
    {
        TWykres w;
        UstawPrzyklad(w);
        w.OsX.UstawKolor(KolorOsiX);
        w.OsY.UstawKolor(KolorOsiY);
        w.OsX.UstawPrzeciecie(5.0f);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        const auto x = Linie(plotno, KolorOsiX, false);
        QCOMPARE(x.size(), std::size_t { 1 });
        QCOMPARE((std::vector<int> { x[0].X1, x[0].Y1, x[0].X2, x[0].Y2 }), (std::vector<int> { 10, 100, 290, 100 }));
        const auto y = Linie(plotno, KolorOsiY, true);
        QCOMPARE(y.size(), std::size_t { 1 });
        QCOMPARE((std::vector<int> { y[0].X1, y[0].Y1, y[0].X2, y[0].Y2 }), (std::vector<int> { 150, 10, 150, 190 }));

        w.OsX.UstawWyswietlOs(false);
        plotno.Wyczysc();
        Maluj(w, plotno);
        QVERIFY(Linie(plotno, KolorOsiX, false).empty());
    }

    // A spacing that is zero, negative or not a number draws no ticks of that kind
    // and never hangs; the other kind still draws.
    void skalaBezKroku_data()
    {
        QTest::addColumn<bool>("glowna");
        QTest::addColumn<float>("krok");
        for (const bool glowna : { true, false }) {
            const char* nazwa = glowna ? "Skala" : "SkalaPom";
            QTest::addRow("%s 0", nazwa) << glowna << 0.0f;
            QTest::addRow("%s -1", nazwa) << glowna << -1.0f;
            QTest::addRow("%s NaN", nazwa) << glowna << NaN;
        }
    }

    void skalaBezKroku()
    {
        QFETCH(bool, glowna);
        QFETCH(float, krok);
        for (const bool osX : { true, false }) {
            TWykres w;
            UstawPrzyklad(w);
            TOs& os = osX ? w.OsX : w.OsY;
            os.Znaczniki.CzcionkaOpisuZnacznikowPom.Rozmiar = 6;
            os.UstawSkala(glowna ? krok : 5.0f);
            os.UstawSkalaPom(glowna ? 0.5f : krok);
            (osX ? w.OsY : w.OsX).Znaczniki.UstawOpisyZnacznikow(zBrak);
            TPlotnoNagrywajace plotno;
            Maluj(w, plotno);
            QCOMPARE(TekstyCzcionka(plotno, 8).empty(), glowna);
            QCOMPARE(TekstyCzcionka(plotno, 6).empty(), !glowna);
        }
    }

    void petlaZnacznikowOgraniczona_data()
    {
        QTest::addColumn<float>("min");
        QTest::addColumn<float>("max");
        QTest::addColumn<float>("krok");
        QTest::newRow("gesto") << 0.0f << 1.0f << 1e-7f;
        // 1e8 + 1 is 1e8 in float32: the accumulated value never moves.
        QTest::newRow("bez postepu") << 1e8f << 1e8f + 1000.0f << 1.0f;
    }

    void petlaZnacznikowOgraniczona()
    {
        QFETCH(float, min);
        QFETCH(float, max);
        QFETCH(float, krok);
        TWykres w;
        UstawOsX(w);
        w.OsX.UstawMin(min);
        w.OsX.UstawMax(max);
        w.OsX.UstawSkala(krok);
        w.OsX.UstawSkalaPom(krok);
        TPlotnoNagrywajace plotno;
        Maluj(w, plotno);
        QVERIFY(!ZnacznikiX(plotno).empty());
        QVERIFY(ZnacznikiX(plotno).size() <= 8000);
    }
};

QTEST_MAIN(TestOsiWykresu)
#include "TestOsiWykresu.moc"
