#include "OpcjeWiersza.h"

#include <QCommandLineParser>

#include <fstream>
#include <limits>
#include <random>
#include <stdexcept>

#include "Liczby.h"
#include "PlikModelu.h"
#include "Standardy.h"

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

// A whole number within the inclusive limits, digits only as the settings page takes it.
std::int32_t Zakres(const QString& opcja, const QString& tekst, std::int32_t min, std::int32_t max)
{
    const std::string s = tekst.toStdString();
    const auto wartosc = ParsujCalkowita(s);
    if (!wartosc || s.find_first_not_of("0123456789") != std::string::npos || *wartosc < min || *wartosc > max)
        throw TBladOpcji(opcja, "'" + s + "' is not a whole number from " + FormatujCalkowita(min) + " to " +
                                    FormatujCalkowita(max));
    return *wartosc;
}

TCharakterystyka Model(const QString& opcja, const std::string& plik, const TCharakterystyka& domyslna)
{
    if (plik.empty())
        return domyslna;
    TCharakterystyka punkty;
    if (const TBladModelu blad = WczytajModel(plik, punkty); blad != TBladModelu::Brak)
        throw TBladOpcji(opcja, plik + ": " + OpisBleduModelu(blad));
    return punkty;
}

std::vector<std::int32_t> PlikBitow(const QString& opcja, const std::string& plik, std::int32_t potrzebne)
{
    std::ifstream wejscie(plik);
    if (!wejscie)
        throw TBladOpcji(opcja, plik + ": cannot be read");
    std::vector<std::int32_t> bity;
    char c = 0;
    while (wejscie.get(c)) {
        if (c == '0' || c == '1')
            bity.push_back(c - '0');
        else if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            throw TBladOpcji(opcja, plik + ": holds a character other than 0, 1 and white space");
    }
    if (bity.size() < static_cast<std::size_t>(potrzebne))
        throw TBladOpcji(opcja, plik + ": holds " + FormatujCalkowita(static_cast<std::int64_t>(bity.size())) +
                                    " bits, the run encodes " + FormatujCalkowita(potrzebne));
    return bity;
}

std::vector<std::int32_t> Losowe(std::mt19937& generator, std::int32_t n)
{
    std::vector<std::int32_t> bity(static_cast<std::size_t>(n));
    for (auto& b : bity)
        b = static_cast<std::int32_t>(generator() % 2);
    return bity;
}

} // namespace

TWynikParsowania ParsujWiersz(const QStringList& argumenty)
{
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Runs one Lintavox simulation without the desktop program and writes its results as data."));
    const QCommandLineOption pomoc({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    p.addOption(pomoc);
    const auto opcja = [&p](const char* nazwa, const char* opis, const char* wartosc = nullptr) {
        QCommandLineOption o(QString::fromLatin1(nazwa), QString::fromUtf8(opis));
        if (wartosc != nullptr)
            o.setValueName(QString::fromLatin1(wartosc));
        p.addOption(o);
        return o;
    };
    const auto standard = opcja("standard", "10BaseT, 100BaseTX, \"100BaseTX (bez 4B5B)\", 1000BaseT, or 0 to 3 (default 100BaseTX).", "name");
    const auto bity = opcja("bits", "Bits to send, 100 to 1000 (default 100).", "count");
    const auto szybkosc = opcja("rate", "Bit rate in Mbps within the standard's limits (default: the standard's).", "Mbps");
    const auto nachylenie = opcja("slope", "Edge slope in mV/ns within the standard's limits (default: the standard's).", "mV/ns");
    const auto zrodlo = opcja("source", "Bit source: random, zeros or ones (default random).", "source");
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
    const auto tlumienie = opcja("attenuation", "Attenuation model file (.att).", "file");
    const auto modelPrzesluchow = opcja("crosstalk-model", "Crosstalk model file (.att).", "file");
    const auto modelEcha = opcja("echo-model", "Echo model file (.att).", "file");
    const auto modelRegeneracji = opcja("regeneration-model", "Regenerator model file (.amp).", "file");
    const auto plikBitow = opcja("bits-file", "Text file of 0 and 1 sent instead of the bit source.", "file");
    const auto plikZaklocen = opcja("crosstalk-bits-file", "Text file of 0 and 1 for the crosstalk source.", "file");
    const auto ziarno = opcja("seed", "Reproducible random bits from this seed instead of the clock.", "number");
    const auto json = opcja("json", "Write every result as one JSON object to this file.", "file");
    const auto csv = opcja("csv", "Write one CSV file (x,y) per stream into this folder.", "folder");
    const auto cicho = opcja("quiet", "Print no summary.");

    if (!p.parse(argumenty))
        return {std::nullopt, "lintavox-sim: " + p.errorText().toStdString(), 2};
    if (p.isSet(pomoc))
        return {std::nullopt, p.helpText().toStdString(), 0};
    if (!p.positionalArguments().isEmpty())
        return {std::nullopt, "lintavox-sim: unexpected argument '" + p.positionalArguments().front().toStdString() + "'", 2};

    try {
        TOpcjeWiersza o;
        TUstawieniaSymulacji& u = o.Ustawienia;
        const auto para = [&p](const QCommandLineOption& tak, const QCommandLineOption& nie) {
            if (p.isSet(tak) && p.isSet(nie))
                throw TBladOpcji(nie.names().front(), "contradicts --" + tak.names().front().toStdString());
            return !p.isSet(nie);
        };
        u.Standard = p.isSet(standard) ? Standard(QStringLiteral("standard"), p.value(standard)) : 1;
        const TStandard& s = Standardy[static_cast<std::size_t>(u.Standard)];
        u.LiczbaBitow = p.isSet(bity) ? Zakres(QStringLiteral("bits"), p.value(bity), LiczbaBitowMin, LiczbaBitowMax) : 100;
        const std::int32_t mbps = p.isSet(szybkosc)
            ? Zakres(QStringLiteral("rate"), p.value(szybkosc), s.SzybkoscMin, s.SzybkoscMax)
            : *ParsujCalkowita(s.SzybkoscDomyslna);
        u.Szybkosc = FormatujCalkowita(mbps);
        u.Nachylenie = static_cast<float>(
            p.isSet(nachylenie) ? Zakres(QStringLiteral("slope"), p.value(nachylenie), s.NachylenieMin, s.NachylenieMax)
                                : *ParsujCalkowita(s.NachylenieDomyslne));
        u.PrzesuniecieEcha = p.isSet(opoznienie)
            ? Zakres(QStringLiteral("echo-delay"), p.value(opoznienie), s.EchoMin, s.EchoMax)
            : 0;
        if (p.isSet(zrodlo)) {
            const QString z = p.value(zrodlo);
            if (z == QStringLiteral("random"))
                u.Zrodlo = TZrodloBitow::Losowe;
            else if (z == QStringLiteral("zeros"))
                u.Zrodlo = TZrodloBitow::Zera;
            else if (z == QStringLiteral("ones"))
                u.Zrodlo = TZrodloBitow::Jedynki;
            else
                throw TBladOpcji(QStringLiteral("source"), "'" + z.toStdString() + "' is not random, zeros or ones");
        }
        u.Przesluchy = para(przesluchy, bezPrzesluchow);
        u.Echo = para(echo, bezEcha);
        u.Regeneracja = para(regeneracja, bezRegeneracji);
        u.Dekoder = para(dekoder, bezDekodera);
        o.Adaptacyjny = p.isSet(adaptacyjny);
        if (o.Adaptacyjny && p.isSet(modelRegeneracji))
            throw TBladOpcji(QStringLiteral("regeneration-model"), "contradicts --adaptive");

        o.PlikTlumienia = p.value(tlumienie).toStdString();
        o.PlikPrzesluchow = p.value(modelPrzesluchow).toStdString();
        o.PlikEcha = p.value(modelEcha).toStdString();
        o.PlikRegeneracji = p.value(modelRegeneracji).toStdString();
        const TCharakterystykiKanalu domyslne = DomyslneCharakterystyki();
        u.Charakterystyki.Tlumienie = Model(QStringLiteral("attenuation"), o.PlikTlumienia, domyslne.Tlumienie);
        u.Charakterystyki.Przesluchy = Model(QStringLiteral("crosstalk-model"), o.PlikPrzesluchow, domyslne.Przesluchy);
        u.Charakterystyki.Echo = Model(QStringLiteral("echo-model"), o.PlikEcha, domyslne.Echo);
        u.Charakterystyki.Wzmocnienie = o.Adaptacyjny
            ? Lustro(u.Charakterystyki.Tlumienie)
            : Model(QStringLiteral("regeneration-model"), o.PlikRegeneracji, domyslne.Wzmocnienie);

        const std::int32_t kodowane = u.LiczbaBitow + s.BityOchronne;
        if (p.isSet(ziarno)) {
            o.Ziarno = static_cast<std::uint32_t>(
                Zakres(QStringLiteral("seed"), p.value(ziarno), 0, std::numeric_limits<std::int32_t>::max()));
            std::mt19937 generator(*o.Ziarno);
            const std::vector<std::int32_t> linia = Losowe(generator, kodowane);
            if (u.Zrodlo == TZrodloBitow::Losowe)
                u.Bity = linia;
            u.BityZaklocen = Losowe(generator, kodowane);
        }
        o.PlikBitow = p.value(plikBitow).toStdString();
        o.PlikBitowZaklocen = p.value(plikZaklocen).toStdString();
        if (!o.PlikBitow.empty())
            u.Bity = PlikBitow(QStringLiteral("bits-file"), o.PlikBitow, kodowane);
        if (!o.PlikBitowZaklocen.empty())
            u.BityZaklocen = PlikBitow(QStringLiteral("crosstalk-bits-file"), o.PlikBitowZaklocen, kodowane);

        o.PlikJson = p.value(json).toStdString();
        o.FolderCsv = p.value(csv).toStdString();
        o.Cicho = p.isSet(cicho);
        return {std::move(o), {}, 0};
    } catch (const TBladOpcji& blad) {
        return {std::nullopt, std::string("lintavox-sim: ") + blad.what(), 2};
    }
}
