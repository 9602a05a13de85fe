#include "Wektory.h"

namespace {

TPoziomWektorow Wykryj()
{
    __builtin_cpu_init();
    if (__builtin_cpu_supports("x86-64-v4"))
        return TPoziomWektorow::Avx512;
    if (__builtin_cpu_supports("x86-64-v3"))
        return TPoziomWektorow::Avx2;
    return TPoziomWektorow::Podstawowy;
}

TPoziomWektorow& Wybrany()
{
    static TPoziomWektorow poziom = Wykryj();
    return poziom;
}

} // namespace

TPoziomWektorow PoziomWektorow()
{
    return Wybrany();
}

void WymusPoziomWektorow(TPoziomWektorow poziom)
{
    Wybrany() = poziom;
}
