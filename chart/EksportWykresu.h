// Copies of a chart as the screen shows it: a bitmap at any scale, SVG and PDF drawn
// through the chart's own painting (text as text, lines as paths), and the data of its
// visible series as CSV. No dialogs: the chart's menu and the command line both use it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QImage>
#include <QSize>
#include <QString>

class QPageSize;
class QPainter;
class QPdfWriter;
class TWykres;

enum class TFormatObrazu { Png, Svg, Pdf };

// Why a file was not written: as for any file the program writes (TBladZapisu), or the
// bitmap would be too large to hold.
struct TBladEksportu {
    enum TRodzaj { NieZwyklyPlik, ZaDuzyObraz, Zapis } Rodzaj;
    QString Szczegoly;
};

// A PDF writer set to pages of the given size with no margins, dpi device pixels to the
// inch, made by Lintavox.
void UstawPdf(QPdfWriter& pdf, const QPageSize& strona, int dpi);

// The format a file name asks for by its extension (any case), if it is one of the three.
std::optional<TFormatObrazu> FormatObrazu(const QString& plik);

// Paints a drawing with the painter; wektorowo tells an SVG or PDF target from a bitmap.
using TRysowanie = std::function<void(QPainter& malarz, bool wektorowo)>;

// Writes a drawing of rozmiar pixels at the resolution dpiX × dpiY to plik: PNG at skala, SVG
// and PDF at its size, one page. The file appears only when complete. Charts and
// compositions of them alike.
std::optional<TBladEksportu> ZapiszRysunek(const QString& plik, TFormatObrazu format, QSize rozmiar, int dpiX,
    int dpiY, double skala, const TRysowanie& rysuj);
// The screen draws a one-pixel line at x on the pixel column x; a vector drawing puts it
// there when shifted by half a pixel, where it would otherwise straddle two columns. A
// drawing calls this before it draws.
void PrzesunDlaWektorow(QPainter& malarz, bool wektorowo);

// The chart on its background, skala times its size on screen; a null image when that
// size is empty or too large.
QImage ObrazWykresu(TWykres& wykres, double skala);

// Writes the chart to plik: PNG at skala (1: the screen's pixels), SVG and PDF at the
// screen's size in its resolution, one page. The file appears only when complete.
std::optional<TBladEksportu> ZapiszObraz(TWykres& wykres, const QString& plik, TFormatObrazu format, double skala);

// The visible series as CSV with '.' decimals, each number read back exactly: one table
// "x,<name>,<name>…" when every visible series has the same x values, otherwise one
// "x,<name>" block per series, blocks parted by an empty line. A series is named after
// its stream, or "seria <index>" when the stream has no name. Empty with no such series.
std::string DaneWykresuCsv(const TWykres& wykres);
// True when the chart has a visible series to write.
bool MaDaneDoZapisu(const TWykres& wykres);
std::optional<TBladEksportu> ZapiszDane(const TWykres& wykres, const QString& plik);
