// Copies of a chart: the bitmap against the screen, SVG and PDF as vector drawings of
// the same picture, CSV read back to the series' values, refused targets, and the menu.
#include <sys/stat.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "EksportWykresu.h"
#include "MenuWykresu.h"
#include "PomocnikiWykresu.h"

namespace {

constexpr TColor Czerwony = 0x0000FF;
constexpr TColor Niebieski = 0xFF0000;

const std::vector<TPunkt> PunktySerii { { 0, 0 }, { 2, 0.5f }, { 4, -0.5f }, { 6, 1 }, { 8, -1 }, { 10, 0 } };

// The example chart with a red series over the axes and a hidden blue one.
struct TZnanyWykres {
    TWykres W;
    std::unique_ptr<TFltFltStrumien> Widoczny = Strumien(PunktySerii);
    std::unique_ptr<TFltFltStrumien> Ukryty = Strumien({ { 0, 0.9f }, { 10, 0.9f } });

    TZnanyWykres()
    {
        UstawPrzyklad(W);
        W.OsY.UstawSkala(1.0f);
        W.DodajSerie(Widoczny.get(), Czerwony, psSolid);
        W.PokazUkryjSerie(W.DodajSerie(Ukryty.get(), Niebieski, psSolid), false);
        W.show();
    }

    // The series' points in pixels, as the screen maps them.
    QString PunktyNaEkranie()
    {
        QStringList punkty;
        for (const TPunkt& p : PunktySerii)
            punkty << QStringLiteral("%1,%2").arg(W.KonwersjaWspolX(p.X, 0)).arg(W.KonwersjaWspolY(p.Y, 0));
        return punkty.join(QLatin1Char(' '));
    }
};

// What an SVG draws: its texts, its lines with their stroke colours, and any bitmap.
struct TRysunekSvg {
    QString ViewBox;
    QStringList Teksty;
    QList<QPair<QString, QString>> Linie; // stroke, points
    int Obrazy = 0;
};

TRysunekSvg CzytajSvg(const QString& plik)
{
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    TRysunekSvg rysunek;
    QStringList kreski { QStringLiteral("none") };
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QStringLiteral("g"))
            kreski.removeLast();
        if (!xml.isStartElement())
            continue;
        const auto a = xml.attributes();
        if (xml.name() == QStringLiteral("svg"))
            rysunek.ViewBox = a.value(QStringLiteral("viewBox")).toString();
        else if (xml.name() == QStringLiteral("g"))
            kreski << (a.hasAttribute(QStringLiteral("stroke")) ? a.value(QStringLiteral("stroke")).toString()
                                                                 : kreski.last());
        else if (xml.name() == QStringLiteral("polyline") || xml.name() == QStringLiteral("path"))
            rysunek.Linie.append({ kreski.last(), a.value(QStringLiteral("points")).toString().trimmed() });
        else if (xml.name() == QStringLiteral("text"))
            rysunek.Teksty << xml.readElementText();
        else if (xml.name() == QStringLiteral("image"))
            ++rysunek.Obrazy;
    }
    return xml.hasError() ? TRysunekSvg {} : rysunek;
}

QByteArray Zawartosc(const QString& plik)
{
    QFile f(plik);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Zapisz(const QString& plik, const QByteArray& dane)
{
    QFile f(plik);
    return f.open(QIODevice::WriteOnly) && f.write(dane) == dane.size();
}

// CSV rows split into fields; a quoted field keeps its commas and doubled quotes.
QList<QStringList> CzytajCsv(const QByteArray& dane)
{
    QList<QStringList> wiersze;
    for (const QString& linia : QString::fromUtf8(dane).split(QLatin1Char('\n'))) {
        QStringList pola;
        QString pole;
        bool wCudzyslowie = false;
        for (qsizetype i = 0; i < linia.size(); ++i) {
            const QChar c = linia[i];
            if (c == QLatin1Char('"') && wCudzyslowie && i + 1 < linia.size() && linia[i + 1] == QLatin1Char('"'))
                pole += linia[++i];
            else if (c == QLatin1Char('"'))
                wCudzyslowie = !wCudzyslowie;
            else if (c == QLatin1Char(',') && !wCudzyslowie)
                pola << std::exchange(pole, QString());
            else
                pole += c;
        }
        pola << pole;
        wiersze << pola;
    }
    return wiersze;
}

float Liczba(const QString& tekst)
{
    bool ok = false;
    const float v = tekst.toFloat(&ok);
    return ok ? v : std::numeric_limits<float>::quiet_NaN();
}

} // namespace

class TestEksportuWykresu : public QObject {
    Q_OBJECT

    QTemporaryDir Folder;

    QString Plik(const QString& nazwa) const { return Folder.filePath(nazwa); }

private slots:
    // The copy at scale 1 is the screen, pixel for pixel: both are painted by one path.
    void obrazJakEkran()
    {
        TZnanyWykres z;
        const QImage ekran = z.W.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage kopia = ObrazWykresu(z.W, 1.0);
        QCOMPARE(kopia.size(), QSize(300, 200));
        QCOMPARE(kopia, ekran);
    }

    void obrazWSkali()
    {
        TZnanyWykres z;
        const QImage obraz = ObrazWykresu(z.W, 2.0);
        QCOMPARE(obraz.size(), QSize(600, 400));
        // The series' vertex at (6, 1), in doubled pixels, is red.
        QCOMPARE(obraz.pixel(2 * z.W.KonwersjaWspolX(6, 0), 2 * z.W.KonwersjaWspolY(1, 0) + 1), qRgb(255, 0, 0));
        QVERIFY(ObrazWykresu(z.W, 0.0).isNull());
        QVERIFY(ObrazWykresu(z.W, 1e6).isNull());
    }

    void svgRysujeSerieIOpisy()
    {
        TZnanyWykres z;
        const QString plik = Plik(QStringLiteral("wykres.svg"));
        QVERIFY(!ZapiszObraz(z.W, plik, TFormatObrazu::Svg, 1.0));
        const TRysunekSvg svg = CzytajSvg(plik);
        QCOMPARE(svg.ViewBox, QStringLiteral("0 0 300 200"));
        QCOMPARE(svg.Obrazy, 0);
        QVERIFY(svg.Linie.contains(qMakePair(QStringLiteral("#ff0000"), z.PunktyNaEkranie())));
        // The hidden series stays out, as on screen.
        for (const auto& linia : svg.Linie)
            QVERIFY(linia.first != QStringLiteral("#0000ff"));
        for (const char* opis : { "0.00", "2.00", "10.00", "-1.00", "1.00" })
            QVERIFY2(svg.Teksty.contains(QString::fromLatin1(opis)), opis);
    }

    void pdfJednaStronaWektorowa()
    {
        TZnanyWykres z;
        const QString plik = Plik(QStringLiteral("wykres.pdf"));
        QVERIFY(!ZapiszObraz(z.W, plik, TFormatObrazu::Pdf, 1.0));
        const QByteArray pdf = Zawartosc(plik);
        QVERIFY(pdf.startsWith("%PDF-"));
        const QString tekst = QString::fromLatin1(pdf);
        QCOMPARE(tekst.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1);
        QVERIFY(tekst.contains(QRegularExpression(QStringLiteral("/Count\\s+1\\b"))));
        // 300 × 200 screen pixels at 96 dpi.
        QVERIFY(tekst.contains(QRegularExpression(QStringLiteral("/MediaBox\\s*\\[0 0 225(\\.0+)? 150(\\.0+)?\\]"))));
        QVERIFY(tekst.contains(QStringLiteral("/Font")));
        QVERIFY(!tekst.contains(QRegularExpression(QStringLiteral("/Subtype\\s*/Image"))));
    }

    void pngZapisanyWSkali()
    {
        TZnanyWykres z;
        const QString plik = Plik(QStringLiteral("wykres.png"));
        QVERIFY(!ZapiszObraz(z.W, plik, TFormatObrazu::Png, 1.5));
        QCOMPARE(QImage(plik).size(), QSize(450, 300));
    }

    void formatZNazwy_data()
    {
        QTest::addColumn<QString>("plik");
        QTest::addColumn<int>("format");
        QTest::newRow("png") << QStringLiteral("/tmp/a.png") << static_cast<int>(TFormatObrazu::Png);
        QTest::newRow("SVG") << QStringLiteral("wykres.SVG") << static_cast<int>(TFormatObrazu::Svg);
        QTest::newRow("pdf") << QStringLiteral("a.b.pdf") << static_cast<int>(TFormatObrazu::Pdf);
        QTest::newRow("bmp") << QStringLiteral("a.bmp") << -1;
        QTest::newRow("bez rozszerzenia") << QStringLiteral("png") << -1;
        QTest::newRow("pusty") << QString() << -1;
    }

    void formatZNazwy()
    {
        QFETCH(QString, plik);
        QFETCH(int, format);
        const std::optional<TFormatObrazu> f = FormatObrazu(plik);
        QCOMPARE(f ? static_cast<int>(*f) : -1, format);
    }

    // Series with different x values: one block per visible series, named after its stream.
    void csvBlokiSerii()
    {
        TZnanyWykres z;
        auto druga = Strumien({ { 0.1f, 3e-7f }, { 1.0f / 3.0f, -2.5f } });
        druga->UstawNazwe("Tor 1, \"B\"");
        z.W.DodajSerie(druga.get(), Niebieski, psDash);
        const QString plik = Plik(QStringLiteral("bloki.csv"));
        QVERIFY(!ZapiszDane(z.W, plik));
        const QList<QStringList> wiersze = CzytajCsv(Zawartosc(plik));
        // Header and 6 rows, an empty line, header and 2 rows, the final line break.
        QCOMPARE(wiersze.size(), 1 + 6 + 1 + 1 + 2 + 1);
        QCOMPARE(wiersze[0], (QStringList { QStringLiteral("x"), QStringLiteral("seria 1") }));
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(Liczba(wiersze[1 + i][0]), PunktySerii[static_cast<std::size_t>(i)].X);
            QCOMPARE(Liczba(wiersze[1 + i][1]), PunktySerii[static_cast<std::size_t>(i)].Y);
        }
        QCOMPARE(wiersze[7], QStringList { QString() });
        QCOMPARE(wiersze[8], (QStringList { QStringLiteral("x"), QStringLiteral("Tor 1, \"B\"") }));
        QCOMPARE(Liczba(wiersze[9][0]), 0.1f);
        QCOMPARE(Liczba(wiersze[9][1]), 3e-7f);
        QCOMPARE(Liczba(wiersze[10][0]), 1.0f / 3.0f);
        QCOMPARE(Liczba(wiersze[10][1]), -2.5f);
    }

    // Series sharing their x values make one table.
    void csvWspolnaTabela()
    {
        TWykres w;
        auto a = Strumien({ { 0, 1 }, { 0.5f, 2 }, { 1, 3 } });
        auto b = Strumien({ { 0, -1 }, { 0.5f, -2 }, { 1, -3 } });
        a->UstawNazwe("A");
        b->UstawNazwe("B");
        w.DodajSerie(a.get(), Czerwony, psSolid);
        w.DodajSerie(b.get(), Niebieski, psSolid);
        QCOMPARE(DaneWykresuCsv(w), std::string("x,A,B\n0,1,-1\n0.5,2,-2\n1,3,-3\n"));
        // A hidden series is not written; the other one alone is its own table.
        w.PokazUkryjSerie(0, false);
        QCOMPARE(DaneWykresuCsv(w), std::string("x,B\n0,-1\n0.5,-2\n1,-3\n"));
        w.PokazUkryjSerie(1, false);
        QCOMPARE(DaneWykresuCsv(w), std::string());
        QVERIFY(!MaDaneDoZapisu(w));
    }

    // Nothing is written over a folder or a pipe, an existing file stays whole when the
    // copy fails, and a failure says why.
    void odmowyZapisu()
    {
        TZnanyWykres z;
        const auto blad = ZapiszObraz(z.W, Folder.path(), TFormatObrazu::Svg, 1.0);
        QVERIFY(blad && blad->Rodzaj == TBladEksportu::NieZwyklyPlik);
        const QString kolejka = Plik(QStringLiteral("kolejka.csv"));
        QCOMPARE(::mkfifo(QFile::encodeName(kolejka).constData(), 0600), 0);
        const auto bladKolejki = ZapiszDane(z.W, kolejka);
        QVERIFY(bladKolejki && bladKolejki->Rodzaj == TBladEksportu::NieZwyklyPlik);
        QVERIFY(!QFileInfo(kolejka).isFile());

        const QString stary = Plik(QStringLiteral("stary.png"));
        QVERIFY(Zapisz(stary, "stare"));
        const auto zaDuzy = ZapiszObraz(z.W, stary, TFormatObrazu::Png, 1e4);
        QVERIFY(zaDuzy && zaDuzy->Rodzaj == TBladEksportu::ZaDuzyObraz);
        QCOMPARE(Zawartosc(stary), QByteArray("stare"));
        QVERIFY(!ZapiszObraz(z.W, stary, TFormatObrazu::Png, 1.0));
        QVERIFY(Zawartosc(stary).startsWith("\x89PNG"));

        const auto brakFolderu = ZapiszDane(z.W, Plik(QStringLiteral("brak/dane.csv")));
        QVERIFY(brakFolderu && brakFolderu->Rodzaj == TBladEksportu::Zapis);
        QVERIFY(!brakFolderu->Szczegoly.isEmpty());
    }

    void menuKopiujeObraz()
    {
        TZnanyWykres z;
        QMenu* menu = UtworzMenuWykresu(z.W);
        const QList<QAction*> akcje = menu->actions();
        QCOMPARE(akcje.size(), 3);
        QCOMPARE(akcje[0]->text(), QStringLiteral("Kopiuj obraz"));
        QCOMPARE(akcje[1]->text(), QStringLiteral("Zapisz obraz…"));
        QCOMPARE(akcje[2]->text(), QStringLiteral("Zapisz dane…"));
        QVERIFY(akcje[2]->isEnabled());
        QApplication::clipboard()->clear();
        akcje[0]->trigger();
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), ObrazWykresu(z.W, 1.0));
        delete menu;

        TWykres pusty;
        std::unique_ptr<QMenu> menuPustego(UtworzMenuWykresu(pusty));
        QVERIFY(!menuPustego->actions()[2]->isEnabled());
    }

    void prawyPrzyciskOtwieraMenu()
    {
        TZnanyWykres z;
        QContextMenuEvent zdarzenie(QContextMenuEvent::Mouse, QPoint(50, 50), z.W.mapToGlobal(QPoint(50, 50)));
        QApplication::sendEvent(&z.W, &zdarzenie);
        auto* menu = z.W.findChild<QMenu*>(QStringLiteral("MenuWykresu"));
        QVERIFY(menu);
        QVERIFY(menu->isVisible());
        menu->close();
    }
};

QTEST_MAIN(TestEksportuWykresu)
#include "TestEksportuWykresu.moc"
