#include "PlikModelu.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

static_assert(std::endian::native == std::endian::little, "model files are little-endian, as is this machine");

namespace {

constexpr char Sygnatura[9] = {'L', 'i', 'n', 't', 'a', 'V', 'O', 'X', '\0'};
constexpr std::size_t RozmiarNaglowka = sizeof Sygnatura + sizeof(std::int32_t);

TBladModelu Sprawdz(const TCharakterystyka& punkty)
{
    switch (SprawdzCharakterystyke(punkty)) {
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

} // namespace

std::string OpisBleduModelu(TBladModelu blad)
{
    switch (blad) {
    case TBladModelu::Brak:
        return {};
    case TBladModelu::Dostep:
        return "Nie można odczytać lub zapisać pliku";
    case TBladModelu::Format:
        return "Nieprawidłowy format pliku";
    case TBladModelu::LiczbaPunktow:
        return "Liczba punktów nie zgadza się z długością pliku";
    case TBladModelu::ZaMaloPunktow:
        return "Charakterystyka musi mieć co najmniej dwa punkty";
    case TBladModelu::Czestotliwosci:
        return "Częstotliwości muszą być nieujemne i rosnące";
    case TBladModelu::Wartosci:
        return "Nieprawidłowa wartość poziomu w pliku";
    }
    return {};
}

TBladModelu WczytajModel(const std::filesystem::path& plik, TCharakterystyka& punkty)
{
    std::ifstream wejscie(plik, std::ios::binary);
    if (!wejscie)
        return TBladModelu::Dostep;
    const std::vector<char> bajty{std::istreambuf_iterator<char>(wejscie), std::istreambuf_iterator<char>()};
    if (wejscie.bad())
        return TBladModelu::Dostep;
    if (bajty.size() < sizeof Sygnatura || std::memcmp(bajty.data(), Sygnatura, sizeof Sygnatura) != 0)
        return TBladModelu::Format;
    if (bajty.size() < RozmiarNaglowka)
        return TBladModelu::LiczbaPunktow;
    std::int32_t liczba = 0;
    std::memcpy(&liczba, bajty.data() + sizeof Sygnatura, sizeof liczba);
    if (liczba < 0 || bajty.size() - RozmiarNaglowka != static_cast<std::size_t>(liczba) * sizeof(TPunkt))
        return TBladModelu::LiczbaPunktow;
    if (liczba < 2)
        return TBladModelu::ZaMaloPunktow;
    TCharakterystyka odczytane(static_cast<std::size_t>(liczba));
    std::memcpy(odczytane.data(), bajty.data() + RozmiarNaglowka, odczytane.size() * sizeof(TPunkt));
    if (const TBladModelu blad = Sprawdz(odczytane); blad != TBladModelu::Brak)
        return blad;
    punkty = std::move(odczytane);
    return TBladModelu::Brak;
}

TBladModelu ZapiszModel(const std::filesystem::path& plik, const TCharakterystyka& punkty)
{
    std::ofstream wyjscie(plik, std::ios::binary | std::ios::trunc);
    const auto liczba = static_cast<std::int32_t>(punkty.size());
    wyjscie.write(Sygnatura, sizeof Sygnatura);
    wyjscie.write(reinterpret_cast<const char*>(&liczba), sizeof liczba);
    wyjscie.write(reinterpret_cast<const char*>(punkty.data()), static_cast<std::streamsize>(punkty.size() * sizeof(TPunkt)));
    wyjscie.close();
    return wyjscie ? TBladModelu::Brak : TBladModelu::Dostep;
}
