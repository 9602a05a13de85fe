#include "OdbiorPrzebiegu.h"

#include <algorithm>
#include <cmath>

#include "Odbiornik.h"
#include "Oko.h"
#include "ParametryKanalu.h"
#include "Standardy.h"
#include "Statystyka.h"

namespace {

TKodLinii KodLinii(const TStandard& s)
{
    switch (s.KodStandardu) {
    case 0:
        return TKodLinii::Manchester;
    case 1:
        return TKodLinii::MLT3z4B5B;
    case 2:
        return TKodLinii::MLT3;
    default:
        return TKodLinii::PAM5;
    }
}

// The line levels as the encoder sets them: symbols rise from PoziomMin to PoziomMax,
// except 10BaseT, whose symbol 1 sits at PoziomMin.
TPoziomy Poziomy(const TStandard& s)
{
    const double krok = static_cast<double>(s.PoziomMax - s.PoziomMin) / (s.SymbolMax - s.SymbolMin);
    if (s.KodStandardu == 0)
        return {-krok, s.PoziomMax + krok * s.SymbolMin};
    return {krok, s.PoziomMin - krok * s.SymbolMin};
}

// The gain of the receive amplifier: it multiplies every visible sample by one gain, and
// its outputs give it back.
double Wzmocnienie(const TTorWyniku& tor)
{
    TFltFltStrumien& wejscie = *tor.Wejscie();
    TFltFltStrumien& wzmocniony = *tor.Wzmocniony;
    double wejsciowe = 0.0;
    double wzmocnione = 0.0;
    for (std::int32_t i = 0; i < wejscie.ZwrocDlugosc(); ++i) {
        wejsciowe += std::abs(wejscie.Zwroc(i).Y);
        wzmocnione += std::abs(wzmocniony.Zwroc(i).Y);
    }
    return wejsciowe > 0.0 ? wzmocnione / wejsciowe : 1.0;
}

// The signal that reached the receive amplifier, times wzmocnienie, every stored sample
// of it: the symbols at the edges of the data need their neighbours. The channel's
// samples sit at i / S symbol periods, stored sample 0 at time 0.
TSygnalToru SygnalToru(const TTorWyniku& tor, std::int32_t probkiNaOkres, double okres, double wzmocnienie)
{
    TFltFltStrumien& wejscie = *tor.Wejscie();
    const std::int32_t n = wejscie.ZwrocDlugosc();
    TSygnalToru s;
    if (n == 0)
        return s;
    s.ProbkiNaSymbol = probkiNaOkres * okres;
    const std::int32_t przed = wejscie.ZwrocPoczatek();
    s.OdProbki = przed;
    s.DoProbki = przed + n;
    s.Probki.resize(static_cast<std::size_t>(wejscie.ZwrocDlugoscCalkowita()));
    for (std::size_t i = 0; i < s.Probki.size(); ++i)
        s.Probki[i] = static_cast<float>(wejscie.Zwroc(static_cast<std::int32_t>(i) - przed).Y * wzmocnienie);
    return s;
}

} // namespace

std::vector<std::int32_t> SymboleSchodow(TFltFltStrumien& schody, double okres)
{
    std::vector<std::int32_t> symbole;
    const std::int32_t n = schody.ZwrocDlugosc();
    if (n == 0)
        return symbole;
    const auto liczba = static_cast<std::int64_t>(std::llround(schody.Zwroc(n - 1).X / okres));
    symbole.reserve(static_cast<std::size_t>(std::max<std::int64_t>(liczba, 0)));
    std::int32_t p = 0;
    for (std::int64_t k = 0; k < liczba; ++k) {
        const double srodek = (static_cast<double>(k) + 0.5) * okres;
        while (p + 1 < n && schody.Zwroc(p + 1).X <= srodek)
            ++p;
        symbole.push_back(static_cast<std::int32_t>(std::lround(schody.Zwroc(p).Y)));
    }
    return symbole;
}

void OdbierzPrzebieg(TWynikSymulacji& w, const std::vector<std::int32_t>& bityLinii)
{
    const TUstawieniaSymulacji& u = w.Ustawienia;
    const TStandard& standard = Standardy.at(static_cast<std::size_t>(u.Standard));
    const TKodLinii kod = KodLinii(standard);
    const TPoziomy poziomy = Poziomy(standard);
    const double okres = OkresSymboluKodu(u.Standard);
    const std::int32_t probkiNaOkres = ParametryKanalu(static_cast<float>(w.SzybkoscSymboli)).S;

    // One lane's samples at a time: only its decision values outlive it.
    std::vector<TProbkiSymboli> decyzje;
    for (TTorWyniku& tor : w.Tory) {
        const TSygnalToru sygnal = SygnalToru(tor, probkiNaOkres, okres, Wzmocnienie(tor));
        const TSynchronizacja synchronizacja =
            Synchronizuj(sygnal, kod, poziomy, SymboleSchodow(*tor.Wzorzec, okres));
        tor.FazaProbkowania = synchronizacja.Faza;
        tor.OpoznienieSymboli = synchronizacja.Opoznienie;
        decyzje.push_back(Probkuj(sygnal, kod, poziomy, synchronizacja));
    }
    const TBityOdebrane odebrane = OdzyskajBity(kod, decyzje);

    TZliczoneBledy& z = w.Zliczone;
    const TZliczenieBledow zliczenie = PorownajBity(odebrane, bityLinii, standard.BityOchronne / 2, u.LiczbaBitow);
    z.Bledy = zliczenie.Bledy;
    z.Porownane = zliczenie.Porownane;
    z.BER = z.Porownane > 0 ? static_cast<double>(z.Bledy) / static_cast<double>(z.Porownane) : 0.0;
    const TPrzedzialUfnosci przedzial = PrzedzialClopperaPearsona(z.Bledy, z.Porownane);
    z.Dolna = przedzial.Dolna;
    z.Gorna = przedzial.Gorna;
}

void ZmierzOka(TWynikSymulacji& w)
{
    const TStandard& standard = Standardy.at(static_cast<std::size_t>(w.Ustawienia.Standard));
    const double okres = OkresSymboluKodu(w.Ustawienia.Standard);
    const std::int32_t probkiNaOkres = ParametryKanalu(static_cast<float>(w.SzybkoscSymboli)).S;
    for (TTorWyniku& tor : w.Tory) {
        // Measured where it is drawn: before the amplifier.
        tor.Oko = ZmierzOko(SygnalToru(tor, probkiNaOkres, okres, 1.0), KodLinii(standard), Poziomy(standard),
                            TSynchronizacja{tor.FazaProbkowania, tor.OpoznienieSymboli},
                            SymboleSchodow(*tor.Wzorzec, okres));
    }
}

void GestoscOkaPrzebiegu(TWynikSymulacji& w)
{
    if (w.Tory.empty())
        return;
    float min = w.Tory[0].Wejscie()->MinY;
    float max = w.Tory[0].Wejscie()->MaxY;
    for (const TTorWyniku& tor : w.Tory) {
        min = std::min(min, tor.Wejscie()->MinY);
        max = std::max(max, tor.Wejscie()->MaxY);
    }
    const double okres = Standardy.at(static_cast<std::size_t>(w.Ustawienia.Standard)).OkresOka;
    w.GestoscOka = TGestoscOka(2.0 * okres, min, max);
    std::vector<float> x;
    std::vector<float> y;
    for (const TTorWyniku& tor : w.Tory) {
        TFltFltStrumien& s = *tor.Wejscie();
        x.resize(static_cast<std::size_t>(s.ZwrocDlugosc()));
        y.resize(x.size());
        for (std::int32_t i = 0; i < s.ZwrocDlugosc(); ++i) {
            const TPunkt p = s.Zwroc(i);
            x[static_cast<std::size_t>(i)] = p.X;
            y[static_cast<std::size_t>(i)] = p.Y;
        }
        w.GestoscOka.DodajSlad(x, y);
    }
}
