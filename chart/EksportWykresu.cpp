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

// The background, then the chart as on screen, in the painter's coordinates. The
// screen draws a one-pixel line at x on the pixel column x; a vector drawing puts it
// there when shifted by half a pixel, where it would otherwise straddle two columns.
void Maluj(TWykres& wykres, QPainter& malarz, bool wektorowo)
{
    malarz.fillRect(QRect(QPoint(0, 0), wykres.size()), KolorQt(wykres.Color()));
    if (wektorowo)
        malarz.translate(0.5, 0.5);
    TPlotnoQt plotno(malarz, wykres.Color());
    wykres.MalujJakNaEkranie(plotno);
}

bool ZapiszSvg(TWykres& wykres, QIODevice& wyjscie)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&wyjscie);
    svg.setSize(wykres.size());
    svg.setViewBox(QRect(QPoint(0, 0), wykres.size()));
    // Points become the screen's pixels, so labels keep the size they have there.
    svg.setResolution(wykres.logicalDpiY());
    QPainter malarz;
    if (!malarz.begin(&svg))
        return false;
    Maluj(wykres, malarz, true);
    return malarz.end();
}

bool ZapiszPdf(TWykres& wykres, QIODevice& wyjscie)
{
    QPdfWriter pdf(&wyjscie);
    const int dpi = wykres.logicalDpiY();
    UstawPdf(pdf, QPageSize(QSizeF(wykres.width() * 72.0 / dpi, wykres.height() * 72.0 / dpi), QPageSize::Point,
                      QString(), QPageSize::ExactMatch), dpi);
    QPainter malarz;
    if (!malarz.begin(&pdf))
        return false;
    Maluj(wykres, malarz, true);
    return malarz.end();
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

QImage ObrazWykresu(TWykres& wykres, double skala)
{
    const double szerokosc = std::ceil(wykres.width() * skala);
    const double wysokosc = std::ceil(wykres.height() * skala);
    if (!(szerokosc >= 1.0 && wysokosc >= 1.0 && szerokosc <= MaksBokObrazu && wysokosc <= MaksBokObrazu
            && szerokosc * wysokosc <= MaksPikseliObrazu))
        return {};
    QImage obraz(static_cast<int>(szerokosc), static_cast<int>(wysokosc), QImage::Format_RGB32);
    if (obraz.isNull())
        return {};
    // The screen's resolution, so that labels keep their size relative to the chart.
    obraz.setDotsPerMeterX(std::lround(wykres.logicalDpiX() / 0.0254));
    obraz.setDotsPerMeterY(std::lround(wykres.logicalDpiY() / 0.0254));
    QPainter malarz(&obraz);
    malarz.scale(skala, skala);
    Maluj(wykres, malarz, false);
    return obraz;
}

std::optional<TBladEksportu> ZapiszObraz(TWykres& wykres, const QString& plik, TFormatObrazu format, double skala)
{
    switch (format) {
    case TFormatObrazu::Png: {
        const QImage obraz = ObrazWykresu(wykres, skala);
        if (obraz.isNull())
            return TBladEksportu { TBladEksportu::ZaDuzyObraz, {} };
        return Zapisz(plik, [&](QIODevice& wyjscie) { return obraz.save(&wyjscie, "PNG"); });
    }
    case TFormatObrazu::Svg:
        return Zapisz(plik, [&](QIODevice& wyjscie) { return ZapiszSvg(wykres, wyjscie); });
    case TFormatObrazu::Pdf:
        return Zapisz(plik, [&](QIODevice& wyjscie) { return ZapiszPdf(wykres, wyjscie); });
    }
    return std::nullopt;
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
