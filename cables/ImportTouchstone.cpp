#include "ImportTouchstone.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "Teksty.h"

namespace {

// Extrapolated points below the file: ten to a decade down to 0.1 MHz, at most twenty.
constexpr double PunktowNaDekadeDC = 10.0;
constexpr int NajwiecejPunktowDC = 20;
constexpr double NajnizszaDC = 0.1;

using TParametr = std::function<std::complex<double>(std::size_t)>;

struct TZrodloListy {
    std::optional<TImportowanaLista> TWynikImportu::*Cel;
    std::string Nazwa;
    TParametr Wartosc;
};

// a + b·√u + c·u with u = f/f0, fitted by least squares; empty when the points cannot fix it.
std::optional<std::array<double, 3>> Dopasuj(const TListaPunktow& punkty, double f0)
{
    std::array<std::array<double, 4>, 3> m{}; // the normal equations, right-hand side last
    for (const TPunktDb& p : punkty) {
        const double u = p.MHz / f0;
        const std::array<double, 3> baza = {1.0, std::sqrt(u), u};
        for (std::size_t i = 0; i < 3; ++i) {
            for (std::size_t j = 0; j < 3; ++j)
                m[i][j] += baza[i] * baza[j];
            m[i][3] += baza[i] * p.dB;
        }
    }
    for (std::size_t k = 0; k < 3; ++k) {
        std::size_t wiodacy = k;
        for (std::size_t i = k + 1; i < 3; ++i)
            if (std::abs(m[i][k]) > std::abs(m[wiodacy][k]))
                wiodacy = i;
        if (!(std::abs(m[wiodacy][k]) > 1e-12 * std::max(1.0, std::abs(m[0][0]))))
            return std::nullopt;
        std::swap(m[k], m[wiodacy]);
        for (std::size_t i = 0; i < 3; ++i)
            if (i != k) {
                const double czynnik = m[i][k] / m[k][k];
                for (std::size_t j = k; j < 4; ++j)
                    m[i][j] -= czynnik * m[k][j];
            }
    }
    std::array<double, 3> x{};
    for (std::size_t i = 0; i < 3; ++i)
        x[i] = m[i][3] / m[i][i];
    if (!std::all_of(x.begin(), x.end(), [](double v) { return std::isfinite(v); }))
        return std::nullopt;
    return x;
}

// The points below the list's first frequency and the way they were made.
TDoprowadzenieDC DoprowadzDoZera(TListaPunktow& punkty, TPonizejPomiaru tryb)
{
    const TPunktDb pierwszy = punkty.front();
    if (pierwszy.MHz <= 0.0)
        return TDoprowadzenieDC::Brak;
    if (tryb == TPonizejPomiaru::Stala) {
        punkty.insert(punkty.begin(), {0.0, pierwszy.dB});
        return TDoprowadzenieDC::Stala;
    }
    TListaPunktow dekada;
    for (const TPunktDb& p : punkty)
        if (p.MHz <= 10.0 * pierwszy.MHz || dekada.size() < 3)
            dekada.push_back(p);
    const auto wspolczynniki = dekada.size() >= 3 ? Dopasuj(dekada, pierwszy.MHz) : std::nullopt;
    if (!wspolczynniki) {
        punkty.insert(punkty.begin(), {0.0, pierwszy.dB});
        return TDoprowadzenieDC::StalaZaMaloPunktow;
    }
    const auto [a, b, c] = *wspolczynniki;
    const auto krzywa = [&](double f) {
        const double u = f / pierwszy.MHz;
        return Zaokraglij(std::min(0.0, a + b * std::sqrt(u) + c * u));
    };
    TListaPunktow ponizej = {{0.0, krzywa(0.0)}};
    std::vector<double> czestotliwosci;
    for (int k = NajwiecejPunktowDC; k >= 1; --k) {
        const double f = Zaokraglij(pierwszy.MHz * std::pow(10.0, -k / PunktowNaDekadeDC));
        if (f >= NajnizszaDC && f < pierwszy.MHz && (ponizej.size() == 1 || f > ponizej.back().MHz))
            ponizej.push_back({f, krzywa(f)});
    }
    punkty.insert(punkty.begin(), ponizej.begin(), ponizej.end());
    return TDoprowadzenieDC::Dopasowanie;
}

} // namespace

std::string_view NazwaPonizejPomiaru(TPonizejPomiaru tryb)
{
    return tryb == TPonizejPomiaru::Dopasowanie ? "fit" : "flat";
}

std::optional<TPonizejPomiaru> PonizejPomiaruZNazwy(std::string_view nazwa)
{
    for (const TPonizejPomiaru t : {TPonizejPomiaru::Dopasowanie, TPonizejPomiaru::Stala})
        if (nazwa == NazwaPonizejPomiaru(t))
            return t;
    return std::nullopt;
}

TParametryImportu ParametryImportu(int liczbaPortow)
{
    switch (liczbaPortow) {
    case 1:
        return {{}, "S11", {}};
    case 2:
        return {"S21", "S11", {}};
    case 4:
        return {"Sdd21", "Sdd11", {}};
    case 8:
        return {"Sdd21", "Sdd11", "Sdd31"};
    default:
        return {};
    }
}

std::optional<TWynikImportu> ImportujTouchstone(const TDaneTouchstone& dane, std::string_view plik,
                                                const TOpcjeImportu& opcje, TBladTouchstone& blad)
{
    const int n = dane.LiczbaPortow;
    if (dane.CzestotliwosciMHz.empty()) {
        blad = {TWadaTouchstone::Pusty, 0, {}, 0, 0};
        return std::nullopt;
    }
    TWynikImportu wynik;
    TPodsumowanieImportu& p = wynik.Podsumowanie;
    p.Plik = plik;
    p.Wersja = dane.Wersja;
    p.LiczbaPortow = n;
    p.Rezystancja = dane.Rezystancja;
    p.Czestotliwosci = dane.CzestotliwosciMHz.size();
    p.OdMHz = dane.CzestotliwosciMHz.front();
    p.DoMHz = dane.CzestotliwosciMHz.back();
    p.FMaxFiltruMHz = opcje.FMaxFiltruMHz;
    p.LiczbaPunktow = std::max<std::size_t>(opcje.LiczbaPunktow, 2);

    const TParametryImportu nazwy = ParametryImportu(n);
    if (nazwy.Tlumienie.empty() && nazwy.Echo.empty()) {
        blad = {TWadaTouchstone::PortyNieobslugiwane, 0, {}, static_cast<std::size_t>(n), 0};
        return std::nullopt;
    }
    // A pair of single-ended ports is one differential port of the mixed-mode view.
    const bool roznicowe = n >= 4;
    if (roznicowe && !opcje.Porty) {
        blad = {TWadaTouchstone::KolejnoscPortow, 0, {}, static_cast<std::size_t>(n), 0};
        return std::nullopt;
    }
    p.Porty = roznicowe ? opcje.Porty : std::nullopt;
    const auto parametr = [&](int i, int j) -> TParametr {
        if (roznicowe)
            return [&dane, i, j, kolejnosc = *opcje.Porty](std::size_t k) { return Sdd(dane, k, i, j, kolejnosc); };
        return [&dane, i, j](std::size_t k) { return dane.Element(k, i, j); };
    };
    std::vector<TZrodloListy> zrodla;
    if (!nazwy.Tlumienie.empty())
        zrodla.push_back({&TWynikImportu::Tlumienie, nazwy.Tlumienie, parametr(2, 1)});
    if (!nazwy.Echo.empty())
        zrodla.push_back({&TWynikImportu::Echo, nazwy.Echo, parametr(1, 1)});
    if (!nazwy.Przesluchy.empty())
        zrodla.push_back({&TWynikImportu::Przesluchy, nazwy.Przesluchy, parametr(3, 1)});

    // The frequencies kept: within the filter's range, distinct at three decimals.
    std::vector<std::size_t> indeksy;
    for (std::size_t k = 0; k < dane.CzestotliwosciMHz.size(); ++k) {
        const double f = dane.CzestotliwosciMHz[k];
        if (f > opcje.FMaxFiltruMHz)
            ++p.PowyzejFiltru;
        else if (!indeksy.empty() && Zaokraglij(f) <= Zaokraglij(dane.CzestotliwosciMHz[indeksy.back()]))
            ++p.Scalone;
        else
            indeksy.push_back(k);
    }
    if (indeksy.size() < 2) {
        blad = {TWadaTouchstone::PonizejFiltru, 0, Trzy(opcje.FMaxFiltruMHz), indeksy.size(), 0};
        return std::nullopt;
    }
    p.PierwszaMHz = Zaokraglij(dane.CzestotliwosciMHz[indeksy.front()]);

    for (const TZrodloListy& z : zrodla) {
        TImportowanaLista lista;
        lista.Parametr = z.Nazwa;
        for (const std::size_t k : indeksy) {
            const double db = 20.0 * std::log10(std::abs(z.Wartosc(k)));
            const double w = std::isnan(db) ? NajnizszyPoziomDb : std::clamp(db, NajnizszyPoziomDb, 0.0);
            if (w != db)
                ++p.Przyciete;
            lista.Punkty.push_back({Zaokraglij(dane.CzestotliwosciMHz[k]), Zaokraglij(w)});
        }
        const bool tlumienie = z.Cel == &TWynikImportu::Tlumienie;
        const TDoprowadzenieDC dc =
            DoprowadzDoZera(lista.Punkty, tlumienie ? opcje.PonizejPomiaru : TPonizejPomiaru::Stala);
        // The summary speaks of the attenuation, or of the echo of a one-port file.
        if (tlumienie || n == 1) {
            p.DoprowadzenieDC = dc;
            p.WzmocnienieDC = lista.Punkty.front().dB;
        }
        lista.PrzedPrzerzedzeniem = lista.Punkty.size();
        lista.Punkty = Przerzedz(lista.Punkty, p.LiczbaPunktow);
        wynik.*(z.Cel) = std::move(lista);
    }
    return wynik;
}

std::optional<TWynikImportu> ImportujTouchstone(const std::filesystem::path& plik, const TOpcjeImportu& opcje,
                                                TBladTouchstone& blad)
{
    const auto dane = CzytajTouchstone(plik, blad);
    if (!dane)
        return std::nullopt;
    return ImportujTouchstone(*dane, plik.filename().string(), opcje, blad);
}

std::string OpisImportu(const TWynikImportu& wynik, TJezyk jezyk)
{
    const bool pl = jezyk == TJezyk::Polski;
    const TPodsumowanieImportu& p = wynik.Podsumowanie;
    const auto ile = [&](std::size_t n, const char* jeden, const char* kilka, const char* wiele, const char* en1,
                         const char* enN) { return pl ? PolskaLiczba(n, jeden, kilka, wiele) : AngielskaLiczba(n, en1, enN); };
    std::string t = p.Plik + ": Touchstone " + (p.Wersja == 1 ? "1.x, " : "2.x, ") +
                    ile(static_cast<std::size_t>(p.LiczbaPortow), "port", "porty", "portów", "port", "ports") + ", " +
                    ile(p.Czestotliwosci, "częstotliwość", "częstotliwości", "częstotliwości", "frequency", "frequencies") +
                    (pl ? " od " : " from ") + Trzy(p.OdMHz) + (pl ? " do " : " to ") + Trzy(p.DoMHz) + " MHz, " +
                    (pl ? "impedancja odniesienia " : "reference ") + FormatujStalo(p.Rezystancja, 1) + " Ω.\n";

    struct TOpis {
        const std::optional<TImportowanaLista>& Lista;
        const char* Pl;
        const char* En;
    };
    const TOpis listy[] = {{wynik.Tlumienie, "tłumienie", "attenuation"},
                           {wynik.Echo, "echo", "echo"},
                           {wynik.Przesluchy, "przesłuchy", "crosstalk"}};
    std::string skad;
    for (const TOpis& o : listy)
        if (o.Lista) {
            skad += (skad.empty() ? "" : ", ") + std::string(pl ? o.Pl : o.En) + (pl ? " z " : " from ") +
                    o.Lista->Parametr + " (" +
                    ile(o.Lista->Punkty.size(), "punkt", "punkty", "punktów", "point", "points") + ")";
        }
    skad[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(skad[0])));
    t += skad;
    if (p.Porty)
        t += p.Porty == TKolejnoscPortow::P13_24 ? (pl ? "; porty 1,3 → 2,4" : "; ports 1,3 → 2,4")
                                                 : (pl ? "; porty 1,2 → 3,4" : "; ports 1,2 → 3,4");
    t += ".\n";

    if (p.PowyzejFiltru > 0)
        t += pl ? "Pominięto " + PolskaLiczba(p.PowyzejFiltru, "częstotliwość", "częstotliwości", "częstotliwości") +
                      " powyżej " + Trzy(p.FMaxFiltruMHz) + " MHz, najwyższej częstotliwości filtru przy tej szybkości.\n"
                : AngielskaLiczba(p.PowyzejFiltru, "frequency", "frequencies") + " above " + Trzy(p.FMaxFiltruMHz) +
                      " MHz, the filter's highest at this rate, dropped.\n";
    if (p.Scalone > 0)
        t += pl ? "Scalono " + PolskaLiczba(p.Scalone, "częstotliwość", "częstotliwości", "częstotliwości") +
                      " równe z dokładnością do trzech miejsc po przecinku.\n"
                : AngielskaLiczba(p.Scalone, "frequency", "frequencies") + " equal to three decimals merged.\n";
    if (p.Przyciete > 0)
        t += pl ? "Przycięto " + PolskaLiczba(p.Przyciete, "wartość", "wartości", "wartości") +
                      " spoza zakresu od 0 do −100 dB.\n"
                : AngielskaLiczba(p.Przyciete, "level", "levels") + " outside 0 to −100 dB brought to the nearer end.\n";

    const std::string f0 = Trzy(p.PierwszaMHz) + " MHz";
    const std::string dc = Trzy(p.WzmocnienieDC) + " dB";
    const char* co = wynik.Tlumienie ? (pl ? "tłumienie" : "the attenuation") : (pl ? "echo" : "the echo");
    switch (p.DoprowadzenieDC) {
    case TDoprowadzenieDC::Brak:
        t += pl ? "Dane zaczynają się od 0 MHz.\n" : "The data start at 0 MHz.\n";
        break;
    case TDoprowadzenieDC::Dopasowanie:
        t += pl ? "Poniżej " + f0 + " " + co +
                      " ekstrapolowano do 0 MHz krzywą a + b·√f + c·f dopasowaną do najniższej dekady danych; wzmocnienie przy 0 MHz " +
                      dc + ".\n"
                : "Below " + f0 + " " + co +
                      " is extrapolated to 0 MHz by a + b·√f + c·f fitted to the lowest decade of the data; gain at 0 MHz " +
                      dc + ".\n";
        break;
    case TDoprowadzenieDC::Stala:
    case TDoprowadzenieDC::StalaZaMaloPunktow:
        t += pl ? "Poniżej " + f0 + " " + co + " utrzymano na stałym poziomie" +
                      (p.DoprowadzenieDC == TDoprowadzenieDC::Stala ? "" : " (za mało punktów do dopasowania)") +
                      "; wzmocnienie przy 0 MHz " + dc + ".\n"
                : "Below " + f0 + " " + co + " is held flat" +
                      (p.DoprowadzenieDC == TDoprowadzenieDC::Stala ? "" : " (too few points to fit a curve)") +
                      "; gain at 0 MHz " + dc + ".\n";
        break;
    }
    if (p.DoprowadzenieDC != TDoprowadzenieDC::Brak && wynik.Tlumienie && (wynik.Echo || wynik.Przesluchy)) {
        const bool oba = wynik.Echo && wynik.Przesluchy;
        const std::string ktore = oba ? (pl ? "Echo i przesłuchy" : "Echo and crosstalk")
                                      : wynik.Echo ? "Echo" : (pl ? "Przesłuchy" : "Crosstalk");
        t += pl ? ktore + " poniżej " + f0 + " utrzymano na poziomie najniższej częstotliwości.\n"
                : ktore + (oba ? " keep their" : " keeps its") + " lowest-frequency level below " + f0 + ".\n";
    }

    std::string przerzedzone;
    for (const TOpis& o : listy)
        if (o.Lista && o.Lista->Punkty.size() < o.Lista->PrzedPrzerzedzeniem)
            przerzedzone += (przerzedzone.empty() ? "" : ", ") + std::string(pl ? o.Pl : o.En) +
                            (pl ? " z " : " from ") +
                            FormatujCalkowita(static_cast<std::int64_t>(o.Lista->PrzedPrzerzedzeniem));
    if (!przerzedzone.empty())
        t += pl ? "Przerzedzono do " + PolskaLiczba(p.LiczbaPunktow, "punktu", "punktów", "punktów") +
                      " z zachowaniem kształtu: " + przerzedzone + ".\n"
                : "Thinned to " + AngielskaLiczba(p.LiczbaPunktow, "point", "points") + " keeping the shape: " +
                      przerzedzone + ".\n";
    t.pop_back();
    return t;
}
