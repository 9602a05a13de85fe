#include "Przemiatanie.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <set>
#include <stdexcept>

#include "JsonSymulacji.h"
#include "Liczby.h"
#include "TekstJson.h"
#include "ZrodlaCharakterystyk.h"

using nlohmann::json;

namespace {

constexpr TOpisOsi WszystkieOsie[] = {
    {TOsPrzemiatania::Standard, "standard", "standard", ""},
    {TOsPrzemiatania::Bity, "bits", "bits", ""},
    {TOsPrzemiatania::Szybkosc, "rate", "rate", "Mbps"},
    {TOsPrzemiatania::Nachylenie, "slope", "slope", "mV/ns"},
    {TOsPrzemiatania::PrzesuniecieEcha, "echo_delay", "echo-delay", "ns"},
    {TOsPrzemiatania::Zrodlo, "source", "source", ""},
    {TOsPrzemiatania::Ziarno, "seed", "seed", ""},
    {TOsPrzemiatania::Snr, "snr_db", "snr", "dB"},
    {TOsPrzemiatania::SzumMv, "noise_mv", "noise-mv", "mV"},
    {TOsPrzemiatania::DrzeniePs, "jitter_ps", "jitter-ps", "ps"},
    {TOsPrzemiatania::Kategoria, "category", "cable", ""},
    {TOsPrzemiatania::Dlugosc, "length", "length", "m"},
    {TOsPrzemiatania::Temperatura, "temperature", "temperature", "°C"},
};

// The figures each row gives after the settings and where the result document holds each.
struct TKolumnaWyniku {
    std::string_view Nazwa;
    std::string_view Miejsce;
};
constexpr TKolumnaWyniku Wyniki[] = {
    {"ber", "/results/ber"},
    {"ber_counted", "/results/counted/ber"},
    {"counted_errors", "/results/counted/errors"},
    {"compared_bits", "/results/counted/compared_bits"},
    {"ber_ci_low", "/results/counted/ci_low"},
    {"ber_ci_high", "/results/counted/ci_high"},
    {"error_share", "/results/error_share"},
    {"max_error", "/results/max_error"},
};

// The eye as its worst opening sees it: the smallest of a figure over every lane's openings.
constexpr std::string_view KolumnyOka[][2] = {{"eye_height_mv", "height_mv"}, {"eye_width_ui", "width_ui"}};

std::string NajmniejszeOka(const json& dokument, const std::string& pole)
{
    std::optional<double> najmniejsze;
    for (const json& tor : dokument.at(json::json_pointer("/results/eye")))
        for (const json& podoko : tor)
            if (const json& x = podoko.at(pole); x.is_number())
                najmniejsze = std::min(najmniejsze.value_or(x.get<double>()), x.get<double>());
    return najmniejsze ? TekstJson(*najmniejsze) : std::string();
}

// Where the result document (and AnalizaJson) holds each axis's value.
std::string Wskaznik(TOsPrzemiatania os)
{
    switch (os) {
    case TOsPrzemiatania::Standard:
        return "/standard";
    case TOsPrzemiatania::Kategoria:
    case TOsPrzemiatania::Dlugosc:
    case TOsPrzemiatania::Temperatura:
        return "/characteristics/cable/" + std::string(OpisOsi(os).Nazwa);
    default:
        return "/settings/" + std::string(OpisOsi(os).Nazwa);
    }
}

enum class TRodzaj { Calkowita, Rzeczywista, Nazwa };

TRodzaj Rodzaj(TOsPrzemiatania os)
{
    switch (os) {
    case TOsPrzemiatania::Standard:
    case TOsPrzemiatania::Zrodlo:
    case TOsPrzemiatania::Kategoria:
        return TRodzaj::Nazwa;
    case TOsPrzemiatania::Snr:
    case TOsPrzemiatania::SzumMv:
    case TOsPrzemiatania::DrzeniePs:
    case TOsPrzemiatania::Dlugosc:
    case TOsPrzemiatania::Temperatura:
        return TRodzaj::Rzeczywista;
    default:
        return TRodzaj::Calkowita;
    }
}

// The axis whose value a violated limit of SprawdzUstawienia belongs to.
std::optional<TOsPrzemiatania> OsPola(TPoleUstawien pole)
{
    switch (pole) {
    case TPoleUstawien::Standard:
        return TOsPrzemiatania::Standard;
    case TPoleUstawien::LiczbaBitow:
        return TOsPrzemiatania::Bity;
    case TPoleUstawien::Szybkosc:
        return TOsPrzemiatania::Szybkosc;
    case TPoleUstawien::Nachylenie:
        return TOsPrzemiatania::Nachylenie;
    case TPoleUstawien::PrzesuniecieEcha:
        return TOsPrzemiatania::PrzesuniecieEcha;
    case TPoleUstawien::Snr:
        return TOsPrzemiatania::Snr;
    case TPoleUstawien::SzumMv:
        return TOsPrzemiatania::SzumMv;
    case TPoleUstawien::DrzeniePs:
        return TOsPrzemiatania::DrzeniePs;
    default:
        return std::nullopt;
    }
}

std::string_view Przytnij(std::string_view tekst)
{
    const auto od = tekst.find_first_not_of(" \t");
    if (od == std::string_view::npos)
        return {};
    return tekst.substr(od, tekst.find_last_not_of(" \t") - od + 1);
}

// Decimals written after the point of a number's text; -1 when it has an exponent.
int Miejsca(std::string_view tekst)
{
    if (tekst.find_first_of("eE") != std::string_view::npos)
        return -1;
    const auto kropka = tekst.find('.');
    return kropka == std::string_view::npos ? 0 : static_cast<int>(tekst.size() - kropka - 1);
}

std::optional<double> Liczba(std::string_view tekst, std::string& blad)
{
    const auto x = ParsujLiczbeZPliku(tekst);
    if (!x)
        blad = "'" + std::string(tekst) + "' is not a number";
    return x;
}

// A number of the axis: whole where the setting is, as every value the sweep holds.
bool Dodaj(TOsPrzemiatania os, double x, std::string_view tekst, std::vector<TWartoscOsi>& wartosci, std::string& blad)
{
    if (Rodzaj(os) == TRodzaj::Rzeczywista) {
        wartosci.emplace_back(x);
        return true;
    }
    if (x != std::trunc(x) || std::fabs(x) > 9007199254740992.0) {
        blad = "'" + std::string(tekst) + "' is not a whole number";
        return false;
    }
    wartosci.emplace_back(static_cast<std::int64_t>(x));
    return true;
}

bool DodajNazwe(TOsPrzemiatania os, std::string_view nazwa, std::vector<TWartoscOsi>& wartosci, std::string& blad)
{
    switch (os) {
    case TOsPrzemiatania::Standard:
        if (nazwa == "all") {
            for (const TStandard& s : Standardy)
                wartosci.emplace_back(std::string(s.Nazwa));
            return true;
        }
        for (std::size_t i = 0; i < Standardy.size(); ++i)
            if (nazwa == Standardy[i].Nazwa || nazwa == FormatujCalkowita(static_cast<std::int64_t>(i))) {
                wartosci.emplace_back(std::string(Standardy[i].Nazwa));
                return true;
            }
        blad = "unknown standard '" + std::string(nazwa) +
               "' (10BaseT, 100BaseTX, 100BaseTX (bez 4B5B), 1000BaseT, 0 to 3, or all)";
        return false;
    case TOsPrzemiatania::Zrodlo:
        if (const auto z = ZrodloZNazwy(std::string(nazwa))) {
            wartosci.emplace_back(std::string(NazwaZrodla(*z)));
            return true;
        }
        blad = "'" + std::string(nazwa) + "' is not " + NazwyZrodel();
        return false;
    default:
        if (const auto k = KategoriaZNazwy(nazwa)) {
            wartosci.emplace_back(std::string(NazwaKategorii(*k)));
            return true;
        }
        blad = "'" + std::string(nazwa) + "' is not Cat3, Cat5, Cat5e, Cat6 or Cat6A";
        return false;
    }
}

// "from:to:step" or "from..to": every value from the first towards the last, the last
// included when a step lands on it (to within a billionth of the step), each rounded to the
// decimals the texts were written with so that 0.1 steps give 0.3, not 0.30000000000000004.
bool DodajZakres(TOsPrzemiatania os, std::string_view element, std::vector<TWartoscOsi>& wartosci,
                 std::string& blad)
{
    std::vector<std::string_view> czesci;
    const auto kropki = element.find("..");
    if (kropki != std::string_view::npos) {
        czesci = {element.substr(0, kropki), element.substr(kropki + 2)};
    } else {
        for (std::size_t od = 0;;) {
            const auto dwukropek = element.find(':', od);
            czesci.push_back(element.substr(od, dwukropek - od));
            if (dwukropek == std::string_view::npos)
                break;
            od = dwukropek + 1;
        }
        if (czesci.size() != 3) {
            blad = "'" + std::string(element) + "' is not a range from:to:step";
            return false;
        }
    }
    std::vector<double> liczby;
    int miejsca = 0;
    for (std::string_view czesc : czesci) {
        czesc = Przytnij(czesc);
        const auto x = Liczba(czesc, blad);
        if (!x)
            return false;
        liczby.push_back(*x);
        miejsca = Miejsca(czesc) < 0 || miejsca < 0 ? -1 : std::max(miejsca, Miejsca(czesc));
    }
    const double od = liczby[0];
    const double do_ = liczby[1];
    const double krok = liczby.size() == 3 ? liczby[2] : (do_ >= od ? 1.0 : -1.0);
    if (krok == 0.0) {
        blad = "the step of '" + std::string(element) + "' is zero";
        return false;
    }
    if ((do_ - od) * krok < 0.0) {
        blad = "the step of '" + std::string(element) + "' leads away from its end";
        return false;
    }
    const double kroki = std::floor((do_ - od) / krok + 1e-9);
    if (!(kroki < static_cast<double>(NajwiecejPrzebiegow))) {
        blad = "'" + std::string(element) + "' has more than " +
               FormatujCalkowita(static_cast<std::int64_t>(NajwiecejPrzebiegow)) + " values";
        return false;
    }
    const double skala = miejsca >= 0 && miejsca <= 15 ? std::pow(10.0, miejsca) : 0.0;
    for (std::int64_t i = 0; i <= static_cast<std::int64_t>(kroki); ++i) {
        double x = od + static_cast<double>(i) * krok;
        if (skala > 0.0)
            x = std::round(x * skala) / skala;
        if (!Dodaj(os, x, TekstJson(x), wartosci, blad))
            return false;
    }
    return true;
}

std::optional<std::vector<TWartoscOsi>> ZElementow(TOsPrzemiatania os, const std::vector<std::string>& elementy,
                                                   std::string_view calosc, std::string& blad)
{
    if (elementy.empty()) {
        blad = "an empty list";
        return std::nullopt;
    }
    std::vector<TWartoscOsi> wartosci;
    for (const std::string& surowy : elementy) {
        const std::string_view element = Przytnij(surowy);
        if (element.empty()) {
            blad = "an empty item in '" + std::string(calosc) + "'";
            return std::nullopt;
        }
        bool dobry = false;
        if (Rodzaj(os) == TRodzaj::Nazwa)
            dobry = DodajNazwe(os, element, wartosci, blad);
        else if (element.find(':') != std::string_view::npos || element.find("..") != std::string_view::npos)
            dobry = DodajZakres(os, element, wartosci, blad);
        else if (const auto x = Liczba(element, blad))
            dobry = Dodaj(os, *x, element, wartosci, blad);
        if (!dobry)
            return std::nullopt;
        if (wartosci.size() > NajwiecejPrzebiegow) {
            blad = "more than " + FormatujCalkowita(static_cast<std::int64_t>(NajwiecejPrzebiegow)) + " values";
            return std::nullopt;
        }
    }
    std::set<TWartoscOsi> rozne;
    for (const TWartoscOsi& w : wartosci)
        if (!rozne.insert(w).second) {
            blad = "'" + TekstWartosci(w) + "' is given twice";
            return std::nullopt;
        }
    return wartosci;
}

bool KablowaOs(TOsPrzemiatania os)
{
    return os == TOsPrzemiatania::Kategoria || os == TOsPrzemiatania::Dlugosc || os == TOsPrzemiatania::Temperatura;
}

std::int32_t Calkowita32(std::int64_t n)
{
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(n, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// Puts the value into u; the reason when it cannot be a value of that setting whatever the
// others are.
std::string Ustaw(TUstawieniaSymulacji& u, TOsPrzemiatania os, const TWartoscOsi& w)
{
    const auto liczba = [&] { return std::get<double>(w); };
    const auto calkowita = [&] { return std::get<std::int64_t>(w); };
    const auto nazwa = [&] { return std::get<std::string>(w); };
    const auto wZakresie = [&](double min, double max, const char* jednostka) {
        return liczba() >= min && liczba() <= max
                   ? std::string()
                   : "'" + TekstWartosci(w) + "' is not a number from " + FormatujStalo(min, 0) + " to " + FormatujStalo(max, 0) +
                         " (" + jednostka + ")";
    };
    if (KablowaOs(os) && !u.Pochodzenie.Kabel)
        return "needs a cable preset in the base settings";
    switch (os) {
    case TOsPrzemiatania::Standard: {
        for (std::size_t i = 0; i < Standardy.size(); ++i)
            if (nazwa() == Standardy[i].Nazwa) {
                // A new standard brings its default rate and slope, as a new analysis of it does.
                const TUstawieniaSymulacji domyslne = DomyslneUstawienia(static_cast<int>(i));
                u.Standard = domyslne.Standard;
                u.Szybkosc = domyslne.Szybkosc;
                u.Nachylenie = domyslne.Nachylenie;
            }
        return {};
    }
    case TOsPrzemiatania::Bity:
        u.LiczbaBitow = Calkowita32(calkowita());
        return {};
    case TOsPrzemiatania::Szybkosc:
        u.Szybkosc = Calkowita32(calkowita());
        return {};
    case TOsPrzemiatania::Nachylenie:
        u.Nachylenie = static_cast<float>(Calkowita32(calkowita()));
        return {};
    case TOsPrzemiatania::PrzesuniecieEcha:
        u.PrzesuniecieEcha = Calkowita32(calkowita());
        return {};
    case TOsPrzemiatania::Zrodlo:
        u.Zrodlo = *ZrodloZNazwy(nazwa());
        return {};
    case TOsPrzemiatania::Ziarno:
        if (calkowita() < 0 || calkowita() > std::numeric_limits<std::int32_t>::max())
            return "'" + TekstWartosci(w) + "' is not a whole number from 0 to " +
                   FormatujCalkowita(std::numeric_limits<std::int32_t>::max());
        u.Ziarno = static_cast<std::uint32_t>(calkowita());
        return {};
    case TOsPrzemiatania::Snr:
        u.SzumIDrzenie.SnrDb = liczba();
        return {};
    case TOsPrzemiatania::SzumMv:
        u.SzumIDrzenie.SzumMv = liczba();
        return {};
    case TOsPrzemiatania::DrzeniePs:
        u.SzumIDrzenie.DrzeniePs = liczba();
        return {};
    case TOsPrzemiatania::Kategoria:
        u.Pochodzenie.Kabel->Kabel.Kategoria = *KategoriaZNazwy(nazwa());
        return {};
    case TOsPrzemiatania::Dlugosc:
        u.Pochodzenie.Kabel->Kabel.DlugoscM = liczba();
        return wZakresie(DlugoscKablaMin, DlugoscKablaMax, "metres");
    case TOsPrzemiatania::Temperatura:
        u.Pochodzenie.Kabel->Kabel.TemperaturaC = liczba();
        return wZakresie(TemperaturaKablaMin, TemperaturaKablaMax, "°C");
    }
    return {};
}

// A cell as the rows write the value: names and numbers as the JSON text gives them
// (without a string's quotes), nothing for null.
std::string Komorka(const json& dokument, const std::string& wskaznik)
{
    const json::json_pointer w(wskaznik);
    if (!dokument.contains(w))
        throw std::logic_error("the result document has no " + wskaznik);
    const json& wartosc = dokument.at(w);
    if (wartosc.is_null())
        return {};
    if (wartosc.is_string())
        return wartosc.get<std::string>();
    return TekstJson(wartosc);
}

} // namespace

std::string TekstWartosci(const TWartoscOsi& w)
{
    if (const auto* n = std::get_if<std::int64_t>(&w))
        return FormatujCalkowita(*n);
    if (const auto* x = std::get_if<double>(&w))
        return TekstJson(*x);
    return std::get<std::string>(w);
}

std::span<const TOpisOsi> OpisyOsi()
{
    return WszystkieOsie;
}

const TOpisOsi& OpisOsi(TOsPrzemiatania os)
{
    return WszystkieOsie[static_cast<std::size_t>(os)];
}

std::optional<TOsPrzemiatania> OsZNazwy(std::string_view nazwa)
{
    for (const TOpisOsi& o : WszystkieOsie)
        if (o.Nazwa == nazwa)
            return o.Os;
    return std::nullopt;
}

std::optional<TOsPrzemiatania> OsZOpcji(std::string_view opcja)
{
    for (const TOpisOsi& o : WszystkieOsie)
        if (o.Opcja == opcja)
            return o.Os;
    return std::nullopt;
}

std::string NazwyOsi()
{
    std::string tekst;
    for (std::size_t i = 0; i < std::size(WszystkieOsie); ++i)
        tekst += (i == 0 ? "" : i + 1 == std::size(WszystkieOsie) ? " or " : ", ") + std::string(WszystkieOsie[i].Nazwa);
    return tekst;
}

std::optional<std::vector<TWartoscOsi>> ParsujWartosci(TOsPrzemiatania os, std::string_view tekst, std::string& blad)
{
    std::vector<std::string> elementy;
    if (!Przytnij(tekst).empty())
        for (std::size_t od = 0;;) {
            const auto przecinek = tekst.find(',', od);
            elementy.emplace_back(tekst.substr(od, przecinek - od));
            if (przecinek == std::string_view::npos)
                break;
            od = przecinek + 1;
        }
    return ZElementow(os, elementy, tekst, blad);
}

std::optional<std::vector<TWartoscOsi>> WartosciZJson(TOsPrzemiatania os, const json& wartosci, std::string& blad)
{
    if (wartosci.is_string())
        return ParsujWartosci(os, wartosci.get<std::string>(), blad);
    if (!wartosci.is_array()) {
        blad = "must be a text such as \"100:500:100\" or a list of values";
        return std::nullopt;
    }
    std::vector<std::string> elementy;
    for (const json& w : wartosci) {
        if (w.is_number())
            elementy.push_back(TekstJson(w));
        else if (w.is_string())
            elementy.push_back(w.get<std::string>());
        else {
            blad = "must be a list of numbers and texts";
            return std::nullopt;
        }
    }
    return ZElementow(os, elementy, TekstJson(wartosci), blad);
}

TPrzemiatanie::TPrzemiatanie(TUstawieniaSymulacji baza, std::vector<TOsZWartosciami> osie)
    : Baza(std::move(baza))
    , OsieWartosci(std::move(osie))
{
}

std::size_t TPrzemiatanie::LiczbaPrzebiegow() const
{
    std::size_t n = 1;
    for (const TOsZWartosciami& o : OsieWartosci) {
        if (o.Wartosci.empty())
            return 0;
        // Saturates past the limit, which Sprawdz refuses, so no product overflows.
        n = std::min(n * o.Wartosci.size(), NajwiecejPrzebiegow + 1);
    }
    return n;
}

std::vector<std::size_t> TPrzemiatanie::Pozycje(std::size_t i) const
{
    std::vector<std::size_t> pozycje(OsieWartosci.size());
    for (std::size_t a = OsieWartosci.size(); a-- > 0;) {
        const std::size_t n = OsieWartosci[a].Wartosci.size();
        pozycje[a] = i % n;
        i /= n;
    }
    return pozycje;
}

std::optional<TBladPrzemiatania> TPrzemiatanie::Sprawdz() const
{
    std::set<TOsPrzemiatania> podane;
    for (const TOsZWartosciami& o : OsieWartosci) {
        if (!podane.insert(o.Os).second)
            return TBladPrzemiatania{o.Os, "is given twice"};
        if (o.Wartosci.empty())
            return TBladPrzemiatania{o.Os, "an empty list"};
    }
    if (podane.contains(TOsPrzemiatania::Snr) && podane.contains(TOsPrzemiatania::SzumMv))
        return TBladPrzemiatania{TOsPrzemiatania::SzumMv, "contradicts " + std::string(OpisOsi(TOsPrzemiatania::Snr).Nazwa)};
    if (LiczbaPrzebiegow() > NajwiecejPrzebiegow)
        return TBladPrzemiatania{std::nullopt, "the sweep has more than " +
                                                   FormatujCalkowita(static_cast<std::int64_t>(NajwiecejPrzebiegow)) +
                                                   " runs; split it"};
    return std::nullopt;
}

std::optional<TUstawieniaSymulacji> TPrzemiatanie::Ustawienia(std::size_t i, TBladPrzemiatania& blad) const
{
    const std::vector<std::size_t> pozycje = Pozycje(i);
    // The run's values of the other swept axes, which the message of a fault names.
    const auto przy = [&](std::optional<TOsPrzemiatania> pominieta) {
        std::string tekst;
        for (std::size_t a = 0; a < OsieWartosci.size(); ++a) {
            const TOsZWartosciami& o = OsieWartosci[a];
            if (o.Wartosci.size() < 2 || o.Os == pominieta)
                continue;
            tekst += (tekst.empty() ? " (at " : ", ") + std::string(OpisOsi(o.Os).Nazwa) + " " +
                     TekstWartosci(o.Wartosci[pozycje[a]]);
        }
        return tekst.empty() ? tekst : tekst + ")";
    };

    TUstawieniaSymulacji u = Baza;
    bool kablowa = false;
    for (const TOpisOsi& opis : WszystkieOsie)
        for (std::size_t a = 0; a < OsieWartosci.size(); ++a) {
            if (OsieWartosci[a].Os != opis.Os)
                continue;
            kablowa = kablowa || KablowaOs(opis.Os);
            if (std::string powod = Ustaw(u, opis.Os, OsieWartosci[a].Wartosci[pozycje[a]]); !powod.empty()) {
                blad = {opis.Os, powod + przy(opis.Os)};
                return std::nullopt;
            }
        }
    if (kablowa || u.Standard != Baza.Standard || u.Szybkosc != Baza.Szybkosc) {
        // The lists a cable or a Touchstone file made follow the filter of the run's rate;
        // a rate out of its limits makes none, and is reported below.
        const TZakres szybkosci = ZakresPola(TPoleUstawien::Szybkosc, u.Standard);
        if (u.Szybkosc >= szybkosci.Min && u.Szybkosc <= szybkosci.Max)
            if (std::string powod = OdnowCharakterystykiZrodel(u); !powod.empty()) {
                blad = {std::nullopt, powod + przy(std::nullopt)};
                return std::nullopt;
            }
    }
    const std::vector<TNaruszenie> naruszenia = SprawdzUstawienia(u, LiczbaBitowMaxWiersza);
    if (naruszenia.empty())
        return u;
    const TNaruszenie& n = naruszenia.front();
    const std::optional<TOsPrzemiatania> os = OsPola(n.Pole);
    for (std::size_t a = 0; a < OsieWartosci.size(); ++a)
        if (OsieWartosci[a].Os == os) {
            const bool limit = n.Powod.starts_with("a ");
            blad = {os, (limit ? "'" + TekstWartosci(OsieWartosci[a].Wartosci[pozycje[a]]) + "' is not " : std::string()) +
                            n.Powod + przy(os)};
            return std::nullopt;
        }
    blad = {std::nullopt, std::string(SciezkaPola(n.Pole)) + ": " + n.Powod + przy(std::nullopt)};
    return std::nullopt;
}

std::vector<std::string> TPrzemiatanie::Naglowek() const
{
    std::vector<std::string> kolumny;
    bool zZiarnem = false;
    for (const TOsZWartosciami& o : OsieWartosci) {
        kolumny.emplace_back(OpisOsi(o.Os).Nazwa);
        zZiarnem = zZiarnem || o.Os == TOsPrzemiatania::Ziarno;
    }
    if (!zZiarnem)
        kolumny.emplace_back(OpisOsi(TOsPrzemiatania::Ziarno).Nazwa);
    for (const TKolumnaWyniku& w : Wyniki)
        kolumny.emplace_back(w.Nazwa);
    for (const auto& [kolumna, pole] : KolumnyOka)
        kolumny.emplace_back(kolumna);
    return kolumny;
}

std::vector<std::string> TPrzemiatanie::Wiersz(const json& wynik) const
{
    std::vector<std::string> komorki;
    bool zZiarnem = false;
    for (const TOsZWartosciami& o : OsieWartosci) {
        komorki.push_back(Komorka(wynik, Wskaznik(o.Os)));
        zZiarnem = zZiarnem || o.Os == TOsPrzemiatania::Ziarno;
    }
    if (!zZiarnem)
        komorki.push_back(Komorka(wynik, Wskaznik(TOsPrzemiatania::Ziarno)));
    for (const TKolumnaWyniku& w : Wyniki)
        komorki.push_back(Komorka(wynik, std::string(w.Miejsce)));
    for (const auto& [kolumna, pole] : KolumnyOka)
        komorki.push_back(NajmniejszeOka(wynik, std::string(pole)));
    return komorki;
}

std::vector<std::string> TPrzemiatanie::Klucz(const TUstawieniaSymulacji& u) const
{
    const json dokument = AnalizaJson(u);
    std::vector<std::string> komorki;
    for (const TOsZWartosciami& o : OsieWartosci)
        komorki.push_back(Komorka(dokument, Wskaznik(o.Os)));
    return komorki;
}
