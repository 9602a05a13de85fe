// Printing and bitmap export of a completed run: the sections and their order, the
// strips' geometry on the canvas, the screen layout put back, the legends, the error
// section by option, page breaks, the bitmap file and its save dialog, and the
// messages for a missing printer and a failed write.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "Drukowanie.h"
#include "OknoTestowe.h"
#include "PlotnoNagrywajace.h"
#include "PlotnoQt.h"
#include "PomocnikiGui.h"
#include "Standardy.h"
#include "StronaBledow.h"
#include "StronyPasm.h"
#include "TMainForm.h"
#include "UslugiQt.h"
#include "Vartostream.h"

namespace {

constexpr int CzasRunuMs = 120000;
constexpr int h = TPlotnoNagrywajace::WysokoscWiersza;

UstawieniaStandardu Opcje(int ber, int dekoder, int rozklady, int regeneracja = 2, int przesluchy = 2, int echo = 2)
{
    UstawieniaStandardu u;
    u.BerErf = ber;
    u.Dekoder = dekoder;
    u.RozkladyBledow = rozklady;
    u.Regeneracja = regeneracja;
    u.Przesluchy = przesluchy;
    u.Echo = echo;
    return u;
}

UstawieniaStandardu Wszystko()
{
    return Opcje(1, 1, 1);
}

bool Przeprowadz(TSimChildForm& okno)
{
    auto* simBut = Kontrolka<QPushButton>(okno, QStringLiteral("SimBut"));
    simBut->setEnabled(true);
    QTest::mouseClick(simBut, Qt::LeftButton);
    QPointer<TWatek> watek = okno.WatekObliczen();
    return QTest::qWaitFor([&] { return !okno.SymulacjaTrwa() && watek.isNull(); }, CzasRunuMs);
}

// A window of the standard after a completed run of 100 bits.
std::unique_ptr<TOknoTestowe> OknoPoRunie(int standard, const UstawieniaStandardu& u = Wszystko())
{
    auto okno = std::make_unique<TOknoTestowe>(u);
    okno->UstawOpcje(standard);
    okno->resize(1000, 700);
    okno->show();
    okno->UstawStandard();
    okno->LiczbaBitowEdit->setText(QStringLiteral("100"));
    if (!Przeprowadz(*okno) || !MaWynikiDoRaportu(*okno))
        return nullptr;
    // Every strip page laid out on screen, as after the user has looked at them all.
    const auto pokaz = [&] {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            okno->repaint();
        }
    };
    okno->PageControl1->setCurrentWidget(okno->TabSheetWejsciowe);
    pokaz();
    okno->PageControl1->setCurrentWidget(okno->TabSheetWyjsciowe);
    pokaz();
    if (okno->PanelZdekodowane) {
        okno->TabSetWyjsciowe->setCurrentIndex(1);
        pokaz();
        okno->TabSetWyjsciowe->setCurrentIndex(0);
        pokaz();
    }
    return okno;
}

int SzerokoscEkranu()
{
    return QGuiApplication::primaryScreen()->geometry().width();
}

// The report's sections of the strip pages and of the error page, drawn at gora; each
// returns the height it used.
int RysujWejsciowe(TSimChildForm& okno, TPlotno& p, const TUkladRaportu& u, int gora)
{
    return okno.StronaWejsc().SekcjeRaportu().at(0).Rysuj(p, u, gora);
}

int RysujWyjsciowe(TSimChildForm& okno, TPlotno& p, const TUkladRaportu& u, int gora)
{
    return okno.StronaWyjsc().SekcjeRaportu().at(0).Rysuj(p, u, gora);
}

int RysujZdekodowane(TSimChildForm& okno, TPlotno& p, const TUkladRaportu& u, int gora)
{
    return okno.StronaWyjsc().SekcjeRaportu().at(1).Rysuj(p, u, gora);
}

int RysujWynikiBledow(TSimChildForm& okno, TPlotno& p, const TUkladRaportu& u, int gora)
{
    return okno.StronaBledow().SekcjeRaportu().at(0).Rysuj(p, u, gora);
}

std::vector<const TPlotnoNagrywajace::TNapis*> Tytuly(const TPlotnoNagrywajace& p)
{
    std::vector<const TPlotnoNagrywajace::TNapis*> tytuly;
    for (const auto& n : p.Napisy)
        if (n.Czcionka.Pogrubiona)
            tytuly.push_back(&n);
    return tytuly;
}

QStringList Teksty(const std::vector<const TPlotnoNagrywajace::TNapis*>& napisy)
{
    QStringList teksty;
    for (const auto* n : napisy)
        teksty << QString::fromStdString(n->Tekst);
    return teksty;
}

const TPlotnoNagrywajace::TNapis* Napis(const TPlotnoNagrywajace& p, const QString& tekst)
{
    for (const auto& n : p.Napisy)
        if (n.Tekst == tekst.toStdString())
            return &n;
    return nullptr;
}

int Szerokosc(const QString& tekst)
{
    return static_cast<int>(tekst.size()) * TPlotnoNagrywajace::SzerokoscZnaku;
}

// What the screen layout of a strip page consists of.
struct TStanPasma {
    int Gorny, Dolny, MaxY, MinY;
    QRect Geometria;
    float SkalaPiksele;

    bool operator==(const TStanPasma&) const = default;
};

std::vector<TStanPasma> StanPasm(const TOknoTestowe& okno)
{
    std::vector<TStanPasma> stan;
    for (TObszarPasm* pasma : {okno.PasmaWejsciowe, okno.PasmaWyjsciowe, okno.PasmaZdekodowane})
        for (const auto* lista : {&pasma->Wykresy, &pasma->Panele})
            for (const TWykres* w : *lista)
                stan.push_back({w->MarginesGorny(), w->MarginesDolny(), w->OsY.MarginesMax(), w->OsY.MarginesMin(),
                                w->geometry(), w->OsX.SkalaPiksele()});
    return stan;
}

// The page breaks of a print job as the titles on each page.
std::vector<QStringList> StronyWydruku(TSimChildForm& okno, int W)
{
    TPlotnoNagrywajace p;
    std::vector<QStringList> strony(1);
    std::size_t zapisane = 0;
    const auto zamknijStrone = [&] {
        const auto tytuly = Tytuly(p);
        for (; zapisane < tytuly.size(); ++zapisane)
            strony.back() << QString::fromStdString(tytuly[zapisane]->Tekst);
    };
    RysujWydruk(okno, p, W, SzerokoscEkranu(), [&] {
        zamknijStrone();
        strony.emplace_back();
    });
    zamknijStrone();
    return strony;
}

const QString Tlumienia = QStringLiteral("Charakterystyka tłumienia");
const QString Przesluchow = QStringLiteral("Charakterystyka przesłuchów");
const QString Echa = QStringLiteral("Charakterystyka echa");
const QString Regeneratora = QStringLiteral("Charakterystyka regenratora");
const QString Wejsciowe = QStringLiteral("Ciągi i sygnały wejsciowe");
const QString Wyjsciowe = QStringLiteral("Sygnały wyjsciowe");
const QString Zdekodowane = QStringLiteral("Ciagi zdekodowane");
const QString Bledow = QStringLiteral("Wyniki analizy błędów");

} // namespace

class TestDrukowania : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The file dialog keeps its history in its own settings, apart from other programs'.
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        UstawSeparatorZLokalizacji();
        QVERIFY(Folder.isValid());
        UstawFolderProgramu(Folder.path());
    }

    void cleanup() { UstawKursorEkranu(TKursorEkranu::Domyslny); }

    // Sections one below the other, each a margin below the last, titles centred.
    void sekcjeMapyBitowej_data()
    {
        QTest::addColumn<int>("standard");
        QTest::addColumn<bool>("wszystko");
        QTest::addColumn<QStringList>("tytuly");
        QTest::newRow("10BaseT, every option") << 0 << true
            << QStringList{Tlumienia, Przesluchow, Echa, Regeneratora, Wejsciowe, Wyjsciowe, Zdekodowane, Bledow};
        QTest::newRow("100BaseTX, no option") << 1 << false << QStringList{Tlumienia, Wejsciowe, Wyjsciowe};
        QTest::newRow("1000BaseT, every option") << 3 << true
            << QStringList{Tlumienia, Przesluchow, Echa, Regeneratora, Wejsciowe, Wyjsciowe, Zdekodowane, Bledow};
    }

    void sekcjeMapyBitowej()
    {
        QFETCH(int, standard);
        QFETCH(bool, wszystko);
        QFETCH(QStringList, tytuly);
        auto okno = OknoPoRunie(standard, wszystko ? Wszystko() : Opcje(0, 0, 0, 0, 0, 0));
        QVERIFY(okno);
        const int W = 1000;
        const TUkladRaportu u = TUkladRaportu::Dla(W, SzerokoscEkranu());
        QCOMPARE(u.M, 50);
        QCOMPARE(u.C, 900);
        QCOMPARE(u.K, static_cast<float>(900.0 / SzerokoscEkranu() * 2.0));

        TPlotnoNagrywajace p;
        const int koniec = RysujMapeBitowa(*okno, p, W, SzerokoscEkranu());
        const auto napisy = Tytuly(p);
        QCOMPARE(Teksty(napisy), tytuly);
        for (const auto* n : napisy)
            QCOMPARE(n->X, static_cast<int>(u.M + u.C * 0.5 - Szerokosc(QString::fromStdString(n->Tekst)) * 0.5));

        // Each section's height by its own rule; the next title a margin below it.
        const TWynikSymulacji& w = *okno->Wyniki();
        const auto tory = static_cast<int>(w.Tory.size());
        const int eWyj = tory > 1 ? static_cast<int>(u.C * 0.2857142857142857) : static_cast<int>(u.C / 3.0);
        int y = u.M;
        for (const auto* n : napisy) {
            QCOMPARE(n->Y, y);
            const QString tytul = QString::fromStdString(n->Tekst);
            int wysokosc = 0;
            if (tytul.startsWith(QStringLiteral("Charakterystyka")))
                wysokosc = 3 * h + u.C / 2;
            else if (tytul == Wejsciowe)
                wysokosc = 2 * h + static_cast<int>(w.Wejsciowe.size()) * static_cast<int>(u.C * 0.15384615384615385);
            else if (tytul == Wyjsciowe)
                wysokosc = 2 * h + tory * eWyj + 2 * h * okno->LegendaWyjsciowe->rowCount();
            else if (tytul == Zdekodowane)
                wysokosc = 2 * h + tory * eWyj + 2 * h * 2;
            else
                wysokosc = 3 * h + static_cast<int>(static_cast<int>(u.C * 0.5) * 2.4) + 4 * h + 2 * h;
            y += wysokosc + u.M;
        }
        // Without error results the bitmap ends a margin below the outputs' legend.
        QCOMPARE(koniec, y);
    }

    // Before any run the report holds the characteristics alone.
    void raportBezWynikow()
    {
        auto okno = std::make_unique<TOknoTestowe>(Wszystko());
        okno->UstawOpcje(2);
        okno->show();
        okno->UstawStandard();
        QVERIFY(!MaWynikiDoRaportu(*okno));
        TPlotnoNagrywajace p;
        RysujMapeBitowa(*okno, p, 1000, SzerokoscEkranu());
        QCOMPARE(Teksty(Tytuly(p)), (QStringList{Tlumienia, Przesluchow, Echa, Regeneratora}));
    }

    // Strip geometry through the charts' mappings, which describe the last canvas they
    // were painted on: waveform at M + D, C - D wide, up to F divisions; description at
    // M + 1, D wide; strips e high with the inner margins shrunk to e / 30.
    void geometriaPasm_data()
    {
        QTest::addColumn<int>("standard");
        QTest::addColumn<int>("fWejsc");
        QTest::addColumn<int>("fWyjsc");
        QTest::newRow("10BaseT") << 0 << 7 << 7;
        QTest::newRow("100BaseTX") << 1 << 3 << 15;
        QTest::newRow("100BaseTX (bez 4B5B)") << 2 << 3 << 12;
        QTest::newRow("1000BaseT") << 3 << 3 << 3;
    }

    void geometriaPasm()
    {
        QFETCH(int, standard);
        QFETCH(int, fWejsc);
        QFETCH(int, fWyjsc);
        QCOMPARE(Standardy[static_cast<std::size_t>(standard)].PodzialkiWejsc, fWejsc);
        QCOMPARE(Standardy[static_cast<std::size_t>(standard)].PodzialkiWyjsc, fWyjsc);
        auto okno = OknoPoRunie(standard);
        QVERIFY(okno);
        const TWynikSymulacji& w = *okno->Wyniki();
        const int W = 1200;
        const TUkladRaportu u = TUkladRaportu::Dla(W, SzerokoscEkranu());
        const float k = u.K;
        const int gora = 40;
        const std::vector<TStanPasma> przed = StanPasm(*okno);

        const auto sprawdz = [&](TObszarPasm& pasma, const std::vector<TFltFltStrumien*>& strumienie, int e, int D,
                                 int F, bool maxNaOstatnim) {
            const int T = gora + 2 * h;
            const int m = static_cast<int>(e / 30.0);
            const auto n = pasma.Wykresy.size();
            // The inner margins are not 0 on screen, so there is something to shrink.
            QVERIFY(n == 1 || pasma.Wykresy.front()->OsY.MarginesMin() > 0);
            for (std::size_t i = 0; i < n; ++i) {
                const TWykres& przebieg = *pasma.Wykresy[i];
                const TWykres& opis = *pasma.Panele[i];
                const int top = T + static_cast<int>(i) * e;
                const float maxX = strumienie[i]->SkalaX * static_cast<float>(F) + przebieg.OsX.Min();
                const float prawyPrzebiegu = k * static_cast<float>(przebieg.MarginesPrawy() + przebieg.OsX.MarginesMax());
                QVERIFY(std::abs(przebieg.KonwersjaWspolX(maxX, u.M + D) - (u.M + u.C - prawyPrzebiegu)) <= 1);
                const float lewyPrzebiegu = k * static_cast<float>(przebieg.MarginesLewy() + przebieg.OsX.MarginesMin());
                QVERIFY(std::abs(przebieg.KonwersjaWspolX(przebieg.OsX.Min(), u.M + D) - (u.M + D + lewyPrzebiegu)) <= 1);
                const float prawyOpisu = k * static_cast<float>(opis.MarginesPrawy() + opis.OsX.MarginesMax());
                QVERIFY(std::abs(opis.KonwersjaWspolX(opis.OsX.Max(), u.M + 1) - (u.M + 1 + D - prawyOpisu)) <= 1);

                const bool pierwsze = i == 0;
                const bool ostatnie = i + 1 == n;
                for (const TWykres* wykres : {&przebieg, &opis}) {
                    // The screen's margins are back by now; the report shrank the inner ones
                    // that were not 0.
                    const auto wDruku = [m](int naEkranie, bool wewnetrzny) {
                        return wewnetrzny && naEkranie != 0 ? m : naEkranie;
                    };
                    const int gorny = wDruku(wykres->MarginesGorny(), !pierwsze);
                    const int marginesMax = wDruku(wykres->OsY.MarginesMax(), maxNaOstatnim || !ostatnie);
                    const int dolny = wDruku(wykres->MarginesDolny(), !ostatnie);
                    const int marginesMin = wDruku(wykres->OsY.MarginesMin(), true);
                    const float wierzch = static_cast<float>(top) + k * static_cast<float>(gorny + marginesMax);
                    const float spod = static_cast<float>(top + e) - k * static_cast<float>(dolny + marginesMin);
                    const int gornyPiksel = wykres->KonwersjaWspolY(wykres->OsY.Max(), top);
                    const int dolnyPiksel = wykres->KonwersjaWspolY(wykres->OsY.Min(), top);
                    QVERIFY2(std::abs(gornyPiksel - wierzch) <= 1.5f,
                             qPrintable(QStringLiteral("strip %1: top %2, expected %3").arg(i).arg(gornyPiksel).arg(wierzch)));
                    QVERIFY2(std::abs(dolnyPiksel - spod) <= 1.5f,
                             qPrintable(QStringLiteral("strip %1: bottom %2, expected %3").arg(i).arg(dolnyPiksel).arg(spod)));
                }
            }
        };

        TPlotnoNagrywajace p;
        std::vector<TFltFltStrumien*> wejsciowe;
        for (const auto& s : w.Wejsciowe)
            wejsciowe.push_back(s.get());
        RysujWejsciowe(*okno, p, u, gora);
        sprawdz(*okno->PasmaWejsciowe, wejsciowe, static_cast<int>(u.C * 0.15384615384615385), u.C / 6, fWejsc, true);
        // Every input stream is named at the description column's left edge, centred on its strip.
        for (std::size_t i = 0; i < wejsciowe.size(); ++i) {
            const auto* nazwa = Napis(p, QString::fromStdString(wejsciowe[i]->ZwrocNazwe()));
            QVERIFY(nazwa);
            QCOMPARE(nazwa->X, u.M);
            const int e = static_cast<int>(u.C * 0.15384615384615385);
            QCOMPARE(nazwa->Y, gora + 2 * h + static_cast<int>(i + 1) * e - e / 2 - h / 2);
        }

        std::vector<TFltFltStrumien*> odebrane;
        for (const TTorWyniku& tor : w.Tory)
            odebrane.push_back(tor.Odebrany.get());
        const bool wiele = w.Tory.size() > 1;
        const int e = wiele ? static_cast<int>(u.C * 0.2857142857142857) : static_cast<int>(u.C / 3.0);
        const int D = wiele ? u.C / 6 : static_cast<int>(u.C * 0.1);
        p.Wyczysc();
        RysujWyjsciowe(*okno, p, u, gora);
        sprawdz(*okno->PasmaWyjsciowe, odebrane, e, D, fWyjsc, false);
        // Lane names only with more than one lane.
        QCOMPARE(Napis(p, QString::fromStdString(odebrane[0]->ZwrocNazwe())) != nullptr, wiele);
        // Whatever ran past the content width is painted over in white.
        QVERIFY(!p.Prostokaty.empty());
        const auto& biale = p.Prostokaty.back();
        QCOMPARE(biale.Lewy, u.M + u.C);
        QCOMPARE(biale.Prawy, u.M + 2 * u.C);
        QCOMPARE(biale.Gorny, gora + 2 * h);
        QCOMPARE(biale.Dolny, gora + 2 * h + static_cast<int>(w.Tory.size()) * e);
        QCOMPARE(biale.Pedzel, TColor{0xFFFFFF});

        p.Wyczysc();
        RysujZdekodowane(*okno, p, u, gora);
        sprawdz(*okno->PasmaZdekodowane, odebrane, e, D, fWyjsc, false);

        // The screen layout is back as it was: margins, places and pixel scales.
        QVERIFY(StanPasm(*okno) == przed);
    }

    // One row per legend entry: the swatch 16 × 16 at M, centred on the row, and the
    // caption three swatches to the right.
    void legenda_data()
    {
        QTest::addColumn<bool>("regeneracja");
        QTest::newRow("with regeneration") << true;
        QTest::newRow("without regeneration") << false;
    }

    void legenda()
    {
        QFETCH(bool, regeneracja);
        auto okno = OknoPoRunie(0, Opcje(1, 1, 1, regeneracja ? 2 : 1, 0, 0));
        QVERIFY(okno);
        const TUkladRaportu u = TUkladRaportu::Dla(1000, SzerokoscEkranu());
        const int gora = 10;
        TPlotnoNagrywajace p;
        // 10BaseT's outputs show seven divisions.
        QCOMPARE(Standardy[0].PodzialkiWyjsc, 7);
        const int wysokosc = RysujWyjsciowe(*okno, p, u, gora);
        const int e = static_cast<int>(u.C / 3.0);
        const int dol = gora + 2 * h + e;

        struct TWiersz {
            QString Podpis;
            TColor Kolor;
        };
        std::vector<TWiersz> oczekiwane = {{QStringLiteral("Sygnał przed wprowadzeniem do kanału"), 0x008000},
                                           {QStringLiteral("Sygnał po przeprowadzeniu przez kanał"), 0x0000FF}};
        if (regeneracja)
            oczekiwane.push_back({QStringLiteral("Sygnał po regeneracji"), 0xFF0000});
        oczekiwane.push_back({QStringLiteral("Sygnał po wzmocnieniu"), 0x000080});

        std::vector<TPlotnoNagrywajace::TWielokat> probki;
        for (const auto& w : p.Wielokaty)
            if (w.Wierzcholki.size() == 4 && w.Wierzcholki[2].X - w.Wierzcholki[0].X == 15 &&
                w.Wierzcholki[2].Y - w.Wierzcholki[0].Y == 15)
                probki.push_back(w);
        QCOMPARE(probki.size(), oczekiwane.size());
        for (std::size_t j = 0; j < oczekiwane.size(); ++j) {
            const int srodek = dol + 2 * h * static_cast<int>(j + 1);
            const auto& probka = probki[j];
            QCOMPARE(probka.Pedzel, oczekiwane[j].Kolor);
            QCOMPARE(probka.Wierzcholki.front(), (TPunktPlotna{u.M, srodek - 8}));
            QCOMPARE(probka.Wierzcholki[2], (TPunktPlotna{u.M + 15, srodek + 7}));
            const auto* podpis = Napis(p, oczekiwane[j].Podpis);
            QVERIFY(podpis);
            QCOMPARE(podpis->X, u.M + 48);
            QCOMPARE(podpis->Y, srodek - h / 2);
        }
        QCOMPARE(wysokosc, 2 * h + e + 2 * h * static_cast<int>(oczekiwane.size()));
        // The swatch is the legend's own image, pixel for pixel.
        QImage obraz(16, 16, QImage::Format_RGB32);
        obraz.fill(Qt::white);
        {
            QPainter malarz(&obraz);
            TPlotnoQt plotno(malarz);
            RysujObrazLegendy(plotno, 2, 0, 0);
        }
        QCOMPARE(obraz, ObrazLegendy(2).toImage().convertToFormat(QImage::Format_RGB32));
    }

    // The error section by option: the two charts, the BER line with its superscript
    // exponent and the sentence below it, the decoded sequence's correctness.
    void sekcjaBledow_data()
    {
        QTest::addColumn<int>("ber");
        QTest::addColumn<int>("dekoder");
        QTest::addColumn<int>("rozklady");
        QTest::newRow("all three") << 1 << 1 << 1;
        QTest::newRow("BER only") << 1 << 0 << 0;
        QTest::newRow("decoder only") << 0 << 1 << 0;
        QTest::newRow("distributions only") << 0 << 0 << 1;
    }

    void sekcjaBledow()
    {
        QFETCH(int, ber);
        QFETCH(int, dekoder);
        QFETCH(int, rozklady);
        auto okno = OknoPoRunie(1, Opcje(ber, dekoder, rozklady));
        QVERIFY(okno);
        QVERIFY(okno->Wyniki()->NajwiekszyBlad != 0.0f);
        const TUkladRaportu u = TUkladRaportu::Dla(1000, SzerokoscEkranu());
        const int gora = 100;
        TPlotnoNagrywajace p;
        const int wysokosc = RysujWynikiBledow(*okno, p, u, gora);
        QCOMPARE(Teksty(Tytuly(p)), QStringList{Bledow});

        const int E = u.C / 2;
        int y = gora + 3 * h;
        if (rozklady) {
            const TWykres& rozklad = *okno->Panel3->RozkladBledowWykres;
            const TWykres& dystr = *okno->Panel3->DystrBledowWykres;
            const float prawy = u.K * static_cast<float>(rozklad.MarginesPrawy() + rozklad.OsX.MarginesMax());
            QVERIFY(std::abs(rozklad.KonwersjaWspolX(rozklad.OsX.Max(), u.M) - (u.M + u.C - prawy)) <= 1);
            const float dolny = u.K * static_cast<float>(dystr.MarginesDolny() + dystr.OsY.MarginesMin());
            const int topDystr = static_cast<int>(y + E * 1.2);
            QVERIFY(std::abs(dystr.KonwersjaWspolY(dystr.OsY.Min(), topDystr) - (topDystr + E - dolny)) <= 1);
            y = static_cast<int>(y + E * 2.4);
        }
        const QString opis = okno->Label6->text();
        const QString wartosc = okno->BERLabel->text();
        const QString wykladnik = okno->ExpBERLabel->text();
        QCOMPARE(Napis(p, opis) != nullptr, ber != 0);
        if (ber) {
            QCOMPARE(Napis(p, opis)->X, u.M);
            QCOMPARE(Napis(p, opis)->Y, y);
            const auto* w = Napis(p, wartosc);
            QVERIFY(w);
            QCOMPARE(w->X, u.M + Szerokosc(opis) + 10);
            if (!wykladnik.isEmpty()) {
                const auto* wyk = Napis(p, wykladnik);
                QVERIFY(wyk);
                QCOMPARE(wyk->X, u.M + Szerokosc(opis) + Szerokosc(wartosc) + 20);
                QCOMPARE(wyk->Y, y - h / 2);
                QCOMPARE(wyk->Czcionka.Rozmiar, static_cast<int>(w->Czcionka.Rozmiar * 0.75));
            }
            const auto* zdanie = Napis(p, okno->BERLabel2->text());
            QVERIFY(zdanie);
            QCOMPARE(zdanie->Y, y + 2 * h);
            // The size comes back after the exponent.
            QCOMPARE(zdanie->Czcionka.Rozmiar, w->Czcionka.Rozmiar);
            y += 4 * h;
        }
        QCOMPARE(Napis(p, okno->TimeErrorLabel->text()) != nullptr, dekoder != 0);
        if (dekoder) {
            QCOMPARE(Napis(p, okno->TimeErrorLabel->text())->Y, y);
            y += 2 * h;
        }
        QCOMPARE(wysokosc, y - gora);
    }

    // A later run with no error at all hides the error charts: the report says they are
    // unavailable instead of painting charts that hold nothing of this run.
    void bladMaksymalnyZero()
    {
        auto okno = OknoPoRunie(0, Opcje(0, 0, 1));
        QVERIFY(okno);
        okno->UstawPrzebieg([](const TUstawieniaSymulacji& u, std::uint8_t* flaga, const TKontrolkiPostepu& postep) {
            auto wynik = Symuluj(u, flaga, postep);
            if (wynik)
                wynik->NajwiekszyBlad = 0.0f;
            return wynik;
        });
        okno->LiczbaBitowEdit->setText(QStringLiteral("101"));
        QVERIFY(Przeprowadz(*okno));
        QVERIFY(MaWynikiDoRaportu(*okno));
        TPlotnoNagrywajace p;
        const TUkladRaportu u = TUkladRaportu::Dla(1000, SzerokoscEkranu());
        const int wysokosc = RysujWynikiBledow(*okno, p, u, 0);
        QVERIFY(Napis(p, QStringLiteral("Charakterystyki niedostępne ( błąd maksymalny równy 0 )")));
        QCOMPARE(wysokosc, 5 * h);
    }

    // Pages of a print job: at most two characteristics a page, a page for the inputs,
    // the outputs with the decoded sequences below them (a page of their own for four
    // lanes), the error results last; never an empty page.
    void strony_data()
    {
        QTest::addColumn<int>("standard");
        QTest::addColumn<int>("przesluchy");
        QTest::addColumn<int>("echo");
        QTest::addColumn<int>("regeneracja");
        QTest::addColumn<int>("dekoder");
        QTest::addColumn<int>("bledy");
        QTest::addColumn<QList<QStringList>>("strony");
        QTest::newRow("10BaseT, regeneration only") << 0 << 1 << 1 << 2 << 1 << 1
            << QList<QStringList>{{Tlumienia, Regeneratora}, {Wejsciowe}, {Wyjsciowe, Zdekodowane}, {Bledow}};
        QTest::newRow("10BaseT, all four characteristics") << 0 << 2 << 2 << 2 << 1 << 1
            << QList<QStringList>{{Tlumienia, Przesluchow}, {Echa, Regeneratora}, {Wejsciowe},
                                  {Wyjsciowe, Zdekodowane}, {Bledow}};
        QTest::newRow("100BaseTX, echo only") << 1 << 1 << 2 << 1 << 0 << 1
            << QList<QStringList>{{Tlumienia, Echa}, {Wejsciowe}, {Wyjsciowe}, {Bledow}};
        QTest::newRow("100BaseTX, echo and regeneration") << 1 << 1 << 2 << 2 << 0 << 1
            << QList<QStringList>{{Tlumienia, Echa}, {Regeneratora}, {Wejsciowe}, {Wyjsciowe}, {Bledow}};
        QTest::newRow("1000BaseT with the decoder") << 3 << 0 << 0 << 0 << 1 << 0
            << QList<QStringList>{{Tlumienia}, {Wejsciowe}, {Wyjsciowe}, {Zdekodowane}, {Bledow}};
        QTest::newRow("no decoder, no error option") << 1 << 0 << 0 << 0 << 0 << 0
            << QList<QStringList>{{Tlumienia}, {Wejsciowe}, {Wyjsciowe}};
    }

    void strony()
    {
        QFETCH(int, standard);
        QFETCH(int, przesluchy);
        QFETCH(int, echo);
        QFETCH(int, regeneracja);
        QFETCH(int, dekoder);
        QFETCH(int, bledy);
        QFETCH(QList<QStringList>, strony);
        auto okno = OknoPoRunie(standard, Opcje(bledy, dekoder, bledy, regeneracja, przesluchy, echo));
        QVERIFY(okno);
        const auto wynik = StronyWydruku(*okno, 800);
        QCOMPARE(QList<QStringList>(wynik.begin(), wynik.end()), strony);
    }

    // The same job on a PDF printer: one page per break, the screen layout kept.
    void drukNaPdf()
    {
        auto okno = OknoPoRunie(0, Opcje(1, 1, 1, 2, 1, 1));
        QVERIFY(okno);
        const std::vector<TStanPasma> przed = StanPasm(*okno);
        const QString plik = Folder.filePath(QStringLiteral("wydruk.pdf"));
        QPrinter drukarka(QPrinter::ScreenResolution);
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(plik);
        QVERIFY(DrukujWyniki(*okno, drukarka));
        QFile pdf(plik);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray tresc = pdf.readAll();
        QCOMPARE(tresc.count("/Type /Page\n"), 4);
        QVERIFY(StanPasm(*okno) == przed);
    }

    void brakDrukarki()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        auto okno = OknoPoRunie(0);
        QVERIFY(okno);
        TOdpowiedzNaKomunikat komunikat;
        DrukujWyniki(*okno);
        QVERIFY(komunikat.Pokazany());
        QVERIFY(komunikat.Tekst.startsWith(QStringLiteral("Brak zainstalowanej drukarki")));
    }

    // "Zapisz": the dialog over "Wyniki" beside the program, made when missing; the
    // bitmap as wide as the screen and as tall as the report; a prompt before
    // overwriting; nothing written on cancel.
    void zapisMapyBitowej()
    {
        auto okno = OknoPoRunie(1);
        QVERIFY(okno);
        const QDir wyniki(Folder.filePath(QStringLiteral("Wyniki")));
        QVERIFY(!wyniki.exists());
        const QString plik = wyniki.filePath(QStringLiteral("wyniki.bmp"));

        TPrzyOknieModalnym<QFileDialog> anuluj([](QFileDialog& d) { d.reject(); });
        ZapiszWyniki(*okno, nullptr);
        QVERIFY(anuluj.Wykonane);
        QVERIFY(wyniki.exists());
        QVERIFY(!QFile::exists(plik));

        QString tytul, filtr, rozszerzenie, folder;
        QStringList wybrane;
        bool pyta = false;
        TPrzyOknieModalnym<QFileDialog> zapisz([&](QFileDialog& d) {
            tytul = d.windowTitle();
            filtr = d.nameFilters().join(QLatin1Char(';'));
            rozszerzenie = d.defaultSuffix();
            folder = d.directory().absolutePath();
            wybrane = d.selectedFiles();
            pyta = !d.testOption(QFileDialog::DontConfirmOverwrite) && d.acceptMode() == QFileDialog::AcceptSave;
            static_cast<QDialog&>(d).accept(); // QFileDialog::accept, with its overwrite prompt
        });
        ZapiszWyniki(*okno, nullptr);
        QVERIFY(zapisz.Wykonane);
        QCOMPARE(tytul, QStringLiteral("Zapisywanie wynikow symulacji"));
        QCOMPARE(filtr, QStringLiteral("Bitmapy (*.bmp)"));
        QCOMPARE(rozszerzenie, QStringLiteral("bmp"));
        QCOMPARE(folder, wyniki.absolutePath());
        QCOMPARE(wybrane, QStringList{plik});
        QVERIFY(pyta);

        QFile bmp(plik);
        QVERIFY(bmp.open(QIODevice::ReadOnly));
        const QByteArray naglowek = bmp.read(26);
        QCOMPARE(naglowek.left(2), QByteArray("BM"));
        const auto liczba = [&](int od) {
            return qFromLittleEndian<qint32>(naglowek.constData() + od);
        };
        QCOMPARE(liczba(18), SzerokoscEkranu());
        QImage wzor(SzerokoscEkranu(), 10, QImage::Format_RGB32);
        int wysokosc = 0;
        {
            QPainter malarz(&wzor);
            TPlotnoQt plotno(malarz);
            wysokosc = RysujMapeBitowa(*okno, plotno, SzerokoscEkranu(), SzerokoscEkranu());
        }
        QCOMPARE(std::abs(liczba(22)), wysokosc);
        bmp.close();

        // Saving again asks before the file is replaced.
        QFile::resize(plik, 0);
        bool zapytal = false;
        TPrzyOknieModalnym<QFileDialog> nadpisz([&](QFileDialog& d) {
            auto* pytanie = new TPrzyOknieModalnym<QMessageBox>([&](QMessageBox& m) {
                zapytal = true;
                m.button(QMessageBox::Yes)->click();
            });
            static_cast<QDialog&>(d).accept(); // QFileDialog::accept, with its overwrite prompt
            delete pytanie;
        });
        ZapiszWyniki(*okno, nullptr);
        QVERIFY(zapytal);
        QVERIFY(QFileInfo(plik).size() > 0);
    }

    // A write that fails says so; the bitmap that the screen's width allows is checked
    // before anything is drawn; a report taller than seven widths is not cut off.
    void bledyMapyBitowej()
    {
        auto okno = OknoPoRunie(3);
        QVERIFY(okno);
        TOdpowiedzNaKomunikat komunikat;
        QVERIFY(!EksportujWyniki(*okno, Folder.filePath(QStringLiteral("brak/wyniki.bmp"))));
        QVERIFY(komunikat.Pokazany());
        QVERIFY(komunikat.Tekst.startsWith(QStringLiteral("Nie udało się zapisać pliku ")));

        QVERIFY(MapaWynikow(*okno, 0).isNull());
        QVERIFY(MapaWynikow(*okno, 400'000'000).isNull());

        // So narrow that the text lines alone need more than seven widths.
        const int W = 120;
        const QImage obraz = MapaWynikow(*okno, W);
        QVERIFY(!obraz.isNull());
        QCOMPARE(obraz.width(), W);
        QVERIFY(obraz.height() > 7 * W);
        // The error results stand at the very bottom, drawn, not clipped.
        bool narysowane = false;
        for (int y = 7 * W; y < obraz.height() && !narysowane; ++y)
            for (int x = 0; x < W && !narysowane; ++x)
                narysowane = obraz.pixel(x, y) != qRgb(255, 255, 255);
        QVERIFY(narysowane);
    }

    // The main window's commands act on the active analysis only when it shows results.
    void poleceniaOknaGlownego()
    {
        TMainForm glowne;
        glowne.show();
        QVERIFY(!glowne.AnalizaZWynikami());
        TSimChildForm* analiza = glowne.NowaAnaliza(0);
        glowne.ClientArea->setActiveSubWindow(glowne.ClientArea->subWindowList().constFirst());
        QVERIFY(!glowne.AnalizaZWynikami());
        {
            TPrzyOknieModalnym<QFileDialog> zadenDialog([](QFileDialog& d) { d.reject(); });
            glowne.ZapiszWyniki();
            glowne.DrukujWyniki();
            QVERIFY(!zadenDialog.Wykonane);
        }

        const TKontrolkiOkna k(*analiza);
        k.LiczbaBitowEdit->setText(QStringLiteral("100"));
        QVERIFY(Przeprowadz(*analiza));
        QCOMPARE(glowne.AnalizaZWynikami(), analiza);
        // Not while a recalculation may be replacing a characteristic's curves: one is
        // started, and cancelled before the event loop could hand its result over.
        k.Tlumienie.RekalkulacjaBtn->click();
        QVERIFY(analiza->RekalkulacjaTrwa());
        QVERIFY(!glowne.AnalizaZWynikami());
        analiza->AnulujButClick();
        QCOMPARE(glowne.AnalizaZWynikami(), analiza);
        QVERIFY(glowne.Zapisz1->isEnabled());
        TPrzyOknieModalnym<QFileDialog> dialog([](QFileDialog& d) { d.reject(); });
        glowne.Zapisz1->trigger();
        QVERIFY(dialog.Wykonane);
        glowne.ClientArea->closeAllSubWindows();
    }

private:
    QTemporaryDir Folder;
};

QTEST_MAIN(TestDrukowania)
#include "TestDrukowania.moc"
