#include "JsonSymulacji.h"

#include "Liczby.h"
#include "OpisBER.h"
#include "OpisZliczenia.h"
#include "Standardy.h"

using nlohmann::json;

namespace {

constexpr const char* Zrodla[] = {"random", "zeros", "ones", "prbs7", "prbs9", "prbs15", "prbs23", "prbs31"};
static_assert(std::size(Zrodla) == LiczbaZrodelBitow);

json TekstLubNull(const std::string& s)
{
    return s.empty() ? json() : json(s);
}

// A float widened to double is exact, so the number reads back to the same float.
json Punkty(const TFltFltStrumien* s)
{
    if (s == nullptr)
        return json();
    json x = json::array();
    json y = json::array();
    auto& strumien = const_cast<TFltFltStrumien&>(*s);
    for (std::int32_t i = 0; i < strumien.ZwrocDlugosc(); ++i) {
        const TPunkt p = strumien.Zwroc(i);
        x.push_back(static_cast<double>(p.X));
        y.push_back(static_cast<double>(p.Y));
    }
    return {{"x", std::move(x)}, {"y", std::move(y)}};
}

json Charakterystyka(const TCharakterystyka& punkty)
{
    json wynik = json::array();
    for (const TPunkt& p : punkty)
        wynik.push_back({static_cast<double>(p.X), static_cast<double>(p.Y)});
    return wynik;
}

// A reader that names the first field it cannot take.
struct TBladJson {
    std::string Pole;
    std::string Powod;
};

const json& Pole(const json& obiekt, const char* nazwa)
{
    if (!obiekt.is_object() || !obiekt.contains(nazwa))
        throw TBladJson{nazwa, "is missing"};
    return obiekt.at(nazwa);
}

bool Logiczne(const json& obiekt, const char* nazwa)
{
    const json& w = Pole(obiekt, nazwa);
    if (!w.is_boolean())
        throw TBladJson{nazwa, "must be true or false"};
    return w.get<bool>();
}

std::int64_t Calkowite(const json& w, const char* nazwa)
{
    if (w.is_number_integer())
        return w.get<std::int64_t>();
    if (w.is_string())
        if (const auto n = ParsujCalkowita(w.get<std::string>()))
            return *n;
    throw TBladJson{nazwa, "must be a whole number"};
}

double Liczba(const json& w, const char* nazwa)
{
    if (!w.is_number())
        throw TBladJson{nazwa, "must be a number"};
    return w.get<double>();
}

// An optional number: absent and null read as none.
std::optional<double> LiczbaLubNic(const json& obiekt, const char* nazwa)
{
    if (!obiekt.contains(nazwa) || obiekt.at(nazwa).is_null())
        return std::nullopt;
    return Liczba(obiekt.at(nazwa), nazwa);
}

TCharakterystyka Lista(const json& obiekt, const char* nazwa)
{
    const json& w = Pole(obiekt, nazwa);
    if (!w.is_array())
        throw TBladJson{nazwa, "must be a list of [MHz, dB] points"};
    TCharakterystyka punkty;
    for (const json& p : w) {
        if (!p.is_array() || p.size() != 2 || !p[0].is_number() || !p[1].is_number())
            throw TBladJson{nazwa, "must be a list of [MHz, dB] points"};
        punkty.push_back({static_cast<float>(p[0].get<double>()), static_cast<float>(p[1].get<double>())});
    }
    return punkty;
}

std::string Plik(const json& obiekt, const char* nazwa)
{
    if (!obiekt.contains(nazwa) || obiekt.at(nazwa).is_null())
        return {};
    if (!obiekt.at(nazwa).is_string())
        throw TBladJson{nazwa, "must be a file name or null"};
    return obiekt.at(nazwa).get<std::string>();
}

// The characteristics a cable or a Touchstone file made, by their names in the settings.
json Listy(TListyZrodla l)
{
    json nazwy = json::array();
    if (l.Tlumienie)
        nazwy.push_back("attenuation");
    if (l.Przesluchy)
        nazwy.push_back("crosstalk");
    if (l.Echo)
        nazwy.push_back("echo");
    return nazwy;
}

json Kabel(const std::optional<TKabelPochodzenia>& k)
{
    if (!k)
        return json();
    return {{"category", std::string(NazwaKategorii(k->Kabel.Kategoria))},
            {"length", k->Kabel.DlugoscM},
            {"temperature", k->Kabel.TemperaturaC},
            {"characteristics", Listy(k->Listy)}};
}

json Touchstone(const std::optional<TTouchstonePochodzenia>& t)
{
    if (!t)
        return json();
    return {{"file", t->Plik},
            {"ports", t->Porty ? json(std::string(NazwaKolejnosci(*t->Porty))) : json()},
            {"below_data", std::string(NazwaPonizejPomiaru(t->PonizejPomiaru))},
            {"points", t->LiczbaPunktow},
            {"characteristics", Listy(t->Listy)}};
}

TListyZrodla ListyZJson(const json& obiekt, const char* pole)
{
    const json& w = Pole(obiekt, "characteristics");
    TListyZrodla l;
    if (!w.is_array() || w.empty())
        throw TBladJson{pole, "characteristics must be a list of attenuation, crosstalk and echo"};
    for (const json& n : w) {
        const std::string nazwa = n.is_string() ? n.get<std::string>() : std::string();
        if (nazwa == "attenuation")
            l.Tlumienie = true;
        else if (nazwa == "crosstalk")
            l.Przesluchy = true;
        else if (nazwa == "echo")
            l.Echo = true;
        else
            throw TBladJson{pole, "characteristics must be a list of attenuation, crosstalk and echo"};
    }
    return l;
}

// A number within [min, max], or the reason naming the field.
double WZakresie(const json& obiekt, const char* nazwa, const char* pole, double min, double max)
{
    const json& w = Pole(obiekt, nazwa);
    if (!w.is_number() || !(w.get<double>() >= min && w.get<double>() <= max))
        throw TBladJson{pole, std::string(nazwa) + " must be a number from " + FormatujStalo(min, 0) + " to " +
                                  FormatujStalo(max, 0)};
    return w.get<double>();
}

std::optional<TKabelPochodzenia> KabelZJson(const json& s)
{
    if (!s.contains("cable") || s.at("cable").is_null())
        return std::nullopt;
    const json& k = s.at("cable");
    const json& nazwa = Pole(k, "category");
    const auto kategoria = nazwa.is_string() ? KategoriaZNazwy(nazwa.get<std::string>()) : std::nullopt;
    if (!kategoria)
        throw TBladJson{"cable", "category must be Cat3, Cat5, Cat5e, Cat6 or Cat6A"};
    return TKabelPochodzenia{{*kategoria, WZakresie(k, "length", "cable", DlugoscKablaMin, DlugoscKablaMax),
                              WZakresie(k, "temperature", "cable", TemperaturaKablaMin, TemperaturaKablaMax)},
                             ListyZJson(k, "cable")};
}

std::optional<TTouchstonePochodzenia> TouchstoneZJson(const json& s)
{
    if (!s.contains("touchstone") || s.at("touchstone").is_null())
        return std::nullopt;
    const json& t = s.at("touchstone");
    TTouchstonePochodzenia z;
    const json& plik = Pole(t, "file");
    if (!plik.is_string())
        throw TBladJson{"touchstone", "file must be a file name"};
    z.Plik = plik.get<std::string>();
    if (t.contains("ports") && !t.at("ports").is_null()) {
        z.Porty = t.at("ports").is_string() ? KolejnoscZNazwy(t.at("ports").get<std::string>()) : std::nullopt;
        if (!z.Porty)
            throw TBladJson{"touchstone", "ports must be 13-24, 12-34 or null"};
    }
    const json& ponizej = Pole(t, "below_data");
    const auto tryb = ponizej.is_string() ? PonizejPomiaruZNazwy(ponizej.get<std::string>()) : std::nullopt;
    if (!tryb)
        throw TBladJson{"touchstone", "below_data must be fit or flat"};
    z.PonizejPomiaru = *tryb;
    const json& punkty = Pole(t, "points");
    if (!punkty.is_number_unsigned() || punkty.get<std::uint64_t>() < 2)
        throw TBladJson{"touchstone", "points must be a whole number of at least 2"};
    z.LiczbaPunktow = punkty.get<std::size_t>();
    z.Listy = ListyZJson(t, "touchstone");
    return z;
}

} // namespace

const char* NazwaPolaJson(TPoleUstawien pole)
{
    switch (pole) {
    case TPoleUstawien::Standard:
        return "standard";
    case TPoleUstawien::LiczbaBitow:
        return "bits";
    case TPoleUstawien::Szybkosc:
        return "rate";
    case TPoleUstawien::Nachylenie:
        return "slope";
    case TPoleUstawien::PrzesuniecieEcha:
        return "echo_delay";
    case TPoleUstawien::Tlumienie:
        return "attenuation";
    case TPoleUstawien::Przesluchy:
        return "crosstalk_characteristic";
    case TPoleUstawien::Echo:
        return "echo_characteristic";
    case TPoleUstawien::Wzmocnienie:
        return "regeneration_characteristic";
    case TPoleUstawien::Bity:
        return "bits_file";
    case TPoleUstawien::BityZaklocen:
        return "crosstalk_bits_file";
    case TPoleUstawien::Snr:
        return "snr_db";
    case TPoleUstawien::SzumMv:
        return "noise_mv";
    case TPoleUstawien::DrzeniePs:
        return "jitter_ps";
    }
    return "";
}

const char* NazwaZrodla(TZrodloBitow zrodlo)
{
    return Zrodla[static_cast<int>(zrodlo)];
}

std::optional<TZrodloBitow> ZrodloZNazwy(const std::string& nazwa)
{
    for (int i = 0; i < static_cast<int>(std::size(Zrodla)); ++i)
        if (nazwa == Zrodla[i])
            return static_cast<TZrodloBitow>(i);
    return std::nullopt;
}

std::string NazwyZrodel()
{
    std::string tekst;
    for (std::size_t i = 0; i < std::size(Zrodla); ++i)
        tekst += (i == 0 ? "" : i + 1 == std::size(Zrodla) ? " or " : ", ") + std::string(Zrodla[i]);
    return tekst;
}

json UstawieniaJson(const TUstawieniaSymulacji& u)
{
    TCharakterystyka lustro;
    const TPochodzenie& z = u.Pochodzenie;
    return {
        {"bits", u.LiczbaBitow},
        {"rate", FormatujCalkowita(u.Szybkosc)},
        {"slope", static_cast<double>(u.Nachylenie)},
        {"source", NazwaZrodla(u.Zrodlo)},
        {"echo_delay", u.PrzesuniecieEcha},
        {"crosstalk", u.Przesluchy},
        {"echo", u.Echo},
        {"regeneration", u.Regeneracja},
        {"decoder", u.Dekoder},
        {"adaptive", u.Adaptacyjny},
        {"seed", u.Ziarno ? json(*u.Ziarno) : json()},
        {"attenuation_model", TekstLubNull(z.PlikTlumienia)},
        {"crosstalk_model", TekstLubNull(z.PlikPrzesluchow)},
        {"echo_model", TekstLubNull(z.PlikEcha)},
        {"regeneration_model", TekstLubNull(z.PlikRegeneracji)},
        {"bits_file", TekstLubNull(z.PlikBitow)},
        {"crosstalk_bits_file", TekstLubNull(z.PlikBitowZaklocen)},
        {"cable", Kabel(z.Kabel)},
        {"touchstone", Touchstone(z.Touchstone)},
        {"attenuation", Charakterystyka(u.Charakterystyki.Tlumienie)},
        {"crosstalk_characteristic", Charakterystyka(u.Charakterystyki.Przesluchy)},
        {"echo_characteristic", Charakterystyka(u.Charakterystyki.Echo)},
        {"regeneration_characteristic", Charakterystyka(CharakterystykaRegeneracji(u, lustro))},
        {"snr_db", u.SzumIDrzenie.SnrDb ? json(*u.SzumIDrzenie.SnrDb) : json()},
        {"noise_mv", u.SzumIDrzenie.SzumMv ? json(*u.SzumIDrzenie.SzumMv) : json()},
        {"jitter_ps", u.SzumIDrzenie.DrzeniePs},
    };
}

json AnalizaJson(const TUstawieniaSymulacji& u)
{
    return {{"standard", std::string(Standardy.at(static_cast<std::size_t>(u.Standard)).Nazwa)},
            {"settings", UstawieniaJson(u)}};
}

json WynikJson(const TWynikSymulacji& w, bool strumienie)
{
    const TUstawieniaSymulacji& u = w.Ustawienia;
    const TOpisBER ber = OpiszBER(w.BER, u.Standard, u.Szybkosc);
    const TOpisZliczenia zliczenie = OpiszZliczenie(w.Zliczone, w.BER, u.Standard, u.Szybkosc);

    json wejsciowe = json::array();
    for (const auto& s : w.Wejsciowe) {
        json strumien = Punkty(s.get());
        strumien["name"] = s->ZwrocNazwe();
        wejsciowe.push_back(std::move(strumien));
    }
    json tory = json::array();
    for (const TTorWyniku& tor : w.Tory) {
        json t = {
            {"name", tor.Nazwa},
            {"sampling_phase", tor.FazaProbkowania},
            {"symbol_delay", tor.OpoznienieSymboli},
        };
        if (strumienie) {
            t["sent"] = Punkty(tor.Wyslany);
            t["received"] = Punkty(tor.Odebrany.get());
            t["regenerated"] = Punkty(tor.Zregenerowany.get());
            t["amplified"] = Punkty(tor.Wzmocniony.get());
            t["decoded"] = Punkty(tor.Zdekodowany.get());
            t["reference"] = tor.Zdekodowany ? Punkty(tor.Wzorzec) : json();
        }
        tory.push_back(std::move(t));
    }
    json dokument = AnalizaJson(u);
    dokument.update({
        {"symbol_rate", w.SzybkoscSymboli},
        {"encoded_bits", w.LiczbaBitowKodowanych},
        {"ber", w.BER},
        {"ber_label", ber.Etykieta},
        {"ber_exponent", ber.Wykladnik},
        {"ber_sentence", ber.Zdanie},
        {"max_error", static_cast<double>(w.NajwiekszyBlad)},
        {"histogram_peak", static_cast<double>(w.SzczytRozkladu)},
        {"error_share", w.UdzialBledow ? json(*w.UdzialBledow) : json()},
        {"correct_time_sentence", w.UdzialBledow ? json(ZdaniePoprawnegoCzasu(*w.UdzialBledow)) : json()},
        {"counted_errors", w.Zliczone.Bledy},
        {"compared_bits", w.Zliczone.Porownane},
        {"ber_counted", w.Zliczone.BER},
        {"ber_ci_low", w.Zliczone.Dolna},
        {"ber_ci_high", w.Zliczone.Gorna},
        {"counted_errors_sentence", zliczenie.Bledy},
        {"ber_counted_sentence", zliczenie.BER},
        {"estimate_check_sentence", zliczenie.Estymacja},
        {"target_sentence", zliczenie.Wykazanie},
        {"lanes", std::move(tory)},
    });
    if (strumienie) {
        dokument["input_streams"] = std::move(wejsciowe);
        dokument["histogram"] = Punkty(w.Rozklad.get());
        dokument["cumulative"] = Punkty(w.Dystrybuanta.get());
    }
    return dokument;
}

std::optional<TUstawieniaSymulacji> UstawieniaZJson(const json& dokument, std::string& blad, std::int32_t maksBitow)
{
    try {
        const json& nazwa = Pole(dokument, "standard");
        TUstawieniaSymulacji u;
        u.Standard = -1;
        for (std::size_t i = 0; i < Standardy.size(); ++i)
            if (nazwa.is_string() && nazwa.get<std::string>() == Standardy[i].Nazwa)
                u.Standard = static_cast<int>(i);
        if (u.Standard < 0)
            throw TBladJson{"standard", "is not one of the four standards"};
        const json& s = Pole(dokument, "settings");
        const auto calkowite32 = [&](const char* pole) {
            const std::int64_t n = Calkowite(Pole(s, pole), pole);
            if (n < INT32_MIN || n > INT32_MAX)
                throw TBladJson{pole, "is out of range"};
            return static_cast<std::int32_t>(n);
        };
        u.LiczbaBitow = calkowite32("bits");
        u.Szybkosc = calkowite32("rate");
        u.Nachylenie = static_cast<float>(Liczba(Pole(s, "slope"), "slope"));
        u.PrzesuniecieEcha = calkowite32("echo_delay");
        const json& zrodlo = Pole(s, "source");
        const auto z = zrodlo.is_string() ? ZrodloZNazwy(zrodlo.get<std::string>()) : std::nullopt;
        if (!z)
            throw TBladJson{"source", "must be " + NazwyZrodel()};
        u.Zrodlo = *z;
        u.Przesluchy = Logiczne(s, "crosstalk");
        u.Echo = Logiczne(s, "echo");
        u.Regeneracja = Logiczne(s, "regeneration");
        u.Dekoder = Logiczne(s, "decoder");
        u.Adaptacyjny = Logiczne(s, "adaptive");
        if (s.contains("seed") && !s.at("seed").is_null()) {
            const std::int64_t ziarno = Calkowite(s.at("seed"), "seed");
            if (ziarno < 0 || ziarno > UINT32_MAX)
                throw TBladJson{"seed", "must be a whole number from 0 to 4294967295"};
            u.Ziarno = static_cast<std::uint32_t>(ziarno);
        }
        u.Charakterystyki.Tlumienie = Lista(s, "attenuation");
        u.Charakterystyki.Przesluchy = Lista(s, "crosstalk_characteristic");
        u.Charakterystyki.Echo = Lista(s, "echo_characteristic");
        u.Charakterystyki.Wzmocnienie = Lista(s, "regeneration_characteristic");
        TPochodzenie& pochodzenie = u.Pochodzenie;
        pochodzenie.PlikTlumienia = Plik(s, "attenuation_model");
        pochodzenie.PlikPrzesluchow = Plik(s, "crosstalk_model");
        pochodzenie.PlikEcha = Plik(s, "echo_model");
        pochodzenie.PlikRegeneracji = Plik(s, "regeneration_model");
        pochodzenie.PlikBitow = Plik(s, "bits_file");
        pochodzenie.PlikBitowZaklocen = Plik(s, "crosstalk_bits_file");
        pochodzenie.Kabel = KabelZJson(s);
        pochodzenie.Touchstone = TouchstoneZJson(s);
        u.SzumIDrzenie.SnrDb = LiczbaLubNic(s, "snr_db");
        u.SzumIDrzenie.SzumMv = LiczbaLubNic(s, "noise_mv");
        u.SzumIDrzenie.DrzeniePs = LiczbaLubNic(s, "jitter_ps").value_or(0.0);
        if (const auto naruszenia = SprawdzUstawienia(u, maksBitow); !naruszenia.empty())
            throw TBladJson{NazwaPolaJson(naruszenia.front().Pole), naruszenia.front().Powod};
        return u;
    } catch (const TBladJson& b) {
        blad = b.Pole + ": " + b.Powod;
        return std::nullopt;
    }
}
