#include "OpcjeWiersza.h"

#include <QCommandLineParser>

#include <cstring>
#include <filesystem>
#include <limits>
#include <stdexcept>
#include <type_traits>

#include "JsonSymulacji.h"
#include "Liczby.h"
#include "OdczytPliku.h"
#include "PlikBitow.h"
#include "PlikModelu.h"
#include "WykresPrzemiatania.h"
#include "Standardy.h"
#include "ZrodlaCharakterystyk.h"

namespace {

// An option whose value is wrong: the one-line message names it.
struct TBladOpcji : std::runtime_error {
    TBladOpcji(const QString& opcja, const std::string& powod)
        : std::runtime_error("--" + opcja.toStdString() + ": " + powod)
    {
    }
};

int Standard(const QString& opcja, const QString& tekst)
{
    for (std::size_t i = 0; i < Standardy.size(); ++i)
        if (tekst.toStdString() == Standardy[i].Nazwa || tekst == QString::number(i))
            return static_cast<int>(i);
    throw TBladOpcji(opcja, "unknown standard '" + tekst.toStdString() +
                                "' (10BaseT, 100BaseTX, \"100BaseTX (bez 4B5B)\", 1000BaseT or 0 to 3)");
}

// The text of a whole-number option, digits only as the settings page takes it; the
// limits themselves are the engine's to check.
std::int64_t Cyfry(const QString& opcja, const QString& tekst, TPoleUstawien pole, int standard)
{
    const std::string s = tekst.toStdString();
    const auto wartosc = ParsujCalkowita(s);
    if (!wartosc || s.find_first_not_of("0123456789") != std::string::npos) {
        const TZakres z = ZakresPola(pole, standard, LiczbaBitowMaxWiersza);
        throw TBladOpcji(opcja, "'" + s + "' is not a whole number from " + FormatujCalkowita(z.Min) + " to " +
                                    FormatujCalkowita(z.Max));
    }
    return *wartosc;
}

// The text of a real-valued option: a finite number, either decimal separator.
double Liczba(const QString& opcja, const QString& tekst)
{
    const std::string s = tekst.toStdString();
    const auto wartosc = ParsujLiczbe(s);
    if (!wartosc)
        throw TBladOpcji(opcja, "'" + s + "' is not a number");
    return *wartosc;
}

TCharakterystyka Model(const QString& opcja, const std::string& plik, const TCharakterystyka& domyslna)
{
    if (plik.empty())
        return domyslna;
    TCharakterystyka punkty;
    std::string powod;
    if (WczytajModel(plik, punkty, &powod) != TBladModelu::Brak)
        throw TBladOpcji(opcja, plik + ": " + powod);
    return punkty;
}

std::optional<std::vector<std::int32_t>> Bity(const QString& opcja, const std::string& plik)
{
    if (plik.empty())
        return std::nullopt;
    std::string blad;
    auto bity = WczytajBity(plik, blad);
    if (!bity)
        throw TBladOpcji(opcja, plik + ": " + blad);
    return bity;
}

// A number option within [min, max]; unit names what the number counts in the message.
double Liczba(const QCommandLineParser& p, const QCommandLineOption& o, double min, double max, const char* jednostka)
{
    const std::string tekst = p.value(o).toStdString();
    const auto wartosc = ParsujLiczbe(tekst);
    if (!wartosc || *wartosc < min || *wartosc > max)
        throw TBladOpcji(o.names().front(), "'" + tekst + "' is not a number from " + FormatujStalo(min, 0) + " to " +
                                                FormatujStalo(max, 0) + " (" + jednostka + ")");
    return *wartosc;
}

struct TOpcjeKabla {
    const QCommandLineOption& Kabel;
    const QCommandLineOption& Dlugosc;
    const QCommandLineOption& Temperatura;
    const QCommandLineOption& Touchstone;
    const QCommandLineOption& Porty;
    const QCommandLineOption& Dc;
    const QCommandLineOption& Punkty;
};

// The cable preset and the Touchstone file fill the attenuation, crosstalk and echo that no
// model file option gave (bezModelu), the file before the preset; the import's summary goes
// to the notes.
void ZrobCharakterystyki(const QCommandLineParser& p, const TOpcjeKabla& k, TListyZrodla bezModelu, TOpcjeWiersza& o)
{
    TUstawieniaSymulacji& u = o.Ustawienia;
    for (const QCommandLineOption* zalezna : {&k.Dlugosc, &k.Temperatura})
        if (p.isSet(*zalezna) && !p.isSet(k.Kabel))
            throw TBladOpcji(zalezna->names().front(), "needs --cable");
    for (const QCommandLineOption* zalezna : {&k.Porty, &k.Dc, &k.Punkty})
        if (p.isSet(*zalezna) && !p.isSet(k.Touchstone))
            throw TBladOpcji(zalezna->names().front(), "needs --touchstone");

    std::optional<TParametryKabla> kabel;
    if (p.isSet(k.Kabel)) {
        const auto kategoria = KategoriaZNazwy(p.value(k.Kabel).toStdString());
        if (!kategoria)
            throw TBladOpcji(QStringLiteral("cable"),
                             "'" + p.value(k.Kabel).toStdString() + "' is not Cat3, Cat5, Cat5e, Cat6 or Cat6A");
        kabel = TParametryKabla{*kategoria};
        if (p.isSet(k.Dlugosc))
            kabel->DlugoscM = Liczba(p, k.Dlugosc, DlugoscKablaMin, DlugoscKablaMax, "metres");
        if (p.isSet(k.Temperatura))
            kabel->TemperaturaC = Liczba(p, k.Temperatura, TemperaturaKablaMin, TemperaturaKablaMax, "°C");
    }
    TOpcjeImportu opcje;
    if (p.isSet(k.Porty)) {
        opcje.Porty = KolejnoscZNazwy(p.value(k.Porty).toStdString());
        if (!opcje.Porty)
            throw TBladOpcji(QStringLiteral("touchstone-ports"), "'" + p.value(k.Porty).toStdString() + "' is not 13-24 or 12-34");
    }
    if (p.isSet(k.Dc)) {
        const auto tryb = PonizejPomiaruZNazwy(p.value(k.Dc).toStdString());
        if (!tryb)
            throw TBladOpcji(QStringLiteral("touchstone-dc"), "'" + p.value(k.Dc).toStdString() + "' is not fit or flat");
        opcje.PonizejPomiaru = *tryb;
    }
    if (p.isSet(k.Punkty)) {
        const std::string tekst = p.value(k.Punkty).toStdString();
        const auto n = ParsujCalkowita(tekst);
        if (!n || *n < 2 || tekst.find_first_not_of("0123456789") != std::string::npos)
            throw TBladOpcji(QStringLiteral("touchstone-points"), "'" + tekst + "' is not a whole number of at least 2");
        opcje.LiczbaPunktow = static_cast<std::size_t>(*n);
    }

    // Both are made for the filter at the run's rate: a rate out of its limits is reported
    // with the other settings, and nothing is made from it.
    const TZakres szybkosci = ZakresPola(TPoleUstawien::Szybkosc, u.Standard);
    if (u.Szybkosc < szybkosci.Min || u.Szybkosc > szybkosci.Max)
        return;
    std::optional<TImportCharakterystyk> import;
    if (p.isSet(k.Touchstone)) {
        const std::string plik = p.value(k.Touchstone).toStdString();
        std::string blad;
        import = ImportujCharakterystyki(plik, opcje, u.Standard, u.Szybkosc, TJezyk::Angielski, blad);
        if (!import)
            throw TBladOpcji(QStringLiteral("touchstone"), plik + ": " + blad);
        o.Uwagi = import->Opis;
    }
    UstawZrodla(u, kabel, import, bezModelu);
}

} // namespace

std::vector<TWejscieWiersza> WejsciaWiersza(const TPochodzenie& z, const std::string& plikAnalizy)
{
    std::vector<TWejscieWiersza> wejscia;
    for (const auto& [opcja, plik] : {std::pair{"--attenuation", &z.PlikTlumienia},
                                      std::pair{"--crosstalk-model", &z.PlikPrzesluchow},
                                      std::pair{"--echo-model", &z.PlikEcha},
                                      std::pair{"--regeneration-model", &z.PlikRegeneracji},
                                      std::pair{"--bits-file", &z.PlikBitow},
                                      std::pair{"--crosstalk-bits-file", &z.PlikBitowZaklocen}})
        if (!plik->empty())
            wejscia.push_back({opcja, *plik});
    if (z.Touchstone)
        wejscia.push_back({"--touchstone", z.Touchstone->Plik});
    if (!plikAnalizy.empty())
        wejscia.push_back({"--analysis", plikAnalizy});
    return wejscia;
}

std::string PrzeszkodaWyjscia(const std::string& plik, const std::vector<TWejscieWiersza>& wejscia)
{
    if (const std::string rodzaj = RodzajNieZwyklegoPliku(plik); !rodzaj.empty())
        return plik + " is " + rodzaj + ", not a regular file";
    for (const TWejscieWiersza& w : wejscia)
        if (TenSamPlik(plik, w.Plik))
            return plik + " is the same file as the input of " + w.Opcja + " (" + w.Plik + ")";
    return {};
}

std::optional<TJezyk> JezykOpcji(const QString& kod)
{
    if (kod == QStringLiteral("pl"))
        return TJezyk::Polski;
    if (kod == QStringLiteral("en"))
        return TJezyk::Angielski;
    return std::nullopt;
}

TOpcjeJednegoPrzebiegu DodajOpcjeJednegoPrzebiegu(QCommandLineParser& p, bool plikiPrzebiegu)
{
    const QCommandLineOption pomoc({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    p.addOption(pomoc);
    const auto opcja = [&p, plikiPrzebiegu](const char* nazwa, const char* opis, const char* wartosc = nullptr) {
        QCommandLineOption o(QString::fromLatin1(nazwa), QString::fromUtf8(opis));
        if (wartosc != nullptr)
            o.setValueName(QString::fromUtf8(wartosc));
        const bool plikPrzebiegu = std::strcmp(nazwa, "json") == 0 || std::strcmp(nazwa, "csv") == 0 ||
                                   std::strcmp(nazwa, "save-analysis") == 0 || std::strcmp(nazwa, "eye-png") == 0 ||
                                   std::strcmp(nazwa, "eye-svg") == 0;
        if (plikiPrzebiegu || !plikPrzebiegu)
            p.addOption(o);
        return o;
    };
    const auto analiza = opcja("analysis", "Start from the settings of this analysis file (.lintavox, or the JSON of an earlier run); every other option given overrides its setting.", "file");
    const auto standard = opcja("standard", "10BaseT, 100BaseTX, \"100BaseTX (bez 4B5B)\", 1000BaseT, or 0 to 3 (default 100BaseTX).", "name");
    const auto bity = opcja("bits", "Bits to send, 100 to 1000000 (default 100; the desktop program takes up to 1000).", "count");
    const auto szybkosc = opcja("rate", "Bit rate in Mbps within the standard's limits (default: the standard's).", "Mbps");
    const auto nachylenie = opcja("slope", "Edge slope in mV/ns within the standard's limits (default: the standard's).", "mV/ns");
    const std::string zrodla = "Bit source: " + NazwyZrodel() +
        " (default random); the PRBS sequences follow ITU-T O.150 and start where --seed puts them.";
    const auto zrodlo = opcja("source", zrodla.c_str(), "source");
    const auto opoznienie = opcja("echo-delay", "Echo delay in ns within the standard's limits (default 0).", "ns");
    const auto przesluchy = opcja("crosstalk", "Add the crosstalk of the other pairs (default).");
    const auto bezPrzesluchow = opcja("no-crosstalk", "No crosstalk.");
    const auto echo = opcja("echo", "Subtract the echo (default).");
    const auto bezEcha = opcja("no-echo", "No echo.");
    const auto regeneracja = opcja("regeneration", "Pass the received signal through the regenerator (default).");
    const auto bezRegeneracji = opcja("no-regeneration", "No regenerator.");
    const auto dekoder = opcja("decoder", "Decode the received symbols (default).");
    const auto bezDekodera = opcja("no-decoder", "No decoder.");
    const auto adaptacyjny = opcja("adaptive", "Regenerator as the mirror of the attenuation characteristic.");
    const auto bezAdaptacji = opcja("no-adaptive", "Regenerator from its own characteristic (default).");
    const auto tlumienie = opcja("attenuation", "Attenuation model file (.att).", "file");
    const auto modelPrzesluchow = opcja("crosstalk-model", "Crosstalk model file (.att).", "file");
    const auto modelEcha = opcja("echo-model", "Echo model file (.att).", "file");
    const auto modelRegeneracji = opcja("regeneration-model", "Regenerator model file (.amp).", "file");
    const auto kabel = opcja("cable", "Cable preset: Cat3, Cat5, Cat5e, Cat6 or Cat6A. Fills the attenuation, crosstalk and echo (a model file given for one of them wins).", "category");
    const auto dlugosc = opcja("length", "Cable length in metres, 1 to 200 (default 100).", "m");
    const auto temperatura = opcja("temperature", "Cable temperature in °C, -20 to 60 (default 20); copper loss rises 0.4 % per °C above 20 °C.", "°C");
    const auto touchstone = opcja("touchstone", "Touchstone file (.s1p, .s2p, .s4p, .s8p; version 1 or 2): the attenuation from S21 (Sdd21), the echo from S11 (Sdd11), the crosstalk from an eight-port file's second pair. It wins over --cable; a model file wins over it.", "file");
    const auto touchstonePorty = opcja("touchstone-ports", "Port order of a four- or eight-port file: 13-24 (lines 1 to 2 and 3 to 4) or 12-34 (lines 1 to 3 and 2 to 4).", "order");
    const auto touchstoneDc = opcja("touchstone-dc", "Attenuation below the file's lowest frequency: fit (a + b*sqrt(f) + c*f fitted to the lowest decade, default) or flat.", "mode");
    const auto touchstonePunkty = opcja("touchstone-points", "Thin each imported list to at most this many points, keeping its shape (default 400).", "count");
    const auto plikBitow = opcja("bits-file", "Text file of 0 and 1 sent instead of the bit source.", "file");
    const auto plikZaklocen = opcja("crosstalk-bits-file", "Text file of 0 and 1 for the crosstalk source.", "file");
    const auto ziarno = opcja("seed", "Reproducible random bits, PRBS start, noise and jitter from this seed instead of the clock.", "number");
    const auto snr = opcja("snr", "White Gaussian noise at the receiver for this signal-to-noise ratio, -20 to 100 dB (default none).", "dB");
    const auto szum = opcja("noise-mv", "White Gaussian noise at the receiver of this RMS voltage, 0 to 10000 mV (instead of --snr).", "mV");
    const auto drzenie = opcja("jitter-ps", "RMS random jitter of the transmitted edges, up to half a code symbol (default 0).", "ps");
    const auto json = opcja("json", "Write every result as one JSON analysis document to this file; the desktop program opens it.", "file");
    const auto bezStrumieni = opcja("no-streams", "Leave the streams out of the JSON: settings and figures only.");
    const auto csv = opcja("csv", "Write one CSV file (x,y) per stream into this folder.", "folder");
    const auto zapisAnalizy = opcja("save-analysis", "Write the settings as an analysis file (.lintavox) without running.", "file");
    const auto okoPng = opcja("eye-png", "Draw the density eye with each lane's sampling instant and measured openings into this PNG file (needs the desktop option of the build).", "file");
    const auto okoSvg = opcja("eye-svg", "The same eye as an SVG drawing.", "file");
    const auto cicho = opcja("quiet", "Print no summary.");
    const auto jezyk = opcja("lang", "Language of the summary and of the JSON's sentences: pl (default; Polish, the locale's decimal separator) or en (English, a decimal point).", "pl|en");

    return {pomoc, analiza, standard, bity, szybkosc, nachylenie, zrodlo, opoznienie, przesluchy, bezPrzesluchow, echo, bezEcha, regeneracja, bezRegeneracji, dekoder, bezDekodera, adaptacyjny, bezAdaptacji, tlumienie, modelPrzesluchow, modelEcha, modelRegeneracji, kabel, dlugosc, temperatura, touchstone, touchstonePorty, touchstoneDc, touchstonePunkty, plikBitow, plikZaklocen, ziarno, snr, szum, drzenie, json, bezStrumieni, csv, zapisAnalizy, okoPng, okoSvg, cicho, jezyk};
}

TWynikParsowania ParsujWiersz(const QStringList& argumenty)
{
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Runs one Lintavox simulation without the desktop program and writes its results as data."));
    const auto [pomoc, analiza, standard, bity, szybkosc, nachylenie, zrodlo, opoznienie, przesluchy, bezPrzesluchow, echo, bezEcha, regeneracja, bezRegeneracji, dekoder, bezDekodera, adaptacyjny, bezAdaptacji, tlumienie, modelPrzesluchow, modelEcha, modelRegeneracji, kabel, dlugosc, temperatura, touchstone, touchstonePorty, touchstoneDc, touchstonePunkty, plikBitow, plikZaklocen, ziarno, snr, szum, drzenie, json, bezStrumieni, csv, zapisAnalizy, okoPng, okoSvg, cicho, jezyk] = DodajOpcjeJednegoPrzebiegu(p, true);

    if (!p.parse(argumenty))
        return {std::nullopt, "lintavox-sim: " + p.errorText().toStdString(), 2};
    if (p.isSet(pomoc))
        return {std::nullopt, p.helpText().toStdString(), 0};
    if (!p.positionalArguments().isEmpty())
        return {std::nullopt, "lintavox-sim: unexpected argument '" + p.positionalArguments().front().toStdString() + "'", 2};

    try {
        TOpcjeWiersza o;
        TUstawieniaSymulacji& u = o.Ustawienia;
        // A switch and its negation: the one given, or the value the settings start with.
        const auto para = [&p](const QCommandLineOption& tak, const QCommandLineOption& nie, bool poczatkowa) {
            if (p.isSet(tak) && p.isSet(nie))
                throw TBladOpcji(nie.names().front(), "contradicts --" + tak.names().front().toStdString());
            return p.isSet(tak) || (poczatkowa && !p.isSet(nie));
        };
        std::optional<TUstawieniaSymulacji> zPliku;
        if (p.isSet(analiza)) {
            o.PlikAnalizy = p.value(analiza).toStdString();
            TBladAnalizy blad;
            auto odczytana = WczytajAnalize(o.PlikAnalizy, blad, LiczbaBitowMaxWiersza);
            if (!odczytana)
                throw TBladOpcji(QStringLiteral("analysis"), o.PlikAnalizy + ": " + blad.Opis);
            zPliku = std::move(odczytana->Ustawienia);
            u = *zPliku;
            if (p.isSet(standard))
                u.Standard = Standard(QStringLiteral("standard"), p.value(standard));
        } else {
            u = DomyslneUstawienia(p.isSet(standard) ? Standard(QStringLiteral("standard"), p.value(standard)) : 1);
        }
        // Each whole-number setting with the option and text it came from, for the message
        // that names a violated limit.
        std::vector<std::pair<TPoleUstawien, QString>> podane;
        const auto calkowita = [&](const QCommandLineOption& o, TPoleUstawien pole, auto& cel) {
            if (!p.isSet(o))
                return;
            const QString nazwa = o.names().front();
            cel = static_cast<std::remove_reference_t<decltype(cel)>>(Cyfry(nazwa, p.value(o), pole, u.Standard));
            podane.emplace_back(pole, nazwa);
        };
        calkowita(bity, TPoleUstawien::LiczbaBitow, u.LiczbaBitow);
        calkowita(szybkosc, TPoleUstawien::Szybkosc, u.Szybkosc);
        calkowita(nachylenie, TPoleUstawien::Nachylenie, u.Nachylenie);
        calkowita(opoznienie, TPoleUstawien::PrzesuniecieEcha, u.PrzesuniecieEcha);
        if (p.isSet(zrodlo)) {
            const auto z = ZrodloZNazwy(p.value(zrodlo).toStdString());
            if (!z)
                throw TBladOpcji(QStringLiteral("source"),
                                 "'" + p.value(zrodlo).toStdString() + "' is not " + NazwyZrodel());
            u.Zrodlo = *z;
        }
        const auto rzeczywista = [&](const QCommandLineOption& o, TPoleUstawien pole) {
            const QString nazwa = o.names().front();
            podane.emplace_back(pole, nazwa);
            return Liczba(nazwa, p.value(o));
        };
        if (p.isSet(snr) && p.isSet(szum))
            throw TBladOpcji(QStringLiteral("noise-mv"), "contradicts --snr");
        // Either noise option replaces the noise the settings start with.
        if (p.isSet(snr) || p.isSet(szum))
            u.SzumIDrzenie.SnrDb = u.SzumIDrzenie.SzumMv = std::nullopt;
        if (p.isSet(snr))
            u.SzumIDrzenie.SnrDb = rzeczywista(snr, TPoleUstawien::Snr);
        if (p.isSet(szum))
            u.SzumIDrzenie.SzumMv = rzeczywista(szum, TPoleUstawien::SzumMv);
        if (p.isSet(drzenie))
            u.SzumIDrzenie.DrzeniePs = rzeczywista(drzenie, TPoleUstawien::DrzeniePs);
        u.Przesluchy = para(przesluchy, bezPrzesluchow, u.Przesluchy);
        u.Echo = para(echo, bezEcha, u.Echo);
        u.Regeneracja = para(regeneracja, bezRegeneracji, u.Regeneracja);
        u.Dekoder = para(dekoder, bezDekodera, u.Dekoder);
        u.Adaptacyjny = para(adaptacyjny, bezAdaptacji, u.Adaptacyjny);
        if (u.Adaptacyjny && p.isSet(modelRegeneracji))
            throw TBladOpcji(QStringLiteral("regeneration-model"), "contradicts --adaptive");
        if (p.isSet(ziarno)) {
            const QString nazwa = QStringLiteral("seed");
            const std::string tekst = p.value(ziarno).toStdString();
            const auto wartosc = ParsujCalkowita(tekst);
            if (!wartosc || *wartosc < 0 || tekst.find_first_not_of("0123456789") != std::string::npos)
                throw TBladOpcji(nazwa, "'" + tekst + "' is not a whole number from 0 to " +
                                            FormatujCalkowita(std::numeric_limits<std::int32_t>::max()));
            u.Ziarno = static_cast<std::uint32_t>(*wartosc);
        }

        TPochodzenie& z = u.Pochodzenie;
        TCharakterystykiKanalu& c = u.Charakterystyki;
        const auto model = [&](const QCommandLineOption& opcja, std::string& plik, TCharakterystyka& lista) {
            if (!p.isSet(opcja))
                return;
            plik = p.value(opcja).toStdString();
            lista = Model(opcja.names().front(), plik, lista);
        };
        model(tlumienie, z.PlikTlumienia, c.Tlumienie);
        model(modelPrzesluchow, z.PlikPrzesluchow, c.Przesluchy);
        model(modelEcha, z.PlikEcha, c.Echo);
        model(modelRegeneracji, z.PlikRegeneracji, c.Wzmocnienie);
        ZrobCharakterystyki(p, {kabel, dlugosc, temperatura, touchstone, touchstonePorty, touchstoneDc, touchstonePunkty},
                            {!p.isSet(tlumienie), !p.isSet(modelPrzesluchow), !p.isSet(modelEcha)}, o);
        const auto bityZPliku = [&](const QCommandLineOption& opcja, std::string& plik,
                                    std::optional<std::vector<std::int32_t>>& cel) {
            if (!p.isSet(opcja))
                return;
            plik = p.value(opcja).toStdString();
            cel = Bity(opcja.names().front(), plik);
        };
        bityZPliku(plikBitow, z.PlikBitow, u.Bity);
        bityZPliku(plikZaklocen, z.PlikBitowZaklocen, u.BityZaklocen);

        for (const TNaruszenie& n : SprawdzUstawienia(u, LiczbaBitowMaxWiersza)) {
            for (const auto& [pole, opcja] : podane)
                if (pole == n.Pole)
                    throw TBladOpcji(opcja, "'" + p.value(opcja).toStdString() + "' is not " + n.Powod);
            const auto plik = [&](const QCommandLineOption& opcja, const std::string& nazwa) {
                // A setting no option gave came from the analysis file when there is one.
                if (!p.isSet(opcja) && zPliku)
                    return TBladOpcji(QStringLiteral("analysis"),
                                      o.PlikAnalizy + ": " + SciezkaPola(n.Pole) + ": " + n.Powod);
                return TBladOpcji(opcja.names().front(), (nazwa.empty() ? "the default" : nazwa) + ": " + n.Powod);
            };
            switch (n.Pole) {
            case TPoleUstawien::Tlumienie:
                throw plik(tlumienie, z.PlikTlumienia);
            case TPoleUstawien::Przesluchy:
                throw plik(modelPrzesluchow, z.PlikPrzesluchow);
            case TPoleUstawien::Echo:
                throw plik(modelEcha, z.PlikEcha);
            case TPoleUstawien::Wzmocnienie:
                throw plik(modelRegeneracji, z.PlikRegeneracji);
            case TPoleUstawien::Bity:
                throw plik(plikBitow, z.PlikBitow);
            case TPoleUstawien::BityZaklocen:
                throw plik(plikZaklocen, z.PlikBitowZaklocen);
            default:
                if (zPliku)
                    throw TBladOpcji(QStringLiteral("analysis"), o.PlikAnalizy + ": " + SciezkaPola(n.Pole) + ": " +
                                                                     n.Powod +
                                                                     (p.isSet(standard) ? " (for --standard)" : ""));
                throw TBladOpcji(QStringLiteral("standard"), n.Powod);
            }
        }
        if (zPliku)
            o.ZAnalizy = {{"file", o.PlikAnalizy}, {"overridden", RozniceAnaliz(AnalizaJson(*zPliku), AnalizaJson(u))}};

        o.PlikJson = p.value(json).toStdString();
        o.FolderCsv = p.value(csv).toStdString();
        o.ZapisAnalizy = p.value(zapisAnalizy).toStdString();
        const std::vector<TWejscieWiersza> wejscia = WejsciaWiersza(z, o.PlikAnalizy);
        if (!o.ZapisAnalizy.empty()) {
            for (const QCommandLineOption* wyjscie : {&json, &csv, &bezStrumieni})
                if (p.isSet(*wyjscie))
                    throw TBladOpcji(QStringLiteral("save-analysis"),
                                     "writes the settings without a run; it does not go with --" +
                                         wyjscie->names().front().toStdString());
            if (const std::string przeszkoda = PrzeszkodaWyjscia(o.ZapisAnalizy, wejscia); !przeszkoda.empty())
                throw TBladOpcji(QStringLiteral("save-analysis"), przeszkoda);
        }
        if (!o.PlikJson.empty())
            if (const std::string przeszkoda = PrzeszkodaWyjscia(o.PlikJson, wejscia); !przeszkoda.empty())
                throw TBladOpcji(QStringLiteral("json"), przeszkoda);
        std::error_code blad;
        if (!o.FolderCsv.empty() && std::filesystem::exists(o.FolderCsv, blad) &&
            !std::filesystem::is_directory(o.FolderCsv, blad))
            throw TBladOpcji(QStringLiteral("csv"), o.FolderCsv + " is not a folder");
        o.PlikOkaPng = p.value(okoPng).toStdString();
        o.PlikOkaSvg = p.value(okoSvg).toStdString();
        for (const auto& [opcja, plik] : {std::pair{QStringLiteral("eye-png"), o.PlikOkaPng},
                                          std::pair{QStringLiteral("eye-svg"), o.PlikOkaSvg}}) {
            if (plik.empty())
                continue;
            if (!WykresyDostepne())
                throw TBladOpcji(opcja, "this lintavox-sim was built without the desktop option, which draws charts");
            if (const std::string przeszkoda = PrzeszkodaWyjscia(plik, WejsciaWiersza(z)); !przeszkoda.empty())
                throw TBladOpcji(opcja, przeszkoda);
        }
        if (!o.PlikOkaPng.empty() && o.PlikOkaPng == o.PlikOkaSvg)
            throw TBladOpcji(QStringLiteral("eye-svg"), "names the same file as --eye-png");
        o.Cicho = p.isSet(cicho);
        o.BezStrumieni = p.isSet(bezStrumieni);
        if (p.isSet(jezyk)) {
            const std::optional<TJezyk> j = JezykOpcji(p.value(jezyk));
            if (!j)
                throw TBladOpcji(QStringLiteral("lang"), "'" + p.value(jezyk).toStdString() + "' is not pl or en");
            o.Jezyk = *j;
        }
        return {std::move(o), {}, 0};
    } catch (const TBladOpcji& blad) {
        return {std::nullopt, std::string("lintavox-sim: ") + blad.what(), 2};
    }
}
