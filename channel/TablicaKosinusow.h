// One period of the cosine in a table, so that the filter build, whose every cosine
// argument is a whole multiple of 2π / (20 A), looks its cosines up instead of calling cos.
#pragma once

#include <cstdint>
#include <vector>

class TTablicaKosinusow {
public:
    // Entry j is cos(2π j / okres); okres is a positive multiple of 4.
    explicit TTablicaKosinusow(std::int64_t okres);

    std::int64_t Okres() const { return static_cast<std::int64_t>(Wartosci.size()); }
    const double* Dane() const { return Wartosci.data(); }

private:
    std::vector<double> Wartosci;
};
