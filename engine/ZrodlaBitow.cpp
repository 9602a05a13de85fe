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

TWielomianPrbs WielomianPrbs(TZrodloBitow zrodlo)
{
    switch (zrodlo) {
    case TZrodloBitow::Prbs7:
        return {7, 6, false};
    case TZrodloBitow::Prbs9:
        return {9, 5, false};
    case TZrodloBitow::Prbs15:
        return {15, 14, true};
    case TZrodloBitow::Prbs23:
        return {23, 18, true};
    case TZrodloBitow::Prbs31:
        return {31, 28, true};
    default:
        return {0, 0, false};
    }
}

std::vector<std::int32_t> CiagPrbs(const TWielomianPrbs& w, std::uint32_t stan, std::int32_t n)
{
    // The register holds the last Stopien bits, the newest in bit 0.
    const std::uint32_t maska = (std::uint32_t{1} << w.Stopien) - 1;
    std::uint32_t rejestr = stan & maska;
    const std::int32_t odwrocenie = w.Odwrocony ? 1 : 0;
    std::vector<std::int32_t> bity(static_cast<std::size_t>(n));
    for (std::int32_t k = 0; k < n; ++k) {
        std::int32_t bit;
        if (k < w.Stopien) {
            bit = static_cast<std::int32_t>((rejestr >> (w.Stopien - 1 - k)) & 1);
        } else {
            bit = static_cast<std::int32_t>(((rejestr >> (w.Odczep - 1)) ^ (rejestr >> (w.Stopien - 1))) & 1);
            rejestr = ((rejestr << 1) | static_cast<std::uint32_t>(bit)) & maska;
        }
        bity[static_cast<std::size_t>(k)] = bit ^ odwrocenie;
    }
    return bity;
}

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
    else if (const TWielomianPrbs w = WielomianPrbs(u.Zrodlo); w.Stopien > 0)
        bity.Linia = CiagPrbs(w, 1 + ziarno % ((std::uint32_t{1} << w.Stopien) - 1), n);
    else
        bity.Linia.assign(static_cast<std::size_t>(n), u.Zrodlo == TZrodloBitow::Jedynki ? 1 : 0);
    bity.Zaklocenia = u.BityZaklocen ? Poczatek(*u.BityZaklocen, n) : Losowe(generator, n);
    return bity;
}
