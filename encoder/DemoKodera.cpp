// Encodes a bit string with one standard's coder and prints every display stream as
// its (x, y) points: a quick look at the line codes from the terminal.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "VartoEncode.h"

int main(int argc, char** argv)
{
    const std::uint8_t typ = argc > 1 ? static_cast<std::uint8_t>(std::atoi(argv[1])) : KodTypu100BaseTX;
    const std::string tekst = argc > 2 ? argv[2] : "0000111101011010";
    if (typ != KodTypu10BaseT && typ != KodTypu100BaseTX && typ != KodTypu100BaseTXBez4B5B && typ != KodTypu1000BaseT) {
        std::fprintf(stderr, "usage: %s [0|1|2|4] [bits]\n", argv[0]);
        return 2;
    }
    std::vector<std::int32_t> bity;
    for (char c : tekst)
        if (c == '0' || c == '1')
            bity.push_back(c - '0');

    std::int32_t liczba = 0;
    delete[] ZwrocTypyStrumieni(&liczba, typ);
    std::vector<std::int32_t> numery(static_cast<std::size_t>(liczba));
    for (std::int32_t i = 0; i < liczba; ++i)
        numery[static_cast<std::size_t>(i)] = i;
    const bool dziesiec = typ == KodTypu10BaseT;
    TFltFltStrumien** strumienie = ZwrocStrumienie(bity.data(), static_cast<std::int32_t>(bity.size()), numery.data(),
                                                   liczba, typ, dziesiec ? -2.5f : -1.0f, dziesiec ? 0.0f : 1.0f,
                                                   dziesiec ? 10 : 125, 40.0f);
    for (std::int32_t i = 0; i < liczba; ++i) {
        TFltFltStrumien* s = strumienie[i];
        std::printf("%s:", s->ZwrocNazwe().c_str());
        for (std::int32_t k = 0; k < s->ZwrocDlugosc(); ++k)
            std::printf(" (%g, %g)", static_cast<double>(s->Zwroc(k).X), static_cast<double>(s->Zwroc(k).Y));
        std::printf("\n");
        delete s;
    }
    delete[] strumienie;
    return 0;
}
