#include "ZrodlaBitow.h"

#include <chrono>
#include <random>

namespace {

std::vector<std::int32_t> Losowe(std::mt19937& generator, std::int32_t n)
{
    std::vector<std::int32_t> bity(static_cast<std::size_t>(n));
    for (auto& b : bity)
        b = static_cast<std::int32_t>(generator() % 2);
    return bity;
}

std::vector<std::int32_t> Poczatek(const std::vector<std::int32_t>& bity, std::int32_t n)
{
    return {bity.begin(), bity.begin() + n};
}

} // namespace

std::uint32_t ZiarnoZZegara()
{
    const auto takty = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    return static_cast<std::uint32_t>(takty ^ (takty >> 32));
}

TBityPrzebiegu BityPrzebiegu(const TUstawieniaSymulacji& u, std::uint32_t ziarno)
{
    const std::int32_t n = BityKodowane(u);
    std::mt19937 generator(ziarno);
    // The lanes' draw is made whatever the source, so the crosstalk source's bits of a
    // seed are the same for every source.
    std::vector<std::int32_t> losowe = Losowe(generator, n);
    TBityPrzebiegu bity;
    if (u.Bity)
        bity.Linia = Poczatek(*u.Bity, n);
    else if (u.Zrodlo == TZrodloBitow::Losowe)
        bity.Linia = std::move(losowe);
    else
        bity.Linia.assign(static_cast<std::size_t>(n), u.Zrodlo == TZrodloBitow::Jedynki ? 1 : 0);
    bity.Zaklocenia = u.BityZaklocen ? Poczatek(*u.BityZaklocen, n) : Losowe(generator, n);
    return bity;
}
