#include "PlotnoQt.h"

#include <algorithm>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

namespace {

QString TekstQt(std::string_view tekst)
{
    return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
}

} // namespace

Qt::PenStyle StylQt(TPenStyle styl)
{
    switch (styl) {
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    case psSolid:
    case psInsideFrame:
        break;
    }
    return Qt::SolidLine;
}

// Qt's own dash patterns have no counterpart and read as solid.
TPenStyle StylZQt(Qt::PenStyle styl)
{
    switch (styl) {
    case Qt::DashLine:
        return psDash;
    case Qt::DotLine:
        return psDot;
    case Qt::DashDotLine:
        return psDashDot;
    case Qt::DashDotDotLine:
        return psDashDotDot;
    case Qt::NoPen:
        return psClear;
    default:
        return psSolid;
    }
}

QFont CzcionkaQt(const TCzcionka& czcionka)
{
    QFont font;
    if (!czcionka.Nazwa.empty())
        font.setFamily(TekstQt(czcionka.Nazwa));
    font.setPointSize(std::max(1, czcionka.Rozmiar));
    font.setBold(czcionka.Pogrubiona);
    return font;
}

TCzcionka CzcionkaZQt(const QFont& czcionka, TCzcionka poprzednia)
{
    const uint ustawione = czcionka.resolveMask();
    if (ustawione & (QFont::FamilyResolved | QFont::FamiliesResolved))
        poprzednia.Nazwa = czcionka.family().toStdString();
    if ((ustawione & QFont::SizeResolved) && czcionka.pointSize() > 0)
        poprzednia.Rozmiar = czcionka.pointSize();
    if (ustawione & QFont::WeightResolved)
        poprzednia.Pogrubiona = czcionka.bold();
    return poprzednia;
}

QColor KolorQt(TColor kolor)
{
    return QColor(
        static_cast<int>(kolor & 0xFF), static_cast<int>((kolor >> 8) & 0xFF), static_cast<int>((kolor >> 16) & 0xFF));
}

TColor KolorZQt(const QColor& kolor)
{
    const QColor rgb = kolor.toRgb();
    return static_cast<TColor>(rgb.red()) | static_cast<TColor>(rgb.green()) << 8
        | static_cast<TColor>(rgb.blue()) << 16;
}

TPlotnoQt::TPlotnoQt(QPainter& malarz, TColor pedzel)
    : Malarz(malarz)
    , Pioro(QColor(Qt::black), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin)
    , Pedzel(KolorQt(pedzel))
{
    UstawCzcionke(AktualnaCzcionka);
}

TPlotnoQt::~TPlotnoQt()
{
    RysujZaleglaLamana();
}

void TPlotnoQt::RysujZaleglaLamana()
{
    if (Lamana.isEmpty())
        return;
    Malarz.setPen(Pioro);
    Malarz.drawPolyline(Lamana);
    Lamana.clear();
}

void TPlotnoQt::UstawStylPiora(TPenStyle styl)
{
    RysujZaleglaLamana();
    Pioro.setStyle(StylQt(styl));
}

void TPlotnoQt::UstawKolorPiora(TColor kolor)
{
    RysujZaleglaLamana();
    Pioro.setColor(KolorQt(kolor));
}

void TPlotnoQt::UstawGruboscPiora(int grubosc)
{
    RysujZaleglaLamana();
    Pioro.setWidth(std::max(1, grubosc));
}

void TPlotnoQt::UstawKolorPedzla(TColor kolor)
{
    Pedzel = KolorQt(kolor);
}

void TPlotnoQt::PrzesunDo(int x, int y)
{
    RysujZaleglaLamana();
    Pozycja = QPoint(x, y);
}

void TPlotnoQt::LiniaDo(int x, int y)
{
    if (Lamana.isEmpty())
        Lamana.append(Pozycja);
    Pozycja = QPoint(x, y);
    Lamana.append(Pozycja);
}

void TPlotnoQt::Wielokat(std::span<const TPunktPlotna> wierzcholki)
{
    RysujZaleglaLamana();
    QPolygon wielokat;
    wielokat.reserve(static_cast<qsizetype>(wierzcholki.size()));
    for (const TPunktPlotna& p : wierzcholki)
        wielokat.append(QPoint(p.X, p.Y));
    Malarz.setPen(Pioro);
    Malarz.setBrush(Pedzel);
    Malarz.drawPolygon(wielokat);
    Malarz.setBrush(Qt::NoBrush);
}

void TPlotnoQt::WypelnijProstokat(int lewy, int gorny, int prawy, int dolny)
{
    RysujZaleglaLamana();
    if (prawy > lewy && dolny > gorny)
        Malarz.fillRect(QRect(lewy, gorny, prawy - lewy, dolny - gorny), Pedzel);
}

void TPlotnoQt::RysujObraz(int x, int y, int szerokosc, int wysokosc, std::span<const TColor> piksele)
{
    RysujZaleglaLamana();
    if (szerokosc <= 0 || wysokosc <= 0 ||
        piksele.size() < static_cast<std::size_t>(szerokosc) * static_cast<std::size_t>(wysokosc))
        return;
    QImage obraz(szerokosc, wysokosc, QImage::Format_RGB32);
    if (obraz.isNull())
        return;
    for (int w = 0; w < wysokosc; ++w) {
        auto* wiersz = reinterpret_cast<QRgb*>(obraz.scanLine(w));
        const TColor* zrodlo = piksele.data() + static_cast<std::size_t>(w) * static_cast<std::size_t>(szerokosc);
        for (int c = 0; c < szerokosc; ++c)
            wiersz[c] = qRgb(static_cast<int>(zrodlo[c] & 0xFF), static_cast<int>((zrodlo[c] >> 8) & 0xFF),
                             static_cast<int>((zrodlo[c] >> 16) & 0xFF));
    }
    Malarz.drawImage(QPoint(x, y), obraz);
}

void TPlotnoQt::UstawCzcionke(const TCzcionka& czcionka)
{
    RysujZaleglaLamana();
    AktualnaCzcionka = czcionka;
    Malarz.setFont(CzcionkaQt(czcionka));
}

void TPlotnoQt::PiszTekst(int x, int y, std::string_view tekst)
{
    RysujZaleglaLamana();
    const QString napis = TekstQt(tekst);
    const QFontMetrics miary = Malarz.fontMetrics();
    Malarz.fillRect(QRect(x, y, miary.horizontalAdvance(napis), miary.height()), Pedzel);
    Malarz.setPen(KolorQt(AktualnaCzcionka.Kolor));
    Malarz.drawText(x, y + miary.ascent(), napis);
}

int TPlotnoQt::SzerokoscTekstu(std::string_view tekst)
{
    return Malarz.fontMetrics().horizontalAdvance(TekstQt(tekst));
}

// One line of any text is as high as the font.
int TPlotnoQt::WysokoscTekstu(std::string_view)
{
    return Malarz.fontMetrics().height();
}
