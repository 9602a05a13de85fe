// The plain-language reading of a run's error results: the BER estimate as mantissa
// and superscript exponent with a sentence on how often a wrong bit occurs, and the
// share of correct time, in Polish or English. Numbers use the decimal separator that
// platform/Liczby.h gives the language.
#pragma once

#include <cstdint>
#include <string>

#include "Liczby.h"

struct TOpisBER {
    std::string Etykieta;  // mantissa with two decimals and "x10", or "0"
    std::string Wykladnik; // the exponent as a decimal integer, empty for a BER of 0
    std::string Zdanie;    // how many wrong bits appear in which period
};

// ber: the per-lane estimate of the error library; standard: position in Standardy,
// whose CzynnikBER makes it the standard's; szybkosc: the bit rate in Mbps.
TOpisBER OpiszBER(double ber, int standard, std::int32_t szybkosc, TJezyk jezyk = TJezyk::Polski);

// "Transmisja poprawna w ... % czasu" for the share of wrongly decoded time (0 to 1).
std::string ZdaniePoprawnegoCzasu(double udzialBledow, TJezyk jezyk = TJezyk::Polski);
