#include "ArgumentyPrzebiegu.h"

#include <pybind11/numpy.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "JsonSymulacji.h"
#include "Liczby.h"
#include "PlikBitow.h"
#include "PlikModelu.h"
#include "Standardy.h"
#include "ZrodlaCharakterystyk.h"

namespace py = pybind11;

namespace {

[[noreturn]] void ZlaWartosc(const char* nazwa, const std::string& powod)
{
    throw py::value_error(std::string(nazwa) + ": " + powod);
}

[[noreturn]] void ZlyRodzaj(const char* nazwa, const std::string& powod)
{
    throw py::type_error(std::string(nazwa) + ": " + powod);
}

// The keyword's value, or nothing when it is absent or None.
std::optional<py::object> Podany(const py::dict& a, const char* nazwa)
{
    if (!a.contains(nazwa))
        return std::nullopt;
    py::object w = a[nazwa];
    if (w.is_none())
        return std::nullopt;
    return w;
}

// The value as the messages quote it: what the user wrote, as the command line quotes its text.
std::string Tekst(const py::handle& w)
{
    return py::str(w).cast<std::string>();
}

bool JestLogiczna(const py::handle& w)
{
    return py::isinstance<py::bool_>(w) || py::isinstance(w, py::module_::import("numpy").attr("bool_"));
}

// A whole number given as an int (NumPy's too, but not True or False); nothing for values of
// other kinds. Beyond 64 bits it reads as the largest number of its sign, out of every limit.
std::optional<long long> Calkowita(const py::handle& w)
{
    if (JestLogiczna(w) || !PyIndex_Check(w.ptr()))
        return std::nullopt;
    const auto n = py::reinterpret_steal<py::object>(PyNumber_Index(w.ptr()));
    if (!n)
        throw py::error_already_set();
    int przepelnienie = 0;
    const long long x = PyLong_AsLongLongAndOverflow(n.ptr(), &przepelnienie);
    if (przepelnienie != 0)
        return przepelnienie > 0 ? std::numeric_limits<long long>::max() : std::numeric_limits<long long>::min();
    return x;
}

// A real number given as a float or an int (NumPy's too, but not True or False).
std::optional<double> Rzeczywista(const py::handle& w)
{
    if (JestLogiczna(w) || py::isinstance<py::str>(w) || (!PyIndex_Check(w.ptr()) && !py::hasattr(w, "__float__")))
        return std::nullopt;
    return w.cast<double>();
}

bool Logiczna(const py::dict& a, const char* nazwa, bool domyslna)
{
    const auto w = Podany(a, nazwa);
    if (!w)
        return domyslna;
    if (!JestLogiczna(*w))
        ZlyRodzaj(nazwa, "'" + Tekst(*w) + "' is not True or False");
    return w->cast<bool>();
}

// A path given as str or os.PathLike; nothing for other values.
std::optional<std::string> Sciezka(const py::handle& w)
{
    if (py::isinstance<py::str>(w))
        return w.cast<std::string>();
    if (py::hasattr(w, "__fspath__")) {
        const py::object s = w.attr("__fspath__")();
        if (py::isinstance<py::str>(s))
            return s.cast<std::string>();
    }
    return std::nullopt;
}

int Standard(const py::dict& a)
{
    const auto w = Podany(a, "standard");
    if (!w)
        return 1;
    const std::string powod =
        "unknown standard '" + Tekst(*w) + "' (10BaseT, 100BaseTX, \"100BaseTX (bez 4B5B)\", 1000BaseT or 0 to 3)";
    if (const auto i = Calkowita(*w)) {
        if (*i >= 0 && *i < static_cast<long long>(Standardy.size()))
            return static_cast<int>(*i);
    } else if (py::isinstance<py::str>(*w)) {
        for (std::size_t i = 0; i < Standardy.size(); ++i)
            if (w->cast<std::string>() == Standardy[i].Nazwa)
                return static_cast<int>(i);
    } else {
        ZlyRodzaj("standard", powod);
    }
    ZlaWartosc("standard", powod);
}

// Where each of the four lists came from, for the message that names an unusable one.
struct TPochodzenieListy {
    const char* Nazwa;
    std::string Opis = "the default";
};

// A characteristic given as a model file or as (MHz, dB) points; the list stays when none is.
void Charakterystyka(const py::dict& a, TPochodzenieListy& pochodzenie, TCharakterystyka& lista, std::string& plik)
{
    const auto w = Podany(a, pochodzenie.Nazwa);
    if (!w)
        return;
    if (const auto sciezka = Sciezka(*w)) {
        std::string powod;
        if (WczytajModel(*sciezka, lista, &powod) != TBladModelu::Brak)
            ZlaWartosc(pochodzenie.Nazwa, *sciezka + ": " + powod);
        plik = *sciezka;
        pochodzenie.Opis = *sciezka;
        return;
    }
    const auto punkty = py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(*w);
    if (!punkty || punkty.ndim() != 2 || punkty.shape(1) != 2) {
        PyErr_Clear();
        ZlyRodzaj(pochodzenie.Nazwa, "'" + Tekst(*w) + "' is not a model file or a list of (MHz, dB) points");
    }
    lista.clear();
    const auto p = punkty.unchecked<2>();
    for (py::ssize_t i = 0; i < p.shape(0); ++i)
        lista.push_back({static_cast<float>(p(i, 0)), static_cast<float>(p(i, 1))});
    pochodzenie.Opis = "the points given";
}

// Bits given as a bit file or as a sequence of 0 and 1.
std::optional<std::vector<std::int32_t>> Bity(const py::dict& a, const char* nazwa, std::string& plik)
{
    const auto w = Podany(a, nazwa);
    if (!w)
        return std::nullopt;
    if (const auto sciezka = Sciezka(*w)) {
        std::string blad;
        auto bity = WczytajBity(*sciezka, blad);
        if (!bity)
            ZlaWartosc(nazwa, *sciezka + ": " + blad);
        plik = *sciezka;
        return bity;
    }
    const py::array tablica = py::array::ensure(*w);
    if (!tablica || tablica.ndim() != 1 || (tablica.size() > 0 && tablica.dtype().kind() != 'i' &&
                                            tablica.dtype().kind() != 'u' && tablica.dtype().kind() != 'b')) {
        PyErr_Clear();
        ZlyRodzaj(nazwa, "'" + Tekst(*w) + "' is not a bit file or a sequence of 0 and 1");
    }
    const auto bity = py::array_t<std::int64_t, py::array::forcecast>::ensure(tablica).unchecked<1>();
    std::vector<std::int32_t> wynik;
    wynik.reserve(static_cast<std::size_t>(bity.shape(0)));
    // Anything but 0 and 1 is kept as 2, so that the engine's check names it.
    for (py::ssize_t i = 0; i < bity.shape(0); ++i)
        wynik.push_back(bity(i) == 0 || bity(i) == 1 ? static_cast<std::int32_t>(bity(i)) : 2);
    return wynik;
}

// A real number within [min, max] given for a cable; jednostka names what it counts.
double WZakresie(const py::object& w, const char* nazwa, double min, double max, const char* jednostka)
{
    const std::string powod = "'" + Tekst(w) + "' is not a number from " + FormatujStalo(min, 0) + " to " +
                              FormatujStalo(max, 0) + " (" + jednostka + ")";
    const auto x = Rzeczywista(w);
    if (!x)
        ZlyRodzaj(nazwa, powod);
    if (!(*x >= min && *x <= max))
        ZlaWartosc(nazwa, powod);
    return *x;
}

// The cable preset and the Touchstone file fill the attenuation, crosstalk and echo that no
// model file or points gave, the file before the preset; dane: which of the three were given.
void Zrodla(const py::dict& a, TUstawieniaSymulacji& u, TListyZrodla dane)
{
    for (const char* zalezna : {"length", "temperature"})
        if (Podany(a, zalezna) && !Podany(a, "cable"))
            ZlaWartosc(zalezna, "needs cable");
    for (const char* zalezna : {"touchstone_ports", "touchstone_dc", "touchstone_points"})
        if (Podany(a, zalezna) && !Podany(a, "touchstone"))
            ZlaWartosc(zalezna, "needs touchstone");

    std::optional<TParametryKabla> kabel;
    if (const auto w = Podany(a, "cable")) {
        const auto kategoria = py::isinstance<py::str>(*w) ? KategoriaZNazwy(w->cast<std::string>()) : std::nullopt;
        if (!kategoria)
            ZlaWartosc("cable", "'" + Tekst(*w) + "' is not Cat3, Cat5, Cat5e, Cat6 or Cat6A");
        kabel = TParametryKabla{*kategoria};
        if (const auto d = Podany(a, "length"))
            kabel->DlugoscM = WZakresie(*d, "length", DlugoscKablaMin, DlugoscKablaMax, "metres");
        if (const auto t = Podany(a, "temperature"))
            kabel->TemperaturaC = WZakresie(*t, "temperature", TemperaturaKablaMin, TemperaturaKablaMax, "°C");
    }
    TOpcjeImportu opcje;
    if (const auto w = Podany(a, "touchstone_ports")) {
        opcje.Porty = py::isinstance<py::str>(*w) ? KolejnoscZNazwy(w->cast<std::string>()) : std::nullopt;
        if (!opcje.Porty)
            ZlaWartosc("touchstone_ports", "'" + Tekst(*w) + "' is not 13-24 or 12-34");
    }
    if (const auto w = Podany(a, "touchstone_dc")) {
        const auto tryb = py::isinstance<py::str>(*w) ? PonizejPomiaruZNazwy(w->cast<std::string>()) : std::nullopt;
        if (!tryb)
            ZlaWartosc("touchstone_dc", "'" + Tekst(*w) + "' is not fit or flat");
        opcje.PonizejPomiaru = *tryb;
    }
    if (const auto w = Podany(a, "touchstone_points")) {
        const auto n = Calkowita(*w);
        if (!n || *n < 2)
            ZlaWartosc("touchstone_points", "'" + Tekst(*w) + "' is not a whole number of at least 2");
        opcje.LiczbaPunktow = static_cast<std::size_t>(*n);
    }

    // Both are made for the filter at the run's rate: a rate out of its limits is reported
    // with the other settings, and nothing is made from it.
    const TZakres szybkosci = ZakresPola(TPoleUstawien::Szybkosc, u.Standard);
    if (u.Szybkosc < szybkosci.Min || u.Szybkosc > szybkosci.Max)
        return;
    const TListyZrodla bezDanych{!dane.Tlumienie, !dane.Przesluchy, !dane.Echo};
    std::optional<TImportCharakterystyk> import;
    if (const auto w = Podany(a, "touchstone")) {
        const auto plik = Sciezka(*w);
        if (!plik)
            ZlyRodzaj("touchstone", "'" + Tekst(*w) + "' is not a file name");
        std::string blad;
        import = ImportujCharakterystyki(*plik, opcje, u.Standard, u.Szybkosc, TJezyk::Angielski, blad);
        if (!import)
            ZlaWartosc("touchstone", *plik + ": " + blad);
    }
    UstawZrodla(u, kabel, import, bezDanych);
}

} // namespace

TUstawieniaSymulacji UstawieniaZArgumentow(const py::dict& a)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(Standard(a));
    // Each number the user gave with its keyword and text, for the message that names a
    // violated limit.
    std::vector<std::pair<TPoleUstawien, std::pair<const char*, std::string>>> podane;

    const auto calkowita = [&](const char* nazwa, TPoleUstawien pole, auto& cel) {
        const auto w = Podany(a, nazwa);
        if (!w)
            return;
        const TZakres z = ZakresPola(pole, u.Standard, LiczbaBitowMaxWiersza);
        const std::string powod =
            "'" + Tekst(*w) + "' is not a whole number from " + FormatujCalkowita(z.Min) + " to " + FormatujCalkowita(z.Max);
        const auto n = Calkowita(*w);
        if (!n)
            ZlyRodzaj(nazwa, powod);
        if (*n < std::numeric_limits<std::int32_t>::min() || *n > std::numeric_limits<std::int32_t>::max())
            ZlaWartosc(nazwa, powod);
        cel = static_cast<std::remove_reference_t<decltype(cel)>>(*n);
        podane.push_back({pole, {nazwa, Tekst(*w)}});
    };
    calkowita("bits", TPoleUstawien::LiczbaBitow, u.LiczbaBitow);
    calkowita("rate", TPoleUstawien::Szybkosc, u.Szybkosc);
    calkowita("slope", TPoleUstawien::Nachylenie, u.Nachylenie);
    calkowita("echo_delay", TPoleUstawien::PrzesuniecieEcha, u.PrzesuniecieEcha);
    if (const auto w = Podany(a, "source")) {
        const auto z = py::isinstance<py::str>(*w) ? ZrodloZNazwy(w->cast<std::string>()) : std::nullopt;
        if (!z)
            ZlaWartosc("source", "'" + Tekst(*w) + "' is not " + NazwyZrodel());
        u.Zrodlo = *z;
    }
    const auto rzeczywista = [&](const char* nazwa, TPoleUstawien pole) -> std::optional<double> {
        const auto w = Podany(a, nazwa);
        if (!w)
            return std::nullopt;
        const auto x = Rzeczywista(*w);
        if (!x)
            ZlyRodzaj(nazwa, "'" + Tekst(*w) + "' is not a number");
        podane.push_back({pole, {nazwa, Tekst(*w)}});
        return x;
    };
    if (Podany(a, "snr") && Podany(a, "noise_mv"))
        ZlaWartosc("noise_mv", "contradicts snr");
    u.SzumIDrzenie.SnrDb = rzeczywista("snr", TPoleUstawien::Snr);
    u.SzumIDrzenie.SzumMv = rzeczywista("noise_mv", TPoleUstawien::SzumMv);
    u.SzumIDrzenie.DrzeniePs = rzeczywista("jitter_ps", TPoleUstawien::DrzeniePs).value_or(0.0);
    u.Przesluchy = Logiczna(a, "crosstalk", true);
    u.Echo = Logiczna(a, "echo", true);
    u.Regeneracja = Logiczna(a, "regeneration", true);
    u.Dekoder = Logiczna(a, "decoder", true);
    u.Adaptacyjny = Logiczna(a, "adaptive", false);
    if (u.Adaptacyjny && Podany(a, "regeneration_model"))
        ZlaWartosc("regeneration_model", "contradicts adaptive");
    if (const auto w = Podany(a, "seed")) {
        const std::string powod = "'" + Tekst(*w) + "' is not a whole number from 0 to " +
                                  FormatujCalkowita(std::numeric_limits<std::int32_t>::max());
        const auto n = Calkowita(*w);
        if (!n)
            ZlyRodzaj("seed", powod);
        if (*n < 0 || *n > std::numeric_limits<std::int32_t>::max())
            ZlaWartosc("seed", powod);
        u.Ziarno = static_cast<std::uint32_t>(*n);
    }

    TPochodzenie& z = u.Pochodzenie;
    TCharakterystykiKanalu& c = u.Charakterystyki;
    TPochodzenieListy tlumienie{"attenuation"}, przesluchy{"crosstalk_model"}, echo{"echo_model"},
        regeneracja{"regeneration_model"};
    Charakterystyka(a, tlumienie, c.Tlumienie, z.PlikTlumienia);
    Charakterystyka(a, przesluchy, c.Przesluchy, z.PlikPrzesluchow);
    Charakterystyka(a, echo, c.Echo, z.PlikEcha);
    Charakterystyka(a, regeneracja, c.Wzmocnienie, z.PlikRegeneracji);
    Zrodla(a, u,
           {Podany(a, "attenuation").has_value(), Podany(a, "crosstalk_model").has_value(),
            Podany(a, "echo_model").has_value()});
    u.Bity = Bity(a, "bits_file", z.PlikBitow);
    u.BityZaklocen = Bity(a, "crosstalk_bits_file", z.PlikBitowZaklocen);

    for (const TNaruszenie& n : SprawdzUstawienia(u, LiczbaBitowMaxWiersza)) {
        for (const auto& [pole, podany] : podane)
            if (pole == n.Pole)
                ZlaWartosc(podany.first, "'" + podany.second + "' is not " + n.Powod);
        const auto bity = [](const std::string& plik) { return plik.empty() ? std::string("the bits given") : plik; };
        const TPochodzenieListy zrodlo = [&]() -> TPochodzenieListy {
            switch (n.Pole) {
            case TPoleUstawien::Tlumienie:
                return tlumienie;
            case TPoleUstawien::Przesluchy:
                return przesluchy;
            case TPoleUstawien::Echo:
                return echo;
            case TPoleUstawien::Wzmocnienie:
                return regeneracja;
            case TPoleUstawien::Bity:
                return {"bits_file", bity(z.PlikBitow)};
            case TPoleUstawien::BityZaklocen:
                return {"crosstalk_bits_file", bity(z.PlikBitowZaklocen)};
            default:
                return {"standard", {}};
            }
        }();
        ZlaWartosc(zrodlo.Nazwa, zrodlo.Opis.empty() ? n.Powod : zrodlo.Opis + ": " + n.Powod);
    }
    return u;
}
