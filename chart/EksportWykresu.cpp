#include "EksportWykresu.h"

#include <cmath>
#include <functional>
#include <vector>

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "Csv.h"
#include "Liczby.h"
#include "PlotnoQt.h"
#include "Vartostream.h"
#include "Wykres.h"
#include "ZapisPlikuQt.h"

namespace {

// A bitmap copy is refused beyond these: a side PNG readers commonly take, and 1 GiB of
// 32-bit pixels.
constexpr double MaksBokObrazu = 65535.0;
constexpr double MaksPikseliObrazu = 268435456.0;

// The program's whole-file write, its failure told in the chart's terms.
std::optional<TBladEksportu> Zapisz(const QString& plik, const std::function<bool(QIODevice&)>& pisz)
{
    const std::optional<TBladZapisu> blad = ZapiszPlik(plik, pisz);
    if (!blad)
        return std::nullopt;
    return TBladEksportu { blad->Rodzaj == TBladZapisu::NieZwyklyPlik ? TBladEksportu::NieZwyklyPlik
                                                                       : TBladEksportu::Zapis,
        blad->Szczegoly };
}

// The background, then the chart as on screen, in the painter's coordinates.
void Maluj(TWykres& wykres, QPainter& malarz, bool wektorowo)
{
    malarz.fillRect(QRect(QPoint(0, 0), wykres.size()), KolorQt(wykres.Color()));
    PrzesunDlaWektorow(malarz, wektorowo);
    TPlotnoQt plotno(malarz, wykres.Color());
    wykres.MalujJakNaEkranie(plotno);
}

bool ZapiszSvg(QSize rozmiar, int dpi, const TRysowanie& rysuj, QIODevice& wyjscie)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&wyjscie);
    svg.setSize(rozmiar);
    svg.setViewBox(QRect(QPoint(0, 0), rozmiar));
    // Points become the screen's pixels, so labels keep the size they have there.
    svg.setResolution(dpi);
    QPainter malarz;
    if (!malarz.begin(&svg))
        return false;
    rysuj(malarz, true);
    return malarz.end();
}

bool ZapiszPdf(QSize rozmiar, int dpi, const TRysowanie& rysuj, QIODevice& wyjscie)
{
    QPdfWriter pdf(&wyjscie);
    UstawPdf(pdf, QPageSize(QSizeF(rozmiar.width() * 72.0 / dpi, rozmiar.height() * 72.0 / dpi), QPageSize::Point,
                      QString(), QPageSize::ExactMatch), dpi);
    QPainter malarz;
    if (!malarz.begin(&pdf))
        return false;
    rysuj(malarz, true);
    return malarz.end();
}

// The drawing as a bitmap of skala times its size; a null image when that is empty or too large.
QImage Obraz(QSize rozmiar, int dpiX, int dpiY, double skala, const TRysowanie& rysuj)
{
    const double szerokosc = std::ceil(rozmiar.width() * skala);
    const double wysokosc = std::ceil(rozmiar.height() * skala);
    if (!(szerokosc >= 1.0 && wysokosc >= 1.0 && szerokosc <= MaksBokObrazu && wysokosc <= MaksBokObrazu
            && szerokosc * wysokosc <= MaksPikseliObrazu))
        return {};
    QImage obraz(static_cast<int>(szerokosc), static_cast<int>(wysokosc), QImage::Format_RGB32);
    if (obraz.isNull())
        return {};
    // The screen's resolution, so that labels keep their size relative to the chart.
    obraz.setDotsPerMeterX(std::lround(dpiX / 0.0254));
    obraz.setDotsPerMeterY(std::lround(dpiY / 0.0254));
    QPainter malarz(&obraz);
    malarz.scale(skala, skala);
    rysuj(malarz, false);
    return obraz;
}

// The visible series that have a stream, with their indexes.
std::vector<std::int32_t> WidoczneSerie(const TWykres& wykres)
{
    std::vector<std::int32_t> wynik;
    for (std::int32_t i = 0; i < wykres.LiczbaSerii(); ++i)
        if (const TSeria* s = wykres.Seria(i); s->Widoczna && s->Strumien)
            wynik.push_back(i);
    return wynik;
}

std::string NazwaSerii(const TWykres& wykres, std::int32_t indeks)
{
    const std::string nazwa = wykres.Seria(indeks)->Strumien->ZwrocNazwe();
    return PoleCsv(nazwa.empty() ? "seria " + FormatujCalkowita(indeks + 1) : nazwa);
}

bool WspolneX(const TWykres& wykres, const std::vector<std::int32_t>& serie)
{
    TFltFltStrumien& pierwsza = *wykres.Seria(serie.front())->Strumien;
    const std::int32_t n = pierwsza.ZwrocDlugosc();
    for (std::size_t j = 1; j < serie.size(); ++j) {
        TFltFltStrumien& s = *wykres.Seria(serie[j])->Strumien;
        if (s.ZwrocDlugosc() != n)
            return false;
        for (std::int32_t i = 0; i < n; ++i)
            if (s.Zwroc(i).X != pierwsza.Zwroc(i).X)
                return false;
    }
    return true;
}

} // namespace

void UstawPdf(QPdfWriter& pdf, const QPageSize& strona, int dpi)
{
    pdf.setResolution(dpi);
    pdf.setPageLayout(QPageLayout(strona, QPageLayout::Portrait, QMarginsF()));
    pdf.setCreator(QStringLiteral("Lintavox"));
}

std::optional<TFormatObrazu> FormatObrazu(const QString& plik)
{
    const QString rozszerzenie = QFileInfo(plik).suffix().toLower();
    if (rozszerzenie == QStringLiteral("png"))
        return TFormatObrazu::Png;
    if (rozszerzenie == QStringLiteral("svg"))
        return TFormatObrazu::Svg;
    if (rozszerzenie == QStringLiteral("pdf"))
        return TFormatObrazu::Pdf;
    return std::nullopt;
}

void PrzesunDlaWektorow(QPainter& malarz, bool wektorowo)
{
    if (wektorowo)
        malarz.translate(0.5, 0.5);
}

QImage ObrazWykresu(TWykres& wykres, double skala)
{
    return Obraz(wykres.size(), wykres.logicalDpiX(), wykres.logicalDpiY(), skala,
        [&](QPainter& malarz, bool wektorowo) { Maluj(wykres, malarz, wektorowo); });
}

std::optional<TBladEksportu> ZapiszRysunek(const QString& plik, TFormatObrazu format, QSize rozmiar, int dpiX,
    int dpiY, double skala, const TRysowanie& rysuj)
{
    // A vector drawing keeps the vertical resolution, which sets its labels' size.
    const int dpi = dpiY;
    switch (format) {
    case TFormatObrazu::Png: {
        const QImage obraz = Obraz(rozmiar, dpiX, dpiY, skala, rysuj);
        if (obraz.isNull())
            return TBladEksportu { TBladEksportu::ZaDuzyObraz, {} };
        return Zapisz(plik, [&](QIODevice& wyjscie) { return obraz.save(&wyjscie, "PNG"); });
    }
    case TFormatObrazu::Svg:
        return Zapisz(plik, [&](QIODevice& wyjscie) { return ZapiszSvg(rozmiar, dpi, rysuj, wyjscie); });
    case TFormatObrazu::Pdf:
        return Zapisz(plik, [&](QIODevice& wyjscie) { return ZapiszPdf(rozmiar, dpi, rysuj, wyjscie); });
    }
    return std::nullopt;
}

std::optional<TBladEksportu> ZapiszObraz(TWykres& wykres, const QString& plik, TFormatObrazu format, double skala)
{
    return ZapiszRysunek(plik, format, wykres.size(), wykres.logicalDpiX(), wykres.logicalDpiY(), skala,
        [&](QPainter& malarz, bool wektorowo) { Maluj(wykres, malarz, wektorowo); });
}

bool MaDaneDoZapisu(const TWykres& wykres)
{
    return !WidoczneSerie(wykres).empty();
}

std::string DaneWykresuCsv(const TWykres& wykres)
{
    const std::vector<std::int32_t> serie = WidoczneSerie(wykres);
    if (serie.empty())
        return {};
    std::string tekst;
    if (WspolneX(wykres, serie)) {
        tekst += "x";
        for (const std::int32_t s : serie)
            tekst += "," + NazwaSerii(wykres, s);
        tekst += "\n";
        TFltFltStrumien& pierwsza = *wykres.Seria(serie.front())->Strumien;
        for (std::int32_t i = 0; i < pierwsza.ZwrocDlugosc(); ++i) {
            tekst += FormatujDoPliku(pierwsza.Zwroc(i).X);
            for (const std::int32_t s : serie)
                tekst += "," + FormatujDoPliku(wykres.Seria(s)->Strumien->Zwroc(i).Y);
            tekst += "\n";
        }
        return tekst;
    }
    for (const std::int32_t s : serie) {
        if (!tekst.empty())
            tekst += "\n";
        tekst += "x," + NazwaSerii(wykres, s) + "\n";
        TFltFltStrumien& strumien = *wykres.Seria(s)->Strumien;
        for (std::int32_t i = 0; i < strumien.ZwrocDlugosc(); ++i) {
            const TPunkt p = strumien.Zwroc(i);
            tekst += FormatujDoPliku(p.X) + "," + FormatujDoPliku(p.Y) + "\n";
        }
    }
    return tekst;
}

std::optional<TBladEksportu> ZapiszDane(const TWykres& wykres, const QString& plik)
{
    const QByteArray dane = QByteArray::fromStdString(DaneWykresuCsv(wykres));
    return Zapisz(plik, [&](QIODevice& wyjscie) { return wyjscie.write(dane) == dane.size(); });
}
