#include "Csv.h"

std::string PoleCsv(std::string_view tekst)
{
    if (tekst.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(tekst);
    std::string wynik = "\"";
    for (const char c : tekst) {
        wynik += c;
        if (c == '"')
            wynik += '"';
    }
    return wynik + '"';
}

std::string LiniaCsv(const std::vector<std::string>& komorki)
{
    std::string linia;
    for (std::size_t i = 0; i < komorki.size(); ++i) {
        if (i > 0)
            linia += ',';
        linia += PoleCsv(komorki[i]);
    }
    return linia + '\n';
}

std::optional<std::vector<std::string>> KomorkiCsv(std::string_view linia)
{
    std::vector<std::string> komorki(1);
    std::size_t i = 0;
    while (i < linia.size()) {
        const char c = linia[i];
        if (c == ',') {
            komorki.emplace_back();
            ++i;
        } else if (c == '"' && komorki.back().empty()) {
            // A quoted cell ends at a lone quote, which a comma or the line's end must follow.
            ++i;
            for (;;) {
                if (i >= linia.size())
                    return std::nullopt;
                if (linia[i] == '"') {
                    if (i + 1 < linia.size() && linia[i + 1] == '"') {
                        komorki.back() += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                komorki.back() += linia[i++];
            }
            if (i < linia.size() && linia[i] != ',')
                return std::nullopt;
        } else {
            komorki.back() += c;
            ++i;
        }
    }
    return komorki;
}
