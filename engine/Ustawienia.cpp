#include "Ustawienia.h"

#include <cmath>

#include "Liczby.h"

namespace {

// A limit as text: whole numbers without decimals, others with as many as they need.
std::string FormatujLiczbe(double x)
{
    return x == std::trunc(x) ? FormatujStalo(x, 0) : FormatujStalo(x, 3);
}

std::string Calkowita(const TZakres& z)
{
    return "a whole number from " + FormatujCalkowita(z.Min) + " to " + FormatujCalkowita(z.Max);
}

} // namespace

TUstawieniaSymulacji DomyslneUstawienia(int standard)
{
    const TStandard& s = Standardy.at(static_cast<std::size_t>(standard));
    TUstawieniaSymulacji u;
    u.Standard = standard;
    u.Szybkosc = *ParsujCalkowita(s.SzybkoscDomyslna);
    u.Nachylenie = static_cast<float>(*ParsujCalkowita(s.NachylenieDomyslne));
    return u;
}

const TCharakterystyka& CharakterystykaRegeneracji(const TUstawieniaSymulacji& u, TCharakterystyka& lustro)
{
    if (!u.Adaptacyjny)
        return u.Charakterystyki.Wzmocnienie;
    lustro = Lustro(u.Charakterystyki.Tlumienie);
    return lustro;
}

std::int32_t BityKodowane(const TUstawieniaSymulacji& u)
{
    return u.LiczbaBitow + Standardy.at(static_cast<std::size_t>(u.Standard)).BityOchronne;
}

TZakres ZakresPola(TPoleUstawien pole, int standard, std::int32_t maksBitow)
{
    const TStandard& s = Standardy.at(static_cast<std::size_t>(standard));
    switch (pole) {
    case TPoleUstawien::Standard:
        return {0, static_cast<std::int64_t>(Standardy.size()) - 1};
    case TPoleUstawien::LiczbaBitow:
        return {LiczbaBitowMin, maksBitow};
    case TPoleUstawien::Szybkosc:
        return {s.SzybkoscMin, s.SzybkoscMax};
    case TPoleUstawien::Nachylenie:
        return {s.NachylenieMin, s.NachylenieMax};
    case TPoleUstawien::PrzesuniecieEcha:
        return {s.EchoMin, s.EchoMax};
    default:
        return {0, 0};
    }
}

TZakresRzeczywisty ZakresPolaRzeczywistego(TPoleUstawien pole, int standard, std::int32_t szybkosc)
{
    switch (pole) {
    case TPoleUstawien::Snr:
        return {SnrMinDb, SnrMaxDb};
    case TPoleUstawien::SzumMv:
        return {0.0, SzumMaxMv};
    case TPoleUstawien::DrzeniePs: {
        // Half a code symbol: 0.5 x (code symbol in symbol periods) / (Mbaud) microseconds.
        const std::int32_t mbaud = SzybkoscSymboli(standard, szybkosc);
        return {0.0, mbaud > 0 ? 0.5 * OkresSymboluKodu(standard) / mbaud * 1e6 : 0.0};
    }
    default:
        return {0.0, 0.0};
    }
}

std::vector<TNaruszenie> SprawdzUstawienia(const TUstawieniaSymulacji& u, std::int32_t maksBitow)
{
    std::vector<TNaruszenie> wynik;
    const TZakres standardy = ZakresPola(TPoleUstawien::Standard, 0);
    if (u.Standard < standardy.Min || u.Standard > standardy.Max) {
        wynik.push_back({TPoleUstawien::Standard, Calkowita(standardy)});
        return wynik; // every other limit depends on the standard
    }
    const auto wZakresie = [&](TPoleUstawien pole, double wartosc) {
        const TZakres z = ZakresPola(pole, u.Standard, maksBitow);
        if (!(wartosc >= static_cast<double>(z.Min) && wartosc <= static_cast<double>(z.Max)))
            wynik.push_back({pole, Calkowita(z)});
    };
    wZakresie(TPoleUstawien::LiczbaBitow, u.LiczbaBitow);
    wZakresie(TPoleUstawien::Szybkosc, u.Szybkosc);
    wZakresie(TPoleUstawien::Nachylenie, u.Nachylenie);
    wZakresie(TPoleUstawien::PrzesuniecieEcha, u.PrzesuniecieEcha);

    const std::pair<TPoleUstawien, const TCharakterystyka*> listy[] = {
        {TPoleUstawien::Tlumienie, &u.Charakterystyki.Tlumienie},
        {TPoleUstawien::Przesluchy, &u.Charakterystyki.Przesluchy},
        {TPoleUstawien::Echo, &u.Charakterystyki.Echo},
        {TPoleUstawien::Wzmocnienie, &u.Charakterystyki.Wzmocnienie},
    };
    for (const auto& [pole, punkty] : listy)
        if (const TWadaCharakterystyki wada = SprawdzCharakterystyke(*punkty); wada != TWadaCharakterystyki::Brak)
            wynik.push_back({pole, OpisWadyCharakterystyki(wada)});

    const std::int32_t kodowane = BityKodowane(u);
    const auto dosc = [&](TPoleUstawien pole, const std::optional<std::vector<std::int32_t>>& bity) {
        if (!bity)
            return;
        if (bity->size() < static_cast<std::size_t>(kodowane))
            wynik.push_back({pole, "holds " + FormatujCalkowita(static_cast<std::int64_t>(bity->size())) +
                                       " bits, the run encodes " + FormatujCalkowita(kodowane)});
        else
            for (const std::int32_t b : *bity)
                if (b != 0 && b != 1) {
                    wynik.push_back({pole, "holds a value other than 0 and 1"});
                    break;
                }
    };
    dosc(TPoleUstawien::Bity, u.Bity);
    dosc(TPoleUstawien::BityZaklocen, u.BityZaklocen);

    const TSzumIDrzenie& z = u.SzumIDrzenie;
    const auto rzeczywista = [&](TPoleUstawien pole, double wartosc, const char* jednostka) {
        const TZakresRzeczywisty r = ZakresPolaRzeczywistego(pole, u.Standard, u.Szybkosc);
        if (!(wartosc >= r.Min && wartosc <= r.Max))
            wynik.push_back({pole, "a number from " + FormatujLiczbe(r.Min) + " to " + FormatujLiczbe(r.Max) + " " +
                                       jednostka});
    };
    if (z.SnrDb)
        rzeczywista(TPoleUstawien::Snr, *z.SnrDb, "dB");
    if (z.SzumMv) {
        if (z.SnrDb)
            wynik.push_back({TPoleUstawien::SzumMv, "cannot be given together with a signal-to-noise ratio"});
        else
            rzeczywista(TPoleUstawien::SzumMv, *z.SzumMv, "mV");
    }
    rzeczywista(TPoleUstawien::DrzeniePs, z.DrzeniePs, "ps (half a code symbol at this rate)");
    return wynik;
}
