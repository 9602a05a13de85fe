// The analysis document: settings and results written and read back exactly, every kind
// of damaged file refused with its reason, and a failed save that leaves the old file.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include "JsonSymulacji.h"
#include "Standardy.h"
#include "TekstJson.h"

using nlohmann::json;
namespace fs = std::filesystem;

namespace {

// A folder of the test's own, removed with everything in it.
class TFolder {
public:
    TFolder()
    {
        std::random_device los;
        Sciezka = fs::temp_directory_path() / ("lintavox-analiza-" + std::to_string(los()));
        fs::create_directories(Sciezka);
    }
    ~TFolder()
    {
        std::error_code blad;
        fs::permissions(Sciezka, fs::perms::owner_all, fs::perm_options::add, blad);
        fs::remove_all(Sciezka, blad);
    }
    fs::path operator/(const char* nazwa) const { return Sciezka / nazwa; }
    fs::path Sciezka;
};

void Zapisz(const fs::path& plik, const std::string& dane)
{
    std::ofstream(plik, std::ios::binary) << dane;
}

std::string Czytaj(const fs::path& plik)
{
    std::ifstream wejscie(plik, std::ios::binary);
    return {std::istreambuf_iterator<char>(wejscie), {}};
}

// Settings that use every member the document has, for the standard.
TUstawieniaSymulacji PelneUstawienia(int standard)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(standard);
    u.LiczbaBitow = 321;
    u.PrzesuniecieEcha = 7;
    u.Zrodlo = TZrodloBitow::Prbs23;
    u.Ziarno = 4000000000u;
    u.Echo = false;
    u.Adaptacyjny = false;
    u.Charakterystyki.Tlumienie[0].Y = -0.0f;
    u.Charakterystyki.Tlumienie[2].Y = -4.123f;
    u.Charakterystyki.Wzmocnienie[1].Y = 0.1f;
    u.SzumIDrzenie.SnrDb = 12.5;
    u.SzumIDrzenie.DrzeniePs = 1.0 / 3.0;
    const auto n = static_cast<std::size_t>(BityKodowane(u));
    u.Bity = std::vector<std::int32_t>(n, 1);
    (*u.Bity)[5] = 0;
    u.BityZaklocen = std::vector<std::int32_t>(n + 3, 0);
    u.Pochodzenie.PlikEcha = "modele/echo/ł.att";
    u.Pochodzenie.PlikBitow = "bity.txt";
    u.Pochodzenie.PlikBitowZaklocen = "zaklocenia.txt";
    u.Pochodzenie.Kabel = TKabelPochodzenia{{TKategoriaKabla::Cat6, 80.0, 35.5}, {true, true, false}};
    u.Pochodzenie.Touchstone =
        TTouchstonePochodzenia{"pomiary/para.s4p", TKolejnoscPortow::P12_34, TPonizejPomiaru::Stala, 120, {false, false, true}};
    return u;
}

std::optional<TAnaliza> Przeczytaj(const json& dokument, TBladAnalizy& blad)
{
    return AnalizaZJson(json::parse(TekstJson(dokument)), blad);
}

// Bit for bit, the sign of a zero included.
bool TeSameBity(float a, float b)
{
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

// Both null, or the same name, hints and points, bit for bit.
void PorownajStrumienie(const TFltFltStrumien* a, const TFltFltStrumien* b, const std::string& co)
{
    ASSERT_EQ(a == nullptr, b == nullptr) << co;
    if (a == nullptr)
        return;
    auto& x = const_cast<TFltFltStrumien&>(*a);
    auto& y = const_cast<TFltFltStrumien&>(*b);
    EXPECT_EQ(x.ZwrocNazwe(), y.ZwrocNazwe()) << co;
    for (const auto& [p, q] : {std::pair{x.MinY, y.MinY}, std::pair{x.MaxY, y.MaxY}, std::pair{x.SkalaX, y.SkalaX},
                               std::pair{x.SkalaY, y.SkalaY}, std::pair{x.PrecyzjaY, y.PrecyzjaY}})
        EXPECT_TRUE(TeSameBity(p, q)) << co;
    ASSERT_EQ(x.ZwrocDlugosc(), y.ZwrocDlugosc()) << co;
    for (std::int32_t i = 0; i < x.ZwrocDlugosc(); ++i) {
        const TPunkt p = x.Zwroc(i);
        const TPunkt q = y.Zwroc(i);
        if (!TeSameBity(p.X, q.X) || !TeSameBity(p.Y, q.Y)) {
            ADD_FAILURE() << co << " point " << i << ": " << p.X << ", " << p.Y << " read as " << q.X << ", " << q.Y;
            return;
        }
    }
}

void PorownajWyniki(const TWynikSymulacji& a, const TWynikSymulacji& b, bool strumienie)
{
    EXPECT_EQ(AnalizaJson(a.Ustawienia), AnalizaJson(b.Ustawienia));
    EXPECT_EQ(a.Ziarno, b.Ziarno);
    EXPECT_EQ(a.LiczbaBitowKodowanych, b.LiczbaBitowKodowanych);
    EXPECT_EQ(a.SzybkoscSymboli, b.SzybkoscSymboli);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(a.BER), std::bit_cast<std::uint64_t>(b.BER));
    EXPECT_TRUE(TeSameBity(a.NajwiekszyBlad, b.NajwiekszyBlad));
    EXPECT_TRUE(TeSameBity(a.SzczytRozkladu, b.SzczytRozkladu));
    EXPECT_EQ(a.UdzialBledow, b.UdzialBledow);
    EXPECT_EQ(a.Zliczone.Bledy, b.Zliczone.Bledy);
    EXPECT_EQ(a.Zliczone.Porownane, b.Zliczone.Porownane);
    EXPECT_EQ(a.Zliczone.BER, b.Zliczone.BER);
    EXPECT_EQ(a.Zliczone.Dolna, b.Zliczone.Dolna);
    EXPECT_EQ(a.Zliczone.Gorna, b.Zliczone.Gorna);
    ASSERT_EQ(a.Tory.size(), b.Tory.size());
    EXPECT_EQ(b.MaPrzebiegi(), strumienie);
    for (std::size_t i = 0; i < a.Tory.size(); ++i) {
        const TTorWyniku& p = a.Tory[i];
        const TTorWyniku& q = b.Tory[i];
        EXPECT_EQ(p.Nazwa, q.Nazwa);
        EXPECT_EQ(p.FazaProbkowania, q.FazaProbkowania);
        EXPECT_EQ(p.OpoznienieSymboli, q.OpoznienieSymboli);
        if (!strumienie) {
            EXPECT_FALSE(q.Wyslany || q.Wzorzec || q.Odebrany || q.Zregenerowany || q.Wzmocniony || q.Zdekodowany);
            continue;
        }
        const std::string tor = "lane " + std::to_string(i) + " ";
        PorownajStrumienie(p.Wyslany, q.Wyslany, tor + "sent");
        PorownajStrumienie(p.Wzorzec, q.Wzorzec, tor + "reference");
        PorownajStrumienie(p.Odebrany.get(), q.Odebrany.get(), tor + "received");
        PorownajStrumienie(p.Zregenerowany.get(), q.Zregenerowany.get(), tor + "regenerated");
        PorownajStrumienie(p.Wzmocniony.get(), q.Wzmocniony.get(), tor + "amplified");
        PorownajStrumienie(p.Zdekodowany.get(), q.Zdekodowany.get(), tor + "decoded");
    }
    if (!strumienie)
        return;
    ASSERT_EQ(a.Wejsciowe.size(), b.Wejsciowe.size());
    for (std::size_t i = 0; i < a.Wejsciowe.size(); ++i)
        PorownajStrumienie(a.Wejsciowe[i].get(), b.Wejsciowe[i].get(), "input " + std::to_string(i));
    ASSERT_EQ(a.Zaklocenia.size(), b.Zaklocenia.size());
    for (std::size_t i = 0; i < a.Zaklocenia.size(); ++i)
        PorownajStrumienie(a.Zaklocenia[i].get(), b.Zaklocenia[i].get(), "crosstalk source " + std::to_string(i));
    PorownajStrumienie(a.Rozklad.get(), b.Rozklad.get(), "histogram");
    PorownajStrumienie(a.Dystrybuanta.get(), b.Dystrybuanta.get(), "cumulative");
}

} // namespace

TEST(Analiza, EverySettingReadsBackForEveryStandard)
{
    for (int standard = 0; standard < 4; ++standard) {
        for (const bool adaptacyjny : {false, true}) {
            TUstawieniaSymulacji u = PelneUstawienia(standard);
            u.Adaptacyjny = adaptacyjny;
            // The adaptive regenerator is the mirror of the line, and the document says so.
            if (adaptacyjny)
                u.Charakterystyki.Wzmocnienie = Lustro(u.Charakterystyki.Tlumienie);
            const json dokument = AnalizaJson(u);
            EXPECT_EQ(dokument["format"], "lintavox-analysis");
            EXPECT_EQ(dokument["version"], 1);
            EXPECT_TRUE(dokument["results"].is_null());
            TBladAnalizy blad;
            const auto odczytana = Przeczytaj(dokument, blad);
            ASSERT_TRUE(odczytana.has_value()) << blad.Opis;
            EXPECT_FALSE(odczytana->Wynik);
            const TUstawieniaSymulacji& o = odczytana->Ustawienia;
            EXPECT_EQ(o.Standard, standard);
            EXPECT_EQ(o.LiczbaBitow, 321);
            EXPECT_EQ(o.Szybkosc, u.Szybkosc);
            EXPECT_EQ(o.Nachylenie, u.Nachylenie);
            EXPECT_EQ(o.PrzesuniecieEcha, 7);
            EXPECT_EQ(o.Zrodlo, TZrodloBitow::Prbs23);
            EXPECT_EQ(o.Ziarno, 4000000000u);
            EXPECT_TRUE(o.Przesluchy && !o.Echo && o.Regeneracja && o.Dekoder);
            EXPECT_EQ(o.Adaptacyjny, adaptacyjny);
            for (const auto& [p, q] : {std::pair{&u.Charakterystyki.Tlumienie, &o.Charakterystyki.Tlumienie},
                                       std::pair{&u.Charakterystyki.Przesluchy, &o.Charakterystyki.Przesluchy},
                                       std::pair{&u.Charakterystyki.Echo, &o.Charakterystyki.Echo},
                                       std::pair{&u.Charakterystyki.Wzmocnienie, &o.Charakterystyki.Wzmocnienie}}) {
                ASSERT_EQ(p->size(), q->size());
                for (std::size_t i = 0; i < p->size(); ++i)
                    EXPECT_TRUE(TeSameBity((*p)[i].X, (*q)[i].X) && TeSameBity((*p)[i].Y, (*q)[i].Y));
            }
            EXPECT_EQ(o.Bity, u.Bity);
            EXPECT_EQ(o.BityZaklocen, u.BityZaklocen);
            EXPECT_EQ(o.SzumIDrzenie.SnrDb, 12.5);
            EXPECT_FALSE(o.SzumIDrzenie.SzumMv);
            EXPECT_EQ(o.SzumIDrzenie.DrzeniePs, 1.0 / 3.0);
            EXPECT_EQ(o.Pochodzenie.PlikEcha, "modele/echo/ł.att");
            EXPECT_EQ(o.Pochodzenie.PlikTlumienia, "");
            EXPECT_EQ(o.Pochodzenie.PlikBitow, "bity.txt");
            EXPECT_EQ(o.Pochodzenie.PlikBitowZaklocen, "zaklocenia.txt");
            EXPECT_EQ(o.Pochodzenie.Kabel, u.Pochodzenie.Kabel);
            EXPECT_EQ(o.Pochodzenie.Touchstone, u.Pochodzenie.Touchstone);
            // Nothing else: the document of what was read is the document written.
            EXPECT_EQ(AnalizaJson(o), dokument);
        }
    }
}

TEST(Analiza, SchemaAReaderCanGuess)
{
    const TUstawieniaSymulacji u = PelneUstawienia(3);
    const json d = AnalizaJson(u);
    // The four lists together, the switches together; nothing of either among the settings.
    for (const char* lista : {"attenuation", "crosstalk", "echo", "regeneration"}) {
        EXPECT_TRUE(d["characteristics"][lista].is_array()) << lista;
        EXPECT_EQ(d["characteristics"][lista][0].size(), 2u) << lista;
        EXPECT_FALSE(d["settings"].contains(lista)) << lista;
    }
    for (const char* przelacznik : {"crosstalk", "echo", "regeneration", "decoder", "adaptive"})
        EXPECT_TRUE(d["effects"][przelacznik].is_boolean()) << przelacznik;
    EXPECT_EQ(d["settings"]["rate"], 1000);
    EXPECT_EQ(d["characteristics"]["cable"]["category"], "Cat6");
    EXPECT_EQ(d["characteristics"]["cable"]["characteristics"], json::array({"attenuation", "crosstalk"}));
    EXPECT_EQ(d["characteristics"]["touchstone"]["ports"], "12-34");
    EXPECT_EQ(d["characteristics"]["model_files"]["echo"], "modele/echo/ł.att");
    EXPECT_EQ(d["settings"]["bit_sequence"].get<std::string>().substr(0, 6), "111110");
}

TEST(Analiza, ResultsReadBackBitForBitForEveryStandard)
{
    for (int standard = 0; standard < 4; ++standard) {
        // With and without regeneration and decoder, with noise and jitter, and a cable.
        for (int wariant = 0; wariant < 2; ++wariant) {
            TUstawieniaSymulacji u = DomyslneUstawienia(standard);
            u.Ziarno = 11u + static_cast<std::uint32_t>(standard);
            u.Regeneracja = wariant == 0;
            u.Dekoder = wariant == 0;
            u.Adaptacyjny = wariant == 1;
            if (wariant == 1) {
                u.SzumIDrzenie.SnrDb = 15.0;
                u.SzumIDrzenie.DrzeniePs = 20.0;
                u.Zrodlo = TZrodloBitow::Prbs7;
            }
            const auto w = Symuluj(u, nullptr, {});
            ASSERT_NE(w, nullptr);
            for (const bool strumienie : {true, false}) {
                SCOPED_TRACE(std::string(Standardy[static_cast<std::size_t>(standard)].Nazwa) + " variant " +
                             std::to_string(wariant) + (strumienie ? " with streams" : " figures only"));
                const std::string tekst = TekstJson(WynikJson(*w, strumienie));
                TBladAnalizy blad;
                const auto odczytana = AnalizaZJson(json::parse(tekst), blad);
                ASSERT_TRUE(odczytana.has_value()) << blad.Opis;
                ASSERT_TRUE(odczytana->Wynik);
                PorownajWyniki(*w, *odczytana->Wynik, strumienie);
                // Written again, the document is the same text.
                EXPECT_EQ(TekstJson(WynikJson(*odczytana->Wynik, strumienie)), tekst);
            }
        }
    }
}

TEST(Analiza, ResultFiguresAndWhatTheCommandLineReads)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(1);
    u.Ziarno = 3;
    u.SzumIDrzenie.SnrDb = 8.0;
    const auto w = Symuluj(u, nullptr, {});
    ASSERT_NE(w, nullptr);
    const json d = WynikJson(*w);
    const json& r = d["results"];
    EXPECT_EQ(r["seed"], 3);
    EXPECT_EQ(r["symbol_rate"], 125);
    EXPECT_EQ(r["encoded_bits"], 140);
    EXPECT_EQ(r["ber"].get<double>(), w->BER);
    EXPECT_EQ(r["counted"]["errors"], w->Zliczone.Bledy);
    EXPECT_EQ(r["counted"]["compared_bits"], 100);
    EXPECT_EQ(r["counted"]["ci_high"].get<double>(), w->Zliczone.Gorna);
    EXPECT_EQ(r["counted"]["errors_sentence"].get<std::string>().rfind("Zliczone błędy: ", 0), 0u);
    EXPECT_EQ(r["eye"].size(), 1u);
    ASSERT_EQ(r["lanes"].size(), 1u);
    const json& tor = r["lanes"][0];
    EXPECT_EQ(tor["sampling_phase"].get<double>(), w->Tory[0].FazaProbkowania);
    // The lane's sent signal and reference are input streams, named by their place.
    const auto wejscia = r["input_streams"].size();
    EXPECT_EQ(tor["sent_stream"], wejscia - 1);
    EXPECT_EQ(tor["reference_stream"], wejscia - 2);
    EXPECT_EQ(r["input_streams"][wejscia - 1]["name"], w->Tory[0].Nazwa);
    EXPECT_EQ(r["crosstalk_sources"].size(), 1u);

    // Without streams: every figure the same, not one stream.
    json krotki = WynikJson(*w, false);
    json pelny = d;
    for (const char* pole : {"input_streams", "crosstalk_sources", "histogram", "cumulative"})
        pelny["results"].erase(pole);
    for (const char* pole : {"sent_stream", "reference_stream", "received", "regenerated", "amplified", "decoded"})
        pelny["results"]["lanes"][0].erase(pole);
    EXPECT_EQ(pelny, krotki);
}

TEST(Analiza, ABadMemberIsNamedAndNothingIsRead)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(1);
    u.Ziarno = 2;
    const auto w = Symuluj(u, nullptr, {});
    ASSERT_NE(w, nullptr);
    const json dobry = WynikJson(*w);
    const std::pair<std::function<void(json&)>, const char*> zmiany[] = {
        {[](json& d) { d["standard"] = "2000BaseT"; }, "standard: must be 10BaseT"},
        {[](json& d) { d["settings"]["rate"] = 99; }, "settings.rate: a whole number from 100 to 500"},
        {[](json& d) { d["settings"]["rate"] = "100"; }, "settings.rate: must be a whole number"},
        {[](json& d) { d["settings"]["bits"] = 1.5; }, "settings.bits: must be a whole number"},
        {[](json& d) { d["settings"]["bits"] = 2000000; }, "settings.bits: a whole number from 100 to 1000000"},
        {[](json& d) { d["settings"]["slope"] = 4500.5; }, "settings.slope: must be a whole number"},
        {[](json& d) { d["settings"].erase("echo_delay"); }, "settings.echo_delay: is missing"},
        {[](json& d) { d["settings"]["source"] = "prbs11"; }, "settings.source: must be random, zeros"},
        {[](json& d) { d["settings"]["seed"] = -1; }, "settings.seed: must be a whole number from 0 to 4294967295"},
        {[](json& d) { d["settings"]["snr_db"] = 120; }, "settings.snr_db: a number from -20 to 100 dB"},
        {[](json& d) { d["settings"]["noise_mv"] = "loud"; }, "settings.noise_mv: must be a number"},
        {[](json& d) { d["settings"]["jitter_ps"] = 5001; }, "settings.jitter_ps: a number from 0 to"},
        {[](json& d) { d["settings"]["bit_sequence"] = "0102"; }, "settings.bit_sequence: must be a text of the characters 0 and 1"},
        {[](json& d) { d["settings"]["bit_sequence"] = "0101"; }, "settings.bit_sequence: holds 4 bits, the run encodes 140"},
        {[](json& d) { d["effects"]["echo"] = 1; }, "effects.echo: must be true or false"},
        {[](json& d) { d.erase("effects"); }, "effects: is missing"},
        {[](json& d) { d["characteristics"] = json::array(); }, "characteristics: must be an object"},
        {[](json& d) { d["characteristics"]["attenuation"] = json::array({json::array({10, -1}), json::array({5, -2})}); },
         "characteristics.attenuation: needs non-negative, increasing frequencies"},
        {[](json& d) { d["characteristics"]["echo"][1] = json::array({"a", 1}); }, "characteristics.echo[1]: must be a number"},
        {[](json& d) { d["characteristics"]["crosstalk"][0] = json::array({1, 2, 3}); },
         "characteristics.crosstalk[0]: must be a [MHz, dB] point"},
        {[](json& d) { d["characteristics"]["regeneration"][0][1] = 1e300; },
         "characteristics.regeneration[0]: is beyond the range of a single-precision number"},
        {[](json& d) { d["characteristics"]["model_files"]["echo"] = 3; }, "characteristics.model_files.echo: must be a file name"},
        {[](json& d) { d["characteristics"]["cable"] = {{"category", "Cat7"}}; }, "characteristics.cable.category"},
        {[](json& d) { d["results"]["seed"] = 3; }, "results.seed: must be the seed of the settings"},
        {[](json& d) { d["results"]["encoded_bits"] = 141; }, "results.encoded_bits: must be a whole number from 140 to 140"},
        {[](json& d) { d["results"]["error_share"] = 1.5; }, "results.error_share: must be a number from 0 to 1"},
        {[](json& d) { d["results"]["counted"]["errors"] = 101; }, "results.counted.errors: must be a whole number from 0 to 100"},
        {[](json& d) { d["results"]["lanes"].push_back(d["results"]["lanes"][0]); },
         "results.lanes: must be a list of 1 lanes for the standard"},
        {[](json& d) { d["results"]["lanes"][0]["decoded"] = nullptr; },
         "results.lanes[0].decoded: is missing, though effects.decoder is on"},
        {[](json& d) { d["results"]["lanes"][0]["sent_stream"] = 0; }, "results.lanes[0].sent_stream"},
        {[](json& d) { d["results"]["lanes"][0]["received"]["y"].erase(0); },
         "results.lanes[0].received: x and y must be lists of numbers of one length"},
        {[](json& d) { d["results"]["input_streams"].erase(0); }, "results.input_streams: must be a list of"},
        {[](json& d) { d["results"]["histogram"]["x"][3] = nullptr; }, "results.histogram.x[3]: must be a number"},
        {[](json& d) { d["results"].erase("input_streams"); }, "results.crosstalk_sources: must be left out with input_streams"},
        {[](json& d) { d["version"] = 0; }, "version: must be a whole number from 1"},
    };
    for (const auto& [zmiana, oczekiwany] : zmiany) {
        json d = dobry;
        zmiana(d);
        TBladAnalizy blad;
        EXPECT_FALSE(Przeczytaj(d, blad).has_value()) << oczekiwany;
        EXPECT_EQ(blad.Opis.rfind(oczekiwany, 0), 0u) << blad.Opis;
        EXPECT_EQ(blad.Rodzaj, TBladAnalizy::TRodzaj::Wartosc) << blad.Opis;
        EXPECT_EQ(blad.Opis.rfind(blad.Pole, 0), 0u) << blad.Pole;
        EXPECT_NE(OpisBleduAnalizy(blad).find(blad.Pole), std::string::npos);
    }
    // The page's bit limit, for callers that keep it.
    json dlugi = dobry;
    dlugi["settings"]["bits"] = 5000;
    dlugi["results"] = nullptr;
    TBladAnalizy blad;
    EXPECT_TRUE(AnalizaZJson(dlugi, blad).has_value()) << blad.Opis;
    EXPECT_FALSE(AnalizaZJson(dlugi, blad, LiczbaBitowMax).has_value());
}

TEST(Analiza, EveryKindOfDamagedFileIsRefusedWithItsReason)
{
    const TFolder folder;
    TUstawieniaSymulacji u = DomyslneUstawienia(0);
    u.Ziarno = 1;
    const auto w = Symuluj(u, nullptr, {});
    ASSERT_NE(w, nullptr);
    const std::string dobry = TekstJson(WynikJson(*w));
    json nowszy = WynikJson(*w);
    nowszy["version"] = 7;
    json obcy = json::parse(dobry);
    obcy.erase("format");
    std::string binarny(4096, '\0');
    std::mt19937 los(5);
    for (char& c : binarny)
        c = static_cast<char>(los());
    using TRodzaj = TBladAnalizy::TRodzaj;
    struct TPrzypadek {
        const char* Nazwa;
        std::string Dane;
        TRodzaj Rodzaj;
        const char* Opis;
    };
    const TPrzypadek przypadki[] = {
        {"truncated", dobry.substr(0, dobry.size() / 2), TRodzaj::Skladnia, "is not JSON: it ends before the document does"},
        {"broken", "{\"format\": \"lintavox-analysis\",, }", TRodzaj::Skladnia, "is not JSON: broken at byte"},
        {"empty", "", TRodzaj::Pusty, "is empty"},
        {"blank", " \n\t\n", TRodzaj::Pusty, "is empty"},
        {"binary", binarny, TRodzaj::Skladnia, "is not JSON"},
        {"newer version", TekstJson(nowszy), TRodzaj::NowszaWersja, "written by a newer Lintavox: format version 7"},
        {"other JSON", TekstJson(obcy), TRodzaj::NieAnaliza, "not a Lintavox analysis"},
        {"a list", "[1, 2, 3]", TRodzaj::NieAnaliza, "not a Lintavox analysis"},
        {"deeply nested", std::string(100000, '[') + std::string(100000, ']'), TRodzaj::NieAnaliza, "not a Lintavox"},
        {"wrong type", std::string(dobry).replace(dobry.find("\"bits\":100"), 10, "\"bits\":\"sto\""), TRodzaj::Wartosc,
         "settings.bits: must be a whole number"},
        {"rate out of range", std::string(dobry).replace(dobry.find("\"rate\":10,"), 10, "\"rate\":9,"), TRodzaj::Wartosc,
         "settings.rate: a whole number from 10 to 100"},
    };
    for (const TPrzypadek& p : przypadki) {
        const fs::path plik = folder / "analiza.lintavox";
        Zapisz(plik, p.Dane);
        TBladAnalizy blad;
        EXPECT_FALSE(WczytajAnalize(plik, blad).has_value()) << p.Nazwa;
        EXPECT_EQ(blad.Rodzaj, p.Rodzaj) << p.Nazwa << ": " << blad.Opis;
        EXPECT_EQ(blad.Opis.rfind(p.Opis, 0), 0u) << p.Nazwa << ": " << blad.Opis;
        EXPECT_FALSE(OpisBleduAnalizy(blad).empty());
    }
    TBladAnalizy blad;
    EXPECT_FALSE(WczytajAnalize(folder.Sciezka, blad).has_value());
    EXPECT_EQ(blad.Rodzaj, TRodzaj::NieZwykly);
    EXPECT_FALSE(WczytajAnalize(folder / "brak.lintavox", blad).has_value());
    EXPECT_EQ(blad.Rodzaj, TRodzaj::Dostep);
    // Too large: refused by its size, before a byte is read.
    const fs::path duzy = folder / "duzy.lintavox";
    Zapisz(duzy, "{");
    fs::resize_file(duzy, MaksRozmiarAnalizy + 1);
    EXPECT_FALSE(WczytajAnalize(duzy, blad).has_value());
    EXPECT_EQ(blad.Rodzaj, TRodzaj::ZaDuzy);
    EXPECT_NE(OpisBleduAnalizy(blad).find("256 MB"), std::string::npos);
    // The newer version is named in the user's message too.
    Zapisz(folder / "nowszy.lintavox", TekstJson(nowszy));
    EXPECT_FALSE(WczytajAnalize(folder / "nowszy.lintavox", blad).has_value());
    EXPECT_NE(OpisBleduAnalizy(blad).find("wersji 7"), std::string::npos);

    Zapisz(folder / "dobry.lintavox", dobry);
    const auto odczytana = WczytajAnalize(folder / "dobry.lintavox", blad);
    ASSERT_TRUE(odczytana.has_value()) << blad.Opis;
    EXPECT_TRUE(odczytana->Wynik && odczytana->Wynik->MaPrzebiegi());
}

TEST(Analiza, ASaveThatFailsLeavesTheOldFileAsItWas)
{
    const TFolder folder;
    const fs::path plik = folder / "analiza.lintavox";
    const TUstawieniaSymulacji u = DomyslneUstawienia(1);
    ASSERT_EQ(ZapiszAnalize(plik, AnalizaJson(u)), "");
    const std::string stary = Czytaj(plik);
    TBladAnalizy blad;
    ASSERT_TRUE(WczytajAnalize(plik, blad).has_value()) << blad.Opis;

    // A disk that fills up part way: the file size limit stops the write, as a full disk would.
    TUstawieniaSymulacji v = u;
    v.Ziarno = 4;
    const auto w = Symuluj(v, nullptr, {});
    ASSERT_NE(w, nullptr);
    const auto sygnal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit maly{4096, limit.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &maly), 0);
    const std::string powod = ZapiszAnalize(plik, WynikJson(*w));
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, sygnal);
    EXPECT_NE(powod.find("cannot be written"), std::string::npos) << powod;
    EXPECT_EQ(Czytaj(plik), stary);
    // Nothing but the file is left in its folder: no temporary.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Sciezka), fs::directory_iterator()), 1);
}

TEST(Analiza, ASaveIntoAFolderThatCannotBeWrittenLeavesTheOldFile)
{
    const TFolder folder;
    const fs::path plik = folder / "analiza.lintavox";
    ASSERT_EQ(ZapiszAnalize(plik, AnalizaJson(DomyslneUstawienia(2))), "");
    const std::string stary = Czytaj(plik);
    fs::permissions(folder.Sciezka, fs::perms::owner_write, fs::perm_options::remove);
    if (access(folder.Sciezka.c_str(), W_OK) == 0)
        GTEST_SKIP() << "running as a user whom permissions do not stop";
    EXPECT_NE(ZapiszAnalize(plik, AnalizaJson(DomyslneUstawienia(3))), "");
    EXPECT_EQ(Czytaj(plik), stary);
}

TEST(JsonSymulacji, EyeFiguresPerLaneAndOpeningNullWhereNothingWasMeasured)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(1);
    u.Ziarno = 4;
    const auto w = Symuluj(u, nullptr, {});
    ASSERT_NE(w, nullptr);
    const json d = WynikJson(*w, false)["results"];
    ASSERT_EQ(d["eye"].size(), 1u);
    ASSERT_EQ(d["eye"][0].size(), 2u);
    const TPodoko& p = w->Tory[0].Oko.Podoka[1];
    const json& o = d["eye"][0][1];
    EXPECT_DOUBLE_EQ(o["height_mv"].get<double>(), 1000.0 * *p.Wysokosc);
    EXPECT_DOUBLE_EQ(o["height_3sigma_mv"].get<double>(), 1000.0 * *p.Wysokosc3Sigma);
    EXPECT_DOUBLE_EQ(o["width_ui"].get<double>(), *p.Szerokosc);
    // 100BaseTX at 100 Mbps sends 125 Mbaud: 8 ns a symbol.
    EXPECT_DOUBLE_EQ(o["width_ns"].get<double>(), 8.0 * *p.Szerokosc);
    EXPECT_DOUBLE_EQ(o["threshold_v"].get<double>(), *p.Prog);
    EXPECT_DOUBLE_EQ(o["level_high_v"].get<double>(), w->Tory[0].Oko.Poziomy[2].Srednia);
    EXPECT_DOUBLE_EQ(o["sigma_low_v"].get<double>(), w->Tory[0].Oko.Poziomy[1].Sigma);
    EXPECT_TRUE(o["crossing_percent"].is_null());
    EXPECT_EQ(d["bathtub"][0]["ber"].size(), d["bathtub"][0]["phase"].size());
    EXPECT_EQ(d["bathtub"][0]["ber_vs_threshold"].size(), d["bathtub"][0]["threshold_v"].size());

    u.Standard = 2;
    u.Zrodlo = TZrodloBitow::Zera;
    const json plaski = WynikJson(*Symuluj(u, nullptr, {}), false)["results"];
    for (const json& podoko : plaski["eye"][0]) {
        EXPECT_TRUE(podoko["height_mv"].is_null());
        EXPECT_TRUE(podoko["width_ns"].is_null());
        EXPECT_TRUE(podoko["threshold_v"].is_null());
    }
    EXPECT_TRUE(plaski["eye"][0][0]["level_low_v"].is_null());
    EXPECT_FALSE(plaski["eye"][0][0]["level_high_v"].is_null());
    EXPECT_TRUE(plaski["bathtub"][0]["ber"].empty());
}
