#include "PlikBitow.h"

#include <fstream>

std::optional<std::vector<std::int32_t>> WczytajBity(const std::filesystem::path& plik, std::string& blad)
{
    std::ifstream wejscie(plik);
    if (!wejscie) {
        blad = "cannot be read";
        return std::nullopt;
    }
    std::vector<std::int32_t> bity;
    char c = 0;
    while (wejscie.get(c)) {
        if (c == '0' || c == '1') {
            bity.push_back(c - '0');
        } else if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            blad = "holds a character other than 0, 1 and white space";
            return std::nullopt;
        }
    }
    return bity;
}
