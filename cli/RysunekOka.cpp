#include "RysunekOka.h"

#include "BladRysunku.h"
#include "EksportWykresu.h"
#include "WykresOka.h"
#include "Wykres.h"

namespace {

constexpr int Szerokosc = 900; // pixels of the picture
constexpr int Wysokosc = 560;

} // namespace

std::string ZapiszOko(const TWynikSymulacji& w, const std::string& plik, TRysunek format)
{
    TWykres wykres;
    wykres.resize(Szerokosc, Wysokosc);
    wykres.UstawMarginesDolny(16);
    TZawartoscOka oko;
    oko.Pokaz(wykres, w, TWidokOka::Gestosc, true);
    const std::optional<TBladEksportu> blad = ZapiszObraz(wykres, QString::fromStdString(plik),
                                                          format == TRysunek::Png ? TFormatObrazu::Png : TFormatObrazu::Svg, 1.0);
    return OpisBleduRysunku(plik, blad);
}
