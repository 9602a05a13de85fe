#include "PlikBitow.h"

#include "OdczytPliku.h"

std::optional<std::vector<std::int32_t>> WczytajBity(const std::filesystem::path& plik, std::string& blad)
{
    const TOdczytPliku odczyt = CzytajPlik(plik, MaksBajtowPlikuBitow);
    if (odczyt.Blad != TBladOdczytu::Brak) {
        blad = odczyt.Powod;
        return std::nullopt;
    }
    std::vector<std::int32_t> bity;
    for (const char c : odczyt.Dane) {
        if (c == '0' || c == '1') {
            bity.push_back(c - '0');
        } else if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            blad = "holds a character other than 0, 1 and white space";
            return std::nullopt;
        }
    }
    return bity;
}
