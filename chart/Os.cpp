#include "Os.h"

#include <cmath>

#include "Wykres.h"

void TCzescWykresu::Odswiez()
{
    Wykres.update();
}

void TOs::UstawMax(float wartosc)
{
    Zmien(max, typOsi == toLog ? static_cast<float>(std::log10(static_cast<double>(wartosc))) : wartosc);
}
