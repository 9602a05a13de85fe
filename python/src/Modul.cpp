// The compiled half of the lintavox package: runs of the toolkit-free engine and their
// results. The package's Python half gives them their documented signatures.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "ArgumentyPrzebiegu.h"
#include "JsonSymulacji.h"
#include "PrzebiegPythona.h"
#include "PrzemiatanieModulu.h"
#include "Standardy.h"
#include "WynikPythona.h"

namespace py = pybind11;

PYBIND11_MODULE(_lintavox, m)
{
    m.doc() = "Runs of the Lintavox engine; use the lintavox package, not this module.";

    py::class_<TPrzerwanie>(m, "Cancellation", "Stops every run that watches it once set.")
        .def(py::init<>())
        .def("cancel", &TPrzerwanie::Przerwij)
        .def_property_readonly("cancelled", &TPrzerwanie::Przerwane);

    py::class_<TWynikPythona>(m, "RunResult", "A finished run held by the engine.")
        .def("document", &TWynikPythona::Dokument, py::arg("streams"))
        .def("input_streams", &TWynikPythona::Wejsciowe)
        .def("lanes", &TWynikPythona::Tory)
        .def("histogram", &TWynikPythona::Rozklad)
        .def("cumulative", &TWynikPythona::Dystrybuanta)
        .def("save", &TWynikPythona::Zapisz, py::arg("path"), py::arg("streams"));

    m.def(
        "run",
        [](const py::dict& argumenty, const TPrzerwanie* przerwanie) -> py::object {
            auto wynik = Przebieg(UstawieniaZArgumentow(argumenty), przerwanie);
            if (!wynik)
                return py::none();
            return py::cast(TWynikPythona(std::move(wynik)));
        },
        py::arg("arguments"), py::arg("cancellation") = nullptr,
        "Runs the settings named by the keyword arguments of lintavox.run; None once cancelled.");

    m.def(
        "load",
        [](const std::string& plik) -> py::object {
            TBladAnalizy blad;
            std::optional<TAnaliza> analiza = WczytajAnalize(plik, blad);
            if (!analiza)
                throw py::value_error(plik + ": " + blad.Opis);
            if (!analiza->Wynik)
                throw py::value_error(plik + ": the analysis holds settings without the results of a run");
            return py::cast(TWynikPythona(std::shared_ptr<const TWynikSymulacji>(std::move(analiza->Wynik))));
        },
        py::arg("path"), "Reads an analysis file saved with its results.");

    py::class_<TPrzemiatanieModulu>(m, "Sweep", "A sweep's runs, checked, packed for workers anywhere.")
        .def(py::init<const py::dict&, const py::dict&>(), py::arg("axes"), py::arg("base"))
        .def_property_readonly("runs", &TPrzemiatanieModulu::LiczbaPrzebiegow)
        .def("package", &TPrzemiatanieModulu::Paczka, py::arg("run"))
        .def("describe", &TPrzemiatanieModulu::Opis, py::arg("run"))
        .def("table", &TPrzemiatanieModulu::Tabela, py::arg("documents"));

    m.def("run_package", &PrzebiegPaczki, py::arg("package"), py::arg("cancellation") = nullptr,
          "Runs a package of Sweep.package; the result document without streams, None once cancelled.");

    std::vector<std::string> nazwy;
    for (const TStandard& s : Standardy)
        nazwy.emplace_back(s.Nazwa);
    m.attr("STANDARDS") = nazwy;
}
