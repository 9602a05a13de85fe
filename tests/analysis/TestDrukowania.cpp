// Printing and bitmap export of a completed run: the sections and their order, the
// strips' geometry on the canvas, the screen layout put back, the legends, the error
// section by option, page breaks, the bitmap file and its save dialog, and the
// messages for a missing printer and a failed write.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
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
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "Drukowanie.h"
#include "LimitPliku.h"
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

int RysujZliczenie(TSimChildForm& okno, TPlotno& p, const TUkladRaportu& u, int gora)
{
    return okno.StronaBledow().SekcjeRaportu().at(1).Rysuj(p, u, gora);
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

// What a program writes on its standard output; empty when it cannot be run or fails.
QByteArray Uruchom(const QString& program, const QStringList& argumenty)
{
    QProcess proces;
    proces.start(program, argumenty);
    if (!proces.waitForFinished(60000) || proces.exitStatus() != QProcess::NormalExit || proces.exitCode() != 0)
        return {};
    return proces.readAllStandardOutput();
}

const QString Tlumienia = QStringLiteral("Charakterystyka tłumienia");
const QString Przesluchow = QStringLiteral("Charakterystyka przesłuchów");
const QString Echa = QStringLiteral("Charakterystyka echa");
const QString Regeneratora = QStringLiteral("Charakterystyka regenratora");
const QString Wejsciowe = QStringLiteral("Ciągi i sygnały wejsciowe");
const QString Wyjsciowe = QStringLiteral("Sygnały wyjsciowe");
const QString Zdekodowane = QStringLiteral("Ciagi zdekodowane");
const QString Bledow = QStringLiteral("Wyniki analizy błędów");
const QString Zliczone = QStringLiteral("Zliczone błędy");

} // namespace

class TestDrukowania : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The file dialog keeps its history in its own settings, apart from other programs'.
        QStandardPaths::setTestModeEnabled(true);
        UstawLokalizacjePolska();
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
            << QStringList{Tlumienia, Przesluchow, Echa, Regeneratora, Wejsciowe, Wyjsciowe, Zdekodowane, Bledow,
                           Zliczone};
        QTest::newRow("100BaseTX, no option") << 1 << false << QStringList{Tlumienia, Wejsciowe, Wyjsciowe};
        QTest::newRow("1000BaseT, every option") << 3 << true
            << QStringList{Tlumienia, Przesluchow, Echa, Regeneratora, Wejsciowe, Wyjsciowe, Zdekodowane, Bledow,
                           Zliczone};
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
            else if (tytul == Zliczone)
                wysokosc = 3 * h + 5 * 2 * h;
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

    // The strips' level labels on a printed page, measured as a 600 dpi printer measures
    // text: clear of each other, a quarter of a line apart, whatever the screen the charts
    // are scaled from, each strip with at least two. The bitmap and the screen label every
    // tick as before.
    void opisyPasmWDruku_data()
    {
        QTest::addColumn<int>("standard");
        QTest::addColumn<int>("ekran");
        for (int standard = 0; standard < 4; ++standard)
            for (const int ekran : {800, 1280, 1600, 1920})
                QTest::addRow("%s, screen %d", std::string(Standardy[static_cast<std::size_t>(standard)].Nazwa).c_str(),
                              ekran)
                    << standard << ekran;
    }

    void opisyPasmWDruku()
    {
        QFETCH(int, standard);
        QFETCH(int, ekran);
        auto okno = OknoPoRunie(standard);
        QVERIFY(okno);
        const TObszarPasm& pasma = *okno->PasmaWejsciowe;
        const TCzcionka czcionka = pasma.Panele.front()->OsY.Znaczniki.CzcionkaOpisuZnacznikowGlow;
        // Label rows of each strip, top to bottom, drawn on a canvas W pixels wide.
        const auto opisy = [&](TPlotnoNagrywajace& p, int W) {
            const TUkladRaportu u = TUkladRaportu::Dla(W, ekran);
            const int gora = u.M;
            RysujWejsciowe(*okno, p, u, gora);
            const int T = gora + 2 * WysokoscWiersza(p);
            const int e = static_cast<int>(u.C * 0.15384615384615385);
            p.UstawCzcionke(czcionka);
            const int polowa = p.WysokoscTekstu("0") / 2;
            // A label belongs to the strip its tick, in the label's middle, stands on.
            std::vector<std::vector<int>> wiersze(pasma.Panele.size());
            for (const auto& n : p.Napisy)
                if (n.Czcionka == czcionka && n.X > u.M)
                    wiersze.at(static_cast<std::size_t>((n.Y + polowa - T) / e)).push_back(n.Y);
            for (auto& w : wiersze)
                std::sort(w.begin(), w.end());
            return wiersze;
        };
        TPlotnoNagrywajace drukarka(600);
        const auto wydruk = opisy(drukarka, 4960);
        drukarka.UstawCzcionke(czcionka);
        const int wysokosc = drukarka.WysokoscTekstu("0");
        int poprzedni = std::numeric_limits<int>::min() / 2;
        for (const auto& wiersze : wydruk) {
            QVERIFY(wiersze.size() >= 2);
            for (const int y : wiersze) {
                QVERIFY2(y - poprzedni >= wysokosc + wysokosc / 4,
                         qPrintable(QStringLiteral("labels at rows %1 and %2, %3 high").arg(poprzedni).arg(y).arg(wysokosc)));
                poprzedni = y;
            }
        }
        const auto pelne = [](const TWykres& opis) {
            return static_cast<std::size_t>(std::lround((opis.OsY.Max() - opis.OsY.Min()) / opis.OsY.Skala())) + 1;
        };
        TPlotnoNagrywajace mapa(96);
        const auto bitmapa = opisy(mapa, ekran);
        for (std::size_t i = 0; i < bitmapa.size(); ++i)
            QCOMPARE(bitmapa[i].size(), pelne(*pasma.Panele[i]));
        // The screen, which draws at the printer's text size here, still labels every tick.
        TWykres& opis = *pasma.Panele.back();
        TPlotnoNagrywajace ekranu(600);
        opis.MalujJakNaEkranie(ekranu);
        std::size_t naEkranie = 0;
        for (const auto& n : ekranu.Napisy)
            naEkranie += n.Czcionka == czcionka;
        QCOMPARE(naEkranie, pelne(opis));
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

    // A sentence wider than the content, as a tiny BER gives on a printed page, goes on
    // in lines below, none wider than the content, the section taller by a line for each.
    void dlugieZdanieBledow()
    {
        auto okno = OknoPoRunie(1, Opcje(1, 0, 0));
        QVERIFY(okno);
        const TUkladRaportu u = TUkladRaportu::Dla(1000, SzerokoscEkranu());
        TPlotnoNagrywajace krotkie;
        const int wysokosc = RysujWynikiBledow(*okno, krotkie, u, 0);
        QVERIFY(Napis(krotkie, okno->BERLabel2->text()));

        QString dlugie = QStringLiteral("Przy");
        while (Szerokosc(dlugie) < 3 * u.C)
            dlugie += QStringLiteral(" przekłamanego");
        okno->BERLabel2->setText(dlugie);
        TPlotnoNagrywajace p;
        const int wysokoscDlugiego = RysujWynikiBledow(*okno, p, u, 0);
        const int gora = Napis(p, okno->Label6->text())->Y + 2 * h;
        QStringList wiersze;
        for (const auto& n : p.Napisy) {
            if (n.Y < gora)
                continue;
            const QString wiersz = QString::fromStdString(n.Tekst);
            QCOMPARE(n.Y, gora + static_cast<int>(wiersze.size()) * h);
            QVERIFY(Szerokosc(wiersz) <= u.C);
            wiersze << wiersz;
        }
        QVERIFY(wiersze.size() >= 3);
        QCOMPARE(wiersze.join(QLatin1Char(' ')), dlugie);
        QCOMPARE(wysokoscDlugiego, wysokosc + static_cast<int>(wiersze.size() - 1) * h);
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

    // The counted errors, on a page of their own: the page's lines in order, a sentence
    // wider than the content broken between its words onto lines closer together.
    void sekcjaZliczenia_data()
    {
        QTest::addColumn<int>("ber");
        QTest::addColumn<int>("W");
        QTest::newRow("with the estimate") << 1 << 1000;
        QTest::newRow("without the estimate") << 0 << 1000;
        QTest::newRow("narrow") << 1 << 400;
    }

    void sekcjaZliczenia()
    {
        QFETCH(int, ber);
        QFETCH(int, W);
        auto okno = OknoPoRunie(1, Opcje(ber, 1, 1));
        QVERIFY(okno);
        QCOMPARE(okno->StronaBledow().SekcjeRaportu().at(1).WDruku, TSekcjaRaportu::TMiejsce::NowaStrona);
        const TUkladRaportu u = TUkladRaportu::Dla(W, SzerokoscEkranu());
        const int gora = 100;
        TPlotnoNagrywajace p;
        const int wysokosc = RysujZliczenie(*okno, p, u, gora);
        QCOMPARE(Teksty(Tytuly(p)), QStringList{Zliczone});

        QList<QLabel*> linie{okno->ZliczoneLabel, okno->BERZliczonyLabel, okno->EstymacjaLabel, okno->WykazanieLabel,
                             okno->FazaLabel};
        if (!ber)
            linie.removeOne(okno->EstymacjaLabel);
        std::vector<const TPlotnoNagrywajace::TNapis*> napisy;
        for (const auto& n : p.Napisy)
            if (!n.Czcionka.Pogrubiona)
                napisy.push_back(&n);
        int y = gora + 3 * h;
        std::size_t n = 0;
        for (const QLabel* linia : linie) {
            QStringList czesci;
            for (int wiersz = 0; n < napisy.size() && czesci.join(QLatin1Char(' ')) != linia->text(); ++wiersz, ++n) {
                QCOMPARE(napisy[n]->X, u.M);
                QCOMPARE(napisy[n]->Y, y + wiersz * (h * 3 / 2));
                QVERIFY(Szerokosc(QString::fromStdString(napisy[n]->Tekst)) <= u.C);
                czesci << QString::fromStdString(napisy[n]->Tekst);
            }
            QCOMPARE(czesci.join(QLatin1Char(' ')), linia->text());
            y += (static_cast<int>(czesci.size()) - 1) * (h * 3 / 2) + 2 * h;
        }
        QCOMPARE(n, napisy.size());
        QCOMPARE(wysokosc, y - gora);
        // Only the narrow report breaks the longest sentence.
        QCOMPARE(napisy.size() > static_cast<std::size_t>(linie.size()), W < 1000);
    }

    // Pages of a print job: at most two characteristics a page, a page for the inputs,
    // the outputs with the decoded sequences below them (a page of their own for four
    // lanes), the error results and the counted errors last; never an empty page.
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
            << QList<QStringList>{{Tlumienia, Regeneratora}, {Wejsciowe}, {Wyjsciowe, Zdekodowane}, {Bledow},
                                  {Zliczone}};
        QTest::newRow("10BaseT, all four characteristics") << 0 << 2 << 2 << 2 << 1 << 1
            << QList<QStringList>{{Tlumienia, Przesluchow}, {Echa, Regeneratora}, {Wejsciowe},
                                  {Wyjsciowe, Zdekodowane}, {Bledow}, {Zliczone}};
        QTest::newRow("100BaseTX, echo only") << 1 << 1 << 2 << 1 << 0 << 1
            << QList<QStringList>{{Tlumienia, Echa}, {Wejsciowe}, {Wyjsciowe}, {Bledow}, {Zliczone}};
        QTest::newRow("100BaseTX, echo and regeneration") << 1 << 1 << 2 << 2 << 0 << 1
            << QList<QStringList>{{Tlumienia, Echa}, {Regeneratora}, {Wejsciowe}, {Wyjsciowe}, {Bledow}, {Zliczone}};
        QTest::newRow("1000BaseT with the decoder") << 3 << 0 << 0 << 0 << 1 << 0
            << QList<QStringList>{{Tlumienia}, {Wejsciowe}, {Wyjsciowe}, {Zdekodowane}, {Bledow}, {Zliczone}};
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
        QVERIFY(DrukujStrony(*okno, drukarka));
        QFile pdf(plik);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray tresc = pdf.readAll();
        QCOMPARE(tresc.count("/Type /Page\n"), 5);
        QVERIFY(StanPasm(*okno) == przed);
    }

    // The printed pages of a run of each standard as the save command's PDF: the pages
    // the printer gets, each with the titles printing puts on it, on A4, the text as text
    // with its fonts and no picture anywhere; the screen layout kept.
    void pdfWynikow_data()
    {
        QTest::addColumn<int>("standard");
        QTest::newRow("10BaseT") << 0;
        QTest::newRow("100BaseTX") << 1;
        QTest::newRow("100BaseTX (bez 4B5B)") << 2;
        QTest::newRow("1000BaseT") << 3;
    }

    void pdfWynikow()
    {
        QFETCH(int, standard);
        auto okno = OknoPoRunie(standard);
        QVERIFY(okno);
        const std::vector<TStanPasma> przed = StanPasm(*okno);
        const QString plik = Folder.filePath(QStringLiteral("wyniki-%1.pdf").arg(standard));
        QVERIFY(EksportujWyniki(*okno, plik, TFormatWynikow::Pdf));
        QVERIFY(StanPasm(*okno) == przed);

        QFile pdf(plik);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray tresc = pdf.readAll();
        QVERIFY(tresc.startsWith("%PDF-"));
        const std::vector<QStringList> strony = StronyWydruku(*okno, 4960);
        QCOMPARE(tresc.count("/Type /Page\n"), static_cast<qsizetype>(strony.size()));
        QCOMPARE(tresc.count("/MediaBox [0 0 595.000000 842.000000]"), static_cast<qsizetype>(strony.size()));
        QVERIFY(tresc.contains("/FontFile2"));
        QVERIFY(!tresc.contains("/Subtype /Image"));

        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftotext.isEmpty() || pdftoppm.isEmpty())
            QSKIP("poppler-utils (scripts/install-deps) is not installed: the pages are not read back");
        for (std::size_t i = 0; i < strony.size(); ++i) {
            const QString strona = QString::number(i + 1);
            const QString tekst = QString::fromUtf8(
                Uruchom(pdftotext, {QStringLiteral("-f"), strona, QStringLiteral("-l"), strona,
                                    QStringLiteral("-enc"), QStringLiteral("UTF-8"), plik, QStringLiteral("-")}));
            for (const QString& tytul : strony[i])
                QVERIFY2(tekst.contains(tytul), qPrintable(QStringLiteral("page %1 lacks %2").arg(strona, tytul)));
        }
        // What the paths draw: the first page's chart, in ink on white.
        QImage obraz;
        QVERIFY(obraz.loadFromData(Uruchom(pdftoppm, {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-f"),
                                                      QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                                                      QStringLiteral("-png"), plik}),
                                   "PNG"));
        QCOMPARE(obraz.size(), QSize(248, 351));
        int tusz = 0;
        for (int y = 0; y < obraz.height(); ++y)
            for (int x = 0; x < obraz.width(); ++x)
                tusz += qGray(obraz.pixel(x, y)) < 200;
        QVERIFY(tusz > 500);
    }

    // A PDF that cannot be written leaves nothing behind and says why: no file in a
    // missing folder; an earlier file of that name as it was, and no temporary, when the
    // disk takes no more; a folder of that name untouched.
    void bledyPdf()
    {
        auto okno = OknoPoRunie(0);
        QVERIFY(okno);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        {
            TOdpowiedzNaKomunikat komunikat;
            const QString brak = folder.filePath(QStringLiteral("brak/wyniki.pdf"));
            QVERIFY(!EksportujWyniki(*okno, brak, TFormatWynikow::Pdf));
            QVERIFY(komunikat.Pokazany());
            QVERIFY(komunikat.Tekst.startsWith(QStringLiteral("Nie udało się zapisać pliku ")));
            QVERIFY(!QFileInfo::exists(brak));
        }
        const QString stary = folder.filePath(QStringLiteral("wyniki.pdf"));
        const QByteArray poprzedni("poprzednie wyniki");
        {
            QFile f(stary);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(poprzedni), poprzedni.size());
        }
        {
            // Fewer bytes than the fonts alone take.
            const TLimitPliku limit(16 * 1024);
            TOdpowiedzNaKomunikat komunikat;
            QVERIFY(!EksportujWyniki(*okno, stary, TFormatWynikow::Pdf));
            QVERIFY(komunikat.Pokazany());
            QVERIFY(komunikat.Tekst.startsWith(QStringLiteral("Nie udało się zapisać pliku ")));
        }
        QFile f(stary);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), poprzedni);
        f.close();
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{QStringLiteral("wyniki.pdf")});

        const QString katalog = folder.filePath(QStringLiteral("katalog.pdf"));
        QVERIFY(QDir().mkdir(katalog));
        {
            TOdpowiedzNaKomunikat komunikat;
            QVERIFY(!EksportujWyniki(*okno, katalog, TFormatWynikow::Pdf));
            QVERIFY(komunikat.Tekst.contains(QStringLiteral("nie jest zwykłym plikiem")));
        }
        QVERIFY(QFileInfo(katalog).isDir());

        // With room on the disk the earlier file is replaced.
        QVERIFY(EksportujWyniki(*okno, stary, TFormatWynikow::Pdf));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("%PDF-"));
    }

    // Without a printer the print command says so and offers the PDF: "Nie" leaves it at
    // that; "Tak" opens the save dialog with the PDF type chosen, and writes the PDF.
    void brakDrukarki()
    {
        auto okno = OknoPoRunie(0);
        QVERIFY(okno);
        const QString plik = QDir(Folder.filePath(QStringLiteral("Wyniki"))).filePath(QStringLiteral("wyniki.pdf"));
        QFile::remove(plik);
        {
            QString tekst;
            QStringList przyciski;
            TPrzyOknieModalnym<QMessageBox> nie([&](QMessageBox& m) {
                tekst = m.text();
                for (QAbstractButton* b : m.buttons())
                    przyciski << b->text();
                m.button(QMessageBox::No)->click();
            });
            TPrzyOknieModalnym<QFileDialog> zadenDialog([](QFileDialog& d) { d.reject(); });
            DrukujWyniki(*okno, nullptr, QPrinterInfo());
            QVERIFY(nie.Wykonane);
            przyciski.sort();
            QCOMPARE(przyciski, (QStringList{QStringLiteral("Nie"), QStringLiteral("Tak")}));
            QCOMPARE(tekst, QStringLiteral("Brak zainstalowanej drukarki - wyników nie wydrukowano.\n"
                                           "Czy zapisać je w pliku PDF?"));
            QVERIFY(!zadenDialog.Wykonane);
            QVERIFY(!QFile::exists(plik));
        }
        QString typ, rozszerzenie;
        QStringList wybrane;
        TPrzyOknieModalnym<QMessageBox> tak([](QMessageBox& m) { m.button(QMessageBox::Yes)->click(); });
        TPrzyOknieModalnym<QFileDialog> zapisz([&](QFileDialog& d) {
            typ = d.selectedNameFilter();
            rozszerzenie = d.defaultSuffix();
            wybrane = d.selectedFiles();
            static_cast<QDialog&>(d).accept();
        });
        DrukujWyniki(*okno, nullptr, QPrinterInfo());
        QVERIFY(tak.Wykonane);
        QVERIFY(zapisz.Wykonane);
        QCOMPARE(typ, QStringLiteral("PDF (*.pdf)"));
        QCOMPARE(rozszerzenie, QStringLiteral("pdf"));
        QCOMPARE(wybrane, QStringList{plik});
        QFile pdf(plik);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
    }

    // The type of the saved file: the extension typed, whatever type the dialog shows;
    // without one of the two, the type chosen in the dialog, whose extension a bare name
    // gets.
    void typPlikuWDialogu_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QString>("plik");
        QTest::addColumn<QByteArray>("poczatek");
        QTest::newRow("PDF chosen, a bare name") << 1 << QStringLiteral("raport") << QStringLiteral("raport.pdf")
                                                 << QByteArray("%PDF-");
        QTest::newRow("PDF chosen, .BMP typed") << 1 << QStringLiteral("raport.BMP") << QStringLiteral("raport.BMP")
                                                << QByteArray("BM");
        QTest::newRow("bitmap chosen, .pdf typed") << 0 << QStringLiteral("raport2.pdf")
                                                   << QStringLiteral("raport2.pdf") << QByteArray("%PDF-");
        QTest::newRow("PDF chosen, another extension") << 1 << QStringLiteral("raport.wyn")
                                                       << QStringLiteral("raport.wyn") << QByteArray("%PDF-");
    }

    void typPlikuWDialogu()
    {
        QFETCH(int, typ);
        QFETCH(QString, nazwa);
        QFETCH(QString, plik);
        QFETCH(QByteArray, poczatek);
        auto okno = OknoPoRunie(1, Opcje(0, 0, 0, 0, 0, 0));
        QVERIFY(okno);
        const QString sciezka = QDir(Folder.filePath(QStringLiteral("Wyniki"))).filePath(plik);
        QFile::remove(sciezka);
        TPrzyOknieModalnym<QFileDialog> zapisz([&](QFileDialog& d) {
            // As the user picks a type from the list and types a name.
            auto* typy = d.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            typy->setCurrentIndex(typ);
            emit typy->activated(typ);
            emit typy->textActivated(typy->currentText());
            d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(nazwa);
            static_cast<QDialog&>(d).accept();
        });
        ZapiszWyniki(*okno, nullptr);
        QVERIFY(zapisz.Wykonane);
        QFile f(sciezka);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.read(poczatek.size()), poczatek);
    }

    // "Zapisz": the dialog over "Wyniki" beside the program, made when missing; the
    // bitmap as wide as the screen and as tall as the report; a prompt before
    // overwriting; nothing written on cancel.
    void zapisMapyBitowej()
    {
        auto okno = OknoPoRunie(1);
        QVERIFY(okno);
        const QDir wyniki(Folder.filePath(QStringLiteral("Wyniki")));
        QVERIFY(QDir(wyniki.path()).removeRecursively());
        const QString plik = wyniki.filePath(QStringLiteral("wyniki.bmp"));

        TPrzyOknieModalnym<QFileDialog> anuluj([](QFileDialog& d) { d.reject(); });
        ZapiszWyniki(*okno, nullptr);
        QVERIFY(anuluj.Wykonane);
        QVERIFY(wyniki.exists());
        QVERIFY(!QFile::exists(plik));

        QString tytul, filtr, typ, rozszerzenie, folder;
        QStringList wybrane;
        bool pyta = false;
        TPrzyOknieModalnym<QFileDialog> zapisz([&](QFileDialog& d) {
            tytul = d.windowTitle();
            filtr = d.nameFilters().join(QLatin1Char(';'));
            typ = d.selectedNameFilter();
            rozszerzenie = d.defaultSuffix();
            folder = d.directory().absolutePath();
            wybrane = d.selectedFiles();
            pyta = !d.testOption(QFileDialog::DontConfirmOverwrite) && d.acceptMode() == QFileDialog::AcceptSave;
            static_cast<QDialog&>(d).accept(); // QFileDialog::accept, with its overwrite prompt
        });
        ZapiszWyniki(*okno, nullptr);
        QVERIFY(zapisz.Wykonane);
        QCOMPARE(tytul, QStringLiteral("Zapisywanie wynikow symulacji"));
        QCOMPARE(filtr, QStringLiteral("Bitmapy (*.bmp);PDF (*.pdf)"));
        QCOMPARE(typ, QStringLiteral("Bitmapy (*.bmp)"));
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
        QVERIFY(!EksportujWyniki(*okno, Folder.filePath(QStringLiteral("brak/wyniki.bmp")), TFormatWynikow::MapaBitowa));
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
        if (QPrinterInfo::defaultPrinter().isNull()) {
            // This machine has no printer: the command offers the PDF.
            QString pytanie;
            TPrzyOknieModalnym<QMessageBox> nie([&](QMessageBox& m) {
                pytanie = m.text();
                m.button(QMessageBox::No)->click();
            });
            glowne.Drukuj1->trigger();
            QVERIFY(pytanie.contains(QStringLiteral("PDF")));
        }
        // The run left the analysis changed: its results go unsaved when asked.
        TPrzyOknieModalnym<QMessageBox> bezZapisu([](QMessageBox& m) { m.button(QMessageBox::Discard)->click(); });
        glowne.ClientArea->closeAllSubWindows();
        QVERIFY(bezZapisu.Wykonane);
        QTRY_VERIFY(glowne.ClientArea->subWindowList().isEmpty());
    }

private:
    QTemporaryDir Folder;
};

QTEST_MAIN(TestDrukowania)
#include "TestDrukowania.moc"
