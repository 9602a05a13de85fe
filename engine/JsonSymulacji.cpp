#include "JsonSymulacji.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "Liczby.h"
#include "OdbiorPrzebiegu.h"
#include "OdczytPliku.h"
#include "OpisBER.h"
#include "OpisZliczenia.h"
#include "PlikBitow.h"
#include "PlikModelu.h"
#include "Standardy.h"
#include "TekstJson.h"
#include "ZapisAtomowy.h"

using nlohmann::json;

namespace {

constexpr const char* Zrodla[] = {"random", "zeros", "ones", "prbs7", "prbs9", "prbs15", "prbs23", "prbs31"};
static_assert(std::size(Zrodla) == LiczbaZrodelBitow);

// ---- Writing ----

json TekstLubNull(const std::string& s)
{
    return s.empty() ? json() : json(s);
}

json LiczbaLubNull(const std::optional<double>& x, double mnoznik = 1.0)
{
    return x ? json(*x * mnoznik) : json();
}

json CiagBitow(const std::optional<std::vector<std::int32_t>>& bity)
{
    if (!bity)
        return json();
    std::string tekst;
    tekst.reserve(bity->size());
    for (const std::int32_t b : *bity)
        tekst += static_cast<char>('0' + b);
    return tekst;
}

// A float widened to double is exact, so every number reads back to the same float.
json Strumien(const TFltFltStrumien* s)
{
    if (s == nullptr)
        return json();
    auto& strumien = const_cast<TFltFltStrumien&>(*s); // reads go through its scratch element
    json x = json::array();
    json y = json::array();
    for (std::int32_t i = 0; i < strumien.ZwrocDlugosc(); ++i) {
        const TPunkt p = strumien.Zwroc(i);
        x.push_back(static_cast<double>(p.X));
        y.push_back(static_cast<double>(p.Y));
    }
    return {{"name", strumien.ZwrocNazwe()},
            {"x", std::move(x)},
            {"y", std::move(y)},
            {"min_y", static_cast<double>(strumien.MinY)},
            {"max_y", static_cast<double>(strumien.MaxY)},
            {"scale_x", static_cast<double>(strumien.SkalaX)},
            {"scale_y", static_cast<double>(strumien.SkalaY)},
            {"precision_y", static_cast<double>(strumien.PrecyzjaY)}};
}

json Strumienie(const TStrumienie& strumienie)
{
    json lista = json::array();
    for (const TStrumien& s : strumienie)
        lista.push_back(Strumien(s.get()));
    return lista;
}

// Each lane's openings, lowest first; what a run could not measure is null.
json Oko(const TWynikSymulacji& w)
{
    const double okresNs = OkresSymboluNs(w);
    json oko = json::array();
    for (const TTorWyniku& tor : w.Tory) {
        const TOkoToru& o = tor.Oko;
        json podoka = json::array();
        for (const TPodoko& p : o.Podoka) {
            const TPoziomOka& dolny = o.Poziomy.at(static_cast<std::size_t>(p.Dolny));
            const TPoziomOka& gorny = o.Poziomy.at(static_cast<std::size_t>(p.Gorny));
            const auto poziom = [](const TPoziomOka& z, double v) { return z.Liczba > 0 ? json(v) : json(); };
            podoka.push_back({
                {"height_mv", LiczbaLubNull(p.Wysokosc, 1000.0)},
                {"height_3sigma_mv", LiczbaLubNull(p.Wysokosc3Sigma, 1000.0)},
                {"width_ui", LiczbaLubNull(p.Szerokosc)},
                {"width_ns", LiczbaLubNull(p.Szerokosc, okresNs)},
                {"threshold_v", LiczbaLubNull(p.Prog)},
                {"level_low_v", poziom(dolny, dolny.Srednia)},
                {"level_high_v", poziom(gorny, gorny.Srednia)},
                {"sigma_low_v", poziom(dolny, dolny.Sigma)},
                {"sigma_high_v", poziom(gorny, gorny.Sigma)},
                {"amplitude_mv", LiczbaLubNull(p.Amplituda, 1000.0)},
                {"width_1e12_ui", LiczbaLubNull(p.SzerokoscBER)},
                {"width_1e12_ns", LiczbaLubNull(p.SzerokoscBER, okresNs)},
                {"crossing_percent", LiczbaLubNull(o.Przeciecie)},
            });
        }
        oko.push_back(std::move(podoka));
    }
    return oko;
}

// A lane's whole eye measurement, kept so that a document read back shows the eye and
// the bathtubs exactly as the run did (the "eye" and "bathtub" members give the figures
// a reader wants; this is their source).
json SzczegolyOka(const TOkoToru& o)
{
    json poziomy = json::array();
    for (const TPoziomOka& z : o.Poziomy)
        poziomy.push_back({{"symbol", z.Symbol}, {"count", z.Liczba}, {"mean", z.Srednia},
                           {"sigma", z.Sigma}, {"min", z.Min}, {"max", z.Max}});
    json podoka = json::array();
    for (const TPodoko& p : o.Podoka)
        podoka.push_back({{"low", p.Dolny}, {"high", p.Gorny}, {"height", LiczbaLubNull(p.Wysokosc)},
                          {"height_3sigma", LiczbaLubNull(p.Wysokosc3Sigma)}, {"amplitude", LiczbaLubNull(p.Amplituda)},
                          {"threshold", LiczbaLubNull(p.Prog)}, {"width_from", LiczbaLubNull(p.SzerokoscOd)},
                          {"width_to", LiczbaLubNull(p.SzerokoscDo)}, {"width", LiczbaLubNull(p.Szerokosc)},
                          {"width_ber", LiczbaLubNull(p.SzerokoscBER)}, {"bathtub", p.Wanna}});
    return {{"phase", o.Faza},
            {"levels", std::move(poziomy)},
            {"openings", std::move(podoka)},
            {"crossing", LiczbaLubNull(o.Przeciecie)},
            {"bathtub_phase", o.FazyWanny},
            {"bathtub", o.Wanna},
            {"bathtub_threshold", o.ProgiWanny},
            {"bathtub_vs_threshold", o.WannaPionowa}};
}

// Each lane's bathtubs: the error rate against the sampling phase (code-symbol periods)
// and, at the sampling instant, against the decision threshold (V).
json Wanny(const TWynikSymulacji& w)
{
    json wanny = json::array();
    for (const TTorWyniku& tor : w.Tory)
        wanny.push_back({{"phase", tor.Oko.FazyWanny},
                         {"ber", tor.Oko.Wanna},
                         {"threshold_v", tor.Oko.ProgiWanny},
                         {"ber_vs_threshold", tor.Oko.WannaPionowa}});
    return wanny;
}

json Lista(const TCharakterystyka& punkty)
{
    json wynik = json::array();
    for (const TPunkt& p : punkty)
        wynik.push_back({static_cast<double>(p.X), static_cast<double>(p.Y)});
    return wynik;
}

// The characteristics a cable or a Touchstone file made, by their names in the document.
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

json Ustawienia(const TUstawieniaSymulacji& u)
{
    const TPochodzenie& z = u.Pochodzenie;
    return {
        {"bits", u.LiczbaBitow},
        {"rate", u.Szybkosc},
        {"slope", static_cast<double>(u.Nachylenie)},
        {"echo_delay", u.PrzesuniecieEcha},
        {"source", NazwaZrodla(u.Zrodlo)},
        {"seed", u.Ziarno ? json(*u.Ziarno) : json()},
        {"bits_file", TekstLubNull(z.PlikBitow)},
        {"bit_sequence", CiagBitow(u.Bity)},
        {"crosstalk_bits_file", TekstLubNull(z.PlikBitowZaklocen)},
        {"crosstalk_bit_sequence", CiagBitow(u.BityZaklocen)},
        {"snr_db", LiczbaLubNull(u.SzumIDrzenie.SnrDb)},
        {"noise_mv", LiczbaLubNull(u.SzumIDrzenie.SzumMv)},
        {"jitter_ps", u.SzumIDrzenie.DrzeniePs},
    };
}

json Efekty(const TUstawieniaSymulacji& u)
{
    return {{"crosstalk", u.Przesluchy},
            {"echo", u.Echo},
            {"regeneration", u.Regeneracja},
            {"decoder", u.Dekoder},
            {"adaptive", u.Adaptacyjny}};
}

json Charakterystyki(const TUstawieniaSymulacji& u)
{
    // In adaptive mode the regenerator is built from the mirror of the attenuation: the
    // document gives the list the run uses.
    TCharakterystyka lustro;
    const TPochodzenie& z = u.Pochodzenie;
    return {{"attenuation", Lista(u.Charakterystyki.Tlumienie)},
            {"crosstalk", Lista(u.Charakterystyki.Przesluchy)},
            {"echo", Lista(u.Charakterystyki.Echo)},
            {"regeneration", Lista(CharakterystykaRegeneracji(u, lustro))},
            {"model_files",
             {{"attenuation", TekstLubNull(z.PlikTlumienia)},
              {"crosstalk", TekstLubNull(z.PlikPrzesluchow)},
              {"echo", TekstLubNull(z.PlikEcha)},
              {"regeneration", TekstLubNull(z.PlikRegeneracji)}}},
            {"cable", Kabel(z.Kabel)},
            {"touchstone", Touchstone(z.Touchstone)}};
}

json Wyniki(const TWynikSymulacji& w, bool strumienie, TJezyk jezyk)
{
    const TUstawieniaSymulacji& u = w.Ustawienia;
    const TOpisBER ber = OpiszBER(w.BER, u.Standard, u.Szybkosc, jezyk);
    const TOpisZliczenia zliczenie = OpiszZliczenie(w.Zliczone, w.BER, u.Standard, u.Szybkosc, jezyk);
    strumienie = strumienie && w.MaPrzebiegi();

    const auto wejscia = static_cast<std::int64_t>(w.Wejsciowe.size());
    const auto liczbaTorow = static_cast<std::int64_t>(w.Tory.size());
    json tory = json::array();
    for (std::size_t i = 0; i < w.Tory.size(); ++i) {
        const TTorWyniku& tor = w.Tory[i];
        json t = {{"name", tor.Nazwa},
                  {"sampling_phase", tor.FazaProbkowania},
                  {"symbol_delay", tor.OpoznienieSymboli},
                  {"eye_detail", SzczegolyOka(tor.Oko)}};
        if (strumienie) {
            const auto k = static_cast<std::int64_t>(i);
            t["sent_stream"] = wejscia - liczbaTorow + k;
            t["reference_stream"] = wejscia - 2 * liczbaTorow + k;
            t["received"] = Strumien(tor.Odebrany.get());
            t["regenerated"] = Strumien(tor.Zregenerowany.get());
            t["amplified"] = Strumien(tor.Wzmocniony.get());
            t["decoded"] = Strumien(tor.Zdekodowany.get());
        }
        tory.push_back(std::move(t));
    }
    json wyniki = {
        {"seed", w.Ziarno},
        {"encoded_bits", w.LiczbaBitowKodowanych},
        {"symbol_rate", w.SzybkoscSymboli},
        {"ber", w.BER},
        {"ber_label", ber.Etykieta},
        {"ber_exponent", ber.Wykladnik},
        {"ber_sentence", ber.Zdanie},
        {"max_error", static_cast<double>(w.NajwiekszyBlad)},
        {"histogram_peak", static_cast<double>(w.SzczytRozkladu)},
        {"error_share", LiczbaLubNull(w.UdzialBledow)},
        {"correct_time_sentence", w.UdzialBledow ? json(ZdaniePoprawnegoCzasu(*w.UdzialBledow, jezyk)) : json()},
        {"counted",
         {{"errors", w.Zliczone.Bledy},
          {"compared_bits", w.Zliczone.Porownane},
          {"ber", w.Zliczone.BER},
          {"ci_low", w.Zliczone.Dolna},
          {"ci_high", w.Zliczone.Gorna},
          {"errors_sentence", zliczenie.Bledy},
          {"ber_sentence", zliczenie.BER},
          {"estimate_check_sentence", zliczenie.Estymacja},
          {"target_sentence", zliczenie.Wykazanie}}},
        {"eye", Oko(w)},
        {"bathtub", Wanny(w)},
        {"lanes", std::move(tory)},
    };
    if (strumienie) {
        wyniki["input_streams"] = Strumienie(w.Wejsciowe);
        wyniki["crosstalk_sources"] = Strumienie(w.Zaklocenia);
        wyniki["histogram"] = Strumien(w.Rozklad.get());
        wyniki["cumulative"] = Strumien(w.Dystrybuanta.get());
    }
    return wyniki;
}

// ---- Reading ----

// The first member a reader cannot take: its path and why, in English.
struct TBladPola {
    std::string Pole;
    std::string Powod;
};

std::string Sciezka(const std::string& rodzic, const std::string& klucz)
{
    return rodzic.empty() ? klucz : rodzic + "." + klucz;
}

std::string Element(const std::string& lista, std::size_t i)
{
    return lista + "[" + FormatujCalkowita(static_cast<std::int64_t>(i)) + "]";
}

const json& Obiekt(const json& w, const std::string& sciezka)
{
    if (!w.is_object())
        throw TBladPola{sciezka, "must be an object"};
    return w;
}

const json& Pole(const json& obiekt, const std::string& sciezka, const char* klucz)
{
    const auto miejsce = obiekt.find(klucz);
    if (miejsce == obiekt.end())
        throw TBladPola{Sciezka(sciezka, klucz), "is missing"};
    return *miejsce;
}

// A member that may be absent or null: null then.
const json* PoleLubBrak(const json& obiekt, const char* klucz)
{
    const auto miejsce = obiekt.find(klucz);
    return miejsce == obiekt.end() || miejsce->is_null() ? nullptr : &*miejsce;
}

bool Logiczne(const json& obiekt, const std::string& sciezka, const char* klucz)
{
    const json& w = Pole(obiekt, sciezka, klucz);
    if (!w.is_boolean())
        throw TBladPola{Sciezka(sciezka, klucz), "must be true or false"};
    return w.get<bool>();
}

// A whole number from min to max; a number written with a zero fraction counts.
std::int64_t Calkowite(const json& w, const std::string& sciezka, std::int64_t min, std::int64_t max)
{
    const auto opis = [&] {
        return TBladPola{sciezka, "must be a whole number from " + FormatujCalkowita(min) + " to " + FormatujCalkowita(max)};
    };
    if (w.is_number_unsigned()) {
        const auto n = w.get<std::uint64_t>();
        if (n > static_cast<std::uint64_t>(max) || (min > 0 && n < static_cast<std::uint64_t>(min)))
            throw opis();
        return static_cast<std::int64_t>(n);
    }
    if (w.is_number_integer()) {
        const auto n = w.get<std::int64_t>();
        if (n < min || n > max)
            throw opis();
        return n;
    }
    if (w.is_number_float()) {
        const double d = w.get<double>();
        if (d == std::trunc(d) && d >= static_cast<double>(min) && d <= static_cast<double>(max))
            return static_cast<std::int64_t>(d);
    }
    throw opis();
}

std::int32_t Calkowite32(const json& obiekt, const std::string& sciezka, const char* klucz)
{
    return static_cast<std::int32_t>(Calkowite(Pole(obiekt, sciezka, klucz), Sciezka(sciezka, klucz),
                                               std::numeric_limits<std::int32_t>::min(),
                                               std::numeric_limits<std::int32_t>::max()));
}

double Liczba(const json& w, const std::string& sciezka)
{
    if (!w.is_number() || !std::isfinite(w.get<double>()))
        throw TBladPola{sciezka, "must be a number"};
    return w.get<double>();
}

double Liczba(const json& obiekt, const std::string& sciezka, const char* klucz)
{
    return Liczba(Pole(obiekt, sciezka, klucz), Sciezka(sciezka, klucz));
}

// A number that must fit a float: its float is what the program keeps.
float LiczbaFloat(const json& w, const std::string& sciezka)
{
    const auto f = static_cast<float>(Liczba(w, sciezka));
    if (!std::isfinite(f))
        throw TBladPola{sciezka, "is beyond the range of a single-precision number"};
    return f;
}

std::optional<double> LiczbaLubNic(const json& obiekt, const std::string& sciezka, const char* klucz)
{
    const json* w = PoleLubBrak(obiekt, klucz);
    return w ? std::optional(Liczba(*w, Sciezka(sciezka, klucz))) : std::nullopt;
}

std::string TekstLubPusty(const json& obiekt, const std::string& sciezka, const char* klucz)
{
    const json* w = PoleLubBrak(obiekt, klucz);
    if (w == nullptr)
        return {};
    if (!w->is_string())
        throw TBladPola{Sciezka(sciezka, klucz), "must be a file name or null"};
    return w->get<std::string>();
}

std::optional<std::vector<std::int32_t>> CiagBitowZJson(const json& obiekt, const std::string& sciezka, const char* klucz)
{
    const json* w = PoleLubBrak(obiekt, klucz);
    if (w == nullptr)
        return std::nullopt;
    const std::string pole = Sciezka(sciezka, klucz);
    if (!w->is_string())
        throw TBladPola{pole, "must be a text of the characters 0 and 1, or null"};
    const auto& tekst = w->get_ref<const std::string&>();
    if (tekst.size() > MaksBajtowPlikuBitow)
        throw TBladPola{pole, "holds more bits than a bit file may"};
    std::vector<std::int32_t> bity;
    bity.reserve(tekst.size());
    for (const char c : tekst) {
        if (c != '0' && c != '1')
            throw TBladPola{pole, "must be a text of the characters 0 and 1, or null"};
        bity.push_back(c - '0');
    }
    return bity;
}

// A point list as a model file holds one: at most MaksPunktowModelu [MHz, dB] pairs. Their
// order and values are the settings check's.
TCharakterystyka ListaZJson(const json& obiekt, const std::string& sciezka, const char* klucz)
{
    const json& w = Pole(obiekt, sciezka, klucz);
    const std::string pole = Sciezka(sciezka, klucz);
    if (!w.is_array())
        throw TBladPola{pole, "must be a list of [MHz, dB] points"};
    if (w.size() > static_cast<std::size_t>(MaksPunktowModelu))
        throw TBladPola{pole, "holds more than " + FormatujCalkowita(MaksPunktowModelu) + " points"};
    TCharakterystyka punkty;
    punkty.reserve(w.size());
    for (std::size_t i = 0; i < w.size(); ++i) {
        const json& p = w[i];
        if (!p.is_array() || p.size() != 2)
            throw TBladPola{Element(pole, i), "must be a [MHz, dB] point"};
        punkty.push_back({LiczbaFloat(p[0], Element(pole, i)), LiczbaFloat(p[1], Element(pole, i))});
    }
    return punkty;
}

TListyZrodla ListyZJson(const json& obiekt, const std::string& sciezka)
{
    const json& w = Pole(obiekt, sciezka, "characteristics");
    const std::string pole = Sciezka(sciezka, "characteristics");
    const auto zle = [&] { return TBladPola{pole, "must be a list of attenuation, crosstalk and echo"}; };
    if (!w.is_array() || w.empty())
        throw zle();
    TListyZrodla l;
    for (const json& n : w) {
        const std::string nazwa = n.is_string() ? n.get<std::string>() : std::string();
        if (nazwa == "attenuation")
            l.Tlumienie = true;
        else if (nazwa == "crosstalk")
            l.Przesluchy = true;
        else if (nazwa == "echo")
            l.Echo = true;
        else
            throw zle();
    }
    return l;
}

// A number within [min, max], or the reason naming the member.
double WZakresie(const json& obiekt, const std::string& sciezka, const char* klucz, double min, double max)
{
    const json& w = Pole(obiekt, sciezka, klucz);
    if (!w.is_number() || !(w.get<double>() >= min && w.get<double>() <= max))
        throw TBladPola{Sciezka(sciezka, klucz),
                        "must be a number from " + FormatujStalo(min, 0) + " to " + FormatujStalo(max, 0)};
    return w.get<double>();
}

std::optional<TKabelPochodzenia> KabelZJson(const json& c, const std::string& sciezka)
{
    const json* w = PoleLubBrak(c, "cable");
    if (w == nullptr)
        return std::nullopt;
    const std::string pole = Sciezka(sciezka, "cable");
    const json& k = Obiekt(*w, pole);
    const json& nazwa = Pole(k, pole, "category");
    const auto kategoria = nazwa.is_string() ? KategoriaZNazwy(nazwa.get<std::string>()) : std::nullopt;
    if (!kategoria)
        throw TBladPola{Sciezka(pole, "category"), "must be Cat3, Cat5, Cat5e, Cat6 or Cat6A"};
    return TKabelPochodzenia{{*kategoria, WZakresie(k, pole, "length", DlugoscKablaMin, DlugoscKablaMax),
                              WZakresie(k, pole, "temperature", TemperaturaKablaMin, TemperaturaKablaMax)},
                             ListyZJson(k, pole)};
}

std::optional<TTouchstonePochodzenia> TouchstoneZJson(const json& c, const std::string& sciezka)
{
    const json* w = PoleLubBrak(c, "touchstone");
    if (w == nullptr)
        return std::nullopt;
    const std::string pole = Sciezka(sciezka, "touchstone");
    const json& t = Obiekt(*w, pole);
    TTouchstonePochodzenia z;
    const json& plik = Pole(t, pole, "file");
    if (!plik.is_string())
        throw TBladPola{Sciezka(pole, "file"), "must be a file name"};
    z.Plik = plik.get<std::string>();
    if (const json* porty = PoleLubBrak(t, "ports")) {
        z.Porty = porty->is_string() ? KolejnoscZNazwy(porty->get<std::string>()) : std::nullopt;
        if (!z.Porty)
            throw TBladPola{Sciezka(pole, "ports"), "must be 13-24, 12-34 or null"};
    }
    const json& ponizej = Pole(t, pole, "below_data");
    const auto tryb = ponizej.is_string() ? PonizejPomiaruZNazwy(ponizej.get<std::string>()) : std::nullopt;
    if (!tryb)
        throw TBladPola{Sciezka(pole, "below_data"), "must be fit or flat"};
    z.PonizejPomiaru = *tryb;
    z.LiczbaPunktow = static_cast<std::size_t>(
        Calkowite(Pole(t, pole, "points"), Sciezka(pole, "points"), 2, std::numeric_limits<std::int32_t>::max()));
    z.Listy = ListyZJson(t, pole);
    return z;
}

TUstawieniaSymulacji UstawieniaZJson(const json& d, std::int32_t maksBitow)
{
    TUstawieniaSymulacji u;
    const json& nazwa = Pole(d, "", "standard");
    u.Standard = -1;
    for (std::size_t i = 0; i < Standardy.size(); ++i)
        if (nazwa.is_string() && nazwa.get<std::string>() == Standardy[i].Nazwa)
            u.Standard = static_cast<int>(i);
    if (u.Standard < 0)
        throw TBladPola{"standard", "must be 10BaseT, 100BaseTX, 100BaseTX (bez 4B5B) or 1000BaseT"};

    const std::string ps = "settings";
    const json& s = Obiekt(Pole(d, "", "settings"), ps);
    u.LiczbaBitow = Calkowite32(s, ps, "bits");
    u.Szybkosc = Calkowite32(s, ps, "rate");
    // The settings page and the command line both take whole numbers of mV/ns.
    u.Nachylenie = static_cast<float>(Calkowite32(s, ps, "slope"));
    u.PrzesuniecieEcha = Calkowite32(s, ps, "echo_delay");
    const json& zrodlo = Pole(s, ps, "source");
    const auto z = zrodlo.is_string() ? ZrodloZNazwy(zrodlo.get<std::string>()) : std::nullopt;
    if (!z)
        throw TBladPola{Sciezka(ps, "source"), "must be " + NazwyZrodel()};
    u.Zrodlo = *z;
    if (const json* ziarno = PoleLubBrak(s, "seed"))
        u.Ziarno = static_cast<std::uint32_t>(
            Calkowite(*ziarno, Sciezka(ps, "seed"), 0, std::numeric_limits<std::uint32_t>::max()));
    TPochodzenie& pochodzenie = u.Pochodzenie;
    pochodzenie.PlikBitow = TekstLubPusty(s, ps, "bits_file");
    pochodzenie.PlikBitowZaklocen = TekstLubPusty(s, ps, "crosstalk_bits_file");
    u.Bity = CiagBitowZJson(s, ps, "bit_sequence");
    u.BityZaklocen = CiagBitowZJson(s, ps, "crosstalk_bit_sequence");
    u.SzumIDrzenie.SnrDb = LiczbaLubNic(s, ps, "snr_db");
    u.SzumIDrzenie.SzumMv = LiczbaLubNic(s, ps, "noise_mv");
    u.SzumIDrzenie.DrzeniePs = Liczba(s, ps, "jitter_ps");

    const std::string pe = "effects";
    const json& e = Obiekt(Pole(d, "", "effects"), pe);
    u.Przesluchy = Logiczne(e, pe, "crosstalk");
    u.Echo = Logiczne(e, pe, "echo");
    u.Regeneracja = Logiczne(e, pe, "regeneration");
    u.Dekoder = Logiczne(e, pe, "decoder");
    u.Adaptacyjny = Logiczne(e, pe, "adaptive");

    const std::string pc = "characteristics";
    const json& c = Obiekt(Pole(d, "", "characteristics"), pc);
    TCharakterystykiKanalu& ch = u.Charakterystyki;
    ch.Tlumienie = ListaZJson(c, pc, "attenuation");
    ch.Przesluchy = ListaZJson(c, pc, "crosstalk");
    ch.Echo = ListaZJson(c, pc, "echo");
    ch.Wzmocnienie = ListaZJson(c, pc, "regeneration");
    const std::string pm = Sciezka(pc, "model_files");
    const json& m = Obiekt(Pole(c, pc, "model_files"), pm);
    pochodzenie.PlikTlumienia = TekstLubPusty(m, pm, "attenuation");
    pochodzenie.PlikPrzesluchow = TekstLubPusty(m, pm, "crosstalk");
    pochodzenie.PlikEcha = TekstLubPusty(m, pm, "echo");
    pochodzenie.PlikRegeneracji = TekstLubPusty(m, pm, "regeneration");
    pochodzenie.Kabel = KabelZJson(c, pc);
    pochodzenie.Touchstone = TouchstoneZJson(c, pc);

    if (const auto naruszenia = SprawdzUstawienia(u, maksBitow); !naruszenia.empty())
        throw TBladPola{SciezkaPola(naruszenia.front().Pole), naruszenia.front().Powod};
    return u;
}

// ---- Reading results ----

TStrumien StrumienZJson(const json& w, const std::string& sciezka)
{
    const json& o = Obiekt(w, sciezka);
    const json& nazwa = Pole(o, sciezka, "name");
    if (!nazwa.is_string())
        throw TBladPola{Sciezka(sciezka, "name"), "must be a text"};
    const json& x = Pole(o, sciezka, "x");
    const json& y = Pole(o, sciezka, "y");
    if (!x.is_array() || !y.is_array() || x.size() != y.size() || x.empty())
        throw TBladPola{sciezka, "x and y must be lists of numbers of one length, at least one"};
    if (x.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw TBladPola{sciezka, "holds more points than a stream can"};
    auto s = std::make_unique<TFltFltStrumien>();
    const auto n = static_cast<std::int32_t>(x.size());
    s->UstawDlugosc(n);
    for (std::int32_t i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        s->Ustaw(i, {LiczbaFloat(x[k], Element(Sciezka(sciezka, "x"), k)),
                     LiczbaFloat(y[k], Element(Sciezka(sciezka, "y"), k))});
    }
    s->UstawNazwe(nazwa.get<std::string>());
    s->MinY = LiczbaFloat(Pole(o, sciezka, "min_y"), Sciezka(sciezka, "min_y"));
    s->MaxY = LiczbaFloat(Pole(o, sciezka, "max_y"), Sciezka(sciezka, "max_y"));
    s->SkalaX = LiczbaFloat(Pole(o, sciezka, "scale_x"), Sciezka(sciezka, "scale_x"));
    s->SkalaY = LiczbaFloat(Pole(o, sciezka, "scale_y"), Sciezka(sciezka, "scale_y"));
    s->PrecyzjaY = LiczbaFloat(Pole(o, sciezka, "precision_y"), Sciezka(sciezka, "precision_y"));
    return s;
}

// A stream that must be there when obecny holds, and must be null or absent otherwise.
TStrumien StrumienGdy(bool obecny, const json& obiekt, const std::string& sciezka, const char* klucz, const char* warunek)
{
    const json* w = PoleLubBrak(obiekt, klucz);
    if (obecny && w == nullptr)
        throw TBladPola{Sciezka(sciezka, klucz), std::string("is missing, though ") + warunek + " is on"};
    if (!obecny && w != nullptr)
        throw TBladPola{Sciezka(sciezka, klucz), std::string("must be null, since ") + warunek + " is off"};
    return w ? StrumienZJson(*w, Sciezka(sciezka, klucz)) : nullptr;
}

TStrumienie StrumienieZJson(const json& obiekt, const std::string& sciezka, const char* klucz, std::size_t ile)
{
    const json& w = Pole(obiekt, sciezka, klucz);
    const std::string pole = Sciezka(sciezka, klucz);
    if (!w.is_array() || w.size() != ile)
        throw TBladPola{pole, "must be a list of " + FormatujCalkowita(static_cast<std::int64_t>(ile)) +
                                  " streams for the standard"};
    TStrumienie strumienie;
    for (std::size_t i = 0; i < ile; ++i)
        strumienie.push_back(StrumienZJson(w[i], Element(pole, i)));
    return strumienie;
}

double Udzial(const json& obiekt, const std::string& sciezka, const char* klucz)
{
    const double x = Liczba(obiekt, sciezka, klucz);
    if (!(x >= 0.0 && x <= 1.0))
        throw TBladPola{Sciezka(sciezka, klucz), "must be a number from 0 to 1"};
    return x;
}

float NieujemnaFloat(const json& obiekt, const std::string& sciezka, const char* klucz)
{
    const float x = LiczbaFloat(Pole(obiekt, sciezka, klucz), Sciezka(sciezka, klucz));
    if (!(x >= 0.0f))
        throw TBladPola{Sciezka(sciezka, klucz), "must not be negative"};
    return x;
}

std::vector<double> ListaLiczb(const json& obiekt, const std::string& sciezka, const char* klucz)
{
    const json& w = Pole(obiekt, sciezka, klucz);
    const std::string pole = Sciezka(sciezka, klucz);
    if (!w.is_array())
        throw TBladPola{pole, "must be a list of numbers"};
    std::vector<double> liczby;
    for (std::size_t i = 0; i < w.size(); ++i)
        liczby.push_back(Liczba(w[i], Element(pole, i)));
    return liczby;
}

TOkoToru OkoZJson(const json& w, const std::string& sciezka)
{
    const json& o = Obiekt(w, sciezka);
    TOkoToru oko;
    oko.Faza = Udzial(o, sciezka, "phase");
    const std::string pp = Sciezka(sciezka, "levels");
    const json& poziomy = Pole(o, sciezka, "levels");
    if (!poziomy.is_array() || poziomy.size() > 16)
        throw TBladPola{pp, "must be a list of the code's levels"};
    for (std::size_t i = 0; i < poziomy.size(); ++i) {
        const std::string pz = Element(pp, i);
        const json& z = Obiekt(poziomy[i], pz);
        TPoziomOka poziom;
        poziom.Symbol = Calkowite32(z, pz, "symbol");
        poziom.Liczba = Calkowite(Pole(z, pz, "count"), Sciezka(pz, "count"), 0, std::numeric_limits<std::int64_t>::max());
        poziom.Srednia = Liczba(z, pz, "mean");
        poziom.Sigma = Liczba(z, pz, "sigma");
        poziom.Min = Liczba(z, pz, "min");
        poziom.Max = Liczba(z, pz, "max");
        oko.Poziomy.push_back(poziom);
    }
    const std::string po = Sciezka(sciezka, "openings");
    const json& podoka = Pole(o, sciezka, "openings");
    if (!podoka.is_array() || podoka.size() + 1 != std::max<std::size_t>(oko.Poziomy.size(), 1))
        throw TBladPola{po, "must be a list of one opening between each two neighbouring levels"};
    const auto ostatni = static_cast<std::int64_t>(oko.Poziomy.size()) - 1;
    for (std::size_t i = 0; i < podoka.size(); ++i) {
        const std::string pd = Element(po, i);
        const json& d = Obiekt(podoka[i], pd);
        TPodoko p;
        p.Dolny = static_cast<std::int32_t>(Calkowite(Pole(d, pd, "low"), Sciezka(pd, "low"), 0, ostatni));
        p.Gorny = static_cast<std::int32_t>(Calkowite(Pole(d, pd, "high"), Sciezka(pd, "high"), 0, ostatni));
        p.Wysokosc = LiczbaLubNic(d, pd, "height");
        p.Wysokosc3Sigma = LiczbaLubNic(d, pd, "height_3sigma");
        p.Amplituda = LiczbaLubNic(d, pd, "amplitude");
        p.Prog = LiczbaLubNic(d, pd, "threshold");
        p.SzerokoscOd = LiczbaLubNic(d, pd, "width_from");
        p.SzerokoscDo = LiczbaLubNic(d, pd, "width_to");
        p.Szerokosc = LiczbaLubNic(d, pd, "width");
        p.SzerokoscBER = LiczbaLubNic(d, pd, "width_ber");
        p.Wanna = ListaLiczb(d, pd, "bathtub");
        oko.Podoka.push_back(std::move(p));
    }
    oko.Przeciecie = LiczbaLubNic(o, sciezka, "crossing");
    oko.FazyWanny = ListaLiczb(o, sciezka, "bathtub_phase");
    oko.Wanna = ListaLiczb(o, sciezka, "bathtub");
    if (oko.Wanna.size() != oko.FazyWanny.size())
        throw TBladPola{Sciezka(sciezka, "bathtub"), "must hold one rate for each phase"};
    oko.ProgiWanny = ListaLiczb(o, sciezka, "bathtub_threshold");
    oko.WannaPionowa = ListaLiczb(o, sciezka, "bathtub_vs_threshold");
    if (oko.WannaPionowa.size() != oko.ProgiWanny.size())
        throw TBladPola{Sciezka(sciezka, "bathtub_vs_threshold"), "must hold one rate for each threshold"};
    return oko;
}

std::unique_ptr<TWynikSymulacji> WynikZJson(const json& wyniki, const TUstawieniaSymulacji& u)
{
    const std::string p = "results";
    const json& r = Obiekt(wyniki, p);
    const TStandard& st = Standardy.at(static_cast<std::size_t>(u.Standard));
    auto wynik = std::make_unique<TWynikSymulacji>();
    TWynikSymulacji& w = *wynik;
    w.Ustawienia = u;
    w.Ziarno = static_cast<std::uint32_t>(
        Calkowite(Pole(r, p, "seed"), Sciezka(p, "seed"), 0, std::numeric_limits<std::uint32_t>::max()));
    if (u.Ziarno && w.Ziarno != *u.Ziarno)
        throw TBladPola{Sciezka(p, "seed"), "must be the seed of the settings"};
    // Figures the settings decide are checked against them.
    const std::int32_t kodowane = BityKodowane(u);
    w.LiczbaBitowKodowanych = static_cast<std::int32_t>(Calkowite(Pole(r, p, "encoded_bits"),
                                                                  Sciezka(p, "encoded_bits"), kodowane, kodowane));
    const std::int32_t mbaud = SzybkoscSymboli(u.Standard, u.Szybkosc);
    w.SzybkoscSymboli =
        static_cast<std::int32_t>(Calkowite(Pole(r, p, "symbol_rate"), Sciezka(p, "symbol_rate"), mbaud, mbaud));
    w.BER = Liczba(r, p, "ber");
    if (!(w.BER >= 0.0))
        throw TBladPola{Sciezka(p, "ber"), "must not be negative"};
    w.NajwiekszyBlad = NieujemnaFloat(r, p, "max_error");
    w.SzczytRozkladu = NieujemnaFloat(r, p, "histogram_peak");
    if (u.Dekoder)
        w.UdzialBledow = Udzial(r, p, "error_share");
    else if (PoleLubBrak(r, "error_share") != nullptr)
        throw TBladPola{Sciezka(p, "error_share"), "must be null, since effects.decoder is off"};

    const std::string pz = Sciezka(p, "counted");
    const json& z = Obiekt(Pole(r, p, "counted"), pz);
    constexpr std::int64_t maks = std::numeric_limits<std::int64_t>::max();
    w.Zliczone.Porownane = Calkowite(Pole(z, pz, "compared_bits"), Sciezka(pz, "compared_bits"), 0, maks);
    w.Zliczone.Bledy = Calkowite(Pole(z, pz, "errors"), Sciezka(pz, "errors"), 0, w.Zliczone.Porownane);
    w.Zliczone.BER = Udzial(z, pz, "ber");
    w.Zliczone.Dolna = Udzial(z, pz, "ci_low");
    w.Zliczone.Gorna = Udzial(z, pz, "ci_high");
    if (!(w.Zliczone.Dolna <= w.Zliczone.Gorna))
        throw TBladPola{Sciezka(pz, "ci_low"), "must not exceed ci_high"};

    // With "input_streams" the document holds every stream, without it none.
    const bool strumienie = PoleLubBrak(r, "input_streams") != nullptr;
    if (strumienie) {
        w.Wejsciowe = StrumienieZJson(r, p, "input_streams", static_cast<std::size_t>(LiczbaStrumieniKodera(u.Standard)));
        w.Zaklocenia = StrumienieZJson(r, p, "crosstalk_sources", static_cast<std::size_t>(st.LiczbaZaklocen));
        w.Rozklad = StrumienZJson(Pole(r, p, "histogram"), Sciezka(p, "histogram"));
        w.Dystrybuanta = StrumienZJson(Pole(r, p, "cumulative"), Sciezka(p, "cumulative"));
    } else {
        for (const char* klucz : {"crosstalk_sources", "histogram", "cumulative"})
            if (PoleLubBrak(r, klucz) != nullptr)
                throw TBladPola{Sciezka(p, klucz), "must be left out with input_streams"};
    }

    const std::string pt = Sciezka(p, "lanes");
    const json& tory = Pole(r, p, "lanes");
    const auto liczbaTorow = static_cast<std::size_t>(st.LiczbaTorow);
    if (!tory.is_array() || tory.size() != liczbaTorow)
        throw TBladPola{pt, "must be a list of " + FormatujCalkowita(st.LiczbaTorow) + " lanes for the standard"};
    const std::size_t wejscia = w.Wejsciowe.size();
    w.Tory.resize(liczbaTorow);
    for (std::size_t i = 0; i < liczbaTorow; ++i) {
        const std::string pl = Element(pt, i);
        const json& t = Obiekt(tory[i], pl);
        TTorWyniku& tor = w.Tory[i];
        const json& nazwa = Pole(t, pl, "name");
        if (!nazwa.is_string())
            throw TBladPola{Sciezka(pl, "name"), "must be a text"};
        tor.Nazwa = nazwa.get<std::string>();
        tor.FazaProbkowania = Udzial(t, pl, "sampling_phase");
        tor.OpoznienieSymboli = Calkowite32(t, pl, "symbol_delay");
        // Documents written before the eye was measured hold none.
        if (const json* oko = PoleLubBrak(t, "eye_detail"))
            tor.Oko = OkoZJson(*oko, Sciezka(pl, "eye_detail"));
        if (!strumienie) {
            for (const char* klucz : {"received", "regenerated", "amplified", "decoded"})
                if (PoleLubBrak(t, klucz) != nullptr)
                    throw TBladPola{Sciezka(pl, klucz), "must be left out with input_streams"};
            continue;
        }
        // The coder's last streams are the lanes' code-symbol staircases, then their line signals.
        const std::int64_t wyslany = static_cast<std::int64_t>(wejscia - liczbaTorow + i);
        const std::int64_t wzorzec = static_cast<std::int64_t>(wejscia - 2 * liczbaTorow + i);
        Calkowite(Pole(t, pl, "sent_stream"), Sciezka(pl, "sent_stream"), wyslany, wyslany);
        Calkowite(Pole(t, pl, "reference_stream"), Sciezka(pl, "reference_stream"), wzorzec, wzorzec);
        tor.Wyslany = w.Wejsciowe[static_cast<std::size_t>(wyslany)].get();
        tor.Wzorzec = w.Wejsciowe[static_cast<std::size_t>(wzorzec)].get();
        tor.Odebrany = StrumienZJson(Pole(t, pl, "received"), Sciezka(pl, "received"));
        tor.Zregenerowany = StrumienGdy(u.Regeneracja, t, pl, "regenerated", "effects.regeneration");
        tor.Wzmocniony = StrumienZJson(Pole(t, pl, "amplified"), Sciezka(pl, "amplified"));
        tor.Zdekodowany = StrumienGdy(u.Dekoder, t, pl, "decoded", "effects.decoder");
    }
    // The density eye is the lanes' eye streams folded, so it is made again from them.
    if (strumienie)
        GestoscOkaPrzebiegu(w);
    return wynik;
}

std::string Opis(const std::string& pole, const std::string& powod)
{
    return pole + ": " + powod;
}

} // namespace

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

const char* SciezkaPola(TPoleUstawien pole)
{
    switch (pole) {
    case TPoleUstawien::Standard:
        return "standard";
    case TPoleUstawien::LiczbaBitow:
        return "settings.bits";
    case TPoleUstawien::Szybkosc:
        return "settings.rate";
    case TPoleUstawien::Nachylenie:
        return "settings.slope";
    case TPoleUstawien::PrzesuniecieEcha:
        return "settings.echo_delay";
    case TPoleUstawien::Tlumienie:
        return "characteristics.attenuation";
    case TPoleUstawien::Przesluchy:
        return "characteristics.crosstalk";
    case TPoleUstawien::Echo:
        return "characteristics.echo";
    case TPoleUstawien::Wzmocnienie:
        return "characteristics.regeneration";
    case TPoleUstawien::Bity:
        return "settings.bit_sequence";
    case TPoleUstawien::BityZaklocen:
        return "settings.crosstalk_bit_sequence";
    case TPoleUstawien::Snr:
        return "settings.snr_db";
    case TPoleUstawien::SzumMv:
        return "settings.noise_mv";
    case TPoleUstawien::DrzeniePs:
        return "settings.jitter_ps";
    }
    return "";
}

json AnalizaJson(const TUstawieniaSymulacji& u, const TWynikSymulacji* w, bool strumienie, TJezyk jezyk)
{
    return {
        {"format", NazwaFormatuAnalizy},
        {"version", WersjaFormatuAnalizy},
        {"standard", std::string(Standardy.at(static_cast<std::size_t>(u.Standard)).Nazwa)},
        {"settings", Ustawienia(u)},
        {"effects", Efekty(u)},
        {"characteristics", Charakterystyki(u)},
        {"results", w ? Wyniki(*w, strumienie, jezyk) : json()},
    };
}

json WynikJson(const TWynikSymulacji& w, bool strumienie, TJezyk jezyk)
{
    return AnalizaJson(w.Ustawienia, &w, strumienie, jezyk);
}

std::optional<TAnaliza> AnalizaZJson(const json& dokument, TBladAnalizy& blad, std::int32_t maksBitow)
{
    using TRodzaj = TBladAnalizy::TRodzaj;
    const auto format = dokument.is_object() ? dokument.find("format") : dokument.end();
    if (format == dokument.end() || !format->is_string() || format->get<std::string>() != NazwaFormatuAnalizy) {
        blad = {TRodzaj::NieAnaliza, std::string("not a Lintavox analysis: \"format\" is not \"") + NazwaFormatuAnalizy + "\"",
                "format", 0};
        return std::nullopt;
    }
    const auto wersja = dokument.find("version");
    if (wersja == dokument.end() || !wersja->is_number_integer() || wersja->get<std::int64_t>() < 1) {
        blad = {TRodzaj::Wartosc, Opis("version", "must be a whole number from 1"), "version", 0};
        return std::nullopt;
    }
    if (const std::int64_t v = wersja->get<std::int64_t>(); v > WersjaFormatuAnalizy) {
        blad = {TRodzaj::NowszaWersja,
                "written by a newer Lintavox: format version " + FormatujCalkowita(v) + ", this program reads up to " +
                    FormatujCalkowita(WersjaFormatuAnalizy),
                "version", v};
        return std::nullopt;
    }
    try {
        TAnaliza analiza;
        analiza.Ustawienia = UstawieniaZJson(dokument, maksBitow);
        if (const json* wyniki = PoleLubBrak(dokument, "results"))
            analiza.Wynik = WynikZJson(*wyniki, analiza.Ustawienia);
        return analiza;
    } catch (const TBladPola& b) {
        blad = {TRodzaj::Wartosc, Opis(b.Pole, b.Powod), b.Pole, 0};
        return std::nullopt;
    }
}

std::optional<TAnaliza> WczytajAnalize(const std::filesystem::path& plik, TBladAnalizy& blad, std::int32_t maksBitow)
{
    using TRodzaj = TBladAnalizy::TRodzaj;
    const TOdczytPliku odczyt = CzytajPlik(plik, MaksRozmiarAnalizy);
    switch (odczyt.Blad) {
    case TBladOdczytu::Brak:
        break;
    case TBladOdczytu::Dostep:
        blad = {TRodzaj::Dostep, odczyt.Powod, {}, 0};
        return std::nullopt;
    case TBladOdczytu::NieZwykly:
        blad = {TRodzaj::NieZwykly, odczyt.Powod, {}, 0};
        return std::nullopt;
    case TBladOdczytu::ZaDuzy:
        blad = {TRodzaj::ZaDuzy, odczyt.Powod, {}, 0};
        return std::nullopt;
    }
    const std::string& dane = odczyt.Dane;
    if (dane.find_first_not_of(" \t\r\n") == std::string::npos) {
        blad = {TRodzaj::Pusty, "is empty", {}, 0};
        return std::nullopt;
    }
    json dokument;
    try {
        dokument = json::parse(dane);
    } catch (const json::parse_error& e) {
        blad = {TRodzaj::Skladnia,
                e.byte > dane.size() ? std::string("is not JSON: it ends before the document does (cut short?)")
                                     : "is not JSON: broken at byte " + FormatujCalkowita(static_cast<std::int64_t>(e.byte)),
                {}, 0};
        return std::nullopt;
    }
    return AnalizaZJson(dokument, blad, maksBitow);
}

std::string ZapiszAnalize(const std::filesystem::path& plik, const json& dokument)
{
    TZapisAtomowy zapis;
    if (std::string blad = zapis.Dodaj(plik, TekstJson(dokument)); !blad.empty())
        return blad;
    return zapis.Zatwierdz();
}

nlohmann::json RozniceAnaliz(const nlohmann::json& przed, const nlohmann::json& po)
{
    nlohmann::json zmiany = nlohmann::json::array();
    const std::function<void(const nlohmann::json&, const nlohmann::json&, const std::string&)> porownaj =
        [&](const nlohmann::json& a, const nlohmann::json& b, const std::string& sciezka) {
            if (a.is_object() && b.is_object()) {
                for (const auto& [klucz, wartosc] : a.items())
                    porownaj(wartosc, b.contains(klucz) ? b.at(klucz) : nlohmann::json(),
                             sciezka.empty() ? klucz : sciezka + "." + klucz);
                return;
            }
            if (a != b)
                zmiany.push_back({{"member", sciezka}, {"file_value", a}});
        };
    for (const char* czesc : {"standard", "settings", "effects", "characteristics"})
        porownaj(przed.at(czesc), po.at(czesc), czesc);
    return zmiany;
}

std::string OpisBleduAnalizy(const TBladAnalizy& blad, TJezyk jezyk)
{
    using TRodzaj = TBladAnalizy::TRodzaj;
    const bool pl = jezyk == TJezyk::Polski;
    const std::string mb = FormatujCalkowita(static_cast<std::int64_t>(MaksRozmiarAnalizy >> 20));
    switch (blad.Rodzaj) {
    case TRodzaj::Dostep:
        return pl ? "Nie można otworzyć ani odczytać pliku." : "The file cannot be opened or read.";
    case TRodzaj::NieZwykly:
        return pl ? "To nie jest zwykły plik, lecz katalog, potok albo urządzenie."
                  : "This is not a regular file but a folder, a pipe or a device.";
    case TRodzaj::ZaDuzy:
        return pl ? "Plik jest większy niż " + mb +
                        " MB, które program otwiera. Wyniki długich przebiegów warto zapisywać bez przebiegów "
                        "(lintavox-sim --no-streams)."
                  : "The file is larger than the " + mb +
                        " MB the program opens. Results of long runs are best saved without their streams "
                        "(lintavox-sim --no-streams).";
    case TRodzaj::BrakPamieci:
        return pl ? "Za mało pamięci, by wczytać analizę." : "Not enough memory to read the analysis.";
    case TRodzaj::Pusty:
        return pl ? "Plik jest pusty." : "The file is empty.";
    case TRodzaj::Skladnia:
        return pl ? "Plik nie jest analizą programu Lintavox: nie zawiera poprawnego tekstu JSON (jest uszkodzony, "
                    "niekompletny albo binarny)."
                  : "The file is not a Lintavox analysis: it holds no valid JSON text (it is damaged, incomplete "
                    "or binary).";
    case TRodzaj::NieAnaliza:
        return pl ? "Plik nie jest analizą programu Lintavox." : "The file is not a Lintavox analysis.";
    case TRodzaj::NowszaWersja:
        return pl ? "Analizę zapisała nowsza wersja programu (format w wersji " + FormatujCalkowita(blad.Wersja) +
                        "). Ta wersja otwiera analizy w wersji do " + FormatujCalkowita(WersjaFormatuAnalizy) + "."
                  : "A newer version of the program saved the analysis (format version " +
                        FormatujCalkowita(blad.Wersja) + "). This version opens analyses up to version " +
                        FormatujCalkowita(WersjaFormatuAnalizy) + ".";
    case TRodzaj::Wartosc:
        return (pl ? "Plik zawiera nieprawidłową wartość: " : "The file holds an invalid value: ") + blad.Pole + ".";
    }
    return {};
}
