// How sure a counted bit error rate is: the exact (Clopper-Pearson) confidence interval
// of k errors in n bits, and the error-free run needed to claim a target rate.
#pragma once

#include <cstdint>

// Two-sided interval of a binomial proportion, both ends in 0 to 1.
struct TPrzedzialUfnosci {
    double Dolna = 0.0;
    double Gorna = 1.0;
};

// The exact interval at the given confidence (0.95 for 95 %) for k errors in n bits,
// 0 <= k <= n, n >= 1: the rates whose chance of k or more (fewer) errors is half the
// remaining probability. For k = 0 the lower end is 0 and the upper 1 - (α/2)^(1/n).
TPrzedzialUfnosci PrzedzialClopperaPearsona(std::int64_t k, std::int64_t n, double ufnosc = 0.95);

// Error-free bits after which a rate of docelowyBER or more is ruled out at the given
// confidence (one-sided): ln(1 - ufnosc) / ln(1 - docelowyBER), about 3.0e10 for 1e-10 at 95 %.
double BityDoWykazania(double docelowyBER, double ufnosc = 0.95);
