#include "Vartostream.h"

#include <utility>

void TBuforPamieci::Oproznij()
{
    Bajty.clear();
}

void TBuforPamieci::UstawRozmiar(std::size_t rozmiar)
{
    Bajty.resize(rozmiar);
}

void TVartoStrumien::UstawDlugosc(std::int32_t n)
{
    Bufor.Oproznij();
    Dlugosc = n;
    Bufor.UstawRozmiar(n > 0 ? static_cast<std::size_t>(n) * static_cast<std::size_t>(RozmiarElementu) : 0);
}

void TVartoStrumien::UstawNazwe(std::string tekst)
{
    Nazwa = std::move(tekst);
}

std::string TVartoStrumien::ZwrocNazwe() const
{
    return Nazwa;
}
