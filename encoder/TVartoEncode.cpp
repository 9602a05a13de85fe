#include "TVartoEncode.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "TVarto1000BaseTEncode.h"
#include "TVarto100BaseTXEncode.h"
#include "TVarto10BaseTEncode.h"
#include "VartoEncode.h"

namespace {

// Number of points of a staircase or signal: the first symbol counts as a change,
// and every change needs two points, plus the closing point.
std::int32_t LiczbaPunktow(TIntStrumien& s, std::int32_t dlugosc)
{
    std::int32_t punkty = 0;
    std::int32_t poprzedni = 1 - s.Zwroc(0);
    for (std::int32_t k = 0; k < dlugosc; ++k) {
        const std::int32_t v = s.Zwroc(k);
        if (v != poprzedni)
            punkty += 2;
        poprzedni = v;
    }
    return punkty;
}

} // namespace

TVartoEncode::TVartoEncode(std::int32_t szybkosc, float poziomDolny, float poziomGorny, float nachylenie)
    : PoziomDolny(poziomDolny), PoziomGorny(poziomGorny), Szybkosc(szybkosc), Nachylenie(nachylenie)
{
}

TVartoEncode::~TVartoEncode() = default;

std::string* TVartoEncode::ZwrocTypy(std::int32_t& liczba)
{
    liczba = LiczbaStrumieni;
    return NazwyStrumieni.release();
}

void TVartoEncode::KodujWejscie(const std::int32_t* bity, std::int32_t n)
{
    CiagWejsciowy = std::make_unique<TIntStrumien>();
    CiagWejsciowy->UstawDlugosc(n);
    for (std::int32_t i = 0; i < n; ++i)
        CiagWejsciowy->Ustaw(i, bity[i]);
    WykresWejscia = ZwrocWykresCiagu(*CiagWejsciowy, 1.0f);
}

TFltFltStrumien* TVartoEncode::Zachowaj(std::unique_ptr<TFltFltStrumien> s)
{
    NieWydane.push_back(std::move(s));
    return NieWydane.back().get();
}

TFltFltStrumien* TVartoEncode::ZwrocWykresCiagu(TIntStrumien& s, float krok)
{
    auto wykres = std::make_unique<TFltFltStrumien>();
    const std::int32_t dlugosc = s.ZwrocDlugosc();
    if (dlugosc < 1) {
        wykres->UstawDlugosc(0);
        return Zachowaj(std::move(wykres));
    }
    const std::int32_t punkty = LiczbaPunktow(s, dlugosc);
    wykres->UstawDlugosc(punkty);
    std::int32_t poprzedni = s.Zwroc(0);
    wykres->Ustaw(0, TPunkt{0.0f, static_cast<float>(poprzedni)});
    std::int32_t j = 1;
    for (std::int32_t k = 1; k < dlugosc; ++k) {
        const std::int32_t v = s.Zwroc(k);
        if (v != poprzedni) {
            const float x = static_cast<float>(k) * krok;
            wykres->Ustaw(j, TPunkt{x, static_cast<float>(poprzedni)});
            wykres->Ustaw(j + 1, TPunkt{x, static_cast<float>(v)});
            j += 2;
        }
        poprzedni = v;
    }
    wykres->Ustaw(punkty - 1, TPunkt{static_cast<float>(dlugosc) * krok, static_cast<float>(poprzedni)});
    return Zachowaj(std::move(wykres));
}

TFltFltStrumien* TVartoEncode::ZwrocSygnal(TIntStrumien& s, std::int32_t a, std::int32_t b, float krok)
{
    auto sygnal = std::make_unique<TFltFltStrumien>();
    const std::int32_t dlugosc = s.ZwrocDlugosc();
    if (dlugosc < 1) {
        sygnal->UstawDlugosc(0);
        return Zachowaj(std::move(sygnal));
    }
    std::int32_t maksimum = 0;
    std::int32_t minimum = 0;
    for (std::int32_t k = 0; k < dlugosc; ++k) {
        maksimum = std::max(maksimum, s.Zwroc(k));
        minimum = std::min(minimum, s.Zwroc(k));
    }
    if (maksimum == minimum) {
        // A line that never leaves symbol 0 is drawn flat at the raw symbol value.
        sygnal->UstawDlugosc(10);
        for (std::int32_t i = 0; i < 9; ++i)
            sygnal->Ustaw(i, TPunkt{static_cast<float>(i), 0.0f});
        sygnal->Ustaw(9, TPunkt{static_cast<float>(dlugosc), 0.0f});
        return Zachowaj(std::move(sygnal));
    }

    const float h = static_cast<float>((PoziomGorny - PoziomDolny) / static_cast<float>(b - a));
    const float o = static_cast<float>(PoziomDolny - static_cast<float>(a) * h);
    const auto poziom = [h, o](std::int32_t v) { return static_cast<float>(v) * h + o; };
    // Half the voltage swing over the slope (V / (V/us) = us), times the symbol rate,
    // is the edge half-width in symbol periods; a slope that is not positive draws
    // vertical edges.
    const auto polowaSzerokosci = [h, this](std::int32_t skok) {
        if (!(Nachylenie > 0.0f))
            return 0.0f;
        return std::fabs(h * 0.5f) * static_cast<float>(skok) / Nachylenie * static_cast<float>(Szybkosc);
    };

    const std::int32_t punkty = LiczbaPunktow(s, dlugosc);
    sygnal->UstawDlugosc(punkty);
    std::int32_t poprzedni = s.Zwroc(0);
    float poprzedniPoziom = poziom(poprzedni);
    sygnal->Ustaw(0, TPunkt{0.0f, poprzedniPoziom});
    std::int32_t j = 1;
    for (std::int32_t k = 1; k < dlugosc; ++k) {
        const std::int32_t v = s.Zwroc(k);
        if (v != poprzedni) {
            const float w = polowaSzerokosci(std::abs(poprzedni - v));
            const float x = static_cast<float>(k) * krok;
            const float nowyPoziom = poziom(v);
            sygnal->Ustaw(j, TPunkt{x - w, poprzedniPoziom});
            sygnal->Ustaw(j + 1, TPunkt{x + w, nowyPoziom});
            poprzedniPoziom = nowyPoziom;
            j += 2;
        }
        poprzedni = v;
    }
    sygnal->Ustaw(punkty - 1, TPunkt{static_cast<float>(dlugosc) * krok, poprzedniPoziom});
    return Zachowaj(std::move(sygnal));
}

TFltFltStrumien* TVartoEncode::Wydaj(TFltFltStrumien* s, std::int32_t numer, const TWskazowkiWykresu& wskazowki)
{
    if (s == nullptr)
        return nullptr;
    s->UstawNazwe(NazwyStrumieni[static_cast<std::size_t>(numer)]);
    s->MinY = wskazowki.MinY;
    s->MaxY = wskazowki.MaxY;
    s->SkalaX = wskazowki.SkalaX;
    s->SkalaY = wskazowki.SkalaY;
    s->PrecyzjaY = wskazowki.PrecyzjaY;
    // A stream asked for twice is handed out twice; the caller then holds it once.
    const auto wlasny = std::find_if(NieWydane.begin(), NieWydane.end(), [s](const auto& p) { return p.get() == s; });
    if (wlasny != NieWydane.end()) {
        wlasny->release();
        NieWydane.erase(wlasny);
    }
    return s;
}

TWskazowkiWykresu TVartoEncode::WskazowkiSygnalu(float skalaX, float skalaY) const
{
    return {std::min(PoziomDolny, PoziomGorny), std::max(PoziomDolny, PoziomGorny), skalaX, skalaY, 1.0f};
}

std::unique_ptr<TVartoEncode> UtworzKoder(std::uint8_t typ, std::int32_t szybkosc, float poziomDolny,
                                          float poziomGorny, float nachylenie)
{
    switch (typ) {
    case KodTypu10BaseT:
        return std::make_unique<TVarto10BaseTEncode>(szybkosc, poziomDolny, poziomGorny, nachylenie);
    case KodTypu100BaseTX:
        return std::make_unique<TVarto100BaseTXEncode>(szybkosc, poziomDolny, poziomGorny, nachylenie);
    case KodTypu100BaseTXBez4B5B:
        return std::make_unique<TVarto100BaseTXModEncode>(szybkosc, poziomDolny, poziomGorny, nachylenie);
    case KodTypu1000BaseT:
        return std::make_unique<TVarto1000BaseTEncode>(szybkosc, poziomDolny, poziomGorny, nachylenie);
    default:
        return nullptr;
    }
}
