#include "PrzemiatanieModulu.h"

#include <pybind11/stl.h>

#include "ArgumentyPrzebiegu.h"
#include "Csv.h"
#include "JsonSymulacji.h"
#include "TekstJson.h"
#include "ZrodlaBitow.h"

namespace py = pybind11;
using nlohmann::json;

namespace {

// The keyword that names an axis in Python: the command line's option with underscores.
std::string NazwaArgumentu(TOsPrzemiatania os)
{
    std::string nazwa(OpisOsi(os).Opcja);
    for (char& c : nazwa)
        if (c == '-')
            c = '_';
    return nazwa;
}

std::vector<TOsZWartosciami> Osie(const py::dict& osie)
{
    std::vector<TOsZWartosciami> wynik;
    for (const auto& [klucz, wartosci] : osie) {
        const std::string nazwa = py::str(klucz);
        std::string opcja = nazwa;
        for (char& c : opcja)
            if (c == '_')
                c = '-';
        const auto os = OsZOpcji(opcja);
        if (!os || NazwaArgumentu(*os) != nazwa) {
            std::string nazwy;
            for (const TOpisOsi& o : OpisyOsi())
                nazwy += (nazwy.empty() ? "" : ", ") + NazwaArgumentu(o.Os);
            throw py::value_error(nazwa + ": is not a setting a sweep varies (" + nazwy + ")");
        }
        std::string blad;
        auto lista = WartosciZJson(*os, json::parse(wartosci.cast<std::string>()), blad);
        if (!lista)
            throw py::value_error(nazwa + ": " + blad);
        wynik.push_back({*os, std::move(*lista)});
    }
    return wynik;
}

TPrzemiatanie Przygotuj(const py::dict& osie, const py::dict& baza)
{
    std::vector<TOsZWartosciami> listy = Osie(osie);
    TUstawieniaSymulacji u = UstawieniaZArgumentow(baza);
    const bool ziarnoOsia =
        std::any_of(listy.begin(), listy.end(), [](const TOsZWartosciami& o) { return o.Os == TOsPrzemiatania::Ziarno; });
    if (!ziarnoOsia && !u.Ziarno)
        u.Ziarno = ZiarnoZZegara();
    return TPrzemiatanie(std::move(u), std::move(listy));
}

[[noreturn]] void Zglos(const TBladPrzemiatania& b)
{
    throw py::value_error(b.Os ? NazwaArgumentu(*b.Os) + ": " + b.Powod : b.Powod);
}

} // namespace

TPrzemiatanieModulu::TPrzemiatanieModulu(const py::dict& osie, const py::dict& baza)
    : Przemiatanie(Przygotuj(osie, baza))
{
    if (const auto blad = Przemiatanie.Sprawdz())
        Zglos(*blad);
    for (std::size_t i = 0; i < LiczbaPrzebiegow(); ++i)
        UstawieniaPrzebiegu(i);
}

TUstawieniaSymulacji TPrzemiatanieModulu::UstawieniaPrzebiegu(std::size_t i) const
{
    TBladPrzemiatania blad;
    auto u = Przemiatanie.Ustawienia(i, blad);
    if (!u)
        Zglos(blad);
    return std::move(*u);
}

std::string TPrzemiatanieModulu::Paczka(std::size_t i) const
{
    // A result document's head carries every setting but the bits given as sequences.
    const TUstawieniaSymulacji u = UstawieniaPrzebiegu(i);
    return TekstJson({{"analysis", AnalizaJson(u)},
                      {"bits", u.Bity ? json(*u.Bity) : json()},
                      {"crosstalk_bits", u.BityZaklocen ? json(*u.BityZaklocen) : json()}});
}

std::string TPrzemiatanieModulu::Opis(std::size_t i) const
{
    const std::vector<std::string> wartosci = Przemiatanie.Klucz(UstawieniaPrzebiegu(i));
    std::string tekst;
    for (std::size_t a = 0; a < wartosci.size(); ++a)
        tekst += (a == 0 ? "" : ", ") + NazwaArgumentu(Przemiatanie.Osie()[a].Os) + " " + wartosci[a];
    return tekst;
}

std::string TPrzemiatanieModulu::Tabela(const std::vector<std::optional<std::string>>& dokumenty) const
{
    std::string tekst = LiniaCsv(Przemiatanie.Naglowek());
    for (const auto& dokument : dokumenty)
        if (dokument)
            tekst += LiniaCsv(Przemiatanie.Wiersz(json::parse(*dokument)));
    return tekst;
}

std::optional<std::string> PrzebiegPaczki(const std::string& paczka, const TPrzerwanie* przerwanie)
{
    const json p = json::parse(paczka);
    TBladAnalizy blad;
    auto analiza = AnalizaZJson(p.at("analysis"), blad);
    if (!analiza)
        throw py::value_error("the run's settings cannot be read: " + blad.Opis);
    std::optional<TUstawieniaSymulacji> u = std::move(analiza->Ustawienia);
    if (!p.at("bits").is_null())
        u->Bity = p.at("bits").get<std::vector<std::int32_t>>();
    if (!p.at("crosstalk_bits").is_null())
        u->BityZaklocen = p.at("crosstalk_bits").get<std::vector<std::int32_t>>();
    const auto wynik = Przebieg(std::move(*u), przerwanie);
    if (!wynik)
        return std::nullopt;
    return TekstJson(WynikJson(*wynik, false));
}
