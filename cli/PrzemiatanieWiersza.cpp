#include "PrzemiatanieWiersza.h"

#include <unistd.h>

#include <QByteArray>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <mutex>
#include <set>
#include <unordered_map>

#include "Csv.h"
#include "JsonSymulacji.h"
#include "Liczby.h"
#include "OdczytPliku.h"
#include "OpcjePrzemiatania.h"
#include "PasekPostepu.h"
#include "TekstJson.h"
#include "WykonaniePrzemiatania.h"
#include "ZapisAtomowy.h"
#include "ZrodlaBitow.h"

namespace {

// A line of the file as a message shows it: at most 80 characters, printable ones only.
std::string Cytat(std::string_view linia)
{
    while (linia.ends_with('\n') || linia.ends_with('\r'))
        linia.remove_suffix(1);
    std::string tekst;
    for (const char c : linia.substr(0, 80))
        tekst += c >= ' ' && c != '\x7f' ? c : '?';
    return "'" + tekst + (linia.size() > 80 ? "…'" : "'");
}

// A sweep's CSV of 100,000 rows stays far below this.
constexpr std::uintmax_t NajwiekszyCsv = std::uintmax_t{1} << 30;

std::string Klucz(const std::vector<std::string>& komorki, std::size_t liczba)
{
    std::string klucz;
    for (std::size_t k = 0; k < liczba && k < komorki.size(); ++k)
        klucz += komorki[k] + '\x1f';
    return klucz;
}

// The run's swept values for messages and file names: "rate 300, snr_db 8".
std::string OpisPrzebiegu(const TPrzemiatanie& p, std::size_t i)
{
    const std::vector<std::size_t> pozycje = p.Pozycje(i);
    std::string tekst;
    for (std::size_t a = 0; a < p.Osie().size(); ++a)
        tekst += (a == 0 ? "" : ", ") + std::string(OpisOsi(p.Osie()[a].Os).Nazwa) + " " +
                 TekstWartosci(p.Osie()[a].Wartosci[pozycje[a]]);
    return tekst;
}

// The JSON file of run i in the --keep-json folder: its number in the sweep and its values,
// "0007_rate-300_snr_db-8.json", with whatever is not a letter, digit, point or minus as '-'.
std::string NazwaPlikuJson(const TPrzemiatanie& p, std::size_t i)
{
    const std::string numer = FormatujCalkowita(static_cast<std::int64_t>(i + 1));
    const std::size_t cyfry = FormatujCalkowita(static_cast<std::int64_t>(p.LiczbaPrzebiegow())).size();
    std::string nazwa = std::string(cyfry - numer.size(), '0') + numer;
    const std::vector<std::size_t> pozycje = p.Pozycje(i);
    for (std::size_t a = 0; a < p.Osie().size(); ++a) {
        std::string wartosc = TekstWartosci(p.Osie()[a].Wartosci[pozycje[a]]);
        for (char& c : wartosc)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-')
                c = '-';
        nazwa += "_" + std::string(OpisOsi(p.Osie()[a].Os).Nazwa) + "-" + wartosc;
    }
    return nazwa + ".json";
}

std::string Czas(double sekundy)
{
    const auto s = static_cast<std::int64_t>(sekundy + 0.5);
    char tekst[32];
    if (s >= 3600)
        std::snprintf(tekst, sizeof tekst, "%lld:%02lld:%02lld", static_cast<long long>(s / 3600),
                      static_cast<long long>(s / 60 % 60), static_cast<long long>(s % 60));
    else
        std::snprintf(tekst, sizeof tekst, "%lld:%02lld", static_cast<long long>(s / 60), static_cast<long long>(s % 60));
    return tekst;
}

// The sweep's line on the terminal: the bar, runs done of all, the rate, the time left.
class TPostepPrzemiatania {
public:
    TPostepPrzemiatania(std::size_t wszystkie, std::size_t zrobione)
        : Wszystkie(wszystkie)
        , Wczesniej(zrobione)
    {
    }
    void Dodaj() { Teraz.fetch_add(1, std::memory_order_relaxed); }

    std::string Tekst() const
    {
        const std::size_t teraz = Teraz.load(std::memory_order_relaxed);
        const std::size_t zrobione = Wczesniej + teraz;
        const double uplynelo = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
        std::string tekst = Pasek(Wszystkie > 0 ? static_cast<double>(zrobione) / static_cast<double>(Wszystkie) : 1.0) +
                            "  " + FormatujCalkowita(static_cast<std::int64_t>(zrobione)) + "/" +
                            FormatujCalkowita(static_cast<std::int64_t>(Wszystkie)) + " runs";
        if (teraz == 0)
            return tekst;
        const double naSekunde = static_cast<double>(teraz) / uplynelo;
        tekst += naSekunde >= 1.0 ? "  " + FormatujStalo(naSekunde, 1) + " runs/s"
                                  : "  " + FormatujStalo(1.0 / naSekunde, 1) + " s/run";
        return tekst + "  " + Czas(static_cast<double>(Wszystkie - zrobione) / naSekunde) + " left";
    }

private:
    const std::size_t Wszystkie;
    const std::size_t Wczesniej;
    std::atomic<std::size_t> Teraz{0};
    const std::chrono::steady_clock::time_point Start = std::chrono::steady_clock::now();
};

bool Ustawiona(std::uint8_t* flaga)
{
    return std::atomic_ref<std::uint8_t>(*flaga).load(std::memory_order_relaxed) != 0;
}

int Odmowa(const std::string& tekst)
{
    std::fprintf(stderr, "lintavox-sim sweep: %s\n", tekst.c_str());
    return 2;
}

// Why the sweep may not write its outputs where the options say; empty when it may.
std::string PrzeszkodyWyjsc(const TOpcjePrzemiatania& o)
{
    namespace fs = std::filesystem;
    std::error_code blad;
    if (const std::string p = PrzeszkodaWyjscia(o.PlikCsv, o.Wejscia); !p.empty())
        return "--out: " + p;
    const fs::path folderCsv = fs::path(o.PlikCsv).parent_path();
    if (!folderCsv.empty() && !fs::is_directory(folderCsv, blad))
        return "--out: the folder " + folderCsv.string() + " does not exist";
    if (!o.PlikWykresu.empty()) {
        std::vector<TWejscieWiersza> wejscia = o.Wejscia;
        wejscia.push_back({"--out", o.PlikCsv});
        if (const std::string p = PrzeszkodaWyjscia(o.PlikWykresu, wejscia); !p.empty())
            return "--plot: " + p;
        if (fs::weakly_canonical(o.PlikWykresu, blad) == fs::weakly_canonical(o.PlikCsv, blad))
            return "--plot: " + o.PlikWykresu + " is the file of --out";
    }
    if (!o.FolderJson.empty() && fs::exists(o.FolderJson, blad) && !fs::is_directory(o.FolderJson, blad))
        return "--keep-json: " + o.FolderJson + " is not a folder";
    return {};
}

// Empty when the rows of the CSV file were made with this sweep's settings, as the analysis
// beside the file records them; else why not, in one line. A file without one (written by an
// earlier version) resumes unchecked.
std::string NiezgodnoscUstawien(const TPrzemiatanie& p, const std::string& csv,
                                const std::unordered_map<std::string, std::size_t>& przebiegKlucza)
{
    const std::string plik = PlikUstawienPrzemiatania(csv);
    std::error_code e;
    if (!std::filesystem::exists(plik, e))
        return {};
    TBladAnalizy b;
    const std::optional<TAnaliza> zapisana = WczytajAnalize(plik, b);
    if (!zapisana)
        return plik + ": " + b.Opis + "; remove it to resume without checking the settings";
    const auto it = przebiegKlucza.find(Klucz(p.Klucz(zapisana->Ustawienia), p.Osie().size()));
    if (it == przebiegKlucza.end())
        return plik + " records a run that is not one of this sweep; give another file";
    TBladPrzemiatania bp;
    const std::optional<TUstawieniaSymulacji> teraz = p.Ustawienia(it->second, bp);
    const nlohmann::json roznice = RozniceAnaliz(AnalizaJson(zapisana->Ustawienia), AnalizaJson(*teraz));
    if (roznice.empty())
        return {};
    std::string tekst;
    for (std::size_t r = 0; r < roznice.size() && r < 3; ++r) {
        std::string wartosc = TekstJson(roznice[r].at("file_value"));
        if (wartosc.size() > 40)
            wartosc = "another list";
        tekst += (r == 0 ? "" : ", ") + roznice[r].at("member").get<std::string>() + " was " + wartosc;
    }
    if (roznice.size() > 3)
        tekst += ", …";
    return csv + " holds rows made with other settings (" + tekst + "); give another file, or remove it and " + plik +
           " to start again";
}

} // namespace

std::string PlikUstawienPrzemiatania(const std::string& csv)
{
    return csv + ".lintavox";
}

std::optional<TStanCsv> CzytajCsvPrzemiatania(const std::string& plik, const std::vector<std::string>& naglowek,
                                              std::string& blad)
{
    TStanCsv stan;
    std::error_code e;
    if (!std::filesystem::exists(plik, e))
        return stan;
    const TOdczytPliku odczyt = CzytajPlik(plik, NajwiekszyCsv);
    if (odczyt.Blad != TBladOdczytu::Brak) {
        blad = plik + ": " + odczyt.Powod;
        return std::nullopt;
    }
    const std::string& dane = odczyt.Dane;
    std::string oczekiwany = LiniaCsv(naglowek);
    oczekiwany.pop_back();
    const std::size_t koniecNaglowka = dane.find('\n');
    if (koniecNaglowka == std::string::npos) {
        // Nothing, or a header cut short while it was written: written again.
        if (oczekiwany.starts_with(dane))
            return stan;
    }
    std::string_view pierwsza = std::string_view(dane).substr(0, std::min(koniecNaglowka, dane.size()));
    if (pierwsza.ends_with('\r'))
        pierwsza.remove_suffix(1);
    if (pierwsza != oczekiwany) {
        blad = plik + " holds another sweep (its first line is " + Cytat(pierwsza) + ", this sweep's header " +
               Cytat(oczekiwany) + "); give another file";
        return std::nullopt;
    }
    stan.BezNaglowka = false;
    std::size_t od = koniecNaglowka + 1;
    for (std::size_t numer = 2; od < dane.size(); ++numer) {
        const std::size_t koniec = dane.find('\n', od);
        if (koniec == std::string::npos) {
            stan.KoniecWierszy = od;
            break;
        }
        std::string_view linia = std::string_view(dane).substr(od, koniec - od);
        const std::string tekst(std::string_view(dane).substr(od, koniec + 1 - od));
        od = koniec + 1;
        if (linia.ends_with('\r'))
            linia.remove_suffix(1);
        if (linia.empty())
            continue;
        std::optional<std::vector<std::string>> komorki = KomorkiCsv(linia);
        if (!komorki || komorki->size() != naglowek.size()) {
            blad = plik + ": line " + FormatujCalkowita(static_cast<std::int64_t>(numer)) + " is not a row of this sweep";
            return std::nullopt;
        }
        stan.Wiersze.push_back(std::move(*komorki));
        stan.Linie.push_back(tekst);
    }
    return stan;
}

TDaneWykresuPrzemiatania DaneWykresu(const std::vector<TOsZWartosciami>& osie, const std::vector<std::string>& naglowek,
                                     const std::vector<std::vector<std::string>>& wiersze, const std::string& wielkosc)
{
    TDaneWykresuPrzemiatania dane;
    dane.OpisY = wielkosc;
    std::size_t osX = 0;
    while (osX < osie.size() && osie[osX].Wartosci.size() < 2)
        ++osX;
    if (osX == osie.size())
        osX = 0;
    const TOsZWartosciami& x = osie[osX];
    const TOpisOsi& opisX = OpisOsi(x.Os);
    dane.OpisX = std::string(opisX.Nazwa) + (opisX.Jednostka.empty() ? "" : " (" + std::string(opisX.Jednostka) + ")");
    const bool nazwy = std::holds_alternative<std::string>(x.Wartosci.front());
    if (nazwy)
        for (const TWartoscOsi& w : x.Wartosci)
            dane.NazwyX.push_back(TekstWartosci(w));
    const auto kolumna = static_cast<std::size_t>(std::find(naglowek.begin(), naglowek.end(), wielkosc) - naglowek.begin());

    std::map<std::string, std::size_t> numerySerii;
    for (const std::vector<std::string>& wiersz : wiersze) {
        std::string nazwa;
        for (std::size_t a = 0; a < osie.size(); ++a)
            if (a != osX && osie[a].Wartosci.size() > 1) {
                const TOpisOsi& opis = OpisOsi(osie[a].Os);
                nazwa += (nazwa.empty() ? "" : ", ") + std::string(opis.Nazwa) + " " + wiersz[a] +
                         (opis.Jednostka.empty() ? "" : " " + std::string(opis.Jednostka));
            }
        const auto [gdzie, nowa] = numerySerii.try_emplace(nazwa, dane.Serie.size());
        if (nowa)
            dane.Serie.push_back({nazwa, {}});
        std::optional<double> wx;
        if (nazwy) {
            const auto it = std::find(dane.NazwyX.begin(), dane.NazwyX.end(), wiersz[osX]);
            if (it != dane.NazwyX.end())
                wx = static_cast<double>(it - dane.NazwyX.begin());
        } else {
            wx = ParsujLiczbeZPliku(wiersz[osX]);
        }
        const std::optional<double> wy = kolumna < wiersz.size() ? ParsujLiczbeZPliku(wiersz[kolumna]) : std::nullopt;
        if (wx && wy && *wy > 0.0)
            dane.Serie[gdzie->second].Punkty.emplace_back(*wx, *wy);
    }
    for (TSeriaPrzemiatania& s : dane.Serie)
        std::sort(s.Punkty.begin(), s.Punkty.end());
    return dane;
}

int Przemiataj(const QStringList& argumenty, std::uint8_t* flaga)
{
    TWynikParsowaniaPrzemiatania parsowanie = ParsujPrzemiatanie(argumenty);
    if (!parsowanie.Opcje) {
        std::fprintf(parsowanie.Kod == 0 ? stdout : stderr, "%s\n", parsowanie.Tekst.c_str());
        return parsowanie.Kod;
    }
    TOpcjePrzemiatania& o = *parsowanie.Opcje;
    if (!o.Uwagi.empty() && !o.Cicho)
        std::fprintf(stderr, "%s\n", o.Uwagi.c_str());
    const auto bladOsi = [&](const TBladPrzemiatania& b) {
        return Odmowa(b.Os ? NazwaOsiWKomunikacie(o, *b.Os) + ": " + b.Powod : b.Powod);
    };

    // Everything is checked before anything is written: the outputs, the file's rows, the runs.
    if (const std::string przeszkoda = PrzeszkodyWyjsc(o); !przeszkoda.empty())
        return Odmowa(przeszkoda);
    const bool ziarnoOsia = std::any_of(o.Osie.begin(), o.Osie.end(),
                                        [](const TOsZWartosciami& w) { return w.Os == TOsPrzemiatania::Ziarno; });
    const std::vector<std::string> naglowek = TPrzemiatanie(o.Baza, o.Osie).Naglowek();
    std::string blad;
    std::optional<TStanCsv> stan = CzytajCsvPrzemiatania(o.PlikCsv, naglowek, blad);
    if (!stan)
        return Odmowa("--out: " + blad);
    // A seed that is not swept is the sweep's own: the one the rows found were made with, the
    // base's, or one drawn now, so that every run sends the same bits.
    if (!ziarnoOsia) {
        if (!stan->Wiersze.empty()) {
            const std::string& tekst = stan->Wiersze.front()[o.Osie.size()];
            std::uint32_t ziarno = 0;
            const auto [koniec, e] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), ziarno);
            if (e != std::errc() || koniec != tekst.data() + tekst.size())
                return Odmowa("--out: " + o.PlikCsv + ": the first row has no seed");
            o.Baza.Ziarno = ziarno;
        } else if (!o.Baza.Ziarno) {
            o.Baza.Ziarno = ZiarnoZZegara();
        }
    }
    const TPrzemiatanie przemiatanie(o.Baza, o.Osie);
    if (const std::optional<TBladPrzemiatania> b = przemiatanie.Sprawdz())
        return bladOsi(*b);
    const std::size_t wszystkie = przemiatanie.LiczbaPrzebiegow();
    const std::size_t liczbaOsi = o.Osie.size();
    std::unordered_map<std::string, std::size_t> przebiegKlucza;
    for (std::size_t i = 0; i < wszystkie; ++i) {
        TBladPrzemiatania b;
        const std::optional<TUstawieniaSymulacji> u = przemiatanie.Ustawienia(i, b);
        if (!u)
            return bladOsi(b);
        if (!stan->Wiersze.empty())
            przebiegKlucza.emplace(Klucz(przemiatanie.Klucz(*u), liczbaOsi), i);
    }
    std::map<std::size_t, std::string> wiersze; // every run's row text, by run
    std::map<std::size_t, std::vector<std::string>> komorki;
    for (std::size_t w = 0; w < stan->Wiersze.size(); ++w) {
        const auto it = przebiegKlucza.find(Klucz(stan->Wiersze[w], liczbaOsi));
        if (it == przebiegKlucza.end())
            return Odmowa("--out: " + o.PlikCsv + ": the row " + Cytat(stan->Linie[w]) + " is not a run of this sweep");
        if (!wiersze.emplace(it->second, stan->Linie[w]).second)
            return Odmowa("--out: " + o.PlikCsv + ": the run of the row " + Cytat(stan->Linie[w]) + " is there twice");
        komorki.emplace(it->second, stan->Wiersze[w]);
    }
    const std::string plikUstawien = PlikUstawienPrzemiatania(o.PlikCsv);
    if (stan->Wiersze.empty()) {
        if (const std::string p = PrzeszkodaWyjscia(plikUstawien, o.Wejscia); !p.empty())
            return Odmowa("--out: " + p);
    } else if (const std::string n = NiezgodnoscUstawien(przemiatanie, o.PlikCsv, przebiegKlucza); !n.empty()) {
        return Odmowa("--out: " + n);
    }

    // The file: a header when new, an incomplete last row cut off, then rows appended.
    if (stan->BezNaglowka) {
        TZapisAtomowy zapis;
        blad = zapis.Dodaj(o.PlikCsv, LiniaCsv(naglowek));
        if (blad.empty())
            blad = zapis.Zatwierdz();
        if (!blad.empty())
            return Odmowa("--out: " + blad);
    }
    if (stan->KoniecWierszy) {
        std::error_code e;
        std::filesystem::resize_file(o.PlikCsv, *stan->KoniecWierszy, e);
        if (e)
            return Odmowa("--out: " + o.PlikCsv + ": its incomplete last row cannot be cut off: " + e.message());
        if (!o.Cicho)
            std::fprintf(stderr, "lintavox-sim sweep: %s ended in an incomplete row, which is run again\n",
                         o.PlikCsv.c_str());
    }
    std::FILE* csv = std::fopen(o.PlikCsv.c_str(), "ab");
    if (csv == nullptr)
        return Odmowa("--out: " + o.PlikCsv + " cannot be written: " + std::strerror(errno));
    if (!o.FolderJson.empty()) {
        std::error_code e;
        std::filesystem::create_directories(o.FolderJson, e);
        if (e) {
            std::fclose(csv);
            return Odmowa("--keep-json: " + o.FolderJson + " cannot be made: " + e.message());
        }
    }

    std::vector<std::size_t> doZrobienia;
    for (std::size_t i = 0; i < wszystkie; ++i)
        if (!wiersze.contains(i))
            doZrobienia.push_back(i);
    // Each run keeps to its one thread; the runs side by side use the cores.
    qputenv("LINTAVOX_CHANNEL_THREADS", "1");

    TPostepPrzemiatania postep(wszystkie, wiersze.size());
    std::unique_ptr<TLiniaTerminala> linia;
    if (isatty(STDERR_FILENO) && !o.Cicho)
        linia = std::make_unique<TLiniaTerminala>(stderr, [&postep] { return postep.Tekst(); });
    std::mutex zamek; // the CSV file, the rows, the messages
    std::string bladZapisu;
    std::size_t nieudane = 0;
    std::size_t zgloszone = 0;
    bool ustawieniaZapisane = !stan->Wiersze.empty();
    const bool zeStrumieniami = !o.FolderJson.empty() && !o.BezStrumieni;
    const auto wypisz = [&](const std::string& tekst) {
        if (linia)
            linia->Wypisz(tekst);
        else
            std::fprintf(stderr, "%s\n", tekst.c_str());
    };
    TZdarzeniaPrzemiatania zdarzenia;
    zdarzenia.Blad = [&](std::size_t i, const std::string& tekst) {
        const std::lock_guard z(zamek);
        ++nieudane;
        ++zgloszone;
        wypisz("lintavox-sim sweep: the run at " + OpisPrzebiegu(przemiatanie, i) + " failed: " + tekst);
    };
    zdarzenia.Gotowy = [&](std::size_t i, const TWynikSymulacji& wynik) {
        const nlohmann::json dokument = WynikJson(wynik, zeStrumieniami, o.Jezyk);
        // The JSON goes first: a row in the CSV means the run's files are all there.
        if (!o.FolderJson.empty()) {
            TZapisAtomowy zapis;
            std::string b = zapis.Dodaj(std::filesystem::path(o.FolderJson) / NazwaPlikuJson(przemiatanie, i),
                                        TekstJson(dokument));
            if (b.empty())
                b = zapis.Zatwierdz();
            if (!b.empty()) {
                zdarzenia.Blad(i, "--keep-json: " + b);
                return;
            }
        }
        std::vector<std::string> wiersz = przemiatanie.Wiersz(dokument);
        std::string tekst = LiniaCsv(wiersz);
        const std::lock_guard z(zamek);
        ++zgloszone;
        if (!bladZapisu.empty())
            return;
        if (!ustawieniaZapisane) {
            bladZapisu = ZapiszAnalize(plikUstawien, AnalizaJson(wynik.Ustawienia));
            if (!bladZapisu.empty()) {
                std::atomic_ref<std::uint8_t>(*flaga).store(1, std::memory_order_relaxed);
                return;
            }
            ustawieniaZapisane = true;
        }
        if (std::fputs(tekst.c_str(), csv) < 0 || std::fflush(csv) != 0) {
            bladZapisu = o.PlikCsv + " cannot be written: " + std::strerror(errno);
            std::atomic_ref<std::uint8_t>(*flaga).store(1, std::memory_order_relaxed);
            return;
        }
        wiersze.emplace(i, std::move(tekst));
        komorki.emplace(i, std::move(wiersz));
        postep.Dodaj();
    };
    WykonajPrzemiatanie(przemiatanie, doZrobienia, o.Watki, flaga, zdarzenia);
    linia.reset();
    if (std::fclose(csv) != 0 && bladZapisu.empty())
        bladZapisu = o.PlikCsv + " cannot be written: " + std::strerror(errno);
    if (!bladZapisu.empty()) {
        std::fprintf(stderr, "lintavox-sim sweep: %s\n", bladZapisu.c_str());
        return 1;
    }
    if (Ustawiona(flaga) && zgloszone < doZrobienia.size()) {
        std::fprintf(stderr,
                     "lintavox-sim sweep: interrupted with %zu of %zu runs in %s; the same command goes on from there\n",
                     wiersze.size(), wszystkie, o.PlikCsv.c_str());
        return 130;
    }

    // The rows in run order, whatever order the runs finished in.
    std::string tresc = LiniaCsv(naglowek);
    for (const auto& [i, tekst] : wiersze)
        tresc += tekst;
    TZapisAtomowy zapis;
    blad = zapis.Dodaj(o.PlikCsv, tresc);
    if (blad.empty())
        blad = zapis.Zatwierdz();
    if (!blad.empty()) {
        std::fprintf(stderr, "lintavox-sim sweep: --out: %s\n", blad.c_str());
        return 1;
    }
    if (!o.PlikWykresu.empty()) {
        std::vector<std::vector<std::string>> wedlugPrzebiegow;
        for (auto& [i, k] : komorki)
            wedlugPrzebiegow.push_back(std::move(k));
        const std::string b =
            ZapiszWykresPrzemiatania(DaneWykresu(o.Osie, naglowek, wedlugPrzebiegow, o.Wielkosc), o.PlikWykresu);
        if (!b.empty()) {
            std::fprintf(stderr, "lintavox-sim sweep: --plot: %s\n", b.c_str());
            return 1;
        }
    }
    if (nieudane > 0) {
        std::fprintf(stderr, "lintavox-sim sweep: %zu of %zu runs failed (above); the same command runs them again\n",
                     nieudane, wszystkie);
        return 1;
    }
    if (!o.Cicho)
        std::printf("%zu runs in %s (%zu run now)\n", wszystkie, o.PlikCsv.c_str(), doZrobienia.size());
    return 0;
}
