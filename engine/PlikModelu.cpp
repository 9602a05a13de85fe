#include "PlikModelu.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "Liczby.h"
#include "OdczytPliku.h"
#include "ZapisAtomowy.h"

static_assert(std::endian::native == std::endian::little, "model files are little-endian, as is this machine");

namespace {

constexpr char Sygnatura[9] = {'L', 'i', 'n', 't', 'a', 'V', 'O', 'X', '\0'};
constexpr std::size_t RozmiarNaglowka = sizeof Sygnatura + sizeof(std::int32_t);

TBladModelu BladOdczytu(TBladOdczytu blad)
{
    switch (blad) {
    case TBladOdczytu::Brak:
        break;
    case TBladOdczytu::Dostep:
        return TBladModelu::Dostep;
    case TBladOdczytu::NieZwykly:
        return TBladModelu::NieJestPlikiem;
    case TBladOdczytu::ZaDuzy:
        return TBladModelu::ZaDuzy;
    }
    return TBladModelu::Brak;
}

TBladModelu BladCharakterystyki(TWadaCharakterystyki wada)
{
    switch (wada) {
    case TWadaCharakterystyki::Brak:
        break;
    case TWadaCharakterystyki::ZaMaloPunktow:
        return TBladModelu::ZaMaloPunktow;
    case TWadaCharakterystyki::Czestotliwosci:
        return TBladModelu::Czestotliwosci;
    case TWadaCharakterystyki::Wartosci:
        return TBladModelu::Wartosci;
    }
    return TBladModelu::Brak;
}

// The points of a model file's bytes, or what is wrong with them; powod in English.
TBladModelu Odczytaj(const std::string& bajty, TCharakterystyka& punkty, std::string& powod)
{
    if (bajty.size() < sizeof Sygnatura || std::memcmp(bajty.data(), Sygnatura, sizeof Sygnatura) != 0) {
        powod = "is not a model file: it does not begin with LintaVOX";
        return TBladModelu::Format;
    }
    std::int32_t liczba = -1;
    if (bajty.size() >= RozmiarNaglowka)
        std::memcpy(&liczba, bajty.data() + sizeof Sygnatura, sizeof liczba);
    if (liczba < 0 || bajty.size() - RozmiarNaglowka != static_cast<std::size_t>(liczba) * sizeof(TPunkt)) {
        powod = "its point count does not match its length";
        return TBladModelu::LiczbaPunktow;
    }
    TCharakterystyka odczytane(static_cast<std::size_t>(liczba));
    if (liczba > 0)
        std::memcpy(odczytane.data(), bajty.data() + RozmiarNaglowka, odczytane.size() * sizeof(TPunkt));
    if (const TWadaCharakterystyki wada = SprawdzCharakterystyke(odczytane); wada != TWadaCharakterystyki::Brak) {
        powod = "the list " + OpisWadyCharakterystyki(wada);
        return BladCharakterystyki(wada);
    }
    punkty = std::move(odczytane);
    return TBladModelu::Brak;
}

} // namespace

std::string OpisBleduModelu(TBladModelu blad, TJezyk jezyk)
{
    const bool pl = jezyk == TJezyk::Polski;
    switch (blad) {
    case TBladModelu::Brak:
        return {};
    case TBladModelu::Dostep:
        return pl ? "Nie można odczytać lub zapisać pliku" : "The file cannot be read or written";
    case TBladModelu::NieJestPlikiem:
        return pl ? "To nie jest zwykły plik" : "This is not a regular file";
    case TBladModelu::ZaDuzy:
        return pl ? "Plik jest za duży na charakterystykę" : "The file is too large for a characteristic";
    case TBladModelu::Format:
        return pl ? "Nieprawidłowy format pliku" : "Invalid file format";
    case TBladModelu::LiczbaPunktow:
        return pl ? "Liczba punktów nie zgadza się z długością pliku" : "The number of points does not match the file's length";
    case TBladModelu::ZaMaloPunktow:
        return pl ? "Charakterystyka musi mieć co najmniej dwa punkty" : "A characteristic needs at least two points";
    case TBladModelu::Czestotliwosci:
        return pl ? "Częstotliwości muszą być nieujemne i rosnące" : "Frequencies must be non-negative and rising";
    case TBladModelu::Wartosci:
        return (pl ? "Poziomy w pliku muszą zawierać się w przedziale <" : "Levels in the file must lie within <") +
            FormatujCalkowita(static_cast<std::int64_t>(WzmocnienieMin)) + ";" +
            FormatujCalkowita(static_cast<std::int64_t>(WzmocnienieMax)) + "> dB";
    }
    return {};
}

TBladModelu WczytajModel(const std::filesystem::path& plik, TCharakterystyka& punkty, std::string* powod)
{
    std::string opis;
    const TOdczytPliku odczyt = CzytajPlik(plik, RozmiarNaglowka + MaksPunktowModelu * sizeof(TPunkt));
    const TBladModelu blad =
        odczyt.Blad != TBladOdczytu::Brak ? BladOdczytu(odczyt.Blad) : Odczytaj(odczyt.Dane, punkty, opis);
    if (powod != nullptr)
        *powod = odczyt.Blad != TBladOdczytu::Brak ? odczyt.Powod : opis;
    return blad;
}

TBladModelu ZapiszModel(const std::filesystem::path& plik, const TCharakterystyka& punkty)
{
    if (!RodzajNieZwyklegoPliku(plik).empty())
        return TBladModelu::NieJestPlikiem;
    const auto liczba = static_cast<std::int32_t>(punkty.size());
    std::string bajty(Sygnatura, sizeof Sygnatura);
    bajty.append(reinterpret_cast<const char*>(&liczba), sizeof liczba);
    bajty.append(reinterpret_cast<const char*>(punkty.data()), punkty.size() * sizeof(TPunkt));
    TZapisAtomowy zapis;
    return zapis.Dodaj(plik, bajty).empty() && zapis.Zatwierdz().empty() ? TBladModelu::Brak : TBladModelu::Dostep;
}
