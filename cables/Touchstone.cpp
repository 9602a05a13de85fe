#include "Touchstone.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>

#include "Liczby.h"
#include "OdczytPliku.h"
#include "Teksty.h"

namespace {

// Far above any measured network; a bound on what a file makes the reader allocate.
constexpr int NajwiecejPortow = 64;
constexpr std::uintmax_t NajwiekszyPlik = 64u << 20;

struct TOdmowa {
    TBladTouchstone Blad;
};

[[noreturn]] void Odmow(TWadaTouchstone wada, std::size_t linia, std::string szczegol = {}, std::size_t znaleziono = 0,
                        std::size_t oczekiwano = 0)
{
    throw TOdmowa{{wada, linia, std::move(szczegol), znaleziono, oczekiwano}};
}

std::string Male(std::string_view s)
{
    std::string wynik(s);
    for (char& c : wynik)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return wynik;
}

std::string Duze(std::string_view s)
{
    std::string wynik(s);
    for (char& c : wynik)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return wynik;
}

bool Bialy(char c)
{
    return c == ' ' || c == '\t' || c == '\f' || c == '\v' || c == '\r';
}

std::vector<std::string_view> Slowa(std::string_view wiersz)
{
    std::vector<std::string_view> slowa;
    std::size_t i = 0;
    while (i < wiersz.size()) {
        while (i < wiersz.size() && Bialy(wiersz[i]))
            ++i;
        const std::size_t poczatek = i;
        while (i < wiersz.size() && !Bialy(wiersz[i]))
            ++i;
        if (i > poczatek)
            slowa.push_back(wiersz.substr(poczatek, i - poczatek));
    }
    return slowa;
}

// A byte no text file holds: NUL and the control characters other than the blanks.
void SprawdzTekst(std::string_view tekst)
{
    std::size_t linia = 1;
    for (const char znak : tekst) {
        const auto c = static_cast<unsigned char>(znak);
        if (c == '\n')
            ++linia;
        else if ((c < 0x20 && !Bialy(znak)) || c == 0x7F) {
            static constexpr char Cyfry[] = "0123456789ABCDEF";
            Odmow(TWadaTouchstone::Binarny, linia, std::string("0x") + Cyfry[c >> 4] + Cyfry[c & 15]);
        }
    }
}

double Liczba(std::string_view slowo, std::size_t linia)
{
    const auto wartosc = ParsujLiczbeZPliku(slowo);
    if (!wartosc)
        Odmow(TWadaTouchstone::NieLiczba, linia, std::string(slowo));
    return *wartosc;
}

std::size_t Calkowita(std::string_view slowo, std::size_t linia, std::string_view slowoKluczowe)
{
    const auto wartosc = ParsujCalkowita(slowo);
    if (!wartosc || *wartosc < 1 || slowo.find_first_not_of("0123456789") != std::string_view::npos)
        Odmow(TWadaTouchstone::SlowoWartosc, linia, "[" + std::string(slowoKluczowe) + "] " + std::string(slowo));
    return static_cast<std::size_t>(*wartosc);
}

// The port count a name ending in .sNp gives; 0 for any other name.
int PortyZNazwy(std::string_view nazwa)
{
    const std::string male = Male(nazwa);
    const auto kropka = male.rfind('.');
    if (kropka == std::string::npos || male.size() < kropka + 4 || male[kropka + 1] != 's' || male.back() != 'p')
        return 0;
    const std::string_view cyfry = std::string_view(male).substr(kropka + 2, male.size() - kropka - 3);
    if (cyfry.empty() || cyfry.size() > 3 || cyfry.find_first_not_of("0123456789") != std::string_view::npos)
        return 0;
    return *ParsujCalkowita(cyfry);
}

enum class TMacierz { Pelna, Gorna, Dolna };

class TCzytnik {
public:
    TCzytnik(std::string_view tekst, std::string_view nazwa) : Tekst(tekst), PortyNazwy(PortyZNazwy(nazwa)) {}

    TDaneTouchstone Czytaj();

private:
    void Wiersz(std::size_t numer, std::string_view wiersz);
    void Opcje(std::size_t numer, const std::vector<std::string_view>& slowa);
    void SlowoKluczowe(std::size_t numer, std::string_view wiersz);
    void Dane(std::size_t numer, const std::vector<std::string_view>& slowa);
    void UstawPorty(int porty, std::size_t numer);
    void ZacznijDane(std::size_t numer);
    void ZapiszPunkt();
    std::size_t LiczbWPunkcie() const;

    std::string_view Tekst;
    int PortyNazwy;
    TDaneTouchstone D;
    double Mnoznik = 1e9; // Hz per unit of the file's frequencies
    bool SaOpcje = false;
    bool PierwszyWiersz = true;
    bool SaWersja = false;

    // Version 2 keywords.
    bool SaDane = false;            // [Network Data] seen, or the data of a version 1 file begun
    bool KoniecDanych = false;      // noise data, [End], or a version 1 noise block
    bool Informacje = false;        // inside [Begin Information]
    std::optional<bool> Kolejnosc21_12; // [Two-Port Data Order]
    std::optional<std::size_t> LiczbaCzestotliwosci;
    std::size_t LiniaLiczbyCzestotliwosci = 0;
    std::size_t BrakujaceReferencje = 0;
    TMacierz Macierz = TMacierz::Pelna;

    // The frequency point being read.
    std::vector<double> Punkt;
    std::size_t LiniaPunktu = 0;
    double OstatniaCzestotliwosc = -1.0;
};

TDaneTouchstone TCzytnik::Czytaj()
{
    if (Tekst.substr(0, 3) == "\xEF\xBB\xBF")
        Tekst.remove_prefix(3);
    SprawdzTekst(Tekst);
    std::size_t numer = 0;
    std::size_t poczatek = 0;
    while (poczatek <= Tekst.size() && !KoniecDanych) {
        const auto koniec = std::min(Tekst.find('\n', poczatek), Tekst.size());
        Wiersz(++numer, Tekst.substr(poczatek, koniec - poczatek));
        poczatek = koniec + 1;
    }
    if (!Punkt.empty())
        Odmow(TWadaTouchstone::Niepelny, LiniaPunktu, {}, Punkt.size(), LiczbWPunkcie());
    if (D.CzestotliwosciMHz.empty())
        Odmow(TWadaTouchstone::Pusty, 0);
    if (LiczbaCzestotliwosci && *LiczbaCzestotliwosci != D.CzestotliwosciMHz.size())
        Odmow(TWadaTouchstone::LiczbaCzestotliwosci, LiniaLiczbyCzestotliwosci, {}, D.CzestotliwosciMHz.size(),
              *LiczbaCzestotliwosci);
    return std::move(D);
}

void TCzytnik::Wiersz(std::size_t numer, std::string_view wiersz)
{
    if (const auto wykrzyknik = wiersz.find('!'); wykrzyknik != std::string_view::npos)
        wiersz = wiersz.substr(0, wykrzyknik);
    const auto pierwszy = std::find_if_not(wiersz.begin(), wiersz.end(), Bialy);
    if (pierwszy == wiersz.end())
        return;
    wiersz.remove_prefix(static_cast<std::size_t>(pierwszy - wiersz.begin()));

    if (Informacje) {
        if (wiersz.front() == '[' && Male(wiersz).starts_with("[end information]"))
            Informacje = false;
        return;
    }
    if (BrakujaceReferencje > 0 && wiersz.front() != '[' && wiersz.front() != '#') {
        for (const std::string_view slowo : Slowa(wiersz)) {
            if (BrakujaceReferencje == 0)
                Odmow(TWadaTouchstone::SlowoWartosc, numer, "[Reference] " + std::string(slowo));
            Liczba(slowo, numer);
            --BrakujaceReferencje;
        }
        return;
    }
    if (BrakujaceReferencje > 0)
        Odmow(TWadaTouchstone::SlowoWartosc, numer, "[Reference]");

    if (PierwszyWiersz) {
        // A file that opens with [Version] is of version 2; a keyword in any other file is
        // refused below, where keywords are read.
        PierwszyWiersz = false;
        if (wiersz.front() == '[' && Male(wiersz).starts_with("[version]"))
            D.Wersja = 2;
        else if (wiersz.front() != '[') {
            if (PortyNazwy == 0)
                Odmow(TWadaTouchstone::PortyNieznane, 0);
            UstawPorty(PortyNazwy, numer);
        }
    }
    if (wiersz.front() == '[')
        return SlowoKluczowe(numer, wiersz);
    if (wiersz.front() == '#') {
        wiersz.remove_prefix(1);
        return Opcje(numer, Slowa(wiersz));
    }
    Dane(numer, Slowa(wiersz));
}

void TCzytnik::Opcje(std::size_t numer, const std::vector<std::string_view>& slowa)
{
    if (SaOpcje)
        return; // a second option line is ignored, as version 1 prescribes
    if (SaDane)
        Odmow(TWadaTouchstone::OpcjaPoDanych, numer);
    SaOpcje = true;
    for (std::size_t i = 0; i < slowa.size(); ++i) {
        const std::string s = Male(slowa[i]);
        if (s == "hz")
            Mnoznik = 1.0;
        else if (s == "khz")
            Mnoznik = 1e3;
        else if (s == "mhz")
            Mnoznik = 1e6;
        else if (s == "ghz")
            Mnoznik = 1e9;
        else if (s == "s")
            continue;
        else if (s == "y" || s == "z" || s == "h" || s == "g")
            Odmow(TWadaTouchstone::Parametr, numer, Duze(s));
        else if (s == "ma")
            D.Format = TFormatTouchstone::MA;
        else if (s == "db")
            D.Format = TFormatTouchstone::DB;
        else if (s == "ri")
            D.Format = TFormatTouchstone::RI;
        else if (s == "r") {
            const auto r = i + 1 < slowa.size() ? ParsujLiczbeZPliku(slowa[i + 1]) : std::nullopt;
            if (!r || !(*r > 0.0))
                Odmow(TWadaTouchstone::Opcja, numer, i + 1 < slowa.size() ? "R " + std::string(slowa[i + 1]) : "R");
            D.Rezystancja = *r;
            ++i;
        } else
            Odmow(TWadaTouchstone::Opcja, numer, std::string(slowa[i]));
    }
}

void TCzytnik::SlowoKluczowe(std::size_t numer, std::string_view wiersz)
{
    const auto zamkniecie = wiersz.find(']');
    if (zamkniecie == std::string_view::npos)
        Odmow(TWadaTouchstone::SlowoNieznane, numer, std::string(Slowa(wiersz).front()));
    const std::string_view nazwa = wiersz.substr(1, zamkniecie - 1);
    std::string klucz;
    for (const std::string_view s : Slowa(nazwa))
        klucz += (klucz.empty() ? "" : " ") + Male(s);
    const std::vector<std::string_view> reszta = Slowa(wiersz.substr(zamkniecie + 1));
    const auto wartosc = [&]() -> std::string_view {
        if (reszta.size() != 1)
            Odmow(TWadaTouchstone::SlowoWartosc, numer, "[" + std::string(nazwa) + "]");
        return reszta.front();
    };

    if (D.Wersja != 2)
        Odmow(TWadaTouchstone::SlowoNiedozwolone, numer, "[" + std::string(nazwa) + "]");
    if (SaDane && klucz != "noise data" && klucz != "end")
        Odmow(TWadaTouchstone::SlowoNiedozwolone, numer, "[" + std::string(nazwa) + "]");

    if (klucz == "version") {
        if (SaWersja)
            Odmow(TWadaTouchstone::SlowoNiedozwolone, numer, "[Version]");
        SaWersja = true;
        const std::string_view v = wartosc();
        if (v != "2.0" && v != "2.1")
            Odmow(TWadaTouchstone::Wersja, numer, std::string(v));
    } else if (klucz == "number of ports") {
        const std::size_t n = Calkowita(wartosc(), numer, "Number of Ports");
        if (n > static_cast<std::size_t>(NajwiecejPortow))
            Odmow(TWadaTouchstone::PortyNieobslugiwane, numer, {}, n);
        if (PortyNazwy != 0 && static_cast<int>(n) != PortyNazwy)
            Odmow(TWadaTouchstone::PortyNiezgodne, numer, {}, n, static_cast<std::size_t>(PortyNazwy));
        UstawPorty(static_cast<int>(n), numer);
    } else if (klucz == "two-port data order") {
        const std::string v = Male(wartosc());
        if (v != "12_21" && v != "21_12")
            Odmow(TWadaTouchstone::SlowoWartosc, numer, "[Two-Port Data Order] " + std::string(reszta.front()));
        Kolejnosc21_12 = v == "21_12";
    } else if (klucz == "number of frequencies") {
        LiczbaCzestotliwosci = Calkowita(wartosc(), numer, "Number of Frequencies");
        LiniaLiczbyCzestotliwosci = numer;
    } else if (klucz == "number of noise frequencies") {
        Calkowita(wartosc(), numer, "Number of Noise Frequencies");
    } else if (klucz == "reference") {
        if (D.LiczbaPortow == 0)
            Odmow(TWadaTouchstone::SlowoNiedozwolone, numer, "[Reference]");
        if (reszta.size() > static_cast<std::size_t>(D.LiczbaPortow))
            Odmow(TWadaTouchstone::SlowoWartosc, numer, "[Reference]");
        for (const std::string_view slowo : reszta)
            Liczba(slowo, numer);
        BrakujaceReferencje = static_cast<std::size_t>(D.LiczbaPortow) - reszta.size();
    } else if (klucz == "matrix format") {
        const std::string v = Male(wartosc());
        if (v == "full")
            Macierz = TMacierz::Pelna;
        else if (v == "upper")
            Macierz = TMacierz::Gorna;
        else if (v == "lower")
            Macierz = TMacierz::Dolna;
        else
            Odmow(TWadaTouchstone::SlowoWartosc, numer, "[Matrix Format] " + std::string(reszta.front()));
    } else if (klucz == "mixed-mode order") {
        Odmow(TWadaTouchstone::MixedMode, numer);
    } else if (klucz == "begin information") {
        Informacje = true;
    } else if (klucz == "network data") {
        ZacznijDane(numer);
    } else if (klucz == "noise data" || klucz == "end") {
        if (!SaDane)
            Odmow(TWadaTouchstone::SlowoNiedozwolone, numer, "[" + std::string(nazwa) + "]");
        if (!Punkt.empty())
            Odmow(TWadaTouchstone::Niepelny, LiniaPunktu, {}, Punkt.size(), LiczbWPunkcie());
        KoniecDanych = true;
    } else {
        Odmow(TWadaTouchstone::SlowoNieznane, numer, "[" + std::string(nazwa) + "]");
    }
}

void TCzytnik::UstawPorty(int porty, std::size_t numer)
{
    if (porty < 1 || porty > NajwiecejPortow)
        Odmow(TWadaTouchstone::PortyNieobslugiwane, numer, {}, static_cast<std::size_t>(std::max(porty, 0)));
    D.LiczbaPortow = porty;
}

void TCzytnik::ZacznijDane(std::size_t numer)
{
    if (D.LiczbaPortow == 0)
        Odmow(TWadaTouchstone::SlowoBrak, numer, "[Number of Ports]");
    if (!LiczbaCzestotliwosci)
        Odmow(TWadaTouchstone::SlowoBrak, numer, "[Number of Frequencies]");
    if (D.LiczbaPortow == 2 && !Kolejnosc21_12)
        Odmow(TWadaTouchstone::SlowoBrak, numer, "[Two-Port Data Order]");
    SaDane = true;
}

std::size_t TCzytnik::LiczbWPunkcie() const
{
    const auto n = static_cast<std::size_t>(D.LiczbaPortow);
    return 1 + 2 * (Macierz == TMacierz::Pelna ? n * n : n * (n + 1) / 2);
}

void TCzytnik::Dane(std::size_t numer, const std::vector<std::string_view>& slowa)
{
    if (D.Wersja == 2 && !SaDane)
        Odmow(TWadaTouchstone::SlowoBrak, numer, "[Network Data]");
    SaDane = true;
    const std::size_t potrzeba = LiczbWPunkcie();
    if (Punkt.empty()) {
        // A frequency point begins: version 1 two-port files may go on with noise
        // parameters, five to a line, from a frequency not above the last one.
        const double f = Liczba(slowa.front(), numer);
        if (D.Wersja == 1 && D.LiczbaPortow == 2 && !D.CzestotliwosciMHz.empty() && f <= OstatniaCzestotliwosc &&
            slowa.size() == 5) {
            KoniecDanych = true;
            return;
        }
        if (f < 0.0 || f <= OstatniaCzestotliwosc)
            Odmow(TWadaTouchstone::Czestotliwosci, numer, std::string(slowa.front()));
        LiniaPunktu = numer;
    }
    if (Punkt.size() + slowa.size() > potrzeba)
        Odmow(TWadaTouchstone::LiczbaKolumn, numer, {}, slowa.size(), potrzeba - Punkt.size());
    for (const std::string_view slowo : slowa)
        Punkt.push_back(Liczba(slowo, numer));
    if (Punkt.size() == potrzeba)
        ZapiszPunkt();
}

void TCzytnik::ZapiszPunkt()
{
    const int n = D.LiczbaPortow;
    OstatniaCzestotliwosc = Punkt.front();
    D.CzestotliwosciMHz.push_back(Punkt.front() * Mnoznik / 1e6);
    const std::size_t baza = D.S.size();
    D.S.resize(baza + static_cast<std::size_t>(n) * static_cast<std::size_t>(n));

    const auto zespolona = [&](std::size_t para) {
        const double a = Punkt[1 + 2 * para];
        const double b = Punkt[2 + 2 * para];
        const double kat = b * std::numbers::pi / 180.0;
        switch (D.Format) {
        case TFormatTouchstone::RI:
            return std::complex<double>(a, b);
        case TFormatTouchstone::DB:
            return std::polar(std::pow(10.0, a / 20.0), kat);
        case TFormatTouchstone::MA:
            break;
        }
        return std::polar(a, kat);
    };
    const auto ustaw = [&](int i, int j, std::complex<double> s) {
        D.S[baza + static_cast<std::size_t>((i - 1) * n + (j - 1))] = s;
    };

    std::size_t para = 0;
    // Version 1 two-port files, and version 2 ones marked 21_12, give S11 S21 S12 S22.
    if (n == 2 && Macierz == TMacierz::Pelna && (D.Wersja == 1 || *Kolejnosc21_12)) {
        ustaw(1, 1, zespolona(0));
        ustaw(2, 1, zespolona(1));
        ustaw(1, 2, zespolona(2));
        ustaw(2, 2, zespolona(3));
    } else {
        for (int i = 1; i <= n; ++i) {
            const int od = Macierz == TMacierz::Gorna ? i : 1;
            const int doJ = Macierz == TMacierz::Dolna ? i : n;
            for (int j = od; j <= doJ; ++j) {
                const std::complex<double> s = zespolona(para++);
                ustaw(i, j, s);
                if (Macierz != TMacierz::Pelna)
                    ustaw(j, i, s);
            }
        }
    }
    Punkt.clear();
}

std::string Linia(const TBladTouchstone& b, TJezyk jezyk)
{
    if (b.Linia == 0)
        return {};
    return (jezyk == TJezyk::Polski ? "wiersz " : "line ") + FormatujCalkowita(static_cast<std::int64_t>(b.Linia)) + ": ";
}

std::string Cytat(const std::string& s, TJezyk jezyk)
{
    return jezyk == TJezyk::Polski ? "„" + s + "”" : "'" + s + "'";
}

} // namespace

std::complex<double> TDaneTouchstone::Element(std::size_t k, int i, int j) const
{
    const auto n = static_cast<std::size_t>(LiczbaPortow);
    return S[k * n * n + static_cast<std::size_t>(i - 1) * n + static_cast<std::size_t>(j - 1)];
}

std::optional<TDaneTouchstone> ParsujTouchstone(std::string_view tekst, std::string_view nazwa, TBladTouchstone& blad)
{
    try {
        return TCzytnik(tekst, nazwa).Czytaj();
    } catch (const TOdmowa& o) {
        blad = o.Blad;
        return std::nullopt;
    }
}

std::optional<TDaneTouchstone> CzytajTouchstone(const std::filesystem::path& plik, TBladTouchstone& blad)
{
    const TOdczytPliku odczyt = CzytajPlik(plik, NajwiekszyPlik);
    switch (odczyt.Blad) {
    case TBladOdczytu::Brak:
        return ParsujTouchstone(odczyt.Dane, plik.filename().string(), blad);
    case TBladOdczytu::NieZwykly:
        blad = {TWadaTouchstone::PlikNieRegularny, 0, {}, 0, 0};
        break;
    case TBladOdczytu::ZaDuzy:
        blad = {TWadaTouchstone::PlikZaDuzy, 0, {}, 0, static_cast<std::size_t>(NajwiekszyPlik >> 20)};
        break;
    case TBladOdczytu::Dostep:
        blad = {TWadaTouchstone::PlikNieczytelny, 0, {}, 0, 0};
        break;
    }
    return std::nullopt;
}

std::string OpisBleduTouchstone(const TBladTouchstone& b, TJezyk jezyk)
{
    const bool pl = jezyk == TJezyk::Polski;
    const std::string w = Linia(b, jezyk);
    const std::string szczegol = Cytat(b.Szczegol, jezyk);
    const auto liczby = [&](std::size_t n) {
        return pl ? PolskaLiczba(n, "liczba", "liczby", "liczb") : AngielskaLiczba(n, "number", "numbers");
    };
    switch (b.Wada) {
    case TWadaTouchstone::PlikNieRegularny:
        return pl ? "to nie jest zwykły plik" : "not a regular file";
    case TWadaTouchstone::PlikZaDuzy:
        return pl ? "plik jest większy niż " + FormatujCalkowita(static_cast<std::int64_t>(b.Oczekiwano)) + " MiB"
                  : "the file is larger than " + FormatujCalkowita(static_cast<std::int64_t>(b.Oczekiwano)) + " MiB";
    case TWadaTouchstone::PlikNieczytelny:
        return pl ? "nie można odczytać pliku" : "the file cannot be read";
    case TWadaTouchstone::Binarny:
        return w + (pl ? "to nie jest plik tekstowy (bajt " : "not a text file (byte ") + b.Szczegol + ")";
    case TWadaTouchstone::Pusty:
        return pl ? "plik nie zawiera danych sieci" : "the file holds no network data";
    case TWadaTouchstone::Opcja:
        return w + (pl ? "nieznana opcja " + szczegol + " (wiersz opcji przyjmuje Hz, kHz, MHz, GHz, S, DB, MA, RI i R z liczbą)"
                       : "unknown option " + szczegol + " (the option line takes Hz, kHz, MHz, GHz, S, DB, MA, RI and R with a number)");
    case TWadaTouchstone::OpcjaPoDanych:
        return w + (pl ? "wiersz opcji musi poprzedzać dane" : "the option line must come before the data");
    case TWadaTouchstone::Parametr:
        return w + (pl ? "parametry " + b.Szczegol + " nie mogą być importowane, tylko parametry S"
                       : b.Szczegol + "-parameters cannot be imported, only S-parameters");
    case TWadaTouchstone::NieLiczba:
        return w + (pl ? szczegol + " nie jest liczbą" : szczegol + " is not a number");
    case TWadaTouchstone::LiczbaKolumn:
        return w + (pl ? liczby(b.Znaleziono) + ", a do końca punktu częstotliwości brakuje " + liczby(b.Oczekiwano)
                       : liczby(b.Znaleziono) + " where " + liczby(b.Oczekiwano) + " complete the frequency point");
    case TWadaTouchstone::Niepelny:
        return w + (pl ? "plik kończy się w punkcie częstotliwości zaczętym w tym wierszu (" +
                             FormatujCalkowita(static_cast<std::int64_t>(b.Znaleziono)) + " z " + liczby(b.Oczekiwano) + ")"
                       : "the file ends inside the frequency point that starts here (" +
                             FormatujCalkowita(static_cast<std::int64_t>(b.Znaleziono)) + " of " + liczby(b.Oczekiwano) + ")");
    case TWadaTouchstone::Czestotliwosci:
        return w + (pl ? "częstotliwość " + szczegol + " jest ujemna lub nie większa od poprzedniej"
                       : "frequency " + szczegol + " is negative or not above the one before");
    case TWadaTouchstone::PortyNieznane:
        return pl ? "nie wiadomo, ile portów ma plik: plik w wersji 1 musi mieć rozszerzenie .s1p, .s2p, .s4p lub .s8p"
                  : "the number of ports is unknown: a version 1 file must be named .s1p, .s2p, .s4p or .s8p";
    case TWadaTouchstone::PortyNiezgodne:
        return w + (pl ? "[Number of Ports] podaje " + FormatujCalkowita(static_cast<std::int64_t>(b.Znaleziono)) +
                             ", a nazwa pliku " + FormatujCalkowita(static_cast<std::int64_t>(b.Oczekiwano))
                       : "[Number of Ports] says " + FormatujCalkowita(static_cast<std::int64_t>(b.Znaleziono)) +
                             ", the file name " + FormatujCalkowita(static_cast<std::int64_t>(b.Oczekiwano)));
    case TWadaTouchstone::PortyNieobslugiwane:
        return w + (pl ? "plik ma " + PolskaLiczba(b.Znaleziono, "port", "porty", "portów") +
                             "; importowane są pliki o 1, 2, 4 lub 8 portach"
                       : "the file has " + AngielskaLiczba(b.Znaleziono, "port", "ports") +
                             "; the import takes files of 1, 2, 4 or 8 ports");
    case TWadaTouchstone::SlowoNieznane:
        return w + (pl ? "nieznane słowo kluczowe " + szczegol : "unknown keyword " + szczegol);
    case TWadaTouchstone::SlowoNiedozwolone:
        return w + (pl ? "słowo kluczowe " + szczegol + " nie może stać w tym miejscu"
                       : "keyword " + szczegol + " is out of place");
    case TWadaTouchstone::SlowoBrak:
        return w + (pl ? "brak słowa kluczowego " + szczegol + ", którego plik wymaga"
                       : "the file lacks the keyword " + szczegol + " it needs");
    case TWadaTouchstone::SlowoWartosc:
        return w + (pl ? "nieprawidłowa wartość: " + szczegol : "a wrong value: " + szczegol);
    case TWadaTouchstone::Wersja:
        return w + (pl ? "wersja " + szczegol + " nie jest obsługiwana (tylko 1.x, 2.0 i 2.1)"
                       : "version " + szczegol + " is not supported (only 1.x, 2.0 and 2.1)");
    case TWadaTouchstone::LiczbaCzestotliwosci:
        return w + (pl ? "[Number of Frequencies] podaje " + FormatujCalkowita(static_cast<std::int64_t>(b.Oczekiwano)) +
                             ", a dane mają " + FormatujCalkowita(static_cast<std::int64_t>(b.Znaleziono))
                       : "[Number of Frequencies] says " + FormatujCalkowita(static_cast<std::int64_t>(b.Oczekiwano)) +
                             ", the data hold " + FormatujCalkowita(static_cast<std::int64_t>(b.Znaleziono)));
    case TWadaTouchstone::MixedMode:
        return w + (pl ? "dane w porządku mieszanym ([Mixed-Mode Order]) nie są obsługiwane; potrzebne są dane jednokońcowe"
                       : "mixed-mode data ([Mixed-Mode Order]) are not supported; single-ended data are needed");
    case TWadaTouchstone::PonizejFiltru:
        return pl ? "mniej niż dwie częstotliwości pliku leżą w zakresie filtru (do " + b.Szczegol + " MHz przy tej szybkości)"
                  : "fewer than two of the file's frequencies lie within the filter's range (up to " + b.Szczegol +
                        " MHz at this rate)";
    case TWadaTouchstone::KolejnoscPortow:
        return pl ? "plik o " + FormatujCalkowita(static_cast<std::int64_t>(b.Znaleziono)) +
                        " portach wymaga wyboru kolejności portów: 1,3 → 2,4 lub 1,2 → 3,4"
                  : "a " + FormatujCalkowita(static_cast<std::int64_t>(b.Znaleziono)) +
                        "-port file needs the port order: 1,3 → 2,4 (13-24) or 1,2 → 3,4 (12-34)";
    }
    return {};
}

std::string_view NazwaKolejnosci(TKolejnoscPortow kolejnosc)
{
    return kolejnosc == TKolejnoscPortow::P13_24 ? "13-24" : "12-34";
}

std::optional<TKolejnoscPortow> KolejnoscZNazwy(std::string_view nazwa)
{
    for (const TKolejnoscPortow k : {TKolejnoscPortow::P13_24, TKolejnoscPortow::P12_34})
        if (nazwa == NazwaKolejnosci(k))
            return k;
    return std::nullopt;
}

std::complex<double> Sdd(const TDaneTouchstone& dane, std::size_t k, int p, int q, TKolejnoscPortow kolejnosc)
{
    // The single-ended ports (+, −) of differential port m.
    const auto porty = [&](int m) {
        const int baza = 4 * ((m - 1) / 2);
        const bool bliski = m % 2 == 1;
        if (kolejnosc == TKolejnoscPortow::P13_24)
            return bliski ? std::pair{baza + 1, baza + 3} : std::pair{baza + 2, baza + 4};
        return bliski ? std::pair{baza + 1, baza + 2} : std::pair{baza + 3, baza + 4};
    };
    const auto [pp, pm] = porty(p);
    const auto [qp, qm] = porty(q);
    return 0.5 * (dane.Element(k, pp, qp) - dane.Element(k, pp, qm) - dane.Element(k, pm, qp) + dane.Element(k, pm, qm));
}
