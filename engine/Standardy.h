// The four standards: their run constants, the limits and default texts of their
// settings. One table for the analysis window, the run and the command line.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

struct TStandard {
    std::string_view Nazwa;     // as in every list and caption
    std::uint8_t KodStandardu;  // encoder type code
    std::int32_t LiczbaTorow;   // wire pairs carrying the signal
    std::int32_t LiczbaZaklocen; // extra line signals sent as the crosstalk source
    std::int32_t BityOchronne;  // bits added before encoding, trimmed off later
    float CzynnikSzybkosci;     // symbol rate (Mbaud) per bit rate (Mbps)
    float PoziomMin;            // V, first level argument of encoder and decoder
    float PoziomMax;            // V, second level argument
    float MarginesDecyzji;      // V, half the distance between neighbouring levels
    std::int32_t SymbolMin;     // lowest code symbol
    std::int32_t SymbolMax;     // highest code symbol
    std::string_view SzybkoscDomyslna;   // Mbps, initial text of the rate field
    std::string_view NachylenieDomyslne; // mV/ns, initial text of the slope field
    std::int32_t SzybkoscMin, SzybkoscMax;     // Mbps, inclusive
    std::int32_t NachylenieMin, NachylenieMax; // mV/ns, inclusive
    std::int32_t EchoMin, EchoMax;             // ns, inclusive
    float OkresOka;             // symbol periods the eye diagram overlays: its X axis maximum
    std::int32_t PodzialkiWejsc; // X divisions of an input strip on a printed page
    std::int32_t PodzialkiWyjsc; // X divisions of an output or decoded strip on a printed page
    double CzynnikBER;          // the per-lane BER estimate times this is the standard's
};

inline constexpr std::int32_t LiczbaBitowMin = 100;
inline constexpr std::int32_t LiczbaBitowMax = 1000;          // the settings page's limit
inline constexpr std::int32_t LiczbaBitowMaxWiersza = 1000000; // the command line's, for counted BERs to 1e-5 and below

inline constexpr std::array<TStandard, 4> Standardy = {{
    {"10BaseT", 0, 1, 1, 40, 1.0f, -2.5f, 0.0f, 1.25f, 0, 1, "10", "500", 10, 100, 400, 600, 0, 100, 0.5f, 7, 7, 1.0},
    {"100BaseTX", 1, 1, 1, 40, 1.25f, -1.0f, 1.0f, 0.5f, -1, 1, "100", "5000", 100, 500, 4000, 6000, 0, 10, 1.0f, 3, 15,
     2.0},
    {"100BaseTX (bez 4B5B)", 2, 1, 1, 40, 1.0f, -1.0f, 1.0f, 0.5f, -1, 1, "100", "5000", 100, 500, 4000, 6000, 0, 10,
     1.0f, 3, 12, 2.0},
    {"1000BaseT", 4, 4, 0, 320, 0.125f, -1.0f, 1.0f, 0.25f, -2, 2, "1000", "5000", 1000, 5000, 4000, 6000, 0, 10, 1.0f, 3,
     3, 4.0},
}};

// The symbol rate in Mbaud (the line rate R in MHz) of a bit rate in Mbps for the
// standard at position standard; rates are whole numbers, so it is truncated.
inline std::int32_t SzybkoscSymboli(int standard, std::int32_t mbps)
{
    const double czynnik = Standardy.at(static_cast<std::size_t>(standard)).CzynnikSzybkosci;
    return static_cast<std::int32_t>(std::trunc(static_cast<double>(mbps) * czynnik));
}

// The length of one code symbol in the x unit of the line signals (one symbol period, for
// 10BaseT one bit period): a half bit for Manchester, one period otherwise.
inline double OkresSymboluKodu(int standard)
{
    return Standardy.at(static_cast<std::size_t>(standard)).KodStandardu == 0 ? 0.5 : 1.0;
}
