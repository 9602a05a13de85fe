#include "WynikPythona.h"

#include <pybind11/numpy.h>

#include "JsonSymulacji.h"
#include "OdczytPliku.h"
#include "TekstJson.h"
#include "ZapisAtomowy.h"

namespace py = pybind11;

namespace {

py::object Tablica(const TFltFltStrumien* s)
{
    if (s == nullptr)
        return py::none();
    // Reading a stream goes through its scratch element; the GIL held here keeps two
    // readers of one result apart.
    auto& strumien = const_cast<TFltFltStrumien&>(*s);
    const std::int32_t n = strumien.ZwrocDlugosc();
    py::array_t<float> tablica({static_cast<py::ssize_t>(n), py::ssize_t{2}});
    auto t = tablica.mutable_unchecked<2>();
    for (std::int32_t i = 0; i < n; ++i) {
        const TPunkt p = strumien.Zwroc(i);
        t(i, 0) = p.X;
        t(i, 1) = p.Y;
    }
    tablica.attr("flags").attr("writeable") = false;
    return tablica;
}

} // namespace

std::string TWynikPythona::Dokument(bool strumienie) const
{
    return TekstJson(WynikJson(*Wynik, strumienie));
}

py::list TWynikPythona::Wejsciowe() const
{
    py::list wynik;
    for (const auto& s : Wynik->Wejsciowe)
        wynik.append(py::make_tuple(s->ZwrocNazwe(), Tablica(s.get())));
    return wynik;
}

py::list TWynikPythona::Tory() const
{
    py::list wynik;
    for (const TTorWyniku& t : Wynik->Tory) {
        py::dict tor;
        tor["name"] = t.Nazwa;
        tor["sampling_phase"] = t.FazaProbkowania;
        tor["symbol_delay"] = t.OpoznienieSymboli;
        tor["sent"] = Tablica(t.Wyslany);
        tor["received"] = Tablica(t.Odebrany.get());
        tor["regenerated"] = Tablica(t.Zregenerowany.get());
        tor["amplified"] = Tablica(t.Wzmocniony.get());
        tor["decoded"] = Tablica(t.Zdekodowany.get());
        // As in the document: the reference staircase only beside a decoded sequence.
        tor["reference"] = t.Zdekodowany ? Tablica(t.Wzorzec) : py::none();
        wynik.append(std::move(tor));
    }
    return wynik;
}

py::object TWynikPythona::Rozklad() const
{
    return Tablica(Wynik->Rozklad.get());
}

py::object TWynikPythona::Dystrybuanta() const
{
    return Tablica(Wynik->Dystrybuanta.get());
}

void TWynikPythona::Zapisz(const std::string& plik, bool strumienie) const
{
    if (const std::string rodzaj = RodzajNieZwyklegoPliku(plik); !rodzaj.empty())
        throw py::value_error(plik + " is " + rodzaj + ", not a regular file");
    const TPochodzenie& z = Wynik->Ustawienia.Pochodzenie;
    std::vector<const std::string*> wejscia = {&z.PlikTlumienia, &z.PlikPrzesluchow, &z.PlikEcha,
                                               &z.PlikRegeneracji, &z.PlikBitow, &z.PlikBitowZaklocen};
    if (z.Touchstone)
        wejscia.push_back(&z.Touchstone->Plik);
    for (const std::string* wejscie : wejscia)
        if (!wejscie->empty() && TenSamPlik(plik, *wejscie))
            throw py::value_error(plik + " is the same file as an input of the run");
    const std::string tekst = Dokument(strumienie);
    TZapisAtomowy zapis;
    std::string blad = zapis.Dodaj(plik, tekst);
    if (blad.empty())
        blad = zapis.Zatwierdz();
    if (!blad.empty()) {
        PyErr_SetString(PyExc_OSError, blad.c_str());
        throw py::error_already_set();
    }
}
