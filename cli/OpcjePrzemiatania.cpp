#include "OpcjePrzemiatania.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <filesystem>
#include <set>
#include <stdexcept>
#include <thread>

#include "JsonSymulacji.h"
#include "Liczby.h"
#include "OdczytPliku.h"
#include "WykresPrzemiatania.h"

using nlohmann::json;

namespace {

// An option or file that cannot be taken: the one-line message names it.
struct TBladOpcjiPrzemiatania : std::runtime_error {
    using std::runtime_error::runtime_error;
};

constexpr std::string_view WielkosciWykresu[] = {"ber", "ber_counted", "ber_ci_low", "ber_ci_high", "error_share"};

constexpr unsigned NajwiecejWatkow = 1024;
// A sweep file holds settings and axes; a base analysis may be a whole result document.
constexpr std::uintmax_t NajwiekszyPlikPrzemiatania = std::uintmax_t{64} << 20;

json CzytajJson(const std::string& plik, std::uintmax_t maksBajtow)
{
    const TOdczytPliku odczyt = CzytajPlik(plik, maksBajtow);
    if (odczyt.Blad != TBladOdczytu::Brak)
        throw TBladOpcjiPrzemiatania(plik + ": " + odczyt.Powod);
    json dokument = json::parse(odczyt.Dane, nullptr, false);
    if (dokument.is_discarded() || !dokument.is_object())
        throw TBladOpcjiPrzemiatania(plik + ": not a JSON object");
    return dokument;
}

// The base analysis and the axes of a sweep file:
//   {"base": <analysis document, or the name of a file holding one>,
//    "axes": [{"axis": "rate", "values": "100:500:100"}, {"axis": "snr_db", "values": [8, 10]}]}
// Without "base" the sweep starts from a new 100BaseTX analysis.
void CzytajPlikPrzemiatania(TOpcjePrzemiatania& o, const std::string& plik)
{
    o.PlikPrzemiatania = plik;
    const json d = CzytajJson(plik, NajwiekszyPlikPrzemiatania);
    o.Wejscia.push_back({"--sweep-file", plik});
    o.Baza = DomyslneUstawienia(1);
    if (d.contains("base")) {
        const json& b = d.at("base");
        TBladAnalizy blad;
        std::optional<TAnaliza> baza;
        if (b.is_string()) {
            std::filesystem::path sciezka = b.get<std::string>();
            if (sciezka.is_relative())
                sciezka = std::filesystem::path(plik).parent_path() / sciezka;
            o.Wejscia.push_back({"--sweep-file's base", sciezka.string()});
            baza = WczytajAnalize(sciezka, blad);
        } else if (b.is_object()) {
            baza = AnalizaZJson(b, blad);
        } else {
            blad.Opis = "must be an analysis document or the name of a file holding one";
        }
        if (!baza)
            throw TBladOpcjiPrzemiatania(plik + ": base: " + blad.Opis);
        o.Baza = std::move(baza->Ustawienia);
    }

    const std::string ksztalt = "axes must be a list of {\"axis\": name, \"values\": list or range}";
    if (!d.contains("axes") || !d.at("axes").is_array() || d.at("axes").empty())
        throw TBladOpcjiPrzemiatania(plik + ": " + ksztalt);
    for (const json& element : d.at("axes")) {
        if (!element.is_object() || !element.contains("axis") || !element.at("axis").is_string() ||
            !element.contains("values"))
            throw TBladOpcjiPrzemiatania(plik + ": " + ksztalt);
        const std::string nazwa = element.at("axis").get<std::string>();
        const std::optional<TOsPrzemiatania> os = OsZNazwy(nazwa);
        if (!os)
            throw TBladOpcjiPrzemiatania(plik + ": '" + nazwa + "' is not an axis (" + NazwyOsi() + ")");
        std::string blad;
        auto wartosci = WartosciZJson(*os, element.at("values"), blad);
        if (!wartosci)
            throw TBladOpcjiPrzemiatania(plik + ": axis " + nazwa + ": " + blad);
        o.Osie.push_back({*os, std::move(*wartosci)});
    }
    const std::vector<TWejscieWiersza> pliki = WejsciaWiersza(o.Baza.Pochodzenie);
    o.Wejscia.insert(o.Wejscia.end(), pliki.begin(), pliki.end());
}

} // namespace

std::string NazwaOsiWKomunikacie(const TOpcjePrzemiatania& o, TOsPrzemiatania os)
{
    if (!o.PlikPrzemiatania.empty())
        return o.PlikPrzemiatania + ": axis " + std::string(OpisOsi(os).Nazwa);
    return "--" + std::string(OpisOsi(os).Opcja);
}

bool WielkoscDoWykresu(std::string_view nazwa)
{
    return std::find(std::begin(WielkosciWykresu), std::end(WielkosciWykresu), nazwa) != std::end(WielkosciWykresu);
}

TWynikParsowaniaPrzemiatania ParsujPrzemiatanie(QStringList argumenty)
{
    const QString program = argumenty.value(0);
    if (argumenty.size() > 1)
        argumenty.removeAt(1);
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "lintavox-sim sweep: runs the simulation for every combination of the values given, on every core, "
        "one CSV row per run.\n"
        "A setting option takes a list and ranges: --rate 100:500:100 (from:to:step), --seed 1..20, "
        "--snr 8,10.5,12, --standard all; --cable with --length or --temperature sweeps the cable. The other "
        "options are those of a single run. Running the same command again resumes, skipping the rows in the CSV."));
    DodajOpcjeJednegoPrzebiegu(p, false);
    const auto opcja = [&p](const char* nazwa, const char* opis, const char* wartosc) {
        QCommandLineOption o(QString::fromLatin1(nazwa), QString::fromUtf8(opis), QString::fromLatin1(wartosc));
        p.addOption(o);
        return o;
    };
    const auto wyjscie = opcja("out", "CSV file the rows are appended to (required); a sweep found there resumes. The settings of its first run go beside it in <file.csv>.lintavox, and a resume with other settings is refused.", "file.csv");
    const auto watki = opcja("jobs", "Runs at a time, each on one thread (default: the hardware threads).", "count");
    const auto folderJson = opcja("keep-json", "Write each run's JSON result document into this folder.", "folder");
    const auto wykres = opcja("plot", "Draw the figure against the first swept setting, a series per value of the others, "
                                      "log scale, as PNG, SVG or PDF (by the file's extension).", "file");
    const auto wielkosc = opcja("plot-figure", "The figure --plot draws: ber (default), ber_counted, ber_ci_low, "
                                               "ber_ci_high or error_share.", "name");
    const auto plikPrzemiatania = opcja("sweep-file", "JSON file of the base analysis and the axes, instead of the "
                                                      "setting options: {\"base\": …, \"axes\": [{\"axis\": \"rate\", "
                                                      "\"values\": \"100:500:100\"}, …]}.", "file");
    if (!p.parse(argumenty))
        return {std::nullopt, "lintavox-sim sweep: " + p.errorText().toStdString(), 2};
    if (p.isSet(QStringLiteral("help")))
        return {std::nullopt, p.helpText().toStdString(), 0};
    if (!p.positionalArguments().isEmpty())
        return {std::nullopt,
                "lintavox-sim sweep: unexpected argument '" + p.positionalArguments().front().toStdString() + "'", 2};

    try {
        TOpcjePrzemiatania o;
        if (!p.isSet(wyjscie))
            throw TBladOpcjiPrzemiatania("--out: the sweep needs a CSV file for its rows");
        o.PlikCsv = p.value(wyjscie).toStdString();
        o.Watki = std::max(1u, std::thread::hardware_concurrency());
        if (p.isSet(watki)) {
            const std::string tekst = p.value(watki).toStdString();
            const auto n = ParsujCalkowita(tekst);
            if (!n || *n < 1 || *n > static_cast<std::int32_t>(NajwiecejWatkow) ||
                tekst.find_first_not_of("0123456789") != std::string::npos)
                throw TBladOpcjiPrzemiatania("--jobs: '" + tekst + "' is not a whole number from 1 to " +
                                        FormatujCalkowita(NajwiecejWatkow));
            o.Watki = static_cast<unsigned>(*n);
        }
        o.FolderJson = p.value(folderJson).toStdString();
        o.PlikWykresu = p.value(wykres).toStdString();
        if (p.isSet(wielkosc)) {
            o.Wielkosc = p.value(wielkosc).toStdString();
            if (!WielkoscDoWykresu(o.Wielkosc))
                throw TBladOpcjiPrzemiatania("--plot-figure: '" + o.Wielkosc +
                                        "' is not ber, ber_counted, ber_ci_low, ber_ci_high or error_share");
        }
        if (p.isSet(wykres)) {
            const QString rozszerzenie = QFileInfo(p.value(wykres)).suffix().toLower();
            if (rozszerzenie != QStringLiteral("png") && rozszerzenie != QStringLiteral("svg") &&
                rozszerzenie != QStringLiteral("pdf"))
                throw TBladOpcjiPrzemiatania("--plot: " + o.PlikWykresu + " is not a .png, .svg or .pdf file");
            if (!WykresyDostepne())
                throw TBladOpcjiPrzemiatania("--plot: this lintavox-sim was built without the desktop option "
                                        "(LINTAVOX_GUI=OFF), which draws charts");
        }
        o.Cicho = p.isSet(QStringLiteral("quiet"));
        o.BezStrumieni = p.isSet(QStringLiteral("no-streams"));
        if (p.isSet(QStringLiteral("lang"))) {
            const QString kod = p.value(QStringLiteral("lang"));
            const std::optional<TJezyk> j = JezykOpcji(kod);
            if (!j)
                throw TBladOpcjiPrzemiatania("--lang: '" + kod.toStdString() + "' is not pl or en");
            o.Jezyk = *j;
        }

        // Every option the sweep itself reads; all others describe the runs' settings.
        std::set<QString> wlasne{QStringLiteral("help"), QStringLiteral("h"), QStringLiteral("quiet"),
                                 QStringLiteral("no-streams"), QStringLiteral("lang")};
        for (const QCommandLineOption* w : {&wyjscie, &watki, &folderJson, &wykres, &wielkosc, &plikPrzemiatania})
            wlasne.insert(w->names().front());

        if (p.isSet(plikPrzemiatania)) {
            for (const QString& nazwa : p.optionNames())
                if (!wlasne.contains(nazwa))
                    throw TBladOpcjiPrzemiatania("--" + nazwa.toStdString() +
                                            ": the sweep file gives the settings; no setting option goes with it");
            CzytajPlikPrzemiatania(o, p.value(plikPrzemiatania).toStdString());
            return {std::move(o), {}, 0};
        }

        // The base settings are a single run's, made from the options as given, each swept
        // option taking its first value; every swept option is an axis, in the order given.
        QStringList bazowe{program};
        std::set<QString> widziane;
        for (const QString& nazwa : p.optionNames()) {
            if (wlasne.contains(nazwa) || !widziane.insert(nazwa).second)
                continue;
            const QStringList wartosci = p.values(nazwa);
            const std::optional<TOsPrzemiatania> os = OsZOpcji(nazwa.toStdString());
            if (!os) {
                if (wartosci.isEmpty())
                    bazowe << QStringLiteral("--") + nazwa;
                for (const QString& w : wartosci)
                    bazowe << QStringLiteral("--") + nazwa << w;
                continue;
            }
            if (wartosci.size() > 1)
                throw TBladOpcjiPrzemiatania("--" + nazwa.toStdString() + ": given more than once; give one list");
            std::string blad;
            auto lista = ParsujWartosci(*os, wartosci.front().toStdString(), blad);
            if (!lista)
                throw TBladOpcjiPrzemiatania("--" + nazwa.toStdString() + ": " + blad);
            bazowe << QStringLiteral("--") + nazwa << QString::fromStdString(TekstWartosci(lista->front()));
            o.Osie.push_back({*os, std::move(*lista)});
        }
        if (o.Osie.empty())
            throw TBladOpcjiPrzemiatania("nothing to sweep: give a setting a list or a range (--rate 100:500:100), "
                                    "or a --sweep-file");
        TWynikParsowania baza = ParsujWiersz(bazowe);
        if (!baza.Opcje) {
            std::string tekst = baza.Tekst;
            if (tekst.starts_with("lintavox-sim: "))
                tekst.replace(0, 14, "lintavox-sim sweep: ");
            return {std::nullopt, tekst, baza.Kod};
        }
        o.Baza = std::move(baza.Opcje->Ustawienia);
        o.Uwagi = std::move(baza.Opcje->Uwagi);
        o.Wejscia = WejsciaWiersza(o.Baza.Pochodzenie);
        return {std::move(o), {}, 0};
    } catch (const TBladOpcjiPrzemiatania& blad) {
        return {std::nullopt, std::string("lintavox-sim sweep: ") + blad.what(), 2};
    }
}
